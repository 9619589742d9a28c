// Opening profiles on the root and tip sides: what the model and the fields receive, the
// refusal of a tip before any root, and loads that fail leaving everything as it was.
#include "common/Test.h"
#include "common/DessinDxf.h"

#include "files/Ouverture.h"


using namespace galbix;

namespace {

// A Selig .dat of a NACA profile of the given chord.
QByteArray DatNaca(const QString& code, double corde, int nParSurface = 40) {
    QByteArray texte = "  NACA " + code.toLatin1() + "  \n";
    for (const QPointF& p : ProfilNaca4(code, nParSurface))
        texte += QByteArray::number(p.x() * corde, 'f', 7) + ' ' + QByteArray::number(p.y() * corde, 'f', 7) + '\n';
    return texte;
}

// An R12 DXF holding one open polyline: a flat plate of the given chord whose sides are
// divided into many collinear vertices, with a 1 mm thick nose.
QByteArray DxfPlaque(double corde, int divisions) {
    tests::ContourDxf plaque;
    for (int i = 0; i <= divisions; ++i)
        plaque.emplace_back(corde - corde * i / divisions, 1.0);
    for (int i = 0; i <= divisions; ++i)
        plaque.emplace_back(corde * i / divisions, 0.0);
    return tests::TexteDxf({plaque});
}

CoupleProfils ModeleCharge() {
    CoupleProfils m;
    m.PointsE = {{0, 0, 1}, {50, 5, 2}, {100, 0, 0}};
    m.PointsS = {{10, 0, 0}, {60, 4, 4}, {90, 0, 0}};
    m.EcartementZ = 321.0f;
    m.LargeurE = 100.0f;
    return m;
}

} // namespace

