// The open command, the view controls and the point lists in the main window, on the offscreen
// platform, with profiles computed from the NACA formula and written as .dat, .dxf and .plt.
// The NACA buttons load the computed profile as opening the same profile from a .dat does.
#include "common/BancFenetre.h"

#include "app/DialogueNaca.h"
#include "files/Ini.h"
#include "model/Naca.h"

#include <QDialogButtonBox>
#include <QSpinBox>
#include <cmath>

using namespace galbix;
using galbix::tests::BancFenetre;

namespace {

// An HPGL drawing of the profile: 40 plotter units per millimetre.
QByteArray PltNaca(const std::vector<PointProfil>& points)
{
    QByteArray texte = "IN;SP1;";
    for (size_t i = 0; i < points.size(); ++i)
        texte += (i == 0 ? "PU" : (i == 1 ? "PD" : ",")) + QByteArray::number(qRound(points[i].X * 40)) + ','
                 + QByteArray::number(qRound(points[i].Y * 40)) + (i == 0 ? ";" : "");
    return texte + ";PU;SP0;";
}

// What an open that fails must leave alone.
struct InstantaneVue {
    std::vector<PointProfil> e, s;
    QStringList textes;
    float coeff;
    bool operator==(const InstantaneVue&) const = default;
};

// A shown window on a folder holding NACA 2412 of unit chord (.dat) and of 40 mm (.dxf),
// NACA 0010 of 150 mm as a drawing (.dxf, .plt) and of unit chord (.dat).
struct BancPiloteVue : tests::BancFenetre {
    bool pret = tests::EcrireNaca(Fichier("racine.dat"), "2412", 40)
                && tests::EcrireNaca(Fichier("racine.dxf"), "2412", 40, 40.0)
                && tests::EcrireNaca(Fichier("saumon.dat"), "0010", 60)
                && tests::EcrireNaca(Fichier("saumon.dxf"), "0010", 60, 150.0)
                && tests::EcrireOctets(Fichier("saumon.plt"), PltNaca(tests::Naca("0010", 60, 150.0))) && Montrer();

    InstantaneVue Prendre()
    {
        return {Profils().PointsE, Profils().PointsS,
                {C().txtCorde[0]->text(), C().txtCorde[1]->text(), C().txtEcartementZ->text(),
                 C().lblNomFichier[0]->text(), C().lblNomFichier[1]->text(), fenetre.windowTitle(),
                 C().txtCommentaire->toPlainText(), C().lblDiedre->text(), C().panneauxEtat[0]->text()},
                S().Vue.CoeffZoom};
    }
};

// The dialog as a user fills it: code typed, points set, "Charger" pressed when enabled.
std::function<void(DialogueNaca&)> RemplirDialogueNaca(const QString& code, int parSurface)
{
    return [code, parSurface](DialogueNaca& d) {
        d.ChampCode()->setText(code);
        d.ChampPoints()->setValue(parSurface);
        QPushButton* charger = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        if (charger->isEnabled())
            charger->click();
        else
            d.reject();
    };
}

} // namespace

class TestPiloteVue : public QObject {
    Q_OBJECT

private slots:
    void ouvrirEmplantureEtSaumon_data()
    {
        tests::Colonnes<QString, QString, double, double, QString, QString>(
            "racine", "saumon", "cordeE", "cordeS", "ecartement", "commentaire");
        QTest::newRow("dat puis plt") << "racine.dat" << "saumon.plt" << 100.0 << 150.0 << "100.0"
                                      << "Commentaire profil: NACA 2412\n";
        QTest::newRow("dxf puis dat") << "racine.dxf" << "saumon.dat" << 40.0 << 100.0 << "50.0"
                                      << "Commentaire profil: NACA 0010\n";
    }

