// Benchmarks of the hot paths; prints one line per measurement.
#include "Bench.h"
#include "BenchEdition.h"
#include "BenchSynchro.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    galbix::bench::BenchLecture();
    galbix::bench::BenchVue();
    galbix::bench::BenchEdition();
    galbix::bench::BenchSynchro();
    galbix::bench::BenchProjet();
    galbix::bench::BenchCasLimites();
    return 0;
}
