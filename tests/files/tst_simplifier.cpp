// Greedy thinning of drawn contours: hand-checked cases, and the fast search compared
// with a plain transcription of the greedy rule on varied contours.
#include "common/Test.h"

#include "files/Simplification.h"

#include <QRandomGenerator>
#include <cmath>

using namespace galbix;

namespace {

using Points = std::vector<PointFichier>;

// The greedy rule written out plainly, window by window, every skipped record tested.
std::vector<int32_t> Reference(const Points& pts, float t) {
    const int u = int(pts.size()) - 1;
    std::vector<int32_t> garde{0, 1, 2};
    garde.resize(u < 3 ? size_t(u + 1) : 1); // too short to thin: every record
    if (u < 3)
        return garde;
    const double t2 = double(t) * double(t);
    for (int a = 0; a <= u - 2;) {
        int m = 1, dedans = 0;
        do {
            ++m;
            dedans = 0;
            const double xa = pts[a].X, ya = pts[a].Y;
            const double dx = pts[a + m].X - xa, dy = pts[a + m].Y - ya;
            const double l2 = dx * dx + dy * dy;
            for (int k = 1; k <= m - 1; ++k) {
                const double xk = pts[a + k].X, yk = pts[a + k].Y;
                if (l2 <= t2) {
                    dedans += (xk - xa) * (xk - xa) + (yk - ya) * (yk - ya) <= t2;
                    continue;
                }
                const double uu = std::clamp(((xk - xa) * dx + (yk - ya) * dy) / l2, 0.0, 1.0);
                const double ex = xa + uu * dx - xk, ey = ya + uu * dy - yk;
                dedans += ex * ex + ey * ey <= t2;
            }
        } while (a + m + 1 <= u && dedans == m - 1);
        a += m - 1;
        if (dedans != m - 1)
            garde.push_back(a);
    }
    garde.push_back(u);
    return garde;
}

// A drawing-like contour: straight runs finely divided, arcs, small noise, turns back.
Points ContourMixte(quint32 graine, int nombre, double echelle, double decalage) {
    QRandomGenerator alea(graine);
    Points p;
    double x = decalage, y = decalage, cap = 0.0;
    while (int(p.size()) < nombre) {
        const int genre = int(alea.bounded(4));
        const int longueur = 5 + int(alea.bounded(120));
        const double pas = echelle * (0.001 + alea.generateDouble() * 0.05);
        const double courbure = genre == 1 ? (alea.generateDouble() - 0.5) * 0.3 : 0.0;
        for (int i = 0; i < longueur && int(p.size()) < nombre; ++i) {
            cap += courbure;
            x += pas * std::cos(cap);
            y += pas * std::sin(cap);
            const double bruit = genre == 2 ? (alea.generateDouble() - 0.5) * echelle * 1e-3 : 0.0;
            p.push_back({float(x + bruit), float(y - bruit)});
        }
        if (genre == 3)
            cap += 3.0; // sharp turn, nearly back on itself
    }
    return p;
}

} // namespace

