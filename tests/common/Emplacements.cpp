#include "common/Emplacements.h"

namespace galbix::tests {

QString DossierSources() { return QStringLiteral(GALBIX_SOURCES); }
QString DossierCorpus() { return QStringLiteral(GALBIX_CORPUS); }
QString ProgrammeCli() { return QStringLiteral(GALBIX_CLI); }
QString ProgrammeLupdate() { return QStringLiteral(GALBIX_LUPDATE); }

} // namespace galbix::tests
