// galbix-cli on projects, as a script sees it: the demo project and projet-info, the exchange
// pair through exporter and importer, the cut (parcours), the G-code program, the intermediate
// profile and the import of a cutting-program project. The refusals are in tst_cli.
#include "common/Test.h"
#include "common/Emplacements.h"
#include "common/LanceurCli.h"
#include "common/LecteurGCode.h"
#include "common/Projets.h"

#include "app/SessionEdition.h"
#include "editing/PlacementKerfex.h"
#include "files/GCode.h"
#include "files/ImportKf.h"
#include "files/ProfilIntermediaire.h"
#include "geomlib/Tranchex.h"

#include <QDir>
#include <QJsonArray>

using namespace galbix;
using galbix::tests::LancerCli;
using galbix::tests::LireOctets;

namespace {

QJsonObject Info(const QString& projet) { return LancerCli({QStringLiteral("projet-info"), projet}).Json(); }

// Smallest and largest X of one side's [X, Y, Etat] array.
std::pair<double, double> EtendueX(const QJsonArray& points) {
    std::pair<double, double> e{1e30, -1e30};
    for (const QJsonValue& p : points)
        e = {std::min(e.first, p.toArray()[0].toDouble()), std::max(e.second, p.toArray()[0].toDouble())};
    return e;
}

// Two squares of 20 and 10 mm, 300 mm apart.
QString Carres(const QTemporaryDir& dossier) {
    const auto carre = [](float c) { return std::vector<PointProfil>{{0, 0, 0}, {c, 0, 0}, {c, c, 0}, {0, c, 0}, {0, 0, 0}}; };
    return tests::EcrireProjetTest(dossier.filePath(QStringLiteral("carres.gbx")), tests::ProjetDe(carre(20), carre(10), 300.0f));
}

const QByteArray ProjetKf = "Commentaire=Aile importée\r\nCommentaire=seconde ligne\r\nEFichier=racine.dat\r\n"
                            "SFichier=bout.dat\r\nEEnvergure=450\r\nE1=100;0\r\nE2=0;0\r\nE3=50;10\r\nS1=90;2\r\n"
                            "S2=10;2\r\nS3=10;10\r\nS4=90;10\r\nExHauteur=1.5\r\nSVrillage=5\r\nSMiroirVertical=true\r\n"
                            "SFlecheBA=12.5\r\nEMDessous=1\r\nSMDessous=4\r\n";

} // namespace

class TestCliProjet : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;

