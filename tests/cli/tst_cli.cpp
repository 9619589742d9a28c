// The command-line tool as a script sees it: JSON on stdout, exit status, files written.
#include "common/LanceurCli.h"
#include "common/TestMain.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

using Resultat = galbix::tests::ResultatCli;

Resultat Lancer(const QStringList& args) { return galbix::tests::LancerCli(args); }

QJsonObject Json(const Resultat& r)
{
    return QJsonDocument::fromJson(r.sortie).object();
}

void Ecrire(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void echecs_data();
    void echecs();
    void infoDat();
    void infoPltContours();
    void nacaPuisConversions_data();
    void nacaPuisConversions();
};

void TestCli::echecs_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("contenu"); // written to the file named "f.<ext>" first, when not empty
    QTest::addColumn<int>("statut");
    QTest::newRow("no subcommand") << QStringList{} << QByteArray() << 1;
    QTest::newRow("unknown subcommand") << QStringList{"lire"} << QByteArray() << 1;
    QTest::newRow("info without file") << QStringList{"info"} << QByteArray() << 1;
    QTest::newRow("missing file") << QStringList{"info", "absent.dat"} << QByteArray() << 2;
    QTest::newRow("unknown extension") << QStringList{"info", "f.xyz"} << QByteArray("a\n0 0\n1 1\n") << 2;
    QTest::newRow("binary .dat") << QStringList{"info", "f.dat"} << QByteArray("\x00\x01\x02\xff", 4) << 2;
    QTest::newRow("empty .plt") << QStringList{"info", "f.plt"} << QByteArray(" ") << 2;
    QTest::newRow("convert to unknown format") << QStringList{"convertir", "f.dat", "g.xyz"}
                                               << QByteArray("a\n0 0\n1 1\n") << 2;
}

void TestCli::echecs()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, contenu);
    QFETCH(int, statut);
    QTemporaryDir dossier;
    for (QString& a : args)
        if (a.contains(u'.'))
            a = dossier.filePath(a);
    if (!contenu.isEmpty())
        Ecrire(args[1], contenu);
    const Resultat r = Lancer(args);
    QCOMPARE(r.statut, statut);
    QVERIFY(r.sortie.isEmpty());
    QVERIFY(!r.erreurs.isEmpty());
    QVERIFY2(!r.erreurs.trimmed().contains('\n') || statut == 1, r.erreurs.constData()); // one line
}

void TestCli::infoDat()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("aile.dat"));
    Ecrire(chemin, "Mon profil\n1.0 0.0\n0.5 0.08\n0.0 0.0\n0.5 -0.04\n1.0 0.0\n");
    const Resultat r = Lancer({QStringLiteral("info"), chemin});
    QCOMPARE(r.statut, 0);
    const QJsonObject o = Json(r);
    QCOMPARE(o.value("format").toString(), QStringLiteral("dat"));
    QCOMPARE(o.value("en_tete").toString(), QStringLiteral("Mon profil"));
    QCOMPARE(o.value("nombre_points").toInt(), 5);
    QVERIFY(o.value("unites_declarees").isNull());
    QCOMPARE(o.value("xmax").toDouble(), 1.0);
    QCOMPARE(o.value("ymin").toDouble(), -0.04); // floats are printed in their shortest form
    QCOMPARE(o.value("contours").toArray().size(), 1);
}

void TestCli::infoPltContours()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("deux.plt"));
    // Two pen-down runs: a 10 mm square and a 5 mm segment (40 plotter units per mm).
    Ecrire(chemin, "IN;SP1;PU0,0;PD400,0,400,400,0,400,0,0;PU800,0;PD1000,0;PU;SP0;");
    const Resultat r = Lancer({QStringLiteral("info"), chemin});
    QCOMPARE(r.statut, 0);
    const QJsonObject o = Json(r);
    QCOMPARE(o.value("format").toString(), QStringLiteral("plt"));
    const QJsonArray contours = o.value("contours").toArray();
    QCOMPARE(contours.size(), 2);
    QCOMPARE(contours[0].toObject().value("nombre_points").toInt(), 5);
    QCOMPARE(contours[0].toObject().value("xmax").toDouble(), 10.0);
    QCOMPARE(contours[1].toObject().value("xmin").toDouble(), 20.0);
    QCOMPARE(contours[1].toObject().value("xmax").toDouble(), 25.0);
    QVERIFY(contours[0].toObject().value("code") != contours[1].toObject().value("code"));
}

void TestCli::nacaPuisConversions_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("parSurface");
    QTest::newRow("symmetric") << "0012" << 41;
    QTest::newRow("cambered") << "2412" << 61;
}

void TestCli::nacaPuisConversions()
{
    QFETCH(QString, code);
    QFETCH(int, parSurface);
    QTemporaryDir dossier;
    const QString dat = dossier.filePath(QStringLiteral("p.dat"));
    const QString dxf = dossier.filePath(QStringLiteral("p.dxf"));
    QCOMPARE(Lancer({"naca", code, dat, "--points", QString::number(parSurface)}).statut, 0);

    // The .dat holds a unit chord; converting to .dxf keeps coordinates and header.
    const QJsonObject infoDat = Json(Lancer({"info", dat}));
    QCOMPARE(infoDat.value("nombre_points").toInt(), 2 * parSurface - 1);
    QVERIFY(qAbs(infoDat.value("xmax").toDouble() - infoDat.value("xmin").toDouble() - 1.0) < 1e-5);
    QCOMPARE(Lancer({"convertir", dat, dxf}).statut, 0);
    const QJsonObject infoDxf = Json(Lancer({"info", dxf}));
    QCOMPARE(infoDxf.value("format").toString(), QStringLiteral("dxf"));
    QCOMPARE(infoDxf.value("en_tete").toString(), infoDat.value("en_tete").toString());
    QCOMPARE(infoDxf.value("nombre_points").toInt(), 2 * parSurface - 1);

    // A new header given on the command line replaces the old one.
    QCOMPARE(Lancer({"convertir", dxf, dat, "--en-tete", "Autre titre"}).statut, 0);
    QCOMPARE(Json(Lancer({"info", dat})).value("en_tete").toString(), QStringLiteral("Autre titre"));
}

GALBIX_TEST_MAIN(TestCli)
#include "tst_cli.moc"
