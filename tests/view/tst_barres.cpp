// Status bar texts, availability of the selection-dependent commands and the zoom bar steps.
#include "common/Colonnes.h"
#include "common/TestMain.h"

#include "view/BarreEtat.h"
#include "view/Disponibilite.h"
#include "view/Zoom.h"

using namespace galbix;

namespace {

using Cote = std::vector<PointProfil>;

// The thirteen availabilities, in the order of the table, as '0' and '1'.
QString Drapeaux(const DisponibiliteCommandes& d) {
    QString s;
    for (bool b : {d.InsererPoint, d.Supprimer, d.Symetrie, d.InverserSelection, d.Intersection, d.Lisser,
                   d.CouperCopierColler, d.Deplacer, d.Decaler, d.Tourner, d.Renumeroter, d.Etirer,
                   d.InsertionProfils})
        s += b ? u'1' : u'0';
    return s;
}

} // namespace

class TestBarres : public QObject {
    Q_OBJECT
private slots:
    void barreEtat_data() {
        tests::Colonnes<Cote, Cote, int, QStringList>("e", "s", "mode", "panneaux");
        const QString un = ": 1 points     Sél.: 0 pts    X:0.0mm   Y:0.0mm  D:0.0mm";
        const QString unSel = ": 1 points     Sél.: 1 pts    X:0.0mm   Y:0.0mm  D:0.0mm";
        const QString deuxSel = ": 2 points     Sél.: 1 pts    X:0.0mm   Y:0.0mm  D:0.0mm";
        QTest::newRow("rien de choisi") << Cote(120, PointProfil{3, 4, 0}) << Cote{{0, 0, 0}} << 1
            << QStringList{": 120 points     Sél.: 0 pts    X:0.0mm   Y:0.0mm  D:0.0mm", un, "Dist. Sel."};
        QTest::newRow("boîte 3 x 4") << Cote{{0, 0, 1}, {9, 9, 0}, {3, 4, 1}} << Cote{{1, 1, 0}} << 1
            << QStringList{": 3 points     Sél.: 2 pts    X:3.0mm   Y:4.0mm  D:5.0mm", un, "Dist. Sel."};
        QTest::newRow("un point de chaque côté") << Cote{{1, 1, 1}, {5, 5, 0}} << Cote{{7, 7, 0}, {4, 5, 1}} << 1
            << QStringList{deuxSel, deuxSel, " X:3.0mm  Y:4.0mm   D:5.0mm"};
        QTest::newRow("écart négatif arrondi") << Cote{{10, 0, 1}} << Cote{{8.125, -1.5, 1}} << 1
            << QStringList{unSel, unSel, " X:-1.88mm  Y:-1.5mm   D:2.4mm"};
        // In reference mode the counts and boxes are those of the reference points.
        QTest::newRow("mode référence") << Cote{{0, 0, 1}, {2, 0, 2}, {2, 2, 3}} << Cote{{5, 5, 1}} << 2
            << QStringList{": 3 points     Sél.: 2 pts    X:0.0mm   Y:2.0mm  D:2.0mm", un, "Dist. Sel."};
    }

    void barreEtat() {
        QFETCH(Cote, e); QFETCH(Cote, s); QFETCH(int, mode);
        CoupleProfils m{.PointsE = e, .PointsS = s};
        int32_t nbE = -1, nbS = -1;
        const auto obtenus = MettreAJourBarreEtat(m, int16_t(mode), nbE, nbS);
        QTEST(QStringList({obtenus[0], obtenus[1], obtenus[2]}), "panneaux");
        QVERIFY(nbE == BoiteDuBit(e, int16_t(mode)).Nombre && nbS == BoiteDuBit(s, int16_t(mode)).Nombre);
    }

