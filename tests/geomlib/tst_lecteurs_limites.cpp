// Readers at their limits: files without end, numbers out of every range, line ends of every
// kind, headers that look like data, and the messages that name infinite values.
#include "common/TestMain.h"
#include "common/Octets.h"

#include "files/Echange.h"
#include "files/Ini.h"
#include "geomlib/EnTeteDat.h"
#include "geomlib/Formats.h"
#include "geomlib/LectureBornee.h"
#include "geomlib/Tolerances.h"
#include "geomlib/Tranchex.h"
#include "model/Types.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace galbix;

namespace {

LectureFichier Lire(const QByteArray& texte, LectureFichier (*lecteur)(std::string_view))
{
    LectureFichier l = lecteur(std::string_view(texte.constData(), size_t(texte.size())));
    formats::Finaliser(l);
    return l;
}

std::vector<PointFichier> Carre()
{
    std::vector<PointFichier> p(5);
    const float xy[5][2] = {{0, 0}, {40, 0}, {40, 10}, {0, 10}, {0, 0}};
    for (int i = 0; i < 5; ++i)
        p[size_t(i)].X = xy[i][0], p[size_t(i)].Y = xy[i][1];
    return p;
}

// A header on one line as the writer must keep it: line breaks, NUL and DOS end-of-file bytes
// become spaces, blanks around go.
QString UneLigne(QString texte)
{
    texte.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(0), u' ').replace(QChar(0x1a), u' ');
    return texte.trimmed();
}

} // namespace

class TestLecteursLimites : public QObject {
    Q_OBJECT
private slots:
    void fichierSansFin_data();
    void fichierSansFin();
    void lectureBornee();
    void echelleHpgl_data();
    void echelleHpgl();
    void finsDeLigneDxf_data();
    void finsDeLigneDxf();
    void comptesNegatifs_data();
    void comptesNegatifs();
    void enTeteDat_data();
    void enTeteDat();
    void enTetesAleatoires();
    void cordeInfinie();
};

// A device that never ends, named like a profile and like the settings file: refused, without
// reading more than the cap (every reader goes through the same bounded read).
void TestLecteursLimites::fichierSansFin_data()
{
    QTest::addColumn<QString>("nom");
    QTest::newRow("profil") << "zero.dat";
    QTest::newRow("réglages") << "Galbix.ini";
}

void TestLecteursLimites::fichierSansFin()
{
    QFETCH(QString, nom);
    if (!QFile::exists(QStringLiteral("/dev/zero")))
        QSKIP("no /dev/zero here");
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(nom);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), chemin));
    if (nom.endsWith(QStringLiteral(".ini"))) {
        bool lu = true;
        FichierIni::Charger(chemin, &lu);
        QVERIFY(!lu);
        return;
    }
    const LectureFichier l = LireFichierDetaille(chemin);
    QVERIFY(!l.ok);
    QVERIFY2(l.erreur.contains(QStringLiteral("trop volumineux")), qPrintable(l.erreur));
}

void TestLecteursLimites::lectureBornee()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("f.dat"));
    QVERIFY(tests::EcrireOctets(chemin, QByteArray(1000, 'x')));
    QCOMPARE(LireFichierBorne(chemin, 1000).octets.size(), 1000); // exactly the cap: read
    QVERIFY(LireFichierBorne(chemin, 999).tropVolumineux);
    QVERIFY(!LireFichierBorne(chemin, 999).ok);
    QVERIFY(!LireFichierBorne(dossier.filePath(QStringLiteral("absent.dat"))).ok);
    if (QFile::exists(QStringLiteral("/dev/zero")))
        QVERIFY(LireFichierBorne(QStringLiteral("/dev/zero"), 3 << 20).tropVolumineux);
}

// SC parameters of every range: a type that is no integer of any size is ignored, as a
// plotter ignores an instruction in error; the drawing is then in plotter units.
void TestLecteursLimites::echelleHpgl_data()
{
    QTest::addColumn<QByteArray>("sc");
    QTest::addColumn<float>("x"); // mm of the point drawn at user (1, 1)
    QTest::newRow("type immense") << QByteArray("SC0,0,0,1,6536265362") << 0.025f;
    QTest::newRow("type immense négatif") << QByteArray("SC0,0,0,1,-1e300") << 0.025f;
    QTest::newRow("type au-delà de int") << QByteArray("SC0,10,0,10,2147483648") << 0.025f;
    QTest::newRow("type 3") << QByteArray("SC0,10,0,10,3") << 0.025f;
    QTest::newRow("type 2.5 pris pour 2") << QByteArray("SC0,2,0,2,2.5") << 0.05f;
    QTest::newRow("type 0") << QByteArray("IP0,0,400,400;SC0,10,0,10,0") << 1.0f;
}

