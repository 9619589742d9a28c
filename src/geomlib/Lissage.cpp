// Smoothing of a run of points in place: every point keeps its own parameter (its rank in the
// run), so it moves across the curve, hardly along it, and the points of two sides smoothed
// apart stay paired. The two end points are held exactly and the count is kept.
//
// The smoothed points g minimise sum |g_i - P_i|^2 / (f c^6) + sum |g_{i+1} - 3 g_i + 3 g_{i-1}
// - g_{i-2}|^2 (a discrete smoothing spline over the point ranks): one symmetric band system of
// half-width 3 for both coordinates, factorised once (LDL^T) in time linear in the count. The
// third difference leaves quadratic runs untouched, so an evenly sampled arc keeps its radius
// even at the ends of the run, and profiles spaced by cosine (dense at the leading edge) are
// smooth in rank where they are not in arc length. The reach c is a little over one spacing;
// the factor f in [0, 1] grows with the point-to-point noise measured on the run, so that a
// clean curve is left as it is while a noisy one is smoothed at full strength.

#include "geomlib/Tolerances.h"
#include "geomlib/Tranchex.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace galbix {

namespace {

constexpr double Portee = 1.3;       // smoothing reach, in point spacings
constexpr size_t LargeurBande = 3;    // half-width of the band system (third differences)
constexpr size_t PointsMin = 5;       // the noise is measured on five consecutive points
// Median of |N(0, 1)| times the deviation of the residual below for a unit noise (sqrt(70) / 6).
constexpr double MedianeResidu = 0.6745 * 1.39443;

constexpr size_t Echantillons = 65536; // at most this many points measure the noise
constexpr double Convergence = 1e-15;  // relative change under which the factor rows are steady

struct P2 {
    double x = 0.0, y = 0.0;
};

/// The run's coordinates relative to its first point (precision far from the origin).
class Run {
public:
    explicit Run(const std::vector<PointFichier>& p) : m_p(p), m_x0(p[0].X), m_y0(p[0].Y) {}
    size_t Taille() const { return m_p.size(); }
    P2 operator[](size_t i) const { return {double(m_p[i].X) - m_x0, double(m_p[i].Y) - m_y0}; }

private:
    const std::vector<PointFichier>& m_p;
    double m_x0, m_y0;
};

/// Median of the values (reordered).
double Mediane(std::vector<double>& v)
{
    const auto milieu = v.begin() + std::ptrdiff_t(v.size() / 2);
    std::nth_element(v.begin(), milieu, v.end());
    return *milieu;
}

/// Share f in [0, 1] of the full smoothing strength for the run: its point-to-point noise
/// (each point's distance, across the curve, to the cubic through its four neighbours, a
/// robust median over evenly spread points) relative to its median spacing, against
/// tol::BruitLissage.
double ForceLissage(const Run& p)
{
    const size_t n = p.Taille(), pasEchantillon = std::max<size_t>(1, (n - 4) / Echantillons);
    std::vector<double> residus, pas;
    for (size_t i = 2; i + 2 < n; i += pasEchantillon) {
        const P2 a = p[i - 2], b = p[i - 1], c = p[i], d = p[i + 1], e = p[i + 2];
        const double ex = c.x - (4.0 * (b.x + d.x) - a.x - e.x) / 6.0, ey = c.y - (4.0 * (b.y + d.y) - a.y - e.y) / 6.0;
        const double cx = d.x - b.x, cy = d.y - b.y, corde = std::sqrt(cx * cx + cy * cy);
        residus.push_back(corde > 0.0 ? std::fabs(ex * cy - ey * cx) / corde : std::sqrt(ex * ex + ey * ey));
        pas.push_back(std::sqrt((d.x - c.x) * (d.x - c.x) + (d.y - c.y) * (d.y - c.y)));
    }
    const double bruit = Mediane(residus) / MedianeResidu, pasMedian = Mediane(pas);
    if (!(bruit > 0.0))
        return 0.0;
    if (!(pasMedian > 0.0))
        return 1.0;
    const double r = bruit / (pasMedian * tol::BruitLissage);
    return std::min(1.0, r * r);
}

/// One row i of the LDL^T factor of the inner system: L(i, i - 1 .. i - 3) and D_i.
struct Rangee {
    double l[LargeurBande] = {};
    double d = 0.0;
};

/// Smoothing of the run's inner points: (I / poids + D^T D) g = P / poids, D the third
/// differences over the whole run, g_0 and g_{n-1} held at P_0 and P_{n-1}. The matrix is the
/// same on every row away from the ends, so the factor rows become steady after a few dozen
/// rows: only those before, the steady one and the last few are kept, and the memory used is
/// one vector of the count.
class Systeme {
public:
    Systeme(const Run& p, double poids) : m_p(p), m_n(p.Taille()), m_m(m_n - 2), m_poids(poids) {}

