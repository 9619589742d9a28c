// The whole-point commands through the main window: the system clipboard both ways, the two
// wings from the gap field, the profile-insertion mode entered and left with and without a
// profile opened; the construction and cleaning commands with their messages and undo.
#include "common/BancFenetre.h"

#include "app/PiloteEditionPoints.h"


using namespace galbix;
using galbix::tests::Naca;

namespace {

using BancPoints = galbix::tests::BancRangees;

QCheckBox* InsertionProfils(BancPoints& b) { return b.Controle<QCheckBox>(QStringLiteral("chkInsertionProfils")); }

void SelectionnerPoints(std::vector<PointProfil>& points, std::initializer_list<int> numeros)
{
    for (int k : numeros) PoserEtat(points[size_t(k - 1)], EtatSelection);
}

// A loaded window with two NACA profiles of 40 points per surface and one snapshot in the history.
struct BancConstruction : tests::BancFenetre {
    BancConstruction()
    {
        Charger(Naca("2412", 40, 200.0), Naca("0012", 40, 150.0));
        S().Geometrie.FlecheSaisie = Profils().FlecheBA; // the tip stays where it is when the root changes
        S().Geometrie.DiedreMmSaisi = Profils().DiedreMm;
        ToutActiver();
    }
};

} // namespace

