// The left-hand column of the main window: the "Emplanture" and "Saumon" panels with their
// point lists, the "Selection" frame, the three selection modes and the synchronisation.

#include "app/FabriqueControles.h"
#include "app/FenetrePrincipale.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace galbix {

using namespace fabrique;

namespace {

const QString NomsCote[2] = {QStringLiteral("E"), QStringLiteral("S")};

QLabel* EtiquetteListe(const QString& nom, const QString& gabarit, bool courante)
{
    auto* etiquette = new QLabel;
    etiquette->setObjectName(nom);
    etiquette->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    etiquette->setAutoFillBackground(true);
    etiquette->setContentsMargins(0, 0, 2, 0);
    if (courante) {
        QFont police = etiquette->font();
        police.setBold(true);
        etiquette->setFont(police);
    }
    etiquette->setMinimumWidth(etiquette->fontMetrics().horizontalAdvance(gabarit) + 4);
    return etiquette;
}

QScrollBar* BarreListe(const QString& nom, bool retenir)
{
    auto* barre = new QScrollBar(Qt::Vertical);
    barre->setObjectName(nom);
    QSizePolicy politique = barre->sizePolicy();
    politique.setRetainSizeWhenHidden(retenir);
    barre->setSizePolicy(politique);
    barre->setRange(1, 1);
    return barre;
}

} // namespace

QWidget* FenetrePrincipale::ConstruireColonneGauche()
{
    auto* colonne = new QWidget;
    auto* pile = new QVBoxLayout(colonne);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(4);
    pile->addWidget(ConstruirePanneauCote(CoteE));
    pile->addWidget(ConstruirePanneauCote(CoteS));
    pile->addWidget(ConstruireCadreSelection());
    auto* modes = new QHBoxLayout;
    modes->setSpacing(4);
    modes->addWidget(ConstruireModeSelection(), 1);
    m_c.frmSynchroniser = Cadre(QStringLiteral("frmSynchroniser"), tr("Synchro"));
    auto* synchro = new QVBoxLayout(m_c.frmSynchroniser);
    synchro->setContentsMargins(5, 4, 5, 5);
    m_c.cmdSynchroOptimale = Bouton(QStringLiteral("cmdSynchroOptimale"), tr("Synchronisation optimale"),
        tr("Donner aux deux profils le même nombre de points, répartis entre les points de synchronisation"));
    synchro->addWidget(m_c.cmdSynchroOptimale, 0, Qt::AlignVCenter);
    modes->addWidget(m_c.frmSynchroniser);
    pile->addLayout(modes);
    pile->addStretch(1);
    return colonne;
}

