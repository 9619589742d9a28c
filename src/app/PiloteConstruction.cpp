#include "app/PiloteConstruction.h"

#include "app/ChampNumerique.h"
#include "view/ui/Dialogues.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteEdition.h"
#include "app/PiloteVue.h"

#include "editing/Transaction.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <new>

namespace galbix {

PiloteConstruction::PiloteConstruction(FenetrePrincipale& fenetre) : QObject(&fenetre), m_fenetre(fenetre) {}

void PiloteConstruction::Connecter()
{
    ControlesFenetre& c = m_fenetre.Controles();
    connect(c.cmdIntersection, &QAbstractButton::clicked, this, &PiloteConstruction::Intersection);
    connect(c.cmdNettoyage, &QAbstractButton::clicked, this, &PiloteConstruction::Nettoyer);
    connect(c.cmdLisser, &QAbstractButton::clicked, this, &PiloteConstruction::Lisser);
    QLineEdit* champ = c.txtDecaler;
    new ChampNumerique(
        champ, m_fenetre.Dialogue(), SigneChamp::Signe,
        [this, champ](float d) {
            ContexteEdition ctx = m_fenetre.Session().Contexte();
            Appliquer(ExecuterEntier(ctx, [d](ContexteEdition& c) { return CommandeDecaler(c, d); }), champ);
        },
        [] { return FormaterChamp(0.0); });
}

void PiloteConstruction::Intersection()
{
    ContexteEdition ctx = m_fenetre.Session().Contexte();
    Appliquer(ExecuterEntier(ctx, &CommandeIntersection));
}

void PiloteConstruction::Nettoyer()
{
    ContexteEdition ctx = m_fenetre.Session().Contexte();
    bool synchrone = false;
    if (ctx.Profils.NbPointsE() == ctx.Profils.NbPointsS())
        synchrone = m_fenetre.Dialogue().Message(
                        tr("Nettoyage"),
                        tr("Le nettoyage peut être total ou conserver les points synchrones si les "
                                       "profils ont le même nombre de points.\nVoulez-vous conserver les points "
                                       "synchrones?"),
                        IconeMessage::Question, BoutonsMessage::OuiNon)
            == ReponseMessage::Oui;
    float& tolerance = m_fenetre.Session().ToleranceContour;
    Appliquer(ExecuterEntier(ctx, [synchrone, &tolerance](ContexteEdition& c) {
        return CommandeNettoyer(c, synchrone, tolerance);
    }));
}

void PiloteConstruction::Lisser()
{
    ContexteEdition ctx = m_fenetre.Session().Contexte();
    Appliquer(ExecuterEntier(ctx, &CommandeLisser));
}

// Out of memory while the window follows the command, the model stays as the command left it.
void PiloteConstruction::Appliquer(const SuiteConstruction& suite, QLineEdit* champ)
{
    try {
        AppliquerSuite(suite, champ);
    } catch (const std::bad_alloc&) {
        m_fenetre.Dialogue().Message(TitreMemoireInsuffisante, TexteMemoireInsuffisante, IconeMessage::Critique,
                                     BoutonsMessage::Ok);
    }
}

// Messages first, then the counts' consequences, then the texts and the redraw.
void PiloteConstruction::AppliquerSuite(const SuiteConstruction& suite, QLineEdit* champ)
{
    for (const AvisConstruction& avis : suite.Avis)
        m_fenetre.Dialogue().Message(avis.Titre, avis.Texte,
                                     avis.Information ? IconeMessage::Information : IconeMessage::Critique,
                                     BoutonsMessage::Ok);
    if (suite.Suite.Refuse)
        return;
    const CoupleProfils& profils = m_fenetre.Session().Profils;
    ControlesFenetre& c = m_fenetre.Controles();
    if (profils.NbPointsE() != profils.NbPointsS()) {
        c.chkFil->setEnabled(false);
        c.chkSurface->setEnabled(false);
    }
    if (suite.NombresModifies)
        m_fenetre.Vue().BornesListes();
    SuiteCommande reste = suite.Suite;
    if (suite.Ajuster)
        reste.Vue = MiseAJourVue::Aucune;
    m_fenetre.Edition().Appliquer(reste, champ);
    if (suite.Ajuster)
        m_fenetre.Vue().AjusterVue();
}

} // namespace galbix
