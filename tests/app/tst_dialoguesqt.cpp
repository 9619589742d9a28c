// The toolkit's dialogs as the user sees them: French standard texts, message boxes wide
// enough for their longest line, file dialogs large enough for their columns.
#include "common/TestMain.h"

#include "app/Traductions.h"
#include "editing/Synchronisation.h"
#include "view/ui/DialoguesQt.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
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
        QTest::addColumn<QString>("contexte");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("bouton") << "QPlatformTheme" << "Cancel" << "Annuler";
        QTest::newRow("colonne") << "QFileSystemModel" << "Date Modified" << "Dernière modification";
    }
    void textesStandardEnFrancais()
    {
        QFETCH(QString, contexte);
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        QCOMPARE(QCoreApplication::translate(qPrintable(contexte), qPrintable(texte)), attendu);
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

    // The open dialog shows names, sizes and dates in full.
    void dialogueFichierAssezGrand()
    {
        QTemporaryDir dossier;
        QFile f(dossier.filePath(QStringLiteral("profil_emplanture_naca_2412_corde_200.dat")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("NACA 2412\n0 0\n");
        f.close();
        QStringList coupees;
        bool vu = false;
        ExaminerPuisFermer([&](QWidget* modal) {
            auto* dialogue = qobject_cast<QFileDialog*>(modal);
            auto* liste = modal->findChild<QTreeView*>(QStringLiteral("treeView"));
            if (!dialogue || !liste)
                return;
            vu = true;
            if (dialogue->viewMode() != QFileDialog::Detail)
                coupees << QStringLiteral("vue en liste");
            QTest::qWait(200); // the folder is read in the background
            for (int colonne = 0; colonne < 4; ++colonne)
                if (liste->header()->sectionSize(colonne) < static_cast<QAbstractItemView*>(liste)->sizeHintForColumn(colonne))
                    coupees << QString::number(colonne);
        });
        DialoguesQt dialogues;
        DemandeFichier demande;
        demande.titre = QStringLiteral("Choisissez un fichier");
        demande.filtre = QStringLiteral("Profil (*.dat)|*.dat");
        demande.dossierInitial = dossier.path();
        dialogues.Ouvrir(demande);
        QVERIFY(vu);
        QVERIFY2(coupees.isEmpty(), qPrintable(coupees.join(u' ')));
    }
};

GALBIX_GUI_TEST_MAIN(TestDialoguesQt)
#include "tst_dialoguesqt.moc"
