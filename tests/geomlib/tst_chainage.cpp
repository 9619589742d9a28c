// Chaining of drawn pieces: the grouped search gives the very contours, in the very order and
// with the very tie-breaking, of a plain search that scans every end point (below, as the
// reference), on random drawings, stars of pieces meeting at one point and clusters of nearby ends.
#include "common/Colonnes.h"
#include "common/TestMain.h"

#include "geomlib/Chainage.h"

#include <QRandomGenerator>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

using namespace galbix;
using namespace galbix::chainage;

namespace reference {

namespace {

using courbes::Distance;
using courbes::Pt2;

constexpr uint32_t Aucun = UINT32_MAX;

struct Morceau {
    uint32_t trace;
    bool inverse;
};

// End point e is end (e & 1) of piece e / 2: 0 its first point, 1 its last; every search
// scans them all.
class Chaineur {
public:
    Chaineur(const std::vector<Pt2>& points, const std::vector<Trace>& traces, double tolerance)
        : m_points(points), m_traces(traces), m_tolerance(tolerance), m_utilise(traces.size(), 0) {
        for (size_t e = 0; e < 2 * traces.size(); ++e) {
            const Trace& t = traces[e / 2];
            m_extremites.push_back(points[(e & 1) ? t.debut + t.nombre - 1 : t.debut]);
        }
    }

