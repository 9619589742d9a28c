// The frames above the drawing area (transforms, spacing, sweep) and the
// right-hand column (alignment, dihedral, display, image, two wings, exchange, saving).

#include "app/FabriqueControles.h"
#include "app/FenetreMachine.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteDecoupe.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

namespace galbix {

using namespace fabrique;

namespace {

// Frames of the band share one look: caption legends above the fields, units after them.
QGridLayout* GrilleCadre(QGroupBox* cadre)
{
    auto* grille = new QGridLayout(cadre);
    grille->setContentsMargins(5, 2, 5, 4);
    grille->setHorizontalSpacing(3);
    grille->setVerticalSpacing(1);
    return grille;
}

QLabel* LegendeCentree(const QString& texte)
{
    auto* legende = Legende(texte);
    legende->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return legende;
}

} // namespace

QWidget* FenetrePrincipale::ConstruireBandeau()
{
    auto* bandeau = new QWidget;
    auto* pile = new QVBoxLayout(bandeau);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(3);

    auto* haut = new QHBoxLayout;
    haut->setSpacing(4);
    haut->addWidget(ConstruireCadreEtirer());
    haut->addWidget(ConstruireCadresTourner());
    m_c.frmDeplacer = Cadre(QStringLiteral("frmDeplacer"), tr("Déplacer"));
    auto* deplacer = GrilleCadre(m_c.frmDeplacer);
    const QString axes[2] = {QStringLiteral("X"), QStringLiteral("Y")};
    for (int i = 0; i < 2; ++i) {
        m_c.txtDeplacer[i] = ChampNombre(NomIndexe(QStringLiteral("txtDeplacer"), i),
                                         tr("Translation suivant ") + axes[i]);
        deplacer->addWidget(LegendeCentree(axes[i] + QStringLiteral(" (mm)")), 0, i);
        deplacer->addWidget(m_c.txtDeplacer[i], 1, i);
    }
    haut->addWidget(m_c.frmDeplacer);
    haut->addStretch(1);
    pile->addLayout(haut);

    auto* bas = new QHBoxLayout;
    bas->setSpacing(4);
    bas->addWidget(ConstruireCadreDecaler());
    bas->addStretch(1);
    m_c.frmEcartement = Cadre(QStringLiteral("frmEcartement"), tr("Ecartement"));
    auto* ecartement = GrilleCadre(m_c.frmEcartement);
    m_c.txtEcartementZ = ChampNombre(QStringLiteral("txtEcartementZ"),
                                     tr("Distance entre l'emplanture et le saumon le long de l'envergure"));
    ecartement->addWidget(LegendeCentree(QStringLiteral("(mm)")), 0, 0);
    ecartement->addWidget(m_c.txtEcartementZ, 1, 0);
    bas->addWidget(m_c.frmEcartement);
    bas->addWidget(ConstruireCadreFleche());
    pile->addLayout(bas);
    return bandeau;
}

QGroupBox* FenetrePrincipale::ConstruireCadreEtirer()
{
    m_c.frmEtirer = Cadre(QStringLiteral("frmEtirer"), tr("Etirer"));
    auto* grille = GrilleCadre(m_c.frmEtirer);
    const QString legendes[3] = {QStringLiteral("X (%)"), QStringLiteral("Y (%)"), tr("X et Y (%)")};
    const QString bulles[3] = {tr("Etirer suivant X"), tr("Etirer suivant Y"),
                               tr("Etirer proportionnellement")};
    for (int i = 0; i < 3; ++i) {
        m_c.txtEtirer[i] = ChampNombre(NomIndexe(QStringLiteral("txtEtirer"), i), bulles[i]);
        grille->addWidget(LegendeCentree(legendes[i]), 0, i);
        grille->addWidget(m_c.txtEtirer[i], 1, i);
    }
    return m_c.frmEtirer;
}

QGroupBox* FenetrePrincipale::ConstruireCadresTourner()
{
    m_c.frmTourner = Cadre(QStringLiteral("frmTourner"), tr("Tourner"));
    auto* grille = GrilleCadre(m_c.frmTourner);
    m_c.txtTourner = ChampNombre(QStringLiteral("txtTourner"), tr("Rotation de la sélection"));
    grille->addWidget(LegendeCentree(tr("Angle (°)")), 0, 0);
    grille->addWidget(m_c.txtTourner, 1, 0);
    return m_c.frmTourner;
}

QGroupBox* FenetrePrincipale::ConstruireCadreDecaler()
{
    m_c.frmDecaler = Cadre(QStringLiteral("frmDecaler"), tr("Décaler"));
    auto* grille = GrilleCadre(m_c.frmDecaler);
    m_c.imgDecaler = new QLabel;
    m_c.imgDecaler->setObjectName(QStringLiteral("imgDecaler"));
    m_c.imgDecaler->setPixmap(Icone(IconeGalbix::Decaler).pixmap(QSize(24, 24), devicePixelRatioF()));
    m_c.imgDecaler->setToolTip(tr("Coffrage, semelle..."));
    m_c.txtDecaler = ChampNombre(QStringLiteral("txtDecaler"), tr("Décalage parallèle de la sélection"));
    grille->addWidget(m_c.imgDecaler, 0, 0, 2, 1, Qt::AlignBottom);
    grille->addWidget(LegendeCentree(QStringLiteral("(mm)")), 0, 1);
    grille->addWidget(m_c.txtDecaler, 1, 1);
    return m_c.frmDecaler;
}

QGroupBox* FenetrePrincipale::ConstruireCadreFleche()
{
    m_c.frmFleche = Cadre(QStringLiteral("frmFleche"), tr("Flèche"));
    auto* grille = GrilleCadre(m_c.frmFleche);
    grille->setHorizontalSpacing(6);
    m_c.txtFleche = ChampNombre(QStringLiteral("txtFleche"), tr("Flèche BA (mm)"));
    m_c.lblFleche = Valeur(QStringLiteral("lblFleche"), tr("Flèche BF (mm)"));
    grille->addWidget(LegendeCentree(tr("Flèche BA")), 0, 0);
    grille->addWidget(m_c.txtFleche, 1, 0);
    grille->addWidget(LegendeCentree(tr("Flèche BF")), 0, 1);
    grille->addWidget(m_c.lblFleche, 1, 1);
    const IconeGalbix icones[3] = {IconeGalbix::FlecheBA, IconeGalbix::FlecheMilieux, IconeGalbix::FlecheBF};
    const QString bulles[3] = {tr("Aligner les BA"), tr("Aligner les milieux"),
                               tr("Aligner les BF")};
    auto* boutons = new QHBoxLayout;
    boutons->setSpacing(2);
    for (int i = 0; i < 3; ++i) {
        m_c.chkFleche[i] = BoutonImage(NomIndexe(QStringLiteral("chkFleche"), i), icones[i], bulles[i], true);
        boutons->addWidget(m_c.chkFleche[i]);
    }
    grille->addLayout(boutons, 0, 2, 2, 1, Qt::AlignBottom);
    return m_c.frmFleche;
}

QWidget* FenetrePrincipale::ConstruireColonneDroite()
{
    auto* colonne = new QWidget;
    auto* pile = new QVBoxLayout(colonne);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(4);

    m_c.frmAligner = Cadre(QStringLiteral("frmAligner"), tr("Aligner"));
    auto* aligner = GrilleCadre(m_c.frmAligner);
    m_c.chkAligner = BoutonImage(QStringLiteral("chkAligner"), IconeGalbix::Aligner, tr("Aligner"), true);
    aligner->addWidget(m_c.chkAligner, 0, 0);
    aligner->addWidget(Legende(tr("Points réf."), m_c.chkAligner), 0, 1);
    pile->addWidget(m_c.frmAligner);
    pile->addWidget(ConstruireCadreDiedre());

    m_c.frmVisu = Cadre(QStringLiteral("frmVisu"), tr("Visu"));
    auto* visu = GrilleCadre(m_c.frmVisu);
    m_c.chkFil = Case(QStringLiteral("chkFil"), tr("Fil"), tr("Afficher le fil entre les points courants"));
    m_c.chkSurface = Case(QStringLiteral("chkSurface"), tr("Surface"),
                          tr("Relier les points de même numéro"));
    visu->addWidget(m_c.chkFil, 0, 0);
    visu->addWidget(m_c.chkSurface, 0, 1);
    pile->addWidget(m_c.frmVisu);

    m_c.frmImage = Cadre(QStringLiteral("frmImage"), tr("Image"));
    auto* image = GrilleCadre(m_c.frmImage);
    m_c.chkImageFond = BoutonImage(QStringLiteral("chkImageFond"), IconeGalbix::ImageFond,
                                   tr("Image de fond copiée dans le presse-papiers"), true);
    image->addWidget(m_c.chkImageFond, 0, 0);
    image->addWidget(Legende(tr("Image de fond"), m_c.chkImageFond), 0, 1);
    pile->addWidget(m_c.frmImage);

    m_c.frmAiles = Cadre(QStringLiteral("frmAiles"), tr("Ailes"));
    auto* ailes = GrilleCadre(m_c.frmAiles);
    m_c.txtEcartementAiles = ChampNombre(QStringLiteral("txtEcartementAiles"),
                                         tr("Écart entre les deux ailes dans le bloc"));
    m_c.cmdDupliquer[0] = BoutonImage(QStringLiteral("cmdDupliquer_0"), IconeGalbix::DeuxAiles,
                                      tr("Deux ailes dans le bloc"));
    m_c.cmdDupliquer[1] = BoutonImage(QStringLiteral("cmdDupliquer_1"), IconeGalbix::DeuxAilesLiees,
                                      tr("Deux ailes dans le bloc"));
    ailes->addWidget(m_c.txtEcartementAiles, 0, 0, 1, 2);
    ailes->addWidget(Legende(QStringLiteral("mm")), 0, 2);
    ailes->addWidget(m_c.cmdDupliquer[0], 1, 0);
    ailes->addWidget(m_c.cmdDupliquer[1], 1, 1);
    ailes->setColumnStretch(3, 1);
    pile->addWidget(m_c.frmAiles);
    pile->addWidget(ConstruireCadresProjet(), 1);
    return colonne;
}

QGroupBox* FenetrePrincipale::ConstruireCadreDiedre()
{
    m_c.frmDiedre = Cadre(QStringLiteral("frmDiedre"), tr("Dièdre"));
    auto* grille = GrilleCadre(m_c.frmDiedre);
    grille->setVerticalSpacing(3);
    m_c.txtDiedreMm = ChampNombre(QStringLiteral("txtDiedreMm"), tr("Dièdre : hauteur du saumon (mm)"));
    m_c.txtDiedreDeg = ChampNombre(QStringLiteral("txtDiedreDeg"), tr("Dièdre : angle (degrés)"));
    m_c.lblDiedre = Valeur(QStringLiteral("lblDiedre"), tr("Écart des extrados (mm)"));
    const std::pair<QWidget*, QString> lignes[3] = {
        {m_c.txtDiedreMm, QStringLiteral("mm")}, {m_c.txtDiedreDeg, QStringLiteral("°")}, {m_c.lblDiedre, QStringLiteral("mm")}};
    for (int i = 0; i < 3; ++i) {
        grille->addWidget(lignes[i].first, i, 0);
        grille->addWidget(Legende(lignes[i].second), i, 1);
    }
    grille->setColumnStretch(2, 1);
    const IconeGalbix icones[5] = {IconeGalbix::DiedreExtrados, IconeGalbix::DiedreBA, IconeGalbix::DiedreMilieux,
                                   IconeGalbix::DiedreBF, IconeGalbix::DiedreIntrados};
    const QString bulles[5] = {tr("Aligner les extrados"), tr("Aligner Bords d'Attaques"),
                               tr("Aligner les milieux"), tr("Aligner les Bords de Fuite"),
                               tr("Aligner les intrados")};
    // The five alignment buttons on one row keep the column short enough for small screens.
    auto* rangee = new QHBoxLayout;
    rangee->setSpacing(3);
    for (int i = 0; i < 5; ++i) {
        m_c.chkDiedre[i] = BoutonImage(NomIndexe(QStringLiteral("chkDiedre"), i), icones[i], bulles[i], true);
        rangee->addWidget(m_c.chkDiedre[i]);
    }
    rangee->addStretch(1);
    grille->addLayout(rangee, 3, 0, 1, 3);
    return m_c.frmDiedre;
}

QWidget* FenetrePrincipale::ConstruireCadresProjet()
{
    auto* bloc = new QWidget;
    auto* pile = new QVBoxLayout(bloc);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(4);
    m_c.frmTransfertKerfex = Cadre(QStringLiteral("frmTransfertKerfex"), tr("Kerfex"));
    auto* kerfex = new QVBoxLayout(m_c.frmTransfertKerfex);
    kerfex->setContentsMargins(6, 2, 6, 5);
    kerfex->setSpacing(3);
    m_c.cmdTransfertKerfex = Bouton(QStringLiteral("cmdTransfertKerfex"), tr("Exporter le projet"),
                                    tr("Écrire TempE.dat et TempS.dat pour Kerfex"));
    m_c.cmdImportKerfex = Bouton(QStringLiteral("cmdImportKerfex"), tr("Importer un projet"),
                                 tr("Lire TempE.dat et TempS.dat écrits par Kerfex"));
    auto* gcode = Bouton(QStringLiteral("cmdProgrammeGCode"), tr("Programme G-code…"),
                         tr("Écrire le programme d'une machine 4 axes pilotée en G-code"));
    connect(gcode, &QPushButton::clicked, this, [this] { OuvrirMachineDecoupe(*this); });
    // Three buttons in the height of two and a half, so that the column keeps its designed height.
    kerfex->setContentsMargins(6, 1, 6, 3);
    kerfex->setSpacing(1);
    for (QPushButton* b : {m_c.cmdTransfertKerfex, gcode, m_c.cmdImportKerfex}) {
        b->setFixedHeight(b->fontMetrics().height() + 5);
        kerfex->addWidget(b);
    }
    pile->addWidget(m_c.frmTransfertKerfex);

    auto* profils = Cadre(QStringLiteral("frmProfils"), tr("Profils"));
    auto* pileProfils = new QVBoxLayout(profils);
    pileProfils->setContentsMargins(5, 2, 5, 4);
    pileProfils->setSpacing(2);
    m_c.chkProfilIntermediaire = Case(QStringLiteral("chkProfilIntermediaire"), tr("Profil intermédiaire"),
                                      tr("Profil situé entre l'emplanture et le saumon"));
    pileProfils->addWidget(m_c.chkProfilIntermediaire);
    auto* intermediaire = new QHBoxLayout;
    m_c.txtEcartementIntermediaire = ChampNombre(QStringLiteral("txtEcartementIntermediaire"),
                                                 tr("Distance du profil intermédiaire à l'emplanture"));
    m_c.cmdSauveProfil[3] = BoutonImage(QStringLiteral("cmdSauveProfil_3"), IconeGalbix::SauverIntermediaire,
                                        tr("Sauver le profil intermédiaire"));
    intermediaire->addWidget(m_c.txtEcartementIntermediaire);
    intermediaire->addWidget(Legende(QStringLiteral("mm")));
    intermediaire->addStretch(1);
    intermediaire->addWidget(m_c.cmdSauveProfil[3]);
    pileProfils->addLayout(intermediaire);
    m_c.chkInsertionProfils = Case(QStringLiteral("chkInsertionProfils"), tr("Insérer un profil"),
                                   tr("Ouvrir un autre profil et l'insérer au point sélectionné"));
    pileProfils->addWidget(m_c.chkInsertionProfils);
    pile->addWidget(profils);
    pile->addWidget(m_pilotes.decoupe->ConstruireCadre());
    pile->addStretch(1);
    m_c.cmdSauveProfil[2] = Bouton(QStringLiteral("cmdSauveProfil_2"), tr("Sauver projet ou dxf 3D"));
    pile->addWidget(m_c.cmdSauveProfil[2]);
    return bloc;
}

} // namespace galbix
