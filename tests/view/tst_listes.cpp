// Point lists: bar bounds by point count, the five rows around the current point, and the
// moves of the bars (with the Ctrl range selection).
#include "common/TestMain.h"

#include "model/NumericText.h"
#include "view/ListesPoints.h"

using namespace galbix;

namespace {

std::vector<PointProfil> Points(std::initializer_list<int16_t> etats)
{
    std::vector<PointProfil> p;
    int i = 1;
    for (int16_t e : etats) {
        p.push_back({1.5f * float(i), -float(i), e});
        ++i;
    }
    return p;
}

// One letter per row: S button face, G selected, V reference, C synchronisation, - blank.
QString Codes(const std::array<LignePoint, LignesListe>& lignes)
{
    QString codes;
    for (const LignePoint& l : lignes) {
        if (l.Numero.isEmpty())
            codes += l.FondSysteme ? u'-' : u'?';
        else if (l.FondSysteme)
            codes += l.Texte == couleurs::Noir ? u'S' : u'?';
        else if (l.Fond == couleurs::Selection && l.Texte == couleurs::Blanc)
            codes += u'G';
        else if (l.Fond == couleurs::Reference && l.Texte == couleurs::Blanc)
            codes += u'V';
        else if (l.Fond == couleurs::Synchro && l.Texte == couleurs::Noir)
            codes += u'C';
        else
            codes += u'?';
    }
    return codes;
}

} // namespace

class TestListes : public QObject {
    Q_OBJECT
private slots:
    void bornes_data();
    void bornes();
    void lignes_data();
    void lignes();
    void barre_data();
    void barre();
};

void TestListes::bornes_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("unitesMax");
    QTest::addColumn<int>("milliersMax");
    QTest::addColumn<bool>("milliersVisible");
    QTest::addColumn<int>("gauche");
    QTest::newRow("1") << 1 << 1 << 0 << false << 2640;
    QTest::newRow("999") << 999 << 999 << 0 << false << 2640;
    QTest::newRow("1000") << 1000 << 1000 << 0 << false << 2640;
    QTest::newRow("1001") << 1001 << 1000 << 1 << true << 2760;
    QTest::newRow("2000") << 2000 << 1000 << 1 << true << 2760;
    QTest::newRow("2001") << 2001 << 1000 << 2 << true << 2760;
    QTest::newRow("200000") << 200000 << 1000 << 199 << true << 2760;
}

void TestListes::bornes()
{
    QFETCH(int, n);
    QFETCH(int, unitesMax);
    QFETCH(int, milliersMax);
    QFETCH(bool, milliersVisible);
    QFETCH(int, gauche);
    CoupleProfils m;
    m.PointsE.resize(size_t(n));
    m.PointsS.resize(3);
    EtatEdition edition;
    edition.PointCourantE = 40;
    edition.PointCourantS = 2;
    EtatListes listes;
    listes.PointPrecedentE = listes.PointPrecedentS = 9;
    const auto bornes = BornesListes(m, edition, listes);
    QCOMPARE(edition.PointCourantE, 1);
    QCOMPARE(edition.PointCourantS, 1);
    QCOMPARE(listes.PointPrecedentE, 1);
    QCOMPARE(listes.PointPrecedentS, 1);
    const BornesBarresListe& b = bornes[CoteE];
    QCOMPARE(b.UnitesMin, 1);
    QCOMPARE(b.UnitesMax, unitesMax);
    QCOMPARE(b.MilliersMax, milliersMax);
    QCOMPARE(b.MilliersVisible, milliersVisible);
    QCOMPARE(b.GaucheUnites, gauche);
    QCOMPARE(b.Unites, 1);
    QCOMPARE(b.Milliers, 0);
    QCOMPARE(bornes[CoteS].UnitesMax, 3);
}

void TestListes::lignes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("courant");
    QTest::addColumn<QString>("codes");
    // States of points 1 to 6: 0, 1, 2, 4, 7, 0.
    QTest::newRow("normal, premier point") << 1 << 1 << "--SGS";
    QTest::newRow("référence, point 4") << 2 << 4 << "SVSVS";
    QTest::newRow("synchro, dernier point") << 4 << 6 << "CCS--";
    QTest::newRow("normal, point 2") << 1 << 2 << "-SGSS";
}

