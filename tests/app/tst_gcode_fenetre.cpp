// The G-code program from the main window: the button of the "Kerfex" frame opens the machine
// dialog, whose values live in the settings file; writing asks for the file, writes the program
// and reports it; refusals write nothing. The cut player can show the carriage paths.
// The cut player follows the pairs, reports the segments to check and stops at any editing command.
#include "common/BancFenetre.h"
#include "common/LecteurGCode.h"

#include "app/FenetreMachine.h"
#include "app/PiloteDecoupe.h"
#include "files/GCode.h"
#include "files/Ini.h"
#include "files/Reglages.h"

#include <QComboBox>
#include <QTimer>
#include <array>
#include <functional>

using namespace galbix;
using namespace galbix::tests;

namespace {

// Clicks "Programme G-code…" and, once the dialog runs, lets `remplir` act on it.
void OuvrirEt(BancFenetre& b, const std::function<void(FenetreMachine&)>& remplir)
{
    QTimer::singleShot(0, &b.fenetre, [&b, remplir] {
        auto* d = b.fenetre.findChild<FenetreMachine*>();
        QVERIFY(d && d->isVisible());
        remplir(*d);
        if (d->isVisible()) d->findChild<QPushButton*>(QStringLiteral("cmdFermerMachine"))->click();
    });
    b.Bouton(QStringLiteral("cmdProgrammeGCode"))->click();
}

void SaisirMachine(FenetreMachine& d, const char* champ, const QString& texte)
{ d.findChild<QLineEdit*>(QLatin1String(champ))->setText(texte); }
void EcrireProgrammeMachine(FenetreMachine& d) { d.findChild<QPushButton*>(QStringLiteral("cmdEcrireProgramme"))->click(); }

struct BancGCode : tests::BancFenetre {
    SessionEdition& s = fenetre.Session();

    bool Preparer(std::vector<PointProfil> e, std::vector<PointProfil> t, AnglesVue angles = VueDeCote)
    {
        if (!Montrer(QSize(1200, 800))) return false;
        Charger(std::move(e), std::move(t), 0.0f);
        s.Vue.Omega = angles.Omega;
        s.Vue.Alpha = angles.Alpha;
        fenetre.Vue().AjusterVue();
        return true;
    }
};

const auto CarreE = Points({{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}});
const auto CarreS = Points({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});

} // namespace

class TestGCodeFenetre : public QObject {
    Q_OBJECT
private slots:

    void programmeEcrit()
    {
        const std::tuple<bool, int, QString> machines[] = {{false, 0, "1000"}, {true, 1, "100"}}; // G93 XYUV; G94 XYZA
        for (const auto& [parMinute, axes, courseX] : machines) {
            BancFenetre b;
            b.Charger(Naca("2412", 30, 200, 30, 40), Naca("0012", 30, 150, 50, 60), 500.0f);
            QVERIFY(b.Montrer());
            const QString chemin = b.Fichier(QStringLiteral("aile.ngc"));
            b.dialogues.fichiers.push_back({false, chemin, 1});
            OuvrirEt(b, [&](FenetreMachine& d) {
                SaisirMachine(d, "txtEntreChariots", QStringLiteral("900"));
                SaisirMachine(d, "txtEmplantureMachine", QStringLiteral("150,5"));
                SaisirMachine(d, "txtSaignee", QStringLiteral("1.2"));
                SaisirMachine(d, "txtCourse_0", courseX);
                d.findChild<QRadioButton*>(parMinute ? "optAvance_1" : "optAvance_0")->setChecked(true);
                d.findChild<QComboBox*>(QStringLiteral("cboAxes"))->setCurrentIndex(axes);
                EcrireProgrammeMachine(d);
            });
            QCOMPARE(b.dialogues.demandesEnregistrement.size(), size_t(1));
            QVERIFY(b.dialogues.demandesEnregistrement[0].filtre.contains(QStringLiteral("*.ngc")));
            const MachineDecoupe m = LireMachine(b.fenetre.FichierReglages(), 0.0);
            QCOMPARE((std::array{m.EntreChariots, m.Emplanture, m.Saignee}), (std::array{900.0, 150.5, 1.2}));
            QCOMPARE(m.Axes, AxesPossibles[axes]);
            QCOMPARE(m.Avance, parMinute ? ModeAvance::ParMinute : ModeAvance::TempsInverse);
            QCOMPARE(m.Vitesse, b.fenetre.Decoupe().Vitesse()); // the player's speed when none was kept

            // The file holds the program of the model with those values (the date apart).
            const QByteArray programme = tests::LireOctets(chemin);
            const ProgrammeGCode attendu = GenererGCode(b.Profils(), m, {});
            QVERIFY(!programme.isEmpty());
            QCOMPARE(programme.mid(programme.indexOf("G21")), attendu.Texte.mid(attendu.Texte.indexOf("G21")));
            QVERIFY(tests::LireGCode(programme, m.Axes).Erreur.isEmpty() && !b.dialogues.messages.empty());
            const auto& dernier = b.dialogues.messages.back();
            QCOMPARE(dernier.icone, attendu.HorsCourse.empty() ? IconeMessage::Information : IconeMessage::Exclamation);
            QCOMPARE(attendu.HorsCourse.empty(), courseX == QLatin1String("1000"));
            QVERIFY(dernier.texte.contains(QStringLiteral("%1 lignes").arg(attendu.Lignes)));
            QCOMPARE(dernier.texte.contains(QStringLiteral("L'axe X sort de sa course")), !attendu.HorsCourse.empty());
            QVERIFY(!b.fenetre.findChild<FenetreMachine*>()); // the dialog is gone
        }
    }

