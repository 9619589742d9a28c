// Projection of the wing panel, fit to the drawing area and mapping to drawing units.
#include "common/TestMain.h"

#include "model/Extremes.h"
#include "view/Projection.h"

#include <cmath>

using namespace galbix;

namespace {

CoupleProfils Panneau(std::vector<PointProfil> e, std::vector<PointProfil> s, float z)
{
    CoupleProfils m;
    m.PointsE = std::move(e);
    m.PointsS = std::move(s);
    m.EcartementZ = z;
    CalculerExtremes(m);
    return m;
}

EtatVue Vue(float largeur, float hauteur, AnglesVue angles)
{
    EtatVue v;
    v.DefinirTailleDessin(largeur, hauteur);
    v.Omega = angles.Omega;
    v.Alpha = angles.Alpha;
    return v;
}

bool Proche(float a, float b, float tolerance = 1e-3f)
{
    return std::fabs(a - b) <= tolerance;
}

} // namespace

class TestProjection : public QObject {
    Q_OBJECT
private slots:
    void projection_data();
    void projection();
    void cadrage_data();
    void cadrage();
    void angleGardeLeZoom();
    void copiesRedimensionneesSeulementAuChangement();
};

void TestProjection::projection_data()
{
    QTest::addColumn<int>("omega");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<float>("X");
    QTest::addColumn<float>("Y");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");

    const float r3 = std::sqrt(3.0f) / 2.0f;
    QTest::newRow("côté, emplanture") << 90 << 180 << 12.5f << -3.0f << 0.0f << 12.5f << -3.0f;
    QTest::newRow("côté, saumon sur l'emplanture") << 90 << 180 << 12.5f << -3.0f << 400.0f << 12.5f << -3.0f;
    // Default perspective: omega -60 degrees, alpha -37 degrees.
    QTest::newRow("perspective, origine du saumon") << 120 << 143 << 0.0f << 0.0f << 100.0f << -50.0f
                                                    << float(100 * -r3 * std::sin(-37 * PiVue / 180));
    QTest::newRow("perspective, X seul") << 120 << 143 << 10.0f << 0.0f << 0.0f << 10.0f * r3
                                         << float(-10 * 0.5 * std::sin(-37 * PiVue / 180));
    QTest::newRow("perspective, Y seul") << 120 << 143 << 0.0f << 10.0f << 0.0f << 0.0f
                                         << float(10 * std::cos(-37 * PiVue / 180));
    QTest::newRow("vue de dessus") << 90 << 90 << 20.0f << 7.0f << 50.0f << 20.0f << 50.0f;
}

void TestProjection::projection()
{
    QFETCH(int, omega);
    QFETCH(int, alpha);
    QFETCH(float, X);
    QFETCH(float, Y);
    QFETCH(float, z);
    QFETCH(float, x);
    QFETCH(float, y);
    const PointVue p = Projecteur(int16_t(omega), int16_t(alpha)).Projeter(X, Y, z);
    QVERIFY2(Proche(p.x, x) && Proche(p.y, y), qPrintable(QStringLiteral("(%1, %2)").arg(p.x).arg(p.y)));
}

void TestProjection::cadrage_data()
{
    QTest::addColumn<std::vector<PointProfil>>("e");
    QTest::addColumn<std::vector<PointProfil>>("s");
    QTest::addColumn<bool>("voirE");
    QTest::addColumn<bool>("voirS");
    QTest::addColumn<bool>("cadre");
    QTest::addColumn<float>("coeff");
    QTest::addColumn<float>("xc");
    QTest::addColumn<float>("yc");

    // Drawing area 10360 x 5360 twips: 10000 x 5000 inside the margins.
    const std::vector<PointProfil> large{{0, 0}, {100, 10}};
    QTest::newRow("les deux côtés") << large << std::vector<PointProfil>{{-100, 0}, {0, -10}} << true << true << true
                                    << 50.0f << -0.0f << 0.0f;
    QTest::newRow("limité par la largeur") << large << large << true << true << true << 100.0f << 50.0f << 5.0f;
    const std::vector<PointProfil> haut{{0, 0}, {10, 20}};
    QTest::newRow("limité par la hauteur") << haut << haut << true << true << true << 250.0f << 5.0f << 10.0f;
    QTest::newRow("largeur nulle") << std::vector<PointProfil>{{5, 0}, {5, 20}} << std::vector<PointProfil>{{5, 10}}
                                   << true << true << true << 250.0f << 5.0f << 10.0f;
    QTest::newRow("hauteur nulle") << std::vector<PointProfil>{{0, 3}, {40, 3}} << std::vector<PointProfil>{{20, 3}}
                                   << true << true << true << 250.0f << 20.0f << 3.0f;
    QTest::newRow("un seul point") << std::vector<PointProfil>{{7, 8}} << std::vector<PointProfil>{{7, 8}} << true
                                   << true << true << 1.0f << 7.0f << 8.0f;
    QTest::newRow("saumon caché") << large << std::vector<PointProfil>{{-1000, 0}, {1000, 500}} << true << false
                                  << true << 100.0f << 50.0f << 5.0f;
    QTest::newRow("emplanture cachée") << std::vector<PointProfil>{{-1000, 0}, {1000, 500}} << large << false << true
                                       << true << 100.0f << 50.0f << 5.0f;
    QTest::newRow("rien de visible") << large << large << false << false << false << 3.0f << 1.0f << 2.0f;
}

