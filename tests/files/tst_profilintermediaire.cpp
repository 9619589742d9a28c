// The intermediate profile: which distances are accepted, the interpolation of each pair of
// points, the numbers of the report, the 17 lines of a known wing, and the two files written.
#include "common/Test.h"
#include "files/ProfilIntermediaire.h"
#include "geomlib/Tranchex.h"
#include "model/Extremes.h"

#include <QDir>

using namespace galbix;

namespace {

// Root and tip of three points each, 600 mm apart; at 150 mm the intermediate points are
// (7.5, 2), (195, -3) and (101.25, 13.5), all exact in binary.
CoupleProfils AileConnue() {
    CoupleProfils c;
    c.PointsE = {{0.0f, 0.0f, 0}, {200.0f, -5.0f, EtatSelection}, {100.0f, 12.0f, EtatSynchro}};
    c.PointsS = {{30.0f, 8.0f, EtatReference}, {180.0f, 3.0f, 0}, {105.0f, 18.0f, 0}};
    c.EcartementZ = 600.0f;
    CalculerExtremes(c);
    return c;
}

const QString NomsConnus[2] = {QStringLiteral("racine.dat"), QStringLiteral("bout.dxf")};

// The intermediate profile of the known wing at `distance` from its root.
CoupleProfils ProfilConnu(float distance) {
    CoupleProfils profil;
    CalculerProfilIntermediaire(AileConnue(), distance, profil);
    return profil;
}

} // namespace

class TestProfilIntermediaire : public QObject {
    Q_OBJECT
private slots:
    void distances_data() {
        tests::Colonnes<float, float, bool>("distance", "ecartementZ", "valide");
        QTest::newRow("at the root") << 0.0f << 600.0f << false;
        QTest::newRow("at the tip") << 600.0f << 600.0f << false;
        QTest::newRow("just before the tip") << 599.9f << 600.0f << true;
        QTest::newRow("beyond the tip") << 600.5f << 600.0f << false;
        QTest::newRow("no span, 0") << 0.0f << 0.0f << false;
    }
    void distances() {
        QFETCH(float, distance);
        QFETCH(float, ecartementZ);
        QTEST(DistanceIntermediaireValide(distance, ecartementZ), "valide");
    }

    void interpolation_data() {
        tests::Colonnes<float, float, float, float, float, float, float, float>(
            "racineX", "racineY", "saumonX", "saumonY", "ecartementZ", "distance", "x", "y");
        QTest::newRow("quarter") << 0.0f << 0.0f << 20.0f << 10.0f << 500.0f << 125.0f << 5.0f << 2.5f;
        QTest::newRow("tip behind and below") << 100.0f << 4.0f << 60.0f << -6.0f << 400.0f << 100.0f << 90.0f << 1.5f;
        QTest::newRow("middle") << -10.0f << 3.0f << 30.0f << 3.0f << 600.0f << 300.0f << 10.0f << 3.0f;
        QTest::newRow("near the tip") << 0.0f << 0.0f << 600.0f << 60.0f << 600.0f << 599.9f << 599.9f << 59.99f;
    }
    // Each point moves from the root towards the tip by distance / span; the states are cleared.
    void interpolation() {
        QFETCH(float, racineX);
        QFETCH(float, racineY);
        QFETCH(float, saumonX);
        QFETCH(float, saumonY);
        QFETCH(float, ecartementZ);
        QFETCH(float, distance);
        CoupleProfils modele;
        modele.PointsE = {{1.0f, 1.0f, EtatSelection}, {racineX, racineY, EtatSynchro}};
        modele.PointsS = {{1.0f, 1.0f, EtatReference}, {saumonX, saumonY, EtatSelection}};
        modele.EcartementZ = ecartementZ;
        CoupleProfils profil;
        profil.PointsE.Modifier().resize(7); // a previous, longer profile is replaced
        CalculerProfilIntermediaire(modele, distance, profil);
        QCOMPARE(profil.NbPointsE(), 2);
        QCOMPARE(profil.PointsE[0], (PointProfil{1.0f, 1.0f, 0}));
        QTEST(profil.PointsE[1].X, "x");
        QTEST(profil.PointsE[1].Y, "y");
        QCOMPARE(profil.PointsE[1].Etat, int16_t(0));
    }

    void nombres_data() {
        tests::Colonnes<float, QString>("valeur", "texte");
        QTest::newRow("half") << 7.5f << "7.5";
        QTest::newRow("negative") << -3.25f << "-3.25";
        QTest::newRow("negative zero") << -0.0f << "0";
        QTest::newRow("a third, seven digits") << 1.0f / 3.0f << "0.3333333";
        QTest::newRow("float rounding hidden") << 0.1f << "0.1";
        QTest::newRow("seven whole digits") << 1234567.0f << "1234567";
        QTest::newRow("eight whole digits") << 12345678.0f << "1.234568E+07";
        QTest::newRow("tiny") << 0.00001f << "1E-05";
        QTest::newRow("small") << 0.0001f << "0.0001";
    }
    void nombres() {
        QFETCH(float, valeur);
        QTEST(NombreRapport(valeur), "texte");
    }

