// Saving and exchanging from the main window: what is written for the button, the filter and
// the name chosen, the 3D refusal, saves that fail silently, the save folder kept in the
// settings file, the exchange pair with the cutting program exported and imported back, and
// the whole job as a user does it, found again after a restart.
#include "common/Colonnes.h"
#include "common/BancFenetre.h"
#include "common/Octets.h"
#include "common/Projets.h"
#include "common/TestMain.h"

#include "files/Echange.h"
#include "files/Reglages.h"
#include "geomlib/Cp1252.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

using namespace galbix;
using galbix::tests::BancFenetre;
using galbix::tests::MemesPoints;

Q_DECLARE_METATYPE(ReponseMessage)

namespace {

QString PremiereLigne(const QString& chemin)
{
    return cp1252::Decoder(tests::LireOctets(chemin).split('\n').value(0).trimmed()); // headers are Windows-1252
}

// A window on a project of `nS` tip points per surface, opened as the open command does:
// root of chord 200, tip of chord 150 with its trailing edge aligned
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
        DonneesProjet projet = tests::AileNaca(25, 500.0f, 50.0, 8.0, nS);
        projet.NomFichier[CoteE] = nomE;
        projet.NomFichier[CoteS] = nomS;
        projet.BoutonFleche = 2;
        ouvert = OuvrirProjet(projet);
    }
};

// Both lists moved so that the root's smallest X and Y are 0.
CoupleProfils Ramene(CoupleProfils p)
{
    CalculerExtremes(p);
    float xmin = p.PointsE.front().X, ymin = p.PointsE.front().Y;
    for (const PointProfil& q : p.PointsE) {
        xmin = std::min(xmin, q.X);
        ymin = std::min(ymin, q.Y);
    }
    for (auto* points : {&p.PointsE, &p.PointsS})
        for (PointProfil& q : points->Modifier()) {
            q.X -= xmin;
            q.Y -= ymin;
            q.Etat = 0;
        }
    return p;
}

} // namespace

