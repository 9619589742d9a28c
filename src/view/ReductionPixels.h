#pragma once
// A profile reduced to what the pixels can show. Consecutive points of equal state that
// fall on one pixel, or that all lie well beyond one edge of the area, form a run; a drawing
// needs only the first and last point of each run to paint exactly what every point paints
// (the polyline and the markers snap to whole pixels, and nothing beyond the edges shows).
//
// The runs are built from the drawing-unit copies for one version of them (see
// CopiesDessin::Version) and one area size. A pan or a drag moves the copies without a new
// version: each run is checked again on the positions of its extreme points (a shift keeps
// their order), and a run no longer on one pixel (or no longer beyond its edge) is drawn
// with all its points.

#include "model/Types.h"
#include "view/Projection.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace galbix {

/// Nearest whole number, halves away from zero (as lround), inline: the drawing rounds every
/// point it paints. Only for values far inside the int range.
inline int ArrondiPixel(double v)
{
    int t = int(v);
    const double reste = v - double(t);
    if (reste >= 0.5)
        ++t;
    else if (reste <= -0.5)
        --t;
    return t;
}

/// Pixels per drawing unit.
constexpr double PixelsParUnite = 1.0 / TwipsParPixel;

/// A run of consecutive points (indices, both ends included).
struct PlagePixels {
    uint32_t Debut = 0, Fin = 0;
    uint32_t XMin = 0, XMax = 0, YMin = 0, YMax = 0; ///< indices of the extreme points
    uint8_t Bord = 0; ///< 0: one pixel; 1 to 4: beyond the left, right, top or bottom edge
};

class ReductionPixels {
public:
    /// Farther than this beyond an edge (pixels), nothing of a point nor of its marker shows.
    static constexpr double MargeDehors = 24.0;
    /// Runs are only formed within this distance of the area (pixels).
    static constexpr double MargeSure = 20000.0;

    /// Builds the runs of the first `n` points of `ecran` (states from `etats` when given,
    /// else none) for an area of `largeur` x `hauteur` pixels, unless they are already built
    /// for these arrays, count, area and `version`. True when it built them.
    bool Actualiser(const std::vector<PointProfil>& ecran, const std::vector<PointProfil>* etats, size_t n,
                    double largeur, double hauteur, uint64_t version);
    /// Builds the runs again, whatever the key.
    void Reconstruire(const std::vector<PointProfil>& ecran, const std::vector<PointProfil>* etats, size_t n,
                      double largeur, double hauteur, uint64_t version);
    /// True when the runs were built for `ecran` (first `n` points) at `version`.
    bool Pour(const std::vector<PointProfil>& ecran, size_t n, uint64_t version) const;

    /// The runs, in the order of the points.
    const std::vector<PlagePixels>& Plages() const { return m_plages; }
    /// True when the run, at the current positions `ecran`, still lies on one pixel or
    /// beyond its edge (a run of one point always does).
    bool Condensee(const PlagePixels& plage, const std::vector<PointProfil>& ecran) const;

    /// Replaces `indices` with the points to draw at the current positions `ecran`: first and
    /// last of each condensed run, every point of the others. Returns how many points were
    /// taken from runs that are no longer condensed.
    size_t Indices(const std::vector<PointProfil>& ecran, std::vector<uint32_t>& indices) const;

private:
    struct Cle {
        uint64_t version = ~uint64_t(0);
        const PointProfil* ecran = nullptr;
        const PointProfil* etats = nullptr;
        size_t n = 0;
        double largeur = -1.0, hauteur = -1.0;
        friend bool operator==(const Cle&, const Cle&) = default;
    };
    Cle m_cle;
    std::vector<PlagePixels> m_plages;
};

} // namespace galbix
