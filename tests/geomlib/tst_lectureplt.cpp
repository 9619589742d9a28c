// Reading HPGL plots: pen moves, user-unit scaling, contours of pen-down runs, and the
// instructions and prefixes that are skipped.

#include "common/Profils.h"
#include "common/Test.h"


using namespace galbix;

namespace {

using Contour = QList<QPointF>;
using Contours = QList<Contour>;

LectureFichier LirePltTest(const QByteArray& texte) { return tests::LireTexte(texte, formats::LirePlt); }

} // namespace

class LecturePltTest : public QObject {
    Q_OBJECT

private slots:
    // Coordinates in plotter units (40 per mm); expected points in mm.
    void traces_data() {
        using B = QByteArray;
        using C = Contours;
        tests::Colonnes<QByteArray, Contours>("texte", "attendus");

        const Contour carre{{0, 0}, {10, 0}, {10, 10}};
        const Contours trait{{{0, 0}, {1, 0}}};
        QTest::newRow("listes après PU et PD") << B("IN;SP1;PU0,0;PD400,0,400,400;PU;SP0;") << C{carre};
        QTest::newRow("PD sans paramètres puis PA") << B("IN;SP1;PA 0,0;PD;PA 400,0;PA 400,400;PU;") << C{carre};
        QTest::newRow("PR relatif") << B("IN;PA40,40;PR;PD360,0,0,400;PU;") << C{{{1, 1}, {10, 1}, {10, 11}}};
        QTest::newRow("décimaux et signes") << B("PU 10.5 -20;PD +50.5,-.8;") << C{{{0.2625, -0.5}, {1.2625, -0.02}}};
        QTest::newRow("sans séparateurs") << B("PU0,0PD400,0,400,400PU") << C{carre};
        QTest::newRow("fins de ligne") << B("IN\r\nPU0,0\r\nPD400,0,\r\n400,400\r\nPU\r\n") << C{carre};
        QTest::newRow("minuscules") << B("in;pu0,0;pd400,0,400,400;") << C{carre};
        QTest::newRow("plusieurs tracés") << B("PU0,0;PD40,0;PU80,0;PD120,0,120,40;")
                                          << C{{{0, 0}, {1, 0}}, {{2, 0}, {3, 0}, {3, 1}}};
        QTest::newRow("changement de plume") << B("PU0,0;PD40,0;SP2;PD80,0;") << C{{{0, 0}, {1, 0}}, {{1, 0}, {2, 0}}};
        QTest::newRow("PD immobile ne trace rien") << B("PU0,0;PD;PU40,40;PD80,40;") << C{{{1, 1}, {2, 1}}};
        QTest::newRow("coordonnée impaire ignorée") << B("PU0,0;PD40,0,80;PU;") << trait;
        QTest::newRow("instructions inconnues")
            << B("IN;VS10;LT2,4;CI100;WU0;PW0.35,1;CO\"PD99,99;\";PU0,0;PD40,0;") << trait;
        QTest::newRow("étiquette") << B("PU0,0;LBPD9,9 PU;\x03PD40,0;") << trait;
        QTest::newRow("terminateur d'étiquette choisi") << B("DT@;PU0,0;LBPD40,40@PD40,0;") << trait;
        QTest::newRow("préfixe PCL")
            << B("\x1b%-12345X\x1b" "E\x1b&l1O\x1b*p0x0Y\x1b%0BIN;PU0,0;PD40,0;\x1b%0A\x1b" "E") << trait;
        QTest::newRow("PE ignoré entre deux tracés") << B("PU0,0;PD40,0;PE<=mM?PD;PU0,40;PD0,80;")
                                                     << C{{{0, 0}, {1, 0}}, {{0, 1}, {0, 2}}};
        QTest::newRow("IN lève la plume") << B("PU0,0;PD40,0;IN;PD80,0;") << C{{{0, 0}, {1, 0}}, {{0, 0}, {2, 0}}};

        // User units: SC maps its rectangle onto P1 and P2 (IP).
        QTest::newRow("SC anisotrope") << B("IN;IP0,0,4000,2000;SC0,100,0,100;PU0,0;PD100,0,100,100;")
                                       << C{{{0, 0}, {100, 0}, {100, 50}}};
        QTest::newRow("SC sur IP décalé") << B("IP400,400,4400,4400;SC0,10,0,10;PU0,0;PD10,10;")
                                          << C{{{10, 10}, {110, 110}}};
        QTest::newRow("SC inversé") << B("IP0,0,4000,4000;SC100,0,0,100;PU0,0;PD100,100;") << C{{{100, 0}, {0, 100}}};
        QTest::newRow("SC isotrope centré") << B("IP0,0,8000,4000;SC0,100,0,100,1;PU0,0;PD100,100;")
                                            << C{{{50, 0}, {150, 100}}};
        QTest::newRow("SC isotrope à gauche") << B("IP0,0,8000,4000;SC0,100,0,100,1,0,0;PU0,0;PD100,100;")
                                              << C{{{0, 0}, {100, 100}}};
        QTest::newRow("SC par facteurs") << B("IP400,800,4000,4000;SC0,2,0,4,2;PU0,0;PD10,10;")
                                         << C{{{10, 20}, {10.5, 21}}};
        QTest::newRow("SC puis PR") << B("IP0,0,4000,4000;SC0,10,0,10;PU1,1;PR;PD1,0;") << C{{{10, 10}, {20, 10}}};
        QTest::newRow("IP après SC") << B("SC0,10,0,10;IP0,0,400,400;PU0,0;PD10,10;") << C{{{0, 0}, {10, 10}}};
        QTest::newRow("IP à deux paramètres")
            << B("IP1000,1000;SC0,11880,0,8400;PU0,0;PD11880,0;") << C{{{25, 25}, {322, 25}}};
        QTest::newRow("SC sans paramètres") << B("IP0,0,400,400;SC0,1,0,1;SC;PU40,40;PD80,40;") << C{{{1, 1}, {2, 1}}};
        QTest::newRow("SC à étendue nulle ignoré") << B("SC5,5,0,1;PU40,40;PD80,40;") << C{{{1, 1}, {2, 1}}};
        QTest::newRow("IN arrête l'échelle") << B("SC0,1,0,1;IN;PU40,0;PD80,0;") << C{{{1, 0}, {2, 0}}};
        // An SC type that is no integer of any size is ignored, as a plotter ignores an instruction
        // in error: the drawing stays in plotter units.
        const Contours unite{{{0, 0}, {0.025, 0.025}}};
        QTest::newRow("SC de type immense") << B("SC0,0,0,1,6536265362;PU0,0;PD1,1;") << unite;
        QTest::newRow("SC de type 2.5 pris pour 2") << B("SC0,2,0,2,2.5;PU0,0;PD1,1;") << C{{{0, 0}, {0.05, 0.05}}};
        QTest::newRow("SC de type 0") << B("IP0,0,400,400;SC0,10,0,10,0;PU0,0;PD1,1;") << C{{{0, 0}, {1, 1}}};
    }

