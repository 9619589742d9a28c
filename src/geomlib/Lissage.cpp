#include "geomlib/Tranchex.h"

namespace galbix {

int32_t LissageSequence(std::vector<PointFichier>& points) { return int32_t(points.size()); }

} // namespace galbix
