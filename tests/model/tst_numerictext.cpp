#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "model/NumericText.h"

#include <QLocale>
#include <cfloat>
#include <cmath>
#include <limits>

using namespace galbix;

class TestNumericText : public QObject {
    Q_OBJECT
private slots:
    void filtres_data() {
        tests::Colonnes<int, int>("touche", "passe"); // passe: 0 refused, 1 signed fields only, 2 both filters
        const struct { const char* nom; int touche, passe; } cas[] = {
            {"0", '0', 2}, {"9", '9', 2}, {",", ',', 2}, {".", '.', 2}, {"retour arrière", 8, 2}, {"entrée", 13, 2},
            {"-", '-', 1}, {"+", '+', 0}, {"e", 'e', 0}, {"/ (avant 0)", '/', 0}, {": (après 9)", ':', 0},
        };
        for (const auto& c : cas)
            QTest::newRow(c.nom) << c.touche << c.passe;
    }

    void filtres() {
        QFETCH(int, touche); QFETCH(int, passe);
        int nonSigne = touche, signe = touche;
        FiltreToucheNombre(nonSigne);
        FiltreToucheNombreSigne(signe);
        QCOMPARE(nonSigne, passe == 2 ? touche : 0);
        QCOMPARE(signe, passe >= 1 ? touche : 0);
    }

    // A typed text through the check on Enter, then through the tolerant parse.
    void saisie_data() {
        // accepte: by EstNombreDecimal (a final '.' is tested with "0" after it); valeur: ValeurSaisie
        tests::Colonnes<QString, bool, QString>("texte", "accepte", "valeur");
        const struct { const char* texte; bool accepte; const char* valeur; } cas[] = {
            {"12.75", true, "12.75"}, {"5.", true, "5"}, {".5", true, "0.5"}, {".", true, "0"}, {"-.", true, "0"},
            {"-.5", true, "-0.5"}, {"-,5", true, "-0.5"}, {"5.,5", true, "5"}, {"-a5", true, "0"}, {"--5", true, "0"},
            {"", false, "0"}, {"-", false, "0"}, {"12a", false, "12"}, {"1,5", false, "1.5"}, {"5..5", true, "5"},
            {"1-", false, "1"}, {"3.x", false, "3"}, {"1e5", false, "1"}, {"-0", true, "0"}, {"0.1", true, "0.1"},
            {"100000", true, "100000"}, {"1 234,5", false, "1234.5"}, {"-1 000 000,25", false, "-1000000.25"},
            {"1\u00A0000,5", false, "1000.5"},
        };
        for (const auto& c : cas)
            QTest::newRow(*c.texte ? c.texte : "vide") << QString(c.texte) << c.accepte << QString(c.valeur);
    }

    void saisie() {
        QFETCH(QString, texte); QFETCH(QString, valeur);
        QCOMPARE(ValeurSaisie(texte), valeur);
        QCOMPARE(ValeurSaisieReelle(texte), valeur.toFloat());
        QString verifie = texte;
        QTEST(EstNombreDecimal(verifie), "accepte");
        QCOMPARE(verifie, texte.endsWith(u'.') ? texte + u'0' : texte);
    }

    void formaterNombre_data() {
        tests::Colonnes<double, QString, QString>("valeur", "motif", "attendu");
        const double inf = std::numeric_limits<double>::infinity();
        const struct { double valeur; const char *motif, *attendu; } cas[] = {
            {3.14159, "#####0.0#", "3.14"}, {2, "#####0.0#", "2.0"}, {3.14159, "#####0.0##", "3.142"},
            {100, "#####0.0##", "100.0"}, {-3.14159, "#####0.0#", "-3.14"}, {9.999, "#####0.0#", "10.0"},
            {-9.999, "#####0.0#", "-10.0"}, {0.999999, "#####0.000", "1.000"}, {-0.001, "#####0.0#", "0.0"},
            {-0.0, "#####0.0#", "0.0"}, {-1.25, "#####0.000000", "-1.250000"}, {123456789, "#####0.0#", "123456789.0"},
            {1e15, "#####0.00", "1000000000000000.00"}, {7, "##0.0#", "7.0"}, {1.1, "####0.0#", "1.1"},
            // Exact halves of the binary value go away from zero; 2.675 and 1.005 lie just below their half.
            {0.625, "#####0.0#", "0.63"}, {-0.625, "#####0.0#", "-0.63"}, {0.125, "#####0.00", "0.13"},
            {0.9375, "#####0.000", "0.938"}, {2.675, "#####0.00", "2.67"}, {1.005, "#####0.0#", "1.0"},
            {2.5, "#####", "3"}, {-2.5, "#####", "-3"}, {9.5, "#####", "10"}, {-0.4, "#####", "0"}, {42, "#####", "42"},
            {inf, "#####0.0#", "0.0"}, {std::nan(""), "#####0.00", "0.00"},
        };
        for (const auto& c : cas)
            QTest::newRow(qPrintable(QString::number(c.valeur, 'g', 17) + u' ' + QLatin1String(c.motif)))
                << c.valeur << QString(c.motif) << QString(c.attendu);
    }

