// The DXF reader on drawings made here: every entity kind and its variants, block insertion,
// paper space, chaining into contours, header values and malformed text.
#include "common/Colonnes.h"
#include "common/Profils.h"
#include "common/TestMain.h"
#include "geomlib/Courbes.h"
#include "geomlib/Formats.h"
#include "geomlib/Tolerances.h"
#include "model/Naca.h"

#include <QPointF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <string>

using namespace galbix;

namespace {

constexpr double Pi = std::numbers::pi;

// DXF text written group by group.
class Dxf {
public:
    Dxf& G(int code, const std::string& valeur) {
        m_texte += std::to_string(code) + "\n" + valeur + "\n";
        return *this;
    }
    Dxf& G(int code, double v) {
        char tampon[40];
        std::snprintf(tampon, sizeof tampon, "%.12g", v);
        return G(code, std::string(tampon));
    }
    Dxf& Section(const char* nom) { return G(0, "SECTION").G(2, nom); }
    Dxf& Entites() { return Section("ENTITIES"); }
    Dxf& FinSection() { return G(0, "ENDSEC"); }
    Dxf& Ligne(double x1, double y1, double x2, double y2) {
        return G(0, "LINE").G(8, "0").G(10, x1).G(20, y1).G(30, 0.0).G(11, x2).G(21, y2).G(31, 0.0);
    }
    Dxf& Arc(double cx, double cy, double r, double a0, double a1) {
        return G(0, "ARC").G(10, cx).G(20, cy).G(40, r).G(50, a0).G(51, a1);
    }
    Dxf& Cercle(double cx, double cy, double r) { return G(0, "CIRCLE").G(10, cx).G(20, cy).G(40, r); }
    Dxf& LwPoly(std::initializer_list<std::array<double, 3>> sommets, bool ferme) {
        G(0, "LWPOLYLINE").G(90, double(sommets.size())).G(70, ferme ? 1.0 : 0.0);
        for (const auto& s : sommets)
            G(10, s[0]).G(20, s[1]).G(42, s[2]);
        return *this;
    }
    Dxf& Bloc(const char* nom, double bx, double by) { return G(0, "BLOCK").G(2, nom).G(10, bx).G(20, by); }
    Dxf& Insert(const char* nom, double x, double y, double echelle, double rotation) {
        return G(0, "INSERT").G(2, nom).G(10, x).G(20, y).G(41, echelle).G(42, echelle).G(50, rotation);
    }
    QByteArray Fin() const { return QByteArray::fromStdString(m_texte + "0\nEOF\n"); }
    std::string& Texte() { return m_texte; }

private:
    std::string m_texte;
};

LectureFichier Lire(const QByteArray& texte) { return tests::LireTexte(texte, formats::LireDxf); }

QPointF Point(const PointFichier& p) { return {p.X, p.Y}; }

bool Proche(QPointF a, QPointF b, double tolerance) { return std::hypot(a.x() - b.x(), a.y() - b.y()) <= tolerance; }

std::vector<QPointF> Points(const std::vector<PointFichier>& p) {
    std::vector<QPointF> q;
    for (const PointFichier& r : p)
        q.push_back(Point(r));
    return q;
}

std::vector<QPointF> Echantillons(const std::function<QPointF(double)>& courbe, int n) {
    std::vector<QPointF> q;
    for (int k = 0; k <= n; ++k)
        q.push_back(courbe(double(k) / n));
    return q;
}

// Largest distance from the points `de` to the polyline `vers`.
double Ecart(const std::vector<QPointF>& de, const std::vector<QPointF>& vers) {
    double pire = 0.0;
    for (const QPointF& q : de) {
        double d = 1e300;
        for (size_t i = 0; i + 1 < vers.size(); ++i) {
            const QPointF a = vers[i], u = vers[i + 1] - a;
            const double l2 = QPointF::dotProduct(u, u);
            const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(q - a, u) / l2, 0.0, 1.0) : 0.0;
            const QPointF e = a + t * u - q;
            d = std::min(d, std::hypot(e.x(), e.y()));
        }
        pire = std::max(pire, d);
    }
    return pire;
}

} // namespace

