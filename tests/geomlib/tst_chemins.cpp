#include "common/Test.h"
#include "geomlib/Chemins.h"

using namespace galbix;

class TestChemins : public QObject {
    Q_OBJECT
private slots:
    void decoupage_data() {
        for (const char* c : {"chemin", "nom", "extension", "sansExtension", "dossier"})
            QTest::addColumn<QString>(c);
        QTest::addColumn<bool>("estDat"); // EstExtension(extension, "dat")
        const struct { const char *ligne, *chemin, *nom, *ext, *sans, *dossier; bool dat; } cas[] = {
            {"windows", R"(C:\Profils\naca.dat)", "naca.dat", "dat", R"(C:\Profils\naca)", R"(C:\Profils\)", true},
            {"linux", "/home/u/naca.DAT", "naca.DAT", "DAT", "/home/u/naca", "/home/u/", true},
            {"casse mêlée", "/home/u/naca.Dat", "naca.Dat", "Dat", "/home/u/naca", "/home/u/", false},
            {"séparateurs mêlés", R"(C:\a/b\c.dxf)", "c.dxf", "dxf", R"(C:\a/b\c)", R"(C:\a/b\)", false},
            {"nom seul", "naca.dat", "", "", "naca", "", false},
            {"fin par séparateur", R"(C:\Profils\)", "", "", R"(C:\Profils\)", R"(C:\Profils\)", false},
            {"point dans le dossier", R"(C:\v1.2\fichier)", "fichier", "", R"(C:\v1)", R"(C:\v1.2\)", false},
            {"deux points", "a/b.tar.dat", "b.tar.dat", "dat", "a/b.tar", "a/", true},
            {"point final", "a/b.", "b.", "", "a/b", "a/", false},
            {"nom caché", "/x/.profil", ".profil", "profil", "/x/", "/x/", false},
            {"vide", "", "", "", "", "", false},
        };
        for (const auto& c : cas)
            QTest::newRow(c.ligne) << QString(c.chemin) << QString(c.nom) << QString(c.ext) << QString(c.sans)
                                   << QString(c.dossier) << c.dat;
    }

    void decoupage() {
        QFETCH(QString, chemin);
        QFETCH(QString, extension);
        QTEST(NomDuFichier(chemin), "nom");
        QCOMPARE(ExtensionFichier(chemin), extension);
        QTEST(SansExtension(chemin), "sansExtension");
        QTEST(DossierDuChemin(chemin), "dossier");
        QTEST(EstExtension(extension, QStringLiteral("dat")), "estDat");
    }
};

GALBIX_TEST_MAIN(TestChemins)
#include "tst_chemins.moc"
