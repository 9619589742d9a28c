// The application shell's plain routines: twips, the stored window state, the command line,
// file-dialog filters, the settings file, the program folder and the single-instance lock.
#include "common/Octets.h"
#include "common/TestMain.h"

#include "view/ui/DialoguesQt.h"
#include "app/DossierProgramme.h"
#include "app/InstanceUnique.h"
#include "app/LigneCommande.h"
#include "files/Reglages.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <limits>

#include <sys/resource.h>

using namespace galbix;

namespace {

// Non-empty lines of a settings file, decoded as the file's single-byte text.
QStringList Lignes(const QString& fichier)
{
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lignes = QString::fromLatin1(f.readAll()).split(QRegularExpression(QStringLiteral("\r?\n")));
    lignes.removeAll(QString());
    return lignes;
}

void EcrireTexte(const QString& fichier, const QByteArray& contenu)
{
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
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
    }

    void allerRetourTwips_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<double>("dpi");
        QTest::newRow("96 ppp") << 1035 << 96.0;
        QTest::newRow("120 ppp") << 1294 << 120.0;
        QTest::newRow("144 ppp") << 1553 << 144.0;
        QTest::newRow("position négative") << -37 << 96.0;
    }
    void allerRetourTwips()
    {
        QFETCH(int, pixels);
        QFETCH(double, dpi);
        const float twips = PixelsVersTwips(pixels, dpi);
        QCOMPARE(TwipsVersPixels(twips, dpi), pixels);
        QCOMPARE(TwipsVersPixels(TexteReel(twips).toDouble(), dpi), pixels);
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

    void reglagesParDefaut()
    {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(NomFichierReglages);
        CreerReglagesSiAbsents(fichier, QStringLiteral("C:\\Programmes\\Galbix"));
        const QStringList attendu = {
            QStringLiteral("[Fenêtre]"), QStringLiteral("Left=0"), QStringLiteral("Top=0"),
            QStringLiteral("Width=15525"), QStringLiteral("Height=10965"), QStringLiteral("WindowState=0"),
            QStringLiteral("[Fichiers]"), QStringLiteral("Sauvegarde=C:\\Programmes\\Galbix"),
            QStringLiteral("Ouverture=C:\\Programmes\\Galbix")};
        QCOMPARE(Lignes(fichier), attendu);

        // An existing file is left exactly as it is.
        EcrireTexte(fichier, "[Fichiers]\r\nOuverture=D:\\x\r\n");
        CreerReglagesSiAbsents(fichier, QStringLiteral("C:\\autre"));
        QCOMPARE(Lignes(fichier), (QStringList{QStringLiteral("[Fichiers]"), QStringLiteral("Ouverture=D:\\x")}));
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
        EcrireTexte(fichier, contenu);
        const GeometrieFenetre g = LireGeometrie(fichier);
        QCOMPARE(g.Left, left);
        QCOMPARE(g.Width, width);
        QCOMPARE(g.Height, height);
        QCOMPARE(int(g.WindowState), etat);
    }

    void geometrieEcrite()
    {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath(NomFichierReglages);
        CreerReglagesSiAbsents(fichier, QStringLiteral("/p"));
        GeometrieFenetre g;
        g.Left = -120.0f;
        g.Top = 45.5f;
        g.Width = 16500.0f;
        g.Height = 12000.0f;
        g.WindowState = EtatFenetreNormal;
        EcrireGeometrie(fichier, g, true);
        const GeometrieFenetre relue = LireGeometrie(fichier);
        QCOMPARE(relue.Left, g.Left);
        QCOMPARE(relue.Top, g.Top);
        QCOMPARE(relue.Width, g.Width);
        QCOMPARE(relue.Height, g.Height);

        // Without the position only the state changes: the normal geometry stays.
        GeometrieFenetre agrandie;
        agrandie.Width = 1.0f;
        agrandie.WindowState = EtatFenetreAgrandi;
        EcrireGeometrie(fichier, agrandie, false);
        const GeometrieFenetre apres = LireGeometrie(fichier);
        QCOMPARE(int(apres.WindowState), 2);
        QCOMPARE(apres.Width, g.Width);
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

    void dossierProgramme_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("séparateur final retiré") << QByteArray("/opt/galbix/") << "/opt/galbix";
        QTest::newRow("tel quel") << QByteArray("/opt/galbix") << "/opt/galbix";
        QTest::newRow("racine gardée") << QByteArray("/") << "/";
        QTest::newRow("vide: dossier de l'exécutable") << QByteArray() << QCoreApplication::applicationDirPath();
    }
    void dossierProgramme()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QString, attendu);
        const QByteArray avant = qgetenv(VariableDossierProgramme);
        qputenv(VariableDossierProgramme, variable);
        const QString dossier = DossierProgramme();
        const QString fichier = CheminDansDossierProgramme(QStringLiteral("Galbix.ini"));
        qputenv(VariableDossierProgramme, avant);
        QCOMPARE(dossier, QDir::toNativeSeparators(attendu));
        QCOMPARE(QDir::fromNativeSeparators(fichier),
                 QDir::fromNativeSeparators(attendu).replace(QRegularExpression(QStringLiteral("/$")), QString())
                     + QStringLiteral("/Galbix.ini"));
    }
};

GALBIX_TEST_MAIN(TestReglages)
#include "tst_reglages.moc"
