// `galbix-cli synchro`: both sides loaded as the open buttons load them, synchronised between
// their ends and written back; `galbix-cli assembler`: contours cut from a drawing and chained
// right to left in the order given. Their refusals are in tst_cli.
#include "common/Test.h"
#include "common/DessinDxf.h"
#include "common/LanceurCli.h"
#include "common/Profils.h"


#include <QJsonArray>

namespace {

using galbix::tests::ResultatCli;
using galbix::tests::LancerCli;
using galbix::tests::EcrireOctets;


// A 10 mm square drawn with a point every 0.25 mm (40 plotter units per mm).
QByteArray PltCarre() {
    QByteArray texte = "IN;SP1;PU0,0;PD";
    const int coins[5][2] = {{0, 0}, {400, 0}, {400, 400}, {0, 400}, {0, 0}};
    for (int c = 0; c < 4; ++c)
        for (int i = 1; i <= 40; ++i) {
            const int x = coins[c][0] + (coins[c + 1][0] - coins[c][0]) * i / 40;
            const int y = coins[c][1] + (coins[c + 1][1] - coins[c][1]) * i / 40;
            texte += QByteArray::number(x) + ',' + QByteArray::number(y) + (c == 3 && i == 40 ? ";" : ",");
        }
    return texte + "PU;SP0;";
}

QJsonArray Point(double x, double y, int etat) { return QJsonArray{x, y, etat}; }


} // namespace

class TestCliSynchro : public QObject {
    Q_OBJECT
private slots:
    // The .dat root is scaled to a chord of 100, the drawn tip is thinned to its corners: two
    // squares traversed the same way synchronise without any new point.
    void carresDatEtPlt() {
        QTemporaryDir dossier;
        const QString racine = dossier.filePath("carre.dat"), saumon = dossier.filePath("carre.plt");
        QVERIFY(EcrireOctets(racine, "carre\n0 0\n1 0\n1 1\n0 1\n0 0\n") && EcrireOctets(saumon, PltCarre()));
        const ResultatCli r = LancerCli({"synchro", racine, saumon});
        QCOMPARE(r.statut, 0);
        const QJsonObject o = r.Json();
        QCOMPARE(o.value("nombre_points").toInt(), 5);
        QCOMPARE(o.value("points_e").toArray(),
                 QJsonArray({Point(0, 0, 4), Point(100, 0, 0), Point(100, 100, 0), Point(0, 100, 0), Point(0, 0, 4)}));
        QCOMPARE(o.value("points_s").toArray(),
                 QJsonArray({Point(0, 0, 4), Point(10, 0, 0), Point(10, 10, 0), Point(0, 10, 0), Point(0, 0, 4)}));
    }

    // Two profiles of different densities: equal counts, ends marked, both files written with
    // the headers of the save command and read back with the synchronised count.
    void nacaEcrits() {
        QTemporaryDir dossier;
        const QString racine = dossier.filePath("r.dat"), saumon = dossier.filePath("s.dat");
        const QString sortieE = dossier.filePath("e.dat"), sortieS = dossier.filePath("s.dxf");
        QVERIFY(galbix::tests::EcrireNaca(racine, "2412", 40) && galbix::tests::EcrireNaca(saumon, "0012", 25));
        const ResultatCli r = LancerCli({"synchro", racine, saumon, "--sortie-e", sortieE, "--sortie-s", sortieS});
        QCOMPARE(r.statut, 0);
        const QJsonObject o = r.Json();
        const int n = o.value("nombre_points").toInt();
        QVERIFY(n >= 79 && n <= 79 + 49 - 2);
        double xmin[2] = {1e9, 1e9}, xmax[2] = {-1e9, -1e9}, ymin[2] = {1e9, 1e9};
        for (int cote : {0, 1}) {
            const QJsonArray points = o.value(cote == 0 ? "points_e" : "points_s").toArray();
            QCOMPARE(points.size(), n);
            QVERIFY(points.first().toArray()[2].toInt() == 4 && points.last().toArray()[2].toInt() == 4); // ends marked
            for (const QJsonValue& p : points) {
                xmin[cote] = std::min(xmin[cote], p.toArray()[0].toDouble());
                xmax[cote] = std::max(xmax[cote], p.toArray()[0].toDouble());
                ymin[cote] = std::min(ymin[cote], p.toArray()[1].toDouble());
            }
            QVERIFY(std::fabs(xmax[cote] - xmin[cote] - 100.0) < 1e-3); // .dat profiles come at a chord of 100
        }
        const galbix::LectureFichier e = galbix::LireFichierDetaille(sortieE), s = galbix::LireFichierDetaille(sortieS);
        QVERIFY(e.ok && s.ok && int(e.points.size()) == n && int(s.points.size()) == n);
        QCOMPARE(e.enTete, QStringLiteral("Corde: 100.000"));
        // The tip's header carries its sweep and dihedral height against the root.
        QCOMPARE(s.enTete, QString::asprintf("Corde: 100.000 Flèche: %.3f Cale dièdre: %.3f",
                                             xmin[1] - xmin[0], ymin[1] - ymin[0]));
    }

