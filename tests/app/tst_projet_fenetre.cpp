// Project files in the main window: opening restores the points, the switches (replayed as
// clicks), the view and the comment; a reading that stops keeps what came before without a
// message, and one named on the command line leaves the window as it started; quitting with
// "Oui" saves the project.
#include "common/BancFenetre.h"
#include "common/TestMain.h"

#include "view/GeometrieAile.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

using namespace galbix;
using galbix::tests::BancFenetre;
using galbix::tests::MemesPoints;

namespace {

using galbix::tests::Naca;

// A root of chord 200 and a tip of chord 150 whose trailing edges are aligned and which
// sits 10 mm higher; the trailing edges are reference points, a few points are selected
// or synchronisation points, so that every state combination occurs.
DonneesProjet Projet(int nS = 25)
{
    DonneesProjet projet;
    CoupleProfils& p = projet.Profils;
    p.PointsE = Naca("2412", 25, 200.0f, 0.0f, 0.0f);
    p.PointsS = Naca("0012", nS, 150.0f, 50.0f, 10.0f);
    for (auto* points : {&p.PointsE, &p.PointsS})
        for (size_t i = 0; i < points->size(); ++i)
            (*points)[i].Etat = int16_t(i % 8);
    p.EcartementZ = 600.0f;
    CalculerExtremes(p);
    projet.NomFichier[CoteE] = QStringLiteral("racine.dat");
    projet.NomFichier[CoteS] = QStringLiteral("bout.dxf");
    projet.CoeffZoom = 12.5f;
    projet.XCentreZoom = 98.25f;
    projet.YCentreZoom = -3.5f;
    projet.Omega = 100.0f;
    projet.Alpha = 200.0f;
    projet.Commentaire = QStringLiteral("Aile 2412\r\nsaumon; fin");
    return projet;
}

// The file with one line replaced (or removed when `nouvelle` is empty).
bool RemplacerLigne(const QString& chemin, const QByteArray& debut, const QByteArray& nouvelle)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QList<QByteArray> lignes = f.readAll().split('\n');
    f.close();
    bool trouve = false;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        if (lignes[i].startsWith(debut)) {
            trouve = true;
            if (nouvelle.isEmpty())
                lignes.removeAt(i);
            else
                lignes[i] = lignes[i].endsWith('\r') ? nouvelle + '\r' : nouvelle;
            break;
        }
    }
    return trouve && f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(lignes.join('\n')) > 0;
}

} // namespace

class TestProjetFenetre : public QObject {
    Q_OBJECT

private slots:
    void ouvrir_data();
    void ouvrir();
    void lectureInterrompue_data();
    void lectureInterrompue();
    void sortieAvecSauvegarde();
};

void TestProjetFenetre::ouvrir_data()
{
    QTest::addColumn<int>("fleche");
    QTest::addColumn<int>("diedre");
    QTest::addColumn<bool>("aligner");
    QTest::addColumn<int>("flecheAttendue");
    QTest::addColumn<int>("diedreAttendu");
    QTest::addColumn<bool>("alignerAttendu");
    QTest::addColumn<bool>("referencesE"); // the root keeps reference points
    QTest::addColumn<int>("messages");
    QTest::newRow("trailing edges, no dihedral") << 2 << -1 << false << 2 << -1 << false << true << 0;
    QTest::newRow("dihedral alone") << -1 << 3 << false << -1 << 3 << false << true << 0;
    QTest::newRow("sweep then dihedral") << 0 << 4 << false << 0 << 4 << false << true << 0;
    QTest::newRow("sweep releases the alignment") << 1 << -1 << true << 1 << -1 << false << true << 0;
    QTest::newRow("alignment") << -1 << -1 << true << -1 << -1 << true << true << 0;
    QTest::newRow("alignment without references") << -1 << -1 << true << -1 << -1 << false << false << 1;
    QTest::newRow("none") << -1 << -1 << false << -1 << -1 << false << true << 0;
}

