// Layout of the sequence window: the two views with their numbered lists on the left, the
// assembly commands on the right, the file, help and validation commands along the bottom.

#include "sequences/ui/FenetreSequences.h"
#include "model/TexteTraduit.h"

#include "sequences/ui/IconesSequences.h"
#include "sequences/ui/RepetitionBouton.h"
#include "sequences/ui/VueSequences.h"
#include "view/ui/PlacementEcran.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace galbix {

namespace {

/// The window's size on a screen large enough for it.
constexpr QSize TailleConception(1100, 780);

QString Indexe(const char* nom, int index) { return QString::fromLatin1(nom) + u'_' + QString::number(index); }

QPushButton* Bouton(const QString& nom, const QString& texte, IconeSequence icone, const QString& bulle = {})
{
    auto* b = new QPushButton(texte);
    b->setObjectName(nom);
    b->setIcon(IconeSequences(icone));
    b->setIconSize(QSize(20, 20));
    b->setToolTip(bulle.isEmpty() ? texte : bulle);
    b->setAutoDefault(false);
    return b;
}

QToolButton* BoutonImage(const QString& nom, IconeSequence icone, const QString& bulle)
{
    auto* b = new QToolButton;
    b->setObjectName(nom);
    b->setIcon(IconeSequences(icone));
    b->setIconSize(QSize(24, 24));
    b->setToolTip(bulle);
    b->setAutoRaise(false);
    return b;
}

QGroupBox* Groupe(const QString& titre)
{
    auto* g = new QGroupBox(titre);
    return g;
}

} // namespace

void FenetreSequences::Construire()
{
    setObjectName(QStringLiteral("formSequences"));
    setWindowTitle(sequences::TitreFenetre);
    setSizeGripEnabled(true);

    auto* principal = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    principal->addLayout(haut, 1);

    m_c.frmVues = new QFrame;
    m_c.frmVues->setObjectName(QStringLiteral("frmVues"));
    auto* vues = new QVBoxLayout(m_c.frmVues);
    vues->setContentsMargins(6, 6, 6, 6);
    auto* source = Groupe(tr("Séquences du fichier"));
    auto* sourceBoite = new QVBoxLayout(source);
    sourceBoite->addWidget(ConstruireListe(false), 1);
    sourceBoite->addWidget(ConstruireCommandesSource());
    vues->addWidget(source, 1);
    auto* assemblage = Groupe(tr("Assemblage"));
    auto* assemblageBoite = new QVBoxLayout(assemblage);
    assemblageBoite->addWidget(ConstruireListe(true), 1);
    vues->addWidget(assemblage, 1);
    haut->addWidget(m_c.frmVues, 1);
    haut->addWidget(ConstruireCommandesAssemblage());

    principal->addWidget(ConstruireBas());
    m_c.lblAideSequences = new QLabel(sequences::TexteAide);
    m_c.lblAideSequences->setObjectName(QStringLiteral("lblAideSequences"));
    m_c.lblAideSequences->setFrameShape(QFrame::StyledPanel);
    m_c.lblAideSequences->setStyleSheet(QStringLiteral("QLabel { background: rgb(255, 252, 225); padding: 4px; }"));
    m_c.lblAideSequences->setVisible(false);
    principal->addWidget(m_c.lblAideSequences);
    DimensionnerDansEcran();
}

// The designed size, or less on a small screen: the whole window, frame included, stays within
// the screen's available area (the frame is the main window's until this one is framed).
void FenetreSequences::DimensionnerDansEcran()
{
    const QScreen* ecran = parentWidget() ? parentWidget()->screen() : screen();
    QSize taille = TailleConception.expandedTo(minimumSizeHint());
    if (ecran)
        taille = TailleDansZone(taille, DecorDeFenetre(*this, parentWidget()), ecran->availableGeometry());
    resize(taille);
}

void FenetreSequences::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    GarderDansEcran(*this);
}

