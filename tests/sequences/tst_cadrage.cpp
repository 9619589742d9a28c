// Fitting a list of contours to a drawing area, the display copy, the wheel zoom and the
// picking helpers of the mouse gestures.
#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "sequences/Fabrique.h"

#include "sequences/Cadrage.h"

using namespace galbix;
using essai::Carre;
using essai::Contour;

Q_DECLARE_METATYPE(galbix::ListeSequences)

class TestCadrage : public QObject {
    Q_OBJECT
private slots:
    // Area 6000 x 4000 with margin 250: 5500 x 3500 to fill.
    void ajuster_data() {
        tests::Colonnes<ListeSequences, double, double, double>("liste", "echelle", "cx", "cy");
        QTest::newRow("points confondus") << ListeSequences{Contour({{3, 4}}), Contour({{3, 4}})} << 1.0 << 3.0 << 4.0;
        QTest::newRow("segments horizontaux")
            << ListeSequences{Contour({{0, 2}, {10, 2}}), Contour({{20, 2}, {11, 2}})} << 5500.0 / 20 << 10.0 << 2.0;
        QTest::newRow("segment vertical") << ListeSequences{Contour({{1, 0}, {1, 7}})} << 3500.0 / 7 << 1.0 << 3.5;
        QTest::newRow("hauteur limitante") << ListeSequences{Carre(0, 0, 10), Carre(0, 20, 10)} << 3500.0 / 30 << 5.0 << 15.0;
        QTest::newRow("largeur limitante") << ListeSequences{Contour({{0, 0}, {100, 1}})} << 55.0 << 50.0 << 0.5;
    }
    void ajuster() {
        QFETCH(ListeSequences, liste); QFETCH(double, cx); QFETCH(double, cy);
        CadrageVue c{6000, 4000, cadrage::MargeHaut};
        AjusterCadrage(c, liste);
        QTEST(c.Echelle, "echelle");
        QVERIFY(c.Cx == cx && c.Cy == cy);
        // The centre of the drawing goes to the centre of the area; y grows upwards.
        const ListeSequences e = MapperListe(c, {Contour({{cx, cy}, {cx + 1, cy + 1}})});
        QCOMPARE(e[0].Points[0], (PointSequence{3000, 2000, 0}));
        QVERIFY(e[0].Points[1].Y < e[0].Points[0].Y);
    }

    // The model point under the pointer stays there across notches either way.
    void zoomMolette_data() {
        tests::Colonnes<int, double>("crans", "facteur");
        QTest::newRow("avant") << 2 << 1.21;
        QTest::newRow("arrière") << -1 << 0.9;
    }
    void zoomMolette() {
        QFETCH(int, crans); QFETCH(double, facteur);
        CadrageVue c{6000, 4000, 250, 20, 5, -3};
        const PointSequence avant = VersModeleSequence(c, 1200, 3100);
        QVERIFY(ZoomerCadrage(c, 1200, 3100, crans));
        QVERIFY(std::fabs(c.Echelle - 20 * facteur) < 1e-9);
        const PointSequence apres = VersModeleSequence(c, 1200, 3100);
        QVERIFY(std::fabs(apres.X - avant.X) < 1e-4 && std::fabs(apres.Y - avant.Y) < 1e-4);
        QVERIFY(!ZoomerCadrage(c, 0, 0, 0));
    }

    // Display extents: A = 100..200 x 100..200 (selected), B = 300..400 x 100..200.
    void rectangle_data() {
        tests::Colonnes<QList<double>, QString>("rect", "selection");
        QTest::newRow("autour des deux: échange") << QList<double>{50, 50, 450, 250} << "01";
        QTest::newRow("dans l'ordre inverse") << QList<double>{450, 250, 50, 50} << "01";
        QTest::newRow("coupe B seulement") << QList<double>{250, 50, 350, 250} << "10";
        QTest::newRow("clic dans B") << QList<double>{350, 150, 350, 150} << "11";
        QTest::newRow("clic sur le bord de A") << QList<double>{100, 150, 100, 150} << "10";
        QTest::newRow("clic dans le vide") << QList<double>{250, 150, 250, 150} << "10";
    }
    void rectangle() {
        QFETCH(QList<double>, rect);
        ListeSequences liste{Carre(0, 0, 1, 1), Carre(5, 0, 1)};
        const ListeSequences ecran{Carre(100, 100, 100), Carre(300, 100, 100)};
        BasculerParRectangle(liste, ecran, RectangleEcran::Depuis(rect[0], rect[1], rect[2], rect[3]));
        QTEST(essai::Choix(liste), "selection");
    }

    void pointSousCurseur() {
        const ListeSequences ecran{Contour({{0, 0}, {100, 0}}), Contour({{130, 10}, {500, 500}})};
        const auto p = PointSousCurseur(ecran, 120, 5);
        QVERIFY(p && p->Contour == 1 && p->Point == 0); // (130, 10) is nearer than (100, 0)
        QVERIFY(!PointSousCurseur(ecran, 300, 60));
        QVERIFY(PointSousCurseur(ecran, 49, -49));
        QCOMPARE(PointSousCurseur(ecran, 51, 0)->Point, 1); // 49 from (100, 0), 51 from (0, 0)
    }

    // A travel of the pointer of (30, 60) drawing units at scale 3 is (10, -20) mm.
    void deplacer() {
        ListeSequences l{Carre(0, 0, 1, 1), Carre(5, 0, 1)};
        DeplacerSelection(l, 30, 60, 3);
        QVERIFY(l[0].Xmin == 10.0f && l[0].Ymin == -20.0f && l[1].Xmin == 5.0f);
        DeplacerPoint(l, {1, 2}, -15, 15, 3);
        QVERIFY(l[1].Points[2].X == 1.0f && l[1].Points[2].Y == -4.0f && l[1].Ymin == -4.0f);
    }

    void etiquettes_data() {
        tests::Colonnes<int, int, QList<int>>("position", "nombre", "entrees");
        QTest::newRow("début") << 1 << 7 << QList<int>{0, 0, 1, 2, 3};
        QTest::newRow("milieu") << 4 << 7 << QList<int>{2, 3, 4, 5, 6};
        QTest::newRow("fin") << 7 << 7 << QList<int>{5, 6, 7, 0, 0};
        QTest::newRow("liste vide") << 1 << 0 << QList<int>{0, 0, 0, 0, 0};
    }
    void etiquettes() {
        QFETCH(int, position); QFETCH(int, nombre); QFETCH(QList<int>, entrees);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(EntreeEtiquette(position, k, nombre), entrees[k]);
    }
};

GALBIX_TEST_MAIN(TestCadrage)
#include "tst_cadrage.moc"
