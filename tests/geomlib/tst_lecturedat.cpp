// Reading airfoil coordinate files (.dat): the Selig and Lednicer layouts and their everyday
// variations, and the files that must be refused.

#include "common/Profils.h"
#include "common/Test.h"


using namespace galbix;

namespace {

using Points = QList<QPointF>;

// The same small profile in Selig order: trailing edge, upper surface, leading edge, lower surface.
const Points Profil = {{1, 0.001}, {0.5, 0.06}, {0, 0}, {0.5, -0.04}, {1, -0.001}};

const char* const Selig = "1 0.001\n0.5 0.06\n0 0\n0.5 -0.04\n1 -0.001\n";

QByteArray AvecNom(const char* nom, const QByteArray& donnees) { return QByteArray(nom) + "\n" + donnees; }

LectureFichier LireDatTest(const QByteArray& texte) { return tests::LireTexte(texte, formats::LireDat); }

} // namespace

class LectureDatTest : public QObject {
    Q_OBJECT

private slots:
    void variantes_data() {
        tests::Colonnes<QByteArray, QString, Points>("texte", "enTete", "attendus");
        const auto r = [](const char* nom, const QByteArray& texte, const QString& enTete, const Points& p = Profil) {
            QTest::newRow(nom) << texte << enTete << p;
        };
        const QByteArray selig(Selig);
        r("Selig", AvecNom("NACA TEST", selig), "NACA TEST");
        r("Lednicer, comptes égaux", "LED\n  3.  3.\n\n0 0\n0.5 0.06\n1 0.001\n \n0 0\n0.5 -0.04\n1 -0.001\n", "LED");
        r("Lednicer, comptes inégaux", "LED\n 3.0 2.0\n0 0\n0.5 0.06\n1 0.001\n\n0 0\n1 -0.001\n", "LED",
          {{1, 0.001}, {0.5, 0.06}, {0, 0}, {1, -0.001}});
        r("Lednicer, bords d'attaque distincts", "LED\n2 2\n0 0.01\n1 0\n0 -0.01\n1 0\n", "LED",
          {{1, 0}, {0, 0.01}, {0, -0.01}, {1, 0}});
        r("Lednicer sans nom", "2 2\n0 0\n1 0.1\n0 0\n1 -0.1\n", "", {{1, 0.1}, {0, 0}, {1, -0.1}});
        r("tabulations", AvecNom("T", "1\t0.001\n0.5\t0.06\n0\t0\n0.5\t-0.04\t\t\n1\t-0.001\n"), "T");
        r("virgules", AvecNom("V", "1,0.001\n0.5, 0.06\n0 ,0\n0.5,-0.04,\n1;-0.001\n"), "V");
        r("notation scientifique",
          AvecNom("E", "1.0E+00 1.0e-03\n5.0E-01 6.0E-02\n0.0E+00 0.0E+00\n0.5 -0.4E-01\n0.1D+01 -0.1D-02\n"), "E");
        r("nombres commençant par un point", AvecNom("P", "1. .001\n.5 .06\n0 0\n.5 -.04\n1 -.001\n"), "P");
        r("lignes vides et blanches", "\n  \nNOM\n\n \t \n1 0.001\n0.5 0.06\n\n0 0\n   \n0.5 -0.04\n1 -0.001\n\n\n", "NOM");
        r("commentaires", "# fait main\n#\n1 0.001\n0.5 0.06 # dessus\n# milieu\n0 0\n0.5 -0.04\n1 -0.001\n# fin\n", "");
        r("sans ligne de nom", selig, "");
        r("texte final", AvecNom("F", selig + "\nsource : relevé à la main\nhttp://x/y?z=9\n"), "F");
        r("fin de fichier DOS", AvecNom("D", selig.chopped(1) + "\x1a"), "D");
        r("texte après la fin DOS", AvecNom("D", selig + "\x1a" + "2 3\nxx"), "D");
        r("nom rogné, marque d'ordre UTF-8", AvecNom("\xEF\xBB\xBF  Clark Y  \t", selig), "Clark Y");
        r("nom commençant par un nombre", AvecNom("2412 modifié", selig), QStringLiteral("2412 modifié"));
        // Integral first point above 1 that is no count line: a Selig file in millimetres.
        r("Selig en millimètres", "200 3\n100 12\n0 0\n100 -8\n200 -3\n", "",
          {{200, 3}, {100, 12}, {0, 0}, {100, -8}, {200, -3}});
        r("comptes négatifs dans le dessin: un point", "P\n-1 -1\n0 0\n1 0\n", "P", {{-1, -1}, {0, 0}, {1, 0}});
        r("un seul point", "0.5 0.25", "", {{0.5, 0.25}});
    }
    void variantes() {
        QFETCH(QByteArray, texte);
        QFETCH(Points, attendus);

        const LectureFichier l = LireDatTest(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        QTEST(l.enTete, "enTete");
        QVERIFY(l.points.size() == size_t(attendus.size()) && DebutsContours(l.points).size() == 1);
        for (qsizetype i = 0; i < attendus.size(); ++i) {
            const PointFichier& p = l.points[size_t(i)];
            QVERIFY2(std::abs(p.X - attendus[i].x()) < 1e-6 && std::abs(p.Y - attendus[i].y()) < 1e-6,
                     qPrintable(QStringLiteral("point %1 : (%2, %3)").arg(i).arg(p.X).arg(p.Y)));
        }
    }

    void refus_data() {
        using B = QByteArray;
        QTest::addColumn<QByteArray>("texte");

        QTest::newRow("vide") << B();
        QTest::newRow("nom seul") << B("NACA 0012\n\n  \n");
        QTest::newRow("nombre isolé") << AvecNom("N", "1 0\n0.5\n0 0\n");
        QTest::newRow("nombre isolé final sans fin de ligne") << AvecNom("N", "0 0\n0.5 0.1\n1.0000000 ");
        QTest::newRow("trois nombres") << AvecNom("N", "1 0 0\n0 0 0\n");
        QTest::newRow("texte au milieu des données") << AvecNom("N", "1 0\nabc\n0 0\n");
        QTest::newRow("nombre suivi de texte") << AvecNom("N", "1 0\n0.5 0.1 x\n0 0\n");
        QTest::newRow("virgules décimales") << AvecNom("N", "1,0 0,0\n0,5 0,1\n");
        QTest::newRow("comptes Lednicer trop grands") << B("L\n3. 3.\n0 0\n0.5 0.1\n1 0\n0 0\n1 0\n");
        QTest::newRow("comptes Lednicer trop petits") << B("L\n2. 2.\n0 0\n0.5 0.1\n1 0\n0 0\n1 0\n");
        QTest::newRow("comptes Lednicer négatifs") << B("L\n-3. -3.\n0 0\n0.5 0.1\n1 0\n\n0 0\n0.5 -0.1\n1 0\n");
        QTest::newRow("comptes Lednicer sans points") << B("L\n61. 61.\n");
        QTest::newRow("octet nul") << B("N\n1 0\n0 0\n\0\x01\x02", 13);
        QTest::newRow("NaN") << AvecNom("N", "1 0\nnan 0.1\n0 0\n");
        QTest::newRow("infini") << AvecNom("N", "1 0\n0.5 inf\n0 0\n");
        QTest::newRow("hors des flottants") << AvecNom("N", "1 0\n1e39 0\n0 0\n");
    }

    void refus() {
        QFETCH(QByteArray, texte);
        const LectureFichier l = LireDatTest(texte);
        QVERIFY(!l.ok && l.points.empty() && !l.erreur.isEmpty() && !l.erreur.contains(QLatin1Char('\n')));
    }
};

GALBIX_TEST_MAIN(LectureDatTest)
#include "tst_lecturedat.moc"
