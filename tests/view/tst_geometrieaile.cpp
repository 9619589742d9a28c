#include "common/Profils.h"
#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "model/Extremes.h"
#include "view/GeometrieAile.h"

using namespace galbix;

namespace {

using Inter = InterrupteursGeometrie;
using tests::Proche;

// Both sides `ecartement` apart, their extents computed.
CoupleProfils AileGeometrie(std::vector<PointProfil> e, std::vector<PointProfil> s, float ecartement) {
    CoupleProfils c{.PointsE = std::move(e), .PointsS = std::move(s)};
    c.EcartementZ = ecartement;
    CalculerExtremes(c);
    return c;
}
// Root NACA 2412 of chord 200, tip NACA 0012 of chord 150 somewhere else; spacing 400.
CoupleProfils Aile() { return AileGeometrie(tests::Naca("2412", 60, 200), tests::Naca("0012", 60, 150, 37, -11), 400); }
// Polygons with simple extents. Root: height 24, leading edge 5 and trailing edge 2 above its
// lowest point. Tip: height 18, leading edge 4 and trailing edge 1 above its lowest point.
CoupleProfils Polygones() {
    return AileGeometrie({{200, 2, 0}, {100, 24, 0}, {0, 5, 0}, {100, 0, 0}},
                         {{150, 11, 0}, {75, 28, 0}, {0, 14, 0}, {75, 10, 0}}, 300);
}

} // namespace

class TestGeometrieAile : public QObject {
    Q_OBJECT
private slots:
    void exclusions_data() {
        tests::Colonnes<Inter, int, int, Inter>("avant", "action", "index", "apres");
        using A = ActionGeometrie;
        QTest::newRow("flèche relâche Aligner") << Inter{-1, -1, true} << int(A::PresserFleche) << 2 << Inter{2, -1, false};
        QTest::newRow("dièdre relâche Aligner") << Inter{-1, -1, true} << int(A::PresserDiedre) << 0 << Inter{-1, 0, false};
        QTest::newRow("saisie de flèche") << Inter{2, 3, true} << int(A::SaisirFleche) << 0 << Inter{-1, 3, false};
        QTest::newRow("saisie de dièdre") << Inter{2, 3, true} << int(A::SaisirDiedre) << 0 << Inter{2, -1, false};
        QTest::newRow("relâcher la flèche") << Inter{2, 3, false} << int(A::RelacherFleche) << 0 << Inter{-1, 3, false};
        QTest::newRow("relâcher Aligner") << Inter{-1, -1, true} << int(A::RelacherAligner) << 0 << Inter{-1, -1, false};
    }

    // At most one button per group; "Aligner" excludes both groups and numeric entries
    // release their group and "Aligner".
    void exclusions() {
        QFETCH(Inter, avant); QFETCH(int, action); QFETCH(int, index);
        QTEST(AppliquerExclusions(avant, ActionGeometrie(action), index), "apres");
    }

    // Chords 200 and 150: the sweep buttons (BA, milieux, BF) give 0, 25 and 50 and move the tip
    // along X only.
    void boutonsFleche() {
        for (const int index : {FlecheAlignerBA, FlecheAlignerMilieux, FlecheAlignerBF}) {
            CoupleProfils c = Aile();
            EtatGeometrie geo;
            geo.Interrupteurs = {-1, 2, true};
            const auto s = c.PointsS;
            PresserBoutonFleche(c, geo, index);
            QVERIFY(Proche(geo.FlecheSaisie, 25.0 * index) && Proche(c.FlecheBA, 25.0 * index));
            QCOMPARE(Proche(c.XmaxS, c.XmaxE), index == FlecheAlignerBF);
            QCOMPARE(geo.Interrupteurs, (Inter{int16_t(index), 2, false}));
            for (size_t i = 0; i < s.size(); ++i)
                QCOMPARE(c.PointsS[i].Y, s[i].Y);
        }
    }

