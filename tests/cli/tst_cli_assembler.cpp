// `galbix-cli assembler`: contours cut from a drawing and chained right to left in the order
// given, reversed where asked; the written path and the JSON report; the refusals.
#include "common/DessinDxf.h"
#include "common/LanceurCli.h"
#include "common/TestMain.h"
#include "geomlib/Tranchex.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace galbix;

namespace {

tests::ContourDxf Carre(double x, double y, double c)
{
    return {{x, y}, {x + c, y}, {x + c, y + c}, {x, y + c}, {x, y}};
}

} // namespace

class TestCliAssembler : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;
    QString m_dessin;

private slots:
    void initTestCase()
    {
        m_dessin = m_dossier.filePath(QStringLiteral("trois.dxf"));
        QVERIFY(tests::EcrireDxf(m_dessin, {Carre(0, 0, 10), Carre(100, 50, 20), Carre(-30, 5, 4)}));
    }

    // "3,1r,2": square 3 (4 wide at (-30, 5)) stays; square 1 reversed starts at (0, 0), goes
    // left of it by a tenth of its width and up to the level of square 3's end (y 5):
    // x -41..-31; square 2 starts at (100, 50) and follows square 1's end (-41, 5): x -63..-43.
    void ordre_data()
    {
        QTest::addColumn<QString>("ordre");
        QTest::addColumn<QList<int>>("numeros");
        QTest::addColumn<QList<double>>("xmins");
        QTest::addColumn<QList<double>>("ymins");
        QTest::newRow("3,1r,2") << "3,1r,2" << QList<int>{3, 1, 2} << QList<double>{-30, -41, -63} << QList<double>{5, 5, 5};
        QTest::newRow("1,2") << "1,2" << QList<int>{1, 2} << QList<double>{0, -22} << QList<double>{0, 0};
        QTest::newRow("un seul") << "2" << QList<int>{2} << QList<double>{100} << QList<double>{50};
    }
    void ordre()
    {
        QFETCH(QString, ordre);
        QFETCH(QList<int>, numeros);
        QFETCH(QList<double>, xmins);
        QFETCH(QList<double>, ymins);
        const QString sortie = m_dossier.filePath(QStringLiteral("sortie.dxf"));
        const tests::ResultatCli r = tests::LancerCli({QStringLiteral("assembler"), m_dessin, sortie,
                                                       QStringLiteral("--ordre"), ordre});
        QCOMPARE(r.statut, 0);
        const QJsonObject json = QJsonDocument::fromJson(r.sortie).object();
        QCOMPARE(json.value("nombre_contours").toInt(), numeros.size());
        QCOMPARE(json.value("nombre_points").toInt(), 5 * numeros.size());
        const QJsonArray contours = json.value("contours").toArray();
        QCOMPARE(contours.size(), numeros.size());
        for (int i = 0; i < numeros.size(); ++i) {
            const QJsonObject c = contours[i].toObject();
            QCOMPARE(c.value("numero").toInt(), numeros[i]);
            QCOMPARE(c.value("nombre_points").toInt(), 5);
            QVERIFY2(std::fabs(c.value("xmin").toDouble() - xmins[i]) < 1e-4, qPrintable(QString::number(c.value("xmin").toDouble())));
            QVERIFY(std::fabs(c.value("ymin").toDouble() - ymins[i]) < 1e-4);
            QVERIFY(c.value("xmax").toDouble() > c.value("xmin").toDouble());
            QVERIFY(c.value("ymax").toDouble() > c.value("ymin").toDouble());
        }
        const LectureFichier relu = LireFichierDetaille(sortie);
        QVERIFY(relu.ok);
        QVERIFY(relu.points.size() >= size_t(4 * numeros.size()));
        QVERIFY(std::fabs(relu.Xmin - xmins.last()) < 1e-3);
    }

    void refus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("statut");
        const QString sortie = QStringLiteral("sortie.dxf");
        QTest::newRow("numéro trop grand") << QStringList{"@", sortie, "--ordre", "1,4"} << 2;
        QTest::newRow("numéro nul") << QStringList{"@", sortie, "--ordre", "0"} << 2;
        QTest::newRow("fichier absent") << QStringList{"absent.dxf", sortie, "--ordre", "1"} << 2;
        QTest::newRow("liste mal formée") << QStringList{"@", sortie, "--ordre", "1,x"} << 1;
        QTest::newRow("sans ordre") << QStringList{"@", sortie} << 1;
    }
    void refus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, statut);
        for (QString& a : args)
            a = a == QLatin1String("@") ? m_dessin : (a.endsWith(QLatin1String(".dxf")) ? m_dossier.filePath(a) : a);
        args.prepend(QStringLiteral("assembler"));
        const tests::ResultatCli r = tests::LancerCli(args);
        QCOMPARE(r.statut, statut);
        QVERIFY(r.sortie.isEmpty());
        if (statut == 2)
            QCOMPARE(r.erreurs.trimmed().count('\n'), 0);
    }
};

GALBIX_TEST_MAIN(TestCliAssembler)
#include "tst_cli_assembler.moc"