    std::vector<PointFichier> Contours() {
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
    Pt2 Point(uint32_t e) const { return m_extremites[e]; }

    // Nearest end point closer than the tolerance to `p` whose open piece is unused (smallest
    // number on ties), or Aucun.
    uint32_t PlusProche(Pt2 p) const {
        uint32_t meilleur = Aucun;
        double meilleureDistance = m_tolerance > 0.0 ? m_tolerance * m_tolerance : 1e-18;
        for (uint32_t e = 0; e < uint32_t(m_extremites.size()); ++e) {
            const double d2 = (m_extremites[e].x - p.x) * (m_extremites[e].x - p.x)
                            + (m_extremites[e].y - p.y) * (m_extremites[e].y - p.y);
            if (!m_utilise[e / 2] && !m_traces[e / 2].ferme && d2 < meilleureDistance) {
                meilleur = e;
                meilleureDistance = d2;
            }
        }
        return meilleur;
    }

    // Grows the chain of piece i at its end, then at its start; true when it closes.
    bool Chaine(uint32_t i) {
        m_avant.clear();
        m_apres.clear();
        const Pt2 debut = Point(2 * i);
        Pt2 fin = Point(2 * i + 1);
        bool boucle = false;
        double longueur = Corde(i);
        // A piece whose first point meets the end keeps its direction.
        for (uint32_t e; !boucle && (e = PlusProche(fin)) != Aucun;) {
            m_apres.push_back({e / 2, (e & 1) != 0});
            fin = Point(e ^ 1);
            boucle = Boucle(longueur, e, fin, debut);
        }
        // A piece whose last point meets the start keeps its direction.
        Pt2 tete = debut;
        for (uint32_t e; !boucle && (e = PlusProche(tete)) != Aucun;) {
            m_avant.push_back({e / 2, (e & 1) == 0});
            tete = Point(e ^ 1);
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
    bool Boucle(double& longueur, uint32_t e, Pt2 bout, Pt2 autreBout) {
        m_utilise[e / 2] = 1;
        longueur += Corde(e / 2);
        return longueur > 4.0 * m_tolerance && Distance(bout, autreBout) <= m_tolerance;
    }

    double Corde(uint32_t t) const { return Distance(Point(2 * t), Point(2 * t + 1)); }

    // Appends the points of the chain, the shared points once.
    void Emettre(bool boucle) {
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
    std::vector<Pt2> m_extremites;
    std::vector<char> m_utilise;
    std::vector<Morceau> m_avant, m_apres, m_chaine;
    std::vector<PointFichier> m_sortie;
    int m_numero = 0;
};

} // namespace

std::vector<PointFichier> Chainer(const std::vector<Pt2>& points, const std::vector<Trace>& traces, double tolerance) {
    return Chaineur(points, traces, tolerance).Contours();
}

} // namespace reference

namespace {

struct Dessin {
    std::vector<courbes::Pt2> points;
    std::vector<Trace> traces;
};

// Random pieces of 2 to 4 points whose ends snap to a few shared places (with repeats, exact
// and within the tolerance), some closed, some shorter than the tolerance.
Dessin DessinAleatoire(quint32 graine, int pieces, int lieux, double etalement, double tolerance) {
    QRandomGenerator alea(graine);
    std::vector<courbes::Pt2> places;
    for (int i = 0; i < lieux; ++i)
        places.push_back({alea.generateDouble() * etalement, alea.generateDouble() * etalement});
    auto bout = [&] {
        courbes::Pt2 p = places[alea.bounded(quint32(places.size()))];
        if (alea.bounded(3) == 0) {
            p.x += (alea.generateDouble() - 0.5) * tolerance * 1.5;
            p.y += (alea.generateDouble() - 0.5) * tolerance * 1.5;
        }
        return p;
    };
    Dessin d;
    for (int i = 0; i < pieces; ++i) {
        Trace t;
        t.debut = d.points.size();
        const courbes::Pt2 a = bout();
        const int milieux = int(alea.bounded(3));
        d.points.push_back(a);
        for (int k = 0; k < milieux; ++k)
            d.points.push_back({a.x + alea.generateDouble(), a.y + alea.generateDouble()});
        t.ferme = alea.bounded(10) == 0;
        d.points.push_back(t.ferme ? a : bout());
        t.nombre = d.points.size() - t.debut;
        d.traces.push_back(t);
    }
    return d;
}

// `n` lines from one centre to points around it.
Dessin Etoile(int n, courbes::Pt2 centre) {
    Dessin d;
    for (int i = 0; i < n; ++i) {
        const double angle = 2.0 * 3.141592653589793 * i / n;
        d.traces.push_back({d.points.size(), 2, false});
        if (i % 2)
            d.points.push_back(centre), d.points.push_back({centre.x + 10 * std::cos(angle), centre.y + 10 * std::sin(angle)});
        else
            d.points.push_back({centre.x + 10 * std::cos(angle), centre.y + 10 * std::sin(angle)}), d.points.push_back(centre);
    }
    return d;
}

bool Identiques(const std::vector<PointFichier>& a, const std::vector<PointFichier>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::bit_cast<uint32_t>(a[i].X) != std::bit_cast<uint32_t>(b[i].X)
            || std::bit_cast<uint32_t>(a[i].Y) != std::bit_cast<uint32_t>(b[i].Y) || !MemeContour(a[i], b[i]))
            return false;
    return true;
}

} // namespace

class TestChainage : public QObject {
    Q_OBJECT
private slots:
    void commeAvant_data() {
        tests::Colonnes<int, int, int, double>("genre", "pieces", "lieux", "etalement");

        QTest::newRow("dessin épars") << 0 << 300 << 200 << 100.0;
        QTest::newRow("peu de lieux partagés") << 0 << 400 << 12 << 100.0;
        QTest::newRow("lieux dans la tolérance") << 0 << 300 << 40 << 0.004;
        QTest::newRow("un seul lieu") << 0 << 200 << 1 << 1.0;
        QTest::newRow("loin de l'origine") << 0 << 300 << 30 << 1e6;
        QTest::newRow("étoile") << 1 << 301 << 0 << 0.0;
        QTest::newRow("étoile sur un bord de cellule") << 2 << 300 << 0 << 0.0;
    }
    void commeAvant() {
        QFETCH(int, genre);
        QFETCH(int, pieces);
        QFETCH(int, lieux);
        QFETCH(double, etalement);
        const double tolerance = 0.001;
        for (quint32 graine = 1; graine <= (genre == 0 ? 25u : 1u); ++graine) {
            const Dessin d = genre == 0 ? DessinAleatoire(graine, pieces, lieux, etalement, tolerance)
                                        : Etoile(pieces, genre == 1 ? courbes::Pt2{3, 4} : courbes::Pt2{0.002, -0.004});
            QVERIFY2(Identiques(Chainer(d.points, d.traces, tolerance), reference::Chainer(d.points, d.traces, tolerance)),
                     qPrintable(QStringLiteral("graine %1").arg(graine)));
        }
    }
    void etoileLineaire() {
        // A million lines from one point: a search that scans every end at the centre would take
        // the better part of an hour. Each contour joins two lines through the centre.
        const Dessin d = Etoile(1000000, {1, 1});
        const std::vector<PointFichier> sortie = Chainer(d.points, d.traces, 0.001);
        QCOMPARE(sortie.size(), size_t(1500000));
        QVERIFY(!MemeContour(sortie.front(), sortie.back()));
    }
};

GALBIX_TEST_MAIN(TestChainage)
#include "tst_chainage.moc"