    // "3,1r,2": square 3 (4 wide at (-30, 5)) stays; square 1 reversed starts at (0, 0), goes
    // left of it by a tenth of its width and up to the level of square 3's end (y 5):
    // x -41..-31; square 2 starts at (100, 50) and follows square 1's end (-41, 5): x -63..-43.
    void assembler_data() {
        galbix::tests::Colonnes<QString, QList<int>, QList<double>, QList<double>>("ordre", "numeros", "xmins", "ymins");
        QTest::newRow("3,1r,2") << "3,1r,2" << QList<int>{3, 1, 2} << QList<double>{-30, -41, -63} << QList<double>{5, 5, 5};
        QTest::newRow("1,2") << "1,2" << QList<int>{1, 2} << QList<double>{0, -22} << QList<double>{0, 0};
        QTest::newRow("un seul") << "2" << QList<int>{2} << QList<double>{100} << QList<double>{50};
    }
    void assembler() {
        QFETCH(QString, ordre);
        QFETCH(QList<int>, numeros);
        QFETCH(QList<double>, xmins);
        QFETCH(QList<double>, ymins);
        QTemporaryDir dossier;
        const QString dessin = dossier.filePath("trois.dxf"), sortie = dossier.filePath("sortie.dxf");
        QVERIFY(galbix::tests::EcrireDxf(dessin, {galbix::tests::CarreDxf(0, 0, 10), galbix::tests::CarreDxf(100, 50, 20), galbix::tests::CarreDxf(-30, 5, 4)}));
        const ResultatCli r = LancerCli({"assembler", dessin, sortie, "--ordre", ordre});
        QCOMPARE(r.statut, 0);
        const QJsonObject json = r.Json();
        QVERIFY(json.value("nombre_contours").toInt() == numeros.size()
                && json.value("nombre_points").toInt() == 5 * numeros.size());
        const QJsonArray contours = json.value("contours").toArray();
        QCOMPARE(contours.size(), numeros.size());
        for (int i = 0; i < numeros.size(); ++i) {
            const QJsonObject c = contours[i].toObject();
            QVERIFY(c.value("numero").toInt() == numeros[i] && c.value("nombre_points").toInt() == 5);
            QVERIFY2(std::fabs(c.value("xmin").toDouble() - xmins[i]) < 1e-4,
                     qPrintable(QString::number(c.value("xmin").toDouble())));
            QVERIFY(std::fabs(c.value("ymin").toDouble() - ymins[i]) < 1e-4);
            QVERIFY(c.value("xmax").toDouble() > c.value("xmin").toDouble()
                    && c.value("ymax").toDouble() > c.value("ymin").toDouble());
        }
        const galbix::LectureFichier relu = galbix::LireFichierDetaille(sortie);
        QVERIFY(relu.ok && relu.points.size() >= size_t(4 * numeros.size()));
        QVERIFY(std::fabs(relu.Xmin - xmins.last()) < 1e-3);
    }
};

GALBIX_TEST_MAIN(TestCliSynchro)
#include "tst_cli_synchro.moc"