class TestSimplifier : public QObject {
    Q_OBJECT
private slots:
    void casConnus_data() {
        tests::Colonnes<Points, float, std::vector<int32_t>>("contour", "t", "gardes");
        const auto row = [](const char* nom, Points p, float t, std::vector<int32_t> g) { QTest::newRow(nom) << p << t << g; };
        row("droite divisée", {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}}, 0.1f, {0, 6});
        row("angle droit", {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}}, 0.1f, {0, 3, 6});
        row("trois records intacts", {{0, 0}, {1, 0}, {2, 0}}, 10.0f, {0, 1, 2});
        row("un record", {{4, 4}}, 1.0f, {0});
        row("vide", {}, 1.0f, {});
        row("zigzag hors tolérance", {{0, 0}, {1, 1}, {2, 0}, {3, 1}, {4, 0}}, 0.1f, {0, 1, 2, 3, 4});
        // Chord of 0.05 shorter than the tolerance: record 1 is tested against record 0 itself.
        row("corde courte, record loin", {{0, 0}, {5, 0}, {0.05f, 0}, {0, 0.05f}}, 0.1f, {0, 1, 3});
        row("écart égal à la tolérance", {{0, 0}, {1, 0.5}, {2, 0}, {3, 0}}, 0.5f, {0, 3});
        row("écart juste au-dessus", {{0, 0}, {1, 0.5}, {2, 0}, {3, 0}}, 0.4999f, {0, 1, 3});
        // Past the chord's end the distance is taken to the end record.
        row("record au-delà du bout", {{0, 0}, {2.05f, 0}, {2, 0}, {2, 1}, {2, 2}}, 0.1f, {0, 2, 4});
    }
    void casConnus() {
        QFETCH(Points, contour);
        QFETCH(float, t);
        QFETCH(std::vector<int32_t>, gardes);
        QCOMPARE(Reference(contour, t), gardes); // the hand count agrees with the rule
        QCOMPARE(IndicesConserves(contour, t), gardes);
        // Whole records are kept: X, Y, Reserve and CodeContour together.
        for (size_t i = 0; i < contour.size(); ++i) {
            PoserCodeContour(contour[i], int(i));
            contour[i].Reserve[0] = char(i);
        }
        Points tampon = contour;
        QCOMPARE(SimplifierContour(tampon, t), int32_t(gardes.size()));
        QCOMPARE(tampon.size(), gardes.size());
        for (size_t j = 0; j < gardes.size(); ++j) {
            const PointFichier& origine = contour[size_t(gardes[j])];
            QVERIFY(tampon[j].X == origine.X && tampon[j].Y == origine.Y && MemeContour(tampon[j], origine));
            QCOMPARE(tampon[j].Reserve[0], origine.Reserve[0]);
        }
    }
    void commeLaRegle_data() {
        tests::Colonnes<quint32, double, double, float>("graine", "echelle", "decalage", "t");
        QTest::newRow("mm, tolérance usuelle") << 1u << 100.0 << 0.0 << 0.02f;
        QTest::newRow("mm, tolérance large") << 2u << 100.0 << 0.0 << 0.5f;
        QTest::newRow("loin de l'origine") << 3u << 100.0 << -400.0 << 0.024f;
        QTest::newRow("unités de traceur") << 5u << 4000.0 << 0.0 << 0.8f;
        QTest::newRow("tolérance nulle") << 6u << 100.0 << 0.0 << 0.0f;
        QTest::newRow("tolérance négative") << 7u << 100.0 << 0.0 << -0.02f;
        QTest::newRow("tout dans la tolérance") << 8u << 0.001 << 0.0 << 1.0f;
    }
    void commeLaRegle() {
        QFETCH(quint32, graine);
        QFETCH(double, echelle);
        QFETCH(double, decalage);
        QFETCH(float, t);
        const Points contour = ContourMixte(graine, 3000, echelle, decalage);
        const std::vector<int32_t> attendu = Reference(contour, t);
        QCOMPARE(IndicesConserves(contour, t), attendu);
        std::vector<PointProfil> cote(contour.size());
        for (size_t i = 0; i < contour.size(); ++i)
            cote[i] = {contour[i].X, contour[i].Y, 0};
        QCOMPARE(IndicesConserves(cote, t), attendu);
    }
    // Contours made to defeat the shortcuts: records bunched around the anchor, turning back
    // within the band, lying on the band's edge, or far from the origin.
    void contoursAdverses_data() {
        tests::Colonnes<int, double, float>("genre", "decalage", "t");
        const char* noms[] = {"pelote", "nuage", "allers-retours", "bord de bande", "spirale serrée", "piquants"};
        for (int genre = 0; genre < 6; ++genre) {
            QTest::addRow("%s", noms[genre]) << genre << 0.0 << 1.0f;
            QTest::addRow("%s, loin", noms[genre]) << genre << 5e4 << 0.25f;
        }
    }
    void contoursAdverses() {
        QFETCH(int, genre);
        QFETCH(double, decalage);
        QFETCH(float, t);
        QRandomGenerator alea(quint32(genre + 11));
        for (int essai = 0; essai < 20; ++essai) {
            const int n = 4 + int(alea.bounded(300));
            Points p(size_t(n), PointFichier{});
            for (int i = 0; i < n; ++i) {
                const double s = double(i) / n, a = alea.generateDouble() * 2 - 1, b = alea.generateDouble() * 2 - 1;
                double x = 0, y = 0;
                switch (genre) {
                case 0: x = 1.4 * t * std::cos(40 * s), y = 1.4 * t * std::sin(37 * s); break;
                case 1: x = 0.8 * t * a, y = 0.8 * t * b; break;
                case 2: x = (i % 2) * 5 * t + a * 1e-3, y = (i % 3) * t * 0.5; break;
                case 3: x = i * t * 0.1, y = ((i / 7) % 2 ? t : -t); break;
                case 4: x = t * (1 + s) * std::cos(60 * s), y = t * (1 + s) * std::sin(60 * s); break;
                default: x = i * 0.3 * t, y = (i % 5 == 0) ? t * (1 + 0.01 * a) : 0.0; break;
                }
                p[size_t(i)] = {float(x + decalage), float(y)};
            }
            QCOMPARE(IndicesConserves(p, t), Reference(p, t));
        }
    }
    void peloteAuBoutLineaire() {
        // A long straight run, then 300 000 records wandering within a third of the tolerance of
        // its end (what a degenerate curve turns into): every record is within tolerance of the
        // chord from the first record to the last, but many lie farther from the first than the
        // window's end. Testing every skipped record of every window would take hours.
        const int n = 300000;
        const float t = 1.0f;
        Points p(size_t(2 * n));
        for (int i = 0; i < n; ++i) {
            const double s = double(i) / n;
            p[size_t(i)] = {float(i) * 0.001f, -float(i) * 0.01f};
            p[size_t(n + i)] = {float(n * 0.001 + 0.3 * std::cos(300 * s)), float(-n * 0.01 + 0.3 * std::sin(277 * s))};
        }
        QCOMPARE(IndicesConserves(p, t), (std::vector<int32_t>{0, 2 * n - 1}));
    }
};

GALBIX_TEST_MAIN(TestSimplifier)
#include "tst_simplifier.moc"
