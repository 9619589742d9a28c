// Inputs that once made a reader fail (a hang, undefined behaviour, memory without limit),
// replayed through the entry points of the fuzzing targets: each must end in an orderly way.
#include "common/Emplacements.h"
#include "common/Test.h"

#include "Entrees.h"

#include <QDir>

using namespace galbix;

class TestRejeu : public QObject {
    Q_OBJECT
private slots:
    void entrees_data() {
        tests::Colonnes<int, QString>("cible", "chemin");
        size_t nombre = 0;
        const fuzz::Cible* cibles = fuzz::Cibles(nombre);
        int total = 0;
        for (size_t c = 0; c < nombre; ++c) {
            const QDir dossier(galbix::tests::DossierSources() + "/fuzz/regression/" + QString::fromLatin1(cibles[c].nom));
            for (const QString& nom : dossier.entryList(QDir::Files, QDir::Name)) {
                QTest::addRow("%s/%s", cibles[c].nom, qPrintable(nom)) << int(c) << dossier.filePath(nom);
                ++total;
            }
        }
        QVERIFY2(total >= 5, "the regression inputs are missing");
    }
    void entrees() {
        QFETCH(int, cible);
        QFETCH(QString, chemin);
        const QByteArray octets = tests::LireOctets(chemin);
        QVERIFY(octets != "<absent>");
        size_t nombre = 0;
        const fuzz::Cible* cibles = fuzz::Cibles(nombre);
        // An entry point aborts on a broken invariant; reaching the end is the test.
        QCOMPARE(cibles[cible].entree(reinterpret_cast<const uint8_t*>(octets.constData()), size_t(octets.size())), 0);
    }
};

GALBIX_TEST_MAIN(TestRejeu)
#include "tst_rejeu.moc"
