// Smoothing of a run of points: a cubic smoothing spline through the run, its two end points
// held exactly, then resampled with as many points as the run had, spaced by arc length and
// by turning so that the points gather where the curve bends.
//
// The spline minimises sum w_i |P_i - C(t_i)|^2 + integral |C''(t)|^2 dt over the chord-length
// parameter t (the Reinsch form: one pentadiagonal system for both coordinates). With the
// weight w_i = 1 / (c^4 h_i^3), h_i the local point spacing, the smoothing acts over about c = 1.5
// spacings wherever the run is: a dense leading edge keeps its small radius while the noise
// between neighbouring points (wiggles of a digitised profile) is damped a hundredfold.

#include "geomlib/Tolerances.h"
#include "geomlib/Tranchex.h"

#include <Eigen/Sparse>

#include <algorithm>
#include <cmath>
#include <exception>

namespace galbix {

namespace {

constexpr double Portee = 1.5;          // smoothing reach, in point spacings
constexpr int PasParSegment = 16;       // table steps per input segment for the resampling
constexpr double PartCourbure = 0.5;    // share of the output points placed by turning
constexpr double TournantMin = 1e-6;    // below this total turning (rad), spacing by length only
constexpr size_t PointsProlongement = 12; // mirrored points added past each end of the run
constexpr size_t PointsTangente = 12;    // points that the end tangent is fitted to

struct P2 {
    double x = 0.0, y = 0.0;
};

/// The fitted spline: values and second derivatives at the knots t.
struct Spline {
    std::vector<double> t;
    std::vector<P2> g, gamma;

    P2 Point(size_t i, double u) const
    {
        const double h = t[i + 1] - t[i], a = u - t[i], b = t[i + 1] - u;
        const double ca = a / h, cb = b / h, k = a * b / 6.0;
        const double wa = 1.0 + ca, wb = 1.0 + cb;
        return {cb * g[i].x + ca * g[i + 1].x - k * (wa * gamma[i + 1].x + wb * gamma[i].x),
                cb * g[i].y + ca * g[i + 1].y - k * (wa * gamma[i + 1].y + wb * gamma[i].y)};
    }
};

/// The smoothing operator of one run: knots, spacings, data terms and the factorised
/// pentadiagonal system R + Q^T D Q.
class Lisseur {
public:
    Lisseur(const std::vector<double>& t, size_t fixeDebut, size_t fixeFin) : m_K(t.size() - 1)
    {
        const size_t K = m_K;
        m_h.resize(K);
        m_D.assign(K + 1, 0.0);
        for (size_t i = 0; i < K; ++i)
            m_h[i] = t[i + 1] - t[i];
        for (size_t i = 0; i <= K; ++i) {
            if (i == fixeDebut || i == fixeFin)
                continue; // held exactly
            const double hm = i == 0 ? m_h[0] : i == K ? m_h[K - 1] : 0.5 * (m_h[i - 1] + m_h[i]);
            m_D[i] = std::pow(Portee, 4) * hm * hm * hm;
        }
        std::vector<Eigen::Triplet<double>> termes;
        termes.reserve((K - 1) * 12);
        for (size_t j = 1; j < K; ++j) {
            termes.emplace_back(Eigen::Index(j - 1), Eigen::Index(j - 1), (m_h[j - 1] + m_h[j]) / 3.0);
            if (j + 1 < K) {
                termes.emplace_back(Eigen::Index(j - 1), Eigen::Index(j), m_h[j] / 6.0);
                termes.emplace_back(Eigen::Index(j), Eigen::Index(j - 1), m_h[j] / 6.0);
            }
        }
        for (size_t i = 0; i <= K; ++i) {
            if (m_D[i] == 0.0)
                continue;
            const size_t bas = i > 1 ? i - 1 : 1, haut = std::min(K - 1, i + 1);
            for (size_t j = bas; j <= haut; ++j)
                for (size_t k = bas; k <= haut; ++k)
                    termes.emplace_back(Eigen::Index(j - 1), Eigen::Index(k - 1), m_D[i] * Q(i, j) * Q(i, k));
        }
        Eigen::SparseMatrix<double> A(Eigen::Index(K - 1), Eigen::Index(K - 1));
        A.setFromTriplets(termes.begin(), termes.end());
        m_ldlt.compute(A);
    }