    void refus_data()
    {
        tests::Colonnes<int, QString, QString, QString>("pointsS", "champ", "texte", "message");
        QTest::newRow("non synchronisés") << 29 << "txtEntreChariots" << "1000" << "synchronisez";
        QTest::newRow("bloc hors des chariots") << 61 << "txtEntreChariots" << "400" << "sort des chariots";
        QTest::newRow("saisie invalide") << 61 << "txtSaignee" << "1.2.3" << "Veuillez entrer un nombre décimal.";
        QTest::newRow("saignée négative") << 61 << "txtSaignee" << "-1" << "saignée";
        QTest::newRow("vitesse nulle") << 61 << "txtVitesseMachine" << "0" << "vitesse";
    }

    void refus()
    {
        QFETCH(int, pointsS); QFETCH(QString, champ); QFETCH(QString, texte); QFETCH(QString, message);
        BancFenetre b;
        auto s = Naca("0012", 31, 150);
        s.resize(size_t(pointsS));
        b.Charger(Naca("2412", 31, 200), s, 500.0f);
        QVERIFY(b.Montrer());
        b.dialogues.fichiers.push_back({false, b.Fichier(QStringLiteral("x.ngc")), 1});
        bool toujoursOuvert = false;
        OuvrirEt(b, [&](FenetreMachine& d) {
            SaisirMachine(d, "txtEmplantureMachine", QStringLiteral("100"));
            SaisirMachine(d, qPrintable(champ), texte);
            EcrireProgrammeMachine(d);
            toujoursOuvert = d.isVisible();
        });
        QVERIFY(toujoursOuvert);
        QVERIFY(b.dialogues.messages.size() == 1 && b.dialogues.messages[0].icone == IconeMessage::Critique);
        QVERIFY2(b.dialogues.messages[0].texte.contains(message), qPrintable(b.dialogues.messages[0].texte));
        QVERIFY(b.dialogues.demandesEnregistrement.empty() && !QFile::exists(b.Fichier(QStringLiteral("x.ngc"))));
    }

    // Values closed with "Fermer" are kept, shown again at the next opening; invalid ones are not kept.
    void valeursGardees()
    {
        BancFenetre b;
        QVERIFY(b.Montrer());
        OuvrirEt(b, [](FenetreMachine& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Machine de découpe"));
            SaisirMachine(d, "txtEntreChariots", QStringLiteral("1250"));
            d.findChild<QRadioButton*>(QStringLiteral("optCoteEmplanture_1"))->setChecked(true);
            SaisirMachine(d, "txtLignesDebut", QStringLiteral("M3 S50|G4 P2"));
        });
        QCOMPARE(LireIni(SectionMachine, QStringLiteral("EntreChariots"), b.fenetre.FichierReglages(), QString()),
                 QStringLiteral("1250"));
        QString lignes;
        OuvrirEt(b, [&lignes](FenetreMachine& d) {
            QVERIFY(d.Valeurs().EmplantureADroite);
            QCOMPARE(d.Valeurs().EntreChariots, 1250.0);
            lignes = d.Valeurs().LignesDebut;
            SaisirMachine(d, "txtEntreChariots", QStringLiteral("-3"));
        });
        QCOMPARE(lignes, QStringLiteral("M3 S50|G4 P2"));
        QCOMPARE(LireMachine(b.fenetre.FichierReglages(), 3.0).EntreChariots, 1250.0);
        QVERIFY(b.dialogues.messages.empty());
    }

