// The help window: F1 and the "?" button open the bundled manual at the section of the window
// and frame they come from; the manual's links, pictures and anchors all resolve; search works
// across pages. Also the about box.
#include "common/BancFenetre.h"

#include "app/FenetreAPropos.h"
#include "geomlib/Tranchex.h"
#include "view/ui/FenetreAide.h"

#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTextBrowser>

using namespace galbix;

namespace {

QString Ressource(const QString& fichier)
{
    QFile f(QStringLiteral(":/manuel/") + fichier);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList Ancres(const QString& html)
{
    static const QRegularExpression ancre(QStringLiteral("<a name=\"([^\"]+)\""));
    QStringList noms;
    for (auto it = ancre.globalMatch(html); it.hasNext();) noms << it.next().captured(1);
    return noms;
}

QList<FenetreAide*> FenetresAide()
{
    QList<FenetreAide*> fenetres;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* aide = qobject_cast<FenetreAide*>(w)) fenetres << aide;
    return fenetres;
}

QString PageEtAncre(const QUrl& adresse)
{ return adresse.hasFragment() ? adresse.fileName() + u'#' + adresse.fragment() : adresse.fileName(); }

} // namespace

class TestAide : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(FenetresAide()); }

    void ouverture_data()
    {
        tests::Colonnes<QString, QString>("geste", "attendu");
        QTest::newRow("F1 sur la fenêtre") << "F1" << "fenetre-principale.html";
        QTest::newRow("bouton ?") << "bouton" << "fenetre-principale.html";
        QTest::newRow("F1 dans le champ Etirer") << "F1 txtEtirer" << "fenetre-principale.html#frmEtirer";
        QTest::newRow("fenêtre de séquences") << "sequences" << "sequences.html";
    }
    void ouverture()
    {
        QFETCH(QString, geste); QFETCH(QString, attendu);
        tests::BancFenetre b;
        b.fenetre.ActiverCommandes();
        b.fenetre.show();
        QDialog sequences(&b.fenetre);
        if (geste == QLatin1String("F1")) {
            QTest::keyClick(&b.fenetre, Qt::Key_F1);
        } else if (geste == QLatin1String("bouton")) {
            b.C().cmdAide->click();
        } else if (geste == QLatin1String("sequences")) {
            sequences.show();
            OuvrirAide(&sequences, SectionAideSequences);
        } else {
            b.C().txtEtirer[0]->setFocus();
            QCOMPARE(b.fenetre.focusWidget(), b.C().txtEtirer[0]);
            QTest::keyClick(b.C().txtEtirer[0], Qt::Key_F1);
        }
        const QList<FenetreAide*> fenetres = FenetresAide();
        QCOMPARE(fenetres.size(), qsizetype(1));
        FenetreAide* aide = fenetres.constFirst();
        QVERIFY(aide->isVisible() && aide->windowTitle() == QStringLiteral("Aide de Galbix"));
        QCOMPARE(PageEtAncre(aide->Adresse()), attendu);
        const auto* texte = aide->findChild<QTextBrowser*>(QStringLiteral("txtAide"));
        QVERIFY2(texte->toPlainText().size() > 500, "the page is shown, not an empty browser");
        QCOMPARE(aide->parentWidget(), geste == QLatin1String("sequences") ? static_cast<QWidget*>(&sequences) : &b.fenetre);
        if (attendu.contains(u'#'))
            QVERIFY2(texte->verticalScrollBar()->value() > 0 || texte->verticalScrollBar()->maximum() == 0,
                     "the browser scrolled to the frame's paragraph");
    }

    // One help window for the program: a second request reuses it and moves it over a modal window.
    void fenetreUnique()
    {
        QWidget principale;
        QDialog modale(&principale);
        FenetreAide* premiere = OuvrirAide(&principale, SectionAideFenetrePrincipale);
        modale.setModal(true);
        modale.show();
        FenetreAide* seconde = OuvrirAide(&modale, SectionAideSequences);
        QVERIFY(seconde == premiere && seconde->parentWidget() == &modale && seconde->isVisible());
        QCOMPARE(seconde->Adresse().fileName(), QStringLiteral("sequences.html"));
        QCOMPARE(FenetresAide().size(), qsizetype(1));
    }

    void liens_data()
    {
        QTest::addColumn<QString>("fichier");
        QCOMPARE(PagesManuel().size(), qsizetype(9));
        for (const PageManuel& page : PagesManuel()) {
            QVERIFY2(!page.titre.isEmpty() && !page.sections.isEmpty(), qPrintable(page.fichier));
            QTest::newRow(qPrintable(page.fichier)) << page.fichier;
        }
    }
    // Every link, picture and style sheet of a page names a resource of the manual, and every
    // anchor it points to exists in the target page.
    void liens()
    {
        QFETCH(QString, fichier);
        const QString html = Ressource(fichier);
        QVERIFY(!html.isEmpty());
        static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
        int nombre = 0;
        for (auto it = reference.globalMatch(html); it.hasNext(); ++nombre) {
            const QString cible = it.next().captured(1);
            if (cible.startsWith(QLatin1String("http"))) continue;
            const QString page = cible.section(u'#', 0, 0).isEmpty() ? fichier : cible.section(u'#', 0, 0);
            QVERIFY2(QFile::exists(QStringLiteral(":/manuel/") + page), qPrintable(fichier + QStringLiteral(" -> ") + cible));
            const QString ancre = cible.section(u'#', 1);
            if (!ancre.isEmpty())
                QVERIFY2(Ancres(Ressource(page)).contains(ancre), qPrintable(fichier + QStringLiteral(" -> ") + cible));
        }
        QVERIFY(nombre > 0);
    }

    // Each frame of the main window has its paragraph, so that F1 inside it lands there.
    void cadresDocumentes()
    {
        tests::BancFenetre b(false);
        const QStringList ancres = Ancres(Ressource(SectionAideFenetrePrincipale));
        const QRegularExpression indice(QStringLiteral("_\\d+$"));
        for (const QGroupBox* cadre : b.fenetre.findChildren<QGroupBox*>()) {
            const QString nom = QString(cadre->objectName()).remove(indice);
            if (nom.startsWith(QLatin1String("frm"))) QVERIFY2(ancres.contains(nom), qPrintable(nom));
        }
    }

    void recherche_data()
    {
        // page: page shown afterwards; empty: not found
        tests::Colonnes<QString, QString, QString>("depart", "texte", "page");
        QTest::newRow("dans la page") << "fichiers.html" << "TempS.dat" << "fichiers.html";
        QTest::newRow("page suivante") << "index.html" << "importer-kf" << "ligne-de-commande.html";
        QTest::newRow("en revenant au début") << "installation.html" << "Rotation +10" << "sequences.html";
        QTest::newRow("casse différente") << "index.html" << "VALIDER L'ASSEMBLAGE" << "sequences.html";
        QTest::newRow("introuvable") << "index.html" << "hélicoptère quantique" << "";
    }
    void recherche()
    {
        QFETCH(QString, depart); QFETCH(QString, texte); QFETCH(QString, page);
        FenetreAide aide;
        aide.Afficher(depart);
        const bool trouve = aide.Rechercher(texte);
        QCOMPARE(trouve, !page.isEmpty());
        QCOMPARE(aide.Adresse().fileName(), page.isEmpty() ? depart : page);
        if (trouve)
            QCOMPARE(aide.findChild<QTextBrowser*>()->textCursor().selectedText().toLower(), texte.toLower());
    }

    // The about box: caption, version lines, and the system-information button that runs the
    // tool, or says why it cannot with the versions in hand.
    void aPropos()
    {
        QCOMPARE(LigneVersionBibliotheque(7), QStringLiteral("Version de Tranchex.dll : 0.0.7"));
        QVERIFY2(VersionProgramme() != QStringLiteral("0.0.0"), "the build gives the program its version");
        for (bool disponible : {true, false}) {
            DialoguesScript dialogues;
            dialogues.informationsSystemeDisponibles = disponible;
            FenetreAPropos apropos(dialogues);
            QCOMPARE(apropos.windowTitle(), QStringLiteral("À propos de Galbix"));
            const QString version = apropos.findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
            QVERIFY2(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(version).hasMatch(),
                     qPrintable(version));
            apropos.findChild<QPushButton*>(QStringLiteral("cmdInfosSysteme"))->click();
            QCOMPARE(dialogues.lancementsInformationsSysteme, 1);
            QCOMPARE(dialogues.messages.size(), size_t(disponible ? 0 : 1));
            if (disponible) continue;
            const QString texte = dialogues.messages[0].texte;
            QVERIFY2(texte.startsWith("Les informations système ne sont pas disponibles actuellement\n\n")
                     && texte.contains(QStringLiteral("Qt : ") + QString::fromLatin1(qVersion()))
                     && texte.contains(QSysInfo::currentCpuArchitecture()), qPrintable(texte));
        }
    }
};

GALBIX_GUI_TEST_MAIN(TestAide)
#include "tst_aide.moc"
