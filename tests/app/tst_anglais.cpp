// The English interface: the language chosen by option or settings, the main window's captions
// and refusals in English, the help window's warning that the manual stays French, the
// command-line tool's help, and a translation file that covers every text of the sources.
#include "common/BancFenetre.h"
#include "common/Emplacements.h"
#include "common/LanceurCli.h"
#include "common/Profils.h"

#include "app/Traductions.h"
#include "files/Ini.h"
#include "files/Reglages.h"
#include "view/ui/FenetreAide.h"

#include <QLayout>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>

using namespace galbix;

namespace {

// What is wrong with a translation file, one line per entry: a source text whose translation is
// unfinished, obsolete, vanished or empty. Empty when every entry is translated.
QStringList EntreesEnDefaut(const QString& chemin, int& nombre)
{
    const QString ts = QString::fromUtf8(tests::LireOctets(chemin));
    if (!QFile::exists(chemin)) return {QStringLiteral("illisible : ") + chemin};
    static const QRegularExpression message(QStringLiteral("<message[^>]*>\\s*<source>(.*?)</source>.*?"
                                                           "<translation([^>]*)>(.*?)</translation>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression formeVide(QStringLiteral("<numerusform>\\s*</numerusform>"));
    QStringList defauts;
    nombre = 0;
    for (auto it = message.globalMatch(ts); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ++nombre;
        const QString traduction = m.captured(3).trimmed();
        if (m.captured(2).contains(QStringLiteral("type=")) || traduction.isEmpty()
            || traduction.contains(formeVide))
            defauts << m.captured(2).trimmed() + u' ' + m.captured(1).left(80);
    }
    return defauts;
}

} // namespace

class TestAnglais : public QObject {
    Q_OBJECT

    QList<QTranslator*> m_traducteurs;

private slots:
    // Every class of the program shares the application: the English texts are removed at the end.
    void initTestCase()
    {
        const QList<QTranslator*> avant = qApp->findChildren<QTranslator*>();
        QVERIFY(InstallerTraductions(*QCoreApplication::instance(), Langue::Anglais));
        for (QTranslator* t : qApp->findChildren<QTranslator*>())
            if (!avant.contains(t)) m_traducteurs << t;
        QCOMPARE(m_traducteurs.size(), 1);
    }
    void cleanupTestCase() { qDeleteAll(m_traducteurs); }

    void langueDemandee_data()
    {
        tests::Colonnes<QStringList, QString, QStringList, bool>(
            "arguments", "reglage", "restants", "anglais");
        const QStringList projet{QStringLiteral("aile.gbx")};
        QTest::newRow("rien") << projet << QString() << projet << false;
        QTest::newRow("option") << QStringList{"--langue", "en", "aile.gbx"} << QString() << projet << true;
        QTest::newRow("option collée") << QStringList{"aile.gbx", "--langue=EN"} << QString() << projet << true;
        QTest::newRow("la dernière l'emporte") << QStringList{"--langue", "en", "--langue=fr"} << "" << QStringList{} << false;
        const QStringList apres{"--", "--langue", "en"};
        QTest::newRow("après --") << apres << QString() << apres << false;
        QTest::newRow("réglage") << projet << "en" << projet << true;
        QTest::newRow("réglage inconnu") << projet << "anglais" << projet << false;
        QTest::newRow("l'option passe avant le réglage") << QStringList{"--langue", "fr"} << "en" << QStringList{} << false;
        QTest::newRow("code inconnu") << QStringList{"--langue", "de"} << "en" << QStringList{} << false;
    }
    void langueDemandee()
    {
        QFETCH(QStringList, arguments); QFETCH(QString, reglage); QFETCH(QStringList, restants);
        QFETCH(bool, anglais);
        QTemporaryDir dossier;
        const QString ini = dossier.filePath(NomFichierReglages);
        if (!reglage.isEmpty())
            QVERIFY(EcrireIni(SectionFenetre, QStringLiteral("Langue"), reglage, ini) > 0);
        const std::optional<QString> code = ExtraireOptionLangue(arguments);
        QCOMPARE(arguments, restants);
        QCOMPARE(LangueDemandee(code, ini) == Langue::Anglais, anglais);
    }

    void legendes_data()
    {
        tests::Colonnes<QString, QByteArray, QString>("controle", "propriete", "texte");
        QTest::newRow("cadre") << "frmOuvrirSaumon" << QByteArray("title") << "Tip";
        QTest::newRow("bouton") << "cmdOuvrirProfil_0" << QByteArray("text") << "Open...";
        QTest::newRow("case") << "chkAfficherProfil_1" << QByteArray("text") << "Show Tip";
        QTest::newRow("bulle") << "cmdRenumeroter" << QByteArray("toolTip") << "Make the selected contour start at the current point";
        QTest::newRow("bulle d'image") << "cmdAide" << QByteArray("toolTip") << "Help (F1)";
        QTest::newRow("fenêtre") << "" << QByteArray("windowTitle") << "Galbix profiles";
    }
    void legendes()
    {
        QFETCH(QString, controle); QFETCH(QByteArray, propriete); QFETCH(QString, texte);
        tests::BancFenetre b;
        QObject* objet = controle.isEmpty() ? &b.fenetre : b.Controle<QObject>(controle);
        QCOMPARE(objet->property(propriete.constData()).toString(), texte);
    }

    // A refusal made by the window and one made by the geometry code, both in English.
    void refus()
    {
        const std::pair<const char*, const char*> saisies[] = {{"txtCorde_1", "12a"}, {"txtEcartementZ", "0"}};
        tests::BancFenetre b;
        b.Charger(tests::Naca("2412", 30, 200.0), tests::Naca("0012", 30, 150.0));
        for (const auto& [champ, saisie] : saisies) b.Entrer(champ, saisie);
        QCOMPARE(b.dialogues.Vus(), (QStringList{"Input error (Critique)", "Input error (Critique)"}));
        QCOMPARE(b.dialogues.messages[0].texte, QStringLiteral("Please enter a decimal number."));
        QCOMPARE(b.dialogues.messages[1].texte, QStringLiteral("A negative or zero spacing cannot be entered."));
    }

    void premiereLigneAide()
    {
        FenetreAide aide;
        auto* avis = qobject_cast<QLabel*>(aide.layout()->itemAt(0)->widget());
        QVERIFY(avis && avis->text() == QStringLiteral("The manual is in French."));
    }

    void aideCli_data()
    {
        tests::Colonnes<QStringList, int, QString, QString>("arguments", "statut", "attendu", "absent");
        QTest::newRow("outil") << QStringList{"--langue", "en", "--help"} << 0 << "Subcommands:" << "Sous-commandes";
        QTest::newRow("option après") << QStringList{"--help", "--langue=en"} << 0 << "shows the version" << "affiche";
        QTest::newRow("sous-commande") << QStringList{"naca", "--help", "--langue", "en"} << 0
                                       << "points per surface (61 by default" << "par défaut";
        QTest::newRow("refus") << QStringList{"--langue", "en", "naca", "1", "x.dat"} << 2 << "NACA code « 1 » refused" << "refusé";
        QTest::newRow("français par défaut") << QStringList{"--help"} << 0 << "Sous-commandes :" << "Subcommands";
        QTest::newRow("langue inconnue") << QStringList{"--langue", "de", "--help"} << 1 << "fr ou en" << "usage";
    }
    void aideCli()
    {
        QFETCH(QStringList, arguments); QFETCH(int, statut); QFETCH(QString, attendu);
        QFETCH(QString, absent);
        const tests::ResultatCli r = tests::LancerCli(arguments);
        const QString texte = QString::fromUtf8(r.sortie + r.erreurs);
        QCOMPARE(r.statut, statut);
        QVERIFY2(texte.contains(attendu) && !texte.contains(absent), qPrintable(texte));
    }

    // The file in the tree is complete, and lupdate run on today's sources over a copy of it finds
    // neither a text without translation nor a translation whose text has gone.
    void fichierTraductions()
    {
        int nombre = 0;
        const QString fichier = tests::DossierSources() + QStringLiteral("/i18n/galbix_en.ts");
        QStringList defauts = EntreesEnDefaut(fichier, nombre);
        QVERIFY2(defauts.isEmpty(), qPrintable(defauts.join(u'\n')));
        QVERIFY(nombre > 400);

        QTemporaryDir dossier;
        const QString copie = dossier.filePath(QStringLiteral("galbix_en.ts"));
        QVERIFY(QFile::copy(fichier, copie));
        QProcess lupdate;
        lupdate.start(tests::ProgrammeLupdate(), {"-silent", "-locations", "none", "-source-language", "fr",
                      "-target-language", "en", tests::DossierSources() + QStringLiteral("/src"), "-ts", copie});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        int apres = 0;
        defauts = EntreesEnDefaut(copie, apres);
        QVERIFY2(defauts.isEmpty(), qPrintable(QStringLiteral("make traductions, then translate:\n") + defauts.join(u'\n')));
        QCOMPARE(apres, nombre);
    }
};

GALBIX_GUI_TEST_MAIN(TestAnglais)
#include "tst_anglais.moc"
