// The main window's intermediate-profile mode (switch, distance field, drawing, save) and the
// import of the cutting program's projects through the root's open button.
#include "common/DialoguesScript.h"
#include "common/DossierProgrammeTemporaire.h"
#include "common/Octets.h"
#include "common/TestMain.h"

#include "app/FenetrePrincipale.h"
#include "app/PiloteFichiers.h"
#include "app/PiloteIntermediaire.h"
#include "app/PiloteVue.h"
#include "editing/PlacementKerfex.h"
#include "files/ImportKf.h"
#include "files/ProfilIntermediaire.h"
#include "files/Projet.h"
#include "model/Extremes.h"
#include "model/Fonctions.h"
#include "model/NumericText.h"
#include "model/Naca.h"
#include "view/ui/VueProfils.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

using namespace galbix;

namespace {

std::vector<PointProfil> Naca(const char* code, int parSurface, float corde, float dx, float dy)
{
    std::vector<PointProfil> points;
    for (const QPointF& p : ProfilNaca4(QString::fromLatin1(code), parSurface))
        points.push_back({float(p.x() * corde + dx), float(p.y() * corde + dy), 0});
    return points;
}

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

const QByteArray ProjetKf = "Commentaire=Panneau central\r\n"
                            "Commentaire=découpe en deux\r\n"
                            "EFichier=racine.dat\r\nSFichier=bout.dat\r\n"
                            "SEnvergure=450\r\n"
                            "E1=100;0\r\nE2=0;0\r\nE3=50;10\r\n"
                            "S1=90;2\r\nS2=10;2\r\nS3=10;10\r\nS4=90;10\r\n"
                            "ExHauteur=1.5\r\nSVrillage=5\r\nSMiroirHorizontal=true\r\n"
                            "EFlecheBA=30\r\nSFlecheBA=12.5\r\nEMDessous=1\r\nSMDessous=4\r\n"
                            "Fin\r\n";

} // namespace

class TestIntermediaire : public QObject {
    Q_OBJECT

    std::unique_ptr<tests::DossierProgrammeTemporaire> m_dossier;
    std::unique_ptr<DialoguesScript> m_dialogues;
    std::unique_ptr<FenetrePrincipale> m_fenetre;

    QString Chemin(const QString& nom) const { return m_dossier->filePath(nom); }
    ControlesFenetre& C() { return m_fenetre->Controles(); }
    SessionEdition& S() { return m_fenetre->Session(); }

    // NACA 2412 root of chord 200, NACA 0012 tip of chord 150 moved 40 back and 10 up.
    void OuvrirAile(float ecartement = 600.0f, int nS = 25)
    {
        DonneesProjet projet;
        projet.Profils.PointsE = Naca("2412", 25, 200.0f, 0.0f, 0.0f);
        projet.Profils.PointsS = Naca("0012", nS, 150.0f, 40.0f, 10.0f);
        projet.Profils.EcartementZ = ecartement;
        CalculerExtremes(projet.Profils);
        projet.NomFichier[CoteE] = QStringLiteral("racine.dat");
        projet.NomFichier[CoteS] = QStringLiteral("bout.dat");
        projet.Omega = 90.0f;
        projet.Alpha = 180.0f;
        QVERIFY(EcrireProjet(Chemin(QStringLiteral("aile.gbx")), projet));
        QVERIFY(m_fenetre->Fichiers().OuvrirProjet(Chemin(QStringLiteral("aile.gbx"))));
        C().cmdZoom->click(); // fitted to the drawing area
    }

    void Taper(const QString& texte, bool entree = true)
    {
        QLineEdit* champ = C().txtEcartementIntermediaire;
        champ->selectAll();
        QTest::keyClick(champ, Qt::Key_Backspace);
        QTest::keyClicks(champ, texte);
        if (entree)
            QTest::keyClick(champ, Qt::Key_Return);
    }

    QStringList Titres() const
    {
        QStringList t;
        for (const auto& m : m_dialogues->messages)
            t << m.titre;
        return t;
    }

