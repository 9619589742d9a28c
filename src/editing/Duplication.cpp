#include "editing/Duplication.h"

#include <algorithm>

namespace galbix {

namespace {

PointProfil Miroir(const PointProfil& p, double m) { return {p.X, float(2.0 * m - double(p.Y)), 0}; }

// Both variants build the new side apart and put it in place of the old one, which the undo
// history may still hold: the old points are never copied.
void DoublerMiroir(TableauPoints& cote, double m)
{
    const std::vector<PointProfil>& points = cote;
    const size_t n = points.size();
    std::vector<PointProfil> resultat;
    resultat.reserve(2 * n);
    resultat.insert(resultat.end(), points.begin(), points.end());
    for (size_t j = n; j-- > 0;)
        resultat.push_back(Miroir(points[j], m));
    cote = std::move(resultat);
}

void DoublerRelie(TableauPoints& cote, double m)
{
    const std::vector<PointProfil>& points = cote;
    if (points.empty())
        return;
    const size_t n = points.size();
    float xMax = points.front().X;
    for (const PointProfil& p : points)
        xMax = std::max(xMax, p.X);
    const PointProfil premier = points.front();
    const PointProfil dernier = points.back();
    const PointProfil entree{premier.X + DecalageConnexion, premier.Y, 0};
    const PointProfil j1{dernier.X + DecalageConnexion, dernier.Y, 0};
    const PointProfil j2{std::max(xMax + DecalageConnexion, j1.X), float(m), 0};

    std::vector<PointProfil> resultat;
    resultat.reserve(2 * n + 5);
    resultat.push_back(entree);
    resultat.insert(resultat.end(), points.begin(), points.end());
    resultat.push_back(j1);
    resultat.push_back(j2);
    resultat.push_back(Miroir(j1, m));
    for (size_t j = n; j-- > 0;)
        resultat.push_back(Miroir(points[j], m));
    resultat.push_back(Miroir(entree, m));
    cote = std::move(resultat);
}

} // namespace

double LigneMiroir(const CoupleProfils& profils, double ecart) { return double(profils.YminE) - ecart / 2.0; }

void DupliquerAiles(CoupleProfils& profils, Duplication variante, double ecart)
{
    const double m = LigneMiroir(profils, ecart);
    for (int cote : {CoteE, CoteS}) {
        if (variante == Duplication::Miroir)
            DoublerMiroir(profils.Points(cote), m);
        else
            DoublerRelie(profils.Points(cote), m);
    }
}

} // namespace galbix
