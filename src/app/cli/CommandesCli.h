#pragma once
// Subcommands of galbix-cli. Each takes its arguments (after the subcommand name) and
// returns the exit status: 0 success, 1 usage error, 2 a file could not be read or written.

#include <QStringList>
#include <functional>
#include <vector>

namespace galbix::cli {

struct Commande {
    const char* nom;
    const char* usage;
    std::function<int(const QStringList&)> executer;
};

/// Every subcommand, in the order of the help text.
const std::vector<Commande>& Commandes();

/// `info FICHIER`: format, header, point count, declared units, extents and contours as JSON.
int CommandeInfo(const QStringList& args);
/// `convertir ENTREE SORTIE [--en-tete TEXTE]`: reads ENTREE and writes SORTIE in the format of its extension.
int CommandeConvertir(const QStringList& args);
/// `naca CODE SORTIE [--points N]`: writes a NACA four-digit profile of unit chord (N points per surface).
int CommandeNaca(const QStringList& args);

} // namespace galbix::cli
