// The cut as the machine runs it: times, carriage positions and speeds, and the segments
// where one carriage rushes while the other crawls.
#include "common/Profils.h"
#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "view/Parcours.h"

using namespace galbix;
using tests::Points;

namespace {

// A square root of side 20 and a half-size square tip, synchronised at the corners.
CoupleProfils Carres() {
    return {.PointsE = Points({{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}}),
            .PointsS = Points({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}})};
}

} // namespace

class TestParcours : public QObject {
    Q_OBJECT
private slots:
    void carres() {
        const CoupleProfils p = Carres();
        const AnalyseParcours a = AnalyserParcours(p);
        QCOMPARE(QList<double>({double(a.NombrePoints), a.LongueurE, a.LongueurS, a.EcartMax}), QList<double>({5, 80, 40, 1}));
        QVERIFY(a.SegmentsAVerifier.empty());
        QVERIFY(a.Duree(3.0) == 80.0 / 3.0 && a.Duree(0.0) == 0.0);
        // Half-way along the second side: the root carriage at the cutting speed, the tip at half.
        const PositionParcours pos = PositionAuTemps(p, a, 30.0 / 4.0, 4.0);
        QCOMPARE(QList<int>({pos.Segment, pos.Paire}), QList<int>({1, 2}));
        QCOMPARE(QList<double>({pos.XE, pos.YE, pos.XS, pos.YS, pos.VitesseE, pos.VitesseS}), QList<double>({20, 10, 10, 5, 4, 2}));
        QCOMPARE(pos.Ecoule + pos.Restant, 20.0);
    }

    void segmentsAVerifier_data() {
        tests::Colonnes<std::vector<PointProfil>, std::vector<PointProfil>, std::vector<int32_t>, double>(
            "e", "s", "attendus", "ecartMax");
        // Paths 30 and 30 (ratio 1): the tip runs 1 while the root runs 10, then 19 against 10, then 10/10.
        QTest::newRow("une surcharge") << Points({{0, 0}, {10, 0}, {20, 0}, {30, 0}})
                                       << Points({{0, 0}, {1, 0}, {20, 0}, {30, 0}}) << std::vector<int32_t>{1} << 10.0;
        // Exactly four times the paths' ratio is still accepted.
        QTest::newRow("limite") << Points({{0, 0}, {4, 0}, {5, 0}})
                                << Points({{0, 0}, {1, 0}, {5, 0}}) << std::vector<int32_t>{} << 4.0;
        // A root standing still while the tip moves is listed; both still is not.
        QTest::newRow("un côté immobile") << Points({{0, 0}, {0, 0}, {0, 0}, {10, 0}})
                                          << Points({{0, 0}, {5, 0}, {5, 0}, {10, 0}}) << std::vector<int32_t>{1} << 2.0;
        QTest::newRow("deux côtés immobiles") << Points({{0, 0}, {0, 0}, {10, 0}})
                                              << Points({{3, 3}, {3, 3}, {13, 3}}) << std::vector<int32_t>{} << 1.0;
    }

    void segmentsAVerifier() {
        QFETCH(std::vector<PointProfil>, e); QFETCH(std::vector<PointProfil>, s);
        QFETCH(std::vector<int32_t>, attendus);
        CoupleProfils p{.PointsE = e, .PointsS = s};
        const AnalyseParcours a = AnalyserParcours(p);
        QCOMPARE(a.SegmentsAVerifier, attendus);
        QTEST(a.EcartMax, "ecartMax");
        for (size_t k = 0; k < a.AVerifier.size(); ++k)
            QCOMPARE(bool(a.AVerifier[k]),
                     std::find(attendus.begin(), attendus.end(), int32_t(k + 1)) != attendus.end());
    }

    void position_data() {
        tests::Colonnes<double, int, double, double>("temps", "paire", "xe", "ys");
        QTest::newRow("avant le début") << -5.0 << 1 << 0.0 << 0.0;
        QTest::newRow("premier coin") << 10.0 << 2 << 20.0 << 0.0;
        QTest::newRow("troisième côté") << 25.0 << 3 << 10.0 << 10.0;
        QTest::newRow("après la fin") << 1e9 << 5 << 0.0 << 0.0;
        QTest::newRow("temps non fini") << qQNaN() << 1 << 0.0 << 0.0;
    }

    void position() {
        QFETCH(double, temps);
        const CoupleProfils p = Carres();
        const AnalyseParcours a = AnalyserParcours(p);
        const PositionParcours pos = PositionAuTemps(p, a, temps, 2.0);
        QTEST(pos.Paire, "paire");
        QTEST(pos.XE, "xe");
        QTEST(pos.YS, "ys");
        QCOMPARE(TempsDeLaPaire(a, pos.Paire, 2.0) <= pos.Ecoule + 1e-12, true);
    }

    void comptesDifferents() {
        CoupleProfils p = Carres();
        p.PointsS.Modifier().pop_back();
        const AnalyseParcours a = AnalyserParcours(p);
        QVERIFY(a.NombrePoints == 0 && a.Duree(3.0) == 0.0);
        QCOMPARE(PositionAuTemps(p, a, 1.0, 3.0).Paire, 1);
    }
};

GALBIX_TEST_MAIN(TestParcours)
#include "tst_parcours.moc"