    /// Adds to `s` the smoothing spline of the values `y` at the knots.
    void Ajouter(const std::vector<P2>& y, Spline& s) const
    {
        const size_t K = m_K;
        Eigen::MatrixX2d second(Eigen::Index(K - 1), 2);
        for (size_t j = 1; j < K; ++j) {
            second(Eigen::Index(j - 1), 0) = (y[j + 1].x - y[j].x) / m_h[j] - (y[j].x - y[j - 1].x) / m_h[j - 1];
            second(Eigen::Index(j - 1), 1) = (y[j + 1].y - y[j].y) / m_h[j] - (y[j].y - y[j - 1].y) / m_h[j - 1];
        }
        const Eigen::MatrixX2d solution = m_ldlt.solve(second);
        std::vector<P2> gamma(K + 1);
        for (size_t j = 1; j < K; ++j)
            gamma[j] = {solution(Eigen::Index(j - 1), 0), solution(Eigen::Index(j - 1), 1)};
        for (size_t i = 0; i <= K; ++i) {
            P2 qg; // (Q gamma)_i
            if (i > 0) {
                qg.x += (gamma[i - 1].x - gamma[i].x) / m_h[i - 1];
                qg.y += (gamma[i - 1].y - gamma[i].y) / m_h[i - 1];
            }
            if (i < K) {
                qg.x += (gamma[i + 1].x - gamma[i].x) / m_h[i];
                qg.y += (gamma[i + 1].y - gamma[i].y) / m_h[i];
            }
            s.g[i].x += y[i].x - m_D[i] * qg.x;
            s.g[i].y += y[i].y - m_D[i] * qg.y;
            s.gamma[i].x += gamma[i].x;
            s.gamma[i].y += gamma[i].y;
        }
    }

private:
    // Q (K+1 x K-1): column j - 1 holds the second difference at the interior knot j.
    double Q(size_t i, size_t j) const
    {
        if (i + 1 == j)
            return 1.0 / m_h[i];
        if (i == j)
            return -1.0 / m_h[j - 1] - 1.0 / m_h[j];
        if (i == j + 1)
            return 1.0 / m_h[j];
        return 0.0;
    }

