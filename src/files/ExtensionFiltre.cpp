#include "files/ExtensionFiltre.h"

#include <QStringList>

namespace galbix {

QString ExtensionDuFiltre(const QString& filtres, int indexFiltre)
{
    const QStringList morceaux = filtres.split(u'|');
    const qsizetype motif = 2 * qsizetype(indexFiltre) - 1;
    if (indexFiltre < 1 || motif >= morceaux.size())
        return {};
    const QString texte = morceaux[motif].trimmed();
    if (!texte.startsWith(QStringLiteral("*.")) || texte.contains(u';'))
        return {};
    const QString extension = texte.mid(2);
    if (extension.isEmpty() || extension.contains(u'*') || extension.contains(u'?') || extension.contains(u'.'))
        return {};
    return extension;
}

QString AvecExtensionDuFiltre(const QString& chemin, const QString& filtres, int indexFiltre)
{
    const qsizetype separateur = std::max(chemin.lastIndexOf(u'/'), chemin.lastIndexOf(u'\\'));
    const QString nom = chemin.mid(separateur + 1);
    const QString extension = ExtensionDuFiltre(filtres, indexFiltre);
    if (nom.isEmpty() || nom.contains(u'.') || extension.isEmpty())
        return chemin;
    return chemin + u'.' + extension;
}

} // namespace galbix
