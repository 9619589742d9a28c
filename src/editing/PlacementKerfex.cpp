#include "editing/PlacementKerfex.h"

#include "editing/Transaction.h"
#include "model/Extremes.h"
#include "model/NumericText.h"

namespace galbix {

void SelectionnerCoteSeul(CoupleProfils& profils, int cote)
{
    for (PointProfil& p : profils.Points(cote).Modifier())
        p.Etat = EtatSelection;
}

void EffacerCote(CoupleProfils& profils, int cote)
{
    for (PointProfil& p : profils.Points(cote).Modifier())
        p.Etat = 0;
}

void ChargerProjetKerfex(ContexteEdition& ctx, const ProjetKerfex& projet)
{
    CoupleProfils& p = ctx.Profils;
    p.PointsE = projet.Points[CoteE];
    p.PointsS = projet.Points[CoteS];
    if (projet.Envergure)
        p.EcartementZ = *projet.Envergure;
    CalculerExtremes(p);
    ctx.Geometrie.Interrupteurs = InterrupteursGeometrie{};
    ctx.Geometrie.FlecheSaisie = p.FlecheBA;
    ctx.Geometrie.DiedreMmSaisi = p.DiedreMm;
    ctx.Geometrie.DiedreDegSaisi = p.DiedreDeg;
    ctx.Edition.PointCourantE = 1;
    ctx.Edition.PointCourantS = 1;
}

SuiteCommande CommandeEtapeKerfex(ContexteEdition& ctx, ActionKerfex action, float valeur)
{
    switch (action) {
    case ActionKerfex::EtirerY: return CommandeEtirer(ctx, SensEtirement::Y, valeur);
    case ActionKerfex::MiroirVertical: return CommandeMiroir(ctx, SensMiroir::Vertical);
    case ActionKerfex::Tourner: return CommandeTourner(ctx, valeur);
    case ActionKerfex::Fleche: return CommandeFleche(ctx, valeur);
    case ActionKerfex::DiedreMm: return CommandeDiedreMm(ctx, valeur);
    }
    return {};
}

SuiteCommande ExecuterEtapeKerfex(ContexteEdition& ctx, const EtapeKerfex& etape)
{
    if (etape.Cote)
        SelectionnerCoteSeul(ctx.Profils, *etape.Cote);
    SuiteCommande suite;
    QString texte = etape.Texte;
    if (etape.Action != ActionKerfex::MiroirVertical && (!EstNombreDecimal(texte) || !ValeurSaisieFinie(texte))) {
        suite.Message = MessageRefus{TitreErreurSaisie, TexteErreurSaisie};
        suite.Refuse = true;
    } else {
        const float valeur = ValeurSaisieReelle(etape.Texte);
        suite = ExecuterEntier(ctx, [&](ContexteEdition& c) { return CommandeEtapeKerfex(c, etape.Action, valeur); });
    }
    if (etape.Cote)
        EffacerCote(ctx.Profils, *etape.Cote);
    return suite;
}

std::optional<MessageRefus> ImporterProjetKerfex(ContexteEdition& ctx, const ProjetKerfex& projet)
{
    ChargerProjetKerfex(ctx, projet);
    std::optional<MessageRefus> premier;
    for (const EtapeKerfex& etape : EtapesPlacementKerfex(projet)) {
        const SuiteCommande suite = ExecuterEtapeKerfex(ctx, etape);
        if (suite.Refuse && suite.Message && !premier)
            premier = suite.Message;
    }
    return premier;
}

} // namespace galbix
