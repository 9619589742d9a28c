// galbix-cli parcours: the cut of a project as a script sees it.
#include "common/LanceurCli.h"
#include "common/TestMain.h"

#include "files/Projet.h"
#include "model/Extremes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using galbix::tests::LancerCli;
using namespace galbix;

namespace {

QString Projet(const QTemporaryDir& dossier, const QString& nom, std::vector<PointProfil> e,
               std::vector<PointProfil> s)
{
    DonneesProjet projet;
    projet.Profils.PointsE = std::move(e);
    projet.Profils.PointsS = std::move(s);
    projet.Profils.EcartementZ = 500.0f;
    CalculerExtremes(projet.Profils);
    const QString chemin = dossier.filePath(nom);
    return EcrireProjet(chemin, projet) ? chemin : QString();
}

const std::vector<PointProfil> CarreE{{0, 0, 0}, {20, 0, 0}, {20, 20, 0}, {0, 20, 0}, {0, 0, 0}};
const std::vector<PointProfil> CarreS{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {0, 0, 0}};

} // namespace

class TestCliParcours : public QObject {
    Q_OBJECT
private slots:
    void carres_data();
    void carres();
    void demo();
    void refus_data();
    void refus();

private:
    QTemporaryDir m_dossier;
};

void TestCliParcours::carres_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<double>("duree");
    QTest::newRow("vitesse par défaut") << QStringList{} << 80.0 / 3.0;
    QTest::newRow("4 mm/s") << QStringList{QStringLiteral("--vitesse"), QStringLiteral("4")} << 20.0;
}

void TestCliParcours::carres()
{
    QFETCH(QStringList, options);
    QFETCH(double, duree);
    const QString projet = Projet(m_dossier, QStringLiteral("carres.gbx"), CarreE, CarreS);
    QVERIFY(!projet.isEmpty());
    const auto r = LancerCli(QStringList{QStringLiteral("parcours"), projet} + options);
    QCOMPARE(r.statut, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.sortie).object();
    QCOMPARE(o.value(QStringLiteral("nombre_points")).toInt(), 5);
    QCOMPARE(o.value(QStringLiteral("duree_s")).toDouble(), duree);
    QCOMPARE(o.value(QStringLiteral("longueur_e")).toDouble(), 80.0);
    QCOMPARE(o.value(QStringLiteral("longueur_s")).toDouble(), 40.0);
    QCOMPARE(o.value(QStringLiteral("ecart_max")).toDouble(), 1.0);
    QCOMPARE(o.value(QStringLiteral("segments_a_verifier")).toArray().size(), 0);
}

// The demo wing is synchronised: its cut is defined and lasts as long as its longer path allows.
void TestCliParcours::demo()
{
    const QString projet = m_dossier.filePath(QStringLiteral("demo.gbx"));
    QCOMPARE(LancerCli({QStringLiteral("demo"), projet}).statut, 0);
    const auto r = LancerCli({QStringLiteral("parcours"), projet});
    QCOMPARE(r.statut, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.sortie).object();
    QVERIFY(o.value(QStringLiteral("nombre_points")).toInt() > 10);
    const double le = o.value(QStringLiteral("longueur_e")).toDouble();
    const double ls = o.value(QStringLiteral("longueur_s")).toDouble();
    const double duree = o.value(QStringLiteral("duree_s")).toDouble();
    QVERIFY(le > ls && ls > 0.0);
    QVERIFY(duree >= le / 3.0 - 1e-9);
    QVERIFY(o.value(QStringLiteral("ecart_max")).toDouble() >= 1.0);
    QVERIFY(o.value(QStringLiteral("segments_a_verifier")).isArray());
}

void TestCliParcours::refus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("statut");
    const QString inegal = Projet(m_dossier, QStringLiteral("inegal.gbx"), CarreE,
                                  {CarreS.begin(), CarreS.end() - 1});
    const QString carres = Projet(m_dossier, QStringLiteral("c.gbx"), CarreE, CarreS);
    QTest::newRow("comptes différents") << QStringList{inegal} << 2;
    QTest::newRow("fichier absent") << QStringList{m_dossier.filePath(QStringLiteral("absent.gbx"))} << 2;
    QTest::newRow("vitesse nulle") << QStringList{carres, QStringLiteral("--vitesse"), QStringLiteral("0")} << 1;
    QTest::newRow("vitesse illisible") << QStringList{carres, QStringLiteral("--vitesse"), QStringLiteral("3,5")}
                                       << 1;
    QTest::newRow("sans projet") << QStringList{} << 1;
}

void TestCliParcours::refus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, statut);
    const auto r = LancerCli(QStringList{QStringLiteral("parcours")} + arguments);
    QCOMPARE(r.statut, statut);
    QVERIFY(r.sortie.isEmpty());
    QCOMPARE(r.erreurs.count('\n'), 1);
}

GALBIX_TEST_MAIN(TestCliParcours)
#include "tst_cli_parcours.moc"
