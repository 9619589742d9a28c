// The whole job in the window, as a user does it: open a root and a tip, synchronise them,
// place the tip, edit, hand the wing to the cutting program, save the project, quit, start
// again on the project and find everything as it was left.
#include "common/BancFenetre.h"
#include "common/TestMain.h"

#include "files/Echange.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include <algorithm>

using namespace galbix;
using galbix::tests::BancFenetre;
using galbix::tests::MemesPoints;

namespace {

// Both lists moved so that the root's smallest X and Y are 0.
CoupleProfils Ramene(CoupleProfils p)
{
    CalculerExtremes(p);
    float xmin = p.PointsE.front().X, ymin = p.PointsE.front().Y;
    for (const PointProfil& q : p.PointsE) {
        xmin = std::min(xmin, q.X);
        ymin = std::min(ymin, q.Y);
    }
    for (auto* points : {&p.PointsE, &p.PointsS})
        for (PointProfil& q : *points) {
            q.X -= xmin;
            q.Y -= ymin;
            q.Etat = 0;
        }
    return p;
}

// What the user sees of the work, to find it again after the restart.
struct Travail {
    CoupleProfils profils;
    QStringList textes;
    QStringList boutons;
    int omega = 0;
    int alpha = 0;
    float coeffZoom = 0;
    float xCentre = 0;
    float yCentre = 0;
};

Travail Releve(FenetrePrincipale& f)
{
    const ControlesFenetre& c = f.Controles();
    Travail t;
    t.profils = f.Session().Profils;
    for (QLineEdit* champ : {c.txtCorde[0], c.txtCorde[1], c.txtFleche, c.txtDiedreMm, c.txtDiedreDeg,
                             c.txtEcartementZ})
        t.textes << champ->text();
    t.textes << c.lblNomFichier[0]->text() << c.lblNomFichier[1]->text() << c.txtCommentaire->toPlainText();
    std::vector<QAbstractButton*> interrupteurs = {c.chkAligner};
    interrupteurs.insert(interrupteurs.end(), c.chkFleche.begin(), c.chkFleche.end());
    interrupteurs.insert(interrupteurs.end(), c.chkDiedre.begin(), c.chkDiedre.end());
    for (QAbstractButton* b : interrupteurs)
        if (b->isChecked())
            t.boutons << b->objectName();
    t.omega = c.hscOmega->value();
    t.alpha = c.hscAlpha->value();
    t.coeffZoom = f.Session().Vue.CoeffZoom;
    t.xCentre = f.Session().Vue.XCentreZoom;
    t.yCentre = f.Session().Vue.YCentreZoom;
    return t;
}

} // namespace

class TestParcoursFenetre : public QObject {
    Q_OBJECT

private slots:
    void travailRetrouve_data();
    void travailRetrouve();
};

void TestParcoursFenetre::travailRetrouve_data()
{
    QTest::addColumn<QString>("placement"); // the dihedral switch clicked, if any
    QTest::addColumn<QString>("nomProjet");
    QTest::newRow("intrados") << "chkDiedre_4" << "aile.gbx";
    QTest::newRow("bords d'attaque") << "chkDiedre_1" << "aile d'essai.gbx";
    QTest::newRow("sans interrupteur") << "" << "aile.gbx";
}

