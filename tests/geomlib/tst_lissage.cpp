// Spline smoothing of a run of points: every point stays at its own place along the curve
// (count, ends and order kept), a clean profile comes back as it was, noise is damped, the two
// sides of a wing stay paired, a corner does not bulge, and degenerate runs survive.

#include "common/Test.h"
#include "geomlib/Tranchex.h"
#include "model/Naca.h"

#include <QPointF>
#include <cmath>
#include <numbers>
#include <random>

using namespace galbix;

namespace {

using Points = QList<QPointF>;

constexpr int ParSurface = 31;  // 61 points in all
constexpr int Finesse = 40;     // true-curve vertices per input segment

std::vector<PointFichier> Enregistrements(const Points& points) {
    std::vector<PointFichier> r;
    for (const QPointF& q : points) // whatever the caller left in Reserve or in the code must not survive
        PoserCodeContour(r.emplace_back(PointFichier{float(q.x()), float(q.y()), {7}}), 5);
    return r;
}

/// NACA profile `code` of chord `corde` with its leading edge at `origine`.
Points Naca(const char* code, int parSurface, double corde, QPointF origine = {}) {
    Points p;
    for (const QPointF& q : ProfilNaca4(QString::fromLatin1(code), parSurface))
        p.append(origine + q * corde);
    return p;
}

/// The points with a seeded Gaussian noise of deviation `sigma` on X and Y, ends untouched.
Points Bruite(Points p, double sigma, unsigned graine) {
    std::mt19937 alea(graine);
    const auto gauss = [&alea] { // Box-Muller: the same draws with every standard library
        const double u = (double(alea()) + 1.0) / 4294967296.0, v = double(alea()) / 4294967296.0;
        return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * v);
    };
    for (qsizetype i = 1; i + 1 < p.size(); ++i) {
        const double dx = sigma * gauss();
        p[i] += QPointF(dx, sigma * gauss());
    }
    return p;
}

Points Lisse(const Points& entree) {
    std::vector<PointFichier> points = Enregistrements(entree);
    if (LissageSequence(points) != int32_t(entree.size()))
        return {};
    Points p;
    for (const PointFichier& q : points)
        p.append(QPointF(q.X, q.Y));
    return p;
}

/// Distance from q to the true curve and q's position along it, searched around the
/// vertex `pres` of the curve (whose cumulated lengths are `s`), or along all of it when
/// `pres` is negative.
std::pair<double, double> Projeter(QPointF q, const Points& courbe, const std::vector<double>& s, qsizetype pres) {
    double d = 1e300, position = 0.0;
    const qsizetype debut = pres < 0 ? 0 : std::max<qsizetype>(0, pres - 2 * Finesse);
    const qsizetype fin = pres < 0 ? courbe.size() - 1 : std::min(courbe.size() - 1, pres + 2 * Finesse);
    for (qsizetype k = debut; k < fin; ++k) {
        const QPointF ab = courbe[k + 1] - courbe[k], aq = q - courbe[k];
        const double l2 = QPointF::dotProduct(ab, ab);
        const double t = std::clamp(QPointF::dotProduct(aq, ab) / l2, 0.0, 1.0);
        const double dk = std::hypot(aq.x() - t * ab.x(), aq.y() - t * ab.y());
        if (dk < d)
            d = dk, position = s[size_t(k)] + t * std::sqrt(l2);
    }
    return {d, position};
}

struct Mesures {
    double deplacementMax = 0.0; // largest move from the input, mm
    double rmsAvant = 0.0;       // RMS distance of the input to the true curve, mm
    double rmsApres = 0.0;       // the same after smoothing
    double glissementMax = 0.0;  // largest move along the curve from the true point, in local spacings
};

