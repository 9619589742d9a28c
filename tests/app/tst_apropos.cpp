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
        QCOMPARE(apropos.objectName(), QStringLiteral("formAbout"));
        QCOMPARE(apropos.windowTitle(), QStringLiteral("À propos de Galbix"));
        const auto* bibliotheque = apropos.findChild<QLabel*>(QStringLiteral("lblVersionTranchex"));
        QVERIFY(bibliotheque);
        QCOMPARE(bibliotheque->text(), QStringLiteral("Version de Tranchex.dll : 0.0.") + QString::number(Version()));
        const auto* version = apropos.findChild<QLabel*>(QStringLiteral("lblVersion"));
        QVERIFY(version);
        const QRegularExpression forme(QStringLiteral("^Version (\\d+)\\.(\\d+)\\.(\\d+)$"));
        const QRegularExpressionMatch trouve = forme.match(version->text());
        QVERIFY2(trouve.hasMatch(), qPrintable(version->text()));
        QVERIFY2(VersionProgramme() != QStringLiteral("0.0.0"), "the build gives the program its version");
    }

    void ligneVersionBibliotheque_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("0.0.31") << 31 << "Version de Tranchex.dll : 0.0.31";
        QTest::newRow("0.0.7") << 7 << "Version de Tranchex.dll : 0.0.7";
        QTest::newRow("0.0.130") << 130 << "Version de Tranchex.dll : 0.0.130";
    }
    void ligneVersionBibliotheque()
    {
        QFETCH(int, version);
        QFETCH(QString, ligne);
        QCOMPARE(LigneVersionBibliotheque(version), ligne);
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