// A view with, on its right, the five numbered labels of its list and the list's scroll bar.
QWidget* FenetreSequences::ConstruireListe(bool finale)
{
    auto* zone = new QWidget;
    auto* ligne = new QHBoxLayout(zone);
    ligne->setContentsMargins(0, 0, 0, 0);
    auto* vue = new VueSequences;
    vue->setObjectName(finale ? QStringLiteral("pctSequencesFinal") : QStringLiteral("pctSequences"));
    (finale ? m_c.pctSequencesFinal : m_c.pctSequences) = vue;
    ligne->addWidget(vue, 1);

    auto* colonne = new QVBoxLayout;
    auto* selection = new QHBoxLayout;
    auto& boutons = finale ? m_c.cmdSelectionSequenceFinal : m_c.cmdSelectionSequence;
    const char* nom = finale ? "cmdSelectionSequenceFinal" : "cmdSelectionSequence";
    boutons[0] = BoutonImage(Indexe(nom, 0), IconeSequence::ToutSelectionnerE, tr("Tout sélectionner"));
    boutons[1] = BoutonImage(Indexe(nom, 1), IconeSequence::RienSelectionnerE, tr("Tout désélectionner"));
    selection->addWidget(boutons[0]);
    selection->addWidget(boutons[1]);
    colonne->addLayout(selection);

    auto* liste = new QHBoxLayout;
    auto* etiquettes = new QVBoxLayout;
    etiquettes->setSpacing(2);
    auto& lbl = finale ? m_c.lblNumSequenceFinal : m_c.lblNumSequence;
    for (int k = 0; k < 5; ++k) {
        lbl[size_t(k)] = new QLabel;
        lbl[size_t(k)]->setObjectName(Indexe(finale ? "lblNumSequenceFinal" : "lblNumSequence", k));
        lbl[size_t(k)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lbl[size_t(k)]->setFrameShape(QFrame::StyledPanel);
        lbl[size_t(k)]->setFixedSize(56, 24);
        lbl[size_t(k)]->setCursor(Qt::PointingHandCursor);
        lbl[size_t(k)]->setToolTip(tr("Clic: sélectionner ou désélectionner cette séquence"));
        lbl[size_t(k)]->installEventFilter(this);
        etiquettes->addWidget(lbl[size_t(k)]);
    }
    etiquettes->addStretch(1);
    liste->addLayout(etiquettes);
    auto* barre = new QScrollBar(Qt::Vertical);
    barre->setObjectName(finale ? QStringLiteral("vscSequencesFinal") : QStringLiteral("vscSequences"));
    barre->setRange(1, 1);
    barre->setFixedHeight(5 * 24 + 4 * 2);
    // The lower list's bar is hidden while the assembly is empty: its room stays, so that
    // the labels of both lists line up.
    QSizePolicy politique = barre->sizePolicy();
    politique.setRetainSizeWhenHidden(true);
    barre->setSizePolicy(politique);
    (finale ? m_c.vscSequencesFinal : m_c.vscSequences) = barre;
    liste->addWidget(barre, 0, Qt::AlignTop);
    colonne->addLayout(liste);
    colonne->addStretch(1);
    ligne->addLayout(colonne);
    return zone;
}

QWidget* FenetreSequences::ConstruireCommandesSource()
{
    auto* zone = new QWidget;
    auto* grille = new QGridLayout(zone);
    grille->setContentsMargins(0, 0, 0, 0);
    m_c.cmdSensSequence = Bouton(QStringLiteral("cmdSensSequence"), tr("Inverser le sens"), IconeSequence::Sens);
    m_c.cmdRotation90 = Bouton(QStringLiteral("cmdRotation90"), tr("Rotation 90°"), IconeSequence::QuartDeTour,
                               tr("Tourner d'un quart de tour les séquences sélectionnées"));
    m_c.cmdSymetrieSequence = Bouton(QStringLiteral("cmdSymetrieSequence"), tr("Symétrie"), IconeSequence::Miroir,
                                     tr("Symétrie gauche-droite des séquences sélectionnées"));
    m_c.cmdQuelquesSequences =
        Bouton(QStringLiteral("cmdQuelquesSequences"), tr("Prendre la sélection"), IconeSequence::Prendre,
               tr("Mettre les séquences sélectionnées dans l'assemblage, telles quelles"));
    m_c.cmdInsererSequence[0] =
        Bouton(Indexe("cmdInsererSequence", 0), tr("Insérer après"), IconeSequence::InsererApres,
               tr("Insérer après la séquence sélectionnée de l'assemblage"));
    m_c.cmdInsererSequence[1] =
        Bouton(Indexe("cmdInsererSequence", 1), tr("Insérer avant"), IconeSequence::InsererAvant,
               tr("Insérer avant la séquence sélectionnée de l'assemblage"));
    // Two rows of three: every caption stays whole in the narrow window of a small screen.
    int rang = 0;
    for (QPushButton* b : {m_c.cmdSensSequence, m_c.cmdRotation90, m_c.cmdSymetrieSequence, m_c.cmdQuelquesSequences,
                           m_c.cmdInsererSequence[0], m_c.cmdInsererSequence[1]}) {
        grille->addWidget(b, rang / 3, rang % 3);
        ++rang;
    }
    grille->setColumnStretch(3, 1);
    return zone;
}

QWidget* FenetreSequences::ConstruireCommandesAssemblage()
{
    auto* groupe = Groupe(tr("Séquences sélectionnées de l'assemblage"));
    groupe->setObjectName(QStringLiteral("frmCommandesAssemblage"));
    auto* grille = new QGridLayout(groupe);
    constexpr TexteTraduit ordre{QT_TRANSLATE_NOOP("galbix", "Modifier l'ordre des séquences")};
    m_c.cmdOrdreSequence[0] = Bouton(Indexe("cmdOrdreSequence", 0), tr("Vers la fin"), IconeSequence::VersLaFin,
                                     ordre + tr(": d'une place vers la fin"));
    m_c.cmdOrdreSequence[1] = Bouton(Indexe("cmdOrdreSequence", 1), tr("Vers le début"),
                                     IconeSequence::VersLeDebut, ordre + tr(": d'une place vers le début"));
    m_c.cmdRotationSequence[0] = Bouton(Indexe("cmdRotationSequence", 0), tr("Rotation -10"), IconeSequence::TournerMoins);
    m_c.cmdRotationSequence[1] = Bouton(Indexe("cmdRotationSequence", 1), tr("Rotation +10"), IconeSequence::TournerPlus);
    m_c.cmdTaille[0] = Bouton(Indexe("cmdTaille", 0), tr("Agrandir"), IconeSequence::Agrandir);
    m_c.cmdTaille[1] = Bouton(Indexe("cmdTaille", 1), tr("Rétrécir"), IconeSequence::Retrecir);
    m_c.cmdIntervale[0] = Bouton(Indexe("cmdIntervale", 0), tr("Ecarter"), IconeSequence::Ecarter);
    m_c.cmdIntervale[1] = Bouton(Indexe("cmdIntervale", 1), tr("Rapprocher"), IconeSequence::Rapprocher);
    m_c.cmdPremierPointSequence[0] = Bouton(Indexe("cmdPremierPointSequence", 0),
                                            tr("Avancer le point d'entrée"), IconeSequence::EntreeAvant);
    m_c.cmdPremierPointSequence[1] = Bouton(Indexe("cmdPremierPointSequence", 1),
                                            tr("Reculer le point d'entrée"), IconeSequence::EntreeArriere);
    int rangee = 0;
    grille->addWidget(new QLabel(ordre), rangee++, 0, 1, 2);
    for (const auto* paire : {&m_c.cmdOrdreSequence, &m_c.cmdRotationSequence, &m_c.cmdTaille, &m_c.cmdIntervale}) {
        grille->addWidget((*paire)[0], rangee, 0);
        grille->addWidget((*paire)[1], rangee++, 1);
    }
    grille->addWidget(m_c.cmdPremierPointSequence[0], rangee++, 0, 1, 2);
    grille->addWidget(m_c.cmdPremierPointSequence[1], rangee++, 0, 1, 2);
    m_c.cmdInverserFinal = Bouton(QStringLiteral("cmdInverserFinal"), tr("Inverser le sens"), IconeSequence::Sens);
    m_c.cmdInsererPointSequence = Bouton(QStringLiteral("cmdInsererPointSequence"),
                                         tr("Insérer un point entre séquences"), IconeSequence::PointEntre);
    m_c.cmdEffacer = Bouton(QStringLiteral("cmdEffacer"), tr("Supprimer"), IconeSequence::Supprimer,
                            tr("Retirer de l'assemblage les séquences sélectionnées"));
    m_c.cmdUndoSequence = Bouton(QStringLiteral("cmdUndoSequence"), tr("Annuler"), IconeSequence::TournerMoins,
                                 tr("Revenir à l'état précédent de l'assemblage"));
    for (QPushButton* b : {m_c.cmdInverserFinal, m_c.cmdInsererPointSequence, m_c.cmdEffacer})
        grille->addWidget(b, rangee++, 0, 1, 2);
    grille->setRowMinimumHeight(rangee++, 12);
    grille->addWidget(m_c.cmdUndoSequence, rangee++, 0, 1, 2);
    grille->setRowStretch(rangee, 1);
    for (QPushButton* b : {m_c.cmdPremierPointSequence[0], m_c.cmdPremierPointSequence[1], m_c.cmdInverserFinal,
                           m_c.cmdInsererPointSequence, m_c.cmdEffacer, m_c.cmdUndoSequence})
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 8px;"));
    groupe->setFixedWidth(290);
    return groupe;
}

QWidget* FenetreSequences::ConstruireBas()
{
    auto* zone = new QWidget;
    auto* ligne = new QHBoxLayout(zone);
    ligne->setContentsMargins(0, 0, 0, 0);
    m_c.chkVisuSens = new QCheckBox(tr("Voir le sens de parcours"));
    m_c.chkVisuSens->setObjectName(QStringLiteral("chkVisuSens"));
    m_c.chkAideSequences = new QCheckBox(tr("Aide à la souris"));
    m_c.chkAideSequences->setObjectName(QStringLiteral("chkAideSequences"));
    m_c.cmdOuvrirFichierSequences = new QPushButton(tr("Ouvrir un fichier..."));
    m_c.cmdOuvrirFichierSequences->setObjectName(QStringLiteral("cmdOuvrirFichierSequences"));
    m_c.cmdOuvrirFichierSequences->setToolTip(tr("Lire les séquences d'un autre fichier"));
    m_c.cmdAideSequences = new QPushButton(tr("Aide (F1)"));
    m_c.cmdAideSequences->setObjectName(QStringLiteral("cmdAideSequences"));
    m_c.cmdValiderSequence = Bouton(QStringLiteral("cmdValiderSequence"), tr("Valider l'assemblage"),
                                    IconeSequence::Valider, tr("Fermer la fenêtre et charger l'assemblage"));
    for (QPushButton* b : {m_c.cmdOuvrirFichierSequences, m_c.cmdAideSequences})
        b->setAutoDefault(false);
    ligne->addWidget(m_c.chkVisuSens);
    ligne->addWidget(m_c.chkAideSequences);
    ligne->addStretch(1);
    ligne->addWidget(m_c.cmdOuvrirFichierSequences);
    ligne->addWidget(m_c.cmdAideSequences);
    ligne->addSpacing(16);
    ligne->addWidget(m_c.cmdValiderSequence);
    return zone;
}

void FenetreSequences::AppliquerCouleursCote()
{
    const bool e = m_cote == CoteE;
    for (auto* boutons : {&m_c.cmdSelectionSequence, &m_c.cmdSelectionSequenceFinal}) {
        (*boutons)[0]->setIcon(IconeSequences(e ? IconeSequence::ToutSelectionnerE : IconeSequence::ToutSelectionnerS));
        (*boutons)[1]->setIcon(IconeSequences(e ? IconeSequence::RienSelectionnerE : IconeSequence::RienSelectionnerS));
    }
    m_c.frmVues->setStyleSheet(QStringLiteral("QFrame#frmVues { border: 2px solid %1; }")
                                   .arg(e ? QStringLiteral("rgb(255, 0, 0)") : QStringLiteral("rgb(0, 0, 255)")));
}

} // namespace galbix
