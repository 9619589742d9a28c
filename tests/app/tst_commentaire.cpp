// The comment box of the main window: the 256-character cap on typing and pasting, the white
// background while editing, showing and hiding with "Bla - bla", and the comment's round trip
// through a project file.
#include "common/BancFenetre.h"
#include "common/DialoguesScript.h"
#include "common/DossierProgrammeTemporaire.h"
#include "common/TestMain.h"

#include "app/DossierProgramme.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteFichiers.h"
#include "files/Projet.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace galbix;

class TestCommentaire : public QObject {
    Q_OBJECT

    std::unique_ptr<galbix::tests::DossierProgrammeTemporaire> m_dossier;

private slots:
    void init()
    {
        m_dossier = std::make_unique<galbix::tests::DossierProgrammeTemporaire>();
    }
    void cleanup()
    {
        m_dossier.reset();
    }

    void frappe_data();
    void frappe();
    void collerCoupe_data();
    void collerCoupe();
    void sautsDeLigne_data();
    void sautsDeLigne();
    void couleurs();
    void montrerCacher();
    void allerRetourProjet_data();
    void allerRetourProjet();
};

void TestCommentaire::frappe_data()
{
    QTest::addColumn<int>("longueur"); // characters before the key
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("apres");    // characters after it
    QTest::newRow("255 + x") << 255 << int(Qt::Key_X) << 256;
    QTest::newRow("256 + x ignored") << 256 << int(Qt::Key_X) << 256;
    QTest::newRow("256 + space ignored") << 256 << int(Qt::Key_Space) << 256;
    QTest::newRow("256 + Enter ignored") << 256 << int(Qt::Key_Return) << 256;
    QTest::newRow("256 + Backspace ignored") << 256 << int(Qt::Key_Backspace) << 256;
    QTest::newRow("255 + Backspace") << 255 << int(Qt::Key_Backspace) << 254;
    QTest::newRow("256 + Delete erases") << 256 << int(Qt::Key_Delete) << 255;
    QTest::newRow("empty + Enter") << 0 << int(Qt::Key_Return) << 1;
}

// The caret stands before the last character, so that Delete has something to erase.
void TestCommentaire::frappe()
{
    QFETCH(int, longueur);
    QFETCH(int, touche);
    QFETCH(int, apres);
    tests::BancFenetre banc;
    FenetrePrincipale& fenetre = banc.fenetre;
    fenetre.ActiverCommandes();
    QPlainTextEdit* boite = fenetre.Controles().txtCommentaire;
    boite->setPlainText(QString(longueur, QLatin1Char('a')));
    QTextCursor curseur = boite->textCursor();
    curseur.setPosition(std::max(0, longueur - 1));
    boite->setTextCursor(curseur);
    QTest::keyClick(boite, Qt::Key(touche));
    QCOMPARE(int(boite->toPlainText().size()), apres);
}

void TestCommentaire::collerCoupe_data()
{
    QTest::addColumn<int>("avant");
    QTest::addColumn<int>("colle");
    QTest::addColumn<int>("apres");
    QTest::newRow("300 into an empty box") << 0 << 300 << 256;
    QTest::newRow("20 into 250") << 250 << 20 << 256;
    QTest::newRow("5 into 250") << 250 << 5 << 255;
}

void TestCommentaire::collerCoupe()
{
    QFETCH(int, avant);
    QFETCH(int, colle);
    QFETCH(int, apres);
    tests::BancFenetre banc;
    FenetrePrincipale& fenetre = banc.fenetre;
    QPlainTextEdit* boite = fenetre.Controles().txtCommentaire;
    boite->setPlainText(QString(avant, QLatin1Char('a')));
    boite->moveCursor(QTextCursor::End);
    QString texte;
    for (int i = 0; i < colle; ++i)
        texte += QChar(u'0' + i % 10);
    QGuiApplication::clipboard()->setText(texte);
    if (QGuiApplication::clipboard()->text() != texte)
        QSKIP("no clipboard on this platform");
    boite->paste();
    QCOMPARE(boite->toPlainText(), (QString(avant, QLatin1Char('a')) + texte).left(apres));
    QCOMPARE(boite->textCursor().position(), apres);
}

// A line break is stored as CR LF: it counts as two characters towards the cap.
void TestCommentaire::sautsDeLigne_data()
{
    QTest::addColumn<QString>("avant");
    QTest::addColumn<int>("touche");  // key typed at the end, 0: paste instead
    QTest::addColumn<QString>("colle");
    QTest::addColumn<QString>("apres");
    const QString a254 = QString(254, QLatin1Char('a')), a255 = QString(255, QLatin1Char('a'));
    QTest::newRow("254 + saut: x ignoré") << a254 + "\n" << int(Qt::Key_X) << QString() << a254 + "\n";
    QTest::newRow("253 + saut: x accepté") << a254.left(253) + "\n" << int(Qt::Key_X) << QString()
                                           << a254.left(253) + "\nx";
    QTest::newRow("255 + Entrée: le saut ne tient pas") << a255 << int(Qt::Key_Return) << QString() << a255;
    QTest::newRow("254 + Entrée") << a254 << int(Qt::Key_Return) << QString() << a254 + "\n";
    QTest::newRow("collage de lignes") << QString() << 0 << QString("a\n").repeated(100)
                                       << QString("a\n").repeated(85) + "a";
}

