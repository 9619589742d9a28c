#include "model/Naca.h"

#include "model/NacaFormes.h"

#include <QCoreApplication>
#include <cmath>
#include <numbers>

namespace galbix {

namespace {

struct Surfaces {
    QPointF haut;
    QPointF bas;
};

// Upper and lower surface points at chord station x: the half-thickness laid off
// perpendicular to the mean line.
Surfaces Station(double x, const naca::FormeNaca& forme)
{
    const double yt = forme.epaisseur.En(x);
    const naca::PointMoyen moyen = forme.ligne.En(x);
    const double theta = std::atan(moyen.pente);
    return {QPointF(x - yt * std::sin(theta), moyen.y + yt * std::cos(theta)),
            QPointF(x + yt * std::sin(theta), moyen.y - yt * std::cos(theta))};
}

std::vector<QPointF> Assembler(const naca::FormeNaca& forme, int nParSurface)
{
    std::vector<Surfaces> stations;
    stations.reserve(size_t(nParSurface));
    for (int i = 0; i < nParSurface; ++i) {
        const double beta = std::numbers::pi * double(i) / double(nParSurface - 1);
        stations.push_back(Station(0.5 * (1.0 - std::cos(beta)), forme));
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

} // namespace

std::vector<QPointF> ProfilNaca4(const QString& code, int nParSurface)
{
    if (code.size() != 4 || nParSurface < 2)
        return {};
    for (QChar c : code)
        if (!c.isDigit())
            return {};
    naca::FormeNaca forme;
    forme.ligne = naca::LigneQuatreChiffres(code[0].digitValue() / 100.0, code[1].digitValue() / 10.0);
    forme.epaisseur = naca::EpaisseurQuatreChiffres(code.mid(2).toInt() / 100.0);
    return Assembler(forme, nParSurface);
}

ProfilNacaCalcule ProfilNaca(const QString& code, int nParSurface)
{
    ProfilNacaCalcule r;
    const std::optional<naca::FormeNaca> forme = naca::LireCodeNaca(code, r.erreur);
    if (!forme)
        return r;
    r.nom = forme->nom;
    if (nParSurface < 2) {
        r.erreur = QCoreApplication::translate("galbix::naca", "Il faut au moins 2 points par surface.");
        return r;
    }
    r.points = Assembler(*forme, nParSurface);
    return r;
}

} // namespace galbix
