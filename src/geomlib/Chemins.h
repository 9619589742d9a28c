#pragma once
// Path routines. Both '\' and '/' separate folders; '.' marks the extension.

#include <QString>

namespace galbix {

/// Text after the last folder separator; empty when there is none (a bare name) or the path ends with one.
QString NomDuFichier(const QString& chemin);
/// Text after the last '.' of NomDuFichier(chemin); empty when the name has no '.'. No case change.
QString ExtensionFichier(const QString& chemin);
/// The whole path up to its last '.' (a '.' in a folder name counts); unchanged without '.'.
QString SansExtension(const QString& chemin);
/// The path up to and including its last folder separator; empty when there is none.
QString DossierDuChemin(const QString& chemin);
/// True when `extension` is exactly the lower-case or the upper-case form of `attendue` ("dat": "dat" or "DAT").
bool EstExtension(const QString& extension, const QString& attendue);

} // namespace galbix
