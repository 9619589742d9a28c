// Point lists: bar bounds by point count, the five rows around the current point, and the
// moves of the bars (with the Ctrl range selection).
#include "common/Colonnes.h"
#include "common/TestMain.h"

#include "view/ListesPoints.h"

using namespace galbix;

namespace {

// Point i (1-based) at (1.5 i, -i) with the i-th state.
std::vector<PointProfil> PointsListe(std::initializer_list<int16_t> etats) {
    std::vector<PointProfil> p;
    for (int16_t e : etats)
        p.push_back({1.5f * float(p.size() + 1), -float(p.size() + 1), e});
    return p;
}

// One letter per row: S button face, G selected, V reference, C synchronisation, - blank.
QString Codes(const std::array<LignePoint, LignesListe>& lignes) {
    QString codes;
    for (const LignePoint& l : lignes) {
        const auto est = [&l](CouleurRvb fond, CouleurRvb texte) { return l.Fond == fond && l.Texte == texte; };
        codes += l.Numero.isEmpty() ? (l.FondSysteme ? u'-' : u'?')
                 : l.FondSysteme    ? (l.Texte == couleurs::Noir ? u'S' : u'?')
                 : est(couleurs::Selection, couleurs::Blanc) ? u'G'
                 : est(couleurs::Reference, couleurs::Blanc) ? u'V'
                 : est(couleurs::Synchro, couleurs::Noir)    ? u'C' : u'?';
    }
    return codes;
}

} // namespace

class TestListes : public QObject {
    Q_OBJECT
private slots:
    // Bounds by point count; the current and previous points go back to 1.
    void bornes_data() {
        // attendues: UnitesMax, MilliersMax, MilliersVisible, GaucheUnites
        tests::Colonnes<int, QList<int>>("n", "attendues");
        QTest::newRow("1") << 1 << QList<int>{1, 0, 0, 2640};
        QTest::newRow("1000") << 1000 << QList<int>{1000, 0, 0, 2640};
        QTest::newRow("1001") << 1001 << QList<int>{1000, 1, 1, 2760};
        QTest::newRow("2001") << 2001 << QList<int>{1000, 2, 1, 2760};
        QTest::newRow("200000") << 200000 << QList<int>{1000, 199, 1, 2760};
    }

    void bornes() {
        QFETCH(int, n);
        CoupleProfils m{.PointsE = std::vector<PointProfil>(size_t(n)), .PointsS = std::vector<PointProfil>(3)};
        EtatEdition edition;
        edition.PointCourantE = 40;
        edition.PointCourantS = 2;
        EtatListes listes;
        listes.PointPrecedentE = listes.PointPrecedentS = 9;
        const auto bornes = BornesListes(m, edition, listes);
        const QList<int> points{edition.PointCourantE, edition.PointCourantS, listes.PointPrecedentE, listes.PointPrecedentS};
        QCOMPARE(points, QList<int>({1, 1, 1, 1}));
        const BornesBarresListe& b = bornes[CoteE];
        QTEST(QList<int>({b.UnitesMax, b.MilliersMax, b.MilliersVisible, b.GaucheUnites}), "attendues");
        QCOMPARE(QList<int>({b.UnitesMin, b.Unites, b.Milliers, bornes[CoteS].UnitesMax}), QList<int>({1, 1, 0, 3}));
    }

    void lignes_data() {
        tests::Colonnes<int, int, QString>("mode", "courant", "codes");
        // States of points 1 to 6: 0, 1, 2, 4, 7, 0.
        QTest::newRow("normal, premier point") << 1 << 1 << "--SGS";
        QTest::newRow("référence, point 4") << 2 << 4 << "SVSVS";
        QTest::newRow("synchro, dernier point") << 4 << 6 << "CCS--";
        QTest::newRow("normal, point 2") << 1 << 2 << "-SGSS";
    }

    void lignes() {
        QFETCH(int, mode); QFETCH(int, courant);
        const auto lignes = LignesDeListe(PointsListe({0, 1, 2, 4, 7, 0}), courant, int16_t(mode));
        QTEST(Codes(lignes), "codes");
        QCOMPARE(lignes[2].Numero, QString::number(courant)); // row 2 is the current point
        QCOMPARE(lignes[2].X, QString::number(1.5 * courant, 'f', 2));
        if (courant == 2)
            QCOMPARE(lignes[3].X + u' ' + lignes[3].Y, QStringLiteral("4.50 -3.00"));
    }

    // A move of the bars, from point `precedent`: the current point, the unit bar's new maximum
    // (-1 unchanged) and the mode bit of points 1 to 10 afterwards (points 2 and 6 carry it before).
    void barre_data() {
        // entree: points, previous, thousands, max thousands, units, Ctrl, mouse lock
        tests::Colonnes<QList<int>, int, int, QString>("entree", "courant", "maxUnites", "marques");
        using L = QList<int>;
        QTest::newRow("simple déplacement") << L{10, 8, 0, 0, 5, 0, 0} << 5 << 10 << "0100010000";
        QTest::newRow("Ctrl de 8 à 5") << L{10, 8, 0, 0, 5, 1, 0} << 5 << 10 << "0100111100";
        QTest::newRow("Ctrl de 3 à 4") << L{10, 3, 0, 0, 4, 1, 0} << 4 << 10 << "0111010000";
        QTest::newRow("Ctrl sur place") << L{10, 9, 0, 0, 9, 1, 0} << 9 << 10 << "0100010010";
        QTest::newRow("bloqué par la souris") << L{10, 8, 0, 0, 2, 0, 1} << 7 << -1 << "0100010000";
        QTest::newRow("millier: point 1001") << L{1001, 1, 1, 1, 1000, 0, 0} << 1001 << 1 << "0100010000";
        QTest::newRow("2000 points, 1500") << L{2000, 1, 1, 1, 500, 0, 0} << 1500 << 1000 << "0100010000";
    }

    void barre() {
        QFETCH(QList<int>, entree); QFETCH(int, courant); QFETCH(int, maxUnites);
        const bool ctrl = entree[5] != 0;
        CoupleProfils m{.PointsE = std::vector<PointProfil>(4), .PointsS = std::vector<PointProfil>(size_t(entree[0]))};
        m.PointsS.Modifier()[1].Etat = EtatReference;
        m.PointsS.Modifier()[5].Etat = EtatReference | EtatSelection;
        EtatEdition edition;
        edition.ModeSelection = EtatReference;
        edition.PointCourantS = 7;
        EtatListes listes;
        listes.PointPrecedentS = entree[1];
        listes.BlocageListe = entree[6] != 0;
        QString cote;
        const ChangementListe c = ChangerBarreListe(CoteS, entree[2], entree[3], entree[4], ctrl, m, edition, listes, cote);
        QCOMPARE(QList<int>({edition.PointCourantS, listes.PointPrecedentS, c.MaxUnites}), QList<int>({courant, courant, maxUnites}));
        QVERIFY(!listes.BlocageListe && c.SelectionEtendue == ctrl && cote == QStringLiteral("S"));
        QString marques;
        for (int i = 0; i < 10; ++i)
            marques += AEtat(m.PointsS[size_t(i)], EtatReference) ? u'1' : u'0';
        QTEST(marques, "marques");
        QCOMPARE(m.PointsS[5].Etat, int16_t(EtatReference | EtatSelection)); // a bit already there is not added twice
        QCOMPARE(edition.PointCourantE, 1);
    }

};

GALBIX_TEST_MAIN(TestListes)
#include "tst_listes.moc"
