// The main window on the offscreen platform: start-up with and without a settings file,
// window state and geometry kept across runs, the commands switched as a whole, closing a
// contour and the exit question.
// A later start hands its request to the running copy: the local socket carries the argument
// string, and the window comes to the front, asks its save question and opens the project.
#include "common/Colonnes.h"
#include "common/BancFenetre.h"
#include "common/Octets.h"
#include "common/Projets.h"
#include "common/TestMain.h"

#include "app/DemandeInstance.h"
#include "app/DossierProgramme.h"
#include "app/instance/RelaisInstance.h"
#include "files/Reglages.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QUuid>
#include <QtTest>
#include <future>

using namespace galbix;
using namespace galbix::tests;
using galbix::tests::BancFenetre;

Q_DECLARE_METATYPE(ReponseMessage)

namespace {

QStringList Lignes(const QString& fichier)
{
    return QString::fromLatin1(tests::LireOctets(fichier)).split(QRegularExpression(QStringLiteral("\r?\n")),
                                                                  Qt::SkipEmptyParts);
}

QSize TailleConception()
{
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return {TwipsVersPixels(LargeurConception, ecran->logicalDotsPerInchX()),
            TwipsVersPixels(HauteurConception, ecran->logicalDotsPerInchY())};
}

// A window whose settings file holds `ini` before the load sequence runs.
struct Banc : BancFenetre {
    explicit Banc(const QByteArray& ini, std::shared_ptr<tests::DossierProgrammeTemporaire> partage = {})
        : BancFenetre(false, QString(), std::move(partage))
    {
        if (!ini.isEmpty())
            tests::EcrireOctets(Ini(), ini);
        fenetre.Charger(QString());
    }
    QString Ini() const { return Fichier(NomFichierReglages); }
};

QString NomUnique() { return QStringLiteral("galbix-test-") + QUuid::createUuid().toString(QUuid::Id128); }

} // namespace

class TestFenetrePrincipale : public QObject {
    Q_OBJECT

private slots:
    void premierDemarrage()
    {
        // What a run killed while it wrote its settings left behind goes.
        auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
        const QString reste = dossier->filePath(QStringLiteral(".~Galbix.ini-7f3a"));
        {
            QFile f(reste);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
        }
        Banc b{QByteArray(), dossier};
        QVERIFY(!QFile::exists(reste));
        QCOMPARE(Lignes(b.Ini()), (QStringList{
            QStringLiteral("[Fenêtre]"), QStringLiteral("Left=0"), QStringLiteral("Top=0"),
            QStringLiteral("Width=15525"), QStringLiteral("Height=10965"), QStringLiteral("WindowState=0"),
            QStringLiteral("[Fichiers]"), QStringLiteral("Sauvegarde=") + b.Dossier(),
            QStringLiteral("Ouverture=") + b.Dossier()}));
        QCOMPARE(b.S().DossierSauvegarde, b.Dossier());
        QCOMPARE(b.S().DossierOuverture, b.Dossier());
        QVERIFY(b.dialogues.messages.empty() && !b.S().ProjetOuvert);

        QVERIFY(b.Montrer());
        // The designed size, within the screen's area when the screen is smaller.
        const QRect zone = b.fenetre.screen()->availableGeometry();
        const QRect attendu = QRect(zone.topLeft(), TailleConception().boundedTo(zone.size()));
        QCOMPARE(b.fenetre.frameGeometry(), attendu);
        // At the designed size every control is in view: there is nothing to scroll.
        const auto* defilement = b.Controle<QScrollArea>(QStringLiteral("defilementFenetre"));
        if (attendu.size() == TailleConception()) {
            QCOMPARE(defilement->horizontalScrollBar()->maximum(), 0);
            QCOMPARE(defilement->verticalScrollBar()->maximum(), 0);
        }
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
        for (const QString& nom : zeros + cents)
            b.Champ(nom)->setText(QStringLiteral("12,5"));
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
        QVERIFY(c.lblNomFichier[CoteE]->text().isEmpty() && c.lblNumPt[CoteS][4]->text().isEmpty());
        QVERIFY(c.lblCoordPt[CoteE][9]->text().isEmpty() && c.optSelection[0]->isChecked());
        QCOMPARE(b.S().Edition.ModeSelection, EtatSelection);
        QVERIFY(!b.S().ProjetOuvert && !c.chkVoirCommentaires->isChecked());
        QVERIFY(c.txtCommentaire->isHidden() && c.txtTitreCommentaire->isHidden() && c.lblInsertionProfils->isHidden());
        for (const auto& barres : c.vscPoints)
            for (const QScrollBar* barre : barres)
                QVERIFY(barre->isHidden());
        QCOMPARE(c.hscZoom->value(), 10000);
        QCOMPARE(c.hscOmega->value(), 120);
        QCOMPARE(c.hscAlpha->value(), 143);
    }

