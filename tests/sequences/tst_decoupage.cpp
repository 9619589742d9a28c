// Cutting the reading buffer into contours, and writing an assembly back as one path.
#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "sequences/Fabrique.h"

#include "sequences/Decoupage.h"

using namespace galbix;

class TestDecoupage : public QObject {
    Q_OBJECT
private slots:
    void codes_data()
    {
        tests::Colonnes<QString, QList<int>>("codes", "tailles");
        QTest::newRow("un seul code") << "AAAA" << QList<int>{4};
        QTest::newRow("A A B B C") << "AABBC" << QList<int>{2, 2, 1};
        QTest::newRow("A A B B A: premier et dernier égaux") << "AABBA" << QList<int>{5};
        QTest::newRow("code qui revient") << "AABAAC" << QList<int>{2, 1, 2, 1};
        QTest::newRow("un enregistrement") << "A" << QList<int>{1};
    }
    void codes()
    {
        QFETCH(QString, codes);
        const QByteArray c = codes.toLatin1();
        const ListeSequences liste = DecouperSequences(essai::Enregistrements(c.constData()));
        QList<int> obtenues;
        for (const Sequence& s : liste) {
            obtenues << s.NbPoints();
            QCOMPARE(s.Selectionnee, int16_t(0));
        }
        QTEST(obtenues, "tailles");
        // Points keep file order across contours.
        float x = 0;
        for (const Sequence& s : liste)
            for (const PointSequence& p : s.Points)
                QCOMPARE(p.X, x++);
    }

    // Contours numbered by the readers: the last never takes the first one's code, whatever
    // their count (3844 codes).
    void numerotation_data()
    {
        QTest::addColumn<int>("contours");
        QTest::newRow("3 844") << 3844;
        QTest::newRow("3 845") << 3845;
        QTest::newRow("7 689") << 7689;
    }
    void numerotation()
    {
        QFETCH(int, contours);
        std::vector<PointFichier> r;
        for (int k = 0; k < contours; ++k)
            for (int i = 0; i < 2; ++i) {
                PointFichier p;
                p.X = float(k);
                p.Y = float(i);
                PoserCodeContour(p, k);
                r.push_back(p);
            }
        QCOMPARE(int(DecouperSequences(r).size()), contours);
    }

    // Collinear points are thinned per contour, with each contour's own tolerance; a
    // contour of four points stays as read even when its middle points are on the line.
    void amincissement_data()
    {
        tests::Colonnes<int, int>("points", "attendus");
        QTest::newRow("4 points alignés gardés") << 4 << 4;
        QTest::newRow("5 points alignés") << 5 << 2;
    }
    void amincissement()
    {
        QFETCH(int, points);
        std::vector<PointFichier> r;
        for (int i = 0; i < points; ++i) {
            PointFichier p;
            p.X = float(i);
            p.CodeContour[0] = 'A';
            r.push_back(p);
        }
        // A small square afterwards, in its own contour: its tolerance is its own.
        for (auto [x, y] : {std::pair{0.0, 0.0}, {0.001, 0.0}, {0.002, 0.0}, {0.002, 0.001}, {0.0, 0.001}}) {
            PointFichier p;
            p.X = float(x);
            p.Y = float(y);
            p.CodeContour[0] = 'B';
            r.push_back(p);
        }
        const ListeSequences liste = DecouperSequences(r);
        QCOMPARE(liste.size(), size_t(2));
        QTEST(liste[0].NbPoints(), "attendus");
        QCOMPARE(liste[0].Points.front().X, 0.0f);
        QCOMPARE(liste[0].Points.back().X, float(points - 1));
        QCOMPARE(liste[0].Largeur, float(points - 1));
        // The small square's middle point (0.001, 0) is on its edge: thinned away; its
        // corners stay (a drawing-wide tolerance would have erased them).
        QCOMPARE(liste[1].NbPoints(), 4);
    }

    void retour_data()
    {
        tests::Colonnes<int, int>("n1", "n2");
        QTest::newRow("10 + 5") << 10 << 5;
        QTest::newRow("1 + 1") << 1 << 1;
    }
    void retour()
    {
        QFETCH(int, n1);
        QFETCH(int, n2);
        ListeSequences a(2);
        for (int i = 0; i < n1; ++i)
            a[0].Points.push_back({float(i), float(-i), 0});
        for (int i = 0; i < n2; ++i)
            a[1].Points.push_back({float(-3 - i), float(7 + i), 0});
        TamponLecture t;
        QVERIFY(EcrireAssemblage(a, t));
        QCOMPARE(int(t.Points.size()), n1 + n2);
        QCOMPARE(t.Points[0].X, 0.0f);
        QCOMPARE(t.Points[size_t(n1)].X, -3.0f);
        QCOMPARE(t.XminFichier, float(-3 - (n2 - 1)));
        QCOMPARE(t.XmaxFichier, float(n1 - 1));
        QCOMPARE(t.YminFichier, float(-(n1 - 1)));
        QCOMPARE(t.YmaxFichier, float(7 + n2 - 1));
        for (const PointFichier& p : t.Points)
            QCOMPARE(p.CodeContour[0], char(0));
    }

};

GALBIX_TEST_MAIN(TestDecoupage)
#include "tst_decoupage.moc"