    void disponibilite_data() {
        // insertion: "Insérer un profil" enabled before
        tests::Colonnes<int, int, bool, QString, QString>("nbE", "nbS", "insertion", "regle", "drapeaux");
        // Order: insert point, delete, mirror, reverse, intersection, smooth, cut/copy/paste,
        // move, offset, rotate, renumber, stretch, insert profile.
        const QString a = "0000000000000", b = "0100001100000", c = "0100001100001", d = "1111111111010",
                      e = "1111111111110";
        // "Insérer un profil" is switched on by rule C and kept by the others.
        QTest::newRow("0 0") << 0 << 0 << false << "A" << a;
        QTest::newRow("0 0, insertion active") << 0 << 0 << true << "A" << "0000000000001";
        QTest::newRow("1 0, insertion active") << 1 << 0 << true << "B" << c;
        QTest::newRow("0 1") << 0 << 1 << false << "B" << b;
        QTest::newRow("1 1") << 1 << 1 << false << "C" << c;
        QTest::newRow("2 0") << 2 << 0 << false << "D" << d;
        QTest::newRow("1 2, insertion active") << 1 << 2 << true << "D" << "1111111111011";
        QTest::newRow("4 0") << 4 << 0 << false << "E" << e;
        QTest::newRow("2 4, insertion active") << 2 << 4 << true << "E" << "1111111111111";
    }

    void disponibilite() {
        QFETCH(int, nbE); QFETCH(int, nbS); QFETCH(bool, insertion);
        QTEST(QString(QChar::fromLatin1(RegleDisponibilite(nbE, nbS))), "regle");
        QTEST(Drapeaux(Disponibilites(nbE, nbS, insertion)), "drapeaux");
    }

    void zoom_data() {
        // Steps: "c N" the bar reaches N, "r" the timer puts it back to the middle, "g N" a
        // refused thumb drag left it at N.
        tests::Colonnes<QString, float, bool>("etapes", "coeff", "recalcule"); // recalcule: by the last step
        QTest::newRow("un clic à droite") << "c10001" << 2.2f << true;
        QTest::newRow("un clic à gauche") << "c9999" << 1.8f << true;
        QTest::newRow("droite puis gauche: 0.99") << "c10001 c10000" << 1.98f << true;
        QTest::newRow("trois positions d'un coup") << "c10003" << 6.6f << true;
        QTest::newRow("même position") << "c10000" << 2.0f << false;
        QTest::newRow("recentrage puis clic") << "c10001 r c10001" << 2.42f << true;
        QTest::newRow("glissement refusé puis clic") << "g17000 c17001" << 2.2f << true;
    }

    void zoom() {
        QFETCH(QString, etapes);
        EtatVue vue;
        vue.DefinirTailleDessin(9000, 6000);
        std::tie(vue.CoeffZoom, vue.XCentreZoom) = std::tuple(2.0f, 12.0f);
        vue.Rectangle = {10, 20, 30, 40};
        EtatBarreZoom barre;
        ActionZoom action;
        for (const QString& etape : etapes.split(u' ')) {
            const int position = etape.mid(1).toInt();
            if (etape[0] == u'g') {
                ZoomGlisse(barre, position);
            } else if (etape[0] == u'r') {
                barre.RecentrageZoom = true;
                const ActionZoom rien = ZoomBarre(barre, vue, zoom::Milieu);
                barre.RecentrageZoom = false;
                QVERIFY(!rien.RecalculerEcran && !rien.Rafraichir && !rien.DemarrerMinuterie);
            } else {
                action = ZoomBarre(barre, vue, position);
                QCOMPARE(barre.PositionZoom, position);
            }
        }
        QTEST(vue.CoeffZoom, "coeff");
        QTEST(action.RecalculerEcran, "recalcule");
        QVERIFY(action.ArreterMinuterie && action.Rafraichir && action.DemarrerMinuterie);
        QCOMPARE(vue.XCentreZoom, 12.0f); // the zoom is about the view centre
        QVERIFY(vue.Rectangle.x2 == 9000.0f && vue.Rectangle.y1 == 0.0f);
    }
};

GALBIX_TEST_MAIN(TestBarres)
#include "tst_barres.moc"
