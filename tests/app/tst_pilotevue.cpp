// The open command, the view controls and the point lists in the main window, on the offscreen
// platform, with profiles computed from the NACA formula and written as .dat, .dxf and .plt.
#include "common/BancFenetre.h"
#include "common/Octets.h"
#include "common/TestMain.h"

#include "files/Ini.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <cmath>

using namespace galbix;

namespace {

// An HPGL drawing of the profile: 40 plotter units per millimetre.
QByteArray Plt(const std::vector<PointProfil>& points)
{
    QByteArray texte = "IN;SP1;";
    for (size_t i = 0; i < points.size(); ++i)
        texte += (i == 0 ? "PU" : (i == 1 ? "PD" : ",")) + QByteArray::number(qRound(points[i].X * 40)) + ','
                 + QByteArray::number(qRound(points[i].Y * 40)) + (i == 0 ? ";" : "");
    return texte + ";PU;SP0;";
}

// A closed smooth contour of n points and unit chord, for list sizes.
bool EcrireEllipse(const QString& chemin, int n)
{
    std::vector<PointFichier> points;
    for (int i = 0; i < n; ++i)
        points.push_back({float(0.5 + 0.5 * std::cos(2.0 * M_PI * i / n)), float(0.1 * std::sin(2.0 * M_PI * i / n))});
    return EcrireFichier(points, chemin, QStringLiteral("liste")) == 1;
}

// What an open that fails must leave alone.
struct Instantane {
    std::vector<PointProfil> e, s;
    QStringList textes;
    float coeff;
    bool operator==(const Instantane&) const = default;
};

// A shown window on a folder holding NACA 2412 of unit chord (.dat) and of 40 mm (.dxf),
// NACA 0010 of 150 mm as a drawing (.dxf, .plt) and of unit chord (.dat).
struct Banc : tests::BancFenetre {
    bool pret = tests::EcrireNaca(Fichier("racine.dat"), "2412", 40)
                && tests::EcrireNaca(Fichier("racine.dxf"), "2412", 40, 40.0)
                && tests::EcrireNaca(Fichier("saumon.dat"), "0010", 60)
                && tests::EcrireNaca(Fichier("saumon.dxf"), "0010", 60, 150.0)
                && tests::EcrireOctets(Fichier("saumon.plt"), Plt(tests::Naca("0010", 60, 150.0))) && Montrer();

    Instantane Prendre()
    {
        return {Profils().PointsE, Profils().PointsS,
                {C().txtCorde[0]->text(), C().txtCorde[1]->text(), C().txtEcartementZ->text(),
                 C().lblNomFichier[0]->text(), C().lblNomFichier[1]->text(), fenetre.windowTitle(),
                 C().txtCommentaire->toPlainText(), C().lblDiedre->text(), C().panneauxEtat[0]->text()},
                S().Vue.CoeffZoom};
    }
};

} // namespace