    void ouvrirEmplantureEtSaumon()
    {
        QFETCH(QString, racine); QFETCH(QString, saumon); QFETCH(double, cordeS); QFETCH(QString, ecartement);
        BancPiloteVue b;
        QVERIFY(b.pret && !b.C().cmdOuvrirProfil[CoteS]->isEnabled());
        b.dialogues.fichiers.push_back({false, b.Fichier(racine), 1});
        QTest::mouseClick(b.C().cmdOuvrirProfil[CoteE], Qt::LeftButton);
        QCOMPARE(b.dialogues.demandesOuverture.size(), size_t(1));
        const DemandeFichier& d = b.dialogues.demandesOuverture[0];
        QCOMPARE((QStringList{d.titre, d.filtre.section(u'|', -2), QString::number(d.indexFiltre), d.dossierInitial}),
                 (QStringList{"Choisissez un fichier profil (.dat, .dxf, .plt)",
                              "Tous les fichiers connus|*.dxf;*.dat;*.plt;*.gbx;*.kf", "6", b.Dossier()}));

        QCOMPARE((QStringList{b.fenetre.windowTitle(), b.C().lblNomFichier[CoteE]->text(),
                              b.C().lblNomFichier[CoteS]->text(), b.C().txtEcartementZ->text()}),
                 (QStringList{"Profils Galbix - Nouveau projet", racine, racine, ecartement}));
        QTEST(b.C().txtCorde[CoteE]->text().toDouble(), "cordeE");
        QVERIFY(b.S().ProjetOuvert && b.C().cmdOuvrirProfil[CoteS]->isEnabled());
        for (const QToolButton* bouton : b.C().chkFleche) QVERIFY(bouton->isEnabled()); // usable with a load
        const auto& p = b.Profils();
        QVERIFY(p.NbPointsE() == p.NbPointsS() && p.NbPointsE() > 10 && b.S().Historique.Taille() == 1);
        QCOMPARE(b.C().panneauxEtat[0]->text(),
                 QStringLiteral(": %1 points     Sél.: 0 pts    X:0.0mm   Y:0.0mm  D:0.0mm").arg(p.NbPointsE()));
        QVERIFY(b.C().lblNumPt[CoteE][2]->text() == "1" && b.C().lblNumPt[CoteE][1]->text().isEmpty());

        const std::vector<PointProfil> racineAvant = p.PointsE;
        b.C().chkSurface->setChecked(true);
        b.dialogues.fichiers.push_back({false, b.Fichier(saumon), 1});
        QTest::mouseClick(b.C().cmdOuvrirProfil[CoteS], Qt::LeftButton);
        QCOMPARE(b.dialogues.demandesOuverture.back().indexFiltre, 4);
        QVERIFY(p.PointsE == racineAvant);
        QCOMPARE((QStringList{b.C().lblNomFichier[CoteE]->text(), b.C().lblNomFichier[CoteS]->text(),
                              b.C().txtEcartementZ->text()}),
                 (QStringList{racine, saumon, ecartement}));
        QVERIFY(std::abs(b.C().txtCorde[CoteS]->text().toDouble() - cordeS) < 0.05);
        QTEST(b.C().txtCommentaire->toPlainText(), "commentaire");
        QCOMPARE(b.S().Historique.Taille(), 2);
        QCOMPARE(LireIni("Fichiers", "Ouverture", b.fenetre.FichierReglages(), QString()), b.S().DossierOuverture);
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
        // fleche: sweep button pressed, -1 none; diedre: dihedral button pressed, -1 none
        tests::Colonnes<int, int, double, double>("fleche", "diedre", "flecheBA", "flecheBF");
        QTest::newRow("aucun bouton") << -1 << -1 << 0.0 << -50.0;
        QTest::newRow("BF et extrados") << 2 << 0 << -50.0 << 0.0;
        QTest::newRow("milieux") << 1 << 2 << -25.0 << -25.0;
    }

    void ouvertureMetAJourLaGeometrie()
    {
        QFETCH(int, fleche); QFETCH(int, diedre); QFETCH(double, flecheBA); QFETCH(double, flecheBF);
        BancPiloteVue b;
        b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
        if (fleche >= 0) b.C().chkFleche[size_t(fleche)]->click();
        if (diedre >= 0) b.C().chkDiedre[size_t(diedre)]->click();
        b.OuvrirProfil(CoteS, QStringLiteral("saumon.dxf"));
        const CoupleProfils& p = b.Profils();
        QVERIFY(std::abs(p.XminS - p.XminE - flecheBA) < 0.02);
        const std::pair<QString, double> affiches[] = {{b.C().txtFleche->text(), flecheBA},
            {b.C().lblFleche->text(), flecheBF}, {b.C().txtDiedreMm->text(), p.YminS - p.YminE},
            {b.C().txtDiedreDeg->text(), p.DiedreDeg}, {b.C().lblDiedre->text(), p.YmaxE - p.YmaxS}};
        for (const auto& [texte, valeur] : affiches) QVERIFY2(std::abs(texte.toDouble() - valeur) < 0.02, qPrintable(texte));
    }

