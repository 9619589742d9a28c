#pragma once
// The 4-axis hot-wire machine that runs the G-code programs: two carriages facing each other
// at a distance L, each moved by two axes, the block between them with its root face at D
// from the left carriage. Kept in the settings file, section "Machine".

#include "model/Fonctions.h"
#include "view/Parcours.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace galbix {

inline const QString SectionMachine = QStringLiteral("Machine");

/// How the feed of each move is given.
enum class ModeAvance {
    TempsInverse, ///< G93: every move carries its duration (F = 1 / minutes)
    ParMinute,    ///< G94: mm per minute, measured along the four axes together
};

/// Axis letters the dialog offers: left horizontal, left vertical, right horizontal, right vertical.
inline const QStringList AxesPossibles = {QStringLiteral("XYUV"), QStringLiteral("XYZA")};

/// Index of each axis in MachineDecoupe::Axes and Courses.
constexpr int AxeGaucheH = 0, AxeGaucheV = 1, AxeDroitH = 2, AxeDroitV = 3;

struct MachineDecoupe {
    double EntreChariots = 1000.0;  ///< L: distance between the two carriages (mm)
    double Emplanture = 200.0;      ///< D: from the left carriage to the root face (mm)
    bool EmplantureADroite = false; ///< the root face is the one nearer the right carriage
    QString Axes = AxesPossibles[0];
    std::array<double, 4> Courses{1000.0, 500.0, 1000.0, 500.0}; ///< travel of each axis from 0 (mm)
    double Vitesse = VitesseDecoupeDefaut;          ///< cutting speed of the faster profile point (mm/s)
    ModeAvance Avance = ModeAvance::TempsInverse;
    double Saignee = 0.0;           ///< kerf width (mm), 0 for none
    double Entree = 10.0;           ///< lead-in: distance of the safe point before the first pair (mm)
    QString LignesDebut = QStringLiteral("M3"); ///< lines before the cut, separated by '|'
    QString LignesFin = QStringLiteral("M5");   ///< lines after the cut, separated by '|'
    friend bool operator==(const MachineDecoupe&, const MachineDecoupe&) = default;
};

/// The machine stored in `fichier`; defaults for missing or unreadable keys, the speed
/// `vitesseDefaut` when none is stored.
MachineDecoupe LireMachine(const QString& fichier, double vitesseDefaut);
/// Writes every key of section "Machine" in one replacement of the file; false on failure.
bool EcrireMachine(const QString& fichier, const MachineDecoupe& machine);

/// The first value out of range, as the message the dialog shows; none when all are valid.
std::optional<MessageRefus> VerifierMachine(const MachineDecoupe& machine);

/// The non-blank lines of a '|'-separated text, trimmed.
QStringList LignesSeparees(const QString& texte);

/// Letter of axis `index` (AxeGaucheH ...).
inline QChar LettreAxe(const MachineDecoupe& m, int index) { return m.Axes.at(index); }

} // namespace galbix
