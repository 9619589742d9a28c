// `galbix-cli synchro`: both sides loaded as the open buttons load them, synchronised between
// their ends, written back, and the refusals as exit statuses.
#include "common/LanceurCli.h"
#include "common/TestMain.h"
#include "geomlib/Tranchex.h"
#include "model/Naca.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

namespace {

using Resultat = galbix::tests::ResultatCli;

Resultat Lancer(const QStringList& args) { return galbix::tests::LancerCli(args); }

void Ecrire(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

// A NACA profile of unit chord as an airfoil file.
QByteArray DatNaca(const QString& code, int parSurface)
{
    QByteArray texte = "NACA " + code.toLatin1() + '\n';
    for (const QPointF& p : galbix::ProfilNaca4(code, parSurface))
        texte += QByteArray::number(p.x(), 'f', 6) + ' ' + QByteArray::number(p.y(), 'f', 6) + '\n';
    return texte;
}

// A 10 mm square drawn with a point every 0.25 mm (40 plotter units per mm).
QByteArray PltCarre()
{
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

QJsonArray Point(double x, double y, int etat)
{
    return QJsonArray{x, y, etat};
}

} // namespace

class TestCliSynchro : public QObject {
    Q_OBJECT
private slots:
    void carresDatEtPlt();
    void nacaEcrits();
    void echecs_data();
    void echecs();
};

// The .dat root is scaled to a chord of 100, the drawn tip is thinned to its corners: two
// squares traversed the same way synchronise without any new point.
void TestCliSynchro::carresDatEtPlt()
{
    QTemporaryDir dossier;
    const QString racine = dossier.filePath(QStringLiteral("carre.dat"));
    const QString saumon = dossier.filePath(QStringLiteral("carre.plt"));
    Ecrire(racine, "carre\n0 0\n1 0\n1 1\n0 1\n0 0\n");
    Ecrire(saumon, PltCarre());
    const Resultat r = Lancer({QStringLiteral("synchro"), racine, saumon});
    QCOMPARE(r.statut, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.sortie).object();
    QCOMPARE(o.value("nombre_points").toInt(), 5);
    QCOMPARE(o.value("points_e").toArray(),
             QJsonArray({Point(0, 0, 4), Point(100, 0, 0), Point(100, 100, 0), Point(0, 100, 0), Point(0, 0, 4)}));
    QCOMPARE(o.value("points_s").toArray(),
             QJsonArray({Point(0, 0, 4), Point(10, 0, 0), Point(10, 10, 0), Point(0, 10, 0), Point(0, 0, 4)}));
}

// Two profiles of different densities: equal counts, ends marked, both files written with
// the headers of the save command and read back with the synchronised count.
void TestCliSynchro::nacaEcrits()
{
    QTemporaryDir dossier;
    const QString racine = dossier.filePath(QStringLiteral("r.dat"));
    const QString saumon = dossier.filePath(QStringLiteral("s.dat"));
    const QString sortieE = dossier.filePath(QStringLiteral("e.dat"));
    const QString sortieS = dossier.filePath(QStringLiteral("s.dxf"));
    Ecrire(racine, DatNaca(QStringLiteral("2412"), 40));
    Ecrire(saumon, DatNaca(QStringLiteral("0012"), 25));
    const Resultat r = Lancer({QStringLiteral("synchro"), racine, saumon, QStringLiteral("--sortie-e"), sortieE,
                               QStringLiteral("--sortie-s"), sortieS});
    QCOMPARE(r.statut, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.sortie).object();
    const int n = o.value("nombre_points").toInt();
    QVERIFY(n >= 79 && n <= 79 + 49 - 2);
    double xmin[2] = {1e9, 1e9}, xmax[2] = {-1e9, -1e9}, ymin[2] = {1e9, 1e9};
    for (int cote : {0, 1}) {
        const QJsonArray points = o.value(cote == 0 ? "points_e" : "points_s").toArray();
        QCOMPARE(points.size(), n);
        QCOMPARE(points.first().toArray()[2].toInt(), 4);
        QCOMPARE(points.last().toArray()[2].toInt(), 4);
        for (const QJsonValue& p : points) {
            xmin[cote] = std::min(xmin[cote], p.toArray()[0].toDouble());
            xmax[cote] = std::max(xmax[cote], p.toArray()[0].toDouble());
            ymin[cote] = std::min(ymin[cote], p.toArray()[1].toDouble());
        }
        QVERIFY(std::fabs(xmax[cote] - xmin[cote] - 100.0) < 1e-3); // .dat profiles come at a chord of 100
    }
    const galbix::LectureFichier e = galbix::LireFichierDetaille(sortieE);
    const galbix::LectureFichier s = galbix::LireFichierDetaille(sortieS);
    QVERIFY(e.ok && s.ok);
    QCOMPARE(int(e.points.size()), n);
    QCOMPARE(int(s.points.size()), n);
    QCOMPARE(e.enTete, QStringLiteral("Corde: 100.000"));
    // The tip's header carries its sweep and dihedral height against the root.
    QCOMPARE(s.enTete, QString::asprintf("Corde: 100.000 Flèche: %.3f Cale dièdre: %.3f",
                                         xmin[1] - xmin[0], ymin[1] - ymin[0]));
}

void TestCliSynchro::echecs_data()
{
    QTest::addColumn<QStringList>("args");       // names with a '.' become paths in a scratch folder
    QTest::addColumn<QByteArray>("racine");      // written to r.dat when not empty
    QTest::addColumn<QByteArray>("saumon");      // written to s.dat when not empty
    QTest::addColumn<int>("statut");
    QTest::addColumn<QByteArray>("message");     // part of the line on stderr

    const QByteArray profil = "p\n1 0\n0.5 0.1\n0 0\n0.5 -0.1\n1 0\n";
    const QStringList deux{"synchro", "r.dat", "s.dat"};
    QTest::newRow("missing tip argument") << QStringList{"synchro", "r.dat"} << profil << QByteArray() << 1
                                          << QByteArray("usage");
    QTest::newRow("option without its file") << QStringList{"synchro", "r.dat", "s.dat", "--sortie-s"} << profil
                                             << profil << 1 << QByteArray("usage");
    QTest::newRow("tip file missing") << deux << profil << QByteArray() << 2 << QByteArray("s.dat");
    QTest::newRow("binary root") << deux << QByteArray("\x00\x01\x02\xff", 4) << profil << 2 << QByteArray("r.dat");
    QTest::newRow("project as root") << QStringList{"synchro", "p.gbx", "s.dat"} << profil << profil << 2
                                     << QByteArray("p.gbx");
    QTest::newRow("one point against a profile") << deux << profil << QByteArray("un\n0.5 0.5\n") << 2
                                                 << QByteArray("pas le même nombre de points de synchronisation");
    QTest::newRow("tip without length") << deux << profil << QByteArray("z\n0 0\n0 0\n0 0\n") << 2
                                        << QByteArray("Le profil du saumon a une longueur nulle");
    QTest::newRow("output folder missing")
        << QStringList{"synchro", "r.dat", "s.dat", "--sortie-e", "absent/e.dat"} << profil << profil << 2
        << QByteArray("absent/e.dat");
}

void TestCliSynchro::echecs()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, racine);
    QFETCH(QByteArray, saumon);
    QFETCH(int, statut);
    QFETCH(QByteArray, message);
    QTemporaryDir dossier;
    if (!racine.isEmpty())
        Ecrire(dossier.filePath(QStringLiteral("r.dat")), racine);
    if (!saumon.isEmpty())
        Ecrire(dossier.filePath(QStringLiteral("s.dat")), saumon);
    for (QString& a : args)
        if (a.contains(u'.'))
            a = dossier.filePath(a);
    const Resultat r = Lancer(args);
    QCOMPARE(r.statut, statut);
    QVERIFY(r.sortie.isEmpty());
    QVERIFY2(r.erreurs.contains(message), r.erreurs.constData());
    QVERIFY2(!r.erreurs.trimmed().contains('\n'), r.erreurs.constData());
}

GALBIX_TEST_MAIN(TestCliSynchro)
#include "tst_cli_synchro.moc"