class TestOuverture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dossier.isValid()); }
    void emplanture_data() {
        // nombre: points on each side; corde: LargeurE after the load; texteCorde: chord fields, empty: unchanged;
        // tolerance: -1: no thinning; commentaire: empty: unchanged
        tests::Colonnes<QString, QByteArray, int, float, QString, float, float, QString>(
            "nom", "contenu", "nombre", "corde", "texteCorde", "ecartement", "tolerance", "commentaire");
        const auto r = [](const char* n, const char* nom, const QByteArray& contenu, int nombre, float corde,
                          const char* texteCorde, float ecartement, float tolerance, const char* commentaire = "") {
            QTest::newRow(n) << nom << contenu << nombre << corde << texteCorde << ecartement << tolerance << commentaire;
        };
        r("DAT corde 250", "naca.DAT", DatNaca("2412", 250.0), 79, 100, "100.0", 100, -1, "Commentaire profil: NACA 2412\r\n");
        r("dxf corde 40", "plaque.dxf", DxfPlaque(40.0, 200), 4, 40, "40.0", 50, 0.008f);
        // A square of side 80 mm (40 plotter units per mm), each side in four strokes.
        r("plt carré 80", "carre.plt", "IN;SP1;PU0,0;PD800,0,1600,0,2400,0,3200,0,3200,800,3200,1600,3200,2400,3200,3200,"
          "2400,3200,1600,3200,800,3200,0,3200,0,2400,0,1600,0,800,0,0;PU;\n", 5, 80, "80.0", 100, 0.016f);
        // Mixed-case extensions: read, but neither thinned nor scaled.
        r("Dat sans mise à l'échelle", "aile.Dat", DatNaca("2412", 1.0), 79, 1, "", 5, -1);
        r("Dxf sans simplification", "plaque.Dxf", DxfPlaque(40.0, 20), 42, 40, "", 50, -1);
        // Read as a .dat profile, but neither thinned nor scaled: its extension is not "dat".
        r("txt sans mise à l'échelle", "naca.txt", DatNaca("2412", 1.0), 79, 1, "", 5, -1);
    }
    void emplanture() {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        QFETCH(float, corde);
        QFETCH(QString, texteCorde);
        QFETCH(float, ecartement);
        QFETCH(QString, commentaire);
        CoupleProfils profils = ModeleCharge();
        const QString chemin = Fichier(nom, contenu);
        const ResultatOuverture r = OuvrirProfil(CoteE, chemin, false, profils);
        QCOMPARE(r.Issue, IssueOuverture::Charge);
        QTEST(profils.NbPointsE(), "nombre");
        QVERIFY(profils.PointsE == profils.PointsS);
        QVERIFY(std::ranges::all_of(profils.PointsE, [](const PointProfil& p) { return p.Etat == 0; }));
        QVERIFY(std::fabs(profils.LargeurE - corde) < 1e-4f);
        QVERIFY(profils.LargeurS == profils.LargeurE && profils.EcartementZ == ecartement);
        QCOMPARE(r.EcartementZ.value_or(QString()), TexteChamp(ecartement));
        QCOMPARE(r.Corde[CoteE].value_or(QString()) + u'|' + r.Corde[CoteS].value_or(QString()), texteCorde + u'|' + texteCorde);
        QTEST(r.ToleranceContour.value_or(-1.0f), "tolerance");
        QCOMPARE(r.LigneCommentaire.value_or(QString()), commentaire);
        QVERIFY(r.RemplacerCommentaire == !commentaire.isEmpty() && r.VoirCommentaires == !commentaire.isEmpty());
        QCOMPARE(r.NomFichier, nom);
        QVERIFY(r.NouveauProjet);
        QVERIFY(r.Diedre == QStringLiteral("0.0") && r.Fleche == QStringLiteral("0.0")); // same profile on both sides
    }
    void ecartementDepuisCorde_data() {
        tests::Colonnes<float, float>("corde", "ecartement");
        QTest::newRow("5.999") << 5.999f << 5.0f;
        QTest::newRow("6") << 6.0f << 10.0f;
        QTest::newRow("11") << 11.0f << 50.0f;
        QTest::newRow("51") << 51.0f << 100.0f;
        QTest::newRow("3000") << 3000.0f << 100.0f;
    }
    void ecartementDepuisCorde() {
        QFETCH(float, corde);
        QTEST(EcartementZDepuisCorde(corde), "ecartement");
    }
    void saumonGardeEmplanture() {
        CoupleProfils profils;
        QCOMPARE(OuvrirProfil(CoteE, Fichier("racine.dxf", DxfPlaque(40.0, 20)), false, profils).Issue,
                 IssueOuverture::Charge);
        const std::vector<PointProfil> racine = profils.PointsE;
        const float ecartement = profils.EcartementZ;
        const ResultatOuverture r = OuvrirProfil(CoteS, Fichier("bout.dat", DatNaca("0012", 1.0, 30)), true, profils);
        QCOMPARE(r.Issue, IssueOuverture::Charge);
        QVERIFY(profils.PointsE == racine);
        QCOMPARE(profils.EcartementZ, ecartement);
        QCOMPARE(profils.NbPointsS(), 59);
        QVERIFY(std::fabs(profils.LargeurS - 100.0f) < 1e-4f);
        QVERIFY(std::fabs(profils.LargeurE - 40.0f) < 1e-4f); // metrics recomputed for both sides
        QCOMPARE(r.Corde[CoteS].value_or(QString()), QStringLiteral("100.0"));
        QCOMPARE(r.LigneCommentaire.value_or(QString()), QStringLiteral("Commentaire profil: NACA 0012\r\n"));
        // Appended to the root's comment; the root's fields stay.
        QVERIFY(!r.Corde[CoteE] && !r.EcartementZ && !r.RemplacerCommentaire && !r.VoirCommentaires && !r.NouveauProjet);
        QCOMPARE(r.NomFichier, QStringLiteral("bout.dat"));
    }
    void sansChargement_data() {
        // contenu null: the file does not exist
        tests::Colonnes<int, bool, QString, QByteArray, IssueOuverture>("cote", "projetOuvert", "nom", "contenu", "issue");
        const auto echec = IssueOuverture::Echec;
        QByteArray binaire(4096, '\0');
        for (int i = 0; i < binaire.size(); ++i)
            binaire[i] = char((i * 7919) & 0xff);
        for (int cote : {CoteE, CoteS}) {
            const QByteArray c = cote == CoteE ? "E " : "S ";
            auto ligne = [&](const char* nom) -> QTestData& { return QTest::newRow((c + nom).constData()) << cote << true; };
            ligne("absent") << "absent.dat" << QByteArray() << echec;
            ligne("binaire") << "bruit.dat" << binaire << echec;
            ligne("dxf sans entité") << "rien.dxf" << QByteArray("0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n") << echec;
            ligne("extension inconnue") << "profil.xyz" << DatNaca("2412", 1.0) << echec;
        }
        const QByteArray projet("[Emplanture]\n");
        QTest::newRow("S avant toute emplanture") << int(CoteS) << false << "tot.dat" << DatNaca("0012", 1.0)
                                                  << IssueOuverture::Refus;
        QTest::newRow("S projet") << int(CoteS) << true << "projet.gbx" << projet << echec;
        QTest::newRow("E gbx") << int(CoteE) << false << "p.gbx" << projet << IssueOuverture::Projet;
        QTest::newRow("E kf") << int(CoteE) << false << "p.kf" << projet << IssueOuverture::ProjetKerfex;
        QTest::newRow("E Gbx casse mixte") << int(CoteE) << false << "p.Gbx" << projet << echec;
    }
    void sansChargement() {
        QFETCH(int, cote);
        QFETCH(bool, projetOuvert);
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        QFETCH(IssueOuverture, issue);
        const QString chemin = contenu.isNull() ? m_dossier.filePath(nom) : Fichier(nom, contenu);
        CoupleProfils profils = ModeleCharge();
        const ResultatOuverture r = OuvrirProfil(cote, chemin, projetOuvert, profils);
        QCOMPARE(r.Issue, issue);
        const CoupleProfils m = ModeleCharge();
        QVERIFY(profils.PointsE == m.PointsE && profils.PointsS == m.PointsS && profils.EcartementZ == m.EcartementZ
                && profils.LargeurE == m.LargeurE && profils.LargeurS == m.LargeurS);
        QVERIFY(!r.Corde[0] && !r.Corde[1] && !r.EcartementZ && !r.LigneCommentaire && !r.NouveauProjet);
        QVERIFY(issue != IssueOuverture::Refus || r.Erreur == QStringLiteral("Il faut d'abord charger un profil d'emplanture."));
        QVERIFY(issue != IssueOuverture::Echec || !r.Erreur.isEmpty());
    }
    void cordeNulle() {
        // Every point at the same X: no chord to scale by; the points keep their size.
        CoupleProfils profils;
        const ResultatOuverture r = OuvrirProfil(CoteE, Fichier("trait.dat", "trait\n2 0\n2 1\n2 3\n"), false, profils);
        QCOMPARE(r.Issue, IssueOuverture::Charge);
        QVERIFY(profils.PointsE[2].Y == 3.0f && profils.EcartementZ == 5.0f);
        QCOMPARE(r.Corde[CoteE].value_or(QString()), QStringLiteral("0.0"));
    }

private:
    QString Fichier(const QString& nom, const QByteArray& contenu) {
        const QString chemin = m_dossier.filePath(nom);
        if (!tests::EcrireOctets(chemin, contenu))
            qFatal("cannot write the fixture %s", qPrintable(chemin));
        return chemin;
    }
    QTemporaryDir m_dossier;
};

GALBIX_TEST_MAIN(TestOuverture)
#include "tst_ouverture.moc"
