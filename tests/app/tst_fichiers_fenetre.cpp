// Saving and exchanging from the main window: what each save dialog proposes, what is written
// for the button and the filter chosen, the 3D refusal, the save folder kept in the settings
// file, and the exchange pair with the cutting program exported and imported back.
#include "common/BancFenetre.h"
#include "common/DialoguesScript.h"
#include "common/DossierProgrammeTemporaire.h"
#include "common/TestMain.h"

#include "app/DossierProgramme.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteFichiers.h"
#include "files/Reglages.h"
#include "files/Echange.h"
#include "geomlib/Cp1252.h"
#include "files/Projet.h"
#include "model/Extremes.h"
#include "model/Naca.h"
#include "view/GeometrieAile.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace galbix;

Q_DECLARE_METATYPE(ReponseMessage)

namespace {

using galbix::tests::Naca;

// Root of chord 200 away from the origin, tip of chord 150 with its trailing edge aligned
// (sweep 50) and 8 mm higher (a dihedral height of 7.454 between the lower surfaces), 500 mm
// apart.
DonneesProjet Projet(const QString& nomE, const QString& nomS, int nS)
{
    DonneesProjet projet;
    CoupleProfils& p = projet.Profils;
    p.PointsE = Naca("2412", 25, 200.0f, 12.0f, -4.0f);
    p.PointsS = Naca("0012", nS, 150.0f, 62.0f, 4.0f);
    p.EcartementZ = 500.0f;
    CalculerExtremes(p);
    projet.NomFichier[CoteE] = nomE;
    projet.NomFichier[CoteS] = nomS;
    projet.BoutonFleche = 2;
    return projet;
}

QByteArray Contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString PremiereLigne(const QString& chemin)
{
    return cp1252::Decoder(Contenu(chemin).split('\n').value(0).trimmed()); // headers are Windows-1252
}

} // namespace

class TestFichiersFenetre : public QObject {
    Q_OBJECT

    std::unique_ptr<galbix::tests::DossierProgrammeTemporaire> m_dossier;

    QString Chemin(const QString& nom) const { return m_dossier->filePath(nom); }
    QString Dossier() const { return QDir::toNativeSeparators(m_dossier->path()); }

    // A window on a project of `nS` tip points per surface, opened as the open command does.
    void Ouvrir(FenetrePrincipale& fenetre, const QString& nomE, const QString& nomS, int nS = 25)
    {
        const QString chemin = Chemin(QStringLiteral("source.gbx"));
        DonneesProjet projet = Projet(nomE, nomS, nS);
        QVERIFY(EcrireProjet(chemin, projet));
        fenetre.Charger(QString());
        QVERIFY(fenetre.Fichiers().OuvrirProjet(chemin));
    }

private slots:
    void init()
    {
        m_dossier = std::make_unique<galbix::tests::DossierProgrammeTemporaire>();
    }
    void cleanup()
    {
        m_dossier.reset();
    }

    void dialogues_data();
    void dialogues();
    void ecritures_data();
    void ecritures();
    void extensionDuFiltre_data();
    void extensionDuFiltre();
    void dossierRetenu();
    void exportDeuxFois();
    void exportPuisImport();
    void importRefuse_data();
    void importRefuse();
};