    // Line by line: chords, sweeps and lower-surface dihedrals of both panels, spacings with
    // one or two decimals, captions and path as given.
    void rapportConnu() {
        const QStringList lignes =
            LignesRapportIntermediaire(AileConnue(), ProfilConnu(150.0f), 150.0f, QStringLiteral("/w/mid.dxf"), NomsConnus);
        const QStringList attendues = {
            "Caractéristiques du profil intermédiaire /w/mid.dxf",
            "-----------------------------------------",
            "Profil initial à l'emplanture : racine.dat",
            "Corde emplanture (mm) : 200",
            "Ecartement entre l'emplanture et le profil intermédiaire (mm) :150.0",
            "Corde profil intermédiaire (mm) : 187.5",
            "Flèche BA du profil intermédiaire par rapport à l'emplanture (mm) : 7.5",
            "Flèche BF du profil intermédiaire par rapport à l'emplanture (mm) : 5",
            "Dièdre intrados du profil intermédiaire par rapport à l'emplanture (mm) : 2",
            "-----------------------------------------",
            "Profil initial au saumon : bout.dxf",
            "Corde saumon (mm) : 150",
            "Ecartement entre le profil intermédiaire et le saumon (mm) :450.0",
            "Corde profil intermédiaire (mm) : 187.5",
            "Flèche BA du profil saumon par rapport au profil intermédiaire (mm) : 22.5",
            "Flèche BF du profil saumon par rapport au profil intermédiaire (mm) : 15",
            "Dièdre intrados du profil saumon par rapport au profil intermédiaire (mm) : 6",
        };
        QCOMPARE(lignes, attendues); // intermediaire::NbLignesRapport of them
    }

    void ecartementsRapport_data() {
        tests::Colonnes<float, QString, QString>("distance", "premier", "second");
        QTest::newRow("two decimals") << 123.456f << "123.46" << "476.54";
        QTest::newRow("just after the root") << 0.01f << "0.01" << "599.99";
        QTest::newRow("one decimal") << 599.9f << "599.9" << "0.1";
    }
    void ecartementsRapport() {
        QFETCH(float, distance);
        QFETCH(QString, premier);
        QFETCH(QString, second);
        const QStringList lignes = LignesRapportIntermediaire(AileConnue(), ProfilConnu(distance), distance, {}, NomsConnus);
        QVERIFY(lignes[4].endsWith(QStringLiteral("(mm) :") + premier));
        QVERIFY(lignes[12].endsWith(QStringLiteral("(mm) :") + second));
    }

    void fichiers_data() {
        QTest::addColumn<QString>("nom");
        for (const char* nom : {"mid.dat", "mid.dxf"})
            QTest::newRow(nom) << nom;
    }
    // The profile with its fixed header, and "<path>_datas.txt": the lines joined with CR LF
    // and one final CR LF, replacing an older report.
    void fichiers() {
        QFETCH(QString, nom);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(nom), rapport = chemin + QStringLiteral("_datas.txt");
        QVERIFY(tests::EcrireOctets(rapport, "ancien rapport, bien plus long que le nouveau ne sera jamais\r\n"));
        const CoupleProfils modele = AileConnue(), profil = ProfilConnu(150.0f);
        const SauvegardeIntermediaire r = SauverProfilIntermediaire(chemin, modele, profil, 150.0f, NomsConnus);
        QVERIFY(r.ProfilEcrit && r.RapportEcrit);
        const QByteArray octets = tests::LireOctets(rapport);
        const QStringList lignes = LignesRapportIntermediaire(modele, profil, 150.0f, chemin, NomsConnus);
        QCOMPARE(octets, (lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        QVERIFY(octets.count("\r\n") == 17 && octets.count('\n') == 17);
        const LectureFichier relu = LireFichierDetaille(chemin);
        QVERIFY(relu.ok);
        QCOMPARE(relu.points.size(), size_t(3));
        if (nom.endsWith(QLatin1String(".dat")))
            QCOMPARE(relu.enTete, intermediaire::EnTeteProfil);
        else
            QCOMPARE(relu.Xmax - relu.Xmin, 187.5f);
        QStringList restants = QDir(dossier.path()).entryList(QDir::Files);
        restants.sort();
        QCOMPARE(restants, QStringList({nom, nom + QStringLiteral("_datas.txt")}));
    }

    // A report that cannot be written is said so; the profile written before it stays.
    void rapportImpossible() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("mid.dat"));
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("mid.dat_datas.txt")));
        const SauvegardeIntermediaire r =
            SauverProfilIntermediaire(chemin, AileConnue(), ProfilConnu(150.0f), 150.0f, NomsConnus);
        QVERIFY(r.ProfilEcrit && !r.RapportEcrit);
        QVERIFY(LireFichierDetaille(chemin).ok);
    }
};

GALBIX_TEST_MAIN(TestProfilIntermediaire)
#include "tst_profilintermediaire.moc"
