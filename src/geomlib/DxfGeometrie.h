#pragma once
// Tessellation of the entities of a DXF drawing into drawn pieces ready for chaining.

#include "geomlib/Chainage.h"
#include "geomlib/DxfDessin.h"

#include <QString>
#include <vector>

namespace galbix::dxf {

/// Most points the pieces of one drawing may hold.
constexpr size_t PointsMaxDessin = 10000000;
/// Most entities one drawing may place, block contents counted once per insertion.
constexpr long long EntitesMaxDessin = 10000000;
/// Deepest nesting of block insertions followed (cycles stop there).
constexpr int ProfondeurMaxInserts = 16;

/// The drawn pieces: their points in world coordinates and their ranges.
struct Traces {
    std::vector<courbes::Pt2> points;
    std::vector<chainage::Trace> traces;
};

/// Tessellates the model space (its *Model_Space block when the ENTITIES section has none),
/// else the paper space (entities flagged 67 = 1 and the *Paper_Space blocks), with the chord
/// error of the drawing's extents and the point budget of one file (Tolerances.h). Pieces
/// come in file order, inserted blocks expanded in place.
/// False with a one-line French reason when the drawing is too large.
bool Tesseler(const Dessin& dessin, Traces& sortie, QString& erreur);

} // namespace galbix::dxf
