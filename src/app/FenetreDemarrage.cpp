// Start-up and exit of the main window: settings file, start values of the fields, check of
// the geometry library, command line; window geometry and folders written back at exit.

#include "view/ui/Dialogues.h"
#include "app/FenetrePrincipale.h"
#include "app/LigneCommande.h"

#include "geomlib/EcritureAtomique.h"
#include "geomlib/Tranchex.h"
#include "model/NumericText.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

namespace galbix {

namespace {

/// Oldest geometry library version that offers every function the program uses (0.30).
constexpr int32_t VersionMinimaleBibliotheque = 30;

/// Smallest outer size given to the window from the settings file.
constexpr QSize TailleMinimaleFenetre(240, 160);

/// How often and how long the start waits for the window manager's frame (about 2 s in all).
constexpr int EssaisCadreMax = 80;
constexpr int PauseCadreMs = 25;

QString Nombre(double valeur, QStringView motif)
{
    return PointDecimal(FormaterNombre(valeur, motif));
}

} // namespace

void FenetrePrincipale::Charger(const QString& argumentLigneCommande)
{
    Initialiser();
    if (const auto projet = ProjetDeLaLigneDeCommande(argumentLigneCommande))
        OuvrirProjet(*projet);
}

void FenetrePrincipale::Initialiser()
{
    m_c.imgFond->hide();
    m_c.imgFond->setScaledContents(false);
    if (!m_c.chkInsertionProfils->isChecked())
        AppliquerReglages();
    m_c.lblInsertionProfils->setVisible(m_c.chkInsertionProfils->isChecked());
    for (int cote : {CoteE, CoteS}) {
        for (QLabel* etiquette : m_c.lblNumPt[cote])
            etiquette->clear();
        for (QLabel* etiquette : m_c.lblCoordPt[cote])
            etiquette->clear();
        m_c.lblNomFichier[cote]->clear();
    }
    m_session.Edition = EtatEdition{};
    m_session.ProjetOuvert = false;
    {
        const QSignalBlocker blocage(m_c.hscZoom);
        m_c.hscZoom->setValue(10000);
    }
    RemplirValeursInitiales();
    for (const auto& barres : m_c.vscPoints)
        for (QScrollBar* barre : barres)
            barre->hide();
    m_c.chkVoirCommentaires->setChecked(false);
    VoirCommentaires(false);
    m_session.Edition.ModeSelection = EtatSelection;
    m_c.optSelection[0]->setChecked(true);
    DesactiverCommandes();
    VerifierVersionBibliotheque();
}

void FenetrePrincipale::AppliquerReglages()
{
    // A run killed while it wrote its settings left a temporary file behind.
    SupprimerTemporairesAbandonnes(m_fichierReglages);
    const bool premierDemarrage = !QFileInfo::exists(m_fichierReglages);
    CreerReglagesSiAbsents(m_fichierReglages, m_dossierProgramme);
    GeometrieFenetre geometrie = LireGeometrie(m_fichierReglages);
    // The designed size may not fit a small screen: the first start keeps within its area.
    if (const QScreen* ecran = screen(); premierDemarrage && ecran) {
        const QRect zone = ecran->availableGeometry();
        const double dpiX = ecran->logicalDotsPerInchX(), dpiY = ecran->logicalDotsPerInchY();
        geometrie = GeometrieDansZone(geometrie, QRectF(PixelsVersTwips(zone.x(), dpiX), PixelsVersTwips(zone.y(), dpiY),
                                                        PixelsVersTwips(zone.width(), dpiX),
                                                        PixelsVersTwips(zone.height(), dpiY)));
    }
    AppliquerGeometrie(geometrie);
    m_session.DossierSauvegarde = LireDossierSauvegarde(m_fichierReglages, m_dossierProgramme);
    m_session.DossierOuverture = LireDossierOuverture(m_fichierReglages, m_dossierProgramme);
}

void FenetrePrincipale::AppliquerGeometrie(const GeometrieFenetre& geometrie)
{
    if (geometrie.WindowState == EtatFenetreAgrandi) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        return;
    }
    if (geometrie.WindowState == EtatFenetreReduit) {
        setWindowState((windowState() & ~Qt::WindowMaximized) | Qt::WindowMinimized);
        return;
    }
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    const QScreen* ecran = screen();
    const double dpiX = ecran ? ecran->logicalDotsPerInchX() : 96.0;
    const double dpiY = ecran ? ecran->logicalDotsPerInchY() : 96.0;
    // The stored size is the outer size, decorations included; they are known only once shown.
    // A damaged file must not make the window vanish: it keeps a usable size and, when it
    // would lie off every screen, comes back to the top left corner.
    const QSize exterieur = QSize(TwipsVersPixels(geometrie.Width, dpiX), TwipsVersPixels(geometrie.Height, dpiY))
                                .expandedTo(TailleMinimaleFenetre);
    QPoint position(TwipsVersPixels(geometrie.Left, dpiX), TwipsVersPixels(geometrie.Top, dpiY));
    if (ecran && !ecran->virtualGeometry().intersects(QRect(position, exterieur)))
        position = ecran->availableGeometry().topLeft();
    move(position);
    const QSize decor = DecorFenetre();
    resize((exterieur - decor).expandedTo(QSize(1, 1)));
    m_essaisCadre = 0;
    if (isVisible() && !decor.isNull())
        m_tailleExterieureDemandee.reset();
    else
        m_tailleExterieureDemandee = exterieur;
}

