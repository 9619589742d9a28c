#include "model/Extremes.h"

namespace galbix {

void CalculerExtremes(CoupleProfils&) {}

} // namespace galbix
