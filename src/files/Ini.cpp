#include "files/Ini.h"

namespace galbix {

int32_t EcrireIni(const QString&, const QString&, const QString&, const QString&) { return 0; }
QString LireIni(const QString&, const QString&, const QString&, const QString& d) { return d; }
bool ViderSectionIni(const QString&, const QString&) { return false; }

} // namespace galbix
