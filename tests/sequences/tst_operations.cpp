// The commands of the sequence window on its lists, with results worked out by hand.
#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "sequences/Fabrique.h"

#include "sequences/Assemblage.h"
#include "sequences/Operations.h"
#include "sequences/UndoSequences.h"

using namespace galbix;
using essai::Carre;
using essai::Contour;

Q_DECLARE_METATYPE(galbix::Sequence)

namespace {

bool Proche(double a, double b, double tol = 1e-4) { return std::fabs(a - b) <= tol; }

// The points of `s` as text, rounded to 1e-4, to compare with the points expected.
QString PointsSequence(const Sequence& s) {
    QStringList t;
    for (const PointSequence& p : s.Points)
        t << QStringLiteral("%1 %2").arg(std::round(p.X * 1e4) / 1e4 + 0.0).arg(std::round(p.Y * 1e4) / 1e4 + 0.0);
    return t.join(u'|');
}

} // namespace

class TestOperations : public QObject {
    Q_OBJECT
private slots:
    // A 4 x 2 rectangle whose extents centre is (2, 1): a quarter turn about it, a mirror
    // within its extents; an unselected contour is left alone.
    void quartDeTourEtMiroir() {
        ListeSequences l{Contour({{0, 0}, {4, 0}, {4, 2}}, 1), Contour({{0, 0}, {1, 0}})};
        TournerQuartDeTour(l);
        QCOMPARE(PointsSequence(l[0]), QStringLiteral("3 -1|3 3|1 3"));
        QVERIFY(l[0].Largeur == 2.0f && l[0].Hauteur == 4.0f);
        QCOMPARE(PointsSequence(l[1]), QStringLiteral("0 0|1 0"));

        ListeSequences m{Contour({{1, 0}, {2, 5}, {5, 1}}, 1)};
        SymetrieSequences(m);
        QCOMPARE(PointsSequence(m[0]), QStringLiteral("5 0|4 5|1 1"));
    }

    void inverserSens() {
        ListeSequences l{Contour({{0, 0}, {1, 0}, {2, 1}}, 1), Contour({{0, 0}, {1, 0}})};
        QCOMPARE(InverserSens(l), 1);
        QCOMPARE(PointsSequence(l[0]), QStringLiteral("2 1|1 0|0 0"));
        QCOMPARE(PointsSequence(l[1]), QStringLiteral("0 0|1 0"));
    }

    void prendreQuelques() {
        ListeSequences source{Carre(0, 0, 1, 1), Carre(5, 5, 1), Carre(9, 9, 2, 1)};
        ListeSequences a;
        PrendreQuelques(source, a);
        QCOMPARE(a.size(), size_t(2));
        QVERIFY(a[0].Xmin == 0.0f && a[1].Xmin == 9.0f);
        QCOMPARE(NombreSelectionnees(source), 0);
    }

    // The assembly is laid out right to left. A = square 10 wide at (0, 0), ending at (0, 0).
    // N = 2 x 4 contour from (100, 50) to (102, 54) (first point (100, 50), last (102, 54)).
    // After A (index 0): dx = Xmin(A) - Xmax(N) - 0.1 W(N) = 0 - 102 - 0.2 = -102.2,
    // dy = 0 - 50 = -50: N spans x -2.2..-0.2, y 0..4.
    // Before A (index 1): dx = Xmax(A) + 0.2 - 100 = -89.8, dy = Y first(A) - Y last(N) = 0 - 54:
    // N spans x 10.2..12.2, y -54+50..0 = -4..0.
    void inserer_data() {
        tests::Colonnes<int, double, double, int>("index", "xmin", "ymin", "position");
        QTest::newRow("après") << 0 << -2.2 << 0.0 << 1;
        QTest::newRow("avant") << 1 << 10.2 << -4.0 << 0;
    }
    void inserer() {
        QFETCH(int, index); QFETCH(double, xmin); QFETCH(double, ymin); QFETCH(int, position);
        ListeSequences a{Carre(0, 0, 10, 1)};
        ListeSequences source{Contour({{100, 50}, {101, 52}, {102, 54}}, 1)};
        QVERIFY(InsererSequences(source, a, index));
        QCOMPARE(a.size(), size_t(2));
        const Sequence& n = a[size_t(position)];
        QVERIFY(Proche(n.Xmin, xmin));
        QVERIFY(Proche(n.Xmax, xmin + 2));
        QVERIFY(Proche(n.Ymin, ymin));
        QCOMPARE(n.Selectionnee, int16_t(1));
        QCOMPARE(a[size_t(1 - position)].Selectionnee, int16_t(0));
        QCOMPARE(source[0].Selectionnee, int16_t(0));
        // The wire continues level across the join.
        const Sequence& premier = a[0];
        const Sequence& second = a[1];
        QVERIFY(Proche(premier.Points.back().Y, second.Points.front().Y));
    }

