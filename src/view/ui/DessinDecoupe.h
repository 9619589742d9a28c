#pragma once
// Painting of the cut being played, above the drawing: the segments to check in a warning
// colour on both profiles, the part of the ruled surface already cut (perspective only), the
// two carriages and the wire between them (on the profile points, or on the carriage paths
// of the machine). Positions come from the drawing-unit copies, so
// the picture follows any zoom or pan without recomputation.

#include "view/EtatVue.h"
#include "view/Projection.h"
#include "view/ReductionPixels.h"

#include <QColor>
#include <QPolygonF>
#include <cstdint>
#include <vector>

class QPainter;

namespace galbix {

/// What the player shows.
struct DecoupeDessin {
    bool Active = false;
    int32_t Segment = 0;                       ///< 0-based segment being cut
    double Fraction = 0.0;                     ///< 0 to 1 along it
    const std::vector<uint8_t>* AVerifier = nullptr; ///< per segment: 1 when it is to be checked
    bool Ombrer = false;                       ///< shade the part already cut (perspective)
    /// The paths of the left and right carriages, projected (mm), one point per pair: when
    /// both are given the carriages and the whole wire are drawn on them instead of on the
    /// profile points.
    const std::vector<PointVue>* CheminGauche = nullptr;
    const std::vector<PointVue>* CheminDroit = nullptr;
};

/// Warning colour of the segments to check.
QColor CouleurAVerifier();

/// Up-to-date reductions of the root and tip screen copies (either may be null).
struct ReductionsDecoupe {
    const ReductionPixels* E = nullptr;
    const ReductionPixels* S = nullptr;
};

/// Paints the played cut on `p` (pixels) from the screen copies of `vue`, through their
/// reductions when given (the same pixels).
void DessinerDecoupe(QPainter& p, const EtatVue& vue, const DecoupeDessin& d, ReductionsDecoupe reductions = {});

/// The outline of the part already cut: root points up to the carriage, then the tip back to
/// its first point, with consecutive vertices on the same pixel merged. Pixels. With
/// reductions, runs on one pixel give their ends only and runs beyond an edge of the area
/// their ends only (what differs then lies beyond that edge and fills nothing inside).
QPolygonF ContourDejaCoupe(const EtatVue& vue, int32_t segment, double fraction, ReductionsDecoupe reductions = {});

} // namespace galbix
