// NACA profiles from their codes: each series against its defining formula at a dozen
// stations, its maximum thickness and camber with their positions and its leading-edge
// radius; the conventions of the point list; the refusals with their messages.
#include "common/Colonnes.h"
#include "common/TestMain.h"
#include "model/Naca.h"

#include <QPointF>
#include <array>
#include <cmath>

using namespace galbix;

namespace {

// Each generated station gives back its chord station, mean line and half-thickness: the
// upper and lower points lie on either side of the mean-line point, one half-thickness away.
struct StationLue {
    double x, yc, yt;
};

std::vector<StationLue> Stations(const std::vector<QPointF>& points, int n) {
    std::vector<StationLue> s;
    for (int i = 0; i < n; ++i) {
        const QPointF haut = points[size_t(n - 1 - i)], bas = points[size_t(n - 1 + i)];
        const QPointF milieu = (haut + bas) / 2.0;
        s.push_back({milieu.x(), milieu.y(), std::hypot(haut.x() - bas.x(), haut.y() - bas.y()) / 2.0});
    }
    return s;
}

// The textbook mean lines, written in their published form. `l` holds the four-digit
// (m, p) or the five-digit (m, k1, k2/k1) constants of the row.
double LigneMoyenne(const QString& serie, const QList<double>& l, double x) {
    if (serie == QLatin1String("4")) {
        const double m = l[0], p = l[1];
        if (m == 0.0)
            return 0.0;
        return x < p ? m / (p * p) * (2 * p * x - x * x) : m / std::pow(1 - p, 2) * ((1 - 2 * p) + 2 * p * x - x * x);
    }
    const double m = l[0], k1 = l[1], r = l[2];
    if (serie == QLatin1String("5"))
        return x < m ? k1 / 6 * (std::pow(x, 3) - 3 * m * x * x + m * m * (3 - m) * x) : k1 * std::pow(m, 3) / 6 * (1 - x);
    if (x < m)
        return k1 / 6 * (std::pow(x - m, 3) - r * std::pow(1 - m, 3) * x - std::pow(m, 3) * x + std::pow(m, 3));
    return k1 / 6 * (r * std::pow(x - m, 3) - r * std::pow(1 - m, 3) * x - std::pow(m, 3) * x + std::pow(m, 3));
}

// Solves a 3×3 system by Gaussian elimination with partial pivoting.
std::array<double, 3> Resoudre(std::array<std::array<double, 4>, 3> a) {
    for (int c = 0; c < 3; ++c) {
        int pivot = c;
        for (int l = c + 1; l < 3; ++l)
            if (std::abs(a[l][c]) > std::abs(a[pivot][c]))
                pivot = l;
        std::swap(a[c], a[pivot]);
        for (int l = 0; l < 3; ++l)
            if (l != c) {
                const double f = a[l][c] / a[c][c];
                for (int k = c; k < 4; ++k)
                    a[l][k] -= f * a[c][k];
            }
    }
    return {a[0][3] / a[0][0], a[1][3] / a[1][1], a[2][3] / a[2][2]};
}

// Half-thickness laws: the four-digit polynomial (trailing edge closed) or the modified law
// built from its conditions: a0 from the radius index I, closed trailing edge, slope d1 from
// the table, maximum 0.1 at T/10 with zero slope and the same curvature on both sides.
double DemiEpaisseur(double t, int I, int T, double x) {
    if (T == 0)
        return 5 * t * (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * std::pow(x, 3) - 0.1036 * std::pow(x, 4));
    const double m = T / 10.0, u = 1 - m;
    const double d1 = std::array<double, 5>{0.200, 0.234, 0.315, 0.465, 0.700}[size_t(T - 2)];
    // d2 u² + d3 u³ = 0.1 − d1 u ; 2 d2 u + 3 d3 u² = −d1
    const double det = u * u * 3 * u * u - u * u * u * 2 * u;
    const double d2 = ((0.1 - d1 * u) * 3 * u * u - u * u * u * (-d1)) / det;
    const double d3 = (u * u * (-d1) - 2 * u * (0.1 - d1 * u)) / det;
    const double a0 = I <= 8 ? 0.296904 * I / 6 : 0.296904 * std::sqrt(3.0);
    const double rm = std::sqrt(m);
    const std::array<double, 3> a = Resoudre({{{m, m * m, m * m * m, 0.1 - a0 * rm},
                                               {1, 2 * m, 3 * m * m, -a0 / (2 * rm)},
                                               {0, 2, 6 * m, 2 * d2 + 6 * d3 * u + a0 / (4 * m * rm)}}});
    const double y = x < m ? a0 * std::sqrt(x) + a[0] * x + a[1] * x * x + a[2] * x * x * x
                           : d1 * (1 - x) + d2 * std::pow(1 - x, 2) + d3 * std::pow(1 - x, 3);
    return y * t / 0.2;
}

} // namespace

