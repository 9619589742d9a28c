#pragma once
// From the reading buffer to the list of contours, and back: the records of a drawing are
// cut into contours by their contour codes, each contour thinned with its own tolerance;
// the assembly goes back to the buffer as one path when the window closes.

#include "files/Ouverture.h"
#include "sequences/Sequence.h"

namespace galbix {

/// A contour of at most this many points is kept as read.
constexpr int PointsMaxSansSimplification = 4;

/// The contours of `points` in file order: one contour when the first and last records carry
/// the same code, else one per run of equal codes; each contour of more than four points is
/// thinned with its larger extent / DiviseurTolerance; extents computed, nothing selected.
ListeSequences DecouperSequences(const std::vector<PointFichier>& points);

/// Writes the assembly into `tampon` as one path (X, Y, other fields 0) with its extents
/// widened over every point; true. An empty assembly leaves one blank record and gives false.
bool EcrireAssemblage(const ListeSequences& assemblage, TamponLecture& tampon);

} // namespace galbix
