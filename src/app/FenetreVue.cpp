// The drawing area with the comment box over its lower left corner, the zoom and view bar
// along its top edge, and the status bar.

#include "app/FabriqueControles.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteDecoupe.h"
#include "view/ui/VueProfils.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace galbix {

using namespace fabrique;

namespace {

QScrollBar* BarreHorizontale(const QString& nom, int minimum, int maximum, int valeur, int pas, const QString& bulle)
{
    auto* barre = new QScrollBar(Qt::Horizontal);
    barre->setObjectName(nom);
    barre->setRange(minimum, maximum);
    barre->setSingleStep(1);
    barre->setPageStep(pas);
    barre->setValue(valeur);
    barre->setToolTip(bulle);
    return barre;
}

} // namespace

QWidget* FenetrePrincipale::CreerZoneDessin()
{
    auto* zone = new VueProfils(m_session.Profils, m_session.Edition, m_session.Vue);
    zone->setObjectName(QStringLiteral("pctProfils"));
    zone->setMinimumSize(200, 150);
    return zone;
}

QWidget* FenetrePrincipale::ConstruireZoneDessin()
{
    auto* zone = new QFrame;
    zone->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* grille = new QGridLayout(zone);
    grille->setContentsMargins(1, 1, 1, 1);
    m_c.pctProfils = CreerZoneDessin();
    grille->addWidget(m_c.pctProfils, 0, 0);

    // The comment box lies over the lower left corner of the drawing; hidden, it takes no room.
    m_c.txtTitreCommentaire = new QLineEdit(tr("Commentaires - Explications (256 caractères maxi)"));
    m_c.txtTitreCommentaire->setObjectName(QStringLiteral("txtTitreCommentaire"));
    m_c.txtTitreCommentaire->setReadOnly(true);
    m_c.txtTitreCommentaire->setToolTip(tr("Cliquer pour modifier"));
    m_c.txtCommentaire = new QPlainTextEdit;
    m_c.txtCommentaire->setObjectName(QStringLiteral("txtCommentaire"));
    m_c.txtCommentaire->setBackgroundRole(QPalette::Button);
    const int largeur = m_c.txtTitreCommentaire->fontMetrics().horizontalAdvance(m_c.txtTitreCommentaire->text()) + 40;
    m_c.txtTitreCommentaire->setFixedWidth(largeur);
    m_c.txtCommentaire->setFixedSize(largeur, m_c.txtCommentaire->fontMetrics().lineSpacing() * 4 + 12);
    auto* commentaire = new QVBoxLayout;
    commentaire->setContentsMargins(6, 6, 6, 6);
    commentaire->setSpacing(0);
    commentaire->addWidget(m_c.txtTitreCommentaire);
    commentaire->addWidget(m_c.txtCommentaire);
    grille->addLayout(commentaire, 0, 0, Qt::AlignLeft | Qt::AlignBottom);
    // The player's read-out lies over the top of the drawing while the cut plays, so that
    // the status panels keep their room.
    QLabel* decoupe = m_pilotes.decoupe->EtiquetteEtat();
    decoupe->setAttribute(Qt::WA_TransparentForMouseEvents);
    decoupe->setStyleSheet(QStringLiteral("QLabel { background: rgba(255, 252, 225, 230); border: 1px solid palette(mid);"
                                          " padding: 1px 4px; }"));
    grille->addWidget(decoupe, 0, 0, Qt::AlignLeft | Qt::AlignTop);

    m_c.lblInsertionProfils = new QLabel(QStringLiteral(" MODE INSERTION DE PROFILS "));
    m_c.lblInsertionProfils->setObjectName(QStringLiteral("lblInsertionProfils"));
    m_c.lblInsertionProfils->setStyleSheet(QStringLiteral(
        "QLabel { background: rgb(200, 40, 40); color: white; font-weight: bold; padding: 3px 8px; }"));
    grille->addWidget(m_c.lblInsertionProfils, 0, 0, Qt::AlignHCenter | Qt::AlignTop);

    // Shown while nothing is loaded.
    m_c.lblAccueil = new QLabel;
    m_c.lblAccueil->setObjectName(QStringLiteral("lblAccueil"));
    m_c.lblAccueil->setAlignment(Qt::AlignCenter);
    m_c.lblAccueil->setWordWrap(true);
    m_c.lblAccueil->setTextFormat(Qt::RichText);
    m_c.lblAccueil->setStyleSheet(QStringLiteral("QLabel { background: white; padding: 8px; }"));
    connect(m_c.lblAccueil, &QLabel::linkActivated, this, [this] {
        if (!m_projetDemo.isEmpty())
            OuvrirProjet(m_projetDemo);
    });
    grille->addWidget(m_c.lblAccueil, 0, 0, Qt::AlignCenter);

    m_c.imgFond = new QLabel(zone);
    m_c.imgFond->setObjectName(QStringLiteral("imgFond"));
    m_c.imgFond->hide();
    m_c.txtTitreCommentaire->raise();
    m_c.txtCommentaire->raise();
    m_c.lblInsertionProfils->raise();
    return zone;
}

