#include "geomlib/Chainage.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace galbix::chainage {

namespace {

using courbes::Distance;
using courbes::Pt2;

constexpr uint32_t Aucun = UINT32_MAX;

// End points of the open pieces, grouped by place. A place with no other place within the
// tolerance is "isolated": its nearest unused end point is the first unused one of its own
// group, found without any search. The other places are filed by grid cell in an
// open-addressing hash table. Cells are twice the tolerance wide, so that the points within the
// tolerance of a point lie in at most four cells. Within a group, end points are kept in
// increasing order: a search looks at each place once, however many pieces meet there. End
// point e is end (e & 1) of piece e / 2: 0 its first point, 1 its last.
class GrilleExtremites {
public:
    GrilleExtremites(const std::vector<Pt2>& points, const std::vector<Trace>& traces, double tolerance)
        : m_tolerance(tolerance > 0.0 ? tolerance : 1e-9), m_cellule(2.0 * m_tolerance), m_points(2 * traces.size()),
          m_groupeDe(2 * traces.size(), Aucun)
    {
        for (size_t e = 0; e < m_points.size(); ++e) {
            const Trace& t = traces[e / 2];
            m_points[e] = points[(e & 1) ? t.debut + t.nombre - 1 : t.debut];
            m_toutFini = m_toutFini && std::isfinite(m_points[e].x) && std::isfinite(m_points[e].y);
        }
        Classer(traces);
    }

    Pt2 Point(uint32_t e) const { return m_points[e]; }

    /// True when every end point is finite (so is every chord).
    bool ToutFini() const { return m_toutFini; }

    /// True when end points a and b lie at two places known to be more than the tolerance apart.
    bool Distinctes(uint32_t a, uint32_t b) const
    {
        const uint32_t ga = m_groupeDe[a], gb = m_groupeDe[b];
        return ga != Aucun && gb != Aucun && ga != gb && m_groupes[ga].isole;
    }

    /// Nearest end point within the tolerance of end point `e`'s place whose piece is unused
    /// (smallest number on ties), or Aucun.
    uint32_t PlusProcheDe(uint32_t e, const std::vector<char>& utilise)
    {
        const uint32_t g = m_groupeDe[e];
        if (g == Aucun || !m_groupes[g].isole)
            return PlusProche(m_points[e], utilise);
        Groupe& groupe = m_groupes[g];
        while (groupe.courant < groupe.fin && utilise[m_membres[groupe.courant] / 2])
            ++groupe.courant;
        return groupe.courant < groupe.fin ? m_membres[groupe.courant] : Aucun;
    }

    /// Nearest end point within the tolerance of `p` whose piece is unused (smallest number on
    /// ties), or Aucun. End points of used pieces are passed over for good on the way.
    uint32_t PlusProche(Pt2 p, const std::vector<char>& utilise)
    {
        // The point's own cell first: an exact match there ends the search.
        const Cle propre = Cellule(p);
        Cle cellules[4] = {propre};
        int n = 1;
        for (const int64_t x : {Indice(p.x - m_tolerance), Indice(p.x + m_tolerance)})
            for (const int64_t y : {Indice(p.y - m_tolerance), Indice(p.y + m_tolerance)})
                if (n < 4 && std::find(cellules, cellules + n, Cle{x, y}) == cellules + n)
                    cellules[n++] = {x, y};
        uint32_t meilleur = Aucun;
        double meilleureDistance = m_tolerance * m_tolerance;
        for (int k = 0; k < n; ++k) {
            Case* c = &Trouver(cellules[k], false);
            for (uint32_t* lien = &c->tete; *lien != Aucun;) {
                Groupe& g = m_groupes[*lien];
                while (g.courant < g.fin && utilise[m_membres[g.courant] / 2])
                    ++g.courant;
                if (g.courant == g.fin) {
                    *lien = g.suivant; // every piece of this place is used
                    continue;
                }
                const uint32_t e = m_membres[g.courant];
                const Pt2 q = g.p;
                const double d2 = (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y);
                if (d2 < meilleureDistance || (d2 == meilleureDistance && e < meilleur)) {
                    meilleur = e;
                    meilleureDistance = d2;
                }
                lien = &g.suivant;
            }
            if (k == 0 && meilleur != Aucun && meilleureDistance == 0.0)
                break;
        }
        return meilleur;
    }

private:
    struct Cle {
        int64_t x = 0, y = 0;
        bool operator==(const Cle&) const = default;
    };
    struct Case {
        Cle cle;
        uint32_t tete = Aucun; ///< first group of the cell
        bool occupee = false;
    };
    /// End points at one place: m_membres[courant..fin) are the ones not yet known used.
    struct Groupe {
        Pt2 p;
        uint32_t courant = 0, fin = 0;
        uint32_t suivant = Aucun; ///< next group of the same cell
        bool isole = false;       ///< no other place within the tolerance
    };

