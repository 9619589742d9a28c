#pragma once
// The program's own folder, where the settings file and the exchange files live.

#include <QString>
#include <functional>

namespace galbix {

/// Environment variable that names another program folder (tests, portable installs).
inline constexpr const char* VariableDossierProgramme = "GALBIX_DOSSIER";

/// The folder named by GALBIX_DOSSIER when set and not empty; else the executable's folder when
/// files can be written there and it is not an installed tree; else the user's configuration
/// folder for Galbix. Native separators, no trailing separator.
QString DossierProgramme();

/// `nom` joined to the program folder with the native separator.
QString CheminDansDossierProgramme(const QString& nom);

/// The rule of DossierProgramme on given folders: `dossierVariable` when not empty, else
/// `dossierExecutable` when `utilisable` accepts it, else `dossierUtilisateur`.
QString ChoisirDossierProgramme(const QString& dossierVariable, const QString& dossierExecutable,
                                const QString& dossierUtilisateur,
                                const std::function<bool(const QString&)>& utilisable);

/// Whether a file can be created in `dossier` (a trial file is created and removed at once), so
/// that read-only mounts count as read-only even for the administrator.
bool DossierInscriptible(const QString& dossier);

/// Whether `dossierExecutable` is the "bin" folder of an installed tree (a sibling "share/galbix"
/// exists): the settings of each user then go to that user's configuration folder.
bool EstDossierInstalle(const QString& dossierExecutable);

/// The user's configuration folder for Galbix, e.g. ~/.config/Galbix (DossierProgramme creates it
/// when it chooses it).
QString DossierConfigurationUtilisateur();

/// The demo project shipped with the program: "../share/galbix/demo.gbx" beside the executable's
/// folder, else the one of a system installation; empty when there is none.
QString CheminProjetDemo(const QString& dossierExecutable);

/// The folder where an open dialog starts: `dernier` (the last folder used), unless it is
/// missing or is the user's hidden settings folder `dossierReglages`, in which case `accueil`.
QString DossierInitialOuverture(const QString& dernier, const QString& dossierReglages, const QString& accueil);

} // namespace galbix
