#pragma once
#include <QByteArray>
#include <QString>

namespace galbix {

/// Replaces `chemin` with `contenu` through a temporary file in the same folder and a rename;
/// on any failure the previous file is left intact and false is returned.
bool EcrireFichierAtomique(const QString& chemin, const QByteArray& contenu);

} // namespace galbix