void TestFichiersFenetre::dialogues_data()
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
void TestFichiersFenetre::dialogues()
{
    QFETCH(int, index);
    QFETCH(QString, nomE);
    QFETCH(QString, nomS);
    QFETCH(QString, titre);
    QFETCH(QString, nomPropose);
    QFETCH(int, filtre);
    DialoguesScript dialogues;
    FenetrePrincipale fenetre(dialogues);
    Ouvrir(fenetre, nomE, nomS);
    const QStringList avant = QDir(m_dossier->path()).entryList(QDir::Files);
    QTest::mouseClick(fenetre.Controles().cmdSauveProfil[index], Qt::LeftButton);
    QCOMPARE(int(dialogues.demandesEnregistrement.size()), 1);
    const DemandeFichier& d = dialogues.demandesEnregistrement[0];
    QCOMPARE(d.titre, titre);
    QCOMPARE(d.filtre, index == 2 ? QStringLiteral("Projet Galbix(*.gbx)|*.gbx|DAO 3D (*.dxf)|*.dxf|"
                                                   "Tous les fichiers (*.*)|*.*")
                                  : QStringLiteral("DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat|"
                                                   "Tous les fichiers (*.*)|*.*"));
    QCOMPARE(d.nomPropose, nomPropose);
    QCOMPARE(d.indexFiltre, filtre);
    QCOMPARE(d.dossierInitial, Dossier());
    QVERIFY(d.confirmerEcrasement);
    QVERIFY(dialogues.messages.empty());
    QCOMPARE(QDir(m_dossier->path()).entryList(QDir::Files), avant);
}

void TestFichiersFenetre::ecritures_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("filtre");
    QTest::addColumn<int>("nS");          // tip points per surface (the root has 25)
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("attendu"); // first line of the file ("DXF": a drawing); empty: no file
    QTest::addColumn<bool>("refus3D");
    QTest::newRow("root .dat") << 0 << 2 << 25 << "r.dat" << "Corde: 200.000" << false;
    QTest::newRow("tip .dat") << 1 << 1 << 25 << "s.dat" << "Corde: 150.000 Flèche: 50.000 Cale dièdre: 7.454"
                              << false;
    QTest::newRow("project") << 2 << 1 << 25 << "p.gbx" << "[Emplanture]" << false;
    QTest::newRow("project typed as .dxf") << 2 << 1 << 25 << "aile.dxf" << "[Emplanture]" << false;
    QTest::newRow("project, unequal counts") << 2 << 1 << 24 << "p.gbx" << "[Emplanture]" << false;
    QTest::newRow("3D drawing") << 2 << 2 << 25 << "w.dxf" << "DXF" << false;
    QTest::newRow("3D refused on unequal counts") << 2 << 2 << 24 << "w.dxf" << "" << true;
    QTest::newRow("all files: nothing") << 2 << 3 << 25 << "w.gbx" << "" << false;
}

void TestFichiersFenetre::ecritures()
{
    QFETCH(int, index);
    QFETCH(int, filtre);
    QFETCH(int, nS);
    QFETCH(QString, nom);
    QFETCH(QString, attendu);
    QFETCH(bool, refus3D);
    DialoguesScript dialogues;
    FenetrePrincipale fenetre(dialogues);
    Ouvrir(fenetre, QStringLiteral("racine.dat"), QStringLiteral("bout.dat"), nS);
    const QString titreAvant = fenetre.windowTitle();
    QDir().mkpath(Chemin(QStringLiteral("sorties")));
    const QString chemin = Chemin(QStringLiteral("sorties/") + nom);
    dialogues.fichiers = {ChoixFichier{false, chemin, filtre}};
    fenetre.Fichiers().SauverProfil(index);

    if (attendu == QLatin1String("DXF"))
        QVERIFY(Contenu(chemin).contains("ENTITIES"));
    else
        QCOMPARE(PremiereLigne(chemin), attendu);
    QCOMPARE(QFile::exists(chemin), !attendu.isEmpty());
    if (refus3D) {
        QCOMPARE(int(dialogues.messages.size()), 1);
        QCOMPARE(dialogues.messages[0].titre, QStringLiteral("Sauvegarde en .dxf 3D impossible"));
        QCOMPARE(dialogues.messages[0].texte, QStringLiteral("Pour le .dxf 3D, l'emplanture et le saumon doivent "
                                                             "avoir le même nombre de points."));
        QCOMPARE(dialogues.messages[0].icone, IconeMessage::Critique);
    } else {
        QVERIFY(dialogues.messages.empty());
    }
    // Only a project file names the window; the labels never change.
    const bool projet = attendu == QLatin1String("[Emplanture]");
    QCOMPARE(fenetre.windowTitle(), projet ? QStringLiteral("Profils Galbix - ") + chemin : titreAvant);
    QCOMPARE(fenetre.Controles().lblNomFichier[CoteE]->text(), QStringLiteral("racine.dat"));
    if (projet) {
        DonneesProjet relu;
        QVERIFY(LireProjet(chemin, relu).Reussie());
        QCOMPARE(relu.Profils.NbPointsS(), 2 * nS - 1);
        QCOMPARE(relu.BoutonFleche, 2);
        QCOMPARE(relu.NomFichier[CoteS], QStringLiteral("bout.dat"));
    }
}

