#include "common/Colonnes.h"
#include "common/Profils.h"
#include "common/TestMain.h"
#include "app/SessionEdition.h"
#include "editing/Queue.h"
#include "model/Extremes.h"
#include "model/Naca.h"

#include <QPointF>
#include <cmath>

using namespace galbix;

namespace {

// Everything a command works on, as the window holds it: a root NACA 2412 of chord 200 and a
// tip NACA 0012 of chord 150, placed once, and one snapshot of that state.
struct Session : SessionEdition {
    ContexteEdition Ctx = Contexte();

    Session() {
        Profils.PointsE = tests::Naca("2412", 40, 200);
        Profils.PointsS = tests::Naca("0012", 40, 150, 30, 8);
        Profils.EcartementZ = 500;
        TerminerCommande(Ctx);
    }
    void SelectionnerTout(int cote) {
        for (PointProfil& p : Profils.Points(cote).Modifier())
            PoserEtat(p, EtatSelection);
    }
};

enum Commande {
    Miroir_, Tourner_, Corde, CordeNulle, Ecartement, EcartementNul, DiedreDeg,
    PresserFleche, RelacherFleche, AlignerRefuse, AlignerAccepte, ToutSelectionner, XminXmax, Ligne, LigneVide, Inverser
};

SuiteCommande Executer(Session& s, int commande) {
    ContexteEdition& c = s.Ctx;
    switch (commande) {
    case Miroir_: return CommandeMiroir(c, SensMiroir::Vertical);
    case Tourner_: s.SelectionnerTout(CoteS); return CommandeTourner(c, 5);
    case Corde: return CommandeCorde(c, CoteS, 120);
    case CordeNulle:
        for (PointProfil& p : s.Profils.PointsS.Modifier())
            p.X = 4.0f;
        return CommandeCorde(c, CoteS, 120);
    case Ecartement: return CommandeEcartement(c, 800);
    case EcartementNul: return CommandeEcartement(c, 0);
    case DiedreDeg: return CommandeDiedreDeg(c, 3);
    case PresserFleche: return CommandeBoutonFleche(c, FlecheAlignerBF, true);
    case RelacherFleche: return CommandeBoutonFleche(c, FlecheAlignerBF, false);
    case AlignerRefuse: return CommandeAligner(c, true);
    case AlignerAccepte:
        PoserEtat(s.Profils.PointsE.Modifier()[5], EtatReference);
        PoserEtat(s.Profils.PointsS.Modifier()[5], EtatReference);
        return CommandeAligner(c, true);
    case ToutSelectionner: return CommandePanneau(c, CoteE, CommandeCote::ToutSelectionner);
    case XminXmax: return CommandePanneau(c, CoteS, CommandeCote::XminXmax);
    case Ligne: return CommandeLigne(c, CoteE, 2);
    case LigneVide: return CommandeLigne(c, CoteE, 0);
    case Inverser: return CommandeInverserSens(c);
    }
    return {};
}

} // namespace

class TestQueue : public QObject {
    Q_OBJECT
private slots:
    void instantanes_data() {
        // entrees: snapshots added without BlocageUndo; a state equal to the current one is not kept, so
        // a command that moves nothing (no selection) adds none. debloque: the command clears BlocageUndo.
        tests::Colonnes<int, int, bool, bool, int>("commande", "entrees", "debloque", "refuse", "vue");
        const int R = int(MiseAJourVue::Reprojeter), F = int(MiseAJourVue::Rafraichir), A = int(MiseAJourVue::Aucune);
        QTest::newRow("miroir") << int(Miroir_) << 0 << true << false << R;
        QTest::newRow("tourner") << int(Tourner_) << 2 << true << false << R;
        QTest::newRow("corde") << int(Corde) << 1 << true << false << R;
        QTest::newRow("corde d'un profil de corde nulle") << int(CordeNulle) << 0 << false << true << A;
        QTest::newRow("écartement") << int(Ecartement) << 1 << true << false << R;
        QTest::newRow("écartement nul") << int(EcartementNul) << 0 << false << true << A;
        QTest::newRow("dièdre degrés") << int(DiedreDeg) << 1 << true << false << R;
        QTest::newRow("bouton flèche") << int(PresserFleche) << 1 << true << false << R;
        QTest::newRow("bouton relâché") << int(RelacherFleche) << 0 << false << false << A;
        QTest::newRow("Aligner refusé") << int(AlignerRefuse) << 0 << false << false << A;
        QTest::newRow("Aligner") << int(AlignerAccepte) << 2 << true << false << R;
        QTest::newRow("tout sélectionner") << int(ToutSelectionner) << 0 << false << false << F;
        QTest::newRow("Xmin Xmax") << int(XminXmax) << 1 << true << false << R;
        QTest::newRow("clic de ligne") << int(Ligne) << 1 << true << false << F;
        QTest::newRow("clic de ligne vide") << int(LigneVide) << 0 << false << false << A;
        QTest::newRow("inverser le sens") << int(Inverser) << 0 << true << false << R;
    }

