// Cutting the reading buffer into contours, and writing an assembly back as one path.
#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "sequences/Fabrique.h"

#include "sequences/Decoupage.h"

using namespace galbix;

class TestDecoupage : public QObject {
    Q_OBJECT
private slots:
    void codes_data() {
        tests::Colonnes<QString, QList<int>>("codes", "tailles");
        QTest::newRow("un seul code") << "AAAA" << QList<int>{4};
        QTest::newRow("A A B B C") << "AABBC" << QList<int>{2, 2, 1};
        QTest::newRow("A A B B A: premier et dernier égaux") << "AABBA" << QList<int>{5};
        QTest::newRow("code qui revient") << "AABAAC" << QList<int>{2, 1, 2, 1};
        QTest::newRow("un enregistrement") << "A" << QList<int>{1};
    }
    void codes() {
        QFETCH(QString, codes);
        const QByteArray c = codes.toLatin1();
        const ListeSequences liste = DecouperSequences(essai::Enregistrements(c.constData()));
        QList<int> obtenues;
        float x = 0;
        for (const Sequence& s : liste) {
            obtenues << s.NbPoints();
            QCOMPARE(s.Selectionnee, int16_t(0));
            for (const PointSequence& p : s.Points) // points keep file order across contours
                QCOMPARE(p.X, x++);
        }
        QTEST(obtenues, "tailles");
    }

    // Contours numbered by the readers: the last never takes the first one's code, whatever
    // their count (3844 codes).
    void numerotation_data() {
        QTest::addColumn<int>("contours");
        for (int n : {3844, 3845, 7689})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void numerotation() {
        QFETCH(int, contours);
        ListeSequences liste;
        for (int k = 0; k < contours; ++k)
            liste.push_back(essai::Contour({{k, 0}, {k, 1}}));
        QCOMPARE(int(DecouperSequences(essai::Tampon(liste).Points).size()), contours);
    }

    // Collinear points are thinned per contour, with each contour's own tolerance; a
    // contour of four points stays as read even when its middle points are on the line.
    void amincissement_data() {
        tests::Colonnes<int, int>("points", "attendus");
        QTest::newRow("4 points alignés gardés") << 4 << 4;
        QTest::newRow("5 points alignés") << 5 << 2;
    }
    void amincissement() {
        QFETCH(int, points);
        ListeSequences lu(1);
        for (int i = 0; i < points; ++i)
            lu[0].Points.push_back({float(i), 0, 0});
        // A small square afterwards, in its own contour: its tolerance is its own.
        lu.push_back(essai::Contour({{0.0, 0.0}, {0.001, 0.0}, {0.002, 0.0}, {0.002, 0.001}, {0.0, 0.001}}));
        const ListeSequences liste = DecouperSequences(essai::Tampon(lu).Points);
        QCOMPARE(liste.size(), size_t(2));
        QTEST(liste[0].NbPoints(), "attendus");
        QVERIFY(liste[0].Points.front().X == 0.0f && liste[0].Points.back().X == float(points - 1));
        QCOMPARE(liste[0].Largeur, float(points - 1));
        // The small square's middle point (0.001, 0) is on its edge: thinned away; its
        // corners stay (a drawing-wide tolerance would have erased them).
        QCOMPARE(liste[1].NbPoints(), 4);
    }

    void retour_data() {
        tests::Colonnes<int, int>("n1", "n2");
        QTest::newRow("10 + 5") << 10 << 5;
        QTest::newRow("1 + 1") << 1 << 1;
    }
    void retour() {
        QFETCH(int, n1); QFETCH(int, n2);
        ListeSequences a(2);
        for (int i = 0; i < n1; ++i)
            a[0].Points.push_back({float(i), float(-i), 0});
        for (int i = 0; i < n2; ++i)
            a[1].Points.push_back({float(-3 - i), float(7 + i), 0});
        TamponLecture t;
        QVERIFY(EcrireAssemblage(a, t));
        QCOMPARE(int(t.Points.size()), n1 + n2);
        QVERIFY(t.Points[0].X == 0.0f && t.Points[size_t(n1)].X == -3.0f);
        QCOMPARE(QList<float>({t.XminFichier, t.XmaxFichier, t.YminFichier, t.YmaxFichier}),
                 QList<float>({float(-3 - (n2 - 1)), float(n1 - 1), float(-(n1 - 1)), float(7 + n2 - 1)}));
        for (const PointFichier& p : t.Points)
            QCOMPARE(p.CodeContour[0], char(0));
    }

};

GALBIX_TEST_MAIN(TestDecoupage)
#include "tst_decoupage.moc"
