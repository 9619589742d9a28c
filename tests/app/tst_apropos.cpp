// The about box: captions, version lines and the system-information button.
#include "common/DialoguesScript.h"
#include "common/TestMain.h"

#include "app/FenetreAPropos.h"
#include "geomlib/Tranchex.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QtTest>

using namespace galbix;

class TestAPropos : public QObject {
    Q_OBJECT

private slots:
    void legendes()
    {
        DialoguesScript dialogues;
        FenetreAPropos apropos(dialogues);
        QCOMPARE(apropos.windowTitle(), QStringLiteral("À propos de Galbix"));
        QCOMPARE(LigneVersionBibliotheque(7), QStringLiteral("Version de Tranchex.dll : 0.0.7"));
        QCOMPARE(apropos.findChild<QLabel*>(QStringLiteral("lblVersionTranchex"))->text(),
                 LigneVersionBibliotheque(Version()));
        const QString version = apropos.findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
        QVERIFY2(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(version).hasMatch(),
                 qPrintable(version));
        QVERIFY2(VersionProgramme() != QStringLiteral("0.0.0"), "the build gives the program its version");
    }

    void informationsSysteme_data()
    {
        QTest::addColumn<bool>("disponible");
        QTest::newRow("outil trouvé") << true;
        QTest::newRow("aucun outil") << false;
    }
    void informationsSysteme()
    {
        QFETCH(bool, disponible);
        DialoguesScript dialogues;
        dialogues.informationsSystemeDisponibles = disponible;
        FenetreAPropos apropos(dialogues);
        auto* bouton = apropos.findChild<QPushButton*>(QStringLiteral("cmdInfosSysteme"));
        QVERIFY(bouton);
        bouton->click();
        QCOMPARE(dialogues.lancementsInformationsSysteme, 1);
        QCOMPARE(dialogues.messages.size(), size_t(disponible ? 0 : 1));
        if (!disponible) {
            const QString texte = dialogues.messages[0].texte;
            QVERIFY2(texte.startsWith(QStringLiteral("Les informations système ne sont pas disponibles actuellement\n\n")),
                     qPrintable(texte));
            QVERIFY2(texte.contains(QStringLiteral("Qt : ") + QString::fromLatin1(qVersion())), qPrintable(texte));
            QVERIFY2(texte.contains(QSysInfo::currentCpuArchitecture()), qPrintable(texte));
        }
    }
};

GALBIX_GUI_TEST_MAIN(TestAPropos)
#include "tst_apropos.moc"