    // With contours on the far side. Layout right to left: 30..40 (y 7) | 15..25 (selected) | 0..10.
    // After (index 0): N = 2 wide goes left of the middle: 15 - 102 - 0.2 -> 12.8..14.8; the
    // following contour moves in X only by Xmin(N) - Xmax(F) - 0.1 W(F) = 12.8 - 10 - 1 -> 1.8.
    // Before (index 1): N goes right of the middle: 25 + 0.2 -> 25.2..27.2; the preceding
    // contour moves by Xmax(N) + 0.1 W(N) - Xmin(P) = 27.2 + 0.2 - 30 -> 27.4, y kept.
    void insererVoisins_data() {
        tests::Colonnes<int, int, double, int, double, double>(
            "index", "n", "xminN", "voisin", "xminVoisin", "yminVoisin");
        QTest::newRow("après, le suivant suit") << 0 << 2 << 12.8 << 3 << 1.8 << 0.0;
        QTest::newRow("avant, le précédent suit") << 1 << 1 << 25.2 << 0 << 27.4 << 7.0;
    }
    void insererVoisins() {
        QFETCH(int, index); QFETCH(int, n); QFETCH(double, xminN); QFETCH(int, voisin);
        QFETCH(double, xminVoisin); QFETCH(double, yminVoisin);
        ListeSequences a{Carre(30, 7, 10), Carre(15, 0, 10, 1), Carre(0, 0, 10)};
        ListeSequences source{Contour({{100, 50}, {101, 52}, {102, 54}}, 1)};
        QVERIFY(InsererSequences(source, a, index));
        QCOMPARE(a.size(), size_t(4));
        QVERIFY(Proche(a[size_t(n)].Xmin, xminN));
        QCOMPARE(a[size_t(n)].Selectionnee, int16_t(1));
        QVERIFY(Proche(a[size_t(voisin)].Xmin, xminVoisin));
        QVERIFY(Proche(a[size_t(voisin)].Ymin, yminVoisin));
    }

    // Two source contours chain one after the other.
    void insererPlusieurs() {
        ListeSequences a;
        ListeSequences source{Carre(0, 0, 10, 1), Carre(50, 50, 5, 1)};
        QVERIFY(InsererSequences(source, a, 0));
        QCOMPARE(a.size(), size_t(2));
        QCOMPARE(a[0].Xmin, 0.0f);
        QVERIFY(Proche(a[1].Xmax, -0.5));
        QCOMPARE(NombreSelectionnees(a), 1);
        QCOMPARE(a[1].Selectionnee, int16_t(1));
    }

    void taille() {
        ListeSequences a{Carre(2, 3, 10, 1)};
        for (int i = 0; i < 3; ++i)
            QVERIFY(Redimensionner(a, 0));
        QVERIFY(Proche(a[0].Largeur, 13.31));
        QCOMPARE(a[0].Points.front().X, 2.0f);
        QCOMPARE(a[0].Points.front().Y, 3.0f);
        QVERIFY(Redimensionner(a, 1));
        QVERIFY(Proche(a[0].Largeur, 12.1));
        ListeSequences vide;
        QVERIFY(!Redimensionner(vide, 0));
    }

