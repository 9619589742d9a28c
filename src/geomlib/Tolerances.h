#pragma once
// Every tolerance of the geometry library, named once.

namespace galbix::tol {

/// Two contour ends closer than this (mm) are chained together.
constexpr double Chainage = 0.001;
/// Largest distance (mm) between a tessellated curve and its chords.
constexpr double ErreurCorde = 0.01;
/// Two vertices whose arc-length positions differ by less than this (mm) are taken as
/// corresponding by the synchronisation.
constexpr double CoincidenceSynchro = 0.001;
/// Point-to-point noise of a run to smooth, as a fraction of its median spacing, from which
/// the run is smoothed at full strength (less noise, weaker smoothing: a clean run is kept).
constexpr double BruitLissage = 0.002;
/// Plotter units per millimetre in HPGL files.
constexpr double UnitesTraceurParMm = 40.0;
/// Largest file that any read of the program accepts (bytes): geometry files, settings,
/// projects and exchange files alike (see LireFichierBorne).
constexpr long long TailleMaxFichier = 512LL << 20;
/// Most points a side of the profiles may hold: a command whose result would hold more is
/// refused before it allocates anything.
constexpr long long PointsMaxParCote = 10'000'000;
/// Most points a tessellated curve may produce (guards against absurd radii).
constexpr int SegmentsMaxParCourbe = 100000;

} // namespace galbix::tol
