#pragma once
// A text shown to the user that is defined once, as a constant, in French: it is translated
// each time it is read, in the language of the interface chosen at start.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <utility>

namespace galbix {

/// Translation context of the texts defined as constants.
inline constexpr const char* ContexteTextes = "galbix";

struct TexteTraduit {
    const char* source;

    /// The text in the language of the interface.
    QString Texte() const { return QCoreApplication::translate(ContexteTextes, source); }
    /// Same as Texte, so that the constant stands where a QString is expected.
    operator QString() const { return Texte(); }
    /// The translated text with its place markers replaced, as QString::arg.
    template <typename... A>
    QString arg(A&&... valeurs) const { return Texte().arg(std::forward<A>(valeurs)...); }
    /// The translated text cut as QString::split.
    template <typename... A>
    QStringList split(A&&... valeurs) const { return Texte().split(std::forward<A>(valeurs)...); }
};

/// Concatenations with a translated text.
inline QString operator+(const TexteTraduit& a, const QString& b) { return a.Texte() + b; }
inline QString operator+(const QString& a, const TexteTraduit& b) { return a + b.Texte(); }
inline QString operator+(const TexteTraduit& a, const char* b) { return a.Texte() + QString::fromUtf8(b); }
inline QString operator+(const char* a, const TexteTraduit& b) { return QString::fromUtf8(a) + b.Texte(); }
inline bool operator==(const QString& a, const TexteTraduit& b) { return a == b.Texte(); }
inline bool operator==(const TexteTraduit& a, const QString& b) { return a.Texte() == b; }

} // namespace galbix
