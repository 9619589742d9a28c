// The drawing: colours of lines, markers and rulings by mode and options, the overlay,
// the background image and the automatic unticking of "Surface", checked on the pixels.
#include "common/Emplacements.h"
#include "common/Colonnes.h"
#include "common/Profils.h"
#include "common/TestMain.h"

#include "files/Projet.h"
#include "model/Extremes.h"
#include "model/Naca.h"
#include "view/Projection.h"
#include "view/Rafraichissement.h"
#include "view/Souris.h"
#include "view/ui/DessinDecoupe.h"
#include "view/ui/DessinProfils.h"
#include "view/ui/VueProfils.h"

#include <QHash>
#include <QPainter>
#include <QSignalSpy>

using namespace galbix;

namespace {

constexpr int Largeur = 400, Hauteur = 300; // pixels

// Root (0,0) (50,0) (100,0) and tip (0,40) (50,40) (100,40) with the states given, in side view.
struct SceneDessin {
    CoupleProfils modele;
    EtatEdition edition;
    EtatVue vue;
    explicit SceneDessin(const QList<int>& etatsE = {}, const QList<int>& etatsS = {}, int mode = 1) {
        modele.PointsE = tests::Points({{0, 0}, {50, 0}, {100, 0}}, etatsE);
        modele.PointsS = tests::Points({{0, 40}, {50, 40}, {100, 40}}, etatsS);
        modele.EcartementZ = 200;
        CalculerExtremes(modele);
        edition.ModeSelection = int16_t(mode);
        std::tie(vue.Omega, vue.Alpha) = std::tuple(VueDeCote.Omega, VueDeCote.Alpha);
        vue.DefinirTailleDessin(Largeur * TwipsParPixel, Hauteur * TwipsParPixel);
    }
};

// The base layer drawn by `d` on an image of the test size.
QImage Peindre(DessinateurProfils& d, SceneDessin& s, const QImage& fond = QImage()) {
    QImage image(Largeur, Hauteur, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    d.Dessiner(p, s.modele, s.edition, s.vue, fond);
    return image;
}

QImage Dessiner(SceneDessin& s, const QImage& fond = QImage(), const CoupleProfils* intermediaire = nullptr) {
    AjusterVue(s.modele, s.vue, intermediaire);
    DessinateurProfils d;
    return Peindre(d, s, fond);
}

// Pixel position of a point given in model millimetres (side view), offset in pixels.
QPointF Pixel(const EtatVue& v, float X, float Y, double dx = 0, double dy = 0) {
    const PointVue d = VersDessin(v, X, Y);
    return {d.x / TwipsParPixel + dx, d.y / TwipsParPixel + dy};
}

// True when a pixel within one pixel of `p` has exactly the colour.
bool CouleurPres(const QImage& image, QPointF p, const QColor& couleur) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int x = int(std::floor(p.x())) + dx, y = int(std::floor(p.y())) + dy;
            if (image.rect().contains(x, y) && image.pixelColor(x, y).rgb() == couleur.rgb())
                return true;
        }
    return false;
}

// Where each probe of the colour table looks: model point and pixel offset.
QPointF Sonde(const QString& nom, const EtatVue& v) {
    static const QHash<QString, std::array<float, 3>> sondes = {
        {"traitE", {15, 0, 0}},      {"traitS", {15, 40, 0}},      {"pointE2", {50, 0, 0}},
        {"centreRefE", {25, 0, 0}},  {"centreRefS", {25, 40, 0}},  {"inter", {75, 20, 0}},
        {"regle", {50, 20, 0}},      {"cercleE", {0, 0, -5}},      {"cercleS", {0, 40, -5}}};
    const std::array<float, 3> s = sondes.value(nom);
    return Pixel(v, s[0], s[1], 0, s[2]);
}

