// The open command of both sides: the dialog, the refusal of a tip before any root, the
// folder remembered at once, the load into the model, then the fields, labels, caption and
// comment it changes, and the common end (lists, wing placing, fit, undo snapshot).

#include "view/ui/Dialogues.h"
#include "app/DossierProgramme.h"
#include "app/FenetrePrincipale.h"
#include "app/OuvertureSequences.h"
#include "app/PiloteEdition.h"
#include "app/PiloteFichiers.h"
#include "app/PiloteImportKf.h"
#include "app/PiloteVue.h"
#include "files/Reglages.h"
#include "files/Ouverture.h"
#include "model/Extremes.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <QDir>

namespace galbix {

void PiloteVue::OuvrirProfil(int cote)
{
    SessionEdition& session = m_fenetre.Session();
    const QString& ini = m_fenetre.FichierReglages();
    // Re-read each time: the sequence window may have changed it.
    session.DossierOuverture = LireDossierOuverture(ini, m_fenetre.DossierProgrammeFenetre());
    if (cote == CoteS && !session.ProjetOuvert) {
        m_fenetre.Dialogue().Message(ouverture::TitreRefusSaumon, ouverture::TexteRefusSaumon, IconeMessage::Critique,
                                     BoutonsMessage::Ok);
        return;
    }
    DemandeFichier demande;
    demande.titre = ouverture::TitreDialogue;
    demande.filtre = cote == CoteE ? ouverture::FiltreEmplanture : ouverture::FiltreSaumon;
    demande.indexFiltre =
        cote == CoteE ? ouverture::FiltrePreselectionneEmplanture : ouverture::FiltrePreselectionneSaumon;
    demande.dossierInitial =
        DossierInitialOuverture(session.DossierOuverture, m_fenetre.DossierProgrammeFenetre(), QDir::homePath());
    const ChoixFichier choix = m_fenetre.Dialogue().Ouvrir(demande);
    if (choix.annule || choix.chemin.isEmpty())
        return;
    session.DossierOuverture = RetenirDossierOuverture(choix.chemin, ini);

    const ResultatOuverture r = OuvrirProfilFenetre(m_fenetre, cote, choix.chemin);
    switch (r.Issue) {
    case IssueOuverture::Charge:
        AppliquerOuverture(r);
        TerminerOuverture();
        break;
    case IssueOuverture::Projet:
        m_fenetre.Fichiers().OuvrirProjet(choix.chemin);
        break;
    case IssueOuverture::Refus:
        m_fenetre.Dialogue().Message(ouverture::TitreRefusSaumon, ouverture::TexteRefusSaumon,
                                     IconeMessage::Critique, BoutonsMessage::Ok);
        break;
    case IssueOuverture::ProjetKerfex:
        m_fenetre.ImportKf().Importer(choix.chemin);
        break;
    case IssueOuverture::Echec: // a failed read ends silently, the model untouched
        break;
    }
}

void PiloteVue::AppliquerOuverture(const ResultatOuverture& r)
{
    SessionEdition& session = m_fenetre.Session();
    const ControlesFenetre& c = m_fenetre.Controles();
    for (int i : {CoteE, CoteS})
        if (r.Corde[i])
            c.txtCorde[i]->setText(*r.Corde[i]);
    if (r.LigneCommentaire) {
        if (r.RemplacerCommentaire) {
            c.txtCommentaire->setPlainText(*r.LigneCommentaire);
        } else {
            QTextCursor curseur(c.txtCommentaire->document());
            curseur.movePosition(QTextCursor::End);
            curseur.insertText(*r.LigneCommentaire);
        }
    }
    if (r.VoirCommentaires)
        c.chkVoirCommentaires->setChecked(true);
    if (r.NouveauProjet)
        m_fenetre.ActiverCommandes();
    if (r.ToleranceContour)
        session.ToleranceContour = *r.ToleranceContour;
    if (r.EcartementZ)
        c.txtEcartementZ->setText(*r.EcartementZ);
    if (r.Cote == CoteE)
        c.lblNomFichier[CoteE]->setText(r.NomFichier);
    c.lblNomFichier[CoteS]->setText(r.NomFichier);
    if (r.Diedre)
        c.lblDiedre->setText(*r.Diedre);
    if (r.Fleche)
        c.lblFleche->setText(*r.Fleche);
    if (r.NouveauProjet) {
        session.ProjetOuvert = true;
        m_fenetre.setWindowTitle(ouverture::TitreNouveauProjet);
    }
}

void PiloteVue::TerminerOuverture()
{
    SessionEdition& session = m_fenetre.Session();
    const ControlesFenetre& c = m_fenetre.Controles();
    for (int i : {CoteE, CoteS})
        m_nomsFichiers[i] = c.lblNomFichier[i]->text();
    BornesListes();
    CalculerExtremes(session.Profils);
    const InterrupteursGeometrie avant = session.Geometrie.Interrupteurs;
    Reapplication reapplication = ReappliquerGeometrie(session.Profils, session.Geometrie);
    CalculerExtremes(session.Profils);
    SuiteCommande suite;
    suite.Message = std::move(reapplication.Message);
    suite.InterrupteursModifies = !(avant == session.Geometrie.Interrupteurs);
    // The placing just replayed writes its fields and labels; the chord and spacing fields
    // keep what the load itself wrote into them.
    TextesGeometrie textes = CalculerTextesGeometrie(session.Profils, session.Geometrie);
    for (int i : {CoteE, CoteS})
        textes.Corde[size_t(i)] = c.txtCorde[i]->text();
    textes.EcartementZ = c.txtEcartementZ->text();
    suite.Textes = std::move(textes);
    m_fenetre.Edition().Appliquer(suite);
    AjusterVue();
    if (!session.Edition.BlocageUndo)
        m_fenetre.Edition().EnregistrerUndo();
}

} // namespace galbix
