// The save command after its dialog: dialog settings, headers, and what each choice writes.
#include "common/Test.h"
#include "files/Sauvegarde.h"
#include "geomlib/Tranchex.h"
#include "model/Extremes.h"


using namespace galbix;

namespace {

// A zigzag of n points from x0 + largeur down to x0, between y0 and y0 + hauteur.
std::vector<PointProfil> Zigzag(float x0, float y0, float largeur, float hauteur, int n) {
    std::vector<PointProfil> points;
    for (int i = 0; i < n; ++i)
        points.push_back({x0 + largeur * (1.0f - float(i) / float(n - 1)), y0 + (i % 2 ? hauteur : 0.0f), 0});
    return points;
}

// Root: chord 200 from (10, -2); tip: chord 180, sweep 12.5, dihedral height 5.
CoupleProfils Aile(int nE, int nS) {
    CoupleProfils c;
    c.PointsE = Zigzag(10.0f, -2.0f, 200.0f, 24.0f, nE);
    c.PointsS = Zigzag(22.5f, 3.0f, 180.0f, 18.0f, nS);
    c.EcartementZ = 500.0f;
    CalculerExtremes(c);
    return c;
}

} // namespace

class TestSauvegarde : public QObject {
    Q_OBJECT
private slots:
    void dialogues_data() {
        tests::Colonnes<int, QString, QString, QString, int>("index", "nomE", "titre", "nomPropose", "filtre");
        const QString racine = QStringLiteral("Enregistrer le profil emplanture en .dxf ou en .dat...");
        QTest::newRow("root .dat") << 0 << "aile.dat" << racine << "aile" << 2;
        QTest::newRow("root .DXF") << 0 << "aile.DXF" << racine << "aile" << 1;
        QTest::newRow("root empty label") << 0 << "" << racine << "" << 1;
        QTest::newRow("root two dots") << 0 << "mon.aile.dat" << racine << "mon.aile" << 2;
        QTest::newRow("tip uses its own label") << 1 << "aile.dxf"
                                                << "Enregistrer le profil saumon en .dxf ou en .dat..." << "saumon" << 2;
        QTest::newRow("project") << 2 << "aile.dat" << "Enregistrer le projet ou l'image 3D..." << "" << 1;
    }
    void dialogues() {
        QFETCH(int, index);
        QFETCH(QString, nomE);
        const QString noms[2] = {nomE, QStringLiteral("saumon.dat")};
        const DialogueSauvegarde d = DialoguePourSauvegarde(index, noms);
        QTEST(d.Titre, "titre");
        QTEST(d.NomPropose, "nomPropose");
        QTEST(d.IndexFiltre, "filtre");
    }
    void enTetes_data() {
        tests::Colonnes<int, float, float, QString>("cote", "dx", "dy", "enTete"); // the tip moved by dx, dy
        QTest::newRow("root") << 0 << 0.0f << 0.0f << "Corde: 200.000";
        QTest::newRow("tip, zero sweep and dihedral written") << 1 << -12.5f << -5.0f
                                                              << "Corde: 180.000 Flèche: 0.000 Cale dièdre: 0.000";
        QTest::newRow("tip ahead and below") << 1 << -16.0f << -9.0f
                                             << "Corde: 180.000 Flèche: -3.500 Cale dièdre: -4.000";
    }
    void enTetes() {
        QFETCH(int, cote);
        QFETCH(float, dx);
        QFETCH(float, dy);
        CoupleProfils c = Aile(5, 5);
        for (PointProfil& p : c.PointsS.Modifier())
            p = {p.X + dx, p.Y + dy, 0};
        CalculerExtremes(c);
        QTEST(EnTeteProfil(cote, c), "enTete");
    }
    void profils_data() {
        tests::Colonnes<int, QString, bool>("cote", "nom", "uniteCorde"); // .dat: from the smallest X and Y, in chords
        QTest::newRow("root .dat") << 0 << "e.dat" << true;
        QTest::newRow("tip .dxf") << 1 << "s.dxf" << false;
    }
    // The saved side reads back through the library with its header; the model is not changed.
    void profils() {
        QFETCH(int, cote);
        QFETCH(QString, nom);
        QFETCH(bool, uniteCorde);
        CoupleProfils c = Aile(7, 9);
        const CoupleProfils avant = c;
        const QString chemin = m_dossier.filePath(nom);
        QVERIFY(SauverProfil(cote, chemin, c));
        const LectureFichier l = LireFichierDetaille(chemin);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        QCOMPARE(l.enTete, EnTeteProfil(cote, c));
        const std::vector<PointProfil>& source = avant.Points(cote);
        QCOMPARE(l.points.size(), source.size());
        const float echelle = !uniteCorde ? 1.0f : cote == CoteE ? 200.0f : 180.0f;
        const float x0 = !uniteCorde ? 0.0f : cote == CoteE ? avant.XminE : avant.XminS;
        const float y0 = !uniteCorde ? 0.0f : cote == CoteE ? avant.YminE : avant.YminS;
        for (size_t i = 0; i < source.size(); ++i)
            QVERIFY(qAbs(l.points[i].X * echelle + x0 - source[i].X) < 1e-3f
                    && qAbs(l.points[i].Y * echelle + y0 - source[i].Y) < 1e-3f);
        QVERIFY(c.PointsE == avant.PointsE && c.PointsS == avant.PointsS);
    }
    void projetOu3D_data() {
        // debut: start of the file written, empty when none
        tests::Colonnes<int, int, QString, int, QByteArray>("filtre", "nS", "nom", "issue", "debut");
        const auto row = [](const char* n, int filtre, int nS, const char* nom, IssueSauvegarde issue, const char* debut) {
            QTest::newRow(n) << filtre << nS << nom << int(issue) << QByteArray(debut);
        };
        row("project, unequal counts", 1, 118, "p.gbx", IssueSauvegarde::Ecrit, "[Emplanture]");
        row("project filter wins over .dxf", 1, 120, "aile.dxf", IssueSauvegarde::Ecrit, "[Emplanture]");
        row("3D, unequal counts refused", 2, 118, "a3d.dxf", IssueSauvegarde::Refus3D, "");
        row("3D", 2, 120, "b3d.dxf", IssueSauvegarde::Ecrit, "  0\r\nSECTION");
        row("3D without .dxf: library writes nothing", 2, 120, "c3d.gbx", IssueSauvegarde::EchecEcriture, "");
        row("all files: nothing", 3, 120, "tous.gbx", IssueSauvegarde::RienAEcrire, "");
    }
    void projetOu3D() {
        QFETCH(int, filtre);
        QFETCH(int, nS);
        QFETCH(QString, nom);
        QFETCH(QByteArray, debut);
        DonneesProjet projet;
        projet.Profils = Aile(120, nS);
        const QString chemin = m_dossier.filePath(nom);
        QTEST(int(SauverProjetOu3D(chemin, filtre, projet)), "issue");
        QFile f(chemin);
        QCOMPARE(f.open(QIODevice::ReadOnly), !debut.isEmpty());
        QVERIFY(f.readAll().startsWith(debut));
    }

private:
    QTemporaryDir m_dossier;
};

GALBIX_TEST_MAIN(TestSauvegarde)
#include "tst_sauvegarde.moc"
