#pragma once
// The cut as the machine will run it: both carriages go from pair k to pair k + 1 in the same
// time, the faster one at the cutting speed. From the two point lists of a synchronised pair
// this computes the time of every pair, where the carriages are at any moment, their speeds,
// and the segments where one carriage rushes while the other crawls.

#include "model/Types.h"

#include <cstdint>
#include <vector>

namespace galbix {

/// A segment is listed when its tip/root length ratio departs from the whole paths' ratio by
/// more than this factor (either way).
constexpr double FacteurSegmentAVerifier = 4.0;
/// Cutting speed proposed to the user (mm/s).
constexpr double VitesseDecoupeDefaut = 3.0;

/// The cut of a pair of equal point lists, computed once.
struct AnalyseParcours {
    int32_t NombrePoints = 0;
    double LongueurE = 0.0;            ///< root path length (mm)
    double LongueurS = 0.0;            ///< tip path length (mm)
    /// Distance run by the faster carriage from pair 1 to pair k + 1 (mm); the time is this
    /// divided by the speed. NombrePoints entries, the first 0.
    std::vector<double> Cumul;
    double EcartMax = 1.0;             ///< largest factor max(r/R, R/r) over segments with both lengths non-zero
    std::vector<int32_t> SegmentsAVerifier; ///< 1-based: segment k goes from pair k to pair k + 1
    std::vector<uint8_t> AVerifier;    ///< per segment (NombrePoints - 1 entries): 1 when listed

    /// Duration of the whole cut at `vitesse` mm/s (0 for a non-positive speed).
    double Duree(double vitesse) const;
};

/// Analyses the pair; empty (NombrePoints 0) when the counts differ or a side is empty.
AnalyseParcours AnalyserParcours(const CoupleProfils& profils);

/// Where the carriages are at one moment of the cut.
struct PositionParcours {
    int32_t Segment = 0;      ///< 0-based index of the segment being cut (last one at the end)
    int32_t Paire = 1;        ///< 1-based number of the pair last passed
    double Fraction = 0.0;    ///< 0 to 1 along the segment
    double XE = 0, YE = 0;    ///< root carriage (model mm)
    double XS = 0, YS = 0;    ///< tip carriage
    double VitesseE = 0.0;    ///< mm/s on this segment
    double VitesseS = 0.0;
    double Ecoule = 0.0;      ///< seconds since the start
    double Restant = 0.0;     ///< seconds to the end
};

/// The position at `temps` seconds (clamped to the cut) at `vitesse` mm/s.
PositionParcours PositionAuTemps(const CoupleProfils& profils, const AnalyseParcours& analyse, double temps,
                                 double vitesse);
/// The time (seconds) at which the carriages pass pair `paire` (1-based, clamped).
double TempsDeLaPaire(const AnalyseParcours& analyse, int32_t paire, double vitesse);

} // namespace galbix
