#pragma once
// The texts of the interface in the chosen language: in French, the toolkit's own French texts
// (standard buttons, file dialogs, column titles); in English, the program's translation and the
// toolkit's built-in English.

#include "files/Langue.h"

#include <optional>

class QCoreApplication;

namespace galbix {

/// Installs the toolkit's French translations on `application`; false when they are not
/// installed on this machine (the standard dialogs then stay in English).
bool InstallerTraductionsQt(QCoreApplication& application);

/// Installs on `application` the texts of `langue`: the toolkit's French ones, or the program's
/// English ones; false when they cannot be loaded.
bool InstallerTraductions(QCoreApplication& application, Langue langue);

/// The language asked for: the code given with --langue when there is one, else the key of the
/// settings file `fichierReglages` (which may be empty: French).
Langue LangueDemandee(const std::optional<QString>& code, const QString& fichierReglages);

} // namespace galbix
