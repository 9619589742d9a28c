// Saving and exchanging from the main window: what is written for the button, the filter and
// the name chosen, the 3D refusal, saves that fail silently, the save folder kept in the
// settings file, the exchange pair with the cutting program exported and imported back, and
// the whole job as a user does it, found again after a restart.
#include "common/BancFenetre.h"
#include "common/Projets.h"

#include "files/Echange.h"
#include "files/Reglages.h"
#include "geomlib/Cp1252.h"

#include <tuple>


using namespace galbix;
using namespace galbix::tests;


namespace {

QString PremiereLigneCp1252(const QString& chemin) // the headers are Windows-1252
{ return cp1252::Decoder(tests::LireOctets(chemin).split('\n').value(0).trimmed()); }

// A window on a project of `nS` tip points per surface, opened as the open command does:
// root of chord 200, tip of chord 150 with its trailing edge aligned
// (sweep 50) and 8 mm higher (a dihedral height of 7.454 between the lower surfaces), 500 mm
// apart. With no names, nothing is opened.
struct BancFichiers : tests::BancFenetre {
    bool ouvert = false;
    explicit BancFichiers(const QString& nomE, const QString& nomS = QString(), int nS = 25,
                  std::shared_ptr<tests::DossierProgrammeTemporaire> partage = {})
        : BancFenetre(true, QString(), std::move(partage))
    {
        if (nomE.isEmpty() && nomS.isEmpty()) return;
        DonneesProjet projet = tests::AileNaca(25, 500.0f, 50.0, 8.0, nS);
        projet.NomFichier[CoteE] = nomE;
        projet.NomFichier[CoteS] = nomS;
        projet.BoutonFleche = 2;
        ouvert = OuvrirProjet(projet);
    }
};

// Both lists moved so that the root's smallest X and Y are 0, every state cleared.
CoupleProfils RameneAZero(CoupleProfils p)
{
    CalculerExtremes(p);
    for (int cote : {CoteE, CoteS})
        for (PointProfil& q : p.Points(cote).Modifier()) q = {q.X - p.XminE, q.Y - p.YminE, 0};
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
        QTest::newRow("tip .dat") << 1 << 1 << 25 << "s.dat" << "s.dat" << "Corde: 150.000 Flèche: 50.000 Cale dièdre: 7.454";
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
        QFETCH(int, index); QFETCH(int, filtre); QFETCH(int, nS); QFETCH(QString, nom);
        QFETCH(QString, ecrit); QFETCH(QString, attendu);
        BancFichiers b(QStringLiteral("racine.dat"), QStringLiteral("bout.dat"), nS);
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
        else if (!ecrit.isEmpty()) QCOMPARE(PremiereLigneCp1252(dossier + ecrit), attendu);
        const bool refus3D = filtre == 2 && index == 2 && nS != 25;
        QCOMPARE(b.dialogues.Vus(), refus3D ? QStringList{"Sauvegarde en .dxf 3D impossible (Critique)"} : QStringList());
        // Only a project file names the window; the labels never change.
        const bool projet = attendu == QLatin1String("[Emplanture]");
        QCOMPARE(b.fenetre.windowTitle(), projet ? QStringLiteral("Profils Galbix - ") + dossier + ecrit : titreAvant);
        QCOMPARE(b.C().lblNomFichier[CoteE]->text(), QStringLiteral("racine.dat"));
        DonneesProjet relu;
        if (projet)
            QVERIFY(LireProjet(dossier + ecrit, relu).Reussie() && relu.Profils.NbPointsS() == 2 * nS - 1
                    && relu.BoutonFleche == 2 && relu.NomFichier[CoteS] == QStringLiteral("bout.dat"));
    }

