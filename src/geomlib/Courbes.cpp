#include "geomlib/Courbes.h"

#include "geomlib/Tolerances.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace galbix::courbes {

namespace {

/// Deepest halving of one parameter interval of a spline.
constexpr int ProfondeurMax = 24;
/// Highest NURBS degree evaluated (degrees above fall back to the control polygon's size).
constexpr int DegreMax = 15;

double DistanceSegment(Pt2 p, Pt2 a, Pt2 b)
{
    const double ux = b.x - a.x, uy = b.y - a.y;
    const double l2 = ux * ux + uy * uy;
    double t = l2 > 0.0 ? ((p.x - a.x) * ux + (p.y - a.y) * uy) / l2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * ux), p.y - (a.y + t * uy));
}

// Adaptive halving of a parameter interval until the curve stays within the chord error
// at the quarter, half and three-quarter parameters. `f` gives mapped points.
template <class Courbe>
class Subdivision {
public:
    Subdivision(std::vector<Pt2>& sortie, const Courbe& f, double erreur, int& budget)
        : m_sortie(sortie), m_f(f), m_erreur(erreur), m_budget(budget)
    {
    }

    /// Appends the points after p0 up to p1 (p1 appended as given).
    void Intervalle(double t0, Pt2 p0, double t1, Pt2 p1)
    {
        Moitie(t0, p0, t1, p1, m_f(0.5 * (t0 + t1)), 0);
    }

private:
    void Moitie(double t0, Pt2 p0, double t1, Pt2 p1, Pt2 milieu, int profondeur)
    {
        const double h = t1 - t0;
        const Pt2 q1 = m_f(t0 + 0.25 * h);
        const Pt2 q3 = m_f(t0 + 0.75 * h);
        const double ecart = std::max({DistanceSegment(milieu, p0, p1), DistanceSegment(q1, p0, p1),
                                       DistanceSegment(q3, p0, p1)});
        if (!(ecart > m_erreur) || profondeur >= ProfondeurMax || m_budget <= 0) {
            m_sortie.push_back(p1);
            --m_budget;
            return;
        }
        const double tm = t0 + 0.5 * h;
        Moitie(t0, p0, tm, milieu, q1, profondeur + 1);
        Moitie(tm, milieu, t1, p1, q3, profondeur + 1);
    }

    std::vector<Pt2>& m_sortie;
    const Courbe& m_f;
    double m_erreur;
    int& m_budget; ///< chords left for the whole curve
};

template <class Courbe>
Subdivision<Courbe> FaireSubdivision(std::vector<Pt2>& sortie, const Courbe& f, double erreur, int& budget)
{
    return Subdivision<Courbe>(sortie, f, erreur, budget);
}

// Point of a NURBS curve by de Boor's algorithm on weighted coordinates.
class EvaluateurNurbs {
public:
    EvaluateurNurbs(const Nurbs& courbe, std::vector<double>& noeudsUniformes)
        : m_controle(courbe.controle)
    {
        const int n = int(m_controle.size());
        m_p = std::clamp(courbe.degre, 1, std::min(n - 1, DegreMax));
        m_noeuds = courbe.noeuds;
        if (!NoeudsValables(m_noeuds, n, m_p)) {
            noeudsUniformes.assign(size_t(n + m_p + 1), 0.0);
            for (int i = 0; i < int(noeudsUniformes.size()); ++i)
                noeudsUniformes[size_t(i)] = double(std::clamp(i - m_p, 0, n - m_p));
            m_noeuds = noeudsUniformes;
        }
        const bool poidsValables = courbe.poids.size() == m_controle.size()
            && std::all_of(courbe.poids.begin(), courbe.poids.end(),
                           [](double w) { return std::isfinite(w) && w > 0.0; });
        if (poidsValables)
            m_poids = courbe.poids;
    }

    int Degre() const { return m_p; }
    int NombreControle() const { return int(m_controle.size()); }
    double Noeud(int i) const { return m_noeuds[size_t(i)]; }

