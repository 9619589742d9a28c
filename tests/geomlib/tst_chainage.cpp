// Chaining of drawn pieces: the grouped search gives the very contours, in the very order and
// with the very tie-breaking, of a plain search that scans every end point (below, as the
// reference), on random drawings, stars of pieces meeting at one point and clusters of nearby ends.
#include "common/Test.h"

#include "geomlib/Chainage.h"

#include <QRandomGenerator>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

using namespace galbix;
using namespace galbix::chainage;

namespace {

using courbes::Pt2;

// The reference: end point e is end (e & 1) of piece e / 2 (0 its first point, 1 its last), and
// every search scans them all.
std::vector<PointFichier> ChainerReference(const std::vector<Pt2>& points, const std::vector<Trace>& traces, double tol) {
    const auto bout = [&](uint32_t e) {
        const Trace& t = traces[e / 2];
        return points[(e & 1) ? t.debut + t.nombre - 1 : t.debut];
    };
    const auto corde = [&](uint32_t t) { return courbes::Distance(bout(2 * t), bout(2 * t + 1)); };
    std::vector<char> utilise(traces.size(), 0);
    // Nearest end point closer than the tolerance to `p` whose open piece is unused (smallest
    // number on ties), or UINT32_MAX.
    const auto plusProche = [&](Pt2 p) {
        uint32_t meilleur = UINT32_MAX;
        double meilleureDistance = tol > 0.0 ? tol * tol : 1e-18;
        for (uint32_t e = 0; e < 2 * traces.size(); ++e) {
            const double d2 = (bout(e).x - p.x) * (bout(e).x - p.x) + (bout(e).y - p.y) * (bout(e).y - p.y);
            if (!utilise[e / 2] && !traces[e / 2].ferme && d2 < meilleureDistance)
                meilleur = e, meilleureDistance = d2;
        }
        return meilleur;
    };
    std::vector<PointFichier> sortie;
    for (uint32_t i = 0, numero = 0; i < traces.size(); ++i) {
        if (utilise[i])
            continue;
        utilise[i] = 1;
        std::vector<std::pair<uint32_t, bool>> avant, chaine{{i, false}}; // piece, reversed
        bool boucle = false;
        if (!traces[i].ferme) {
            const Pt2 debut = bout(2 * i);
            Pt2 fin = bout(2 * i + 1), tete = debut;
            double longueur = corde(i);
            // Marks the piece of end point e used and tells whether the chain now closes: its free end
            // meets its other end and the chords of its pieces add up to a few tolerances, so that
            // pieces shorter than the tolerance never close a contour too early.
            const auto ferme = [&](uint32_t e, Pt2 libre, Pt2 autre) {
                utilise[e / 2] = 1;
                longueur += corde(e / 2);
                return longueur > 4.0 * tol && courbes::Distance(libre, autre) <= tol;
            };
            // Grown at its end, then at its start; a piece meeting the end by its first point, or the
            // start by its last point, keeps its direction.
            for (uint32_t e; !boucle && (e = plusProche(fin)) != UINT32_MAX;) {
                chaine.push_back({e / 2, (e & 1) != 0});
                boucle = ferme(e, fin = bout(e ^ 1), debut);
            }
            for (uint32_t e; !boucle && (e = plusProche(tete)) != UINT32_MAX;) {
                avant.push_back({e / 2, (e & 1) == 0});
                boucle = ferme(e, tete = bout(e ^ 1), fin);
            }
            chaine.insert(chaine.begin(), avant.rbegin(), avant.rend());
        }
        const size_t premier = sortie.size(); // the points of the chain, the shared points once
        for (size_t m = 0; m < chaine.size(); ++m) {
            const Trace& t = traces[chaine[m].first];
            for (size_t k = (m == 0 ? 0 : 1); k < t.nombre; ++k) {
                const Pt2& q = points[chaine[m].second ? t.debut + t.nombre - 1 - k : t.debut + k];
                PointFichier& p = sortie.emplace_back();
                p.X = float(q.x), p.Y = float(q.y);
                PoserCodeContour(p, int(numero));
            }
        }
        if (boucle && sortie.size() > premier + 1)
            sortie.back().X = sortie[premier].X, sortie.back().Y = sortie[premier].Y;
        ++numero;
    }
    return sortie;
}

struct Dessin { std::vector<courbes::Pt2> points; std::vector<Trace> traces; };

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
        const courbes::Pt2 bout{centre.x + 10 * std::cos(angle), centre.y + 10 * std::sin(angle)};
        d.traces.push_back({d.points.size(), 2, false});
        d.points.insert(d.points.end(), {i % 2 ? centre : bout, i % 2 ? bout : centre});
    }
    return d;
}

bool Identiques(const std::vector<PointFichier>& a, const std::vector<PointFichier>& b) {
    const auto bits = [](float v) { return std::bit_cast<uint32_t>(v); };
    return std::ranges::equal(a, b, [&](const PointFichier& p, const PointFichier& q) {
        return bits(p.X) == bits(q.X) && bits(p.Y) == bits(q.Y) && MemeContour(p, q);
    });
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
            QVERIFY2(Identiques(Chainer(d.points, d.traces, tolerance), ChainerReference(d.points, d.traces, tolerance)),
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
