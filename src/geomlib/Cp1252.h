#pragma once
// Windows-1252, the single-byte code page of French Windows, and the text rules of the files
// the program writes: settings, projects, profile headers and exchange files hold
// Windows-1252 bytes, so that the programs of that system read them; text that the code page
// cannot hold falls back to UTF-8, which every reader here recognises.
//
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the
// control characters of the same value, so that any byte string decodes and encodes back
// unchanged.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace galbix::cp1252 {

/// The character of one Windows-1252 byte.
char16_t Caractere(unsigned char octet);

/// The Windows-1252 byte of `c`, or -1 when the code page has none.
int Octet(char16_t c);

/// Windows-1252 bytes as text; every byte gives exactly one character.
QString Decoder(QByteArrayView octets);

/// The text as Windows-1252 bytes; a character without a byte becomes '?' and sets
/// `complet` (when given) to false.
QByteArray Encoder(QStringView texte, bool* complet = nullptr);

/// True when the bytes are well-formed UTF-8 (pure ASCII is).
bool EstUtf8(QByteArrayView octets);

/// Text read from a file: UTF-8 when the bytes are well-formed UTF-8, else Windows-1252.
/// A leading UTF-8 byte-order mark is dropped.
QString DecoderFichier(QByteArrayView octets);

/// Text for a file: Windows-1252 when every character has a byte (and those bytes do not
/// happen to form UTF-8), else UTF-8, with a byte-order mark when `marqueUtf8` (whole files;
/// not for a line inside a file). DecoderFichier gives the text back.
QByteArray EncoderFichier(QStringView texte, bool marqueUtf8 = false);

} // namespace galbix::cp1252