class TestPiloteVue : public QObject {
    Q_OBJECT

private slots:
    void ouvrirEmplantureEtSaumon_data()
    {
        QTest::addColumn<QString>("racine");
        QTest::addColumn<QString>("saumon");
        QTest::addColumn<double>("cordeE");
        QTest::addColumn<double>("cordeS");
        QTest::addColumn<QString>("ecartement");
        QTest::addColumn<QString>("commentaire");
        QTest::newRow("dat puis dxf") << "racine.dat" << "saumon.dxf" << 100.0 << 150.0 << "100.0"
                                      << "Commentaire profil: NACA 2412\n";
        QTest::newRow("dat puis plt") << "racine.dat" << "saumon.plt" << 100.0 << 150.0 << "100.0"
                                      << "Commentaire profil: NACA 2412\n";
        QTest::newRow("dxf puis dat") << "racine.dxf" << "saumon.dat" << 40.0 << 100.0 << "50.0"
                                      << "Commentaire profil: NACA 0010\n";
    }
    void ouvrirEmplantureEtSaumon()
    {
        QFETCH(QString, racine);
        QFETCH(QString, saumon);
        QFETCH(double, cordeS);
        QFETCH(QString, ecartement);
        Banc b;
        QVERIFY(b.pret);
        QVERIFY(!b.C().cmdOuvrirProfil[CoteS]->isEnabled());
        b.dialogues.fichiers.push_back({false, b.Fichier(racine), 1});
        QTest::mouseClick(b.C().cmdOuvrirProfil[CoteE], Qt::LeftButton);
        QCOMPARE(b.dialogues.demandesOuverture.size(), size_t(1));
        const DemandeFichier& d = b.dialogues.demandesOuverture[0];
        QCOMPARE(d.titre, QStringLiteral("Choisissez un fichier profil (.dat, .dxf, .plt)"));
        QVERIFY(d.filtre.endsWith(QStringLiteral("Tous les fichiers connus|*.dxf;*.dat;*.plt;*.gbx;*.kf")));
        QCOMPARE(d.indexFiltre, 6);
        QCOMPARE(d.dossierInitial, b.Dossier());

        QVERIFY(b.S().ProjetOuvert);
        QCOMPARE(b.fenetre.windowTitle(), QStringLiteral("Profils Galbix - Nouveau projet"));
        QCOMPARE(b.C().lblNomFichier[CoteE]->text(), racine);
        QCOMPARE(b.C().lblNomFichier[CoteS]->text(), racine);
        QTEST(b.C().txtCorde[CoteE]->text().toDouble(), "cordeE");
        QCOMPARE(b.C().txtEcartementZ->text(), ecartement);
        QVERIFY(b.C().cmdOuvrirProfil[CoteS]->isEnabled());
        for (const QToolButton* bouton : b.C().chkFleche) // the sweep buttons become usable with a load
            QVERIFY(bouton->isEnabled());
        const auto& p = b.Profils();
        QCOMPARE(p.NbPointsE(), p.NbPointsS());
        QVERIFY(p.NbPointsE() > 10);
        QCOMPARE(b.S().Historique.Taille(), 1);
        QCOMPARE(b.C().panneauxEtat[0]->text(),
                 QStringLiteral(": %1 points     Sél.: 0 pts    X:0.0mm   Y:0.0mm  D:0.0mm").arg(p.NbPointsE()));
        QCOMPARE(b.C().lblNumPt[CoteE][2]->text(), QStringLiteral("1"));
        QVERIFY(b.C().lblNumPt[CoteE][1]->text().isEmpty());

        const std::vector<PointProfil> racineAvant = p.PointsE;
        b.C().chkSurface->setChecked(true);
        b.dialogues.fichiers.push_back({false, b.Fichier(saumon), 1});
        QTest::mouseClick(b.C().cmdOuvrirProfil[CoteS], Qt::LeftButton);
        QCOMPARE(b.dialogues.demandesOuverture.back().indexFiltre, 4);
        QVERIFY(p.PointsE == racineAvant);
        QCOMPARE(b.C().lblNomFichier[CoteE]->text(), racine);
        QCOMPARE(b.C().lblNomFichier[CoteS]->text(), saumon);
        QCOMPARE(b.C().txtEcartementZ->text(), ecartement);
        QVERIFY(std::abs(b.C().txtCorde[CoteS]->text().toDouble() - cordeS) < 0.05);
        QTEST(b.C().txtCommentaire->toPlainText(), "commentaire");
        QCOMPARE(b.S().Historique.Taille(), 2);
        QCOMPARE(LireIni(QStringLiteral("Fichiers"), QStringLiteral("Ouverture"), b.fenetre.FichierReglages(),
                         QString()),
                 b.S().DossierOuverture);
        QCOMPARE(QDir::cleanPath(b.S().DossierOuverture), b.dossier->path());
        // Different counts: the options that join equal numbers are switched off, "Surface"
        // unticked as well.
        if (p.NbPointsE() != p.NbPointsS())
            QVERIFY(!b.C().chkFil->isEnabled() && !b.C().chkSurface->isEnabled() && !b.C().chkSurface->isChecked()
                    && !b.S().Vue.Options.Surface);
    }

