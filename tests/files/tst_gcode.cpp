// G-code programs for 4-axis hot-wire machines: every program is read back by a reader of our
// own that extends each wire line from the carriage planes to the two faces of the block and
// must find the profiles (kerf applied) within 1e-3 mm and every move's duration within 1e-6;
// when LinuxCNC's interpreter is installed it must accept the programs and see the same moves.
#include "common/Emplacements.h"
#include "common/LecteurGCode.h"
#include "common/LinuxCnc.h"
#include "common/Test.h"
#include "common/Profils.h"

#include "editing/Saignee.h"
#include "files/GCode.h"
#include "files/Ini.h"
#include "files/Projet.h"
#include "model/Extremes.h"
#include "view/GeometrieAile.h"

#include <QLocale>
#include <QProcess>
#include <numeric>

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

// A tapered panel: NACA 2412 root of 200 mm, NACA 0012 tip of 120 mm placed 60 mm back and
// 25 mm up, 450 mm apart; both computed with the same number of points, so already paired.
CoupleProfils PanneauGCode(bool demo) {
    DonneesProjet projet;
    if (demo) {
        LireProjet(tests::DossierSources() + QStringLiteral("/data/demo/demo.gbx"), projet);
        return projet.Profils;
    }
    CoupleProfils& p = projet.Profils;
    p.PointsE = Naca("2412", 50, 200.0);
    p.PointsS = Naca("0012", 50, 120.0);
    p.EcartementZ = 450.0f;
    CalculerExtremes(p);
    EtatGeometrie geo;
    SaisirFleche(p, geo, 60.0f);
    SaisirDiedreMm(p, geo, 25.0f);
    return p;
}

// Squares of side `e` and `s` from (x, x), `ecartement` apart.
CoupleProfils CarresGCode(float ecartement = 100.0f, double e = 20, double s = 10, double x = 0) {
    CoupleProfils p;
    p.PointsE = Points({{x, x}, {x + e, x}, {x + e, x + e}, {x, x + e}, {x, x}});
    p.PointsS = Points({{x, x}, {x + s, x}, {x + s, x + s}, {x, x + s}, {x, x}});
    p.EcartementZ = ecartement;
    CalculerExtremes(p);
    return p;
}

const InfosProgramme InfosGCode{QStringLiteral("Galbix test"), QStringLiteral("essai (é)"),
                                QDateTime(QDate(2024, 5, 1), QTime(12, 0))};

using Faces = std::array<double, 4>; // the root and tip points of a wire line: xe ye xs ys

Faces FacesDuFil(const MouvementLu& m, const MachineDecoupe& machine, double zE, double zS) {
    const auto sur = [&](double z, size_t h) { return m.Axes[h] + (m.Axes[h + 2] - m.Axes[h]) * z / machine.EntreChariots; };
    return {sur(zE, 0), sur(zE, 1), sur(zS, 0), sur(zS, 1)};
}

bool Proches(const Faces& a, const Faces& b) {
    return std::ranges::all_of(std::array{0, 1, 2, 3}, [&](int i) { return std::fabs(a[i] - b[i]) <= ToleranceProfil; });
}

Faces Paire(const CoupleProfils& p, size_t k) { return {p.PointsE[k].X, p.PointsE[k].Y, p.PointsS[k].X, p.PointsS[k].Y}; }

double Duree(const Faces& a, const Faces& b, double vitesse) {
    return std::max(std::hypot(b[0] - a[0], b[1] - a[1]), std::hypot(b[2] - a[2], b[3] - a[3])) / vitesse;
}

// The duration the controller gives a move: 1/F minutes (G93), or its four-axis length at F mm/min (G94).
double DureeLue(const MouvementLu& m, const MouvementLu& avant, ModeAvance avance) {
    double carre = 0.0;
    for (size_t i = 0; i < 4; ++i)
        carre += (m.Axes[i] - avant.Axes[i]) * (m.Axes[i] - avant.Axes[i]);
    return avance == ModeAvance::TempsInverse ? 60.0 / m.F : 60.0 * std::sqrt(carre) / m.F;
}

// The safe point computed from its definition: `entree` before the first pair along each
// side's first segment.
Faces PointSurAttendu(const CoupleProfils& p, double entree) {
    Faces f = Paire(p, 0);
    for (const auto& [v, i] : {std::pair{&p.PointsE, 0}, {&p.PointsS, 2}})
        for (size_t k = 0; k + 1 < v->size(); ++k) {
            const double dx = double((*v)[k + 1].X) - (*v)[k].X, dy = double((*v)[k + 1].Y) - (*v)[k].Y;
            if (const double l = std::hypot(dx, dy); l > 0.0) {
                f[i] -= entree * dx / l, f[i + 1] -= entree * dy / l;
                break;
            }
        }
    return f;
}

