// galbix-cli editer: sequences of editing verbs on a project, as a script runs them; the
// refusals (exit 2, nothing written) and the usage errors (exit 1).
#include "common/LanceurCli.h"
#include "common/Octets.h"
#include "common/TestMain.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using galbix::tests::EcrireOctets;
using galbix::tests::LancerCli;

namespace {

// One section of a project: "x:y:etat" lines numbered from 1.
QByteArray Section(const char* nom, const QList<QPointF>& points, int etat)
{
    QByteArray t = QByteArray("[") + nom + "]\r\nNomFichier=essai\r\nNombrePoints=" +
                   QByteArray::number(points.size()) + "\r\n";
    for (qsizetype i = 0; i < points.size(); ++i)
        t += QByteArray::number(i + 1) + "=" + QByteArray::number(points[i].x(), 'f', 6) + ":" +
             QByteArray::number(points[i].y(), 'f', 6) + ":" + QByteArray::number(etat) + "\r\n";
    return t;
}

QByteArray Projet(const QList<QPointF>& e, const QList<QPointF>& s)
{
    return Section("Emplanture", e, 0) + "\r\n" + Section("Saumon", s, 0) +
           "\r\n[Position]\r\nEcartement=500.000000\r\nBoutonFleche=-1\r\nBoutonDiedre=-1\r\nBoutonAligner=-1\r\n"
           "\r\n[Affichage]\r\nCoeffZoom=1.000000\r\nXCentreZoom=0.000000\r\nYCentreZoom=0.000000\r\n"
           "Omega=90.000000\r\nAlpha=180.000000\r\n";
}

QList<QPointF> Rangee(int n)
{
    QList<QPointF> p;
    for (int i = 1; i <= n; ++i)
        p << QPointF(i, 0);
    return p;
}

// "x y etat" of every point of one side of a project, joined by "|".
QString Cote(const QJsonObject& info, const char* cle)
{
    QStringList t;
    for (const QJsonValue& v : info.value(QLatin1String(cle)).toArray()) {
        const QJsonArray p = v.toArray();
        t << QStringLiteral("%1 %2 %3").arg(p[0].toDouble()).arg(p[1].toDouble()).arg(p[2].toInt());
    }
    return t.join(u'|');
}

} // namespace

