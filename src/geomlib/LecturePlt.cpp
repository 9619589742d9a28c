#include "geomlib/Formats.h"

namespace galbix::formats {

LectureFichier LirePlt(std::string_view) { LectureFichier l; l.erreur = QStringLiteral("non implémenté"); return l; }

} // namespace galbix::formats
