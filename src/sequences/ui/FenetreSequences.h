#pragma once
// The window "Choix de séquences": the contours read from a drawing (upper view and list),
// the assembly being built from them (lower view and list), the commands between the two,
// and the write-back of the assembly into the reading buffer when the window closes.

#include "files/Ouverture.h"
#include "sequences/Cadrage.h"
#include "sequences/UndoSequences.h"

#include <QDialog>
#include <array>
#include <optional>

class QAbstractButton;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace galbix {

class Dialogues;
class RepetitionBouton;
class VueSequences;

/// The window's controls, named as the window's code names them.
struct ControlesSequences {
    VueSequences* pctSequences = nullptr;
    VueSequences* pctSequencesFinal = nullptr;
    QFrame* frmVues = nullptr;
    std::array<QLabel*, 5> lblNumSequence{};
    std::array<QLabel*, 5> lblNumSequenceFinal{};
    QScrollBar* vscSequences = nullptr;
    QScrollBar* vscSequencesFinal = nullptr;
    std::array<QToolButton*, 2> cmdSelectionSequence{};
    std::array<QToolButton*, 2> cmdSelectionSequenceFinal{};
    QPushButton* cmdSensSequence = nullptr;
    QPushButton* cmdRotation90 = nullptr;
    QPushButton* cmdSymetrieSequence = nullptr;
    QPushButton* cmdQuelquesSequences = nullptr;
    std::array<QPushButton*, 2> cmdInsererSequence{};
    std::array<QPushButton*, 2> cmdOrdreSequence{};
    std::array<QPushButton*, 2> cmdRotationSequence{};
    std::array<QPushButton*, 2> cmdTaille{};
    std::array<QPushButton*, 2> cmdIntervale{};
    std::array<QPushButton*, 2> cmdPremierPointSequence{};
    QPushButton* cmdEffacer = nullptr;
    QPushButton* cmdInverserFinal = nullptr;
    QPushButton* cmdInsererPointSequence = nullptr;
    QPushButton* cmdUndoSequence = nullptr;
    QPushButton* cmdValiderSequence = nullptr;
    QPushButton* cmdOuvrirFichierSequences = nullptr;
    QPushButton* cmdAideSequences = nullptr;
    QCheckBox* chkVisuSens = nullptr;
    QCheckBox* chkAideSequences = nullptr;
    QLabel* lblAideSequences = nullptr;
};

class FenetreSequences : public QDialog {
    Q_OBJECT
public:
    /// Opens on the records of `tampon` for side `cote` (CoteE or CoteS). `fichierIni` is the
    /// settings file (last open folder).
    FenetreSequences(Dialogues& dialogues, TamponLecture& tampon, int cote, const QString& fichierIni,
                     const QString& dossierProgramme, QWidget* parent = nullptr);
    ~FenetreSequences() override;

    /// True once the window closed with a non-empty assembly written into the buffer.
    bool SequencesValidees() const { return m_validees; }
    /// The side the window works for (CoteE or CoteS).
    int Cote() const { return m_cote; }
    /// True once the window has closed (write-back done).
    bool Fermee() const { return m_fermee; }

    const ControlesSequences& Controles() const { return m_c; }
    const ListeSequences& Sequences() const { return m_sequences; }
    const ListeSequences& SequencesFinales() const { return m_finales; }
    const ListeSequences& SequencesEcran() const { return m_sequencesEcran; }
    const ListeSequences& SequencesFinalesEcran() const { return m_finalesEcran; }
    const CadrageVue& CadrageHaut() const { return m_cadrageHaut; }
    const CadrageVue& CadrageBas() const { return m_cadrageBas; }
    int EtatsUndo() const { return m_undo.Nombre(); }
    RepetitionBouton& RepetitionEntree() { return *m_repetitionEntree; }
    RepetitionBouton& RepetitionEcartement() { return *m_repetitionEcartement; }

    /// The write-back of a closing window; also run by close() and accept().
    void done(int resultat) override;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    // Construction (FenetreSequencesConstruction.cpp).
    void Construire();
    void DimensionnerDansEcran();
    QWidget* ConstruireListe(bool finale);
    QWidget* ConstruireCommandesSource();
    QWidget* ConstruireCommandesAssemblage();
    QWidget* ConstruireBas();
    void Connecter();
    void AppliquerCouleursCote();

    // Views and lists (FenetreSequences.cpp).
    void AjusterHaut();
    void AjusterBas();
    void MapperHaut();
    void MapperBas();
    void MapperOuAjusterBas();
    void DessinerHaut();
    void DessinerBas();
    void RafraichirHaut();
    void RafraichirBas();
    void RafraichirEtiquettes(bool finale);
    void RegleBarreFinale();
    void CliquerEtiquette(bool finale, int k);
    QColor CouleurCote() const;
    void ToucherAssemblage(bool reajuster);

    // Commands (FenetreSequencesCommandes.cpp).
    void OuvrirFichier();
    void Aide();
    void SelectionnerSource(int index);
    void SelectionnerFinale(int index);
    void InverserSource();
    void TournerQuart();
    void Miroir();
    void Prendre();
    void Inserer(int index);
    void Ordre(int index);
    void Tourner(int index);
    void Taille(int index);
    void PasEcartement(int index);
    void PasEntree(int index);
    void Effacer();
    void InverserFinale();
    void InsererPoint();
    void Annuler();
    void EmpilerUndo();

    // Mouse (FenetreSequencesSouris.cpp).
    void AppuiHaut(double u, double v, Qt::KeyboardModifiers touches, Qt::MouseButton bouton);
    void MouvementHaut(double u, double v, Qt::MouseButtons boutons);
    void RelacheHaut(double u, double v, Qt::MouseButton bouton);
    void AppuiBas(double u, double v, Qt::KeyboardModifiers touches, Qt::MouseButton bouton);
    void MouvementBas(double u, double v, Qt::KeyboardModifiers touches, Qt::MouseButtons boutons);
    void RelacheBas(double u, double v, Qt::MouseButton bouton);
    void Molette(bool bas, double u, double v, int huitiemes);

    bool eventFilter(QObject* objet, QEvent* evenement) override;

    Dialogues& m_dialogues;
    TamponLecture& m_tampon;
    int m_cote;
    QString m_fichierIni;
    QString m_dossierProgramme;
    ControlesSequences m_c;

    ListeSequences m_sequences, m_sequencesEcran;
    ListeSequences m_finales, m_finalesEcran;
    CadrageVue m_cadrageHaut, m_cadrageBas;
    PileUndoSequences m_undo;
    RepetitionBouton* m_repetitionEntree = nullptr;
    RepetitionBouton* m_repetitionEcartement = nullptr;

    enum class Geste { Aucun, Rectangle, Glissement, Point };
    Geste m_gesteHaut = Geste::Aucun;
    Geste m_gesteBas = Geste::Aucun;
    double m_u0 = 0, m_v0 = 0;
    std::optional<RepereSequence> m_pointMarque;
    int m_resteMolette[2] = {0, 0};
    bool m_blocageBarre = false;
    bool m_validees = false;
    bool m_fermee = false;
};

} // namespace galbix
