// Spline smoothing of a run of points: kept ends and count, closeness to a clean curve,
// noise removed with a smooth curvature, points gathered where the curve bends, and
// degenerate runs.

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
constexpr double Pi = std::numbers::pi;

std::vector<PointFichier> Enregistrements(const Points& points)
{
    std::vector<PointFichier> r;
    for (const QPointF& q : points) {
        PointFichier p;
        p.X = float(q.x());
        p.Y = float(q.y());
        p.Reserve[0] = 7; // whatever the caller left there must not survive
        PoserCodeContour(p, 5);
        r.push_back(p);
    }
    return r;
}

Points Coordonnees(const std::vector<PointFichier>& r)
{
    Points p;
    for (const PointFichier& q : r)
        p.append(QPointF(q.X, q.Y));
    return p;
}

/// n points of an arc of radius r centred on (120, -40), from angle 0 to `ouverture`, with a
/// repeatable radial noise of amplitude `bruit`.
Points Arc(int n, double r, double ouverture, double bruit = 0.0)
{
    Points points;
    uint32_t graine = 12345;
    for (int i = 0; i < n; ++i) {
        const double a = ouverture * i / std::max(1, n - 1);
        graine = graine * 1103515245u + 12345u;
        const double e = (i == 0 || i == n - 1) ? 0.0 : bruit * (double((graine >> 8) % 2001) / 1000.0 - 1.0);
        points.append({120 + (r + e) * std::cos(a), -40 + (r + e) * std::sin(a)});
    }
    return points;
}

/// Largest distance to the circle of radius r centred on (120, -40).
double EcartCercle(const Points& p, double r)
{
    double pire = 0.0;
    for (const QPointF& q : p)
        pire = std::max(pire, std::fabs(std::hypot(q.x() - 120, q.y() + 40) - r));
    return pire;
}

/// Root mean square distance to the circle of radius r centred on (120, -40).
double EcartQuadratique(const Points& p, double r)
{
    double somme = 0.0;
    for (const QPointF& q : p)
        somme += std::pow(std::hypot(q.x() - 120, q.y() + 40) - r, 2);
    return std::sqrt(somme / double(p.size()));
}

/// Curvature of the circle through three points (signed).
double Courbure(QPointF a, QPointF b, QPointF c)
{
    const QPointF u = b - a, v = c - b, w = c - a;
    const double croix = u.x() * v.y() - u.y() * v.x();
    return 2.0 * croix / (std::hypot(u.x(), u.y()) * std::hypot(v.x(), v.y()) * std::hypot(w.x(), w.y()));
}

/// Sum of the changes of curvature along the points: large for a wiggly run.
double Rugosite(const Points& p)
{
    double somme = 0.0;
    for (qsizetype i = 1; i + 2 < p.size(); ++i)
        somme += std::fabs(Courbure(p[i], p[i + 1], p[i + 2]) - Courbure(p[i - 1], p[i], p[i + 1]));
    return somme;
}