    void formaterNombre() {
        QFETCH(double, valeur); QFETCH(QString, motif);
        QTEST(FormaterNombre(valeur, motif), "attendu");
    }

    void lireNombreDebut_data() {
        tests::Colonnes<QString, double>("texte", "attendu");
        const struct { const char* texte; double attendu; } cas[] = {
            {"12abc", 12}, {"abc", 0}, {"1,5", 1}, {"", 0}, {"-.5", -0.5}, {" \t3.5", 3.5}, {"+2", 2}, {"1.5E-2x", 0.015},
            {"1e", 1}, {"inf", 0}, {"nan", 0}, {".", 0}, {"--5", 0}, {"0x1A", 0}, {"1e400", 0}, {"-0.000000", 0},
        };
        for (const auto& c : cas)
            QTest::newRow(*c.texte ? c.texte : "vide") << QString(c.texte) << c.attendu;
    }

    // Both overloads read the same thing, and zero never comes back negative.
    void lireNombreDebut() {
        QFETCH(QString, texte); QFETCH(double, attendu);
        const QByteArray octets = texte.toLatin1();
        QCOMPARE(LireNombreDebut(std::string_view(octets.constData(), size_t(octets.size()))), attendu);
        const double v = LireNombreDebut(QStringView(texte));
        QCOMPARE(v, attendu);
        QVERIFY(!std::signbit(v) || attendu < 0);
    }

    // Under a French default locale (decimal comma, narrow no-break space between digit groups)
    // typed numbers read the same and numbers are still shown with a point.
    void localeFrancaise() {
        struct Retour { QLocale avant; ~Retour() { QLocale::setDefault(avant); } } retour;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        const struct { QString saisie; const char *valeur, *affichee; } cas[] = {
            {"1 234,5", "1234.5", "1234.5"}, {QLocale().toString(-1234.5, 'f', 1), "-1234.5", "-1234.5"},
            {"3,14159", "3.14159", "3.14"}, {"-.5", "-0.5", "-0.5"}, {"5..5", "5", "5.0"}, {"-a5", "0", "0.0"},
        };
        for (const auto& c : cas) {
            QCOMPARE(ValeurSaisie(c.saisie), QString(c.valeur));
            QCOMPARE(FormaterNombre(ValeurSaisieReelle(c.saisie), u"#####0.0#"), QString(c.affichee));
        }
    }

    // Pasted or read texts of any size: linear, no crash, saturated or zero values.
    void textesDemesures() {
        QString neufs(1'000'000, u'9');
        QCOMPARE(ValeurSaisieReelle(neufs), FLT_MAX);
        QCOMPARE(ValeurSaisieReelle(u'-' + neufs), -FLT_MAX);
        QCOMPARE(ValeurSaisieReelle(u'.' + QString(1'000'000, u'0') + u'1'), 0.0f);
        QVERIFY(EstNombreDecimal(neufs));
        QCOMPARE(LireNombreDebut(QStringView(u'1' + QString(1'000'000, u'0'))), 0.0);
        QCOMPARE(FormaterNombre(1e308, u"#####0.0#").size(), 311);
        QCOMPARE(FormaterNombre(1, QStringLiteral("0.") + QString(1000, u'0')).size(), 32); // places are capped
    }
};

GALBIX_TEST_MAIN(TestNumericText)
#include "tst_numerictext.moc"
