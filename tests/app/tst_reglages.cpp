// The application shell's plain routines: twips, the stored window state, the command line,
// file-dialog filters, the settings file, the single-instance lock, and where the settings
// and exchange files go (the folder named by GALBIX_DOSSIER, else the executable's folder
// when it can be written and is not an installed tree, else the user's configuration folder).
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
#include <limits>
#include <sys/resource.h>
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

class TestReglages : public QObject {
    Q_OBJECT

private slots:
    // A window larger than the screen area is shrunk to it; one partly outside is moved in.
    void geometrieDansZone_data()
    {
        QTest::addColumn<QRectF>("fenetre"); // Left, Top, Width, Height in twips
        QTest::addColumn<QRectF>("zone");
        QTest::addColumn<QRectF>("attendu");
        const QRectF conception(0, 0, LargeurConception, HauteurConception);
        QTest::newRow("800 x 600") << conception << QRectF(0, 0, 12000, 9000) << QRectF(0, 0, 12000, 9000);
        QTest::newRow("barre en haut") << conception << QRectF(0, 450, 12000, 8550) << QRectF(0, 450, 12000, 8550);
        QTest::newRow("écran assez grand") << conception << QRectF(0, 0, 19200, 14400) << conception;
        QTest::newRow("trop à droite") << QRectF(9000, 1500, 9000, 6000) << QRectF(0, 0, 15000, 12000)
                                       << QRectF(6000, 1500, 9000, 6000);
        QTest::newRow("trop haut et trop large") << QRectF(-3000, -300, 20000, 6000) << QRectF(0, 0, 15000, 12000)
                                                 << QRectF(0, 0, 15000, 6000);
    }
    void geometrieDansZone()
    {
        QFETCH(QRectF, fenetre);
        QFETCH(QRectF, zone);
        QFETCH(QRectF, attendu);
        GeometrieFenetre g;
        g.Left = float(fenetre.left());
        g.Top = float(fenetre.top());
        g.Width = float(fenetre.width());
        g.Height = float(fenetre.height());
        g.WindowState = EtatFenetreNormal;
        const GeometrieFenetre r = GeometrieDansZone(g, zone);
        QCOMPARE(QRectF(r.Left, r.Top, r.Width, r.Height), attendu);
        QCOMPARE(r.WindowState, EtatFenetreNormal);
    }

