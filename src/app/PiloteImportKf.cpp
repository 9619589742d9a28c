#include "app/PiloteImportKf.h"

#include "app/ChampNumerique.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteEdition.h"
#include "app/PiloteVue.h"
#include "editing/PlacementKerfex.h"
#include "editing/Transaction.h"
#include "files/ImportKf.h"
#include "files/Projet.h"
#include "model/Fonctions.h"
#include "model/NumericText.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace galbix {

PiloteImportKf::PiloteImportKf(FenetrePrincipale& fenetre) : m_fenetre(fenetre) {}

bool PiloteImportKf::Importer(const QString& chemin)
{
    ProjetKerfex projet;
    if (!LireProjetKerfex(chemin, projet).Reussie)
        return false;
    Charger(projet, chemin);
    for (const EtapeKerfex& etape : EtapesPlacementKerfex(projet))
        Executer(etape);
    m_fenetre.Controles().cmdRAZVueCote->click();
    MontrerCommentaire(projet.Commentaire);
    return true;
}

// The switches go up without running their placing, the points and the spacing are replaced,
// then the fields, labels and caption show the imported wing.
void PiloteImportKf::Charger(const ProjetKerfex& projet, const QString& chemin)
{
    SessionEdition& session = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    m_fenetre.ActiverCommandes();
    ContexteEdition ctx = session.Contexte();
    ChargerProjetKerfex(ctx, projet);
    m_fenetre.Edition().MontrerInterrupteurs();
    for (int cote : {CoteE, CoteS})
        c.lblNomFichier[cote]->setText(projet.Fichier[cote].value_or(QString()));
    m_fenetre.Vue().BornesListes();
    session.ProjetOuvert = true;
    m_fenetre.setWindowTitle(TitreFenetreProjet(chemin));
    EcrireChamps();
    if (session.Profils.NbPointsE() != session.Profils.NbPointsS()) {
        c.chkFil->setEnabled(false);
        c.chkSurface->setEnabled(false);
    }
}

void PiloteImportKf::EcrireChamps()
{
    const CoupleProfils& p = m_fenetre.Session().Profils;
    ControlesFenetre& c = m_fenetre.Controles();
    c.txtCorde[CoteE]->setText(FormaterChamp(p.LargeurE));
    c.txtCorde[CoteS]->setText(FormaterChamp(p.LargeurS));
    c.txtDiedreMm->setText(FormaterChamp(p.DiedreMm));
    c.txtDiedreDeg->setText(FormaterChamp(p.DiedreDeg));
    c.lblDiedre->setText(FormaterChamp(double(float(double(p.YmaxE) - double(p.YmaxS)))));
    c.txtFleche->setText(FormaterChamp(p.FlecheBA));
    c.lblFleche->setText(FormaterChamp(double(float(double(p.XmaxE) - double(p.XmaxS)))));
    c.txtEcartementZ->setText(FormaterChamp(p.EcartementZ));
}

// The side is selected alone, the value typed and Enter pressed in the field, or the mirror
// button's command run, then the side is cleared.
void PiloteImportKf::Executer(const EtapeKerfex& etape)
{
    SessionEdition& session = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    if (etape.Cote)
        SelectionnerCoteSeul(session.Profils, *etape.Cote);
    QLineEdit* champ = nullptr;
    switch (etape.Action) {
    case ActionKerfex::EtirerY: champ = c.txtEtirer[1]; break;
    case ActionKerfex::Tourner: champ = c.txtTourner; break;
    case ActionKerfex::Fleche: champ = c.txtFleche; break;
    case ActionKerfex::DiedreMm: champ = c.txtDiedreMm; break;
    case ActionKerfex::MiroirVertical: {
        ContexteEdition ctx = session.Contexte();
        m_fenetre.Edition().Appliquer(
            ExecuterEntier(ctx, [](ContexteEdition& c) {
                return CommandeEtapeKerfex(c, ActionKerfex::MiroirVertical, 0.0f);
            }));
        break;
    }
    }
    if (champ) {
        champ->setText(etape.Texte);
        if (auto* saisie = champ->findChild<ChampNumerique*>())
            saisie->Valider();
    }
    if (etape.Cote)
        EffacerCote(session.Profils, *etape.Cote);
}

void PiloteImportKf::MontrerCommentaire(const QString& commentaire)
{
    ControlesFenetre& c = m_fenetre.Controles();
    QString lignes = commentaire;
    lignes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lignes.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    c.txtCommentaire->setPlainText(lignes);
    if (!commentaire.isEmpty())
        c.chkVoirCommentaires->setChecked(true);
}

} // namespace galbix
