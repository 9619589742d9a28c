#include "common/Test.h"
#include "files/Ini.h"

#include <QDir>

using namespace galbix;
using galbix::tests::EcrireOctets;
using galbix::tests::LireOctets;

namespace {

// Section and key names with accents are written here in Windows-1252 escapes, as on disk.
const QString Fenetre = QStringLiteral("Fen\u00EAtre");

} // namespace

class TestIni : public QObject {
    Q_OBJECT
private slots:
    void lecture_data() {
        // contenu null: no file at all; attendu "<defaut>" when the default comes back
        tests::Colonnes<QByteArray, QString, QString, QString>("contenu", "section", "cle", "attendu");
        const auto ligne = [](const char* nom, const QByteArray& contenu, const QString& section, const QString& cle,
                              const QString& attendu) { QTest::newRow(nom) << contenu << section << cle << attendu; };
        const QByteArray base = "; r\xE9glages\r\n[Fen\xEAtre]\r\nLeft=120\r\n  Top  =  45.5  \r\nVide=\r\na=b=c\r\n"
                                ";Width=9\r\n\r\n[ Fichiers ]\nOuverture=C:\\P\nDouble=1\r\nDouble=2\r\n"
                                "[Fichiers]\r\nAutre=x\r\n";
        ligne("capitales accentuées", base, "FEN\u00CATRE", "LEFT", "120");
        ligne("blancs autour de la clé et de la valeur", base, Fenetre, "top", "45.5");
        ligne("valeur vide", base, Fenetre, "Vide", "");
        ligne("signe égal dans la valeur", base, Fenetre, "a", "b=c");
        ligne("clé absente", base, Fenetre, "Height", "<defaut>");
        ligne("section entre blancs, fins LF", base, "fichiers", "Ouverture", "C:\\P");
        ligne("clé en double: la première", base, "Fichiers", "Double", "1");
        ligne("section en double: la première", base, "Fichiers", "Autre", "<defaut>");
        ligne("fichier absent", QByteArray(), "A", "k", "<defaut>");
        ligne("clé hors section", "Left=1\r\n[A]\r\n", "", "Left", "<defaut>");
        ligne("fins CR seules", "[A]\rk=v\r", "a", "k", "v");
        ligne("coupée à 254", "[A]\r\nk=" + QByteArray(300, 'x'), "A", "k", QString(LongueurMaxValeurIni, u'x'));
        ligne("coupée au NUL", QByteArray("[A]\r\nk=ab\0cd\r\n", 14), "A", "k", "ab");
        ligne("binaire", QByteArray("\0\xFF[\x01]\n=\n[", 9), "A", "k", "<defaut>");
    }
    void lecture() {
        QFETCH(QByteArray, contenu);
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, attendu);
        const QString defaut = QStringLiteral("<defaut>");
        const FichierIni ini = FichierIni::DepuisOctets(contenu);
        QCOMPARE(ini.Lire(section, cle, defaut), attendu);
        QCOMPARE(ini.Contient(section, cle), attendu != defaut);
        const QString chemin = m_dossier.filePath(QStringLiteral("lecture.ini"));
        QFile::remove(chemin);
        if (!contenu.isNull())
            QVERIFY(EcrireOctets(chemin, contenu));
        QCOMPARE(LireIni(section, cle, chemin, defaut), attendu);
    }

    void modification_data() {
        tests::Colonnes<QByteArray, QString, QString, QString, QByteArray>("avant", "section", "cle", "valeur", "apres");
        const auto ligne = [](const char* nom, const QByteArray& avant, const QString& section, const QString& cle,
                              const QString& valeur, const QByteArray& apres) {
            QTest::newRow(nom) << avant << section << cle << valeur << apres;
        };
        ligne("fichier neuf", {}, "S", "k", "v", "[S]\r\nk=v\r\n"); // an empty key empties the section
        ligne("clé remplacée, graphie gardée", "[A]\r\n Key = old\r\n;c\r\n", "a", "KEY", "new", "[A]\r\nKey=new\r\n;c\r\n");
        ligne("clé après la dernière clé", "[A]\r\nx=1\r\n;note\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
              "[A]\r\nx=1\r\nz=3\r\n;note\r\n\r\n[B]\r\ny=2\r\n");
        ligne("section vide", "[A]\r\n\r\n[B]\r\n", "A", "k", "v", "[A]\r\nk=v\r\n\r\n[B]\r\n");
        ligne("nouvelle section", "[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n");
        ligne("lignes de tête gardées", "; t\xEAte\r\n\r\n[A]\r\n", "A", "k", "v", "; t\xEAte\r\n\r\n[A]\r\nk=v\r\n");
        ligne("Windows-1252 sur disque", {}, Fenetre, "Left", "é0", "[Fen\xEAtre]\r\nLeft=\xE9" "0\r\n");
        ligne("accents sans casse", "[FEN\xCATRE]\r\n", Fenetre, "Top", "1", "[FEN\xCATRE]\r\nTop=1\r\n");
        ligne("euro, hors Latin-1", {}, "A", "k", "\u20AC5", "[A]\r\nk=\x80" "5\r\n");
        ligne("saut de ligne dans la valeur", {}, "A", "k", "a\r\nb", "[A]\r\nk=a  b\r\n");
        ligne("valeur longue écrite entière", {}, "A", "k", QString(300, u'y'), "[A]\r\nk=" + QByteArray(300, 'y') + "\r\n");
        ligne("vider: clés et commentaires ôtés", "[A]\r\nx=1\r\n;c\r\n\r\n[B]\r\ny=2\r\n", "a", "", "",
              "[A]\r\n\r\n[B]\r\ny=2\r\n");
        ligne("vider une section absente", "[A]\r\nx=1\r\n", "C", "", "", "[A]\r\nx=1\r\n\r\n[C]\r\n");
        // A file that opens with a second byte-order mark reads as empty: a save replaces it
        // whole, or its hidden first section would come back as the first one read.
        ligne("deux marques d'ordre", "\xEF\xBB\xBF\xEF\xBB\xBF[A]\r\nx=vieux\xE9\r\n", "A", "k", "v", "[A]\r\nk=v\r\n");
        ligne("marque d'ordre lue en Windows-1252", "\xC3\xAF\xC2\xBB\xC2\xBF[A]\r\nx=1\r\n", "B", "", "",
              "[B]\r\n");
    }
    // Through the one-shot functions, on a real file, byte by byte.
    void modification() {
        QFETCH(QByteArray, avant);
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, valeur);
        const QString chemin = m_dossier.filePath(QStringLiteral("modification.ini"));
        QFile::remove(chemin);
        if (!avant.isEmpty())
            QVERIFY(EcrireOctets(chemin, avant));
        QVERIFY(cle.isEmpty() ? ViderSectionIni(section, chemin) : EcrireIni(section, cle, valeur, chemin) == 1);
        QTEST(LireOctets(chemin), "apres");
    }

    // Missing folder, a "folder" that is a file, a path that is a folder: nothing is written.
    void echecEcriture() {
        QVERIFY(EcrireOctets(m_dossier.filePath(QStringLiteral("fichier.txt")), "garde"));
        QVERIFY(QDir(m_dossier.path()).mkpath(QStringLiteral("un_dossier")));
        for (const char* nom : {"absent/Galbix.ini", "fichier.txt/Galbix.ini", "un_dossier"}) {
            const QString chemin = m_dossier.filePath(QString(nom));
            QCOMPARE(EcrireIni("A", "k", "v", chemin), 0);
            QVERIFY(!ViderSectionIni("A", chemin));
            FichierIni ini;
            ini.Ecrire("A", "k", "v");
            QVERIFY(!ini.Enregistrer(chemin));
        }
        QCOMPARE(LireOctets(m_dossier.filePath(QStringLiteral("fichier.txt"))), QByteArray("garde"));
        QVERIFY(QFileInfo(m_dossier.filePath(QStringLiteral("un_dossier"))).isDir());
    }

    // Settings and projects hold Windows-1252 text; a value that code page cannot hold
    // turns the whole file to UTF-8 with a byte-order mark, and every value reads back.
    void encodage_data() {
        tests::Colonnes<QString, QByteArray, bool>("valeur", "ligne", "utf8"); // ligne: on disk, after "[Fenêtre]"
        QTest::newRow("dossier français") << QStringLiteral("C:\\Œuvres\\5 €\\l’aile")
                                          << QByteArray("k=C:\\\x8Cuvres\\5 \x80\\l\x92" "aile\r\n") << false;
        QTest::newRow("ascii") << QStringLiteral("C:\\Ailes") << QByteArray("k=C:\\Ailes\r\n") << false;
        QTest::newRow("dossier grec") << QStringLiteral("C:\\Πτέρυγα")
                                      << (QStringLiteral("k=C:\\Πτέρυγα").toUtf8() + "\r\n") << true;
    }
    void encodage() {
        QFETCH(QString, valeur);
        QFETCH(QByteArray, ligne);
        QFETCH(bool, utf8);
        const QString chemin = m_dossier.filePath(QStringLiteral("encodage.ini"));
        QFile::remove(chemin);
        QCOMPARE(EcrireIni(Fenetre, "k", valeur, chemin), 1);
        const QByteArray octets = LireOctets(chemin);
        const QByteArray section = utf8 ? QByteArray("\xEF\xBB\xBF[Fen\xC3\xAAtre]\r\n") : QByteArray("[Fen\xEAtre]\r\n");
        QCOMPARE(octets, section + ligne);
        QCOMPARE(LireIni("fenêtre", "k", chemin, QString()), valeur);
        // Writing another key keeps the encoding the text needs.
        QCOMPARE(EcrireIni(Fenetre, "autre", "x", chemin), 1);
        QCOMPARE(LireIni(Fenetre, "k", chemin, QString()), valeur);
        QCOMPARE(LireOctets(chemin).startsWith("\xEF\xBB\xBF"), utf8);
    }

    // A file saved as UTF-8 by an editor reads as UTF-8.
    void lectureUtf8() {
        const FichierIni ini = FichierIni::DepuisOctets(QStringLiteral("[Fenêtre]\nk=Œuvre €\n").toUtf8());
        QCOMPARE(ini.Lire(Fenetre, "k", QString()), QStringLiteral("Œuvre €"));
    }

private:
    QTemporaryDir m_dossier;
};

GALBIX_TEST_MAIN(TestIni)
#include "tst_ini.moc"
