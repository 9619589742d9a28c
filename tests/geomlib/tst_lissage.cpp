// Spline smoothing of a run of points: counts, kept ends, closeness to the curve sampled,
// even spacing, and degenerate runs.

#include "common/TestMain.h"
#include "geomlib/Tranchex.h"
#include "model/Naca.h"

#include <QPointF>
#include <QTest>
#include <cmath>
#include <numbers>

using namespace galbix;

namespace {

using Points = QList<QPointF>;

std::vector<PointFichier> Enregistrements(const Points& points)
{
    std::vector<PointFichier> r;
    for (const QPointF& q : points) {
        PointFichier p;
        p.X = float(q.x());
        p.Y = float(q.y());
        p.Reserve[0] = 7;            // whatever the caller left there must not survive
        PoserCodeContour(p, 5);
        r.push_back(p);
    }
    return r;
}

/// n points of an arc of radius r centred on (cx, cy), from angle 0 to `ouverture` radians.
Points Arc(int n, double r, double ouverture, double cx = 120.0, double cy = -40.0)
{
    Points points;
    for (int i = 0; i < n; ++i) {
        const double a = ouverture * i / std::max(1, n - 1);
        points.append({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return points;
}

double DistanceSegment(const QPointF& p, const QPointF& a, const QPointF& b)
{
    const QPointF ab = b - a, ap = p - a;
    const double l2 = QPointF::dotProduct(ab, ab);
    const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(ap, ab) / l2, 0.0, 1.0) : 0.0;
    const QPointF d = ap - t * ab;
    return std::hypot(d.x(), d.y());
}

/// Largest distance from the smoothed points to a fine polyline of the true curve. Both run the
/// same way, so each point is looked for near the segment where the previous one was found.
double EcartMax(const std::vector<PointFichier>& lisses, const Points& fin)
{
    double pire = 0.0;
    qsizetype trouve = -1;
    for (const PointFichier& p : lisses) {
        const qsizetype debut = trouve < 0 ? 0 : std::max<qsizetype>(0, trouve - 300);
        const qsizetype fin_ = trouve < 0 ? fin.size() - 1 : std::min(fin.size() - 1, trouve + 300);
        double d = 1e300;
        for (qsizetype k = debut; k < fin_; ++k) {
            const double dk = DistanceSegment(QPointF(p.X, p.Y), fin[k], fin[k + 1]);
            if (dk < d) {
                d = dk;
                trouve = k;
            }
        }
        pire = std::max(pire, d);
    }
    return pire;
}

void VerifierSortie(const std::vector<PointFichier>& sortie, const Points& entree)
{
    for (const PointFichier& p : sortie) {
        QVERIFY(std::isfinite(p.X) && std::isfinite(p.Y));
        QCOMPARE(p.Reserve[0], char(0));
        QCOMPARE(p.CodeContour[0], char(0));
        QCOMPARE(p.CodeContour[1], char(0));
    }
    if (!entree.isEmpty()) {
        QCOMPARE(sortie.front().X, float(entree.front().x()));
        QCOMPARE(sortie.front().Y, float(entree.front().y()));
        QCOMPARE(sortie.back().X, float(entree.back().x()));
        QCOMPARE(sortie.back().Y, float(entree.back().y()));
    }
}

} // namespace

class LissageTest : public QObject {
    Q_OBJECT

private slots:
    void courbes_data();
    void courbes();
    void degeneres_data();
    void degeneres();
};

// Smooth runs: 4k + 1 points for k + 1, ends kept, on the curve sampled, evenly spread.
void LissageTest::courbes_data()
{
    QTest::addColumn<Points>("entree");
    QTest::addColumn<Points>("courbe");      // fine polyline of the true curve
    QTest::addColumn<double>("tolerance");   // largest distance to it
    QTest::addColumn<double>("irregularite"); // largest relative spread of the output steps

    const double pi = std::numbers::pi;
    QTest::newRow("arc de 4 points") << Arc(4, 50, pi / 2) << Arc(2000, 50, pi / 2) << 0.2 << 0.03;
    QTest::newRow("arc de 12 points") << Arc(12, 50, 1.5 * pi) << Arc(4000, 50, 1.5 * pi) << 0.06 << 0.01;
    QTest::newRow("arc de 60 points") << Arc(60, 50, 1.5 * pi) << Arc(4000, 50, 1.5 * pi) << 1e-4 << 1e-3;
    // Long runs are fitted piecewise: the pieces must join without a visible step.
    QTest::newRow("cercle de 1500 points") << Arc(1500, 80, 2 * pi) << Arc(20000, 80, 2 * pi) << 1e-4 << 1e-3;

    Points naca, nacaFin;
    for (const QPointF& q : ProfilNaca4(QStringLiteral("2412"), 30))
        naca.append(q * 200.0);
    for (const QPointF& q : ProfilNaca4(QStringLiteral("2412"), 3000))
        nacaFin.append(q * 200.0);
    QTest::newRow("profil NACA 2412") << naca << nacaFin << 0.1 << 0.1;

    // Collinear points unevenly spaced: evenly spaced points on the same segment.
    const Points droite{{0, 0}, {1, 0.5}, {5, 2.5}, {6, 3}};
    QTest::newRow("droite irrégulière") << droite << Points{{0, 0}, {6, 3}} << 1e-5 << 1e-4;
}

void LissageTest::courbes()
{
    QFETCH(Points, entree);
    QFETCH(Points, courbe);
    QFETCH(double, tolerance);
    QFETCH(double, irregularite);

    std::vector<PointFichier> points = Enregistrements(entree);
    const int32_t n = LissageSequence(points);
    QCOMPARE(n, int32_t(4 * (entree.size() - 1) + 1));
    QCOMPARE(points.size(), size_t(n));
    VerifierSortie(points, entree);
    QVERIFY2(EcartMax(points, courbe) <= tolerance, qPrintable(QString::number(EcartMax(points, courbe))));

    double pasMin = 1e300, pasMax = 0.0;
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        const double pas = std::hypot(points[i + 1].X - points[i].X, points[i + 1].Y - points[i].Y);
        pasMin = std::min(pasMin, pas);
        pasMax = std::max(pasMax, pas);
    }
    QVERIFY2(pasMax - pasMin <= irregularite * pasMax, qPrintable(QStringLiteral("%1 %2").arg(pasMin).arg(pasMax)));
}

void LissageTest::degeneres_data()
{
    QTest::addColumn<Points>("entree");
    QTest::addColumn<int>("nombre");
    QTest::addColumn<Points>("attendus");   // every output point, when known

    QTest::newRow("vide") << Points{} << 0 << Points{};
    QTest::newRow("un point") << Points{{3, 4}} << 1 << Points{{3, 4}};
    QTest::newRow("deux points") << Points{{0, 0}, {4, -2}} << 5
                                 << Points{{0, 0}, {1, -0.5}, {2, -1}, {3, -1.5}, {4, -2}};
    QTest::newRow("trois points") << Points{{0, 0}, {1, 1}, {2, 0}} << 9 << Points{};
    QTest::newRow("points répétés") << Points{{0, 0}, {0, 0}, {1, 0}, {1, 0}, {1, 0}, {2, 1}, {2, 1}} << 25
                                    << Points{};
    QTest::newRow("tous confondus") << Points{{3, 4}, {3, 4}, {3, 4}} << 9 << Points(9, QPointF(3, 4));
    QTest::newRow("deux points distincts répétés") << Points{{0, 0}, {0, 0}, {2, 0}, {2, 0}} << 13
                                                   << Points{{0, 0}, {1.0 / 6, 0}, {2.0 / 6, 0}, {0.5, 0},
                                                             {4.0 / 6, 0}, {5.0 / 6, 0}, {1, 0}, {7.0 / 6, 0},
                                                             {8.0 / 6, 0}, {1.5, 0}, {10.0 / 6, 0},
                                                             {11.0 / 6, 0}, {2, 0}};
    QTest::newRow("boucle fermée") << Points{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}} << 17 << Points{};
    QTest::newRow("aller et retour") << Points{{0, 0}, {5, 0}, {0, 0}} << 9 << Points{};
    // A step too small to change the chord-length parameter: a repeat for the fit.
    QTest::newRow("points presque confondus") << Points{{0, 0}, {10, 0}, {10, 1e-15}, {20, 5}} << 13 << Points{};
}

void LissageTest::degeneres()
{
    QFETCH(Points, entree);
    QFETCH(int, nombre);
    QFETCH(Points, attendus);

    std::vector<PointFichier> points = Enregistrements(entree);
    QCOMPARE(LissageSequence(points), int32_t(nombre));
    QCOMPARE(points.size(), size_t(nombre));
    VerifierSortie(points, entree);
    for (qsizetype i = 0; i < attendus.size(); ++i)
        QVERIFY2(std::abs(points[size_t(i)].X - attendus[i].x()) < 1e-5
                     && std::abs(points[size_t(i)].Y - attendus[i].y()) < 1e-5,
                 qPrintable(QStringLiteral("point %1 : (%2, %3)").arg(i).arg(points[size_t(i)].X)
                                .arg(points[size_t(i)].Y)));
}

GALBIX_TEST_MAIN(LissageTest)
#include "tst_lissage.moc"
