#include "common/Profils.h"
#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "model/Extremes.h"

using namespace galbix;
using tests::Points;
using XY = QList<QPointF>;
using Valeurs = QList<double>;

class TestExtremes : public QObject {
    Q_OBJECT
private slots:
    void egalites_data() {
        // indices: Xmin, Xmax, Ymin, Ymax; compagnons: YaXmin, YaXmax, XaYmin, XaYmax
        tests::Colonnes<XY, QList<int>, Valeurs>("points", "indices", "compagnons");
        QTest::newRow("un point") << XY{{3, 4}} << QList<int>{1, 1, 1, 1} << Valeurs{4, 4, 3, 3};
        QTest::newRow("tous égaux") << XY{{1, 1}, {1, 1}, {1, 1}} << QList<int>{3, 3, 3, 3} << Valeurs{1, 1, 1, 1};
        QTest::newRow("Xmin") << XY{{0, 2}, {10, 0}, {0, -2}, {5, 1}} << QList<int>{3, 2, 3, 1} << Valeurs{-2, 0, 0, 0};
        QTest::newRow("Xmax") << XY{{10, 1}, {0, 0}, {10, -1}, {5, 3}} << QList<int>{2, 3, 3, 4} << Valeurs{0, -1, 10, 5};
        QTest::newRow("Ymin") << XY{{0, -5}, {10, 0}, {4, -5}, {6, 2}} << QList<int>{1, 2, 3, 4} << Valeurs{-5, 0, 4, 6};
        QTest::newRow("Ymax") << XY{{1, 7}, {0, 0}, {3, 7}, {9, -1}} << QList<int>{2, 4, 4, 3} << Valeurs{0, -1, 9, 3};
    }

    // Ties go to the highest point number. Each row runs on side E, then on side S, so all
    // eight indices meet their tie.
    void egalites() {
        QFETCH(XY, points); QFETCH(QList<int>, indices); QFETCH(Valeurs, compagnons);
        CoupleProfils c{.PointsE = Points(points), .PointsS = Points({{100, 100}})};
        CalculerExtremes(c);
        QCOMPARE(QList<int>({c.IndXminE, c.IndXmaxE, c.IndYminE, c.IndYmaxE}), indices);
        QCOMPARE(Valeurs({c.YaXminE, c.YaXmaxE, c.XaYminE, c.XaYmaxE}), compagnons);
        std::swap(c.PointsE, c.PointsS);
        CalculerExtremes(c);
        QCOMPARE(QList<int>({c.IndXminS, c.IndXmaxS, c.IndYminS, c.IndYmaxS}), indices);
        QCOMPARE(Valeurs({c.YaXminS, c.YaXmaxS, c.XaYminS, c.XaYmaxS}), compagnons);
    }

    void references_data() {
        // States of side E's points (1,10) (2,20) (4,40) and side S's (10,1) (30,3) (50,5); refs: XrefE,
        // YrefE, XrefS, YrefS
        tests::Colonnes<QList<int>, QList<int>, QList<int>, Valeurs>("etatsE", "etatsS", "nbRef", "refs");
        QTest::newRow("deux côtés: moyennes") << QList<int>{2, 0, 2} << QList<int>{0, 2, 2} << QList<int>{2, 2} << Valeurs{2.5, 25, 40, 4};
        QTest::newRow("emplanture seule: sommes") << QList<int>{2, 2, 0} << QList<int>{1, 4, 5} << QList<int>{2, 0} << Valeurs{3, 30, 0, 0};
        QTest::newRow("saumon seul: sommes") << QList<int>{1, 1, 1} << QList<int>{2, 2, 2} << QList<int>{0, 3} << Valeurs{0, 0, 90, 9};
        QTest::newRow("état 7 compte") << QList<int>{7, 1, 4} << QList<int>{7, 3, 4} << QList<int>{1, 2} << Valeurs{1, 10, 20, 2};
    }

    void references() {
        QFETCH(QList<int>, etatsE); QFETCH(QList<int>, etatsS);
        CoupleProfils c{.PointsE = Points({{1, 10}, {2, 20}, {4, 40}}, etatsE),
                         .PointsS = Points({{10, 1}, {30, 3}, {50, 5}}, etatsS)};
        const auto avant = c.PointsE;
        CalculerExtremes(c);
        QTEST(QList<int>({c.NbRefE, c.NbRefS}), "nbRef");
        QTEST(Valeurs({c.XrefE, c.YrefE, c.XrefS, c.YrefS}), "refs");
        QCOMPARE(c.PointsE, avant); // no point is touched
    }

    void metriques_data() {
        // attendu: Largeur, Hauteur, FlecheBA, FlecheBF, DiedreMm, DiedreDeg
        tests::Colonnes<XY, XY, float, Valeurs>("e", "s", "ecartement", "attendu");
        // DiedreDeg starts at 12.5: a zero spacing keeps it.
        QTest::newRow("écartement nul") << XY{{0, -2}, {100, 0}, {50, 8}} << XY{{20, -1}, {90, 1}, {60, 9}, {30, -3}}
                                        << 0.0f << Valeurs{100, 12, 20, 10, -1, 12.5};
        QTest::newRow("45 degrés") << XY{{0, 0}, {100, 10}} << XY{{0, 100}, {80, 110}} << 100.0f
                                   << Valeurs{100, 110, 0, 20, 100, 45};
        // (2^24 + 2^24 + 2) / 2 is 2^24 + 1 in double but 2^24 in float: middles are taken in double.
        QTest::newRow("milieux en double") << XY{{0, 16777216}, {1, 16777216}} << XY{{0, 16777216}, {1, 16777218}}
                                           << 1.0f << Valeurs{1, 2, 0, 0, 0, 45};
    }

    void metriques() {
        QFETCH(XY, e); QFETCH(XY, s); QFETCH(float, ecartement); QFETCH(Valeurs, attendu);
        CoupleProfils c{.PointsE = Points(e), .PointsS = Points(s)};
        c.EcartementZ = ecartement;
        c.DiedreDeg = 12.5f;
        CalculerExtremes(c);
        const Valeurs obtenu{c.Largeur, c.Hauteur, c.FlecheBA, c.FlecheBF, c.DiedreMm, c.DiedreDeg};
        for (qsizetype i = 0; i < obtenu.size(); ++i)
            QVERIFY2(std::abs(obtenu[i] - attendu[i]) < 1e-4, qPrintable(QStringLiteral("field %1: %2").arg(i).arg(obtenu[i])));
    }

    // Callers never pass an empty side; if one slips through, nothing changes and nothing breaks.
    void coteVideSansEffet() {
        CoupleProfils c{.PointsE = Points({{1, 2}}), .PointsS = {}};
        c.XminE = 42;
        CalculerExtremes(c);
        QCOMPARE(c.XminE, 42.0f);
    }
};

GALBIX_TEST_MAIN(TestExtremes)
#include "tst_extremes.moc"
