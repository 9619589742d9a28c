// `galbix-cli ouvrir` as a script sees it: the root open command without the window, its JSON
// (count, points, chord, spacing, thinning tolerance) and its refusals.
#include "common/LanceurCli.h"
#include "common/TestMain.h"

#include "geomlib/Tranchex.h"
#include "model/Naca.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace galbix;

namespace {

std::vector<PointFichier> Enregistrements(const std::vector<QPointF>& points, double corde)
{
    std::vector<PointFichier> r(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        r[i].X = float(points[i].x() * corde);
        r[i].Y = float(points[i].y() * corde);
    }
    return r;
}

// A closed rectangle of 100 x 50 drawn with 50 records per side: only its corners matter.
std::vector<QPointF> Rectangle()
{
    const QPointF coins[5] = {{0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}};
    std::vector<QPointF> points;
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i < 50; ++i)
            points.push_back(coins[c] + (coins[c + 1] - coins[c]) * (i / 50.0));
    points.push_back(coins[4]);
    return points;
}

bool Proche(double a, double b, double ecart)
{
    return std::abs(a - b) <= ecart;
}

} // namespace

class TestOuvertureCli : public QObject {
    Q_OBJECT
private slots:
    void charge_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("forme"); // a NACA code, or "rectangle"
        QTest::addColumn<double>("echelle");
        QTest::addColumn<double>("corde");
        QTest::addColumn<double>("ecartement");
        QTest::addColumn<bool>("aminci");
        QTest::addColumn<int>("nombreAttendu"); // -1: fewer than the records written
        QTest::newRow("dat de corde 1 mis à 100") << "p.dat" << "2412" << 1.0 << 100.0 << 100.0 << false << 0;
        QTest::newRow("dxf de corde 40") << "p.dxf" << "2412" << 40.0 << 40.0 << 50.0 << true << 0;
        QTest::newRow("dxf rectangle") << "r.dxf" << "rectangle" << 1.0 << 100.0 << 100.0 << true << 5;
    }
    void charge()
    {
        QFETCH(QString, nom);
        QFETCH(QString, forme);
        QFETCH(double, echelle);
        QFETCH(double, corde);
        QFETCH(double, ecartement);
        QFETCH(bool, aminci);
        QFETCH(int, nombreAttendu);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(nom);
        const std::vector<QPointF> forme01 = forme == QStringLiteral("rectangle") ? Rectangle() : ProfilNaca4(forme, 60);
        const std::vector<PointFichier> ecrits = Enregistrements(forme01, echelle);
        QCOMPARE(EcrireFichier(ecrits, chemin, "essai"), 1);

        const tests::ResultatCli r = tests::LancerCli({QStringLiteral("ouvrir"), chemin});
        QVERIFY2(r.statut == 0, r.erreurs.constData());
        const QJsonObject json = QJsonDocument::fromJson(r.sortie).object();
        const int n = json.value(QStringLiteral("nombre_points")).toInt();
        const QJsonArray points = json.value(QStringLiteral("points")).toArray();
        QCOMPARE(points.size(), qsizetype(n));
        const double cordeLue = json.value(QStringLiteral("corde")).toDouble();
        QVERIFY2(Proche(cordeLue, corde, 0.01 * corde), QByteArray::number(cordeLue).constData());
        QCOMPARE(json.value(QStringLiteral("ecartement_z")).toDouble(), ecartement);

        // The chord found in the points themselves agrees with the reported one.
        double xmin = INFINITY, xmax = -INFINITY;
        for (const QJsonValue& p : points) {
            xmin = std::min(xmin, p.toArray().at(0).toDouble());
            xmax = std::max(xmax, p.toArray().at(0).toDouble());
        }
        QVERIFY(Proche(xmax - xmin, cordeLue, 1e-3 * cordeLue));

        const double tolerance = json.value(QStringLiteral("tolerance")).toDouble();
        if (aminci) {
            // The drawing is wider than tall: its width over 5000.
            const double attendue = echelle * (forme == QStringLiteral("rectangle") ? 100.0 : 1.0) / 5000.0;
            QVERIFY2(Proche(tolerance, attendue, 0.01 * attendue), QByteArray::number(tolerance).constData());
            QVERIFY(n < int(ecrits.size()));
        } else {
            QCOMPARE(tolerance, 0.0);
            QCOMPARE(n, int(ecrits.size())); // a .dat profile is never thinned
        }
        if (nombreAttendu > 0)
            QCOMPARE(n, nombreAttendu);
    }

    void refus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("contenu"); // written to the named file first, when not empty
        QTest::addColumn<int>("statut");
        QTest::newRow("sans fichier") << QStringList{"ouvrir"} << QByteArray() << 1;
        QTest::newRow("fichier absent") << QStringList{"ouvrir", "absent.dat"} << QByteArray() << 2;
        QTest::newRow("dat binaire") << QStringList{"ouvrir", "f.dat"} << QByteArray("\x00\x01\xff\xfe", 4) << 2;
        QTest::newRow("dxf sans entité") << QStringList{"ouvrir", "f.dxf"} << QByteArray("0\nEOF\n") << 2;
        QTest::newRow("plt sans tracé") << QStringList{"ouvrir", "f.plt"} << QByteArray("IN;SP1;PU;") << 2;
        QTest::newRow("projet gbx") << QStringList{"ouvrir", "f.gbx"} << QByteArray("[Emplanture]\n") << 2;
    }
    void refus()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, contenu);
        QFETCH(int, statut);
        QTemporaryDir dossier;
        if (args.size() > 1)
            args[1] = dossier.filePath(args[1]);
        if (!contenu.isEmpty())
            QVERIFY(tests::EcrireOctets(args[1], contenu));
        const tests::ResultatCli r = tests::LancerCli(args);
        QCOMPARE(r.statut, statut);
        QVERIFY(r.sortie.isEmpty());
        QVERIFY(!r.erreurs.isEmpty());
        QVERIFY2(!r.erreurs.trimmed().contains('\n'), r.erreurs.constData());
    }
};

GALBIX_TEST_MAIN(TestOuvertureCli)
#include "tst_ouverturecli.moc"
