#include "view/ReductionPixels.h"

#include <algorithm>

namespace galbix {

namespace {

// Where a point falls: off the safe area (it stays alone), beyond an edge, or on a pixel.
struct Place {
    bool sure = false;
    uint8_t bord = 0;
    int px = 0, py = 0;
};

Place Placer(const PointProfil& point, double largeur, double hauteur)
{
    constexpr double Sure = ReductionPixels::MargeSure, Dehors = ReductionPixels::MargeDehors;
    const double x = double(point.X) * PixelsParUnite, y = double(point.Y) * PixelsParUnite;
    Place p;
    p.sure = x >= -Sure && x <= largeur + Sure && y >= -Sure && y <= hauteur + Sure; // false for NaN
    if (!p.sure)
        return p;
    if (x < -Dehors)
        p.bord = 1;
    else if (x > largeur + Dehors)
        p.bord = 2;
    else if (y < -Dehors)
        p.bord = 3;
    else if (y > hauteur + Dehors)
        p.bord = 4;
    else {
        p.px = ArrondiPixel(x);
        p.py = ArrondiPixel(y);
    }
    return p;
}

} // namespace

bool ReductionPixels::Actualiser(const std::vector<PointProfil>& ecran, const std::vector<PointProfil>* etats,
                                 size_t n, double largeur, double hauteur, uint64_t version)
{
    const Cle cle{version, ecran.data(), etats ? etats->data() : nullptr, n, largeur, hauteur};
    if (cle == m_cle)
        return false;
    Reconstruire(ecran, etats, n, largeur, hauteur, version);
    return true;
}

void ReductionPixels::Reconstruire(const std::vector<PointProfil>& ecran, const std::vector<PointProfil>* etats,
                                   size_t n, double largeur, double hauteur, uint64_t version)
{
    n = std::min(n, ecran.size());
    if (etats != nullptr)
        n = std::min(n, etats->size());
    m_cle = {version, ecran.data(), etats ? etats->data() : nullptr, n, largeur, hauteur};
    m_plages.clear();
    bool ouverte = false; // the last run may take the next point
    Place courante;
    int16_t etatCourant = 0;
    float xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    for (size_t i = 0; i < n; ++i) {
        const PointProfil& q = ecran[i];
        const Place p = Placer(q, largeur, hauteur);
        const int16_t etat = etats ? (*etats)[i].Etat : int16_t(0);
        const uint32_t k = uint32_t(i);
        if (ouverte && p.sure && p.bord == courante.bord && etat == etatCourant
            && (p.bord != 0 || (p.px == courante.px && p.py == courante.py))) {
            PlagePixels& plage = m_plages.back();
            plage.Fin = k;
            if (q.X < xmin) { xmin = q.X; plage.XMin = k; }
            if (q.X > xmax) { xmax = q.X; plage.XMax = k; }
            if (q.Y < ymin) { ymin = q.Y; plage.YMin = k; }
            if (q.Y > ymax) { ymax = q.Y; plage.YMax = k; }
            continue;
        }
        m_plages.push_back({k, k, k, k, k, k, p.bord});
        ouverte = p.sure;
        courante = p;
        etatCourant = etat;
        xmin = xmax = q.X;
        ymin = ymax = q.Y;
    }
}

bool ReductionPixels::Pour(const std::vector<PointProfil>& ecran, size_t n, uint64_t version) const
{
    return m_cle.version == version && m_cle.ecran == ecran.data() && m_cle.n == n && n <= ecran.size();
}

bool ReductionPixels::Condensee(const PlagePixels& plage, const std::vector<PointProfil>& ecran) const
{
    if (plage.Debut == plage.Fin)
        return true;
    const double xmin = double(ecran[plage.XMin].X) * PixelsParUnite;
    const double xmax = double(ecran[plage.XMax].X) * PixelsParUnite;
    const double ymin = double(ecran[plage.YMin].Y) * PixelsParUnite;
    const double ymax = double(ecran[plage.YMax].Y) * PixelsParUnite;
    const double l = m_cle.largeur, h = m_cle.hauteur;
    if (!(xmin >= -MargeSure && xmax <= l + MargeSure && ymin >= -MargeSure && ymax <= h + MargeSure))
        return false;
    switch (plage.Bord) {
    case 0:
        return ArrondiPixel(xmin) == ArrondiPixel(xmax) && ArrondiPixel(ymin) == ArrondiPixel(ymax);
    case 1: return xmax < -MargeDehors;
    case 2: return xmin > l + MargeDehors;
    case 3: return ymax < -MargeDehors;
    default: return ymin > h + MargeDehors;
    }
}

size_t ReductionPixels::Indices(const std::vector<PointProfil>& ecran, std::vector<uint32_t>& indices) const
{
    indices.clear();
    size_t etendus = 0;
    if (m_cle.n > ecran.size())
        return etendus;
    for (const PlagePixels& plage : m_plages) {
        if (plage.Debut == plage.Fin) {
            indices.push_back(plage.Debut);
        } else if (Condensee(plage, ecran)) {
            indices.push_back(plage.Debut);
            indices.push_back(plage.Fin);
        } else {
            for (uint32_t k = plage.Debut; k <= plage.Fin; ++k)
                indices.push_back(k);
            etendus += plage.Fin - plage.Debut + 1;
        }
    }
    return etendus;
}

} // namespace galbix