void TestCommentaire::sautsDeLigne()
{
    QFETCH(QString, avant);
    QFETCH(int, touche);
    QFETCH(QString, colle);
    QFETCH(QString, apres);
    tests::BancFenetre banc;
    FenetrePrincipale& fenetre = banc.fenetre;
    fenetre.ActiverCommandes();
    QPlainTextEdit* boite = fenetre.Controles().txtCommentaire;
    boite->setPlainText(avant);
    boite->moveCursor(QTextCursor::End);
    if (touche) {
        QTest::keyClick(boite, Qt::Key(touche));
    } else {
        QGuiApplication::clipboard()->setText(colle);
        if (QGuiApplication::clipboard()->text() != colle)
            QSKIP("no clipboard on this platform");
        boite->paste();
    }
    QCOMPARE(boite->toPlainText(), apres);
}

void TestCommentaire::couleurs()
{
    tests::BancFenetre banc;
    FenetrePrincipale& fenetre = banc.fenetre;
    fenetre.Controles().chkVoirCommentaires->setChecked(true);
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
    QPlainTextEdit* boite = fenetre.Controles().txtCommentaire;
    const QColor face = boite->palette().color(QPalette::Button);
    QCOMPARE(boite->palette().color(QPalette::Base), face);
    QTest::mouseClick(boite->viewport(), Qt::LeftButton);
    QCOMPARE(boite->palette().color(QPalette::Base), QColor(255, 255, 255));
    QFocusEvent sortie(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(boite, &sortie);
    QCOMPARE(boite->palette().color(QPalette::Base), face);
}

void TestCommentaire::montrerCacher()
{
    tests::BancFenetre banc;
    FenetrePrincipale& fenetre = banc.fenetre;
    const ControlesFenetre& c = fenetre.Controles();
    c.txtCommentaire->setPlainText(QStringLiteral("gardé"));
    for (bool coche : {true, false, true}) {
        c.chkVoirCommentaires->setChecked(coche);
        QCOMPARE(c.txtCommentaire->isHidden(), !coche);
        QCOMPARE(c.txtTitreCommentaire->isHidden(), !coche);
        QCOMPARE(c.txtCommentaire->toPlainText(), QStringLiteral("gardé"));
    }
}

void TestCommentaire::allerRetourProjet_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("relu");
    QTest::newRow("lines") << "ligne 1\nligne 2" << "ligne 1\nligne 2";
    QTest::newRow("semicolon becomes a line break") << "a;b" << "a\nb";
    QTest::newRow("cut at 254 in the file") << QString(256, QLatin1Char('z')) << QString(254, QLatin1Char('z'));
}

// Saved as a project and reopened in a new window, the comment comes back in a shown box; an
// empty comment leaves the box as it was.
void TestCommentaire::allerRetourProjet()
{
    QFETCH(QString, tape);
    QFETCH(QString, relu);
    DonneesProjet petit;
    petit.Profils.PointsE = {{0, 0, 0}, {100, 0, 0}};
    petit.Profils.PointsS = {{0, 0, 0}, {80, 5, 0}};
    const QString sansCommentaire = m_dossier->filePath(QStringLiteral("vide.gbx"));
    QVERIFY(EcrireProjet(sansCommentaire, petit));
    const QString chemin = m_dossier->filePath(QStringLiteral("c.gbx"));
    {
        DialoguesScript dialogues;
        FenetrePrincipale fenetre(dialogues);
        fenetre.Charger(sansCommentaire);
        fenetre.Controles().txtCommentaire->setPlainText(tape);
        dialogues.fichiers = {ChoixFichier{false, chemin, 1}};
        fenetre.Fichiers().SauverProfil(2);
    }

    tests::BancFenetre banc;
    FenetrePrincipale& fenetre = banc.fenetre;
    QVERIFY(fenetre.Fichiers().OuvrirProjet(chemin));
    QCOMPARE(fenetre.Controles().txtCommentaire->toPlainText(), relu);
    QVERIFY(fenetre.Controles().chkVoirCommentaires->isChecked());

    fenetre.Controles().chkVoirCommentaires->setChecked(false);
    QVERIFY(fenetre.Fichiers().OuvrirProjet(sansCommentaire));
    QCOMPARE(fenetre.Controles().txtCommentaire->toPlainText(), relu);
    QVERIFY(!fenetre.Controles().chkVoirCommentaires->isChecked());
}

GALBIX_GUI_TEST_MAIN(TestCommentaire)
#include "tst_commentaire.moc"
