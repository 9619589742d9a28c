// The open command, the view controls and the point lists in the main window, on the offscreen
// platform, with profiles computed from the NACA formula and written as .dat, .dxf and .plt.
#include "common/DialoguesScript.h"
#include "common/DossierProgrammeTemporaire.h"
#include "common/TestMain.h"

#include "app/DossierProgramme.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteVue.h"
#include "files/Reglages.h"
#include "files/Ini.h"
#include "geomlib/Tranchex.h"
#include "model/Naca.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>

using namespace galbix;

namespace {

std::vector<PointFichier> Enregistrements(const std::vector<QPointF>& points, double corde)
{
    std::vector<PointFichier> r(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        r[i].X = float(points[i].x() * corde);
        r[i].Y = float(points[i].y() * corde);
    }
    return r;
}

// An HPGL drawing of the profile: 40 plotter units per millimetre.
bool EcrirePlt(const QString& chemin, const std::vector<QPointF>& points, double corde)
{
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray texte = "IN;SP1;";
    for (size_t i = 0; i < points.size(); ++i) {
        texte += i == 0 ? "PU" : (i == 1 ? "PD" : ",");
        texte += QByteArray::number(qRound(points[i].x() * corde * 40)) + ',' +
                 QByteArray::number(qRound(points[i].y() * corde * 40));
        if (i == 0)
            texte += ';';
    }
    texte += ";PU;SP0;";
    return f.write(texte) == texte.size();
}

// A closed smooth contour of n points and unit chord, for list sizes.
std::vector<QPointF> Ellipse(int n)
{
    std::vector<QPointF> points;
    for (int i = 0; i < n; ++i) {
        const double t = 2.0 * M_PI * i / n;
        points.emplace_back(0.5 + 0.5 * std::cos(t), 0.1 * std::sin(t));
    }
    return points;
}

ChoixFichier Choix(const QString& chemin)
{
    ChoixFichier c;
    c.annule = false;
    c.chemin = chemin;
    c.indexFiltre = 1;
    return c;
}

struct Instantane {
    std::vector<PointProfil> e, s;
    QStringList textes;
    float coeff;
    bool operator==(const Instantane& o) const
    {
        const auto egal = [](const std::vector<PointProfil>& a, const std::vector<PointProfil>& b) {
            return a.size() == b.size() &&
                   std::equal(a.begin(), a.end(), b.begin(), [](const PointProfil& p, const PointProfil& q) {
                       return p.X == q.X && p.Y == q.Y && p.Etat == q.Etat;
                   });
        };
        return egal(e, o.e) && egal(s, o.s) && textes == o.textes && coeff == o.coeff;
    }
};

Instantane Prendre(FenetrePrincipale& f)
{
    const ControlesFenetre& c = f.Controles();
    return {f.Session().Profils.PointsE, f.Session().Profils.PointsS,
            {c.txtCorde[0]->text(), c.txtCorde[1]->text(), c.txtEcartementZ->text(), c.lblNomFichier[0]->text(),
             c.lblNomFichier[1]->text(), f.windowTitle(), c.txtCommentaire->toPlainText(), c.lblDiedre->text(),
             c.panneauxEtat[0]->text()},
            f.Session().Vue.CoeffZoom};
}

} // namespace

class TestPiloteVue : public QObject {
    Q_OBJECT

    std::unique_ptr<galbix::tests::DossierProgrammeTemporaire> m_dossier;
    std::unique_ptr<DialoguesScript> m_dialogues;
    std::unique_ptr<FenetrePrincipale> m_fenetre;

    QString Fichier(const QString& nom) const { return m_dossier->filePath(nom); }

    // Writes the test profiles: NACA 2412 of unit chord (.dat) and of 40 mm (.dxf), NACA 0010
    // of 150 mm as a drawing (.dxf, .plt) and of unit chord (.dat).
    void EcrireProfils()
    {
        const auto racine = ProfilNaca4(QStringLiteral("2412"), 40);
        const auto saumon = ProfilNaca4(QStringLiteral("0010"), 60);
        QCOMPARE(EcrireFichier(Enregistrements(racine, 1.0), Fichier("racine.dat"), "NACA 2412"), 1);
        QCOMPARE(EcrireFichier(Enregistrements(racine, 40.0), Fichier("racine.dxf"), "NACA 2412"), 1);
        QCOMPARE(EcrireFichier(Enregistrements(saumon, 1.0), Fichier("saumon.dat"), "NACA 0010"), 1);
        QCOMPARE(EcrireFichier(Enregistrements(saumon, 150.0), Fichier("saumon.dxf"), "NACA 0010"), 1);
        QVERIFY(EcrirePlt(Fichier("saumon.plt"), saumon, 150.0));
    }