void FenetrePrincipale::DefinirProjetDemo(const QString& chemin)
{
    m_projetDemo = chemin;
    QString texte = tr("<p><b>Aucun profil chargé.</b></p>"
                       "<p>Ouvrir le profil d'emplanture : bouton « Ouvrir... » du cadre Emplanture, ou Ctrl+O.</p>");
    if (!chemin.isEmpty())
        texte += tr("<p>Pour découvrir Galbix : <a href=\"demo\">ouvrir le projet de démonstration</a><br>"
                    "<small>%1</small></p>").arg(chemin.toHtmlEscaped());
    m_c.lblAccueil->setText(texte);
}

QWidget* FenetrePrincipale::ConstruireBarreVue()
{
    auto* barre = new QWidget;
    auto* ligne = new QHBoxLayout(barre);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->setSpacing(4);
    m_c.chkVoirCommentaires = Case(QStringLiteral("chkVoirCommentaires"), tr("Bla - bla"),
                                   tr("Commentaires"));
    ligne->addWidget(m_c.chkVoirCommentaires);
    ligne->addStretch(1);

    m_c.cmdAPropos = BoutonImage(QStringLiteral("cmdAPropos"), IconeGalbix::APropos, tr("À propos de Galbix"));
    m_c.cmdAide = BoutonImage(QStringLiteral("cmdAide"), IconeGalbix::Aide, tr("Aide (F1)"));
    ligne->addWidget(m_c.cmdAPropos);
    ligne->addWidget(m_c.cmdAide);

    auto* zoom = new QVBoxLayout;
    zoom->setSpacing(0);
    m_c.lblZoom = new QLabel(QStringLiteral("- Zoom +"));
    m_c.lblZoom->setObjectName(QStringLiteral("lblZoom"));
    m_c.lblZoom->setAlignment(Qt::AlignCenter);
    m_c.hscZoom = BarreHorizontale(QStringLiteral("hscZoom"), 0, 20000, 10000, 1,
                                   tr("Zoom : cliquer sur les flèches"));
    m_c.hscZoom->setFixedWidth(96);
    zoom->addWidget(m_c.lblZoom);
    zoom->addWidget(m_c.hscZoom);
    ligne->addLayout(zoom);

    m_c.chkZoomSelection = BoutonImage(QStringLiteral("chkZoomSelection"), IconeGalbix::ZoomRectangle,
                                       tr("Zoom sur un rectangle tracé à la souris"), true);
    m_c.cmdZoom = BoutonImage(QStringLiteral("cmdZoom"), IconeGalbix::ZoomAjuster, tr("Ajuster la vue à la fenêtre"));
    m_c.cmdRAZVueCote = BoutonImage(QStringLiteral("cmdRAZVueCote"), IconeGalbix::VueCote, tr("Vue de côté"));
    ligne->addWidget(m_c.chkZoomSelection);
    ligne->addWidget(m_c.cmdZoom);
    ligne->addWidget(m_c.cmdRAZVueCote);

    auto* angles = new QVBoxLayout;
    angles->setSpacing(2);
    m_c.hscOmega = BarreHorizontale(QStringLiteral("hscOmega"), 1, 359, 120, 10, tr("Angle de vue horizontal"));
    m_c.hscAlpha = BarreHorizontale(QStringLiteral("hscAlpha"), 1, 359, 143, 10, tr("Angle de vue vertical"));
    m_c.hscOmega->setFixedWidth(96);
    m_c.hscAlpha->setFixedWidth(96);
    angles->addWidget(m_c.hscOmega);
    angles->addWidget(m_c.hscAlpha);
    ligne->addLayout(angles);
    m_c.cmdRAZPerspective = BoutonImage(QStringLiteral("cmdRAZPerspective"), IconeGalbix::Perspective,
                                        tr("Perspective par défaut"));
    ligne->addWidget(m_c.cmdRAZPerspective);
    return barre;
}

void FenetrePrincipale::ConstruireBarreEtat()
{
    m_c.stbProfils = statusBar();
    m_c.stbProfils->setObjectName(QStringLiteral("stbProfils"));
    const int etirements[4] = {13, 13, 5, 6};
    for (int i = 0; i < 4; ++i) {
        auto* panneau = new QLabel;
        panneau->setObjectName(NomIndexe(QStringLiteral("stbProfils"), i + 1));
        panneau->setFrameShape(QFrame::StyledPanel);
        panneau->setFrameShadow(QFrame::Sunken);
        panneau->setMinimumWidth(60);
        panneau->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        QFont police = panneau->font();
        police.setPointSizeF(police.pointSizeF() * 0.9);
        panneau->setFont(police);
        m_c.panneauxEtat[i] = panneau;
        m_c.stbProfils->addWidget(panneau, etirements[i]);
    }
}

} // namespace galbix
