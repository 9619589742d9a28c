// The mouse on the drawing area, driven by synthetic mouse events on the offscreen platform:
// picking by click and rectangle, zoom rectangle, pan, Ctrl move of the selection and its
// refusal, cursor read-out, wheel zoom; and the "Synchronisation optimale" button
// (its walk and refusals are tested with the editing commands).
//
// The view is set in side view with 15 drawing units per millimetre and the centres chosen
// so that the model point (X, Y) is drawn at pixel (X, hauteur - Y): one pixel is one mm.
#include "common/BancFenetre.h"

#include "app/PiloteSouris.h"
#include "editing/Synchronisation.h"
#include "model/Fonctions.h"
#include "view/Projection.h"
#include "view/Souris.h"
#include "view/ui/VueProfils.h"

#include <tuple>


using namespace galbix;

namespace {

using namespace galbix::tests;

// A shown window with both sides loaded, in side view at one pixel per millimetre.
struct BancSouris : galbix::tests::BancFenetre {
    SessionEdition& s = fenetre.Session();
    QWidget* dessin = nullptr;
    int hauteur = 0; ///< drawing area height, pixels

    bool Preparer(std::vector<PointProfil> e, std::vector<PointProfil> t, AnglesVue angles = VueDeCote)
    {
        dessin = fenetre.Controles().pctProfils;
        if (!Montrer(QSize(1200, 800)) || !qobject_cast<VueProfils*>(dessin)) return false;
        hauteur = dessin->height();
        Charger(std::move(e), std::move(t), 0.0f);
        s.Vue.Omega = angles.Omega;
        s.Vue.Alpha = angles.Alpha;
        // One millimetre per pixel, model origin at the lower left corner of the area.
        s.Vue.DefinirTailleDessin(float(dessin->width() * TwipsParPixel), float(hauteur * TwipsParPixel));
        ProjeterProfils(s.Profils, s.Vue, nullptr);
        s.Vue.CoeffZoom = float(TwipsParPixel);
        s.Vue.XCentreZoom = s.Vue.XCentreDessin / float(TwipsParPixel);
        s.Vue.YCentreZoom = s.Vue.YCentreDessin / float(TwipsParPixel);
        RecalculerEcran(s.Vue);
        return true;
    }
    QPoint Pixel(QPoint mm) const { return {mm.x(), hauteur - mm.y()}; }
    int Annulations() const { return s.Historique.Taille(); }
};

const QList<QPointF> Carre10{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
const QList<QPointF> Carre20{{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}};

} // namespace

class TestSouris : public QObject {
    Q_OBJECT

private slots:
    void clic_data()
    {
        tests::Colonnes<QList<QPointF>, QList<int>, int, QPoint, QList<int>, int>(
            "points", "avant", "mode", "clic", "apres", "courant");
        const QList<QPointF> proches{{100, 100}, {103, 102}, {150, 100}};
        const auto ligne = [&](const char* nom, QList<int> avant, int mode, QPoint clic, QList<int> apres, int courant) {
            QTest::newRow(nom) << proches << avant << mode << clic << apres << courant;
        };
        ligne("deux points proches", {0, 0, 0}, EtatSelection, {101, 101}, {1, 1, 0}, 2);
        ligne("point déjà sélectionné", {1, 0, 1}, EtatSelection, {150, 100}, {1, 0, 0}, 3);
        ligne("mode référence", {1, 0, 0}, EtatReference, {100, 100}, {3, 2, 0}, 2);
        ligne("mode synchronisation", {1, 0, 0}, EtatSynchro, {150, 100}, {1, 0, 4}, 3);
        ligne("à 4 pixels: hors du carré", {0, 0, 0}, EtatSelection, {146, 100}, {0, 0, 0}, 1);
        ligne("carré, pas cercle", {0, 0, 0}, EtatSelection, {147, 103}, {0, 0, 1}, 3);
    }
    void clic()
    {
        QFETCH(QList<QPointF>, points); QFETCH(QList<int>, avant); QFETCH(int, mode); QFETCH(QPoint, clic);
        QFETCH(QList<int>, apres);
        BancSouris b;
        QVERIFY(b.Preparer(Points(points, avant), Points({{400, 400}})));
        b.s.Edition.ModeSelection = int16_t(mode);
        const int annulations = b.Annulations();
        QTest::mouseClick(b.dessin, Qt::LeftButton, Qt::NoModifier, b.Pixel(clic));
        QCOMPARE(Etats(b.s.Profils.PointsE), apres);
        QCOMPARE(b.Annulations(), annulations + (apres != avant ? 1 : 0));
        QTEST(b.s.Edition.PointCourantE, "courant");
        QVERIFY(b.s.Edition.PointCourantS == 1 && b.fenetre.Souris().Mode() == ModeSouris::Aucun);
    }

