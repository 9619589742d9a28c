// The main window on the offscreen platform: start-up with and without a settings file,
// window state and geometry kept across runs, the commands switched as a whole, closing a
// contour and the exit question.
// A later start hands its request to the running copy: the local socket carries the argument
// string, and the window comes to the front, asks its save question and opens the project.
#include "common/BancFenetre.h"
#include "common/Projets.h"

#include "app/DemandeInstance.h"
#include "app/DossierProgramme.h"
#include "app/instance/RelaisInstance.h"
#include "files/Reglages.h"

#include <QDateTime>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QUuid>
#include <future>

using namespace galbix;
using namespace galbix::tests;


namespace {

QStringList LignesReglages(const QString& fichier)
{
    return QString::fromLatin1(tests::LireOctets(fichier)).split(QRegularExpression(QStringLiteral("\r?\n")),
                                                                  Qt::SkipEmptyParts);
}

// A window whose settings file holds `ini` before the load sequence runs.
struct BancReglagesFenetre : BancFenetre {
    explicit BancReglagesFenetre(const QByteArray& ini, std::shared_ptr<tests::DossierProgrammeTemporaire> partage = {})
        : BancFenetre(false, QString(), std::move(partage))
    {
        if (!ini.isEmpty()) tests::EcrireOctets(Ini(), ini);
        fenetre.Charger(QString());
    }
    QString Ini() const { return Fichier(NomFichierReglages); }
};

} // namespace