void FenetrePrincipale::CorrigerTailleExterieure()
{
    if (!m_tailleExterieureDemandee || isMaximized() || isMinimized() || isFullScreen()) {
        m_tailleExterieureDemandee.reset();
        return;
    }
    // A window manager frames the window some time after it is shown: until its frame is
    // known, the outer size cannot be applied. Without a frame (no window manager, or an
    // undecorated one) the inner size already is the outer size.
    const QSize decor = DecorFenetre();
    if (decor.isNull() && ++m_essaisCadre < EssaisCadreMax) {
        QTimer::singleShot(PauseCadreMs, this, &FenetrePrincipale::CorrigerTailleExterieure);
        return;
    }
    if (size() + decor != *m_tailleExterieureDemandee)
        resize((*m_tailleExterieureDemandee - decor).expandedTo(QSize(1, 1)));
    m_tailleExterieureDemandee.reset();
}

QSize FenetrePrincipale::DecorFenetre() const
{
    if (const QWindow* fenetre = windowHandle(); fenetre && isVisible()) {
        const QMargins marges = fenetre->frameMargins();
        return QSize(marges.left() + marges.right(), marges.top() + marges.bottom());
    }
    return frameGeometry().size() - geometry().size();
}

GeometrieFenetre FenetrePrincipale::GeometrieActuelle() const
{
    const QScreen* ecran = screen();
    const double dpiX = ecran ? ecran->logicalDotsPerInchX() : 96.0;
    const double dpiY = ecran ? ecran->logicalDotsPerInchY() : 96.0;
    // The outer size is the inner size and the frame: the measure the start applies.
    const QWindow* fenetre = windowHandle();
    const QPoint origine = fenetre && isVisible() ? fenetre->framePosition() : frameGeometry().topLeft();
    const QRect cadre(origine, size() + DecorFenetre());
    GeometrieFenetre g;
    g.Left = PixelsVersTwips(cadre.x(), dpiX);
    g.Top = PixelsVersTwips(cadre.y(), dpiY);
    g.Width = PixelsVersTwips(cadre.width(), dpiX);
    g.Height = PixelsVersTwips(cadre.height(), dpiY);
    g.WindowState = isMinimized() ? EtatFenetreReduit : isMaximized() ? EtatFenetreAgrandi : EtatFenetreNormal;
    return g;
}

void FenetrePrincipale::RemplirValeursInitiales()
{
    const QString zero = Nombre(0.0, u"####0.0#");
    const QString cent = Nombre(100.0, u"####0.0#");
    for (QLineEdit* champ : {m_c.txtFleche, m_c.txtEcartementZ, m_c.txtEcartementIntermediaire, m_c.txtDiedreMm,
                             m_c.txtCorde[0], m_c.txtCorde[1], m_c.txtDeplacer[0], m_c.txtDeplacer[1],
                             m_c.txtTourner, m_c.txtDecaler, m_c.txtEcartementAiles})
        champ->setText(zero);
    m_c.txtDiedreDeg->setText(Nombre(0.0, u"##0.0#"));
    for (QLineEdit* champ : m_c.txtEtirer)
        champ->setText(cent);
}

void FenetrePrincipale::VerifierVersionBibliotheque()
{
    if (Version() >= VersionMinimaleBibliotheque)
        return;
    m_dialogues.Message(tr("Numero de version de Tranchex.dll"),
                        tr("Le numéro de version de Tranchex.dll est insuffisant pour bénéficier de "
                                       "toutes les fonctionnalités\r\nVous devez utiliser au moins Tranchex.dll v0.30"),
                        IconeMessage::Critique, BoutonsMessage::Ok);
}

void FenetrePrincipale::EnregistrerReglagesSortie()
{
    const GeometrieFenetre geometrie = GeometrieActuelle();
    EcrireReglagesSortie(m_fichierReglages, geometrie, geometrie.WindowState == EtatFenetreNormal,
                         m_session.DossierSauvegarde, m_session.DossierOuverture);
}

} // namespace galbix