    // +10° then -10° about the extents centre gives the contour back when that centre is the
    // same before and after (a square); any contour keeps its shape.
    void rotationAllerRetour_data() {
        tests::Colonnes<Sequence, bool>("depart", "centreFixe");
        QTest::newRow("carré") << Carre(0, 0, 4, 1) << true;
        QTest::newRow("triangle") << Contour({{0, 0}, {7, 1}, {3, 5}, {0, 0}}, 1) << false;
    }
    void rotationAllerRetour() {
        QFETCH(Sequence, depart); QFETCH(bool, centreFixe);
        ListeSequences a{depart};
        QVERIFY(TournerDixDegres(a, 1));
        QVERIFY(!Proche(a[0].Points[1].X, depart.Points[1].X, 0.01));
        QVERIFY(TournerDixDegres(a, 0));
        for (int i = 0; i + 1 < depart.NbPoints(); ++i) {
            const auto longueur = [](const Sequence& s, int k) {
                return std::hypot(double(s.Points[size_t(k + 1)].X) - s.Points[size_t(k)].X,
                                  double(s.Points[size_t(k + 1)].Y) - s.Points[size_t(k)].Y);
            };
            QVERIFY(Proche(longueur(a[0], i), longueur(depart, i)));
            if (centreFixe)
                QVERIFY(Proche(a[0].Points[size_t(i)].X, depart.Points[size_t(i)].X)
                        && Proche(a[0].Points[size_t(i)].Y, depart.Points[size_t(i)].Y));
        }
    }

    // Unit squares in a row; index -1 erases the selected ones, 0 and 1 move them towards the
    // end or the start (refus: the message refusing the move, 0 for none).
    void ordreEtEffacement_data() {
        tests::Colonnes<int, QString, QString, int>("index", "selection", "attendu", "refus");
        QTest::newRow("vers la fin") << 0 << "1100" << "2013" << 0;
        QTest::newRow("vers le début") << 1 << "0011" << "0231" << 0;
        QTest::newRow("dernière sélectionnée") << 0 << "0001" << "0123" << 1;
        QTest::newRow("première sélectionnée") << 1 << "1000" << "0123" << 2;
        QTest::newRow("une seule, vers la fin") << 0 << "0" << "0" << 1;
        QTest::newRow("effacer une au milieu") << -1 << "010" << "02" << 0;
        QTest::newRow("effacer toutes") << -1 << "111" << "" << 0;
        QTest::newRow("effacer aucune") << -1 << "000" << "012" << 0;
    }
    void ordreEtEffacement() {
        QFETCH(int, index); QFETCH(QString, selection);
        ListeSequences a = essai::Rangee(selection);
        if (index < 0)
            QVERIFY(EffacerSequences(a));
        else
            QTEST(int(ChangerOrdre(a, index)), "refus");
        QTEST(essai::Ordre(a), "attendu");
    }

