// Project files in the main window: opening restores the points, the switches (replayed as
// clicks), the view and the comment; a reading that stops keeps what came before without a
// message, and one named on the command line leaves the window as it started.
// The comment box: the 256-character cap on typing and pasting, the white background while
// editing, and the comment's round trip through a project file.
#include "common/BancFenetre.h"
#include "common/Projets.h"

#include "view/GeometrieAile.h"

#include <array>
#include <tuple>

using namespace galbix;
using namespace galbix::tests;

namespace {

// A root of chord 200 and a tip of chord 150 whose trailing edges are aligned and which
// sits 10 mm higher; the trailing edges are reference points, a few points are selected
// or synchronisation points, so that every state combination occurs.
DonneesProjet ProjetEssaiFenetre(int nS = 25)
{
    DonneesProjet projet = AileNaca(25, 600.0f, 50.0, 10.0, nS);
    for (auto* points : {&projet.Profils.PointsE, &projet.Profils.PointsS})
        for (size_t i = 0; i < points->size(); ++i) points->Modifier()[i].Etat = int16_t(i % 8);
    CalculerExtremes(projet.Profils);
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

// The file with the first line that starts with `debut` replaced (or removed when `nouvelle` is empty).
bool RemplacerLigneProjet(const QString& chemin, const QByteArray& debut, const QByteArray& nouvelle)
{
    QList<QByteArray> lignes = tests::LireOctets(chemin).split('\n');
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        if (!lignes[i].startsWith(debut)) continue;
        if (nouvelle.isEmpty())
            lignes.removeAt(i);
        else
            lignes[i] = lignes[i].endsWith('\r') ? nouvelle + '\r' : nouvelle;
        return tests::EcrireOctets(chemin, lignes.join('\n'));
    }
    return false;
}

} // namespace

class TestProjetFenetre : public QObject {
    Q_OBJECT

private slots:
    void ouvrir_data()
    {
        // referencesE: the root keeps reference points (else one message says so)
        tests::Colonnes<int, int, bool, bool, bool>("fleche", "diedre", "aligner", "alignerAttendu", "referencesE");
        QTest::newRow("trailing edges, no dihedral") << 2 << -1 << false << false << true;
        QTest::newRow("dihedral alone") << -1 << 3 << false << false << true;
        QTest::newRow("sweep then dihedral") << 0 << 4 << false << false << true;
        QTest::newRow("sweep releases the alignment") << 1 << -1 << true << false << true;
        QTest::newRow("alignment") << -1 << -1 << true << true << true;
        QTest::newRow("alignment without references") << -1 << -1 << true << false << false;
        QTest::newRow("none") << -1 << -1 << false << false << true;
    }

    void ouvrir()
    {
        QFETCH(int, fleche); QFETCH(int, diedre); QFETCH(bool, aligner); QFETCH(bool, alignerAttendu);
        QFETCH(bool, referencesE);
        DonneesProjet projet = ProjetEssaiFenetre();
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

        QCOMPARE(int(b.dialogues.messages.size()), referencesE ? 0 : 1);
        const InterrupteursGeometrie i = s.Geometrie.Interrupteurs;
        QCOMPARE((std::tuple{int(i.IndexFleche), int(i.IndexDiedre), i.Aligner}), (std::tuple{fleche, diedre, alignerAttendu}));
        for (int b = 0; b < projet::NbBoutonsFleche; ++b) QCOMPARE(c.chkFleche[size_t(b)]->isChecked(), b == fleche);
        for (int b = 0; b < projet::NbBoutonsDiedre; ++b) QCOMPARE(c.chkDiedre[size_t(b)]->isChecked(), b == diedre);
        QCOMPARE(c.chkAligner->isChecked(), alignerAttendu);
        QCOMPARE(s.Historique.Taille(), tailleHistorique);
        // The file was written with the tip placed as its switches say: replaying them moves nothing.
        QVERIFY(MemesPoints(s.Profils.PointsE, projet.Profils.PointsE));
        if (!aligner) QVERIFY(MemesPoints(s.Profils.PointsS, projet.Profils.PointsS));
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
        QFETCH(QByteArray, debut); QFETCH(QByteArray, remplacee);
        auto dossier = std::make_shared<tests::DossierProgrammeTemporaire>();
        const QString chemin = dossier->filePath(QStringLiteral("abime.gbx"));
        DonneesProjet abime = ProjetEssaiFenetre(20);
        QVERIFY(EcrireProjet(chemin, abime) && RemplacerLigneProjet(chemin, debut, remplacee));
        DonneesProjet autre = ProjetEssaiFenetre(30);
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
        QVERIFY(b.dialogues.messages.empty() && b.Profils().PointsE.empty() && b.Profils().PointsS.empty());
        QVERIFY(!b.S().ProjetOuvert);
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
        for (int i = 0; i < 300; ++i) chiffres += QChar(u'0' + i % 10);
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
        QFETCH(QString, avant); QFETCH(int, position); QFETCH(int, touche); QFETCH(QString, colle);
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
            if (QGuiApplication::clipboard()->text() != colle) QSKIP("no clipboard on this platform");
            boite->paste();
            QCOMPARE(boite->textCursor().position(), int(apres.size()));
        }
        QCOMPARE(boite->toPlainText(), apres);
    }

    // Saved as a project and reopened in a new window, the comment comes back in a shown box; an
    // empty comment leaves the box as it was.
    void allerRetourProjet()
    {
        const std::pair<QString, QString> commentaires[] = {{"ligne 1\nligne 2", "ligne 1\nligne 2"},
            {"a;b", "a\nb"}, {QString(256, u'z'), QString(254, u'z')}}; // a semicolon ends a line; cut at 254
        for (const auto& [tape, relu] : commentaires) {
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
            QVERIFY(banc.fenetre.Fichiers().OuvrirProjet(chemin));
            QVERIFY(banc.C().txtCommentaire->toPlainText() == relu && banc.C().chkVoirCommentaires->isChecked());
            banc.C().chkVoirCommentaires->setChecked(false);
            QVERIFY(banc.fenetre.Fichiers().OuvrirProjet(sansCommentaire));
            QVERIFY(banc.C().txtCommentaire->toPlainText() == relu && !banc.C().chkVoirCommentaires->isChecked());
        }
    }
};

GALBIX_GUI_TEST_MAIN(TestProjetFenetre)
#include "tst_projet_fenetre.moc"
