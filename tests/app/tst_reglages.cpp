// The application shell's plain routines: twips, the stored window state, the command line,
// file-dialog filters, the settings file, the single-instance lock, and where the settings
// and exchange files go (the folder named by GALBIX_DOSSIER, else the executable's folder
// when it can be written and is not an installed tree, else the user's configuration folder).
#include "common/Colonnes.h"
#include "common/Octets.h"
#include "common/TestMain.h"

#include "app/DossierProgramme.h"
#include "app/InstanceUnique.h"
#include "app/LigneCommande.h"
#include "app/OptionsProgramme.h"
#include "files/Reglages.h"
#include "view/ui/DialoguesQt.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <tuple>
#include <sys/resource.h>
#include <unistd.h>

using namespace galbix;

class TestReglages : public QObject {
    Q_OBJECT

private slots:
    // A window larger than the screen area is shrunk to it; one partly outside is moved in.
    void geometrieDansZone_data()
    {
        // fenetre: Left, Top, Width, Height in twips
        tests::Colonnes<QRectF, QRectF, QRectF>("fenetre", "zone", "attendu");
        const QRectF conception(0, 0, LargeurConception, HauteurConception);
        QTest::newRow("800 x 600") << conception << QRectF(0, 0, 12000, 9000) << QRectF(0, 0, 12000, 9000);
        QTest::newRow("écran assez grand") << conception << QRectF(0, 0, 19200, 14400) << conception;
        const QRectF zone(0, 0, 15000, 12000);
        QTest::newRow("trop à droite") << QRectF(9000, 1500, 9000, 6000) << zone << QRectF(6000, 1500, 9000, 6000);
        QTest::newRow("trop haut et trop large") << QRectF(-3000, -300, 20000, 6000) << zone << QRectF(0, 0, 15000, 6000);
    }
    void geometrieDansZone()
    {
        QFETCH(QRectF, fenetre); QFETCH(QRectF, zone);
        const GeometrieFenetre r = GeometrieDansZone({float(fenetre.left()), float(fenetre.top()), float(fenetre.width()),
                                                      float(fenetre.height()), EtatFenetreNormal}, zone);
        QTEST(QRectF(r.Left, r.Top, r.Width, r.Height), "attendu");
        QCOMPARE(r.WindowState, EtatFenetreNormal);
    }

    void twipsVersPixels_data()
    {
        tests::Colonnes<double, double, int>("twips", "dpi", "pixels");
        QTest::newRow("largeur de conception à 96 ppp") << 15525.0 << 96.0 << 1035;
        QTest::newRow("120 ppp arrondi") << 15525.0 << 120.0 << 1294;
        QTest::newRow("négatif (écran à gauche)") << -1500.0 << 96.0 << -100;
        QTest::newRow("négatif, pas entier") << -555.0 << 96.0 << -37;
        QTest::newRow("démesuré borné") << 1e30 << 96.0 << (1 << 24);
        QTest::newRow("pas un nombre") << std::nan("") << 96.0 << 0;
    }
    void twipsVersPixels()
    {
        QFETCH(double, twips); QFETCH(double, dpi); QFETCH(int, pixels);
        QCOMPARE(TwipsVersPixels(twips, dpi), pixels);
        if (!std::isfinite(twips) || std::abs(twips) > 1e6) return;
        // Pixels to twips and back, also through the text the settings file stores.
        const float retour = PixelsVersTwips(pixels, dpi);
        QCOMPARE(TwipsVersPixels(retour, dpi), pixels);
        QCOMPARE(TwipsVersPixels(TexteReel(retour).toDouble(), dpi), pixels);
    }

    void ligneCommande_data()
    {
        tests::Colonnes<QString, QString>("argument", "projet"); // projet: "<refusé>" when not a project
        QTest::newRow("minuscules") << "C:\\ailes\\f3f.gbx" << "C:\\ailes\\f3f.gbx";
        QTest::newRow("entre guillemets") << "\"C:\\mes ailes\\f3f.gbx\"" << "C:\\mes ailes\\f3f.gbx";
        QTest::newRow("guillemets, majuscules") << "\"/a b/X.GBX\"" << "/a b/X.GBX";
        QTest::newRow("casse mêlée refusée") << "aile.Gbx" << "<refusé>";
        QTest::newRow("autre extension") << "aile.dat" << "<refusé>";
        QTest::newRow("guillemet ouvrant seul: tout le texte") << "\"aile.gbx" << "\"aile.gbx";
        QTest::newRow("extension seule entre guillemets") << "\".gbx\"" << ".gbx";
        QTest::newRow("espace final") << "aile.gbx " << "<refusé>";
    }
    void ligneCommande()
    {
        QFETCH(QString, argument);
        QTEST(ProjetDeLaLigneDeCommande(argument).value_or(QStringLiteral("<refusé>")), "projet");
    }