class TestLectureDxf : public QObject {
    Q_OBJECT
private slots:
    void entites_data() {
        tests::Colonnes<QByteArray, int>("texte", "contours");
        QTest::addColumn<int>("points"); // -1: not checked (tessellated curves)
        tests::Colonnes<QPointF, QPointF, QRectF>("premier", "dernier", "etendue");
        const auto row = [](const char* nom, Dxf d, int c, int n, QPointF p, QPointF q, QRectF e) {
            QTest::newRow(nom) << d.FinSection().Fin() << c << n << p << q << e;
        };
        const auto rect = [](double x0, double x1, double y0, double y1) {
            return QRectF(QPointF(x0, y0), QPointF(x1, y1));
        };
        row("lines reversed at the end", Dxf().Entites().Ligne(0, 0, 10, 0).Ligne(10, 5, 10, 0).Ligne(10, 5, 0, 5), 1, 4,
            {0, 0}, {0, 5}, rect(0, 10, 0, 5));
        row("lines joined at the start", Dxf().Entites().Ligne(5, 0, 10, 0).Ligne(0, 0, 5, 0).Ligne(0, 0, -5, 0), 1, 4,
            {-5, 0}, {10, 0}, rect(-5, 10, 0, 0));
        row("closed square", Dxf().Entites().Ligne(0, 0, 4, 0).Ligne(4, 4, 0, 4).Ligne(4, 0, 4, 4).Ligne(0, 4, 0, 0),
            1, 5, {0, 0}, {0, 0}, rect(0, 4, 0, 4));
        row("gap within tolerance", Dxf().Entites().Ligne(0, 0, 1, 0).Ligne(1.0005, 0, 2, 0), 1, 3, {0, 0}, {2, 0},
            rect(0, 2, 0, 0));
        row("gap beyond tolerance", Dxf().Entites().Ligne(0, 0, 1, 0).Ligne(1.002, 0, 2, 0), 2, 4, {0, 0}, {2, 0},
            rect(0, 2, 0, 0));
        row("bulge +1", Dxf().Entites().LwPoly({{0, 0, 1}, {10, 0, 0}}, false), 1, -1, {0, 0}, {10, 0},
            rect(0, 10, -5, 0));
        row("bulge -1", Dxf().Entites().LwPoly({{0, 0, -1}, {10, 0, 0}}, false), 1, -1, {0, 0}, {10, 0},
            rect(0, 10, 0, 5));
        row("closed polyline of two bulges", Dxf().Entites().LwPoly({{0, 0, 1}, {10, 0, 1}}, true), 1, -1, {0, 0}, {0, 0},
            rect(0, 10, -5, 5));
        row("closed polyline ending on its start",
            Dxf().Entites().LwPoly({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 0, 0}}, true), 1, 4, {0, 0}, {0, 0},
            rect(0, 10, 0, 10));
        row("POLYLINE closed with a bulge",
            Dxf().Entites().G(0, "POLYLINE").G(66, "1").G(70, "1").G(0, "VERTEX").G(10, 0.0).G(20, 0.0).G(0, "VERTEX")
                .G(10, 10.0).G(20, 0.0).G(0, "VERTEX").G(10, 10.0).G(20, 10.0).G(42, 1.0).G(0, "VERTEX").G(10, 0.0)
                .G(20, 10.0).G(0, "SEQEND"),
            1, -1, {0, 0}, {0, 0}, rect(0, 10, 0, 15));
        row("3D POLYLINE", Dxf().Entites().G(0, "POLYLINE").G(70, "8").G(0, "VERTEX").G(10, 1.0).G(20, 2.0).G(30, 7.0)
                .G(70, "32").G(0, "VERTEX").G(10, 3.0).G(20, 4.0).G(30, -7.0).G(70, "32").G(0, "SEQEND"),
            1, 2, {1, 2}, {3, 4}, rect(1, 3, 2, 4));
        row("spline-fit POLYLINE keeps its fitted vertices",
            Dxf().Entites().G(0, "POLYLINE").G(70, "4").G(0, "VERTEX").G(10, 0.0).G(20, 9.0).G(70, "16").G(0, "VERTEX")
                .G(10, 0.0).G(20, 0.0).G(70, "8").G(0, "VERTEX").G(10, 5.0).G(20, 1.0).G(70, "8").G(0, "VERTEX")
                .G(10, 9.0).G(20, 9.0).G(70, "16").G(0, "SEQEND"),
            1, 2, {0, 0}, {5, 1}, rect(0, 5, 0, 1));
        row("arc", Dxf().Entites().Arc(0, 0, 10, 0, 90), 1, -1, {10, 0}, {0, 10}, rect(0, 10, 0, 10));
        row("arc across 0 degrees", Dxf().Entites().Arc(0, 0, 10, 350, 10), 1, -1, {9.8481, -1.7365}, {9.8481, 1.7365},
            rect(9.8481, 10, -1.7365, 1.7365));
        row("arc with extrusion (0,0,-1)", Dxf().Entites().Arc(10, 0, 5, 0, 90).G(210, 0.0).G(220, 0.0).G(230, -1.0),
            1, -1, {-15, 0}, {-10, 5}, rect(-15, -10, 0, 5));
        row("circle", Dxf().Entites().Cercle(1, 2, 5), 1, -1, {6, 2}, {6, 2}, rect(-4, 6, -3, 7));
        row("circle with extrusion (0,0,-1)", Dxf().Entites().Cercle(3, 0, 5).G(230, -1.0), 1, -1, {-8, 0}, {-8, 0},
            rect(-8, 2, -5, 5));
        row("quarter ellipse", Dxf().Entites().G(0, "ELLIPSE").G(10, 0.0).G(20, 0.0).G(11, 10.0).G(21, 0.0).G(40, 0.5)
                .G(41, 0.0).G(42, Pi / 2),
            1, -1, {10, 0}, {0, 5}, rect(0, 10, 0, 5));
        row("quarter ellipse with extrusion (0,0,-1)", Dxf().Entites().G(0, "ELLIPSE").G(10, 0.0).G(20, 0.0).G(11, 10.0)
                .G(21, 0.0).G(40, 0.5).G(41, 0.0).G(42, Pi / 2).G(230, -1.0),
            1, -1, {10, 0}, {0, -5}, rect(0, 10, -5, 0));
        row("full ellipse, vertical major axis", Dxf().Entites().G(0, "ELLIPSE").G(10, 1.0).G(20, 1.0).G(11, 0.0)
                .G(21, 5.0).G(40, 0.4).G(41, 0.0).G(42, 2 * Pi),
            1, -1, {1, 6}, {1, 6}, rect(-1, 3, -4, 6));
        row("INSERT scaled and rotated",
            Dxf().Section("BLOCKS").Bloc("B", 0, 0).Ligne(0, 0, 10, 0).G(0, "ENDBLK").FinSection().Entites()
                .Insert("B", 5, 5, 2, 90),
            1, 2, {5, 5}, {5, 25}, rect(5, 5, 5, 25));
        row("INSERT of a block with a base point, block defined after use",
            Dxf().Entites().Insert("b", 0, 0, 3, 0).FinSection().Section("BLOCKS").Bloc("B", 1, 0).Ligne(1, 0, 2, 0)
                .G(0, "ENDBLK"),
            1, 2, {0, 0}, {3, 0}, rect(0, 3, 0, 0));
        row("nested INSERT",
            Dxf().Section("BLOCKS").Bloc("A", 0, 0).Ligne(0, 0, 1, 0).G(0, "ENDBLK").Bloc("B", 0, 0)
                .Insert("A", 0, 1, 2, 0).G(0, "ENDBLK").FinSection().Entites().Insert("B", 10, 0, 1, 180),
            1, 2, {10, -1}, {8, -1}, rect(8, 10, -1, -1));
        row("INSERT with extrusion (0,0,-1)",
            Dxf().Section("BLOCKS").Bloc("A", 0, 0).Ligne(0, 0, 1, 0).G(0, "ENDBLK").FinSection().Entites()
                .Insert("A", 5, 0, 1, 0).G(230, -1.0),
            1, 2, {-5, 0}, {-6, 0}, rect(-6, -5, 0, 0));
        row("MINSERT of two columns",
            Dxf().Section("BLOCKS").Bloc("A", 0, 0).Ligne(0, 0, 10, 0).G(0, "ENDBLK").FinSection().Entites()
                .Insert("A", 0, 0, 1, 0).G(70, "2").G(44, 20.0),
            2, 4, {0, 0}, {30, 0}, rect(0, 30, 0, 0));
        row("paper space when the model is empty", Dxf().Entites().Ligne(0, 0, 1, 1).G(67, "1"), 1, 2, {0, 0}, {1, 1},
            rect(0, 1, 0, 1));
        row("model space before paper space", Dxf().Entites().Ligne(0, 0, 1, 1).G(67, "1").Ligne(5, 5, 6, 5), 1, 2,
            {5, 5}, {6, 5}, rect(5, 6, 5, 5));
        row("*Paper_Space block when nothing else",
            Dxf().Section("BLOCKS").Bloc("*Paper_Space", 0, 0).Ligne(2, 0, 3, 0).G(0, "ENDBLK").FinSection().Entites(),
            1, 2, {2, 0}, {3, 0}, rect(2, 3, 0, 0));
        row("entities without geometry are skipped",
            Dxf().Entites().G(0, "TEXT").G(10, 50.0).G(20, 50.0).G(1, "x").G(0, "POINT").G(10, -9.0).G(20, 0.0)
                .Ligne(0, 0, 1, 0).G(0, "DIMENSION").G(2, "*D1").G(10, 99.0),
            1, 2, {0, 0}, {1, 0}, rect(0, 1, 0, 0));
    }
    void entites() {
        QFETCH(QByteArray, texte);
        QFETCH(int, points);
        QFETCH(QPointF, premier);
        QFETCH(QPointF, dernier);
        QFETCH(QRectF, etendue);
        const LectureFichier l = Lire(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        QTEST(int(DebutsContours(l.points).size()), "contours");
        if (points >= 0)
            QCOMPARE(int(l.points.size()), points);
        const auto ecrit = [](const PointFichier& p) { return QString("%1 %2").arg(p.X).arg(p.Y); };
        QVERIFY2(Proche(Point(l.points.front()), premier, 1e-3), qPrintable(ecrit(l.points.front())));
        QVERIFY2(Proche(Point(l.points.back()), dernier, 1e-3), qPrintable(ecrit(l.points.back())));
        const double e = tol::ErreurCorde + 1e-4;
        QVERIFY2(std::abs(l.Xmin - etendue.left()) <= e && std::abs(l.Xmax - etendue.right()) <= e
                     && std::abs(l.Ymin - etendue.top()) <= e && std::abs(l.Ymax - etendue.bottom()) <= e,
                 qPrintable(QString("%1 %2 %3 %4").arg(l.Xmin).arg(l.Xmax).arg(l.Ymin).arg(l.Ymax)));
    }
    void erreurDeCorde_data() {
        tests::Colonnes<QByteArray, QPointF>("texte", "centre");
        QTest::addColumn<double>("a");        // semi-axis along X
        QTest::addColumn<double>("b");        // semi-axis along Y
        QTest::addColumn<QPointF>("angles"); // parameters covered, degrees
        const auto cercle = [](double r) { return Dxf().Entites().Cercle(0, 0, r).FinSection().Fin(); };
        const QPointF tour(0, 360), quart(0, 90);
        QTest::newRow("circle r 0.005") << cercle(0.005) << QPointF(0, 0) << 0.005 << 0.005 << tour;
        QTest::newRow("circle r 80") << cercle(80) << QPointF(0, 0) << 80.0 << 80.0 << tour;
        // Beyond 500 mm across, the chord error follows the drawing's size.
        QTest::newRow("circle r 5000") << cercle(5000) << QPointF(0, 0) << 5000.0 << 5000.0 << tour;
        const double b = std::tan(Pi / 8);
        QTest::newRow("bulge of a quarter turn")
            << Dxf().Entites().LwPoly({{30, 0, b}, {0, 30, 0}}, false).FinSection().Fin() << QPointF(0, 0) << 30.0
            << 30.0 << quart;
        QTest::newRow("ellipse 120 x 30") << Dxf().Entites().G(0, "ELLIPSE").G(10, 0.0).G(20, 0.0).G(11, 120.0).G(21, 0.0)
                                                 .G(40, 0.25).FinSection().Fin()
                                          << QPointF(0, 0) << 120.0 << 30.0 << tour;
        QTest::newRow("circle r 40 in a block scaled by 3")
            << Dxf().Section("BLOCKS").Bloc("C", 0, 0).Cercle(0, 0, 40).G(0, "ENDBLK").FinSection().Entites()
                   .Insert("C", 0, 0, 3, 0).FinSection().Fin()
            << QPointF(0, 0) << 120.0 << 120.0 << tour;
    }
    void erreurDeCorde() {
        QFETCH(QByteArray, texte);
        QFETCH(QPointF, centre);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(QPointF, angles);
        const LectureFichier l = Lire(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        const auto courbe = [&](double t) {
            const double u = (angles.x() + t * (angles.y() - angles.x())) * Pi / 180;
            return centre + QPointF(a * std::cos(u), b * std::sin(u));
        };
        const std::vector<QPointF> lus = Points(l.points), vrais = Echantillons(courbe, 4000);
        const double ecart = Ecart(vrais, lus);
        const double erreur = courbes::ErreurCordeDessin(2 * std::max(a, b));
        QVERIFY2(ecart <= erreur + 2e-5 * a, qPrintable(QString::number(ecart)));
        QVERIFY2(Ecart(lus, vrais) <= 1e-3 * std::max(1.0, a / 100), qPrintable(QString::number(Ecart(lus, vrais))));
        // Not wastefully fine either: within four times what the chord error needs.
        const double necessaires = 2 * Pi / (2 * std::acos(1 - erreur / std::max(a, b)));
        QVERIFY2(l.points.size() <= 4 * std::max(8.0, necessaires) + 2, qPrintable(QString::number(l.points.size())));
    }
    void splines_data() {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<int>("reference"); // 0: cubic Bezier of the control points, 1: circle
        QTest::addColumn<QList<double>>("parametres"); // Bezier: x0 y0 .. x3 y3; circle: cx cy r a0 a1 (degrees)
        QTest::addColumn<QList<QPointF>>("passages");  // fit points
        const auto spline = [](int degre, QList<double> noeuds, QList<QPointF> controle, QList<double> poids) {
            Dxf d;
            d.Entites().G(0, "SPLINE").G(70, "8").G(71, double(degre)).G(72, double(noeuds.size()));
            for (double u : noeuds)
                d.G(40, u);
            for (int i = 0; i < controle.size(); ++i) {
                d.G(10, controle[i].x()).G(20, controle[i].y()).G(30, 0.0);
                if (!poids.isEmpty())
                    d.G(41, poids[i]);
            }
            return d;
        };
        QTest::newRow("cubic Bezier") << spline(3, {0, 0, 0, 0, 1, 1, 1, 1}, {{0, 0}, {30, 60}, {70, -60}, {100, 0}}, {})
                                             .FinSection().Fin()
                                      << 0 << QList<double>{0, 0, 30, 60, 70, -60, 100, 0} << QList<QPointF>();
        QTest::newRow("knots inconsistent: clamped uniform")
            << spline(3, {0, 1, 2}, {{0, 0}, {30, 60}, {70, -60}, {100, 0}}, {}).FinSection().Fin() << 0
            << QList<double>{0, 0, 30, 60, 70, -60, 100, 0} << QList<QPointF>();
        const double w = std::sqrt(0.5);
        QTest::newRow("rational quarter circle")
            << spline(2, {0, 0, 0, 1, 1, 1}, {{50, 0}, {50, 50}, {0, 50}}, {1, w, 1}).FinSection().Fin() << 1
            << QList<double>{0, 0, 50, 0, 90} << QList<QPointF>();
        QTest::newRow("rational full circle")
            << spline(2, {0, 0, 0, 0.25, 0.25, 0.5, 0.5, 0.75, 0.75, 1, 1, 1},
                      {{60, 10}, {60, 70}, {0, 70}, {-60, 70}, {-60, 10}, {-60, -50}, {0, -50}, {60, -50}, {60, 10}},
                      {1, w, 1, w, 1, w, 1, w, 1})
                   .FinSection()
                   .Fin()
            << 1 << QList<double>{0, 10, 60, 0, 360} << QList<QPointF>();
        // Fit points on a circle: the interpolating cubic goes through them and hugs the circle
        // (closely spaced when the ends are free, sparse when the end tangents are given).
        const auto passage = [](int n, bool avecTangentes) {
            Dxf d;
            QList<QPointF> points;
            d.Entites().G(0, "SPLINE").G(70, "8").G(71, 3.0).G(74, double(n + 1));
            if (avecTangentes)
                d.G(12, 0.0).G(22, 1.0).G(13, -1.0).G(23, 0.0);
            for (int k = 0; k <= n; ++k) {
                points << QPointF(40 * std::cos(k * Pi / 2 / n), 40 * std::sin(k * Pi / 2 / n));
                d.G(11, points.back().x()).G(21, points.back().y());
            }
            QTest::addRow("%d fit points%s", n + 1, avecTangentes ? " and end tangents" : "")
                << d.FinSection().Fin() << 1 << QList<double>{0, 0, 40, 0, 90} << points;
        };
        passage(60, false);
        passage(12, true);
    }
    void splines() {
        QFETCH(QByteArray, texte);
        QFETCH(int, reference);
        QFETCH(QList<double>, parametres);
        QFETCH(QList<QPointF>, passages);
        const LectureFichier l = Lire(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        const QList<double>& p = parametres;
        std::function<QPointF(double)> courbe = [&](double t) {
            if (reference == 1) {
                const double a = (p[3] + t * (p[4] - p[3])) * Pi / 180;
                return QPointF(p[0] + p[2] * std::cos(a), p[1] + p[2] * std::sin(a));
            }
            const double s = 1 - t, b0 = s * s * s, b1 = 3 * s * s * t, b2 = 3 * s * t * t, b3 = t * t * t;
            return QPointF(b0 * p[0] + b1 * p[2] + b2 * p[4] + b3 * p[6], b0 * p[1] + b1 * p[3] + b2 * p[5] + b3 * p[7]);
        };
        QVERIFY(Proche(Point(l.points.front()), courbe(0), 1e-4));
        QVERIFY(Proche(Point(l.points.back()), courbe(1), 1e-4));
        const std::vector<QPointF> lus = Points(l.points), vrais = Echantillons(courbe, 5000);
        QVERIFY2(Ecart(vrais, lus) <= tol::ErreurCorde + 1e-4, qPrintable(QString::number(Ecart(vrais, lus))));
        QVERIFY2(Ecart(lus, vrais) <= 1e-3, qPrintable(QString::number(Ecart(lus, vrais))));
        for (const QPointF& q : passages) // the curve goes through every fit point
            QVERIFY(std::any_of(lus.begin(), lus.end(), [&](QPointF r) { return Proche(q, r, 1e-4); }));
    }
    void contours_data() {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<QList<int>>("tailles"); // points of each contour, in order
        Dxf d;
        d.Entites().Ligne(0, 0, 10, 0).Cercle(50, 50, 0.004).Ligne(20, 0, 30, 0).Ligne(10, 10, 10, 0).Ligne(30, 10, 30, 0)
            .Ligne(0, 10, 10, 10).Ligne(0, 0, 0, 10).Ligne(20, 10, 20, 0)
            .LwPoly({{70, 0, 0}, {80, 0, 0}, {80, 5, 0}}, false)
            .Ligne(30, 10, 20, 10);
        QTest::newRow("two squares, a circle and a polyline") << d.FinSection().Fin() << QList<int>{5, 9, 5, 3};
        // 1500 squares drawn as shuffled, half reversed lines: 1500 closed contours.
        Dxf grand;
        grand.Entites();
        std::vector<std::array<double, 4>> lignes;
        for (int k = 0; k < 1500; ++k) {
            const double x = (k % 50) * 3.0, y = (k / 50) * 3.0;
            lignes.push_back({x, y, x + 2, y});
            lignes.push_back({x + 2, y, x + 2, y + 2});
            lignes.push_back({x + 2, y + 2, x, y + 2});
            lignes.push_back({x, y + 2, x, y});
        }
        std::mt19937 alea(7);
        std::shuffle(lignes.begin(), lignes.end(), alea);
        for (size_t i = 0; i < lignes.size(); ++i) {
            const auto& l = lignes[i];
            if (i % 2)
                grand.Ligne(l[2], l[3], l[0], l[1]);
            else
                grand.Ligne(l[0], l[1], l[2], l[3]);
        }
        QTest::newRow("1500 squares of shuffled lines") << grand.FinSection().Fin() << QList<int>(1500, 5);
    }
    void contours() {
        QFETCH(QByteArray, texte);
        QFETCH(QList<int>, tailles);
        const LectureFichier l = Lire(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        const std::vector<int> debuts = DebutsContours(l.points);
        QCOMPARE(int(debuts.size()), int(tailles.size()));
        for (size_t c = 0; c < debuts.size(); ++c) {
            const int fin = c + 1 < debuts.size() ? debuts[c + 1] : int(l.points.size());
            QCOMPARE(fin - debuts[c], tailles[int(c)]);
            if (c > 0) // consecutive contours never share a code
                QVERIFY(!MemeContour(l.points[size_t(debuts[c])], l.points[size_t(debuts[c - 1])]));
            if (tailles[int(c)] == 5) { // squares close on their first point
                QCOMPARE(l.points[size_t(fin - 1)].X, l.points[size_t(debuts[c])].X);
                QCOMPARE(l.points[size_t(fin - 1)].Y, l.points[size_t(debuts[c])].Y);
            }
        }
    }
    void enTete_data() {
        // The text before the ENTITIES section: comments and HEADER variables.
        tests::Colonnes<QByteArray, QString>("debut", "enTete");
        QTest::addColumn<QString>("unites"); // "-" when none declared
        const auto h = [](const char* variables) {
            return "0\nSECTION\n2\nHEADER\n" + QByteArray(variables) + "0\nENDSEC\n";
        };
        QTest::newRow("nothing") << QByteArray() << QString() << "-";
        QTest::newRow("inches") << h("9\n$INSUNITS\n70\n1\n") << QString() << "pouces";
        QTest::newRow("millimetres") << h("9\n$INSUNITS\n70\n     4\n") << QString() << "millimètres";
        QTest::newRow("imperial") << h("9\n$MEASUREMENT\n70\n0\n") << QString() << "impériales";
        QTest::newRow("unknown code, metric") << h("9\n$INSUNITS\n70\n99\n9\n$MEASUREMENT\n70\n1\n") << QString()
                                              << "métriques";
        QTest::newRow("other variables only") << h("9\n$ACADVER\n1\nAC1015\n9\n$LUNITS\n70\n4\n") << QString() << "-";
        QTest::newRow("first comment of several") << "999\nNACA 2412 emplanture\n" + h("999\nautre\n") + "999\nx\n"
                                                  << "NACA 2412 emplanture" << "-";
        QTest::newRow("UTF-8 comment") << QByteArray("999\nProfil \xC3\xA9\n") << "Profil é" << "-";
        QTest::newRow("Latin-1 comment") << QByteArray("999\nProfil \xE9\r\n") << "Profil é" << "-";
    }
    void enTete() {
        QFETCH(QByteArray, debut);
        QFETCH(QString, enTete);
        const LectureFichier l = Lire(debut + Dxf().Entites().Ligne(0, 0, 1, 0).G(999, "fin").FinSection().Fin());
        QVERIFY2(l.ok, qPrintable(l.erreur));
        QCOMPARE(l.enTete, enTete.isEmpty() ? QStringLiteral("fin") : enTete); // else the one among the entities
        QTEST(l.unitesDeclarees.value_or(QStringLiteral("-")), "unites");
    }
    void malformes_data() {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<int>("attendu"); // 0 refused, 1 read, 2 either
        const QByteArray ligne = Dxf().Ligne(0, 0, 1, 0).Fin().chopped(6);
        const QByteArray bloc = Dxf().Section("BLOCKS").Bloc("A", 0, 0).Ligne(0, 0, 1, 0).G(0, "ENDBLK").FinSection()
                                    .Fin().chopped(6);
        const QByteArray entites("0\nSECTION\n2\nENTITIES\n");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("blank lines") << QByteArray("\n \n\r\n") << 0;
        QTest::newRow("binary DXF") << QByteArray("AutoCAD Binary DXF\r\n\x1a\0\0SECTION\0", 29) << 0;
        QTest::newRow("text, not DXF") << QByteArray("NACA 2412\n1.0 0.0\n0.5 0.1\n") << 0;
        QTest::newRow("code line not a number") << entites + "abc\nLINE\n" + ligne + "0\nENDSEC\n0\nEOF\n" << 0;
        QTest::newRow("blank code line") << entites + "\nLINE\n" + ligne + "0\nENDSEC\n0\nEOF\n" << 0;
        QTest::newRow("value missing at the end") << entites + ligne + "0" << 0;
        QTest::newRow("coordinate not a number") << entites + "0\nLINE\n10\nabc\n20\n0\n11\n1\n21\n0\n0\nENDSEC\n" << 0;
        QTest::newRow("coordinate infinite") << entites + "0\nLINE\n10\ninf\n20\n0\n11\n1\n21\n0\n0\nENDSEC\n" << 0;
        QTest::newRow("section never ended") << entites + ligne << 0;
        QTest::newRow("no SECTION") << ligne + "0\nEOF\n" << 0;
        QTest::newRow("SECTION inside a section") << entites + ligne + entites + ligne + "0\nENDSEC\n" << 0;
        QTest::newRow("no geometry") << entites + "0\nTEXT\n1\nhello\n0\nENDSEC\n0\nEOF\n" << 0;
        QTest::newRow("unknown block") << entites + "0\nINSERT\n2\nX\n10\n0\n20\n0\n0\nENDSEC\n0\nEOF\n" << 0;
        QTest::newRow("EOF inside the section") << entites + ligne + "0\nEOF\n" << 2;
        QTest::newRow("huge vertex count") << entites + "0\nLWPOLYLINE\n90\n2000000000\n10\n0\n20\n0\n10\n1\n20\n1\n"
                                                        "0\nENDSEC\n0\nEOF\n" << 1;
        QTest::newRow("huge spline degree and counts")
            << entites + "0\nSPLINE\n71\n1000000\n72\n999999999\n73\n99999999\n10\n0\n20\n0\n10\n1\n20\n1\n10\n2\n20\n0\n"
                         "0\nENDSEC\n0\nEOF\n" << 1;
        QTest::newRow("spline with zero weights")
            << entites + "0\nSPLINE\n71\n2\n10\n0\n20\n0\n41\n0\n10\n1\n20\n1\n41\n0\n10\n2\n20\n0\n41\n0\n"
                         "0\nENDSEC\n0\nEOF\n" << 1;
        QTest::newRow("huge MINSERT") << bloc + entites + "0\nINSERT\n2\nA\n70\n32767\n71\n32767\n0\nENDSEC\n0\nEOF\n"
                                      << 2;
        QTest::newRow("block inserting itself")
            << "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA\n" + ligne + "0\nINSERT\n2\nA\n41\n2\n0\nINSERT\n2\nA\n10\n1\n"
                   "0\nENDBLK\n0\nENDSEC\n" + entites + "0\nINSERT\n2\nA\n0\nENDSEC\n0\nEOF\n" << 2;
        QTest::newRow("huge radius") << entites + "0\nCIRCLE\n10\n0\n20\n0\n40\n1e300\n0\nENDSEC\n0\nEOF\n" << 2;
        QByteArray octets(4096, '\0');
        std::mt19937 alea(3);
        for (char& c : octets)
            c = char(alea());
        QTest::newRow("random bytes") << octets << 0;
    }
    void malformes() {
        QFETCH(QByteArray, texte);
        QFETCH(int, attendu);
        const LectureFichier l = Lire(texte);
        if (attendu != 2)
            QVERIFY2(l.ok == (attendu == 1), qPrintable(l.erreur));
        if (l.ok) {
            QVERIFY(!l.points.empty());
        } else {
            QVERIFY(l.points.empty());
            QVERIFY(!l.erreur.isEmpty() && !l.erreur.contains(u'\n'));
        }
    }
    void tronque() {
        // Cut anywhere before the end of its ENTITIES section, a drawing is refused; cut anywhere, nothing breaks.
        Dxf d;
        d.G(999, "essai").Section("HEADER").G(9, "$INSUNITS").G(70, "4").FinSection().Section("BLOCKS").Bloc("A", 0, 0)
            .Arc(0, 0, 3, 0, 180).G(0, "ENDBLK").FinSection().Entites().Ligne(0, 0, 1, 0).Insert("A", 5, 0, 1, 30)
            .LwPoly({{0, 0, 0.5}, {4, 0, 0}, {4, 4, 0}}, true).G(0, "SPLINE").G(71, 3.0);
        for (int k = 0; k < 6; ++k)
            d.G(10, k * 2.0).G(20, (k % 2) * 3.0);
        d.G(0, "ELLIPSE").G(10, 0.0).G(20, 0.0).G(11, 4.0).G(21, 1.0).G(40, 0.5).G(0, "POLYLINE").G(70, "1")
            .G(0, "VERTEX").G(10, 9.0).G(20, 9.0).G(42, -0.3).G(0, "VERTEX").G(10, 12.0).G(20, 9.0).G(0, "SEQEND");
        std::string texte = d.FinSection().Fin().toStdString();
        for (std::string fins : {"\n", "\r\n"}) {
            if (fins == "\r\n")
                for (size_t p = texte.find('\n'); p != std::string::npos; p = texte.find('\n', p + 2))
                    texte.replace(p, 1, "\r\n");
            const size_t finEntites = texte.rfind("ENDSEC") + 6;
            QVERIFY(Lire(QByteArray::fromStdString(texte)).ok);
            for (size_t n = 0; n < texte.size(); ++n) {
                const LectureFichier l = formats::LireDxf(std::string_view(texte.data(), n));
                if (n < finEntites)
                    QVERIFY2(!l.erreur.isEmpty(), qPrintable(QString::number(n)));
            }
        }
    }
    // Curves made to need endless chords stay within the points one file may produce.
    void budgetDePoints_data() {
        tests::Colonnes<QByteArray, int>("texte", "courbes");
        Dxf lointain; // a spline through a fit point 6e15 mm away, 90 times
        lointain.Entites();
        for (int k = 0; k < 90; ++k)
            lointain.G(0, "SPLINE").G(70, "8").G(71, 3.0).G(74, 3.0).G(11, 0.06).G(21, 5.0).G(11, 0.0).G(21, -5.0)
                .G(11, 4e-5).G(21, 6e15);
        QTest::newRow("90 splines to a far point") << lointain.FinSection().Fin() << 90;
        Dxf cercles; // 3000 circles of radius 100: 222 chords each at 0.01 mm
        cercles.Entites();
        for (int k = 0; k < 3000; ++k)
            cercles.Cercle(k % 7, 0, 100);
        QTest::newRow("3000 circles") << cercles.FinSection().Fin() << 3000;
    }
    void budgetDePoints() {
        QFETCH(QByteArray, texte);
        QFETCH(int, courbes);
        const LectureFichier l = Lire(texte);
        QVERIFY2(l.ok, qPrintable(l.erreur));
        // The budget, plus the coarsest cut of the curves met after it was spent.
        QVERIFY2(double(l.points.size()) <= double(tol::PointsMaxCourbesFichier) + 9.0 * courbes,
                 qPrintable(QString::number(l.points.size())));
    }
};

GALBIX_TEST_MAIN(TestLectureDxf)
#include "tst_lecturedxf.moc"
