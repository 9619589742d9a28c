#include "app/Traductions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace galbix {

bool InstallerTraductionsQt(QCoreApplication& application)
{
    auto* traducteur = new QTranslator(&application);
    if (!traducteur->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traducteur;
        return false;
    }
    return QCoreApplication::installTranslator(traducteur);
}

} // namespace galbix
