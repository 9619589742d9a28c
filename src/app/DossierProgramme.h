#pragma once
// The program's own folder, where the settings file, the help file and the exchange files live.

#include <QString>

namespace galbix {

/// Environment variable that names another program folder (tests, portable installs).
inline constexpr const char* VariableDossierProgramme = "GALBIX_DOSSIER";

/// The folder named by GALBIX_DOSSIER when set and not empty, else the executable's folder;
/// native separators, no trailing separator.
QString DossierProgramme();

/// `nom` joined to the program folder with the native separator.
QString CheminDansDossierProgramme(const QString& nom);

} // namespace galbix
