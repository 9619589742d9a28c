#include "editing/Saignee.h"

#include "editing/Construction.h"
#include "model/Extremes.h"

#include <cmath>
#include <cstdint>

namespace galbix {

namespace {

bool Confondus(const PointProfil& a, const PointProfil& b)
{
    return std::fabs(double(b.X) - double(a.X)) < EcartSegmentMin &&
           std::fabs(double(b.Y) - double(a.Y)) < EcartSegmentMin;
}

} // namespace

int SensExterieur(const std::vector<PointProfil>& points)
{
    double aire = 0.0;
    for (size_t i = 0; i < points.size(); ++i) {
        const PointProfil& a = points[i];
        const PointProfil& b = points[(i + 1) % points.size()];
        aire += double(a.X) * double(b.Y) - double(b.X) * double(a.Y);
    }
    return aire > 0.0 ? 1 : -1;
}

void DecalerExterieur(std::vector<PointProfil>& points, int cote, double demiSaignee)
{
    if (!(demiSaignee > 0.0) || points.size() < 2)
        return;
    // The distinct points, every one selected, and where each point of the side went.
    std::vector<PointProfil> distincts;
    distincts.reserve(points.size());
    std::vector<uint32_t> groupe(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        if (distincts.empty() || !Confondus(distincts.back(), points[i]))
            distincts.push_back({points[i].X, points[i].Y, EtatSelection});
        groupe[i] = uint32_t(distincts.size() - 1);
    }
    if (distincts.size() < 2)
        return;
    // A closed outline stays closed: its last distinct point is the first point exactly.
    const PointProfil& premier = points.front();
    if (premier.X == points.back().X && premier.Y == points.back().Y) {
        distincts.back().X = premier.X;
        distincts.back().Y = premier.Y;
    }
    if (DecalerCote(distincts, cote, SensExterieur(distincts) * demiSaignee))
        return; // not reached: no two distinct points are confounded
    for (size_t i = 0; i < points.size(); ++i) {
        points[i].X = distincts[groupe[i]].X;
        points[i].Y = distincts[groupe[i]].Y;
    }
}

CoupleProfils AppliquerSaignee(const CoupleProfils& profils, double saignee)
{
    CoupleProfils copie = profils;
    if (!(saignee > 0.0))
        return copie;
    DecalerExterieur(copie.PointsE.Modifier(), CoteE, saignee / 2.0);
    DecalerExterieur(copie.PointsS.Modifier(), CoteS, saignee / 2.0);
    if (!copie.PointsE.empty() && !copie.PointsS.empty())
        CalculerExtremes(copie);
    return copie;
}

} // namespace galbix
