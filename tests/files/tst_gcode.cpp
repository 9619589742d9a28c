// G-code programs for 4-axis hot-wire machines: every program is read back by a reader of our
// own that extends each wire line from the carriage planes to the two faces of the block and
// must find the profiles (kerf applied) within 1e-3 mm and every move's duration within 1e-6;
// when LinuxCNC's interpreter is installed it must accept the programs and see the same moves.
#include "common/Emplacements.h"
#include "common/LecteurGCode.h"
#include "common/LinuxCnc.h"
#include "common/Colonnes.h"
#include "common/Profils.h"
#include "common/TestMain.h"

#include "editing/Saignee.h"
#include "files/GCode.h"
#include "files/Ini.h"
#include "files/Projet.h"
#include "model/Extremes.h"
#include "model/Naca.h"
#include "view/GeometrieAile.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

using namespace galbix;
using galbix::tests::Naca;
using galbix::tests::Points;
using Courses = std::array<double, 4>;
using galbix::tests::LireGCode;
using galbix::tests::MouvementLu;
using galbix::tests::ProgrammeLu;

namespace {

constexpr double ToleranceProfil = 1e-3;  // mm, on each coordinate of each face
constexpr double ToleranceDuree = 1e-6;   // relative

CoupleProfils Demo()
{
    DonneesProjet projet;
    LireProjet(tests::DossierSources() + QStringLiteral("/data/demo/demo.gbx"), projet);
    return projet.Profils;
}

// A tapered panel: NACA 2412 root of 200 mm, NACA 0012 tip of 120 mm placed 60 mm back and
// 25 mm up, 450 mm apart; both computed with the same number of points, so already paired.
CoupleProfils PanneauFlecheDiedre()
{
    CoupleProfils p;
    p.PointsE = Naca("2412", 50, 200.0);
    p.PointsS = Naca("0012", 50, 120.0);
    p.EcartementZ = 450.0f;
    CalculerExtremes(p);
    EtatGeometrie geo;
    SaisirFleche(p, geo, 60.0f);
    SaisirDiedreMm(p, geo, 25.0f);
    return p;
}

const std::vector<PointProfil> CarreE = Points({{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}});
const std::vector<PointProfil> CarreS = Points({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});

CoupleProfils Carres(float ecartement = 100.0f)
{
    CoupleProfils p;
    p.PointsE = CarreE;
    p.PointsS = CarreS;
    p.EcartementZ = ecartement;
    CalculerExtremes(p);
    return p;
}

InfosProgramme Infos()
{
    return {QStringLiteral("Galbix test"), QStringLiteral("essai (é)"), QDateTime(QDate(2024, 5, 1), QTime(12, 0))};
}

// The root and tip points of a wire line read from the program.
struct Faces {
    double xe, ye, xs, ys;
};

Faces FacesDuFil(const MouvementLu& m, const MachineDecoupe& machine, double zE, double zS)
{
    const double L = machine.EntreChariots;
    const auto sur = [&](double z, int h) { return m.Axes[size_t(h)] + (m.Axes[size_t(h + 2)] - m.Axes[size_t(h)]) * z / L; };
    return {sur(zE, 0), sur(zE, 1), sur(zS, 0), sur(zS, 1)};
}

bool Proches(const Faces& a, const Faces& b)
{
    return std::fabs(a.xe - b.xe) <= ToleranceProfil && std::fabs(a.ye - b.ye) <= ToleranceProfil &&
           std::fabs(a.xs - b.xs) <= ToleranceProfil && std::fabs(a.ys - b.ys) <= ToleranceProfil;
}

Faces Paire(const CoupleProfils& p, size_t k)
{
    return {p.PointsE[k].X, p.PointsE[k].Y, p.PointsS[k].X, p.PointsS[k].Y};
}

double Duree(const Faces& a, const Faces& b, double vitesse)
{
    return std::max(std::hypot(b.xe - a.xe, b.ye - a.ye), std::hypot(b.xs - a.xs, b.ys - a.ys)) / vitesse;
}

// The duration the controller gives a move: 1/F minutes (G93), or its four-axis length at F mm/min (G94).
double DureeLue(const MouvementLu& m, const MouvementLu& avant, ModeAvance avance)
{
    if (avance == ModeAvance::TempsInverse)
        return 60.0 / m.F;
    double carre = 0.0;
    for (size_t i = 0; i < 4; ++i)
        carre += (m.Axes[i] - avant.Axes[i]) * (m.Axes[i] - avant.Axes[i]);
    return 60.0 * std::sqrt(carre) / m.F;
}

// The safe point computed from its definition: `entree` before the first pair along each
// side's first segment.
Faces PointSurAttendu(const CoupleProfils& p, double entree)
{
    Faces f = Paire(p, 0);
    const auto reculer = [entree](const std::vector<PointProfil>& v, double& x, double& y) {
        for (size_t k = 0; k + 1 < v.size(); ++k) {
            const double dx = double(v[k + 1].X) - v[k].X, dy = double(v[k + 1].Y) - v[k].Y;
            const double l = std::hypot(dx, dy);
            if (l > 0.0) {
                x -= entree * dx / l;
                y -= entree * dy / l;
                return;
            }
        }
    };
    reculer(p.PointsE, f.xe, f.ye);
    reculer(p.PointsS, f.xs, f.ys);
    return f;
}

// Walks the program's cutting moves along the expected targets: each move must land on the
// next target that is not where the wire already stands, and last as long as the targets it
// covers. Returns the failure, empty when none.
QString Parcourir(const ProgrammeLu& lu, const std::vector<Faces>& cibles, const std::vector<double>& durees,
                  const MachineDecoupe& m, double zE, double zS)
{
    size_t k = 1; // the G0 is checked apart
    double attente = 0.0;
    Faces ici = FacesDuFil(lu.Mouvements[0], m, zE, zS);
    for (size_t c = 0; c < cibles.size(); ++c) {
        attente += durees[c];
        if (k < lu.Mouvements.size() && Proches(FacesDuFil(lu.Mouvements[k], m, zE, zS), cibles[c])) {
            const double d = DureeLue(lu.Mouvements[k], lu.Mouvements[k - 1], m.Avance);
            if (std::fabs(d - attente) > ToleranceDuree * attente)
                return QStringLiteral("ligne %1 : durée %2 au lieu de %3").arg(lu.Mouvements[k].Ligne).arg(d).arg(attente);
            ici = cibles[c];
            attente = 0.0;
            ++k;
        } else if (!Proches(ici, cibles[c])) {
            return QStringLiteral("cible %1 manquée (mouvement %2)").arg(c).arg(k);
        }
    }
    return k == lu.Mouvements.size() ? QString() : QStringLiteral("%1 mouvements de trop").arg(lu.Mouvements.size() - k);
}

// Index of the first command of that text, or -1.
int Commande(const ProgrammeLu& lu, const QString& texte)
{
    for (size_t i = 0; i < lu.Commandes.size(); ++i)
        if (lu.Commandes[i].Texte == texte)
            return int(i);
    return -1;
}

} // namespace

