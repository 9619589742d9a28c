// galbix-cli: the geometry and project routines of Galbix for scripts and batch work.
#include "app/cli/CommandesCli.h"
#include "app/cli/ConventionsCli.h"
#include "app/cli/PrecisionsCommandes.h"
#include "files/Langue.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

#ifndef GALBIX_VERSION
#define GALBIX_VERSION "0.0.0"
#endif

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    // The language is chosen before anything is read, so that the help and every message follow it.
    QStringList arguments = app.arguments().mid(1);
    const std::optional<QString> code = galbix::ExtraireOptionLangue(arguments);
    const std::optional<galbix::Langue> langue = code ? galbix::LangueDuCode(*code) : galbix::Langue::Francais;
    if (!langue) {
        std::fputs("galbix-cli : --langue attend fr ou en\n", stderr);
        return 1;
    }
    galbix::InstallerLangue(app, *langue);
    const std::vector<galbix::cli::Commande> commandes = galbix::cli::CommandesCompletees(galbix::cli::Commandes());
    return galbix::cli::ExecuterLigneCli(arguments, commandes, QStringLiteral(GALBIX_VERSION));
}
