// Reading HPGL plots: pen moves, user-unit scaling, contours of pen-down runs, and the
// instructions and prefixes that are skipped.

#include "common/TestMain.h"
#include "geomlib/Formats.h"

#include <QPointF>
#include <QTest>

using namespace galbix;

namespace {

using Contour = QList<QPointF>;
using Contours = QList<Contour>;

LectureFichier Lire(const QByteArray& texte)
{
    LectureFichier l = formats::LirePlt(std::string_view(texte.constData(), size_t(texte.size())));
    formats::Finaliser(l);
    return l;
}

} // namespace

class LecturePltTest : public QObject {
    Q_OBJECT

private slots:
    void traces_data();
    void traces();
    void refus_data();
    void refus();
};

// Coordinates in plotter units (40 per mm); expected points in mm.
void LecturePltTest::traces_data()
{
    QTest::addColumn<QByteArray>("texte");
    QTest::addColumn<Contours>("attendus");

    const Contour carre{{0, 0}, {10, 0}, {10, 10}};
    QTest::newRow("listes après PU et PD") << QByteArray("IN;SP1;PU0,0;PD400,0,400,400;PU;SP0;") << Contours{carre};
    QTest::newRow("PD sans paramètres puis PA")
        << QByteArray("IN;SP1;PA 0,0;PD;PA 400,0;PA 400,400;PU;") << Contours{carre};
    QTest::newRow("PR relatif") << QByteArray("IN;PA40,40;PR;PD360,0,0,400;PU;")
                                << Contours{{{1, 1}, {10, 1}, {10, 11}}};
    QTest::newRow("PR puis PA") << QByteArray("PR40,40;PA;PD400,40;") << Contours{{{1, 1}, {10, 1}}};
    QTest::newRow("décimaux et signes") << QByteArray("PU 10.5 -20;PD +50.5,-.8;")
                                        << Contours{{{0.2625, -0.5}, {1.2625, -0.02}}};
    QTest::newRow("sans séparateurs") << QByteArray("PU0,0PD400,0,400,400PU") << Contours{carre};
    QTest::newRow("fins de ligne") << QByteArray("IN\r\nPU0,0\r\nPD400,0,\r\n400,400\r\nPU\r\n") << Contours{carre};
    QTest::newRow("minuscules") << QByteArray("in;pu0,0;pd400,0,400,400;") << Contours{carre};
    QTest::newRow("plusieurs tracés") << QByteArray("PU0,0;PD40,0;PU80,0;PD120,0,120,40;")
                                      << Contours{{{0, 0}, {1, 0}}, {{2, 0}, {3, 0}, {3, 1}}};
    QTest::newRow("changement de plume") << QByteArray("PU0,0;PD40,0;SP2;PD80,0;")
                                         << Contours{{{0, 0}, {1, 0}}, {{1, 0}, {2, 0}}};
    QTest::newRow("PD immobile ne trace rien") << QByteArray("PU0,0;PD;PU40,40;PD80,40;")
                                               << Contours{{{1, 1}, {2, 1}}};
    QTest::newRow("coordonnée impaire ignorée") << QByteArray("PU0,0;PD40,0,80;PU;") << Contours{{{0, 0}, {1, 0}}};
    QTest::newRow("instructions inconnues")
        << QByteArray("IN;VS10;LT2,4;CI100;WU0;PW0.35,1;CO\"PD99,99;\";PU0,0;PD40,0;")
        << Contours{{{0, 0}, {1, 0}}};
    QTest::newRow("étiquette") << QByteArray("PU0,0;LBPD9,9 PU;\x03PD40,0;") << Contours{{{0, 0}, {1, 0}}};
    QTest::newRow("terminateur d'étiquette choisi") << QByteArray("DT@;PU0,0;LBPD40,40@PD40,0;")
                                                    << Contours{{{0, 0}, {1, 0}}};
    QTest::newRow("mode symbole") << QByteArray("SMP;PU0,0;PD40,0;SM;") << Contours{{{0, 0}, {1, 0}}};
    QTest::newRow("préfixe PCL")
        << QByteArray("\x1b%-12345X\x1b" "E\x1b&l1O\x1b*p0x0Y\x1b%0BIN;PU0,0;PD40,0;\x1b%0A\x1b" "E")
        << Contours{{{0, 0}, {1, 0}}};
    QTest::newRow("PE ignoré entre deux tracés") << QByteArray("PU0,0;PD40,0;PE<=mM?PD;PU0,40;PD0,80;")
                                                 << Contours{{{0, 0}, {1, 0}}, {{0, 1}, {0, 2}}};
    QTest::newRow("IN lève la plume") << QByteArray("PU0,0;PD40,0;IN;PD80,0;")
                                      << Contours{{{0, 0}, {1, 0}}, {{0, 0}, {2, 0}}};

    // User units: SC maps its rectangle onto P1 and P2 (IP).
    QTest::newRow("SC anisotrope") << QByteArray("IN;IP0,0,4000,2000;SC0,100,0,100;PU0,0;PD100,0,100,100;")
                                   << Contours{{{0, 0}, {100, 0}, {100, 50}}};
    QTest::newRow("SC sur IP décalé") << QByteArray("IP400,400,4400,4400;SC0,10,0,10;PU0,0;PD10,10;")
                                      << Contours{{{10, 10}, {110, 110}}};
    QTest::newRow("SC inversé") << QByteArray("IP0,0,4000,4000;SC100,0,0,100;PU0,0;PD100,100;")
                                << Contours{{{100, 0}, {0, 100}}};
    QTest::newRow("SC isotrope centré") << QByteArray("IP0,0,8000,4000;SC0,100,0,100,1;PU0,0;PD100,100;")
                                        << Contours{{{50, 0}, {150, 100}}};
    QTest::newRow("SC isotrope à gauche") << QByteArray("IP0,0,8000,4000;SC0,100,0,100,1,0,0;PU0,0;PD100,100;")
                                          << Contours{{{0, 0}, {100, 100}}};
    QTest::newRow("SC par facteurs") << QByteArray("IP400,800,4000,4000;SC0,2,0,4,2;PU0,0;PD10,10;")
                                     << Contours{{{10, 20}, {10.5, 21}}};
    QTest::newRow("SC puis PR") << QByteArray("IP0,0,4000,4000;SC0,10,0,10;PU1,1;PR;PD1,0;")
                                << Contours{{{10, 10}, {20, 10}}};
    QTest::newRow("IP après SC") << QByteArray("SC0,10,0,10;IP0,0,400,400;PU0,0;PD10,10;")
                                 << Contours{{{0, 0}, {10, 10}}};
    QTest::newRow("IP à deux paramètres")
        << QByteArray("IP1000,1000;SC0,11880,0,8400;PU0,0;PD11880,0;") << Contours{{{25, 25}, {322, 25}}};
    QTest::newRow("SC sans paramètres") << QByteArray("IP0,0,400,400;SC0,1,0,1;SC;PU40,40;PD80,40;")
                                        << Contours{{{1, 1}, {2, 1}}};
    QTest::newRow("SC à étendue nulle ignoré") << QByteArray("SC5,5,0,1;PU40,40;PD80,40;")
                                              << Contours{{{1, 1}, {2, 1}}};
    QTest::newRow("IN arrête l'échelle") << QByteArray("SC0,1,0,1;IN;PU40,0;PD80,0;") << Contours{{{1, 0}, {2, 0}}};
    QTest::newRow("DF arrête l'échelle") << QByteArray("SC0,1,0,1;DF;PU40,0;PD80,0;")
                                         << Contours{{{1, 0}, {2, 0}}};
}