    /// Point at parameter t of the knot span k (Noeud(k) <= t <= Noeud(k + 1)).
    Pt2 Point(double t, int k) const
    {
        double x[DegreMax + 1], y[DegreMax + 1], w[DegreMax + 1];
        for (int j = 0; j <= m_p; ++j) {
            const size_t i = size_t(k - m_p + j);
            const double wi = m_poids.empty() ? 1.0 : m_poids[i];
            x[j] = m_controle[i].x * wi;
            y[j] = m_controle[i].y * wi;
            w[j] = wi;
        }
        for (int r = 1; r <= m_p; ++r) {
            for (int j = m_p; j >= r; --j) {
                const int i = j + k - m_p;
                const double den = Noeud(j + 1 + k - r) - Noeud(i);
                const double alpha = den > 0.0 ? (t - Noeud(i)) / den : 0.0;
                x[j] = (1.0 - alpha) * x[j - 1] + alpha * x[j];
                y[j] = (1.0 - alpha) * y[j - 1] + alpha * y[j];
                w[j] = (1.0 - alpha) * w[j - 1] + alpha * w[j];
            }
        }
        return {x[m_p] / w[m_p], y[m_p] / w[m_p]};
    }

private:
    static bool NoeudsValables(std::span<const double> u, int n, int p)
    {
        if (int(u.size()) != n + p + 1)
            return false;
        for (size_t i = 0; i < u.size(); ++i)
            if (!std::isfinite(u[i]) || (i > 0 && u[i] < u[i - 1]))
                return false;
        return u[size_t(p)] < u[size_t(n)];
    }

    std::span<const Pt2> m_controle;
    std::span<const double> m_noeuds;
    std::span<const double> m_poids;
    int m_p = 1;
};

// Second derivatives of the C2 cubic through `y` at parameters `t` (tridiagonal system),
// free ends (zero second derivative) unless a tangent is given.
std::vector<Pt2> DeriveesSecondes(const std::vector<Pt2>& y, const std::vector<double>& t,
                                  std::optional<Pt2> d0, std::optional<Pt2> dn)
{
    const size_t n = y.size() - 1;
    std::vector<double> a(n + 1, 0.0), b(n + 1, 1.0), c(n + 1, 0.0);
    std::vector<Pt2> r(n + 1);
    auto pente = [&](size_t i) {
        const double h = t[i + 1] - t[i];
        return Pt2{(y[i + 1].x - y[i].x) / h, (y[i + 1].y - y[i].y) / h};
    };
    if (d0) {
        const double h = t[1] - t[0];
        const Pt2 s = pente(0);
        b[0] = 2.0 * h;
        c[0] = h;
        r[0] = {6.0 * (s.x - d0->x), 6.0 * (s.y - d0->y)};
    }
    for (size_t i = 1; i < n; ++i) {
        a[i] = t[i] - t[i - 1];
        c[i] = t[i + 1] - t[i];
        b[i] = 2.0 * (a[i] + c[i]);
        const Pt2 s1 = pente(i), s0 = pente(i - 1);
        r[i] = {6.0 * (s1.x - s0.x), 6.0 * (s1.y - s0.y)};
    }
    if (dn) {
        const double h = t[n] - t[n - 1];
        const Pt2 s = pente(n - 1);
        a[n] = h;
        b[n] = 2.0 * h;
        r[n] = {6.0 * (dn->x - s.x), 6.0 * (dn->y - s.y)};
    }
    // Thomas algorithm: forward elimination, then back substitution.
    for (size_t i = 1; i <= n; ++i) {
        const double m = a[i] / b[i - 1];
        b[i] -= m * c[i - 1];
        r[i].x -= m * r[i - 1].x;
        r[i].y -= m * r[i - 1].y;
    }
    std::vector<Pt2> M(n + 1);
    M[n] = {r[n].x / b[n], r[n].y / b[n]};
    for (size_t i = n; i-- > 0;)
        M[i] = {(r[i].x - c[i] * M[i + 1].x) / b[i], (r[i].y - c[i] * M[i + 1].y) / b[i]};
    return M;
}

