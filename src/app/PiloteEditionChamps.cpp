// The numeric fields of the main window: what Enter applies in each and what each shows
// once the focus leaves it.
#include "app/PiloteEdition.h"

#include "app/ChampNumerique.h"
#include "app/FenetrePrincipale.h"

#include "editing/Transaction.h"

#include "model/Extremes.h"

#include <QLineEdit>

namespace galbix {

// The command runs whole or not at all: a value whose result leaves the float range is refused
// as the field refuses a text that is not a number.
void PiloteEdition::AttacherChamp(QLineEdit* champ, bool signe,
                                  std::function<SuiteCommande(ContexteEdition&, float)> commande,
                                  std::function<QString()> affichage)
{
    ChampNumerique::Application application;
    if (commande)
        application = [this, champ, commande = std::move(commande)](float valeur) {
            ContexteEdition ctx = Contexte();
            Appliquer(ExecuterEntier(ctx, [&](ContexteEdition& c) { return commande(c, valeur); }), champ);
        };
    new ChampNumerique(champ, m_fenetre.Dialogue(), signe ? SigneChamp::Signe : SigneChamp::NonSigne,
                       std::move(application), std::move(affichage));
}

void PiloteEdition::ConnecterChamps()
{
    ConnecterChampsPlacement();
    ConnecterChampsTransformation();
}

// Leaving a wing-geometry field shows the model's metric again, recomputed first.
void PiloteEdition::ConnecterChampsPlacement()
{
    ControlesFenetre& c = m_fenetre.Controles();
    CoupleProfils& profils = m_fenetre.Session().Profils;
    const auto metrique = [&profils](float CoupleProfils::*membre) {
        return [&profils, membre] {
            CalculerExtremes(profils);
            return FormaterChamp(double(profils.*membre));
        };
    };
    const auto commande = [](auto&& f) {
        return [f](ContexteEdition& ctx, float valeur) { return f(ctx, valeur); };
    };
    for (int cote : {CoteE, CoteS})
        AttacherChamp(c.txtCorde[size_t(cote)], false,
                      commande([cote](ContexteEdition& ctx, float v) { return CommandeCorde(ctx, cote, v); }),
                      metrique(cote == CoteE ? &CoupleProfils::LargeurE : &CoupleProfils::LargeurS));
    AttacherChamp(c.txtEcartementZ, false, commande(&CommandeEcartement), metrique(&CoupleProfils::EcartementZ));
    AttacherChamp(c.txtFleche, true, commande(&CommandeFleche), metrique(&CoupleProfils::FlecheBA));
    AttacherChamp(c.txtDiedreMm, true, commande(&CommandeDiedreMm), metrique(&CoupleProfils::DiedreMm));
    AttacherChamp(c.txtDiedreDeg, true, commande(&CommandeDiedreDeg), metrique(&CoupleProfils::DiedreDeg));
}

// Leaving a transform field shows its neutral value: unconfirmed typing is discarded.
void PiloteEdition::ConnecterChampsTransformation()
{
    ControlesFenetre& c = m_fenetre.Controles();
    const auto fixe = [](double valeur) { return [valeur] { return FormaterChamp(valeur); }; };
    for (int k = 0; k < int(c.txtEtirer.size()); ++k)
        AttacherChamp(c.txtEtirer[size_t(k)], false,
                      [k](ContexteEdition& ctx, float p) { return CommandeEtirer(ctx, SensEtirement(k), p); },
                      fixe(100.0));
    AttacherChamp(
        c.txtTourner, true,
        [](ContexteEdition& ctx, float a) { return CommandeTourner(ctx, a); },
        fixe(0.0));
    for (int k = 0; k < int(c.txtDeplacer.size()); ++k)
        AttacherChamp(c.txtDeplacer[size_t(k)], true,
                      [k](ContexteEdition& ctx, float d) { return CommandeDeplacer(ctx, SensTranslation(k), d); },
                      fixe(0.0));
    // Fields whose commands are not wired here: the offset is driven with the constructions,
    // the intermediate spacing by the intermediate profile, the wing spacing is read by the duplication.
    AttacherChamp(c.txtEcartementAiles, true, {}, {});
}

} // namespace galbix