void TestLecteursLimites::echelleHpgl()
{
    QFETCH(QByteArray, sc);
    QFETCH(float, x);
    const LectureFichier l = Lire(sc + ";PU0,0;PD1,1;", formats::LirePlt);
    QVERIFY2(l.ok, qPrintable(l.erreur));
    QCOMPARE(l.points.size(), size_t(2));
    QCOMPARE(l.points[1].X, x);
}

// One drawing written with every kind of line end gives the same points.
void TestLecteursLimites::finsDeLigneDxf_data()
{
    QTest::addColumn<QByteArray>("fin");
    QTest::addColumn<QByteArray>("intrus"); // replaces the line end after the first "LINE"
    QTest::newRow("LF") << QByteArray("\n") << QByteArray("\n");
    QTest::newRow("CRLF") << QByteArray("\r\n") << QByteArray("\r\n");
    QTest::newRow("CR seul") << QByteArray("\r") << QByteArray("\r");
    QTest::newRow("CR avec un LF égaré") << QByteArray("\r") << QByteArray("\n");
    QTest::newRow("LF avec un CR égaré") << QByteArray("\n") << QByteArray("\r");
    QTest::newRow("CRLF avec un LF égaré") << QByteArray("\r\n") << QByteArray("\n");
    QTest::newRow("CR CR LF") << QByteArray("\r\r\n") << QByteArray("\r\n");
}

void TestLecteursLimites::finsDeLigneDxf()
{
    QFETCH(QByteArray, fin);
    QFETCH(QByteArray, intrus);
    const QList<QByteArray> lignes = {"0", "SECTION", "2", "ENTITIES", "0", "LINE", "10", "0", "20", "0", "11",
                                      "40", "21", "0", "0", "LINE", "10", "40", "20", "0", "11", "40", "21", "10",
                                      "0", "ENDSEC", "0", "EOF"};
    QByteArray texte;
    for (qsizetype i = 0; i < lignes.size(); ++i)
        texte += lignes[i] + (i == 5 ? intrus : fin);
    const LectureFichier l = Lire(texte, formats::LireDxf);
    QVERIFY2(l.ok, qPrintable(l.erreur));
    QCOMPARE(l.points.size(), size_t(3));
    QCOMPARE(l.points[2].Y, 10.0f);
}

// A count line with negative counts is no point: the file is refused.
void TestLecteursLimites::comptesNegatifs_data()
{
    QTest::addColumn<QByteArray>("comptes");
    QTest::addColumn<bool>("refuse");
    QTest::newRow("deux négatifs") << QByteArray("-3. -3.") << true;
    QTest::newRow("un négatif") << QByteArray("3. -3.") << true;
    QTest::newRow("négatifs dans le dessin") << QByteArray("-1 -1") << false; // within the drawing: a point
    QTest::newRow("positifs justes") << QByteArray("3. 3.") << false;
}

void TestLecteursLimites::comptesNegatifs()
{
    QFETCH(QByteArray, comptes);
    QFETCH(bool, refuse);
    const QByteArray texte = "PROFIL\n" + comptes + "\n0 0\n0.5 0.05\n1 0\n\n0 0\n0.5 -0.05\n1 0\n";
    const LectureFichier l = Lire(texte, formats::LireDat);
    QCOMPARE(!l.ok, refuse);
    if (refuse)
        QVERIFY(l.erreur.contains(QStringLiteral("Lednicer")));
}

