// The DXF reader on drawings made here: every entity kind and its variants, block insertion,
// paper space, chaining into contours, header values and malformed text.
#include "common/Test.h"
#include "common/Profils.h"
#include "geomlib/Courbes.h"
#include "geomlib/Tolerances.h"

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <numbers>
#include <random>
#include <string>

using namespace galbix;

namespace {

constexpr double PiDxf = std::numbers::pi;

// DXF text written group by group.
class DxfEcrit {
public:
    DxfEcrit& G(int code, const std::string& valeur) {
        m_texte += std::to_string(code) + "\n" + valeur + "\n";
        return *this;
    }
    DxfEcrit& G(int code, double v) { return G(code, QByteArray::number(v, 'g', 12).toStdString()); }
    DxfEcrit& Section(const char* nom) { return G(0, "SECTION").G(2, nom); }
    DxfEcrit& Entites() { return Section("ENTITIES"); }
    DxfEcrit& FinSection() { return G(0, "ENDSEC"); }
    DxfEcrit& Ligne(double x1, double y1, double x2, double y2) {
        return G(0, "LINE").G(8, "0").G(10, x1).G(20, y1).G(30, 0.0).G(11, x2).G(21, y2).G(31, 0.0);
    }
    DxfEcrit& Arc(double cx, double cy, double r, double a0, double a1) {
        return G(0, "ARC").G(10, cx).G(20, cy).G(40, r).G(50, a0).G(51, a1);
    }
    DxfEcrit& Cercle(double cx, double cy, double r) { return G(0, "CIRCLE").G(10, cx).G(20, cy).G(40, r); }
    // Centre (cx, cy), major axis end (mx, my) relative to it, minor/major ratio, up to parameter `fin`.
    DxfEcrit& Ellipse(double cx, double cy, double mx, double my, double rapport, double fin = 2 * PiDxf) {
        return G(0, "ELLIPSE").G(10, cx).G(20, cy).G(11, mx).G(21, my).G(40, rapport).G(41, 0.0).G(42, fin);
    }
    DxfEcrit& LwPoly(std::initializer_list<std::array<double, 3>> sommets, bool ferme) {
        G(0, "LWPOLYLINE").G(90, double(sommets.size())).G(70, ferme ? 1.0 : 0.0);
        for (const auto& s : sommets)
            G(10, s[0]).G(20, s[1]).G(42, s[2]);
        return *this;
    }
    // A POLYLINE of flags `drapeaux`; each vertex x, y, bulge and vertex flags.
    DxfEcrit& Poly(const char* drapeaux, std::initializer_list<std::array<double, 4>> sommets) {
        G(0, "POLYLINE").G(70, drapeaux);
        for (const auto& s : sommets)
            G(0, "VERTEX").G(10, s[0]).G(20, s[1]).G(42, s[2]).G(70, std::to_string(int(s[3])));
        return G(0, "SEQEND");
    }
    DxfEcrit& Bloc(const char* nom, double bx, double by) { return G(0, "BLOCK").G(2, nom).G(10, bx).G(20, by); }
    DxfEcrit& Insert(const char* nom, double x, double y, double echelle, double rotation) {
        return G(0, "INSERT").G(2, nom).G(10, x).G(20, y).G(41, echelle).G(42, echelle).G(50, rotation);
    }
    QByteArray Fin() { return QByteArray::fromStdString(FinSection().m_texte + "0\nEOF\n"); }

private:
    std::string m_texte;
};

LectureFichier LireDxfTest(const QByteArray& texte) { return tests::LireTexte(texte, formats::LireDxf); }

QPointF PointDxf(const PointFichier& p) { return {p.X, p.Y}; }

bool ProcheDxf(QPointF a, QPointF b, double tolerance) { return std::hypot(a.x() - b.x(), a.y() - b.y()) <= tolerance; }

// Largest distance from the points `de` to the polyline `vers`.
double EcartDxf(const std::vector<QPointF>& de, const std::vector<QPointF>& vers) {
    double pire = 0.0;
    for (const QPointF& q : de) {
        double d = 1e300;
        for (size_t i = 0; i + 1 < vers.size(); ++i) {
            const QPointF a = vers[i], u = vers[i + 1] - a;
            const double l2 = QPointF::dotProduct(u, u);
            const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(q - a, u) / l2, 0.0, 1.0) : 0.0;
            d = std::min(d, QLineF(a + t * u, q).length());
        }
        pire = std::max(pire, d);
    }
    return pire;
}

