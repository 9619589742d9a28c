// The conventions every galbix-cli subcommand shares: help on stdout with status 0, the
// version, unknown options refused with one line and status 1, "--option=valeur".
#include "common/Emplacements.h"
#include "common/LanceurCli.h"
#include "common/TestMain.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using galbix::tests::ResultatCli;

// Runs the tool in `dossier`, so that a subcommand that wrongly ran would leave files there.
ResultatCli LancerDans(const QString& dossier, const QStringList& args)
{
    QProcess p;
    p.setWorkingDirectory(dossier);
    p.start(galbix::tests::ProgrammeCli(), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// The subcommands as the tool's own help lists them, so that every entry of its table is covered.
QStringList SousCommandes()
{
    const ResultatCli r = galbix::tests::LancerCli({QStringLiteral("--help")});
    const QString texte = QString::fromLocal8Bit(r.sortie);
    const qsizetype debut = texte.indexOf(QStringLiteral("Sous-commandes :\n"));
    const qsizetype fin = texte.indexOf(QStringLiteral("\nOptions :"));
    QStringList noms;
    if (debut < 0 || fin < debut)
        return noms;
    static const QRegularExpression ligne(QStringLiteral("^  ([a-z][a-z0-9-]*)"), QRegularExpression::MultilineOption);
    for (auto it = ligne.globalMatch(texte.mid(debut, fin - debut)); it.hasNext();)
        noms << it.next().captured(1);
    return noms;
}

bool UneLigne(const QByteArray& texte)
{
    return texte.endsWith('\n') && texte.count('\n') == 1;
}

} // namespace

class TestCliConventions : public QObject {
    Q_OBJECT
private slots:
    void outil_data();
    void outil();
    void sousCommande_data();
    void sousCommande();
    void valeursOptions_data();
    void valeursOptions();
};

void TestCliConventions::outil_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("statut");
    QTest::addColumn<QString>("sortie");  // pattern of stdout; empty: nothing on stdout
    QTest::addColumn<bool>("uneLigneErreur");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "^usage : galbix-cli SOUS-COMMANDE" << false;
    QTest::newRow("-h") << QStringList{"-h"} << 0 << "^usage : galbix-cli SOUS-COMMANDE" << false;
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "^galbix-cli \\d+\\.\\d+\\.\\d+\\n$" << false;
    QTest::newRow("-v") << QStringList{"-v"} << 0 << "^galbix-cli \\d+\\.\\d+\\.\\d+\\n$" << false;
    QTest::newRow("unknown option") << QStringList{"--verbeux"} << 1 << "" << true;
    QTest::newRow("unknown short option") << QStringList{"-x", "info"} << 1 << "" << true;
    QTest::newRow("unknown subcommand") << QStringList{"lire", "a.dat"} << 1 << "" << true;
    QTest::newRow("nothing") << QStringList{} << 1 << "" << false;
}

void TestCliConventions::outil()
{
    QFETCH(QStringList, args);
    QFETCH(int, statut);
    QFETCH(QString, sortie);
    QFETCH(bool, uneLigneErreur);
    QTemporaryDir dossier;
    const ResultatCli r = LancerDans(dossier.path(), args);
    QCOMPARE(r.statut, statut);
    if (sortie.isEmpty())
        QVERIFY2(r.sortie.isEmpty(), r.sortie.constData());
    else
        QVERIFY2(QRegularExpression(sortie).match(QString::fromLocal8Bit(r.sortie)).hasMatch(), r.sortie.constData());
    if (statut == 0)
        QVERIFY2(r.erreurs.isEmpty(), r.erreurs.constData());
    else
        QVERIFY(!r.erreurs.isEmpty());
    if (uneLigneErreur)
        QVERIFY2(UneLigne(r.erreurs), r.erreurs.constData());
    QVERIFY(QDir(dossier.path()).isEmpty());
}

void TestCliConventions::sousCommande_data()
{
    QTest::addColumn<QString>("nom");
    const QStringList noms = SousCommandes();
    QVERIFY2(noms.size() >= 9, "the help lists every subcommand");
    for (const QString& nom : noms)
        QTest::newRow(qPrintable(nom)) << nom;
}