class TestGCode : public QObject {
    Q_OBJECT
private slots:
    void relecture_data()
    {
        tests::Colonnes<QString, double, bool, bool, QString, double>(
            "panneau", "saignee", "droite", "parMinute", "axes", "entree");
        const QString xyuv = QStringLiteral("XYUV"), xyza = QStringLiteral("XYZA");
        QTest::newRow("démo, sans saignée, G93") << "demo" << 0.0 << false << false << xyuv << 10.0;
        QTest::newRow("démo, saignée 1.2, G94") << "demo" << 1.2 << false << true << xyuv << 10.0;
        QTest::newRow("démo, emplanture à droite, XYZA") << "demo" << 1.2 << true << false << xyza << 10.0;
        QTest::newRow("flèche et dièdre, emplanture à droite, G94") << "fleche" << 1.2 << true << true << xyza << 5.0;
        QTest::newRow("flèche et dièdre, sans entrée") << "fleche" << 0.0 << true << false << xyuv << 0.0;
    }
    void relecture()
    {
        CoupleProfils profils;
        MachineDecoupe m;
        const ProgrammeGCode g = Generer(profils, m);
        QVERIFY(!g.Refus);
        const CoupleProfils avant = profils;
        const ProgrammeLu lu = LireGCode(g.Texte, m.Axes);
        QVERIFY2(lu.Erreur.isEmpty(), qPrintable(lu.Erreur));
        QCOMPARE(g.Lignes, qint64(g.Texte.count('\n')));

        // Expected: the kerf-offset pairs, between the safe point and the return to it.
        const CoupleProfils p = AppliquerSaignee(profils, m.Saignee);
        const double zE = m.Emplanture, zS = m.EmplantureADroite ? zE - p.EcartementZ : zE + p.EcartementZ;
        const Faces sur = m.Entree > 0.0 ? PointSurAttendu(p, m.Entree) : Paire(p, 0);
        std::vector<Faces> cibles;
        std::vector<double> durees;
        for (size_t k = 0; k < p.PointsE.size(); ++k) {
            cibles.push_back(Paire(p, k));
            durees.push_back(Duree(k == 0 ? sur : Paire(p, k - 1), Paire(p, k), m.Vitesse));
        }
        cibles.push_back(sur);
        durees.push_back(Duree(Paire(p, p.PointsE.size() - 1), sur, m.Vitesse));

        QVERIFY(lu.Mouvements.size() > p.PointsE.size() / 2);
        QVERIFY(lu.Mouvements[0].Rapide);
        QVERIFY(Proches(FacesDuFil(lu.Mouvements[0], m, zE, zS), sur));
        for (size_t k = 1; k < lu.Mouvements.size(); ++k)
            QVERIFY(!lu.Mouvements[k].Rapide);
        const QString echec = Parcourir(lu, cibles, durees, m, zE, zS);
        QVERIFY2(echec.isEmpty(), qPrintable(echec));
        double total = 0.0;
        for (double d : durees)
            total += d;
        QVERIFY(std::fabs(g.Duree - total) <= ToleranceDuree * total);

        // Units and feed mode before any move, heat after the rapid move, then the end.
        QVERIFY(Commande(lu, QStringLiteral("G21 G90 G17")) == 0 && lu.Commandes[0].MouvementsAvant == 0);
        QCOMPARE(lu.Commandes[1].Texte, m.Avance == ModeAvance::TempsInverse ? QStringLiteral("G93") : QStringLiteral("G94"));
        QCOMPARE(lu.Commandes[size_t(Commande(lu, QStringLiteral("M3")))].MouvementsAvant, size_t(1));
        QCOMPARE(lu.Commandes[size_t(Commande(lu, QStringLiteral("M5")))].MouvementsAvant, lu.Mouvements.size());
        QCOMPARE(lu.Commandes.back().Texte, QStringLiteral("M2"));
        QCOMPARE(profils.PointsE, avant.PointsE); // the model never changes
    }
    void linuxcnc_data() { relecture_data(); }
    void linuxcnc()
    {
        const QString python = tests::PythonLinuxCnc();
        if (python.isEmpty())
            QSKIP("L'interpréteur de LinuxCNC (module Python gcode du paquet Debian linuxcnc-uspace) n'est pas "
                  "installé : contrôle sauté.");
        CoupleProfils profils;
        MachineDecoupe m;
        const ProgrammeGCode g = Generer(profils, m);
        QTemporaryDir dossier;
        QFile programme(dossier.filePath(QStringLiteral("p.ngc"))), script(dossier.filePath(QStringLiteral("l.py")));
        QFile parametres(dossier.filePath(QStringLiteral("p.var")));
        QVERIFY(programme.open(QIODevice::WriteOnly) && programme.write(g.Texte) == g.Texte.size());
        QVERIFY(script.open(QIODevice::WriteOnly) && script.write(tests::ScriptLinuxCnc) > 0);
        QVERIFY(parametres.open(QIODevice::WriteOnly));
        programme.close(), script.close(), parametres.close();
        QProcess p;
        p.start(python, {script.fileName(), programme.fileName(), parametres.fileName()});
        QVERIFY(p.waitForFinished(120000));
        const QByteArray sortie = p.readAllStandardOutput();
        QVERIFY2(p.exitCode() == 0, sortie.constData());
        const QList<QByteArray> lignes = sortie.trimmed().split('\n');
        const ProgrammeLu lu = LireGCode(g.Texte, m.Axes);
        QCOMPARE(size_t(lignes.size()), lu.Mouvements.size());
        // Canonical positions: lengths in inches, the A axis in degrees; order X Y Z A B C U V W.
        const std::array<int, 4> index = m.Axes == QLatin1String("XYUV") ? std::array<int, 4>{0, 1, 6, 7}
                                                                        : std::array<int, 4>{0, 1, 2, 3};
        for (size_t k = 0; k < lu.Mouvements.size(); ++k) {
            const QList<QByteArray> mots = lignes[qsizetype(k)].split(' ');
            QCOMPARE(mots.size(), 10);
            QCOMPARE(mots[0], lu.Mouvements[k].Rapide ? QByteArray("G0") : QByteArray("G1"));
            for (size_t a = 0; a < 4; ++a) {
                const double echelle = m.Axes[int(a)] == QLatin1Char('A') ? 1.0 : 25.4;
                QVERIFY(std::fabs(mots[index[a] + 1].toDouble() * echelle - lu.Mouvements[k].Axes[a]) < 1e-6);
            }
        }
    }
    void refus_data()
    {
        tests::Colonnes<CoupleProfils, double, double, bool, QString>(
            "profils", "entreChariots", "emplanture", "droite", "extrait");
        CoupleProfils inegal = Carres();
        inegal.PointsS.Modifier().pop_back();
        CoupleProfils vide;
        QTest::newRow("non synchronisés") << inegal << 1000.0 << 100.0 << false << QStringLiteral("synchronisez");
        QTest::newRow("aucun profil") << vide << 1000.0 << 100.0 << false << QStringLiteral("au moins deux points");
        QTest::newRow("écartement nul") << Carres(0.0f) << 1000.0 << 100.0 << false << QStringLiteral("écartement");
        QTest::newRow("D négatif") << Carres() << 1000.0 << -1.0 << false << QStringLiteral("sort des chariots");
        QTest::newRow("saumon au-delà du chariot droit") << Carres() << 1000.0 << 900.5 << false
                                                          << QStringLiteral("sort des chariots");
        QTest::newRow("bloc juste entre les chariots") << Carres() << 1000.0 << 900.0 << false << QString();
        QTest::newRow("à droite : saumon avant le chariot gauche") << Carres() << 1000.0 << 99.0 << true
                                                                   << QStringLiteral("sort des chariots");
        QTest::newRow("L nul") << Carres() << 0.0 << 0.0 << false << QStringLiteral("entre les chariots");
    }
    void refus()
    {
        QFETCH(CoupleProfils, profils);
        QFETCH(double, entreChariots);
        QFETCH(double, emplanture);
        QFETCH(bool, droite);
        QFETCH(QString, extrait);
        MachineDecoupe m;
        m.EntreChariots = entreChariots;
        m.Emplanture = emplanture;
        m.EmplantureADroite = droite;
        const ProgrammeGCode g = GenererGCode(profils, m, Infos());
        QCOMPARE(bool(g.Refus), !extrait.isEmpty());
        if (g.Refus) {
            QVERIFY2(g.Refus->Texte.contains(extrait), qPrintable(g.Refus->Texte));
            QVERIFY(g.Texte.isEmpty());
            QVERIFY(CheminsChariots(profils, m).empty());
        } else {
            QCOMPARE(CheminsChariots(profils, m).size(), profils.PointsE.size());
        }
    }
    void horsCourse_data()
    {
        // Squares 100 mm apart between carriages 300 mm apart, root 100 mm from the left one: the
        // left carriage runs a square of 30 mm from (dx + 5, dx + 5), the right one stands at the
        // apex (dx + 20, dx + 20).
        tests::Colonnes<Courses, double, QString, std::vector<double>>("courses", "dx", "axes", "exces");
        QTest::newRow("dans les courses") << Courses{100, 100, 100, 100} << 10.0 << "" << std::vector<double>{};
        QTest::newRow("à gauche sous 0") << Courses{100, 100, 100, 100} << -10.0 << "XY" << std::vector<double>{5.0, 5.0};
        QTest::newRow("courses courtes") << Courses{30, 50, 25, 40} << 10.0 << "XU" << std::vector<double>{15.0, 5.0};
    }
    void horsCourse()
    {
        QFETCH(Courses, courses);
        QFETCH(double, dx);
        QFETCH(std::vector<double>, exces);
        CoupleProfils p;
        p.PointsE = Points({{10, 10}, {30, 10}, {30, 30}, {10, 30}, {10, 10}});
        p.PointsS = Points({{15, 15}, {25, 15}, {25, 25}, {15, 25}, {15, 15}});
        for (auto& v : {&p.PointsE, &p.PointsS})
            for (PointProfil& pt : v->Modifier())
                pt.X += float(dx), pt.Y += float(dx);
        p.EcartementZ = 100.0f;
        CalculerExtremes(p);
        MachineDecoupe m;
        m.EntreChariots = 300.0;
        m.Emplanture = 100.0;
        m.Courses = courses;
        m.Entree = 0.0;
        const ProgrammeGCode g = GenererGCode(p, m, Infos());
        QVERIFY(!g.Refus);
        QCOMPARE(g.Gauche.XMin, dx + 5.0);
        QCOMPARE(g.Gauche.YMax, dx + 35.0);
        QCOMPARE(g.Droite.XMax, dx + 20.0);
        QString obtenus;
        for (const DepassementCourse& d : g.HorsCourse)
            obtenus += d.Axe;
        QTEST(obtenus, "axes");
        for (size_t i = 0; i < exces.size(); ++i)
            QVERIFY(std::fabs(g.HorsCourse[i].Exces - exces[i]) < 1e-9);
        QCOMPARE(TexteHorsCourse(g.HorsCourse).count(QLatin1Char('\n')), qsizetype(std::max<int>(0, int(exces.size()) - 1)));
        QCOMPARE(g.Texte.count("(Attention"), qsizetype(exces.size()));
    }
    // The header names the machine, the time and the extents, in ASCII; numbers keep "." under a
    // French locale and never use an exponent, even for the feeds of very short moves.
    void enTeteEtFormat()
    {
        const QLocale avant;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        CoupleProfils p = Carres();
        p.PointsE.Modifier().insert(p.PointsE.Modifier().begin() + 1, {0.0001f, 0.0f, 0});  // a move too short to be written
        p.PointsS.Modifier().insert(p.PointsS.Modifier().begin() + 1, {0.0001f, 0.0f, 0});
        MachineDecoupe m;
        m.Emplanture = 100.0;
        m.LignesDebut = QStringLiteral(" M3 S1 | G4 P2 |");
        const ProgrammeGCode g = GenererGCode(p, m, Infos());
        QLocale::setDefault(avant);
        QVERIFY(!g.Refus);
        for (char c : g.Texte)
            QVERIFY(uchar(c) < 128);
        QVERIFY(g.Texte.contains("(Projet : essai [e])\n"));
        QVERIFY(g.Texte.contains("emplanture a D = 100.000 mm"));
        QVERIFY(g.Texte.contains("Duree estimee"));
        QVERIFY(g.Texte.contains("\nM3 S1\nG4 P2\nG1 "));
        QVERIFY(!QRegularExpression(QStringLiteral("\\d[eE][-+]?\\d")).match(QString::fromLatin1(g.Texte)).hasMatch());
        const ProgrammeLu lu = LireGCode(g.Texte, m.Axes);
        QVERIFY2(lu.Erreur.isEmpty(), qPrintable(lu.Erreur));
        QCOMPARE(lu.Mouvements.size(), size_t(1 + 1 + 4 + 1)); // rapid, lead-in, 4 sides and the return
        QVERIFY(std::fabs(g.Duree - 100.0 / m.Vitesse) < 1e-9); // the short move's time is kept
    }
    // The machine kept in the settings file comes back as it was written, beside other sections.
    void reglages()
    {
        QTemporaryDir dossier;
        const QString ini = dossier.filePath(QStringLiteral("Galbix.ini"));
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("[Fichiers]\r\nOuverture=/tmp\r\n") > 0);
        f.close();
        QCOMPARE(LireMachine(ini, 7.5).Vitesse, 7.5);
        MachineDecoupe m;
        m.EntreChariots = 1234.5;
        m.Emplanture = 33.25;
        m.EmplantureADroite = true;
        m.Axes = QStringLiteral("XYZA");
        m.Courses = {900, 400, 910, 410.5};
        m.Vitesse = 2.25;
        m.Avance = ModeAvance::ParMinute;
        m.Saignee = 1.2;
        m.Entree = 0.0;
        m.LignesDebut = QStringLiteral("M3 S40|G4 P3");
        m.LignesFin = QString();
        QVERIFY(EcrireMachine(ini, m));
        QCOMPARE(LireMachine(ini, 7.5), m);
        QCOMPARE(LireIni(QStringLiteral("Fichiers"), QStringLiteral("Ouverture"), ini, QString()), QStringLiteral("/tmp"));
        QVERIFY(VerifierMachine(m) == std::nullopt);
        m.Saignee = -1.0;
        QVERIFY(VerifierMachine(m));
    }

private:
    ProgrammeGCode Generer(CoupleProfils& profils, MachineDecoupe& machine)
    {
        QFETCH(QString, panneau);
        QFETCH(double, saignee);
        QFETCH(bool, droite);
        QFETCH(bool, parMinute);
        QFETCH(QString, axes);
        QFETCH(double, entree);
        profils = panneau == QLatin1String("demo") ? Demo() : PanneauFlecheDiedre();
        machine.EntreChariots = 1000.0;
        machine.Emplanture = droite ? 800.0 : 150.0;
        machine.EmplantureADroite = droite;
        machine.Saignee = saignee;
        machine.Avance = parMinute ? ModeAvance::ParMinute : ModeAvance::TempsInverse;
        machine.Axes = axes;
        machine.Entree = entree;
        machine.Vitesse = 4.5;
        return GenererGCode(profils, machine, Infos());
    }
};

GALBIX_TEST_MAIN(TestGCode)
#include "tst_gcode.moc"