/// Compares the smoothed profile with its input and with the true curve, whose vertex
/// Finesse * i is the true place of point i.
Mesures Mesurer(const Points& entree, const Points& sortie, const Points& courbe) {
    std::vector<double> s(size_t(courbe.size()), 0.0);
    for (qsizetype k = 1; k < courbe.size(); ++k)
        s[size_t(k)] = s[size_t(k - 1)] + std::hypot(courbe[k].x() - courbe[k - 1].x(), courbe[k].y() - courbe[k - 1].y());
    Mesures m;
    const qsizetype n = entree.size();
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype vrai = Finesse * i;
        const QPointF d = sortie[i] - entree[i];
        m.deplacementMax = std::max(m.deplacementMax, std::hypot(d.x(), d.y()));
        m.rmsAvant += std::pow(Projeter(entree[i], courbe, s, -1).first, 2);
        m.rmsApres += std::pow(Projeter(sortie[i], courbe, s, -1).first, 2);
        const double position = Projeter(sortie[i], courbe, s, vrai).second;
        // The shorter of the point's two true segments.
        const double pas = std::min(i > 0 ? s[size_t(vrai)] - s[size_t(vrai - Finesse)] : 1e300,
                                    i + 1 < n ? s[size_t(vrai + Finesse)] - s[size_t(vrai)] : 1e300);
        m.glissementMax = std::max(m.glissementMax, std::fabs(position - s[size_t(vrai)]) / pas);
    }
    m.rmsAvant = std::sqrt(m.rmsAvant / double(n));
    m.rmsApres = std::sqrt(m.rmsApres / double(n));
    return m;
}

QString Texte(const Mesures& m) {
    return QStringLiteral("déplacement max %1 mm, RMS %2 -> %3 mm, glissement max %4 pas")
        .arg(m.deplacementMax).arg(m.rmsAvant).arg(m.rmsApres).arg(m.glissementMax);
}

} // namespace

class LissageTest : public QObject {
    Q_OBJECT

private slots:
    // A 200 mm NACA 2412 of 61 points, clean or noisy: points stay in place along the curve, a
    // clean profile is kept and noise is damped.
    void profil_data() {
        // bruit: deviation of the noise on X and Y, mm; deplacement: largest move allowed, mm (0: not checked);
        // gain: least relative drop of the RMS distance to the curve
        tests::Colonnes<double, double, double>("bruit", "deplacement", "gain");
        QTest::newRow("propre") << 0.0 << 0.01 << 0.0;
        QTest::newRow("bruit 0,05 mm") << 0.05 << 0.0 << 0.3;
    }
    void profil() {
        QFETCH(double, bruit);
        QFETCH(double, deplacement);
        QFETCH(double, gain);
        const Points vrais = Naca("2412", ParSurface, 200.0);
        const Points entree = Bruite(vrais, bruit, 2412);
        const Points sortie = Lisse(entree);
        QCOMPARE(sortie.size(), entree.size());
        const Mesures m = Mesurer(entree, sortie, Naca("2412", Finesse * (ParSurface - 1) + 1, 200.0));
        qInfo("%s", qPrintable(Texte(m)));
        if (deplacement > 0.0)
            QVERIFY2(m.deplacementMax <= deplacement, qPrintable(Texte(m)));
        if (gain > 0.0)
            QVERIFY2(m.rmsApres <= (1.0 - gain) * m.rmsAvant, qPrintable(Texte(m)));
        QVERIFY2(m.glissementMax <= 0.25, qPrintable(Texte(m)));
    }

    // Root and tip of different shapes, smoothed each on its own, keep the chord fraction of
    // every pair, so that the panel is not cut twisted.
    void deuxCotes_data() {
        QTest::addColumn<double>("bruit");
        QTest::newRow("propres") << 0.0;
        QTest::newRow("bruités") << 0.05;
    }
    void deuxCotes() {
        QFETCH(double, bruit);
        const QPointF bordSaumon(40.0, 6.0);
        const Points e = Bruite(Naca("2412", ParSurface, 200.0), bruit, 1);
        const Points s = Bruite(Naca("0012", ParSurface, 120.0, bordSaumon), bruit, 2);
        const Points eLisse = Lisse(e), sLisse = Lisse(s);
        QVERIFY(eLisse.size() == e.size() && sLisse.size() == s.size());
        const auto decalage = [&](const Points& ce, const Points& cs, qsizetype i) {
            return ce[i].x() / 200.0 - (cs[i].x() - bordSaumon.x()) / 120.0;
        };
        double pire = 0.0;
        for (qsizetype i = 0; i < e.size(); ++i)
            pire = std::max(pire, std::fabs(decalage(eLisse, sLisse, i) - decalage(e, s, i)));
        qInfo("écart de fraction de corde max %g", pire);
        QVERIFY2(pire <= 0.005, qPrintable(QString::number(pire)));
    }