QGroupBox* FenetrePrincipale::ConstruirePanneauCote(int cote)
{
    const bool e = cote == CoteE;
    auto* cadre = Cadre(e ? QStringLiteral("frmOuvrirEmplanture") : QStringLiteral("frmOuvrirSaumon"),
                        e ? tr("Emplanture") : tr("Saumon"));
    m_c.frmOuvrir[cote] = cadre;
    auto* pile = new QVBoxLayout(cadre);
    pile->setSpacing(3);
    pile->setContentsMargins(5, 4, 5, 5);

    pile->addLayout(ConstruireLigneFichier(cote));

    auto* corde = new QHBoxLayout;
    m_c.txtCorde[cote] = ChampNombre(NomIndexe(QStringLiteral("txtCorde"), cote), tr("Corde du profil (mm)"));
    m_c.cmdFermerProfil[cote] = Bouton(NomIndexe(QStringLiteral("cmdFermerProfil"), cote),
        e ? tr("Fermer emplanture") : tr("Fermer saumon"),
        tr("Ajouter à la fin du contour une copie de son premier point"));
    corde->addWidget(Legende(tr("Corde du profil"), m_c.txtCorde[cote]));
    corde->addWidget(m_c.txtCorde[cote]);
    corde->addWidget(Legende(QStringLiteral("mm")));
    corde->addStretch(1);
    corde->addWidget(m_c.cmdFermerProfil[cote]);
    pile->addLayout(corde);

    auto* liste = new QHBoxLayout;
    liste->setSpacing(4);
    liste->addWidget(ConstruireListePoints(cote));
    liste->addWidget(ConstruireBoutonsSelectionCote(cote), 1);
    pile->addLayout(liste);

    auto* affichage = new QHBoxLayout;
    m_c.chkAfficherProfil[cote] = Case(NomIndexe(QStringLiteral("chkAfficherProfil"), cote),
        e ? tr("Afficher Emplanture") : tr("Afficher Saumon"));
    m_c.chkAfficherPoints[cote] = Case(NomIndexe(QStringLiteral("chkAfficherPoints"), cote),
        e ? tr("Points Emplanture") : tr("Points Saumon"));
    m_c.chkAfficherProfil[cote]->setChecked(true);
    m_c.chkAfficherPoints[cote]->setChecked(true);
    m_c.cmdUndo[cote] = BoutonImage(NomIndexe(QStringLiteral("cmdUndo"), cote),
        e ? IconeGalbix::Annuler : IconeGalbix::Retablir, e ? tr("Undo") : tr("Redo"));
    affichage->addWidget(m_c.chkAfficherProfil[cote]);
    affichage->addWidget(m_c.chkAfficherPoints[cote]);
    affichage->addStretch(1);
    affichage->addWidget(m_c.cmdUndo[cote]);
    pile->addLayout(affichage);
    return cadre;
}

QHBoxLayout* FenetrePrincipale::ConstruireLigneFichier(int cote)
{
    const bool e = cote == CoteE;
    auto* ouverture = new QHBoxLayout;
    m_c.cmdOuvrirProfil[cote] = Bouton(NomIndexe(QStringLiteral("cmdOuvrirProfil"), cote), tr("Ouvrir..."),
        e ? tr("Ouvrir un profil (.dat, .dxf, .plt), un projet Galbix (.gbx) ou un projet Kerfex (.kf)")
          : tr("Ouvrir le profil du saumon (.dat, .dxf, .plt)"));
    m_c.cmdOuvrirProfil[cote]->setIcon(Icone(IconeGalbix::Ouvrir));
    m_c.cmdNaca[cote] = Bouton(NomIndexe(QStringLiteral("cmdNaca"), cote), tr("NACA..."),
        e ? tr("Calculer le profil de l'emplanture à partir de son code NACA (2412, 23012, 0012-64)")
          : tr("Calculer le profil du saumon à partir de son code NACA (2412, 23012, 0012-64)"));
    m_c.cmdNaca[cote]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_c.lblNomFichier[cote] = new QLabel;
    m_c.lblNomFichier[cote]->setObjectName(NomIndexe(QStringLiteral("lblNomFichier"), cote));
    m_c.lblNomFichier[cote]->setFrameShape(QFrame::StyledPanel);
    m_c.lblNomFichier[cote]->setFrameShadow(QFrame::Sunken);
    m_c.lblNomFichier[cote]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_c.cmdSauveProfil[cote] = BoutonImage(NomIndexe(QStringLiteral("cmdSauveProfil"), cote),
        e ? IconeGalbix::SauverEmplanture : IconeGalbix::SauverSaumon,
        e ? tr("Sauver le profil de l'emplanture (.dat ou .dxf)")
          : tr("Sauver le profil du saumon (.dat ou .dxf)"));
    ouverture->addWidget(m_c.cmdOuvrirProfil[cote]);
    ouverture->addWidget(m_c.cmdNaca[cote]);
    ouverture->addWidget(m_c.lblNomFichier[cote], 1);
    ouverture->addWidget(m_c.cmdSauveProfil[cote]);
    return ouverture;
}

