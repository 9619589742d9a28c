#include "app/Traductions.h"

#include "files/Reglages.h"

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

bool InstallerTraductions(QCoreApplication& application, Langue langue)
{
    if (langue == Langue::Francais)
        return InstallerTraductionsQt(application);
    return InstallerLangue(application, langue);
}

Langue LangueDemandee(const std::optional<QString>& code, const QString& fichierReglages)
{
    if (code)
        return LangueDuCode(*code).value_or(Langue::Francais);
    return fichierReglages.isEmpty() ? Langue::Francais : LireLangue(fichierReglages);
}

} // namespace galbix
