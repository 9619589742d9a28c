// The main window's intermediate-profile mode (switch, distance field, drawing, save) and the
// import of the cutting program's projects through the root's open button.
#include "common/BancFenetre.h"
#include "common/Projets.h"

#include "app/PiloteIntermediaire.h"
#include "editing/PlacementKerfex.h"
#include "files/ImportKf.h"
#include "files/ProfilIntermediaire.h"
#include "model/NumericText.h"
#include "view/ui/VueProfils.h"


using namespace galbix;

namespace {

// Pixels of the intermediate profile's green in the drawing.
int PixelsVerts(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.green() > 120 && c.red() < 90 && c.blue() < 90;
        }
    return n;
}

const QByteArray ProjetKf = "Commentaire=Panneau central\r\nCommentaire=découpe en deux\r\nEFichier=racine.dat\r\n"
                            "SFichier=bout.dat\r\nSEnvergure=450\r\nE1=100;0\r\nE2=0;0\r\nE3=50;10\r\n"
                            "S1=90;2\r\nS2=10;2\r\nS3=10;10\r\nS4=90;10\r\nExHauteur=1.5\r\nSVrillage=5\r\n"
                            "SMiroirHorizontal=true\r\nEFlecheBA=30\r\nSFlecheBA=12.5\r\nEMDessous=1\r\nSMDessous=4\r\nFin\r\n";

struct BancIntermediaire : tests::BancFenetre {
    bool montree = Montrer();

    // NACA 2412 root of chord 200, NACA 0012 tip of chord 150 moved 40 back and 10 up.
    bool OuvrirAile(float ecartement = 600.0f, int nS = 25)
    {
        DonneesProjet projet = tests::AileNaca(25, ecartement, 40.0, 10.0, nS);
        projet.NomFichier[CoteE] = QStringLiteral("racine.dat");
        projet.NomFichier[CoteS] = QStringLiteral("bout.dat");
        projet.Omega = 90.0f;
        projet.Alpha = 180.0f;
        const bool ouvert = montree && OuvrirProjet(projet, QStringLiteral("aile.gbx"));
        C().cmdZoom->click(); // fitted to the drawing area
        return ouvert;
    }
    void Taper(const QString& texte)
    {
        C().txtEcartementIntermediaire->selectAll();
        QTest::keyClick(C().txtEcartementIntermediaire, Qt::Key_Backspace);
        QTest::keyClicks(C().txtEcartementIntermediaire, texte);
        QTest::keyClick(C().txtEcartementIntermediaire, Qt::Key_Return);
    }
    // Opens `contenu` (none: a missing file) as a cutting-program project through the root's
    // open button.
    void OuvrirKf(const QByteArray& contenu)
    {
        if (!contenu.isEmpty()) tests::EcrireOctets(Fichier(QStringLiteral("projet.kf")), contenu);
        dialogues.fichiers.push_back({false, Fichier(QStringLiteral("projet.kf")), 0});
        C().cmdOuvrirProfil[CoteE]->click();
    }
};

} // namespace

class TestIntermediaire : public QObject {
    Q_OBJECT

private slots:
    // Down, the mode leaves only the switch and the distance field (the save button waits for
    // a distance); up, the editing commands and both open buttons come back.
    void bascule()
    {
        BancIntermediaire b;
        QVERIFY(b.OuvrirAile(600.0f, 27));
        QVERIFY(!b.C().chkProfilIntermediaire->isEnabled()); // the counts differ
        QVERIFY(b.OuvrirAile() && b.C().chkProfilIntermediaire->isEnabled());
        QVERIFY(!b.C().txtEcartementIntermediaire->isEnabled());
        b.C().chkProfilIntermediaire->click();
        const QList<QWidget*> inactifs = {b.C().cmdOuvrirProfil[CoteE], b.C().cmdOuvrirProfil[CoteS], b.C().cmdImportKerfex,
                                          b.C().cmdNaca[CoteE], b.C().cmdNaca[CoteS],
                                          b.C().cmdSauveProfil[0], b.C().cmdSauveProfil[2], b.C().cmdSauveProfil[3],
                                          b.C().txtCorde[CoteE], b.C().cmdUndo[0], b.C().hscOmega, b.C().txtEcartementZ,
                                          b.C().cmdSymetrie[0], b.C().pctProfils, b.C().txtFleche};
        for (QWidget* w : inactifs) QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(b.C().chkProfilIntermediaire->isEnabled() && b.C().txtEcartementIntermediaire->isEnabled());
        b.Taper(QStringLiteral("200"));
        QVERIFY(b.C().cmdSauveProfil[3]->isEnabled());
        QVERIFY(!b.C().cmdUndo[0]->isEnabled()); // the drawing did not switch the commands back on
        b.C().chkProfilIntermediaire->click();
        const QList<QWidget*> actifs = {b.C().cmdOuvrirProfil[CoteE], b.C().cmdOuvrirProfil[CoteS], b.C().cmdImportKerfex,
                                        b.C().cmdNaca[CoteE], b.C().cmdNaca[CoteS],
                                        b.C().cmdSauveProfil[0], b.C().txtCorde[CoteE], b.C().hscOmega, b.C().txtFleche};
        for (QWidget* w : actifs) QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(!b.C().txtEcartementIntermediaire->isEnabled() && !b.C().cmdSauveProfil[3]->isEnabled());
        QVERIFY(b.dialogues.messages.empty());
    }