    /// Writes the smoothed inner points into `sortie` (records 1 .. n-2), which may be the
    /// run itself.
    void Resoudre(std::vector<PointFichier>& sortie)
    {
        std::vector<P2> z(m_m); // forward substitution L z = b
        for (size_t i = 0; i < m_m; ++i) {
            const Rangee r = m_stable && i < m_debutFin ? m_regime : Factoriser(i);
            if (!m_stable || i >= m_debutFin)
                Garder(i, r);
            P2 b = SecondMembre(i);
            for (size_t k = 1; k <= LargeurBande && k <= i; ++k)
                b = {b.x - r.l[k - 1] * z[i - k].x, b.y - r.l[k - 1] * z[i - k].y};
            z[i] = b;
        }
        P2 g[LargeurBande + 1]; // g[k]: the solution at i + k, back substitution
        const double x0 = sortie[0].X, y0 = sortie[0].Y;
        for (size_t i = m_m; i-- > 0;) {
            P2 v{z[i].x / Facteur(i).d, z[i].y / Facteur(i).d};
            for (size_t k = 1; k <= LargeurBande && i + k < m_m; ++k) {
                const double l = Facteur(i + k).l[k - 1];
                v = {v.x - l * g[k - 1].x, v.y - l * g[k - 1].y};
            }
            for (size_t k = LargeurBande; k > 0; --k)
                g[k] = g[k - 1];
            g[0] = v;
            sortie[i + 1].X = float(v.x + x0);
            sortie[i + 1].Y = float(v.y + y0);
        }
    }

private:
    /// Entry of D^T D between whole-run points r and c (|r - c| <= 3).
    double Produit(size_t r, size_t c) const
    {
        constexpr double Stencil[4] = {-1.0, 3.0, -3.0, 1.0};
        const size_t bas = std::max(r, c) >= 3 ? std::max(r, c) - 3 : 0, haut = std::min({r, c, m_n - 4});
        double s = 0.0;
        for (size_t j = bas; j <= haut; ++j)
            s += Stencil[r - j] * Stencil[c - j];
        return s;
    }

    /// Entry (i, i - k) of the inner system.
    double Entree(size_t i, size_t k) const { return Produit(i + 1, i + 1 - k) + (k == 0 ? m_poids : 0.0); }

    /// Right-hand side of row i: its point over the weight, less the held ends' share.
    P2 SecondMembre(size_t i) const
    {
        const size_t r = i + 1;
        const P2 q = m_p[r];
        P2 b{m_poids * q.x, m_poids * q.y};
        for (const size_t f : {size_t(0), m_n - 1})
            if ((f < r ? r - f : f - r) <= LargeurBande) {
                const double a = Produit(r, f);
                const P2 pf = m_p[f];
                b = {b.x - a * pf.x, b.y - a * pf.y};
            }
        return b;
    }

    Rangee Factoriser(size_t i) const
    {
        Rangee r;
        for (size_t k = std::min(i, LargeurBande); k >= 1; --k) { // L(i, c), c = i - k
            const size_t c = i - k;
            double s = Entree(i, k);
            for (size_t q = k + 1; q <= LargeurBande && q <= i; ++q) // columns i - q, shared with row c
                s -= r.l[q - 1] * Facteur(c).l[q - k - 1] * Facteur(i - q).d;
            r.l[k - 1] = s / Facteur(c).d;
        }
        r.d = Entree(i, 0);
        for (size_t k = 1; k <= LargeurBande && k <= i; ++k)
            r.d -= r.l[k - 1] * r.l[k - 1] * Facteur(i - k).d;
        return r;
    }

    void Garder(size_t i, const Rangee& r)
    {
        if (m_stable) {
            m_fin.push_back(r);
            return;
        }
        m_debut.push_back(r);
        // Away from both ends every row sees the same entries: once the factor repeats, it stays.
        if (i >= 2 * LargeurBande && i + 2 * LargeurBande < m_m && Proches(r, m_debut[i - 1])) {
            m_stable = true;
            m_regime = r;
            m_debutFin = m_m - 2 * LargeurBande;
        }
    }

    static bool Proches(const Rangee& a, const Rangee& b)
    {
        bool proches = std::fabs(a.d - b.d) <= Convergence * std::fabs(a.d);
        for (size_t k = 0; k < LargeurBande; ++k)
            proches = proches && std::fabs(a.l[k] - b.l[k]) <= Convergence * (std::fabs(a.l[k]) + 1.0);
        return proches;
    }

    const Rangee& Facteur(size_t i) const
    {
        if (i < m_debut.size())
            return m_debut[i];
        return i < m_debutFin ? m_regime : m_fin[i - m_debutFin];
    }

    const Run& m_p;
    size_t m_n, m_m;
    double m_poids;
    std::vector<Rangee> m_debut, m_fin;
    Rangee m_regime;
    bool m_stable = false;
    size_t m_debutFin = 0;
};

void Lisser(std::vector<PointFichier>& points)
{
    const size_t n = points.size();
    bool finis = true;
    for (PointFichier& q : points) {
        const float x = q.X, y = q.Y;
        q = PointFichier{};
        q.X = x;
        q.Y = y;
        finis = finis && std::isfinite(x) && std::isfinite(y);
    }
    if (n < 4 || !finis)
        return; // under four points there is no third difference to damp
    const Run run(points);
    // Too short a run to tell noise from shape: the user asked for it, smooth at full strength.
    const double force = n < PointsMin ? 1.0 : ForceLissage(run);
    if (force <= 0.0)
        return;
    // The forward pass reads the whole run before the backward pass writes it.
    Systeme(run, 1.0 / (force * std::pow(Portee, 6))).Resoudre(points);
}

} // namespace

int32_t LissageSequence(std::vector<PointFichier>& points)
{
    try {
        Lisser(points);
    } catch (const std::exception&) {
        // out of memory: the run stays as it was
    }
    return int32_t(points.size());
}

} // namespace galbix
