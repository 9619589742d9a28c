// The construction verbs of `galbix-cli editer`: each verb on a session, its refusals and
// usage errors, then the whole subcommand as a script runs it.
#include "common/LanceurCli.h"
#include "common/TestMain.h"

#include "app/cli/VerbesConstruction.cpp" // the verbs are compiled into the tool, not into a library

#include "files/Projet.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace galbix;

namespace {

using Points = QList<QPointF>;

std::vector<PointProfil> Profil(const Points& points, int16_t etat = 0)
{
    std::vector<PointProfil> r;
    for (const QPointF& p : points)
        r.push_back({float(p.x()), float(p.y()), etat});
    return r;
}

const cli::VerbeEditer& Verbe(const char* nom)
{
    for (const cli::VerbeEditer& v : cli::VerbesConstruction())
        if (qstrcmp(v.nom, nom) == 0)
            return v;
    qFatal("verbe %s absent", nom);
}

const Points Huit{{0, 0}, {1, 0}, {0, 0}, {10, 0}, {5, -5}, {5, 5}, {6, 0}, {7, 3}};

bool EditerDisponible()
{
    return tests::LancerCli({}).erreurs.contains("editer");
}

} // namespace

class TestCliConstruction : public QObject {
    Q_OBJECT
private slots:
    void table()
    {
        QStringList noms;
        for (const cli::VerbeEditer& v : cli::VerbesConstruction())
            noms << QStringLiteral("%1/%2").arg(QLatin1String(v.nom)).arg(v.nbArguments);
        QCOMPARE(noms, (QStringList{"intersection/0", "decaler/1", "nettoyer/1", "lisser/0"}));
    }

    void verbes_data()
    {
        QTest::addColumn<QString>("verbe");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<int>>("selectionE"); // 1-based
        QTest::addColumn<int>("pointsS");           // number of tip points (copies of the root's first ones)
        QTest::addColumn<QString>("refus");         // expected refusal title, or empty
        QTest::addColumn<bool>("usage");            // a usage error is expected
        QTest::addColumn<int>("nbE");               // root count afterwards (-1: not checked)

        QTest::newRow("intersection 3 4 6 8") << "intersection" << QStringList{} << QList<int>{3, 4, 6, 8} << 8
                                              << "Erreur de sélection à l'emplanture" << false << 8;
        QTest::newRow("intersection 3-6") << "intersection" << QStringList{} << QList<int>{3, 4, 5, 6} << 8
                                          << "" << false << 9;
        QTest::newRow("decaler") << "decaler" << QStringList{"2"} << QList<int>{1, 2, 3} << 8 << "" << false << 8;
        // Refused as the field refuses it.
        QTest::newRow("decaler illisible") << "decaler" << QStringList{"deux"} << QList<int>{} << 8
                                           << "Erreur de saisie" << false << 8;
        QTest::newRow("nettoyer synchrone refusé") << "nettoyer" << QStringList{"synchrone"} << QList<int>{} << 5
                                                   << "Choix impossible" << false << 8;
        QTest::newRow("nettoyer total") << "nettoyer" << QStringList{"total"} << QList<int>{} << 5 << "" << false << -1;
        QTest::newRow("nettoyer inconnu") << "nettoyer" << QStringList{"partiel"} << QList<int>{} << 8 << "" << true
                                          << 8;
        QTest::newRow("lisser refusé") << "lisser" << QStringList{} << QList<int>{1, 2} << 8 << "Erreur de sélection"
                                       << false << 8;
        QTest::newRow("lisser") << "lisser" << QStringList{} << QList<int>{3, 4, 5} << 8 << "" << false << 8;
    }
    void verbes()
    {
        QFETCH(QString, verbe);
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, selectionE);
        QFETCH(int, pointsS);
        QFETCH(QString, refus);
        QFETCH(bool, usage);
        QFETCH(int, nbE);
        SessionEdition session;
        session.Profils.PointsE = Profil(Huit);
        session.Profils.PointsS = Profil(Huit.mid(0, pointsS));
        for (int k : selectionE)
            PoserEtat(session.Profils.PointsE[size_t(k - 1)], EtatSelection);
        QString erreur;
        const cli::ResultatVerbe r = Verbe(qPrintable(verbe)).executer(session, arguments, erreur);
        QCOMPARE(!erreur.isEmpty(), usage);
        QCOMPARE(r.has_value(), !refus.isEmpty());
        if (r)
            QCOMPARE(r->Titre, refus);
        if (nbE >= 0)
            QCOMPARE(session.Profils.NbPointsE(), nbE);
    }

    // The subcommand itself: selection, the verb, the project written; a refusal writes nothing.
    void editer()
    {
        if (!EditerDisponible())
            QSKIP("galbix-cli editer is not built yet");
        QTemporaryDir dossier;
        DonneesProjet projet;
        projet.Profils.PointsE = Profil({{0, 0}, {1, 0}, {0, 0}, {10, 0}, {5, -5}, {5, 5}, {9, 9}});
        projet.Profils.PointsS = projet.Profils.PointsE;
        projet.Profils.EcartementZ = 400.0f;
        const QString entree = dossier.filePath(QStringLiteral("entree.gbx"));
        const QString sortie = dossier.filePath(QStringLiteral("sortie.gbx"));
        QVERIFY(EcrireProjet(entree, projet));

        tests::ResultatCli r = tests::LancerCli({"editer", entree, sortie, "selectionner", "E", "3-6", "intersection"});
        QCOMPARE(r.statut, 0);
        DonneesProjet lu;
        QVERIFY(LireProjet(sortie, lu).Reussie());
        QCOMPARE(lu.Profils.NbPointsE(), 8);
        QCOMPARE(lu.Profils.PointsE[5].X, 5.0f);
        QCOMPARE(lu.Profils.PointsE[5].Y, 0.0f);
        QCOMPARE(lu.Profils.NbPointsS(), 7);

        QFile::remove(sortie);
        r = tests::LancerCli({"editer", entree, sortie, "selectionner", "S", "1-2", "lisser"});
        QCOMPARE(r.statut, 2);
        QVERIFY(QString::fromUtf8(r.erreurs).contains(QStringLiteral("Erreur de sélection")));
        QVERIFY(!QFile::exists(sortie));

        r = tests::LancerCli({"editer", entree, sortie, "selectionner", "E", "1-7", "decaler", "1", "nettoyer", "total"});
        QCOMPARE(r.statut, 0);
        QVERIFY(LireProjet(sortie, lu).Reussie());
        QVERIFY(lu.Profils.NbPointsE() <= 7);
    }
};

GALBIX_TEST_MAIN(TestCliConstruction)
#include "tst_cli_construction.moc"
