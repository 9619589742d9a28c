#pragma once
// G-code for 4-axis hot-wire machines. Each synchronised pair (root point on the root face of
// the block, tip point on its tip face) defines the line of the wire; that line is extended to
// the two carriage planes, z = 0 (left) and z = L (right), which gives the four axis values of
// the move. Every move lasts the longer of the root and tip path lengths divided by the cutting
// speed, so that the faster profile point runs at the cutting speed (the rule of the cut
// analysis). The profiles are first offset outwards by half the kerf, on a copy.
//
// Program: a header of comments, "G21 G90 G17", the feed mode, a rapid move to the safe point,
// the start lines, the lead-in, one "G1" per pair (three decimals, "." separator, F on every
// line), the return to the safe point, the end lines, "M2". Moves whose four written values
// equal the previous ones are left out and their time goes to the next move.

#include "files/MachineDecoupe.h"
#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace galbix {

inline constexpr TexteTraduit TitreRefusGCode{QT_TRANSLATE_NOOP("galbix", "Programme G-code impossible")};

/// Where the two faces of the block lie, measured from the left carriage (mm).
struct PlacementBloc {
    double ZEmplanture = 0.0;
    double ZSaumon = 0.0;
};

/// The faces of a block of span `ecartement` on `machine`; refused when the span is 0 or a
/// face lies outside the carriages.
std::optional<MessageRefus> PlacerBloc(double ecartement, const MachineDecoupe& machine, PlacementBloc& bloc);

/// Positions of the two carriages (mm): left (XG, YG), right (XD, YD).
struct PositionChariots {
    double XG = 0.0, YG = 0.0, XD = 0.0, YD = 0.0;
};

/// The wire through (xe, ye) on the root face and (xs, ys) on the tip face, extended to the
/// carriage planes z = 0 and z = `entreChariots`.
PositionChariots ProlongerFil(double xe, double ye, double xs, double ys, const PlacementBloc& bloc,
                              double entreChariots);

/// The carriage positions of every pair, kerf applied; empty when the program is refused.
std::vector<PositionChariots> CheminsChariots(const CoupleProfils& profils, const MachineDecoupe& machine);

/// Extent of one carriage's positions (mm).
struct EtendueChariot {
    double XMin = 0.0, XMax = 0.0, YMin = 0.0, YMax = 0.0;
};

/// An axis that leaves its travel [0, course], and by how much (mm).
struct DepassementCourse {
    QChar Axe;
    double Exces = 0.0;
};

/// What the header names besides the machine.
struct InfosProgramme {
    QString Programme; ///< program and version
    QString Projet;    ///< project or profile names
    QDateTime Date;
};

struct ProgrammeGCode {
    std::optional<MessageRefus> Refus; ///< set: nothing below is filled
    QByteArray Texte;                  ///< the whole program, LF line ends
    qint64 Lignes = 0;
    double Duree = 0.0;                ///< seconds, lead-in and return included
    EtendueChariot Gauche, Droite;
    std::vector<DepassementCourse> HorsCourse;
};

/// The program that cuts `profils` on `machine`; refused when the sides have different or
/// fewer than two points, the span is 0, a block face lies outside the carriages, or a
/// machine value is invalid.
ProgrammeGCode GenererGCode(const CoupleProfils& profils, const MachineDecoupe& machine,
                            const InfosProgramme& infos);

/// The travel warning: one line per axis with its excess; empty when none.
QString TexteHorsCourse(const std::vector<DepassementCourse>& depassements);

} // namespace galbix