    /// A key whose unsigned order is the numeric order of the doubles (-0 just before +0).
    static uint64_t Ordre(double v)
    {
        const uint64_t b = std::bit_cast<uint64_t>(v);
        return (b >> 63) ? ~b : b | (uint64_t(1) << 63);
    }

    // Sorts the open end points by place and number, groups each place's end points, tells the
    // isolated places, then files the other places in their cells.
    void Classer(const std::vector<Trace>& traces)
    {
        struct Entree {
            uint64_t x, y;
            uint32_t e;
            auto operator<=>(const Entree&) const = default;
        };
        std::vector<Entree> entrees;
        entrees.reserve(m_points.size());
        for (size_t e = 0; e < m_points.size(); ++e)
            if (!traces[e / 2].ferme)
                entrees.push_back({Ordre(m_points[e].x), Ordre(m_points[e].y), uint32_t(e)});
        std::sort(entrees.begin(), entrees.end());
        m_membres.resize(entrees.size());
        m_groupes.reserve(entrees.size() / 2 + 1);
        for (size_t i = 0; i < entrees.size(); ++i) {
            m_membres[i] = entrees[i].e;
            if (i == 0 || entrees[i].x != entrees[i - 1].x || entrees[i].y != entrees[i - 1].y)
                m_groupes.push_back({m_points[entrees[i].e], uint32_t(i), uint32_t(i), Aucun});
            m_groupes.back().fin = uint32_t(i + 1);
            m_groupeDe[entrees[i].e] = uint32_t(m_groupes.size() - 1);
        }
        std::vector<Entree>().swap(entrees);
        Colonnes();
        size_t voisines = 0;
        for (size_t g = 0; g < m_groupes.size(); ++g)
            voisines += (m_groupes[g].isole = Isole(g)) ? 0 : 1;
        std::vector<uint32_t>().swap(m_debutColonne);
        std::vector<uint32_t>().swap(m_finColonne);
        const size_t capacite = std::bit_ceil(2 * voisines + 16);
        m_cases.resize(capacite);
        m_masque = capacite - 1;
        // Linked from the last so that each cell lists its groups in order.
        for (size_t g = m_groupes.size(); g-- > 0;) {
            if (m_groupes[g].isole)
                continue;
            Case& c = Trouver(Cellule(m_groupes[g].p), true);
            m_groupes[g].suivant = c.tete;
            c.tete = uint32_t(g);
        }
    }