    // With "Chariots" ticked the player draws the carriages on their paths (side view: the
    // projection is the identity), as the program extends the wire; unticked, on the profiles.
    void cheminsDesChariots()
    {
        BancFenetre b;
        b.Charger(Naca("2412", 20, 200), Naca("0012", 20, 120, 40, 10), 400.0f);
        QVERIFY(b.Montrer());
        MachineDecoupe m;
        m.EntreChariots = 800.0;
        m.Emplanture = 100.0;
        m.Saignee = 1.0;
        QVERIFY(EcrireMachine(b.fenetre.FichierReglages(), m));
        b.S().Vue.Omega = VueDeCote.Omega;
        b.S().Vue.Alpha = VueDeCote.Alpha;
        b.fenetre.Vue().AjusterVue();
        b.Controle<QToolButton>(QStringLiteral("cmdDecoupeSuivant"))->click();
        PiloteDecoupe& d = b.fenetre.Decoupe();
        QVERIFY(d.CheminGauche().empty());
        b.Controle<QToolButton>(QStringLiteral("chkDecoupeChariots"))->setChecked(true);
        const std::vector<PositionChariots> chemins = CheminsChariots(b.Profils(), m);
        QVERIFY(d.CheminGauche().size() == chemins.size() && d.CheminDroit().size() == chemins.size());
        for (size_t k = 0; k < chemins.size(); ++k) {
            QVERIFY(std::fabs(d.CheminGauche()[k].x - chemins[k].XG) < 1e-3);
            QVERIFY(std::fabs(d.CheminDroit()[k].y - chemins[k].YD) < 1e-3);
        }
        b.Controle<QToolButton>(QStringLiteral("chkDecoupeChariots"))->setChecked(false);
        QVERIFY(d.CheminGauche().empty());
    }

    void lectureEtPas()
    {
        BancGCode b;
        QVERIFY(b.Preparer(CarreE, CarreS, VuePerspective));
        PiloteDecoupe& d = b.fenetre.Decoupe();
        auto* suivant = b.Controle<QToolButton>("cmdDecoupeSuivant");
        auto* precedent = b.Controle<QToolButton>("cmdDecoupePrecedent");
        QVERIFY(suivant && precedent && suivant->isEnabled() && !d.Actif());
        suivant->click();
        suivant->click();
        QVERIFY(d.Actif());
        QCOMPARE(d.Temps(), 40.0 / VitesseDecoupeDefaut); // pair 3: two root sides of 20 mm
        QVERIFY(b.Controle<QLabel>("lblDecoupe")->isVisibleTo(&b.fenetre)
                && b.Controle<QLabel>("lblDecoupe")->text().startsWith(QStringLiteral("Paire 3 / 5")));
        precedent->click();
        QCOMPARE(d.Temps(), 20.0 / VitesseDecoupeDefaut);
        for (int i = 0; i < 6; ++i) suivant->click();
        QCOMPARE(d.Temps(), 80.0 / VitesseDecoupeDefaut); // stops at the last pair
        // Played from the end it starts again, and runs with the clock.
        auto* lecture = b.Controle<QToolButton>("chkDecoupeLecture");
        lecture->click();
        QVERIFY(d.EnLecture());
        QTRY_VERIFY(d.Temps() > 0.0);
        lecture->click();
        QVERIFY(!d.EnLecture() && d.Actif());
        QCOMPARE(b.s.Profils.PointsE, CarreE); // the player never changes the model
        // A zoom or a view change does not stop it; an editing command does.
        b.fenetre.Vue().RecalculerEcran();
        QVERIFY(d.Actif());
        b.Controle<QPushButton>("cmdSelectAll_0")->click();
        QVERIFY(!d.Actif() && !b.Controle<QLabel>("lblDecoupe")->isVisibleTo(&b.fenetre));
    }

    void indisponibleSiComptesDifferents()
    {
        BancGCode b;
        auto s = CarreS;
        s.pop_back();
        QVERIFY(b.Preparer(CarreE, s) && !b.Controle<QToolButton>("chkDecoupeLecture")->isEnabled());
        b.fenetre.Decoupe().Pas(1);
        QVERIFY(!b.fenetre.Decoupe().Actif());
    }


    void segmentsAVerifier()
    {
        // The badly synchronised tip crawls 1 mm on the first root side, then rushes 29 mm on the second.
        const std::pair<std::vector<PointProfil>, QString> saumons[] = {{CarreS, "Aucun segment à vérifier"},
            {Points({{0, 0}, {1, 0}, {10, 20}, {0, 10}, {0, 0}}), "1-2"}};
        for (const auto& [s, extrait] : saumons) {
            BancGCode b;
            QVERIFY(b.Preparer(CarreE, s));
            b.Controle<QPushButton>("cmdSegmentsAVerifier")->click();
            QCOMPARE(b.dialogues.Vus(), QStringList{"Segments à vérifier (Information)"});
            QVERIFY2(b.dialogues.messages[0].texte.contains(extrait), qPrintable(b.dialogues.messages[0].texte));
        }
    }
};

GALBIX_GUI_TEST_MAIN(TestGCodeFenetre)
#include "tst_gcode_fenetre.moc"