void TestProjetFenetre::ouvrir()
{
    QFETCH(int, fleche);
    QFETCH(int, diedre);
    QFETCH(bool, aligner);
    QFETCH(int, flecheAttendue);
    QFETCH(int, diedreAttendu);
    QFETCH(bool, alignerAttendu);
    QFETCH(bool, referencesE);
    QFETCH(int, messages);
    DonneesProjet projet = Projet();
    projet.BoutonFleche = fleche;
    projet.BoutonDiedre = diedre;
    projet.Aligner = aligner;
    if (!referencesE)
        for (PointProfil& p : projet.Profils.PointsE)
            p.Etat = int16_t(p.Etat & ~EtatReference);
    // The tip stands where its switches put it, as in a file that the program saved.
    EtatGeometrie placement;
    PresserBoutonFleche(projet.Profils, placement, fleche);
    PresserBoutonDiedre(projet.Profils, placement, diedre);
    BancFenetre b;
    const int tailleHistorique = b.S().Historique.Taille();
    QVERIFY(b.OuvrirProjet(projet, QStringLiteral("aile.gbx")));
    const SessionEdition& s = b.S();
    const ControlesFenetre& c = b.C();

    QCOMPARE(int(b.dialogues.messages.size()), messages);
    const InterrupteursGeometrie i = s.Geometrie.Interrupteurs;
    QCOMPARE(int(i.IndexFleche), flecheAttendue);
    QCOMPARE(int(i.IndexDiedre), diedreAttendu);
    QCOMPARE(i.Aligner, alignerAttendu);
    for (int b = 0; b < projet::NbBoutonsFleche; ++b)
        QCOMPARE(c.chkFleche[size_t(b)]->isChecked(), b == flecheAttendue);
    for (int b = 0; b < projet::NbBoutonsDiedre; ++b)
        QCOMPARE(c.chkDiedre[size_t(b)]->isChecked(), b == diedreAttendu);
    QCOMPARE(c.chkAligner->isChecked(), alignerAttendu);
    QCOMPARE(s.Historique.Taille(), tailleHistorique);
    // The file was written with the tip placed as its switches say: replaying them moves nothing.
    QVERIFY(MemesPoints(s.Profils.PointsE, projet.Profils.PointsE));
    if (!aligner)
        QVERIFY(MemesPoints(s.Profils.PointsS, projet.Profils.PointsS));
    QCOMPARE(s.Profils.EcartementZ, 600.0f);
    QCOMPARE(c.lblNomFichier[CoteE]->text(), QStringLiteral("racine.dat"));
    QCOMPARE(c.lblNomFichier[CoteS]->text(), QStringLiteral("bout.dxf"));
    QCOMPARE(c.hscOmega->value(), 100);
    QCOMPARE(c.hscAlpha->value(), 200);
    QCOMPARE(s.Vue.Omega, int16_t(100));
    QCOMPARE(s.Vue.Alpha, int16_t(200));
    QCOMPARE(s.Vue.CoeffZoom, 12.5f);
    QCOMPARE(s.Vue.XCentreZoom, 98.25f);
    QCOMPARE(s.Vue.YCentreZoom, -3.5f);
    QCOMPARE(c.txtCommentaire->toPlainText(), QStringLiteral("Aile 2412\nsaumon\n fin"));
    QVERIFY(c.chkVoirCommentaires->isChecked());
    QVERIFY(!c.txtCommentaire->isHidden());
    QVERIFY(s.ProjetOuvert);
    QCOMPARE(b.fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + b.Fichier(QStringLiteral("aile.gbx")));
    QCOMPARE(c.txtCorde[CoteE]->text(), QStringLiteral("200.0"));
    QCOMPARE(c.txtCorde[CoteS]->text(), QStringLiteral("150.0"));
    QCOMPARE(c.txtEcartementZ->text(), QStringLiteral("600.0"));
    QVERIFY(c.cmdSauveProfil[2]->isEnabled());
    QVERIFY(c.chkFil->isEnabled());
}

void TestProjetFenetre::lectureInterrompue_data()
{
    QTest::addColumn<QByteArray>("debut");     // line changed in the file
    QTest::addColumn<QByteArray>("remplacee"); // its new text; empty: removed
    QTest::newRow("root point missing") << QByteArray("5=") << QByteArray();
    QTest::newRow("root point with two pieces") << QByteArray("3=") << QByteArray("3=1.0:2.0");
    QTest::newRow("tip count beyond its keys") << QByteArray("NombrePoints=39") << QByteArray("NombrePoints=45");
    QTest::newRow("omega out of range") << QByteArray("Omega=") << QByteArray("Omega=360.000000");
    QTest::newRow("omega missing") << QByteArray("Omega=") << QByteArray();
    QTest::newRow("alpha rounds to 0") << QByteArray("Alpha=") << QByteArray("Alpha=0.4");
}

