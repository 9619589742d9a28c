#pragma once
// The name line of a .dat file as written, so that the reader always returns it as the name.

#include <QByteArray>

namespace galbix::formats {

/// Prefix put before a header that the .dat reader would otherwise take for something else
/// (a coordinate pair, a comment, a byte-order mark).
inline constexpr char PrefixeEnTeteDat[] = "Profil ";

/// The header bytes (one line) as the .dat writer puts them on its first line: NUL and DOS
/// end-of-file bytes become spaces, blanks around are dropped (the reader drops them too), and
/// a header that would read as a pair, a comment or a byte-order mark gets PrefixeEnTeteDat.
/// The reader returns exactly this text as the header.
QByteArray LigneEnTeteDat(QByteArray octets);

} // namespace galbix::formats