    // Opening the tip places it again by the pressed buttons or the stored values, and every
    // wing-geometry text then shows the new placing.
    void ouvertureMetAJourLaGeometrie_data()
    {
        QTest::addColumn<int>("fleche");  // sweep button pressed, -1 none
        QTest::addColumn<int>("diedre");  // dihedral button pressed, -1 none
        QTest::addColumn<double>("flecheBA");
        QTest::addColumn<double>("flecheBF");
        QTest::newRow("aucun bouton") << -1 << -1 << 0.0 << -50.0;
        QTest::newRow("BF et extrados") << 2 << 0 << -50.0 << 0.0;
        QTest::newRow("milieux") << 1 << 2 << -25.0 << -25.0;
    }
    void ouvertureMetAJourLaGeometrie()
    {
        QFETCH(int, fleche);
        QFETCH(int, diedre);
        QFETCH(double, flecheBA);
        QFETCH(double, flecheBF);
        Banc b;
        b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
        if (fleche >= 0)
            b.C().chkFleche[size_t(fleche)]->click();
        if (diedre >= 0)
            b.C().chkDiedre[size_t(diedre)]->click();
        b.OuvrirProfil(CoteS, QStringLiteral("saumon.dxf"));
        const CoupleProfils& p = b.Profils();
        const auto proche = [](const QString& texte, double v) { return std::abs(texte.toDouble() - v) < 0.02; };
        QVERIFY2(proche(b.C().txtFleche->text(), flecheBA), qPrintable(b.C().txtFleche->text()));
        QVERIFY2(proche(b.C().lblFleche->text(), flecheBF), qPrintable(b.C().lblFleche->text()));
        QVERIFY(std::abs(p.XminS - p.XminE - flecheBA) < 0.02);
        QVERIFY2(proche(b.C().txtDiedreMm->text(), p.YminS - p.YminE), qPrintable(b.C().txtDiedreMm->text()));
        QVERIFY2(proche(b.C().txtDiedreDeg->text(), p.DiedreDeg), qPrintable(b.C().txtDiedreDeg->text()));
        QVERIFY2(proche(b.C().lblDiedre->text(), p.YmaxE - p.YmaxS), qPrintable(b.C().lblDiedre->text()));
    }

