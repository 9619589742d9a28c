// galbix-cli editer: sequences of editing verbs on a project, as a script runs them, and the
// construction verbs on a session, their refusals and usage errors. The refusals of the
// subcommand itself are in tst_cli.
#include "common/Test.h"
#include "common/LanceurCli.h"
#include "common/Projets.h"

#include "app/cli/VerbesConstruction.cpp" // the verbs are compiled into the tool, not into a library

#include <QJsonArray>

using namespace galbix;
using galbix::tests::LancerCli;
using galbix::tests::Points;

namespace {

QList<QPointF> Rangee(int n) {
    QList<QPointF> p;
    for (int i = 1; i <= n; ++i)
        p << QPointF(i, 0);
    return p;
}

// "x y etat" of every point of one side of a project, joined by "|".
QString Cote(const QJsonObject& info, const char* cle) {
    QStringList t;
    for (const QJsonValue& v : info.value(QLatin1String(cle)).toArray()) {
        const QJsonArray p = v.toArray();
        t << QStringLiteral("%1 %2 %3").arg(p[0].toDouble()).arg(p[1].toDouble()).arg(p[2].toInt());
    }
    return t.join(u'|');
}

const cli::VerbeEditer& Verbe(const QString& nom) {
    for (const cli::VerbeEditer& v : cli::VerbesConstruction())
        if (nom == QLatin1String(v.nom))
            return v;
    qFatal("verbe %s absent", qPrintable(nom));
}

const QList<QPointF> Huit{{0, 0}, {1, 0}, {0, 0}, {10, 0}, {5, -5}, {5, 5}, {6, 0}, {7, 3}};

} // namespace

class TestCliEditer : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;