// A name typed without extension gets the one of the filter selected; any other name is
// used as typed.
void TestFichiersFenetre::extensionDuFiltre_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("filtre");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("ecrit");   // file expected; empty: nothing written
    QTest::addColumn<QString>("attendu"); // first line of that file ("DXF": a drawing)
    QTest::newRow("3D drawing") << 2 << 2 << "aile3d" << "aile3d.dxf" << "DXF";
    QTest::newRow("project") << 2 << 1 << "aile" << "aile.gbx" << "[Emplanture]";
    QTest::newRow("all files: nothing") << 2 << 3 << "aile" << "" << "";
    QTest::newRow("root .dat") << 0 << 2 << "r" << "r.dat" << "Corde: 200.000";
    QTest::newRow("tip .dxf") << 1 << 1 << "s" << "s.dxf" << "DXF";
    QTest::newRow("dotted folder") << 2 << 1 << "v1.2/aile" << "v1.2/aile.gbx" << "[Emplanture]";
    QTest::newRow("other extension kept") << 0 << 1 << "r.txt" << "r.txt" << "Corde: 200.000";
}

void TestFichiersFenetre::extensionDuFiltre()
{
    QFETCH(int, index);
    QFETCH(int, filtre);
    QFETCH(QString, nom);
    QFETCH(QString, ecrit);
    QFETCH(QString, attendu);
    DialoguesScript dialogues;
    FenetrePrincipale fenetre(dialogues);
    Ouvrir(fenetre, QStringLiteral("racine.dat"), QStringLiteral("bout.dat"));
    const QString dossier = Chemin(QStringLiteral("sorties/"));
    QDir().mkpath(dossier + QStringLiteral("v1.2"));
    dialogues.fichiers = {ChoixFichier{false, dossier + nom, filtre}};
    fenetre.Fichiers().SauverProfil(index);
    const QStringList ecrits = QDir(dossier).entryList(QDir::Files) + QDir(dossier + "v1.2").entryList(QDir::Files);
    QCOMPARE(ecrits.size(), ecrit.isEmpty() ? 0 : 1);
    if (ecrit.isEmpty())
        return;
    if (attendu == QLatin1String("DXF"))
        QVERIFY(Contenu(dossier + ecrit).contains("ENTITIES"));
    else
        QCOMPARE(PremiereLigne(dossier + ecrit), attendu);
    if (attendu == QLatin1String("[Emplanture]"))
        QCOMPARE(fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + dossier + ecrit);
}

// The folder of the last save goes to the settings file at once and is where every next
// save dialog opens, in this window and in the next run.
void TestFichiersFenetre::dossierRetenu()
{
    const QString sorties = Chemin(QStringLiteral("sorties/"));
    QDir().mkpath(sorties);
    {
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        Ouvrir(fenetre, QStringLiteral("a.dat"), QStringLiteral("b.dat"));
        dialogues.fichiers = {ChoixFichier{false, sorties + QStringLiteral("a.dat"), 2}};
        fenetre.Fichiers().SauverProfil(0);
        QCOMPARE(LireDossierSauvegarde(fenetre.FichierReglages(), Dossier()), QDir::toNativeSeparators(sorties));
        fenetre.Fichiers().SauverProfil(2); // cancelled
        QCOMPARE(dialogues.demandesEnregistrement.back().dossierInitial, QDir::toNativeSeparators(sorties));
        QCOMPARE(LireDossierSauvegarde(fenetre.FichierReglages(), Dossier()), QDir::toNativeSeparators(sorties));
    }
    DialoguesScript dialogues;
    FenetrePrincipale fenetre(dialogues);
    Ouvrir(fenetre, QStringLiteral("a.dat"), QStringLiteral("b.dat"));
    fenetre.Fichiers().SauverProfil(1);
    QCOMPARE(dialogues.demandesEnregistrement.back().dossierInitial, QDir::toNativeSeparators(sorties));
}

