#pragma once
// NACA four-digit profiles computed from their formula (test data, benchmarks, the demo project).

#include <QPointF>
#include <QString>
#include <vector>

namespace galbix {

/// Points of a NACA four-digit profile ("2412", "0012") of unit chord, in the order of
/// airfoil files: trailing edge, upper surface, leading edge, lower surface, trailing edge.
/// `nParSurface` points per surface (cosine spacing); the leading edge appears once.
/// The trailing edge is closed (both ends at (1, 0)). Empty for an invalid code.
std::vector<QPointF> ProfilNaca4(const QString& code, int nParSurface);

} // namespace galbix
