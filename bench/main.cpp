// Benchmarks of the hot paths; prints one line per measurement.
#include "Bench.h"
#include "BenchConstruction.h"
#include "BenchEdition.h"
#include "BenchSynchro.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // `galbix-bench images`: only the per-frame times of the drawing area.
    if (argc > 1 && qstrcmp(argv[1], "images") == 0) {
        galbix::bench::BenchImages();
        return 0;
    }
    galbix::bench::BenchLecture();
    galbix::bench::BenchVue();
    galbix::bench::BenchEdition();
    galbix::bench::BenchSynchro();
    galbix::bench::BenchProjet();
    galbix::bench::BenchPoints();
    galbix::bench::BenchConstruction();
    galbix::bench::BenchSequences();
    galbix::bench::BenchImages();
    galbix::bench::BenchCasLimites();
    return 0;
}
