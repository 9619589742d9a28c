#include "files/Simplification.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace galbix {

namespace {

// Safety margins of the shortcut, far above the rounding of the literal test, so that a
// window certified by the shortcut always passes the literal test too.
constexpr double MargeRelativeTolerance = 1e-7;
constexpr double MargeRelativeEchelle = 1e-11;
// Rounding of the literal test grows with the chord's length; beyond this ratio to the
// margin the chord is tested literally.
constexpr double MargeRelativeCorde = 1e-13;

// The literal test: is record k within tolerance of the chord from a to b?
template <class P>
bool DansTolerance(const P& a, const P& b, const P& k, double t2)
{
    const double xa = a.X, ya = a.Y, xk = k.X, yk = k.Y;
    const double dx = double(b.X) - xa, dy = double(b.Y) - ya;
    const double l2 = dx * dx + dy * dy;
    if (l2 <= t2) {
        const double ex = xk - xa, ey = yk - ya;
        return ex * ex + ey * ey <= t2;
    }
    double u = ((xk - xa) * dx + (yk - ya) * dy) / l2;
    if (u < 0.0)
        u = 0.0;
    else if (u > 1.0)
        u = 1.0;
    const double ex = xa + u * dx - xk, ey = ya + u * dy - yk;
    return ex * ex + ey * ey <= t2;
}

// Boxes around runs of consecutive records, each one turned along its run (from its first
// record to its last), in a binary tree over the whole contour: a run whose box lies well inside
// the tolerance band of a chord passes without testing its records one by one. A window that the
// cone of Faisceau cannot certify (a contour turning back within the band, a cluster of records
// around the window's end) then costs about the records near the band's edge, not every record
// skipped; a straight run is one thin box at every level of the tree.
class ArbreBoites {
public:
    template <class P>
    explicit ArbreBoites(const std::vector<P>& pts) : m_n(pts.size())
    {
        while (m_feuilles * ParFeuille < pts.size())
            m_feuilles *= 2;
        m_boites.assign(2 * m_feuilles, Boite{});
        for (size_t f = 0; f < m_feuilles && f * ParFeuille < m_n; ++f) {
            const size_t debut = f * ParFeuille, fin = std::min(m_n, debut + ParFeuille);
            Boite& b = m_boites[m_feuilles + f];
            b.Orienter(pts[debut].X, pts[debut].Y, pts[fin - 1].X, pts[fin - 1].Y);
            for (size_t i = debut; i < fin; ++i)
                b.Ajouter(pts[i].X, pts[i].Y);
            b.Arrondir();
        }
        for (size_t n = m_feuilles; n-- > 1;) {
            const size_t largeur = ParFeuille * (size_t(1) << (std::bit_width(m_feuilles) - std::bit_width(n)));
            const size_t debut = (n * largeur) - m_feuilles * ParFeuille;
            if (debut >= m_n)
                continue;
            const size_t fin = std::min(m_n, debut + largeur);
            Boite& b = m_boites[n];
            b.Orienter(pts[debut].X, pts[debut].Y, pts[fin - 1].X, pts[fin - 1].Y);
            for (const Boite* enfant : {&m_boites[2 * n], &m_boites[2 * n + 1]}) {
                if (enfant->vide)
                    continue;
                b.douteuse = b.douteuse || enfant->douteuse;
                for (int k = 0; k < 4; ++k)
                    b.Ajouter(enfant->cx[k], enfant->cy[k]);
            }
            b.Arrondir();
        }
    }

    // The literal test of every record strictly between a and a + m against the chord from a
    // to a + m (longer than the tolerance), records certified by their box excepted.
    template <class P>
    bool TousDansTolerance(const std::vector<P>& pts, size_t a, size_t m, double t, double t2) const
    {
        const Corde c{a, a + m, pts[a].X, pts[a].Y, pts[a + m].X, pts[a + m].Y, t, t2};
        return Parcourir(pts, c, 1, 0, m_feuilles * ParFeuille, a + 1, a + m);
    }

private:
    static constexpr size_t ParFeuille = 16;

