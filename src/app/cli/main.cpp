// galbix-cli: the geometry and project routines of Galbix for scripts and batch work.
#include "app/cli/CommandesCli.h"
#include "app/cli/ConventionsCli.h"
#include "app/cli/PrecisionsCommandes.h"

#include <QCoreApplication>
#include <QLocale>

#ifndef GALBIX_VERSION
#define GALBIX_VERSION "0.0.0"
#endif

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    const std::vector<galbix::cli::Commande> commandes = galbix::cli::CommandesCompletees(galbix::cli::Commandes());
    return galbix::cli::ExecuterLigneCli(app.arguments().mid(1), commandes, QStringLiteral(GALBIX_VERSION));
}
