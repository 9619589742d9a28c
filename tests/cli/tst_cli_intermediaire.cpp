// galbix-cli intermediaire and importer-kf, as a script sees them: the files written match
// what the window's commands write, refusals exit with 2 and write nothing.
#include "common/LanceurCli.h"
#include "common/Octets.h"
#include "common/TestMain.h"

#include "app/SessionEdition.h"
#include "editing/PlacementKerfex.h"
#include "files/ImportKf.h"
#include "files/ProfilIntermediaire.h"
#include "files/Projet.h"
#include "geomlib/Tranchex.h"
#include "model/Extremes.h"
#include "model/Naca.h"

#include <QDir>
#include <QTemporaryDir>

using namespace galbix;
using galbix::tests::LancerCli;
using galbix::tests::LireOctets;

namespace {

std::vector<PointProfil> Naca(const char* code, int parSurface, float corde, float dx, float dy)
{
    std::vector<PointProfil> points;
    for (const QPointF& p : ProfilNaca4(QString::fromLatin1(code), parSurface))
        points.push_back({float(p.x() * corde + dx), float(p.y() * corde + dy), 0});
    return points;
}

// NACA 2412 root of chord 220, NACA 0012 tip of chord 160 moved 45 mm back and 12 mm up.
DonneesProjet Aile(int nS = 30, float ecartement = 600.0f)
{
    DonneesProjet projet;
    projet.Profils.PointsE = Naca("2412", 30, 220.0f, 0.0f, 0.0f);
    projet.Profils.PointsS = Naca("0012", nS, 160.0f, 45.0f, 12.0f);
    projet.Profils.EcartementZ = ecartement;
    CalculerExtremes(projet.Profils);
    projet.NomFichier[CoteE] = QStringLiteral("naca2412.dat");
    projet.NomFichier[CoteS] = QStringLiteral("naca0012.dat");
    return projet;
}

const QByteArray ProjetKf = "Commentaire=Aile importée\r\n"
                            "Commentaire=seconde ligne\r\n"
                            "EFichier=racine.dat\r\nSFichier=bout.dat\r\n"
                            "EEnvergure=450\r\n"
                            "E1=100;0\r\nE2=0;0\r\nE3=50;10\r\n"
                            "S1=90;2\r\nS2=10;2\r\nS3=10;10\r\nS4=90;10\r\n"
                            "ExHauteur=1.5\r\nSVrillage=5\r\nSMiroirVertical=true\r\n"
                            "SFlecheBA=12.5\r\nEMDessous=1\r\nSMDessous=4\r\n";

} // namespace

class TestCliIntermediaire : public QObject {
    Q_OBJECT

    QTemporaryDir m_dossier;
    QString Chemin(const QString& nom) const { return m_dossier.filePath(nom); }

private slots:
    // The profile and the report of the save command, for the same wing and distance.
    void intermediaire()
    {
        DonneesProjet projet = Aile();
        const QString source = Chemin(QStringLiteral("aile.gbx"));
        QVERIFY(EcrireProjet(source, projet));
        const QString sortie = Chemin(QStringLiteral("milieu.dat"));
        const tests::ResultatCli r = LancerCli({QStringLiteral("intermediaire"), source, QStringLiteral("212.5"), sortie});
        QVERIFY2(r.statut == 0, r.erreurs.constData());
        CoupleProfils attendu;
        CalculerProfilIntermediaire(projet.Profils, 212.5f, attendu);
        const QStringList lignes =
            LignesRapportIntermediaire(projet.Profils, attendu, 212.5f, sortie, projet.NomFichier);
        QCOMPARE(LireOctets(sortie + QStringLiteral("_datas.txt")), OctetsRapport(lignes));
        QVERIFY(lignes[4].endsWith(QStringLiteral(":212.5")));
        QVERIFY(lignes[2].endsWith(QStringLiteral(": naca2412.dat")));
        const LectureFichier relu = LireFichierDetaille(sortie);
        QVERIFY(relu.ok);
        QCOMPARE(relu.points.size(), projet.Profils.PointsE.size());
        QCOMPARE(relu.enTete, intermediaire::EnTeteProfil);
    }