QWidget* FenetrePrincipale::ConstruireBoutonsSelectionCote(int cote)
{
    auto* boutons = new QWidget;
    auto* pile = new QVBoxLayout(boutons);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(3);
    auto* tout = new QHBoxLayout;
    m_c.cmdSelectAll[cote] = Bouton(NomIndexe(QStringLiteral("cmdSelectAll"), cote), tr("Tout sélectionner"));
    m_c.cmdRAZSelection[cote] = BoutonImage(NomIndexe(QStringLiteral("cmdRAZSelection"), cote),
                                            IconeGalbix::ToutDeselectionner, tr("Tout déselectionner"));
    tout->addWidget(m_c.cmdSelectAll[cote], 1);
    tout->addWidget(m_c.cmdRAZSelection[cote]);
    pile->addLayout(tout);
    m_c.cmdSelectionAuto[2 * cote] = Bouton(NomIndexe(QStringLiteral("cmdSelectionAuto"), 2 * cote),
                                            tr("Sélection Xmin Xmax"));
    m_c.cmdSelectionAuto[2 * cote + 1] = Bouton(NomIndexe(QStringLiteral("cmdSelectionAuto"), 2 * cote + 1),
                                                tr("Sélection Ymin Ymax"));
    m_c.cmdSelectionAngle[cote] = Bouton(NomIndexe(QStringLiteral("cmdSelectionAngle"), cote),
                                         tr("Sélection >30"),
                                         tr("Sélectionner les angles d'au moins 30 degrés"));
    pile->addWidget(m_c.cmdSelectionAuto[2 * cote]);
    pile->addWidget(m_c.cmdSelectionAuto[2 * cote + 1]);
    pile->addWidget(m_c.cmdSelectionAngle[cote]);
    pile->addStretch(1);
    return boutons;
}

QGroupBox* FenetrePrincipale::ConstruireListePoints(int cote)
{
    auto* cadre = Cadre(NomIndexe(QStringLiteral("frmPoints"), cote), QString());
    m_c.frmPoints[cote] = cadre;
    auto* grille = new QGridLayout(cadre);
    grille->setContentsMargins(3, 3, 3, 3);
    grille->setHorizontalSpacing(2);
    grille->setVerticalSpacing(0);
    const QString& s = NomsCote[cote];
    const QString entetes[3] = {QStringLiteral("N° Pt"), QStringLiteral("X") + s, QStringLiteral("Y") + s};
    for (int colonne = 0; colonne < 3; ++colonne) {
        auto* entete = new QLabel(entetes[colonne]);
        entete->setAlignment(Qt::AlignCenter);
        grille->addWidget(entete, 0, colonne);
    }
    for (int rang = 0; rang < 5; ++rang) {
        const bool courante = rang == 2;
        m_c.lblNumPt[cote][rang] = EtiquetteListe(NomIndexe(QStringLiteral("lblNumPt") + s, rang), QStringLiteral("99999"), courante);
        m_c.lblCoordPt[cote][rang] = EtiquetteListe(NomIndexe(QStringLiteral("lblCoordPt") + s, rang), QStringLiteral("9999.99"), courante);
        m_c.lblCoordPt[cote][rang + 5] = EtiquetteListe(NomIndexe(QStringLiteral("lblCoordPt") + s, rang + 5), QStringLiteral("9999.99"), courante);
        grille->addWidget(m_c.lblNumPt[cote][rang], rang + 1, 0);
        grille->addWidget(m_c.lblCoordPt[cote][rang], rang + 1, 1);
        grille->addWidget(m_c.lblCoordPt[cote][rang + 5], rang + 1, 2);
    }
    for (int index = 0; index < 2; ++index)
        m_c.vscPoints[cote][index] = BarreListe(NomIndexe(QStringLiteral("vscPoints") + s, index), index == 0);
    m_c.vscPoints[cote][1]->setRange(0, 0);
    m_c.vscPoints[cote][1]->setToolTip(tr("Milliers"));
    grille->addWidget(m_c.vscPoints[cote][1], 0, 3, 6, 1);
    grille->addWidget(m_c.vscPoints[cote][0], 0, 4, 6, 1);
    return cadre;
}