// A polygon filled as the cut player shades the part already cut.
QImage Remplir(const QPolygonF& poly) {
    QImage image(Largeur, Hauteur, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(poly, Qt::WindingFill);
    return image;
}

// Both sides: the demo project's, or NACA 2412 and 0012 of 2 x `parSurface` points; the
// first quarter of each selected and about fifty points synchronised.
void Aile(SceneDessin& s, int parSurface) {
    if (parSurface == 0) {
        DonneesProjet projet;
        QVERIFY(LireProjet(galbix::tests::DossierSources() + QStringLiteral("/data/demo/demo.gbx"), projet).Reussie());
        s.modele = projet.Profils;
    } else {
        s.modele.PointsE = tests::Naca("2412", parSurface, 300.0);
        s.modele.PointsS = tests::Naca("0012", parSurface, 180.0, 60.0, 15.0);
        s.modele.EcartementZ = 600.0f;
    }
    for (auto* cote : {&s.modele.PointsE, &s.modele.PointsS}) {
        const size_t n = cote->size();
        for (size_t i = 0; i < n; ++i) {
            PointProfil& q = cote->Modifier()[i];
            q.Etat = int16_t(i < n / 4 ? EtatSelection : 0);
            if (i % std::max<size_t>(1, n / 50) == 7)
                PoserEtat(q, EtatSynchro);
        }
    }
    CalculerExtremes(s.modele);
}

} // namespace

