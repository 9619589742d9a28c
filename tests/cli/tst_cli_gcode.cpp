// galbix-cli gcode: the program of a project for a 4-axis machine, as a script sees it.
#include "common/LanceurCli.h"
#include "common/LecteurGCode.h"
#include "common/TestMain.h"

#include "files/GCode.h"
#include "files/Projet.h"
#include "model/Extremes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using galbix::tests::LancerCli;
using namespace galbix;

namespace {

QString Projet(const QTemporaryDir& dossier, const QString& nom, size_t pointsS, float ecartement)
{
    DonneesProjet projet;
    projet.Profils.PointsE = {{0, 0, 0}, {20, 0, 0}, {20, 20, 0}, {0, 20, 0}, {0, 0, 0}};
    projet.Profils.PointsS = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {0, 0, 0}};
    projet.Profils.PointsS.resize(pointsS);
    projet.Profils.EcartementZ = ecartement;
    CalculerExtremes(projet.Profils);
    const QString chemin = dossier.filePath(nom);
    return EcrireProjet(chemin, projet) ? chemin : QString();
}

QByteArray Lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Machine(const QString& l, const QString& d)
{
    return {QStringLiteral("--entre-chariots"), l, QStringLiteral("--emplanture"), d};
}

} // namespace

class TestCliGCode : public QObject {
    Q_OBJECT
private slots:
    void programme_data();
    void programme();
    void refus_data();
    void refus();

private:
    QTemporaryDir m_dossier;
};

void TestCliGCode::programme_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<MachineDecoupe>("machine");
    QTest::addColumn<QByteArray>("mode");
    MachineDecoupe m;
    m.EntreChariots = 1000.0;
    m.Emplanture = 100.0;
    QTest::newRow("par défaut") << QStringList{} << m << QByteArray("\nG93\n");
    MachineDecoupe xyza = m;
    xyza.Axes = QStringLiteral("XYZA");
    xyza.Avance = ModeAvance::ParMinute;
    xyza.Saignee = 1.2;
    QTest::newRow("XYZA, G94, saignée") << QStringList{"--axes", "XYZA", "--avance", "g94", "--saignee", "1.2"} << xyza
                                        << QByteArray("\nG94\n");
    MachineDecoupe droite = m;
    droite.EmplantureADroite = true;
    droite.Emplanture = 600.0;
    droite.Courses = {100, 100, 15, 100};
    droite.Entree = 0.0;
    QTest::newRow("emplanture à droite, courses")
        << QStringList{"--emplanture-droite", "--emplanture", "600", "--courses", "100,100,15,100", "--entree", "0"}
        << droite << QByteArray("\nG93\n");
    MachineDecoupe lente = m;
    lente.Vitesse = 2.0;
    lente.Entree = 5.0;
    QTest::newRow("vitesse et entrée") << QStringList{"--vitesse=2", "--entree", "5"} << lente << QByteArray("\nG93\n");
}