    void Ouvrir(int cote, const QString& nom)
    {
        m_dialogues->fichiers.push_back(Choix(Fichier(nom)));
        m_fenetre->Vue().OuvrirProfil(cote);
    }

    const ControlesFenetre& C() const { return m_fenetre->Controles(); }
    SessionEdition& S() { return m_fenetre->Session(); }

private slots:
    void init()
    {
        m_dossier = std::make_unique<galbix::tests::DossierProgrammeTemporaire>();
        EcrireProfils();
        m_dialogues = std::make_unique<DialoguesScript>();
        m_fenetre = std::make_unique<FenetrePrincipale>(*m_dialogues);
        m_fenetre->Charger(QString());
        m_fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_fenetre.get()));
    }
    void cleanup()
    {
        m_fenetre.reset();
        m_dialogues.reset();
        m_dossier.reset();
    }

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
        QFETCH(double, cordeE);
        QFETCH(double, cordeS);
        QFETCH(QString, ecartement);
        QFETCH(QString, commentaire);
        QVERIFY(!C().cmdOuvrirProfil[CoteS]->isEnabled());
        m_dialogues->fichiers.push_back(Choix(Fichier(racine)));
        QTest::mouseClick(C().cmdOuvrirProfil[CoteE], Qt::LeftButton);
        QCOMPARE(m_dialogues->demandesOuverture.size(), size_t(1));
        const DemandeFichier& d = m_dialogues->demandesOuverture[0];
        QCOMPARE(d.titre, QStringLiteral("Choisissez un fichier profil (.dat, .dxf, .plt)"));
        QVERIFY(d.filtre.endsWith(QStringLiteral("Tous les fichiers connus|*.dxf;*.dat;*.plt;*.gbx;*.kf")));
        QCOMPARE(d.indexFiltre, 6);
        QCOMPARE(d.dossierInitial, QDir::toNativeSeparators(m_dossier->path()));

        QVERIFY(S().ProjetOuvert);
        QCOMPARE(m_fenetre->windowTitle(), QStringLiteral("Profils Galbix - Nouveau projet"));
        QCOMPARE(C().lblNomFichier[CoteE]->text(), racine);
        QCOMPARE(C().lblNomFichier[CoteS]->text(), racine);
        QCOMPARE(C().txtCorde[CoteE]->text().toDouble(), cordeE);
        QCOMPARE(C().txtEcartementZ->text(), ecartement);
        QVERIFY(C().cmdOuvrirProfil[CoteS]->isEnabled());
        for (const QToolButton* b : C().chkFleche) // the sweep buttons become usable with a load
            QVERIFY(b->isEnabled());
        const auto& p = S().Profils;
        QCOMPARE(p.NbPointsE(), p.NbPointsS());
        QVERIFY(p.NbPointsE() > 10);
        QCOMPARE(S().Historique.Taille(), 1);
        QCOMPARE(C().panneauxEtat[0]->text(),
                 QStringLiteral(": %1 points     Sél.: 0 pts    X:0.0mm   Y:0.0mm  D:0.0mm").arg(p.NbPointsE()));
        QCOMPARE(C().panneauxEtat[2]->text(), QStringLiteral("Dist. Sel."));
        QCOMPARE(C().lblNumPt[CoteE][2]->text(), QStringLiteral("1"));
        QVERIFY(C().lblNumPt[CoteE][1]->text().isEmpty());

        const std::vector<PointProfil> racineAvant = p.PointsE;
        const int nE = p.NbPointsE();
        m_dialogues->fichiers.push_back(Choix(Fichier(saumon)));
        QTest::mouseClick(C().cmdOuvrirProfil[CoteS], Qt::LeftButton);
        QCOMPARE(m_dialogues->demandesOuverture.back().indexFiltre, 4);
        QCOMPARE(p.NbPointsE(), nE);
        QVERIFY(p.PointsE.size() == racineAvant.size() && p.PointsE.front().X == racineAvant.front().X);
        QCOMPARE(C().lblNomFichier[CoteE]->text(), racine);
        QCOMPARE(C().lblNomFichier[CoteS]->text(), saumon);
        QCOMPARE(C().txtEcartementZ->text(), ecartement);
        QVERIFY(std::abs(C().txtCorde[CoteS]->text().toDouble() - cordeS) < 0.05);
        QCOMPARE(C().txtCommentaire->toPlainText(), commentaire);
        QCOMPARE(S().Historique.Taille(), 2);
        QCOMPARE(LireIni(QStringLiteral("Fichiers"), QStringLiteral("Ouverture"), m_fenetre->FichierReglages(),
                         QString()),
                 S().DossierOuverture);
        QCOMPARE(QDir::cleanPath(S().DossierOuverture), m_dossier->path());
        // Different counts: the options that join equal numbers are switched off.
        if (p.NbPointsE() != p.NbPointsS()) {
            QVERIFY(!C().chkFil->isEnabled());
            QVERIFY(!C().chkSurface->isEnabled());
        }
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
        Ouvrir(CoteE, QStringLiteral("racine.dat"));
        if (fleche >= 0)
            C().chkFleche[size_t(fleche)]->click();
        if (diedre >= 0)
            C().chkDiedre[size_t(diedre)]->click();
        Ouvrir(CoteS, QStringLiteral("saumon.dxf"));
        const CoupleProfils& p = S().Profils;
        const auto proche = [](const QLabel* l, double v) { return std::abs(l->text().toDouble() - v) < 0.02; };
        const auto procheChamp = [](const QLineEdit* l, double v) { return std::abs(l->text().toDouble() - v) < 0.02; };
        QVERIFY2(procheChamp(C().txtFleche, flecheBA), qPrintable(C().txtFleche->text()));
        QVERIFY2(proche(C().lblFleche, flecheBF), qPrintable(C().lblFleche->text()));
        QVERIFY(std::abs(p.XminS - p.XminE - flecheBA) < 0.02);
        QVERIFY2(procheChamp(C().txtDiedreMm, p.YminS - p.YminE), qPrintable(C().txtDiedreMm->text()));
        QVERIFY2(procheChamp(C().txtDiedreDeg, p.DiedreDeg), qPrintable(C().txtDiedreDeg->text()));
        QVERIFY2(proche(C().lblDiedre, p.YmaxE - p.YmaxS), qPrintable(C().lblDiedre->text()));
    }

    void refusSaumonSansEmplanture()
    {
        const Instantane avant = Prendre(*m_fenetre);
        m_dialogues->fichiers.push_back(Choix(Fichier("saumon.dat")));
        m_fenetre->Vue().OuvrirProfil(CoteS);
        QCOMPARE(m_dialogues->messages.size(), size_t(1));
        QCOMPARE(m_dialogues->messages[0].titre, QStringLiteral("Action impossible"));
        QCOMPARE(m_dialogues->messages[0].texte, QStringLiteral("Il faut d'abord charger un profil d'emplanture."));
        QCOMPARE(m_dialogues->messages[0].icone, IconeMessage::Critique);
        QVERIFY(m_dialogues->demandesOuverture.empty());
        QVERIFY(Prendre(*m_fenetre) == avant);
        QVERIFY(!S().ProjetOuvert);
    }

    void echecLaisseToutEnPlace_data()
    {
        QTest::addColumn<int>("cote");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("contenu");
        QTest::newRow("emplanture absente") << 0 << "absent.dat" << QByteArray();
        QTest::newRow("emplanture binaire") << 0 << "binaire.dat" << QByteArray("\x00\x01\xff\xfe\x00", 5);
        QTest::newRow("dxf vide") << 0 << "vide.dxf" << QByteArray("0\nEOF\n");
        QTest::newRow("saumon sans point") << 1 << "rien.plt" << QByteArray("IN;SP1;PU;");
        QTest::newRow("annulation") << 1 << QString() << QByteArray();
    }
    void echecLaisseToutEnPlace()
    {
        QFETCH(int, cote);
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        Ouvrir(CoteE, QStringLiteral("racine.dat"));
        Ouvrir(CoteS, QStringLiteral("saumon.dxf"));
        if (!contenu.isEmpty()) {
            QFile f(Fichier(nom));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenu);
        }
        const Instantane avant = Prendre(*m_fenetre);
        const int historique = S().Historique.Taille();
        if (nom.isEmpty())
            m_fenetre->Vue().OuvrirProfil(cote); // the dialog is cancelled
        else
            Ouvrir(cote, nom);
        QVERIFY(Prendre(*m_fenetre) == avant);
        QCOMPARE(S().Historique.Taille(), historique);
        QVERIFY(m_dialogues->messages.empty());
    }

    void barreZoom_data()
    {
        QTest::addColumn<QString>("pas");
        QTest::addColumn<double>("facteur");
        QTest::newRow("droite") << "+" << 1.1;
        QTest::newRow("gauche") << "-" << 0.9;
        QTest::newRow("droite puis gauche") << "+-" << 0.99;
        QTest::newRow("deux à droite") << "++" << 1.21;
        QTest::newRow("clic dans la gouttière") << "P" << 1.1;
        QTest::newRow("saut de trois") << "3" << 3.3;
    }
    void barreZoom()
    {
        QFETCH(QString, pas);
        QFETCH(double, facteur);
        Ouvrir(CoteE, QStringLiteral("racine.dat"));
        const float avant = S().Vue.CoeffZoom;
        QScrollBar* barre = C().hscZoom;
        for (QChar c : pas) {
            if (c == u'+')
                barre->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            else if (c == u'-')
                barre->triggerAction(QAbstractSlider::SliderSingleStepSub);
            else if (c == u'P')
                barre->triggerAction(QAbstractSlider::SliderPageStepAdd);
            else
                barre->setValue(barre->value() + c.digitValue());
        }
        QVERIFY(std::abs(S().Vue.CoeffZoom / avant - facteur) < 1e-5);
        QVERIFY(m_fenetre->Vue().MinuterieZoom().isActive());
        // The timer puts the thumb back to the middle without changing the scale.
        QTRY_VERIFY_WITH_TIMEOUT(!m_fenetre->Vue().MinuterieZoom().isActive(), 2000);
        QCOMPARE(barre->value(), 10000);
        QVERIFY(std::abs(S().Vue.CoeffZoom / avant - facteur) < 1e-5);
        barre->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QVERIFY(std::abs(S().Vue.CoeffZoom / avant - facteur * 1.1) < 1e-5);
    }

    void glissementZoomRefuse()
    {
        Ouvrir(CoteE, QStringLiteral("racine.dat"));
        const float avant = S().Vue.CoeffZoom;
        QScrollBar* barre = C().hscZoom;
        barre->setSliderDown(true);
        barre->setSliderPosition(10400);
        barre->setSliderPosition(10800);
        barre->setSliderDown(false);
        QCOMPARE(S().Vue.CoeffZoom, avant);
        QCOMPARE(m_dialogues->messages.size(), size_t(1));
        QCOMPARE(m_dialogues->messages[0].titre, QStringLiteral("Opération impossible"));
        QCOMPARE(m_dialogues->messages[0].texte, QStringLiteral("Zoom + et - uniquement par clic sur les flèches."));
        barre->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QVERIFY(std::abs(S().Vue.CoeffZoom / avant - 0.9) < 1e-5);
    }

    void vuesPrereglees()
    {
        Ouvrir(CoteE, QStringLiteral("racine.dat"));
        const auto& p = S().Profils;
        const auto& projetes = S().Vue.Copies.ProfilsProjetes;
        // Default perspective: the tip (same profile) lies Z/2 to the left of the root.
        QVERIFY(std::abs(projetes.PointsS[0].X - projetes.PointsE[0].X + p.EcartementZ / 2) < 1e-3);

        QTest::mouseClick(C().cmdRAZVueCote, Qt::LeftButton);
        QCOMPARE(C().hscOmega->value(), 90);
        QCOMPARE(C().hscAlpha->value(), 180);
        for (size_t i = 0; i < p.PointsE.size(); ++i) {
            QVERIFY(std::abs(projetes.PointsE[i].X - p.PointsE[i].X) < 1e-4);
            QVERIFY(std::abs(projetes.PointsE[i].Y - p.PointsE[i].Y) < 1e-4);
        }
        const EtatVue& v = S().Vue;
        const float a = (v.LargeurDessin - 2 * v.MargeDessin) / p.Largeur;
        const float b = (v.HauteurDessin - 2 * v.MargeDessin) / p.Hauteur;
        QCOMPARE(v.CoeffZoom, std::min(a, b));

        // Turning the view keeps the zoom and the centre.
        C().hscZoom->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        const float coeff = v.CoeffZoom, xc = v.XCentreZoom;
        C().hscOmega->setValue(100);
        QCOMPARE(v.Omega, int16_t(100));
        QCOMPARE(v.CoeffZoom, coeff);
        QCOMPARE(v.XCentreZoom, xc);

        QTest::mouseClick(C().cmdRAZPerspective, Qt::LeftButton);
        QCOMPARE(C().hscOmega->value(), 120);
        QCOMPARE(C().hscAlpha->value(), 143);
        QVERIFY(v.CoeffZoom != coeff);
    }

    void bornesListes_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("unitesMax");
        QTest::addColumn<int>("milliersMax");
        QTest::addColumn<int>("dernierMillierMax");
        QTest::newRow("1000") << 1000 << 1000 << 0 << 1000;
        QTest::newRow("1001") << 1001 << 1000 << 1 << 1;
        QTest::newRow("2000") << 2000 << 1000 << 1 << 1000;
        QTest::newRow("2500") << 2500 << 1000 << 2 << 500;
    }
    void bornesListes()
    {
        QFETCH(int, n);
        QFETCH(int, unitesMax);
        QFETCH(int, milliersMax);
        QFETCH(int, dernierMillierMax);
        QCOMPARE(EcrireFichier(Enregistrements(Ellipse(n), 1.0), Fichier("liste.dat"), "liste"), 1);
        Ouvrir(CoteE, QStringLiteral("liste.dat"));
        QCOMPARE(S().Profils.NbPointsE(), n);
        QScrollBar* unites = C().vscPoints[CoteE][0];
        QScrollBar* milliers = C().vscPoints[CoteE][1];
        QCOMPARE(unites->minimum(), 1);
        QCOMPARE(unites->maximum(), unitesMax);
        QCOMPARE(milliers->maximum(), milliersMax);
        QCOMPARE(milliers->isHidden(), milliersMax == 0);
        QVERIFY(!unites->isHidden());
        if (milliersMax == 0)
            return;
        unites->setValue(700);
        milliers->setValue(milliersMax);
        QCOMPARE(unites->maximum(), dernierMillierMax);
        const int attendu = 1000 * milliersMax + std::min(700, dernierMillierMax);
        QCOMPARE(S().Edition.PointCourantE, attendu);
        QCOMPARE(C().lblNumPt[CoteE][2]->text(), QString::number(attendu));
        QVERIFY(C().lblNumPt[CoteE][4]->text().isEmpty() == (attendu >= n - 1));
        milliers->setValue(0);
        QCOMPARE(unites->maximum(), 1000);
    }

    void ctrlEtendLaSelection()
    {
        Ouvrir(CoteE, QStringLiteral("racine.dat"));
        QScrollBar* unites = C().vscPoints[CoteE][0];
        unites->setValue(8);
        QCOMPARE(S().Edition.PointCourantE, 8);
        QTest::keyPress(m_fenetre.get(), Qt::Key_Control, Qt::ControlModifier);
        const int historique = S().Historique.Taille();
        unites->setValue(5);
        QTest::keyRelease(m_fenetre.get(), Qt::Key_Control);
        const auto& points = S().Profils.PointsE;
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(AEtat(points[size_t(i - 1)], EtatSelection), i >= 5 && i <= 8);
        QCOMPARE(S().Historique.Taille(), historique + 1);
        QVERIFY(C().panneauxEtat[0]->text().contains(QStringLiteral("Sél.: 4 pts")));
        QVERIFY(C().cmdInsererPoint->isEnabled()); // four selected: rule E
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
        Ouvrir(CoteE, QStringLiteral("racine.dat"));
        auto* label = m_fenetre->findChild<QLabel*>(etiquette);
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton);
        const auto& points = point < 0 ? S().Profils.PointsS : S().Profils.PointsE;
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(AEtat(points[size_t(i - 1)], EtatSelection), i == std::abs(point));
    }

    void surfaceDecocheeQuandLesNombresDifferent()
    {
        Ouvrir(CoteE, QStringLiteral("racine.dat"));
        C().chkSurface->setChecked(true);
        QVERIFY(S().Vue.Options.Surface);
        Ouvrir(CoteS, QStringLiteral("saumon.dat"));
        QVERIFY(S().Profils.NbPointsE() != S().Profils.NbPointsS());
        QVERIFY(!C().chkSurface->isChecked());
        QVERIFY(!C().chkSurface->isEnabled());
        QVERIFY(!S().Vue.Options.Surface);
        C().chkAfficherProfil[CoteS]->setChecked(false);
        C().chkAfficherPoints[CoteS]->setChecked(false);
        QTest::mouseClick(C().cmdZoom, Qt::LeftButton);
        // Only the root is framed now.
        QCOMPARE(S().Vue.XCentreZoom,
                 (S().Vue.Copies.ProfilsProjetes.XminE + S().Vue.Copies.ProfilsProjetes.XmaxE) / 2);
    }
};

GALBIX_GUI_TEST_MAIN(TestPiloteVue)
#include "tst_pilotevue.moc"