    void argumentsRejoints()
    {
        QCOMPARE(ArgumentLigneCommande({"galbix"}), QString());
        QCOMPARE(ArgumentLigneCommande({"galbix", "/a b/c.gbx"}), QStringLiteral("/a b/c.gbx"));
        QCOMPARE(ArgumentLigneCommande({"galbix", "/a", "b.gbx"}), QStringLiteral("/a b.gbx"));
    }

    void filtresQt_data()
    {
        tests::Colonnes<QString, QStringList>("filtre", "attendus");
        QTest::newRow("motif déjà nommé") << "DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat" << QStringList{"DAO (*.dxf)", "Profil (*.dat)"};
        QTest::newRow("plusieurs motifs") << "Tous les fichiers connus|*.dxf;*.dat;*.plt;*.gbx;*.kf"
            << QStringList{"Tous les fichiers connus (*.dxf *.dat *.plt *.gbx *.kf)"};
        QTest::newRow("nom collé à la parenthèse")
            << "Projet Galbix(*.gbx)|*.gbx|DAO 3D (*.dxf)|*.dxf|Tous les fichiers (*.*)|*.*"
            << QStringList{"Projet Galbix (*.gbx)", "DAO 3D (*.dxf)", "Tous les fichiers (*.*)"};
        QTest::newRow("parenthèse qui ne nomme pas le motif") << "Profil (ancien)|*.cor" << QStringList{"Profil (ancien) (*.cor)"};
        QTest::newRow("description sans motif ignorée") << "Profil (*.dat)|*.dat|Orphelin" << QStringList{"Profil (*.dat)"};
    }
    void filtresQt()
    {
        QFETCH(QString, filtre);
        QTEST(FiltresQt(filtre), "attendus");
    }

    void instanceUnique()
    {
        QTemporaryDir dossier;
        auto premiere = std::make_unique<InstanceUnique>(QStringLiteral("essai.lock"), dossier.path());
        QVERIFY(premiere->Verrouiller());
        QVERIFY(premiere->Verrouiller());  // asking again keeps the lock
        InstanceUnique seconde(QStringLiteral("essai.lock"), dossier.path());
        QVERIFY(!seconde.Verrouiller());
        premiere.reset();
        QVERIFY(seconde.Verrouiller());
    }

