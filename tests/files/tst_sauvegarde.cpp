// The save command after its dialog: dialog settings, headers, and what each choice writes.
#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "files/Sauvegarde.h"
#include "geomlib/Tranchex.h"
#include "model/Extremes.h"

#include <QFile>
#include <QTemporaryDir>

using namespace galbix;

namespace {

// A zigzag of n points from x0 + largeur down to x0, between y0 and y0 + hauteur.
std::vector<PointProfil> Zigzag(float x0, float y0, float largeur, float hauteur, int n)
{
    std::vector<PointProfil> points;
    for (int i = 0; i < n; ++i)
        points.push_back({x0 + largeur * (1.0f - float(i) / float(n - 1)), y0 + (i % 2 ? hauteur : 0.0f), 0});
    return points;
}

// Root: chord 200 from (10, -2); tip: chord 180, sweep 12.5, dihedral height 5.
CoupleProfils Aile(int nE, int nS)
{
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
    void dialogues_data()
    {
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
    void dialogues()
    {
        QFETCH(int, index);
        QFETCH(QString, nomE);
        const QString noms[2] = {nomE, QStringLiteral("saumon.dat")};
        const DialogueSauvegarde d = DialoguePourSauvegarde(index, noms);
        QTEST(d.Titre, "titre");
        QTEST(d.NomPropose, "nomPropose");
        QTEST(d.IndexFiltre, "filtre");
    }
    void enTetes_data()
    {
        QTest::addColumn<int>("cote");
        QTest::addColumn<float>("dx"); // tip moved by this
        tests::Colonnes<float, QString>("dy", "enTete");
        QTest::newRow("root") << 0 << 0.0f << 0.0f << "Corde: 200.000";
        QTest::newRow("tip, zero sweep and dihedral written") << 1 << -12.5f << -5.0f
                                                              << "Corde: 180.000 Flèche: 0.000 Cale dièdre: 0.000";
        QTest::newRow("tip ahead and below") << 1 << -16.0f << -9.0f
                                             << "Corde: 180.000 Flèche: -3.500 Cale dièdre: -4.000";
    }
    void enTetes()
    {
        QFETCH(int, cote);
        QFETCH(float, dx);
        QFETCH(float, dy);
        CoupleProfils c = Aile(5, 5);
        for (PointProfil& p : c.PointsS.Modifier())
            p = {p.X + dx, p.Y + dy, 0};
        CalculerExtremes(c);
        QTEST(EnTeteProfil(cote, c), "enTete");
    }
    void profils_data()
    {
        tests::Colonnes<int, QString>("cote", "nom");
        QTest::addColumn<bool>("uniteCorde"); // .dat: relative to the smallest X and Y, in chords
        QTest::newRow("root .dat") << 0 << "e.dat" << true;
        QTest::newRow("tip .dxf") << 1 << "s.dxf" << false;
    }
    // The saved side reads back through the library with its header; the model is not changed.
    void profils()
    {
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
    void projetOu3D_data()
    {
        tests::Colonnes<int, int, QString, int>("filtre", "nS", "nom", "issue");
        QTest::addColumn<QByteArray>("debut"); // start of the file written, empty when none
        QTest::newRow("project, unequal counts") << 1 << 118 << "p.gbx" << int(IssueSauvegarde::Ecrit)
                                                 << QByteArray("[Emplanture]");
        QTest::newRow("project filter wins over .dxf") << 1 << 120 << "aile.dxf" << int(IssueSauvegarde::Ecrit)
                                                       << QByteArray("[Emplanture]");
        QTest::newRow("3D, unequal counts refused") << 2 << 118 << "a3d.dxf" << int(IssueSauvegarde::Refus3D)
                                                    << QByteArray();
        QTest::newRow("3D") << 2 << 120 << "b3d.dxf" << int(IssueSauvegarde::Ecrit) << QByteArray("  0\r\nSECTION");
        QTest::newRow("3D without .dxf: library writes nothing") << 2 << 120 << "c3d.gbx"
                                                                 << int(IssueSauvegarde::EchecEcriture) << QByteArray();
        QTest::newRow("all files: nothing") << 3 << 120 << "tous.gbx" << int(IssueSauvegarde::RienAEcrire)
                                            << QByteArray();
    }
    void projetOu3D()
    {
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
        if (!debut.isEmpty())
            QVERIFY(f.readAll().startsWith(debut));
    }

private:
    QTemporaryDir m_dossier;
};

GALBIX_TEST_MAIN(TestSauvegarde)
#include "tst_sauvegarde.moc"
