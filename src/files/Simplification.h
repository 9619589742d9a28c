#pragma once
// Greedy thinning of drawn contours: a record is dropped when the chord that skips it stays
// within the tolerance of every record it skips.

#include "geomlib/PointFichier.h"
#include "model/Types.h"

#include <cstdint>
#include <vector>

namespace galbix {

/// A drawing's thinning tolerance is its larger extent divided by this.
constexpr float DiviseurTolerance = 5000.0f;

/// Thinning tolerance of a drawing: the larger of its width and height divided by DiviseurTolerance.
float ToleranceDeContour(float xmin, float xmax, float ymin, float ymax);

/// Indices (0-based, increasing) of the records that the greedy thinning keeps; with fewer
/// than four records, all of them. Linear in the usual case (an exact shortcut certifies
/// most windows without testing every record they skip).
std::vector<int32_t> IndicesConserves(const std::vector<PointFichier>& points, float tolerance);
/// Same for a side's points (the marking twin used by the cleaning).
std::vector<int32_t> IndicesConserves(const std::vector<PointProfil>& points, float tolerance);

/// Thins `tampon` in place (X, Y, Reserve and CodeContour travel together) and returns
/// its new number of records.
int32_t SimplifierContour(std::vector<PointFichier>& tampon, float tolerance);

} // namespace galbix
