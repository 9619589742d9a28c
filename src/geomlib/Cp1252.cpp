#include "geomlib/Cp1252.h"

#include <QStringDecoder>
#include <array>

namespace galbix::cp1252 {

namespace {

// Bytes 0x80 to 0x9F; the undefined ones keep their own value.
constexpr std::array<char16_t, 32> Bloc80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char MarqueUtf8[] = "\xEF\xBB\xBF";

bool EstAscii(QByteArrayView octets)
{
    for (const char c : octets)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

char16_t Caractere(unsigned char octet)
{
    return octet >= 0x80 && octet < 0xA0 ? Bloc80[octet - 0x80] : char16_t(octet);
}

int Octet(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (size_t i = 0; i < Bloc80.size(); ++i)
        if (Bloc80[i] == c)
            return int(0x80 + i);
    return -1;
}

QString Decoder(QByteArrayView octets)
{
    QString texte(octets.size(), Qt::Uninitialized);
    QChar* d = texte.data();
    for (qsizetype i = 0; i < octets.size(); ++i)
        d[i] = QChar(Caractere(static_cast<unsigned char>(octets[i])));
    return texte;
}

QByteArray Encoder(QStringView texte, bool* complet)
{
    QByteArray octets(texte.size(), Qt::Uninitialized);
    char* d = octets.data();
    bool tout = true;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        if (c < 0x80) {
            d[i] = char(c);
            continue;
        }
        const int o = Octet(c);
        tout = tout && o >= 0;
        d[i] = o >= 0 ? char(o) : '?';
    }
    if (complet)
        *complet = tout;
    return octets;
}

bool EstUtf8(QByteArrayView octets)
{
    qsizetype i = 0;
    const qsizetype n = octets.size();
    const auto suite = [&](qsizetype k) { return k < n && (static_cast<unsigned char>(octets[k]) & 0xC0) == 0x80; };
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(octets[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int longueur = 0;
        if (c >= 0xC2 && c <= 0xDF)
            longueur = 2;
        else if (c >= 0xE0 && c <= 0xEF)
            longueur = 3;
        else if (c >= 0xF0 && c <= 0xF4)
            longueur = 4;
        else
            return false;
        for (int k = 1; k < longueur; ++k)
            if (!suite(i + k))
                return false;
        const unsigned char c1 = static_cast<unsigned char>(octets[i + 1]);
        // Overlong forms, UTF-16 surrogates and code points beyond U+10FFFF.
        if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0) || (c == 0xF0 && c1 < 0x90)
            || (c == 0xF4 && c1 >= 0x90))
            return false;
        i += longueur;
    }
    return true;
}

QString DecoderFichier(QByteArrayView octets)
{
    if (octets.startsWith(QByteArrayView(MarqueUtf8)))
        octets = octets.sliced(3);
    if (EstUtf8(octets))
        return QString::fromUtf8(octets);
    return Decoder(octets);
}

QByteArray EncoderFichier(QStringView texte, bool marqueUtf8)
{
    bool complet = true;
    QByteArray octets = Encoder(texte, &complet);
    // Windows-1252 bytes that happen to form UTF-8 would read back as other characters.
    if (complet && (EstAscii(octets) || !EstUtf8(octets)))
        return octets;
    octets = texte.toUtf8();
    if (marqueUtf8)
        octets.prepend(MarqueUtf8);
    return octets;
}

} // namespace galbix::cp1252