// The open command ends silently at the fault and the window keeps the project it had; at
// start-up the same file leaves the window exactly as it started.
void TestProjetFenetre::lectureInterrompue()
{
    QFETCH(QByteArray, debut);
    QFETCH(QByteArray, remplacee);
    auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
    const QString chemin = dossier->filePath(QStringLiteral("abime.gbx"));
    DonneesProjet abime = Projet(20);
    QVERIFY(EcrireProjet(chemin, abime));
    QVERIFY(RemplacerLigne(chemin, debut, remplacee));
    DonneesProjet autre = Projet(30);
    autre.Omega = 150.0f;
    autre.BoutonFleche = 1;
    {
        BancFenetre b(true, QString(), dossier);
        QVERIFY(b.OuvrirProjet(autre, QStringLiteral("bon.gbx")));
        const ControlesFenetre& c = b.C();
        const SessionEdition& s = b.S();
        const auto etat = [&] {
            return QStringList{QString::number(s.Profils.NbPointsE()), QString::number(s.Profils.NbPointsS()),
                               QString::number(s.Profils.PointsS[3].X), QString::number(c.hscOmega->value()),
                               QString::number(int(s.Geometrie.Interrupteurs.IndexFleche)), b.fenetre.windowTitle(),
                               c.lblNomFichier[CoteS]->text(), c.txtCommentaire->toPlainText(),
                               c.txtFleche->text(), QString::number(s.Historique.Taille())};
        };
        const QStringList avant = etat();
        QVERIFY(!b.fenetre.Fichiers().OuvrirProjet(chemin));
        QVERIFY(b.dialogues.messages.empty());
        QCOMPARE(etat(), avant);
        QVERIFY(s.ProjetOuvert);
    }
    BancFenetre b(true, QLatin1Char('"') + chemin + QLatin1Char('"'), dossier);
    QVERIFY(b.dialogues.messages.empty());
    QCOMPARE(b.Profils().NbPointsE(), 0);
    QCOMPARE(b.Profils().NbPointsS(), 0);
    QVERIFY(!b.S().ProjetOuvert);
    QVERIFY(!b.C().cmdSauveProfil[2]->isEnabled());
    QVERIFY(b.C().lblNomFichier[CoteE]->text().isEmpty());
    QCOMPARE(b.C().hscOmega->value(), 120);
}

// Open, change the comment, quit answering "Oui" and save under another name: the new file
// holds the whole session, and reopening it in a new window finds the work again.
void TestProjetFenetre::sortieAvecSauvegarde()
{
    auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
    const QString chemin = dossier->filePath(QStringLiteral("avant.gbx"));
    DonneesProjet projet = Projet(20);
    projet.BoutonDiedre = 1;
    QVERIFY(EcrireProjet(chemin, projet));
    const QString sortie = dossier->filePath(QStringLiteral("apres.gbx"));
    {
        BancFenetre b(true, chemin, dossier);
        QVERIFY(b.S().ProjetOuvert);
        QCOMPARE(b.fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + chemin);
        b.C().txtCommentaire->setPlainText(QStringLiteral("revu"));
        b.dialogues.reponses = {ReponseMessage::Oui};
        b.dialogues.fichiers = {ChoixFichier{false, sortie, 1}};
        QVERIFY(b.fenetre.close());
        QCOMPARE(int(b.dialogues.demandesEnregistrement.size()), 1);
        QCOMPARE(b.dialogues.demandesEnregistrement[0].titre, QStringLiteral("Enregistrer le projet ou l'image 3D..."));
    }
    DonneesProjet relu;
    QVERIFY(LireProjet(sortie, relu).Reussie());
    QVERIFY(MemesPoints(relu.Profils.PointsE, projet.Profils.PointsE));
    QCOMPARE(relu.BoutonDiedre, 1);
    QCOMPARE(relu.Commentaire, QStringLiteral("revu"));
    QCOMPARE(relu.Omega, 100.0f);
    QCOMPARE(relu.CoeffZoom, 12.5f);

    BancFenetre b(true, sortie, dossier);
    QVERIFY(b.dialogues.messages.empty());
    QVERIFY(b.S().ProjetOuvert);
    QCOMPARE(b.C().txtCommentaire->toPlainText(), QStringLiteral("revu"));
    QCOMPARE(int(b.S().Geometrie.Interrupteurs.IndexDiedre), 1);
    QCOMPARE(b.Profils().NbPointsS(), 39);
    // Wire and surface need equal counts.
    QVERIFY(!b.C().chkFil->isEnabled() && !b.C().chkSurface->isEnabled());
    QVERIFY(b.C().cmdSauveProfil[0]->isEnabled());
}

GALBIX_GUI_TEST_MAIN(TestProjetFenetre)
#include "tst_projet_fenetre.moc"
