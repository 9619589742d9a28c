#pragma once
// The program's single optional argument: the path of a project file.

#include <QString>
#include <QStringList>
#include <optional>

namespace galbix {

/// The argument string as the program received it: every argument after the program name,
/// joined with single spaces.
QString ArgumentLigneCommande(const QStringList& arguments);

/// The project path named by the argument string: "<path>.gbx" or "<path>.GBX", or the same
/// between double quotes (the quotes are removed); nothing for any other argument.
std::optional<QString> ProjetDeLaLigneDeCommande(const QString& argument);

} // namespace galbix