    void rectangle_data()
    {
        tests::Colonnes<QPoint, QPoint, bool, QList<int>, QList<int>>("de", "a", "pointsSaumon", "etatsE", "etatsS");
        const auto ligne = [](const char* nom, QPoint de, QPoint a, bool pointsS, QList<int> e, QList<int> s) {
            QTest::newRow(nom) << de << a << pointsS << e << s;
        };
        ligne("coin sur un point", {100, 100}, {60, 140}, true, {1, 0, 0}, {1, 0});
        ligne("tout", {10, 10}, {300, 300}, true, {1, 1, 1}, {1, 1});
        ligne("saumon masqué", {10, 10}, {300, 300}, false, {1, 1, 1}, {0, 0});
        ligne("un pixel à côté", {101, 99}, {140, 60}, true, {0, 0, 0}, {0, 0});
    }
    void rectangle()
    {
        QFETCH(QPoint, de); QFETCH(QPoint, a); QFETCH(bool, pointsSaumon); QFETCH(QList<int>, etatsE);
        QFETCH(QList<int>, etatsS);
        BancSouris b;
        QVERIFY(b.Preparer(Points({{100, 100}, {200, 100}, {200, 200}}), Points({{80, 120}, {250, 250}})));
        b.s.Vue.Options.AfficherPoints[CoteS] = pointsSaumon;
        auto* dessin = qobject_cast<VueProfils*>(b.dessin);
        QTest::mousePress(b.dessin, Qt::LeftButton, Qt::NoModifier, b.Pixel(de));
        QTest::mouseMove(b.dessin, b.Pixel(a));
        const QRectF trace = QRectF(QPointF(b.Pixel(de)) * TwipsParPixel, QPointF(b.Pixel(a)) * TwipsParPixel).normalized();
        QCOMPARE(dessin->RectangleSouris(), trace);
        QTest::mouseRelease(b.dessin, Qt::LeftButton, Qt::NoModifier, b.Pixel(a));
        QVERIFY(dessin->RectangleSouris().isNull());
        QCOMPARE(Etats(b.s.Profils.PointsE), etatsE);
        QCOMPARE(Etats(b.s.Profils.PointsS), etatsS);
        QCOMPARE(b.s.Edition.PointCourantE, std::max(int(etatsE.lastIndexOf(1)) + 1, 1));
        QCOMPARE(b.s.Edition.PointCourantS, std::max(int(etatsS.lastIndexOf(1)) + 1, 1));
    }