    struct Corde {
        size_t a, b;
        double xa, ya, xb, yb, t, t2;
        double dx = xb - xa, dy = yb - ya, l2 = dx * dx + dy * dy;
        double ampleur = std::max({std::fabs(xa), std::fabs(ya), std::fabs(xb), std::fabs(yb)});
    };

    // Records within [s0, s1] along the unit direction (ux, uy) from (ox, oy) and within
    // [p0, p1] along its normal.
    struct Boite {
        double ox = 0, oy = 0, ux = 1, uy = 0;
        double s0 = INFINITY, s1 = -INFINITY, p0 = INFINITY, p1 = -INFINITY;
        bool douteuse = false; ///< holds a NaN or an infinity: never certified
        bool vide = true;

        void Orienter(double x0, double y0, double x1, double y1)
        {
            ox = x0, oy = y0;
            const double dx = x1 - x0, dy = y1 - y0, l = std::hypot(dx, dy);
            if (l > 0.0 && std::isfinite(l))
                ux = dx / l, uy = dy / l;
        }
        void Ajouter(double x, double y)
        {
            const double s = (x - ox) * ux + (y - oy) * uy, p = (y - oy) * ux - (x - ox) * uy;
            if (!std::isfinite(s) || !std::isfinite(p))
                douteuse = true;
            s0 = std::min(s0, s), s1 = std::max(s1, s), p0 = std::min(p0, p), p1 = std::max(p1, p);
            vide = false;
        }
        // Widens the box by far more than the rounding of the projections, so that it holds
        // its records for certain, then keeps its corners and their largest coordinate.
        void Arrondir()
        {
            const double e = 1e-12 * (std::fabs(ox) + std::fabs(oy) + std::fabs(s0) + std::fabs(s1) + std::fabs(p0)
                                      + std::fabs(p1));
            s0 -= e, s1 += e, p0 -= e, p1 += e;
            for (int k = 0; k < 4; ++k) {
                cx[k] = ox + ((k & 1) ? s1 : s0) * ux - ((k & 2) ? p1 : p0) * uy;
                cy[k] = oy + ((k & 1) ? s1 : s0) * uy + ((k & 2) ? p1 : p0) * ux;
                ampleur = std::max({ampleur, std::fabs(cx[k]), std::fabs(cy[k])});
            }
            if (!std::isfinite(ampleur))
                douteuse = true;
        }
        double cx[4] = {}, cy[4] = {};
        double ampleur = 0.0;
    };

    // Squared distance from (x, y) to the chord, computed as the literal test does.
    static double Distance2(const Corde& c, double x, double y)
    {
        const double u = std::clamp(((x - c.xa) * c.dx + (y - c.ya) * c.dy) / c.l2, 0.0, 1.0);
        const double ex = c.xa + u * c.dx - x, ey = c.ya + u * c.dy - y;
        return ex * ex + ey * ey;
    }

    // True when every point of the box lies within the tolerance of the chord by a margin far
    // above the rounding of the literal test: the band around a segment is convex, so the box's
    // corners suffice.
    static bool Certifiee(const Boite& b, const Corde& c)
    {
        if (b.douteuse || b.vide)
            return false;
        const double echelle = std::max(c.ampleur, b.ampleur);
        const double reste = c.t - 2.0 * (MargeRelativeTolerance * c.t + MargeRelativeEchelle * echelle);
        if (!(reste > 0.0))
            return false;
        const double r2 = reste * reste;
        for (int k = 0; k < 4; ++k)
            if (!(Distance2(c, b.cx[k], b.cy[k]) <= r2))
                return false;
        return true;
    }

