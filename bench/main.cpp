// Benchmarks of the hot paths; prints one line per measurement.
// `galbix-bench` runs them all; `galbix-bench images limites` only the groups named. A number
// after a group's name sets its size (points, or contours), a path ending in ".gbx" after the
// project group keeps the file it writes: `galbix-bench images 2000000 projet 1000000 p.gbx`.
// `chainage 100000` reads that many shuffled DXF lines step by step; `memoire 1000000` gives the
// CPU and peak memory of the editor opening a project and of the heavy edits at that size.
#include "Bench.h"
#include "BenchConstruction.h"
#include "BenchEdition.h"
#include "BenchGCode.h"
#include "BenchSynchro.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    struct Groupe {
        const char* nom;
        void (*executer)();
        void (*executerAvec)(const galbix::bench::Arguments&) = nullptr;
    };
    const Groupe groupes[] = {
        {"lecture", galbix::bench::BenchLecture},           {"vue", galbix::bench::BenchVue},
        {"edition", galbix::bench::BenchEdition},           {"synchro", galbix::bench::BenchSynchro},
        {"projet", nullptr, galbix::bench::BenchProjet},    {"points", galbix::bench::BenchPoints},
        {"construction", galbix::bench::BenchConstruction}, {"sequences", nullptr, galbix::bench::BenchSequences},
        {"images", nullptr, galbix::bench::BenchImages},    {"limites", galbix::bench::BenchCasLimites},
        {"gcode", galbix::bench::BenchGCode},            {"chainage", nullptr, galbix::bench::BenchChainage},
        {"memoire", nullptr, galbix::bench::BenchMemoire},
    };
    int lances = 0;
    for (const Groupe& g : groupes) {
        bool demande = argc == 1;
        galbix::bench::Arguments arguments;
        for (int i = 1; i < argc; ++i) {
            if (qstrcmp(argv[i], g.nom) != 0)
                continue;
            demande = true;
            for (int j = i + 1; j < argc && (argv[j][0] >= '0' && argv[j][0] <= '9'); ++j)
                arguments.Nombres.push_back(std::atoll(argv[j]));
            for (int j = i + 1; j < argc; ++j)
                if (QByteArray(argv[j]).endsWith(".gbx"))
                    arguments.Chemin = QString::fromLocal8Bit(argv[j]);
        }
        if (demande) {
            if (g.executerAvec)
                g.executerAvec(arguments);
            else
                g.executer();
            ++lances;
        }
    }
    if (lances == 0) {
        std::fprintf(stderr, "usage: galbix-bench [GROUPE...], GROUPE parmi :");
        for (const Groupe& g : groupes)
            std::fprintf(stderr, " %s", g.nom);
        std::fprintf(stderr, "\n");
        return 1;
    }
    return 0;
}
