// The editing commands through the main window: numeric fields, the placing buttons and
// their exclusions, selection buttons, undo and redo with the switches, keyboard shortcuts.
#include "common/BancFenetre.h"

#include <cmath>
#include <functional>

using namespace galbix;

using Mesure = std::function<double(const CoupleProfils&)>;
Q_DECLARE_METATYPE(Mesure)

namespace {

using galbix::tests::Naca;

int CompterEtat(const std::vector<PointProfil>& points, int16_t bit)
{ return int(std::count_if(points.begin(), points.end(), [bit](const PointProfil& p) { return AEtat(p, bit); })); }

const QStringList BoutonsPlacement = QStringLiteral("chkFleche_0 chkFleche_1 chkFleche_2 chkDiedre_0 chkDiedre_1 "
                                                    "chkDiedre_2 chkDiedre_3 chkDiedre_4 chkAligner").split(u' ');

// A loaded window: root NACA 2412 of chord 200, tip NACA 0012 of chord 150 shifted by
// (10, 5), spacing 500, one snapshot in the history, every command enabled.
struct BancEdition : galbix::tests::BancFenetre {
    explicit BancEdition(int parSurface = 40)
    {
        Charger(Naca("2412", parSurface, 200.0), Naca("0012", parSurface, 150.0, 10.0, 5.0));
        ToutActiver();
    }
    // "chkX" clicks a button, "txtX=v" enters v in a field.
    void Action(const QString& action)
    {
        const qsizetype egal = action.indexOf(u'=');
        egal < 0 ? Cliquer(action) : Entrer(action.left(egal), action.mid(egal + 1));
    }
    QStringList BoutonsEnfonces()
    {
        QStringList enfonces;
        for (const QString& nom : BoutonsPlacement)
            if (Bouton(nom)->isChecked()) enfonces << nom;
        return enfonces;
    }
};

} // namespace