class TestDessin : public QObject {
    Q_OBJECT
private slots:
    void couleurs_data() {
        // options: s "Surface", e root lines hidden, i intermediate profile
        tests::Colonnes<QList<int>, QList<int>, int, QString, QString, QColor, bool>(
            "etatsE", "etatsS", "mode", "options", "sonde", "couleur", "present");
        const QColor rouge(255, 0, 0), bleu(0, 0, 255), vert(0, 176, 10), violet(240, 0, 225), cyan(0, 207, 169);
        const QColor centreE(112, 49, 255), centreS(0, 169, 207), regle(255, 193, 113);
        const QList<int> rien, choisis{1, 1}, references{2, 2};
        QTest::newRow("emplanture rouge") << rien << rien << 1 << "" << "traitE" << rouge << true;
        QTest::newRow("saumon bleu") << rien << rien << 1 << "" << "traitS" << bleu << true;
        QTest::newRow("segment choisi") << choisis << rien << 1 << "" << "traitE" << vert << true;
        QTest::newRow("choisi, mode référence") << choisis << rien << 2 << "" << "traitE" << rouge << true;
        QTest::newRow("segment de référence") << references << rien << 2 << "" << "traitE" << violet << true;
        QTest::newRow("point choisi") << QList<int>{0, 1} << rien << 1 << "" << "pointE2" << vert << true;
        QTest::newRow("choisi et référence") << QList<int>{0, 3} << rien << 2 << "e" << "pointE2" << violet << true;
        QTest::newRow("synchro") << QList<int>{0, 4} << rien << 4 << "" << "pointE2" << cyan << true;
        QTest::newRow("synchro hors mode") << QList<int>{0, 4} << rien << 1 << "" << "pointE2" << cyan << false;
        QTest::newRow("centre des références E") << references << rien << 2 << "" << "centreRefE" << centreE << true;
        QTest::newRow("centre E: profil caché") << references << rien << 2 << "e" << "centreRefE" << centreE << false;
        QTest::newRow("pas de centre sans référence") << rien << rien << 2 << "" << "centreRefE" << centreE << false;
        QTest::newRow("centre des références S") << rien << references << 2 << "" << "centreRefS" << centreS << true;
        QTest::newRow("surface") << rien << rien << 1 << "s" << "regle" << regle << true;
        QTest::newRow("profil intermédiaire") << rien << rien << 1 << "i" << "inter" << vert << true;
        QTest::newRow("départ de l'emplanture") << rien << rien << 1 << "" << "cercleE" << rouge << true;
    }
    void couleurs() {
        QFETCH(QList<int>, etatsE); QFETCH(QList<int>, etatsS); QFETCH(int, mode); QFETCH(QString, options);
        QFETCH(QString, sonde); QFETCH(QColor, couleur);
        SceneDessin s(etatsE, etatsS, mode);
        s.vue.Options.Surface = options.contains(u's');
        s.vue.Options.AfficherProfil[CoteE] = !options.contains(u'e');
        s.vue.Options.ProfilIntermediaire = options.contains(u'i');
        s.vue.EcartementIntermediaire = 100;
        CoupleProfils inter; // at mid-height, between root and tip
        inter.PointsE = {{0, 20, 0}, {50, 20, 0}, {100, 20, 0}};
        const QImage image = Dessiner(s, QImage(), &inter);
        QTEST(CouleurPres(image, Sonde(sonde, s.vue), couleur), "present");
    }
    void imageDeFond() {
        SceneDessin s;
        QImage fond(40, 30, QImage::Format_RGB32);
        fond.fill(QColor(10, 20, 30));
        s.vue.Options.ImageFond = s.vue.ImageFondPresente = true;
        s.vue.LargeurImage = 40 * TwipsParPixel;
        s.vue.HauteurImage = 30 * TwipsParPixel;
        s.vue.EchelleImage = EchelleImageFond(s.vue.LargeurImage, s.vue.HauteurImage, s.vue.LargeurDessin,
                                              s.vue.HauteurDessin);
        QCOMPARE(s.vue.EchelleImage, 10.0f); // 400 x 300 from 40 x 30
        const QImage image = Dessiner(s, fond);
        QCOMPARE(image.pixelColor(5, 150), QColor(10, 20, 30));  // fills the area, under the profiles
        QVERIFY(CouleurPres(image, Sonde("traitE", s.vue), QColor(255, 0, 0)));
        s.vue.Options.ImageFond = false;
        QCOMPARE(Dessiner(s, fond).pixelColor(5, 150), QColor(Qt::white));
    }
    void surfaceDecocheeQuandLesNombresDifferent() {
        SceneDessin s;
        s.modele.PointsS.push_back({150, 40, 0});
        s.vue.Options.Fil = s.vue.Options.Surface = true;
        VueProfils vue(s.modele, s.edition, s.vue);
        QSignalSpy decochee(&vue, &VueProfils::surfaceDecochee);
        vue.resize(Largeur, Hauteur);
        vue.show();
        vue.AjusterVue();
        QVERIFY(!s.vue.Options.Surface && !s.vue.BlocageDessin && decochee.count() >= 1);
        QVERIFY(!CouleurPres(vue.Base(), Sonde("regle", s.vue), QColor(255, 193, 113)));
    }
    void surcoucheEtFil() {
        SceneDessin s;
        s.edition.PointCourantE = 2;
        s.edition.PointCourantS = 3;
        s.vue.Options.Fil = true;
        s.vue.CoteCourant = QStringLiteral("E");
        VueProfils vue(s.modele, s.edition, s.vue);
        vue.resize(Largeur, Hauteur);
        vue.show();
        QCOMPARE(s.vue.LargeurDessin, float(Largeur * TwipsParPixel));
        vue.AjusterVue();
        vue.RafraichirSurcouche();
        const double demi = 70.0 / TwipsParPixel;
        QVERIFY(CouleurPres(vue.Capture(), Pixel(s.vue, 50, 0, demi, 0), QColor(144, 26, 0)));
        QVERIFY(CouleurPres(vue.Capture(), Pixel(s.vue, 100, 40, 0, -demi), QColor(0, 6, 112)));
        // The wire at mid-span above root point X, in the overlay only (not in the base layer).
        const auto fil = [&](float X, bool base = false) {
            return CouleurPres(base ? vue.Base() : vue.Capture(), Pixel(s.vue, X, 20), Qt::black);
        };
        QVERIFY(fil(50) && !fil(50, true)); // from tip 2 to root 2
        // The list of the tip moved last: the wire joins the tip's current point number.
        s.vue.CoteCourant = QStringLiteral("S");
        vue.RafraichirSurcouche();
        QVERIFY(fil(100) && !fil(50));
        // No list moved yet, or the tip's points hidden: no wire.
        for (bool pointsS : {true, false}) {
            s.vue.CoteCourant = pointsS ? QString() : QStringLiteral("E");
            s.vue.Options.AfficherPoints[CoteS] = pointsS;
            vue.RafraichirSurcouche();
            QVERIFY(!fil(50) && !fil(100));
        }
    }
    void coordonneesExtremes() {
        // A huge zoom, a point far away and non-finite values: drawn without trouble, and the
        // visible part of a segment reaching far outside is still there.
        SceneDessin s;
        s.modele.PointsE = {{0, 0, 0}, {1e30f, 0, 0}, {std::nanf(""), 5, 0}, {2, 0, 0}};
        AjusterVue(s.modele, s.vue, nullptr);
        s.vue.CoeffZoom = 1e6f;
        s.vue.XCentreZoom = s.vue.YCentreZoom = 0;
        RecalculerEcran(s.vue);
        DessinateurProfils d;
        QVERIFY(CouleurPres(Peindre(d, s), QPointF(Largeur * 0.75, Hauteur / 2.0), QColor(255, 0, 0)));
    }
    void reductionCommeDessinComplet_data() {
        // parSurface 0: the demo project; zoom: times the fitted scale
        tests::Colonnes<int, int, float, bool>("parSurface", "mode", "zoom", "perspective");
        QTest::newRow("demo, synchronised points, side view") << 0 << int(EtatSynchro) << 1.0f << false;
        QTest::newRow("demo, selection, zoomed, perspective") << 0 << int(EtatSelection) << 6.0f << true;
        QTest::newRow("10^6 points, selection, perspective") << 250000 << int(EtatSelection) << 1.0f << true;
        QTest::newRow("10^6 points, synchronised, zoomed in") << 250000 << int(EtatSynchro) << 30.0f << false;
        QTest::newRow("10^6 points, beyond the safe area") << 250000 << int(EtatSelection) << 150.0f << false;
    }
    // The drawing from the copies reduced to the pixels paints what the drawing of every point
    // paints, lines and markers, as fitted, after a drag of the selection and a pan by parts of a
    // pixel (the reduction kept), and after a change of selection; so does the cut player's
    // shading of the part already cut.
    void reductionCommeDessinComplet() {
        QFETCH(int, parSurface); QFETCH(int, mode); QFETCH(float, zoom); QFETCH(bool, perspective);
        SceneDessin s({}, {}, mode);
        Aile(s, parSurface);
        if (perspective)
            std::tie(s.vue.Omega, s.vue.Alpha) = std::tuple(VuePerspective.Omega, VuePerspective.Alpha);
        AjusterVue(s.modele, s.vue, nullptr);
        s.vue.CoeffZoom *= zoom;
        RecalculerEcran(s.vue);
        DessinateurProfils reduit, complet;
        complet.ReduireAuxPixels(false);
        const int32_t segment = int32_t(s.modele.PointsE.size() * 3 / 5);
        const char* etapes[] = {"fitted", "drag", "pan", "selection"};
        for (const char* etape : etapes) {
            if (etape == etapes[1])
                DecalerCopieDessin(s.vue, s.modele, 15.0f, -30.0f, true);
            else if (etape == etapes[2])
                DecalerCopieDessin(s.vue, s.modele, 7.0f, 4.5f, false);
            else if (etape == etapes[3]) {
                for (PointProfil& q : s.modele.PointsE.Modifier())
                    q.Etat = int16_t(q.Etat ^ EtatSelection);
                CalculerRafraichissement(s.modele, s.edition, s.vue, false);
            }
            const QImage image = Peindre(reduit, s);
            QCOMPARE(image, Peindre(complet, s));
            const ReductionsDecoupe reductions{reduit.Reduction(CoteE, s.vue), reduit.Reduction(CoteS, s.vue)};
            QVERIFY(reductions.E != nullptr && reductions.S != nullptr);
            if (parSurface > 0 && zoom == 1.0f)
                QVERIFY(reductions.E->Plages().size() < s.modele.PointsE.size() / 20);
            QCOMPARE(Remplir(ContourDejaCoupe(s.vue, segment, 0.3, reductions)),
                     Remplir(ContourDejaCoupe(s.vue, segment, 0.3)));
        }
    }
};

GALBIX_GUI_TEST_MAIN(TestDessin)
#include "tst_dessin.moc"