// Headers written by the .dat writer come back as the header, exactly as the user sees them.
void TestLecteursLimites::enTeteDat_data()
{
    QTest::addColumn<QString>("enTete");
    QTest::addColumn<QString>("lu");
    QTest::newRow("nom") << "NACA 2412" << "NACA 2412";
    QTest::newRow("deux nombres") << "200 3" << "Profil 200 3";
    QTest::newRow("deux nombres et virgule") << "2,2" << "Profil 2,2";
    QTest::newRow("compte Lednicer") << "61. 61." << "Profil 61. 61.";
    QTest::newRow("nombres et commentaire") << "1 2 # x" << "Profil 1 2 # x";
    QTest::newRow("infinis") << "inf nan" << "Profil inf nan";
    QTest::newRow("commentaire") << "# essai" << "Profil # essai";
    QTest::newRow("trois nombres") << "1 2 3" << "1 2 3";
    QTest::newRow("un nombre") << "200" << "200";
    QTest::newRow("nombre et texte") << "12 abc" << "12 abc";
    QTest::newRow("blancs autour") << "  clark y\t" << "clark y";
    QTest::newRow("sur deux lignes") << "E;1\r\n2 3" << "E;1  2 3";
    QTest::newRow("octet nul") << QStringLiteral("a") + QChar(0) + "b" << "a b";
    QTest::newRow("fin de fichier DOS") << QStringLiteral("1") + QChar(0x1a) + "2" << "Profil 1 2";
    QTest::newRow("marque d'ordre") << QStringLiteral("\uFEFF1 2") << QStringLiteral("Profil \uFEFF1 2");
    QTest::newRow("accents") << "Émile 45°" << "Émile 45°";
    QTest::newRow("vide") << "" << "";
}

void TestLecteursLimites::enTeteDat()
{
    QFETCH(QString, enTete);
    QFETCH(QString, lu);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("p.dat"));
    QCOMPARE(EcrireFichier(Carre(), chemin, enTete), 1);
    const LectureFichier l = LireFichierDetaille(chemin);
    QVERIFY2(l.ok, qPrintable(l.erreur));
    QCOMPARE(l.enTete, lu);
    QCOMPARE(l.points.size(), size_t(5));
}

void TestLecteursLimites::enTetesAleatoires()
{
    // Headers drawn from the characters that matter to the reader.
    const QString alphabet = QStringLiteral("0123456789 .,;+-eE#\tinfaINFAD\r\nxé");
    QRandomGenerator alea(7);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("p.dat"));
    for (int essai = 0; essai < 600; ++essai) {
        QString enTete;
        const int longueur = int(alea.bounded(12));
        for (int i = 0; i < longueur; ++i)
            enTete += alphabet[int(alea.bounded(quint32(alphabet.size())))];
        QCOMPARE(EcrireFichier(Carre(), chemin, enTete), 1);
        const LectureFichier l = LireFichierDetaille(chemin);
        QVERIFY2(l.ok, qPrintable(enTete + " : " + l.erreur));
        QCOMPARE(l.points.size(), size_t(5));
        // The header as typed, or prefixed when the bare text would not come back as a header.
        const QString vu = UneLigne(enTete);
        QVERIFY2(l.enTete == vu || l.enTete == formats::PrefixeEnTeteDat + vu, qPrintable(l.enTete));
        if (l.enTete != vu) {
            const LectureFichier brut = Lire(vu.toUtf8() + "\r\n0 0\r\n1 0\r\n0.5 0.1\r\n", formats::LireDat);
            QVERIFY2(!brut.ok || brut.enTete != vu, qPrintable(vu));
        }
    }
}

// An infinite chord in the exchange header is named as such in the import message.
void TestLecteursLimites::cordeInfinie()
{
    QTemporaryDir dossier;
    QVERIFY(tests::EcrireOctets(CheminEchange(dossier.path(), CoteE), "E;1e39;;;;aile\r\n0 0\r\n1 0\r\n0.5 0.1\r\n"));
    QVERIFY(tests::EcrireOctets(CheminEchange(dossier.path(), CoteS), "S;100;0;0;500;aile\r\n0 0\r\n1 0\r\n0.5 0.1\r\n"));
    CoupleProfils profils;
    const ResultatImport r = ImporterEchange(dossier.path(), profils);
    QVERIFY(r.Issue != IssueImport::Importe);
    QVERIFY2(r.Message.contains(QStringLiteral("corde infinie")), qPrintable(r.Message));
}

GALBIX_TEST_MAIN(TestLecteursLimites)
#include "tst_lecteurs_limites.moc"