    // How many snapshots each command records, none while BlocageUndo is set, and the
    // guard cleared by every command that ends with the tail.
    void instantanes() {
        QFETCH(int, commande); QFETCH(int, entrees); QFETCH(bool, debloque);
        for (const bool bloque : {false, true}) {
            Session s;
            const int avant = s.Historique.Taille();
            s.Edition.BlocageUndo = bloque;
            const SuiteCommande suite = Executer(s, commande);
            QCOMPARE(s.Historique.Taille() - avant, bloque ? 0 : entrees);
            QCOMPARE(s.Edition.BlocageUndo, bloque && !debloque);
            QTEST(suite.Refuse, "refuse");
            QTEST(int(suite.Vue), "vue");
        }
    }

    // A mirror right after another recorded command: the first "Undo" goes back before the
    // mirror, the second shows no change, and "Redo" twice brings the mirror back.
    void miroirApresCommande() {
        Session s;
        s.SelectionnerTout(CoteE);
        CommandeFleche(s.Ctx, 12);
        const CoupleProfils avantMiroir = s.Profils;
        CommandeMiroir(s.Ctx, SensMiroir::Horizontal);
        const CoupleProfils apresMiroir = s.Profils;
        QVERIFY(apresMiroir.PointsE != avantMiroir.PointsE);
        const auto comme = [&](const CoupleProfils& c) {
            return s.Profils.PointsE == c.PointsE && s.Profils.PointsS == c.PointsS;
        };
        CommandeAnnuler(s.Ctx);
        QVERIFY(comme(avantMiroir));
        CommandeAnnuler(s.Ctx); // back before the sweep: the root as before the mirror all the same
        QCOMPARE(s.Profils.PointsE, avantMiroir.PointsE);
        CommandeRetablir(s.Ctx);
        QCOMPARE(s.Profils.PointsE, avantMiroir.PointsE);
        CommandeRetablir(s.Ctx);
        QVERIFY(comme(apresMiroir));
    }

    // "Undo" gives back every switch, option and check box, and the tip stays where the
    // restored state shows it at the next re-application.
    void restauration() {
        Session s;
        CommandeFleche(s.Ctx, 0);
        const CoupleProfils sansFleche = s.Profils;
        s.Edition.PointCourantE = 7;
        s.Vue.Options.AfficherPoints[CoteS] = false;
        CommandeModeSelection(s.Ctx, 1);
        CommandeBoutonFleche(s.Ctx, FlecheAlignerBF, true);
        CommandeBoutonDiedre(s.Ctx, DiedreAlignerIntrados, true);
        const ReglagesUndo apres = ReglagesActuels(s.Ctx);
        QCOMPARE(apres, (ReglagesUndo{2, 4, false, 7, 1, 1, true, true, true, false}));

        s.Edition.BlocageUndo = true;
        SuiteCommande suite = CommandeAnnuler(s.Ctx);
        QVERIFY(!s.Edition.BlocageUndo);
        QVERIFY(suite.ReglagesRestaures && suite.Textes);
        QCOMPARE(s.Geometrie.Interrupteurs, (InterrupteursGeometrie{2, -1, false}));
        QCOMPARE(s.Edition.ModeSelection, EtatReference);
        for (int i = 0; i < 3; ++i)
            CommandeAnnuler(s.Ctx);
        QCOMPARE(s.Geometrie.Interrupteurs, InterrupteursGeometrie{});
        QCOMPARE(s.Profils.PointsS, sansFleche.PointsS);
        QCOMPARE(s.Edition.PointCourantE, 1);
        QVERIFY(s.Vue.Options.AfficherPoints[CoteS]);
        QCOMPARE(suite.Textes->Fleche, QStringLiteral("50.0"));

        // The undone "Aligner les BF" must not come back with the next shape change.
        s.SelectionnerTout(CoteE);
        CommandeMiroir(s.Ctx, SensMiroir::Vertical);
        QVERIFY(std::fabs(s.Profils.FlecheBA) < 1e-4);
    }