// Walks the program's cutting moves along the expected targets: each move must land on the
// next target that is not where the wire already stands, and last as long as the targets it
// covers. Returns the failure, empty when none.
QString Parcourir(const ProgrammeLu& lu, const std::vector<Faces>& cibles, const std::vector<double>& durees,
                  const MachineDecoupe& m, double zE, double zS) {
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

// The first command of that text (the end of the list when none).
auto CommandeGCode(const ProgrammeLu& lu, const char* texte) {
    return std::ranges::find_if(lu.Commandes, [&](const auto& c) { return c.Texte == QLatin1String(texte); });
}

} // namespace

class TestGCode : public QObject {
    Q_OBJECT
private slots:
    void relecture_data() {
        tests::Colonnes<bool, MachineDecoupe>("demo", "m");
        const auto m = [](double saignee, bool droite, bool parMinute, const char* axes, double entree) {
            return MachineDecoupe{.Emplanture = droite ? 800.0 : 150.0, .EmplantureADroite = droite, .Axes = axes,
                                  .Vitesse = 4.5, .Avance = parMinute ? ModeAvance::ParMinute : ModeAvance::TempsInverse,
                                  .Saignee = saignee, .Entree = entree};
        };
        QTest::newRow("démo, sans saignée, G93") << true << m(0.0, false, false, "XYUV", 10.0);
        QTest::newRow("démo, saignée 1.2, G94") << true << m(1.2, false, true, "XYUV", 10.0);
        QTest::newRow("démo, emplanture à droite, XYZA") << true << m(1.2, true, false, "XYZA", 10.0);
        QTest::newRow("flèche et dièdre, emplanture à droite, G94") << false << m(1.2, true, true, "XYZA", 5.0);
        QTest::newRow("flèche et dièdre, sans entrée") << false << m(0.0, true, false, "XYUV", 0.0);
    }
    void relecture() {
        QFETCH(bool, demo);
        QFETCH(MachineDecoupe, m);
        const CoupleProfils profils = PanneauGCode(demo), avant = profils;
        const ProgrammeGCode g = GenererGCode(profils, m, InfosGCode);
        QVERIFY(!g.Refus);
        const ProgrammeLu lu = LireGCode(g.Texte, m.Axes);
        QVERIFY2(lu.Erreur.isEmpty(), qPrintable(lu.Erreur));
        QCOMPARE(g.Lignes, qint64(g.Texte.count('\n')));
        // Expected: the kerf-offset pairs, between the safe point and the return to it.
        const CoupleProfils p = AppliquerSaignee(profils, m.Saignee);
        const double zE = m.Emplanture, zS = m.EmplantureADroite ? zE - p.EcartementZ : zE + p.EcartementZ;
        const Faces sur = m.Entree > 0.0 ? PointSurAttendu(p, m.Entree) : Paire(p, 0);
        std::vector<Faces> cibles;
        std::vector<double> durees;
        for (size_t k = 0; k <= p.PointsE.size(); ++k) {
            cibles.push_back(k < p.PointsE.size() ? Paire(p, k) : sur);
            durees.push_back(Duree(k == 0 ? sur : Paire(p, k - 1), cibles.back(), m.Vitesse));
        }
        QVERIFY(lu.Mouvements.size() > p.PointsE.size() / 2);
        QVERIFY(Proches(FacesDuFil(lu.Mouvements[0], m, zE, zS), sur));
        for (size_t k = 0; k < lu.Mouvements.size(); ++k)
            QCOMPARE(lu.Mouvements[k].Rapide, k == 0);
        const QString echec = Parcourir(lu, cibles, durees, m, zE, zS);
        QVERIFY2(echec.isEmpty(), qPrintable(echec));
        const double total = std::accumulate(durees.begin(), durees.end(), 0.0);
        QVERIFY(std::fabs(g.Duree - total) <= ToleranceDuree * total);
        // Units and feed mode before any move, heat after the rapid move, then the end.
        QVERIFY(lu.Commandes[0].Texte == "G21 G90 G17" && lu.Commandes[0].MouvementsAvant == 0);
        QCOMPARE(lu.Commandes[1].Texte, m.Avance == ModeAvance::TempsInverse ? QStringLiteral("G93") : QStringLiteral("G94"));
        QCOMPARE(CommandeGCode(lu, "M3")->MouvementsAvant, size_t(1));
        QCOMPARE(CommandeGCode(lu, "M5")->MouvementsAvant, lu.Mouvements.size());
        QCOMPARE(lu.Commandes.back().Texte, QStringLiteral("M2"));
        QCOMPARE(profils.PointsE, avant.PointsE); // the model never changes
    }
    void linuxcnc_data() { relecture_data(); }
    void linuxcnc() {
        const QString python = tests::PythonLinuxCnc();
        if (python.isEmpty())
            QSKIP("L'interpréteur de LinuxCNC (module Python gcode du paquet Debian linuxcnc-uspace) n'est pas "
                  "installé : contrôle sauté.");
        QFETCH(bool, demo);
        QFETCH(MachineDecoupe, m);
        const MachineDecoupe& machine = m;
        const ProgrammeGCode g = GenererGCode(PanneauGCode(demo), machine, InfosGCode);
        QTemporaryDir dossier;
        const QStringList fichiers{dossier.filePath("l.py"), dossier.filePath("p.ngc"), dossier.filePath("p.var")};
        QVERIFY(tests::EcrireOctets(fichiers[0], tests::ScriptLinuxCnc) && tests::EcrireOctets(fichiers[1], g.Texte)
                && tests::EcrireOctets(fichiers[2], {}));
        QProcess p;
        p.start(python, fichiers);
        QVERIFY(p.waitForFinished(120000));
        const QByteArray sortie = p.readAllStandardOutput();
        QVERIFY2(p.exitCode() == 0, sortie.constData());
        const QList<QByteArray> lignes = sortie.trimmed().split('\n');
        const ProgrammeLu lu = LireGCode(g.Texte, machine.Axes);
        QCOMPARE(size_t(lignes.size()), lu.Mouvements.size());
        // Canonical positions: lengths in inches, the A axis in degrees; order X Y Z A B C U V W.
        const std::array<int, 4> index = machine.Axes == QLatin1String("XYUV") ? std::array{0, 1, 6, 7} : std::array{0, 1, 2, 3};
        for (size_t k = 0; k < lu.Mouvements.size(); ++k) {
            const QList<QByteArray> mots = lignes[qsizetype(k)].split(' ');
            QCOMPARE(mots.size(), 10);
            QCOMPARE(mots[0], lu.Mouvements[k].Rapide ? QByteArray("G0") : QByteArray("G1"));
            for (size_t a = 0; a < 4; ++a) {
                const double echelle = machine.Axes[int(a)] == QLatin1Char('A') ? 1.0 : 25.4;
                QVERIFY(std::fabs(mots[index[a] + 1].toDouble() * echelle - lu.Mouvements[k].Axes[a]) < 1e-6);
            }
        }
    }
    void refus_data() {
        tests::Colonnes<CoupleProfils, double, double, bool, QString>("profils", "entreChariots", "emplanture", "droite",
                                                                      "extrait");
        CoupleProfils inegal = CarresGCode();
        inegal.PointsS.Modifier().pop_back();
        const auto row = [](const char* nom, const CoupleProfils& p, double l, double d, bool droite, const char* extrait) {
            QTest::newRow(nom) << p << l << d << droite << QString::fromUtf8(extrait);
        };
        row("non synchronisés", inegal, 1000.0, 100.0, false, "synchronisez");
        row("aucun profil", CoupleProfils(), 1000.0, 100.0, false, "au moins deux points");
        row("écartement nul", CarresGCode(0.0f), 1000.0, 100.0, false, "écartement");
        row("D négatif", CarresGCode(), 1000.0, -1.0, false, "sort des chariots");
        row("saumon au-delà du chariot droit", CarresGCode(), 1000.0, 900.5, false, "sort des chariots");
        row("bloc juste entre les chariots", CarresGCode(), 1000.0, 900.0, false, "");
        row("à droite : saumon avant le chariot gauche", CarresGCode(), 1000.0, 99.0, true, "sort des chariots");
        row("L nul", CarresGCode(), 0.0, 0.0, false, "entre les chariots");
    }
    void refus() {
        QFETCH(CoupleProfils, profils);
        QFETCH(QString, extrait);
        QFETCH(double, entreChariots);
        QFETCH(double, emplanture);
        QFETCH(bool, droite);
        const MachineDecoupe m{.EntreChariots = entreChariots, .Emplanture = emplanture, .EmplantureADroite = droite};
        const ProgrammeGCode g = GenererGCode(profils, m, InfosGCode);
        QCOMPARE(bool(g.Refus), !extrait.isEmpty());
        QVERIFY(!g.Refus || g.Refus->Texte.contains(extrait));
        QCOMPARE(g.Texte.isEmpty(), bool(g.Refus));
        QCOMPARE(CheminsChariots(profils, m).size(), g.Refus ? 0 : profils.PointsE.size());
    }
    void horsCourse_data() {
        // Squares 100 mm apart between carriages 300 mm apart, root 100 mm from the left one: the
        // left carriage runs a square of 30 mm from (dx + 5, dx + 5), the right one stands at the
        // apex (dx + 20, dx + 20).
        tests::Colonnes<Courses, double, QString, std::vector<double>>("courses", "dx", "axes", "exces");
        QTest::newRow("dans les courses") << Courses{100, 100, 100, 100} << 10.0 << "" << std::vector<double>{};
        QTest::newRow("à gauche sous 0") << Courses{100, 100, 100, 100} << -10.0 << "XY" << std::vector<double>{5.0, 5.0};
        QTest::newRow("courses courtes") << Courses{30, 50, 25, 40} << 10.0 << "XU" << std::vector<double>{15.0, 5.0};
    }
    void horsCourse() {
        QFETCH(Courses, courses);
        QFETCH(double, dx);
        QFETCH(std::vector<double>, exces);
        CoupleProfils p = CarresGCode(100.0f, 20, 10, 10 + dx);
        for (PointProfil& pt : p.PointsS.Modifier())
            pt.X += 5.0f, pt.Y += 5.0f;
        CalculerExtremes(p);
        const MachineDecoupe m{.EntreChariots = 300.0, .Emplanture = 100.0, .Courses = courses, .Entree = 0.0};
        const ProgrammeGCode g = GenererGCode(p, m, InfosGCode);
        QVERIFY(!g.Refus);
        QCOMPARE(g.Gauche.XMin, dx + 5.0);
        QCOMPARE(g.Gauche.YMax, dx + 35.0);
        QCOMPARE(g.Droite.XMax, dx + 20.0);
        QString obtenus;
        for (size_t i = 0; i < g.HorsCourse.size(); ++i) {
            obtenus += g.HorsCourse[i].Axe;
            QVERIFY(i >= exces.size() || std::fabs(g.HorsCourse[i].Exces - exces[i]) < 1e-9);
        }
        QTEST(obtenus, "axes");
        QCOMPARE(TexteHorsCourse(g.HorsCourse).count(QLatin1Char('\n')), qsizetype(std::max<int>(0, int(exces.size()) - 1)));
        QCOMPARE(g.Texte.count("(Attention"), qsizetype(exces.size()));
    }
    // The header names the machine, the time and the extents, in ASCII; numbers keep "." under a
    // French locale and never use an exponent, even for the feeds of very short moves.
    void enTeteEtFormat() {
        const QLocale avant;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        CoupleProfils p = CarresGCode();
        for (auto* v : {&p.PointsE, &p.PointsS}) // a move too short to be written
            v->Modifier().insert(v->Modifier().begin() + 1, {0.0001f, 0.0f, 0});
        const MachineDecoupe m{.Emplanture = 100.0, .LignesDebut = QStringLiteral(" M3 S1 | G4 P2 |")};
        const ProgrammeGCode g = GenererGCode(p, m, InfosGCode);
        QLocale::setDefault(avant);
        QVERIFY(!g.Refus);
        QVERIFY(std::ranges::all_of(g.Texte, [](char c) { return uchar(c) < 128; }));
        for (const char* extrait :
             {"(Projet : essai [e])\n", "emplanture a D = 100.000 mm", "Duree estimee", "\nM3 S1\nG4 P2\nG1 "})
            QVERIFY2(g.Texte.contains(extrait), extrait);
        QVERIFY(!QRegularExpression(QStringLiteral("\\d[eE][-+]?\\d")).match(QString::fromLatin1(g.Texte)).hasMatch());
        const ProgrammeLu lu = LireGCode(g.Texte, m.Axes);
        QVERIFY2(lu.Erreur.isEmpty(), qPrintable(lu.Erreur));
        QCOMPARE(lu.Mouvements.size(), size_t(1 + 1 + 4 + 1)); // rapid, lead-in, 4 sides and the return
        QVERIFY(std::fabs(g.Duree - 100.0 / m.Vitesse) < 1e-9); // the short move's time is kept
    }
    // The machine kept in the settings file comes back as it was written, beside other sections.
    void reglages() {
        QTemporaryDir dossier;
        const QString ini = dossier.filePath(QStringLiteral("Galbix.ini"));
        QVERIFY(tests::EcrireOctets(ini, "[Fichiers]\r\nOuverture=/tmp\r\n"));
        QCOMPARE(LireMachine(ini, 7.5).Vitesse, 7.5);
        const MachineDecoupe m{1234.5, 33.25, true, "XYZA", {900, 400, 910, 410.5}, 2.25, ModeAvance::ParMinute, 1.2, 0.0,
                               "M3 S40|G4 P3", QString()};
        QVERIFY(EcrireMachine(ini, m));
        QCOMPARE(LireMachine(ini, 7.5), m);
        QCOMPARE(LireIni(QStringLiteral("Fichiers"), QStringLiteral("Ouverture"), ini, QString()), QStringLiteral("/tmp"));
        QVERIFY(VerifierMachine(m) == std::nullopt);
        QVERIFY(VerifierMachine(MachineDecoupe{.Saignee = -1.0}));
    }
};

GALBIX_TEST_MAIN(TestGCode)
#include "tst_gcode.moc"
