// Where two segments meet: every result code, the point returned, and the rounding of the
// parameters that decides between a crossing inside and a crossing at an end.
#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "model/Intersection.h"


using namespace galbix;

class TestIntersection : public QObject {
    Q_OBJECT
private slots:
    void codes_data() {
        tests::Colonnes<QList<double>, int, QPointF>("segments", "code", "point"); // segments: x1 y1 x2 y2 x3 y3 x4 y4
        using L = QList<double>;
        QTest::newRow("parallèles") << L{0, 0, 10, 0, 0, 1, 10, 1} << 0 << QPointF();
        QTest::newRow("confondus") << L{0, 0, 10, 0, 5, 0, 15, 0} << 0 << QPointF();
        QTest::newRow("croisement intérieur") << L{0, 0, 10, 0, 5, -5, 5, 5} << 1 << QPointF(5, 0);
        QTest::newRow("croisement oblique") << L{0, 0, 4, 4, 0, 4, 4, 0} << 1 << QPointF(2, 2);
        QTest::newRow("hors de B") << L{0, 0, 10, 0, 5, 1, 5, 5} << 2 << QPointF(5, 0);
        QTest::newRow("hors de A") << L{0, 0, 10, 0, 20, -5, 20, 5} << 2 << QPointF(20, 0);
        QTest::newRow("avant le début de A") << L{0, 0, 10, 0, -3, -5, -3, 5} << 2 << QPointF(-3, 0);
        QTest::newRow("début de A") << L{0, 0, 10, 0, 0, -5, 0, 5} << 3 << QPointF(0, 0);
        QTest::newRow("fin de A") << L{0, 0, 10, 0, 10, 0, 10, 5} << 4 << QPointF(10, 0);
        QTest::newRow("fin de B") << L{0, 0, 10, 0, 5, 5, 5, 0} << 6 << QPointF(5, 0);
        // A parameter within float rounding of 1 counts as the end of A: the end itself comes back.
        QTest::newRow("fin de A à l'arrondi") << L{0, 0, 1, 0, 1 - 1e-9, -1, 1 - 1e-9, 1} << 4 << QPointF(1, 0);
        QTest::newRow("fin de B à l'arrondi") << L{0, 0, 10, 0, 5, 8, 5, -1e-9} << 6 << QPointF(5, -1e-9);
    }
    void codes() {
        QFETCH(QList<double>, segments); QFETCH(int, code); QFETCH(QPointF, point);
        const QList<double>& s = segments;
        const Intersection i = IntersectionSegments(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
        QCOMPARE(int(i.Code), code);
        // The parameter is a 32-bit float: the crossing is exact to its rounding.
        QVERIFY2(code == 0 || (std::abs(i.X - point.x()) < 1e-5 && std::abs(i.Y - point.y()) < 1e-5),
                 qPrintable(QStringLiteral("(%1, %2)").arg(i.X).arg(i.Y)));
    }
};

GALBIX_TEST_MAIN(TestIntersection)
#include "tst_intersection.moc"
