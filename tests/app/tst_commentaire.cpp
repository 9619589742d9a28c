// The comment box of the main window: the 256-character cap on typing and pasting, the white
// background while editing, showing and hiding with "Bla - bla", and the comment's round trip
// through a project file.
#include "common/BancFenetre.h"
#include "common/TestMain.h"

#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QtTest>

using namespace galbix;
using galbix::tests::BancFenetre;

class TestCommentaire : public QObject {
    Q_OBJECT

private slots:
    void saisie_data();
    void saisie();
    void couleurs();
    void montrerCacher();
    void allerRetourProjet_data();
    void allerRetourProjet();
};

// Typing and pasting against the cap; a line break is stored as CR LF, so that it counts as
// two characters.
void TestCommentaire::saisie_data()
{
    QTest::addColumn<QString>("avant");
    QTest::addColumn<int>("position"); // of the caret; -1: at the end
    QTest::addColumn<int>("touche");   // 0: paste `colle` instead
    QTest::addColumn<QString>("colle");
    QTest::addColumn<QString>("apres");
    const auto a = [](int n) { return QString(n, QLatin1Char('a')); };
    QString chiffres;
    for (int i = 0; i < 300; ++i)
        chiffres += QChar(u'0' + i % 10);
    const int x = Qt::Key_X, entree = Qt::Key_Return;
    QTest::newRow("255 + x") << a(255) << 254 << x << QString() << a(254) + "xa";
    QTest::newRow("256 + x ignored") << a(256) << 255 << x << QString() << a(256);
    QTest::newRow("256 + space ignored") << a(256) << 255 << int(Qt::Key_Space) << QString() << a(256);
    QTest::newRow("256 + Enter ignored") << a(256) << 255 << entree << QString() << a(256);
    QTest::newRow("256 + Backspace ignored") << a(256) << 255 << int(Qt::Key_Backspace) << QString() << a(256);
    QTest::newRow("255 + Backspace") << a(255) << 254 << int(Qt::Key_Backspace) << QString() << a(254);
    QTest::newRow("256 + Delete erases") << a(256) << 255 << int(Qt::Key_Delete) << QString() << a(255);
    QTest::newRow("empty + Enter") << QString() << -1 << entree << QString() << "\n";
    QTest::newRow("254 + break: x ignored") << a(254) + "\n" << -1 << x << QString() << a(254) + "\n";
    QTest::newRow("253 + break: x accepted") << a(253) + "\n" << -1 << x << QString() << a(253) + "\nx";
    QTest::newRow("255 + Enter: no room for the break") << a(255) << -1 << entree << QString() << a(255);
    QTest::newRow("254 + Enter") << a(254) << -1 << entree << QString() << a(254) + "\n";
    QTest::newRow("300 pasted into an empty box") << QString() << -1 << 0 << chiffres << chiffres.left(256);
    QTest::newRow("20 pasted into 250") << a(250) << -1 << 0 << chiffres.left(20) << a(250) + chiffres.left(6);
    QTest::newRow("5 pasted into 250") << a(250) << -1 << 0 << chiffres.left(5) << a(250) + chiffres.left(5);
    QTest::newRow("lines pasted") << QString() << -1 << 0 << QString("a\n").repeated(100)
                                  << QString("a\n").repeated(85) + "a";
}

void TestCommentaire::saisie()
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

void TestCommentaire::couleurs()
{
    BancFenetre banc;
    FenetrePrincipale& fenetre = banc.fenetre;
    fenetre.Controles().chkVoirCommentaires->setChecked(true);
    QVERIFY(banc.Montrer());
    QPlainTextEdit* boite = fenetre.Controles().txtCommentaire;
    const QColor face = boite->palette().color(QPalette::Button);
    QCOMPARE(boite->palette().color(QPalette::Base), face);
    QTest::mouseClick(boite->viewport(), Qt::LeftButton);
    QCOMPARE(boite->palette().color(QPalette::Base), QColor(255, 255, 255));
    banc.Quitter(boite);
    QCOMPARE(boite->palette().color(QPalette::Base), face);
}

void TestCommentaire::montrerCacher()
{
    BancFenetre banc;
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

GALBIX_GUI_TEST_MAIN(TestCommentaire)
#include "tst_commentaire.moc"