    void reapplication_data() {
        QTest::addColumn<int>("commande");
        int k = 0;
        for (const char* nom : {"rotation", "étirement", "translation", "miroir", "corde"})
            QTest::newRow(nom) << k++;
    }

    // With "Aligner les BF" and "Aligner les extrados" down, the trailing edges and the upper
    // surfaces are level again after every shape change of the tip.
    void reapplication() {
        QFETCH(int, commande);
        Session s;
        CommandeBoutonFleche(s.Ctx, FlecheAlignerBF, true);
        CommandeBoutonDiedre(s.Ctx, DiedreAlignerExtrados, true);
        s.SelectionnerTout(CoteS);
        const float largeurE = s.Profils.LargeurE;
        SuiteCommande suite;
        switch (commande) {
        case 0: suite = CommandeTourner(s.Ctx, 15); break;
        case 1: suite = CommandeEtirer(s.Ctx, SensEtirement::Proportionnel, 70); break;
        case 2: suite = CommandeDeplacer(s.Ctx, SensTranslation::X, -40); break;
        case 3: suite = CommandeMiroir(s.Ctx, SensMiroir::Horizontal); break;
        case 4: suite = CommandeCorde(s.Ctx, CoteS, 90); break;
        }
        QVERIFY(std::fabs(s.Profils.XmaxE - s.Profils.XmaxS) < 1e-3 && std::fabs(s.Profils.YmaxE - s.Profils.YmaxS) < 1e-3);
        QCOMPARE(s.Geometrie.Interrupteurs, (InterrupteursGeometrie{FlecheAlignerBF, DiedreAlignerExtrados, false}));
        QVERIFY(!suite.InterrupteursModifies && !suite.Message);
        QCOMPARE(s.Profils.LargeurE, largeurE);
        QCOMPARE(suite.Textes->Corde[CoteE], FormaterChamp(largeurE));
        QCOMPARE(suite.Textes->LabelFleche, QStringLiteral("0.0"));
        QCOMPARE(suite.RemettreChamps, commande <= 2);
    }

    // In the reference mode with "Aligner" down, a selection gesture re-runs the alignment;
    // once a side has no reference point left the alignment is refused and "Aligner" pops up.
    void realignement() {
        Session s;
        CommandeModeSelection(s.Ctx, 1);
        s.Edition.PointCourantE = 40;
        s.Edition.PointCourantS = 1;
        for (int cote : {CoteE, CoteS})
            CommandeLigne(s.Ctx, cote, 2);
        CommandeAligner(s.Ctx, true);
        QCOMPARE(s.Profils.PointsS[0].X, s.Profils.PointsE[39].X);

        const int avant = s.Historique.Taille();
        CommandePanneau(s.Ctx, CoteS, CommandeCote::XminXmax);
        QCOMPARE(s.Historique.Taille() - avant, 2); // the selection, then the tip aligned again
        QVERIFY(std::fabs(s.Profils.XrefS - s.Profils.XrefE) < 1e-3);
        QVERIFY(std::fabs(s.Profils.PointsS[0].X - s.Profils.PointsE[39].X) > 1.0f);

        CommandeModeSelection(s.Ctx, 0);
        const int avantLigne = s.Historique.Taille();
        CommandeLigne(s.Ctx, CoteS, 3);
        QCOMPARE(s.Historique.Taille() - avantLigne, 1);
        QVERIFY(s.Geometrie.Interrupteurs.Aligner);

        CommandeModeSelection(s.Ctx, 1);
        const SuiteCommande suite = CommandePanneau(s.Ctx, CoteS, CommandeCote::ToutDeselectionner);
        QCOMPARE(suite.Message ? suite.Message->Titre : QString(), QStringLiteral("Pas de sélection violette"));
        QVERIFY(suite.InterrupteursModifies);
        QVERIFY(!s.Geometrie.Interrupteurs.Aligner);
    }
};

GALBIX_TEST_MAIN(TestQueue)
#include "tst_queue.moc"