class TestEdition : public QObject {
    Q_OBJECT

private slots:
    // Enter in each field: the value applied (the chord fields following every change), or the
    // refusal that leaves the model, the history and the text as they were.
    void saisie_data()
    {
        // message: refusal text; empty: applied
        tests::Colonnes<QString, QString, QString, Mesure, double, QString>(
            "champ", "texte", "message", "mesure", "attendu", "texteApres");
        const auto m = [](float CoupleProfils::*membre) {
            return Mesure([membre](const CoupleProfils& p) { return double(p.*membre); });
        };
        const Mesure x0([](const CoupleProfils& p) { return double(p.PointsE.front().X); });
        const Mesure y0([](const CoupleProfils& p) { return double(p.PointsE.front().Y); });
        QTest::newRow("corde E") << "txtCorde_0" << "100" << "" << m(&CoupleProfils::LargeurE) << 100.0 << "100.0";
        QTest::newRow("corde S") << "txtCorde_1" << "75.5" << "" << m(&CoupleProfils::LargeurS) << 75.5 << "75.5";
        QTest::newRow("écartement") << "txtEcartementZ" << "800" << "" << m(&CoupleProfils::EcartementZ) << 800.0 << "800.0";
        QTest::newRow("flèche") << "txtFleche" << "12.5" << "" << m(&CoupleProfils::FlecheBA) << 12.5 << "12.5";
        QTest::newRow("dièdre mm") << "txtDiedreMm" << "-4" << "" << m(&CoupleProfils::DiedreMm) << -4.0 << "-4.0";
        QTest::newRow("dièdre degrés") << "txtDiedreDeg" << "3" << "" << m(&CoupleProfils::DiedreDeg) << 3.0 << "3.0";
        QTest::newRow("étirer X") << "txtEtirer_0" << "50" << "" << m(&CoupleProfils::LargeurE) << 100.0 << "100.0";
        QTest::newRow("étirer prop.") << "txtEtirer_2" << "200" << "" << m(&CoupleProfils::LargeurS) << 300.0 << "100.0";
        QTest::newRow("tourner 180") << "txtTourner" << "180" << "" << x0 << 0.0 << "0.0";
        QTest::newRow("déplacer Y") << "txtDeplacer_1" << "5" << "" << y0 << 5.0 << "0.0";
        const QString nonNombre = QStringLiteral("Veuillez entrer un nombre décimal.");
        for (const char* nom : {"txtCorde_1", "txtEcartementZ", "txtDiedreDeg", "txtEtirer_2", "txtDeplacer_1"})
            QTest::newRow(nom) << nom << "12a" << nonNombre << Mesure() << 0.0 << "12a";
        QTest::newRow("écartement nul") << "txtEcartementZ" << "0" << TexteEcartementRefuse << Mesure() << 0.0 << "0";
        QTest::newRow("écartement négatif") << "txtEcartementZ" << "-5" << TexteEcartementRefuse << Mesure() << 0.0 << "-5";
        QTest::newRow("corde nulle") << "txtCorde_0" << "100" << TexteCordeNulle << Mesure() << 0.0 << "100";
    }
    void saisie()
    {
        QFETCH(QString, champ); QFETCH(QString, texte); QFETCH(QString, message); QFETCH(Mesure, mesure);
        QFETCH(double, attendu);
        BancEdition b;
        b.Cliquer(QStringLiteral("cmdSelectAll_0"));
        b.Cliquer(QStringLiteral("cmdSelectAll_1"));
        if (message == TexteCordeNulle)
            for (PointProfil& p : b.Profils().PointsE.Modifier()) p.X = p.Y = 0.0f;
        const CoupleProfils avant = b.Profils();
        const int taille = b.S().Historique.Taille();
        b.Entrer(champ, texte);
        QTEST(b.Champ(champ)->text(), "texteApres");
        if (message.isEmpty()) {
            QVERIFY(b.dialogues.messages.empty() && std::abs(mesure(b.Profils()) - attendu) < 1e-3);
            QVERIFY(b.S().Historique.Taille() > taille && !b.S().Edition.BlocageUndo);
            QCOMPARE((QStringList{b.Champ("txtCorde_0")->text(), b.Champ("txtCorde_1")->text()}),
                     (QStringList{FormaterChamp(b.Profils().LargeurE), FormaterChamp(b.Profils().LargeurS)}));
            return;
        }
        QCOMPARE(b.dialogues.Vus(), QStringList{"Erreur de saisie (Critique)"});
        QCOMPARE(b.dialogues.messages.front().texte, message);
        QCOMPARE(b.Champ(champ)->selectedText(), texte);
        QVERIFY(b.Profils().PointsE == avant.PointsE && b.Profils().PointsS == avant.PointsS);
        QVERIFY(b.Profils().EcartementZ == avant.EcartementZ && b.S().Historique.Taille() == taille);
    }

    // Leaving a field without Enter shows the value in force again; the wings' gap has none.
    void sortieDuChamp()
    {
        BancEdition b;
        b.S().Vue.EcartementIntermediaire = 250.0f;
        const std::pair<const char*, const char*> lignes[] = {
            {"txtCorde_0", "200.0"}, {"txtCorde_1", "150.0"}, {"txtEcartementZ", "500.0"}, {"txtFleche", "10.0"},
            {"txtEtirer_1", "100.0"}, {"txtTourner", "0.0"}, {"txtDeplacer_0", "0.0"}, {"txtDecaler", "0.0"},
            {"txtEcartementIntermediaire", "250.0"}, {"txtEcartementAiles", "7"}};
        for (const auto& [champ, texte] : lignes) {
            b.Champ(champ)->setText(QStringLiteral("7"));
            b.Quitter(b.Champ(champ));
            QCOMPARE(b.Champ(champ)->text(), QString::fromLatin1(texte));
        }
        QVERIFY(b.dialogues.messages.empty());
    }