    size_t m_K;
    std::vector<double> m_h, m_D;
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower, Eigen::NaturalOrdering<int>> m_ldlt;
};

/// Smoothing spline through `pts` at the strictly increasing parameters `t`, the points
/// `fixeDebut` and `fixeFin` held exactly. The residual is smoothed once more and added back
/// ("twicing"): the bend of a clean curve is kept far better while the point-to-point noise
/// stays damped. Needs at least three points.
Spline Ajuster(const std::vector<P2>& pts, const std::vector<double>& t, size_t fixeDebut, size_t fixeFin)
{
    const Lisseur lisseur(t, fixeDebut, fixeFin);
    Spline s;
    s.t = t;
    s.g.assign(pts.size(), P2{});
    s.gamma.assign(pts.size(), P2{});
    lisseur.Ajouter(pts, s);
    std::vector<P2> reste(pts.size());
    for (size_t i = 0; i < pts.size(); ++i)
        reste[i] = {pts[i].x - s.g[i].x, pts[i].y - s.g[i].y};
    lisseur.Ajouter(reste, s);
    return s;
}

/// Fills sortie[1 .. N-2] with points of the spline between its knots `debut` and `fin`,
/// placed by arc length and turning.
void Reechantillonner(const Spline& s, size_t debut, size_t fin, const P2& origine, std::vector<PointFichier>& sortie)
{
    const size_t K = fin - debut;
    const size_t nFin = K * PasParSegment;
    std::vector<double> u(nFin + 1);
    std::vector<P2> f(nFin + 1);
    for (size_t i = 0; i < K; ++i)
        for (int k = 0; k < PasParSegment; ++k) {
            const size_t c = i * PasParSegment + size_t(k);
            u[c] = s.t[debut + i] + (s.t[debut + i + 1] - s.t[debut + i]) * k / PasParSegment;
            f[c] = s.Point(debut + i, u[c]);
        }
    u[nFin] = s.t[fin];
    f[nFin] = s.g[fin];

    // Length and turning of each step of the table (half of the turning at each end vertex).
    std::vector<double> longueur(nFin), tournant(nFin + 1, 0.0);
    double L = 0.0, theta = 0.0;
    for (size_t c = 0; c < nFin; ++c) {
        longueur[c] = std::hypot(f[c + 1].x - f[c].x, f[c + 1].y - f[c].y);
        L += longueur[c];
    }
    for (size_t c = 1; c < nFin; ++c) {
        const double ax = f[c].x - f[c - 1].x, ay = f[c].y - f[c - 1].y;
        const double bx = f[c + 1].x - f[c].x, by = f[c + 1].y - f[c].y;
        tournant[c] = std::fabs(std::atan2(ax * by - ay * bx, ax * bx + ay * by));
        theta += tournant[c];
    }
    const double part = theta > TournantMin ? PartCourbure : 0.0;
    std::vector<double> F(nFin + 1, 0.0);
    for (size_t c = 0; c < nFin; ++c) {
        const double mesure = (1.0 - part) * (L > 0.0 ? longueur[c] / L : 1.0 / double(nFin))
            + (part > 0.0 ? part * 0.5 * (tournant[c] + tournant[c + 1]) / theta : 0.0);
        F[c + 1] = F[c] + mesure;
    }
    const size_t N = sortie.size() - 1;
    size_t c = 0;
    for (size_t j = 1; j < N; ++j) {
        const double cible = F[nFin] * double(j) / double(N);
        while (c + 1 < nFin && F[c + 1] < cible)
            ++c;
        const double dF = F[c + 1] - F[c];
        const double r = dF > 0.0 ? std::clamp((cible - F[c]) / dF, 0.0, 1.0) : 0.0;
        const double uj = u[c] + r * (u[c + 1] - u[c]);
        const size_t i = debut + std::min(K - 1, c / PasParSegment);
        const P2 p = s.Point(i, uj);
        sortie[j].X = float(p.x + origine.x);
        sortie[j].Y = float(p.y + origine.y);
    }
}

/// Unit tangent at the first of the points `p(0) .. p(m)`, from the least-squares circle
/// through p(0) fitted to the others (x^2 + y^2 + D x + E y = 0 relative to p(0)): exact on
/// an arc, steady under noise, and the first chord's direction on a straight run.
template <typename F>
P2 Tangente(F p, size_t m)
{
    const P2 o = p(0);
    double sxx = 0, sxy = 0, syy = 0, sxr = 0, syr = 0;
    for (size_t k = 1; k <= m; ++k) {
        const double x = p(k).x - o.x, y = p(k).y - o.y, r = x * x + y * y;
        sxx += x * x;
        sxy += x * y;
        syy += y * y;
        sxr += x * r;
        syr += y * r;
    }
    const double det = sxx * syy - sxy * sxy;
    P2 tg{p(1).x - o.x, p(1).y - o.y}; // the first chord, never of zero length
    if (m >= 2 && det > 1e-12 * sxx * syy) {
        const double D = (-sxr * syy + syr * sxy) / det, E = (-syr * sxx + sxr * sxy) / det;
        tg = {E, -D}; // at right angles to the centre (-D/2, -E/2)
        if (tg.x * (p(1).x - o.x) + tg.y * (p(1).y - o.y) < 0)
            tg = {-E, D};
    }
    const double n = std::hypot(tg.x, tg.y);
    return {tg.x / n, tg.y / n};
}

/// Mirror image of q across the line through o normal to the unit tangent tg: the curve
/// carries on past its end with the same bend.
P2 Miroir(const P2& q, const P2& o, const P2& tg)
{
    const double v = (q.x - o.x) * tg.x + (q.y - o.y) * tg.y;
    return {q.x - 2.0 * v * tg.x, q.y - 2.0 * v * tg.y};
}

/// The run with a few mirrored points added before its start and after its end, so that
/// the spline's free ends (where it turns straight) lie outside the run; `debut` and `fin`
/// receive the knots of the run's ends.
void Prolonger(std::vector<P2>& pts, std::vector<double>& t, size_t& debut, size_t& fin)
{
    const size_t K = pts.size() - 1;
    const size_t m = std::min(K, PointsProlongement);
    const size_t mt = std::min(K, PointsTangente);
    const P2 tgDebut = Tangente([&pts](size_t k) { return pts[k]; }, mt);
    const P2 tgFin = Tangente([&pts, K](size_t k) { return pts[K - k]; }, mt);
    std::vector<P2> p;
    std::vector<double> u;
    p.reserve(K + 1 + 2 * m);
    u.reserve(K + 1 + 2 * m);
    for (size_t k = m; k >= 1; --k) {
        p.push_back(Miroir(pts[k], pts[0], tgDebut));
        u.push_back(-t[k]);
    }
    p.insert(p.end(), pts.begin(), pts.end());
    u.insert(u.end(), t.begin(), t.end());
    for (size_t k = 1; k <= m; ++k) {
        p.push_back(Miroir(pts[K - k], pts[K], tgFin));
        u.push_back(2.0 * t[K] - t[K - k]);
    }
    debut = m;
    fin = m + K;
    pts = std::move(p);
    t = std::move(u);
}

int32_t Lisser(std::vector<PointFichier>& points)
{
    const size_t n = points.size();
    const bool finis = std::all_of(points.begin(), points.end(),
                                   [](const PointFichier& p) { return std::isfinite(p.X) && std::isfinite(p.Y); });
    std::vector<PointFichier> sortie(n);
    for (size_t i = 0; i < n; ++i) {
        sortie[i].X = points[i].X;
        sortie[i].Y = points[i].Y;
    }
    if (n < 3 || !finis) {
        points = std::move(sortie);
        return int32_t(n);
    }

    // Distinct consecutive points, relative to the first one, and their chord-length parameters.
    const P2 origine{points[0].X, points[0].Y};
    double longueur = 0.0;
    for (size_t i = 1; i < n; ++i)
        longueur += std::hypot(double(points[i].X) - points[i - 1].X, double(points[i].Y) - points[i - 1].Y);
    const double seuil = longueur * tol::RepetitionLissage;
    std::vector<P2> pts;
    std::vector<double> t;
    pts.reserve(n);
    t.reserve(n);
    for (const PointFichier& p : points) {
        const P2 v{p.X - origine.x, p.Y - origine.y};
        const double d = pts.empty() ? 0.0 : std::hypot(v.x - pts.back().x, v.y - pts.back().y);
        if (!pts.empty() && !(d > seuil)) {
            pts.back() = v; // a repeat: the run still ends on its very last point
            continue;
        }
        t.push_back(pts.empty() ? 0.0 : t.back() + d);
        pts.push_back(v);
    }
    if (pts.size() >= 3) {
        size_t debut = 0, fin = 0;
        Prolonger(pts, t, debut, fin);
        Reechantillonner(Ajuster(pts, t, debut, fin), debut, fin, origine, sortie);
    } else {
        // At most two distinct points: evenly along the segment between the ends.
        const P2 fin{double(points[n - 1].X), double(points[n - 1].Y)};
        for (size_t j = 1; j + 1 < n; ++j) {
            const double r = double(j) / double(n - 1);
            sortie[j].X = float(origine.x + r * (fin.x - origine.x));
            sortie[j].Y = float(origine.y + r * (fin.y - origine.y));
        }
    }
    points = std::move(sortie);
    return int32_t(n);
}

} // namespace

int32_t LissageSequence(std::vector<PointFichier>& points)
{
    try {
        return Lisser(points);
    } catch (const std::exception&) {
        return int32_t(points.size()); // out of memory: the run stays as it was
    }
}

} // namespace galbix
