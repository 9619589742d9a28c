// Saving and exchanging from the main window: what each save dialog proposes, what is written
// for the button, the filter and the name chosen, the 3D refusal, the save folder kept in the
// settings file, and the exchange pair with the cutting program exported and imported back.
#include "common/BancFenetre.h"
#include "common/Octets.h"
#include "common/TestMain.h"

#include "files/Reglages.h"
#include "geomlib/Cp1252.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

using namespace galbix;

Q_DECLARE_METATYPE(ReponseMessage)

namespace {

QString PremiereLigne(const QString& chemin)
{
    return cp1252::Decoder(tests::LireOctets(chemin).split('\n').value(0).trimmed()); // headers are Windows-1252
}

// A window on a project of `nS` tip points per surface, opened as the open command does:
// root of chord 200 away from the origin, tip of chord 150 with its trailing edge aligned
// (sweep 50) and 8 mm higher (a dihedral height of 7.454 between the lower surfaces), 500 mm
// apart. With no names, nothing is opened.
struct Banc : tests::BancFenetre {
    bool ouvert = false;
    explicit Banc(const QString& nomE, const QString& nomS = QString(), int nS = 25,
                  std::shared_ptr<tests::DossierProgrammeTemporaire> partage = {})
        : BancFenetre(true, QString(), std::move(partage))
    {
        if (nomE.isEmpty() && nomS.isEmpty())
            return;
        DonneesProjet projet;
        projet.Profils.PointsE = tests::Naca("2412", 25, 200.0f, 12.0f, -4.0f);
        projet.Profils.PointsS = tests::Naca("0012", nS, 150.0f, 62.0f, 4.0f);
        projet.Profils.EcartementZ = 500.0f;
        projet.NomFichier[CoteE] = nomE;
        projet.NomFichier[CoteS] = nomS;
        projet.BoutonFleche = 2;
        ouvert = OuvrirProjet(projet);
    }
};

} // namespace

