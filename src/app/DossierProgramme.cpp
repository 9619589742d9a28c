#include "app/DossierProgramme.h"

#include <QCoreApplication>
#include <QDir>

namespace galbix {

QString DossierProgramme()
{
    QString dossier = qEnvironmentVariable(VariableDossierProgramme);
    if (dossier.isEmpty())
        dossier = QCoreApplication::applicationDirPath();
    dossier = QDir::toNativeSeparators(dossier);
    while (dossier.size() > 1 && (dossier.endsWith(u'/') || dossier.endsWith(u'\\')))
        dossier.chop(1);
    return dossier;
}

QString CheminDansDossierProgramme(const QString& nom)
{
    const QString dossier = DossierProgramme();
    if (dossier.endsWith(u'/') || dossier.endsWith(u'\\'))
        return dossier + nom;
    return dossier + QDir::separator() + nom;
}

} // namespace galbix