    // The folder of the last save goes to the settings file at once and is where every next
    // save dialog opens, in this window and in the next run.
    void dossierRetenu()
    {
        auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
        const QString sorties = dossier->filePath(QStringLiteral("sorties/"));
        QDir().mkpath(sorties);
        {
            BancFichiers b(QStringLiteral("a.dat"), QStringLiteral("b.dat"), 25, dossier);
            b.dialogues.fichiers = {ChoixFichier{false, sorties + QStringLiteral("a.dat"), 2}};
            b.fenetre.Fichiers().SauverProfil(0);
            QCOMPARE(LireDossierSauvegarde(b.fenetre.FichierReglages(), b.Dossier()), QDir::toNativeSeparators(sorties));
            b.fenetre.Fichiers().SauverProfil(2); // cancelled
            QCOMPARE(b.dialogues.demandesEnregistrement.back().dossierInitial, QDir::toNativeSeparators(sorties));
        }
        BancFichiers b(QStringLiteral("a.dat"), QStringLiteral("b.dat"), 25, dossier);
        b.fenetre.Fichiers().SauverProfil(1);
        QCOMPARE(b.dialogues.demandesEnregistrement.back().dossierInitial, QDir::toNativeSeparators(sorties));
    }

    // Each export replaces the pair (the second one follows a change of the tip's chord). When the
    // tip's file cannot be replaced: a critical message, and the root's file is kept, so that the
    // pair never mixes two wings.
    void exporter()
    {
        BancFichiers b(QStringLiteral("racine.dat"), QStringLiteral("bout.dat"));
        QPushButton* exporter = b.C().cmdTransfertKerfex;
        QVERIFY(b.ouvert && exporter->isEnabled());
        QTest::mouseClick(exporter, Qt::LeftButton);
        for (PointProfil& p : b.Profils().PointsS.Modifier()) p.X *= 0.5f;
        QTest::mouseClick(exporter, Qt::LeftButton);
        QCOMPARE(QDir(b.dossier->path()).entryList({"*.dat"}, QDir::Files), (QStringList{"TempE.dat", "TempS.dat"}));
        QCOMPARE(PremiereLigneCp1252(b.Fichier("TempE.dat")), QStringLiteral("E;200.000;00000.000;00000.000;00000.000;racine.dat"));
        QCOMPARE(PremiereLigneCp1252(b.Fichier("TempS.dat")), QStringLiteral("S;75.000;25.000;7.454;500.000;bout.dat"));
        QVERIFY(b.dialogues.messages.empty());
        QVERIFY(b.fenetre.statusBar()->currentMessage().endsWith(QDir::toNativeSeparators(b.dossier->path())));
        const QByteArray ancien = tests::LireOctets(b.Fichier("TempE.dat"));
        b.fenetre.statusBar()->clearMessage();
        QVERIFY(QFile::remove(b.Fichier("TempS.dat")) && QDir().mkpath(b.Fichier("TempS.dat/occupe")));
        for (PointProfil& p : b.Profils().PointsE.Modifier()) p.X *= 0.5f; // a new root file would differ
        QTest::mouseClick(exporter, Qt::LeftButton);
        QCOMPARE(b.dialogues.Vus(), QStringList{"Exportation impossible (Critique)"});
        QVERIFY(b.dialogues.messages[0].texte.contains(b.Dossier()) && b.fenetre.statusBar()->currentMessage().isEmpty());
        QCOMPARE(tests::LireOctets(b.Fichier("TempE.dat")), ancien);
    }

