// Project files: what is written, what reads back, and where a damaged file stops the reading.
#include "common/Test.h"
#include "files/Ini.h"
#include "files/Projet.h"

#include <limits>

using namespace galbix;


using galbix::tests::EcrireOctets;
using galbix::tests::LireOctets;

namespace {

// Coordinates in 1/64 mm have at most six decimals: they read back bit for bit. The states
// run through every combination of the three bits.
DonneesProjet Modele(int nE, int nS) {
    DonneesProjet p;
    for (int i = 0; i < std::max(nE, nS); ++i) {
        const PointProfil point{float(i) * 1.015625f - 3.5f, float((i * 37) % 29 - 14) / 64.0f, int16_t(i % 8)};
        if (i < nE)
            p.Profils.PointsE.push_back(point);
        if (i < nS)
            p.Profils.PointsS.push_back({point.X + 12.25f, point.Y, int16_t((i + 3) % 8)});
    }
    p.Profils.EcartementZ = 612.5f;
    p.NomFichier[CoteE] = QStringLiteral("aile é.dat");
    p.NomFichier[CoteS] = QStringLiteral("saumon.dxf");
    return p;
}

// A small project as the writer lays it out, for the reading cases to damage.
const QByteArray ProjetValide = "[Emplanture]\r\nNomFichier=e.dat\r\nNombrePoints=2\r\n1=0.000000:0.000000:4\r\n"
                                "2=10.000000:1.500000:3\r\n[Saumon]\r\nNomFichier=s.dat\r\nNombrePoints=1\r\n"
                                "1=2.000000:-1.000000:0\r\n[Position]\r\nEcartement=100.000000\r\nBoutonFleche=1\r\n"
                                "BoutonDiedre=4\r\nBoutonAligner=-1\r\n[Affichage]\r\nCoeffZoom=2.500000\r\n"
                                "XCentreZoom=5.000000\r\nYCentreZoom=-1.000000\r\nOmega=120.000000\r\n"
                                "Alpha=143.000000\r\nCommentaire=a;b\r\n";

QByteArray Remplacer(const char* avant, const char* apres) { return QByteArray(ProjetValide).replace(avant, apres); }

} // namespace