    // Shift drag: right, up and left, and a drag that goes nowhere.
    void panoramique()
    {
        for (const QPoint ecart : {QPoint(30, 0), QPoint(-25, 40), QPoint(0, 0)}) {
            BancSouris b;
            QVERIFY(b.Preparer(Points({{100, 100}, {200, 100}}, {1, 0}), Points({{120, 140}})));
            const CoupleProfils avant = b.s.Profils;
            const int annulations = b.Annulations();
            const float xc = b.s.Vue.XCentreZoom, yc = b.s.Vue.YCentreZoom, k = b.s.Vue.CoeffZoom;
            const QPoint de(150, 150);
            QTest::mousePress(b.dessin, Qt::LeftButton, Qt::ShiftModifier, b.Pixel(de));
            QCOMPARE(b.fenetre.Souris().Mode(), ModeSouris::Panoramique);
            QTest::mouseMove(b.dessin, b.Pixel(de + ecart));
            // Only the drawing copy follows the mouse; the model and the centre wait for the release.
            QCOMPARE(b.s.Vue.Copies.ProfilsEcran.PointsS[0].X, float((120 + ecart.x()) * TwipsParPixel));
            QCOMPARE(b.s.Vue.Copies.ProfilsEcran.PointsE[1].Y, float((b.hauteur - 100 - ecart.y()) * TwipsParPixel));
            QCOMPARE(b.s.Vue.XCentreZoom, xc);
            // The picture already drawn is shifted meanwhile, and the one after the pan is the one a
            // full drawing gives.
            auto* vue = qobject_cast<VueProfils*>(b.dessin);
            QCOMPARE(vue->DecalageBase(), QPointF(ecart.x(), -ecart.y()));
            QTest::mouseRelease(b.dessin, Qt::LeftButton, Qt::ShiftModifier, b.Pixel(de + ecart));
            QCOMPARE(vue->DecalageBase(), QPointF());
            const QImage apres = vue->Capture();
            vue->DessinerProfils();
            QCOMPARE(vue->Capture(), apres);
            // A drag of (dx, dy) pixels is (15 dx, -15 dy) drawing units: y goes downwards.
            QCOMPARE((QList<float>{b.s.Vue.XCentreZoom, b.s.Vue.YCentreZoom, b.s.Vue.CoeffZoom}),
                     (QList<float>{xc - float(ecart.x()), yc - float(ecart.y()), k}));
            QVERIFY(b.s.Profils.PointsE == avant.PointsE && b.s.Profils.PointsS == avant.PointsS);
            QCOMPARE(b.Annulations(), annulations);
            QCOMPARE(b.fenetre.Souris().Mode(), ModeSouris::Aucun);
        }
    }

    void deplacement()
    {
        for (const QPoint ecart : {QPoint(12, -7), QPoint(-30, 25)}) {
            BancSouris b;
            QVERIFY(b.Preparer(Points({{100, 100}, {200, 100}, {150, 180}}, {1, 0, 3}),
                               Points({{120, 140}, {160, 140}}, {0, 1})));
            const QPoint de(300, 300);
            const int annulations = b.Annulations();
            QTest::mousePress(b.dessin, Qt::LeftButton, Qt::ControlModifier, b.Pixel(de));
            QCOMPARE(b.fenetre.Souris().Mode(), ModeSouris::Deplacement);
            QTest::mouseMove(b.dessin, b.Pixel(de + ecart));
            QCOMPARE(b.s.Profils.PointsE[0].X, 100.0f);
            QCOMPARE(b.s.Vue.Copies.ProfilsEcran.PointsE[0].X, float((100 + ecart.x()) * TwipsParPixel));
            QCOMPARE(b.s.Vue.Copies.ProfilsEcran.PointsE[1].X, float(200 * TwipsParPixel));
            QTest::mouseRelease(b.dessin, Qt::LeftButton, Qt::ControlModifier, b.Pixel(de + ecart));
            const float dx = float(ecart.x()), dy = float(ecart.y());
            QCOMPARE(Points({{100 + dx, 100 + dy}, {200, 100}, {150 + dx, 180 + dy}}, {1, 0, 3}), b.s.Profils.PointsE);
            QCOMPARE(Points({{120, 140}, {160 + dx, 140 + dy}}, {0, 1}), b.s.Profils.PointsS);
            QCOMPARE(b.s.Profils.XmaxS, 160 + dx);
            QCOMPARE(b.Annulations(), annulations + 1);
            QCOMPARE(b.fenetre.Controles().txtCorde[CoteS]->text(), FormaterChamp(b.s.Profils.LargeurS));
            QVERIFY(b.dialogues.messages.empty());
        }
    }

