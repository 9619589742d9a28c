// Opening and closing of the sequence window, its two views and their numbered lists.

#include "sequences/ui/FenetreSequences.h"

#include "view/ui/Dialogues.h"
#include "model/Types.h"
#include "sequences/Decoupage.h"
#include "sequences/ui/RepetitionBouton.h"
#include "sequences/ui/VueSequences.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace galbix {

namespace {

const QString StyleChoisi = QStringLiteral("QLabel { color: rgb(0, 120, 8); background: rgb(214, 245, 214); font-weight: bold; }");
const QString StyleLibre = QStringLiteral("QLabel { color: rgb(40, 40, 40); background: white; }");
const QString StyleVide = QStringLiteral("QLabel { background: rgb(240, 240, 240); }");

} // namespace

FenetreSequences::FenetreSequences(Dialogues& dialogues, TamponLecture& tampon, int cote, const QString& fichierIni,
                                   const QString& dossierProgramme, QWidget* parent)
    : QDialog(parent), m_dialogues(dialogues), m_tampon(tampon), m_cote(cote), m_fichierIni(fichierIni),
      m_dossierProgramme(dossierProgramme)
{
    m_repetitionEntree = new RepetitionBouton([this](int index) { PasEntree(index); }, this);
    m_repetitionEcartement = new RepetitionBouton([this](int index) { PasEcartement(index); }, this);
    Construire();
    Connecter();
    AppliquerCouleursCote();
    // The assembly commands wait for a selection or an assembly.
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_c.cmdRotation90, m_c.cmdSymetrieSequence, m_c.cmdInsererSequence[0], m_c.cmdInsererSequence[1],
             m_c.cmdQuelquesSequences, m_c.cmdInsererPointSequence, m_c.cmdInverserFinal, m_c.cmdEffacer,
             m_c.cmdOrdreSequence[0], m_c.cmdOrdreSequence[1], m_c.cmdRotationSequence[0], m_c.cmdRotationSequence[1],
             m_c.cmdTaille[0], m_c.cmdTaille[1], m_c.cmdIntervale[0], m_c.cmdIntervale[1],
             m_c.cmdPremierPointSequence[0], m_c.cmdPremierPointSequence[1], m_c.cmdUndoSequence,
             m_c.cmdValiderSequence})
        w->setEnabled(false);
    m_c.vscSequencesFinal->setVisible(false);
    m_sequences = DecouperSequences(m_tampon.Points);
    m_c.vscSequences->setRange(1, std::max(1, int(m_sequences.size())));
    m_c.vscSequences->setPageStep(m_sequences.size() >= 6 ? 5 : 1);
    m_c.vscSequences->setValue(1);
    // The views take their size once laid out; this first fit uses the designed size.
    ensurePolished();
    layout()->activate();
    AjusterHaut();
    RafraichirHaut();
    RafraichirBas();
}

FenetreSequences::~FenetreSequences() = default;

void FenetreSequences::Connecter()
{
    connect(m_c.cmdOuvrirFichierSequences, &QPushButton::clicked, this, &FenetreSequences::OuvrirFichier);
    connect(m_c.cmdAideSequences, &QPushButton::clicked, this, &FenetreSequences::Aide);
    connect(m_c.cmdValiderSequence, &QPushButton::clicked, this, &QDialog::accept);
    for (int i : {0, 1}) {
        connect(m_c.cmdSelectionSequence[size_t(i)], &QToolButton::clicked, this, [this, i] { SelectionnerSource(i); });
        connect(m_c.cmdSelectionSequenceFinal[size_t(i)], &QToolButton::clicked, this, [this, i] { SelectionnerFinale(i); });
        connect(m_c.cmdInsererSequence[size_t(i)], &QPushButton::clicked, this, [this, i] { Inserer(i); });
        connect(m_c.cmdOrdreSequence[size_t(i)], &QPushButton::clicked, this, [this, i] { Ordre(i); });
        connect(m_c.cmdRotationSequence[size_t(i)], &QPushButton::clicked, this, [this, i] { Tourner(i); });
        connect(m_c.cmdTaille[size_t(i)], &QPushButton::clicked, this, [this, i] { Taille(i); });
        m_repetitionEcartement->Brancher(m_c.cmdIntervale[size_t(i)], i);
        m_repetitionEntree->Brancher(m_c.cmdPremierPointSequence[size_t(i)], i);
    }
    connect(m_c.cmdSensSequence, &QPushButton::clicked, this, &FenetreSequences::InverserSource);
    connect(m_c.cmdRotation90, &QPushButton::clicked, this, &FenetreSequences::TournerQuart);
    connect(m_c.cmdSymetrieSequence, &QPushButton::clicked, this, &FenetreSequences::Miroir);
    connect(m_c.cmdQuelquesSequences, &QPushButton::clicked, this, &FenetreSequences::Prendre);
    connect(m_c.cmdEffacer, &QPushButton::clicked, this, &FenetreSequences::Effacer);
    connect(m_c.cmdInverserFinal, &QPushButton::clicked, this, &FenetreSequences::InverserFinale);
    connect(m_c.cmdInsererPointSequence, &QPushButton::clicked, this, &FenetreSequences::InsererPoint);
    connect(m_c.cmdUndoSequence, &QPushButton::clicked, this, &FenetreSequences::Annuler);
    connect(m_c.chkVisuSens, &QCheckBox::toggled, this, [this] {
        DessinerHaut();
        DessinerBas();
    });
    connect(m_c.chkAideSequences, &QCheckBox::toggled, m_c.lblAideSequences, &QLabel::setVisible);
    connect(m_c.vscSequences, &QScrollBar::valueChanged, this, [this] {
        if (!m_blocageBarre)
            RafraichirHaut();
    });
    connect(m_c.vscSequencesFinal, &QScrollBar::valueChanged, this, [this] {
        if (!m_blocageBarre)
            RafraichirBas();
    });
    VueSequences* hautVue = m_c.pctSequences;
    VueSequences* basVue = m_c.pctSequencesFinal;
    connect(hautVue, &VueSequences::appui, this, &FenetreSequences::AppuiHaut);
    connect(hautVue, &VueSequences::mouvement, this,
            [this](double u, double v, Qt::KeyboardModifiers, Qt::MouseButtons b) { MouvementHaut(u, v, b); });
    connect(hautVue, &VueSequences::relache, this, &FenetreSequences::RelacheHaut);
    connect(basVue, &VueSequences::appui, this, &FenetreSequences::AppuiBas);
    connect(basVue, &VueSequences::mouvement, this, &FenetreSequences::MouvementBas);
    connect(basVue, &VueSequences::relache, this, &FenetreSequences::RelacheBas);
    connect(hautVue, &VueSequences::molette, this, [this](double u, double v, int h) { Molette(false, u, v, h); });
    connect(basVue, &VueSequences::molette, this, [this](double u, double v, int h) { Molette(true, u, v, h); });
    // The views follow the window's size: each is fitted again to its new area.
    connect(hautVue, &VueSequences::redimensionnee, this, [this] {
        AjusterHaut();
        DessinerHaut();
    });
    connect(basVue, &VueSequences::redimensionnee, this, [this] {
        AjusterBas();
        DessinerBas();
    });
}