private slots:
    // The demo wing: two NACA sections of different chords, placed, synchronised, commented.
    void demo() {
        const QString chemin = m_dossier.filePath(QStringLiteral("demo.gbx"));
        QCOMPARE(LancerCli({QStringLiteral("demo"), chemin}).statut, 0);
        // The demo bundled with the sources is what the generator writes today.
        QCOMPARE(LireOctets(galbix::tests::DossierSources() + QStringLiteral("/data/demo/demo.gbx")), LireOctets(chemin));
        const QJsonObject o = Info(chemin);
        QCOMPARE(o.value("points_e").toArray().size(), o.value("nombre_points_s").toInt());
        const auto [xminE, xmaxE] = EtendueX(o.value("points_e").toArray());
        const auto [xminS, xmaxS] = EtendueX(o.value("points_s").toArray());
        QVERIFY(qAbs(xmaxE - xminE - 220.0) < 0.5 && qAbs(xmaxS - xminS - 160.0) < 0.5);
        QVERIFY(qAbs(xmaxS - xmaxE) < 1e-3); // trailing edges aligned
        for (const char* cote : {"points_e", "points_s"}) {
            int synchro = 0;
            for (const QJsonValue& p : o.value(QLatin1String(cote)).toArray())
                synchro += (p.toArray()[2].toInt() & 4) != 0;
            QCOMPARE(synchro, 3);
        }
        QCOMPARE((QList<int>{o.value("bouton_fleche").toInt(), o.value("omega").toInt(), o.value("alpha").toInt()}),
                 (QList<int>{2, 90, 180})); // side view
        QVERIFY(o.value("coeff_zoom").toDouble() > 0);
        QVERIFY(o.value("commentaire").toString().contains(QStringLiteral("\r\n")));
        // Synchronised, its cut is defined and lasts as long as its longer path allows.
        const QJsonObject parcours = LancerCli({QStringLiteral("parcours"), chemin}).Json();
        const double le = parcours.value("longueur_e").toDouble(), ls = parcours.value("longueur_s").toDouble();
        QCOMPARE(parcours.value("nombre_points").toInt(), o.value("nombre_points_s").toInt());
        QVERIFY(le > ls && ls > 0.0 && parcours.value("duree_s").toDouble() >= le / 3.0 - 1e-9);
        QVERIFY(parcours.value("ecart_max").toDouble() >= 1.0 && parcours.value("segments_a_verifier").isArray());
    }

    // exporter writes the pair, importer reads it back into a project at the root's origin.
    void exporterPuisImporter() {
        const QString demo = m_dossier.filePath("source.gbx"), dossier = m_dossier.filePath("echange");
        QVERIFY(QDir().mkpath(dossier));
        QCOMPARE(LancerCli({QStringLiteral("demo"), demo}).statut, 0);
        QCOMPARE(LancerCli({QStringLiteral("exporter"), demo, QStringLiteral("--dossier"), dossier}).statut, 0);
        QVERIFY(LireOctets(dossier + QStringLiteral("/TempS.dat")).startsWith("S;160."));
        const QString importe = m_dossier.filePath(QStringLiteral("importe.gbx"));
        QCOMPARE(LancerCli({QStringLiteral("importer"), QStringLiteral("--dossier"), dossier, importe}).statut, 0);

        const QJsonObject avant = Info(demo), apres = Info(importe);
        QCOMPARE(apres.value("bouton_fleche").toInt(), -1);
        QCOMPARE(apres.value("ecartement_z"), avant.value("ecartement_z"));
        const double x0 = EtendueX(avant.value("points_e").toArray()).first;
        const QJsonArray s0 = avant.value("points_s").toArray(), s1 = apres.value("points_s").toArray();
        QCOMPARE(s1.size(), s0.size());
        for (qsizetype i = 0; i < s0.size(); ++i)
            QVERIFY(qAbs(s1[i].toArray()[0].toDouble() - (s0[i].toArray()[0].toDouble() - x0)) < 1e-3);
    }

    void parcours_data() {
        tests::Colonnes<QStringList, double>("options", "duree");
        QTest::newRow("vitesse par défaut") << QStringList{} << 80.0 / 3.0;
        QTest::newRow("4 mm/s") << QStringList{QStringLiteral("--vitesse"), QStringLiteral("4")} << 20.0;
    }
    void parcours() {
        QFETCH(QStringList, options);
        QFETCH(double, duree);
        const auto r = LancerCli(QStringList{QStringLiteral("parcours"), Carres(m_dossier)} + options);
        QCOMPARE(r.statut, 0);
        const QJsonObject o = r.Json();
        QCOMPARE(o.value("nombre_points").toInt(), 5);
        QCOMPARE(o.value("duree_s").toDouble(), duree);
        QCOMPARE(o.value("longueur_e").toDouble(), 80.0);
        QCOMPARE(o.value("longueur_s").toDouble(), 40.0);
        QCOMPARE(o.value("ecart_max").toDouble(), 1.0);
        QCOMPARE(o.value("segments_a_verifier").toArray().size(), 0);
    }

    void gcode_data() {
        tests::Colonnes<QStringList, MachineDecoupe, QByteArray>("options", "machine", "mode");
        const MachineDecoupe m{.EntreChariots = 1000.0, .Emplanture = 100.0};
        QTest::newRow("par défaut") << QStringList{} << m << QByteArray("\nG93\n");
        MachineDecoupe xyza = m, droite = m, lente = m;
        xyza.Axes = QStringLiteral("XYZA"), xyza.Avance = ModeAvance::ParMinute, xyza.Saignee = 1.2;
        QTest::newRow("XYZA, G94, saignée") << QStringList{"--axes", "XYZA", "--avance", "g94", "--saignee", "1.2"} << xyza
                                            << QByteArray("\nG94\n");
        droite.EmplantureADroite = true, droite.Emplanture = 600.0, droite.Courses = {100, 100, 15, 100}, droite.Entree = 0.0;
        QTest::newRow("emplanture à droite, courses")
            << QStringList{"--emplanture-droite", "--emplanture", "600", "--courses", "100,100,15,100", "--entree", "0"}
            << droite << QByteArray("\nG93\n");
        lente.Vitesse = 2.0, lente.Entree = 5.0;
        QTest::newRow("vitesse et entrée") << QStringList{"--vitesse=2", "--entree", "5"} << lente << QByteArray("\nG93\n");
    }
    // The program written and its report are those computed here for the same machine.
    void gcode() {
        QFETCH(QStringList, options);
        QFETCH(MachineDecoupe, machine);
        const QString projet = Carres(m_dossier), sortie = m_dossier.filePath(QStringLiteral("carres.ngc"));
        const auto r =
            LancerCli(QStringList{"gcode", projet, sortie, "--entre-chariots", "1000", "--emplanture", "100"} + options);
        QCOMPARE(r.statut, 0);
        const QByteArray programme = LireOctets(sortie);
        QFETCH(QByteArray, mode);
        QVERIFY(programme.contains(mode));
        const tests::ProgrammeLu lu = tests::LireGCode(programme, machine.Axes);
        QVERIFY2(lu.Erreur.isEmpty(), qPrintable(lu.Erreur));
        const QJsonObject o = r.Json();
        QCOMPARE(o.value("lignes").toInt(), int(programme.count('\n')));
        DonneesProjet donnees;
        QVERIFY(LireProjet(projet, donnees).Reussie());
        const ProgrammeGCode attendu = GenererGCode(donnees.Profils, machine, {});
        QVERIFY(!attendu.Refus);
        QCOMPARE(o.value("duree_s").toDouble(), attendu.Duree);
        const QJsonObject gauche = o.value("gauche").toObject(), droite = o.value("droite").toObject();
        QCOMPARE(gauche.value("xmin").toDouble(), attendu.Gauche.XMin);
        QCOMPARE(gauche.value("ymax").toDouble(), attendu.Gauche.YMax);
        QCOMPARE(droite.value("xmax").toDouble(), attendu.Droite.XMax);
        QCOMPARE(droite.value("ymin").toDouble(), attendu.Droite.YMin);
        QString hors;
        for (const DepassementCourse& d : attendu.HorsCourse)
            hors += d.Axe;
        QCOMPARE(o.value("hors_course").toVariant().toStringList().join(QString()), hors);
        QCOMPARE(programme.mid(programme.indexOf("G21")), attendu.Texte.mid(attendu.Texte.indexOf("G21")));
    }

    // The profile and the report of the save command, for the same wing and distance.
    void intermediaire() {
        DonneesProjet projet = tests::AileNaca(30, 600.0f, 45, 12);
        projet.NomFichier[CoteE] = QStringLiteral("naca2412.dat");
        projet.NomFichier[CoteS] = QStringLiteral("naca0012.dat");
        const QString source = tests::EcrireProjetTest(m_dossier.filePath("aile.gbx"), projet);
        const QString sortie = m_dossier.filePath("milieu.dat");
        const auto r = LancerCli({"intermediaire", source, "212.5", sortie});
        QVERIFY2(r.statut == 0, r.erreurs.constData());
        CoupleProfils attendu;
        CalculerProfilIntermediaire(projet.Profils, 212.5f, attendu);
        const QStringList lignes = LignesRapportIntermediaire(projet.Profils, attendu, 212.5f, sortie, projet.NomFichier);
        QCOMPARE(LireOctets(sortie + QStringLiteral("_datas.txt")), OctetsRapport(lignes));
        QVERIFY(lignes[4].endsWith(QStringLiteral(":212.5")) && lignes[2].endsWith(QStringLiteral(": naca2412.dat")));
        const LectureFichier relu = LireFichierDetaille(sortie);
        QVERIFY(relu.ok && relu.points.size() == projet.Profils.PointsE.size() && relu.enTete == intermediaire::EnTeteProfil);
    }

    // The saved project holds the wing as the commands placed it, its names, its comment and
    // the side view.
    void importerKf() {
        const QString source = m_dossier.filePath("projet.kf"), sortie = m_dossier.filePath("importe.gbx");
        QVERIFY(tests::EcrireOctets(source, ProjetKf));
        const auto r = LancerCli({"importer-kf", source, sortie});
        QVERIFY2(r.statut == 0, r.erreurs.constData());
        DonneesProjet relu;
        QVERIFY(LireProjet(sortie, relu).Reussie());
        ProjetKerfex kf;
        QVERIFY(AnalyserProjetKerfex(ProjetKf, kf).Reussie);
        SessionEdition session;
        ContexteEdition ctx = session.Contexte();
        ImporterProjetKerfex(ctx, kf);
        for (int cote : {CoteE, CoteS})
            QVERIFY(tests::MemesPoints(relu.Profils.Points(cote), session.Profils.Points(cote), 1e-5f, false));
        QVERIFY(relu.Profils.EcartementZ == 450.0f && qAbs(relu.Profils.HauteurE - 15.0f) < 1e-4f);
        QVERIFY(qAbs(relu.Profils.FlecheBA - 12.5f) < 1e-4f && qAbs(relu.Profils.DiedreMm - 3.0f) < 1e-4f);
        QCOMPARE(relu.NomFichier[CoteE] + u' ' + relu.NomFichier[CoteS], QStringLiteral("racine.dat bout.dat"));
        QCOMPARE(relu.Commentaire, QStringLiteral("Aile importée\r\nseconde ligne"));
        QVERIFY(relu.Omega == 90.0f && relu.Alpha == 180.0f);
    }
};

GALBIX_TEST_MAIN(TestCliProjet)
#include "tst_cli_projet.moc"
