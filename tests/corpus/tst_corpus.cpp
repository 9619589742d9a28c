// Real-world profile files written by other programs: the readable ones give their points,
// the broken ones a clean failure, none crashes or hangs.
#include "common/Test.h"
#include "common/Emplacements.h"
#include "geomlib/Tranchex.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

using namespace galbix;

namespace {

// Files that are broken or unsupported on purpose.
const QSet<QString> Refuses = {QStringLiteral("dat/Example_corrupt.dat"), QStringLiteral("dxf/bin_dxf_r12.dxf"),
                                QStringLiteral("plt/test3-Model.PLT")};

} // namespace

class TestCorpus : public QObject {
    Q_OBJECT
private slots:
    void lecture_data() {
        QTest::addColumn<QString>("relatif");
        const QDir racine(galbix::tests::DossierCorpus());
        if (!racine.exists())
            return;
        for (const QString& sous : {QStringLiteral("dat"), QStringLiteral("dxf"), QStringLiteral("plt")}) {
            const QDir dossier(racine.filePath(sous));
            for (const QString& nom : dossier.entryList(QDir::Files, QDir::Name)) {
                const QString relatif = sous + u'/' + nom;
                QTest::newRow(qPrintable(relatif)) << relatif;
            }
        }
    }
    void lecture() {
        if (!QDir(galbix::tests::DossierCorpus()).exists())
            QSKIP("no corpus folder beside the checkout");
        QFETCH(QString, relatif);
        const LectureFichier lecture = LireFichierDetaille(QDir(galbix::tests::DossierCorpus()).filePath(relatif));
        if (Refuses.contains(relatif)) {
            QVERIFY2(!lecture.ok && !lecture.erreur.isEmpty() && lecture.points.empty(), "a broken file must be refused");
            return;
        }
        QVERIFY2(lecture.ok, qPrintable(lecture.erreur));
        QVERIFY(lecture.points.size() >= 2);
        QVERIFY(lecture.Xmin <= lecture.Xmax && lecture.Ymin <= lecture.Ymax);
    }
    void contenu_data() {
        // points: exact count, contours: -1 when not checked; largeur: X extent, when positive
        tests::Colonnes<QString, int, int, double, double>("relatif", "points", "contours", "largeur", "tolerance");
        // Airfoil files: counts from the files themselves; a Lednicer leading edge is kept once.
        QTest::newRow("Selig") << "dat/e387.dat" << 61 << 1 << 1.0 << 1e-3;
        QTest::newRow("Selig 4 decimals") << "dat/naca2412.dat" << 35 << 1 << 1.0 << 1e-3;
        QTest::newRow("Lednicer 61/61") << "dat/clarky.dat" << 121 << 1 << 1.0 << 1e-3;
        QTest::newRow("Lednicer 15/10") << "dat/e49.dat" << 24 << 1 << -1.0 << 0.0;
        QTest::newRow("Lednicer tabs") << "dat/fx71l150.dat" << 87 << 1 << 1.0 << 1e-3;
        QTest::newRow("Fortran exponents") << "dat/ht26.dat" << 200 << 1 << 1.0 << 1e-4;
        QTest::newRow("footer") << "dat/isa960.dat" << 99 << 1 << 1.0 << 1e-3;
        QTest::newRow("comment header CRLF") << "dat/hn1033a.dat" << 101 << 1 << -1.0 << 0.0;
        QTest::newRow("no name line") << "dat/Phuong0407_naca2412.dat" << 201 << 1 << 1.0 << 1e-3;
        QTest::newRow("DOS end of file") << "dat/s102b.dat" << 65 << 1 << -1.0 << 0.0;
        QTest::newRow("rib and closing line") << "dxf/windburner-rib1.dxf" << -1 << 1 << -1.0 << 0.0;
        QTest::newRow("single spline") << "dxf/rib_test.dxf" << -1 << 1 << -1.0 << 0.0;
        QTest::newRow("loop of lines and arcs") << "dxf/6_closed_loop_with_arcs.dxf" << -1 << 1 << -1.0 << 0.0;
        QTest::newRow("KiCad rectangle") << "plt/laser-Edge_Cuts.plt" << 5 << 1 << -1.0 << 0.0;
    }
    void contenu() {
        if (!QDir(galbix::tests::DossierCorpus()).exists())
            QSKIP("no corpus folder beside the checkout");
        QFETCH(QString, relatif);
        QFETCH(int, points);
        QFETCH(int, contours);
        QFETCH(double, largeur);
        QFETCH(double, tolerance);
        const LectureFichier lecture = LireFichierDetaille(QDir(galbix::tests::DossierCorpus()).filePath(relatif));
        QVERIFY2(lecture.ok, qPrintable(lecture.erreur));
        if (points >= 0)
            QCOMPARE(int(lecture.points.size()), points);
        if (contours >= 0)
            QCOMPARE(int(DebutsContours(lecture.points).size()), contours);
        if (largeur > 0)
            QVERIFY2(std::abs(lecture.Xmax - lecture.Xmin - largeur) <= tolerance,
                     qPrintable(QString::number(lecture.Xmax - lecture.Xmin)));
    }
};

GALBIX_TEST_MAIN(TestCorpus)
#include "tst_corpus.moc"
