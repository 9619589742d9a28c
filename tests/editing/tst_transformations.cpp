#include "common/Colonnes.h"
#include "common/Profils.h"
#include "common/SessionChargee.h"
#include "common/TestMain.h"
#include "editing/Transformations.h"

#include <QPointF>

using namespace galbix;
using Points = QList<QPointF>;

namespace {

enum Operation { MiroirV, MiroirH, EtirerX, EtirerY, EtirerXY, Rotation, TranslationX, TranslationY };

void Appliquer(CoupleProfils& c, int op, double v) {
    switch (op) {
    case MiroirV: Miroir(c, SensMiroir::Vertical); break;
    case MiroirH: Miroir(c, SensMiroir::Horizontal); break;
    case EtirerX: Etirer(c, SensEtirement::X, v); break;
    case EtirerY: Etirer(c, SensEtirement::Y, v); break;
    case EtirerXY: Etirer(c, SensEtirement::Proportionnel, v); break;
    case Rotation: Tourner(c, v); break;
    case TranslationX: Deplacer(c, SensTranslation::X, v); break;
    case TranslationY: Deplacer(c, SensTranslation::Y, v); break;
    }
}

// The first `nbSelectionnes` points are selected; the others carry every other bit.
std::vector<PointProfil> Cote(const Points& xy, int nbSelectionnes) {
    std::vector<PointProfil> p;
    for (qsizetype i = 0; i < xy.size(); ++i)
        p.push_back({float(xy[i].x()), float(xy[i].y()), int16_t(i < nbSelectionnes ? 1 : 6)});
    return p;
}

// Side E: four selected points, a 10 x 4 box centred on (5, 2), then an unselected point.
// Side S: three selected points, a 2 x 1 box centred on (101, 100.5), then an unselected point.
const Points BaseE{{0, 0}, {10, 0}, {10, 4}, {0, 4}, {20, 10}};
const Points BaseS{{100, 100}, {102, 100}, {102, 101}, {50, 50}};

} // namespace

class TestTransformations : public QObject {
    Q_OBJECT
private slots:
    void chaqueCote_data() {
        tests::Colonnes<int, double, Points, Points>("op", "valeur", "e", "s");
        QTest::newRow("miroir vertical") << int(MiroirV) << 0.0
            << Points{{0, 4}, {10, 4}, {10, 0}, {0, 0}} << Points{{100, 101}, {102, 101}, {102, 100}};
        QTest::newRow("miroir horizontal") << int(MiroirH) << 0.0
            << Points{{10, 0}, {0, 0}, {0, 4}, {10, 4}} << Points{{102, 100}, {100, 100}, {100, 101}};
        QTest::newRow("étirer X 50 %") << int(EtirerX) << 50.0
            << Points{{2.5, 0}, {7.5, 0}, {7.5, 4}, {2.5, 4}} << Points{{100.5, 100}, {101.5, 100}, {101.5, 101}};
        QTest::newRow("étirer Y 200 %") << int(EtirerY) << 200.0
            << Points{{0, -2}, {10, -2}, {10, 6}, {0, 6}} << Points{{100, 99.5}, {102, 99.5}, {102, 101.5}};
        QTest::newRow("étirer proportionnellement 50 %") << int(EtirerXY) << 50.0
            << Points{{2.5, 1}, {7.5, 1}, {7.5, 3}, {2.5, 3}}
            << Points{{100.5, 100.25}, {101.5, 100.25}, {101.5, 100.75}};
        QTest::newRow("étirer 0 %") << int(EtirerXY) << 0.0
            << Points{{5, 2}, {5, 2}, {5, 2}, {5, 2}} << Points{{101, 100.5}, {101, 100.5}, {101, 100.5}};
        QTest::newRow("rotation 90") << int(Rotation) << 90.0
            << Points{{7, -3}, {7, 7}, {3, 7}, {3, -3}} << Points{{101.5, 99.5}, {101.5, 101.5}, {100.5, 101.5}};
        QTest::newRow("rotation 360") << int(Rotation) << 360.0 << BaseE.first(4) << BaseS.first(3);
        QTest::newRow("translation X") << int(TranslationX) << 3.0
            << Points{{3, 0}, {13, 0}, {13, 4}, {3, 4}} << Points{{103, 100}, {105, 100}, {105, 101}};
        QTest::newRow("translation Y") << int(TranslationY) << -2.5
            << Points{{0, -2.5}, {10, -2.5}, {10, 1.5}, {0, 1.5}} << Points{{100, 97.5}, {102, 97.5}, {102, 98.5}};
    }