    void twipsVersPixels_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("largeur de conception à 96 ppp") << 15525.0 << 96.0 << 1035;
        QTest::newRow("hauteur de conception à 96 ppp") << 10965.0 << 96.0 << 731;
        QTest::newRow("120 ppp arrondi") << 15525.0 << 120.0 << 1294;
        QTest::newRow("144 ppp") << 15525.0 << 144.0 << 1553;
        QTest::newRow("négatif (écran à gauche)") << -1500.0 << 96.0 << -100;
        QTest::newRow("négatif, pas entier") << -555.0 << 96.0 << -37;
        QTest::newRow("zéro") << 0.0 << 96.0 << 0;
        QTest::newRow("démesuré borné") << 1e30 << 96.0 << (1 << 24);
        QTest::newRow("pas un nombre") << std::nan("") << 96.0 << 0;
    }
    void twipsVersPixels()
    {
        QFETCH(double, twips);
        QFETCH(double, dpi);
        QFETCH(int, pixels);
        QCOMPARE(TwipsVersPixels(twips, dpi), pixels);
        if (!std::isfinite(twips) || std::abs(twips) > 1e6)
            return;
        // Pixels to twips and back, also through the text the settings file stores.
        const float retour = PixelsVersTwips(pixels, dpi);
        QCOMPARE(TwipsVersPixels(retour, dpi), pixels);
        QCOMPARE(TwipsVersPixels(TexteReel(retour).toDouble(), dpi), pixels);
    }

    void etatFenetre_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("etat");
        QTest::newRow("agrandi") << "2" << 2;
        QTest::newRow("réduit") << "1" << 1;
        QTest::newRow("demi vers le pair (bas)") << "2.5" << 2;
        QTest::newRow("demi vers le pair (haut)") << "3.5" << 4;
        QTest::newRow("négatif") << "-1.5" << -2;
        QTest::newRow("suffixe ignoré") << "2abc" << 2;
        QTest::newRow("pas un nombre") << "abc" << 0;
        QTest::newRow("vide") << "" << 0;
        QTest::newRow("hors des 16 bits") << "1e9" << 32767;
    }
    void etatFenetre()
    {
        QFETCH(QString, texte);
        QFETCH(int, etat);
        QCOMPARE(int(LireEtatFenetre(texte)), etat);
    }

    void ligneCommande_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("reconnu");
        QTest::addColumn<QString>("projet");
        QTest::newRow("vide") << "" << false << "";
        QTest::newRow("minuscules") << "C:\\ailes\\f3f.gbx" << true << "C:\\ailes\\f3f.gbx";
        QTest::newRow("majuscules") << "/home/a/F3F.GBX" << true << "/home/a/F3F.GBX";
        QTest::newRow("entre guillemets") << "\"C:\\mes ailes\\f3f.gbx\"" << true << "C:\\mes ailes\\f3f.gbx";
        QTest::newRow("guillemets, majuscules") << "\"/a b/X.GBX\"" << true << "/a b/X.GBX";
        QTest::newRow("casse mêlée refusée") << "aile.Gbx" << false << "";
        QTest::newRow("guillemets et casse mêlée") << "\"aile.gBX\"" << false << "";
        QTest::newRow("autre extension") << "aile.dat" << false << "";
        QTest::newRow("autre extension entre guillemets") << "\"aile.dat\"" << false << "";
        QTest::newRow("guillemet ouvrant seul: tout le texte") << "\"aile.gbx" << true << "\"aile.gbx";
        QTest::newRow("extension seule entre guillemets") << "\".gbx\"" << true << ".gbx";
        QTest::newRow("espace final") << "aile.gbx " << false << "";
    }
    void ligneCommande()
    {
        QFETCH(QString, argument);
        QFETCH(bool, reconnu);
        QFETCH(QString, projet);
        const std::optional<QString> resultat = ProjetDeLaLigneDeCommande(argument);
        QCOMPARE(resultat.has_value(), reconnu);
        if (reconnu)
            QCOMPARE(*resultat, projet);
    }

    void argumentsRejoints()
    {
        QCOMPARE(ArgumentLigneCommande({QStringLiteral("galbix")}), QString());
        QCOMPARE(ArgumentLigneCommande({QStringLiteral("galbix"), QStringLiteral("/a b/c.gbx")}),
                 QStringLiteral("/a b/c.gbx"));
        QCOMPARE(ArgumentLigneCommande({QStringLiteral("galbix"), QStringLiteral("/a"), QStringLiteral("b.gbx")}),
                 QStringLiteral("/a b.gbx"));
    }

    void filtresQt_data()
    {
        QTest::addColumn<QString>("filtre");
        QTest::addColumn<QStringList>("attendus");
        QTest::newRow("motif déjà nommé")
            << "DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat"
            << QStringList{"DAO (*.dxf)", "Profil (*.dat)"};
        QTest::newRow("plusieurs motifs")
            << "Tous les fichiers connus|*.dxf;*.dat;*.plt;*.gbx;*.kf"
            << QStringList{"Tous les fichiers connus (*.dxf *.dat *.plt *.gbx *.kf)"};
        QTest::newRow("nom collé à la parenthèse")
            << "Projet Galbix(*.gbx)|*.gbx|DAO 3D (*.dxf)|*.dxf|Tous les fichiers (*.*)|*.*"
            << QStringList{"Projet Galbix (*.gbx)", "DAO 3D (*.dxf)", "Tous les fichiers (*.*)"};
        QTest::newRow("parenthèse qui ne nomme pas le motif")
            << "Profil (ancien)|*.cor" << QStringList{"Profil (ancien) (*.cor)"};
        QTest::newRow("description sans motif ignorée")
            << "Profil (*.dat)|*.dat|Orphelin" << QStringList{"Profil (*.dat)"};
        QTest::newRow("vide") << "" << QStringList{};
    }
    void filtresQt()
    {
        QFETCH(QString, filtre);
        QFETCH(QStringList, attendus);
        QCOMPARE(FiltresQt(filtre), attendus);
    }

    void geometrieLue_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<int>("etat");
        QTest::newRow("fichier complet")
            << QByteArray("[Fen\xeatre]\r\nLeft=1500\r\nTop=750\r\nWidth=18000\r\nHeight=12000\r\nWindowState=0\r\n")
            << 1500.0f << 18000.0f << 12000.0f << 0;
        QTest::newRow("clés absentes: valeurs par défaut")
            << QByteArray("[Fen\xeatre]\r\nLeft=15\r\n") << 15.0f << 15525.0f << 10965.0f << 0;
        QTest::newRow("valeur non numérique: zéro")
            << QByteArray("[Fen\xeatre]\r\nLeft=abc\r\nWidth=x1\r\n") << 0.0f << 0.0f << 10965.0f << 0;
        QTest::newRow("partie numérique en tête, décimales")
            << QByteArray("[Fen\xeatre]\r\nLeft=1234.5 twips\r\nWindowState=2\r\n") << 1234.5f << 15525.0f
            << 10965.0f << 2;
        QTest::newRow("fichier vide") << QByteArray() << 0.0f << 15525.0f << 10965.0f << 0;
    }
    void geometrieLue()
    {
        QFETCH(QByteArray, contenu);
        QFETCH(float, left);
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(int, etat);
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(NomFichierReglages);
        QVERIFY(galbix::tests::EcrireOctets(fichier, contenu));
        const GeometrieFenetre g = LireGeometrie(fichier);
        QCOMPARE(g.Left, left);
        QCOMPARE(g.Width, width);
        QCOMPARE(g.Height, height);
        QCOMPARE(int(g.WindowState), etat);
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
        QTest::addColumn<bool>("sousUnFichier"); // else the folder is full
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

GALBIX_TEST_MAIN(TestReglages)
#include "tst_reglages.moc"
