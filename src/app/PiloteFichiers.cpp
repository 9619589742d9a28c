// The save command, the exchange with the cutting program and the comment box of the main
// window. Opening a project is in PiloteFichiersProjet.cpp.

#include "app/PiloteFichiers.h"

#include "app/BoiteCommentaire.h"
#include "view/ui/Dialogues.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteEdition.h"
#include "app/PiloteIntermediaire.h"
#include "app/PiloteVue.h"
#include "files/Reglages.h"

#include "files/Echange.h"
#include "files/ExtensionFiltre.h"
#include "files/Sauvegarde.h"

#include <QAbstractButton>
#include <QDir>
#include <QStatusBar>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace galbix {

PiloteFichiers::PiloteFichiers(FenetrePrincipale& fenetre) : m_fenetre(fenetre) {}

PiloteFichiers::~PiloteFichiers() = default;

void PiloteFichiers::Connecter()
{
    ControlesFenetre& c = m_fenetre.Controles();
    m_commentaire = std::make_unique<BoiteCommentaire>(*c.txtCommentaire);
    for (int index : {sauvegarde::IndexEmplanture, sauvegarde::IndexSaumon, sauvegarde::IndexProjet})
        connect(c.cmdSauveProfil[index], &QAbstractButton::clicked, this, [this, index] { SauverProfil(index); });
    connect(c.cmdTransfertKerfex, &QPushButton::clicked, this, &PiloteFichiers::Exporter);
    connect(c.cmdImportKerfex, &QPushButton::clicked, this, &PiloteFichiers::Importer);
}

QString PiloteFichiers::Commentaire() const
{
    return m_commentaire ? m_commentaire->Texte() : QString();
}

DonneesProjet PiloteFichiers::ProjetActuel() const
{
    FenetrePrincipale& f = m_fenetre;
    const SessionEdition& session = f.Session();
    const ControlesFenetre& c = f.Controles();
    DonneesProjet projet;
    projet.Profils = session.Profils;
    for (int cote : {CoteE, CoteS})
        projet.NomFichier[cote] = c.lblNomFichier[cote]->text();
    const InterrupteursGeometrie& i = session.Geometrie.Interrupteurs;
    projet.BoutonFleche = i.IndexFleche;
    projet.BoutonDiedre = i.IndexDiedre;
    projet.Aligner = i.Aligner;
    projet.CoeffZoom = session.Vue.CoeffZoom;
    projet.XCentreZoom = session.Vue.XCentreZoom;
    projet.YCentreZoom = session.Vue.YCentreZoom;
    projet.Omega = float(c.hscOmega->value());
    projet.Alpha = float(c.hscAlpha->value());
    projet.Commentaire = Commentaire();
    return projet;
}

// The folder comes from the settings file again, so that a save made by another run of
// the program is followed; it is written back at once.
bool PiloteFichiers::SauverProfil(int index)
{
    if (index < sauvegarde::IndexEmplanture || index > sauvegarde::IndexIntermediaire)
        return false;
    SessionEdition& session = m_fenetre.Session();
    const ControlesFenetre& c = m_fenetre.Controles();
    session.DossierSauvegarde = LireDossierSauvegarde(m_fenetre.FichierReglages(), m_fenetre.DossierProgrammeFenetre());
    const QString noms[2] = {c.lblNomFichier[CoteE]->text(), c.lblNomFichier[CoteS]->text()};
    const DialogueSauvegarde reglage = DialoguePourSauvegarde(index, noms);
    DemandeFichier demande;
    demande.titre = reglage.Titre;
    demande.filtre = reglage.Filtres;
    demande.indexFiltre = reglage.IndexFiltre;
    demande.nomPropose = reglage.NomPropose;
    demande.dossierInitial = session.DossierSauvegarde;
    demande.confirmerEcrasement = true;
    const ChoixFichier choix = m_fenetre.Dialogue().Enregistrer(demande);
    if (choix.annule || choix.chemin.isEmpty())
        return false;
    const QString chemin = AvecExtensionDuFiltre(choix.chemin, demande.filtre, choix.indexFiltre);
    session.DossierSauvegarde = RetenirDossierSauvegarde(chemin, m_fenetre.FichierReglages());
    if (index == sauvegarde::IndexIntermediaire) {
        m_fenetre.Intermediaire().Sauver(chemin);
        return true;
    }
    if (index == sauvegarde::IndexProjet)
        return SauverProjetOu3D(chemin, choix.indexFiltre);
    return galbix::SauverProfil(index == sauvegarde::IndexEmplanture ? CoteE : CoteS, chemin, session.Profils);
}

