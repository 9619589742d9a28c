// Writing profiles (.dat, .dxf) and the 3D drawing (.dxf), and reading back what was written.

#include "common/Test.h"
#include "common/Profils.h"

#include <QRegularExpression>

using namespace galbix;
using tests::NacaFichier;

namespace {

/// The (code, value) groups of a DXF text.
QList<std::pair<int, QByteArray>> Groupes(const QByteArray& dxf) {
    const QList<QByteArray> lignes = dxf.split('\n');
    QList<std::pair<int, QByteArray>> groupes;
    for (qsizetype i = 0; i + 1 < lignes.size(); i += 2)
        groupes.append({lignes[i].trimmed().toInt(), lignes[i + 1].chopped(lignes[i + 1].endsWith('\r') ? 1 : 0)});
    return groupes;
}

} // namespace

class EcritureTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;

private slots:
    // The coordinates written are relative to the smallest X and Y and divided by the first
    // number of the header when it is positive, else by the X extent (1 when that is 0).
    void datEchelle_data() {
        tests::Colonnes<QString, float, double>("enTete", "corde", "diviseur"); // corde: of the profile given, in mm
        QTest::newRow("corde annoncée autre que l'étendue") << "Corde: 100.000" << 200.0f << 100.0;
        QTest::newRow("décimale initiale") << "profil .5 m" << 1.0f << 0.5;
        QTest::newRow("sans nombre") << "profil" << 180.0f << 180.0;
        QTest::newRow("premier nombre nul") << "Corde: 0.000 Flèche: 5.000" << 180.0f << 180.0;
        QTest::newRow("premier nombre négatif") << "Décalage -5 puis 200" << 180.0f << 180.0;
        QTest::newRow("étendue nulle") << "" << 0.0f << 1.0;
        // Exchange files: each side divided by its chord, the offsets carried in the header.
        QTest::newRow("échange emplanture") << "E;200.000;00000.000;00000.000;00000.000;r.dat" << 200.0f << 200.0;
        QTest::newRow("échange saumon") << "S;150.000;12.000;3.000;600.000;s.dat" << 180.0f << 150.0;
    }

    void datEchelle() {
        QFETCH(QString, enTete);
        QFETCH(float, corde);
        QFETCH(double, diviseur);
        const std::vector<PointFichier> points = NacaFichier("4415", 25, corde, 35, -12);
        const QPointF m(std::ranges::min(points, {}, &PointFichier::X).X,
                        std::ranges::min(points, {}, &PointFichier::Y).Y);
        const QByteArray texte = formats::EcrireDat(points, enTete);
        const LectureFichier l = formats::LireDat(std::string_view(texte.constData(), size_t(texte.size())));
        QVERIFY2(l.erreur.isEmpty(), qPrintable(l.erreur));
        QCOMPARE(l.points.size(), points.size());
        for (size_t i = 0; i < points.size(); ++i)
            QVERIFY(std::abs(l.points[i].X - (points[i].X - float(m.x())) / diviseur) < 1e-6
                    && std::abs(l.points[i].Y - (points[i].Y - float(m.y())) / diviseur) < 1e-6);
    }

    void datFormat() {
        const QByteArray texte = formats::EcrireDat(NacaFichier("0012", 25, 200, -40, 7), QStringLiteral("Corde: 200.000"));
        QVERIFY(texte.startsWith("Corde: 200.000\r\n"));
        const QList<QByteArray> lignes = texte.split('\n');
        QCOMPARE(lignes.size(), 51); // header, 49 points, nothing after the last line end
        const QRegularExpression forme(QStringLiteral("^\\d\\.\\d{6} \\d\\.\\d{6}\\r$"));
        for (qsizetype i = 1; i < 50; ++i)
            QVERIFY2(forme.match(QString::fromLatin1(lignes[i])).hasMatch(), lignes[i].constData());
        // Trailing edge at chord 1, leading edge at 0, both on the chord line of the symmetric profile.
        QVERIFY(lignes[1].startsWith("1.000000 ") && lignes[25].startsWith("0.000000 "));
        QCOMPARE(lignes[1].mid(9), lignes[25].mid(9));
    }

    // The header as a 999 comment, an R12 file, the points in order in plain decimal notation.
    void dxfStructure() {
        const std::vector<PointFichier> points{{1.5f, -2.25f}, {1e-7f, 3e5f}, {-48.125f, 0.0f}};
        const auto g = Groupes(formats::EcrireDxf(points, QStringLiteral("Flèche")));
        QCOMPARE(g.first(), std::make_pair(999, QByteArray("Fl\xE8" "che"))); // Windows-1252
        QCOMPARE(g.last(), std::make_pair(0, QByteArray("EOF")));
        QVERIFY(g.contains(std::make_pair(1, QByteArray("AC1009"))));
        QCOMPARE(g.count(std::make_pair(0, QByteArray("POLYLINE"))), 1);
        size_t n = 0;
        for (qsizetype i = 0; i < g.size(); ++i) {
            if (g[i] != std::make_pair(0, QByteArray("VERTEX")))
                continue;
            QVERIFY(g[i + 2].first == 10 && g[i + 2].second.toFloat() == points[n].X && !g[i + 2].second.contains('e'));
            QVERIFY(g[i + 3].first == 20 && g[i + 3].second.toFloat() == points[n].Y);
            ++n;
        }
        QCOMPARE(n, points.size());
    }

    void dxf3DStructure() {
        for (const auto& [nParSurface, ecartement] : {std::pair{20, 600.0f}, {4, 12.5f}}) {
            const std::vector<PointFichier> racine = NacaFichier("2412", nParSurface, 200);
            const std::vector<PointFichier> saumon = NacaFichier("0012", nParSurface, 120, 30, 8);
            const auto g = Groupes(formats::EcrireDxf3D(racine, saumon, ecartement));
            QCOMPARE(g.last(), std::make_pair(0, QByteArray("EOF")));
            QCOMPARE(g.count(std::make_pair(0, QByteArray("POLYLINE"))), 2);
            QCOMPARE(g.count(std::make_pair(0, QByteArray("VERTEX"))), qsizetype(2 * racine.size()));
            // Each face joins points i and i + 1 of the root (z = 0) to the same points of the tip.
            size_t face = 0;
            for (qsizetype i = 0; i < g.size(); ++i) {
                if (g[i] != std::make_pair(0, QByteArray("3DFACE")))
                    continue;
                QHash<int, float> v;
                for (qsizetype j = i + 1; j < g.size() && g[j].first != 0; ++j)
                    v[g[j].first] = g[j].second.toFloat();
                const PointFichier* coins[4] = {&racine[face], &racine[face + 1], &saumon[face + 1], &saumon[face]};
                for (int k = 0; k < 4; ++k) {
                    QCOMPARE(v.value(10 + k), coins[k]->X);
                    QCOMPARE(v.value(20 + k), coins[k]->Y);
                    QCOMPARE(v.value(30 + k), k < 2 ? 0.0f : ecartement);
                }
                ++face;
            }
            QCOMPARE(face, racine.size() - 1);
        }
    }
};

GALBIX_TEST_MAIN(EcritureTest)
#include "tst_ecriture.moc"