    void echecLaisseToutEnPlace_data()
    {
        QTest::addColumn<int>("cote");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("message");
        QTest::newRow("saumon sans emplanture") << 1 << "saumon.dat" << QByteArray() << "Action impossible (Critique)";
        QTest::newRow("emplanture absente") << 0 << "absent.dat" << QByteArray() << "";
        QTest::newRow("emplanture binaire") << 0 << "binaire.dat" << QByteArray("\x00\x01\xff\xfe\x00", 5) << "";
        QTest::newRow("dxf vide") << 0 << "vide.dxf" << QByteArray("0\nEOF\n") << "";
        QTest::newRow("saumon sans point") << 1 << "rien.plt" << QByteArray("IN;SP1;PU;") << "";
        QTest::newRow("annulation") << 1 << QString() << QByteArray() << "";
    }
    // A refused, failed or cancelled open leaves the window and the history as they were.
    void echecLaisseToutEnPlace()
    {
        QFETCH(int, cote);
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        QFETCH(QString, message);
        Banc b;
        if (message.isEmpty()) {
            b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
            b.OuvrirProfil(CoteS, QStringLiteral("saumon.dxf"));
        }
        if (!contenu.isEmpty())
            QVERIFY(tests::EcrireOctets(b.Fichier(nom), contenu));
        const Instantane avant = b.Prendre();
        const int historique = b.S().Historique.Taille();
        const bool projet = b.S().ProjetOuvert;
        if (nom.isEmpty())
            b.fenetre.Vue().OuvrirProfil(cote); // the dialog is cancelled
        else
            b.OuvrirProfil(cote, nom);
        QVERIFY(b.Prendre() == avant);
        QCOMPARE(b.S().Historique.Taille(), historique);
        QCOMPARE(b.S().ProjetOuvert, projet);
        QCOMPARE(b.dialogues.Vus(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) { // refused before the dialog
            QCOMPARE(b.dialogues.messages[0].texte, QStringLiteral("Il faut d'abord charger un profil d'emplanture."));
            QCOMPARE(b.dialogues.demandesOuverture.size(), size_t(0));
        }
    }

    void barreZoom_data()
    {
        QTest::addColumn<QString>("pas");
        QTest::addColumn<double>("facteur");
        QTest::newRow("droite puis gauche") << "+-" << 0.99;
        QTest::newRow("clic dans la gouttière") << "P" << 1.1;
        QTest::newRow("saut de trois") << "3" << 3.3;
        QTest::newRow("glissement refusé") << "G" << 1.0;
    }
    // The bar zooms by its steps; the timer puts the thumb back to the middle without changing
    // the scale; a drag of the thumb is refused with a message.
    void barreZoom()
    {
        QFETCH(QString, pas);
        QFETCH(double, facteur);
        Banc b;
        b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
        const float avant = b.S().Vue.CoeffZoom;
        QScrollBar* barre = b.C().hscZoom;
        for (QChar c : pas) {
            if (c == u'+')
                barre->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            else if (c == u'-')
                barre->triggerAction(QAbstractSlider::SliderSingleStepSub);
            else if (c == u'P')
                barre->triggerAction(QAbstractSlider::SliderPageStepAdd);
            else if (c == u'G') {
                barre->setSliderDown(true);
                barre->setSliderPosition(10400);
                barre->setSliderPosition(10800);
                barre->setSliderDown(false);
            } else
                barre->setValue(barre->value() + c.digitValue());
        }
        QVERIFY(std::abs(b.S().Vue.CoeffZoom / avant - facteur) < 1e-5);
        QCOMPARE(b.dialogues.Vus(), pas == "G" ? QStringList{"Opération impossible (Critique)"} : QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(!b.fenetre.Vue().MinuterieZoom().isActive(), 2000);
        QCOMPARE(barre->value(), 10000);
        QVERIFY(std::abs(b.S().Vue.CoeffZoom / avant - facteur) < 1e-5);
        barre->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QVERIFY(std::abs(b.S().Vue.CoeffZoom / avant - facteur * 1.1) < 1e-5);
    }

    void vuesPrereglees()
    {
        Banc b;
        b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
        const auto& p = b.Profils();
        const auto& projetes = b.S().Vue.Copies.ProfilsProjetes;
        // Default perspective: the tip (same profile) lies Z/2 to the left of the root.
        QVERIFY(std::abs(projetes.PointsS[0].X - projetes.PointsE[0].X + p.EcartementZ / 2) < 1e-3);

        QTest::mouseClick(b.C().cmdRAZVueCote, Qt::LeftButton);
        QCOMPARE(b.C().hscOmega->value(), 90);
        QCOMPARE(b.C().hscAlpha->value(), 180);
        QVERIFY(tests::MemesPoints(projetes.PointsE, p.PointsE, 1e-4f));
        const EtatVue& v = b.S().Vue;
        const float a = (v.LargeurDessin - 2 * v.MargeDessin) / p.Largeur;
        const float h = (v.HauteurDessin - 2 * v.MargeDessin) / p.Hauteur;
        QCOMPARE(v.CoeffZoom, std::min(a, h));

        // Turning the view keeps the zoom and the centre.
        b.C().hscZoom->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        const float coeff = v.CoeffZoom, xc = v.XCentreZoom;
        b.C().hscOmega->setValue(100);
        QCOMPARE(v.Omega, int16_t(100));
        QCOMPARE(v.CoeffZoom, coeff);
        QCOMPARE(v.XCentreZoom, xc);

        QTest::mouseClick(b.C().cmdRAZPerspective, Qt::LeftButton);
        QCOMPARE(b.C().hscOmega->value(), 120);
        QCOMPARE(b.C().hscAlpha->value(), 143);
        QVERIFY(v.CoeffZoom != coeff);
        // "Zoom" frames the sides shown: the root alone once the tip is hidden.
        b.C().chkAfficherProfil[CoteS]->setChecked(false);
        b.C().chkAfficherPoints[CoteS]->setChecked(false);
        QTest::mouseClick(b.C().cmdZoom, Qt::LeftButton);
        QCOMPARE(v.XCentreZoom, (projetes.XminE + projetes.XmaxE) / 2);
    }

    void bornesListes_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("milliersMax");
        QTest::addColumn<int>("dernierMillierMax");
        QTest::newRow("1000") << 1000 << 0 << 1000;
        QTest::newRow("2500") << 2500 << 2 << 500;
    }
    void bornesListes()
    {
        QFETCH(int, n);
        QFETCH(int, milliersMax);
        QFETCH(int, dernierMillierMax);
        Banc b;
        QVERIFY(EcrireEllipse(b.Fichier("liste.dat"), n));
        b.OuvrirProfil(CoteE, QStringLiteral("liste.dat"));
        QCOMPARE(b.Profils().NbPointsE(), n);
        QScrollBar* unites = b.C().vscPoints[CoteE][0];
        QScrollBar* milliers = b.C().vscPoints[CoteE][1];
        QCOMPARE(unites->maximum(), 1000);
        QCOMPARE(milliers->maximum(), milliersMax);
        QCOMPARE(milliers->isHidden(), milliersMax == 0);
        QVERIFY(!unites->isHidden());
        if (milliersMax == 0)
            return;
        unites->setValue(700);
        milliers->setValue(milliersMax);
        QCOMPARE(unites->maximum(), dernierMillierMax);
        const int attendu = 1000 * milliersMax + std::min(700, dernierMillierMax);
        QCOMPARE(b.S().Edition.PointCourantE, attendu);
        QCOMPARE(b.C().lblNumPt[CoteE][2]->text(), QString::number(attendu));
        QVERIFY(b.C().lblNumPt[CoteE][4]->text().isEmpty() == (attendu >= n - 1));
        milliers->setValue(0);
        QCOMPARE(unites->maximum(), 1000);
    }

    void ctrlEtendLaSelection()
    {
        Banc b;
        b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
        QScrollBar* unites = b.C().vscPoints[CoteE][0];
        unites->setValue(8);
        QCOMPARE(b.S().Edition.PointCourantE, 8);
        QTest::keyPress(&b.fenetre, Qt::Key_Control, Qt::ControlModifier);
        const int historique = b.S().Historique.Taille();
        unites->setValue(5);
        QTest::keyRelease(&b.fenetre, Qt::Key_Control);
        QCOMPARE(tests::Etats(b.Profils().PointsE).mid(0, 10), (QList<int>{0, 0, 0, 0, 1, 1, 1, 1, 0, 0}));
        QCOMPARE(b.S().Historique.Taille(), historique + 1);
        QVERIFY(b.C().panneauxEtat[0]->text().contains(QStringLiteral("Sél.: 4 pts")));
        QVERIFY(b.C().cmdInsererPoint->isEnabled()); // four selected: rule E
    }

    void clicSurLigne_data()
    {
        QTest::addColumn<QString>("etiquette");
        QTest::addColumn<int>("point");
        QTest::newRow("numéro de la ligne courante") << "lblNumPtE_2" << 1;
        QTest::newRow("X de la ligne suivante") << "lblCoordPtE_3" << 2;
        QTest::newRow("Y de la dernière ligne") << "lblCoordPtE_9" << 3;
        QTest::newRow("ligne vide avant le début") << "lblNumPtE_0" << 0;
        QTest::newRow("saumon") << "lblNumPtS_4" << -3;
    }
    void clicSurLigne()
    {
        QFETCH(QString, etiquette);
        QFETCH(int, point);
        Banc b;
        b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
        QTest::mouseClick(b.Controle<QLabel>(etiquette), Qt::LeftButton);
        const auto& points = point < 0 ? b.Profils().PointsS : b.Profils().PointsE;
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(AEtat(points[size_t(i - 1)], EtatSelection), i == std::abs(point));
    }
};

GALBIX_GUI_TEST_MAIN(TestPiloteVue)
#include "tst_pilotevue.moc"
