#include "model/NacaFormes.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <array>
#include <cmath>

namespace galbix::naca {

namespace {

// Five-digit mean lines tabulated for a design lift coefficient of 0.3 (first digit 2),
// indexed by the camber-position digit P (1 to 5): junction m, k1 and, for the reflexed
// lines, k2/k1 (P = 1 has no reflexed line).
struct LigneTabulee {
    double m;
    double k1;
    double k2k1;
};
constexpr std::array<LigneTabulee, 5> LignesNormales = {{
    {0.0580, 361.400, 0.0}, {0.1260, 51.640, 0.0}, {0.2025, 15.957, 0.0}, {0.2900, 6.643, 0.0}, {0.3910, 3.230, 0.0}}};
constexpr std::array<LigneTabulee, 5> LignesDoubleCourbure = {{
    {0.0, 0.0, 0.0}, {0.1300, 51.990, 0.000764}, {0.2170, 15.793, 0.00677}, {0.3180, 6.520, 0.0303},
    {0.4410, 3.191, 0.1355}}};
constexpr double PortanceTabulee = 0.3;
constexpr double PortanceParChiffre = 0.15;

// Trailing-edge slope d1 of the modified thickness law (thickness 0.20) by the position of
// the maximum thickness in tenths (2 to 6).
constexpr std::array<double, 5> PenteBordDeFuite = {0.200, 0.234, 0.315, 0.465, 0.700};
// Leading-edge coefficient a0 of the normal radius (index 6, the four-digit radius).
constexpr double A0Normal = 0.296904;
// Half-thickness of the laws' reference section (thickness 0.20).
constexpr double DemiEpaisseurReference = 0.1;

QString Tr(const char* texte)
{
    return QCoreApplication::translate("galbix::naca", texte);
}

// Solves a1, a2, a3 of the forward part so that it reaches the maximum `yMax` at m with a
// zero slope and the curvature `courbure` of the aft part there.
void CoefficientsAvant(LoiEpaisseur& loi, double courbure)
{
    const double m = loi.xMax;
    const double a0 = loi.a[0];
    const double rm = std::sqrt(m);
    const double A = DemiEpaisseurReference - a0 * rm;        // a1·m + a2·m² + a3·m³
    const double B = -a0 / (2.0 * rm);                        // a1 + 2a2·m + 3a3·m²
    const double C = courbure + a0 / (4.0 * m * rm);          // 2a2 + 6a3·m
    const double E = (B - A / m) / m;                         // a2 + 2a3·m
    loi.a[3] = (C - 2.0 * E) / (2.0 * m);
    loi.a[2] = E - 2.0 * loi.a[3] * m;
    loi.a[1] = B - 2.0 * loi.a[2] * m - 3.0 * loi.a[3] * m * m;
}

std::optional<FormeNaca> Refus(QString& raison, const QString& code, const QString& pourquoi)
{
    raison = Tr(QT_TRANSLATE_NOOP("galbix::naca", "Code NACA « %1 » refusé : %2")).arg(code, pourquoi);
    return std::nullopt;
}

int Chiffre(const QString& s, int i)
{
    return s[i].digitValue();
}

} // namespace

PointMoyen LigneMoyenne::En(double x) const
{
    switch (genre) {
    case Genre::Plate:
        return {};
    case Genre::QuatreChiffres:
        if (x < p)
            return {m / (p * p) * (2.0 * p * x - x * x), 2.0 * m / (p * p) * (p - x)};
        return {m / ((1.0 - p) * (1.0 - p)) * (1.0 - 2.0 * p + 2.0 * p * x - x * x),
                2.0 * m / ((1.0 - p) * (1.0 - p)) * (p - x)};
    case Genre::CinqChiffres:
        if (x < m)
            return {k1 / 6.0 * (x * x * x - 3.0 * m * x * x + m * m * (3.0 - m) * x),
                    k1 / 6.0 * (3.0 * x * x - 6.0 * m * x + m * m * (3.0 - m))};
        return {k1 * m * m * m / 6.0 * (1.0 - x), -k1 * m * m * m / 6.0};
    case Genre::CinqChiffresDoubleCourbure: {
        const double u = x - m;
        const double fin = k2k1 * (1.0 - m) * (1.0 - m) * (1.0 - m) + m * m * m; // slope term
        if (x < m)
            return {k1 / 6.0 * (u * u * u - fin * x + m * m * m), k1 / 6.0 * (3.0 * u * u - fin)};
        return {k1 / 6.0 * (k2k1 * u * u * u - fin * x + m * m * m), k1 / 6.0 * (3.0 * k2k1 * u * u - fin)};
    }
    }
    return {};
}

double LoiEpaisseur::En(double x) const
{
    if (!modifiee)
        return 5.0 * t
            * (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x - 0.1036 * x * x * x * x);
    const double echelle = t / (2.0 * DemiEpaisseurReference);
    if (x < xMax)
        return echelle * (a[0] * std::sqrt(x) + a[1] * x + a[2] * x * x + a[3] * x * x * x);
    const double u = 1.0 - x;
    return echelle * (d[0] + d[1] * u + d[2] * u * u + d[3] * u * u * u);
}

LigneMoyenne LigneQuatreChiffres(double m, double p)
{
    LigneMoyenne ligne;
    if (m > 0.0 && p > 0.0) {
        ligne.genre = LigneMoyenne::Genre::QuatreChiffres;
        ligne.m = m;
        ligne.p = p;
    }
    return ligne;
}

std::optional<LigneMoyenne> LigneCinqChiffres(int L, int P, int Q)
{
    if (L < 1 || L > 9 || P < 1 || P > 5 || Q < 0 || Q > 1 || (Q == 1 && P == 1))
        return std::nullopt;
    const LigneTabulee& tab = (Q == 0 ? LignesNormales : LignesDoubleCourbure)[size_t(P - 1)];
    LigneMoyenne ligne;
    ligne.genre = Q == 0 ? LigneMoyenne::Genre::CinqChiffres : LigneMoyenne::Genre::CinqChiffresDoubleCourbure;
    ligne.m = tab.m;
    // The ordinates grow with the design lift: k1 in proportion, k2/k1 and m unchanged.
    ligne.k1 = tab.k1 * (PortanceParChiffre * L) / PortanceTabulee;
    ligne.k2k1 = tab.k2k1;
    return ligne;
}

LoiEpaisseur EpaisseurQuatreChiffres(double t)
{
    LoiEpaisseur loi;
    loi.t = t;
    return loi;
}

LoiEpaisseur EpaisseurModifiee(double t, int I, int T)
{
    LoiEpaisseur loi;
    loi.t = t;
    loi.modifiee = true;
    loi.xMax = T / 10.0;
    // Leading-edge radius 1.1019·(t·I/6)² up to index 8; index 9 is three times the normal radius.
    loi.a[0] = I <= 8 ? A0Normal * I / 6.0 : A0Normal * std::sqrt(3.0);
    // Aft part: closed trailing edge (d0 = 0), tabulated slope d1, maximum 0.1 at xMax with
    // a zero slope.
    const double u = 1.0 - loi.xMax;
    loi.d[0] = 0.0;
    loi.d[1] = PenteBordDeFuite[size_t(T - 2)];
    loi.d[2] = (3.0 * DemiEpaisseurReference - 3.0 * loi.d[0] - 2.0 * loi.d[1] * u) / (u * u);
    loi.d[3] = -(loi.d[1] + 2.0 * loi.d[2] * u) / (3.0 * u * u);
    CoefficientsAvant(loi, 2.0 * loi.d[2] + 6.0 * loi.d[3] * u);
    return loi;
}

std::optional<FormeNaca> LireCodeNaca(const QString& code, QString& raison)
{
    QString s = code.trimmed();
    if (s.startsWith(QLatin1String("NACA"), Qt::CaseInsensitive))
        s = s.mid(4).trimmed();
    if (s.isEmpty()) {
        raison = Tr(QT_TRANSLATE_NOOP("galbix::naca", "Entrez un code NACA, par exemple 2412, 23012 ou 0012-64."));
        return std::nullopt;
    }
    static const QRegularExpression forme(QStringLiteral("^([0-9]{4,5})(?:-([0-9])([0-9]))?$"));
    const QRegularExpressionMatch lu = forme.match(s);
    if (!lu.hasMatch())
        return Refus(raison, s, Tr(QT_TRANSLATE_NOOP("galbix::naca", "il faut quatre chiffres (2412), cinq chiffres (23012) ou l'un de ces codes "
                                   "suivi d'un suffixe de deux chiffres (0012-64).")));
    const QString chiffres = lu.captured(1);
    const double t = chiffres.right(2).toInt() / 100.0;
    if (t <= 0.0)
        return Refus(raison, s, Tr(QT_TRANSLATE_NOOP("galbix::naca", "l'épaisseur (deux derniers chiffres) ne peut pas être nulle.")));
    FormeNaca f;
    f.nom = QStringLiteral("NACA ") + s;
    if (chiffres.size() == 4) {
        if (Chiffre(chiffres, 0) > 0 && Chiffre(chiffres, 1) == 0)
            return Refus(raison, s, Tr(QT_TRANSLATE_NOOP("galbix::naca", "une cambrure (premier chiffre) demande sa position (deuxième chiffre).")));
        f.ligne = LigneQuatreChiffres(Chiffre(chiffres, 0) / 100.0, Chiffre(chiffres, 1) / 10.0);
    } else {
        const int L = Chiffre(chiffres, 0), P = Chiffre(chiffres, 1), Q = Chiffre(chiffres, 2);
        if (L == 0)
            return Refus(raison, s, Tr(QT_TRANSLATE_NOOP("galbix::naca", "le premier chiffre (portance de calcul) doit être de 1 à 9.")));
        if (P < 1 || P > 5)
            return Refus(raison, s, Tr(QT_TRANSLATE_NOOP("galbix::naca", "le deuxième chiffre (position de la cambrure) doit être de 1 à 5.")));
        if (Q > 1)
            return Refus(raison, s, Tr(QT_TRANSLATE_NOOP("galbix::naca", "le troisième chiffre doit être 0 (ligne moyenne normale) ou 1 (ligne "
                                       "moyenne à double courbure).")));
        const std::optional<LigneMoyenne> ligne = LigneCinqChiffres(L, P, Q);
        if (!ligne)
            return Refus(raison, s, Tr(QT_TRANSLATE_NOOP("galbix::naca", "la ligne moyenne à double courbure 211 n'existe pas (221 à 251).")));
        f.ligne = *ligne;
    }
    if (!lu.captured(2).isEmpty()) {
        const int T = lu.captured(3).toInt();
        if (T < 2 || T > 6)
            return Refus(raison, s, Tr(QT_TRANSLATE_NOOP("galbix::naca", "la position de l'épaisseur maximale (dernier chiffre) doit être de 2 à 6 "
                                       "dixièmes de corde.")));
        f.epaisseur = EpaisseurModifiee(t, lu.captured(2).toInt(), T);
    } else {
        f.epaisseur = EpaisseurQuatreChiffres(t);
    }
    return f;
}

} // namespace galbix::naca
