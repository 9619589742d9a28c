// Smoothing of a run of points: an interpolating cubic B-spline through the points, with the
// chord length as parameter, resampled at even arc-length steps, four per input segment.
//
// The fit solves a dense system, so a long run is fitted in overlapping windows: each window
// settles the shape of its core segments and takes a margin of points on both sides only to
// steady them. The influence of a point on an interpolating cubic falls off by about 3.7 per
// point, so twelve points of margin leave the cores within rounding of the one-piece fit.

#include "geomlib/Tolerances.h"
#include "geomlib/Tranchex.h"

#include <Eigen/Core>
#include <unsupported/Eigen/Splines>

#include <algorithm>
#include <cmath>
#include <exception>

namespace galbix {

namespace {

constexpr int SegmentsParCoeur = 24;     // segments a window settles
constexpr int MargeFenetre = 12;         // points fitted on each side of a core to steady it
constexpr int PasParSegment = 8;         // arc-length table steps per input segment
constexpr int SortieParSegment = 4;      // output segments per input segment
constexpr double RepetitionRelative = tol::RepetitionLissage;

// Three-point Gauss-Legendre rule on [-1, 1].
constexpr double NoeudsGauss[3] = {-0.774596669241483377, 0.0, 0.774596669241483377};
constexpr double PoidsGauss[3] = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};

/// The spline through distinct points `pts` (relative coordinates) at parameters `t`
/// (cumulative chord lengths), fitted window by window. `S` is the Eigen spline type.
template <typename S>
class Courbe {
public:
    Courbe(const Eigen::Matrix2Xd& pts, const std::vector<double>& t, int degre) : m_t(t)
    {
        const int segments = int(pts.cols()) - 1;
        m_coeur = segments <= SegmentsParCoeur + 2 * MargeFenetre ? segments : SegmentsParCoeur;
        for (int debut = 0; debut < segments; debut += m_coeur) {
            const int a = std::max(0, debut - (m_coeur == segments ? 0 : MargeFenetre));
            const int b = std::min(segments, debut + m_coeur + (m_coeur == segments ? 0 : MargeFenetre));
            Ajuster(pts, a, b, degre);
        }
    }

    /// Point at parameter `t` of segment `i`.
    Eigen::Vector2d Point(int i, double t) const
    {
        const Fenetre& f = DeSegment(i);
        return f.spline(Local(f, t));
    }

    /// Speed |dC/dt| at parameter `t` of segment `i`.
    double Vitesse(int i, double t) const
    {
        const Fenetre& f = DeSegment(i);
        const auto d = f.spline.template derivatives<1>(Local(f, t));
        return std::hypot(d(0, 1), d(1, 1)) / (f.t1 - f.t0);
    }

private:
    struct Fenetre {
        S spline;
        double t0, t1;
    };

    void Ajuster(const Eigen::Matrix2Xd& pts, int a, int b, int degre)
    {
        const double t0 = m_t[size_t(a)], t1 = m_t[size_t(b)];
        typename S::KnotVectorType parametres(b - a + 1);
        for (int k = a; k <= b; ++k)
            parametres(k - a) = (m_t[size_t(k)] - t0) / (t1 - t0);
        parametres(b - a) = 1.0;
        const Eigen::Matrix2Xd morceau = pts.middleCols(a, b - a + 1);
        m_fenetres.push_back({Eigen::SplineFitting<S>::Interpolate(morceau, degre, parametres), t0, t1});
    }

    const Fenetre& DeSegment(int i) const
    {
        return m_fenetres[std::min(size_t(i / m_coeur), m_fenetres.size() - 1)];
    }

    static double Local(const Fenetre& f, double t)
    {
        return std::clamp((t - f.t0) / (f.t1 - f.t0), 0.0, 1.0);
    }

