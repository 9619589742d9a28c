#pragma once
// Every tolerance of the geometry library, named once.

namespace galbix::tol {

/// Two contour ends closer than this (mm) are chained together.
constexpr double Chainage = 0.001;
/// Largest distance (mm) between a tessellated curve and its chords in a drawing of up to
/// ErreurCorde / ErreurCordeRelative (500 mm) across.
constexpr double ErreurCorde = 0.01;
/// In larger drawings, the chord error as a fraction of the drawing's larger extent: a tenth
/// of the thinning tolerance applied after reading (extent / 5000).
constexpr double ErreurCordeRelative = 2e-5;
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
/// Most points the curves of one file may produce; the curves met once it is spent get only
/// their coarsest cut (one chord per eighth of a turn, per knot span, per fit point).
constexpr long long PointsMaxCourbesFichier = 500000;

/// A contour drawn as a straight line (extents of zero height or width) is caught by a click
/// this close to it (drawing units: 4 pixels).
constexpr double PinceeTrait = 60.0;

} // namespace galbix::tol
