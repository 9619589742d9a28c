#pragma once
#include "model/Types.h"

namespace galbix {

/// Recomputes every metric field of `profils` from its two point lists and EcartementZ.
/// Callers guarantee at least one point on each side (with an empty side nothing changes).
/// Ties go to the highest point number; DiedreDeg keeps its value when EcartementZ is 0.
void CalculerExtremes(CoupleProfils& profils);

} // namespace galbix