    // Each side is transformed about its own selection box; unselected points never move and
    // every point keeps its bits.
    void chaqueCote() {
        QFETCH(int, op); QFETCH(double, valeur); QFETCH(Points, e); QFETCH(Points, s);
        CoupleProfils c{.PointsE = Cote(BaseE, 4), .PointsS = Cote(BaseS, 3)};
        const CoupleProfils avant = c;
        Appliquer(c, op, valeur);
        // The last point of each side is not selected: it does not move.
        QCOMPARE(tests::EcartPoints(c.PointsE, e << BaseE.back()), QString());
        QCOMPARE(tests::EcartPoints(c.PointsS, s << BaseS.back()), QString());
        QVERIFY(tests::Etats(c.PointsE) == tests::Etats(avant.PointsE)
                && tests::Etats(c.PointsS) == tests::Etats(avant.PointsS));
    }

    void casLimites_data() {
        tests::Colonnes<int, double, bool>("op", "valeur", "pointSeulBouge");
        QTest::newRow("miroir vertical") << int(MiroirV) << 0.0 << false;
        QTest::newRow("étirer XY") << int(EtirerXY) << 0.0 << false;
        QTest::newRow("rotation") << int(Rotation) << 33.0 << false;
        QTest::newRow("translation X") << int(TranslationX) << 1.5 << true;
    }

    // A selection on side E only leaves side S as it was; a single selected point is its own
    // centre, so only a translation moves it; without selection nothing moves.
    void casLimites() {
        QFETCH(int, op); QFETCH(double, valeur);
        CoupleProfils c{.PointsE = Cote(BaseE, 1), .PointsS = Cote(BaseS, 0)};
        const CoupleProfils avant = c;
        Appliquer(c, op, valeur);
        QCOMPARE(c.PointsS, avant.PointsS);
        QTEST(c.PointsE.front() != avant.PointsE.front(), "pointSeulBouge");
        QVERIFY(std::equal(c.PointsE.begin() + 1, c.PointsE.end(), avant.PointsE.begin() + 1));

        c.PointsE = avant.PointsE;
        c.PointsE.Modifier().front().Etat = 0;
        const auto e = c.PointsE;
        Appliquer(c, op, valeur);
        QCOMPARE(c.PointsE, e);
    }

    // A 10 x 0 box turned by 90 degrees becomes a vertical 10 mm segment on the same centre;
    // mirroring twice gives representable points back exactly.
    void rotationEtMiroirs() {
        CoupleProfils c{.PointsE = Cote({{-3, 7}, {2, 7}, {7, 7}}, 3),
                         .PointsS = Cote({{0.125, 3.5}, {7.75, -1.25}, {2.5, 9}}, 3)};
        const CoupleProfils avant = c;
        for (const SensMiroir sens : {SensMiroir::Vertical, SensMiroir::Horizontal}) {
            Miroir(c, sens);
            QVERIFY(c.PointsS != avant.PointsS);
            Miroir(c, sens);
            QCOMPARE(c.PointsS, avant.PointsS);
        }
        Tourner(c, 90);
        QCOMPARE(tests::EcartPoints(c.PointsE, {{2, 2}, {2, 7}, {2, 12}}), QString());
    }
};

GALBIX_TEST_MAIN(TestTransformations)
#include "tst_transformations.moc"
