#include "geomlib/EcritureAtomique.h"

#include <QSaveFile>

namespace galbix {

bool EcrireFichierAtomique(const QString& chemin, const QByteArray& contenu)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return false;
    if (fichier.write(contenu) != contenu.size()) {
        fichier.cancelWriting();
        return false;
    }
    return fichier.commit();
}

} // namespace galbix
