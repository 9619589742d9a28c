// A later start hands its request to the running copy: the local socket carries the argument
// string, and the window comes to the front, asks its save question and opens the project.

#include "common/BancFenetre.h"
#include "common/TestMain.h"

#include "app/DemandeInstance.h"
#include "app/instance/RelaisInstance.h"

#include <QSignalSpy>
#include <QUuid>
#include <future>

using namespace galbix;
using namespace galbix::tests;

namespace {

QString NomUnique() { return QStringLiteral("galbix-test-") + QUuid::createUuid().toString(QUuid::Id128); }

DonneesProjet Aile(int points)
{
    DonneesProjet projet;
    projet.Profils.PointsE = Naca("2412", points, 200.0);
    projet.Profils.PointsS = Naca("0012", points, 150.0);
    projet.Profils.EcartementZ = 500.0f;
    CalculerExtremes(projet.Profils);
    return projet;
}

} // namespace

class TestRelais : public QObject {
    Q_OBJECT

private slots:
    // The request reaches the listening copy whole, sent from another thread as from another
    // process; without a listener the sender gives up within its delay.
    void transmission_data()
    {
        QTest::addColumn<bool>("ecoute");
        QTest::addColumn<QString>("argument");
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
        QTest::addColumn<bool>("projetOuvert");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<ReponseMessage>("reponse");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("pointsE");
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
        QFETCH(int, pointsE);
        BancFenetre banc;
        DonneesProjet nouveau = Aile(15);
        QVERIFY(EcrireProjet(banc.Fichier(QStringLiteral("nouveau.gbx")), nouveau));
        if (projetOuvert)
            QVERIFY(banc.OuvrirProjet(Aile(10)));
        banc.dialogues.reponses.push_back(reponse);
        banc.fenetre.showMinimized();
        const QString projet = banc.Fichier(QStringLiteral("nouveau.gbx"));
        RecevoirDemandeInstance(banc.fenetre, argument.isEmpty() ? argument : argument.arg(projet));
        QVERIFY(banc.fenetre.isVisible() && !banc.fenetre.isMinimized());
        QCOMPARE(int(banc.dialogues.messages.size()), questions);
        if (questions)
            QCOMPARE(banc.dialogues.Vus().front(), QStringLiteral("Ouverture d'un projet (Exclamation, OuiNonAnnuler)"));
        QCOMPARE(int(banc.Profils().PointsE.size()), pointsE);
    }
};

GALBIX_GUI_TEST_MAIN(TestRelais)
#include "tst_relais.moc"
