// The toolkit's dialogs as the user sees them: French standard texts, message boxes wide
// enough for their longest line.
#include "common/Colonnes.h"
#include "common/TestMain.h"

#include "app/Traductions.h"
#include "editing/Synchronisation.h"
#include "view/ui/DialoguesQt.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace galbix;

namespace {

// Runs `examen` on the modal dialog once it is shown, then closes it.
void ExaminerPuisFermer(std::function<void(QWidget*)> examen)
{
    QTimer::singleShot(50, [examen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        examen(modal);
        if (auto* boite = qobject_cast<QMessageBox*>(modal))
            boite->done(0);
        else if (auto* dialogue = qobject_cast<QDialog*>(modal))
            dialogue->reject();
    });
}

} // namespace

class TestDialoguesQt : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm")))
            QSKIP("the toolkit's French translations are not installed");
        QVERIFY(InstallerTraductionsQt(*QCoreApplication::instance()));
    }

    void textesStandardEnFrancais_data()
    {
        tests::Colonnes<QString, QString, QString>("contexte", "texte", "attendu");
        QTest::newRow("bouton") << "QPlatformTheme" << "Cancel" << "Annuler";
        QTest::newRow("colonne") << "QFileSystemModel" << "Date Modified" << "Dernière modification";
    }
    void textesStandardEnFrancais()
    {
        QFETCH(QString, contexte);
        QFETCH(QString, texte);
        QTEST(QCoreApplication::translate(qPrintable(contexte), qPrintable(texte)), "attendu");
    }

    // Each line of the synchronisation notice stays on one line of the box.
    void lignesEntieres()
    {
        const QStringList lignes = TexteSynchroEffectuee.split(QStringLiteral("\r\n"));
        QCOMPARE(lignes.size(), 3);
        int largeur = -1, hauteur = -1, largeurTexte = 0, interligne = 0;
        ExaminerPuisFermer([&](QWidget* boite) {
            const auto* etiquette = boite->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            if (!etiquette)
                return;
            largeur = etiquette->contentsRect().width();
            hauteur = etiquette->contentsRect().height();
            for (const QString& ligne : lignes)
                largeurTexte = std::max(largeurTexte, etiquette->fontMetrics().horizontalAdvance(ligne));
            interligne = etiquette->fontMetrics().lineSpacing();
        });
        DialoguesQt dialogues;
        dialogues.Message(TitreSynchroEffectuee, TexteSynchroEffectuee, IconeMessage::Information, BoutonsMessage::Ok);
        QVERIFY2(largeur >= largeurTexte, qPrintable(QStringLiteral("%1 < %2").arg(largeur).arg(largeurTexte)));
        QVERIFY(hauteur < 4 * interligne);
    }

};

GALBIX_GUI_TEST_MAIN(TestDialoguesQt)
#include "tst_dialoguesqt.moc"