    // A placed wing exported then imported comes back moved so that the root's smallest X and
    // Y are 0, with every switch released, the labels naming the exchange files and one undo step.
    void exportPuisImport()
    {
        BancFichiers b(QStringLiteral("racine.dat"), QStringLiteral("bout.dat"));
        SessionEdition& s = b.S();
        const CoupleProfils avant = s.Profils;
        const ControlesFenetre& c = b.C();
        QTest::mouseClick(c.cmdTransfertKerfex, Qt::LeftButton);
        for (auto* points : {&s.Profils.PointsE, &s.Profils.PointsS}) points->Modifier().resize(5);
        const int historique = s.Historique.Taille();
        b.dialogues.reponses = {ReponseMessage::Oui};
        QTest::mouseClick(c.cmdImportKerfex, Qt::LeftButton);

        QCOMPARE(b.dialogues.Vus(), QStringList{"Demande d'importation (Exclamation, OuiNon)"});
        const CoupleProfils ramene = RameneAZero(avant);
        QVERIFY(tests::MemesPoints(s.Profils.PointsE, ramene.PointsE, 2e-3f));
        QVERIFY(tests::MemesPoints(s.Profils.PointsS, ramene.PointsS, 2e-3f));
        QCOMPARE(s.Profils.EcartementZ, 500.0f);
        QCOMPARE(s.Geometrie.Interrupteurs, InterrupteursGeometrie{});
        QCOMPARE((QStringList{c.lblNomFichier[CoteE]->text(), c.lblNomFichier[CoteS]->text(), c.txtCorde[CoteS]->text(),
                              c.txtFleche->text(), c.txtDiedreMm->text(), c.txtEcartementZ->text()}),
                 (QStringList{"TempE.dat", "TempS.dat", "150.0", "50.0", "7.45", "500.0"}));
        QVERIFY(s.Historique.Taille() == historique + 1 && !s.Edition.BlocageUndo);
    }

