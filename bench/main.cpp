// Benchmarks of the hot paths; prints one line per measurement.
// `galbix-bench` runs them all; `galbix-bench images limites` only the groups named.
#include "Bench.h"
#include "BenchConstruction.h"
#include "BenchEdition.h"
#include "BenchGCode.h"
#include "BenchSynchro.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    struct Groupe {
        const char* nom;
        void (*executer)();
    };
    const Groupe groupes[] = {
        {"lecture", galbix::bench::BenchLecture},           {"vue", galbix::bench::BenchVue},
        {"edition", galbix::bench::BenchEdition},           {"synchro", galbix::bench::BenchSynchro},
        {"projet", galbix::bench::BenchProjet},             {"points", galbix::bench::BenchPoints},
        {"construction", galbix::bench::BenchConstruction}, {"sequences", galbix::bench::BenchSequences},
        {"images", galbix::bench::BenchImages},             {"limites", galbix::bench::BenchCasLimites},
        {"gcode", galbix::bench::BenchGCode},
    };
    int lances = 0;
    for (const Groupe& g : groupes) {
        bool demande = argc == 1;
        for (int i = 1; i < argc; ++i)
            demande = demande || qstrcmp(argv[i], g.nom) == 0;
        if (demande) {
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
