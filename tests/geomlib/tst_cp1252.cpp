// The Windows-1252 code page and the choice of encoding for file text.

#include "common/Test.h"
#include "geomlib/Cp1252.h"
#include "geomlib/Tranchex.h"

#include <algorithm>

using namespace galbix;

class TestCp1252 : public QObject {
    Q_OBJECT
private slots:
    // Every byte decodes to one character and encodes back to itself; the bytes 80 to 9F
    // hold the characters of the code page, and its five undefined bytes the C1 controls.
    void tousLesOctets() {
        QByteArray octets;
        for (int b = 0; b < 256; ++b)
            octets.append(char(b));
        const QString texte = cp1252::Decoder(octets);
        QCOMPARE(texte.size(), 256);
        bool complet = false;
        QVERIFY(cp1252::Encoder(texte, &complet) == octets && complet);
        for (int b = 0; b < 256; ++b)
            QCOMPARE(cp1252::Octet(texte[b].unicode()), b);
        const int paires[][2] = {{0x80, 0x20AC}, {0x92, 0x2019}, {0x9C, 0x0153}, {0x8C, 0x0152}, {0x9F, 0x0178},
                                 {0xAB, 0x00AB}, {0xE9, 0x00E9}, {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F},
                                 {0x90, 0x0090}, {0x9D, 0x009D}};
        for (const auto& [octet, caractere] : paires) {
            QCOMPARE(int(cp1252::Caractere(static_cast<unsigned char>(octet))), caractere);
            QCOMPARE(cp1252::Octet(char16_t(caractere)), octet);
        }
    }

    // Characters the code page lacks: '?' and the flag down.
    void horsPage_data() {
        tests::Colonnes<QString, QByteArray>("texte", "octets");
        QTest::newRow("grec") << QStringLiteral("a\u03A9b") << QByteArray("a?b");
        QTest::newRow("controle 80 (l'octet 80 est l'euro)") << QStringLiteral("\u0080") << QByteArray("?");
        QTest::newRow("hors plan de base") << QStringLiteral("x\U0001F600") << QByteArray("x??");
    }

    void horsPage() {
        QFETCH(QString, texte);
        bool complet = true;
        QTEST(cp1252::Encoder(texte, &complet), "octets");
        QVERIFY(!complet);
    }

    void utf8Valide() {
        const struct { const char* octets; bool valide; } cas[] = {
            {"Corde: 100", true}, {"", true}, {"\xC3\xA9", true}, {"\xE2\x82\xAC", true}, {"\xF0\x9F\x98\x80", true},
            {"caf\xE9", false}, {"\x9C", false}, {"\xE2\x82", false}, // 1252 text, cut at the end
            {"\xC0\xAF", false}, {"\xE0\x80\xAF", false}, // overlong forms
            {"\xED\xA0\x80", false}, {"\xF4\x90\x80\x80", false}, // surrogate, beyond 10FFFF
        };
        for (const auto& c : cas)
            QVERIFY2(cp1252::EstUtf8(QByteArray(c.octets)) == c.valide, c.octets);
    }

    // What a file gets, and that reading it gives the text back.
    void fichier_data() {
        tests::Colonnes<QString, QByteArray>("texte", "octets"); // octets: without the byte-order mark
        QTest::newRow("français") << QStringLiteral("Flèche: 1 œuvre 5 € l’aile")
                                  << QByteArray("Fl\xE8" "che: 1 \x9Cuvre 5 \x80 l\x92" "aile");
        QTest::newRow("dossier grec: utf-8") << QStringLiteral("C:\\Πτέρυγα\\aile.dat")
                                             << QStringLiteral("C:\\Πτέρυγα\\aile.dat").toUtf8();
        // In Windows-1252 these would be the bytes C3 A9, which read back as "é".
        QTest::newRow("1252 qui ressemble à de l'utf-8") << QStringLiteral("Ã©") << QByteArray("\xC3\x83\xC2\xA9");
        QTest::newRow("marque d'ordre en 1252") << QStringLiteral("ï»¿x") << QStringLiteral("ï»¿x").toUtf8();
    }

    void fichier() {
        QFETCH(QString, texte);
        QFETCH(QByteArray, octets);
        QVERIFY(cp1252::EncoderFichier(texte) == octets && cp1252::DecoderFichier(octets) == texte);
        const QByteArray avecMarque = cp1252::EncoderFichier(texte, true);
        QVERIFY(avecMarque.endsWith(octets) && cp1252::DecoderFichier(avecMarque) == texte);
    }

    // Profile headers written by the library read back the same, in .dat and .dxf (with the
    // points of a .dxf exactly); what the code page holds is written in it.
    void entetesEcrites_data() {
        tests::Colonnes<QString, QString, bool>("nom", "enTete", "en1252");
        for (const char* nom : {"profil.dat", "profil.dxf"}) {
            const QString n = QString::fromLatin1(nom);
            QTest::newRow(qPrintable(n + " échange")) << n << QStringLiteral("S;150.000;0.000;0.000;600.000;Œuvre à 5 €, l’aile.dat") << true;
            QTest::newRow(qPrintable(n + " grec")) << n << QStringLiteral("Corde: 100.000 Πτέρυγα") << false;
            QTest::newRow(qPrintable(n + " ascii")) << n << QStringLiteral("Corde: 100.000") << true;
        }
    }

    void entetesEcrites() {
        QFETCH(QString, nom);
        QFETCH(QString, enTete);
        QFETCH(bool, en1252);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(nom);
        const std::vector<PointFichier> points{{-50.25f, 3.0f}, {100.0f, 5.5f}, {50.0f, -3.125f}, {1e-3f, 2e4f}};
        QCOMPARE(EcrireFichier(points, chemin, enTete), 1);
        const QByteArray octets = tests::LireOctets(chemin);
        QCOMPARE(octets.contains(cp1252::Encoder(enTete)), en1252);
        const bool ascii = std::all_of(enTete.begin(), enTete.end(), [](QChar c) { return c.unicode() < 0x80; });
        QCOMPARE(octets.contains(enTete.toUtf8()), !en1252 || ascii);
        const LectureFichier l = LireFichierDetaille(chemin);
        QVERIFY(l.enTete == enTete && l.points.size() == points.size());
        for (size_t i = 0; nom.endsWith(QStringLiteral(".dxf")) && i < points.size(); ++i) // .dat is scaled
            QVERIFY(l.points[i].X == points[i].X && l.points[i].Y == points[i].Y);
    }

    // Headers of files from elsewhere: UTF-8 when valid, else Windows-1252.
    void entetesLues_data() {
        tests::Colonnes<QByteArray, QString>("premiereLigne", "enTete");
        QTest::newRow("windows-1252") << QByteArray("\x8Cuvre \x80 l\x92" "aile") << QStringLiteral("Œuvre € l’aile");
        QTest::newRow("utf-8") << QStringLiteral("Œuvre € l’aile").toUtf8() << QStringLiteral("Œuvre € l’aile");
        QTest::newRow("octet indéfini") << QByteArray("a\x81z") << QStringLiteral("a\u0081z");
    }

    void entetesLues() {
        QFETCH(QByteArray, premiereLigne);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("lu.dat"));
        QVERIFY(tests::EcrireOctets(chemin, premiereLigne + "\r\n1 0\r\n0 0.1\r\n0 0\r\n1 0\r\n"));
        QTEST(LireFichierDetaille(chemin).enTete, "enTete");
    }
};

GALBIX_TEST_MAIN(TestCp1252)
#include "tst_cp1252.moc"
