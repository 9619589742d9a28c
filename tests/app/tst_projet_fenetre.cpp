// Project files in the main window: opening restores the points, the switches (replayed as
// clicks), the view and the comment; a reading that stops keeps what came before without a
// message, and one named on the command line leaves the window as it started.
// The comment box: the 256-character cap on typing and pasting, the white background while
// editing, and the comment's round trip through a project file.
#include "common/Colonnes.h"
#include "common/BancFenetre.h"
#include "common/TestMain.h"

#include "view/GeometrieAile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <tuple>

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
            points->Modifier()[i].Etat = int16_t(i % 8);
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
    void ouvrir_data()
    {
        // referencesE: the root keeps reference points
        tests::Colonnes<int, int, bool, int, int, bool, bool, int>(
            "fleche", "diedre", "aligner", "flecheAttendue", "diedreAttendu", "alignerAttendu", "referencesE",
            "messages");
        QTest::newRow("trailing edges, no dihedral") << 2 << -1 << false << 2 << -1 << false << true << 0;
        QTest::newRow("dihedral alone") << -1 << 3 << false << -1 << 3 << false << true << 0;
        QTest::newRow("sweep then dihedral") << 0 << 4 << false << 0 << 4 << false << true << 0;
        QTest::newRow("sweep releases the alignment") << 1 << -1 << true << 1 << -1 << false << true << 0;
        QTest::newRow("alignment") << -1 << -1 << true << -1 << -1 << true << true << 0;
        QTest::newRow("alignment without references") << -1 << -1 << true << -1 << -1 << false << false << 1;
        QTest::newRow("none") << -1 << -1 << false << -1 << -1 << false << true << 0;
    }

    void ouvrir()
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
            for (PointProfil& p : projet.Profils.PointsE.Modifier())
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
        QCOMPARE((std::tuple{int(i.IndexFleche), int(i.IndexDiedre), i.Aligner}),
                 (std::tuple{flecheAttendue, diedreAttendu, alignerAttendu}));
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
        QCOMPARE((QStringList{c.lblNomFichier[CoteE]->text(), c.lblNomFichier[CoteS]->text(), c.txtCorde[CoteE]->text(),
                              c.txtCorde[CoteS]->text(), c.txtEcartementZ->text(), c.txtCommentaire->toPlainText()}),
                 (QStringList{"racine.dat", "bout.dxf", "200.0", "150.0", "600.0", "Aile 2412\nsaumon\n fin"}));
        QCOMPARE((std::array{c.hscOmega->value(), c.hscAlpha->value(), int(s.Vue.Omega), int(s.Vue.Alpha)}),
                 (std::array{100, 200, 100, 200}));
        QCOMPARE((std::array{s.Vue.CoeffZoom, s.Vue.XCentreZoom, s.Vue.YCentreZoom}), (std::array{12.5f, 98.25f, -3.5f}));
        QVERIFY(c.chkVoirCommentaires->isChecked() && !c.txtCommentaire->isHidden() && s.ProjetOuvert);
        QCOMPARE(b.fenetre.windowTitle(), QStringLiteral("Profils Galbix - ") + b.Fichier(QStringLiteral("aile.gbx")));
        QVERIFY(c.cmdSauveProfil[2]->isEnabled() && c.chkFil->isEnabled());
    }

    void lectureInterrompue_data()
    {
        // debut: line changed in the file; remplacee: its new text; empty: removed
        tests::Colonnes<QByteArray, QByteArray>("debut", "remplacee");
        QTest::newRow("root point missing") << QByteArray("5=") << QByteArray();
        QTest::newRow("tip count beyond its keys") << QByteArray("NombrePoints=39") << QByteArray("NombrePoints=45");
        QTest::newRow("omega out of range") << QByteArray("Omega=") << QByteArray("Omega=360.000000");
        QTest::newRow("alpha rounds to 0") << QByteArray("Alpha=") << QByteArray("Alpha=0.4");
    }

    // The open command ends silently at the fault and the window keeps the project it had; at
    // start-up the same file leaves the window exactly as it started.
    void lectureInterrompue()
    {
        QFETCH(QByteArray, debut);
        QFETCH(QByteArray, remplacee);
        auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
        const QString chemin = dossier->filePath(QStringLiteral("abime.gbx"));
        DonneesProjet abime = Projet(20);
        QVERIFY(EcrireProjet(chemin, abime) && RemplacerLigne(chemin, debut, remplacee));
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
            QVERIFY(!b.fenetre.Fichiers().OuvrirProjet(chemin) && b.dialogues.messages.empty());
            QCOMPARE(etat(), avant);
            QVERIFY(s.ProjetOuvert);
        }
        BancFenetre b(true, QLatin1Char('"') + chemin + QLatin1Char('"'), dossier);
        QVERIFY(b.dialogues.messages.empty());
        QVERIFY(b.Profils().PointsE.empty() && b.Profils().PointsS.empty() && !b.S().ProjetOuvert);
        QVERIFY(!b.C().cmdSauveProfil[2]->isEnabled() && b.C().lblNomFichier[CoteE]->text().isEmpty());
        QCOMPARE(b.C().hscOmega->value(), 120);
    }

    // Typing and pasting against the cap; a line break is stored as CR LF, so that it counts as
    // two characters.
    void saisie_data()
    {
        // position: of the caret; -1: at the end; touche: 0: paste `colle` instead
        tests::Colonnes<QString, int, int, QString, QString>("avant", "position", "touche", "colle", "apres");
        const auto a = [](int n) { return QString(n, QLatin1Char('a')); };
        QString chiffres;
        for (int i = 0; i < 300; ++i)
            chiffres += QChar(u'0' + i % 10);
        const int x = Qt::Key_X, entree = Qt::Key_Return;
        QTest::newRow("255 + x") << a(255) << 254 << x << QString() << a(254) + "xa";
        QTest::newRow("256 + x ignored") << a(256) << 255 << x << QString() << a(256);
        QTest::newRow("256 + Backspace ignored") << a(256) << 255 << int(Qt::Key_Backspace) << QString() << a(256);
        QTest::newRow("256 + Delete erases") << a(256) << 255 << int(Qt::Key_Delete) << QString() << a(255);
        QTest::newRow("empty + Enter") << QString() << -1 << entree << QString() << "\n";
        QTest::newRow("254 + break: x ignored") << a(254) + "\n" << -1 << x << QString() << a(254) + "\n";
        QTest::newRow("253 + break: x accepted") << a(253) + "\n" << -1 << x << QString() << a(253) + "\nx";
        QTest::newRow("255 + Enter: no room for the break") << a(255) << -1 << entree << QString() << a(255);
        QTest::newRow("300 pasted into an empty box") << QString() << -1 << 0 << chiffres << chiffres.left(256);
        QTest::newRow("20 pasted into 250") << a(250) << -1 << 0 << chiffres.left(20) << a(250) + chiffres.left(6);
        QTest::newRow("lines pasted") << QString() << -1 << 0 << QString("a\n").repeated(100)
                                      << QString("a\n").repeated(85) + "a";
    }

    void saisie()
    {
        QFETCH(QString, avant);
        QFETCH(int, position);
        QFETCH(int, touche);
        QFETCH(QString, colle);
        QFETCH(QString, apres);
        BancFenetre banc;
        banc.fenetre.ActiverCommandes();
        QPlainTextEdit* boite = banc.C().txtCommentaire;
        boite->setPlainText(avant);
        QTextCursor curseur = boite->textCursor();
        curseur.setPosition(position < 0 ? int(avant.size()) : position);
        boite->setTextCursor(curseur);
        if (touche) {
            QTest::keyClick(boite, Qt::Key(touche));
        } else {
            QGuiApplication::clipboard()->setText(colle);
            if (QGuiApplication::clipboard()->text() != colle)
                QSKIP("no clipboard on this platform");
            boite->paste();
            QCOMPARE(boite->textCursor().position(), int(apres.size()));
        }
        QCOMPARE(boite->toPlainText(), apres);
    }

    void allerRetourProjet_data()
    {
        tests::Colonnes<QString, QString>("tape", "relu");
        QTest::newRow("lines") << "ligne 1\nligne 2" << "ligne 1\nligne 2";
        QTest::newRow("semicolon becomes a line break") << "a;b" << "a\nb";
        QTest::newRow("cut at 254 in the file") << QString(256, QLatin1Char('z')) << QString(254, QLatin1Char('z'));
    }

    // Saved as a project and reopened in a new window, the comment comes back in a shown box; an
    // empty comment leaves the box as it was.
    void allerRetourProjet()
    {
        QFETCH(QString, tape);
        QFETCH(QString, relu);
        DonneesProjet petit;
        petit.Profils.PointsE = {{0, 0, 0}, {100, 0, 0}};
        petit.Profils.PointsS = {{0, 0, 0}, {80, 5, 0}};
        auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
        const QString sansCommentaire = dossier->filePath(QStringLiteral("vide.gbx"));
        QVERIFY(EcrireProjet(sansCommentaire, petit));
        const QString chemin = dossier->filePath(QStringLiteral("c.gbx"));
        {
            BancFenetre premier(true, sansCommentaire, dossier);
            premier.C().txtCommentaire->setPlainText(tape);
            premier.dialogues.fichiers = {ChoixFichier{false, chemin, 1}};
            premier.fenetre.Fichiers().SauverProfil(2);
        }

        BancFenetre banc(true, QString(), dossier);
        FenetrePrincipale& fenetre = banc.fenetre;
        QVERIFY(fenetre.Fichiers().OuvrirProjet(chemin));
        QCOMPARE(fenetre.Controles().txtCommentaire->toPlainText(), relu);
        QVERIFY(fenetre.Controles().chkVoirCommentaires->isChecked());

        fenetre.Controles().chkVoirCommentaires->setChecked(false);
        QVERIFY(fenetre.Fichiers().OuvrirProjet(sansCommentaire));
        QCOMPARE(fenetre.Controles().txtCommentaire->toPlainText(), relu);
        QVERIFY(!fenetre.Controles().chkVoirCommentaires->isChecked());
    }
};

GALBIX_GUI_TEST_MAIN(TestProjetFenetre)
#include "tst_projet_fenetre.moc"
