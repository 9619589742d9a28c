// Both windows on a real screen with a real window manager (run by lancer_ecran.sh under Xvfb
// and openbox at 1024x768): the windows fit the screen's available area with every caption
// whole and nothing to scroll, and a start-quit-start cycle leaves the settings file as it was.

#include "common/BancFenetre.h"

#include "app/PiloteDecoupe.h"
#include "files/Ouverture.h"
#include "geomlib/PointFichier.h"
#include "sequences/ui/FenetreSequences.h"

#include <QScreen>
#include <QScrollArea>
#include <QWindow>

using namespace galbix;
using namespace galbix::tests;

namespace {

/// Shown, framed by the window manager, and no longer resized by it (it may resize a window
/// once or twice after mapping it).
bool AttendreCadre(QWidget& w)
{
    if (!QTest::qWaitForWindowExposed(&w)
        || !QTest::qWaitFor([&] { return !w.windowHandle()->frameMargins().isNull(); }, 3000))
        return false;
    QSize avant;
    for (int i = 0; i < 40 && w.size() != avant; ++i) {
        avant = w.size();
        QTest::qWait(50);
    }
    return true;
}

/// The controls of `racine` whose caption does not fit in their width, by name and caption.
QStringList LegendesCoupees(const QWidget& racine)
{
    QStringList coupees;
    for (const QAbstractButton* b : racine.findChildren<QAbstractButton*>())
        if (b->isVisibleTo(&racine) && !b->text().isEmpty() && b->width() < b->sizeHint().width())
            coupees << b->objectName() + u'=' + b->text();
    for (const QLabel* l : racine.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&racine) || l->text().isEmpty() || l->wordWrap()) continue;
        if (l->width() < l->fontMetrics().horizontalAdvance(l->text()) + 2 * l->frameWidth())
            coupees << l->objectName() + u'=' + l->text();
    }
    return coupees;
}

/// The whole frame of `w` lies within the available area of its screen.
bool DansEcran(QWidget& w) { return w.screen()->availableGeometry().contains(w.windowHandle()->frameGeometry()); }

TamponLecture Contours(int n)
{
    TamponLecture t;
    for (int k = 0; k < n; ++k)
        for (auto [x, y] : {std::pair{0.f, 0.f}, {10.f, 0.f}, {10.f, 10.f}, {0.f, 10.f}, {0.f, 0.f}}) {
            t.Points.push_back({});
            t.Points.back().X = x + 20.f * float(k);
            t.Points.back().Y = y;
            PoserCodeContour(t.Points.back(), k);
        }
    return t;
}

} // namespace

class TestEcran : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() == u"offscreen")
            QSKIP("needs a real screen and window manager: run through lancer_ecran.sh");
    }

    void fenetrePrincipale_data()
    {
        Colonnes<bool>("agrandie");
        QTest::newRow("normale") << false;
        QTest::newRow("agrandie") << true;
    }
    void fenetrePrincipale()
    {
        QFETCH(bool, agrandie);
        BancFenetre banc;
        banc.Charger(Naca("2412", 40, 100.0), Naca("0012", 40, 70.0));
        agrandie ? banc.fenetre.showMaximized() : banc.fenetre.show();
        QVERIFY(AttendreCadre(banc.fenetre) && DansEcran(banc.fenetre));
        const auto* defilement = banc.fenetre.findChild<QScrollArea*>(QStringLiteral("defilementFenetre"));
        const QSize contenu = defilement->widget()->minimumSize(), vue = defilement->viewport()->size();
        const QString tailles = QStringLiteral("content %1x%2 in %3x%4")
                                    .arg(contenu.width()).arg(contenu.height()).arg(vue.width()).arg(vue.height());
        QVERIFY2(!defilement->horizontalScrollBar()->isVisible() && !defilement->verticalScrollBar()->isVisible(),
                 qPrintable(tailles));
        QCOMPARE(LegendesCoupees(banc.fenetre).join(u", "), QString());
        // While the cut plays, the status panels keep room for their texts.
        banc.C().panneauxEtat[3]->setText(QStringLiteral("X:-123.45mm  Y:-12.34mm"));
        banc.C().panneauxEtat[0]->setText(QStringLiteral(": 79 points     Sél.: 4 pts    X:9.64mm   Y:1.45mm  D:9.75mm"));
        banc.fenetre.Decoupe().Basculer(true);
        QTest::qWait(100);
        for (int i : {0, 1, 3}) {
            const QLabel* panneau = banc.C().panneauxEtat[size_t(i)];
            QVERIFY2(panneau->width() >= panneau->fontMetrics().horizontalAdvance(panneau->text()),
                     qPrintable(panneau->text()));
        }
        banc.fenetre.Decoupe().Arreter();
    }

    void fenetreSequences()
    {
        DossierProgrammeTemporaire dossier;
        DialoguesScript dialogues;
        TamponLecture tampon = Contours(3);
        FenetreSequences f(dialogues, tampon, CoteE, dossier.filePath(QStringLiteral("Galbix.ini")), dossier.path());
        f.show();
        QVERIFY(AttendreCadre(f));
        QVERIFY2(DansEcran(f), qPrintable(QStringLiteral("%1x%2").arg(f.frameGeometry().width()).arg(f.frameGeometry().height())));
        QCOMPARE(LegendesCoupees(f).join(u", "), QString());
        f.showMaximized();
        QTest::qWait(200);
        AttendreCadre(f);
        QCOMPARE(LegendesCoupees(f).join(u", "), QString());
    }

    // Three start-quit cycles: the first writes the settings file, the next ones leave it
    // byte for byte as it was.
    void cyclesDemarrage()
    {
        auto dossier = std::make_shared<DossierProgrammeTemporaire>();
        QByteArray precedent;
        for (int cycle = 1; cycle <= 3; ++cycle) {
            BancFenetre banc(true, QString(), dossier);
            banc.fenetre.show();
            QVERIFY(AttendreCadre(banc.fenetre) && banc.fenetre.close());
            const QByteArray contenu = LireOctets(banc.Fichier(QStringLiteral("Galbix.ini")));
            if (cycle > 1) QCOMPARE(contenu, precedent);
            precedent = contenu;
        }
    }
};

GALBIX_GUI_TEST_MAIN(TestEcran)
#include "tst_ecran.moc"