    // Node n covers records [debut, fin); the records asked for are [bas, haut). Newer records
    // first: a failure is usually found at the window's end.
    template <class P>
    bool Parcourir(const std::vector<P>& pts, const Corde& c, size_t n, size_t debut, size_t fin, size_t bas,
                   size_t haut) const
    {
        if (fin <= bas || haut <= debut)
            return true;
        if (bas <= debut && fin <= haut && Certifiee(m_boites[n], c))
            return true;
        if (n >= m_feuilles) {
            for (size_t k = std::min(fin, haut); k-- > std::max(debut, bas);)
                if (!DansTolerance(pts[c.a], pts[c.b], pts[k], c.t2))
                    return false;
            return true;
        }
        const size_t milieu = debut + (fin - debut) / 2;
        return Parcourir(pts, c, 2 * n + 1, milieu, fin, bas, haut) && Parcourir(pts, c, 2 * n, debut, milieu, bas, haut);
    }

    size_t m_n;
    size_t m_feuilles = 1;
    std::vector<Boite> m_boites;
};

struct Vecteur {
    double x = 0.0, y = 0.0;
};

double Vectoriel(Vecteur a, Vecteur b)
{
    return a.x * b.y - a.y * b.x;
}

// True when direction d lies in the cone from `bas` to `haut` (counter-clockwise, narrower
// than a half-turn).
bool DansCone(Vecteur bas, Vecteur haut, Vecteur d)
{
    return Vectoriel(bas, d) >= 0.0 && Vectoriel(d, haut) >= 0.0 && d.x * (bas.x + haut.x) + d.y * (bas.y + haut.y) > 0.0;
}

// What the records skipped so far allow, seen from the anchor: their largest squared
// distance to it (exact, for very short chords) and the cone of chord directions that
// certainly pass within the tolerance of every one of them (with a safety margin).
class Faisceau {
public:
    Faisceau(double xa, double ya, double t)
        : m_xa(xa), m_ya(ya), m_t(t),
          m_marge(MargeRelativeTolerance * t + MargeRelativeEchelle * (std::fabs(xa) + std::fabs(ya)))
    {
    }

    void Ajouter(double xk, double yk)
    {
        const double ex = xk - m_xa, ey = yk - m_ya;
        const double n2 = ex * ex + ey * ey;
        if (std::isnan(n2))
            m_invalide = true;
        m_max2 = std::max(m_max2, n2);
        const double n = std::sqrt(n2);
        const double marge = m_marge + MargeRelativeEchelle * n;
        if (n <= m_t - marge)
            return; // near the anchor: within tolerance of any chord starting there
        m_maxLoin = std::max(m_maxLoin, n);
        // Directions whose line passes within t - marge of the record: its own direction
        // turned by at most asin((t - marge) / n) either way.
        const double s = (m_t - marge) / n;
        if (!(s > 0.0) || m_vide) {
            m_vide = true;
            return;
        }
        const double c = std::sqrt(1.0 - std::min(s * s, 1.0));
        const Vecteur u{ex / n, ey / n};
        const Vecteur bas{u.x * c + u.y * s, u.y * c - u.x * s};
        const Vecteur haut{u.x * c - u.y * s, u.y * c + u.x * s};
        if (!m_loin) {
            m_loin = true;
            m_bas = bas;
            m_haut = haut;
            return;
        }
        // Intersection of two cones narrower than a half-turn: each bound is the one that
        // lies inside the other cone.
        const bool basDedans = DansCone(m_bas, m_haut, bas), ancienBasDedans = DansCone(bas, haut, m_bas);
        const bool hautDedans = DansCone(m_bas, m_haut, haut), ancienHautDedans = DansCone(bas, haut, m_haut);
        if ((!basDedans && !ancienBasDedans) || (!hautDedans && !ancienHautDedans)) {
            m_vide = true;
            return;
        }
        if (basDedans)
            m_bas = bas;
        if (hautDedans)
            m_haut = haut;
        if (Vectoriel(m_bas, m_haut) < 0.0)
            m_vide = true;
    }