    void saisie_data()
    {
        tests::Colonnes<float, QString, QString, QString, bool>("ecartement", "texte", "affiche", "message", "calcule");
        const QString dimension = intermediaire::TitreErreurDimension;
        QTest::newRow("inside") << 600.0f << "150" << "150.0" << "" << true;
        QTest::newRow("rounded for the field") << 600.0f << "12.345" << "12.35" << "" << true;
        QTest::newRow("at the tip") << 600.0f << "600" << "0.0" << dimension << false;
        QTest::newRow("at the root") << 600.0f << "0" << "0.0" << dimension << false;
        QTest::newRow("decimal comma") << 600.0f << "1,5" << "1,5" << TitreErreurSaisie << false;
        QTest::newRow("no span") << 0.0f << "100" << "0.0" << dimension << false;
    }
    void saisie()
    {
        QFETCH(float, ecartement); QFETCH(QString, texte); QFETCH(QString, message); QFETCH(bool, calcule);
        BancIntermediaire b;
        QVERIFY(b.OuvrirAile(ecartement));
        b.C().chkProfilIntermediaire->click();
        b.S().Vue.CoeffZoom *= 3.0f;
        b.S().Vue.XCentreZoom += 20.0f;
        const EtatVue vue = b.S().Vue;
        b.Taper(texte);
        // The refit keeps the user's scale and centre.
        QVERIFY(b.S().Vue.CoeffZoom == vue.CoeffZoom && b.S().Vue.XCentreZoom == vue.XCentreZoom);
        QLineEdit* champ = b.C().txtEcartementIntermediaire;
        QTEST(champ->text(), "affiche");
        QCOMPARE(b.dialogues.Vus(), message.isEmpty() ? QStringList() : QStringList{message + " (Critique)"});
        if (!message.isEmpty()) QCOMPARE(champ->selectedText(), champ->text());
        QCOMPARE(b.C().cmdSauveProfil[3]->isEnabled(), calcule);
        const CoupleProfils& profil = b.fenetre.Intermediaire().Profil();
        QCOMPARE(profil.NbPointsE(), calcule ? b.S().Profils.NbPointsE() : 0);
        if (calcule) {
            CoupleProfils attendu;
            CalculerProfilIntermediaire(b.S().Profils, ValeurSaisieReelle(texte), attendu);
            QCOMPARE(profil.PointsE, attendu.PointsE);
            QCOMPARE(b.S().Vue.Copies.IntermediaireEcran.PointsE.size(), profil.PointsE.size());
        }
    }

    // The profile is drawn in green while the mode is on, and gone once it is off; saving
    // leaves the drawing as it was. A refused distance then leaves the last profile and its save
    // in place: the saved report still gives the distance of that profile.
    void dessinEtSauvegarde()
    {
        BancIntermediaire b;
        QVERIFY(b.OuvrirAile());
        VueProfils& dessin = b.fenetre.Vue().Dessin();
        QCOMPARE(PixelsVerts(dessin.Base()), 0);
        b.C().chkProfilIntermediaire->click();
        b.Taper(QStringLiteral("300"));
        QVERIFY(PixelsVerts(dessin.Base()) > 100);
        const QImage avant = dessin.Base().copy();
        const QString chemin = b.Fichier(QStringLiteral("mid.dat"));
        b.dialogues.fichiers.push_back({false, chemin, 2});
        b.C().cmdSauveProfil[3]->click();
        const DemandeFichier& demande = b.dialogues.demandesEnregistrement.back();
        QCOMPARE(demande.titre, QStringLiteral("Enregistrer le profil intermédiaire en .dxf ou en .dat..."));
        QVERIFY(demande.nomPropose.isEmpty() && demande.indexFiltre == 1);
        QCOMPARE(dessin.Base(), avant);
        const QByteArray rapport = tests::LireOctets(chemin + QStringLiteral("_datas.txt"));
        QCOMPARE(rapport.count("\r\n"), 17);
        QVERIFY(rapport.startsWith(("Caractéristiques du profil intermédiaire " + chemin).toUtf8()));
        QVERIFY(rapport.contains("Profil initial au saumon : bout.dat\r\n") && QFile::exists(chemin));
        const std::vector<PointProfil> profil = b.fenetre.Intermediaire().Profil().PointsE;
        b.Taper(QStringLiteral("700"));
        QCOMPARE(b.dialogues.Vus(), QStringList{intermediaire::TitreErreurDimension + " (Critique)"});
        QCOMPARE(b.C().txtEcartementIntermediaire->text(), QStringLiteral("0.0"));
        QVERIFY(b.S().Vue.EcartementIntermediaire == 0.0f && b.C().cmdSauveProfil[3]->isEnabled());
        QCOMPARE(b.fenetre.Intermediaire().Profil().PointsE, profil);
        b.dialogues.fichiers.push_back({false, b.Fichier(QStringLiteral("mid.dxf")), 1});
        b.C().cmdSauveProfil[3]->click();
        QVERIFY(tests::LireOctets(b.Fichier(QStringLiteral("mid.dxf_datas.txt"))).split('\n').value(4).endsWith(":300.0\r"));
        b.C().chkProfilIntermediaire->click();
        QCOMPARE(PixelsVerts(dessin.Base()), 0);
    }

