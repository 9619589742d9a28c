#pragma once
// The two-sided profile model: root side E ("Emplanture") and tip side S ("Saumon").

#include "model/TableauPoints.h"

#include <algorithm>
#include <cstdint>

namespace galbix {

/// True when some point of `points` carries every bit of `bit`.
inline bool UnPointA(const std::vector<PointProfil>& points, int16_t bit)
{
    return std::any_of(points.begin(), points.end(), [bit](const PointProfil& p) { return AEtat(p, bit); });
}

/// Both point lists and their metrics. Point number k (1-based, as everywhere in the
/// program and in files) is stored at index k - 1 of PointsE / PointsS. The lists are shared
/// copy-on-write with the undo history and with copies of the model (see TableauPoints).
struct CoupleProfils {
    TableauPoints PointsE;
    TableauPoints PointsS;

    int32_t NbPointsE() const { return int32_t(PointsE.size()); }
    int32_t NbPointsS() const { return int32_t(PointsS.size()); }

    float Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;
    float Largeur = 0, Hauteur = 0;

    float XminE = 0; int32_t IndXminE = 0;
    float XmaxE = 0; int32_t IndXmaxE = 0;
    float YminE = 0; int32_t IndYminE = 0;
    float YmaxE = 0; int32_t IndYmaxE = 0;
    float LargeurE = 0, HauteurE = 0;
    float XaYmaxE = 0, XaYminE = 0;
    float YaXminE = 0, YaXmaxE = 0;

    float XminS = 0; int32_t IndXminS = 0;
    float XmaxS = 0; int32_t IndXmaxS = 0;
    float YminS = 0; int32_t IndYminS = 0;
    float YmaxS = 0; int32_t IndYmaxS = 0;
    float LargeurS = 0, HauteurS = 0;
    float XaYmaxS = 0, XaYminS = 0;
    float YaXminS = 0, YaXmaxS = 0;

    float XrefE = 0, YrefE = 0;
    float XrefS = 0, YrefS = 0;
    int32_t NbRefE = 0, NbRefS = 0;

    float EcartementZ = 0;
    float FlecheBA = 0;
    float FlecheBF = 0;
    float DiedreMm = 0;
    float DiedreDeg = 0;

    /// Point list of one side (CoteE or CoteS).
    TableauPoints& Points(int cote) { return cote == CoteE ? PointsE : PointsS; }
    const TableauPoints& Points(int cote) const { return cote == CoteE ? PointsE : PointsS; }
    /// Number of points of one side.
    int32_t NbPoints(int cote) const { return int32_t(Points(cote).size()); }
};

/// Editing state shared by the commands of one editing session (owned with the model).
struct EtatEdition {
    int16_t ModeSelection = EtatSelection; ///< the state bit that selection gestures set or clear
    bool BlocageUndo = false;              ///< the program itself is changing control values
    int32_t PointCourantE = 1;             ///< current point of side E in the point list (1-based)
    int32_t PointCourantS = 1;             ///< current point of side S
    int32_t& PointCourant(int cote) { return cote == CoteE ? PointCourantE : PointCourantS; }
};

} // namespace galbix
