#pragma once
// Chaining of drawn pieces (lines, arcs, open polylines...) into contours by their end points.

#include "geomlib/Courbes.h"
#include "geomlib/PointFichier.h"

#include <cstddef>
#include <vector>

namespace galbix::chainage {

/// One drawn piece: `nombre` consecutive points of a point array from index `debut`.
struct Trace {
    size_t debut = 0;
    size_t nombre = 0;
    bool ferme = false; ///< a closed piece is a contour of its own (its last point repeats its first)
};

/// Joins the pieces into contours: from the first unused piece in order, the contour grows at
/// its end, then at its start, by the unused piece with the nearest end point within
/// `tolerance` (reversed where needed), and stops when it closes on itself. The point shared by
/// two joined pieces appears once; a contour that closes ends on its first point. Each
/// contour's records carry their own code (PoserCodeContour with the contour's number).
std::vector<PointFichier> Chainer(const std::vector<courbes::Pt2>& points, const std::vector<Trace>& traces,
                                  double tolerance);

} // namespace galbix::chainage
