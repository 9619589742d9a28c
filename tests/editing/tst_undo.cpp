#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "editing/Undo.h"
#include <numeric>

#include <QRegularExpression>

using namespace galbix;
using Ids = QList<int>;

namespace {

// A model recognisable by its number: the spacing and a point carry it.
CoupleProfils Modele(int id) {
    CoupleProfils c{.PointsE = {{float(id), 1.0f, 1}, {2.0f, float(id), 0}},
                     .PointsS = std::vector<PointProfil>(size_t(id % 4 + 1), PointProfil{float(id), 0.0f, 2})};
    c.EcartementZ = float(id);
    return c;
}

int IdDe(const EtatUndo& e) { return int(e.EcartementZ); }

Ids Contenu(const HistoriqueUndo& h) {
    Ids ids;
    for (int i = 1; i <= h.Taille(); ++i)
        ids << IdDe(h.Entree(i));
    return ids;
}

Ids Suite(int de, int a) {
    Ids ids(a - de + 1);
    std::iota(ids.begin(), ids.end(), de);
    return ids;
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void sequences_data() {
        // E: record the next model, D: record the current state again, U: undo, R: redo; a count repeats
        // restaure: the model restored by the last U or R; 0 for none
        tests::Colonnes<QString, Ids, int, int>("gestes", "contenu", "position", "restaure");
        QTest::newRow("vide: annuler") << "U" << Ids{} << 0 << 0;
        QTest::newRow("annuler au premier recharge le premier") << "E U" << Ids{1} << 1 << 1;
        QTest::newRow("annuler trop") << "E3 U5" << Ids{1, 2, 3} << 1 << 1;
        QTest::newRow("rétablir au plus récent recharge") << "E2 R" << Ids{1, 2} << 2 << 2;
        QTest::newRow("le rétablissable tombe") << "E3 U2 E" << Ids{1, 4} << 2 << 0;
        QTest::newRow("45 instantanés") << "E45" << Suite(6, 45) << 40 << 0;
        QTest::newRow("45 puis tout annuler") << "E45 U50" << Suite(6, 45) << 1 << 6;
        QTest::newRow("plein, annuler 3, enregistrer") << "E40 U3 E" << (Suite(1, 37) << 41) << 38 << 0;
        QTest::newRow("plein, tout annuler, enregistrer") << "E40 U39 E" << Ids{1, 41} << 2 << 0;
        // A snapshot equal to the current state is not recorded: every "Undo" shows a change.
        QTest::newRow("avant et après sans changement") << "E D E D" << Ids{1, 2} << 2 << 0;
        QTest::newRow("après annuler, l'état courant garde le rétablissable") << "E3 U D R" << Ids{1, 2, 3} << 3 << 3;
        QTest::newRow("plein, le même ne chasse pas le plus ancien") << "E40 D3" << Suite(1, 40) << 40 << 0;
    }

    // The history keeps at most 40 entries, drops the oldest when full, drops the redo states
    // on a new snapshot, and never moves past its ends.
    void sequences() {
        QFETCH(QString, gestes);
        HistoriqueUndo h;
        int prochain = 1, dernier = 0;
        static const QRegularExpression geste(QStringLiteral("([EDUR])(\\d*)"));
        for (auto it = geste.globalMatch(gestes); it.hasNext();) {
            const auto m = it.next();
            const int fois = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
            for (int i = 0; i < fois; ++i) {
                dernier = 0;
                if (m.captured(1) == "E") {
                    ReglagesUndo r;
                    r.PointCourantE = prochain;
                    h.Enregistrer(Modele(prochain++), r);
                } else if (m.captured(1) == "D") {
                    const EtatUndo copie = h.Entree(h.Position());
                    h.Enregistrer(copie.Modele(), copie.Reglages);
                } else {
                    const EtatUndo* e = m.captured(1) == "U" ? h.Annuler() : h.Retablir();
                    QCOMPARE(e == nullptr, h.Taille() == 0);
                    dernier = e ? IdDe(*e) : 0;
                }
            }
        }
        QTEST(Contenu(h), "contenu");
        QTEST(h.Position(), "position");
        QTEST(dernier, "restaure");
        QVERIFY(h.Taille() <= HistoriqueUndo::TailleMax);
        for (int i = 1; i <= h.Taille(); ++i) {
            const EtatUndo& e = h.Entree(i);
            QCOMPARE(e.Reglages.PointCourantE, IdDe(e));
            const CoupleProfils attendu = Modele(IdDe(e));
            QVERIFY(*e.Points[CoteE] == attendu.PointsE && *e.Points[CoteS] == attendu.PointsS);
        }
    }

    // What makes a snapshot differ from the current state: points, their states, the spacing
    // and the switches; the metrics, recomputed at every restore, and the current points do not.
    // A recorded snapshot shares the point arrays of a side left unchanged with the entry before it.
    void doublons_data() {
        tests::Colonnes<int, bool, bool, bool>("changement", "enregistre", "partageE", "partageS");
        QTest::newRow("rien") << 0 << false << true << true;
        QTest::newRow("une coordonnée") << 1 << true << true << false;
        QTest::newRow("un état") << 2 << true << false << true;
        QTest::newRow("un point de plus") << 3 << true << false << true;
        QTest::newRow("l'écartement") << 4 << true << true << true;
        QTest::newRow("un interrupteur") << 5 << true << true << true;
        QTest::newRow("une métrique seule") << 6 << false << true << true;
        QTest::newRow("-0 au lieu de 0") << 7 << true << true << false;
        // The lists go back to point 1 after a command that changes the counts: not a change.
        QTest::newRow("le point courant seul") << 8 << false << true << true;
    }
    void doublons() {
        QFETCH(int, changement); QFETCH(bool, enregistre);
        HistoriqueUndo h;
        CoupleProfils c = Modele(5);
        c.PointsS.back().Y = 0.0f;
        ReglagesUndo r;
        h.Enregistrer(c, r);
        switch (changement) {
        case 1: c.PointsS.back().X += 0.001f; break;
        case 2: c.PointsE.front().Etat = 3; break;
        case 3: c.PointsE.push_back(c.PointsE.back()); break;
        case 4: c.EcartementZ += 1.0f; break;
        case 5: r.IndexFleche = 2; break;
        case 6: c.LargeurE = 12.0f; break;
        case 7: c.PointsS.back().Y = -0.0f; break;
        case 8: r.PointCourantE = 4; r.PointCourantS = 2; break;
        default: break;
        }
        h.Enregistrer(c, r);
        QCOMPARE(h.Taille(), enregistre ? 2 : 1);
        QCOMPARE(h.Position(), h.Taille());
        const EtatUndo &premier = h.Entree(1), &dernier = h.Entree(h.Taille());
        QTEST(premier.Points[CoteE] == dernier.Points[CoteE], "partageE");
        QTEST(premier.Points[CoteS] == dernier.Points[CoteS], "partageS");
        QVERIFY(*dernier.Points[CoteE] == c.PointsE && *dernier.Points[CoteS] == c.PointsS);
    }
};

GALBIX_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