class TestProjet : public QObject {
    Q_OBJECT
private slots:
    void allerRetour_data() {
        tests::Colonnes<int, int, bool, int, QString, QString>(
            "fleche", "diedre", "aligner", "nS", "commentaire", "relu");
        QTest::newRow("no switch, no comment") << -1 << -1 << false << 16 << "" << "";
        QTest::newRow("leading edges, upper surfaces, ';'") << 0 << 0 << false << 9 << "a;b;;c" << "a\r\nb\r\n\r\nc";
        QTest::newRow("trailing edges, lower surfaces, lines") << 2 << 4 << false << 30 << "Aile\r\nà couper\n!\r"
                                                               << "Aile\r\nà couper\r\n!\r\n";
        QTest::newRow("middles, aligned, cut at 254") << 1 << 2 << true << 1 << QString(300, u'x') << QString(254, u'x');
    }
    // Both point lists with their states, the switches, the view and the comment come back.
    void allerRetour() {
        QFETCH(int, fleche);
        QFETCH(int, diedre);
        QFETCH(bool, aligner);
        QFETCH(int, nS);
        QFETCH(QString, commentaire);
        DonneesProjet ecrit = Modele(16, nS);
        ecrit.BoutonFleche = fleche, ecrit.BoutonDiedre = diedre, ecrit.Aligner = aligner, ecrit.Commentaire = commentaire;
        ecrit.CoeffZoom = 17.25f, ecrit.XCentreZoom = -42.5f, ecrit.YCentreZoom = 3.125f;
        ecrit.Omega = 359.0f, ecrit.Alpha = 1.0f;
        const QString chemin = m_dossier.filePath(QStringLiteral("aller_retour.gbx"));
        QVERIFY(EcrireProjet(chemin, ecrit));

        DonneesProjet lu;
        const LectureProjet r = LireProjet(chemin, lu);
        QVERIFY2(r.Reussie(), qPrintable(r.Erreur));
        QVERIFY(lu.Profils.PointsE == ecrit.Profils.PointsE && lu.Profils.PointsS == ecrit.Profils.PointsS);
        QCOMPARE(lu.Profils.EcartementZ, 612.5f);
        QVERIFY(std::equal(lu.NomFichier, lu.NomFichier + 2, ecrit.NomFichier));
        QCOMPARE((QList<int>{lu.BoutonFleche, lu.BoutonDiedre, lu.Aligner}), (QList<int>{fleche, diedre, aligner}));
        QCOMPARE((QList<float>{lu.CoeffZoom, lu.XCentreZoom, lu.YCentreZoom, lu.Omega, lu.Alpha}),
                 (QList<float>{17.25f, -42.5f, 3.125f, 359.0f, 1.0f}));
        QTEST(lu.Commentaire, "relu");
        QCOMPARE(lu.Profils.LargeurE, ecrit.Profils.LargeurE); // metrics recomputed after reading
    }
    // The layout of a new file, key by key, with its number formats.
    void texteDuFichier() {
        DonneesProjet p;
        p.Profils.PointsE = {{0.0f, -1.25f, 4}, {200.0f, 0.5f, 7}};
        p.Profils.PointsS = {{-0.0000004f, 1e-7f, 0}};
        p.Profils.EcartementZ = 12.5f;
        p.NomFichier[CoteE] = QStringLiteral("a.dat");
        p.BoutonFleche = 7; // no such switch: stored as none
        p.BoutonDiedre = 3;
        p.CoeffZoom = 0.1f;
        p.Alpha = 90.0f;
        p.Commentaire = QStringLiteral("x\ny\r\n");
        const QString chemin = m_dossier.filePath(QStringLiteral("texte.gbx"));
        QVERIFY(EcrireProjet(chemin, p));
        QCOMPARE(LireOctets(chemin),
                 QByteArray("[Emplanture]\r\nNomFichier=a.dat\r\nNombrePoints=2\r\n1=0.000000:-1.250000:4\r\n"
                            "2=200.000000:0.500000:7\r\n\r\n[Saumon]\r\nNomFichier=\r\nNombrePoints=1\r\n"
                            "1=0.000000:0.000000:0\r\n\r\n[Position]\r\nEcartement=12.500000\r\nBoutonFleche=-1\r\n"
                            "BoutonDiedre=3\r\nBoutonAligner=-1\r\n\r\n[Affichage]\r\nCoeffZoom=0.100000\r\n"
                            "XCentreZoom=0.000000\r\nYCentreZoom=0.000000\r\nOmega=120.000000\r\nAlpha=90.000000\r\n"
                            "Commentaire=x;y;\r\n"));
    }
    // A file the reader refuses (two byte-order marks before Windows-1252 text) is replaced
    // whole: none of its old points comes back.
    void fichierRefuseRemplace() {
        const QString chemin = m_dossier.filePath(QStringLiteral("refuse.gbx"));
        QVERIFY(EcrireOctets(chemin, "\xEF\xBB\xBF\xEF\xBB\xBF" + Remplacer("e.dat", "vieux\xE9.dat")));
        DonneesProjet lu;
        QVERIFY(!LireProjet(chemin, lu).Reussie());
        DonneesProjet p = Modele(3, 2);
        QVERIFY(EcrireProjet(chemin, p));
        QVERIFY(LireProjet(chemin, lu).Reussie());
        QVERIFY(lu.Profils.PointsE == p.Profils.PointsE);
        QVERIFY(!LireOctets(chemin).contains("vieux"));
    }
    void separateurDecimalFrancais() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        DonneesProjet p = Modele(2, 2);
        p.Profils.EcartementZ = 12.5f;
        const QString chemin = m_dossier.filePath(QStringLiteral("virgule.gbx"));
        const bool ecrit = EcrireProjet(chemin, p);
        DonneesProjet lu;
        const bool relu = LireProjet(chemin, lu).Reussie();
        QLocale::setDefault(QLocale::c());
        QVERIFY(ecrit && relu);
        QVERIFY(LireOctets(chemin).contains("Ecartement=12.500000\r\n"));
        QVERIFY(!LireOctets(chemin).contains(','));
        QVERIFY(lu.Profils.PointsE == p.Profils.PointsE);
    }
    void valeursLues_data() {
        tests::Colonnes<QByteArray, QList<int>, float, PointProfil>("contenu", "boutons", "ecartement", "premierE");
        const PointProfil p1{0, 0, 4};
        QTest::newRow("no switch keys: first of each group, no alignment")
            << Remplacer("BoutonFleche=1\r\nBoutonDiedre=4\r\nBoutonAligner=-1\r\n", "") << QList<int>{0, 0, 0} << 100.0f
            << p1;
        QTest::newRow("alignment, switch beyond its group")
            << Remplacer("BoutonAligner=-1", "BoutonAligner=1").replace("BoutonFleche=1", "BoutonFleche=3")
            << QList<int>{-1, 4, 1} << 100.0f << p1;
        QTest::newRow("comma ends a number") << Remplacer("Ecartement=100.000000", "Ecartement=12,75")
                                             << QList<int>{1, 4, 0} << 12.0f << p1;
        QTest::newRow("blanks inside, text after, state halves to even")
            << Remplacer("1=0.000000:0.000000:4", "1= - 1 .5 mm : 2e1 :4.5:9") << QList<int>{1, 4, 0} << 100.0f
            << PointProfil{-1.5f, 20.0f, 4};
    }
    void valeursLues() {
        QFETCH(QByteArray, contenu);
        const QString chemin = m_dossier.filePath(QStringLiteral("valeurs.gbx"));
        QVERIFY(EcrireOctets(chemin, contenu));
        DonneesProjet lu;
        const LectureProjet r = LireProjet(chemin, lu);
        QVERIFY2(r.Reussie(), qPrintable(r.Erreur));
        QTEST((QList<int>{lu.BoutonFleche, lu.BoutonDiedre, lu.Aligner}), "boutons");
        QTEST(lu.Profils.EcartementZ, "ecartement");
        QTEST(lu.Profils.PointsE.front(), "premierE");
    }
    void lectureInterrompue_data() {
        // contenu null: no file; arret: the EtapeProjet; pointsE, pointsS: points of each side in the record afterwards
        tests::Colonnes<QByteArray, int, int, int>("contenu", "arret", "pointsE", "pointsS");
        const int e = int(EtapeProjet::Emplanture), s = int(EtapeProjet::Saumon);
        QTest::newRow("no file") << QByteArray() << int(EtapeProjet::Fichier) << 7 << 7;
        QTest::newRow("binary bytes") << QByteArray("\x00\x8f\xff[\x01=", 6) << e << 0 << 7;
        QTest::newRow("huge count") << Remplacer("NombrePoints=2", "NombrePoints=2000000000") << e << 2 << 7;
        QTest::newRow("coordinate beyond float") << Remplacer("2=10.000000", "2=1e39") << e << 1 << 7;
        QTest::newRow("missing tip point") << Remplacer("1=2.000000:-1.000000:0\r\n", "") << s << 2 << 0;
        QTest::newRow("Omega missing") << Remplacer("Omega=120.000000\r\n", "") << int(EtapeProjet::Omega) << 2 << 1;
        QTest::newRow("Alpha 360") << Remplacer("Alpha=143.000000", "Alpha=359.5") << int(EtapeProjet::Alpha) << 2 << 1;
    }
    // The reading stops at the faulty step; what came before it is in the record, what comes
    // after keeps the record's earlier values.
    void lectureInterrompue() {
        QFETCH(QByteArray, contenu);
        QFETCH(int, arret);
        const QString chemin = m_dossier.filePath(QStringLiteral("abime.gbx"));
        QFile::remove(chemin);
        if (!contenu.isNull())
            QVERIFY(EcrireOctets(chemin, contenu));
        DonneesProjet lu = Modele(7, 7);
        lu.Commentaire = QStringLiteral("avant");
        const LectureProjet r = LireProjet(chemin, lu);
        QCOMPARE(int(r.Arret), arret);
        QVERIFY(!r.Erreur.isEmpty());
        QTEST(int(lu.Profils.PointsE.size()), "pointsE");
        QTEST(int(lu.Profils.PointsS.size()), "pointsS");
        QCOMPARE(lu.Commentaire, QStringLiteral("avant"));
        QCOMPARE(lu.CoeffZoom, 1.0f);
        QCOMPARE(lu.BoutonDiedre, arret >= int(EtapeProjet::Omega) ? 4 : -1); // the switches come before the view
        QCOMPARE(lu.Omega, 120.0f);
    }
    // A number that is not finite is never written as 0: the save fails and the old file stays
    // as it was (refused writes themselves are the atomic writer's tests).
    void valeurNonFinie() {
        const QString ancien = m_dossier.filePath(QStringLiteral("ancien.gbx"));
        for (int cas : {0, 1, 2}) { // an infinite point, an infinite spacing, a zoom not a number
            QVERIFY(EcrireOctets(ancien, ProjetValide));
            DonneesProjet p = Modele(5, 5);
            float& valeur = cas == 0 ? p.Profils.PointsS.Modifier()[2].Y : cas == 1 ? p.Profils.EcartementZ : p.CoeffZoom;
            valeur = cas == 2 ? std::numeric_limits<float>::quiet_NaN() : -std::numeric_limits<float>::infinity();
            QVERIFY2(!EcrireProjet(ancien, p), qPrintable(QString::number(cas)));
            QCOMPARE(LireOctets(ancien), ProjetValide);
        }
    }

private:
    QTemporaryDir m_dossier;
};

GALBIX_TEST_MAIN(TestProjet)
#include "tst_projet.moc"