    // The import types the placement into the window's fields: the model is the one the
    // command line gets, the fields, labels, caption and comment show the project, and the
    // view is the side view.
    void importKf()
    {
        BancIntermediaire b;
        b.OuvrirKf(ProjetKf);
        QVERIFY(b.dialogues.messages.empty());
        ProjetKerfex kf;
        QVERIFY(AnalyserProjetKerfex(ProjetKf, kf).Reussie);
        SessionEdition attendu;
        ContexteEdition ctx = attendu.Contexte();
        ImporterProjetKerfex(ctx, kf);
        QVERIFY(b.S().Profils.PointsE == attendu.Profils.PointsE && b.S().Profils.PointsS == attendu.Profils.PointsS);
        QVERIFY(b.S().Profils.EcartementZ == 450.0f && b.S().ProjetOuvert);
        QCOMPARE(b.fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + b.Fichier(QStringLiteral("projet.kf")));
        QCOMPARE((QStringList{b.C().lblNomFichier[CoteE]->text(), b.C().lblNomFichier[CoteS]->text(),
                              b.C().txtFleche->text(), b.C().txtDiedreMm->text(), b.C().txtEcartementZ->text(),
                              b.C().txtEtirer[1]->text(), b.C().txtTourner->text()}),
                 (QStringList{"racine.dat", "bout.dat", "12.5", "3.0", "450.0", "100.0", "0.0"}));
        QVERIFY(b.C().hscOmega->value() == 90 && b.C().hscAlpha->value() == 180);
        QCOMPARE(b.C().txtCommentaire->toPlainText(), QStringLiteral("Panneau central\ndécoupe en deux\n"));
        QVERIFY(b.C().chkVoirCommentaires->isChecked() && b.C().txtCorde[CoteE]->isEnabled() && b.C().cmdUndo[0]->isEnabled());
        QVERIFY(!b.C().chkFil->isEnabled()); // 3 root points, 4 tip points
    }

    // A project that stops the reading leaves the window as it was (before any load, with the
    // commands disabled), without a message.
    void importKfRefuse()
    {
        const std::pair<QByteArray, bool> projets[] = {{"Commentaire=x\r\nEFichier=a.dat\r\nE1=1;2\r\nE2=1;b\r\n", true},
            {"E1=1;2\r\nE2=3;4\r\nSxHauteur=1.2.3\r\n", true}, {QByteArray(), false}}; // empty: no file
        for (const auto& [contenu, aile] : projets) {
            BancIntermediaire b;
            if (aile) QVERIFY(b.OuvrirAile());
            const CoupleProfils avant = b.S().Profils;
            const QString titre = b.fenetre.windowTitle();
            const int snapshots = b.S().Historique.Taille();
            b.OuvrirKf(contenu);
            QVERIFY(b.S().Profils.PointsE == avant.PointsE && b.S().Profils.PointsS == avant.PointsS);
            QVERIFY(b.S().Profils.EcartementZ == avant.EcartementZ && b.S().Historique.Taille() == snapshots);
            QVERIFY(b.fenetre.windowTitle() == titre && b.dialogues.messages.empty());
            QVERIFY(b.S().ProjetOuvert == aile && b.C().txtCorde[CoteE]->isEnabled() == aile);
        }
    }
};

GALBIX_GUI_TEST_MAIN(TestIntermediaire)
#include "tst_intermediaire.moc"
