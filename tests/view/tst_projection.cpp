// Projection of the wing panel, fit to the drawing area and mapping to drawing units.
#include "common/Profils.h"
#include "common/Colonnes.h"
#include "common/TestMain.h"

#include "model/Extremes.h"
#include "view/Projection.h"

using namespace galbix;
using tests::Proche;

namespace {

CoupleProfils Panneau(std::vector<PointProfil> e, std::vector<PointProfil> s, float z) {
    CoupleProfils m{.PointsE = std::move(e), .PointsS = std::move(s)};
    m.EcartementZ = z;
    CalculerExtremes(m);
    return m;
}

EtatVue Vue(float largeur, float hauteur, AnglesVue angles) {
    EtatVue v;
    v.DefinirTailleDessin(largeur, hauteur);
    std::tie(v.Omega, v.Alpha) = std::tuple(angles.Omega, angles.Alpha);
    return v;
}

} // namespace

class TestProjection : public QObject {
    Q_OBJECT
private slots:
    void projection_data() {
        tests::Colonnes<int, int, QList<float>, QPointF>("omega", "alpha", "point", "attendu"); // point: X, Y, z
        using L = QList<float>;
        const double r3 = std::sqrt(3.0) / 2.0, sa = std::sin(-37 * PiVue / 180), ca = std::cos(-37 * PiVue / 180);
        QTest::newRow("côté, emplanture") << 90 << 180 << L{12.5, -3, 0} << QPointF(12.5, -3);
        QTest::newRow("côté, saumon sur l'emplanture") << 90 << 180 << L{12.5, -3, 400} << QPointF(12.5, -3);
        // Default perspective: omega -60 degrees, alpha -37 degrees.
        QTest::newRow("perspective, origine du saumon") << 120 << 143 << L{0, 0, 100} << QPointF(-50, -100 * r3 * sa);
        QTest::newRow("perspective, X seul") << 120 << 143 << L{10, 0, 0} << QPointF(10 * r3, -5 * sa);
        QTest::newRow("perspective, Y seul") << 120 << 143 << L{0, 10, 0} << QPointF(0, 10 * ca);
        QTest::newRow("vue de dessus") << 90 << 90 << L{20, 7, 50} << QPointF(20, 50);
    }

    void projection() {
        QFETCH(int, omega); QFETCH(int, alpha); QFETCH(QList<float>, point); QFETCH(QPointF, attendu);
        const PointVue p = Projecteur(int16_t(omega), int16_t(alpha)).Projeter(point[0], point[1], point[2]);
        QVERIFY2(Proche(p.x, attendu.x()) && Proche(p.y, attendu.y()), qPrintable(QStringLiteral("(%1, %2)").arg(p.x).arg(p.y)));
    }

    // Which sides are shown ('E', 'S'), and the scale and centre expected (unchanged when none is).
    void cadrage_data() {
        using P = std::vector<PointProfil>;
        using L = QList<float>;
        tests::Colonnes<P, P, QString, L>("e", "s", "vus", "attendu"); // attendu: coefficient, centre x, centre y
        // Drawing area 10360 x 5360 twips: 10000 x 5000 inside the margins.
        const P large{{0, 0}, {100, 10}}, haut{{0, 0}, {10, 20}}, immense{{-1000, 0}, {1000, 500}};
        QTest::newRow("les deux côtés") << large << P{{-100, 0}, {0, -10}} << "ES" << L{50, 0, 0};
        QTest::newRow("limité par la largeur") << large << large << "ES" << L{100, 50, 5};
        QTest::newRow("limité par la hauteur") << haut << haut << "ES" << L{250, 5, 10};
        QTest::newRow("largeur nulle") << P{{5, 0}, {5, 20}} << P{{5, 10}} << "ES" << L{250, 5, 10};
        QTest::newRow("hauteur nulle") << P{{0, 3}, {40, 3}} << P{{20, 3}} << "ES" << L{250, 20, 3};
        QTest::newRow("un seul point") << P{{7, 8}} << P{{7, 8}} << "ES" << L{1, 7, 8};
        QTest::newRow("saumon caché") << large << immense << "E" << L{100, 50, 5};
        QTest::newRow("rien de visible") << large << large << "" << L{3, 1, 2};
    }

    void cadrage() {
        QFETCH(std::vector<PointProfil>, e); QFETCH(std::vector<PointProfil>, s); QFETCH(QString, vus);
        QFETCH(QList<float>, attendu);
        CoupleProfils m = Panneau(e, s, 0);
        EtatVue v = Vue(10360, 5360, VueDeCote);
        std::tie(v.CoeffZoom, v.XCentreZoom, v.YCentreZoom) = std::tuple(3.0f, 1.0f, 2.0f);
        // A side counts as shown through its lines or its points.
        v.Options.AfficherProfil[CoteE] = false;
        v.Options.AfficherPoints[CoteE] = vus.contains(u'E');
        v.Options.AfficherProfil[CoteS] = vus.contains(u'S');
        v.Options.AfficherPoints[CoteS] = false;
        ProjeterProfils(m, v, nullptr);
        QCOMPARE(CadrerVue(v), !vus.isEmpty());
        QVERIFY2(Proche(v.CoeffZoom, attendu[0]), qPrintable(QString::number(v.CoeffZoom)));
        QVERIFY(Proche(v.XCentreZoom, attendu[1]) && Proche(v.YCentreZoom, attendu[2]));
    }

    void angleGardeLeZoom() {
        CoupleProfils m = Panneau({{0, 0}, {100, 12}}, {{10, 0}, {80, 9}}, 200);
        EtatVue v = Vue(15000, 9000, VuePerspective);
        AjusterVue(m, v, nullptr);
        v.CoeffZoom *= 2.5f;
        v.XCentreZoom += 7;
        const float k = v.CoeffZoom, xc = v.XCentreZoom, yc = v.YCentreZoom;
        const float avant = v.Copies.ProfilsEcran.PointsS[1].X;
        v.Omega = 100;
        ReprojeterVue(m, v, nullptr);
        QVERIFY(v.CoeffZoom == k && v.XCentreZoom == xc && v.YCentreZoom == yc);
        QVERIFY(v.Copies.ProfilsEcran.PointsS[1].X != avant);
        // A remap after a change of scale leaves the projection alone.
        const float projete = v.Copies.ProfilsProjetes.PointsE[1].X;
        v.CoeffZoom = k * 1.1f;
        RecalculerEcran(v);
        QCOMPARE(v.Copies.ProfilsProjetes.PointsE[1].X, projete);
        const PointVue attendu = VersDessin(v, projete, v.Copies.ProfilsProjetes.PointsE[1].Y);
        QCOMPARE(v.Copies.ProfilsEcran.PointsE[1].X, attendu.x);
    }

};

GALBIX_TEST_MAIN(TestProjection)
#include "tst_projection.moc"