// The chords one curve may take beyond one per interval: the cap per curve, within what the
// file has left.
int BudgetCourbe(const Finesse& finesse)
{
    return int(std::clamp<long long>(finesse.reste, 0, tol::SegmentsMaxParCourbe));
}

std::optional<Pt2> Unitaire(std::optional<Pt2> v)
{
    if (!v)
        return std::nullopt;
    const double l = std::hypot(v->x, v->y);
    if (!(l > 0.0) || !std::isfinite(l))
        return std::nullopt;
    return Pt2{v->x / l, v->y / l};
}

} // namespace

Affine2 Affine2::Apres(const Affine2& m) const
{
    return {a * m.a + b * m.c, a * m.b + b * m.d, c * m.a + d * m.c, c * m.b + d * m.d,
            a * m.tx + b * m.ty + tx, c * m.tx + d * m.ty + ty};
}

double Affine2::EchelleMax() const
{
    const double s = a * a + b * b + c * c + d * d;
    const double det = a * d - b * c;
    const double disc = std::max(0.0, s * s - 4.0 * det * det);
    return std::sqrt(0.5 * (s + std::sqrt(disc)));
}

Affine2 Affine2::Rotation(double angle)
{
    const double co = std::cos(angle), si = std::sin(angle);
    return {co, -si, si, co, 0.0, 0.0};
}

double Distance(Pt2 p, Pt2 q)
{
    return std::hypot(p.x - q.x, p.y - q.y);
}

double ErreurCordeDessin(double etendue)
{
    const double relative = etendue * tol::ErreurCordeRelative;
    return std::isfinite(relative) ? std::max(tol::ErreurCorde, relative) : tol::ErreurCorde;
}

int SegmentsArc(double rayon, double balayage, double erreur, long long plafond)
{
    const double angle = std::abs(balayage);
    if (!(rayon > 0.0) || !std::isfinite(rayon) || !std::isfinite(angle) || !(erreur > 0.0))
        return 1;
    const double pasMax = std::numbers::pi / 4.0;
    const double minimum = std::max(1.0, std::ceil(angle / pasMax - 1e-9));
    const double maximum = std::max(minimum, double(std::min<long long>(plafond, tol::SegmentsMaxParCourbe)));
    const double pas = std::min(pasMax, 2.0 * std::acos(std::max(-1.0, 1.0 - erreur / rayon)));
    if (!(pas > 0.0))
        return int(maximum);
    return int(std::clamp(std::ceil(angle / pas - 1e-9), minimum, maximum));
}

void AjouterEllipse(std::vector<Pt2>& sortie, const Affine2& T, Pt2 centre, Pt2 u, Pt2 v, double t0,
                    double balayage, Finesse& finesse)
{
    const Affine2 L = T.Apres(Affine2{u.x, v.x, u.y, v.y, centre.x, centre.y});
    const int n = SegmentsArc(L.EchelleMax(), balayage, finesse.erreur, finesse.reste);
    finesse.reste -= n;
    for (int i = 0; i <= n; ++i) {
        const double t = t0 + balayage * double(i) / double(n);
        sortie.push_back(L({std::cos(t), std::sin(t)}));
    }
}