    // Only a running copy stops a start: a lock that cannot be written lets it go on, and
    // says why.
    void instanceSansVerrou_data()
    {
        tests::Colonnes<bool>("sousUnFichier"); // else the folder is full
        QTest::newRow("dossier qui est un fichier") << true;
        QTest::newRow("dossier plein") << false;
    }
    void instanceSansVerrou()
    {
        QFETCH(bool, sousUnFichier);
        QTemporaryDir dossier;
        QVERIFY(galbix::tests::EcrireOctets(dossier.filePath(QStringLiteral("fichier")), "x"));
        InstanceUnique instance(QStringLiteral("essai.lock"),
                                dossier.filePath(sousUnFichier ? QStringLiteral("fichier") : QString()));
        // Writing any byte fails as on a full disk (the signal that would end the process is ignored).
        rlimit avant{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &avant) == 0);
        const rlimit plein{0, avant.rlim_max};
        const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(sousUnFichier || ::setrlimit(RLIMIT_FSIZE, &plein) == 0);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("essai\\.lock")));
        const bool demarre = instance.Verrouiller();
        ::setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, ancienSignal);
        QVERIFY(demarre);
    }

    void choix_data()
    {
        tests::Colonnes<QString, bool, QString>("variable", "executableUtilisable", "attendu");
        QTest::newRow("variable, exécutable utilisable") << "/srv/decoupe" << true << "/srv/decoupe";
        QTest::newRow("variable avec séparateur final") << "/srv/decoupe/" << false << "/srv/decoupe";
        QTest::newRow("dossier de l'exécutable") << "" << true << "/opt/galbix";
        QTest::newRow("exécutable en lecture seule") << "" << false << "/home/u/.config/Galbix";
    }
    void choix()
    {
        QFETCH(QString, variable); QFETCH(bool, executableUtilisable);
        QStringList consultes;
        const QString dossier = ChoisirDossierProgramme(variable, "/opt/galbix/", "/home/u/.config/Galbix",
                                                        [&](const QString& d) { consultes << d; return executableUtilisable; });
        QTEST(QDir::fromNativeSeparators(dossier), "attendu");
        // The executable's folder is only looked at when no folder is named.
        QCOMPARE(consultes.size(), variable.isEmpty() ? qsizetype(1) : qsizetype(0));
    }

    void inscriptible()
    {
        QTemporaryDir dossier;
        QVERIFY(DossierInscriptible(dossier.path()));
        QVERIFY(QDir(dossier.path()).isEmpty());  // the trial file is gone
        QVERIFY(!DossierInscriptible(dossier.filePath(QStringLiteral("absent"))));
        QVERIFY(tests::EcrireOctets(dossier.filePath(QStringLiteral("fichier")), "x"));
        QVERIFY(!DossierInscriptible(dossier.filePath(QStringLiteral("fichier"))));
    }

    // A folder that cannot be written: by permissions for an ordinary user, by a read-only
    // mount for the administrator (who ignores permissions).
    void lectureSeule()
    {
        QTemporaryDir parent;
        const QString dossier = parent.filePath(QStringLiteral("programme"));
        QVERIFY(QDir().mkpath(dossier));
        const bool monte = geteuid() == 0
                           && QProcess::execute("mount", {"-t", "tmpfs", "-o", "ro,size=64k", "tmpfs", dossier}) == 0;
        if (geteuid() == 0) {
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
            QProcess::execute("umount", {dossier});
        else
            QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!ecrit);
        QCOMPARE(QDir::fromNativeSeparators(choisi), QStringLiteral("/config"));
    }

    // An installed tree has share/galbix beside the executable's bin folder.
    void installe()
    {
        const std::tuple<const char*, const char*, bool> arbres[] = {{"usr/bin", "usr/share/galbix", true},
            {"outils/bin", "", false}, {"build/src/app/galbix", "build/src/app/share/galbix", false}};
        for (const auto& [executable, partage, attendu] : arbres) {
            QTemporaryDir racine;
            QVERIFY(QDir(racine.path()).mkpath(executable) && (!*partage || QDir(racine.path()).mkpath(partage)));
            QCOMPARE(EstDossierInstalle(racine.filePath(executable)), attendu);
        }
    }

    // The first open dialog of an installed program starts in the home folder, not in the
    // hidden settings folder; a last folder that vanished does the same.
    void dossierInitial_data()
    {
        // dernier: "reglages", "autre", "disparu" or ""; reglages: settings folder: "cache" (the user's) or "autre";
        // attendu: "accueil" or "autre"
        tests::Colonnes<QString, QString, QString>("dernier", "reglages", "attendu");
        QTest::newRow("premier usage installé") << "cache" << "cache" << "accueil";
        QTest::newRow("dernier dossier") << "autre" << "cache" << "autre";
        QTest::newRow("dossier portable") << "autre" << "autre" << "autre";
        QTest::newRow("dossier disparu") << "disparu" << "cache" << "accueil";
        QTest::newRow("vide") << "" << "cache" << "accueil";
    }
    void dossierInitial()
    {
        QFETCH(QString, dernier); QFETCH(QString, reglages); QFETCH(QString, attendu);
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
        // texte: pattern of the text printed; empty: the program starts
        tests::Colonnes<QStringList, QString>("arguments", "texte");
        QTest::newRow("--help") << QStringList{"--help"} << "^usage : galbix \\[PROJET.gbx\\]\\n";
        QTest::newRow("-h") << QStringList{"-h"} << "^usage : galbix ";
        QTest::newRow("--version") << QStringList{"--version"} << "^galbix 1\\.2\\.3\\n$";
        QTest::newRow("help after a project") << QStringList{"aile.gbx", "--help"} << "^usage : galbix ";
        QTest::newRow("project with spaces") << QStringList{"mon", "aile.gbx"} << "";
        QTest::newRow("toolkit option") << QStringList{"-platform", "offscreen", "aile.gbx"} << "";
        QTest::newRow("nothing") << QStringList{} << "";
    }
    void optionsProgramme()
    {
        QFETCH(QStringList, arguments); QFETCH(QString, texte);
        const auto reponse = OptionsProgramme(arguments, QStringLiteral("1.2.3"));
        QCOMPARE(reponse.has_value(), !texte.isEmpty());
        if (!reponse) return;
        QCOMPARE(reponse->statut, 0);
        QVERIFY2(QRegularExpression(texte).match(reponse->texte).hasMatch(), qPrintable(reponse->texte));
    }
};

GALBIX_TEST_MAIN(TestReglages)
#include "tst_reglages.moc"
