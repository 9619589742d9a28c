// `galbix-cli ouvrir` as a script sees it: the root open command without the window, its JSON
// (count, points, chord, spacing, thinning tolerance) and its refusals.
#include "common/LanceurCli.h"
#include "common/Test.h"
#include "common/Profils.h"


#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace galbix;
using galbix::tests::Proche;

class TestOuvertureCli : public QObject {
    Q_OBJECT
private slots:
    void charge_data() {
        tests::Colonnes<QString, double, double, double, bool>("nom", "echelle", "corde", "ecartement", "aminci");
        QTest::newRow("dat de corde 1 mis à 100") << "p.dat" << 1.0 << 100.0 << 100.0 << false;
        QTest::newRow("dxf de corde 40") << "p.dxf" << 40.0 << 40.0 << 50.0 << true;
    }
    void charge() {
        QFETCH(QString, nom);
        QFETCH(double, echelle);
        QFETCH(double, corde);
        QFETCH(bool, aminci);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(nom);
        std::vector<PointFichier> ecrits;
        for (const QPointF& p : ProfilNaca4(QStringLiteral("2412"), 60))
            ecrits.push_back({float(p.x() * echelle), float(p.y() * echelle)});
        QCOMPARE(EcrireFichier(ecrits, chemin, "essai"), 1);
        const tests::ResultatCli r = tests::LancerCli({QStringLiteral("ouvrir"), chemin});
        QVERIFY2(r.statut == 0, r.erreurs.constData());
        const QJsonObject json = QJsonDocument::fromJson(r.sortie).object();
        const int n = json.value("nombre_points").toInt();
        const QJsonArray points = json.value("points").toArray();
        QCOMPARE(points.size(), qsizetype(n));
        const double cordeLue = json.value("corde").toDouble();
        QVERIFY2(Proche(cordeLue, corde, 0.01 * corde), QByteArray::number(cordeLue).constData());
        QTEST(json.value("ecartement_z").toDouble(), "ecartement");
        // The chord found in the points themselves agrees with the reported one.
        double xmin = INFINITY, xmax = -INFINITY;
        for (const QJsonValue& p : points) {
            xmin = std::min(xmin, p.toArray().at(0).toDouble());
            xmax = std::max(xmax, p.toArray().at(0).toDouble());
        }
        QVERIFY(Proche(xmax - xmin, cordeLue, 1e-3 * cordeLue));
        const double tolerance = json.value("tolerance").toDouble();
        if (aminci) {
            // The drawing is wider than tall: its width over 5000.
            const double attendue = echelle / 5000.0;
            QVERIFY2(Proche(tolerance, attendue, 0.01 * attendue), QByteArray::number(tolerance).constData());
            QVERIFY(n < int(ecrits.size()));
        } else {
            QVERIFY(tolerance == 0.0 && n == int(ecrits.size())); // a .dat profile is never thinned
        }
    }

    void refus_data() {
        // contenu: written to the named file first, when not empty
        tests::Colonnes<QStringList, QByteArray, int>("args", "contenu", "statut");
        QTest::newRow("sans fichier") << QStringList{"ouvrir"} << QByteArray() << 1;
        QTest::newRow("fichier absent") << QStringList{"ouvrir", "absent.dat"} << QByteArray() << 2;
        QTest::newRow("dxf sans entité") << QStringList{"ouvrir", "f.dxf"} << QByteArray("0\nEOF\n") << 2;
        QTest::newRow("projet gbx") << QStringList{"ouvrir", "f.gbx"} << QByteArray("[Emplanture]\n") << 2;
    }
    void refus() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, contenu);
        QTemporaryDir dossier;
        if (args.size() > 1)
            args[1] = dossier.filePath(args[1]);
        if (!contenu.isEmpty())
            QVERIFY(tests::EcrireOctets(args[1], contenu));
        const tests::ResultatCli r = tests::LancerCli(args);
        QTEST(r.statut, "statut");
        QVERIFY2(r.sortie.isEmpty() && !r.erreurs.isEmpty() && !r.erreurs.trimmed().contains('\n'), r.erreurs.constData());
    }
};

GALBIX_TEST_MAIN(TestOuvertureCli)
#include "tst_ouverturecli.moc"