void TestParcoursFenetre::travailRetrouve()
{
    QFETCH(QString, placement);
    QFETCH(QString, nomProjet);
    auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
    QVERIFY(tests::EcrireNaca(dossier->filePath("racine.dat"), "2412", 40));
    QVERIFY(tests::EcrireNaca(dossier->filePath("saumon.dat"), "0012", 25));
    const QString projet = dossier->filePath(nomProjet);
    Travail avant;
    {
        BancFenetre b(true, QString(), dossier);
        FenetrePrincipale& fenetre = b.fenetre;
        DialoguesScript& dialogues = b.dialogues;
        const ControlesFenetre& c = b.C();
        dialogues.fichiers = {{false, b.Fichier("racine.dat"), 1}, {false, b.Fichier("saumon.dat"), 1}};
        QTest::mouseClick(c.cmdOuvrirProfil[CoteE], Qt::LeftButton);
        QTest::mouseClick(c.cmdOuvrirProfil[CoteS], Qt::LeftButton);
        QCOMPARE(c.lblNomFichier[CoteS]->text(), QStringLiteral("saumon.dat"));
        QTest::mouseClick(c.cmdSynchroOptimale, Qt::LeftButton);
        QCOMPARE(fenetre.Session().Profils.NbPointsE(), fenetre.Session().Profils.NbPointsS());

        // Edit: chords, spacing, sweep, dihedral height, then the placing switch and a comment.
        b.Entrer(QStringLiteral("txtCorde_0"), QStringLiteral("200"));
        b.Entrer(QStringLiteral("txtCorde_1"), QStringLiteral("150"));
        b.Entrer(QStringLiteral("txtEcartementZ"), QStringLiteral("600"));
        b.Entrer(QStringLiteral("txtFleche"), QStringLiteral("20"));
        b.Entrer(QStringLiteral("txtDiedreMm"), QStringLiteral("12"));
        if (!placement.isEmpty())
            QTest::mouseClick(fenetre.findChild<QAbstractButton*>(placement), Qt::LeftButton);
        c.chkVoirCommentaires->setChecked(true);
        c.txtCommentaire->setPlainText(QStringLiteral("Polystyrène 20 kg, fil à 4 A\r\ncouper lentement"));
        QVERIFY(std::abs(fenetre.Session().Profils.LargeurS - 150.0f) < 0.01f);
        QVERIFY(std::abs(fenetre.Session().Profils.EcartementZ - 600.0f) < 0.01f);

        // Hand over to the cutting program: the pair imports back to the same wing.
        QTest::mouseClick(c.cmdTransfertKerfex, Qt::LeftButton);
        CoupleProfils importe;
        QCOMPARE(ImporterEchange(b.dossier->path(), importe).Issue, IssueImport::Importe);
        const CoupleProfils attendu = Ramene(fenetre.Session().Profils);
        QVERIFY(MemesPoints(importe.PointsE, attendu.PointsE, 0.01f, false));
        QVERIFY(MemesPoints(importe.PointsS, attendu.PointsS, 0.01f, false));
        QCOMPARE(importe.EcartementZ, 600.0f);

        // Save the project, then quit without saving again.
        dialogues.fichiers = {{false, projet, 1}};
        QTest::mouseClick(c.cmdSauveProfil[2], Qt::LeftButton);
        QVERIFY(QFile::exists(projet));
        QCOMPARE(fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + projet);
        avant = Releve(fenetre);
        QVERIFY(avant.profils.NbPointsE() > 40);
        if (!placement.isEmpty())
            QCOMPARE(avant.boutons, QStringList{placement});
        dialogues.reponses = {ReponseMessage::Non};
        QVERIFY(fenetre.close());
        QCOMPARE(dialogues.questionsSansReponse, 0);
    }

    // Restart with the project on the command line.
    BancFenetre b(true, projet, dossier);
    FenetrePrincipale& fenetre = b.fenetre;
    QVERIFY(b.dialogues.messages.empty());
    QVERIFY(fenetre.Session().ProjetOuvert);
    QCOMPARE(fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + projet);
    const Travail apres = Releve(fenetre);
    QVERIFY(MemesPoints(apres.profils.PointsE, avant.profils.PointsE, 1e-4f, true));
    QVERIFY(MemesPoints(apres.profils.PointsS, avant.profils.PointsS, 1e-4f, true));
    QCOMPARE(apres.profils.EcartementZ, avant.profils.EcartementZ);
    QCOMPARE(apres.textes, avant.textes);
    QCOMPARE(apres.boutons, avant.boutons);
    QCOMPARE(apres.omega, avant.omega);
    QCOMPARE(apres.alpha, avant.alpha);
    QVERIFY(std::abs(apres.coeffZoom - avant.coeffZoom) <= 2e-6f * std::max(1.0f, avant.coeffZoom));
    QVERIFY(std::abs(apres.xCentre - avant.xCentre) < 1e-4f);
    QVERIFY(std::abs(apres.yCentre - avant.yCentre) < 1e-4f);
    QVERIFY(fenetre.Controles().txtCommentaire->isVisible() || !fenetre.isVisible());
    QVERIFY(fenetre.Controles().chkVoirCommentaires->isChecked());
    QVERIFY(fenetre.Controles().chkFil->isEnabled());
}

GALBIX_GUI_TEST_MAIN(TestParcoursFenetre)
#include "tst_fichiers_fenetre_parcours.moc"
