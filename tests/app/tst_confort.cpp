// What a new user expects of the main window: the point keys wherever the focus is except in
// a text field, Ctrl+O and Ctrl+S, a paste that takes text copied elsewhere and refuses what it
// cannot read, the empty window's way to the demo, a fit that keeps clear of the comment box,
// and the help opened at the view's section over the drawing and following the text read.
#include "common/BancFenetre.h"
#include "common/Emplacements.h"

#include "app/DossierProgramme.h"
#include "view/ui/FenetreAide.h"

#include <QTextBrowser>
#include <QTreeWidget>

using namespace galbix;

namespace {

// A closed outline of `largeur` by `hauteur` mm, 8 points a side.
std::vector<PointProfil> ContourRectangle(float largeur, float hauteur, float dy = 0)
{
    std::vector<PointProfil> p;
    const float coins[5][2] = {{0, 0}, {largeur, 0}, {largeur, hauteur}, {0, hauteur}, {0, 0}};
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i < 8; ++i) {
            const float t = float(i) / 8.0f;
            p.push_back({coins[c][0] + t * (coins[c + 1][0] - coins[c][0]),
                         coins[c][1] + t * (coins[c + 1][1] - coins[c][1]) + dy, 0});
        }
    return p;
}

// The shared ten-point window with the comment box shown.
struct BancConfort : galbix::tests::BancRangees {
    BancConfort() { C().chkVoirCommentaires->setChecked(true); }
    void Selectionner(int pointE, int pointS)
    {
        for (int cote : {CoteE, CoteS})
            for (PointProfil& p : Profils().Points(cote).Modifier()) p.Etat = 0;
        Profils().PointsE.Modifier()[size_t(pointE - 1)].Etat = Profils().PointsS.Modifier()[size_t(pointS - 1)].Etat = EtatSelection;
    }
};

QString MarqueSommaire(const QTreeWidget* s)
{ return s->currentItem() ? s->currentItem()->data(0, Qt::UserRole).toString() : QString(); }

} // namespace