void TestListes::lignes()
{
    QFETCH(int, mode);
    QFETCH(int, courant);
    QFETCH(QString, codes);
    const auto lignes = LignesDeListe(Points({0, 1, 2, 4, 7, 0}), courant, int16_t(mode));
    QCOMPARE(Codes(lignes), codes);
    QCOMPARE(lignes[2].Numero, QString::number(courant)); // row 2 is the current point
    QCOMPARE(lignes[2].X, PointDecimal(FormaterNombre(1.5 * courant, u"#####0.00")));
    if (courant == 2) {
        QCOMPARE(lignes[3].X, QStringLiteral("4.50"));
        QCOMPARE(lignes[3].Y, QStringLiteral("-3.00"));
    }
}

void TestListes::barre_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("precedent");
    QTest::addColumn<int>("milliers");
    QTest::addColumn<int>("milliersMax");
    QTest::addColumn<int>("unites");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<bool>("blocage");
    QTest::addColumn<int>("courant");
    QTest::addColumn<int>("maxUnites");
    QTest::addColumn<QString>("marques"); // 1 where the mode bit is set afterwards, points 1 to 10

    // Points 2 and 6 carry the mode bit beforehand.
    QTest::newRow("simple déplacement") << 10 << 8 << 0 << 0 << 5 << false << false << 5 << 10 << "0100010000";
    QTest::newRow("Ctrl de 8 à 5") << 10 << 8 << 0 << 0 << 5 << true << false << 5 << 10 << "0100111100";
    QTest::newRow("Ctrl de 3 à 4") << 10 << 3 << 0 << 0 << 4 << true << false << 4 << 10 << "0111010000";
    QTest::newRow("Ctrl sur place") << 10 << 9 << 0 << 0 << 9 << true << false << 9 << 10 << "0100010010";
    QTest::newRow("bloqué par la souris") << 10 << 8 << 0 << 0 << 2 << false << true << 7 << -1 << "0100010000";
    QTest::newRow("millier: point 1001") << 1001 << 1 << 1 << 1 << 1000 << false << false << 1001 << 1
                                         << "0100010000";
    QTest::newRow("2000 points, 1500") << 2000 << 1 << 1 << 1 << 500 << false << false << 1500 << 1000
                                       << "0100010000";
}

void TestListes::barre()
{
    QFETCH(int, n);
    QFETCH(int, precedent);
    QFETCH(int, milliers);
    QFETCH(int, milliersMax);
    QFETCH(int, unites);
    QFETCH(bool, ctrl);
    QFETCH(bool, blocage);
    QFETCH(int, courant);
    QFETCH(int, maxUnites);
    QFETCH(QString, marques);

    CoupleProfils m;
    m.PointsS.resize(size_t(n));
    m.PointsS[1].Etat = EtatReference;
    m.PointsS[5].Etat = EtatReference | EtatSelection;
    m.PointsE.resize(4);
    EtatEdition edition;
    edition.ModeSelection = EtatReference;
    edition.PointCourantS = 7;
    EtatListes listes;
    listes.PointPrecedentS = precedent;
    listes.BlocageListe = blocage;
    QString cote;
    const ChangementListe c = ChangerBarreListe(CoteS, milliers, milliersMax, unites, ctrl, m, edition, listes, cote);
    QCOMPARE(edition.PointCourantS, courant);
    QCOMPARE(listes.PointPrecedentS, courant);
    QCOMPARE(listes.BlocageListe, false);
    QCOMPARE(c.MaxUnites, maxUnites);
    QCOMPARE(c.SelectionEtendue, ctrl);
    QCOMPARE(cote, QStringLiteral("S"));
    QString obtenues;
    for (int i = 0; i < 10; ++i)
        obtenues += AEtat(m.PointsS[size_t(i)], EtatReference) ? u'1' : u'0';
    QCOMPARE(obtenues, marques);
    QCOMPARE(m.PointsS[5].Etat, int16_t(EtatReference | EtatSelection)); // a bit already there is not added twice
    QCOMPARE(edition.PointCourantE, 1);
}

GALBIX_TEST_MAIN(TestListes)
#include "tst_listes.moc"
