// galbix-test-reglages FICHIER SAUVEGARDE OUVERTURE
// Writes the settings file as the main window does when it closes (window geometry and the
// two last folders, in one replacement), for the tests that interrupt or starve that write.
// Exit status 0, 1 on a usage error, 2 with one line on stderr when the file cannot be written.

#include "files/Reglages.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: galbix-test-reglages FICHIER SAUVEGARDE OUVERTURE\n");
        return 1;
    }
    galbix::GeometrieFenetre geometrie;
    geometrie.Left = 1500.0f;
    geometrie.Top = 750.0f;
    if (!galbix::EcrireReglagesSortie(args[0], geometrie, true, args[1], args[2])) {
        std::fprintf(stderr, "galbix-test-reglages: écriture impossible : %s\n",
                     QDir::toNativeSeparators(args[0]).toLocal8Bit().constData());
        return 2;
    }
    return 0;
}
