// The kerf offset: each side moves outwards by half the kerf, whichever way it turns, on a
// copy, with the count and order of the points kept.
#include "common/Colonnes.h"
#include "common/Profils.h"
#include "common/TestMain.h"

#include "editing/Saignee.h"
#include "model/Extremes.h"

#include <cmath>

using namespace galbix;

namespace {

std::vector<PointProfil> PointsSaignee(std::initializer_list<std::pair<float, float>> xy) {
    std::vector<PointProfil> points;
    for (auto [x, y] : xy)
        points.push_back({x, y, int16_t(points.size() % 3 == 0 ? EtatSynchro : 0)});
    return points;
}

const std::vector<PointProfil> CarreE = PointsSaignee({{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}});

} // namespace

class TestSaignee : public QObject {
    Q_OBJECT
private slots:
    void saignee_data() {
        tests::Colonnes<std::vector<PointProfil>, std::vector<PointProfil>>("points", "attendu");
        QTest::newRow("carré anti-horaire")
            << CarreE << PointsSaignee({{-0.6f, -0.6f}, {20.6f, -0.6f}, {20.6f, 20.6f}, {-0.6f, 20.6f}, {-0.6f, -0.6f}});
        QTest::newRow("carré horaire") << PointsSaignee({{0, 0}, {0, 20}, {20, 20}, {20, 0}, {0, 0}})
            << PointsSaignee({{-0.6f, -0.6f}, {-0.6f, 20.6f}, {20.6f, 20.6f}, {20.6f, -0.6f}, {-0.6f, -0.6f}});
        // A point repeated (and one a hair away) follows its neighbour; the count is kept.
        QTest::newRow("points confondus")
            << PointsSaignee({{0, 0}, {20, 0}, {20, 0}, {20.001f, 0.002f}, {20, 20}, {0, 20}, {0, 0}})
            << PointsSaignee({{-0.6f, -0.6f}, {20.6f, -0.6f}, {20.6f, -0.6f}, {20.6f, -0.6f}, {20.6f, 20.6f}, {-0.6f, 20.6f},
                       {-0.6f, -0.6f}});
        QTest::newRow("ligne ouverte vers +X") << PointsSaignee({{0, 5}, {10, 5}}) << PointsSaignee({{0, 5.6f}, {10, 5.6f}});
        QTest::newRow("un seul point distinct") << PointsSaignee({{3, 3}, {3.001f, 3}}) << PointsSaignee({{3, 3}, {3.001f, 3}});
    }
    void saignee() {
        QFETCH(std::vector<PointProfil>, points); QFETCH(std::vector<PointProfil>, attendu);
        std::vector<PointProfil> obtenu = points;
        DecalerExterieur(obtenu, CoteE, 0.6);
        QVERIFY(tests::MemesPoints(obtenu, attendu)); // the states are those of `points`
        std::vector<PointProfil> intact = points;
        DecalerExterieur(intact, CoteE, 0.0);
        QCOMPARE(intact, points);
    }
    // Both sides of a pair move, the model's copy is left as it was, the metrics follow.
    void copie() {
        CoupleProfils p{.PointsE = CarreE, .PointsS = PointsSaignee({{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}})};
        p.EcartementZ = 300.0f;
        CalculerExtremes(p);
        const CoupleProfils avant = p;
        const CoupleProfils c = AppliquerSaignee(p, 2.0);
        QCOMPARE(p.PointsE, avant.PointsE);
        QCOMPARE(QList<float>({c.XminE, c.LargeurE, c.LargeurS, c.EcartementZ}), QList<float>({-1, 22, 12, 300}));
        QCOMPARE(AppliquerSaignee(p, 0.0).PointsS, p.PointsS);
        QVERIFY(SensExterieur(p.PointsE) == 1 && SensExterieur(p.PointsS) == -1);
    }
};

GALBIX_TEST_MAIN(TestSaignee)
#include "tst_saignee.moc"