QGroupBox* FenetrePrincipale::ConstruireCadreSelection()
{
    m_c.frmSelection = Cadre(QStringLiteral("frmSelection"), tr("Selection"));
    auto* pile = new QVBoxLayout(m_c.frmSelection);
    pile->setSpacing(3);
    pile->setContentsMargins(5, 4, 5, 5);
    m_c.cmdCopier = Bouton(QStringLiteral("cmdCopier"), tr("Copier"));
    m_c.cmdCouper = Bouton(QStringLiteral("cmdCouper"), tr("Couper"));
    m_c.cmdColler = Bouton(QStringLiteral("cmdColler"), tr("Coller"));
    m_c.cmdSupprimer = Bouton(QStringLiteral("cmdSupprimer"), tr("Supprimer"));
    m_c.cmdInsererPoint = Bouton(QStringLiteral("cmdInsererPoint"), tr("Insérer un point"));
    m_c.cmdRenumeroter = Bouton(QStringLiteral("cmdRenumeroter"), tr("Renuméroter"),
                                tr("Faire commencer le contour sélectionné au point courant"));
    m_c.cmdIntersection = Bouton(QStringLiteral("cmdIntersection"), tr("Créer l'intersection"));
    m_c.cmdLisser = Bouton(QStringLiteral("cmdLisser"), tr("Lisser (spline)"));
    m_c.cmdNettoyage = Bouton(QStringLiteral("cmdNettoyage"), tr("Nettoyer"),
                              tr("Retirer les points superflus"));
    m_c.cmdSymetrie[0] = BoutonImage(QStringLiteral("cmdSymetrie_0"), IconeGalbix::MiroirVertical, tr("Miroir vertical"));
    m_c.cmdSymetrie[1] = BoutonImage(QStringLiteral("cmdSymetrie_1"), IconeGalbix::MiroirHorizontal, tr("Miroir horizontal"));
    m_c.cmdInverserSelection = BoutonImage(QStringLiteral("cmdInverserSelection"), IconeGalbix::InverserSens,
                                           tr("Inverser le sens"));
    const std::initializer_list<std::initializer_list<QWidget*>> rangees = {
        {m_c.cmdCopier, m_c.cmdCouper, m_c.cmdColler, m_c.cmdSymetrie[0], m_c.cmdSymetrie[1], m_c.cmdInverserSelection},
        {m_c.cmdSupprimer, m_c.cmdInsererPoint, m_c.cmdRenumeroter},
        {m_c.cmdIntersection, m_c.cmdLisser, m_c.cmdNettoyage}};
    for (const auto& rangee : rangees) {
        auto* ligne = new QHBoxLayout;
        ligne->setSpacing(3);
        for (QWidget* w : rangee)
            ligne->addWidget(w, qobject_cast<QPushButton*>(w) ? 1 : 0);
        pile->addLayout(ligne);
    }
    return m_c.frmSelection;
}

QGroupBox* FenetrePrincipale::ConstruireModeSelection()
{
    m_c.frmModeSelection = Cadre(QStringLiteral("frmModeSelection"), tr("Mode de sélection"));
    auto* grille = new QVBoxLayout(m_c.frmModeSelection);
    grille->setContentsMargins(5, 4, 5, 5);
    grille->setSpacing(2);
    const QString textes[3] = {tr("Sélection Normale"), tr("Sélection Points Réf."),
                               tr("Points de Synchro")};
    const QString bulles[3] = {tr("Sélectionner des points"),
                               tr("Marquer les points de référence (sélection violette)"),
                               tr("Marquer les points de synchronisation")};
    for (int i = 0; i < 3; ++i) {
        m_c.optSelection[i] = new QRadioButton(textes[i]);
        m_c.optSelection[i]->setObjectName(NomIndexe(QStringLiteral("optSelection"), i));
        m_c.optSelection[i]->setToolTip(bulles[i]);
        grille->addWidget(m_c.optSelection[i]);
    }
    return m_c.frmModeSelection;
}

} // namespace galbix
