#pragma once
// Shared helpers of the benchmarks: timing and a line of output per figure.

#include <QElapsedTimer>
#include <cstdio>
#include <utility>

namespace galbix::bench {

/// Best wall time in milliseconds of `repetitions` runs of `travail`.
template <typename F>
double MeilleurTempsMs(int repetitions, F&& travail)
{
    double meilleur = 1e300;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        travail();
        const double ms = double(chrono.nsecsElapsed()) / 1e6;
        if (ms < meilleur)
            meilleur = ms;
    }
    return meilleur;
}

/// Prints one figure: what was measured, the time, and an optional throughput.
inline void Afficher(const char* quoi, double ms, double megaOctets = 0.0)
{
    if (megaOctets > 0.0)
        std::printf("%-60s %10.2f ms %8.1f MB/s\n", quoi, ms, megaOctets / (ms / 1000.0));
    else
        std::printf("%-60s %10.2f ms\n", quoi, ms);
    std::fflush(stdout);
}

void BenchLecture();
void BenchVue();
void BenchProjet();
void BenchPoints();
void BenchSequences();
void BenchImages();
void BenchCasLimites();

} // namespace galbix::bench