    // A square corner, 10 points on each side 1 mm apart: how far the smoothed points go
    // outside the square.
    void coin_data() {
        tests::Colonnes<double, double>("bruit", "bombement"); // bombement: largest distance allowed outside, mm
        QTest::newRow("propre") << 0.0 << 0.01;
        QTest::newRow("bruité") << 0.05 << 0.2;
    }
    void coin() {
        QFETCH(double, bruit);
        QFETCH(double, bombement);
        Points carre;
        for (int i = 0; i <= 10; ++i)
            carre.append({double(i), 0.0});
        for (int i = 1; i <= 10; ++i)
            carre.append({10.0, double(i)});
        const Points entree = Bruite(carre, bruit, 90);
        const Points sortie = Lisse(entree);
        QCOMPARE(sortie.size(), entree.size());
        double dehors = 0.0;
        for (const QPointF& q : sortie)
            dehors = std::max({dehors, q.x() - 10.0, -q.y()});
        qInfo("bombement %g mm", dehors);
        QVERIFY2(dehors <= bombement, qPrintable(QString::number(dehors)));
    }

    void degeneres_data() {
        tests::Colonnes<Points, Points>("entree", "attendus"); // attendus: every output point, when known
        QTest::newRow("vide") << Points{} << Points{};
        QTest::newRow("un point") << Points{{3, 4}} << Points{{3, 4}};
        QTest::newRow("deux points") << Points{{0, 0}, {4, -2}} << Points{{0, 0}, {4, -2}};
        QTest::newRow("trois points") << Points{{0, 0}, {1, 1}, {2, 0}} << Points{};
        QTest::newRow("points répétés") << Points{{0, 0}, {0, 0}, {1, 0}, {1, 0}, {1, 0}, {2, 1}, {2, 1}} << Points{};
        QTest::newRow("tous confondus") << Points(6, QPointF(3, 4)) << Points(6, QPointF(3, 4));
        QTest::newRow("droite") << Points{{0, 0}, {1, 0.5}, {5, 2.5}, {6, 3}, {8, 4}, {9, 4.5}}
                                << Points{{0, 0}, {1, 0.5}, {5, 2.5}, {6, 3}, {8, 4}, {9, 4.5}};
        QTest::newRow("boucle fermée") << Points{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}} << Points{};
        QTest::newRow("aller et retour") << Points{{0, 0}, {5, 0}, {0, 0}} << Points{};
        QTest::newRow("points presque confondus") << Points{{0, 0}, {10, 0}, {10, 1e-15}, {20, 5}} << Points{};
        QTest::newRow("coordonnée infinie") << Points{{0, 0}, {1, qInf()}, {2, 0}, {3, 0}, {4, 1}, {5, 0}}
                                            << Points{};
    }
    void degeneres() {
        QFETCH(Points, entree);
        QFETCH(Points, attendus);
        std::vector<PointFichier> points = Enregistrements(entree);
        QCOMPARE(LissageSequence(points), int32_t(entree.size()));
        QCOMPARE(points.size(), size_t(entree.size()));
        for (qsizetype i = 0; i < attendus.size(); ++i)
            QVERIFY2(std::abs(points[size_t(i)].X - attendus[i].x()) < 1e-5
                         && std::abs(points[size_t(i)].Y - attendus[i].y()) < 1e-5,
                     qPrintable(QStringLiteral("point %1 : (%2, %3)").arg(i).arg(points[size_t(i)].X)
                                    .arg(points[size_t(i)].Y)));
        if (!std::all_of(entree.begin(), entree.end(), [](QPointF q) { return std::isfinite(q.y()); }))
            return;
        for (const PointFichier& p : points) // codes and reserved bytes cleared
            QVERIFY(std::isfinite(p.X) && std::isfinite(p.Y) && p.Reserve[0] == 0 && p.CodeContour[0] == 0
                    && p.CodeContour[1] == 0);
        const auto garde = [](const PointFichier& p, QPointF q) { return p.X == float(q.x()) && p.Y == float(q.y()); };
        QVERIFY(entree.isEmpty() || (garde(points.front(), entree.front()) && garde(points.back(), entree.back())));
    }
};

GALBIX_TEST_MAIN(LissageTest)
#include "tst_lissage.moc"
