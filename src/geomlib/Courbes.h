#pragma once
// Tessellation of drawing curves into chords: circular arcs, bulged polyline segments,
// ellipses, NURBS curves and cubic splines through fit points. Each curve is computed in
// its own coordinates and mapped by an affine map; the chord error is held in the mapped
// coordinates and the number of chords of one curve, and of all the curves of a file, is capped.

#include "geomlib/Tolerances.h"

#include <optional>
#include <span>
#include <vector>

namespace galbix::courbes {

struct Pt2 {
    double x = 0.0;
    double y = 0.0;
};

/// Plane affine map (x, y) -> (a x + b y + tx, c x + d y + ty).
struct Affine2 {
    double a = 1.0, b = 0.0, c = 0.0, d = 1.0, tx = 0.0, ty = 0.0;

    /// Image of a point.
    Pt2 operator()(Pt2 p) const { return {a * p.x + b * p.y + tx, c * p.x + d * p.y + ty}; }
    /// The map that applies `interieure` first, then this one.
    Affine2 Apres(const Affine2& interieure) const;
    /// Largest stretch of a length by the map (largest singular value of its linear part).
    double EchelleMax() const;

    /// Translation by (x, y).
    static Affine2 Translation(double x, double y) { return {1.0, 0.0, 0.0, 1.0, x, y}; }
    /// Rotation by `angle` radians about the origin.
    static Affine2 Rotation(double angle);
    /// Scaling by sx along X and sy along Y.
    static Affine2 Echelle(double sx, double sy) { return {sx, 0.0, 0.0, sy, 0.0, 0.0}; }
};

/// Distance between two points.
double Distance(Pt2 p, Pt2 q);

/// How finely the curves of one file are cut: the chord error and the chords still allowed.
struct Finesse {
    double erreur = tol::ErreurCorde;
    long long reste = tol::PointsMaxCourbesFichier;
};

/// The chord error of a drawing whose larger extent is `etendue`: ErreurCorde, or
/// ErreurCordeRelative of the extent when that is larger.
double ErreurCordeDessin(double etendue);

/// Number of chords that keep an arc of `rayon` sweeping `balayage` radians within `erreur`
/// (at least 1, one chord at least every eighth of a turn, else at most `plafond` and the
/// cap per curve).
int SegmentsArc(double rayon, double balayage, double erreur, long long plafond = tol::SegmentsMaxParCourbe);

/// Appends P(t) = centre + u cos t + v sin t for t from t0 over `balayage` radians (signed),
/// mapped by `T`, first and last points included. A circle of radius r has u = (r, 0), v = (0, r).
void AjouterEllipse(std::vector<Pt2>& sortie, const Affine2& T, Pt2 centre, Pt2 u, Pt2 v, double t0,
                    double balayage, Finesse& finesse);

/// Appends the points after p1 up to p2 of the polyline segment p1 -> p2 whose bulge is the
/// tangent of a quarter of its included angle (positive counter-clockwise), mapped by `T`.
void AjouterBulge(std::vector<Pt2>& sortie, const Affine2& T, Pt2 p1, Pt2 p2, double bulge, Finesse& finesse);

/// A NURBS curve as a drawing stores it; inconsistent knots or weights are replaced by
/// clamped uniform knots and unit weights.
struct Nurbs {
    int degre = 3;
    std::span<const double> noeuds;
    std::span<const Pt2> controle;
    std::span<const double> poids; ///< empty: every weight is 1
};

/// Appends the points of a NURBS curve over its whole domain, mapped by `T`, ends included.
void AjouterNurbs(std::vector<Pt2>& sortie, const Affine2& T, const Nurbs& courbe, Finesse& finesse);

/// Appends the points of the C2 cubic spline through `passage` (chord-length parameter; the
/// given end tangents, else free ends), mapped by `T`, every fit point included.
void AjouterSplinePassage(std::vector<Pt2>& sortie, const Affine2& T, std::span<const Pt2> passage,
                          std::optional<Pt2> tangenteDebut, std::optional<Pt2> tangenteFin, Finesse& finesse);

} // namespace galbix::courbes
