#include "app/OptionsProgramme.h"

#include <QCoreApplication>
#include <QCommandLineParser>

namespace galbix {

std::optional<ReponseOptions> OptionsProgramme(const QStringList& arguments, const QString& version)
{
    QCommandLineParser analyseur;
    const QCommandLineOption aide(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption optionVersion(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    analyseur.addOption(aide);
    analyseur.addOption(optionVersion);
    // Unknown options belong to the toolkit (-platform, -style...) or are ignored like any
    // argument that does not name a project: only the two options above are looked at.
    analyseur.parse(QStringList{QStringLiteral("galbix")} + arguments);
    if (analyseur.isSet(aide))
        return ReponseOptions{0, QCoreApplication::translate("galbix",
            "usage : galbix [PROJET.gbx]\n\n"
            "Galbix prépare les profils d'emplanture et de saumon pour la découpe au fil chaud.\n\n"
            "Arguments :\n"
            "  PROJET.gbx       projet ouvert au démarrage (extension .gbx ou .GBX)\n\n"
            "Options :\n"
            "  -h, --help       affiche cette aide\n"
            "  -v, --version    affiche la version\n"
            "  --langue fr|en   langue de l'interface : fr (par défaut) ou en\n\n"
            "Le manuel s'ouvre dans le programme avec la touche F1 ; voir aussi man galbix\n"
            "et galbix-cli --help pour l'outil en ligne de commande.\n")};
    if (analyseur.isSet(optionVersion))
        return ReponseOptions{0, QStringLiteral("galbix ") + version + u'\n'};
    return std::nullopt;
}

} // namespace galbix