    void refus_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<int>("nS");
        QTest::addColumn<float>("ecartement");
        QTest::addColumn<QString>("message");
        const QString dimension = QStringLiteral("Erreur de dimension : Le profil intermediaire doit être placé "
                                                 "entre l'emplanture et le saumon");
        QTest::newRow("at the root") << "0" << 30 << 600.0f << dimension;
        QTest::newRow("at the tip") << "600" << 30 << 600.0f << dimension;
        QTest::newRow("no span") << "1" << 30 << 0.0f << dimension;
        QTest::newRow("decimal comma") << "1,5" << 30 << 600.0f
                                       << "Erreur de saisie : Veuillez entrer un nombre décimal.";
        QTest::newRow("counts differ") << "100" << 31 << 600.0f
                                       << "Profil intermédiaire impossible : L'emplanture et le saumon doivent "
                                          "avoir le même nombre de points.";
    }
    void refus()
    {
        QFETCH(QString, distance);
        QFETCH(int, nS);
        QFETCH(float, ecartement);
        QFETCH(QString, message);
        QTemporaryDir dossier;
        DonneesProjet projet = Aile(nS, ecartement);
        const QString source = dossier.filePath(QStringLiteral("aile.gbx"));
        QVERIFY(EcrireProjet(source, projet));
        const tests::ResultatCli r = LancerCli(
            {QStringLiteral("intermediaire"), source, distance, dossier.filePath(QStringLiteral("milieu.dxf"))});
        QCOMPARE(r.statut, 2);
        QCOMPARE(QString::fromLocal8Bit(r.erreurs).trimmed(), QStringLiteral("galbix-cli: ") + message);
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("aile.gbx")});
    }

    // The saved project holds the wing as the commands placed it, its names, its comment and
    // the side view.
    void importerKf()
    {
        const QString source = Chemin(QStringLiteral("projet.kf"));
        QVERIFY(tests::EcrireOctets(source, ProjetKf));
        const QString sortie = Chemin(QStringLiteral("importe.gbx"));
        const tests::ResultatCli r = LancerCli({QStringLiteral("importer-kf"), source, sortie});
        QVERIFY2(r.statut == 0, r.erreurs.constData());
        DonneesProjet relu;
        QVERIFY(LireProjet(sortie, relu).Reussie());

        ProjetKerfex kf;
        QVERIFY(AnalyserProjetKerfex(ProjetKf, kf).Reussie);
        SessionEdition session;
        ContexteEdition ctx = session.Contexte();
        ImporterProjetKerfex(ctx, kf);
        QCOMPARE(relu.Profils.NbPointsE(), 3);
        QCOMPARE(relu.Profils.NbPointsS(), 4);
        for (int cote : {CoteE, CoteS})
            for (size_t i = 0; i < relu.Profils.Points(cote).size(); ++i) {
                QVERIFY(qAbs(relu.Profils.Points(cote)[i].X - session.Profils.Points(cote)[i].X) < 1e-5f);
                QVERIFY(qAbs(relu.Profils.Points(cote)[i].Y - session.Profils.Points(cote)[i].Y) < 1e-5f);
            }
        QCOMPARE(relu.Profils.EcartementZ, 450.0f);
        QVERIFY(qAbs(relu.Profils.FlecheBA - 12.5f) < 1e-4f);
        QVERIFY(qAbs(relu.Profils.DiedreMm - 3.0f) < 1e-4f);
        QVERIFY(qAbs(relu.Profils.HauteurE - 15.0f) < 1e-4f);
        QCOMPARE(relu.NomFichier[CoteE], QStringLiteral("racine.dat"));
        QCOMPARE(relu.NomFichier[CoteS], QStringLiteral("bout.dat"));
        QCOMPARE(relu.Commentaire, QStringLiteral("Aile importée\r\nseconde ligne"));
        QCOMPARE(relu.Omega, 90.0f);
        QCOMPARE(relu.Alpha, 180.0f);
    }

    void importerKfRefuse_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::newRow("letter in a point") << QByteArray("E1=1;2\r\nE2=1;z\r\n");
        QTest::newRow("missing file") << QByteArray();
    }
    void importerKfRefuse()
    {
        QFETCH(QByteArray, contenu);
        QTemporaryDir dossier;
        const QString source = dossier.filePath(QStringLiteral("projet.kf"));
        if (!contenu.isEmpty())
            QVERIFY(tests::EcrireOctets(source, contenu));
        const QString sortie = dossier.filePath(QStringLiteral("importe.gbx"));
        const tests::ResultatCli r = LancerCli({QStringLiteral("importer-kf"), source, sortie});
        QCOMPARE(r.statut, 2);
        QVERIFY(!r.erreurs.isEmpty());
        QVERIFY(!QFile::exists(sortie));
    }

    void usage()
    {
        QCOMPARE(LancerCli({QStringLiteral("intermediaire"), QStringLiteral("a.gbx")}).statut, 1);
        QCOMPARE(LancerCli({QStringLiteral("importer-kf"), QStringLiteral("a.kf")}).statut, 1);
    }
};

GALBIX_TEST_MAIN(TestCliIntermediaire)
#include "tst_cli_intermediaire.moc"