    // True when no other place lies within the tolerance of group g's place. The groups are in
    // increasing x, then y: a place's own column (same x) is looked at through its two
    // neighbours, the columns within the tolerance in x by a binary search on y. Past a few
    // columns, or with a place of another column in the tolerance band of y, the place is taken
    // as not isolated, which only costs a search.
    bool Isole(size_t g) const
    {
        constexpr int ColonnesMax = 8;
        const Pt2 p = m_groupes[g].p;
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            return false;
        auto proche = [&](size_t h) {
            const Pt2 q = m_groupes[h].p;
            return (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y) <= m_tolerance * m_tolerance;
        };
        if ((g > m_debutColonne[g] && proche(g - 1)) || (g + 1 < m_finColonne[g] && proche(g + 1)))
            return false;
        const uint64_t bas = Ordre(p.y - m_tolerance), haut = Ordre(p.y + m_tolerance);
        auto bande = [&](size_t debut, size_t fin) {
            const auto h = std::partition_point(m_groupes.begin() + ptrdiff_t(debut), m_groupes.begin() + ptrdiff_t(fin),
                                                [&](const Groupe& q) { return Ordre(q.p.y) < bas; });
            return h != m_groupes.begin() + ptrdiff_t(fin) && Ordre(h->p.y) <= haut;
        };
        int colonnes = 0;
        for (size_t c = m_finColonne[g]; c < m_groupes.size() && !(m_groupes[c].p.x - p.x > m_tolerance);
             c = m_finColonne[c])
            if (++colonnes > ColonnesMax || bande(c, m_finColonne[c]))
                return false;
        for (size_t c = m_debutColonne[g]; c-- > 0 && !(p.x - m_groupes[c].p.x > m_tolerance);
             c = m_debutColonne[c])
            if (++colonnes > 2 * ColonnesMax || bande(m_debutColonne[c], c + 1))
                return false;
        return true;
    }

    // First and past-the-last group of each group's column (the groups with its very x).
    void Colonnes()
    {
        const size_t n = m_groupes.size();
        m_debutColonne.resize(n);
        m_finColonne.resize(n);
        for (size_t g = 0; g < n; ++g)
            m_debutColonne[g] = (g > 0 && MemeX(g - 1, g)) ? m_debutColonne[g - 1] : uint32_t(g);
        for (size_t g = n; g-- > 0;)
            m_finColonne[g] = (g + 1 < n && MemeX(g, g + 1)) ? m_finColonne[g + 1] : uint32_t(g + 1);
    }

    bool MemeX(size_t a, size_t b) const
    {
        return std::bit_cast<uint64_t>(m_groupes[a].p.x) == std::bit_cast<uint64_t>(m_groupes[b].p.x);
    }

    int64_t Indice(double v) const
    {
        double q = std::floor(v / m_cellule);
        if (!(q > -4e15)) // also catches NaN
            q = -4e15;
        if (q > 4e15)
            q = 4e15;
        return int64_t(q);
    }

    Cle Cellule(Pt2 p) const { return {Indice(p.x), Indice(p.y)}; }

    /// The case of a cell; with `creer`, the cell is added when missing, otherwise a missing
    /// cell gives an empty case.
    Case& Trouver(Cle c, bool creer)
    {
        uint64_t h = uint64_t(c.x) * 0x9E3779B97F4A7C15ULL ^ (uint64_t(c.y) + 0x632BE59BD9B4E019ULL);
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ULL;
        h ^= h >> 32;
        for (size_t i = size_t(h) & m_masque;; i = (i + 1) & m_masque) {
            Case& k = m_cases[i];
            if (!k.occupee) {
                if (!creer) {
                    m_vide = Case{};
                    return m_vide;
                }
                k.occupee = true;
                k.cle = c;
                return k;
            }
            if (k.cle == c)
                return k;
        }
    }

    double m_tolerance;
    double m_cellule;
    std::vector<Pt2> m_points;
    std::vector<uint32_t> m_groupeDe; ///< group of each end point, Aucun for closed pieces
    std::vector<uint32_t> m_membres;
    std::vector<uint32_t> m_debutColonne, m_finColonne; ///< while classing only
    std::vector<Groupe> m_groupes;
    std::vector<Case> m_cases;
    size_t m_masque = 0;
    Case m_vide;
    bool m_toutFini = true;
};

struct Morceau {
    uint32_t trace;
    bool inverse;
};

class Chaineur {
public:
    Chaineur(const std::vector<Pt2>& points, const std::vector<Trace>& traces, double tolerance)
        : m_points(points), m_traces(traces), m_tolerance(tolerance), m_grille(points, traces, tolerance),
          m_utilise(traces.size(), 0)
    {
    }