    // Heights 24 and 18: each dihedral button (extrados, BA, milieux, BF, intrados) brings its
    // pair of points level and moves Y only.
    void boutonsDiedre() {
        const double hauteurs[] = {6, 1, 3, 1, 0};
        const double ecartsE[] = {24, 5, 12, 2, 0}; // height above the root's lowest point of the pair
        for (int index = DiedreAlignerExtrados; index <= DiedreAlignerIntrados; ++index) {
            CoupleProfils c = Polygones();
            EtatGeometrie geo;
            geo.Interrupteurs = {1, -1, true};
            PresserBoutonDiedre(c, geo, index);
            QVERIFY(Proche(geo.DiedreMmSaisi, hauteurs[index]) && Proche(c.DiedreMm, hauteurs[index]));
            const double niveauS[] = {c.YmaxS, c.YaXminS, (c.YminS + c.YmaxS) / 2.0, c.YaXmaxS, c.YminS};
            QVERIFY(Proche(niveauS[index] - c.YminE, ecartsE[index]) && Proche(geo.DiedreDegSaisi, c.DiedreDeg));
            QCOMPARE(geo.Interrupteurs, (Inter{1, int16_t(index), false}));
            QCOMPARE(c.XminS, 0.0f);
        }
    }

    void diedreDeg_data() {
        tests::Colonnes<double, double, double>("decalage", "angle", "ecartement"); // decalage: YminS - YminE before
        QTest::newRow("intrados à niveau, 5 degrés") << 0.0 << 5.0 << 400.0;
        QTest::newRow("saumon plus bas, 10 degrés") << -4.0 << 10.0 << 250.0;
        QTest::newRow("saumon plus haut, -20 degrés") << 30.0 << -20.0 << 80.0;
    }

    // Whatever the offset before, the angle typed is the angle obtained; the height it
    // produced is kept for later re-applications.
    void diedreDeg() {
        QFETCH(double, decalage); QFETCH(double, angle); QFETCH(double, ecartement);
        CoupleProfils c = Aile();
        c.EcartementZ = float(ecartement);
        EtatGeometrie geo;
        SaisirDiedreMm(c, geo, float(decalage));
        geo.Interrupteurs = {0, 3, true};
        const auto x = c.PointsS;
        SaisirDiedreDeg(c, geo, float(angle));
        QVERIFY2(Proche(c.DiedreDeg, angle, 1e-4), qPrintable(QString::number(c.DiedreDeg)));
        const double milieux = (c.YminS + c.YmaxS) / 2.0 - (c.YminE + c.YmaxE) / 2.0;
        QVERIFY(Proche(milieux, ecartement * std::tan(angle * PiEdition / 180.0)));
        QVERIFY(geo.DiedreMmSaisi == c.DiedreMm && geo.DiedreDegSaisi == c.DiedreDeg);
        QCOMPARE(geo.Interrupteurs, (Inter{0, -1, false}));
        for (size_t i = 0; i < x.size(); ++i)
            QCOMPARE(c.PointsS[i].X, x[i].X);
    }

    // The spacing moves no point; it changes the dihedral angle, which is kept as entered.
    // Zero or negative spacings are refused.
    void ecartement() {
        for (const float z : {0.0f, -5.0f, 800.0f}) {
            CoupleProfils c = Aile();
            EtatGeometrie geo;
            SaisirDiedreMm(c, geo, 20);
            const CoupleProfils avant = c;
            const auto refus = ChangerEcartement(c, geo, z);
            QCOMPARE(refus.has_value(), z <= 0);
            QVERIFY(c.PointsE == avant.PointsE && c.PointsS == avant.PointsS);
            QCOMPARE(c.EcartementZ, z > 0 ? z : avant.EcartementZ);
            QCOMPARE(c.DiedreDeg != avant.DiedreDeg, z > 0);
            QCOMPARE(geo.DiedreDegSaisi, c.DiedreDeg);
        }
    }

    void corde_data() {
        tests::Colonnes<int, double, bool>("cote", "corde", "cordeNulle"); // cordeNulle: the side's chord is 0 before
        QTest::newRow("emplanture agrandie") << int(CoteE) << 300.0 << false;
        QTest::newRow("saumon réduit à 0") << int(CoteS) << 0.0 << false;
        QTest::newRow("corde négative") << int(CoteE) << -100.0 << false;
        QTest::newRow("profil de corde nulle") << int(CoteS) << 100.0 << true;
    }