class TestFichiersFenetre : public QObject {
    Q_OBJECT

private slots:
    // A name typed without extension gets the one of the filter selected; any other name is
    // used as typed. A name taken by a folder ("occupe...") writes nothing and says nothing.
    void ecritures_data()
    {
        // nS: tip points per surface (the root has 25); nom: typed in the dialog; ecrit: file expected; empty: nothing
        // written; attendu: first line of that file ("DXF": a drawing)
        tests::Colonnes<int, int, int, QString, QString, QString>("index", "filtre", "nS", "nom", "ecrit", "attendu");
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
        QTest::newRow("3D refused on unequal counts") << 2 << 2 << 24 << "w.dxf" << "" << "";
        QTest::newRow("all files: nothing") << 2 << 3 << 25 << "w.gbx" << "" << "";
        QTest::newRow("all files, no extension: nothing") << 2 << 3 << 25 << "aile" << "" << "";
        QTest::newRow("root .dat on a folder") << 0 << 2 << 25 << "occupe.dat" << "" << "";
        QTest::newRow("project on a folder") << 2 << 1 << 25 << "occupe.gbx" << "" << "";
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
        if (nom.startsWith(QLatin1String("occupe")))
            QVERIFY(QDir().mkpath(dossier + nom + QStringLiteral("/x")));
        b.dialogues.fichiers = {ChoixFichier{false, dossier + nom, filtre}};
        QTest::mouseClick(b.C().cmdSauveProfil[index], Qt::LeftButton);
        QCOMPARE(int(b.dialogues.demandesEnregistrement.size()), 1);

        const QStringList ecrits = QDir(dossier).entryList(QDir::Files | QDir::Hidden)
                                   + QDir(dossier + "v1.2").entryList(QDir::Files | QDir::Hidden);
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

    // The tip's exchange file cannot be replaced: a critical message, and the root's old
    // file is kept, so that the pair never mixes two wings.
    void exportImpossible()
    {
        Banc b(QStringLiteral("racine.dat"), QStringLiteral("bout.dat"));
        QVERIFY(b.ouvert);
        const QString e = b.dossier->filePath(echange::NomFichierE);
        QVERIFY(galbix::tests::EcrireOctets(e, "E;100.000;00000.000;00000.000;00000.000;ancienne\r\n0 0\r\n1 0\r\n"));
        QVERIFY(QDir().mkpath(b.dossier->filePath(echange::NomFichierS) + QStringLiteral("/occupe")));
        QTest::mouseClick(b.fenetre.Controles().cmdTransfertKerfex, Qt::LeftButton);
        QCOMPARE(b.dialogues.Vus(), QStringList{"Exportation impossible (Critique)"});
        QVERIFY(b.dialogues.messages[0].texte.contains(b.Dossier()));
        QVERIFY(b.fenetre.statusBar()->currentMessage().isEmpty());
        QCOMPARE(galbix::tests::LireOctets(e), QByteArray("E;100.000;00000.000;00000.000;00000.000;ancienne\r\n0 0\r\n1 0\r\n"));
    }

    void exportDeuxFois()
    {
        Banc b(QStringLiteral("racine.dat"), QStringLiteral("bout.dat"));
        QPushButton* exporter = b.C().cmdTransfertKerfex;
        QVERIFY(exporter->isEnabled());
        QTest::mouseClick(exporter, Qt::LeftButton);
        // The second export follows a change of the tip's chord and replaces the first pair.
        for (PointProfil& p : b.Profils().PointsS.Modifier())
            p.X *= 0.5f;
        QTest::mouseClick(exporter, Qt::LeftButton);
        const QStringList dat = QDir(b.dossier->path()).entryList({QStringLiteral("*.dat")}, QDir::Files);
        QCOMPARE(dat, (QStringList{QStringLiteral("TempE.dat"), QStringLiteral("TempS.dat")}));
        QCOMPARE(PremiereLigne(b.Fichier(QStringLiteral("TempE.dat"))),
                 QStringLiteral("E;200.000;00000.000;00000.000;00000.000;racine.dat"));
        QCOMPARE(PremiereLigne(b.Fichier(QStringLiteral("TempS.dat"))),
                 QStringLiteral("S;75.000;25.000;7.454;500.000;bout.dat"));
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
            points->Modifier().resize(5);
        const int historique = s.Historique.Taille();
        b.dialogues.reponses = {ReponseMessage::Oui};
        QTest::mouseClick(c.cmdImportKerfex, Qt::LeftButton);

        QCOMPARE(b.dialogues.Vus(), QStringList{"Demande d'importation (Exclamation, OuiNon)"});
        CoupleProfils ramene = avant;
        for (int cote : {CoteE, CoteS})
            for (PointProfil& p : ramene.Points(cote).Modifier())
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
        // enTeteS: tip header written; empty: no exchange files; titre: message after the question; empty: none
        tests::Colonnes<bool, ReponseMessage, QByteArray, QString>("projetOuvert", "reponse", "enTeteS", "titre");
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
    void travailRetrouve_data()
    {
        // placement: the dihedral switch clicked, if any
        tests::Colonnes<QString, QString>("placement", "nomProjet");
        QTest::newRow("intrados") << "chkDiedre_4" << "aile.gbx";
        QTest::newRow("bords d'attaque") << "chkDiedre_1" << "aile d'essai.gbx";
        QTest::newRow("sans interrupteur") << "" << "aile.gbx";
    }

    // The whole job: open a root and a tip, synchronise them, place the tip, edit, hand the wing
    // to the cutting program, save the project, quit, start again on the project.
    void travailRetrouve()
    {
        QFETCH(QString, placement);
        QFETCH(QString, nomProjet);
        auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
        QVERIFY(tests::EcrireNaca(dossier->filePath("racine.dat"), "2412", 40));
        QVERIFY(tests::EcrireNaca(dossier->filePath("saumon.dat"), "0012", 25));
        const QString projet = dossier->filePath(nomProjet);
        // What the file cannot tell: the window as it was left.
        const auto vue = [](BancFenetre& b) {
            const EtatVue& v = b.S().Vue;
            return QStringList{QString::number(b.C().hscOmega->value()), QString::number(b.C().hscAlpha->value()),
                               QString::number(v.CoeffZoom), QString::number(v.XCentreZoom), b.C().txtFleche->text(),
                               b.C().txtDiedreMm->text(), b.C().txtCorde[CoteS]->text(), b.C().txtCommentaire->toPlainText()};
        };
        QStringList avant;
        {
            BancFenetre b(true, QString(), dossier);
            FenetrePrincipale& fenetre = b.fenetre;
            DialoguesScript& dialogues = b.dialogues;
            const ControlesFenetre& c = b.C();
            dialogues.fichiers = {{false, b.Fichier("racine.dat"), 1}, {false, b.Fichier("saumon.dat"), 1}};
            QTest::mouseClick(c.cmdOuvrirProfil[CoteE], Qt::LeftButton);
            QTest::mouseClick(c.cmdOuvrirProfil[CoteS], Qt::LeftButton);
            QCOMPARE(c.lblNomFichier[CoteS]->text(), QStringLiteral("saumon.dat"));
            QTest::mouseClick(c.cmdSynchroOptimale, Qt::LeftButton);
            QCOMPARE(fenetre.Session().Profils.NbPointsE(), fenetre.Session().Profils.NbPointsS());

            // Edit: chords, spacing, sweep, dihedral height, then the placing switch and a comment.
            b.Entrer(QStringLiteral("txtCorde_0"), QStringLiteral("200"));
            b.Entrer(QStringLiteral("txtCorde_1"), QStringLiteral("150"));
            b.Entrer(QStringLiteral("txtEcartementZ"), QStringLiteral("600"));
            b.Entrer(QStringLiteral("txtFleche"), QStringLiteral("20"));
            b.Entrer(QStringLiteral("txtDiedreMm"), QStringLiteral("12"));
            if (!placement.isEmpty())
                QTest::mouseClick(fenetre.findChild<QAbstractButton*>(placement), Qt::LeftButton);
            c.chkVoirCommentaires->setChecked(true);
            c.txtCommentaire->setPlainText(QStringLiteral("Polystyrène 20 kg, fil à 4 A\r\ncouper lentement"));
            QVERIFY(std::abs(fenetre.Session().Profils.LargeurS - 150.0f) < 0.01f);
            QVERIFY(std::abs(fenetre.Session().Profils.EcartementZ - 600.0f) < 0.01f);

            // Hand over to the cutting program: the pair imports back to the same wing.
            QTest::mouseClick(c.cmdTransfertKerfex, Qt::LeftButton);
            CoupleProfils importe;
            QCOMPARE(ImporterEchange(b.dossier->path(), importe).Issue, IssueImport::Importe);
            const CoupleProfils attendu = Ramene(fenetre.Session().Profils);
            QVERIFY(MemesPoints(importe.PointsE, attendu.PointsE, 0.01f, false));
            QVERIFY(MemesPoints(importe.PointsS, attendu.PointsS, 0.01f, false));
            QCOMPARE(importe.EcartementZ, 600.0f);

            // Save the project, then quit without saving again.
            dialogues.fichiers = {{false, projet, 1}};
            QTest::mouseClick(c.cmdSauveProfil[2], Qt::LeftButton);
            QVERIFY(QFile::exists(projet));
            QCOMPARE(fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + projet);
            QVERIFY(fenetre.Session().Profils.NbPointsE() > 40);
            if (!placement.isEmpty())
                QVERIFY(b.Bouton(placement)->isChecked());
            avant = vue(b);
            dialogues.reponses = {ReponseMessage::Non};
            QVERIFY(fenetre.close());
            QCOMPARE(dialogues.questionsSansReponse, 0);
        }

        // Restart with the project on the command line: saved again, it gives the same file.
        BancFenetre b(true, projet, dossier);
        QVERIFY(b.dialogues.messages.empty() && b.S().ProjetOuvert);
        QCOMPARE(b.fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + projet);
        QVERIFY(b.C().chkVoirCommentaires->isChecked() && b.C().chkFil->isEnabled());
        QCOMPARE(vue(b), avant);
        if (!placement.isEmpty())
            QVERIFY(b.Bouton(placement)->isChecked());
        b.dialogues.fichiers = {{false, b.Fichier(QStringLiteral("encore.gbx")), 1}};
        QTest::mouseClick(b.C().cmdSauveProfil[2], Qt::LeftButton);
        QCOMPARE(tests::LireOctets(b.Fichier(QStringLiteral("encore.gbx"))), tests::LireOctets(projet));
    }
};

GALBIX_GUI_TEST_MAIN(TestFichiersFenetre)
#include "tst_fichiers_fenetre.moc"