class TestCliEditer : public QObject {
    Q_OBJECT
private slots:
    void sequences_data()
    {
        QTest::addColumn<QList<QPointF>>("e");
        QTest::addColumn<QString>("verbes");
        QTest::addColumn<QString>("attenduE");
        QTest::addColumn<int>("nbS");
        const QList<QPointF> abcda = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}};
        QTest::newRow("renuméroter un contour fermé depuis C")
            << abcda << "selectionner ES 1-5 courant ES 3 renumeroter" << "1 1 1|0 1 1|0 0 1|1 0 1|1 1 1" << 5;
        QTest::newRow("trois points sélectionnés: deux milieux")
            << Rangee(4) << "selectionner ES 2-4 inserer deselectionner" << "1 0 0|2 0 0|2.5 0 0|3 0 0|3.5 0 0|4 0 0"
            << 6;
        QTest::newRow("copier 3 points, coller dans 10")
            << Rangee(10) << "selectionner E 2-4 copier selectionner ES 6 coller deselectionner"
            << "1 0 0|2 0 0|3 0 0|4 0 0|5 0 0|6 0 0|6 0 0|7 0 0|8 0 0|6 0 0|7 0 0|8 0 0|9 0 0|10 0 0" << 14;
        QTest::newRow("couper") << Rangee(6) << "selectionner ES 2-3 couper" << "1 0 0|4 0 0|5 0 0|6 0 0" << 4;
        QTest::newRow("deux ailes, écart 10")
            << QList<QPointF>{{0, 0}, {10, 5}, {20, 0}} << "dupliquer 0 10"
            << "0 0 0|10 5 0|20 0 0|20 -10 0|10 -15 0|0 -10 0" << 6;
        QTest::newRow("deux ailes reliées") << QList<QPointF>{{0, 0}, {10, 5}, {20, 0}} << "dupliquer 1 10"
                                            << "4 0 0|0 0 0|10 5 0|20 0 0|24 0 0|24 -5 0|24 -10 0|20 -10 0|10 -15 0|0 "
                                               "-10 0|4 -10 0"
                                            << 11;
        // The lists go back to point 1 after a command that changes the counts, as in the window.
        QTest::newRow("renuméroter deux fois") << abcda << "selectionner ES 1-5 courant ES 3 renumeroter renumeroter"
                                               << "1 1 1|0 1 1|0 0 1|1 0 1|1 1 1" << 5;
        QTest::newRow("nombre à virgule, signe d'abord") << Rangee(3) << "dupliquer 0 -,5"
                                                         << "1 0 0|2 0 0|3 0 0|3 0.5 0|2 0.5 0|1 0.5 0" << 6;
    }
    void sequences()
    {
        QFETCH(QList<QPointF>, e);
        QFETCH(QString, verbes);
        const QString entree = m_dossier.filePath(QStringLiteral("entree.gbx"));
        const QString sortie = m_dossier.filePath(QStringLiteral("sortie.gbx"));
        QVERIFY(EcrireOctets(entree, Projet(e, e)));
        QFile::remove(sortie);
        const auto r = LancerCli(QStringList{QStringLiteral("editer"), entree, sortie} + verbes.split(u' '));
        QVERIFY2(r.statut == 0, r.erreurs.constData());
        const auto info = LancerCli({QStringLiteral("projet-info"), sortie});
        QCOMPARE(info.statut, 0);
        const QJsonObject o = QJsonDocument::fromJson(info.sortie).object();
        QTEST(Cote(o, "points_e"), "attenduE");
        QTEST(o.value("nombre_points_s").toInt(), "nbS");
    }

    void echecs_data()
    {
        QTest::addColumn<QString>("verbes");
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("message");
        // Side E of 5 points keeps one unselected point: refused, even though S could lose them.
        QTest::newRow("supprimer refusé") << "selectionner E 1-4 selectionner S 1 supprimer" << 2
                                          << "Erreur de sélection : Il faut conserver au moins deux points non "
                                             "sélectionnés de chaque côté.";
        QTest::newRow("couper refusé") << "selectionner ES 2-5 couper" << 2 << "Erreur de sélection";
        QTest::newRow("refus puis verbes non exécutés") << "selectionner E 1-4 supprimer inserer" << 2
                                                        << "Erreur de sélection";
        QTest::newRow("écartement illisible") << "dupliquer 0 1.2.3" << 2
                                              << "Erreur de saisie de l'écartement : Veuillez entrer un nombre décimal.";
        QTest::newRow("verbe inconnu") << "selectionner E 1 effacer" << 1 << "effacer";
        QTest::newRow("argument manquant") << "selectionner E" << 1 << "selectionner";
        QTest::newRow("côté inconnu") << "selectionner X 1-2" << 1 << "selectionner E|S|ES";
        QTest::newRow("au-delà du dernier point") << "courant S 6" << 2 << "le côté S n'a que 5 points";
        QTest::newRow("sélection au-delà du dernier point") << "selectionner ES 2-9" << 2 << "le côté E n'a que 5";
        // Numbers go through the field's own check.
        QTest::newRow("décalage en notation exponentielle") << "decaler 1e3" << 2 << "Erreur de saisie : Veuillez";
        QTest::newRow("décalage à virgule") << "decaler 1,5" << 2 << "Erreur de saisie : Veuillez";
        QTest::newRow("décalage hors des réels") << "decaler 1" + QString(39, u'0') << 2 << "Erreur de saisie";
        QTest::newRow("écartement hors des réels")
            << "dupliquer 0 1" + QString(39, u'0') << 2 << "Erreur de saisie de l'écartement";
        // Ten duplications give 5120 points; pasting 5120 points at each of them would give 26 million.
        QTest::newRow("collage au-delà du budget")
            << QStringLiteral("dupliquer 0 1 ").repeated(10)
                   + "selectionner ES 1-5120 copier selectionner ES 1-5120 coller"
            << 2 << "Trop de points";
        QTest::newRow("intervalle à l'envers") << "selectionner E 3-2" << 1 << "selectionner";
        QTest::newRow("variante inconnue") << "dupliquer 2 10" << 1 << "dupliquer 0|1";
    }
    void echecs()
    {
        QFETCH(QString, verbes);
        const QString entree = m_dossier.filePath(QStringLiteral("entree.gbx"));
        const QString sortie = m_dossier.filePath(QStringLiteral("refus.gbx"));
        QVERIFY(EcrireOctets(entree, Projet(Rangee(5), Rangee(5))));
        QFile::remove(sortie);
        const auto r = LancerCli(QStringList{QStringLiteral("editer"), entree, sortie} + verbes.split(u' '));
        QTEST(r.statut, "statut");
        QFETCH(QString, message);
        QVERIFY2(QString::fromUtf8(r.erreurs).contains(message), r.erreurs.constData());
        QVERIFY(!QFile::exists(sortie));
    }

    // The notices of the intersection go to stderr; the command goes on and the file is written.
    void avisIntersection()
    {
        const QString entree = m_dossier.filePath(QStringLiteral("bout.gbx"));
        const QString sortie = m_dossier.filePath(QStringLiteral("bout-sortie.gbx"));
        const QList<QPointF> e = {{0, 0}, {2, 0}, {1, 1}, {1, 0}, {5, 5}};
        QVERIFY(EcrireOctets(entree, Projet(e, e)));
        const auto r = LancerCli({QStringLiteral("editer"), entree, sortie, QStringLiteral("selectionner"),
                                  QStringLiteral("ES"), QStringLiteral("1-4"), QStringLiteral("intersection")});
        QCOMPARE(r.statut, 0);
        QVERIFY2(QString::fromUtf8(r.erreurs).contains(QStringLiteral("Intersection en bout de segment")),
                 r.erreurs.constData());
        QVERIFY(r.sortie.isEmpty());
    }

    void aide()
    {
        const auto r = LancerCli({QStringLiteral("editer"), QStringLiteral("--help")});
        QCOMPARE(r.statut, 0);
        for (const char* ligne : {"selectionner E|S|ES A[-B]", "courant E|S|ES N", "dupliquer 0|1 ECART",
                                  "decaler DISTANCE", "nettoyer total|synchrone", "renumeroter", "lisser"})
            QVERIFY2(r.sortie.contains(ligne), ligne);
    }

    void projetIllisible()
    {
        const auto r = LancerCli({QStringLiteral("editer"), m_dossier.filePath(QStringLiteral("absent.gbx")),
                                  m_dossier.filePath(QStringLiteral("x.gbx")), QStringLiteral("supprimer")});
        QCOMPARE(r.statut, 2);
        QCOMPARE(LancerCli({QStringLiteral("editer")}).statut, 1);
    }

private:
    QTemporaryDir m_dossier;
};

GALBIX_TEST_MAIN(TestCliEditer)
#include "tst_cli_editer.moc"
