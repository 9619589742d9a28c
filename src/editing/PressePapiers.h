#pragma once
// The point clipboard of the editing session, and its text form for the system clipboard.
//
// "Copier" keeps whole records (state bits included) of the selected points of each side;
// "Coller" pastes them at every selected point. The text form is one "X<tab>Y" line per
// point, side E under the heading "Emplanture" then side S under "Saumon", so that the points
// can go through a spreadsheet and come back.

#include "model/Types.h"

#include <QString>
#include <optional>
#include <vector>

namespace galbix {

/// The clipboard: the points copied from each side.
struct PressePapiers {
    std::vector<PointProfil> PointsE;
    std::vector<PointProfil> PointsS;
    bool CoupeEnCours = false; ///< true only while "Couper" runs: the copy keeps the selection

    std::vector<PointProfil>& Points(int cote) { return cote == CoteE ? PointsE : PointsS; }
    const std::vector<PointProfil>& Points(int cote) const { return cote == CoteE ? PointsE : PointsS; }
    /// True when neither side holds a point.
    bool Vide() const { return PointsE.empty() && PointsS.empty(); }
};

/// Heading lines of the text form.
inline const QString EnteteTexteE = QStringLiteral("Emplanture");
inline const QString EnteteTexteS = QStringLiteral("Saumon");

/// The clipboard as text: heading "Emplanture", one "X<tab>Y" line per point of side E,
/// heading "Saumon", the points of side S; "." as separator, shortest exact float digits.
QString TexteDuPressePapiers(const PressePapiers& pp);

/// Reads points from text (the form above, or two columns pasted from a spreadsheet): a line
/// holding only a heading switches side (lines before any heading go to side E); a point line
/// holds exactly two numbers separated by tabs, spaces or ';' (a decimal ',' is accepted then),
/// or by one ',' between two integers-or-"."-decimals; lines that do not start like a number are
/// skipped. The points read are selected (Etat 1), like copied ones. Nothing when the text holds
/// no point; nothing when a number lies beyond the 32-bit float range (`horsLimites`, when given,
/// is then set); nothing when a line starts like a number but is not such a point line
/// (`ligneIllisible`, when given, receives its 1-based number, else 0).
std::optional<PressePapiers> LireTextePoints(const QString& texte, bool* horsLimites = nullptr,
                                             int* ligneIllisible = nullptr);

} // namespace galbix
