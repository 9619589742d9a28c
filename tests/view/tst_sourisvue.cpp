// The gesture arithmetic without the window: degenerate zoom rectangles, wheel steps, the
// drawing copy during a drag, and the outline of a dragged rectangle on the drawing widget.
#include "common/Colonnes.h"
#include "common/TestMain.h"

#include "view/Souris.h"
#include "view/ui/VueProfils.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace galbix;

namespace {

EtatVue VueType()
{
    EtatVue vue;
    vue.DefinirTailleDessin(6000.0f, 3000.0f);
    vue.CoeffZoom = 20.0f;
    vue.XCentreZoom = 50.0f;
    vue.YCentreZoom = 10.0f;
    return vue;
}

} // namespace

class TestSourisVue : public QObject {
    Q_OBJECT

private slots:
    // Any rectangle without width or height, or with a corner that cannot be placed, moves
    // the centre at most and never changes the scale.
    void zoomRectangleDegenere()
    {
        const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
        const struct { float x1, y1, x2, y2; bool accepte; } cas[] = {
            {100, 100, 100, 100, false}, {100, 100, 100, 900, false}, {100, 100, 700, 100, false}, // point, lines
            {100, 100, inf, 200, false}, {nan, 100, 300, 200, false}, {100, 100, 400, 200, true},
        };
        for (const auto& c : cas) {
            EtatVue vue = VueType();
            vue.Rectangle.x1 = c.x1;
            vue.Rectangle.y1 = c.y1;
            QCOMPARE(ZoomerRectangle(vue, c.x2, c.y2), c.accepte);
            QVERIFY(c.accepte || vue.CoeffZoom == 20.0f);
            QVERIFY(std::isfinite(vue.CoeffZoom) && vue.CoeffZoom > 0.0f);
        }
    }

    // The zoom bar's steps, one per notch; the model point under the cursor stays there.
    void molette_data()
    {
        tests::Colonnes<int, float, float>("crans", "u", "v");
        QTest::newRow("un cran au centre") << 1 << 3000.0f << 1500.0f;
        QTest::newRow("trois crans dans un coin") << 3 << 15.0f << 2985.0f;
        QTest::newRow("deux crans arrière") << -2 << 4500.0f << 300.0f;
    }
    void molette()
    {
        QFETCH(int, crans);
        QFETCH(float, u);
        QFETCH(float, v);
        EtatVue vue = VueType();
        const PointVue avant = VersModele(vue, u, v);
        QVERIFY(ZoomerMolette(vue, u, v, crans));
        double attendu = 20.0;
        for (int i = 0; i < std::abs(crans); ++i)
            attendu = float(attendu * (crans > 0 ? 1.1 : 0.9));
        QCOMPARE(vue.CoeffZoom, float(attendu));
        const PointVue apres = VersModele(vue, u, v);
        QVERIFY(std::abs(apres.x - avant.x) < 1e-4f);
        QVERIFY(std::abs(apres.y - avant.y) < 1e-4f);
        EtatVue immobile = VueType();
        QVERIFY(!ZoomerMolette(immobile, u, v, 0));
    }

    // A drawing copy shorter than the model (not yet resized) is walked only as far as it goes.
    void copiesIncompletes()
    {
        CoupleProfils modele;
        modele.PointsE = {{0, 0, 1}, {10, 0, 1}, {20, 0, 1}};
        EtatVue vue = VueType();
        vue.Copies.ProfilsEcran.PointsE = {{100, 100, 0}};
        DecalerCopieDessin(vue, modele, 5, 5, true);
        QCOMPARE(vue.Copies.ProfilsEcran.PointsE[0], (PointProfil{105, 105, 0}));
        EtatEdition edition;
        const ResultatPointage r = Pointer(modele, edition, vue, {0, 0, 200, 200});
        QVERIFY(r.SelectionModifiee);
        QCOMPARE(modele.PointsE[0].Etat, int16_t(0));
        QCOMPARE(modele.PointsE[1].Etat, int16_t(1));
    }

    void rectangleDessine()
    {
        CoupleProfils modele;
        EtatEdition edition;
        EtatVue vue;
        VueProfils dessin(modele, edition, vue);
        dessin.resize(200, 100);
        vue.DefinirTailleDessin(3000.0f, 1500.0f);
        dessin.DessinerProfils();
        const QImage fond = dessin.Capture();
        QCOMPARE(QColor(fond.pixel(20, 50)), QColor(Qt::white));
        // Drawn from its lower right corner to its upper left one: pixels (20, 20) to (100, 80).
        dessin.DefinirRectangleSouris(QRectF(QPointF(1500, 1200), QPointF(300, 300)), Qt::SolidLine);
        const QImage image = dessin.Capture();
        QCOMPARE(QColor(image.pixel(20, 50)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(60, 80)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(60, 50)), QColor(Qt::white));
        dessin.DefinirRectangleSouris({});
        QCOMPARE(dessin.Capture(), fond);
    }
};

GALBIX_GUI_TEST_MAIN(TestSourisVue)
#include "tst_sourisvue.moc"