    // A Ctrl drag outside the side view is refused with a message; when the view leaves the
    // side view between the press and the release, the model stays as well. Shift with Ctrl,
    // or Alt: no gesture at all. The selection and the view stay.
    void sansEffet_data()
    {
        // perspective: from the press on
        tests::Colonnes<int, bool, QStringList>("touches", "perspective", "messages");
        const int ctrl = int(Qt::ControlModifier);
        QTest::newRow("Ctrl hors vue de côté") << ctrl << true << QStringList{"Action impossible (Critique)"};
        QTest::newRow("Ctrl, vue changée pendant le geste") << ctrl << false << QStringList();
        QTest::newRow("Shift+Ctrl") << int(Qt::ShiftModifier | Qt::ControlModifier) << false << QStringList();
        QTest::newRow("Alt") << int(Qt::AltModifier) << false << QStringList();
    }
    void sansEffet()
    {
        QFETCH(int, touches); QFETCH(bool, perspective);
        const auto modificateurs = Qt::KeyboardModifiers(touches);
        BancSouris b;
        QVERIFY(b.Preparer(Points({{100, 100}, {200, 100}}, {1, 1}), Points({{120, 140}}, {1}),
                           perspective ? VuePerspective : VueDeCote));
        const CoupleProfils avant = b.s.Profils;
        const float xc = b.s.Vue.XCentreZoom;
        QTest::mousePress(b.dessin, Qt::LeftButton, modificateurs, b.Pixel(QPoint(100, 100)));
        QTest::mouseMove(b.dessin, b.Pixel(QPoint(120, 100)));
        if (touches == Qt::ControlModifier) b.s.Vue.Omega = VuePerspective.Omega;
        QTest::mouseRelease(b.dessin, Qt::LeftButton, modificateurs, b.Pixel(QPoint(130, 90)));
        QVERIFY(b.s.Profils.PointsE == avant.PointsE && b.s.Profils.PointsS == avant.PointsS);
        QCOMPARE(b.s.Vue.XCentreZoom, xc);
        QCOMPARE(b.fenetre.Souris().Mode(), ModeSouris::Aucun);
        QTEST(b.dialogues.Vus(), "messages");
        if (perspective) QVERIFY(b.dialogues.messages[0].texte.contains("qu'en vue de côté.\nAppuyez sur le bouton"));
    }

    void boutonMilieu()
    {
        BancSouris b;
        QVERIFY(b.Preparer(Points({{100, 100}, {200, 150}}, {1, 0}), Points({{120, 140}})));
        QTest::mouseMove(b.dessin, b.Pixel(QPoint(42, 17))); // the cursor read-out, in mm
        QCOMPARE(b.fenetre.Controles().panneauxEtat[3]->text(), QStringLiteral("X:42.0mm  Y:17.0mm"));
        QTest::mouseClick(b.dessin, Qt::MiddleButton, Qt::NoModifier, b.Pixel(QPoint(100, 100)));
        // Fitted: both sides fill the area, whose centre shows the middle of their extents.
        QCOMPARE(QPointF(b.s.Vue.XCentreZoom, b.s.Vue.YCentreZoom), QPointF(150, 125));
        QVERIFY(b.s.Vue.CoeffZoom != float(TwipsParPixel));
        QCOMPARE(Etats(b.s.Profils.PointsE), (QList<int>{1, 0}));
    }

    // A right drag, or a left one with the zoom button down, frames the rectangle; the button pops up.
    void zoomRectangle()
    {
        const std::tuple<Qt::MouseButton, QPoint, QPoint> glissers[] = {{Qt::RightButton, {100, 200}, {300, 100}},
                                                                        {Qt::LeftButton, {100, 100}, {300, 200}}};
        for (const auto& [bouton, de, a] : glissers) {
            BancSouris b;
            QVERIFY(b.Preparer(Points({{150, 150}}), Points({{160, 160}})));
            b.fenetre.Controles().chkZoomSelection->setChecked(bouton == Qt::LeftButton);
            QTest::mousePress(b.dessin, bouton, Qt::NoModifier, b.Pixel(de));
            QTest::mouseMove(b.dessin, b.Pixel((de + a) / 2));
            QTest::mouseMove(b.dessin, b.Pixel(a));
            QTest::mouseRelease(b.dessin, bouton, Qt::NoModifier, b.Pixel(a));
            QCOMPARE(QPointF(b.s.Vue.XCentreZoom, b.s.Vue.YCentreZoom), QPointF(200, 150));
            QCOMPARE(b.s.Vue.CoeffZoom, std::min((b.s.Vue.LargeurDessin - 360) / 200.0f, (b.s.Vue.HauteurDessin - 360) / 100.0f));
            QVERIFY(!b.fenetre.Controles().chkZoomSelection->isChecked());
            QCOMPARE(Etats(b.s.Profils.PointsE), QList<int>{0});
        }
    }