// Each subcommand: --help answers on stdout without running it; an unknown option is refused
// before it runs; its description is listed by the tool's help.
void TestCliConventions::sousCommande()
{
    QFETCH(QString, nom);
    QTemporaryDir dossier;
    for (const QString& aide : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const ResultatCli r = LancerDans(dossier.path(), {nom, QStringLiteral("sortie.gbx"), aide});
        QCOMPARE(r.statut, 0);
        QVERIFY2(r.sortie.startsWith("usage : galbix-cli " + nom.toLocal8Bit()), r.sortie.constData());
        QVERIFY2(r.sortie.contains("--help"), r.sortie.constData());
        QVERIFY2(r.erreurs.isEmpty(), r.erreurs.constData());
    }
    const ResultatCli refus = LancerDans(dossier.path(), {nom, QStringLiteral("--option-inexistante"), QStringLiteral("a.gbx"),
                                                          QStringLiteral("b.gbx")});
    // 1 when the subcommand declares its options (every one of today's does); a subcommand that
    // checks its own arguments may instead fail on the file names (2). Either way nothing runs.
    QVERIFY2(refus.statut == 1 || refus.statut == 2, qPrintable(QString::number(refus.statut)));
    QVERIFY(refus.sortie.isEmpty());
    QVERIFY(!refus.erreurs.isEmpty());
    QVERIFY2(QDir(dossier.path()).isEmpty(), "a refused or help run writes nothing");
}

void TestCliConventions::valeursOptions_data()
{
    QTest::addColumn<QStringList>("args");  // "%d" stands for the temporary folder
    QTest::addColumn<int>("statut");
    QTest::addColumn<QString>("verification");  // a JSON key of `info` on the written file, "=" and its value
    QTest::newRow("--points N") << QStringList{"naca", "0012", "%d/p.dat", "--points", "5"} << 0 << "nombre_points=9";
    QTest::newRow("--points=N") << QStringList{"naca", "0012", "%d/p.dat", "--points=5"} << 0 << "nombre_points=9";
    QTest::newRow("option before the arguments") << QStringList{"naca", "--points", "7", "0012", "%d/p.dat"} << 0
                                                 << "nombre_points=13";
    QTest::newRow("negative number as value") << QStringList{"convertir", "%d/source.dat", "%d/p.dat", "--en-tete", "-5 mm"}
                                              << 0 << "en_tete=-5 mm";
    QTest::newRow("dash text as value") << QStringList{"convertir", "%d/source.dat", "%d/p.dat", "--en-tete=-x-"} << 0
                                        << "en_tete=-x-";
    QTest::newRow("five-digit code") << QStringList{"naca", "23112", "%d/p.dat", "--points", "5"} << 0
                                     << "en_tete=Corde: 100.000 NACA 23112";
    QTest::newRow("modified code, prefixed") << QStringList{"naca", "NACA 0012-64", "%d/p.dat"} << 0
                                             << "en_tete=Corde: 100.000 NACA 0012-64";
    QTest::newRow("unknown code") << QStringList{"naca", "21112", "%d/p.dat"} << 2 << "";
    QTest::newRow("missing value") << QStringList{"naca", "0012", "%d/p.dat", "--points"} << 1 << "";
    QTest::newRow("unknown option") << QStringList{"naca", "0012", "%d/p.dat", "--pointz", "5"} << 1 << "";
    QTest::newRow("option of another subcommand") << QStringList{"naca", "0012", "%d/p.dat", "--dossier", "x"} << 1 << "";
    QTest::newRow("unknown option of synchro") << QStringList{"synchro", "%d/source.dat", "%d/source.dat", "--sortie", "%d/p.dat"} << 1 << "";
    QTest::newRow("unknown option of exporter") << QStringList{"exporter", "a.gbx", "--dossier", "%d", "--tout"} << 1 << "";
    QTest::newRow("unknown option of demo") << QStringList{"demo", "%d/p.dat", "--grand"} << 1 << "";
}

void TestCliConventions::valeursOptions()
{
    QFETCH(QStringList, args);
    QFETCH(int, statut);
    QFETCH(QString, verification);
    QTemporaryDir dossier;
    QCOMPARE(galbix::tests::LancerCli({"naca", "2412", dossier.filePath("source.dat")}).statut, 0);
    for (QString& a : args)
        a.replace(QStringLiteral("%d"), dossier.path());
    const ResultatCli r = galbix::tests::LancerCli(args);
    QCOMPARE(r.statut, statut);
    if (statut != 0) {
        QVERIFY2(UneLigne(r.erreurs), r.erreurs.constData());
        QVERIFY(!QFile::exists(dossier.filePath("p.dat")));
        return;
    }
    const ResultatCli info = galbix::tests::LancerCli({"info", dossier.filePath("p.dat")});
    QCOMPARE(info.statut, 0);
    const QJsonObject o = QJsonDocument::fromJson(info.sortie).object();
    const QString cle = verification.section(u'=', 0, 0);
    const QString attendu = verification.section(u'=', 1);
    QCOMPARE(o.value(cle).toVariant().toString(), attendu);
}

GALBIX_TEST_MAIN(TestCliConventions)
#include "tst_cli_conventions.moc"