    bool OuvrirKf(const QByteArray& contenu)
    {
        const QString chemin = Chemin(QStringLiteral("projet.kf"));
        if (!tests::EcrireOctets(chemin, contenu))
            return false;
        ChoixFichier choix;
        choix.annule = false;
        choix.chemin = chemin;
        m_dialogues->fichiers.push_back(choix);
        C().cmdOuvrirProfil[CoteE]->click();
        return true;
    }

private slots:
    void init()
    {
        m_dossier = std::make_unique<tests::DossierProgrammeTemporaire>();
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

    // Down, the mode leaves only the switch and the distance field (the save button waits for
    // a distance); up, the editing commands and both open buttons come back.
    void bascule()
    {
        OuvrirAile();
        QVERIFY(C().chkProfilIntermediaire->isEnabled());
        QVERIFY(!C().txtEcartementIntermediaire->isEnabled());
        C().chkProfilIntermediaire->click();
        const QList<QWidget*> inactifs = {C().cmdOuvrirProfil[CoteE], C().cmdOuvrirProfil[CoteS], C().cmdImportKerfex,
                                          C().cmdNaca[CoteE], C().cmdNaca[CoteS],
                                          C().cmdSauveProfil[0], C().cmdSauveProfil[2], C().cmdSauveProfil[3],
                                          C().txtCorde[CoteE], C().cmdUndo[0], C().hscOmega, C().txtEcartementZ,
                                          C().cmdSymetrie[0], C().pctProfils, C().txtFleche};
        for (QWidget* w : inactifs)
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(C().chkProfilIntermediaire->isEnabled());
        QVERIFY(C().txtEcartementIntermediaire->isEnabled());
        Taper(QStringLiteral("200"));
        QVERIFY(C().cmdSauveProfil[3]->isEnabled());
        QVERIFY(!C().cmdUndo[0]->isEnabled()); // the drawing did not switch the commands back on
        C().chkProfilIntermediaire->click();
        const QList<QWidget*> actifs = {C().cmdOuvrirProfil[CoteE], C().cmdOuvrirProfil[CoteS], C().cmdImportKerfex,
                                          C().cmdNaca[CoteE], C().cmdNaca[CoteS],
                                        C().cmdSauveProfil[0], C().txtCorde[CoteE], C().hscOmega, C().txtFleche};
        for (QWidget* w : actifs)
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(!C().txtEcartementIntermediaire->isEnabled());
        QVERIFY(!C().cmdSauveProfil[3]->isEnabled());
        QVERIFY(m_dialogues->messages.empty());
    }

    void nombresDifferents()
    {
        OuvrirAile(600.0f, 27);
        QVERIFY(!C().chkProfilIntermediaire->isEnabled());
    }

    void saisie_data()
    {
        QTest::addColumn<float>("ecartement");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("calcule");
        const QString dimension = intermediaire::TitreErreurDimension;
        QTest::newRow("inside") << 600.0f << "150" << "150.0" << "" << true;
        QTest::newRow("just before the tip") << 600.0f << "599.9" << "599.9" << "" << true;
        QTest::newRow("rounded for the field") << 600.0f << "12.345" << "12.35" << "" << true;
        QTest::newRow("trailing point") << 600.0f << "5." << "5.0" << "" << true;
        QTest::newRow("at the tip") << 600.0f << "600" << "0.0" << dimension << false;
        QTest::newRow("at the root") << 600.0f << "0" << "0.0" << dimension << false;
        QTest::newRow("beyond the tip") << 600.0f << "1200.5" << "0.0" << dimension << false;
        QTest::newRow("decimal comma") << 600.0f << "1,5" << "1,5" << TitreErreurSaisie << false;
        QTest::newRow("no span") << 0.0f << "100" << "0.0" << dimension << false;
        QTest::newRow("no span, tiny") << 0.0f << "0.01" << "0.0" << dimension << false;
    }
    void saisie()
    {
        QFETCH(float, ecartement);
        QFETCH(QString, texte);
        QFETCH(QString, affiche);
        QFETCH(QString, message);
        QFETCH(bool, calcule);
        OuvrirAile(ecartement);
        C().chkProfilIntermediaire->click();
        Taper(texte);
        QLineEdit* champ = C().txtEcartementIntermediaire;
        QCOMPARE(champ->text(), affiche);
        QCOMPARE(Titres(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(m_dialogues->messages.back().icone, IconeMessage::Critique);
            QCOMPARE(champ->selectedText(), champ->text());
        }
        QCOMPARE(C().cmdSauveProfil[3]->isEnabled(), calcule);
        const CoupleProfils& profil = m_fenetre->Intermediaire().Profil();
        QCOMPARE(profil.NbPointsE(), calcule ? S().Profils.NbPointsE() : 0);
        if (calcule) {
            CoupleProfils attendu;
            CalculerProfilIntermediaire(S().Profils, ValeurSaisieReelle(texte), attendu);
            QCOMPARE(profil.PointsE, attendu.PointsE);
        }
    }

    // The refit keeps the user's scale and centre; the profile gets its drawing positions.
    void zoomGarde()
    {
        OuvrirAile();
        C().chkProfilIntermediaire->click();
        S().Vue.CoeffZoom *= 3.0f;
        S().Vue.XCentreZoom += 20.0f;
        const EtatVue avant = S().Vue;
        Taper(QStringLiteral("300"));
        QCOMPARE(S().Vue.CoeffZoom, avant.CoeffZoom);
        QCOMPARE(S().Vue.XCentreZoom, avant.XCentreZoom);
        QCOMPARE(S().Vue.YCentreZoom, avant.YCentreZoom);
        QCOMPARE(S().Vue.EcartementIntermediaire, 300.0f);
        QCOMPARE(S().Vue.Copies.IntermediaireEcran.PointsE.size(), S().Profils.PointsE.size());
    }

    // A refused distance leaves the last profile and its save in place: the saved report still
    // gives the distance of that profile.
    void refusGardeLeProfil()
    {
        OuvrirAile();
        C().chkProfilIntermediaire->click();
        Taper(QStringLiteral("150"));
        const std::vector<PointProfil> avant = m_fenetre->Intermediaire().Profil().PointsE;
        Taper(QStringLiteral("700"));
        QCOMPARE(Titres(), QStringList{intermediaire::TitreErreurDimension});
        QCOMPARE(C().txtEcartementIntermediaire->text(), QStringLiteral("0.0"));
        QCOMPARE(S().Vue.EcartementIntermediaire, 0.0f);
        QVERIFY(C().cmdSauveProfil[3]->isEnabled());
        QCOMPARE(m_fenetre->Intermediaire().Profil().PointsE, avant);
        const QString chemin = Chemin(QStringLiteral("mid.dxf"));
        m_dialogues->fichiers.push_back({false, chemin, 1});
        C().cmdSauveProfil[3]->click();
        const QList<QByteArray> lignes = tests::LireOctets(chemin + QStringLiteral("_datas.txt")).split('\n');
        QVERIFY(lignes.value(4).endsWith(":150.0\r"));
    }

    // Leaving the field without Enter shows the value in force again.
    void sortieSansEntree()
    {
        OuvrirAile();
        C().chkProfilIntermediaire->click();
        QLineEdit* champ = C().txtEcartementIntermediaire;
        Taper(QStringLiteral("150"));
        Taper(QStringLiteral("300"), false);
        QCOMPARE(champ->text(), QStringLiteral("300"));
        QFocusEvent sortie(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(champ, &sortie);
        QCOMPARE(champ->text(), QStringLiteral("150.0"));
        QCOMPARE(S().Vue.EcartementIntermediaire, 150.0f);
        QVERIFY(m_dialogues->messages.empty());
    }

    // The profile is drawn in green while the mode is on, and gone once it is off; saving
    // leaves the drawing as it was.
    void dessinEtSauvegarde()
    {
        OuvrirAile();
        VueProfils& dessin = m_fenetre->Vue().Dessin();
        QCOMPARE(PixelsVerts(dessin.Base()), 0);
        C().chkProfilIntermediaire->click();
        Taper(QStringLiteral("300"));
        QVERIFY(PixelsVerts(dessin.Base()) > 100);
        const QImage avant = dessin.Base().copy();
        const QString chemin = Chemin(QStringLiteral("mid.dat"));
        m_dialogues->fichiers.push_back({false, chemin, 2});
        C().cmdSauveProfil[3]->click();
        const DemandeFichier& demande = m_dialogues->demandesEnregistrement.back();
        QCOMPARE(demande.titre, QStringLiteral("Enregistrer le profil intermédiaire en .dxf ou en .dat..."));
        QCOMPARE(demande.nomPropose, QString());
        QCOMPARE(demande.indexFiltre, 1);
        QCOMPARE(dessin.Base(), avant);
        const QByteArray rapport = tests::LireOctets(chemin + QStringLiteral("_datas.txt"));
        QCOMPARE(rapport.count("\r\n"), 17);
        QVERIFY(rapport.startsWith(("Caractéristiques du profil intermédiaire " + chemin).toUtf8()));
        QVERIFY(rapport.contains("Profil initial au saumon : bout.dat\r\n"));
        QVERIFY(QFile::exists(chemin));
        C().chkProfilIntermediaire->click();
        QCOMPARE(PixelsVerts(dessin.Base()), 0);
    }

    // The import types the placement into the window's fields: the model is the one the
    // command line gets, the fields, labels, caption and comment show the project, and the
    // view is the side view.
    void importKf()
    {
        QVERIFY(OuvrirKf(ProjetKf));
        QVERIFY(m_dialogues->messages.empty());
        ProjetKerfex kf;
        QVERIFY(AnalyserProjetKerfex(ProjetKf, kf).Reussie);
        SessionEdition attendu;
        ContexteEdition ctx = attendu.Contexte();
        ImporterProjetKerfex(ctx, kf);
        QCOMPARE(S().Profils.PointsE, attendu.Profils.PointsE);
        QCOMPARE(S().Profils.PointsS, attendu.Profils.PointsS);
        QCOMPARE(S().Profils.EcartementZ, 450.0f);
        QVERIFY(S().ProjetOuvert);
        QCOMPARE(m_fenetre->windowTitle(), QStringLiteral("Profils Galbix - ") + Chemin(QStringLiteral("projet.kf")));
        QCOMPARE(C().lblNomFichier[CoteE]->text(), QStringLiteral("racine.dat"));
        QCOMPARE(C().lblNomFichier[CoteS]->text(), QStringLiteral("bout.dat"));
        QCOMPARE(C().txtFleche->text(), QStringLiteral("12.5"));
        QCOMPARE(C().txtDiedreMm->text(), QStringLiteral("3.0"));
        QCOMPARE(C().txtEcartementZ->text(), QStringLiteral("450.0"));
        QCOMPARE(C().txtEtirer[1]->text(), QStringLiteral("100.0"));
        QCOMPARE(C().txtTourner->text(), QStringLiteral("0.0"));
        QCOMPARE(C().hscOmega->value(), 90);
        QCOMPARE(C().hscAlpha->value(), 180);
        QCOMPARE(C().txtCommentaire->toPlainText(), QStringLiteral("Panneau central\ndécoupe en deux\n"));
        QVERIFY(C().chkVoirCommentaires->isChecked());
        QVERIFY(C().txtCorde[CoteE]->isEnabled());
        QVERIFY(C().cmdUndo[0]->isEnabled());
        QVERIFY(!C().chkFil->isEnabled()); // 3 root points, 4 tip points
    }

    void importKfRefuse_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::newRow("letter in a point") << QByteArray("Commentaire=x\r\nEFichier=a.dat\r\nE1=1;2\r\nE2=1;b\r\n");
        QTest::newRow("height not a number") << QByteArray("E1=1;2\r\nE2=3;4\r\nSxHauteur=1.2.3\r\n");
    }
    // A project that stops the reading leaves the window as it was, without a message.
    void importKfRefuse()
    {
        QFETCH(QByteArray, contenu);
        OuvrirAile();
        const CoupleProfils avant = S().Profils;
        const QString titre = m_fenetre->windowTitle();
        const int snapshots = S().Historique.Taille();
        QVERIFY(OuvrirKf(contenu));
        QCOMPARE(S().Profils.PointsE, avant.PointsE);
        QCOMPARE(S().Profils.PointsS, avant.PointsS);
        QCOMPARE(S().Profils.EcartementZ, avant.EcartementZ);
        QCOMPARE(m_fenetre->windowTitle(), titre);
        QCOMPARE(C().lblNomFichier[CoteE]->text(), QStringLiteral("racine.dat"));
        QCOMPARE(S().Historique.Taille(), snapshots);
        QVERIFY(m_dialogues->messages.empty());
    }

    // Before any load, a file that cannot be read leaves the commands disabled.
    void importKfIllisible()
    {
        ChoixFichier choix;
        choix.annule = false;
        choix.chemin = Chemin(QStringLiteral("absent.kf"));
        m_dialogues->fichiers.push_back(choix);
        C().cmdOuvrirProfil[CoteE]->click();
        QVERIFY(!S().ProjetOuvert);
        QVERIFY(!C().txtCorde[CoteE]->isEnabled());
        QVERIFY(m_dialogues->messages.empty());
    }
};

GALBIX_GUI_TEST_MAIN(TestIntermediaire)
#include "tst_intermediaire.moc"
