// The command-line tool as a script sees it: the conventions every subcommand shares (help,
// version, options), the JSON it prints, and every refusal: its exit status, one line on
// stderr, nothing on stdout and nothing written.
#include "common/Test.h"
#include "common/DessinDxf.h"
#include "common/LanceurCli.h"
#include "common/Projets.h"

#include <QDir>
#include <QJsonArray>
#include <QRegularExpression>

using namespace galbix;
using galbix::tests::LancerCli;
using galbix::tests::ResultatCli;

namespace {

// The value at `chemin` ("contours.1.xmax") of a JSON object, as text; "null" for null.
QString Valeur(const QJsonObject& o, const QString& chemin) {
    QJsonValue v = o;
    for (const QString& cle : chemin.split(u'.'))
        v = v.isArray() ? v.toArray().at(cle.toInt()) : v.toObject().value(cle);
    return v.isNull() ? QStringLiteral("null") : v.toVariant().toString();
}


// The rows of refus for the editing verbs, on sides E and S of 5 points each.
void RefusEditer() {
    const auto editer = [](const char* nom, const QString& verbes, int statut, const QString& message, bool une = true) {
        QTest::newRow(nom) << "editer %e/rangee.gbx %s/r.gbx " + verbes << statut << message << une;
    };
    // Side E keeps one unselected point: refused, even though S could lose them.
    editer("delete refused", "selectionner E 1-4 selectionner S 1 supprimer", 2,
           "Erreur de sélection : Il faut conserver au moins deux points non sélectionnés de chaque côté.");
    editer("cut refused", "selectionner ES 2-5 couper", 2, "Erreur de sélection");
    editer("refusal stops the verbs", "selectionner E 1-4 supprimer inserer", 2, "Erreur de sélection");
    editer("smoothing refused", "selectionner S 1-2 lisser", 2, "Erreur de sélection");
    editer("unreadable spacing", "dupliquer 0 1.2.3", 2,
           "Erreur de saisie de l'écartement : Veuillez entrer un nombre décimal.");
    editer("unknown verb", "selectionner E 1 effacer", 1, "effacer", false);
    editer("missing argument", "selectionner E", 1, "selectionner", false);
    editer("beyond the last point", "courant S 6", 2, "le côté S n'a que 5 points");
    editer("selection beyond the last point", "selectionner ES 2-9", 2, "le côté E n'a que 5");
    // Numbers go through the field's own check.
    editer("offset in exponent notation", "decaler 1e3", 2, "Erreur de saisie : Veuillez");
    editer("offset beyond the reals", "decaler 1" + QString(39, u'0'), 2, "Erreur de saisie");
    editer("spacing beyond the reals", "dupliquer 0 1" + QString(39, u'0'), 2, "Erreur de saisie de l'écartement");
    // Ten duplications give 5120 points; pasting 5120 points at each of them would give 26 million.
    editer("paste beyond the budget",
           QStringLiteral("dupliquer 0 1 ").repeated(10) + "selectionner ES 1-5120 copier selectionner ES 1-5120 coller", 2,
           "Trop de points");
    editer("unknown variant", "dupliquer 2 10", 1, "dupliquer 0|1", false);
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir m_entrees; // the inputs of every case ("%e")

private slots:
    void initTestCase() {
        const auto fichier = [this](const char* nom, const QByteArray& texte) {
            QVERIFY(tests::EcrireOctets(m_entrees.filePath(QLatin1String(nom)), texte));
        };
        fichier("profil.dat", "p\n1 0\n0.5 0.1\n0 0\n0.5 -0.1\n1 0\n");
        fichier("aile.dat", "Mon profil\n1.0 0.0\n0.5 0.08\n0.0 0.0\n0.5 -0.04\n1.0 0.0\n");
        // Two pen-down runs: a 10 mm square and a 5 mm segment (40 plotter units per mm).
        fichier("deux.plt", "IN;SP1;PU0,0;PD400,0,400,400,0,400,0,0;PU800,0;PD1000,0;PU;SP0;");
        fichier("binaire.dat", QByteArray("\x00\x01\x02\xff", 4));
        fichier("f.xyz", "a\n0 0\n1 1\n");
        fichier("un.dat", "un\n0.5 0.5\n");
        fichier("nul.dat", "z\n0 0\n0 0\n0 0\n");
        fichier("abime.gbx", "[Emplanture]\nNombrePoints=3\n1=0:0:0\n");
        fichier("lettre.kf", "E1=1;2\r\nE2=1;z\r\n");
        QVERIFY(QDir(m_entrees.path()).mkdir(QStringLiteral("vide")));
        QVERIFY(tests::EcrireDxf(m_entrees.filePath("trois.dxf"), {tests::CarreDxf(0, 0, 10), tests::CarreDxf(100, 50, 20), tests::CarreDxf(-30, 5, 4)}));
        const auto carre = [](float c, size_t n) {
            std::vector<PointProfil> p{{0, 0, 0}, {c, 0, 0}, {c, c, 0}, {0, c, 0}, {0, 0, 0}};
            p.resize(n);
            return p;
        };
        const auto projet = [this](const char* nom, const DonneesProjet& p) {
            QVERIFY(!tests::EcrireProjetTest(m_entrees.filePath(QLatin1String(nom)), p).isEmpty());
        };
        projet("carres.gbx", tests::ProjetDe(carre(20, 5), carre(10, 5), 300.0f));
        projet("inegal.gbx", tests::ProjetDe(carre(20, 5), carre(10, 4), 300.0f));
        projet("plat.gbx", tests::ProjetDe(carre(20, 5), carre(10, 5), 0.0f));
        const auto rangee = tests::Points({{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
        projet("rangee.gbx", tests::ProjetDe(rangee, rangee));
    }

    void aideEtVersion_data() {
        // sortie: pattern of stdout
        tests::Colonnes<QString, QString>("option", "sortie");
        for (const char* aide : {"--help", "-h"})
            QTest::newRow(aide) << aide << "^usage : galbix-cli SOUS-COMMANDE";
        for (const char* version : {"--version", "-v"})
            QTest::newRow(version) << version << "^galbix-cli \\d+\\.\\d+\\.\\d+\\n$";
    }
    void aideEtVersion() {
        QFETCH(QString, option);
        QFETCH(QString, sortie);
        QTemporaryDir dossier;
        const ResultatCli r = LancerCli({option}, dossier.path());
        QCOMPARE(r.statut, 0);
        QVERIFY2(QRegularExpression(sortie).match(QString::fromLocal8Bit(r.sortie)).hasMatch(), r.sortie.constData());
        QVERIFY2(r.erreurs.isEmpty() && QDir(dossier.path()).isEmpty(), r.erreurs.constData());
    }

    void sousCommande_data() {
        // The subcommands as the tool's own help lists them, so that every entry of its table is covered.
        QTest::addColumn<QString>("nom");
        const QString texte = QString::fromLocal8Bit(LancerCli({QStringLiteral("--help")}).sortie);
        const qsizetype debut = texte.indexOf(QStringLiteral("Sous-commandes :\n")), fin = texte.indexOf("\nOptions :");
        const QRegularExpression ligne(QStringLiteral("^  ([a-z][a-z0-9-]*)"), QRegularExpression::MultilineOption);
        int noms = 0;
        for (auto it = ligne.globalMatch(texte.mid(debut, fin - debut)); debut >= 0 && it.hasNext(); ++noms) {
            const QString nom = it.next().captured(1);
            QTest::newRow(qPrintable(nom)) << nom;
        }
        QVERIFY2(noms >= 9, "the help lists every subcommand");
    }
    // Each subcommand: --help answers on stdout without running it; an unknown option is
    // refused before it runs.
    void sousCommande() {
        QFETCH(QString, nom);
        QTemporaryDir dossier;
        for (const QString& aide : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            const ResultatCli r = LancerCli({nom, QStringLiteral("sortie.gbx"), aide}, dossier.path());
            QCOMPARE(r.statut, 0);
            QVERIFY2(r.sortie.startsWith("usage : galbix-cli " + nom.toLocal8Bit()) && r.sortie.contains("--help")
                         && r.erreurs.isEmpty(), r.sortie.constData());
        }
        const ResultatCli refus = LancerCli({nom, QStringLiteral("--option-inexistante"), QStringLiteral("a.gbx"),
                                             QStringLiteral("b.gbx")}, dossier.path());
        // 1 when the subcommand declares its options; one that checks its own arguments may
        // instead fail on the file names (2). Either way nothing runs.
        QVERIFY2(refus.statut == 1 || refus.statut == 2, qPrintable(QString::number(refus.statut)));
        QVERIFY(refus.sortie.isEmpty() && !refus.erreurs.isEmpty());
        QVERIFY2(QDir(dossier.path()).isEmpty(), "a refused or help run writes nothing");
    }

    // The JSON of `info` on a file: the file given, or the one the command wrote ("%d/p.dat").
    void json_data() {
        // args: "%d": a scratch folder, "%e": the inputs; controles: key path "=" value
        // args and controles split at "|"
        tests::Colonnes<QStringList, QStringList>("args", "controles");
        const auto row = [](const char* nom, const char* args, const char* controles) {
            QTest::newRow(nom) << QString(args).split(u'|') << QString(controles).split(u'|');
        };
        row("info .dat", "info|%e/aile.dat", "format=dat|en_tete=Mon profil|nombre_points=5|unites_declarees=null|xmax=1|"
            "ymin=-0.04|contours.0.nombre_points=5");
        row("info .plt", "info|%e/deux.plt",
            "format=plt|contours.0.nombre_points=5|contours.0.xmax=10|contours.1.xmin=20|contours.1.xmax=25");
        row("--points N", "naca|0012|%d/p.dat|--points|5", "nombre_points=9");
        row("--points=N", "naca|0012|%d/p.dat|--points=5", "nombre_points=9");
        row("option before the arguments", "naca|--points|7|0012|%d/p.dat", "nombre_points=13");
        row("negative number as value", "convertir|%e/profil.dat|%d/p.dat|--en-tete|-5 mm", "en_tete=-5 mm");
        row("dash text as value", "convertir|%e/profil.dat|%d/p.dat|--en-tete=-x-", "en_tete=-x-");
        row("five-digit code", "naca|23112|%d/p.dat|--points|5", "en_tete=Corde: 100.000 NACA 23112");
        row("modified code, prefixed", "naca|NACA 0012-64|%d/p.dat", "en_tete=Corde: 100.000 NACA 0012-64");
    }
    void json() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, controles);
        QTemporaryDir dossier;
        for (QString& a : args)
            a.replace(QStringLiteral("%d"), dossier.path()).replace(QStringLiteral("%e"), m_entrees.path());
        ResultatCli r = LancerCli(args);
        QVERIFY2(r.statut == 0, r.erreurs.constData());
        if (args[0] != QLatin1String("info"))
            r = LancerCli({QStringLiteral("info"), dossier.filePath(QStringLiteral("p.dat"))});
        for (const QString& c : controles)
            QCOMPARE(c.section(u'=', 0, 0) + u'=' + Valeur(r.Json(), c.section(u'=', 0, 0)), c);
    }

    void nacaPuisConversions_data() {
        tests::Colonnes<QString, int>("code", "parSurface");
        QTest::newRow("symmetric") << "0012" << 41;
        QTest::newRow("cambered") << "2412" << 61;
    }
    // The .dat holds a unit chord; converting to .dxf and back keeps the points and the header,
    // unless a new one is given.
    void nacaPuisConversions() {
        QFETCH(QString, code);
        QFETCH(int, parSurface);
        QTemporaryDir dossier;
        const QString dat = dossier.filePath(QStringLiteral("p.dat")), dxf = dossier.filePath(QStringLiteral("p.dxf"));
        QCOMPARE(LancerCli({"naca", code, dat, "--points", QString::number(parSurface)}).statut, 0);
        const QJsonObject infoDat = LancerCli({"info", dat}).Json();
        QCOMPARE(infoDat.value("nombre_points").toInt(), 2 * parSurface - 1);
        QVERIFY(qAbs(infoDat.value("xmax").toDouble() - infoDat.value("xmin").toDouble() - 1.0) < 1e-5);
        QCOMPARE(LancerCli({"convertir", dat, dxf}).statut, 0);
        const QJsonObject infoDxf = LancerCli({"info", dxf}).Json();
        QCOMPARE(infoDxf.value("format").toString() + u'|' + infoDxf.value("en_tete").toString(),
                 "dxf|" + infoDat.value("en_tete").toString());
        QCOMPARE(infoDxf.value("nombre_points").toInt(), 2 * parSurface - 1);
        QCOMPARE(LancerCli({"convertir", dxf, dat, "--en-tete", "Autre titre"}).statut, 0);
        QCOMPARE(LancerCli({"info", dat}).Json().value("en_tete").toString(), QStringLiteral("Autre titre"));
    }

    void refus_data() {
        // commande: split at spaces; "%e": the inputs, "%s": an empty scratch folder; message: part of stderr
        tests::Colonnes<QString, int, QString, bool>("commande", "statut", "message", "uneLigne");
        const auto cas = [](const char* nom, const QString& commande, int statut, const QString& message = QString(),
                            bool uneLigne = true) { QTest::newRow(nom) << commande << statut << message << uneLigne; };
        // The tool and its options.
        cas("nothing", "", 1, "usage", false);
        cas("unknown subcommand", "lire a.dat", 1);
        cas("unknown option", "--verbeux", 1);
        cas("info without file", "info", 1, "info", false);
        cas("info, missing file", "info %e/absent.dat", 2, "absent.dat");
        cas("info, unknown extension", "info %e/f.xyz", 2);
        cas("info, binary .dat", "info %e/binaire.dat", 2);
        cas("convert to an unknown format", "convertir %e/profil.dat %s/g.xyz", 2);
        cas("unknown NACA code", "naca 21112 %s/p.dat", 2);
        cas("missing value", "naca 0012 %s/p.dat --points", 1, "--points");
        cas("misspelt option", "naca 0012 %s/p.dat --pointz 5", 1, "--pointz");
        cas("demo, option without value", "demo --points", 1);
        // Projects.
        cas("projet-info, damaged", "projet-info %e/abime.gbx", 2);
        cas("exporter without folder", "exporter %e/carres.gbx", 1, "", false);
        cas("exporter into a missing folder", "exporter %e/carres.gbx --dossier %s/absent", 2);
        cas("importer, no pair", "importer --dossier %e/vide %s/i.gbx", 2);
        cas("importer-kf, letter in a point", "importer-kf %e/lettre.kf %s/i.gbx", 2);
        // The cut, the program, the intermediate profile.
        cas("parcours, counts differ", "parcours %e/inegal.gbx", 2);
        cas("parcours, zero speed", "parcours %e/carres.gbx --vitesse 0", 1);
        cas("parcours, decimal comma", "parcours %e/carres.gbx --vitesse 3,5", 1);
        const QString m = QStringLiteral(" --entre-chariots 1000 --emplanture 100");
        cas("gcode, counts differ", "gcode %e/inegal.gbx %s/p.ngc" + m, 2);
        cas("gcode without L", "gcode %e/carres.gbx %s/p.ngc --emplanture 100", 1);
        cas("gcode, unknown axes", "gcode %e/carres.gbx %s/p.ngc --axes XYAB" + m, 1);
        cas("gcode, three travels", "gcode %e/carres.gbx %s/p.ngc --courses 1,2,3" + m, 1);
        const QString dimension = QStringLiteral("galbix-cli: Erreur de dimension : Le profil intermediaire doit être placé "
                                                 "entre l'emplanture et le saumon\n");
        cas("intermediate at the root", "intermediaire %e/carres.gbx 0 %s/m.dxf", 2, dimension);
        cas("intermediate without span", "intermediaire %e/plat.gbx 1 %s/m.dxf", 2, dimension);
        cas("intermediate, decimal comma", "intermediaire %e/carres.gbx 1,5 %s/m.dxf", 2,
            "galbix-cli: Erreur de saisie : Veuillez entrer un nombre décimal.\n");
        cas("intermediate, counts differ", "intermediaire %e/inegal.gbx 100 %s/m.dxf", 2,
            "galbix-cli: Profil intermédiaire impossible : L'emplanture et le saumon doivent avoir le même nombre de "
            "points.");
        // Synchronisation of two files.
        cas("synchro without tip", "synchro %e/profil.dat", 1, "usage");
        cas("synchro, option without its file", "synchro %e/profil.dat %e/profil.dat --sortie-s", 1, "usage");
        cas("synchro, tip missing", "synchro %e/profil.dat %e/absent.dat", 2, "absent.dat");
        cas("synchro, binary root", "synchro %e/binaire.dat %e/profil.dat", 2, "binaire.dat");
        cas("synchro, project as root", "synchro %e/carres.gbx %e/profil.dat", 2, "carres.gbx");
        cas("synchro, one point", "synchro %e/profil.dat %e/un.dat", 2, "pas le même nombre de points de synchronisation");
        cas("synchro, tip without length", "synchro %e/profil.dat %e/nul.dat", 2, "Le profil du saumon a une longueur nulle");
        // Contours of a drawing.
        cas("assembler, number too large", "assembler %e/trois.dxf %s/a.dxf --ordre 1,4", 2);
        cas("assembler, malformed list", "assembler %e/trois.dxf %s/a.dxf --ordre 1,x", 1, "", false);
        cas("assembler without order", "assembler %e/trois.dxf %s/a.dxf", 1, "", false);
        RefusEditer();
        cas("editer, missing project", "editer %e/absent.gbx %s/x.gbx supprimer", 2);
    }
    void refus() {
        QFETCH(QString, commande);
        QFETCH(int, statut);
        QFETCH(QString, message);
        QFETCH(bool, uneLigne);
        QTemporaryDir sortie;
        QStringList args = commande.split(u' ', Qt::SkipEmptyParts);
        for (QString& a : args)
            a.replace(QStringLiteral("%e"), m_entrees.path()).replace(QStringLiteral("%s"), sortie.path());
        const ResultatCli r = LancerCli(args, sortie.path());
        QCOMPARE(r.statut, statut);
        QVERIFY2(r.sortie.isEmpty(), r.sortie.constData());
        QVERIFY2(!r.erreurs.isEmpty() && QString::fromUtf8(r.erreurs).contains(message), r.erreurs.constData());
        QVERIFY2(!uneLigne || (r.erreurs.endsWith('\n') && r.erreurs.count('\n') == 1), r.erreurs.constData());
        QVERIFY2(QDir(sortie.path()).isEmpty(), "a refusal writes nothing");
    }
};

GALBIX_TEST_MAIN(TestCli)
#include "tst_cli.moc"
