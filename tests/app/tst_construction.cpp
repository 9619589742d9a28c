// The construction and cleaning commands through the main window: the buttons and the offset
// field, their messages answered by a script, the wire and surface switches, and undo.
#include "common/BancFenetre.h"
#include "common/TestMain.h"

#include <QCheckBox>
#include <QtTest>

using namespace galbix;
using galbix::tests::Naca;

namespace {

void Selectionner(std::vector<PointProfil>& points, std::initializer_list<int> numeros)
{
    for (int k : numeros)
        PoserEtat(points[size_t(k - 1)], EtatSelection);
}

// A loaded window with two NACA profiles of 40 points per surface and one snapshot in the history.
struct Banc : tests::BancFenetre {
    Banc()
    {
        Charger(Naca("2412", 40, 200.0), Naca("0012", 40, 150.0));
        S().Geometrie.FlecheSaisie = Profils().FlecheBA; // the tip stays where it is when the root changes
        S().Geometrie.DiedreMmSaisi = Profils().DiedreMm;
        ToutActiver();
    }
};

} // namespace

class TestConstructionFenetre : public QObject {
    Q_OBJECT

private slots:
    // Root: two crossing segments spliced in; tip: three points selected. The root gains
    // its crossing, the tip refuses, the wire and surface switches go off, Undo restores.
    void intersection()
    {
        Banc b;
        CoupleProfils& p = b.Profils();
        const std::vector<PointProfil> croix{{50, 40, 1}, {60, 40, 1}, {55, 35, 1}, {55, 45, 1}};
        p.PointsE.insert(p.PointsE.begin() + 10, croix.begin(), croix.end());
        p.PointsS.insert(p.PointsS.begin() + 10, 4, PointProfil{1, 1, 0});
        Selectionner(p.PointsS, {3, 4, 5});
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
        for (PointProfil& q : p.PointsS)
            q.Etat = 0;
        const std::vector<PointProfil> coin{{0, 0, 1}, {10, 0, 1}, {10, 0, 1}, {10, 5, 1}};
        p.PointsS.insert(p.PointsS.begin() + 20, coin.begin(), coin.end());
        b.dialogues.messages.clear();
        b.Cliquer(QStringLiteral("cmdIntersection"));
        QCOMPARE(b.dialogues.Vus(), QStringList{"Intersection en bout de segment au saumon (Information)"});
        QCOMPARE(p.PointsS[23], (PointProfil{10, 0, 0}));
    }

    // Enter in the offset field: the selected stretch moves, the field goes back to 0.
    void decalage()
    {
        Banc b;
        CoupleProfils& p = b.Profils();
        Selectionner(p.PointsE, {5, 6, 7, 8});
        const CoupleProfils avant = p;
        b.Entrer(QStringLiteral("txtDecaler"), QStringLiteral("1.5"));
        QCOMPARE(b.C().txtDecaler->text(), QStringLiteral("0.0"));
        QVERIFY(b.dialogues.messages.empty());
        QVERIFY(p.PointsE[4] != avant.PointsE[4] && p.PointsE[7] != avant.PointsE[7]);
        QVERIFY(p.PointsE[3] == avant.PointsE[3] && p.PointsE[8] == avant.PointsE[8]);
        QVERIFY(p.PointsS == avant.PointsS);
        // The run moved by 1.5 mm: its first point sits 1.5 mm from where it was.
        QCOMPARE(std::round(std::hypot(p.PointsE[4].X - avant.PointsE[4].X, p.PointsE[4].Y - avant.PointsE[4].Y) * 1000),
                 1500.0);
        b.Cliquer(QStringLiteral("cmdUndo_0"));
        QVERIFY(p.PointsE == avant.PointsE);
    }

    void nettoyage_data()
    {
        QTest::addColumn<bool>("egaux");
        QTest::addColumn<int>("reponse"); // -1: no question expected
        QTest::addColumn<bool>("synchrone");
        QTest::newRow("égaux, oui: synchrone") << true << int(ReponseMessage::Oui) << true;
        QTest::newRow("égaux, non: total") << true << int(ReponseMessage::Non) << false;
        QTest::newRow("différents: total sans question") << false << -1 << false;
    }
    void nettoyage()
    {
        QFETCH(bool, egaux);
        QFETCH(int, reponse);
        QFETCH(bool, synchrone);
        Banc b;
        CoupleProfils& p = b.Profils();
        p.PointsE = Naca("2412", 300, 200.0);
        p.PointsS = Naca("0012", egaux ? 300 : 200, 150.0);
        for (PointProfil& q : p.PointsE)
            q.Etat = EtatSynchro;
        if (reponse >= 0)
            b.dialogues.reponses.push_back(ReponseMessage(reponse));
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
        Banc b;
        CoupleProfils& p = b.Profils();
        Selectionner(p.PointsE, {1, 2});
        b.Cliquer(QStringLiteral("cmdLisser"));
        QCOMPARE(b.dialogues.Titres(), QStringList{QStringLiteral("Erreur de sélection")});
        p.PointsE[0].Etat = 0;
        p.PointsE[1].Etat = 0;
        for (int k = 30; k <= 50; ++k)
            p.PointsE[size_t(k)].Etat = EtatSelection;
        const CoupleProfils avant = p;
        b.Cliquer(QStringLiteral("cmdLisser"));
        QCOMPARE(b.dialogues.messages.size(), size_t(1));
        QCOMPARE(p.NbPointsE(), avant.NbPointsE());
        QVERIFY(p.PointsE[29] == avant.PointsE[29] && p.PointsE[51] == avant.PointsE[51]);
        QVERIFY(p.PointsE != avant.PointsE);
        b.Cliquer(QStringLiteral("cmdUndo_0"));
        QVERIFY(p.PointsE == avant.PointsE);
    }
};

GALBIX_GUI_TEST_MAIN(TestConstructionFenetre)
#include "tst_construction.moc"
