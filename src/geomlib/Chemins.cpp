#include "geomlib/Chemins.h"

namespace galbix {

namespace {

// Index of the last folder separator ('\' or '/'), -1 when there is none.
qsizetype DernierSeparateur(const QString& chemin)
{
    for (qsizetype i = chemin.size() - 1; i >= 0; --i) {
        const QChar c = chemin.at(i);
        if (c == u'\\' || c == u'/')
            return i;
    }
    return -1;
}

} // namespace

QString NomDuFichier(const QString& chemin)
{
    const qsizetype i = DernierSeparateur(chemin);
    return i < 0 ? QString() : chemin.mid(i + 1);
}

QString ExtensionFichier(const QString& chemin)
{
    const QString nom = NomDuFichier(chemin);
    const qsizetype point = nom.lastIndexOf(u'.');
    return point < 0 ? QString() : nom.mid(point + 1);
}

QString SansExtension(const QString& chemin)
{
    const qsizetype point = chemin.lastIndexOf(u'.');
    return point < 0 ? chemin : chemin.left(point);
}

QString DossierDuChemin(const QString& chemin)
{
    const qsizetype i = DernierSeparateur(chemin);
    return i < 0 ? QString() : chemin.left(i + 1);
}

bool EstExtension(const QString& extension, const QString& attendue)
{
    return extension == attendue.toLower() || extension == attendue.toUpper();
}

} // namespace galbix