    void etatAgrandi()
    {
        const QByteArray contenu = "[Fen\xeatre]\r\nLeft=1500\r\nTop=750\r\nWidth=18000\r\nHeight=12000\r\n"
                                   "WindowState=2\r\n[Fichiers]\r\nSauvegarde=/s\r\nOuverture=/o\r\n";
        Banc b(contenu);
        QVERIFY(b.fenetre.windowState().testFlag(Qt::WindowMaximized) && b.fenetre.pos() != QPoint(100, 50));
        QCOMPARE(b.S().DossierOuverture, QStringLiteral("/o"));
        QVERIFY(b.Montrer() && b.fenetre.close());
        // Closed while maximised: the normal geometry stays as it was.
        QCOMPARE(Lignes(b.Ini()), QString::fromLatin1(contenu).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
    }

    void allerRetourGeometrie_data()
    {
        tests::Colonnes<QPoint, QSize>("position", "taille");
        QTest::newRow("plus grande") << QPoint(30, 45) << QSize(1100, 800);
        QTest::newRow("plus petite que la conception") << QPoint(12, 3) << QSize(700, 500);
    }
    void allerRetourGeometrie()
    {
        QFETCH(QPoint, position);
        QFETCH(QSize, taille);
        QRect cadre;
        auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
        {
            Banc b(QByteArray(), dossier);
            QVERIFY(b.Montrer());
            b.fenetre.move(position);
            b.fenetre.resize(taille);
            QTest::qWait(20);
            cadre = b.fenetre.frameGeometry();
            QVERIFY(b.fenetre.close() && Lignes(b.Ini()).contains(QStringLiteral("WindowState=0")));
        }
        Banc suivante(QByteArray(), dossier);
        QVERIFY(suivante.Montrer());
        QTRY_COMPARE(suivante.fenetre.frameGeometry(), cadre);
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
        QFETCH(QString, nom);
        QFETCH(bool, auDemarrage);
        Banc b("[Fichiers]\r\nOuverture=/o\r\n"); // an existing file: start-up only reads it
        const QWidget* controle = b.Controle(nom);
        QVERIFY2(controle, qPrintable(nom));
        QCOMPARE(controle->isEnabled(), auDemarrage);
        b.fenetre.ActiverCommandes();
        QTEST(controle->isEnabled(), "apresActivation");
        b.fenetre.DesactiverCommandes();
        QCOMPARE(controle->isEnabled(), auDemarrage);
    }

    void fermerProfil_data()
    {
        tests::Colonnes<int, QList<QPointF>, QList<QPointF>, int, int, QString, bool>(
            "cote", "pointsE", "pointsS", "nbE", "nbS", "message", "filDisponible");
        const QList<QPointF> ouvert = {{0, 0}, {100, 5}, {50, -5}};
        const QList<QPointF> ferme = {{0, 0}, {100, 5}, {50, -5}, {0, 0}};
        QTest::newRow("emplanture ouverte") << 0 << ouvert << ouvert << 4 << 3 << QString() << false;
        QTest::newRow("emplanture fermée") << 0 << ferme << ferme << 4 << 4
                                            << "Le profil d'emplanture est déjà fermé" << true;
        QTest::newRow("saumon ouvert") << 1 << ferme << ouvert << 4 << 4 << QString() << true;
        QTest::newRow("saumon fermé") << 1 << ouvert << ferme << 3 << 4 << "Le profil de saumon est déjà fermé"
                                       << false;
        QTest::newRow("même X, Y différent: ouvert")
            << 0 << QList<QPointF>{{0, 0}, {100, 5}, {0, 1}} << ouvert << 4 << 3 << QString() << false;
        QTest::newRow("même Y, X différent: ouvert")
            << 1 << ouvert << QList<QPointF>{{0, 0}, {100, 5}, {1, 0}} << 3 << 4 << QString() << false;
    }
    void fermerProfil()
    {
        QFETCH(int, cote);
        QFETCH(QList<QPointF>, pointsE);
        QFETCH(QList<QPointF>, pointsS);
        QFETCH(QString, message);
        QFETCH(bool, filDisponible);
        BancFenetre b;
        b.fenetre.ActiverCommandes();
        CoupleProfils& profils = b.Profils();
        profils.PointsE = tests::Points(pointsE);
        profils.PointsS = tests::Points(pointsS);
        profils.Points(cote).Modifier().front().Etat = EtatReference | EtatSynchro;
        const PointProfil premier = profils.Points(cote).front();
        const std::vector<PointProfil> autreAvant = profils.Points(1 - cote);

        b.C().cmdFermerProfil[cote]->click();

        QTEST(profils.NbPointsE(), "nbE");
        QTEST(profils.NbPointsS(), "nbS");
        QVERIFY(profils.Points(1 - cote) == autreAvant);
        QCOMPARE(profils.LargeurE, 100.0f);  // the metrics are recomputed in every case
        QCOMPARE(b.C().chkFil->isEnabled(), filDisponible);
        QCOMPARE(b.C().chkSurface->isEnabled(), filDisponible);
        QVERIFY(!b.S().Edition.BlocageUndo);
        if (message.isEmpty()) {
            QVERIFY(profils.Points(cote).back() == premier);  // a copy of the first point, state included
            QVERIFY(b.dialogues.messages.empty());
            return;
        }
        QCOMPARE(b.dialogues.Vus(), QStringList{QStringLiteral("Opération impossible (Information)")});
        QCOMPARE(b.dialogues.messages[0].texte, message);
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
        QFETCH(bool, projetOuvert);
        QFETCH(ReponseMessage, reponse);
        QFETCH(QString, fichier);
        QFETCH(bool, fermee);
        Banc b{QByteArray()};
        QVERIFY(b.Montrer());
        b.S().ProjetOuvert = projetOuvert;
        b.S().DossierOuverture = QStringLiteral("/profils/nouveaux");
        b.dialogues.reponses.push_back(reponse);
        if (!fichier.isEmpty())
            b.dialogues.fichiers.push_back(ChoixFichier{false, b.Fichier(fichier), 1});

        QCOMPARE(b.fenetre.close(), fermee);

        QCOMPARE(b.fenetre.isVisible(), !fermee);
        QCOMPARE(Lignes(b.Ini()).contains(QStringLiteral("Ouverture=/profils/nouveaux")), fermee);
        if (!fichier.isEmpty()) // a project, as the save command writes it
            QCOMPARE(tests::LireOctets(b.Fichier(fichier)).startsWith("[Emplanture]"), fermee);
        QCOMPARE(b.dialogues.Vus(), projetOuvert ? QStringList{"Fermeture de Galbix (Exclamation, OuiNonAnnuler)"}
                                                 : QStringList());
        if (projetOuvert)
            QCOMPARE(b.dialogues.messages[0].texte,
                     QStringLiteral("Voulez-vous effectuer une sauvegarde du projet en cours?"));
    }

    // The request reaches the listening copy whole, sent from another thread as from another
    // process; without a listener the sender gives up within its delay.
    void transmission_data()
    {
        tests::Colonnes<bool, QString>("ecoute", "argument");
        QTest::newRow("projet") << true << QStringLiteral("\"/tmp/un dossier/aile été.gbx\"");
        QTest::newRow("vide") << true << QString();
        QTest::newRow("personne") << false << QStringLiteral("a.gbx");
    }
    void transmission()
    {
        QFETCH(bool, ecoute);
        QFETCH(QString, argument);
        const QString nom = NomUnique();
        RelaisInstance serveur(nom);
        QSignalSpy demandes(&serveur, &RelaisInstance::demande);
        if (ecoute)
            QVERIFY(serveur.Ecouter());
        auto envoi = std::async(std::launch::async, [&] { return RelaisInstance(nom).Transmettre(argument, 1500); });
        QTRY_VERIFY_WITH_TIMEOUT(envoi.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready, 5000);
        QCOMPARE(envoi.get(), ecoute);
        QCOMPARE(demandes.size(), ecoute ? 1 : 0);
        if (ecoute)
            QCOMPARE(demandes.front().front().toString(), argument);
    }

    // Different settings folders (or users) never share a socket.
    void nomParDossier()
    {
        QCOMPARE(NomRelaisInstance(QStringLiteral("/a/b")), NomRelaisInstance(QStringLiteral("/a/b/")));
        QVERIFY(NomRelaisInstance(QStringLiteral("/a/b")) != NomRelaisInstance(QStringLiteral("/a/c")));
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
        QFETCH(bool, projetOuvert);
        QFETCH(QString, argument);
        QFETCH(ReponseMessage, reponse);
        QFETCH(int, questions);
        BancFenetre banc;
        DonneesProjet nouveau = AileNaca(15);
        QVERIFY(EcrireProjet(banc.Fichier(QStringLiteral("nouveau.gbx")), nouveau));
        if (projetOuvert)
            QVERIFY(banc.OuvrirProjet(AileNaca(10)));
        banc.dialogues.reponses.push_back(reponse);
        banc.fenetre.showMinimized();
        const QString projet = banc.Fichier(QStringLiteral("nouveau.gbx"));
        RecevoirDemandeInstance(banc.fenetre, argument.isEmpty() ? argument : argument.arg(projet));
        QVERIFY(banc.fenetre.isVisible() && !banc.fenetre.isMinimized());
        QCOMPARE(int(banc.dialogues.messages.size()), questions);
        if (questions)
            QCOMPARE(banc.dialogues.Vus().front(), QStringLiteral("Ouverture d'un projet (Exclamation, OuiNonAnnuler)"));
        QTEST(int(banc.Profils().PointsE.size()), "pointsE");
    }
};

GALBIX_GUI_TEST_MAIN(TestFenetrePrincipale)
#include "tst_fenetreprincipale.moc"