class TestFichiersFenetre : public QObject {
    Q_OBJECT

private slots:
    void dialogues_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("nomE");
        QTest::addColumn<QString>("nomS");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QString>("nomPropose");
        QTest::addColumn<int>("filtre");
        const QString titreE = QStringLiteral("Enregistrer le profil emplanture en .dxf ou en .dat...");
        const QString titreS = QStringLiteral("Enregistrer le profil saumon en .dxf ou en .dat...");
        const QString titreP = QStringLiteral("Enregistrer le projet ou l'image 3D...");
        QTest::newRow("root .dat") << 0 << "aile.dat" << "bout.dxf" << titreE << "aile" << 2;
        QTest::newRow("root without name") << 0 << "" << "bout.dat" << titreE << "" << 1;
        QTest::newRow("tip .dat") << 1 << "aile.dxf" << "bout.dat" << titreS << "bout" << 2;
        QTest::newRow("tip .plt") << 1 << "aile.dat" << "bout.plt" << titreS << "bout" << 1;
        QTest::newRow("project") << 2 << "aile.dat" << "bout.dat" << titreP << "" << 1;
    }
    // The dialog of each button; cancelling it writes nothing and says nothing.
    void dialogues()
    {
        QFETCH(int, index);
        QFETCH(QString, nomE);
        QFETCH(QString, nomS);
        QFETCH(QString, titre);
        Banc b(nomE, nomS);
        QVERIFY(b.ouvert);
        const QStringList avant = QDir(b.dossier->path()).entryList(QDir::Files);
        QTest::mouseClick(b.C().cmdSauveProfil[index], Qt::LeftButton);
        QCOMPARE(int(b.dialogues.demandesEnregistrement.size()), 1);
        const DemandeFichier& d = b.dialogues.demandesEnregistrement[0];
        QCOMPARE(d.titre, titre);
        QCOMPARE(d.filtre, index == 2 ? QStringLiteral("Projet Galbix(*.gbx)|*.gbx|DAO 3D (*.dxf)|*.dxf|"
                                                       "Tous les fichiers (*.*)|*.*")
                                      : QStringLiteral("DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat|"
                                                       "Tous les fichiers (*.*)|*.*"));
        QTEST(d.nomPropose, "nomPropose");
        QTEST(d.indexFiltre, "filtre");
        QCOMPARE(d.dossierInitial, b.Dossier());
        QVERIFY(d.confirmerEcrasement);
        QVERIFY(b.dialogues.messages.empty());
        QCOMPARE(QDir(b.dossier->path()).entryList(QDir::Files), avant);
    }

    // A name typed without extension gets the one of the filter selected; any other name is
    // used as typed.
    void ecritures_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("filtre");
        QTest::addColumn<int>("nS");          // tip points per surface (the root has 25)
        QTest::addColumn<QString>("nom");     // typed in the dialog
        QTest::addColumn<QString>("ecrit");   // file expected; empty: nothing written
        QTest::addColumn<QString>("attendu"); // first line of that file ("DXF": a drawing)
        const QString projet = QStringLiteral("[Emplanture]");
        QTest::newRow("root .dat") << 0 << 2 << 25 << "r.dat" << "r.dat" << "Corde: 200.000";
        QTest::newRow("root, no extension") << 0 << 2 << 25 << "r" << "r.dat" << "Corde: 200.000";
        QTest::newRow("other extension kept") << 0 << 1 << 25 << "r.txt" << "r.txt" << "Corde: 200.000";
        QTest::newRow("tip .dat") << 1 << 1 << 25 << "s.dat" << "s.dat"
                                  << "Corde: 150.000 Flèche: 50.000 Cale dièdre: 7.454";
        QTest::newRow("tip, no extension: drawing") << 1 << 1 << 25 << "s" << "s.dxf" << "DXF";
        QTest::newRow("project") << 2 << 1 << 25 << "p.gbx" << "p.gbx" << projet;
        QTest::newRow("project, no extension") << 2 << 1 << 25 << "aile" << "aile.gbx" << projet;
        QTest::newRow("project typed as .dxf") << 2 << 1 << 25 << "aile.dxf" << "aile.dxf" << projet;
        QTest::newRow("project, unequal counts") << 2 << 1 << 24 << "p.gbx" << "p.gbx" << projet;
        QTest::newRow("dotted folder") << 2 << 1 << 25 << "v1.2/aile" << "v1.2/aile.gbx" << projet;
        QTest::newRow("3D drawing") << 2 << 2 << 25 << "w.dxf" << "w.dxf" << "DXF";
        QTest::newRow("3D drawing, no extension") << 2 << 2 << 25 << "aile3d" << "aile3d.dxf" << "DXF";
        QTest::newRow("3D refused on unequal counts") << 2 << 2 << 24 << "w.dxf" << "" << "";
        QTest::newRow("all files: nothing") << 2 << 3 << 25 << "w.gbx" << "" << "";
        QTest::newRow("all files, no extension: nothing") << 2 << 3 << 25 << "aile" << "" << "";
    }
    void ecritures()
    {
        QFETCH(int, index);
        QFETCH(int, filtre);
        QFETCH(int, nS);
        QFETCH(QString, nom);
        QFETCH(QString, ecrit);
        QFETCH(QString, attendu);
        Banc b(QStringLiteral("racine.dat"), QStringLiteral("bout.dat"), nS);
        const QString titreAvant = b.fenetre.windowTitle();
        const QString dossier = b.Fichier(QStringLiteral("sorties/"));
        QDir().mkpath(dossier + QStringLiteral("v1.2"));
        b.dialogues.fichiers = {ChoixFichier{false, dossier + nom, filtre}};
        b.fenetre.Fichiers().SauverProfil(index);

        const QStringList ecrits = QDir(dossier).entryList(QDir::Files) + QDir(dossier + "v1.2").entryList(QDir::Files);
        QCOMPARE(ecrits.size(), ecrit.isEmpty() ? 0 : 1);
        if (attendu == QLatin1String("DXF"))
            QVERIFY(tests::LireOctets(dossier + ecrit).contains("ENTITIES"));
        else if (!ecrit.isEmpty())
            QCOMPARE(PremiereLigne(dossier + ecrit), attendu);
        const bool refus3D = filtre == 2 && index == 2 && nS != 25;
        QCOMPARE(b.dialogues.Vus(), refus3D ? QStringList{"Sauvegarde en .dxf 3D impossible (Critique)"} : QStringList());
        // Only a project file names the window; the labels never change.
        const bool projet = attendu == QLatin1String("[Emplanture]");
        QCOMPARE(b.fenetre.windowTitle(), projet ? QStringLiteral("Profils Galbix - ") + dossier + ecrit : titreAvant);
        QCOMPARE(b.C().lblNomFichier[CoteE]->text(), QStringLiteral("racine.dat"));
        if (projet) {
            DonneesProjet relu;
            QVERIFY(LireProjet(dossier + ecrit, relu).Reussie());
            QCOMPARE(relu.Profils.NbPointsS(), 2 * nS - 1);
            QCOMPARE(relu.BoutonFleche, 2);
            QCOMPARE(relu.NomFichier[CoteS], QStringLiteral("bout.dat"));
        }
    }

    // The folder of the last save goes to the settings file at once and is where every next
    // save dialog opens, in this window and in the next run.
    void dossierRetenu()
    {
        auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
        const QString sorties = dossier->filePath(QStringLiteral("sorties/"));
        QDir().mkpath(sorties);
        {
            Banc b(QStringLiteral("a.dat"), QStringLiteral("b.dat"), 25, dossier);
            b.dialogues.fichiers = {ChoixFichier{false, sorties + QStringLiteral("a.dat"), 2}};
            b.fenetre.Fichiers().SauverProfil(0);
            QCOMPARE(LireDossierSauvegarde(b.fenetre.FichierReglages(), b.Dossier()), QDir::toNativeSeparators(sorties));
            b.fenetre.Fichiers().SauverProfil(2); // cancelled
            QCOMPARE(b.dialogues.demandesEnregistrement.back().dossierInitial, QDir::toNativeSeparators(sorties));
        }
        Banc b(QStringLiteral("a.dat"), QStringLiteral("b.dat"), 25, dossier);
        b.fenetre.Fichiers().SauverProfil(1);
        QCOMPARE(b.dialogues.demandesEnregistrement.back().dossierInitial, QDir::toNativeSeparators(sorties));
    }

    void exportDeuxFois()
    {
        Banc b(QStringLiteral("racine.dat"), QStringLiteral("bout.dat"));
        QPushButton* exporter = b.C().cmdTransfertKerfex;
        QVERIFY(exporter->isEnabled());
        QTest::mouseClick(exporter, Qt::LeftButton);
        // The second export follows a change of the tip's chord and replaces the first pair.
        for (PointProfil& p : b.Profils().PointsS)
            p.X *= 0.5f;
        QTest::mouseClick(exporter, Qt::LeftButton);
        const QStringList dat = QDir(b.dossier->path()).entryList({QStringLiteral("*.dat")}, QDir::Files);
        QCOMPARE(dat, (QStringList{QStringLiteral("TempE.dat"), QStringLiteral("TempS.dat")}));
        QCOMPARE(PremiereLigne(b.Fichier(QStringLiteral("TempE.dat"))),
                 QStringLiteral("E;200.000;00000.000;00000.000;00000.000;racine.dat"));
        QCOMPARE(PremiereLigne(b.Fichier(QStringLiteral("TempS.dat"))),
                 QStringLiteral("S;75.000;19.000;7.454;500.000;bout.dat"));
        QVERIFY(b.dialogues.messages.empty());
        QVERIFY(b.fenetre.statusBar()->currentMessage().endsWith(QDir::toNativeSeparators(b.dossier->path())));
    }

    // A placed wing exported then imported comes back moved so that the root's smallest X and
    // Y are 0, with every switch released, the labels naming the exchange files and one undo step.
    void exportPuisImport()
    {
        Banc b(QStringLiteral("racine.dat"), QStringLiteral("bout.dat"));
        SessionEdition& s = b.S();
        const CoupleProfils avant = s.Profils;
        const ControlesFenetre& c = b.C();
        QTest::mouseClick(c.cmdTransfertKerfex, Qt::LeftButton);
        for (auto* points : {&s.Profils.PointsE, &s.Profils.PointsS})
            points->resize(5);
        const int historique = s.Historique.Taille();
        b.dialogues.reponses = {ReponseMessage::Oui};
        QTest::mouseClick(c.cmdImportKerfex, Qt::LeftButton);

        QCOMPARE(b.dialogues.Vus(), QStringList{"Demande d'importation (Exclamation, OuiNon)"});
        CoupleProfils ramene = avant;
        for (int cote : {CoteE, CoteS})
            for (PointProfil& p : ramene.Points(cote))
                p = {p.X - avant.XminE, p.Y - avant.YminE, 0};
        QVERIFY(tests::MemesPoints(s.Profils.PointsE, ramene.PointsE, 2e-3f));
        QVERIFY(tests::MemesPoints(s.Profils.PointsS, ramene.PointsS, 2e-3f));
        QCOMPARE(s.Profils.EcartementZ, 500.0f);
        QCOMPARE(s.Geometrie.Interrupteurs, InterrupteursGeometrie{});
        QCOMPARE(c.lblNomFichier[CoteE]->text(), QStringLiteral("TempE.dat"));
        QCOMPARE(c.lblNomFichier[CoteS]->text(), QStringLiteral("TempS.dat"));
        QCOMPARE(c.txtCorde[CoteS]->text(), QStringLiteral("150.0"));
        QCOMPARE(c.txtFleche->text(), QStringLiteral("50.0"));
        QCOMPARE(c.txtDiedreMm->text(), QStringLiteral("7.45"));
        QCOMPARE(c.txtEcartementZ->text(), QStringLiteral("500.0"));
        QCOMPARE(s.Historique.Taille(), historique + 1);
        QVERIFY(!s.Edition.BlocageUndo);
    }

    void importRefuse_data()
    {
        QTest::addColumn<bool>("projetOuvert");
        QTest::addColumn<ReponseMessage>("reponse");
        QTest::addColumn<QByteArray>("enTeteS"); // tip header written; empty: no exchange files
        QTest::addColumn<QString>("titre");      // message after the question; empty: none
        const QString absents = QStringLiteral("TempE.dat ou/et TempS.dat introuvable(s)");
        QTest::newRow("answered no, nothing loaded") << false << ReponseMessage::Non << QByteArray("S;1;0;0;1;") << "";
        QTest::newRow("answered no, project loaded") << true << ReponseMessage::Non << QByteArray("S;1;0;0;1;") << "";
        QTest::newRow("files missing, nothing loaded") << false << ReponseMessage::Oui << QByteArray() << absents;
        QTest::newRow("files missing, project loaded") << true << ReponseMessage::Oui << QByteArray() << absents;
        QTest::newRow("tip header cut short") << false << ReponseMessage::Oui << QByteArray("S;150.000;12.000")
                                              << "Importation impossible";
        QTest::newRow("tip header cut short, project loaded") << true << ReponseMessage::Oui << QByteArray("S;150;")
                                                              << "Importation impossible";
    }
    // A refused or impossible import leaves the model alone, and the commands as they were.
    void importRefuse()
    {
        QFETCH(bool, projetOuvert);
        QFETCH(ReponseMessage, reponse);
        QFETCH(QByteArray, enTeteS);
        QFETCH(QString, titre);
        Banc b(projetOuvert ? QStringLiteral("racine.dat") : QString(), projetOuvert ? QStringLiteral("bout.dat") : QString());
        if (!enTeteS.isEmpty()) {
            QVERIFY(tests::EcrireOctets(b.Fichier(QStringLiteral("TempE.dat")),
                                        "E;200.000;00000.000;00000.000;00000.000;a\r\n0 0\r\n1 0.1\r\n"));
            QVERIFY(tests::EcrireOctets(b.Fichier(QStringLiteral("TempS.dat")), enTeteS + "\r\n0 0\r\n1 0\r\n"));
        }
        const CoupleProfils avant = b.Profils();
        const QString nomE = b.C().lblNomFichier[CoteE]->text();
        b.dialogues.reponses = {reponse};
        QVERIFY(b.C().cmdImportKerfex->isEnabled());
        QTest::mouseClick(b.C().cmdImportKerfex, Qt::LeftButton);

        QCOMPARE(int(b.dialogues.messages.size()), titre.isEmpty() ? 1 : 2);
        if (!titre.isEmpty()) {
            QCOMPARE(b.dialogues.Vus().value(1), titre + QStringLiteral(" (Critique)"));
            if (!enTeteS.isEmpty())
                QVERIFY(b.dialogues.messages[1].texte.contains(QStringLiteral("TempS.dat")));
        }
        QCOMPARE(b.Profils().PointsE.size(), avant.PointsE.size());
        QCOMPARE(b.Profils().PointsS.size(), avant.PointsS.size());
        QCOMPARE(b.C().lblNomFichier[CoteE]->text(), nomE);
        QCOMPARE(b.C().cmdSauveProfil[2]->isEnabled(), projetOuvert);
        QVERIFY(b.C().cmdImportKerfex->isEnabled());
    }
};

GALBIX_GUI_TEST_MAIN(TestFichiersFenetre)
#include "tst_fichiers_fenetre.moc"