class TestConfort : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<FenetreAide*>(w)) delete w;
    }

    void touchesPoints_data()
    {
        tests::Colonnes<QString, int, int, int, int>("cible", "touche", "nbE", "nbS", "copiesE"); // Ctrl but Suppr
        QTest::newRow("Ctrl+C case Fil") << "chkFil" << int(Qt::Key_C) << 10 << 10 << 3;
        QTest::newRow("Ctrl+X barre de zoom") << "hscZoom" << int(Qt::Key_X) << 7 << 9 << 3;
        QTest::newRow("Suppr bouton de zoom") << "cmdZoom" << int(Qt::Key_Delete) << 7 << 9 << 0;
        // The clipboard of two points at 3 + 1 selected points.
        QTest::newRow("Ctrl+V mode de sélection") << "optSelection_0" << int(Qt::Key_V) << 19 << 13 << 2;
        QTest::newRow("Ctrl+V commentaire") << "txtCommentaire" << int(Qt::Key_V) << 10 << 10 << 2;
        QTest::newRow("Suppr commentaire") << "txtCommentaire" << int(Qt::Key_Delete) << 10 << 10 << 0;
        QTest::newRow("Ctrl+V titre en lecture seule") << "txtTitreCommentaire" << int(Qt::Key_V) << 10 << 10 << 2;
        QTest::newRow("Ctrl+X titre en lecture seule") << "txtTitreCommentaire" << int(Qt::Key_X) << 10 << 10 << 0;
    }
    void touchesPoints()
    {
        QFETCH(QString, cible); QFETCH(int, touche);
        BancConfort b;
        if (touche == Qt::Key_V) b.S().PressePapier.PointsE = {{0, 0, 1}, {5, 5, 1}};
        QVERIFY(b.Activer());
        QWidget* zone = b.Controle(cible);
        zone->setFocus();
        QVERIFY(zone->hasFocus());
        QTest::keyClick(zone, Qt::Key(touche), touche == Qt::Key_Delete ? Qt::NoModifier : Qt::ControlModifier);
        QTEST(b.Profils().NbPointsE(), "nbE");
        QTEST(b.Profils().NbPointsS(), "nbS");
        QTEST(int(b.S().PressePapier.PointsE.size()), "copiesE");
    }

    // Ctrl+O asks for the root's file and Ctrl+S for the project's name, from a text field too,
    // and only while their buttons are enabled.
    void ouvrirSauver_data()
    {
        tests::Colonnes<bool, QString, int, int, int>(
            "charge", "cible", "touche", "ouvertures", "enregistrements");
        QTest::newRow("Ctrl+O") << true << "chkFil" << int(Qt::Key_O) << 1 << 0;
        QTest::newRow("Ctrl+O dans un champ") << true << "txtCorde_0" << int(Qt::Key_O) << 1 << 0;
        QTest::newRow("Ctrl+S") << true << "pctProfils" << int(Qt::Key_S) << 0 << 1;
        QTest::newRow("Ctrl+S dans un champ") << true << "txtCorde_1" << int(Qt::Key_S) << 0 << 1;
        QTest::newRow("Ctrl+S sans projet") << false << "cmdAide" << int(Qt::Key_S) << 0 << 0;
        QTest::newRow("Ctrl+O fenêtre vide") << false << "cmdAide" << int(Qt::Key_O) << 1 << 0;
    }
    void ouvrirSauver()
    {
        QFETCH(bool, charge); QFETCH(QString, cible); QFETCH(int, touche);
        galbix::tests::BancFenetre b;
        if (charge) b.Charger(tests::RangeePoints(QString(10, u'0')), tests::RangeePoints(QString(10, u'0')));
        QVERIFY(b.Activer());
        QWidget* zone = b.Controle(cible);
        zone->setEnabled(true);
        zone->setFocus();
        QTest::keyClick(zone, Qt::Key(touche), Qt::ControlModifier);
        QTEST(int(b.dialogues.demandesOuverture.size()), "ouvertures");
        QTEST(int(b.dialogues.demandesEnregistrement.size()), "enregistrements");
    }

    // "Coller" after a copy of points 2-4 (E) and 5 (S), at point 2 of E and 5 of S: the
    // window's copy, or text put on the clipboard after it; a text that does not read is refused.
    void collerTexte_data()
    {
        // texte: put on the clipboard after the copy; "=" the copy's own text
        tests::Colonnes<bool, QString, int, int, QString>("copie", "texte", "nbE", "nbS", "refus");
        QTest::newRow("copie de la fenêtre") << true << "" << 14 << 12 << "";
        QTest::newRow("même texte remis") << true << "=" << 14 << 12 << "";
        QTest::newRow("texte copié ensuite") << true << "X\tY\n10\t0\n11\t1\n" << 13 << 13 << "";
        QTest::newRow("texte sans copie") << false << "10;0\n11;1\n12;0\n" << 14 << 14 << "";
        QTest::newRow("trois nombres") << true << "1 234,5\t6\n" << 10 << 10 << "Collage impossible";
        QTest::newRow("nombre suivi de texte") << true << "1\t2\n3 4 cm\n" << 10 << 10 << "Collage impossible";
        QTest::newRow("aucun point") << true << "bonjour\n" << 10 << 10 << "Collage impossible";
        QTest::newRow("hors limites") << false << "1\t3e39\n" << 10 << 10 << "Erreur de saisie";
    }
    void collerTexte()
    {
        QFETCH(bool, copie); QFETCH(QString, texte); QFETCH(QString, refus);
        BancConfort b;
        if (copie) b.Bouton(QStringLiteral("cmdCopier"))->click();
        QClipboard* systeme = QGuiApplication::clipboard();
        if (texte == QLatin1String("="))
            systeme->setText(QString(systeme->text()));
        else if (!texte.isEmpty()) systeme->setText(texte);
        b.Selectionner(2, 5);
        const std::vector<PointProfil> avant = b.Profils().PointsE;
        b.Cliquer(QStringLiteral("cmdColler"));
        QTEST(b.Profils().NbPointsE(), "nbE");
        QTEST(b.Profils().NbPointsS(), "nbS");
        QCOMPARE(b.dialogues.Titres().join(u','), refus);
        if (!refus.isEmpty()) QCOMPARE(b.Profils().PointsE, avant);
    }

    // The empty window names the bundled demo and opens it from its link; loaded, it hides.
    void fenetreVide()
    {
        QTemporaryDir arbre;
        const QString demo = arbre.filePath(QStringLiteral("share/galbix/demo.gbx"));
        QVERIFY(QDir().mkpath(arbre.filePath(QStringLiteral("bin"))) && QDir().mkpath(QFileInfo(demo).path()));
        QVERIFY(QFile::copy(tests::DossierSources() + QStringLiteral("/data/demo/demo.gbx"), demo));
        QCOMPARE(CheminProjetDemo(arbre.filePath(QStringLiteral("bin"))), demo);

        galbix::tests::BancFenetre b;
        b.fenetre.DefinirProjetDemo(demo);
        QVERIFY(b.Montrer());
        QLabel* accueil = b.Controle<QLabel>(QStringLiteral("lblAccueil"));
        QVERIFY(accueil->isVisible() && accueil->text().contains(demo) && accueil->text().contains("Ctrl+O"));
        emit accueil->linkActivated(QStringLiteral("demo"));
        QVERIFY(b.Profils().NbPointsE() == 81 && !accueil->isVisible());
        b.fenetre.Initialiser();
        QVERIFY(accueil->isVisible());
    }

    // With the comment box shown, the fit (and the demo's stored framing) leaves it clear;
    // every point stays inside the drawing.
    void cadrageCommentaire_data()
    {
        // largeur: of the outline, mm; 0: the demo project
        tests::Colonnes<QSize, float, float>("taille", "largeur", "hauteur");
        QTest::newRow("aile plate, 1024x768") << QSize(1024, 768) << 200.0f << 20.0f;
        QTest::newRow("pièce haute, 1024x768") << QSize(1024, 768) << 20.0f << 200.0f;
        QTest::newRow("pièce carrée, 1280x1000") << QSize(1280, 1000) << 100.0f << 100.0f;
        QTest::newRow("démo, 1024x768") << QSize(1024, 768) << 0.0f << 0.0f;
    }
    void cadrageCommentaire()
    {
        QFETCH(QSize, taille); QFETCH(float, largeur); QFETCH(float, hauteur);
        galbix::tests::BancFenetre b;
        QVERIFY(b.Montrer(taille));
        if (largeur > 0.0f) {
            b.Charger(ContourRectangle(largeur, hauteur), ContourRectangle(largeur * 0.7f, hauteur * 0.7f, 1.0f));
            b.C().chkVoirCommentaires->setChecked(true);
            b.C().cmdRAZVueCote->click(); // fits in side view
        } else {
            QVERIFY(b.fenetre.Fichiers().OuvrirProjet(tests::DossierSources() + QStringLiteral("/data/demo/demo.gbx")));
            QVERIFY(b.C().chkVoirCommentaires->isChecked());
        }
        QTest::qWait(20);
        const auto pixels = [&](QWidget* w, QPoint p) { return b.C().pctProfils->mapFromGlobal(w->mapToGlobal(p)); };
        const QRect boite(pixels(b.C().txtTitreCommentaire, QPoint()),  // the comment box, title and text
                          pixels(b.C().txtCommentaire, QPoint(b.C().txtCommentaire->width(), b.C().txtCommentaire->height())));
        QVERIFY(boite.width() > 100 && boite.height() > 50);
        const QRectF dessin(QPointF(0, 0), QSizeF(b.C().pctProfils->size()));
        const CoupleProfils& ecran = b.S().Vue.Copies.ProfilsEcran;
        for (const auto* cote : {&ecran.PointsE, &ecran.PointsS})
            for (const PointProfil& p : *cote) {
                const QPointF pixel(p.X / TwipsParPixel, p.Y / TwipsParPixel);
                QVERIFY2(!boite.contains(pixel.toPoint()), qPrintable(QStringLiteral("%1,%2").arg(pixel.x()).arg(pixel.y())));
                QVERIFY(dessin.contains(pixel));
            }
    }

    // F1 with the pointer over the drawing or the focus in it opens the view's section.
    void aideDessin_data()
    {
        QTest::addColumn<bool>("souris");
        QTest::newRow("focus dans le dessin") << false;
        QTest::newRow("pointeur sur le dessin") << true;
    }
    void aideDessin()
    {
        QFETCH(bool, souris);
        galbix::tests::BancFenetre b;
        b.Charger(ContourRectangle(100, 20), ContourRectangle(80, 15));
        QVERIFY(b.Activer());
        QWidget* dessin = b.C().pctProfils;
        if (souris) {
            b.C().chkFil->setFocus();
            QTest::mouseMove(dessin, dessin->rect().center());
            QTRY_VERIFY(dessin->underMouse());
        } else {
            dessin->setFocus();
        }
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dessin, Qt::Key_F1);
        FenetreAide* aide = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* a = qobject_cast<FenetreAide*>(w))
                aide = a;
        QVERIFY(aide);
        QCOMPARE(aide->Adresse().fragment(), QStringLiteral("frmProfils"));
        QCOMPARE(MarqueSommaire(aide->findChild<QTreeWidget*>(QStringLiteral("lstSommaire"))),
                 QStringLiteral("fenetre-principale.html#frmProfils"));
    }

    // Scrolling the text moves the mark of the contents to the section being read; back at the
    // top, the page itself.
    void sommaireSuitLecture()
    {
        FenetreAide aide;
        aide.resize(980, 700);
        aide.Afficher(SectionAideFenetrePrincipale);
        aide.show();
        QVERIFY(QTest::qWaitForWindowExposed(&aide));
        const auto* sommaire = aide.findChild<QTreeWidget*>(QStringLiteral("lstSommaire"));
        auto* texte = aide.findChild<QTextBrowser*>(QStringLiteral("txtAide"));
        for (const QString ancre : {"frmEtirer", "frmProfils", "frmEcartement"}) {
            QCOMPARE(MarqueSommaire(sommaire), SectionAideFenetrePrincipale);
            texte->scrollToAnchor(ancre);
            QCOMPARE(MarqueSommaire(sommaire), SectionAideFenetrePrincipale + u'#' + ancre);
            texte->verticalScrollBar()->setValue(0);
        }
        QCOMPARE(MarqueSommaire(sommaire), SectionAideFenetrePrincipale);
    }
};

GALBIX_GUI_TEST_MAIN(TestConfort)
#include "tst_confort.moc"
