// Readers at their limits: files without end, numbers out of every range, line ends of every
// kind, headers that look like data, and the messages that name infinite values.
#include "common/Test.h"
#include "common/Profils.h"

#include "files/Echange.h"
#include "files/Ini.h"
#include "geomlib/EnTeteDat.h"
#include "geomlib/LectureBornee.h"

#include <QRandomGenerator>

using namespace galbix;

namespace {

// A header on one line as the writer must keep it: line breaks, NUL and DOS end-of-file bytes
// become spaces, blanks around go.
QString UneLigne(QString texte) {
    return texte.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(0), u' ').replace(QChar(0x1a), u' ').trimmed();
}

} // namespace

class TestLecteursLimites : public QObject {
    Q_OBJECT
private slots:
    // A device that never ends, named like a profile and like the settings file: refused, without
    // reading more than the cap (every reader goes through the same bounded read).
    void lectureBornee() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("f.dat"));
        QVERIFY(tests::EcrireOctets(chemin, QByteArray(1000, 'x')));
        QCOMPARE(LireFichierBorne(chemin, 1000).octets.size(), 1000); // exactly the cap: read
        QVERIFY(LireFichierBorne(chemin, 999).tropVolumineux && !LireFichierBorne(chemin, 999).ok);
        QVERIFY(!LireFichierBorne(dossier.filePath(QStringLiteral("absent.dat"))).ok);
        if (!QFile::exists(QStringLiteral("/dev/zero")))
            QSKIP("no /dev/zero here");
        QVERIFY(LireFichierBorne(QStringLiteral("/dev/zero"), 3 << 20).tropVolumineux);
        const QString zero = dossier.filePath(QStringLiteral("zero.dat")), ini = dossier.filePath(QStringLiteral("Galbix.ini"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), zero) && QFile::link(QStringLiteral("/dev/zero"), ini));
        const LectureFichier l = LireFichierDetaille(zero);
        QVERIFY2(!l.ok && l.erreur.contains(QStringLiteral("trop volumineux")), qPrintable(l.erreur));
        bool lu = true;
        FichierIni::Charger(ini, &lu);
        QVERIFY(!lu);
    }

    // One drawing written with every kind of line end gives the same points.
    void finsDeLigneDxf() {
        const QList<QByteArray> lignes = {"0", "SECTION", "2", "ENTITIES", "0", "LINE", "10", "0", "20", "0", "11",
                                          "40", "21", "0", "0", "LINE", "10", "40", "20", "0", "11", "40", "21", "10",
                                          "0", "ENDSEC", "0", "EOF"};
        // The line end, and the one put after the first "LINE" instead: LF, CRLF, CR alone, then
        // stray ends among others.
        const char* const fins[][2] = {{"\n", "\n"}, {"\r\n", "\r\n"}, {"\r", "\r"}, {"\r", "\n"},
                                       {"\n", "\r"}, {"\r\n", "\n"}, {"\r\r\n", "\r\n"}};
        for (const auto& [fin, intrus] : fins) {
            QByteArray texte;
            for (qsizetype i = 0; i < lignes.size(); ++i)
                texte += lignes[i] + (i == 5 ? intrus : fin);
            const LectureFichier l = tests::LireTexte(texte, formats::LireDxf);
            QVERIFY2(l.ok && l.points.size() == 3, qPrintable(l.erreur));
            QCOMPARE(l.points[2].Y, 10.0f);
        }
    }

    // Headers written by the .dat writer come back as the header, exactly as the user sees them.
    void enTeteDat_data() {
        tests::Colonnes<QString, QString>("enTete", "lu");
        QTest::newRow("nom") << "NACA 2412" << "NACA 2412";
        QTest::newRow("échange") << "S;150.000;12.000;3.000;600.000;C:\\profils\\saumon été.dat"
                                 << "S;150.000;12.000;3.000;600.000;C:\\profils\\saumon été.dat";
        QTest::newRow("deux nombres") << "200 3" << "Profil 200 3";
        QTest::newRow("compte Lednicer") << "61. 61." << "Profil 61. 61.";
        QTest::newRow("commentaire") << "# essai" << "Profil # essai";
        QTest::newRow("un nombre") << "200" << "200";
        QTest::newRow("octet nul") << QStringLiteral("a") + QChar(0) + "b" << "a b";
        QTest::newRow("fin de fichier DOS") << QStringLiteral("1") + QChar(0x1a) + "2" << "Profil 1 2";
        QTest::newRow("marque d'ordre") << QStringLiteral("\uFEFF1 2") << QStringLiteral("Profil \uFEFF1 2");
        QTest::newRow("vide") << "" << "";
    }
    void enTeteDat() {
        QFETCH(QString, enTete);
        QFETCH(QString, lu);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("p.dat"));
        QCOMPARE(EcrireFichier(tests::NacaFichier("0012", 3, 40), chemin, enTete), 1); // five points
        const LectureFichier l = LireFichierDetaille(chemin);
        QVERIFY2(l.ok && l.points.size() == 5, qPrintable(l.erreur));
        QCOMPARE(l.enTete, lu);
        std::vector<PointFichier> points; // the older entry point gives the same
        float xmin = 0, xmax = 0, ymin = 0, ymax = 0;
        QString ancien(260, u' ');
        QCOMPARE(LireFichier(points, chemin, xmin, xmax, ymin, ymax, ancien), 5);
        QCOMPARE(ancien, lu);
    }

    void enTetesAleatoires() {
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
            QCOMPARE(EcrireFichier(tests::NacaFichier("0012", 3, 40), chemin, enTete), 1);
            const LectureFichier l = LireFichierDetaille(chemin);
            QVERIFY2(l.ok && l.points.size() == 5, qPrintable(enTete + " : " + l.erreur));
            // The header as typed, or prefixed when the bare text would not come back as a header.
            const QString vu = UneLigne(enTete);
            QVERIFY2(l.enTete == vu || l.enTete == formats::PrefixeEnTeteDat + vu, qPrintable(l.enTete));
            if (l.enTete != vu) {
                const LectureFichier brut = tests::LireTexte(vu.toUtf8() + "\r\n0 0\r\n1 0\r\n0.5 0.1\r\n", formats::LireDat);
                QVERIFY2(!brut.ok || brut.enTete != vu, qPrintable(vu));
            }
        }
    }

    // An infinite chord in the exchange header is named as such in the import message.
    void cordeInfinie() {
        QTemporaryDir dossier;
        QVERIFY(tests::EcrireOctets(CheminEchange(dossier.path(), CoteE), "E;1e39;;;;aile\r\n0 0\r\n1 0\r\n0.5 0.1\r\n"));
        QVERIFY(tests::EcrireOctets(CheminEchange(dossier.path(), CoteS), "S;100;0;0;500;aile\r\n0 0\r\n1 0\r\n0.5 0.1\r\n"));
        CoupleProfils profils;
        const ResultatImport r = ImporterEchange(dossier.path(), profils);
        QVERIFY(r.Issue != IssueImport::Importe);
        QVERIFY2(r.Message.contains(QStringLiteral("corde infinie")), qPrintable(r.Message));
    }
};

GALBIX_TEST_MAIN(TestLecteursLimites)
#include "tst_lecteurs_limites.moc"