    std::vector<PointFichier> Contours()
    {
        m_sortie.reserve(m_points.size());
        for (uint32_t i = 0; i < uint32_t(m_traces.size()); ++i) {
            if (m_utilise[i])
                continue;
            m_utilise[i] = 1;
            if (m_traces[i].ferme) {
                m_chaine.assign(1, Morceau{i, false});
                Emettre(false);
            } else {
                Emettre(Chaine(i));
            }
            ++m_numero;
        }
        return std::move(m_sortie);
    }

private:
    // Grows the chain of piece i at its end, then at its start; true when it closes.
    bool Chaine(uint32_t i)
    {
        m_avant.clear();
        m_apres.clear();
        const uint32_t debut = 2 * i;
        uint32_t fin = 2 * i + 1;
        bool boucle = false;
        double longueur = Corde(i);
        // A piece whose first point meets the end keeps its direction.
        for (uint32_t e; !boucle && (e = m_grille.PlusProcheDe(fin, m_utilise)) != Aucun;) {
            m_apres.push_back({e / 2, (e & 1) != 0});
            fin = e ^ 1;
            boucle = Boucle(longueur, e, fin, debut);
        }
        // A piece whose last point meets the start keeps its direction.
        uint32_t tete = debut;
        for (uint32_t e; !boucle && (e = m_grille.PlusProcheDe(tete, m_utilise)) != Aucun;) {
            m_avant.push_back({e / 2, (e & 1) == 0});
            tete = e ^ 1;
            boucle = Boucle(longueur, e, tete, fin);
        }
        m_chaine.assign(m_avant.rbegin(), m_avant.rend());
        m_chaine.push_back({i, false});
        m_chaine.insert(m_chaine.end(), m_apres.begin(), m_apres.end());
        return boucle;
    }

    // Marks the piece of end point e used and tells whether the chain now closes: its free end
    // meets its other end and the chords of its pieces add up to a few tolerances, so that
    // pieces shorter than the tolerance never close a contour too early.
    bool Boucle(double& longueur, uint32_t e, uint32_t bout, uint32_t autreBout)
    {
        m_utilise[e / 2] = 1;
        const double assez = 4.0 * m_tolerance;
        // Past a few tolerances the sum only matters when a chord is not finite.
        if (longueur <= assez || !m_grille.ToutFini())
            longueur += Corde(e / 2);
        if (longueur <= assez)
            return false;
        if (m_grille.Distinctes(bout, autreBout))
            return false;
        const Pt2 p = m_grille.Point(bout), q = m_grille.Point(autreBout);
        return std::abs(p.x - q.x) <= m_tolerance && std::abs(p.y - q.y) <= m_tolerance
            && Distance(p, q) <= m_tolerance;
    }

    double Corde(uint32_t t) const { return Distance(m_grille.Point(2 * t), m_grille.Point(2 * t + 1)); }

    // Appends the points of the chain, the shared points once.
    void Emettre(bool boucle)
    {
        const size_t premier = m_sortie.size();
        for (size_t m = 0; m < m_chaine.size(); ++m) {
            const Trace& t = m_traces[m_chaine[m].trace];
            for (size_t k = (m == 0 ? 0 : 1); k < t.nombre; ++k) {
                const Pt2& q = m_points[m_chaine[m].inverse ? t.debut + t.nombre - 1 - k : t.debut + k];
                PointFichier p;
                p.X = float(q.x);
                p.Y = float(q.y);
                PoserCodeContour(p, m_numero);
                m_sortie.push_back(p);
            }
        }
        if (boucle && m_sortie.size() > premier + 1) {
            m_sortie.back().X = m_sortie[premier].X;
            m_sortie.back().Y = m_sortie[premier].Y;
        }
    }

    const std::vector<Pt2>& m_points;
    const std::vector<Trace>& m_traces;
    double m_tolerance;
    GrilleExtremites m_grille;
    std::vector<char> m_utilise;
    std::vector<Morceau> m_avant, m_apres, m_chaine;
    std::vector<PointFichier> m_sortie;
    int m_numero = 0;
};

} // namespace

std::vector<PointFichier> Chainer(const std::vector<Pt2>& points, const std::vector<Trace>& traces, double tolerance)
{
    return Chaineur(points, traces, tolerance).Contours();
}

} // namespace galbix::chainage
