// galbix-cli on projects: the demo project, projet-info, and the exchange pair through
// exporter and importer, as a script sees them.
#include "common/Emplacements.h"
#include "common/LanceurCli.h"
#include "common/Octets.h"
#include "common/TestMain.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

using galbix::tests::EcrireOctets;
using galbix::tests::LireOctets;

namespace {

using Resultat = galbix::tests::ResultatCli;

Resultat Lancer(const QStringList& args) { return galbix::tests::LancerCli(args); }


QJsonObject Info(const QString& projet)
{
    const Resultat r = Lancer({QStringLiteral("projet-info"), projet});
    if (r.statut != 0)
        qWarning("projet-info: %s", r.erreurs.constData());
    return QJsonDocument::fromJson(r.sortie).object();
}

// Smallest and largest X of one side's [X, Y, Etat] array.
std::pair<double, double> EtendueX(const QJsonArray& points)
{
    double mini = 1e30, maxi = -1e30;
    for (const QJsonValue& p : points) {
        mini = std::min(mini, p.toArray()[0].toDouble());
        maxi = std::max(maxi, p.toArray()[0].toDouble());
    }
    return {mini, maxi};
}

} // namespace

class TestCliProjet : public QObject {
    Q_OBJECT
private slots:
    void demo();
    void exporterPuisImporter();
    void echecs_data();
    void echecs();

private:
    QTemporaryDir m_dossier;
};

// The demo wing: two NACA sections of different chords, placed, synchronised, commented.
void TestCliProjet::demo()
{
    const QString chemin = m_dossier.filePath(QStringLiteral("demo.gbx"));
    QCOMPARE(Lancer({QStringLiteral("demo"), chemin}).statut, 0);
    // The demo bundled with the sources is what the generator writes today.
    QCOMPARE(LireOctets(galbix::tests::DossierSources() + QStringLiteral("/data/demo/demo.gbx")), LireOctets(chemin));
    const QJsonObject o = Info(chemin);
    QCOMPARE(o.value("points_e").toArray().size(), o.value("nombre_points_s").toInt());
    const auto [xminE, xmaxE] = EtendueX(o.value("points_e").toArray());
    const auto [xminS, xmaxS] = EtendueX(o.value("points_s").toArray());
    QVERIFY(qAbs(xmaxE - xminE - 220.0) < 0.5 && qAbs(xmaxS - xminS - 160.0) < 0.5);
    QVERIFY(qAbs(xmaxS - xmaxE) < 1e-3); // trailing edges aligned
    for (const char* cote : {"points_e", "points_s"}) {
        int synchro = 0;
        for (const QJsonValue& p : o.value(QLatin1String(cote)).toArray())
            synchro += (p.toArray()[2].toInt() & 4) != 0;
        QCOMPARE(synchro, 3);
    }
    QCOMPARE(o.value("bouton_fleche").toInt(), 2);
    QCOMPARE(o.value("omega").toInt(), 90); // side view
    QCOMPARE(o.value("alpha").toInt(), 180);
    QVERIFY(o.value("coeff_zoom").toDouble() > 0);
    QVERIFY(o.value("commentaire").toString().contains(QStringLiteral("\r\n")));
}

// exporter writes the pair, importer reads it back into a project at the root's origin.
void TestCliProjet::exporterPuisImporter()
{
    const QString demo = m_dossier.filePath(QStringLiteral("source.gbx"));
    const QString dossier = m_dossier.filePath(QStringLiteral("echange"));
    QVERIFY(QDir().mkpath(dossier));
    QCOMPARE(Lancer({QStringLiteral("demo"), demo}).statut, 0);
    QCOMPARE(Lancer({QStringLiteral("exporter"), demo, QStringLiteral("--dossier"), dossier}).statut, 0);
    QVERIFY(LireOctets(dossier + QStringLiteral("/TempS.dat")).startsWith("S;160."));
    const QString importe = m_dossier.filePath(QStringLiteral("importe.gbx"));
    QCOMPARE(Lancer({QStringLiteral("importer"), QStringLiteral("--dossier"), dossier, importe}).statut, 0);

    const QJsonObject avant = Info(demo);
    const QJsonObject apres = Info(importe);
    QCOMPARE(apres.value("bouton_fleche").toInt(), -1);
    QCOMPARE(apres.value("ecartement_z"), avant.value("ecartement_z"));
    const double x0 = EtendueX(avant.value("points_e").toArray()).first;
    const QJsonArray s0 = avant.value("points_s").toArray(), s1 = apres.value("points_s").toArray();
    QCOMPARE(s1.size(), s0.size());
    for (qsizetype i = 0; i < s0.size(); ++i)
        QVERIFY(qAbs(s1[i].toArray()[0].toDouble() - (s0[i].toArray()[0].toDouble() - x0)) < 1e-3);
}

void TestCliProjet::echecs_data()
{
    QTest::addColumn<QStringList>("args"); // "@" stands for the temporary folder
    QTest::addColumn<QByteArray>("projet"); // written to @/p.gbx first when not empty
    QTest::addColumn<int>("statut");
    QTest::newRow("projet-info without file") << QStringList{"projet-info"} << QByteArray() << 1;
    QTest::newRow("projet-info missing file") << QStringList{"projet-info", "@/absent.gbx"} << QByteArray() << 2;
    QTest::newRow("projet-info damaged") << QStringList{"projet-info", "@/p.gbx"}
                                         << QByteArray("[Emplanture]\nNombrePoints=3\n1=0:0:0\n") << 2;
    QTest::newRow("exporter without folder") << QStringList{"exporter", "@/p.gbx"} << QByteArray() << 1;
    QTest::newRow("exporter into a missing folder")
        << QStringList{"exporter", "@/p.gbx", "--dossier", "@/absent"}
        << QByteArray("[Emplanture]\nNombrePoints=1\n1=0:0:0\n[Saumon]\nNombrePoints=1\n1=0:0:0\n"
                      "[Affichage]\nOmega=90\nAlpha=90\n")
        << 2;
    QTest::newRow("importer, no pair") << QStringList{"importer", "--dossier", "@/vide", "@/i.gbx"} << QByteArray()
                                       << 2;
    QTest::newRow("demo, unknown option") << QStringList{"demo", "--points"} << QByteArray() << 1;
}

void TestCliProjet::echecs()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, projet);
    QFETCH(int, statut);
    QTemporaryDir dossier;
    QVERIFY(QDir().mkpath(dossier.filePath(QStringLiteral("vide"))));
    for (QString& a : args)
        a.replace(u'@', dossier.path());
    if (!projet.isEmpty())
        QVERIFY(EcrireOctets(dossier.filePath(QStringLiteral("p.gbx")), projet));
    const Resultat r = Lancer(args);
    QCOMPARE(r.statut, statut);
    QVERIFY(r.sortie.isEmpty());
    QVERIFY(!r.erreurs.isEmpty());
    QVERIFY(!QFile::exists(dossier.filePath(QStringLiteral("i.gbx"))));
}

GALBIX_TEST_MAIN(TestCliProjet)
#include "tst_cli_projet.moc"
