// Saves that fail in the window. After its dialog the save command ends silently and the
// window stays as it was (caption included); an export that cannot write the exchange pair
// says so and leaves the previous pair as it was.

#include "common/BancFenetre.h"
#include "common/Octets.h"
#include "common/TestMain.h"

#include "files/Echange.h"

#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

using namespace galbix;

namespace {

// A window on a project of two NACA profiles, opened as the open command does.
struct Banc : tests::BancFenetre {
    bool ouvert = OuvrirProjet([] {
        DonneesProjet projet;
        projet.Profils.PointsE = tests::Naca("2412", 20, 200.0);
        projet.Profils.PointsS = tests::Naca("0012", 20, 150.0);
        projet.Profils.EcartementZ = 500.0f;
        projet.NomFichier[CoteE] = QStringLiteral("racine.dat");
        projet.NomFichier[CoteS] = QStringLiteral("bout.dat");
        return projet;
    }());
};

} // namespace

class TestEchecsFenetre : public QObject {
    Q_OBJECT

private slots:
    // The chosen name is taken by a folder: nothing is written and nothing is said.
    void sauvegardeImpossible_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("filtre");
        QTest::addColumn<QString>("nom");
        QTest::newRow("root .dat") << 0 << 2 << "aile.dat";
        QTest::newRow("tip .dxf") << 1 << 1 << "bout.dxf";
        QTest::newRow("project") << 2 << 1 << "projet.gbx";
        QTest::newRow("3D drawing") << 2 << 2 << "aile3d.dxf";
    }

    void sauvegardeImpossible()
    {
        QFETCH(int, index);
        QFETCH(int, filtre);
        QFETCH(QString, nom);
        Banc b;
        QVERIFY(b.ouvert);
        const QString chemin = b.dossier->filePath(nom);
        QVERIFY(QDir().mkpath(chemin + QStringLiteral("/occupe")));
        const QString titre = b.fenetre.windowTitle();
        b.dialogues.fichiers = {ChoixFichier{false, QDir::toNativeSeparators(chemin), filtre}};
        b.fenetre.Fichiers().SauverProfil(index);
        QVERIFY(b.dialogues.messages.empty());
        QCOMPARE(b.fenetre.windowTitle(), titre);
        QVERIFY(QFileInfo(chemin + QStringLiteral("/occupe")).isDir());
        QCOMPARE(QDir(b.dossier->path()).entryList({QStringLiteral(".~*")}, QDir::Files | QDir::Hidden), QStringList());
    }

    // The tip's exchange file cannot be replaced: a critical message, and the root's old
    // file is kept, so that the pair never mixes two wings.
    void exportImpossible()
    {
        Banc b;
        QVERIFY(b.ouvert);
        const QString e = b.dossier->filePath(echange::NomFichierE);
        QVERIFY(galbix::tests::EcrireOctets(e, "E;100.000;00000.000;00000.000;00000.000;ancienne\r\n0 0\r\n1 0\r\n"));
        QVERIFY(QDir().mkpath(b.dossier->filePath(echange::NomFichierS) + QStringLiteral("/occupe")));
        QTest::mouseClick(b.fenetre.Controles().cmdTransfertKerfex, Qt::LeftButton);
        QCOMPARE(b.dialogues.Vus(), QStringList{"Exportation impossible (Critique)"});
        QVERIFY(b.dialogues.messages[0].texte.contains(b.Dossier()));
        QVERIFY(b.fenetre.statusBar()->currentMessage().isEmpty());
        QCOMPARE(galbix::tests::LireOctets(e), QByteArray("E;100.000;00000.000;00000.000;00000.000;ancienne\r\n0 0\r\n1 0\r\n"));
    }
};

GALBIX_GUI_TEST_MAIN(TestEchecsFenetre)
#include "tst_echecs_fenetre.moc"