    void echecLaisseToutEnPlace_data()
    {
        tests::Colonnes<int, QString, QByteArray, QString>("cote", "nom", "contenu", "message");
        QTest::newRow("saumon sans emplanture") << 1 << "saumon.dat" << QByteArray() << "Action impossible (Critique)";
        QTest::newRow("emplanture absente") << 0 << "absent.dat" << QByteArray() << "";
        QTest::newRow("saumon sans point") << 1 << "rien.plt" << QByteArray("IN;SP1;PU;") << "";
        QTest::newRow("annulation") << 1 << QString() << QByteArray() << "";
    }

    // A refused, failed or cancelled open leaves the window and the history as they were.
    void echecLaisseToutEnPlace()
    {
        QFETCH(int, cote); QFETCH(QString, nom); QFETCH(QByteArray, contenu); QFETCH(QString, message);
        BancPiloteVue b;
        if (message.isEmpty()) {
            b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
            b.OuvrirProfil(CoteS, QStringLiteral("saumon.dxf"));
        }
        if (!contenu.isEmpty()) QVERIFY(tests::EcrireOctets(b.Fichier(nom), contenu));
        const InstantaneVue avant = b.Prendre();
        const int historique = b.S().Historique.Taille();
        const bool projet = b.S().ProjetOuvert;
        if (nom.isEmpty())
            b.fenetre.Vue().OuvrirProfil(cote); // the dialog is cancelled
        else
            b.OuvrirProfil(cote, nom);
        QVERIFY(b.Prendre() == avant && b.S().Historique.Taille() == historique && b.S().ProjetOuvert == projet);
        QCOMPARE(b.dialogues.Vus(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) { // refused before the dialog
            QCOMPARE(b.dialogues.messages[0].texte, QStringLiteral("Il faut d'abord charger un profil d'emplanture."));
            QCOMPARE(b.dialogues.demandesOuverture.size(), size_t(0));
        }
    }

    void barreZoom_data()
    {
        tests::Colonnes<QString, double>("pas", "facteur");
        QTest::newRow("droite puis gauche") << "+-" << 0.99;
        QTest::newRow("glissement refusé") << "G" << 1.0;
    }

    // The bar zooms by its steps (their arithmetic is tested with the view); the timer puts the
    // thumb back to the middle without changing the scale; a drag of the thumb is refused with
    // a message.
    void barreZoom()
    {
        QFETCH(QString, pas); QFETCH(double, facteur);
        BancPiloteVue b;
        b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
        const float avant = b.S().Vue.CoeffZoom;
        QScrollBar* barre = b.C().hscZoom;
        for (QChar c : pas) {
            if (c != u'G') {
                barre->triggerAction(c == u'+' ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
                continue;
            }
            barre->setSliderDown(true);
            barre->setSliderPosition(10400);
            barre->setSliderPosition(10800);
            barre->setSliderDown(false);
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
        BancPiloteVue b;
        b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
        const auto& p = b.Profils();
        const auto& projetes = b.S().Vue.Copies.ProfilsProjetes;
        // Default perspective: the tip (same profile) lies Z/2 to the left of the root.
        QVERIFY(std::abs(projetes.PointsS[0].X - projetes.PointsE[0].X + p.EcartementZ / 2) < 1e-3);

        QTest::mouseClick(b.C().cmdRAZVueCote, Qt::LeftButton);
        QVERIFY(b.C().hscOmega->value() == 90 && b.C().hscAlpha->value() == 180);
        QVERIFY(tests::MemesPoints(projetes.PointsE, p.PointsE, 1e-4f));
        const EtatVue& v = b.S().Vue;
        QCOMPARE(v.CoeffZoom, std::min((v.LargeurDessin - 2 * v.MargeDessin) / p.Largeur,
                                        (v.HauteurDessin - 2 * v.MargeDessin) / p.Hauteur));

        // Turning the view keeps the zoom and the centre.
        b.C().hscZoom->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        const float coeff = v.CoeffZoom, xc = v.XCentreZoom;
        b.C().hscOmega->setValue(100);
        QVERIFY(v.Omega == 100 && v.CoeffZoom == coeff && v.XCentreZoom == xc);

        QTest::mouseClick(b.C().cmdRAZPerspective, Qt::LeftButton);
        QVERIFY(b.C().hscOmega->value() == 120 && b.C().hscAlpha->value() == 143 && v.CoeffZoom != coeff);
        // "Zoom" frames the sides shown: the root alone once the tip is hidden.
        b.C().chkAfficherProfil[CoteS]->setChecked(false);
        b.C().chkAfficherPoints[CoteS]->setChecked(false);
        QTest::mouseClick(b.C().cmdZoom, Qt::LeftButton);
        QCOMPARE(v.XCentreZoom, (projetes.XminE + projetes.XmaxE) / 2);
    }

    // Ctrl held while the list bar moves selects the run between the two points.
    void ctrlEtendLaSelection()
    {
        BancPiloteVue b;
        b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
        QScrollBar* unites = b.C().vscPoints[CoteE][0];
        unites->setValue(8);
        QTest::keyPress(&b.fenetre, Qt::Key_Control, Qt::ControlModifier);
        const int historique = b.S().Historique.Taille();
        unites->setValue(5);
        QTest::keyRelease(&b.fenetre, Qt::Key_Control);
        QCOMPARE(tests::Etats(b.Profils().PointsE).mid(0, 10), (QList<int>{0, 0, 0, 0, 1, 1, 1, 1, 0, 0}));
        QCOMPARE(b.S().Historique.Taille(), historique + 1);
        QVERIFY(b.C().panneauxEtat[0]->text().contains(QStringLiteral("Sél.: 4 pts")));
    }

    void clicSurLigne_data()
    {
        tests::Colonnes<QString, int>("etiquette", "point");
        QTest::newRow("numéro de la ligne courante") << "lblNumPtE_2" << 1;
        QTest::newRow("X de la ligne suivante") << "lblCoordPtE_3" << 2;
        QTest::newRow("Y de la dernière ligne") << "lblCoordPtE_9" << 3;
        QTest::newRow("ligne vide avant le début") << "lblNumPtE_0" << 0;
        QTest::newRow("saumon") << "lblNumPtS_4" << -3;
    }

    void clicSurLigne()
    {
        QFETCH(QString, etiquette); QFETCH(int, point);
        BancPiloteVue b;
        b.OuvrirProfil(CoteE, QStringLiteral("racine.dat"));
        QTest::mouseClick(b.Controle<QLabel>(etiquette), Qt::LeftButton);
        const auto& points = point < 0 ? b.Profils().PointsS : b.Profils().PointsE;
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(AEtat(points[size_t(i - 1)], EtatSelection), i == std::abs(point));
    }


    // Every field, label and point the .dat open gives, except the file name shown.
    void commeUnDat()
    {
        const std::pair<QString, int> codes[] = {{"23012", 41}, {"NACA 0012-64", 30}}; // five digits; modified, prefixed
        for (const auto& [code, parSurface] : codes) {
            const ProfilNacaCalcule profil = ProfilNaca(code, parSurface);
            BancFenetre naca, dat;
            naca.fenetre.ExecuterNaca = RemplirDialogueNaca(code, parSurface);
            naca.Bouton(QStringLiteral("cmdNaca_0"))->click();
            const QString chemin = dat.Fichier(QStringLiteral("profil.dat"));
            QByteArray texteDat = profil.nom.toLatin1() + "\r\n"; // Selig style: name, unit-chord coordinates
            for (const QPointF& p : profil.points)
                texteDat += QByteArray::number(p.x(), 'f', 6) + ' ' + QByteArray::number(p.y(), 'f', 6) + "\r\n";
            QVERIFY(tests::EcrireOctets(chemin, texteDat));
            dat.dialogues.fichiers.push_back(ChoixFichier{false, chemin, 2});
            dat.Bouton(QStringLiteral("cmdOuvrirProfil_0"))->click();

            QCOMPARE((QStringList{naca.C().lblNomFichier[CoteE]->text(), naca.C().lblNomFichier[CoteS]->text(),
                                  naca.fenetre.Vue().NomFichierCourant(CoteS), naca.fenetre.windowTitle()}),
                     (QStringList{profil.nom, profil.nom, profil.nom, "Profils Galbix - Nouveau projet"}));
            QCOMPARE(naca.C().txtCommentaire->toPlainText(), QStringLiteral("Commentaire profil: %1\n").arg(profil.nom));
            QVERIFY(naca.S().ProjetOuvert && naca.dialogues.messages.empty());
            QCOMPARE(naca.S().Historique.Taille(), dat.S().Historique.Taille());
            const auto textes = [](tests::BancFenetre& b) {
                return QStringList{b.C().txtCorde[CoteE]->text(), b.C().txtCorde[CoteS]->text(),
                                   b.C().txtEcartementZ->text(), b.C().txtCommentaire->toPlainText()};
            };
            QCOMPARE(textes(naca), textes(dat));
            QCOMPARE(naca.C().txtCorde[CoteE]->text(), QStringLiteral("100.0"));
            for (int cote : {CoteE, CoteS}) {
                QCOMPARE(naca.Profils().Points(cote).size(), size_t(2 * parSurface - 1));
                QVERIFY(tests::MemesPoints(naca.Profils().Points(cote), dat.Profils().Points(cote), 1e-3f)); // states too
            }
            QCOMPARE(naca.Profils().LargeurE, dat.Profils().LargeurE);
        }
    }

    // A tip from its code replaces the tip only; "Undo" brings the previous tip back.
    void saumonPuisUndo()
    {
        BancFenetre b;
        b.fenetre.ExecuterNaca = RemplirDialogueNaca(QStringLiteral("23012"), 41);
        b.Bouton(QStringLiteral("cmdNaca_0"))->click();
        const std::vector<PointProfil> racine = b.Profils().PointsE;
        b.fenetre.ExecuterNaca = [](DialogueNaca& d) {
            QCOMPARE((QStringList{d.ChampCode()->text(), QString::number(d.ChampPoints()->value()), d.windowTitle()}),
                     (QStringList{"23012", "41", "Profil NACA - Saumon"})); // the last code loaded
            RemplirDialogueNaca(QStringLiteral("0012-64"), 25)(d);
        };
        b.Bouton(QStringLiteral("cmdNaca_1"))->click();
        QCOMPARE((QStringList{b.C().lblNomFichier[CoteE]->text(), b.C().lblNomFichier[CoteS]->text()}),
                 (QStringList{"NACA 23012", "NACA 0012-64"}));
        QVERIFY(b.Profils().PointsS.size() == 49 && tests::MemesPoints(b.Profils().PointsE, racine, 0.0f));
        QVERIFY(b.C().txtCommentaire->toPlainText().endsWith(QStringLiteral("Commentaire profil: NACA 23012\n"
                                                                            "Commentaire profil: NACA 0012-64\n")));
        b.Bouton(QStringLiteral("cmdUndo_0"))->click();
        QCOMPARE(b.Profils().PointsS.size(), size_t(81));
    }

    // An unknown code keeps "Charger" disabled and shows the reason; closing the dialog then
    // leaves the window as it was.
    void codeRefuse()
    {
        BancFenetre b;
        const int historique = b.S().Historique.Taille();
        QString etat;
        bool chargerActif = true;
        size_t apercu = 1;
        b.fenetre.ExecuterNaca = [&](DialogueNaca& d) {
            d.ChampCode()->setText(QStringLiteral("26012"));
            chargerActif = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
            etat = d.Etat()->text();
            apercu = d.findChild<ApercuNaca*>()->Points().size();
            d.ChampCode()->setText(QStringLiteral("26012-64")); // still refused: the mean line is unknown
            d.reject();
        };
        b.Bouton(QStringLiteral("cmdNaca_0"))->click();
        QVERIFY(!chargerActif && apercu == 0 && etat.contains("26012")); // the reason is tested with the NACA codes
        QVERIFY(b.Profils().PointsE.empty() && b.C().lblNomFichier[CoteE]->text().isEmpty() && !b.S().ProjetOuvert);
        QCOMPARE(b.S().Historique.Taille(), historique);
        // Still no root: the tip's NACA command refuses before any dialog.
        b.fenetre.ExecuterNaca = [](DialogueNaca&) { QFAIL("no dialog without a root"); };
        b.fenetre.Vue().OuvrirNaca(CoteS);
        QVERIFY(b.dialogues.Vus() == QStringList{"Action impossible (Critique)"} && b.Profils().PointsS.empty());
    }


};

GALBIX_GUI_TEST_MAIN(TestPiloteVue)
#include "tst_pilotevue.moc"
