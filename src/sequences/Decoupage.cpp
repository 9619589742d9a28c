#include "sequences/Decoupage.h"

#include "files/Simplification.h"

namespace galbix {

namespace {

Sequence ContourDepuis(const std::vector<PointFichier>& points, size_t debut, size_t fin)
{
    Sequence s;
    if (fin - debut > size_t(PointsMaxSansSimplification)) {
        std::vector<PointFichier> morceau(points.begin() + std::ptrdiff_t(debut), points.begin() + std::ptrdiff_t(fin));
        Sequence brut;
        brut.Points.reserve(morceau.size());
        for (const PointFichier& p : morceau)
            brut.Points.push_back({p.X, p.Y, 0});
        CalculerBornesSequence(brut);
        SimplifierContour(morceau, ToleranceDeContour(brut.Xmin, brut.Xmax, brut.Ymin, brut.Ymax));
        s.Points.reserve(morceau.size());
        for (const PointFichier& p : morceau)
            s.Points.push_back({p.X, p.Y, 0});
    } else {
        for (size_t i = debut; i < fin; ++i)
            s.Points.push_back({points[i].X, points[i].Y, 0});
    }
    CalculerBornesSequence(s);
    return s;
}

} // namespace

ListeSequences DecouperSequences(const std::vector<PointFichier>& points)
{
    ListeSequences liste;
    if (points.empty())
        return liste;
    if (MemeContour(points.front(), points.back())) {
        liste.push_back(ContourDepuis(points, 0, points.size()));
        return liste;
    }
    size_t debut = 0;
    for (size_t i = 1; i <= points.size(); ++i) {
        if (i == points.size() || !MemeContour(points[i], points[debut])) {
            liste.push_back(ContourDepuis(points, debut, i));
            debut = i;
        }
    }
    return liste;
}

bool EcrireAssemblage(const ListeSequences& assemblage, TamponLecture& tampon)
{
    tampon.Points.clear();
    for (const Sequence& s : assemblage)
        for (const PointSequence& p : s.Points) {
            PointFichier r;
            r.X = p.X;
            r.Y = p.Y;
            tampon.Points.push_back(r);
        }
    if (tampon.Points.empty()) {
        tampon.Points.assign(1, PointFichier{});
        return false;
    }
    const PointFichier& premier = tampon.Points.front();
    tampon.XminFichier = tampon.XmaxFichier = premier.X;
    tampon.YminFichier = tampon.YmaxFichier = premier.Y;
    for (const PointFichier& p : tampon.Points) {
        if (p.X < tampon.XminFichier)
            tampon.XminFichier = p.X;
        if (p.X > tampon.XmaxFichier)
            tampon.XmaxFichier = p.X;
        if (p.Y < tampon.YminFichier)
            tampon.YminFichier = p.Y;
        if (p.Y > tampon.YmaxFichier)
            tampon.YmaxFichier = p.Y;
    }
    return true;
}

} // namespace galbix
