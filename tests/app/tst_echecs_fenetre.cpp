// Saves that fail in the window. After its dialog the save command ends silently and the
// window stays as it was (caption included); an export that cannot write the exchange pair
// says so and leaves the previous pair as it was.

#include "common/DialoguesScript.h"
#include "common/DossierProgrammeTemporaire.h"
#include "common/Octets.h"
#include "common/TestMain.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteFichiers.h"
#include "files/Echange.h"
#include "files/Projet.h"
#include "model/Naca.h"

#include <QDir>
#include <QPushButton>
#include <QtTest>

using namespace galbix;

namespace {

std::vector<PointProfil> Naca(const char* code, float corde)
{
    std::vector<PointProfil> points;
    for (const QPointF& p : ProfilNaca4(QString::fromLatin1(code), 20))
        points.push_back({float(p.x() * corde), float(p.y() * corde), 0});
    return points;
}

} // namespace

class TestEchecsFenetre : public QObject {
    Q_OBJECT

    std::unique_ptr<galbix::tests::DossierProgrammeTemporaire> m_dossier;

    void Ouvrir(FenetrePrincipale& fenetre)
    {
        const QString chemin = m_dossier->filePath(QStringLiteral("source.gbx"));
        DonneesProjet projet;
        projet.Profils.PointsE = Naca("2412", 200.0f);
        projet.Profils.PointsS = Naca("0012", 150.0f);
        projet.Profils.EcartementZ = 500.0f;
        projet.NomFichier[CoteE] = QStringLiteral("racine.dat");
        projet.NomFichier[CoteS] = QStringLiteral("bout.dat");
        QVERIFY(EcrireProjet(chemin, projet));
        fenetre.Charger(QString());
        QVERIFY(fenetre.Fichiers().OuvrirProjet(chemin));
    }

private slots:
    void init() { m_dossier = std::make_unique<galbix::tests::DossierProgrammeTemporaire>(); }
    void cleanup() { m_dossier.reset(); }

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
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        Ouvrir(fenetre);
        const QString chemin = m_dossier->filePath(nom);
        QVERIFY(QDir().mkpath(chemin + QStringLiteral("/occupe")));
        const QString titre = fenetre.windowTitle();
        dialogues.fichiers = {ChoixFichier{false, QDir::toNativeSeparators(chemin), filtre}};
        fenetre.Fichiers().SauverProfil(index);
        QVERIFY(dialogues.messages.empty());
        QCOMPARE(fenetre.windowTitle(), titre);
        QVERIFY(QFileInfo(chemin + QStringLiteral("/occupe")).isDir());
        QCOMPARE(QDir(m_dossier->path()).entryList({QStringLiteral(".~*")}, QDir::Files | QDir::Hidden), QStringList());
    }

    // The tip's exchange file cannot be replaced: a critical message, and the root's old
    // file is kept, so that the pair never mixes two wings.
    void exportImpossible()
    {
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        Ouvrir(fenetre);
        const QString e = m_dossier->filePath(echange::NomFichierE);
        QVERIFY(galbix::tests::EcrireOctets(e, "E;100.000;00000.000;00000.000;00000.000;ancienne\r\n0 0\r\n1 0\r\n"));
        QVERIFY(QDir().mkpath(m_dossier->filePath(echange::NomFichierS) + QStringLiteral("/occupe")));
        QTest::mouseClick(fenetre.Controles().cmdTransfertKerfex, Qt::LeftButton);
        QCOMPARE(int(dialogues.messages.size()), 1);
        QCOMPARE(dialogues.messages[0].titre, QStringLiteral("Exportation impossible"));
        QVERIFY(dialogues.messages[0].texte.contains(QDir::toNativeSeparators(m_dossier->path())));
        QCOMPARE(dialogues.messages[0].icone, IconeMessage::Critique);
        QCOMPARE(dialogues.messages[0].boutons, BoutonsMessage::Ok);
        QCOMPARE(galbix::tests::LireOctets(e), QByteArray("E;100.000;00000.000;00000.000;00000.000;ancienne\r\n0 0\r\n1 0\r\n"));
    }
};

GALBIX_GUI_TEST_MAIN(TestEchecsFenetre)
#include "tst_echecs_fenetre.moc"