    // The buttons and fields drive the switches (whose rules are tested with the wing geometry).
    void exclusions_data()
    {
        tests::Colonnes<QStringList, QStringList, int>("actions", "enfonces", "messages");
        const auto l = [](const char* t) { return QString::fromLatin1(t).split(u' ', Qt::SkipEmptyParts); };
        QTest::newRow("un seul par groupe") << l("chkFleche_0 chkFleche_2") << l("chkFleche_2") << 0;
        QTest::newRow("Aligner exclut tout") << l("chkFleche_1 chkDiedre_4 chkAligner") << l("chkAligner") << 0;
        QTest::newRow("flèche saisie") << l("chkFleche_0 chkDiedre_0 txtFleche=10") << l("chkDiedre_0") << 0;
        QTest::newRow("angle saisi") << l("chkFleche_0 chkDiedre_3 txtDiedreDeg=2") << l("chkFleche_0") << 0;
        QTest::newRow("corde garde les boutons") << l("chkFleche_2 txtCorde_1=90") << l("chkFleche_2") << 0;
        QTest::newRow("sans référence") << l("chkFleche_1 cmdRAZSelection_1 chkAligner") << l("chkFleche_1") << 1;
    }
    void exclusions()
    {
        QFETCH(QStringList, actions); QFETCH(QStringList, enfonces); QFETCH(int, messages);
        BancEdition b;
        b.Cliquer(QStringLiteral("optSelection_1"));
        b.Cliquer(QStringLiteral("cmdSelectionAuto_0")); // reference points on both sides
        b.Cliquer(QStringLiteral("cmdSelectionAuto_2"));
        for (const QString& action : actions) b.Action(action);
        QCOMPARE(b.BoutonsEnfonces(), enfonces);
        QCOMPARE(int(b.dialogues.messages.size()), messages);
        const InterrupteursGeometrie& inter = b.S().Geometrie.Interrupteurs;
        QCOMPARE(inter.Aligner, enfonces.contains(QStringLiteral("chkAligner")));
        QCOMPARE(inter.IndexFleche >= 0, bool(enfonces.filter(QStringLiteral("chkFleche")).size()));
        if (messages) QCOMPARE(b.dialogues.messages.front().titre, TitreSansReference);
    }

    void boutonsPlacentLeSaumon_data()
    {
        // champ: the field that shows the value kept
        tests::Colonnes<QString, Mesure, QString>("bouton", "ecart", "champ");
        QTest::newRow("BF") << "chkFleche_2"
                            << Mesure([](const CoupleProfils& p) { return p.XmaxS - p.XmaxE; }) << "txtFleche";
        QTest::newRow("intrados") << "chkDiedre_4"
                                  << Mesure([](const CoupleProfils& p) { return p.YminS - p.YminE; }) << "txtDiedreMm";
        QTest::newRow("Aligner") << "chkAligner" << Mesure([](const CoupleProfils& p) {
            return std::hypot(p.XrefS - p.XrefE, p.YrefS - p.YrefE);
        }) << "txtDiedreMm";
    }
    void boutonsPlacentLeSaumon()
    {
        QFETCH(QString, bouton); QFETCH(Mesure, ecart); QFETCH(QString, champ);
        BancEdition b;
        b.Cliquer(QStringLiteral("optSelection_1"));
        b.Cliquer(QStringLiteral("cmdSelectionAuto_1"));
        b.Cliquer(QStringLiteral("cmdSelectionAuto_3"));
        b.Cliquer(bouton);
        QVERIFY(b.Bouton(bouton)->isChecked());
        CalculerExtremes(b.Profils());
        QVERIFY2(std::abs(ecart(b.Profils())) < 1e-3, qPrintable(QString::number(ecart(b.Profils()))));
        const CoupleProfils& p = b.Profils();
        QCOMPARE(b.Champ(champ)->text(), FormaterChamp(champ == QLatin1String("txtFleche") ? p.FlecheBA : p.DiedreMm));
    }