    // A chord scales its side about the origin (not about the leading edge); a side whose
    // chord is 0 cannot be given another one and keeps its points.
    void corde() {
        QFETCH(int, cote); QFETCH(double, corde); QFETCH(bool, cordeNulle);
        CoupleProfils c = Aile();
        if (cordeNulle)
            for (PointProfil& p : c.Points(cote).Modifier())
                p.X = 12.0f;
        const CoupleProfils avant = c;
        const auto refus = ChangerCorde(c, cote, float(corde));
        QCOMPARE(refus.has_value(), cordeNulle);
        if (cordeNulle) {
            QCOMPARE(c.PointsS, avant.PointsS);
            return;
        }
        const double f = corde / (cote == CoteE ? avant.LargeurE : avant.LargeurS);
        QVERIFY(Proche(cote == CoteE ? c.LargeurE : c.LargeurS, std::fabs(corde)));
        for (size_t i = 0; i < c.Points(cote).size(); ++i)
            QVERIFY(Proche(c.Points(cote)[i].X, avant.Points(cote)[i].X * f)
                    && Proche(c.Points(cote)[i].Y, avant.Points(cote)[i].Y * f));
        QCOMPARE(c.Points(1 - cote), avant.Points(1 - cote));
    }

    // The mean of the tip's reference points lands on the root's; without reference points on
    // both sides the button pops back up and nothing else changes.
    void aligner() {
        for (const int refs : {3, 1, 2, 0}) { // bit 0: reference points on the root, bit 1: on the tip
            CoupleProfils c = Aile();
            for (const size_t i : {0, 20, 59})
                c.PointsE.Modifier()[i].Etat = int16_t(refs & 1 ? EtatReference : EtatSelection);
            for (const size_t i : {3, 100})
                c.PointsS.Modifier()[i].Etat = int16_t(refs & 2 ? EtatReference : EtatSynchro);
            EtatGeometrie geo;
            geo.Interrupteurs = {2, 1, false};
            const CoupleProfils avant = c;
            const auto refus = PresserAligner(c, geo);
            QCOMPARE(refus.has_value(), refs != 3);
            if (refus) {
                QVERIFY(geo.Interrupteurs == (Inter{2, 1, false}) && c.PointsS == avant.PointsS);
                continue;
            }
            QVERIFY(Proche(c.XrefS, c.XrefE) && Proche(c.YrefS, c.YrefE));
            QCOMPARE(geo.Interrupteurs, (Inter{-1, -1, true}));
            QVERIFY(geo.FlecheSaisie == c.FlecheBA && geo.DiedreMmSaisi == c.DiedreMm && geo.DiedreDegSaisi == c.DiedreDeg);
            const double dx = double(c.PointsS[0].X) - avant.PointsS[0].X;
            for (size_t i = 0; i < c.PointsS.size(); ++i)
                QVERIFY(Proche(double(c.PointsS[i].X) - avant.PointsS[i].X, dx));
        }
    }

    void reappliquer_data() {
        // valeurs: stored sweep and dihedral, FlecheBA and DiedreMm afterwards; flags: F(lèche) D(ièdre)
        // re-applied by button
        tests::Colonnes<Inter, QList<double>, QString>("interrupteurs", "valeurs", "flags");
        using L = QList<double>;
        QTest::newRow("valeurs saisies") << Inter{} << L{12.5, -7, 12.5, -7} << "";
        QTest::newRow("BF et intrados") << Inter{2, 4, false} << L{99, 99, 50, 0} << "FD";
        QTest::newRow("milieux et valeur") << Inter{1, -1, false} << L{99, 4, 25, 4} << "F";
        QTest::newRow("valeur et intrados") << Inter{-1, 4, false} << L{3, 99, 3, 0} << "D";
    }

    // After any shape change the tip is placed again by the buttons down or the stored values.
    void reappliquer() {
        QFETCH(Inter, interrupteurs); QFETCH(QList<double>, valeurs); QFETCH(QString, flags);
        CoupleProfils c = Aile();
        EtatGeometrie geo{interrupteurs, float(valeurs[0]), float(valeurs[1]), 0.0f};
        const Reapplication r = ReappliquerGeometrie(c, geo);
        QVERIFY(Proche(c.FlecheBA, valeurs[2]) && Proche(c.DiedreMm, valeurs[3]));
        QCOMPARE(geo.Interrupteurs, interrupteurs);
        QVERIFY(!r.AlignementReapplique && !r.Message);
        QCOMPARE(QString(r.FlecheReappliquee ? "F" : "") + (r.DiedreReapplique ? "D" : ""), flags);
        QCOMPARE(geo.DiedreDegSaisi, c.DiedreDeg);
    }
};

GALBIX_TEST_MAIN(TestGeometrieAile)
#include "tst_geometrieaile.moc"
