// The gesture arithmetic without the window: degenerate zoom rectangles, wheel steps both ways
// and the drawing copy during a drag (the window's own gestures are driven by the main window tests).
#include "common/TestMain.h"

#include "view/Souris.h"

#include <cmath>
#include <limits>

using namespace galbix;

namespace {

EtatVue VueType() {
    EtatVue vue;
    vue.DefinirTailleDessin(6000.0f, 3000.0f);
    std::tie(vue.CoeffZoom, vue.XCentreZoom, vue.YCentreZoom) = std::tuple(20.0f, 50.0f, 10.0f);
    return vue;
}

} // namespace

class TestSourisVue : public QObject {
    Q_OBJECT

private slots:
    // Any rectangle without width or height, or with a corner that cannot be placed, moves
    // the centre at most and never changes the scale.
    void zoomRectangleDegenere() {
        const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
        const struct { float x1, y1, x2, y2; bool accepte; } cas[] = {
            {100, 100, 100, 100, false}, {100, 100, 100, 900, false}, {100, 100, 700, 100, false}, // point, lines
            {100, 100, inf, 200, false}, {nan, 100, 300, 200, false}, {100, 100, 400, 200, true},
        };
        for (const auto& c : cas) {
            EtatVue vue = VueType();
            std::tie(vue.Rectangle.x1, vue.Rectangle.y1) = std::tuple(c.x1, c.y1);
            QCOMPARE(ZoomerRectangle(vue, c.x2, c.y2), c.accepte);
            QVERIFY(c.accepte || vue.CoeffZoom == 20.0f);
            QVERIFY(std::isfinite(vue.CoeffZoom) && vue.CoeffZoom > 0.0f);
        }
    }

    // A notch back, then two forward, about a corner: the zoom bar's steps, and the model
    // point under the cursor stays there.
    void molette() {
        EtatVue vue = VueType();
        const PointVue avant = VersModele(vue, 15, 2985);
        QVERIFY(!ZoomerMolette(vue, 15, 2985, 0));
        double attendu = 20.0;
        for (const int crans : {-1, 2}) {
            QVERIFY(ZoomerMolette(vue, 15, 2985, crans));
            for (int i = 0; i < std::abs(crans); ++i)
                attendu = float(attendu * (crans > 0 ? 1.1 : 0.9));
            QCOMPARE(vue.CoeffZoom, float(attendu));
        }
        const PointVue apres = VersModele(vue, 15, 2985);
        QVERIFY(std::abs(apres.x - avant.x) < 1e-4f && std::abs(apres.y - avant.y) < 1e-4f);
    }

    // A drawing copy shorter than the model (not yet resized) is walked only as far as it goes.
    void copiesIncompletes() {
        CoupleProfils modele{.PointsE = {{0, 0, 1}, {10, 0, 1}, {20, 0, 1}}, .PointsS = {}};
        EtatVue vue = VueType();
        vue.Copies.ProfilsEcran.PointsE = {{100, 100, 0}};
        DecalerCopieDessin(vue, modele, 5, 5, true);
        QCOMPARE(vue.Copies.ProfilsEcran.PointsE[0], (PointProfil{105, 105, 0}));
        EtatEdition edition;
        const ResultatPointage r = Pointer(modele, edition, vue, {0, 0, 200, 200});
        QVERIFY(r.SelectionModifiee && modele.PointsE[0].Etat == 0 && modele.PointsE[1].Etat == 1);
    }
};

GALBIX_GUI_TEST_MAIN(TestSourisVue)
#include "tst_sourisvue.moc"
