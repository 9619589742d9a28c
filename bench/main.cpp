// Benchmarks of the hot paths; prints one line per measurement.
#include "Bench.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    galbix::bench::BenchLecture();
    return 0;
}