    // After a shape change the button down places the tip again.
    void rotationAvecBF()
    {
        BancEdition b;
        b.Cliquer(QStringLiteral("chkFleche_2"));
        b.Cliquer(QStringLiteral("cmdSelectAll_1"));
        const CoupleProfils avant = b.Profils();
        b.Entrer(QStringLiteral("txtTourner"), QStringLiteral("15"));
        const CoupleProfils& p = b.Profils();
        QVERIFY(std::abs(p.HauteurS - avant.HauteurS) > 10.0f); // the tip did turn
        QVERIFY(std::abs(p.XmaxS - p.XmaxE) < 1e-3f && b.Bouton(QStringLiteral("chkFleche_2"))->isChecked());
        QCOMPARE(b.Champ(QStringLiteral("txtTourner"))->text(), QStringLiteral("0.0"));
        QCOMPARE(b.Champ(QStringLiteral("txtFleche"))->text(), FormaterChamp(p.FlecheBA));
        // One "Undo" goes back to before the rotation and its re-application.
        b.Cliquer(QStringLiteral("cmdUndo_0"));
        QVERIFY(b.Profils().PointsS == avant.PointsS);
    }

    void undoRedoRestaureLesInterrupteurs()
    {
        BancEdition b;
        std::vector<std::pair<QStringList, std::vector<PointProfil>>> etats{{{}, b.Profils().PointsS}};
        for (const char* bouton : {"chkFleche_2", "chkDiedre_4"}) {
            b.Cliquer(bouton);
            etats.push_back({b.BoutonsEnfonces(), b.Profils().PointsS});
        }
        HistoriqueUndo& h = b.S().Historique;
        // The snapshot before each button equals the one after the previous command: not kept.
        QCOMPARE(h.Taille(), 3);
        for (int i : {1, 0}) {
            b.Cliquer(QStringLiteral("cmdUndo_0"));
            QVERIFY(b.BoutonsEnfonces() == etats[size_t(i)].first && b.Profils().PointsS == etats[size_t(i)].second);
        }
        QCOMPARE(b.Champ(QStringLiteral("txtFleche"))->text(), QStringLiteral("10.0"));
        for (int i = 0; i < 3; ++i) b.Cliquer(QStringLiteral("cmdUndo_1"));
        QVERIFY(b.BoutonsEnfonces() == etats[2].first && b.Profils().PointsS == etats[2].second);
        QVERIFY(h.Taille() == 3 && h.Position() == 3 && !b.S().Edition.BlocageUndo);
    }

    void undoRestaureOptionEtAffichage()
    {
        BancEdition b;
        ControlesFenetre& c = b.fenetre.Controles();
        SessionEdition& s = b.S();
        b.Cliquer(QStringLiteral("optSelection_1"));
        QCOMPARE(s.Edition.ModeSelection, EtatReference);
        s.Vue.Options.AfficherPoints[CoteS] = false;
        c.chkAfficherPoints[CoteS]->setChecked(false);
        b.Cliquer(QStringLiteral("cmdSymetrie_0")); // records the option and the check box
        b.Cliquer(QStringLiteral("optSelection_2"));
        s.Vue.Options.AfficherPoints[CoteS] = true;
        c.chkAfficherPoints[CoteS]->setChecked(true);
        b.Cliquer(QStringLiteral("cmdUndo_0"));
        QVERIFY(c.optSelection[1]->isChecked() && s.Edition.ModeSelection == EtatReference);
        QVERIFY(!c.chkAfficherPoints[CoteS]->isChecked() && !s.Vue.Options.AfficherPoints[CoteS]);
        QVERIFY(c.chkAfficherProfil[CoteS]->isChecked());
    }

