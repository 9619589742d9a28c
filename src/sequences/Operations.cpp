#include "sequences/Operations.h"

#include <algorithm>
#include <cmath>

namespace galbix {

namespace {

constexpr double QuartDeTour = 90.0 * 3.14159265358979 / 180.0;

void Translater(Sequence& s, double dx, double dy)
{
    for (PointSequence& p : s.Points) {
        p.X = float(double(p.X) + dx);
        p.Y = float(double(p.Y) + dy);
    }
    CalculerBornesSequence(s);
}

// N lies left of A, its first point level with A's last; the contours after N follow.
void PlacerApres(ListeSequences& a, size_t n)
{
    const Sequence& ancre = a[n - 1];
    Sequence& nouveau = a[n];
    const double dx = double(ancre.Xmin) - nouveau.Xmax - 0.1 * nouveau.Largeur;
    const double dy = double(ancre.Points.back().Y) - nouveau.Points.front().Y;
    Translater(nouveau, dx, dy);
    if (n + 1 >= a.size())
        return;
    const Sequence& suivant = a[n + 1];
    const double decalage = double(nouveau.Xmin) - suivant.Xmax - 0.1 * suivant.Largeur;
    for (size_t i = n + 1; i < a.size(); ++i)
        Translater(a[i], decalage, 0.0);
}

// N lies right of A, its last point level with A's first; the contours before N follow.
void PlacerAvant(ListeSequences& a, size_t n)
{
    const Sequence& ancre = a[n + 1];
    Sequence& nouveau = a[n];
    const double dx = double(ancre.Xmax) + 0.1 * nouveau.Largeur - nouveau.Xmin;
    const double dy = double(ancre.Points.front().Y) - nouveau.Points.back().Y;
    Translater(nouveau, dx, dy);
    if (n == 0)
        return;
    const double decalage = double(nouveau.Xmax) + 0.1 * nouveau.Largeur - a[n - 1].Xmin;
    for (size_t i = 0; i < n; ++i)
        Translater(a[i], decalage, 0.0);
}

} // namespace

void SelectionnerTout(ListeSequences& liste, bool selectionner)
{
    for (Sequence& s : liste)
        s.Selectionnee = selectionner ? 1 : 0;
}

int InverserSens(ListeSequences& liste)
{
    int n = 0;
    for (Sequence& s : liste)
        if (s.EstSelectionnee()) {
            std::reverse(s.Points.begin(), s.Points.end());
            ++n;
        }
    return n;
}

void TournerSequence(Sequence& s, double theta)
{
    CalculerBornesSequence(s);
    const double cx = (double(s.Xmin) + s.Xmax) / 2.0, cy = (double(s.Ymin) + s.Ymax) / 2.0;
    const double c = std::cos(theta), si = std::sin(theta);
    for (PointSequence& p : s.Points) {
        const double x = double(p.X) - cx, y = double(p.Y) - cy;
        p.X = float(x * c + cx - y * si);
        p.Y = float(x * si + cy + y * c);
    }
    CalculerBornesSequence(s);
}

void TournerQuartDeTour(ListeSequences& liste)
{
    for (Sequence& s : liste)
        if (s.EstSelectionnee())
            TournerSequence(s, QuartDeTour);
}

void SymetrieSequences(ListeSequences& liste)
{
    for (Sequence& s : liste) {
        if (!s.EstSelectionnee())
            continue;
        CalculerBornesSequence(s);
        const double somme = double(s.Xmin) + s.Xmax;
        for (PointSequence& p : s.Points)
            p.X = float(somme - p.X);
        CalculerBornesSequence(s);
    }
}

void PrendreQuelques(ListeSequences& source, ListeSequences& assemblage)
{
    for (Sequence& s : source)
        if (s.EstSelectionnee()) {
            s.Selectionnee = 0;
            assemblage.push_back(s);
        }
}

int InsererSequence(const Sequence& k, ListeSequences& assemblage, int index, int choisie)
{
    Sequence copie = k;
    CalculerBornesSequence(copie);
    copie.Selectionnee = 1;
    if (copie.Points.empty())
        return -1;
    if (assemblage.empty()) {
        assemblage.push_back(std::move(copie));
        return 0;
    }
    if (choisie < 0 || size_t(choisie) >= assemblage.size())
        return -1;
    assemblage[size_t(choisie)].Selectionnee = 0;
    const size_t position = index == 0 ? size_t(choisie) + 1 : size_t(choisie);
    assemblage.insert(assemblage.begin() + std::ptrdiff_t(position), std::move(copie));
    if (index == 0)
        PlacerApres(assemblage, position);
    else
        PlacerAvant(assemblage, position);
    return int(position);
}

// The selected assembly contour is looked up once: after that it is always the copy just
// inserted.
bool InsererSequences(ListeSequences& source, ListeSequences& assemblage, int index)
{
    bool insere = false;
    int choisie = -1;
    bool cherchee = false;
    for (Sequence& k : source) {
        if (!k.EstSelectionnee())
            continue;
        k.Selectionnee = 0;
        if (k.Points.empty())
            continue;
        if (!assemblage.empty() && !cherchee) {
            choisie = PremiereSelectionnee(assemblage);
            cherchee = true;
        }
        const int position = InsererSequence(k, assemblage, index, choisie);
        if (position < 0)
            return insere;
        choisie = position;
        cherchee = true;
        insere = true;
    }
    return insere;
}

} // namespace galbix
