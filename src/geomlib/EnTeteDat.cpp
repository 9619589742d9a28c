#include "geomlib/EnTeteDat.h"

#include "geomlib/Texte.h"

#include <string_view>

namespace galbix::formats {

namespace {

// Exactly two numbers, separators and a trailing '#' comment allowed: a line the .dat reader
// takes for a point (or a count line) wherever it stands.
bool EstCouple(std::string_view s)
{
    double x = 0.0, y = 0.0;
    if (!texte::LireReel(s, x))
        return false;
    texte::SauterSeparateurs(s);
    if (!texte::LireReel(s, y))
        return false;
    texte::SauterSeparateurs(s);
    return s.empty() || s.front() == '#';
}

} // namespace

QByteArray LigneEnTeteDat(QByteArray octets)
{
    // A NUL byte makes the whole file binary for the reader; a DOS end-of-file byte ends it.
    octets.replace('\0', ' ');
    octets.replace('\x1a', ' ');
    const std::string_view ligne = texte::Rogner(std::string_view(octets.constData(), size_t(octets.size())));
    const QByteArray rognee(ligne.data(), qsizetype(ligne.size()));
    if (rognee.isEmpty())
        return rognee;
    if (rognee.startsWith('#') || rognee.startsWith("\xEF\xBB\xBF") || EstCouple(ligne))
        return PrefixeEnTeteDat + rognee;
    return rognee;
}

} // namespace galbix::formats