void TestFichiersFenetre::exportDeuxFois()
{
    DialoguesScript dialogues;
    FenetrePrincipale fenetre(dialogues);
    Ouvrir(fenetre, QStringLiteral("racine.dat"), QStringLiteral("bout.dat"));
    QPushButton* exporter = fenetre.Controles().cmdTransfertKerfex;
    QVERIFY(exporter->isEnabled());
    QTest::mouseClick(exporter, Qt::LeftButton);
    // The second export follows a change of the tip's chord and replaces the first pair.
    for (PointProfil& p : fenetre.Session().Profils.PointsS)
        p.X *= 0.5f;
    QTest::mouseClick(exporter, Qt::LeftButton);
    const QStringList dat = QDir(m_dossier->path()).entryList({QStringLiteral("*.dat")}, QDir::Files);
    QCOMPARE(dat, (QStringList{QStringLiteral("TempE.dat"), QStringLiteral("TempS.dat")}));
    QCOMPARE(PremiereLigne(Chemin(QStringLiteral("TempE.dat"))),
             QStringLiteral("E;200.000;00000.000;00000.000;00000.000;racine.dat"));
    QCOMPARE(PremiereLigne(Chemin(QStringLiteral("TempS.dat"))),
             QStringLiteral("S;75.000;19.000;7.454;500.000;bout.dat"));
    QVERIFY(dialogues.messages.empty());
}

