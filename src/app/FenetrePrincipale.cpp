#include "app/FenetrePrincipale.h"

#include "app/PiloteDecoupe.h"

#include "view/ui/Dialogues.h"
#include "app/DossierProgramme.h"
#include "app/Icones.h"
#include "app/PiloteConstruction.h"
#include "app/PiloteEdition.h"
#include "app/PiloteEditionPoints.h"
#include "app/PiloteFichiers.h"
#include "app/PiloteImportKf.h"
#include "app/PiloteIntermediaire.h"
#include "app/PiloteSouris.h"
#include "app/PiloteVue.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>

namespace galbix {

FenetrePrincipale::FenetrePrincipale(Dialogues& dialogues, QWidget* parent)
    : QMainWindow(parent)
    , m_dialogues(dialogues)
    , m_dossierProgramme(DossierProgramme())
    , m_fichierReglages(CheminDansDossierProgramme(NomFichierReglages))
{
    setObjectName(QStringLiteral("formGalbix"));
    setWindowTitle(tr("Profils Galbix"));
    setWindowIcon(Icone(IconeGalbix::Application));
    m_pilotes.decoupe = std::make_unique<PiloteDecoupe>(*this);
    Construire();
    DefinirProjetDemo(CheminProjetDemo(QCoreApplication::applicationDirPath()));
    ConnecterCommandes();
    m_pilotes.vue = std::make_unique<PiloteVue>(*this);
    m_pilotes.edition = std::make_unique<PiloteEdition>(*this);
    m_pilotes.souris = std::make_unique<PiloteSouris>(*this);
    m_pilotes.fichiers = std::make_unique<PiloteFichiers>(*this);
    m_pilotes.editionPoints = std::make_unique<PiloteEditionPoints>(*this);
    m_pilotes.intermediaire = std::make_unique<PiloteIntermediaire>(*this);
    m_pilotes.importKf = std::make_unique<PiloteImportKf>(*this);
    m_pilotes.vue->Connecter();
    m_pilotes.edition->Connecter();
    m_pilotes.souris->Connecter();
    m_pilotes.fichiers->Connecter();
    m_pilotes.editionPoints->Connecter();
    (new PiloteConstruction(*this))->Connecter();
    m_pilotes.intermediaire->Connecter();
}

FenetrePrincipale::~FenetrePrincipale() = default;

void FenetrePrincipale::Construire()
{
    m_contenu = new QWidget;
    m_contenu->setObjectName(QStringLiteral("contenuFenetre"));
    // Frames drawn as captioned borders, the caption on the line: compact and classic.
    m_contenu->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 0.6em; padding-top: 0.45em; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 7px; padding: 0 3px; }"));
    auto* colonnes = new QHBoxLayout(m_contenu);
    colonnes->setContentsMargins(4, 4, 4, 2);
    colonnes->setSpacing(4);
    colonnes->addWidget(ConstruireColonneGauche());

    auto* centre = new QVBoxLayout;
    centre->setSpacing(3);
    centre->addWidget(ConstruireBandeau());
    centre->addWidget(ConstruireBarreVue());
    centre->addWidget(ConstruireZoneDessin(), 1);
    colonnes->addLayout(centre, 1);
    colonnes->addWidget(ConstruireColonneDroite());

    // Below the designed size the controls keep their places and the window scrolls over them;
    // above it the drawing area takes the extra room.
    m_defilement = new QScrollArea;
    m_defilement->setObjectName(QStringLiteral("defilementFenetre"));
    m_defilement->setFrameShape(QFrame::NoFrame);
    m_defilement->setWidgetResizable(true);
    m_defilement->setWidget(m_contenu);
    setCentralWidget(m_defilement);
    ConstruireBarreEtat();
    AjusterTailleConception();
}

void FenetrePrincipale::AjusterTailleConception()
{
    const QScreen* ecran = screen();
    const double dpiX = ecran ? ecran->logicalDotsPerInchX() : 96.0;
    const double dpiY = ecran ? ecran->logicalDotsPerInchY() : 96.0;
    const QSize decor = DecorFenetre();
    const int barreEtat = statusBar()->sizeHint().height();
    QSize conception(TwipsVersPixels(LargeurConception, dpiX) - decor.width(),
                     TwipsVersPixels(HauteurConception, dpiY) - decor.height() - barreEtat);
    // On a screen smaller than the designed size the controls close up rather than scroll.
    if (ecran)
        conception = conception.boundedTo(ecran->availableGeometry().size() - decor - QSize(0, barreEtat));
    const QSize minimum = conception.expandedTo(m_contenu->minimumSizeHint());
    if (m_contenu->minimumSize() != minimum)
        m_contenu->setMinimumSize(minimum);
}

void FenetrePrincipale::closeEvent(QCloseEvent* evenement)
{
    if (m_session.ProjetOuvert) {
        const ReponseMessage reponse = m_dialogues.Message(
            tr("Fermeture de Galbix"),
            tr("Voulez-vous effectuer une sauvegarde du projet en cours?"),
            IconeMessage::Exclamation, BoutonsMessage::OuiNonAnnuler);
        if (reponse == ReponseMessage::Annuler) {
            evenement->ignore();
            return;
        }
        // A save cancelled or failed keeps the editor open: the work is not lost.
        if (reponse == ReponseMessage::Oui && !SauverProfil(2)) {
            evenement->ignore();
            return;
        }
    }
    EnregistrerReglagesSortie();
    evenement->accept();
}

void FenetrePrincipale::resizeEvent(QResizeEvent* evenement)
{
    QMainWindow::resizeEvent(evenement);
    AjusterTailleConception();
}

void FenetrePrincipale::showEvent(QShowEvent* evenement)
{
    QMainWindow::showEvent(evenement);
    AjusterTailleConception();
    if (m_tailleExterieureDemandee) {
        m_essaisCadre = 0;
        QTimer::singleShot(0, this, &FenetrePrincipale::CorrigerTailleExterieure);
    }
}

void FenetrePrincipale::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1 && evenement->modifiers() == Qt::NoModifier) {
        AfficherAide();
        evenement->accept();
        return;
    }
    QMainWindow::keyPressEvent(evenement);
}

} // namespace galbix