    void boutonsDeSelection_data()
    {
        tests::Colonnes<QStringList, int, int, int>("boutons", "bit", "nbE", "nbS");
        const int n = -1; // every point of the side
        const auto l = [](const char* t) { return QString::fromLatin1(t).split(u' '); };
        QTest::newRow("tout E") << l("cmdSelectAll_0") << int(EtatSelection) << n << 0;
        QTest::newRow("tout puis rien") << l("cmdSelectAll_0 cmdSelectAll_1 cmdRAZSelection_1") << 1 << n << 0;
        QTest::newRow("Xmin Xmax E") << l("cmdSelectionAuto_0") << int(EtatSelection) << 2 << 0;
        QTest::newRow("références") << l("optSelection_1 cmdSelectAll_1") << int(EtatReference) << 0 << n;
        QTest::newRow("synchro sans sélection") << l("optSelection_2 cmdSelectAll_0") << int(EtatSelection) << 0 << 0;
    }
    void boutonsDeSelection()
    {
        QFETCH(QStringList, boutons); QFETCH(int, bit); QFETCH(int, nbE); QFETCH(int, nbS);
        BancEdition b;
        for (const QString& nom : boutons) b.Cliquer(nom);
        if (nbE < 0) nbE = b.Profils().NbPointsE();
        if (nbS < 0) nbS = b.Profils().NbPointsS();
        QCOMPARE(CompterEtat(b.Profils().PointsE, int16_t(bit)), nbE);
        QCOMPARE(CompterEtat(b.Profils().PointsS, int16_t(bit)), nbS);
    }

    // With unconfirmed typing in a field, the keys undo and redo the typing; once the value is
    // confirmed with Enter they act on the model again.
    void raccourcisDansUnChampModifie()
    {
        BancEdition b;
        QVERIFY(b.Activer());
        const QString bf = QStringLiteral("chkFleche_2");
        b.Cliquer(bf);
        const HistoriqueUndo& h = b.S().Historique;
        const int position = h.Position();
        QLineEdit* champ = b.Champ(QStringLiteral("txtFleche"));
        champ->setFocus();
        const QString avant = champ->text();
        champ->selectAll();
        QTest::keyClicks(champ, QStringLiteral("12"));
        QCOMPARE(champ->text(), QStringLiteral("12"));
        for (const auto& [touche, texte] : {std::pair{Qt::Key_Z, avant}, std::pair{Qt::Key_Y, QStringLiteral("12")}}) {
            QTest::keyClick(champ, touche, Qt::ControlModifier);
            QVERIFY(champ->text() == texte && h.Position() == position && b.Bouton(bf)->isChecked());
        }
        QTest::keyClick(champ, Qt::Key_Return);
        QVERIFY(!b.Bouton(bf)->isChecked());
        QTest::keyClick(champ, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(b.Bouton(bf)->isChecked() && champ->text() == avant);
    }


    // Outside the fields the keys act like their buttons; Ctrl+A selects the current side.
    void raccourcis()
    {
        BancEdition b;
        QVERIFY(b.Activer());
        if (QApplication::focusWidget()) QApplication::focusWidget()->clearFocus();
        const QString bf = QStringLiteral("chkFleche_2");
        b.Cliquer(bf);
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, bool> touches[] = {
            {Qt::Key_Z, Qt::ControlModifier, false}, {Qt::Key_Y, Qt::ControlModifier, true},
            {Qt::Key_Z, Qt::ControlModifier, false}, {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, true}};
        for (const auto& [touche, modificateurs, enfonce] : touches) {
            QTest::keyClick(&b.fenetre, touche, modificateurs);
            QCOMPARE(b.Bouton(bf)->isChecked(), enfonce);
        }
        b.S().Vue.CoteCourant = QStringLiteral("S");
        QTest::keyClick(&b.fenetre, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(CompterEtat(b.Profils().PointsS, EtatSelection), b.Profils().NbPointsS());
        QCOMPARE(CompterEtat(b.Profils().PointsE, EtatSelection), 0);
    }
};

GALBIX_GUI_TEST_MAIN(TestEdition)
#include "tst_edition.moc"
