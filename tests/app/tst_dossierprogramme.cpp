// Where the settings and exchange files go: the folder named by GALBIX_DOSSIER, else the
// executable's folder when it can be written and is not an installed tree, else the user's
// configuration folder. Also the options the program answers before opening a window.
#include "common/TestMain.h"

#include "app/DossierProgramme.h"
#include "app/OptionsProgramme.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace galbix;

namespace {

// Mounts a read-only tmpfs on `dossier`; false when this machine does not allow it.
bool MonterLectureSeule(const QString& dossier)
{
    if (geteuid() != 0)
        return false;
    QProcess mount;
    mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                          QStringLiteral("ro,size=64k"), QStringLiteral("tmpfs"), dossier});
    return mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
}

void Demonter(const QString& dossier)
{
    QProcess::execute(QStringLiteral("umount"), {dossier});
}

} // namespace

class TestDossierProgramme : public QObject {
    Q_OBJECT

private slots:
    void choix_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<bool>("executableUtilisable");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("variable, exécutable utilisable") << "/srv/decoupe" << true << "/srv/decoupe";
        QTest::newRow("variable, exécutable en lecture seule") << "/srv/decoupe" << false << "/srv/decoupe";
        QTest::newRow("variable avec séparateur final") << "/srv/decoupe/" << false << "/srv/decoupe";
        QTest::newRow("dossier de l'exécutable") << "" << true << "/opt/galbix";
        QTest::newRow("exécutable en lecture seule") << "" << false << "/home/u/.config/Galbix";
    }
    void choix()
    {
        QFETCH(QString, variable);
        QFETCH(bool, executableUtilisable);
        QFETCH(QString, attendu);
        QStringList consultes;
        const QString dossier = ChoisirDossierProgramme(variable, QStringLiteral("/opt/galbix/"),
                                                        QStringLiteral("/home/u/.config/Galbix"),
                                                        [&](const QString& d) {
                                                            consultes << d;
                                                            return executableUtilisable;
                                                        });
        QCOMPARE(QDir::fromNativeSeparators(dossier), attendu);
        // The executable's folder is only looked at when no folder is named.
        QCOMPARE(consultes.size(), variable.isEmpty() ? qsizetype(1) : qsizetype(0));
    }

    void variableEnvironnement()
    {
        QTemporaryDir dossier;
        const QByteArray avant = qgetenv(VariableDossierProgramme);
        qputenv(VariableDossierProgramme, (dossier.path() + QStringLiteral("/")).toLocal8Bit());
        const QString choisi = DossierProgramme();
        const QString chemin = CheminDansDossierProgramme(QStringLiteral("Galbix.ini"));
        qputenv(VariableDossierProgramme, avant);
        QCOMPARE(QDir::fromNativeSeparators(choisi), dossier.path());
        QCOMPARE(QDir::fromNativeSeparators(chemin), dossier.filePath(QStringLiteral("Galbix.ini")));
    }

    void inscriptible()
    {
        QTemporaryDir dossier;
        QVERIFY(DossierInscriptible(dossier.path()));
        QVERIFY(QDir(dossier.path()).isEmpty());  // the trial file is gone
        QVERIFY(!DossierInscriptible(dossier.filePath(QStringLiteral("absent"))));
        QFile fichier(dossier.filePath(QStringLiteral("fichier")));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.close();
        QVERIFY(!DossierInscriptible(fichier.fileName()));
    }

    // A folder that cannot be written: by permissions for an ordinary user, by a read-only
    // mount for the administrator (who ignores permissions).
    void lectureSeule()
    {
        QTemporaryDir parent;
        const QString dossier = parent.filePath(QStringLiteral("programme"));
        QVERIFY(QDir().mkpath(dossier));
        bool monte = false;
        if (geteuid() == 0) {
            monte = MonterLectureSeule(dossier);
            if (!monte)
                QSKIP("running as root without the right to mount a read-only tmpfs: the choice itself is "
                      "covered by choix()");
        } else {
            QVERIFY(QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner));
        }
        const bool ecrit = DossierInscriptible(dossier);
        const QString choisi = ChoisirDossierProgramme(QString(), dossier, QStringLiteral("/config"),
                                                       [](const QString& d) { return DossierInscriptible(d); });
        if (monte)
            Demonter(dossier);
        else
            QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!ecrit);
        QCOMPARE(QDir::fromNativeSeparators(choisi), QStringLiteral("/config"));
    }

    void installe_data()
    {
        QTest::addColumn<QString>("executable");  // inside the temporary tree
        QTest::addColumn<QString>("partage");     // folder created beside it; empty: none
        QTest::addColumn<bool>("attendu");
        QTest::newRow("arbre installé") << "usr/bin" << "usr/share/galbix" << true;
        QTest::newRow("installation personnelle") << ".local/bin" << ".local/share/galbix" << true;
        QTest::newRow("bin sans share/galbix") << "outils/bin" << "" << false;
        QTest::newRow("dossier de construction") << "build/src/app/galbix" << "build/src/app/share/galbix" << false;
    }
    void installe()
    {
        QFETCH(QString, executable);
        QFETCH(QString, partage);
        QFETCH(bool, attendu);
        QTemporaryDir racine;
        QVERIFY(QDir(racine.path()).mkpath(executable));
        if (!partage.isEmpty())
            QVERIFY(QDir(racine.path()).mkpath(partage));
        QCOMPARE(EstDossierInstalle(racine.filePath(executable)), attendu);
    }

    // The first open dialog of an installed program starts in the home folder, not in the
    // hidden settings folder; a last folder that vanished does the same.
    void dossierInitial_data()
    {
        QTest::addColumn<QString>("dernier");   // "reglages", "autre", "disparu" or ""
        QTest::addColumn<QString>("reglages");  // settings folder: "cache" (the user's) or "autre"
        QTest::addColumn<QString>("attendu");   // "accueil" or "autre"
        QTest::newRow("premier usage installé") << "cache" << "cache" << "accueil";
        QTest::newRow("dernier dossier") << "autre" << "cache" << "autre";
        QTest::newRow("dossier portable") << "autre" << "autre" << "autre";
        QTest::newRow("dossier disparu") << "disparu" << "cache" << "accueil";
        QTest::newRow("vide") << "" << "cache" << "accueil";
    }
    void dossierInitial()
    {
        QFETCH(QString, dernier);
        QFETCH(QString, reglages);
        QFETCH(QString, attendu);
        QTemporaryDir autre;
        const QString cache = DossierConfigurationUtilisateur();
        QDir().mkpath(cache);
        const auto dossier = [&](const QString& n) {
            return n == u"cache" ? cache : n == u"autre" ? autre.path() : n == u"disparu" ? autre.filePath("x") : n;
        };
        QCOMPARE(DossierInitialOuverture(dossier(dernier), dossier(reglages), QStringLiteral("/accueil")),
                 attendu == u"accueil" ? QStringLiteral("/accueil") : autre.path());
    }

    void optionsProgramme_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("texte");  // pattern of the text printed; empty: the program starts
        QTest::newRow("--help") << QStringList{"--help"} << "^usage : galbix \\[PROJET.gbx\\]\\n";
        QTest::newRow("-h") << QStringList{"-h"} << "^usage : galbix ";
        QTest::newRow("--version") << QStringList{"--version"} << "^galbix 1\\.2\\.3\\n$";
        QTest::newRow("-v") << QStringList{"-v"} << "^galbix 1\\.2\\.3\\n$";
        QTest::newRow("help after a project") << QStringList{"aile.gbx", "--help"} << "^usage : galbix ";
        QTest::newRow("project") << QStringList{"aile.gbx"} << "";
        QTest::newRow("project with spaces") << QStringList{"mon", "aile.gbx"} << "";
        QTest::newRow("toolkit option") << QStringList{"-platform", "offscreen", "aile.gbx"} << "";
        QTest::newRow("nothing") << QStringList{} << "";
    }
    void optionsProgramme()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, texte);
        const auto reponse = OptionsProgramme(arguments, QStringLiteral("1.2.3"));
        QCOMPARE(reponse.has_value(), !texte.isEmpty());
        if (!reponse)
            return;
        QCOMPARE(reponse->statut, 0);
        QVERIFY2(QRegularExpression(texte).match(reponse->texte).hasMatch(), qPrintable(reponse->texte));
    }
};

GALBIX_TEST_MAIN(TestDossierProgramme)
#include "tst_dossierprogramme.moc"