    const std::vector<double>& m_t;
    std::vector<Fenetre> m_fenetres;
    int m_coeur = 1;
};

/// Cumulative arc length at the steps of every segment (PasParSegment per segment).
template <typename S>
std::vector<double> AbscissesCurvilignes(const Courbe<S>& courbe, const std::vector<double>& t)
{
    const int segments = int(t.size()) - 1;
    std::vector<double> s(size_t(segments) * PasParSegment + 1, 0.0);
    for (int i = 0; i < segments; ++i) {
        const double pas = (t[size_t(i) + 1] - t[size_t(i)]) / PasParSegment;
        for (int k = 0; k < PasParSegment; ++k) {
            const double milieu = t[size_t(i)] + (k + 0.5) * pas;
            double longueur = 0.0;
            for (int g = 0; g < 3; ++g)
                longueur += PoidsGauss[g] * courbe.Vitesse(i, milieu + 0.5 * pas * NoeudsGauss[g]);
            const size_t n = size_t(i) * PasParSegment + size_t(k);
            s[n + 1] = s[n] + 0.5 * pas * longueur;
        }
    }
    return s;
}

/// Fills sortie[1 .. N-1] with points at even arc-length steps along the curve.
template <typename S>
void Reechantillonner(const Eigen::Matrix2Xd& pts, const std::vector<double>& t, int degre,
                      const Eigen::Vector2d& origine, std::vector<PointFichier>& sortie)
{
    const Courbe<S> courbe(pts, t, degre);
    const std::vector<double> s = AbscissesCurvilignes(courbe, t);
    const size_t nSorties = sortie.size() - 1;
    const double longueur = s.back();
    size_t q = 0;
    for (size_t j = 1; j < nSorties; ++j) {
        const double cible = longueur * double(j) / double(nSorties);
        while (q + 2 < s.size() && s[q + 1] < cible)
            ++q;
        const double ds = s[q + 1] - s[q];
        const double part = ds > 0.0 ? std::clamp((cible - s[q]) / ds, 0.0, 1.0) : 0.0;
        const int i = int(q / PasParSegment);
        const double pas = (t[size_t(i) + 1] - t[size_t(i)]) / PasParSegment;
        const double ti = t[size_t(i)] + (double(q % PasParSegment) + part) * pas;
        const Eigen::Vector2d p = courbe.Point(i, ti) + origine;
        sortie[j].X = float(p.x());
        sortie[j].Y = float(p.y());
    }
}

int32_t Lisser(std::vector<PointFichier>& points)
{
    const size_t n = points.size();
    const bool finis = std::all_of(points.begin(), points.end(),
                                   [](const PointFichier& p) { return std::isfinite(p.X) && std::isfinite(p.Y); });
    if (n < 2 || !finis) {
        for (PointFichier& p : points)
            p = PointFichier{p.X, p.Y, {}, {}, {}};
        return int32_t(n);
    }

    // Distinct consecutive points, relative to the first one, and their chord-length parameters.
    const Eigen::Vector2d origine(points[0].X, points[0].Y);
    double longueur = 0.0;
    for (size_t i = 1; i < n; ++i)
        longueur += std::hypot(double(points[i].X) - points[i - 1].X, double(points[i].Y) - points[i - 1].Y);
    const double seuil = longueur * RepetitionRelative;
    Eigen::Matrix2Xd pts(2, Eigen::Index(n));
    std::vector<double> t;
    t.reserve(n);
    Eigen::Index m = 0;
    for (const PointFichier& p : points) {
        const Eigen::Vector2d v = Eigen::Vector2d(p.X, p.Y) - origine;
        const double d = m == 0 ? 0.0 : (v - pts.col(m - 1)).norm();
        if (m > 0 && !(d > seuil))
            continue;
        t.push_back(m == 0 ? 0.0 : t.back() + d);
        pts.col(m++) = v;
    }
    pts.conservativeResize(2, m);

    std::vector<PointFichier> sortie(SortieParSegment * (n - 1) + 1);
    for (PointFichier& p : sortie) {
        p.X = points.front().X;
        p.Y = points.front().Y;
    }
    if (m >= 4)
        Reechantillonner<Eigen::Spline<double, 2, 3>>(pts, t, 3, origine, sortie);
    else if (m >= 2)
        Reechantillonner<Eigen::Spline<double, 2>>(pts, t, int(m) - 1, origine, sortie);
    sortie.back().X = points.back().X;
    sortie.back().Y = points.back().Y;
    points = std::move(sortie);
    return int32_t(points.size());
}

} // namespace

int32_t LissageSequence(std::vector<PointFichier>& points)
{
    try {
        return Lisser(points);
    } catch (const std::exception&) {
        return int32_t(points.size());   // out of memory: the run stays as it was
    }
}

} // namespace galbix
