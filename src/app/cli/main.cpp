// galbix-cli: the geometry and project routines of Galbix for scripts and batch work.
#include "app/cli/CommandesCli.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    const QStringList args = app.arguments().mid(1);
    const auto& commandes = galbix::cli::Commandes();
    if (!args.isEmpty()) {
        for (const auto& c : commandes)
            if (args[0] == QLatin1String(c.nom))
                return c.executer(args.mid(1));
    }
    std::fprintf(stderr, "usage:\n");
    for (const auto& c : commandes)
        std::fprintf(stderr, "  galbix-cli %s\n", c.usage);
    return 1;
}