void TestCliGCode::programme()
{
    QFETCH(QStringList, options);
    QFETCH(MachineDecoupe, machine);
    QFETCH(QByteArray, mode);
    const QString projet = Projet(m_dossier, QStringLiteral("carres.gbx"), 5, 300.0f);
    const QString sortie = m_dossier.filePath(QStringLiteral("carres.ngc"));
    QFile::remove(sortie);
    const auto r = LancerCli(QStringList{QStringLiteral("gcode"), projet, sortie} + Machine("1000", "100") + options);
    QCOMPARE(r.statut, 0);
    const QByteArray programme = Lire(sortie);
    QVERIFY(programme.contains(mode));
    const tests::ProgrammeLu lu = tests::LireGCode(programme, machine.Axes);
    QVERIFY2(lu.Erreur.isEmpty(), qPrintable(lu.Erreur));
    const QJsonObject o = QJsonDocument::fromJson(r.sortie).object();
    QCOMPARE(o.value(QStringLiteral("lignes")).toInt(), int(programme.count('\n')));

    // The same program computed here: same time, same extents, same axes out of travel.
    DonneesProjet donnees;
    QVERIFY(LireProjet(projet, donnees).Reussie());
    const ProgrammeGCode attendu = GenererGCode(donnees.Profils, machine, {});
    QVERIFY(!attendu.Refus);
    QCOMPARE(o.value(QStringLiteral("duree_s")).toDouble(), attendu.Duree);
    const QJsonObject gauche = o.value(QStringLiteral("gauche")).toObject();
    const QJsonObject droite = o.value(QStringLiteral("droite")).toObject();
    QCOMPARE(gauche.value(QStringLiteral("xmin")).toDouble(), attendu.Gauche.XMin);
    QCOMPARE(gauche.value(QStringLiteral("ymax")).toDouble(), attendu.Gauche.YMax);
    QCOMPARE(droite.value(QStringLiteral("xmax")).toDouble(), attendu.Droite.XMax);
    QCOMPARE(droite.value(QStringLiteral("ymin")).toDouble(), attendu.Droite.YMin);
    QStringList hors, horsAttendu;
    for (const QJsonValue& v : o.value(QStringLiteral("hors_course")).toArray())
        hors << v.toString();
    for (const DepassementCourse& d : attendu.HorsCourse)
        horsAttendu << QString(d.Axe);
    QCOMPARE(hors, horsAttendu);
    QCOMPARE(programme.mid(programme.indexOf("G21")), attendu.Texte.mid(attendu.Texte.indexOf("G21")));
}

void TestCliGCode::refus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("statut");
    const QString carres = Projet(m_dossier, QStringLiteral("c.gbx"), 5, 300.0f);
    const QString inegal = Projet(m_dossier, QStringLiteral("inegal.gbx"), 4, 300.0f);
    const QString plat = Projet(m_dossier, QStringLiteral("plat.gbx"), 5, 0.0f);
    const QString sortie = m_dossier.filePath(QStringLiteral("refus.ngc"));
    QTest::newRow("non synchronisés") << (QStringList{inegal, sortie} + Machine("1000", "100")) << 2;
    QTest::newRow("écartement nul") << (QStringList{plat, sortie} + Machine("1000", "100")) << 2;
    QTest::newRow("D négatif") << (QStringList{carres, sortie} + Machine("1000", "-5")) << 2;
    QTest::newRow("D + écartement > L") << (QStringList{carres, sortie} + Machine("350", "100")) << 2;
    QTest::newRow("projet absent") << (QStringList{m_dossier.filePath("absent.gbx"), sortie} + Machine("1000", "1")) << 2;
    QTest::newRow("sans L") << QStringList{carres, sortie, "--emplanture", "100"} << 1;
    QTest::newRow("axes inconnus") << (QStringList{carres, sortie, "--axes", "XYAB"} + Machine("1000", "100")) << 1;
    QTest::newRow("avance inconnue") << (QStringList{carres, sortie, "--avance", "g95"} + Machine("1000", "100")) << 1;
    QTest::newRow("courses incomplètes") << (QStringList{carres, sortie, "--courses", "1,2,3"} + Machine("1000", "100"))
                                         << 1;
    QTest::newRow("sans sortie") << (QStringList{carres} + Machine("1000", "100")) << 1;
}

void TestCliGCode::refus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, statut);
    const QString sortie = m_dossier.filePath(QStringLiteral("refus.ngc"));
    const auto r = LancerCli(QStringList{QStringLiteral("gcode")} + arguments);
    QCOMPARE(r.statut, statut);
    QVERIFY(r.sortie.isEmpty());
    QCOMPARE(r.erreurs.count('\n'), 1);
    QVERIFY(!QFile::exists(sortie));
}

GALBIX_TEST_MAIN(TestCliGCode)
#include "tst_cli_gcode.moc"
