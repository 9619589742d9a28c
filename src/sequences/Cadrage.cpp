#include "sequences/Cadrage.h"

#include <algorithm>
#include <cmath>

namespace galbix {

RectangleEcran RectangleEcran::Depuis(double x1, double y1, double x2, double y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

RectangleEcran RectangleEcran::Agrandi(double marge) const
{
    return {Gauche - marge, Haut - marge, Droite + marge, Bas + marge};
}

void AjusterCadrage(CadrageVue& c, const ListeSequences& liste)
{
    bool premier = true;
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    for (const Sequence& s : liste) {
        if (s.Points.empty())
            continue;
        if (premier) {
            xmin = xmax = s.Points.front().X;
            ymin = ymax = s.Points.front().Y;
            premier = false;
        }
        // The contour's own extents are kept up to date by every command.
        xmin = std::min(xmin, double(s.Xmin));
        xmax = std::max(xmax, double(s.Xmax));
        ymin = std::min(ymin, double(s.Ymin));
        ymax = std::max(ymax, double(s.Ymax));
    }
    c.Cx = (xmin + xmax) / 2.0;
    c.Cy = (ymin + ymax) / 2.0;
    const double largeur = c.W - 2.0 * c.Marge, hauteur = c.H - 2.0 * c.Marge;
    if (xmax == xmin && ymax == ymin)
        c.Echelle = 1.0;
    else if (xmax == xmin)
        c.Echelle = hauteur / (ymax - ymin);
    else if (ymax == ymin)
        c.Echelle = largeur / (xmax - xmin);
    else
        c.Echelle = std::min(largeur / (xmax - xmin), hauteur / (ymax - ymin));
    if (!std::isfinite(c.Echelle) || !(c.Echelle > 0.0))
        c.Echelle = 1.0;
}

ListeSequences MapperListe(const CadrageVue& c, const ListeSequences& liste)
{
    ListeSequences ecran(liste.size());
    const double demiW = c.W / 2.0, demiH = c.H / 2.0;
    for (size_t k = 0; k < liste.size(); ++k) {
        const Sequence& s = liste[k];
        Sequence& e = ecran[k];
        e.Selectionnee = s.Selectionnee;
        e.Points.resize(s.Points.size());
        for (size_t i = 0; i < s.Points.size(); ++i) {
            e.Points[i].X = float((double(s.Points[i].X) - c.Cx) * c.Echelle + demiW);
            e.Points[i].Y = float(c.H - ((double(s.Points[i].Y) - c.Cy) * c.Echelle + demiH));
        }
        CalculerBornesSequence(e);
    }
    return ecran;
}

PointSequence VersModeleSequence(const CadrageVue& c, double u, double v)
{
    return {float((u - c.W / 2.0) / c.Echelle + c.Cx), float((c.H - v - c.H / 2.0) / c.Echelle + c.Cy), 0};
}

bool ZoomerCadrage(CadrageVue& c, double u, double v, int crans)
{
    if (crans == 0)
        return false;
    const double x = (u - c.W / 2.0) / c.Echelle + c.Cx;
    const double y = (c.H - v - c.H / 2.0) / c.Echelle + c.Cy;
    double echelle = c.Echelle;
    for (int i = 0; i < std::abs(crans); ++i)
        echelle *= crans > 0 ? 1.1 : 0.9;
    if (!std::isfinite(echelle) || !(echelle > 0.0))
        return false;
    c.Echelle = echelle;
    c.Cx = x - (u - c.W / 2.0) / echelle;
    c.Cy = y - (c.H - v - c.H / 2.0) / echelle;
    return true;
}

int BasculerParRectangle(ListeSequences& liste, const ListeSequences& ecran, const RectangleEcran& r, double pincee)
{
    // An axis along which the contour is thinner than the pinch is widened by it.
    const auto elargi = [pincee](double a, double b) {
        return b - a < 2.0 * pincee ? std::pair(a - pincee, b + pincee) : std::pair(a, b);
    };
    int n = 0;
    for (size_t k = 0; k < liste.size() && k < ecran.size(); ++k) {
        const Sequence& e = ecran[k];
        const bool entoure = r.Gauche < e.Xmin && r.Droite > e.Xmax && r.Haut < e.Ymin && r.Bas > e.Ymax;
        const auto [x0, x1] = elargi(e.Xmin, e.Xmax);
        const auto [y0, y1] = elargi(e.Ymin, e.Ymax);
        const bool dedans = r.Gauche > x0 && r.Droite < x1 && r.Haut > y0 && r.Bas < y1;
        if (entoure || dedans) {
            liste[k].Selectionnee = liste[k].EstSelectionnee() ? 0 : 1;
            ++n;
        }
    }
    return n;
}

bool HorsVue(const CadrageVue& c, const ListeSequences& ecran)
{
    for (const Sequence& e : ecran)
        if (!e.Points.empty() && (e.Xmin < 0.0 || e.Xmax > c.W || e.Ymin < 0.0 || e.Ymax > c.H))
            return true;
    return false;
}

std::optional<RepereSequence> PointSousCurseur(const ListeSequences& ecran, double u, double v, double distance)
{
    std::optional<RepereSequence> meilleur;
    double meilleureDistance = 0;
    for (size_t k = 0; k < ecran.size(); ++k) {
        const Sequence& e = ecran[k];
        if (u < e.Xmin - distance || u > e.Xmax + distance || v < e.Ymin - distance || v > e.Ymax + distance)
            continue;
        for (size_t i = 0; i < e.Points.size(); ++i) {
            const double dx = double(e.Points[i].X) - u, dy = double(e.Points[i].Y) - v;
            if (std::fabs(dx) > distance || std::fabs(dy) > distance)
                continue;
            const double d2 = dx * dx + dy * dy;
            if (!meilleur || d2 < meilleureDistance) {
                meilleur = RepereSequence{int(k), int(i)};
                meilleureDistance = d2;
            }
        }
    }
    return meilleur;
}

void DeplacerSelection(ListeSequences& liste, double du, double dv, double echelle)
{
    const double dx = du / echelle, dy = -dv / echelle;
    for (Sequence& s : liste) {
        if (!s.EstSelectionnee())
            continue;
        for (PointSequence& p : s.Points) {
            p.X = float(double(p.X) + dx);
            p.Y = float(double(p.Y) + dy);
        }
        CalculerBornesSequence(s);
    }
}

void DeplacerPoint(ListeSequences& liste, const RepereSequence& r, double du, double dv, double echelle)
{
    if (r.Contour < 0 || size_t(r.Contour) >= liste.size())
        return;
    Sequence& s = liste[size_t(r.Contour)];
    if (r.Point < 0 || size_t(r.Point) >= s.Points.size())
        return;
    PointSequence& p = s.Points[size_t(r.Point)];
    p.X = float(double(p.X) + du / echelle);
    p.Y = float(double(p.Y) - dv / echelle);
    CalculerBornesSequence(s);
}

int EntreeEtiquette(int position, int k, int nombre)
{
    const int entree = position + k - 2;
    return entree >= 1 && entree <= nombre ? entree : 0;
}

} // namespace galbix