class TestEditionPointsFenetre : public QObject {
    Q_OBJECT

private slots:
    void copieVersPressePapiersSysteme()
    {
        BancPoints b;
        b.Bouton(QStringLiteral("cmdCopier"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Emplanture\n2\t0.2\n3\t0.3\n4\t0.4\nSaumon\n5\t1.5\n"));
        // The copied points are no longer selected.
        QCOMPARE(b.Profils().PointsE[1].Etat, int16_t(0));
    }

    // With an empty clipboard of its own, "Coller" takes the points of the system clipboard's text.
    void collerDepuisPressePapiersSysteme()
    {
        BancPoints b;
        QGuiApplication::clipboard()->setText(QStringLiteral("X\tY\n10\t0\n11\t1\n12\t0\n"));
        b.Bouton(QStringLiteral("cmdColler"))->click();
        QCOMPARE(b.Profils().NbPointsE(), 10 + 3 * 4);
        QCOMPARE(b.Profils().NbPointsS(), 10 + 4);
        // Pasted onto point 5 of S: its first point on top of it, the shape kept.
        const auto& s = b.Profils().PointsS;
        QVERIFY(s[5].X == 5.0f && s[6].X == 6.0f && s[6].Y - s[5].Y == 1.0f);
        // One "Undo" gives the state before.
        b.Bouton(QStringLiteral("cmdUndo_0"))->click();
        QCOMPARE(b.Profils().PointsS, tests::RangeePoints(QStringLiteral("0000100000"), 1.0f));
    }

    void deuxAiles()
    {
        BancPoints b;
        auto* champ = b.fenetre.findChild<QLineEdit*>(QStringLiteral("txtEcartementAiles"));
        champ->setText(QStringLiteral("1.2.3"));
        b.Bouton(QStringLiteral("cmdDupliquer_0"))->click();
        QCOMPARE(b.dialogues.Titres(), QStringList{"Erreur de saisie de l'écartement"});
        QVERIFY(champ->selectedText() == QStringLiteral("1.2.3") && b.Profils().NbPointsE() == 10);
        champ->setText(QStringLiteral("10"));
        b.Bouton(QStringLiteral("cmdDupliquer_0"))->click();
        QVERIFY(b.Profils().NbPointsE() == 20 && b.Profils().NbPointsS() == 20 && champ->text() == QStringLiteral("10.0"));
        // Mirror line half the gap below the root's lowest point (0.1): y = -4.9.
        QVERIFY(qAbs(b.Profils().PointsE[10].Y - (2 * -4.9 - 1.0)) < 1e-4);
    }

    void insertionSansProfil()
    {
        BancPoints b;
        const CoupleProfils avant = b.Profils();
        const int taille = b.fenetre.Session().Historique.Taille();
        InsertionProfils(b)->click();
        QVERIFY(b.fenetre.EditionPoints().InsertionActive());
        QVERIFY(b.dialogues.messages.empty()); // points are selected: no warning
        auto* libelle = b.fenetre.findChild<QLabel*>(QStringLiteral("lblInsertionProfils"));
        QVERIFY(!libelle->isHidden());
        QCOMPARE(libelle->text(), QStringLiteral(" MODE INSERTION DE PROFILS "));
        QVERIFY(b.Profils().PointsE.empty() && b.S().Historique.Taille() == 0 && !b.S().ProjetOuvert);
        QVERIFY(galbix::tests::LireOctets(b.Fichier(QStringLiteral("Galbix.ini"))).contains("Width="));
        QVERIFY(InsertionProfils(b)->isEnabled());
        InsertionProfils(b)->click();
        QVERIFY(!b.fenetre.EditionPoints().InsertionActive() && libelle->isHidden());
        QVERIFY(b.Profils().PointsE == avant.PointsE && b.Profils().PointsS == avant.PointsS);
        QVERIFY(b.S().Historique.Taille() == taille && b.S().ProjetOuvert);
    }

    // One point selected on each side enables the box, and clearing the selection keeps it
    // usable: the warning, then the 4-point profile opened goes after the last point of each
    // side and returns to it.
    void insertionAvecProfil()
    {
        BancPoints b;
        InsertionProfils(b)->setEnabled(false);
        for (int cote : {CoteE, CoteS})
            for (PointProfil& p : b.Profils().Points(cote).Modifier())
                p.Etat = 0;
        b.Profils().PointsE.Modifier()[2].Etat = b.Profils().PointsS.Modifier()[4].Etat = EtatSelection;
        b.fenetre.Vue().RafraichirVue();
        QVERIFY(InsertionProfils(b)->isEnabled());
        for (const char* nom : {"cmdRAZSelection_0", "cmdRAZSelection_1"})
            b.Bouton(QString::fromLatin1(nom))->click();
        QCOMPARE(b.fenetre.Session().Vue.NbSelE + b.fenetre.Session().Vue.NbSelS, 0);
        QVERIFY(InsertionProfils(b)->isEnabled());
        b.fenetre.Edition().EnregistrerUndo();
        const CoupleProfils avant = b.Profils();
        const int taille = b.fenetre.Session().Historique.Taille();
        InsertionProfils(b)->click();
        QCOMPARE(b.dialogues.Titres(), QStringList{"Pas de sélection sur un profil"});

        const QString profil = b.Fichier(QStringLiteral("insere.dat"));
        QVERIFY(galbix::tests::EcrireOctets(profil, "essai\n1 0\n0.5 0.1\n0 0\n0.5 -0.1\n"));
        b.dialogues.fichiers.push_back(ChoixFichier{false, profil, 2});
        b.Bouton(QStringLiteral("cmdOuvrirProfil_0"))->click();
        QCOMPARE(b.Profils().NbPointsE(), 4);
        QVERIFY(b.fenetre.Session().ProjetOuvert && InsertionProfils(b)->isEnabled());

        InsertionProfils(b)->click();
        QVERIFY(!b.fenetre.EditionPoints().InsertionActive());
        // The splice itself is tested with the point commands: the profile and the way back.
        QVERIFY(b.Profils().NbPointsE() == avant.NbPointsE() + 5 && b.Profils().NbPointsS() == avant.NbPointsS() + 5);
        QCOMPARE(b.S().Historique.Taille(), taille + 1);
        // "Undo" goes back to the work as it was before the mode.
        b.Bouton(QStringLiteral("cmdUndo_0"))->click();
        QCOMPARE(b.Profils().PointsE, avant.PointsE);
    }

    // Root: two crossing segments spliced in; tip: three points selected. The root gains
    // its crossing, the tip refuses, the wire and surface switches go off, Undo restores.
    void intersection()
    {
        BancConstruction b;
        CoupleProfils& p = b.Profils();
        const std::vector<PointProfil> croix{{50, 40, 1}, {60, 40, 1}, {55, 35, 1}, {55, 45, 1}};
        p.PointsE.Modifier().insert(p.PointsE.Modifier().begin() + 10, croix.begin(), croix.end());
        p.PointsS.Modifier().insert(p.PointsS.Modifier().begin() + 10, 4, PointProfil{1, 1, 0});
        SelectionnerPoints(p.PointsS.Modifier(), {3, 4, 5});
        b.fenetre.Edition().EnregistrerUndo();
        const CoupleProfils avant = p;
        b.Cliquer(QStringLiteral("cmdIntersection"));
        QCOMPARE(p.NbPointsE(), avant.NbPointsE() + 1);
        QCOMPARE(p.PointsE[13], (PointProfil{55, 40, 0}));
        QVERIFY(p.PointsS == avant.PointsS);
        QCOMPARE(b.dialogues.Vus(), QStringList{"Erreur de sélection au saumon (Critique)"});
        QVERIFY(!b.C().chkFil->isEnabled() && !b.C().chkSurface->isEnabled());
        b.Cliquer(QStringLiteral("cmdUndo_0"));
        QVERIFY(p.PointsE == avant.PointsE);
        // A crossing at the end of a segment is reported and still inserted.
        for (PointProfil& q : p.PointsS.Modifier()) q.Etat = 0;
        const std::vector<PointProfil> coin{{0, 0, 1}, {10, 0, 1}, {10, 0, 1}, {10, 5, 1}};
        p.PointsS.Modifier().insert(p.PointsS.begin() + 20, coin.begin(), coin.end());
        b.dialogues.messages.clear();
        b.Cliquer(QStringLiteral("cmdIntersection"));
        QCOMPARE(b.dialogues.Vus(), QStringList{"Intersection en bout de segment au saumon (Information)"});
        QCOMPARE(p.PointsS[23], (PointProfil{10, 0, 0}));
    }

    // Enter in the offset field: the selected stretch moves, the field goes back to 0.
    void decalage()
    {
        BancConstruction b;
        CoupleProfils& p = b.Profils();
        SelectionnerPoints(p.PointsE.Modifier(), {5, 6, 7, 8});
        const CoupleProfils avant = p;
        b.Entrer(QStringLiteral("txtDecaler"), QStringLiteral("1.5"));
        QCOMPARE(b.C().txtDecaler->text(), QStringLiteral("0.0"));
        QVERIFY(b.dialogues.messages.empty() && p.PointsE[4] != avant.PointsE[4] && p.PointsE[7] != avant.PointsE[7]);
        QVERIFY(p.PointsE[3] == avant.PointsE[3] && p.PointsE[8] == avant.PointsE[8] && p.PointsS == avant.PointsS);
        // The run moved by 1.5 mm: its first point sits 1.5 mm from where it was.
        QCOMPARE(std::round(std::hypot(p.PointsE[4].X - avant.PointsE[4].X, p.PointsE[4].Y - avant.PointsE[4].Y) * 1000),
                 1500.0);
        b.Cliquer(QStringLiteral("cmdUndo_0"));
        QVERIFY(p.PointsE == avant.PointsE);
    }

    void nettoyage_data()
    {
        // reponse: -1: no question expected
        tests::Colonnes<bool, int, bool>("egaux", "reponse", "synchrone");
        QTest::newRow("égaux, oui: synchrone") << true << int(ReponseMessage::Oui) << true;
        QTest::newRow("égaux, non: total") << true << int(ReponseMessage::Non) << false;
        QTest::newRow("différents: total sans question") << false << -1 << false;
    }
    void nettoyage()
    {
        QFETCH(bool, egaux); QFETCH(int, reponse); QFETCH(bool, synchrone);
        BancConstruction b;
        CoupleProfils& p = b.Profils();
        p.PointsE = Naca("2412", 300, 200.0);
        p.PointsS = Naca("0012", egaux ? 300 : 200, 150.0);
        for (PointProfil& q : p.PointsE.Modifier()) q.Etat = EtatSynchro;
        if (reponse >= 0) b.dialogues.reponses.push_back(ReponseMessage(reponse));
        const CoupleProfils avant = p;
        b.Cliquer(QStringLiteral("cmdNettoyage"));
        QCOMPARE(b.dialogues.Vus(), reponse >= 0 ? QStringList{"Nettoyage (Question, OuiNon)"} : QStringList());
        QVERIFY(p.NbPointsE() < avant.NbPointsE() / 2);
        QCOMPARE(p.NbPointsE() == p.NbPointsS(), synchrone);
        QCOMPARE(p.PointsE.front().Etat, synchrone ? EtatSynchro : int16_t(0));
        b.Cliquer(QStringLiteral("cmdUndo_0"));
        QVERIFY(p.PointsE == avant.PointsE && p.PointsS == avant.PointsS);
    }

    void lissage()
    {
        BancConstruction b;
        CoupleProfils& p = b.Profils();
        SelectionnerPoints(p.PointsE.Modifier(), {1, 2});
        b.Cliquer(QStringLiteral("cmdLisser"));
        QCOMPARE(b.dialogues.Vus(), QStringList{"Erreur de sélection (Critique)"});
        p.PointsE.Modifier()[0].Etat = p.PointsE.Modifier()[1].Etat = 0;
        for (int k = 30; k <= 50; ++k) p.PointsE.Modifier()[size_t(k)].Etat = EtatSelection;
        const CoupleProfils avant = p;
        b.Cliquer(QStringLiteral("cmdLisser"));
        QVERIFY(b.dialogues.messages.size() == 1 && p.NbPointsE() == avant.NbPointsE() && p.PointsE != avant.PointsE);
        QVERIFY(p.PointsE[29] == avant.PointsE[29] && p.PointsE[51] == avant.PointsE[51]);
        b.Cliquer(QStringLiteral("cmdUndo_0"));
        QVERIFY(p.PointsE == avant.PointsE);
    }
};

GALBIX_GUI_TEST_MAIN(TestEditionPointsFenetre)
#include "tst_edition_points.moc"
