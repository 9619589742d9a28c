// Project files in the main window: opening restores the points, the switches (replayed as
// clicks), the view and the comment; a reading that stops keeps what came before without a
// message, and one named on the command line leaves the window as it started; quitting with
// "Oui" saves the project.
#include "common/BancFenetre.h"
#include "common/DialoguesScript.h"
#include "common/DossierProgrammeTemporaire.h"
#include "common/TestMain.h"

#include "app/DossierProgramme.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteFichiers.h"
#include "files/Projet.h"
#include "model/Extremes.h"
#include "model/Naca.h"
#include "view/GeometrieAile.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace galbix;

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

bool MemesPoints(const std::vector<PointProfil>& a, const std::vector<PointProfil>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::abs(a[i].X - b[i].X) > 1e-4f || std::abs(a[i].Y - b[i].Y) > 1e-4f || a[i].Etat != b[i].Etat)
            return false;
    return true;
}

} // namespace

class TestProjetFenetre : public QObject {
    Q_OBJECT

    std::unique_ptr<galbix::tests::DossierProgrammeTemporaire> m_dossier;

    QString Chemin(const QString& nom) const { return m_dossier->filePath(nom); }

private slots:
    void init()
    {
        m_dossier = std::make_unique<galbix::tests::DossierProgrammeTemporaire>();
    }
    void cleanup()
    {
        m_dossier.reset();
    }

    void ouvrir_data();
    void ouvrir();
    void lectureInterrompue_data();
    void lectureInterrompue();
    void ligneCommande();
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
    const QString chemin = Chemin(QStringLiteral("aile.gbx"));
    QVERIFY(EcrireProjet(chemin, projet));

    DialoguesScript dialogues;
    FenetrePrincipale fenetre(dialogues);
    fenetre.Charger(QString());
    const int tailleHistorique = fenetre.Session().Historique.Taille();
    QVERIFY(fenetre.Fichiers().OuvrirProjet(chemin));
    const SessionEdition& s = fenetre.Session();
    const ControlesFenetre& c = fenetre.Controles();

    QCOMPARE(int(dialogues.messages.size()), messages);
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
    QCOMPARE(fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + chemin);
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
    const QString chemin = Chemin(QStringLiteral("abime.gbx"));
    DonneesProjet abime = Projet(20);
    QVERIFY(EcrireProjet(chemin, abime));
    QVERIFY(RemplacerLigne(chemin, debut, remplacee));
    const QString bon = Chemin(QStringLiteral("bon.gbx"));
    DonneesProjet autre = Projet(30);
    autre.Omega = 150.0f;
    autre.BoutonFleche = 1;
    QVERIFY(EcrireProjet(bon, autre));
    {
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        fenetre.Charger(QString());
        QVERIFY(fenetre.Fichiers().OuvrirProjet(bon));
        const ControlesFenetre& c = fenetre.Controles();
        const SessionEdition& s = fenetre.Session();
        const auto etat = [&] {
            return QStringList{QString::number(s.Profils.NbPointsE()), QString::number(s.Profils.NbPointsS()),
                               QString::number(s.Profils.PointsS[3].X), QString::number(c.hscOmega->value()),
                               QString::number(int(s.Geometrie.Interrupteurs.IndexFleche)), fenetre.windowTitle(),
                               c.lblNomFichier[CoteS]->text(), c.txtCommentaire->toPlainText(),
                               c.txtFleche->text(), QString::number(s.Historique.Taille())};
        };
        const QStringList avant = etat();
        QVERIFY(!fenetre.Fichiers().OuvrirProjet(chemin));
        QVERIFY(dialogues.messages.empty());
        QCOMPARE(etat(), avant);
        QVERIFY(s.ProjetOuvert);
    }
    DialoguesScript dialogues;
    FenetrePrincipale fenetre(dialogues);
    fenetre.Charger(QLatin1Char('"') + chemin + QLatin1Char('"'));
    QVERIFY(dialogues.messages.empty());
    QCOMPARE(fenetre.Session().Profils.NbPointsE(), 0);
    QCOMPARE(fenetre.Session().Profils.NbPointsS(), 0);
    QVERIFY(!fenetre.Session().ProjetOuvert);
    QVERIFY(!fenetre.Controles().cmdSauveProfil[2]->isEnabled());
    QVERIFY(fenetre.Controles().lblNomFichier[CoteE]->text().isEmpty());
    QCOMPARE(fenetre.Controles().hscOmega->value(), 120);
}

void TestProjetFenetre::ligneCommande()
{
    const QString chemin = Chemin(QStringLiteral("depart.gbx"));
    DonneesProjet projet = Projet(20);
    projet.BoutonFleche = 2;
    QVERIFY(EcrireProjet(chemin, projet));
    DialoguesScript dialogues;
    FenetrePrincipale fenetre(dialogues);
    fenetre.Charger(chemin);
    QVERIFY(dialogues.messages.empty());
    QVERIFY(fenetre.Session().ProjetOuvert);
    QCOMPARE(fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + chemin);
    QCOMPARE(fenetre.Session().Profils.NbPointsS(), 39);
    QCOMPARE(int(fenetre.Session().Geometrie.Interrupteurs.IndexFleche), 2);
    // Wire and surface need equal counts.
    QVERIFY(!fenetre.Controles().chkFil->isEnabled());
    QVERIFY(!fenetre.Controles().chkSurface->isEnabled());
    QVERIFY(fenetre.Controles().cmdSauveProfil[0]->isEnabled());
}

// Open, change the comment, quit answering "Oui" and save under another name: the new file
// holds the whole session, and reopening it in a new window finds the work again.
void TestProjetFenetre::sortieAvecSauvegarde()
{
    const QString chemin = Chemin(QStringLiteral("avant.gbx"));
    DonneesProjet projet = Projet();
    projet.BoutonDiedre = 1;
    QVERIFY(EcrireProjet(chemin, projet));
    const QString sortie = Chemin(QStringLiteral("apres.gbx"));
    {
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        fenetre.Charger(chemin);
        fenetre.Controles().txtCommentaire->setPlainText(QStringLiteral("revu"));
        dialogues.reponses = {ReponseMessage::Oui};
        dialogues.fichiers = {ChoixFichier{false, sortie, 1}};
        QVERIFY(fenetre.close());
        QCOMPARE(int(dialogues.demandesEnregistrement.size()), 1);
        QCOMPARE(dialogues.demandesEnregistrement[0].titre, QStringLiteral("Enregistrer le projet ou l'image 3D..."));
    }
    DonneesProjet relu;
    QVERIFY(LireProjet(sortie, relu).Reussie());
    QVERIFY(MemesPoints(relu.Profils.PointsE, projet.Profils.PointsE));
    QCOMPARE(relu.BoutonDiedre, 1);
    QCOMPARE(relu.Commentaire, QStringLiteral("revu"));
    QCOMPARE(relu.Omega, 100.0f);
    QCOMPARE(relu.CoeffZoom, 12.5f);

    DialoguesScript dialogues;
    FenetrePrincipale fenetre(dialogues);
    fenetre.Charger(sortie);
    QVERIFY(fenetre.Session().ProjetOuvert);
    QCOMPARE(fenetre.Controles().txtCommentaire->toPlainText(), QStringLiteral("revu"));
    QCOMPARE(int(fenetre.Session().Geometrie.Interrupteurs.IndexDiedre), 1);
}

GALBIX_GUI_TEST_MAIN(TestProjetFenetre)
#include "tst_projet_fenetre.moc"
