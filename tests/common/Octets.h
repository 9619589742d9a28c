#pragma once
// Whole-file reads and writes for tests that look at the bytes on disk.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace galbix::tests {

/// The file's bytes, or "<absent>" when it cannot be read.
inline QByteArray LireOctets(const QString& chemin)
{ QFile f(chemin); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>"); }

/// Writes `octets` to `chemin`; false on failure.
inline bool EcrireOctets(const QString& chemin, const QByteArray& octets)
{ QFile f(chemin); return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size(); }

} // namespace galbix::tests