private slots:
    void sequences_data() {
        tests::Colonnes<QList<QPointF>, QString, QString, int>("e", "verbes", "attenduE", "nbS");
        const auto row = [](const char* nom, const QList<QPointF>& e, const char* verbes, const char* attenduE, int nbS) {
            QTest::newRow(nom) << e << verbes << attenduE << nbS;
        };
        const QList<QPointF> abcda = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}, aile = {{0, 0}, {10, 5}, {20, 0}};
        row("renuméroter un contour fermé depuis C", abcda, "selectionner ES 1-5 courant ES 3 renumeroter",
            "1 1 1|0 1 1|0 0 1|1 0 1|1 1 1", 5);
        row("trois points sélectionnés: deux milieux", Rangee(4), "selectionner ES 2-4 inserer deselectionner",
            "1 0 0|2 0 0|2.5 0 0|3 0 0|3.5 0 0|4 0 0", 6);
        row("copier 3 points, coller dans 10", Rangee(10), "selectionner E 2-4 copier selectionner ES 6 coller deselectionner",
            "1 0 0|2 0 0|3 0 0|4 0 0|5 0 0|6 0 0|6 0 0|7 0 0|8 0 0|6 0 0|7 0 0|8 0 0|9 0 0|10 0 0", 14);
        row("couper", Rangee(6), "selectionner ES 2-3 couper", "1 0 0|4 0 0|5 0 0|6 0 0", 4);
        row("deux ailes, écart 10", aile, "dupliquer 0 10", "0 0 0|10 5 0|20 0 0|20 -10 0|10 -15 0|0 -10 0", 6);
        row("deux ailes reliées", aile, "dupliquer 1 10",
            "4 0 0|0 0 0|10 5 0|20 0 0|24 0 0|24 -5 0|24 -10 0|20 -10 0|10 -15 0|0 -10 0|4 -10 0", 11);
        // The lists go back to point 1 after a command that changes the counts, as in the window.
        row("renuméroter deux fois", abcda, "selectionner ES 1-5 courant ES 3 renumeroter renumeroter",
            "1 1 1|0 1 1|0 0 1|1 0 1|1 1 1", 5);
        row("nombre à virgule, signe d'abord", Rangee(3), "dupliquer 0 -,5", "1 0 0|2 0 0|3 0 0|3 0.5 0|2 0.5 0|1 0.5 0", 6);
        // The construction verbs: the crossing of 3-4 and 5-6 inserted on E; S refuses nothing.
        row("intersection", Huit, "selectionner E 3-6 intersection", "0 0 0|1 0 0|0 0 1|10 0 1|5 -5 1|5 0 0|5 5 1|6 0 0|7 3 0",
            8);
        row("décaler puis nettoyer", Huit, "selectionner E 1-7 decaler 1 nettoyer total", "", -1);
    }
    void sequences() {
        QFETCH(QList<QPointF>, e);
        QFETCH(QString, verbes);
        QFETCH(int, nbS);
        const QString entree = tests::EcrireProjetTest(m_dossier.filePath("entree.gbx"), tests::ProjetDe(Points(e), Points(e)));
        const QString sortie = m_dossier.filePath(QStringLiteral("sortie.gbx"));
        QFile::remove(sortie);
        const auto r = LancerCli(QStringList{QStringLiteral("editer"), entree, sortie} + verbes.split(u' '));
        QVERIFY2(r.statut == 0, r.erreurs.constData());
        const auto info = LancerCli({QStringLiteral("projet-info"), sortie});
        QCOMPARE(info.statut, 0);
        if (nbS < 0) { // the cleaning never adds points
            QVERIFY(info.Json().value("points_e").toArray().size() <= e.size());
            return;
        }
        QTEST(Cote(info.Json(), "points_e"), "attenduE");
        QCOMPARE(info.Json().value("nombre_points_s").toInt(), nbS);
    }

    // The notices of the intersection go to stderr; the command goes on and the file is written.
    void avisIntersection() {
        const QList<QPointF> e = {{0, 0}, {2, 0}, {1, 1}, {1, 0}, {5, 5}};
        const QString entree = tests::EcrireProjetTest(m_dossier.filePath("bout.gbx"), tests::ProjetDe(Points(e), Points(e)));
        const auto r =
            LancerCli({"editer", entree, m_dossier.filePath("bout-sortie.gbx"), "selectionner", "ES", "1-4", "intersection"});
        QCOMPARE(r.statut, 0);
        QVERIFY2(QString::fromUtf8(r.erreurs).contains(QStringLiteral("Intersection en bout de segment")),
                 r.erreurs.constData());
        QVERIFY(r.sortie.isEmpty() && QFile::exists(m_dossier.filePath(QStringLiteral("bout-sortie.gbx"))));
    }

    // Each construction verb on a session of 8 root points, the tip a copy of the first ones.
    void verbes_data() {
        // The verb is the row's first word. selectionE: 1-based; refus: expected refusal title, or empty; usage: a
        // usage error is expected; nbE: root count afterwards (-1: not checked)
        tests::Colonnes<QString, QStringList, QList<int>, int, QString, bool, int>(
            "verbe", "arguments", "selectionE", "pointsS", "refus", "usage", "nbE");
        const auto row = [](const char* nom, QStringList args, QList<int> sel, int s, const char* refus, bool usage, int n) {
            QTest::newRow(nom) << QString::fromUtf8(nom).section(u' ', 0, 0) << args << sel << s << refus << usage << n;
        };
        row("intersection 3 4 6 8", {}, {3, 4, 6, 8}, 8, "Erreur de sélection à l'emplanture", false, 8);
        row("intersection 3-6", {}, {3, 4, 5, 6}, 8, "", false, 9);
        row("decaler", {"2"}, {1, 2, 3}, 8, "", false, 8);
        row("decaler illisible", {"deux"}, {}, 8, "Erreur de saisie", false, 8);
        row("nettoyer synchrone refusé", {"synchrone"}, {}, 5, "Choix impossible", false, 8);
        row("nettoyer total", {"total"}, {}, 5, "", false, -1);
        row("nettoyer inconnu", {"partiel"}, {}, 8, "", true, 8);
        row("lisser refusé", {}, {1, 2}, 8, "Erreur de sélection", false, 8);
        row("lisser", {}, {3, 4, 5}, 8, "", false, 8);
    }
    void verbes() {
        QFETCH(QString, verbe);
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, selectionE);
        QFETCH(int, pointsS);
        QFETCH(QString, refus);
        QFETCH(int, nbE);
        SessionEdition session;
        session.Profils.PointsE = Points(Huit);
        session.Profils.PointsS = Points(Huit.mid(0, pointsS));
        for (int k : selectionE)
            PoserEtat(session.Profils.PointsE.Modifier()[size_t(k - 1)], EtatSelection);
        QString erreur;
        const cli::ResultatVerbe r = Verbe(verbe).executer(session, arguments, erreur);
        QTEST(!erreur.isEmpty(), "usage");
        QCOMPARE(r ? r->Titre : QString(), refus);
        if (nbE >= 0)
            QCOMPARE(session.Profils.NbPointsE(), nbE);
    }
};

GALBIX_TEST_MAIN(TestCliEditer)
#include "tst_cli_editer.moc"