    // Closed square (0,0) (1,0) (1,1) (0,1) (0,0): forwards starts at (1,0), backwards at (0,1).
    void pointEntree_data() {
        tests::Colonnes<int, bool, double, double>("index", "ferme", "x1", "y1");
        QTest::newRow("avancer, fermé") << 0 << true << 1.0 << 0.0;
        QTest::newRow("reculer, fermé") << 1 << true << 0.0 << 1.0;
        QTest::newRow("avancer, ouvert: aucun changement") << 0 << false << 0.0 << 0.0;
    }
    void pointEntree() {
        QFETCH(int, index); QFETCH(bool, ferme); QFETCH(double, x1); QFETCH(double, y1);
        ListeSequences a{ferme ? Carre(0, 0, 1, 1) : Contour({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0.0011}}, 1)};
        const int n = a[0].NbPoints();
        QCOMPARE(DeplacerPointEntree(a, index), ferme);
        QCOMPARE(a[0].NbPoints(), n);
        QVERIFY(Proche(a[0].Points.front().X, x1) && Proche(a[0].Points.front().Y, y1));
        if (ferme) {
            QCOMPARE(a[0].Points.back(), a[0].Points.front());
            // One step each way gives the contour back.
            DeplacerPointEntree(a, 1 - index);
            QCOMPARE(a[0].Points, Carre(0, 0, 1).Points);
        }
    }

    // Right-to-left layout, squares 10 wide with gaps of 10: 40..50, 20..30, 0..10.
    void ecartement_data() {
        tests::Colonnes<QString, int, QList<double>>("selection", "index", "xmins");
        QTest::newRow("deux contours: rien") << "11" << 0 << QList<double>{20, 0};
        QTest::newRow("trois, écarter") << "111" << 0 << QList<double>{42, 21, 0};
        QTest::newRow("trois, rapprocher") << "111" << 1 << QList<double>{38, 19, 0};
        QTest::newRow("non voisins: rien") << "101" << 0 << QList<double>{40, 20, 0};
    }
    void ecartement() {
        QFETCH(QString, selection); QFETCH(int, index); QFETCH(QList<double>, xmins);
        const int nombre = int(selection.size());
        ListeSequences a;
        for (int i = nombre - 1; i >= 0; --i)
            a.push_back(Carre(20.0 * i, 0, 10, selection[nombre - 1 - i] == u'1' ? 1 : 0));
        const bool rien = xmins[0] == 20.0 * (nombre - 1);
        QCOMPARE(Ecarter(a, index), !rien);
        // Three selected: the pair (1, 2) moves contour 1 by a tenth of their gap of 10, then
        // the pair (2, 3) moves contours 1 and 2 by a tenth of theirs: 2 and 1 in all.
        for (int i = 0; i < nombre; ++i)
            QVERIFY2(Proche(a[size_t(i)].Xmin, xmins[i]), qPrintable(QString::number(a[size_t(i)].Xmin)));
    }

    void pointEntreSequences() {
        ListeSequences a{Contour({{10, 0}, {20, 4}}, 1), Contour({{0, 8}, {5, 5}}, 1), Contour({{-9, 0}, {-8, 0}})};
        QVERIFY(InsererPointEntreSequences(a));
        QCOMPARE(a.size(), size_t(4));
        QCOMPARE(PointsSequence(a[1]), QStringLiteral("10 6"));
        QVERIFY(a[1].Xmin == 10.0f && a[2].Points.front().X == 0.0f);
        ListeSequences seul{Carre(0, 0, 1, 1)};
        QVERIFY(!InsererPointEntreSequences(seul));
    }

    // Eleven pushes keep the last ten; undo returns the state before the last one; a state
    // equal to the newest is not pushed.
    void undo() {
        PileUndoSequences pile;
        EtatAssemblage etat;
        pile.Empiler({Carre(0, 0, 1)}, 1);
        pile.Empiler({Carre(0, 0, 1)}, 2);
        QVERIFY(!pile.PeutAnnuler());
        QVERIFY(!pile.Annuler(etat));
        pile.Vider();
        for (int i = 1; i <= 11; ++i)
            pile.Empiler(ListeSequences(size_t(i)), i);
        QCOMPARE(pile.Nombre(), 10);
        int annulations = 0, dernier = 0;
        while (pile.Annuler(etat)) {
            ++annulations;
            dernier = int(etat.Assemblage.size());
            QCOMPARE(etat.PositionListe, dernier);
        }
        QCOMPARE(annulations, 9);
        QCOMPARE(dernier, 2); // state 1 (one contour) was dropped by the eleventh push
    }
};

GALBIX_TEST_MAIN(TestOperations)
#include "tst_operations.moc"
