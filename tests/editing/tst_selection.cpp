#include "common/Colonnes.h"
#include "common/Profils.h"
#include "common/TestMain.h"
#include "model/Fonctions.h"
#include "editing/Selection.h"


using namespace galbix;
using Numeros = QList<int>;

namespace {

Numeros AvecBit(const std::vector<PointProfil>& points, int16_t bit) {
    Numeros n;
    for (size_t i = 0; i < points.size(); ++i)
        if (AEtat(points[i], bit))
            n << int(i + 1);
    return n;
}

} // namespace

class TestSelection : public QObject {
    Q_OBJECT
private slots:
    void angleSegment_data() {
        tests::Colonnes<QPointF, double>("vers", "degres"); // vers: the segment's end, from (0, 0)
        QTest::newRow("+X") << QPointF(4, 0) << 0.0;
        QTest::newRow("vers le haut") << QPointF(0, 3) << 90.0;
        QTest::newRow("longueur nulle") << QPointF(0, 0) << 90.0;
        QTest::newRow("deuxième quadrant") << QPointF(-1, 1) << 135.0;
        QTest::newRow("quatrième quadrant") << QPointF(1, -1) << 315.0;
    }

    void angleSegment() {
        QFETCH(QPointF, vers); QFETCH(double, degres);
        const double a = AngleSegment(0, 0, float(vers.x()), float(vers.y()));
        QVERIFY(a >= 0.0 && a < DeuxPiEdition);
        QVERIFY(std::fabs(a * 180.0 / PiEdition - degres) < 1e-4);
    }

    void coins_data() {
        tests::Colonnes<QList<QPointF>, Numeros>("points", "coins");
        QTest::newRow("alignés") << QList<QPointF>{{0, 0}, {1, 1}, {2, 2}, {3, 3}} << Numeros{};
        QTest::newRow("carré") << QList<QPointF>{{0, 0}, {10, 0}, {10, 10}, {0, 10}} << Numeros{2, 3};
        QTest::newRow("20 degrés à travers 0") << QList<QPointF>{{0, 0}, {10, -1.7632698}, {20, 0}} << Numeros{};
        QTest::newRow("40 degrés à travers 0") << QList<QPointF>{{0, 0}, {10, -3.6397023}, {20, 0}} << Numeros{2};
        QTest::newRow("29 degrés") << QList<QPointF>{{0, 0}, {10, 0}, {20, 5.5430905}} << Numeros{};
        QTest::newRow("31 degrés") << QList<QPointF>{{0, 0}, {10, 0}, {20, 6.0086062}} << Numeros{2};
        QTest::newRow("demi-tour") << QList<QPointF>{{0, 0}, {10, 0}, {0, 0}} << Numeros{2};
        QTest::newRow("point double") << QList<QPointF>{{0, 0}, {10, 0}, {10, 0}, {20, 0}} << Numeros{2, 3};
    }

    // "Sélection >30": turns of 30 degrees and more, by their true size across 0/360; the
    // ends never. Only the mode's bit is touched.
    void coins() {
        QFETCH(QList<QPointF>, points);
        for (const int16_t mode : {EtatSelection, EtatReference, EtatSynchro}) {
            std::vector<PointProfil> p = tests::Points(points, Numeros(points.size(), EtatAConserver));
            SelectionnerAngles(p, mode);
            QTEST(AvecBit(p, mode), "coins");
            for (const PointProfil& pt : p)
                QVERIFY((pt.Etat & ~(mode | EtatAConserver)) == 0);
        }
    }