    // The wheel zooms by the zoom bar's steps and keeps the point under the cursor in place.
    void molette_data()
    {
        // tours: angleDelta().y() of each wheel event; crans: notches each event must zoom by
        tests::Colonnes<QList<int>, QList<int>>("tours", "crans");
        QTest::newRow("demi-crans cumulés") << QList<int>{60, 60} << QList<int>{0, 1};
        QTest::newRow("cran et demi puis demi-cran") << QList<int>{180, 60} << QList<int>{1, 1};
        QTest::newRow("petits pas sans cran entier") << QList<int>{30, 30, -50} << QList<int>{0, 0, 0};
    }
    // The wheel zooms by the zoom bar's steps about the point under the cursor; fractions
    // of a notch are kept for the next event.
    void molette()
    {
        QFETCH(QList<int>, tours); QFETCH(QList<int>, crans);
        BancSouris b;
        QVERIFY(b.Preparer(Points({{150, 150}}), Points({{160, 160}})));
        const QPointF pixel = b.Pixel(QPoint(80, 60));
        const PointVue avant = VersModele(b.s.Vue, float(pixel.x() * TwipsParPixel), float(pixel.y() * TwipsParPixel));
        float attendu = b.s.Vue.CoeffZoom;
        for (int i = 0; i < tours.size(); ++i) {
            QWheelEvent roue(pixel, b.dessin->mapToGlobal(pixel), QPoint(), QPoint(0, tours[i]), Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(b.dessin, &roue);
            for (int k = 0; k < std::abs(crans[i]); ++k)
                attendu = float(double(attendu) * (crans[i] > 0 ? 1.1 : 0.9));
            QCOMPARE(b.s.Vue.CoeffZoom, attendu);
        }
        const PointVue apres = VersModele(b.s.Vue, float(pixel.x() * TwipsParPixel), float(pixel.y() * TwipsParPixel));
        QVERIFY(std::abs(apres.x - avant.x) < 1e-3f && std::abs(apres.y - avant.y) < 1e-3f);
    }

    void synchronisation_data()
    {
        tests::Colonnes<QList<QPointF>, QList<int>, QList<QPointF>, QList<int>, QString, int>(
            "e", "etatsE", "t", "etatsS", "titre", "nombre");
        QTest::newRow("carrés") << Carre10 << QList<int>{} << Carre20 << QList<int>{} << TitreSynchroEffectuee << 5;
        QTest::newRow("nombres différents") << Carre10 << QList<int>{0, 4, 0, 0, 0} << Carre20 << QList<int>{}
                                            << TitreSynchroImpossible << 0;
    }
    void synchronisation()
    {
        QFETCH(QList<QPointF>, e); QFETCH(QList<int>, etatsE); QFETCH(QList<QPointF>, t);
        QFETCH(QList<int>, etatsS); QFETCH(QString, titre); QFETCH(int, nombre);
        BancSouris b;
        QVERIFY(b.Preparer(Points(e, etatsE), Points(t, etatsS)));
        const ControlesFenetre& c = b.fenetre.Controles();
        c.chkFil->setChecked(false);
        c.chkSurface->setChecked(false);
        const CoupleProfils avant = b.s.Profils;
        const int annulations = b.Annulations();
        QTest::mouseClick(c.cmdSynchroOptimale, Qt::LeftButton);
        QCOMPARE(b.dialogues.Vus(), QStringList{titre + (nombre ? " (Information)" : " (Critique)")});
        QVERIFY(c.optSelection[2]->isChecked());
        QCOMPARE(b.s.Edition.ModeSelection, EtatSynchro);
        QCOMPARE(b.s.Profils.NbPointsE(), nombre ? nombre : avant.NbPointsE());
        QCOMPARE(b.s.Profils.NbPointsS(), nombre ? nombre : avant.NbPointsS());
        QCOMPARE(b.Annulations(), annulations + (nombre ? 1 : 0));
        QCOMPARE(c.chkFil->isChecked() && c.chkSurface->isChecked() && b.s.Vue.Options.Fil && b.s.Vue.Options.Surface,
                 nombre > 0);
        if (nombre) QCOMPARE(b.s.Vue.Copies.ProfilsEcran.NbPointsS(), nombre);
    }

};

GALBIX_GUI_TEST_MAIN(TestSouris)
#include "tst_souris.moc"
