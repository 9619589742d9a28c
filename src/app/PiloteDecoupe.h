#pragma once
// The cut player of the main window: plays the synchronised pair as the machine will cut it,
// at a cutting speed typed by the user, with both carriages and the wire drawn on the profiles,
// the part already cut shaded in perspective, the segments to check marked, and the pair,
// times and carriage speeds in the status bar. It never changes the model; any command that
// changes the points or their states stops it.

#include "model/Types.h"
#include "view/Parcours.h"
#include "view/Projection.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;
class QToolButton;
class QPushButton;

namespace galbix {

class FenetrePrincipale;
class ChampNumerique;

class PiloteDecoupe : public QObject {
    Q_OBJECT
public:
    explicit PiloteDecoupe(FenetrePrincipale& fenetre);

    /// The frame "Découpe" with its controls (built once, placed by the window).
    QGroupBox* ConstruireCadre();
    /// The status-bar text of the player (placed by the window).
    QLabel* EtiquetteEtat() const { return m_etat; }
    /// After every refresh of the window: availability, and a stop when the points changed.
    void ApresRafraichissement();

    /// Starts or pauses the cut.
    void Basculer(bool lecture);
    /// Steps to the previous (-1) or next (+1) pair.
    void Pas(int sens);
    /// Moves to `secondes` from the start of the cut.
    void AllerA(double secondes);
    /// Stops the player and removes its drawing.
    void Arreter();
    /// Shows the list of segments to check.
    void MontrerSegmentsAVerifier();

    /// The player shows a position (playing or paused).
    bool Actif() const { return m_actif; }
    /// The cut is running.
    bool EnLecture() const { return m_minuterie.isActive(); }
    /// Seconds from the start of the cut.
    double Temps() const { return m_temps; }
    /// Cutting speed (mm/s).
    double Vitesse() const { return m_vitesse; }
    /// The analysis of the pair being played.
    const AnalyseParcours& Analyse() const { return m_analyse; }
    /// The carriage paths drawn ("Chariots" ticked and the machine able to cut the pair):
    /// left and right, projected, one point per pair; empty otherwise.
    const std::vector<PointVue>& CheminGauche() const { return m_cheminGauche; }
    const std::vector<PointVue>& CheminDroit() const { return m_cheminDroit; }

private:
    bool Disponible() const;
    void Demarrer();
    void Avancer();
    void Montrer();
    void ChangerVitesse(float vitesse);
    void CalculerChemins();

    FenetrePrincipale& m_fenetre;
    AnalyseParcours m_analyse;
    TableauPoints m_copieE, m_copieS; // the pair as it was when the player started
    bool m_actif = false;
    double m_temps = 0.0;
    double m_vitesse = VitesseDecoupeDefaut;
    QTimer m_minuterie;
    QElapsedTimer m_horloge;
    QGroupBox* m_cadre = nullptr;
    QToolButton* m_lecture = nullptr;
    QToolButton* m_precedent = nullptr;
    QToolButton* m_suivant = nullptr;
    QSlider* m_curseur = nullptr;
    QLineEdit* m_champVitesse = nullptr;
    QPushButton* m_segments = nullptr;
    QToolButton* m_chariots = nullptr;
    std::vector<PointVue> m_cheminGauche, m_cheminDroit; // projected carriage paths
    QLabel* m_etat = nullptr;
    bool m_blocageCurseur = false;
};

/// "m:ss" (or "h:mm:ss") for a duration in seconds.
QString TexteDuree(double secondes);

} // namespace galbix
