#include "app/LigneCommande.h"

namespace galbix {

QString ArgumentLigneCommande(const QStringList& arguments)
{
    return arguments.mid(1).join(u' ');
}

std::optional<QString> ProjetDeLaLigneDeCommande(const QString& argument)
{
    if (argument.isEmpty())
        return std::nullopt;
    const QString guillemet = QStringLiteral("\"");
    if (argument.startsWith(guillemet)
        && (argument.endsWith(QStringLiteral(".gbx\"")) || argument.endsWith(QStringLiteral(".GBX\""))))
        return argument.mid(1, argument.size() - 2);
    if (argument.endsWith(QStringLiteral(".gbx")) || argument.endsWith(QStringLiteral(".GBX")))
        return argument;
    return std::nullopt;
}

} // namespace galbix
