// The numeric field pattern on a bare field: which typed keys reach the text, what Enter
// applies or refuses, and what leaving the field shows.
#include "common/BancFenetre.h"

#include "app/ChampNumerique.h"

#include <QFocusEvent>
#include <optional>

using namespace galbix;

Q_DECLARE_METATYPE(SigneChamp)

namespace {

// A shown field with its pattern; records the values Enter applied, unless it has no command.
struct BancChamp {
    DialoguesScript dialogues;
    QLineEdit champ;
    std::vector<float> appliques;
    int affichages = 0;
    ChampNumerique* motif = nullptr;

    explicit BancChamp(SigneChamp signe, bool avecAffichage = true, bool avecCommande = true)
    {
        const auto affichage = [this] { ++affichages; return QStringLiteral("42.0"); };
        const ChampNumerique::Application commande = [this](float v) { appliques.push_back(v); };
        motif = new ChampNumerique(&champ, dialogues, signe, avecCommande ? commande : nullptr,
                                   avecAffichage ? ChampNumerique::Affichage(affichage) : ChampNumerique::Affichage());
        champ.show();
        champ.setFocus();
    }
};

} // namespace

class TestChampNumerique : public QObject {
    Q_OBJECT

private slots:
    void frappe_data()
    {
        tests::Colonnes<SigneChamp, QString, QString>("signe", "frappe", "texte");
        QTest::newRow("chiffres et séparateurs") << SigneChamp::NonSigne << "12,5.3" << "12,5.3";
        QTest::newRow("lettres et espaces écartés") << SigneChamp::NonSigne << "1a2 b3" << "123";
        QTest::newRow("moins refusé sans signe") << SigneChamp::NonSigne << "-4" << "4";
        QTest::newRow("moins admis avec signe") << SigneChamp::Signe << "-4.5" << "-4.5";
        QTest::newRow("plus refusé des deux") << SigneChamp::Signe << "+7e3" << "73";
    }
    void frappe()
    {
        QFETCH(SigneChamp, signe); QFETCH(QString, frappe);
        BancChamp banc(signe);
        QTest::keyClicks(&banc.champ, frappe);
        QTEST(banc.champ.text(), "texte");
        QVERIFY(banc.appliques.empty());
    }

    void entree_data()
    {
        // valeur: none: refused
        tests::Colonnes<QString, std::optional<float>>("texte", "valeur");
        QTest::newRow("entier") << "25" << std::optional<float>(25.0f);
        QTest::newRow("point final") << "5." << std::optional<float>(5.0f);
        QTest::newRow("point seul") << "." << std::optional<float>(0.0f);
        QTest::newRow("négatif") << "-12.25" << std::optional<float>(-12.25f);
        QTest::newRow("signe puis lettre") << "-a5" << std::optional<float>(0.0f);
        QTest::newRow("moins seul") << "-" << std::optional<float>();
        QTest::newRow("lettre collée") << "12a" << std::optional<float>();
        QTest::newRow("virgule") << "1,5" << std::optional<float>();
    }
    void entree()
    {
        QFETCH(QString, texte); QFETCH(std::optional<float>, valeur);
        BancChamp banc(SigneChamp::Signe);
        banc.champ.setText(texte);
        banc.champ.setCursorPosition(0);
        QTest::keyPress(&banc.champ, Qt::Key_Return);
        QVERIFY2(banc.appliques.empty(), "Enter applies on release only");
        QTest::keyRelease(&banc.champ, Qt::Key_Return);
        QCOMPARE(banc.appliques, valeur ? std::vector<float>{*valeur} : std::vector<float>{});
        QCOMPARE(banc.dialogues.Vus(), valeur ? QStringList() : QStringList{"Erreur de saisie (Critique)"});
        QCOMPARE(banc.champ.text(), texte);
        if (!valeur) // the text refused is selected for retyping
            QVERIFY(banc.dialogues.messages[0].texte == "Veuillez entrer un nombre décimal."
                    && banc.champ.selectedText() == texte && banc.champ.selectionStart() == 0);
    }

    // A message box closes on the press of Enter; the release then comes back to the field
    // and must not run the check again (which would reopen the box at every Enter).
    // Steps: p = Enter pressed, r = Enter released, f = the field gets the focus back; other
    // keys clicked: t = Tab, s = Space, e = Escape (none applies), k = the keypad's Enter.
    void entreeSansAppui_data()
    {
        tests::Colonnes<QString, int>("etapes", "applications");
        QTest::newRow("appui et relâche") << "pr" << 1;
        QTest::newRow("relâche seule") << "r" << 0;
        QTest::newRow("relâche répétée") << "prr" << 1;
        QTest::newRow("retour de la boîte entre les deux") << "pfr" << 0;
        QTest::newRow("deux fois") << "prpr" << 2;
        QTest::newRow("autres touches") << "tse" << 0;
        QTest::newRow("Entrée du pavé") << "tsek" << 1;
    }
    void entreeSansAppui()
    {
        QFETCH(QString, etapes);
        BancChamp banc(SigneChamp::Signe);
        banc.champ.setText(QStringLiteral("7"));
        for (QChar etape : etapes) {
            if (etape == u'p') {
                QTest::keyPress(&banc.champ, Qt::Key_Return);
            } else if (etape == u'r') {
                QTest::keyRelease(&banc.champ, Qt::Key_Return);
            } else if (etape != u'f') {
                const Qt::Key touches[] = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Enter};
                QTest::keyClick(&banc.champ, touches[QStringLiteral("tsek").indexOf(etape)]);
            } else {
                QFocusEvent retour(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
                QCoreApplication::sendEvent(&banc.champ, &retour);
            }
        }
        QTEST(int(banc.appliques.size()), "applications");
    }

    // A field with nothing to apply (the wing spacing) ignores Enter, whatever its text.
    void entreeSansCommande()
    {
        for (const QString texte : {"12.5", "12a"}) {
            BancChamp banc(SigneChamp::Signe, false, false);
            banc.champ.setText(texte);
            banc.champ.setCursorPosition(0);
            QTest::keyClick(&banc.champ, Qt::Key_Return);
            QVERIFY(banc.dialogues.messages.empty() && banc.champ.text() == texte && !banc.champ.hasSelectedText());
        }
    }

    void sortie_data()
    {
        tests::Colonnes<int, bool, QString>("raison", "affichage", "texte");
        QTest::newRow("clic ailleurs") << int(Qt::MouseFocusReason) << true << "42.0";
        QTest::newRow("boîte de message") << int(Qt::ActiveWindowFocusReason) << true << "17";
        QTest::newRow("sans affichage") << int(Qt::MouseFocusReason) << false << "17";
    }
    // Leaving the field shows the value in force again, unless a box or a menu took the focus.
    void sortie()
    {
        QFETCH(int, raison); QFETCH(bool, affichage);
        BancChamp banc(SigneChamp::NonSigne, affichage);
        QTest::keyClicks(&banc.champ, "17");
        tests::BancFenetre::Quitter(&banc.champ, Qt::FocusReason(raison));
        QTEST(banc.champ.text(), "texte");
        QVERIFY(banc.appliques.empty());
    }
};

GALBIX_GUI_TEST_MAIN(TestChampNumerique)
#include "tst_champnumerique.moc"
