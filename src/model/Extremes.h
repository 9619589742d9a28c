#pragma once
#include "model/Types.h"

namespace galbix {

/// Recomputes every metric field of `profils` from its two point lists and EcartementZ.
/// Both sides must hold at least one point. Ties go to the highest index;
/// DiedreDeg keeps its value when EcartementZ is 0.
void CalculerExtremes(CoupleProfils& profils);

} // namespace galbix