// A placed wing exported then imported comes back moved so that the root's smallest X and
// Y are 0, with every switch released, the labels naming the exchange files and one undo step.
void TestFichiersFenetre::exportPuisImport()
{
    DialoguesScript dialogues;
    FenetrePrincipale fenetre(dialogues);
    Ouvrir(fenetre, QStringLiteral("racine.dat"), QStringLiteral("bout.dat"));
    SessionEdition& s = fenetre.Session();
    const CoupleProfils avant = s.Profils;
    const ControlesFenetre& c = fenetre.Controles();
    QTest::mouseClick(c.cmdTransfertKerfex, Qt::LeftButton);
    for (auto* points : {&s.Profils.PointsE, &s.Profils.PointsS})
        points->resize(5);
    const int historique = s.Historique.Taille();
    dialogues.reponses = {ReponseMessage::Oui};
    QTest::mouseClick(c.cmdImportKerfex, Qt::LeftButton);

    QCOMPARE(int(dialogues.messages.size()), 1);
    QCOMPARE(dialogues.messages[0].titre, QStringLiteral("Demande d'importation"));
    QCOMPARE(dialogues.messages[0].icone, IconeMessage::Exclamation);
    QCOMPARE(dialogues.messages[0].boutons, BoutonsMessage::OuiNon);
    QCOMPARE(s.Profils.NbPointsE(), avant.NbPointsE());
    QCOMPARE(s.Profils.NbPointsS(), avant.NbPointsS());
    for (int cote : {CoteE, CoteS})
        for (int i = 0; i < avant.NbPoints(cote); ++i) {
            const PointProfil& a = avant.Points(cote)[size_t(i)];
            const PointProfil& b = s.Profils.Points(cote)[size_t(i)];
            QVERIFY(std::abs(b.X - (a.X - avant.XminE)) < 2e-3f);
            QVERIFY(std::abs(b.Y - (a.Y - avant.YminE)) < 2e-3f);
            QCOMPARE(b.Etat, int16_t(0));
        }
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

void TestFichiersFenetre::importRefuse_data()
{
    QTest::addColumn<bool>("projetOuvert");
    QTest::addColumn<ReponseMessage>("reponse");
    QTest::addColumn<QByteArray>("enTeteS"); // tip header written; empty: no exchange files
    QTest::addColumn<QString>("titre");      // message after the question; empty: none
    QTest::newRow("answered no, nothing loaded") << false << ReponseMessage::Non << QByteArray("S;1;0;0;1;") << "";
    QTest::newRow("answered no, project loaded") << true << ReponseMessage::Non << QByteArray("S;1;0;0;1;") << "";
    QTest::newRow("files missing, nothing loaded") << false << ReponseMessage::Oui << QByteArray()
                                                   << "TempE.dat ou/et TempS.dat introuvable(s)";
    QTest::newRow("files missing, project loaded") << true << ReponseMessage::Oui << QByteArray()
                                                   << "TempE.dat ou/et TempS.dat introuvable(s)";
    QTest::newRow("tip header cut short") << false << ReponseMessage::Oui << QByteArray("S;150.000;12.000")
                                          << "Importation impossible";
    QTest::newRow("tip header cut short, project loaded") << true << ReponseMessage::Oui << QByteArray("S;150;")
                                                          << "Importation impossible";
}

// A refused or impossible import leaves the model alone, and the commands as they were.
void TestFichiersFenetre::importRefuse()
{
    QFETCH(bool, projetOuvert);
    QFETCH(ReponseMessage, reponse);
    QFETCH(QByteArray, enTeteS);
    QFETCH(QString, titre);
    DialoguesScript dialogues;
    FenetrePrincipale fenetre(dialogues);
    if (projetOuvert)
        Ouvrir(fenetre, QStringLiteral("racine.dat"), QStringLiteral("bout.dat"));
    else
        fenetre.Charger(QString());
    if (!enTeteS.isEmpty()) {
        QFile e(Chemin(QStringLiteral("TempE.dat")));
        QVERIFY(e.open(QIODevice::WriteOnly));
        e.write("E;200.000;00000.000;00000.000;00000.000;a\r\n0 0\r\n1 0.1\r\n");
        QFile s(Chemin(QStringLiteral("TempS.dat")));
        QVERIFY(s.open(QIODevice::WriteOnly));
        s.write(enTeteS + "\r\n0 0\r\n1 0\r\n");
    }
    const CoupleProfils avant = fenetre.Session().Profils;
    const QString nomE = fenetre.Controles().lblNomFichier[CoteE]->text();
    dialogues.reponses = {reponse};
    QVERIFY(fenetre.Controles().cmdImportKerfex->isEnabled());
    QTest::mouseClick(fenetre.Controles().cmdImportKerfex, Qt::LeftButton);

    QCOMPARE(int(dialogues.messages.size()), titre.isEmpty() ? 1 : 2);
    if (!titre.isEmpty()) {
        QCOMPARE(dialogues.messages[1].titre, titre);
        QCOMPARE(dialogues.messages[1].icone, IconeMessage::Critique);
        if (!enTeteS.isEmpty())
            QVERIFY(dialogues.messages[1].texte.contains(QStringLiteral("TempS.dat")));
    }
    QCOMPARE(fenetre.Session().Profils.PointsE.size(), avant.PointsE.size());
    QCOMPARE(fenetre.Session().Profils.PointsS.size(), avant.PointsS.size());
    QCOMPARE(fenetre.Controles().lblNomFichier[CoteE]->text(), nomE);
    QCOMPARE(fenetre.Controles().cmdSauveProfil[2]->isEnabled(), projetOuvert);
    QVERIFY(fenetre.Controles().cmdImportKerfex->isEnabled());
}

GALBIX_GUI_TEST_MAIN(TestFichiersFenetre)
#include "tst_fichiers_fenetre.moc"
