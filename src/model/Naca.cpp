#include "model/Naca.h"

#include <cmath>
#include <numbers>

namespace galbix {

namespace {

struct Surfaces {
    QPointF haut;
    QPointF bas;
};

// Upper and lower surface points at chord station x for camber m at p, thickness t.
Surfaces StationNaca(double x, double m, double p, double t)
{
    // Closed trailing-edge thickness distribution (last coefficient -0.1036).
    const double yt = 5.0 * t
        * (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x
           - 0.1036 * x * x * x * x);
    double yc = 0.0;
    double pente = 0.0;
    if (m > 0.0 && p > 0.0) {
        if (x < p) {
            yc = m / (p * p) * (2.0 * p * x - x * x);
            pente = 2.0 * m / (p * p) * (p - x);
        } else {
            yc = m / ((1.0 - p) * (1.0 - p)) * (1.0 - 2.0 * p + 2.0 * p * x - x * x);
            pente = 2.0 * m / ((1.0 - p) * (1.0 - p)) * (p - x);
        }
    }
    const double theta = std::atan(pente);
    return {QPointF(x - yt * std::sin(theta), yc + yt * std::cos(theta)),
            QPointF(x + yt * std::sin(theta), yc - yt * std::cos(theta))};
}

} // namespace

std::vector<QPointF> ProfilNaca4(const QString& code, int nParSurface)
{
    if (code.size() != 4 || nParSurface < 2)
        return {};
    for (QChar c : code)
        if (!c.isDigit())
            return {};
    const double m = code[0].digitValue() / 100.0;
    const double p = code[1].digitValue() / 10.0;
    const double t = code.mid(2).toInt() / 100.0;

    std::vector<Surfaces> stations;
    stations.reserve(size_t(nParSurface));
    for (int i = 0; i < nParSurface; ++i) {
        const double beta = std::numbers::pi * double(i) / double(nParSurface - 1);
        stations.push_back(StationNaca(0.5 * (1.0 - std::cos(beta)), m, p, t));
    }
    std::vector<QPointF> points;
    points.reserve(size_t(2 * nParSurface - 1));
    for (int i = nParSurface - 1; i >= 0; --i)
        points.push_back(stations[size_t(i)].haut);
    for (int i = 1; i < nParSurface; ++i)
        points.push_back(stations[size_t(i)].bas);
    // Exact ends: leading edge at the origin, trailing edge closed at (1, 0).
    points.front() = QPointF(1.0, 0.0);
    points.back() = QPointF(1.0, 0.0);
    points[size_t(nParSurface - 1)] = QPointF(0.0, 0.0);
    return points;
}

} // namespace galbix
