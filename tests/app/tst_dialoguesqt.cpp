// The toolkit's dialogs as the user sees them: French standard texts, message boxes wide
// enough for their longest line.
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

using namespace galbix;

class TestDialoguesQt : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm")))
            QSKIP("the toolkit's French translations are not installed");
        QVERIFY(InstallerTraductionsQt(*QCoreApplication::instance()));
    }

    void textesStandardEnFrancais()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
        QCOMPARE(QCoreApplication::translate("QFileSystemModel", "Date Modified"), QStringLiteral("Dernière modification"));
    }

    // Each line of the synchronisation notice stays on one line of the box.
    void lignesEntieres()
    {
        const QStringList lignes = TexteSynchroEffectuee.split(QStringLiteral("\r\n"));
        QCOMPARE(lignes.size(), 3);
        int largeur = -1, hauteur = -1, largeurTexte = 0, interligne = 0;
        QTimer::singleShot(50, [&] { // measures the box once it is shown, then closes it
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!boite) return;
            if (const auto* etiquette = boite->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                largeur = etiquette->contentsRect().width();
                hauteur = etiquette->contentsRect().height();
                for (const QString& ligne : lignes)
                    largeurTexte = std::max(largeurTexte, etiquette->fontMetrics().horizontalAdvance(ligne));
                interligne = etiquette->fontMetrics().lineSpacing();
            }
            boite->done(0);
        });
        DialoguesQt dialogues;
        dialogues.Message(TitreSynchroEffectuee, TexteSynchroEffectuee, IconeMessage::Information, BoutonsMessage::Ok);
        QVERIFY2(largeur >= largeurTexte, qPrintable(QStringLiteral("%1 < %2").arg(largeur).arg(largeurTexte)));
        QVERIFY(hauteur < 4 * interligne);
    }
};

GALBIX_GUI_TEST_MAIN(TestDialoguesQt)
#include "tst_dialoguesqt.moc"