void LecturePltTest::traces()
{
    QFETCH(QByteArray, texte);
    QFETCH(Contours, attendus);

    const LectureFichier l = Lire(texte);
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

void LecturePltTest::refus_data()
{
    QTest::addColumn<QByteArray>("texte");

    QTest::newRow("vide") << QByteArray();
    QTest::newRow("plume levée seulement") << QByteArray("IN;SP1;PU0,0,400,400;PA100,100;SP0;");
    QTest::newRow("polyligne codée PE seule")
        << QByteArray("\x1b" "E\x1b%0BBPINPS1640,1640SP1PUPA0,0PW0.25SP1PE<=mM\xcd\xedmM=m?PUSP0;PG;");
    QTest::newRow("texte quelconque") << QByteArray("Ceci n'est pas un tracé.\n1 2 3\n");
    QTest::newRow("octets quelconques") << QByteArray("\x00\xff\x1b\x1b%\x01\xfe", 7);
    QTest::newRow("coordonnée hors des flottants") << QByteArray("PU0,0;PD1e50,0;PD99999999999999999999999999999999999999999999999999,0;");
}

void LecturePltTest::refus()
{
    QFETCH(QByteArray, texte);
    const LectureFichier l = Lire(texte);
    QVERIFY(!l.ok);
    QVERIFY(l.points.empty());
    QVERIFY(!l.erreur.isEmpty());
}

GALBIX_TEST_MAIN(LecturePltTest)
#include "tst_lectureplt.moc"