    // Answer of the literal test for a very short chord (l2 <= t2).
    bool CourteDansTolerance(double t2) const { return !m_invalide && m_max2 <= t2; }

    // True when the chord (dx, dy), longer than the tolerance, certainly passes.
    bool Certifie(double dx, double dy, double l2) const
    {
        if (m_invalide || m_vide)
            return false;
        const double l = std::sqrt(l2);
        if (!(l * MargeRelativeCorde <= m_marge))
            return false; // a chord so long that rounding could matter: test literally
        if (!m_loin)
            return true;
        // A record no farther from the anchor than the chord's end does not project beyond it
        // by more than rounding, far below what the margin leaves. (A stricter bound here sent
        // every chord just past the end of a long straight edge to the literal test: quadratic
        // on densely sampled edges.)
        if (!(m_maxLoin <= l * (1.0 + 1e-12)))
            return false; // some record may project beyond the chord's end
        return DansCone(m_bas, m_haut, {dx, dy});
    }

private:
    double m_xa, m_ya, m_t, m_marge;
    double m_max2 = 0.0;
    double m_maxLoin = 0.0;
    bool m_invalide = false;
    bool m_loin = false;
    bool m_vide = false;
    Vecteur m_bas, m_haut;
};

template <class P>
std::vector<int32_t> Conserves(const std::vector<P>& pts, float tolerance)
{
    std::vector<int32_t> garde;
    if (pts.size() < 4) {
        for (size_t i = 0; i < pts.size(); ++i)
            garde.push_back(int32_t(i));
        return garde;
    }
    const size_t u = pts.size() - 1;
    const double t2 = double(tolerance) * double(tolerance);
    const double t = std::fabs(double(tolerance));
    const ArbreBoites arbre(pts);
    garde.push_back(0);
    size_t a = 0;
    while (a + 2 <= u) {
        Faisceau faisceau(pts[a].X, pts[a].Y, t);
        size_t m = 1;
        bool tous = true;
        do {
            ++m;
            faisceau.Ajouter(pts[a + m - 1].X, pts[a + m - 1].Y);
            const double dx = double(pts[a + m].X) - double(pts[a].X);
            const double dy = double(pts[a + m].Y) - double(pts[a].Y);
            const double l2 = dx * dx + dy * dy;
            if (l2 <= t2)
                tous = faisceau.CourteDansTolerance(t2);
            else
                tous = faisceau.Certifie(dx, dy, l2) || arbre.TousDansTolerance(pts, a, m, t, t2);
        } while (a + m + 1 <= u && tous);
        a += m - 1;
        if (!tous)
            garde.push_back(int32_t(a));
    }
    garde.push_back(int32_t(u));
    return garde;
}

} // namespace

float ToleranceDeContour(float xmin, float xmax, float ymin, float ymax)
{
    const double largeur = std::fabs(double(xmax) - double(xmin));
    const double hauteur = std::fabs(double(ymax) - double(ymin));
    return float((hauteur > largeur ? hauteur : largeur) / double(DiviseurTolerance));
}

std::vector<int32_t> IndicesConserves(const std::vector<PointFichier>& points, float tolerance)
{
    return Conserves(points, tolerance);
}

std::vector<int32_t> IndicesConserves(const std::vector<PointProfil>& points, float tolerance)
{
    return Conserves(points, tolerance);
}

int32_t SimplifierContour(std::vector<PointFichier>& tampon, float tolerance)
{
    const std::vector<int32_t> garde = Conserves(tampon, tolerance);
    // Kept indices only grow and never fall behind their position: an in-place forward copy.
    for (size_t j = 0; j < garde.size(); ++j)
        tampon[j] = tampon[size_t(garde[j])];
    tampon.resize(garde.size());
    return int32_t(tampon.size());
}

} // namespace galbix
