#include "sequences/Sequence.h"

#include <cmath>

namespace galbix {

void CalculerBornesSequence(Sequence& s)
{
    if (s.Points.empty()) {
        s.Xmin = s.Xmax = s.Ymin = s.Ymax = s.Largeur = s.Hauteur = 0.0f;
        return;
    }
    float xmin = s.Points.front().X, xmax = xmin;
    float ymin = s.Points.front().Y, ymax = ymin;
    for (const PointSequence& p : s.Points) {
        if (p.X < xmin)
            xmin = p.X;
        if (p.X > xmax)
            xmax = p.X;
        if (p.Y < ymin)
            ymin = p.Y;
        if (p.Y > ymax)
            ymax = p.Y;
    }
    s.Xmin = xmin;
    s.Xmax = xmax;
    s.Ymin = ymin;
    s.Ymax = ymax;
    s.Largeur = std::fabs(xmax - xmin);
    s.Hauteur = std::fabs(ymax - ymin);
}

int NombreSelectionnees(const ListeSequences& liste)
{
    int n = 0;
    for (const Sequence& s : liste)
        n += s.EstSelectionnee() ? 1 : 0;
    return n;
}

int PremiereSelectionnee(const ListeSequences& liste)
{
    for (size_t i = 0; i < liste.size(); ++i)
        if (liste[i].EstSelectionnee())
            return int(i);
    return -1;
}

int DerniereSelectionnee(const ListeSequences& liste)
{
    for (size_t i = liste.size(); i-- > 0;)
        if (liste[i].EstSelectionnee())
            return int(i);
    return -1;
}

int64_t NombrePoints(const ListeSequences& liste)
{
    int64_t n = 0;
    for (const Sequence& s : liste)
        n += s.NbPoints();
    return n;
}

} // namespace galbix
