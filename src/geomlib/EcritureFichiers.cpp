#include "geomlib/Formats.h"

namespace galbix::formats {

QByteArray EcrireDat(const std::vector<PointFichier>&, const QString&) { return {}; }
QByteArray EcrireDxf(const std::vector<PointFichier>&, const QString&) { return {}; }
QByteArray EcrireDxf3D(const std::vector<PointFichier>&, const std::vector<PointFichier>&, float) { return {}; }

} // namespace galbix::formats
