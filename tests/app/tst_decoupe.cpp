// The cut player of the main window and the pan that shows the drawing already made: the
// player follows the pairs, reports the segments to check, stops at any editing command;
// a pan shifts the picture while the mouse moves and ends on the same drawing as before.
#include "common/BancFenetre.h"
#include "common/TestMain.h"

#include "app/PiloteDecoupe.h"
#include "view/Projection.h"
#include "view/ui/VueProfils.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace galbix;

namespace {

using galbix::tests::Points;

struct Banc : tests::BancFenetre {
    SessionEdition& s = fenetre.Session();

    bool Preparer(std::vector<PointProfil> e, std::vector<PointProfil> t, AnglesVue angles = VueDeCote)
    {
        if (!Montrer(QSize(1200, 800)))
            return false;
        Charger(std::move(e), std::move(t), 0.0f);
        s.Vue.Omega = angles.Omega;
        s.Vue.Alpha = angles.Alpha;
        fenetre.Vue().AjusterVue();
        return true;
    }
    template <typename T> T* Controle(const char* nom) { return fenetre.findChild<T*>(QLatin1String(nom)); }
    VueProfils& Dessin() { return fenetre.Vue().Dessin(); }
};

const auto CarreE = Points({{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}});
const auto CarreS = Points({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});

} // namespace

class TestDecoupe : public QObject {
    Q_OBJECT
private slots:
    void lectureEtPas();
    void arreteeParUneCommande();
    void indisponibleSiComptesDifferents();
    void segmentsAVerifier_data();
    void segmentsAVerifier();
    void panoramiqueDecaleLeDessin();
};

void TestDecoupe::lectureEtPas()
{
    Banc b;
    QVERIFY(b.Preparer(CarreE, CarreS, VuePerspective));
    PiloteDecoupe& d = b.fenetre.Decoupe();
    auto* suivant = b.Controle<QToolButton>("cmdDecoupeSuivant");
    auto* precedent = b.Controle<QToolButton>("cmdDecoupePrecedent");
    QVERIFY(suivant && precedent && suivant->isEnabled());
    QVERIFY(!d.Actif());
    suivant->click();
    suivant->click();
    QVERIFY(d.Actif());
    QCOMPARE(d.Temps(), 40.0 / VitesseDecoupeDefaut); // pair 3: two root sides of 20 mm
    QVERIFY(b.Controle<QLabel>("lblDecoupe")->isVisibleTo(&b.fenetre));
    QVERIFY(b.Controle<QLabel>("lblDecoupe")->text().startsWith(QStringLiteral("Paire 3 / 5")));
    precedent->click();
    QCOMPARE(d.Temps(), 20.0 / VitesseDecoupeDefaut);
    for (int i = 0; i < 6; ++i)
        suivant->click();
    QCOMPARE(d.Temps(), 80.0 / VitesseDecoupeDefaut); // stops at the last pair
    // Played from the end it starts again, and runs with the clock.
    auto* lecture = b.Controle<QToolButton>("chkDecoupeLecture");
    lecture->click();
    QVERIFY(d.EnLecture());
    QTRY_VERIFY(d.Temps() > 0.0);
    lecture->click();
    QVERIFY(!d.EnLecture());
    QVERIFY(d.Actif());
    QCOMPARE(b.s.Profils.PointsE, CarreE); // the player never changes the model
}

void TestDecoupe::arreteeParUneCommande()
{
    Banc b;
    QVERIFY(b.Preparer(CarreE, CarreS));
    b.Controle<QToolButton>("cmdDecoupeSuivant")->click();
    QVERIFY(b.fenetre.Decoupe().Actif());
    b.Controle<QPushButton>("cmdSelectAll_0")->click();
    QVERIFY(!b.fenetre.Decoupe().Actif());
    QVERIFY(!b.Controle<QLabel>("lblDecoupe")->isVisibleTo(&b.fenetre));
    // A zoom or a view change does not stop it.
    b.Controle<QToolButton>("cmdDecoupeSuivant")->click();
    b.fenetre.Vue().RecalculerEcran();
    QVERIFY(b.fenetre.Decoupe().Actif());
}

void TestDecoupe::indisponibleSiComptesDifferents()
{
    Banc b;
    auto s = CarreS;
    s.pop_back();
    QVERIFY(b.Preparer(CarreE, s));
    QVERIFY(!b.Controle<QToolButton>("chkDecoupeLecture")->isEnabled());
    b.fenetre.Decoupe().Pas(1);
    QVERIFY(!b.fenetre.Decoupe().Actif());
}

void TestDecoupe::segmentsAVerifier_data()
{
    QTest::addColumn<std::vector<PointProfil>>("s");
    QTest::addColumn<QString>("extrait");
    QTest::newRow("proportionné") << CarreS << QStringLiteral("Aucun segment à vérifier");
    // The tip crawls 1 mm on the first root side, then rushes 29 mm on the second.
    QTest::newRow("mauvaise synchro") << Points({{0, 0}, {1, 0}, {10, 20}, {0, 10}, {0, 0}})
                                      << QStringLiteral("1-2");
}

void TestDecoupe::segmentsAVerifier()
{
    QFETCH(std::vector<PointProfil>, s);
    QFETCH(QString, extrait);
    Banc b;
    QVERIFY(b.Preparer(CarreE, s));
    b.Controle<QPushButton>("cmdSegmentsAVerifier")->click();
    QCOMPARE(b.dialogues.Titres(), QStringList{QStringLiteral("Segments à vérifier")});
    QVERIFY2(b.dialogues.messages[0].texte.contains(extrait), qPrintable(b.dialogues.messages[0].texte));
}

void TestDecoupe::panoramiqueDecaleLeDessin()
{
    Banc b;
    QVERIFY(b.Preparer(CarreE, CarreS));
    QWidget* zone = b.fenetre.Controles().pctProfils;
    const float x0 = b.s.Vue.Copies.ProfilsEcran.PointsE[1].X;
    const QPoint de(200, 200), a(260, 230);
    QTest::mousePress(zone, Qt::LeftButton, Qt::ShiftModifier, de);
    QTest::mouseMove(zone, a);
    // While the mouse moves, the picture is shifted, the copies moved as before.
    QCOMPARE(b.Dessin().DecalageBase(), QPointF(60, 30));
    QCOMPARE(b.s.Vue.Copies.ProfilsEcran.PointsE[1].X, x0 + 60.0f * TwipsParPixel);
    QTest::mouseRelease(zone, Qt::LeftButton, Qt::ShiftModifier, a);
    QCOMPARE(b.Dessin().DecalageBase(), QPointF());
    // The picture after the pan is the one a full drawing gives.
    const QImage apres = b.Dessin().Capture();
    b.Dessin().DessinerProfils();
    QCOMPARE(b.Dessin().Capture(), apres);
}

GALBIX_GUI_TEST_MAIN(TestDecoupe)
#include "tst_decoupe.moc"