QColor FenetreSequences::CouleurCote() const
{
    return m_cote == CoteE ? QColor(255, 0, 0) : QColor(0, 0, 255);
}

void FenetreSequences::AjusterHaut()
{
    m_cadrageHaut.W = m_c.pctSequences->LargeurUnites();
    m_cadrageHaut.H = m_c.pctSequences->HauteurUnites();
    m_cadrageHaut.Marge = cadrage::MargeHaut;
    AjusterCadrage(m_cadrageHaut, m_sequences);
    MapperHaut();
}

void FenetreSequences::AjusterBas()
{
    m_cadrageBas.W = m_c.pctSequencesFinal->LargeurUnites();
    m_cadrageBas.H = m_c.pctSequencesFinal->HauteurUnites();
    m_cadrageBas.Marge = cadrage::MargeBas;
    AjusterCadrage(m_cadrageBas, m_finales);
    MapperBas();
}

void FenetreSequences::MapperHaut() { m_sequencesEcran = MapperListe(m_cadrageHaut, m_sequences); }
void FenetreSequences::MapperBas() { m_finalesEcran = MapperListe(m_cadrageBas, m_finales); }

void FenetreSequences::DessinerHaut()
{
    for (size_t k = 0; k < m_sequences.size() && k < m_sequencesEcran.size(); ++k)
        m_sequencesEcran[k].Selectionnee = m_sequences[k].Selectionnee;
    m_c.pctSequences->Dessiner(m_sequencesEcran, CouleurCote(), m_c.chkVisuSens->isChecked(),
                               m_sequences.empty() ? -1 : m_c.vscSequences->value() - 1, false);
}

void FenetreSequences::DessinerBas()
{
    for (size_t k = 0; k < m_finales.size() && k < m_finalesEcran.size(); ++k)
        m_finalesEcran[k].Selectionnee = m_finales[k].Selectionnee;
    m_c.pctSequencesFinal->Dessiner(m_finalesEcran, CouleurCote(), m_c.chkVisuSens->isChecked(),
                                    m_finales.empty() ? -1 : m_c.vscSequencesFinal->value() - 1, true);
}

void FenetreSequences::RafraichirHaut()
{
    const bool choix = NombreSelectionnees(m_sequences) > 0;
    const int choixBas = NombreSelectionnees(m_finales);
    m_c.cmdSensSequence->setEnabled(choix);
    m_c.cmdRotation90->setEnabled(choix);
    m_c.cmdSymetrieSequence->setEnabled(choix);
    m_c.cmdQuelquesSequences->setEnabled(choix && m_finales.empty());
    for (QPushButton* b : m_c.cmdInsererSequence)
        b->setEnabled(choix && (m_finales.empty() || choixBas == 1));
    DessinerHaut();
    RafraichirEtiquettes(false);
}