class TestNaca : public QObject {
    Q_OBJECT
private slots:
    // serie: "4", "5" standard, "5r" reflexed; ligne: the constants of the mean line; epaisseur: {I, T} of
    // the modified series, {0, 0} otherwise; xEpaisseur: position of the maximum thickness; cambrure,
    // xCambrure: maximum camber and its position; rayon: leading-edge radius, 1.1019·t² unless given.
    void series_data() {
        tests::Colonnes<QString, QList<double>, QList<int>, double, double, double, double, double>(
            "serie", "ligne", "epaisseur", "t", "xEpaisseur", "cambrure", "xCambrure", "rayon");
        const auto rangee = [](const char* code, const char* serie, QList<double> ligne, QList<int> epaisseur,
                               double t, double xEp, double cambrure, double xCambrure, double rayon = -1) {
            QTest::newRow(code) << serie << ligne << epaisseur << t << xEp << cambrure << xCambrure
                                << (rayon < 0 ? 1.1019 * t * t : rayon);
        };
        const QList<int> normale{0, 0};
        rangee("0012", "4", {0, 0}, normale, 0.12, 0.2995, 0.0, -1.0);
        rangee("2412", "4", {0.02, 0.4}, normale, 0.12, 0.2995, 0.02, 0.4);
        rangee("4415", "4", {0.04, 0.4}, normale, 0.15, 0.2995, 0.04, 0.4);
        // Five-digit standard lines (design lift 0.3): the camber peaks at 0.05·P.
        rangee("21012", "5", {0.0580, 361.4, 0}, normale, 0.12, 0.2995, 0.011134, 0.05);
        rangee("23012", "5", {0.2025, 15.957, 0}, normale, 0.12, 0.2995, 0.018386, 0.15);
        rangee("25012", "5", {0.3910, 3.230, 0}, normale, 0.12, 0.2995, 0.022626, 0.25);
        // Other design lifts: the ordinates scale with the lift (k1 × L/2).
        rangee("43015", "5", {0.2025, 2 * 15.957, 0}, normale, 0.15, 0.2995, 0.036773, 0.15);
        rangee("13009", "5", {0.2025, 0.5 * 15.957, 0}, normale, 0.09, 0.2995, 0.009193, 0.15);
        // Reflexed lines.
        rangee("23112", "5r", {0.2170, 15.793, 0.00677}, normale, 0.12, 0.2995, 0.020787, 0.15);
        rangee("25112", "5r", {0.4410, 3.191, 0.1355}, normale, 0.12, 0.2995, 0.027357, 0.25);
        rangee("63112", "5r", {0.2170, 3 * 15.793, 0.00677}, normale, 0.12, 0.2995, 3 * 0.020787, 0.15);
        // Modified four-digit: radius 1.1019·(t·I/6)², index 9 three times the normal one, 0 sharp.
        rangee("0012-64", "4", {0, 0}, {6, 4}, 0.12, 0.4, 0.0, -1.0);
        rangee("0012-34", "4", {0, 0}, {3, 4}, 0.12, 0.4, 0.0, -1.0, 1.1019 * 0.06 * 0.06);
        rangee("0010-05", "4", {0, 0}, {0, 5}, 0.10, 0.5, 0.0, -1.0, 0.0);
        rangee("0015-96", "4", {0, 0}, {9, 6}, 0.15, 0.6, 0.0, -1.0, 3 * 1.1019 * 0.15 * 0.15);
        rangee("0008-82", "4", {0, 0}, {8, 2}, 0.08, 0.2, 0.0, -1.0, 1.1019 * std::pow(0.08 * 8 / 6, 2));
        rangee("2412-63", "4", {0.02, 0.4}, {6, 3}, 0.12, 0.3, 0.02, 0.4);
        rangee("23015-64", "5", {0.2025, 15.957, 0}, {6, 4}, 0.15, 0.4, 0.018386, 0.15);
    }
    void series() {
        QFETCH(QString, serie); QFETCH(QList<double>, ligne); QFETCH(QList<int>, epaisseur); QFETCH(double, t); QFETCH(double, xEpaisseur);
        QFETCH(double, cambrure); QFETCH(double, xCambrure); QFETCH(double, rayon);
        constexpr int n = 401;
        const ProfilNacaCalcule profil = ProfilNaca(QString::fromLatin1(QTest::currentDataTag()), n);
        QVERIFY2(profil.erreur.isEmpty(), qPrintable(profil.erreur));
        QCOMPARE(profil.points.size(), size_t(2 * n - 1));
        const std::vector<StationLue> s = Stations(profil.points, n);

        // A dozen stations against the formula.
        for (int k = 1; k <= 12; ++k) {
            const StationLue& st = s[size_t(k * (n - 1) / 13)];
            const double yc = LigneMoyenne(serie, ligne, st.x);
            const double yt = DemiEpaisseur(t, epaisseur[0], epaisseur[1], st.x);
            QVERIFY2(std::abs(st.yc - yc) < 1e-9, qPrintable(QStringLiteral("x=%1 yc=%2 formula %3").arg(st.x).arg(st.yc).arg(yc)));
            QVERIFY2(std::abs(st.yt - yt) < 1e-9, qPrintable(QStringLiteral("x=%1 yt=%2 formula %3").arg(st.x).arg(st.yt).arg(yt)));
        }

        // Maxima over every station, and the trailing edge closed at zero camber.
        const auto plusEpais = std::max_element(s.begin(), s.end(), [](auto& a, auto& b) { return a.yt < b.yt; });
        const auto plusCambre = std::max_element(s.begin(), s.end(), [](auto& a, auto& b) { return a.yc < b.yc; });
        QVERIFY2(std::abs(2 * plusEpais->yt - t) < 2e-4, qPrintable(QString::number(2 * plusEpais->yt)));
        QVERIFY2(std::abs(plusEpais->x - xEpaisseur) < 3e-3, qPrintable(QString::number(plusEpais->x)));
        if (cambrure > 0) {
            QVERIFY2(std::abs(plusCambre->yc - cambrure) < 1e-5, qPrintable(QString::number(plusCambre->yc, 'f', 7)));
            QVERIFY2(std::abs(plusCambre->x - xCambrure) < 3e-3, qPrintable(QString::number(plusCambre->x)));
        } else {
            QCOMPARE(plusCambre->yc, 0.0);
        }
        QVERIFY(std::abs(s.back().yt) < 1e-12 && std::abs(s.back().yc) < 1e-12);

        // Leading-edge radius from the first station off the nose (y² ≈ 2·r·x there).
        const double r = s[1].yt * s[1].yt / (2 * s[1].x);
        if (rayon > 0)
            QVERIFY2(std::abs(r / rayon - 1) < 0.02, qPrintable(QStringLiteral("%1 / %2").arg(r).arg(rayon)));
        else
            QVERIFY2(r < 1e-4, qPrintable(QString::number(r)));
    }
    void conventions_data() {
        tests::Colonnes<QString, QString, int>("code", "nom", "n");
        QTest::newRow("four digits") << "4415" << "NACA 4415" << 30;
        QTest::newRow("five digits, prefixed") << "NACA 23012" << "NACA 23012" << 61;
        QTest::newRow("reflexed, lower-case prefix") << " naca23112 " << "NACA 23112" << 40;
        QTest::newRow("modified") << "0012-64" << "NACA 0012-64" << 2;
        QTest::newRow("modified five digits") << "23015-64" << "NACA 23015-64" << 25;
    }
    // Trailing edge, upper surface, leading edge, lower surface, trailing edge; unit chord with
    // closed ends; the same points as the four-digit routine for a four-digit code.
    void conventions() {
        QFETCH(QString, code); QFETCH(QString, nom); QFETCH(int, n);
        const ProfilNacaCalcule profil = ProfilNaca(code, n);
        QCOMPARE(profil.nom, nom);
        QVERIFY(profil.erreur.isEmpty());
        const std::vector<QPointF>& p = profil.points;
        QCOMPARE(p.size(), size_t(2 * n - 1));
        QCOMPARE(p.front(), QPointF(1, 0));
        QCOMPARE(p.back(), QPointF(1, 0));
        QCOMPARE(p[size_t(n - 1)], QPointF(0, 0));
        const std::vector<StationLue> s = Stations(p, n);
        for (int i = 1; i + 1 < n; ++i) {
            QVERIFY(s[size_t(i)].x > s[size_t(i - 1)].x);
            QVERIFY(p[size_t(n - 1 - i)].y() > p[size_t(n - 1 + i)].y()); // upper surface first
        }
        const QString chiffres = nom.mid(5);
        if (chiffres.size() == 4)
            QCOMPARE(p, ProfilNaca4(chiffres, n));
    }
    void refus_data() {
        tests::Colonnes<QString, int, QString>("code", "n", "message");
        const QString forme = QStringLiteral("il faut quatre chiffres (2412), cinq chiffres (23012) ou l'un de ces codes "
                                             "suivi d'un suffixe de deux chiffres (0012-64).");
        // The code shown in the message is the one given, trimmed of its prefix.
        const auto refus = [](const char* nom, const char* code, const QString& pourquoi) {
            const QString lu = QString::fromUtf8(code).remove(QStringLiteral("NACA ")).trimmed();
            QTest::newRow(nom) << code << 61 << QStringLiteral("Code NACA « %1 » refusé : %2").arg(lu, pourquoi);
        };
        QTest::newRow("empty") << "  " << 61 << "Entrez un code NACA, par exemple 2412, 23012 ou 0012-64.";
        refus("letters", "24x2", forme);
        refus("six digits", "230120", forme);
        refus("one-digit suffix", "0012-6", forme);
        refus("zero thickness", "2400", "l'épaisseur (deux derniers chiffres) ne peut pas être nulle.");
        refus("camber without position", "2012", "une cambrure (premier chiffre) demande sa position (deuxième chiffre).");
        refus("no design lift", "03012", "le premier chiffre (portance de calcul) doit être de 1 à 9.");
        refus("camber position 6", "26012", "le deuxième chiffre (position de la cambrure) doit être de 1 à 5.");
        refus("third digit 2", "23212",
              "le troisième chiffre doit être 0 (ligne moyenne normale) ou 1 (ligne moyenne à double courbure).");
        refus("reflexed 211", "21112", "la ligne moyenne à double courbure 211 n'existe pas (221 à 251).");
        refus("thickness at 0.7", "NACA 0012-67",
              "la position de l'épaisseur maximale (dernier chiffre) doit être de 2 à 6 dixièmes de corde.");
        QTest::newRow("one point per surface") << "2412" << 1 << "Il faut au moins 2 points par surface.";
    }
    void refus() {
        QFETCH(QString, code); QFETCH(int, n);
        const ProfilNacaCalcule profil = ProfilNaca(code, n);
        QVERIFY(profil.points.empty());
        QTEST(profil.erreur, "message");
    }
};

GALBIX_TEST_MAIN(TestNaca)
#include "tst_naca.moc"