bool PiloteFichiers::SauverProjetOu3D(const QString& chemin, int indexFiltre)
{
    SessionEdition& session = m_fenetre.Session();
    DonneesProjet projet = ProjetActuel();
    const IssueSauvegarde issue = galbix::SauverProjetOu3D(chemin, indexFiltre, projet);
    // The metrics recomputed for the file are the model's too.
    session.Profils = std::move(projet.Profils);
    if (issue == IssueSauvegarde::Refus3D)
        m_fenetre.Dialogue().Message(sauvegarde::TitreRefus3D, sauvegarde::TexteRefus3D, IconeMessage::Critique,
                                     BoutonsMessage::Ok);
    else if (issue == IssueSauvegarde::Ecrit && indexFiltre == sauvegarde::FiltreProjetGalbix)
        m_fenetre.setWindowTitle(TitreFenetreProjet(chemin));
    return issue == IssueSauvegarde::Ecrit;
}

void PiloteFichiers::Exporter()
{
    const ControlesFenetre& c = m_fenetre.Controles();
    const QString noms[2] = {c.lblNomFichier[CoteE]->text(), c.lblNomFichier[CoteS]->text()};
    // A failed export keeps the previous pair: the user is told, so that the cutting
    // program is not taken to hold the wing on screen.
    const QString dossier = m_fenetre.DossierProgrammeFenetre();
    if (!ExporterEchange(dossier, m_fenetre.Session().Profils, noms))
        m_fenetre.Dialogue().Message(echange::TitreExportImpossible,
                                     echange::TexteExportImpossible.arg(QDir::toNativeSeparators(dossier)),
                                     IconeMessage::Critique, BoutonsMessage::Ok);
    else // the status bar says where the cutting program will find the pair
        m_fenetre.statusBar()->showMessage(
            tr("TempE.dat et TempS.dat écrits dans %1").arg(QDir::toNativeSeparators(dossier)), 20000);
}

void PiloteFichiers::AbandonnerImport()
{
    if (!m_fenetre.Session().ProjetOuvert)
        m_fenetre.DesactiverCommandes();
}

void PiloteFichiers::Importer()
{
    SessionEdition& session = m_fenetre.Session();
    Dialogues& dialogue = m_fenetre.Dialogue();
    if (!session.ProjetOuvert)
        m_fenetre.ActiverCommandes();
    if (dialogue.Message(echange::TitreQuestion, echange::TexteQuestion, IconeMessage::Exclamation,
                         BoutonsMessage::OuiNon)
        != ReponseMessage::Oui) {
        AbandonnerImport();
        return;
    }
    const ResultatImport resultat = ImporterEchange(m_fenetre.DossierProgrammeFenetre(), session.Profils);
    if (resultat.Issue == IssueImport::Introuvables) {
        dialogue.Message(echange::TitreIntrouvables, echange::TexteIntrouvables, IconeMessage::Critique,
                         BoutonsMessage::Ok);
        AbandonnerImport();
        return;
    }
    if (resultat.Issue != IssueImport::Importe) {
        dialogue.Message(echange::TitreImpossible, resultat.Message, IconeMessage::Critique, BoutonsMessage::Ok);
        AbandonnerImport();
        return;
    }
    BornerPointsCourants();
    session.Geometrie.Interrupteurs = InterrupteursGeometrie{};
    session.Geometrie.FlecheSaisie = resultat.EnTeteS.Fleche;
    session.Geometrie.DiedreMmSaisi = resultat.EnTeteS.DiedreMm;
    {
        const bool blocage = session.Edition.BlocageUndo;
        session.Edition.BlocageUndo = true;
        m_fenetre.Edition().MontrerInterrupteurs();
        session.Edition.BlocageUndo = blocage;
    }
    AppliquerChampsImport();
    m_fenetre.Vue().BornesListes();
    m_fenetre.Vue().AjusterVue();
    m_fenetre.Vue().RafraichirVue();
    if (!session.Edition.BlocageUndo)
        m_fenetre.Edition().EnregistrerUndo();
    session.Edition.BlocageUndo = false;
}

void PiloteFichiers::AppliquerChampsImport()
{
    const CoupleProfils& p = m_fenetre.Session().Profils;
    ControlesFenetre& c = m_fenetre.Controles();
    c.txtFleche->setText(TexteNombre(p.FlecheBA));
    c.txtDiedreMm->setText(TexteNombre(p.DiedreMm));
    c.txtDiedreDeg->setText(TexteNombre(p.DiedreDeg));
    c.txtEcartementZ->setText(TexteNombre(p.EcartementZ));
    c.lblDiedre->setText(TexteNombre(double(p.YmaxE) - double(p.YmaxS)));
    c.lblFleche->setText(TexteNombre(p.FlecheBF));
    c.lblNomFichier[CoteE]->setText(echange::NomFichierE);
    c.lblNomFichier[CoteS]->setText(echange::NomFichierS);
    c.txtCorde[CoteE]->setText(TexteNombre(p.LargeurE));
    c.txtCorde[CoteS]->setText(TexteNombre(p.LargeurS));
}

} // namespace galbix