// A SPLINE of that degree, knots, control points and weights (none: all 1).
QByteArray SplineDxf(int degre, QList<double> noeuds, QList<QPointF> controle, QList<double> poids) {
    DxfEcrit d;
    d.Entites().G(0, "SPLINE").G(70, "8").G(71, double(degre)).G(72, double(noeuds.size()));
    for (double u : noeuds)
        d.G(40, u);
    for (int i = 0; i < controle.size(); ++i) {
        d.G(10, controle[i].x()).G(20, controle[i].y()).G(30, 0.0);
        if (!poids.isEmpty())
            d.G(41, poids[i]);
    }
    return d.Fin();
}

// A row of entites: the drawing, contours and points expected, then v: the first point, the last
// point and the extent x0 x1 y0 y1.
void LigneEntites(const char* nom, DxfEcrit d, int c, int n, std::array<double, 8> v) {
    QTest::newRow(nom) << d.Fin() << c << n << QPointF(v[0], v[1]) << QPointF(v[2], v[3])
                       << QRectF(QPointF(v[4], v[6]), QPointF(v[5], v[7]));
}

} // namespace

class TestLectureDxf : public QObject {
    Q_OBJECT
private slots:
    void entites_data() {
        tests::Colonnes<QByteArray, int, int>("texte", "contours", "points"); // points -1: tessellated, unchecked
        tests::Colonnes<QPointF, QPointF, QRectF>("premier", "dernier", "etendue");
        const auto r = LigneEntites;
        const auto e = [] { return DxfEcrit().Entites(); };
        const auto blocA = [](double l) {
            return DxfEcrit().Section("BLOCKS").Bloc("A", 0, 0).Ligne(0, 0, l, 0).G(0, "ENDBLK").FinSection().Entites();
        };
        r("lines reversed at the end", e().Ligne(0, 0, 10, 0).Ligne(10, 5, 10, 0).Ligne(10, 5, 0, 5),
          1, 4, {0, 0, 0, 5, 0, 10, 0, 5});
        r("lines joined at the start", e().Ligne(5, 0, 10, 0).Ligne(0, 0, 5, 0).Ligne(0, 0, -5, 0),
          1, 4, {-5, 0, 10, 0, -5, 10, 0, 0});
        r("closed square", e().Ligne(0, 0, 4, 0).Ligne(4, 4, 0, 4).Ligne(4, 0, 4, 4).Ligne(0, 4, 0, 0),
          1, 5, {0, 0, 0, 0, 0, 4, 0, 4});
        r("gap within tolerance", e().Ligne(0, 0, 1, 0).Ligne(1.0005, 0, 2, 0), 1, 3, {0, 0, 2, 0, 0, 2, 0, 0});
        r("gap beyond tolerance", e().Ligne(0, 0, 1, 0).Ligne(1.002, 0, 2, 0), 2, 4, {0, 0, 2, 0, 0, 2, 0, 0});
        r("bulge +1", e().LwPoly({{0, 0, 1}, {10, 0, 0}}, false), 1, -1, {0, 0, 10, 0, 0, 10, -5, 0});
        r("bulge -1", e().LwPoly({{0, 0, -1}, {10, 0, 0}}, false), 1, -1, {0, 0, 10, 0, 0, 10, 0, 5});
        r("closed polyline of two bulges", e().LwPoly({{0, 0, 1}, {10, 0, 1}}, true),
          1, -1, {0, 0, 0, 0, 0, 10, -5, 5});
        r("closed polyline ending on its start", e().LwPoly({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 0, 0}}, true),
          1, 4, {0, 0, 0, 0, 0, 10, 0, 10});
        r("POLYLINE closed with a bulge", e().Poly("1", {{0, 0, 0, 0}, {10, 0, 0, 0}, {10, 10, 1, 0}, {0, 10, 0, 0}}),
          1, -1, {0, 0, 0, 0, 0, 10, 0, 15});
        r("3D POLYLINE", e().G(0, "POLYLINE").G(70, "8").G(0, "VERTEX").G(10, 1.0).G(20, 2.0).G(30, 7.0)
          .G(70, "32").G(0, "VERTEX").G(10, 3.0).G(20, 4.0).G(30, -7.0).G(70, "32").G(0, "SEQEND"),
          1, 2, {1, 2, 3, 4, 1, 3, 2, 4});
        r("spline-fit POLYLINE keeps its fitted vertices",
          e().Poly("4", {{0, 9, 0, 16}, {0, 0, 0, 8}, {5, 1, 0, 8}, {9, 9, 0, 16}}), 1, 2, {0, 0, 5, 1, 0, 5, 0, 1});
        r("arc", e().Arc(0, 0, 10, 0, 90), 1, -1, {10, 0, 0, 10, 0, 10, 0, 10});
        r("arc across 0 degrees", e().Arc(0, 0, 10, 350, 10),
          1, -1, {9.8481, -1.7365, 9.8481, 1.7365, 9.8481, 10, -1.7365, 1.7365});
        r("arc with extrusion (0,0,-1)", e().Arc(10, 0, 5, 0, 90).G(210, 0.0).G(220, 0.0).G(230, -1.0),
          1, -1, {-15, 0, -10, 5, -15, -10, 0, 5});
        r("circle", e().Cercle(1, 2, 5), 1, -1, {6, 2, 6, 2, -4, 6, -3, 7});
        r("circle with extrusion (0,0,-1)", e().Cercle(3, 0, 5).G(230, -1.0), 1, -1, {-8, 0, -8, 0, -8, 2, -5, 5});
        r("quarter ellipse", e().Ellipse(0, 0, 10, 0, 0.5, PiDxf / 2), 1, -1, {10, 0, 0, 5, 0, 10, 0, 5});
        r("quarter ellipse with extrusion (0,0,-1)", e().Ellipse(0, 0, 10, 0, 0.5, PiDxf / 2).G(230, -1.0),
          1, -1, {10, 0, 0, -5, 0, 10, -5, 0});
        r("full ellipse, vertical major axis", e().Ellipse(1, 1, 0, 5, 0.4), 1, -1, {1, 6, 1, 6, -1, 3, -4, 6});
        r("INSERT scaled and rotated", blocA(10).Insert("A", 5, 5, 2, 90), 1, 2, {5, 5, 5, 25, 5, 5, 5, 25});
        r("INSERT of a block with a base point, block defined after use", e().Insert("b", 0, 0, 3, 0).FinSection()
          .Section("BLOCKS").Bloc("B", 1, 0).Ligne(1, 0, 2, 0).G(0, "ENDBLK"),
          1, 2, {0, 0, 3, 0, 0, 3, 0, 0});
        r("nested INSERT", DxfEcrit().Section("BLOCKS").Bloc("A", 0, 0).Ligne(0, 0, 1, 0).G(0, "ENDBLK")
          .Bloc("B", 0, 0).Insert("A", 0, 1, 2, 0).G(0, "ENDBLK").FinSection().Entites().Insert("B", 10, 0, 1, 180),
          1, 2, {10, -1, 8, -1, 8, 10, -1, -1});
        r("INSERT with extrusion (0,0,-1)", blocA(1).Insert("A", 5, 0, 1, 0).G(230, -1.0),
          1, 2, {-5, 0, -6, 0, -6, -5, 0, 0});
        r("MINSERT of two columns", blocA(10).Insert("A", 0, 0, 1, 0).G(70, "2").G(44, 20.0),
          2, 4, {0, 0, 30, 0, 0, 30, 0, 0});
        r("paper space when the model is empty", e().Ligne(0, 0, 1, 1).G(67, "1"), 1, 2, {0, 0, 1, 1, 0, 1, 0, 1});
        r("model space before paper space", e().Ligne(0, 0, 1, 1).G(67, "1").Ligne(5, 5, 6, 5),
          1, 2, {5, 5, 6, 5, 5, 6, 5, 5});
        r("*Paper_Space block when nothing else", DxfEcrit().Section("BLOCKS")
          .Bloc("*Paper_Space", 0, 0).Ligne(2, 0, 3, 0).G(0, "ENDBLK").FinSection().Entites(),
          1, 2, {2, 0, 3, 0, 2, 3, 0, 0});
        r("entities without geometry are skipped", e().G(0, "TEXT").G(10, 50.0).G(20, 50.0).G(1, "x")
          .G(0, "POINT").G(10, -9.0).G(20, 0.0).Ligne(0, 0, 1, 0).G(0, "DIMENSION").G(2, "*D1").G(10, 99.0),
          1, 2, {0, 0, 1, 0, 0, 1, 0, 0});
    }
    void entites() {
        QFETCH(QByteArray, texte);
        QFETCH(int, points);
        QFETCH(QPointF, premier);
        QFETCH(QPointF, dernier);
        QFETCH(QRectF, etendue);
        const LectureFichier l = LireDxfTest(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        QTEST(int(DebutsContours(l.points).size()), "contours");
        if (points >= 0)
            QCOMPARE(int(l.points.size()), points);
        const auto proche = [](const PointFichier& p, QPointF q) {
            return ProcheDxf(PointDxf(p), q, 1e-3) ? QString() : QString("%1 %2").arg(p.X).arg(p.Y);
        };
        QCOMPARE(proche(l.points.front(), premier) + proche(l.points.back(), dernier), QString());
        const double e = tol::ErreurCorde + 1e-4;
        QVERIFY2(std::abs(l.Xmin - etendue.left()) <= e && std::abs(l.Xmax - etendue.right()) <= e
                     && std::abs(l.Ymin - etendue.top()) <= e && std::abs(l.Ymax - etendue.bottom()) <= e,
                 qPrintable(QString("%1 %2 %3 %4").arg(l.Xmin).arg(l.Xmax).arg(l.Ymin).arg(l.Ymax)));
    }
    // Curves against the true shape: within the chord error one way, on the curve the other way, through the
    // fit points, and not wastefully fine either.
    void courbes_data() {
        // parametres: 6 for an elliptic arc (cx cy a b, from and to in degrees), 8 for a cubic Bezier (x0 y0 .. x3 y3);
        // corde: largest distance allowed from the true curve to the points read; plafond: most points (0: any)
        tests::Colonnes<QByteArray, QList<double>, QList<QPointF>, double, int>("texte", "parametres", "passages",
                                                                                  "corde", "plafond");
        const auto arc = [](const char* nom, DxfEcrit d, double a, double b, double fin = 360) {
            const double erreur = courbes::ErreurCordeDessin(2 * std::max(a, b));
            const double necessaires = 2 * PiDxf / (2 * std::acos(1 - erreur / std::max(a, b)));
            QTest::newRow(nom) << d.Fin() << QList<double>{0, 0, a, b, 0, fin} << QList<QPointF>() << erreur + 2e-5 * a
                               << int(4 * std::max(8.0, necessaires) + 2);
        };
        arc("circle r 0.005", DxfEcrit().Entites().Cercle(0, 0, 0.005), 0.005, 0.005);
        arc("circle r 80", DxfEcrit().Entites().Cercle(0, 0, 80), 80, 80);
        // Beyond 500 mm across, the chord error follows the drawing's size.
        arc("circle r 5000", DxfEcrit().Entites().Cercle(0, 0, 5000), 5000, 5000);
        arc("bulge of a quarter turn", DxfEcrit().Entites().LwPoly({{30, 0, std::tan(PiDxf / 8)}, {0, 30, 0}}, false), 30,
            30, 90);
        arc("ellipse 120 x 30", DxfEcrit().Entites().Ellipse(0, 0, 120, 0, 0.25), 120, 30);
        arc("circle r 40 in a block scaled by 3", DxfEcrit().Section("BLOCKS").Bloc("C", 0, 0).Cercle(0, 0, 40).G(0, "ENDBLK")
            .FinSection().Entites().Insert("C", 0, 0, 3, 0), 120, 120);
        const double c = tol::ErreurCorde + 1e-4, w = std::sqrt(0.5);
        const QList<double> bezier{0, 0, 30, 60, 70, -60, 100, 0};
        const QList<QPointF> controle{{0, 0}, {30, 60}, {70, -60}, {100, 0}};
        QTest::newRow("cubic Bezier") << SplineDxf(3, {0, 0, 0, 0, 1, 1, 1, 1}, controle, {}) << bezier << QList<QPointF>()
                                      << c << 0;
        QTest::newRow("knots inconsistent: clamped uniform") << SplineDxf(3, {0, 1, 2}, controle, {}) << bezier
                                                             << QList<QPointF>() << c << 0;
        QTest::newRow("rational quarter circle") << SplineDxf(2, {0, 0, 0, 1, 1, 1}, {{50, 0}, {50, 50}, {0, 50}}, {1, w, 1})
                                                 << QList<double>{0, 0, 50, 50, 0, 90} << QList<QPointF>() << c << 0;
        QTest::newRow("rational full circle")
            << SplineDxf(2, {0, 0, 0, 0.25, 0.25, 0.5, 0.5, 0.75, 0.75, 1, 1, 1},
                      {{60, 10}, {60, 70}, {0, 70}, {-60, 70}, {-60, 10}, {-60, -50}, {0, -50}, {60, -50}, {60, 10}},
                      {1, w, 1, w, 1, w, 1, w, 1})
            << QList<double>{0, 10, 60, 60, 0, 360} << QList<QPointF>() << c << 0;
        // Fit points on a circle: the interpolating cubic goes through them and hugs the circle
        // (closely spaced when the ends are free, sparse when the end tangents are given).
        for (const auto& [n, tangentes] : {std::pair{60, false}, {12, true}}) {
            DxfEcrit d;
            QList<QPointF> points;
            d.Entites().G(0, "SPLINE").G(70, "8").G(71, 3.0).G(74, double(n + 1));
            if (tangentes)
                d.G(12, 0.0).G(22, 1.0).G(13, -1.0).G(23, 0.0);
            for (int k = 0; k <= n; ++k) {
                points << QPointF(40 * std::cos(k * PiDxf / 2 / n), 40 * std::sin(k * PiDxf / 2 / n));
                d.G(11, points.back().x()).G(21, points.back().y());
            }
            QTest::addRow("%d fit points%s", n + 1, tangentes ? " and end tangents" : "")
                << d.Fin() << QList<double>{0, 0, 40, 40, 0, 90} << points << c << 0;
        }
    }
    void courbes() {
        QFETCH(QByteArray, texte);
        QFETCH(QList<double>, parametres);
        QFETCH(int, plafond);
        const LectureFichier l = LireDxfTest(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        const QList<double>& p = parametres;
        const auto courbe = [&](double t) {
            if (p.size() == 6) {
                const double u = (p[4] + t * (p[5] - p[4])) * PiDxf / 180;
                return QPointF(p[0] + p[2] * std::cos(u), p[1] + p[3] * std::sin(u));
            }
            const double s = 1 - t, b0 = s * s * s, b1 = 3 * s * s * t, b2 = 3 * s * t * t, b3 = t * t * t;
            return QPointF(b0 * p[0] + b1 * p[2] + b2 * p[4] + b3 * p[6], b0 * p[1] + b1 * p[3] + b2 * p[5] + b3 * p[7]);
        };
        std::vector<QPointF> lus, vrais;
        for (const PointFichier& q : l.points)
            lus.push_back(PointDxf(q));
        for (int k = 0; k <= 5000; ++k)
            vrais.push_back(courbe(k / 5000.0));
        QVERIFY(ProcheDxf(lus.front(), courbe(0), 1e-4) && ProcheDxf(lus.back(), courbe(1), 1e-4));
        QFETCH(double, corde);
        QVERIFY2(EcartDxf(vrais, lus) <= corde,
                 qPrintable(QString::number(EcartDxf(vrais, lus))));
        const double loin = 1e-3 * std::max(1.0, p.size() == 6 ? p[2] / 100 : 1.0);
        QVERIFY2(EcartDxf(lus, vrais) <= loin, qPrintable(QString::number(EcartDxf(lus, vrais))));
        QFETCH(QList<QPointF>, passages);
        for (const QPointF& q : passages)
            QVERIFY(std::any_of(lus.begin(), lus.end(), [&](QPointF r) { return ProcheDxf(q, r, 1e-4); }));
        QVERIFY2(plafond == 0 || int(lus.size()) <= plafond, qPrintable(QString::number(lus.size())));
    }
    void contours_data() {
        tests::Colonnes<QByteArray, QList<int>>("texte", "tailles"); // tailles: points of each contour, in order
        QTest::newRow("two squares, a circle and a polyline")
            << DxfEcrit().Entites().Ligne(0, 0, 10, 0).Cercle(50, 50, 0.004).Ligne(20, 0, 30, 0).Ligne(10, 10, 10, 0)
                   .Ligne(30, 10, 30, 0).Ligne(0, 10, 10, 10).Ligne(0, 0, 0, 10).Ligne(20, 10, 20, 0)
                   .LwPoly({{70, 0, 0}, {80, 0, 0}, {80, 5, 0}}, false).Ligne(30, 10, 20, 10).Fin()
            << QList<int>{5, 9, 5, 3};
        // 1500 squares drawn as shuffled, half reversed lines: 1500 closed contours.
        std::vector<std::array<double, 4>> lignes;
        for (int k = 0; k < 1500; ++k) {
            const double x = (k % 50) * 3.0, y = (k / 50) * 3.0;
            lignes.insert(lignes.end(), {{x, y, x + 2, y}, {x + 2, y, x + 2, y + 2}, {x + 2, y + 2, x, y + 2}, {x, y + 2, x, y}});
        }
        std::mt19937 alea(7);
        std::shuffle(lignes.begin(), lignes.end(), alea);
        DxfEcrit grand;
        grand.Entites();
        for (size_t i = 0; i < lignes.size(); ++i) {
            const auto& l = lignes[i];
            i % 2 ? grand.Ligne(l[2], l[3], l[0], l[1]) : grand.Ligne(l[0], l[1], l[2], l[3]);
        }
        QTest::newRow("1500 squares of shuffled lines") << grand.Fin() << QList<int>(1500, 5);
    }
    void contours() {
        QFETCH(QByteArray, texte);
        QFETCH(QList<int>, tailles);
        const LectureFichier l = LireDxfTest(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        const std::vector<int> debuts = DebutsContours(l.points);
        QCOMPARE(int(debuts.size()), int(tailles.size()));
        for (size_t c = 0; c < debuts.size(); ++c) {
            const int fin = c + 1 < debuts.size() ? debuts[c + 1] : int(l.points.size());
            QCOMPARE(fin - debuts[c], tailles[int(c)]);
            if (c > 0) // consecutive contours never share a code
                QVERIFY(!MemeContour(l.points[size_t(debuts[c])], l.points[size_t(debuts[c - 1])]));
            if (tailles[int(c)] == 5) // squares close on their first point
                QCOMPARE(PointDxf(l.points[size_t(fin - 1)]), PointDxf(l.points[size_t(debuts[c])]));
        }
    }
    void enTete_data() {
        // The text before the ENTITIES section: comments and HEADER variables; unites "-" when none declared.
        tests::Colonnes<QByteArray, QString, QString>("debut", "enTete", "unites");
        const auto h = [](const char* variables) { return "0\nSECTION\n2\nHEADER\n" + QByteArray(variables) + "0\nENDSEC\n"; };
        QTest::newRow("nothing") << QByteArray() << QString() << "-";
        QTest::newRow("inches") << h("9\n$INSUNITS\n70\n1\n") << QString() << "pouces";
        QTest::newRow("millimetres") << h("9\n$INSUNITS\n70\n     4\n") << QString() << "millimètres";
        QTest::newRow("imperial") << h("9\n$MEASUREMENT\n70\n0\n") << QString() << "impériales";
        QTest::newRow("unknown code, metric") << h("9\n$INSUNITS\n70\n99\n9\n$MEASUREMENT\n70\n1\n") << QString() << "métriques";
        QTest::newRow("other variables only") << h("9\n$ACADVER\n1\nAC1015\n9\n$LUNITS\n70\n4\n") << QString() << "-";
        QTest::newRow("first comment of several") << "999\nNACA 2412 emplanture\n" + h("999\nautre\n") + "999\nx\n"
                                                  << "NACA 2412 emplanture" << "-";
        QTest::newRow("UTF-8 comment") << QByteArray("999\nProfil \xC3\xA9\n") << "Profil é" << "-";
        QTest::newRow("Latin-1 comment") << QByteArray("999\nProfil \xE9\r\n") << "Profil é" << "-";
    }
    void enTete() {
        QFETCH(QByteArray, debut);
        QFETCH(QString, enTete);
        const LectureFichier l = LireDxfTest(debut + DxfEcrit().Entites().Ligne(0, 0, 1, 0).G(999, "fin").Fin());
        QVERIFY2(l.ok, qPrintable(l.erreur));
        QCOMPARE(l.enTete, enTete.isEmpty() ? QStringLiteral("fin") : enTete); // else the one among the entities
        QTEST(l.unitesDeclarees.value_or(QStringLiteral("-")), "unites");
    }
    void malformes_data() {
        tests::Colonnes<QByteArray, int>("texte", "attendu"); // 0 refused, 1 read, 2 either
        const QByteArray ligne("0\nLINE\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n"), entites("0\nSECTION\n2\nENTITIES\n");
        const QByteArray fin("0\nENDSEC\n0\nEOF\n");
        const QByteArray blocA("0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA\n" + ligne + "0\nENDBLK\n0\nENDSEC\n");
        const auto e = [&](const char* corps) { return entites + corps + fin; };
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("blank lines") << QByteArray("\n \n\r\n") << 0;
        QTest::newRow("binary DXF") << QByteArray("AutoCAD Binary DXF\r\n\x1a\0\0SECTION\0", 29) << 0;
        QTest::newRow("text, not DXF") << QByteArray("NACA 2412\n1.0 0.0\n0.5 0.1\n") << 0;
        QTest::newRow("code line not a number") << entites + "abc\nLINE\n" + ligne + fin << 0;
        QTest::newRow("blank code line") << entites + "\nLINE\n" + ligne + fin << 0;
        QTest::newRow("value missing at the end") << entites + ligne + "0" << 0;
        QTest::newRow("coordinate not a number") << e("0\nLINE\n10\nabc\n20\n0\n11\n1\n21\n0\n") << 0;
        QTest::newRow("coordinate infinite") << e("0\nLINE\n10\ninf\n20\n0\n11\n1\n21\n0\n") << 0;
        QTest::newRow("section never ended") << entites + ligne << 0;
        QTest::newRow("no SECTION") << ligne + "0\nEOF\n" << 0;
        QTest::newRow("SECTION inside a section") << entites + ligne + entites + ligne + "0\nENDSEC\n" << 0;
        QTest::newRow("no geometry") << e("0\nTEXT\n1\nhello\n") << 0;
        QTest::newRow("unknown block") << e("0\nINSERT\n2\nX\n10\n0\n20\n0\n") << 0;
        QTest::newRow("EOF inside the section") << entites + ligne + "0\nEOF\n" << 2;
        QTest::newRow("huge vertex count") << e("0\nLWPOLYLINE\n90\n2000000000\n10\n0\n20\n0\n10\n1\n20\n1\n") << 1;
        QTest::newRow("huge spline degree and counts")
            << e("0\nSPLINE\n71\n1000000\n72\n999999999\n73\n99999999\n10\n0\n20\n0\n10\n1\n20\n1\n10\n2\n20\n0\n") << 1;
        QTest::newRow("spline with zero weights")
            << e("0\nSPLINE\n71\n2\n10\n0\n20\n0\n41\n0\n10\n1\n20\n1\n41\n0\n10\n2\n20\n0\n41\n0\n") << 1;
        QTest::newRow("huge MINSERT") << blocA + e("0\nINSERT\n2\nA\n70\n32767\n71\n32767\n") << 2;
        QTest::newRow("block inserting itself")
            << "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA\n" + ligne + "0\nINSERT\n2\nA\n41\n2\n0\nINSERT\n2\nA\n10\n1\n"
                   "0\nENDBLK\n0\nENDSEC\n" + e("0\nINSERT\n2\nA\n") << 2;
        QTest::newRow("huge radius") << e("0\nCIRCLE\n10\n0\n20\n0\n40\n1e300\n") << 2;
        QByteArray octets(4096, '\0');
        std::mt19937 alea(3);
        for (char& c : octets)
            c = char(alea());
        QTest::newRow("random bytes") << octets << 0;
    }
    void malformes() {
        QFETCH(QByteArray, texte);
        QFETCH(int, attendu);
        const LectureFichier l = LireDxfTest(texte);
        if (attendu != 2)
            QVERIFY2(l.ok == (attendu == 1), qPrintable(l.erreur));
        QCOMPARE(l.points.empty(), !l.ok);
        QVERIFY(l.ok || (!l.erreur.isEmpty() && !l.erreur.contains(u'\n')));
    }
    void tronque() {
        // Cut anywhere before the end of its ENTITIES section, a drawing is refused; cut anywhere, nothing breaks.
        DxfEcrit d;
        d.G(999, "essai").Section("HEADER").G(9, "$INSUNITS").G(70, "4").FinSection().Section("BLOCKS").Bloc("A", 0, 0)
            .Arc(0, 0, 3, 0, 180).G(0, "ENDBLK").FinSection().Entites().Ligne(0, 0, 1, 0).Insert("A", 5, 0, 1, 30)
            .LwPoly({{0, 0, 0.5}, {4, 0, 0}, {4, 4, 0}}, true).G(0, "SPLINE").G(71, 3.0);
        for (int k = 0; k < 6; ++k)
            d.G(10, k * 2.0).G(20, (k % 2) * 3.0);
        d.Ellipse(0, 0, 4, 1, 0.5).Poly("1", {{9, 9, -0.3, 0}, {12, 9, 0, 0}});
        std::string texte = d.Fin().toStdString();
        for (std::string fins : {"\n", "\r\n"}) {
            if (fins == "\r\n")
                for (size_t p = texte.find('\n'); p != std::string::npos; p = texte.find('\n', p + 2))
                    texte.replace(p, 1, "\r\n");
            const size_t finEntites = texte.rfind("ENDSEC") + 6;
            QVERIFY(LireDxfTest(QByteArray::fromStdString(texte)).ok);
            for (size_t n = 0; n < texte.size(); ++n) {
                const LectureFichier l = formats::LireDxf(std::string_view(texte.data(), n));
                QVERIFY2(n >= finEntites || !l.erreur.isEmpty(), qPrintable(QString::number(n)));
            }
        }
    }
    // Curves made to need endless chords stay within the points one file may produce.
    void budgetDePoints_data() {
        tests::Colonnes<QByteArray, int>("texte", "courbes");
        DxfEcrit lointain, cercles; // a spline through a fit point 6e15 mm away, 90 times
        lointain.Entites();
        for (int k = 0; k < 90; ++k)
            lointain.G(0, "SPLINE").G(70, "8").G(71, 3.0).G(74, 3.0).G(11, 0.06).G(21, 5.0).G(11, 0.0).G(21, -5.0)
                .G(11, 4e-5).G(21, 6e15);
        QTest::newRow("90 splines to a far point") << lointain.Fin() << 90;
        cercles.Entites(); // 3000 circles of radius 100: 222 chords each at 0.01 mm
        for (int k = 0; k < 3000; ++k)
            cercles.Cercle(k % 7, 0, 100);
        QTest::newRow("3000 circles") << cercles.Fin() << 3000;
    }
    void budgetDePoints() {
        QFETCH(QByteArray, texte);
        const LectureFichier l = LireDxfTest(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        // The budget, plus the coarsest cut of the curves met after it was spent.
        QFETCH(int, courbes);
        QVERIFY2(double(l.points.size()) <= double(tol::PointsMaxCourbesFichier) + 9.0 * courbes,
                 qPrintable(QString::number(l.points.size())));
    }
};

GALBIX_TEST_MAIN(TestLectureDxf)
#include "tst_lecturedxf.moc"
