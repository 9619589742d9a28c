#include "sequences/Assemblage.h"

#include "sequences/Operations.h"

#include <algorithm>
#include <cmath>

namespace galbix {

namespace {

constexpr double DixDegres = 31.4159265358979 / 180.0;
constexpr double FacteurTaille = 1.1;
constexpr float EcartFermeture = 0.001f;

} // namespace

bool TournerDixDegres(ListeSequences& assemblage, int index)
{
    if (assemblage.empty())
        return false;
    const double theta = index == 0 ? -DixDegres : DixDegres;
    for (Sequence& s : assemblage)
        if (s.EstSelectionnee())
            TournerSequence(s, theta);
    return true;
}

bool Redimensionner(ListeSequences& assemblage, int index)
{
    if (assemblage.empty())
        return false;
    for (Sequence& s : assemblage) {
        if (!s.EstSelectionnee() || s.Points.empty())
            continue;
        const double x1 = s.Points.front().X, y1 = s.Points.front().Y;
        for (PointSequence& p : s.Points) {
            const double dx = double(p.X) - x1, dy = double(p.Y) - y1;
            p.X = float(index == 0 ? dx * FacteurTaille + x1 : dx / FacteurTaille + x1);
            p.Y = float(index == 0 ? dy * FacteurTaille + y1 : dy / FacteurTaille + y1);
        }
        CalculerBornesSequence(s);
    }
    return true;
}

RefusOrdre ChangerOrdre(ListeSequences& a, int index)
{
    const size_t n = a.size();
    if (index == 0) {
        if (n < 2 || a.back().EstSelectionnee())
            return RefusOrdre::DerniereSelectionnee;
        for (size_t i = n - 1; i-- > 0;)
            if (a[i].EstSelectionnee())
                std::swap(a[i], a[i + 1]);
    } else {
        if (n < 2 || a.front().EstSelectionnee())
            return RefusOrdre::PremiereSelectionnee;
        for (size_t i = 1; i < n; ++i)
            if (a[i].EstSelectionnee())
                std::swap(a[i], a[i - 1]);
    }
    return RefusOrdre::Aucun;
}

bool EstFerme(const Sequence& s)
{
    if (s.Points.empty())
        return false;
    const PointSequence& a = s.Points.front();
    const PointSequence& b = s.Points.back();
    return std::fabs(a.X - b.X) <= EcartFermeture && std::fabs(a.Y - b.Y) <= EcartFermeture;
}

bool DeplacerPointEntree(ListeSequences& assemblage, int index)
{
    bool change = false;
    for (Sequence& s : assemblage) {
        if (!s.EstSelectionnee() || s.Points.size() < 3 || !EstFerme(s))
            continue;
        std::vector<PointSequence>& p = s.Points;
        // The closing point repeats the entry point: turn the open part, then close again.
        p.pop_back();
        if (index == 0)
            std::rotate(p.begin(), p.begin() + 1, p.end());
        else
            std::rotate(p.begin(), p.end() - 1, p.end());
        p.push_back(p.front());
        change = true;
    }
    return change;
}

bool Ecarter(ListeSequences& a, int index)
{
    if (a.size() < 3)
        return false;
    bool change = false;
    for (size_t i = 0; i + 1 < a.size(); ++i) {
        if (!a[i].EstSelectionnee() || !a[i + 1].EstSelectionnee())
            continue;
        const double pas = std::fabs(double(a[i].Xmin) - a[i + 1].Xmax) / 10.0;
        const double dx = index == 0 ? pas : -pas;
        for (size_t k = 0; k <= i; ++k) {
            for (PointSequence& p : a[k].Points) {
                const float x = float(double(p.X) + dx);
                change = change || x != p.X;
                p.X = x;
            }
            CalculerBornesSequence(a[k]);
        }
    }
    return change;
}

bool EffacerSequences(ListeSequences& a)
{
    if (a.empty())
        return false;
    a.erase(std::remove_if(a.begin(), a.end(), [](const Sequence& s) { return s.EstSelectionnee(); }), a.end());
    return true;
}

bool InsererPointEntreSequences(ListeSequences& a)
{
    if (a.size() < 2)
        return false;
    for (size_t i = 0; i + 1 < a.size(); ++i) {
        if (!a[i].EstSelectionnee() || !a[i + 1].EstSelectionnee())
            continue;
        if (a[i].Points.empty() || a[i + 1].Points.empty())
            continue;
        const PointSequence& fin = a[i].Points.back();
        const PointSequence& debut = a[i + 1].Points.front();
        Sequence lien;
        lien.Points.push_back({float((double(fin.X) + debut.X) / 2.0), float((double(fin.Y) + debut.Y) / 2.0), 0});
        CalculerBornesSequence(lien);
        a.insert(a.begin() + std::ptrdiff_t(i) + 1, std::move(lien));
        ++i; // the link sits between the pair: go on after it
    }
    return true;
}

} // namespace galbix
