// Under a French default locale (decimal comma, narrow no-break space between digit groups)
// typed numbers read the same and numbers are still shown with a point.
#include "common/TestMain.h"
#include "model/NumericText.h"

using namespace galbix;

class TestNumericTextFr : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }

    void saisieEtAffichage_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("valeur");  // ValeurSaisie
        QTest::addColumn<QString>("affichee"); // the value shown again with "#####0.0#"
        QTest::newRow("espace et virgule") << "1 234,5" << "1234.5" << "1234.5";
        QTest::newRow("groupes à la française") << QLocale().toString(-1234.5, 'f', 1) << "-1234.5" << "-1234.5";
        QTest::newRow("arrondi") << "3,14159" << "3.14159" << "3.14";
        QTest::newRow("point") << "-.5" << "-0.5" << "-0.5";
        QTest::newRow("deux points") << "5..5" << "5" << "5.0";
        QTest::newRow("lettre") << "-a5" << "0" << "0.0";
    }

    void saisieEtAffichage()
    {
        QFETCH(QString, saisie);
        QFETCH(QString, valeur);
        QFETCH(QString, affichee);
        QCOMPARE(ValeurSaisie(saisie), valeur);
        QCOMPARE(ValeurSaisieReelle(saisie), valeur.toFloat());
        QCOMPARE(FormaterNombre(ValeurSaisieReelle(saisie), u"#####0.0#"), affichee);
    }
};

GALBIX_TEST_MAIN(TestNumericTextFr)
#include "tst_numerictext_fr.moc"
