#include "files/Chemins.h"

namespace galbix {

QString NomDuFichier(const QString&) { return {}; }
QString ExtensionFichier(const QString& c) { int i = c.lastIndexOf(u'.'); return i < 0 ? QString() : c.mid(i + 1); }
QString SansExtension(const QString& c) { return c; }
QString DossierDuChemin(const QString&) { return {}; }
bool EstExtension(const QString& e, const QString& a) { return e == a.toLower() || e == a.toUpper(); }

} // namespace galbix