    void inverser_data() {
        tests::Colonnes<Numeros, Numeros>("selection", "ordre"); // selection: among points 1 to 10
        QTest::newRow("deux runs") << Numeros{3, 4, 5, 8, 9} << Numeros{1, 2, 5, 4, 3, 6, 7, 9, 8, 10};
        QTest::newRow("jusqu'au dernier") << Numeros{1, 2, 8, 9, 10} << Numeros{2, 1, 3, 4, 5, 6, 7, 10, 9, 8};
        QTest::newRow("points isolés") << Numeros{1, 3, 10} << Numeros{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("tout") << Numeros{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << Numeros{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    }

    // Runs of selected points are reversed on both sides; the points keep all their marks.
    void inverser() {
        QFETCH(Numeros, selection); QFETCH(Numeros, ordre);
        CoupleProfils c;
        for (int i = 1; i <= 10; ++i) {
            const int16_t etat = int16_t((selection.contains(i) ? EtatSelection : 0) + (i % 2 ? EtatReference : 0));
            c.PointsE.push_back({float(i), float(i % 3), etat});
        }
        c.PointsS = c.PointsE;
        const auto avant = c.PointsE;
        InverserSens(c);
        QCOMPARE(c.PointsS, c.PointsE);
        for (size_t i = 0; i < 10; ++i)
            QCOMPARE(c.PointsE[i], avant[size_t(ordre[qsizetype(i)] - 1)]);
    }

    void panneau_data() {
        tests::Colonnes<int, int, Numeros>("commande", "mode", "etats"); // etats before: 1, 2, 4, 7, 0
        QTest::newRow("tout, synchro") << int(CommandeCote::ToutSelectionner) << 4 << Numeros{5, 6, 4, 7, 4};
        QTest::newRow("rien, synchro") << int(CommandeCote::ToutDeselectionner) << 4 << Numeros{1, 2, 0, 3, 0};
        QTest::newRow("Xmin Xmax, égalité") << int(CommandeCote::XminXmax) << 1 << Numeros{1, 2, 5, 7, 0};
        QTest::newRow("Ymin Ymax, réf.") << int(CommandeCote::YminYmax) << 2 << Numeros{1, 2, 4, 7, 2};
        QTest::newRow(">30, réf.") << int(CommandeCote::Angles) << 2 << Numeros{1, 2, 6, 7, 0};
    }

    // The panel commands set or clear the mode bit on their own side only.
    void panneau() {
        QFETCH(int, commande); QFETCH(int, mode);
        CoupleProfils c;
        c.PointsE = c.PointsS = tests::Points({{5, 0}, {0, 1}, {10, 2}, {0, 3}, {5, -4}}, {1, 2, 4, 7, 0});
        const auto s = c.PointsS;
        ExecuterCommandeCote(c, CoteE, int16_t(mode), CommandeCote(commande));
        QTEST(tests::Etats(c.PointsE), "etats");
        QCOMPARE(c.PointsS, s);
    }

    void ligne_data() {
        tests::Colonnes<int, int, int>("courant", "ligne", "point"); // point 0: the row shows no point
        QTest::newRow("ligne du milieu") << 4 << 2 << 4;
        QTest::newRow("première ligne") << 4 << 0 << 2;
        QTest::newRow("libellé Y de la dernière ligne") << 4 << LigneDuLibelle(9) << 6;
        QTest::newRow("avant le premier point") << 1 << 1 << 0;
        QTest::newRow("après le dernier point") << 6 << 3 << 0;
    }

    // A row click toggles the mode bit of the row's point; a second click gives it back.
    void ligne() {
        QFETCH(int, courant); QFETCH(int, ligne); QFETCH(int, point);
        CoupleProfils c;
        c.PointsE = c.PointsS = tests::Points(QList<QPointF>(6), {1, 0, 1, 0, 1, 0});
        EtatEdition ed;
        ed.ModeSelection = EtatReference;
        ed.PointCourantS = courant;
        const auto avant = c.PointsS;
        QCOMPARE(BasculerLigne(c, ed, CoteS, ligne), point != 0);
        QCOMPARE(AvecBit(c.PointsS, EtatReference), point ? Numeros{point} : Numeros{});
        BasculerLigne(c, ed, CoteS, ligne);
        QCOMPARE(c.PointsS, avant);
    }
};

GALBIX_TEST_MAIN(TestSelection)
#include "tst_selection.moc"