void FenetreSequences::RafraichirBas()
{
    const int choix = NombreSelectionnees(m_finales);
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_c.cmdOrdreSequence[0], m_c.cmdOrdreSequence[1], m_c.cmdRotationSequence[0], m_c.cmdRotationSequence[1],
             m_c.cmdTaille[0], m_c.cmdTaille[1], m_c.cmdPremierPointSequence[0], m_c.cmdPremierPointSequence[1],
             m_c.cmdEffacer, m_c.cmdInverserFinal})
        w->setEnabled(choix > 0);
    for (QWidget* w : {m_c.cmdIntervale[0], m_c.cmdIntervale[1]})
        w->setEnabled(choix >= 2 && m_finales.size() >= 3);
    m_c.cmdInsererPointSequence->setEnabled(choix >= 2);
    m_c.cmdUndoSequence->setEnabled(m_undo.PeutAnnuler());
    m_c.cmdValiderSequence->setEnabled(!m_finales.empty());
    // The insert commands of the upper list depend on the assembly's selection too.
    const bool choixHaut = NombreSelectionnees(m_sequences) > 0;
    m_c.cmdQuelquesSequences->setEnabled(choixHaut && m_finales.empty());
    for (QPushButton* b : m_c.cmdInsererSequence)
        b->setEnabled(choixHaut && (m_finales.empty() || choix == 1));
    DessinerBas();
    RafraichirEtiquettes(true);
}

void FenetreSequences::RafraichirEtiquettes(bool finale)
{
    const ListeSequences& liste = finale ? m_finales : m_sequences;
    const int position = (finale ? m_c.vscSequencesFinal : m_c.vscSequences)->value();
    auto& lbl = finale ? m_c.lblNumSequenceFinal : m_c.lblNumSequence;
    for (int k = 0; k < 5; ++k) {
        const int entree = EntreeEtiquette(position, k, int(liste.size()));
        QLabel* l = lbl[size_t(k)];
        if (entree == 0) {
            l->clear();
            l->setStyleSheet(StyleVide);
            continue;
        }
        l->setText(QString::number(entree));
        l->setStyleSheet(liste[size_t(entree - 1)].EstSelectionnee() ? StyleChoisi : StyleLibre);
    }
}

void FenetreSequences::RegleBarreFinale()
{
    m_blocageBarre = true;
    if (m_finales.empty()) {
        m_c.vscSequencesFinal->setRange(1, 1);
        m_c.vscSequencesFinal->setVisible(false);
    } else {
        m_c.vscSequencesFinal->setRange(1, int(m_finales.size()));
        m_c.vscSequencesFinal->setPageStep(m_finales.size() >= 6 ? 5 : 1);
        m_c.vscSequencesFinal->setVisible(true);
    }
    m_blocageBarre = false;
}

void FenetreSequences::CliquerEtiquette(bool finale, int k)
{
    ListeSequences& liste = finale ? m_finales : m_sequences;
    const int position = (finale ? m_c.vscSequencesFinal : m_c.vscSequences)->value();
    const int entree = EntreeEtiquette(position, k, int(liste.size()));
    if (entree > 0) {
        Sequence& s = liste[size_t(entree - 1)];
        s.Selectionnee = s.Selectionnee == 1 ? 0 : 1;
    }
    if (finale)
        RafraichirBas();
    else
        RafraichirHaut();
}

bool FenetreSequences::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::MouseButtonPress) {
        for (int k = 0; k < 5; ++k) {
            if (objet == m_c.lblNumSequence[size_t(k)] || objet == m_c.lblNumSequenceFinal[size_t(k)]) {
                CliquerEtiquette(objet == m_c.lblNumSequenceFinal[size_t(k)], k);
                return true;
            }
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

// After a change of the assembly: the scroll bar's range and the display copy (re-fitted
// when asked); the command then refreshes the views it changed, once each.
void FenetreSequences::ToucherAssemblage(bool reajuster)
{
    RegleBarreFinale();
    if (reajuster)
        AjusterBas();
    else
        MapperOuAjusterBas();
}

// The zoom is kept while every contour stays in the lower view; a change that takes one out
// of it brings a fit (a view the wheel already zoomed past its contours stays as it is).
void FenetreSequences::MapperOuAjusterBas()
{
    const bool dejaHors = HorsVue(m_cadrageBas, m_finalesEcran);
    MapperBas();
    if (!dejaHors && HorsVue(m_cadrageBas, m_finalesEcran))
        AjusterBas();
}

void FenetreSequences::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1) {
        Aide();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void FenetreSequences::done(int resultat)
{
    if (!m_fermee) {
        m_fermee = true;
        m_repetitionEntree->Arreter();
        m_repetitionEcartement->Arreter();
        m_validees = EcrireAssemblage(m_finales, m_tampon);
        m_sequences.clear();
        m_sequencesEcran.clear();
        m_finales.clear();
        m_finalesEcran.clear();
        m_c.pctSequences->Dessiner(m_sequencesEcran, CouleurCote(), false, -1, false);
        m_c.pctSequencesFinal->Dessiner(m_finalesEcran, CouleurCote(), false, -1, true);
    }
    QDialog::done(resultat);
}

} // namespace galbix