void TestProjection::cadrage()
{
    QFETCH(std::vector<PointProfil>, e);
    QFETCH(std::vector<PointProfil>, s);
    QFETCH(bool, voirE);
    QFETCH(bool, voirS);
    QFETCH(bool, cadre);
    QFETCH(float, coeff);
    QFETCH(float, xc);
    QFETCH(float, yc);
    CoupleProfils m = Panneau(e, s, 0);
    EtatVue v = Vue(10360, 5360, VueDeCote);
    v.CoeffZoom = 3;
    v.XCentreZoom = 1;
    v.YCentreZoom = 2;
    // A side counts as shown through its lines or its points.
    v.Options.AfficherProfil[CoteE] = false;
    v.Options.AfficherPoints[CoteE] = voirE;
    v.Options.AfficherProfil[CoteS] = voirS;
    v.Options.AfficherPoints[CoteS] = false;
    ProjeterProfils(m, v, nullptr);
    QCOMPARE(CadrerVue(v), cadre);
    QVERIFY2(Proche(v.CoeffZoom, coeff), qPrintable(QString::number(v.CoeffZoom)));
    QVERIFY(Proche(v.XCentreZoom, xc) && Proche(v.YCentreZoom, yc));
}

void TestProjection::angleGardeLeZoom()
{
    CoupleProfils m = Panneau({{0, 0}, {100, 12}}, {{10, 0}, {80, 9}}, 200);
    EtatVue v = Vue(15000, 9000, VuePerspective);
    AjusterVue(m, v, nullptr);
    v.CoeffZoom *= 2.5f;
    v.XCentreZoom += 7;
    const float k = v.CoeffZoom, xc = v.XCentreZoom, yc = v.YCentreZoom;
    const float avant = v.Copies.ProfilsEcran.PointsS[1].X;
    v.Omega = 100;
    ReprojeterVue(m, v, nullptr);
    QCOMPARE(v.CoeffZoom, k);
    QCOMPARE(v.XCentreZoom, xc);
    QCOMPARE(v.YCentreZoom, yc);
    QVERIFY(v.Copies.ProfilsEcran.PointsS[1].X != avant);
    // A remap after a change of scale leaves the projection alone.
    const float projete = v.Copies.ProfilsProjetes.PointsE[1].X;
    v.CoeffZoom = k * 1.1f;
    RecalculerEcran(v);
    QCOMPARE(v.Copies.ProfilsProjetes.PointsE[1].X, projete);
    const PointVue attendu = VersDessin(v, projete, v.Copies.ProfilsProjetes.PointsE[1].Y);
    QCOMPARE(v.Copies.ProfilsEcran.PointsE[1].X, attendu.x);
}

void TestProjection::copiesRedimensionneesSeulementAuChangement()
{
    CoupleProfils m = Panneau(std::vector<PointProfil>(500, {1, 2}), std::vector<PointProfil>(400, {3, 4}), 10);
    EtatVue v = Vue(15000, 9000, VuePerspective);
    AjusterVue(m, v, nullptr);
    const PointProfil* e = v.Copies.ProfilsEcran.PointsE.data();
    const PointProfil* s = v.Copies.ProfilsProjetes.PointsS.data();
    m.PointsE[3].X = 50;
    ReprojeterVue(m, v, nullptr);
    QCOMPARE(v.Copies.ProfilsEcran.PointsE.data(), e);
    QCOMPARE(v.Copies.ProfilsProjetes.PointsS.data(), s);
    m.PointsS.resize(401, {5, 5});
    CalculerExtremes(m);
    ReprojeterVue(m, v, nullptr);
    QCOMPARE(v.Copies.ProfilsEcran.PointsS.size(), size_t(401));
    QCOMPARE(v.Copies.ProfilsProjetes.PointsS.size(), size_t(401));
    QCOMPARE(v.Copies.ProfilsEcran.PointsE.data(), e);
}

GALBIX_TEST_MAIN(TestProjection)
#include "tst_projection.moc"
