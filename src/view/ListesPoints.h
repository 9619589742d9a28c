#pragma once
// The two point lists beside the drawing: five rows around the current point of each side,
// moved by a units bar and, above 1000 points, a thousands bar.

#include "model/Types.h"
#include "view/Couleurs.h"

#include <QString>
#include <array>
#include <cstdint>

namespace galbix {

constexpr int32_t PointsParMillier = 1000;
constexpr int GaucheBarreUnites = 2640;        ///< left edge of the units bar (twips)
constexpr int GaucheBarreUnitesDecalee = 2760; ///< its left edge when the thousands bar is shown
constexpr int LignesListe = 5;                 ///< rows of a list; row 2 is the current point

/// Settings of the two bars of one side's list.
struct BornesBarresListe {
    int32_t UnitesMin = 1;
    int32_t UnitesMax = 1;
    int32_t MilliersMax = 0;
    bool MilliersVisible = false;
    int GaucheUnites = GaucheBarreUnites;
    int32_t Unites = 1;   ///< position of the units bar
    int32_t Milliers = 0; ///< position of the thousands bar
    friend bool operator==(const BornesBarresListe&, const BornesBarresListe&) = default;
};

/// State of the lists besides the current points (which live with the editing state).
struct EtatListes {
    int32_t PointPrecedentE = 1; ///< current point after the previous list movement: start of a Ctrl range
    int32_t PointPrecedentS = 1;
    bool BlocageListe = false;   ///< the program is moving the bars itself
    int32_t& PointPrecedent(int cote) { return cote == CoteE ? PointPrecedentE : PointPrecedentS; }
};

/// Bar settings for a side of `nbPoints` points (bars at their start).
BornesBarresListe BornesBarres(int32_t nbPoints);

/// After a change of point count: both current and previous points back to 1; the bar
/// settings of sides E and S.
std::array<BornesBarresListe, 2> BornesListes(const CoupleProfils& profils, EtatEdition& edition, EtatListes& listes);

/// Units bar maximum for a thousands bar at `milliers` of `milliersMax`: the points left in the
/// last thousand when at the maximum, else 1000.
int32_t MaxBarreUnites(int32_t nbPoints, int32_t milliers, int32_t milliersMax);

/// One row of a list: texts (empty beyond the list's ends) and colours.
struct LignePoint {
    QString Numero, X, Y;
    bool FondSysteme = true;              ///< the system's button-face colour
    CouleurRvb Fond;                      ///< background when not FondSysteme
    CouleurRvb Texte = couleurs::Noir;
};

/// The five rows of a side's list around `pointCourant`, coloured by the point's bit of `mode`.
std::array<LignePoint, LignesListe> LignesDeListe(const std::vector<PointProfil>& points, int32_t pointCourant,
                                                  int16_t mode);

/// What a move of a list bar did.
struct ChangementListe {
    int32_t MaxUnites = -1;         ///< new maximum of the units bar, -1 when unchanged
    bool SelectionEtendue = false;  ///< Ctrl range applied: re-check "Aligner", undo snapshot
};

/// A list bar of side `cote` moved (either bar): new current point from the bars, Ctrl range
/// selection with the `ModeSelection` bit from the previous current point, side remembered
/// in `coteCourant`. The caller then refreshes the view.
ChangementListe ChangerBarreListe(int cote, int32_t milliers, int32_t milliersMax, int32_t unites, bool ctrl,
                                  CoupleProfils& profils, EtatEdition& edition, EtatListes& listes,
                                  QString& coteCourant);

} // namespace galbix
