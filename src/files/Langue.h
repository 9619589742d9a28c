#pragma once
// The language of the interface: French, the language the texts are written in, unless English
// is asked for on the command line ("--langue en") or in the settings file (key "Langue").

#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace galbix {

enum class Langue { Francais, Anglais };

/// Name of the command-line option that chooses the language.
inline const QString OptionLangue = QStringLiteral("--langue");

/// The language of a code: "fr" or "en" (case and surrounding blanks ignored); nothing otherwise.
std::optional<Langue> LangueDuCode(const QString& code);

/// Removes every "--langue CODE" and "--langue=CODE" from `arguments` (a "--" ends the options)
/// and returns the last code given, empty when the option has no value; nothing without the option.
std::optional<QString> ExtraireOptionLangue(QStringList& arguments);

/// Installs on `application` the translation of the program's own texts for `langue` (French
/// needs none); false when the embedded translation cannot be loaded.
bool InstallerLangue(QCoreApplication& application, Langue langue);

} // namespace galbix