void AjouterBulge(std::vector<Pt2>& sortie, const Affine2& T, Pt2 p1, Pt2 p2, double bulge, Finesse& finesse)
{
    const double dx = p2.x - p1.x, dy = p2.y - p1.y;
    const double corde = std::hypot(dx, dy);
    if (!std::isfinite(bulge) || std::abs(bulge) < 1e-9 || !(corde > 0.0)) {
        sortie.push_back(T(p2));
        return;
    }
    const double angle = 4.0 * std::atan(bulge);
    const double rayon = corde * (1.0 + bulge * bulge) / (4.0 * std::abs(bulge));
    const double decalage = 0.5 * corde * (1.0 - bulge * bulge) / (2.0 * bulge);
    const Pt2 centre{0.5 * (p1.x + p2.x) - dy / corde * decalage, 0.5 * (p1.y + p2.y) + dx / corde * decalage};
    const double a0 = std::atan2(p1.y - centre.y, p1.x - centre.x);
    const int n = SegmentsArc(rayon * T.EchelleMax(), angle, finesse.erreur, finesse.reste);
    finesse.reste -= n;
    for (int i = 1; i < n; ++i) {
        const double t = a0 + angle * double(i) / double(n);
        sortie.push_back(T({centre.x + rayon * std::cos(t), centre.y + rayon * std::sin(t)}));
    }
    sortie.push_back(T(p2));
}

void AjouterNurbs(std::vector<Pt2>& sortie, const Affine2& T, const Nurbs& courbe, Finesse& finesse)
{
    if (courbe.controle.size() < 2)
        return;
    std::vector<double> noeudsUniformes;
    const EvaluateurNurbs nurbs(courbe, noeudsUniformes);
    const int p = nurbs.Degre();
    const int n = nurbs.NombreControle();
    int premier = p;
    while (!(nurbs.Noeud(premier + 1) > nurbs.Noeud(premier)))
        ++premier;
    sortie.push_back(T(nurbs.Point(nurbs.Noeud(premier), premier)));
    const size_t avant = sortie.size();
    int budget = BudgetCourbe(finesse);
    for (int k = premier; k < n; ++k) {
        const double t0 = nurbs.Noeud(k), t1 = nurbs.Noeud(k + 1);
        if (!(t1 > t0))
            continue;
        const auto f = [&](double t) { return T(nurbs.Point(t, k)); };
        FaireSubdivision(sortie, f, finesse.erreur, budget).Intervalle(t0, sortie.back(), t1, f(t1));
    }
    finesse.reste -= static_cast<long long>(sortie.size() - avant);
}

void AjouterSplinePassage(std::vector<Pt2>& sortie, const Affine2& T, std::span<const Pt2> passage,
                          std::optional<Pt2> tangenteDebut, std::optional<Pt2> tangenteFin, Finesse& finesse)
{
    // Distinct consecutive points and their cumulated chord lengths.
    std::vector<Pt2> y;
    std::vector<double> t;
    for (const Pt2& q : passage) {
        const double l = y.empty() ? 0.0 : Distance(q, y.back());
        if (!y.empty() && !(l > 0.0))
            continue;
        t.push_back(y.empty() ? 0.0 : t.back() + l);
        y.push_back(q);
    }
    if (y.size() < 2) {
        if (!y.empty())
            sortie.push_back(T(y.front()));
        return;
    }
    const std::vector<Pt2> M = DeriveesSecondes(y, t, Unitaire(tangenteDebut), Unitaire(tangenteFin));
    sortie.push_back(T(y.front()));
    const size_t avant = sortie.size();
    int budget = BudgetCourbe(finesse);
    for (size_t i = 0; i + 1 < y.size(); ++i) {
        const double h = t[i + 1] - t[i];
        const auto f = [&](double s) {
            const double g = t[i + 1] - s, d = s - t[i];
            const auto c = [&](double mi, double mj, double yi, double yj) {
                return (mi * g * g * g + mj * d * d * d) / (6.0 * h) + (yi / h - mi * h / 6.0) * g
                    + (yj / h - mj * h / 6.0) * d;
            };
            return T({c(M[i].x, M[i + 1].x, y[i].x, y[i + 1].x), c(M[i].y, M[i + 1].y, y[i].y, y[i + 1].y)});
        };
        FaireSubdivision(sortie, f, finesse.erreur, budget).Intervalle(t[i], sortie.back(), t[i + 1], T(y[i + 1]));
    }
    finesse.reste -= static_cast<long long>(sortie.size() - avant);
}

} // namespace galbix::courbes
