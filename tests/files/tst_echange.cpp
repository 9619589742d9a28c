// Exchange with the cutting program: headers, the import's scaling and placing, failures
// that leave the model alone, and the round trip of a placed wing (a second export over the
// first is checked through the window).
#include "common/Test.h"
#include "common/Profils.h"
#include "files/Echange.h"
#include "model/Extremes.h"

#include <QDir>

using namespace galbix;
using galbix::tests::Naca;
using galbix::tests::EcrireOctets;
using galbix::tests::LireOctets;

namespace {

// Root NACA 2412 of chord 220 away from the origin; tip NACA 0012 placed against it.
CoupleProfils Aile(float corde, float fleche, float diedre, int nS) {
    CoupleProfils c;
    c.PointsE = Naca("2412", 30, 220.0f, 37.25f, -5.5f);
    c.PointsS = Naca("0012", nS, corde, 37.25f + fleche, -5.5f + diedre);
    c.EcartementZ = 600.0f;
    CalculerExtremes(c);
    return c;
}

} // namespace

class TestEchange : public QObject {
    Q_OBJECT
private slots:
    void decoupage_data() {
        // champs: chord, sweep, height, spacing; empty: cannot be split
        tests::Colonnes<QString, int, QList<float>>("enTete", "cote", "champs");
        using L = QList<float>;
        QTest::newRow("tip") << "S;150.000;12.000;3.000;600.000;x" << 1 << L{150, 12, 3, 600};
        QTest::newRow("blanks and text in fields") << "E; 99.5 mm;-4;x;1e2;" << 1 << L{99.5f, -4, 0, 100};
        QTest::newRow("tip header read as root's") << "S;150;12;3;600" << 0 << L{150, 0, 0, 0};
        QTest::newRow("root without ';' after its chord") << "E;200.000" << 0 << L{};
        QTest::newRow("';' within the first two characters") << ";;5" << 0 << L{};
    }
    void decoupage() {
        QFETCH(QString, enTete);
        QFETCH(int, cote);
        QFETCH(QList<float>, champs);
        const std::optional<ChampsEchange> lu = LireEnTeteEchange(enTete, cote);
        QCOMPARE(lu.has_value(), !champs.isEmpty());
        if (lu)
            QCOMPARE((QList<float>{lu->Corde, lu->Fleche, lu->DiedreMm, lu->Ecartement}), champs);
    }
    void exemplesImport_data() {
        // attendus: X, Y of both root points, then of both tip points
        tests::Colonnes<QByteArray, QList<float>>("fichierE", "attendus");
        QTest::newRow("root scaled by its chord, tip placed")
            << QByteArray("E;200.000;00000.000;00000.000;00000.000;aile.dat\r\n0 0\r\n1 0.1\r\n")
            << QList<float>{0, 0, 200, 20, 162, 3, 12, 6};
        QTest::newRow("root header starting with S;") << QByteArray("  S;50;\n0.5 0.5\n0 0\n")
                                                      << QList<float>{25, 25, 0, 0, 162, 3, 12, 6};
    }
    void exemplesImport() {
        QFETCH(QByteArray, fichierE);
        QFETCH(QList<float>, attendus);
        const QString dossier = Dossier(QStringLiteral("exemples"));
        QVERIFY(EcrireOctets(CheminEchange(dossier, CoteE), fichierE));
        QVERIFY(EcrireOctets(CheminEchange(dossier, CoteS), "S;150.000;12.000;3.000;600.000;x\r\n1 0\r\n0 0.02\r\n"));
        CoupleProfils c;
        c.PointsE = {{9, 9, 7}};
        const ResultatImport r = ImporterEchange(dossier, c);
        QCOMPARE(int(r.Issue), int(IssueImport::Importe));
        QCOMPARE(c.NbPointsE() + c.NbPointsS(), 4);
        const PointProfil lus[4] = {c.PointsE[0], c.PointsE[1], c.PointsS[0], c.PointsS[1]};
        for (int i = 0; i < 4; ++i)
            QCOMPARE((QList<float>{lus[i].X, lus[i].Y, float(lus[i].Etat)}),
                     (QList<float>{attendus[2 * i], attendus[2 * i + 1], 0}));
        QCOMPARE((QList<float>{c.EcartementZ, r.EnTeteS.Fleche, r.EnTeteS.DiedreMm}), (QList<float>{600, 12, 3}));
    }
    void importRefuse_data() {
        // fichierE, fichierS null: no file; nomCite: the file named in the message
        tests::Colonnes<QByteArray, QByteArray, int, QString>("fichierE", "fichierS", "issue", "nomCite");
        const QByteArray e = "E;200;0;0;0;a\n0 0\n1 0\n", s = "S;150;1;2;3;b\n0 0\n1 0\n";
        const auto impossible = [](const char* nom, const QByteArray& e, const QByteArray& s, const char* cite) {
            QTest::newRow(nom) << e << s << int(IssueImport::Impossible) << cite;
        };
        QTest::newRow("no files") << QByteArray() << QByteArray() << int(IssueImport::Introuvables) << "";
        impossible("root header cannot be split", "E;200\n0 0\n1 0\n", s, "TempE.dat");
        impossible("tip header short of a field", e, "S;150;1;2\n0 0\n1 0\n", "TempS.dat");
        impossible("binary tip", e, QByteArray("\x00\x01\xfe\xff", 4), "TempS.dat");
        impossible("tip beyond float once scaled", e, "S;1e38;0;0;0;\n0 0\n10 0\n", "TempS.dat");
    }
    // A refused import leaves the model as it was.
    void importRefuse() {
        QFETCH(QByteArray, fichierE);
        QFETCH(QByteArray, fichierS);
        QFETCH(QString, nomCite);
        const QString dossier = Dossier(QString::fromLatin1(QTest::currentDataTag()));
        for (const auto& [cote, octets] : {std::pair{CoteE, fichierE}, {CoteS, fichierS}})
            QVERIFY(octets.isNull() || EcrireOctets(CheminEchange(dossier, cote), octets));
        CoupleProfils c = Aile(160.0f, 30.0f, 8.0f, 25);
        c.PointsE.Modifier()[3].Etat = 5;
        const CoupleProfils avant = c;
        const ResultatImport r = ImporterEchange(dossier, c);
        QTEST(int(r.Issue), "issue");
        QVERIFY(c.PointsE == avant.PointsE && c.PointsS == avant.PointsS && c.EcartementZ == avant.EcartementZ);
        if (!nomCite.isEmpty())
            QVERIFY2(r.Message.contains(QDir::toNativeSeparators(QDir(dossier).filePath(nomCite))), qPrintable(r.Message));
    }
    void exportPuisImport_data() {
        tests::Colonnes<float, float, float, int>("corde", "fleche", "diedre", "nS");
        QTest::newRow("tip ahead and below") << 180.0f << -25.5f << -7.25f << 30;
        QTest::newRow("unequal counts") << 100.0f << 3.0f << 0.0f << 17;
    }
    // An exported wing imports back moved so that the root's smallest X and Y are 0.
    void exportPuisImport() {
        QFETCH(float, corde);
        QFETCH(float, fleche);
        QFETCH(float, diedre);
        QFETCH(int, nS);
        const QString dossier = Dossier(QStringLiteral("aller_retour"));
        CoupleProfils aile = Aile(corde, fleche, diedre, nS);
        aile.PointsE.Modifier()[0].Etat = 4;
        const QString noms[2] = {QStringLiteral("racine.dat"), QStringLiteral("bout.dxf")};
        QVERIFY(ExporterEchange(dossier, aile, noms));
        QCOMPARE(LireOctets(CheminEchange(dossier, CoteE)).split('\n').front().trimmed(),
                 QByteArray("E;") + QByteArray::number(aile.LargeurE, 'f', 3) + ";00000.000;00000.000;00000.000;racine.dat");
        CoupleProfils relu;
        QCOMPARE(int(ImporterEchange(dossier, relu).Issue), int(IssueImport::Importe));
        for (int cote : {CoteE, CoteS}) {
            QCOMPARE(relu.NbPoints(cote), aile.NbPoints(cote));
            for (size_t i = 0; i < relu.Points(cote).size(); ++i) {
                const PointProfil &a = aile.Points(cote)[i], &b = relu.Points(cote)[i];
                QVERIFY2(qAbs(b.X - (a.X - aile.XminE)) < 1e-3f && qAbs(b.Y - (a.Y - aile.YminE)) < 1e-3f && b.Etat == 0,
                         qPrintable(QStringLiteral("side %1 point %2").arg(cote).arg(i + 1)));
            }
        }
        QCOMPARE(relu.EcartementZ, 600.0f);
    }

private:
    QString Dossier(const QString& nom) { return QDir().mkpath(m_dossier.filePath(nom)) ? m_dossier.filePath(nom) : QString(); }
    QTemporaryDir m_dossier;
};

GALBIX_TEST_MAIN(TestEchange)
#include "tst_echange.moc"