class TestFenetrePrincipale : public QObject {
    Q_OBJECT

private slots:
    void premierDemarrage()
    {
        // What a run killed while it wrote its settings left behind goes.
        auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
        const QString reste = dossier->filePath(QStringLiteral(".~Galbix.ini-7f3a"));
        QFile ancien(reste);
        QVERIFY(ancien.open(QIODevice::WriteOnly)
                && ancien.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
        ancien.close();
        BancReglagesFenetre b{QByteArray(), dossier};
        QVERIFY(!QFile::exists(reste));
        QCOMPARE(LignesReglages(b.Ini()), (QStringList{"[Fenêtre]", "Left=0", "Top=0", "Width=15525", "Height=10965",
                 "WindowState=0", "[Fichiers]", "Sauvegarde=" + b.Dossier(), "Ouverture=" + b.Dossier()}));
        QVERIFY(b.S().DossierSauvegarde == b.Dossier() && b.S().DossierOuverture == b.Dossier());
        QVERIFY(b.dialogues.messages.empty() && !b.S().ProjetOuvert);

        QVERIFY(b.Montrer());
        // The designed size, within the screen's area when the screen is smaller.
        const QRect zone = b.fenetre.screen()->availableGeometry();
        const QSize conception(TwipsVersPixels(LargeurConception, b.fenetre.screen()->logicalDotsPerInchX()),
                               TwipsVersPixels(HauteurConception, b.fenetre.screen()->logicalDotsPerInchY()));
        const QRect attendu = QRect(zone.topLeft(), conception.boundedTo(zone.size()));
        QCOMPARE(b.fenetre.frameGeometry(), attendu);
        // At the designed size every control is in view: there is nothing to scroll.
        const auto* defilement = b.Controle<QScrollArea>(QStringLiteral("defilementFenetre"));
        if (attendu.size() == conception)
            QVERIFY(defilement->horizontalScrollBar()->maximum() == 0 && defilement->verticalScrollBar()->maximum() == 0);
    }

    // The load sequence puts every control back to its starting state, whatever it showed.
    void etatInitialDesControles()
    {
        BancFenetre b(false);
        const ControlesFenetre& c = b.C();
        const QStringList zeros = {"txtFleche", "txtEcartementZ", "txtEcartementIntermediaire", "txtDiedreMm",
                                   "txtDiedreDeg", "txtCorde_0", "txtCorde_1", "txtDeplacer_0", "txtDeplacer_1",
                                   "txtTourner", "txtDecaler", "txtEcartementAiles"};
        const QStringList cents = {"txtEtirer_0", "txtEtirer_1", "txtEtirer_2"};
        for (const QString& nom : zeros + cents) b.Champ(nom)->setText(QStringLiteral("12,5"));
        c.lblNomFichier[CoteE]->setText(QStringLiteral("ancien.dat"));
        c.lblNumPt[CoteS][4]->setText(QStringLiteral("12"));
        c.lblCoordPt[CoteE][9]->setText(QStringLiteral("3.5"));
        c.optSelection[2]->setChecked(true);
        c.chkVoirCommentaires->setChecked(true);
        b.S().Edition.ModeSelection = EtatSynchro;
        b.S().ProjetOuvert = true;
        b.fenetre.Charger(QString());
        for (const QString& nom : zeros + cents)
            QCOMPARE(b.Champ(nom)->text(), cents.contains(nom) ? QStringLiteral("100.0") : QStringLiteral("0.0"));
        QVERIFY(c.lblNomFichier[CoteE]->text().isEmpty() && c.lblNumPt[CoteS][4]->text().isEmpty()
                && c.lblCoordPt[CoteE][9]->text().isEmpty() && c.optSelection[0]->isChecked());
        QVERIFY(b.S().Edition.ModeSelection == EtatSelection && !b.S().ProjetOuvert && !c.chkVoirCommentaires->isChecked());
        QVERIFY(c.txtCommentaire->isHidden() && c.txtTitreCommentaire->isHidden() && c.lblInsertionProfils->isHidden());
        for (const auto& barres : c.vscPoints)
            for (const QScrollBar* barre : barres) QVERIFY(barre->isHidden());
        QCOMPARE((QList<int>{c.hscZoom->value(), c.hscOmega->value(), c.hscAlpha->value()}), (QList<int>{10000, 120, 143}));
    }

    void etatAgrandi()
    {
        const QByteArray contenu = "[Fen\xeatre]\r\nLeft=1500\r\nTop=750\r\nWidth=18000\r\nHeight=12000\r\n"
                                   "WindowState=2\r\n[Fichiers]\r\nSauvegarde=/s\r\nOuverture=/o\r\n";
        BancReglagesFenetre b(contenu);
        QVERIFY(b.fenetre.windowState().testFlag(Qt::WindowMaximized) && b.fenetre.pos() != QPoint(100, 50));
        QCOMPARE(b.S().DossierOuverture, QStringLiteral("/o"));
        QVERIFY(b.Montrer() && b.fenetre.close());
        // Closed while maximised: the normal geometry stays as it was.
        QCOMPARE(LignesReglages(b.Ini()), QString::fromLatin1(contenu).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
    }

    // The geometry left, larger or smaller than the designed one, is the next run's.
    void allerRetourGeometrie()
    {
        for (const QRect geometrie : {QRect(30, 45, 1100, 800), QRect(12, 3, 700, 500)}) {
            QRect cadre;
            auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
            {
                BancReglagesFenetre b(QByteArray(), dossier);
                QVERIFY(b.Montrer());
                b.fenetre.move(geometrie.topLeft());
                b.fenetre.resize(geometrie.size());
                QTest::qWait(20);
                cadre = b.fenetre.frameGeometry();
                QVERIFY(b.fenetre.close() && LignesReglages(b.Ini()).contains(QStringLiteral("WindowState=0")));
            }
            BancReglagesFenetre suivante(QByteArray(), dossier);
            QVERIFY(suivante.Montrer());
            QTRY_COMPARE(suivante.fenetre.frameGeometry(), cadre);
        }
    }

    void commandes_data()
    {
        tests::Colonnes<QString, bool, bool>("nom", "auDemarrage", "apresActivation");
        // Switched with the commands; disabled at start-up and left so; always enabled.
        const QString groupes[] = {
            "vscPointsE_0 vscPointsE_1 vscPointsS_0 vscPointsS_1 txtCorde_0 txtCorde_1 chkAfficherProfil_0 "
            "chkAfficherProfil_1 chkAfficherPoints_0 chkAfficherPoints_1 txtDeplacer_0 txtDeplacer_1 "
            "cmdRAZSelection_0 cmdRAZSelection_1 frmPoints_0 frmPoints_1 cmdSauveProfil_0 cmdSauveProfil_1 "
            "cmdSauveProfil_2 cmdSelectAll_0 cmdSelectAll_1 cmdSelectionAngle_0 cmdSelectionAngle_1 cmdUndo_0 "
            "cmdUndo_1 cmdFermerProfil_0 cmdFermerProfil_1 cmdDupliquer_0 cmdDupliquer_1 chkImageFond "
            "cmdRenumeroter chkProfilIntermediaire optSelection_0 optSelection_1 optSelection_2 pctProfils "
            "txtTourner chkFil chkSurface chkAligner hscOmega hscAlpha cmdRAZPerspective cmdRAZVueCote cmdZoom "
            "lblZoom hscZoom txtEtirer_0 txtEtirer_1 txtEtirer_2 cmdSelectionAuto_0 cmdSelectionAuto_1 "
            "cmdSelectionAuto_2 cmdSelectionAuto_3 chkZoomSelection txtFleche txtEcartementZ chkDiedre_0 "
            "chkDiedre_1 chkDiedre_2 chkDiedre_3 chkDiedre_4 txtDiedreMm txtDiedreDeg txtEcartementAiles "
            "txtDecaler cmdOuvrirProfil_1 cmdNaca_1 frmOuvrirSaumon cmdSynchroOptimale cmdNettoyage "
            "txtCommentaire txtTitreCommentaire chkVoirCommentaires cmdAide cmdTransfertKerfex",
            "cmdCopier cmdCouper cmdColler cmdSupprimer cmdInsererPoint cmdIntersection cmdInverserSelection "
            "cmdLisser cmdSymetrie_0 cmdSymetrie_1 chkFleche_0 chkFleche_1 chkFleche_2 chkInsertionProfils "
            "txtEcartementIntermediaire cmdSauveProfil_3",
            "cmdOuvrirProfil_0 cmdNaca_0 frmOuvrirEmplanture lblNomFichier_0 cmdImportKerfex frmTransfertKerfex "
            "cmdAPropos frmSynchroniser"};
        for (int g = 0; g < 3; ++g)
            for (const QString& nom : groupes[g].split(u' '))
                QTest::newRow(qPrintable(nom)) << nom << (g == 2) << (g != 1);
    }
    // Enabled at start-up, after ActiverCommandes, and after DesactiverCommandes (as at start-up).
    void commandes()
    {
        QFETCH(QString, nom); QFETCH(bool, auDemarrage);
        BancReglagesFenetre b("[Fichiers]\r\nOuverture=/o\r\n"); // an existing file: start-up only reads it
        const QWidget* controle = b.Controle(nom);
        QVERIFY2(controle, qPrintable(nom));
        QCOMPARE(controle->isEnabled(), auDemarrage);
        b.fenetre.ActiverCommandes();
        QTEST(controle->isEnabled(), "apresActivation");
        b.fenetre.DesactiverCommandes();
        QCOMPARE(controle->isEnabled(), auDemarrage);
    }

    // A contour is closed by a copy of its first point unless already closed; the wire and surface
    // switches then follow the counts.
    void fermerProfil_data()
    {
        tests::Colonnes<int, QList<QPointF>, QList<QPointF>, QString>("cote", "pointsE", "pointsS", "message");
        const QList<QPointF> ouvert = {{0, 0}, {100, 5}, {50, -5}}, ferme = ouvert + QList<QPointF>{{0, 0}};
        QTest::newRow("emplanture ouverte") << 0 << ouvert << ouvert << QString();
        QTest::newRow("emplanture fermée") << 0 << ferme << ferme << "Le profil d'emplanture est déjà fermé";
        QTest::newRow("saumon ouvert") << 1 << ferme << ouvert << QString();
        QTest::newRow("saumon fermé") << 1 << ouvert << ferme << "Le profil de saumon est déjà fermé";
        QTest::newRow("même X, Y différent") << 0 << QList<QPointF>{{0, 0}, {100, 5}, {0, 1}} << ouvert << QString();
        QTest::newRow("même Y, X différent") << 1 << ouvert << QList<QPointF>{{0, 0}, {100, 5}, {1, 0}} << QString();
    }
    void fermerProfil()
    {
        QFETCH(int, cote); QFETCH(QList<QPointF>, pointsE); QFETCH(QList<QPointF>, pointsS); QFETCH(QString, message);
        BancFenetre b;
        b.fenetre.ActiverCommandes();
        CoupleProfils& profils = b.Profils();
        profils.PointsE = tests::Points(pointsE);
        profils.PointsS = tests::Points(pointsS);
        profils.Points(cote).Modifier().front().Etat = EtatReference | EtatSynchro;
        const PointProfil premier = profils.Points(cote).front();
        const std::vector<PointProfil> autreAvant = profils.Points(1 - cote);
        b.C().cmdFermerProfil[cote]->click();
        const int nbE = int(pointsE.size()) + (cote == CoteE && message.isEmpty());
        const int nbS = int(pointsS.size()) + (cote == CoteS && message.isEmpty());
        QVERIFY(profils.NbPointsE() == nbE && profils.NbPointsS() == nbS && profils.Points(1 - cote) == autreAvant);
        QCOMPARE(profils.LargeurE, 100.0f);  // the metrics are recomputed in every case
        QCOMPARE(b.C().chkFil->isEnabled(), nbE == nbS);
        QCOMPARE(b.C().chkSurface->isEnabled(), nbE == nbS);
        QVERIFY(!b.S().Edition.BlocageUndo);
        if (message.isEmpty()) // a copy of the first point, state included
            QVERIFY(profils.Points(cote).back() == premier && b.dialogues.messages.empty());
        else
            QCOMPARE(b.dialogues.Vus(), QStringList{"Opération impossible (Information)"});
        QCOMPARE(b.dialogues.messages.empty() ? QString() : b.dialogues.messages[0].texte, message);
    }

    void questionSortie_data()
    {
        // fichier: chosen in the save dialog; empty: cancelled
        tests::Colonnes<bool, ReponseMessage, QString, bool>("projetOuvert", "reponse", "fichier", "fermee");
        QTest::newRow("rien de chargé: aucune question") << false << ReponseMessage::Annuler << QString() << true;
        QTest::newRow("Oui, projet enregistré") << true << ReponseMessage::Oui << "fin.gbx" << true;
        QTest::newRow("Oui, enregistrement annulé") << true << ReponseMessage::Oui << QString() << false;
        QTest::newRow("Oui, écriture impossible") << true << ReponseMessage::Oui << "absent/fin.gbx" << false;
        QTest::newRow("Non") << true << ReponseMessage::Non << QString() << true;
        QTest::newRow("Annuler") << true << ReponseMessage::Annuler << QString() << false;
    }
    void questionSortie()
    {
        QFETCH(bool, projetOuvert); QFETCH(ReponseMessage, reponse); QFETCH(QString, fichier);
        QFETCH(bool, fermee);
        BancReglagesFenetre b{QByteArray()};
        QVERIFY(b.Montrer());
        b.S().ProjetOuvert = projetOuvert;
        b.S().DossierOuverture = QStringLiteral("/profils/nouveaux");
        b.dialogues.reponses.push_back(reponse);
        if (!fichier.isEmpty()) b.dialogues.fichiers.push_back(ChoixFichier{false, b.Fichier(fichier), 1});

        QCOMPARE(b.fenetre.close(), fermee);

        QCOMPARE(b.fenetre.isVisible(), !fermee);
        QCOMPARE(LignesReglages(b.Ini()).contains(QStringLiteral("Ouverture=/profils/nouveaux")), fermee);
        if (!fichier.isEmpty()) // a project, as the save command writes it
            QCOMPARE(tests::LireOctets(b.Fichier(fichier)).startsWith("[Emplanture]"), fermee);
        QCOMPARE(b.dialogues.Vus().join(u'|') + (projetOuvert ? b.dialogues.messages[0].texte : QString()),
                 projetOuvert ? "Fermeture de Galbix (Exclamation, OuiNonAnnuler)"
                                "Voulez-vous effectuer une sauvegarde du projet en cours?" : "");
    }

    // The request reaches the listening copy whole, sent from another thread as from another
    // process; without a listener the sender gives up within its delay.
    void transmission()
    {
        const std::pair<bool, QString> envois[] = {{true, QStringLiteral("\"/tmp/un dossier/aile été.gbx\"")},
                                                   {true, QString()}, {false, QStringLiteral("a.gbx")}};
        for (const auto& [ecoute, argument] : envois) {
            const QString nom = QStringLiteral("galbix-test-") + QUuid::createUuid().toString(QUuid::Id128);
            RelaisInstance serveur(nom);
            QSignalSpy demandes(&serveur, &RelaisInstance::demande);
            if (ecoute) QVERIFY(serveur.Ecouter());
            auto envoi = std::async(std::launch::async, [&] { return RelaisInstance(nom).Transmettre(argument, 1500); });
            QTRY_VERIFY_WITH_TIMEOUT(envoi.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready, 5000);
            QCOMPARE(envoi.get(), ecoute);
            QCOMPARE(demandes.size(), ecoute ? 1 : 0);
            if (ecoute) QCOMPARE(demandes.front().front().toString(), argument);
        }
        // Different settings folders (or users) never share a socket.
        QCOMPARE(NomRelaisInstance("/a/b"), NomRelaisInstance("/a/b/"));
        QVERIFY(NomRelaisInstance("/a/b") != NomRelaisInstance("/a/c"));
    }

    // The running window with a project in hand: the save question, then the new project
    // unless cancelled; an argument without a project only brings the window up.
    void reception_data()
    {
        tests::Colonnes<bool, QString, ReponseMessage, int, int>(
            "projetOuvert", "argument", "reponse", "questions", "pointsE");
        QTest::newRow("non") << true << QStringLiteral("\"%1\"") << ReponseMessage::Non << 1 << 29;
        QTest::newRow("annuler") << true << QStringLiteral("\"%1\"") << ReponseMessage::Annuler << 1 << 19;
        QTest::newRow("sans projet en cours") << false << QStringLiteral("%1") << ReponseMessage::Non << 0 << 29;
        QTest::newRow("sans argument") << true << QString() << ReponseMessage::Non << 0 << 19;
        QTest::newRow("autre fichier") << true << QStringLiteral("%1.dat") << ReponseMessage::Non << 0 << 19;
    }
    void reception()
    {
        QFETCH(bool, projetOuvert); QFETCH(QString, argument); QFETCH(ReponseMessage, reponse);
        QFETCH(int, questions);
        BancFenetre banc;
        const QString projet = banc.Fichier(QStringLiteral("nouveau.gbx"));
        QVERIFY(!EcrireProjetTest(projet, AileNaca(15)).isEmpty());
        if (projetOuvert) QVERIFY(banc.OuvrirProjet(AileNaca(10)));
        banc.dialogues.reponses.push_back(reponse);
        banc.fenetre.showMinimized();
        RecevoirDemandeInstance(banc.fenetre, argument.isEmpty() ? argument : argument.arg(projet));
        QVERIFY(banc.fenetre.isVisible() && !banc.fenetre.isMinimized());
        QCOMPARE(banc.dialogues.Vus(), questions ? QStringList{"Ouverture d'un projet (Exclamation, OuiNonAnnuler)"}
                                                 : QStringList());
        QTEST(int(banc.Profils().PointsE.size()), "pointsE");
    }
};

GALBIX_GUI_TEST_MAIN(TestFenetrePrincipale)
#include "tst_fenetreprincipale.moc"
