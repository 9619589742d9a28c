#pragma once
// Shared helpers of the benchmarks: timing and a line of output per figure.

#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <ctime>
#include <utility>
#include <vector>

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

/// Best CPU time of the process in milliseconds of `repetitions` runs of `travail`: on a
/// machine shared with other work, the figure that does not depend on the load.
template <typename F>
double MeilleurTempsCpuMs(int repetitions, F&& travail)
{
    double meilleur = 1e300;
    for (int i = 0; i < repetitions; ++i) {
        timespec debut{}, fin{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &debut);
        travail();
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &fin);
        const double ms = double(fin.tv_sec - debut.tv_sec) * 1e3 + double(fin.tv_nsec - debut.tv_nsec) / 1e6;
        if (ms < meilleur)
            meilleur = ms;
    }
    return meilleur;
}

/// What follows a group's name on the command line.
struct Arguments {
    std::vector<long long> Nombres; ///< sizes, in the group's own unit
    QString Chemin;                 ///< a file to keep, when the group writes one
    /// The i-th size, or `defaut` when not given.
    long long Nombre(size_t i, long long defaut) const { return i < Nombres.size() ? Nombres[i] : defaut; }
};

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
void BenchProjet(const Arguments& arguments);
void BenchPoints();
void BenchSequences(const Arguments& arguments);
void BenchImages(const Arguments& arguments);
void BenchCasLimites();
void BenchChainage(const Arguments& arguments);
void BenchMemoire(const Arguments& arguments);

} // namespace galbix::bench