/// Largest distance from the points to a fine polyline running the same way.
double EcartPolyligne(const Points& p, const Points& fin)
{
    double pire = 0.0;
    qsizetype trouve = 0;
    for (const QPointF& q : p) {
        double d = 1e300;
        const qsizetype debut = std::max<qsizetype>(0, trouve - 400), finK = std::min(fin.size() - 1, trouve + 400);
        for (qsizetype k = p.size() > 50 ? debut : 0; k < (p.size() > 50 ? finK : fin.size() - 1); ++k) {
            const QPointF ab = fin[k + 1] - fin[k], aq = q - fin[k];
            const double l2 = QPointF::dotProduct(ab, ab);
            const double t = std::clamp(QPointF::dotProduct(aq, ab) / l2, 0.0, 1.0);
            const double dk = std::hypot(aq.x() - t * ab.x(), aq.y() - t * ab.y());
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
    QCOMPARE(sortie.size(), size_t(entree.size()));
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

Points Naca(const char* code, int parSurface, double corde)
{
    Points p;
    for (const QPointF& q : ProfilNaca4(QString::fromLatin1(code), parSurface))
        p.append(q * corde);
    return p;
}

} // namespace

class LissageTest : public QObject {
    Q_OBJECT

private slots:
    // Clean curves come back close to themselves: smoothing must not distort good data.
    void courbesPropres_data()
    {
        QTest::addColumn<Points>("entree");
        QTest::addColumn<double>("rayon");    // the true curve: a circle of this radius,
        QTest::addColumn<Points>("courbe");   // or this fine polyline when the radius is 0
        QTest::addColumn<double>("tolerance");
        QTest::newRow("arc de 12 points") << Arc(12, 50, 0.5 * Pi) << 50.0 << Points{} << 0.05;
        QTest::newRow("arc de 60 points") << Arc(60, 50, 1.5 * Pi) << 50.0 << Points{} << 0.02;
        QTest::newRow("cercle de 1500 points") << Arc(1500, 80, 2 * Pi) << 80.0 << Points{} << 1e-3;
        QTest::newRow("droite irrégulière") << Points{{0, 0}, {1, 0.5}, {5, 2.5}, {6, 3}} << 0.0
                                            << Points{{0, 0}, {6, 3}} << 1e-5;
        // 121 points on a 200 mm chord: the smoothing reach is then about the leading-edge radius.
        QTest::newRow("profil NACA 2412") << Naca("2412", 60, 200.0) << 0.0 << Naca("2412", 3000, 200.0) << 0.1;
        QTest::newRow("profil NACA 2412 dense") << Naca("2412", 200, 200.0) << 0.0 << Naca("2412", 3000, 200.0) << 0.01;
    }
    void courbesPropres()
    {
        QFETCH(Points, entree);
        QFETCH(double, rayon);
        QFETCH(Points, courbe);
        QFETCH(double, tolerance);
        std::vector<PointFichier> points = Enregistrements(entree);
        QCOMPARE(LissageSequence(points), int32_t(entree.size()));
        VerifierSortie(points, entree);
        const Points sortie = Coordonnees(points);
        const double ecart = rayon > 0 ? EcartCercle(sortie, rayon) : EcartPolyligne(sortie, courbe);
        QVERIFY2(ecart <= tolerance, qPrintable(QString::number(ecart)));
    }

    // A noisy arc: closer to the true circle than the input on the whole, and far less wiggly.
    void bruit_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("rayon");
        QTest::addColumn<double>("bruit");
        QTest::newRow("arc de 40 points") << 40 << 50.0 << 0.05;
        QTest::newRow("arc serré de 80 points") << 80 << 5.0 << 0.01;
        QTest::newRow("arc de 400 points") << 400 << 200.0 << 0.1;
    }
    void bruit()
    {
        QFETCH(int, n);
        QFETCH(double, rayon);
        QFETCH(double, bruit);
        const Points entree = Arc(n, rayon, 0.5 * Pi, bruit);
        std::vector<PointFichier> points = Enregistrements(entree);
        QCOMPARE(LissageSequence(points), int32_t(n));
        VerifierSortie(points, entree);
        const Points sortie = Coordonnees(points);
        QVERIFY2(EcartQuadratique(sortie, rayon) < 0.6 * EcartQuadratique(entree, rayon),
                 qPrintable(QStringLiteral("%1 %2").arg(EcartQuadratique(sortie, rayon)).arg(EcartQuadratique(entree, rayon))));
        QVERIFY2(Rugosite(sortie) < 0.05 * Rugosite(entree),
                 qPrintable(QStringLiteral("%1 %2").arg(Rugosite(sortie)).arg(Rugosite(entree))));
    }

    // A noisy leading edge stays convex: no wiggle changes the sense of the curvature.
    void bordAttaqueBruite()
    {
        const Points naca = Naca("0012", 100, 200.0);
        Points entree;
        uint32_t graine = 99;
        for (qsizetype i = 75; i <= 125; ++i) { // about 20 mm on each side of the leading edge
            graine = graine * 1103515245u + 12345u;
            const double e = (i == 75 || i == 125) ? 0.0 : 0.02 * (double((graine >> 8) % 2001) / 1000.0 - 1.0);
            entree.append(naca[i] + QPointF(0, e));
        }
        QVERIFY(Rugosite(entree) > 0);
        std::vector<PointFichier> points = Enregistrements(entree);
        LissageSequence(points);
        VerifierSortie(points, entree);
        const Points sortie = Coordonnees(points);
        double signe = 0.0;
        for (qsizetype i = 1; i + 1 < sortie.size(); ++i) {
            const double k = Courbure(sortie[i - 1], sortie[i], sortie[i + 1]);
            QVERIFY2(signe == 0.0 || k * signe > 0, qPrintable(QStringLiteral("inflexion au point %1").arg(i)));
            signe = k;
        }
        // The leading edge keeps its place.
        double xmin = 1e300;
        for (const QPointF& q : sortie)
            xmin = std::min(xmin, q.x());
        QVERIFY2(std::fabs(xmin) < 0.05, qPrintable(QString::number(xmin)));
    }

    // Evenly spread input on a curve that bends sharply in its middle: the output gathers there.
    void espacementSelonCourbure()
    {
        Points fin;
        for (int i = -2000; i <= 2000; ++i) {
            const double t = i / 2000.0;
            fin.append({50 * t * t, 10 * t});
        }
        Points entree{fin.front()};
        double parcouru = 0.0, prochain = 0.0;
        double total = 0.0;
        for (qsizetype k = 1; k < fin.size(); ++k)
            total += std::hypot(fin[k].x() - fin[k - 1].x(), fin[k].y() - fin[k - 1].y());
        const int n = 41;
        prochain = total / (n - 1);
        for (qsizetype k = 1; k < fin.size(); ++k) {
            parcouru += std::hypot(fin[k].x() - fin[k - 1].x(), fin[k].y() - fin[k - 1].y());
            if (parcouru >= prochain - 1e-9 && entree.size() < n - 1) {
                entree.append(fin[k]);
                prochain += total / (n - 1);
            }
        }
        entree.append(fin.back());
        std::vector<PointFichier> points = Enregistrements(entree);
        QCOMPARE(LissageSequence(points), int32_t(entree.size()));
        const Points s = Coordonnees(points);
        const auto pas = [&s](qsizetype i) { return std::hypot(s[i + 1].x() - s[i].x(), s[i + 1].y() - s[i].y()); };
        const qsizetype milieu = s.size() / 2;
        const double auBord = std::min(pas(milieu - 1), pas(milieu));
        const double auxBouts = std::min(pas(1), pas(s.size() - 3));
        QVERIFY2(auBord < 0.6 * auxBouts, qPrintable(QStringLiteral("%1 %2").arg(auBord).arg(auxBouts)));
    }

    void degeneres_data()
    {
        QTest::addColumn<Points>("entree");
        QTest::addColumn<Points>("attendus"); // every output point, when known

        QTest::newRow("vide") << Points{} << Points{};
        QTest::newRow("un point") << Points{{3, 4}} << Points{{3, 4}};
        QTest::newRow("deux points") << Points{{0, 0}, {4, -2}} << Points{{0, 0}, {4, -2}};
        QTest::newRow("trois points") << Points{{0, 0}, {1, 1}, {2, 0}} << Points{};
        QTest::newRow("points répétés") << Points{{0, 0}, {0, 0}, {1, 0}, {1, 0}, {1, 0}, {2, 1}, {2, 1}} << Points{};
        QTest::newRow("tous confondus") << Points{{3, 4}, {3, 4}, {3, 4}} << Points(3, QPointF(3, 4));
        QTest::newRow("deux points distincts répétés")
            << Points{{0, 0}, {0, 0}, {2, 0}, {2, 0}} << Points{{0, 0}, {2.0 / 3, 0}, {4.0 / 3, 0}, {2, 0}};
        QTest::newRow("boucle fermée") << Points{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}} << Points{};
        QTest::newRow("aller et retour") << Points{{0, 0}, {5, 0}, {0, 0}} << Points{};
        QTest::newRow("points presque confondus") << Points{{0, 0}, {10, 0}, {10, 1e-15}, {20, 5}} << Points{};
    }
    void degeneres()
    {
        QFETCH(Points, entree);
        QFETCH(Points, attendus);
        std::vector<PointFichier> points = Enregistrements(entree);
        QCOMPARE(LissageSequence(points), int32_t(entree.size()));
        VerifierSortie(points, entree);
        for (qsizetype i = 0; i < attendus.size(); ++i)
            QVERIFY2(std::abs(points[size_t(i)].X - attendus[i].x()) < 1e-5
                         && std::abs(points[size_t(i)].Y - attendus[i].y()) < 1e-5,
                     qPrintable(QStringLiteral("point %1 : (%2, %3)").arg(i).arg(points[size_t(i)].X)
                                    .arg(points[size_t(i)].Y)));
    }
};

GALBIX_TEST_MAIN(LissageTest)
#include "tst_lissage.moc"