    void traces() {
        QFETCH(QByteArray, texte);
        QFETCH(Contours, attendus);

        const LectureFichier l = LirePltTest(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        QVERIFY(l.enTete.isEmpty());
        const std::vector<int> debuts = DebutsContours(l.points);
        QCOMPARE(debuts.size(), size_t(attendus.size()));
        for (qsizetype c = 0; c < attendus.size(); ++c) {
            const size_t debut = size_t(debuts[size_t(c)]);
            const size_t fin = c + 1 < attendus.size() ? size_t(debuts[size_t(c) + 1]) : l.points.size();
            QCOMPARE(fin - debut, size_t(attendus[c].size()));
            PointFichier code;
            PoserCodeContour(code, int(c));
            QVERIFY(MemeContour(l.points[debut], code));
            for (size_t i = debut; i < fin; ++i) {
                const QPointF& a = attendus[c][qsizetype(i - debut)];
                QVERIFY2(std::abs(l.points[i].X - a.x()) < 1e-4 && std::abs(l.points[i].Y - a.y()) < 1e-4,
                         qPrintable(QStringLiteral("contour %1, point %2 : (%3, %4)")
                                        .arg(c).arg(i - debut).arg(l.points[i].X).arg(l.points[i].Y)));
            }
        }
    }

    void refus_data() {
        using B = QByteArray;
        QTest::addColumn<QByteArray>("texte");
        QTest::newRow("vide") << B();
        QTest::newRow("plume levée seulement") << B("IN;SP1;PU0,0,400,400;PA100,100;SP0;");
        QTest::newRow("polyligne codée PE seule")
            << B("\x1b" "E\x1b%0BBPINPS1640,1640SP1PUPA0,0PW0.25SP1PE<=mM\xcd\xedmM=m?PUSP0;PG;");
        QTest::newRow("texte quelconque") << B("Ceci n'est pas un tracé.\n1 2 3\n");
        QTest::newRow("octets quelconques") << B("\x00\xff\x1b\x1b%\x01\xfe", 7);
        QTest::newRow("coordonnée hors des flottants") << B("PU0,0;PD1e50,0;PD99999999999999999999999999999999999999999999999999,0;");
    }

    void refus() {
        QFETCH(QByteArray, texte);
        const LectureFichier l = LirePltTest(texte);
        QVERIFY(!l.ok && l.points.empty() && !l.erreur.isEmpty());
    }
};

GALBIX_TEST_MAIN(LecturePltTest)
#include "tst_lectureplt.moc"