    void importRefuse_data()
    {
        // enTeteS: tip header written; empty: no exchange files; titre: message after the question; empty: none
        tests::Colonnes<bool, ReponseMessage, QByteArray, QString>("projetOuvert", "reponse", "enTeteS", "titre");
        const QString absents = QStringLiteral("TempE.dat ou/et TempS.dat introuvable(s)");
        const std::tuple<const char*, ReponseMessage, QByteArray, QString> cas[] = {
            {"answered no", ReponseMessage::Non, "S;1;0;0;1;", ""}, {"files missing", ReponseMessage::Oui, "", absents},
            {"tip header cut short", ReponseMessage::Oui, "S;150.000;12.000", "Importation impossible"},
            {"tip header ends after the chord", ReponseMessage::Oui, "S;150;", "Importation impossible"}};
        for (bool projet : {false, true})
            for (const auto& [nom, reponse, enTete, titre] : cas)
                QTest::addRow("%s%s", nom, projet ? ", project loaded" : "") << projet << reponse << enTete << titre;
    }
    // A refused or impossible import leaves the model alone, and the commands as they were.
    void importRefuse()
    {
        QFETCH(bool, projetOuvert); QFETCH(ReponseMessage, reponse); QFETCH(QByteArray, enTeteS);
        QFETCH(QString, titre);
        BancFichiers b(projetOuvert ? QStringLiteral("racine.dat") : QString(), projetOuvert ? QStringLiteral("bout.dat") : QString());
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

        QCOMPARE(b.dialogues.Vus().mid(1), titre.isEmpty() ? QStringList() : QStringList{titre + " (Critique)"});
        QCOMPARE(b.dialogues.Vus().value(0), QStringLiteral("Demande d'importation (Exclamation, OuiNon)"));
        if (!titre.isEmpty() && !enTeteS.isEmpty()) QVERIFY(b.dialogues.messages[1].texte.contains("TempS.dat"));
        QVERIFY(b.Profils().PointsE.size() == avant.PointsE.size() && b.Profils().PointsS.size() == avant.PointsS.size());
        QVERIFY(b.C().lblNomFichier[CoteE]->text() == nomE && b.C().cmdImportKerfex->isEnabled());
        QCOMPARE(b.C().cmdSauveProfil[2]->isEnabled(), projetOuvert);
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
        QFETCH(QString, placement); QFETCH(QString, nomProjet);
        auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
        QVERIFY(tests::EcrireNaca(dossier->filePath("racine.dat"), "2412", 40));
        QVERIFY(tests::EcrireNaca(dossier->filePath("saumon.dat"), "0012", 25));
        const QString projet = dossier->filePath(nomProjet);
        // What the file cannot tell: the window as it was left, the placing switch down.
        const auto vue = [&placement](BancFenetre& b) {
            const EtatVue& v = b.S().Vue;
            return QStringList{QString::number(b.C().hscOmega->value()), QString::number(b.C().hscAlpha->value()),
                               QString::number(v.CoeffZoom), QString::number(v.XCentreZoom), b.C().txtFleche->text(),
                               b.C().txtDiedreMm->text(), b.C().txtCorde[CoteS]->text(), b.C().txtCommentaire->toPlainText(),
                               placement.isEmpty() || b.Bouton(placement)->isChecked() ? "enfoncé" : "relâché"};
        };
        QStringList avant;
        {
            BancFenetre b(true, QString(), dossier);
            const ControlesFenetre& c = b.C();
            b.dialogues.fichiers = {{false, b.Fichier("racine.dat"), 1}, {false, b.Fichier("saumon.dat"), 1}};
            QTest::mouseClick(c.cmdOuvrirProfil[CoteE], Qt::LeftButton);
            QTest::mouseClick(c.cmdOuvrirProfil[CoteS], Qt::LeftButton);
            QCOMPARE(c.lblNomFichier[CoteS]->text(), QStringLiteral("saumon.dat"));
            QTest::mouseClick(c.cmdSynchroOptimale, Qt::LeftButton);
            QCOMPARE(b.Profils().NbPointsE(), b.Profils().NbPointsS());
            // Edit: chords, spacing, sweep, dihedral height, then the placing switch and a comment.
            const std::pair<const char*, const char*> saisies[] = {{"txtCorde_0", "200"}, {"txtCorde_1", "150"},
                {"txtEcartementZ", "600"}, {"txtFleche", "20"}, {"txtDiedreMm", "12"}};
            for (const auto& [champ, texte] : saisies) b.Entrer(champ, texte);
            if (!placement.isEmpty()) QTest::mouseClick(b.Bouton(placement), Qt::LeftButton);
            c.chkVoirCommentaires->setChecked(true);
            c.txtCommentaire->setPlainText(QStringLiteral("Polystyrène 20 kg, fil à 4 A\r\ncouper lentement"));
            QVERIFY(std::abs(b.Profils().LargeurS - 150.0f) < 0.01f && std::abs(b.Profils().EcartementZ - 600.0f) < 0.01f);
            // Hand over to the cutting program: the pair imports back to the same wing.
            QTest::mouseClick(c.cmdTransfertKerfex, Qt::LeftButton);
            CoupleProfils importe;
            QCOMPARE(ImporterEchange(b.dossier->path(), importe).Issue, IssueImport::Importe);
            const CoupleProfils attendu = RameneAZero(b.Profils());
            QVERIFY(MemesPoints(importe.PointsE, attendu.PointsE, 0.01f, false)
                    && MemesPoints(importe.PointsS, attendu.PointsS, 0.01f, false) && importe.EcartementZ == 600.0f);
            // Save the project, then quit without saving again.
            b.dialogues.fichiers = {{false, projet, 1}};
            QTest::mouseClick(c.cmdSauveProfil[2], Qt::LeftButton);
            QVERIFY(QFile::exists(projet) && b.Profils().NbPointsE() > 40);
            QCOMPARE(b.fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + projet);
            avant = vue(b);
            QCOMPARE(avant.back(), QStringLiteral("enfoncé"));
            b.dialogues.reponses = {ReponseMessage::Non};
            QVERIFY(b.fenetre.close() && b.dialogues.questionsSansReponse == 0);
        }
        // Restart with the project on the command line: saved again, it gives the same file.
        BancFenetre b(true, projet, dossier);
        QVERIFY(b.dialogues.messages.empty() && b.S().ProjetOuvert);
        QCOMPARE(b.fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + projet);
        QVERIFY(b.C().chkVoirCommentaires->isChecked() && b.C().chkFil->isEnabled());
        QCOMPARE(vue(b), avant);
        b.dialogues.fichiers = {{false, b.Fichier(QStringLiteral("encore.gbx")), 1}};
        QTest::mouseClick(b.C().cmdSauveProfil[2], Qt::LeftButton);
        QCOMPARE(tests::LireOctets(b.Fichier(QStringLiteral("encore.gbx"))), tests::LireOctets(projet));
    }
};

GALBIX_GUI_TEST_MAIN(TestFichiersFenetre)
#include "tst_fichiers_fenetre.moc"
