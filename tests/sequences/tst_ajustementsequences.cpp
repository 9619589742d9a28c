// The sequence window keeps its contours in sight and in reach: a straight-line contour is
// caught by a click near it, a command that takes contours out of the lower view refits it,
// and a one-point link is drawn large enough to be seen.
#include "common/Colonnes.h"
#include "common/DialoguesScript.h"
#include "common/TestMain.h"
#include "sequences/Fabrique.h"

#include "geomlib/Tolerances.h"
#include "sequences/Cadrage.h"
#include "sequences/ui/FenetreSequences.h"
#include "sequences/ui/VueSequences.h"

#include <QPushButton>
#include <QToolButton>

using namespace galbix;
using galbix::essai::Carre;
using galbix::essai::Contour;

class TestAjustementSequences : public QObject {
    Q_OBJECT

private slots:
    // Display units: a horizontal line at v = 3000 (u 1000..4000), a vertical one at u = 6000
    // (v 1000..4000) and a square 8000..9000 x 1000..2000. A click of the upper view is a point,
    // one of the lower view a square of 100 units.
    void clicTrait_data() {
        tests::Colonnes<bool, double, double, QString>("basse", "u", "v", "choix");
        QTest::newRow("haut: sur le trait horizontal") << false << 2000.0 << 3000.0 << "100";
        QTest::newRow("haut: 3 pixels au-dessus") << false << 2000.0 << 2955.0 << "100";
        QTest::newRow("haut: 6 pixels au-dessous") << false << 2000.0 << 3090.0 << "000";
        QTest::newRow("haut: au-delà du bout") << false << 4100.0 << 3000.0 << "000";
        QTest::newRow("haut: près du trait vertical") << false << 6030.0 << 2000.0 << "010";
        QTest::newRow("haut: dans le carré") << false << 8500.0 << 1500.0 << "001";
        QTest::newRow("haut: près du carré, dehors") << false << 8500.0 << 2030.0 << "000";
        QTest::newRow("bas: sur le trait horizontal") << true << 2000.0 << 3000.0 << "100";
        QTest::newRow("bas: 3 pixels au-dessous") << true << 2000.0 << 3045.0 << "100";
        QTest::newRow("bas: 6 pixels au-dessus") << true << 2000.0 << 2910.0 << "000";
        QTest::newRow("bas: près du trait vertical") << true << 5960.0 << 3500.0 << "010";
    }
    void clicTrait() {
        QFETCH(bool, basse); QFETCH(double, u); QFETCH(double, v);
        ListeSequences liste = {Contour({{1000, 3000}, {4000, 3000}}), Contour({{6000, 1000}, {6000, 4000}}),
                                Carre(8000, 1000, 1000)};
        const ListeSequences ecran = liste;
        RectangleEcran clic = RectangleEcran::Depuis(u, v, u, v);
        if (basse)
            clic = clic.Agrandi(cadrage::AgrandissementClic);
        BasculerParRectangle(liste, ecran, clic, tol::PinceeTrait + (basse ? cadrage::AgrandissementClic : 0));
        QTEST(essai::Choix(liste), "choix");
    }

    // "Ecarter", "Rapprocher" and the entry point step by step: a step that takes a contour out
    // of the lower view refits it, so that every contour stays in sight; the entry point moves
    // no contour and keeps the zoom.
    void pasRecadre_data() {
        tests::Colonnes<QString, bool>("bouton", "recadre");
        QTest::newRow("écarter") << "cmdIntervale_0" << true;
        QTest::newRow("rapprocher") << "cmdIntervale_1" << true;
        QTest::newRow("point d'entrée") << "cmdPremierPointSequence_0" << false;
    }
    void pasRecadre() {
        QFETCH(QString, bouton); QFETCH(bool, recadre);
        DialoguesScript dialogues;
        TamponLecture tampon = essai::Tampon({Carre(0, 0, 10), Carre(15, 0, 10), Carre(30, 0, 10)}); // 5 apart
        FenetreSequences f(dialogues, tampon, CoteE, QString(), QString());
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const ControlesSequences& c = f.Controles();
        c.cmdSelectionSequence[0]->click();
        c.cmdQuelquesSequences->click();
        c.cmdSelectionSequenceFinal[0]->click();
        auto* commande = f.findChild<QPushButton*>(bouton);
        QVERIFY(commande && commande->isEnabled());
        int recadrages = 0;
        for (int i = 0; i < 40; ++i) {
            const double echelle = f.CadrageBas().Echelle;
            QTest::mouseClick(commande, Qt::LeftButton);
            recadrages += f.CadrageBas().Echelle != echelle;
            QVERIFY2(!HorsVue(f.CadrageBas(), f.SequencesFinalesEcran()), qPrintable(QString::number(i)));
        }
        QCOMPARE(recadrages > 0, recadre);
    }

    // A one-point contour shows as a dot of several pixels, in the side colour.
    void lienUnPoint() {
        VueSequences vue;
        vue.resize(200, 120);
        const ListeSequences ecran = {Contour({{1500, 900}})};
        vue.Dessiner(ecran, Qt::red, false, -1, true);
        const QImage image = vue.Capture().convertToFormat(QImage::Format_RGB32);
        const auto pixels = reinterpret_cast<const QRgb*>(image.constBits());
        const auto rouges = std::count(pixels, pixels + image.width() * image.height(), qRgb(255, 0, 0));
        QVERIFY2(rouges >= 9, qPrintable(QString::number(rouges)));
    }
};

GALBIX_GUI_TEST_MAIN(TestAjustementSequences)
#include "tst_ajustementsequences.moc"
