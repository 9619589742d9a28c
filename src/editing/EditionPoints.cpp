#include "editing/EditionPoints.h"

#include "geomlib/Tolerances.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace galbix {

namespace {

bool Selectionne(const PointProfil& p) { return AEtat(p, EtatSelection); }

bool GardeAssez(const std::vector<PointProfil>& points)
{
    int libres = 0;
    for (const PointProfil& p : points)
        if (!Selectionne(p) && ++libres >= PointsConservesMin)
            return true;
    return false;
}

// The new side is built apart: the old one, which the undo history may hold, is not copied.
void InsererMilieuxCote(TableauPoints& cote, int& ajoutes)
{
    const std::vector<PointProfil>& points = cote;
    size_t paires = 0;
    for (size_t i = 0; i + 1 < points.size(); ++i)
        paires += Selectionne(points[i]) && Selectionne(points[i + 1]);
    if (paires == 0)
        return;
    std::vector<PointProfil> resultat;
    resultat.reserve(points.size() + paires);
    for (size_t i = 0; i < points.size(); ++i) {
        resultat.push_back(points[i]);
        if (i + 1 < points.size() && Selectionne(points[i]) && Selectionne(points[i + 1]))
            resultat.push_back({float((double(points[i].X) + double(points[i + 1].X)) / 2.0),
                                float((double(points[i].Y) + double(points[i + 1].Y)) / 2.0), 0});
    }
    cote = std::move(resultat);
    ajoutes += int(paires);
}

} // namespace

std::optional<MessageRefus> RefusTropDePoints(long long nbE, long long nbS)
{
    if (nbE <= tol::PointsMaxParCote && nbS <= tol::PointsMaxParCote)
        return std::nullopt;
    return MessageRefus{TitreTropDePoints,
                        QCoreApplication::translate("galbix", "Cette commande donnerait plus de %1 points sur un côté : elle n'est pas "
                                       "exécutée.")
                            .arg(tol::PointsMaxParCote)};
}

std::array<long long, 2> NombresApresInsertion(const CoupleProfils& profils)
{
    std::array<long long, 2> n{};
    for (int cote : {CoteE, CoteS}) {
        const std::vector<PointProfil>& points = profils.Points(cote);
        n[size_t(cote)] = (long long)points.size();
        for (size_t i = 0; i + 1 < points.size(); ++i)
            n[size_t(cote)] += Selectionne(points[i]) && Selectionne(points[i + 1]);
    }
    return n;
}

std::array<long long, 2> NombresApresCollage(const CoupleProfils& profils, const PressePapiers& pp)
{
    const auto listes = ListesACollers(pp);
    std::array<long long, 2> n{};
    for (int cote : {CoteE, CoteS}) {
        const std::vector<PointProfil>& points = profils.Points(cote);
        n[size_t(cote)] = (long long)points.size();
        if (listes[size_t(cote)])
            n[size_t(cote)] += (long long)std::count_if(points.begin(), points.end(), Selectionne)
                             * ((long long)listes[size_t(cote)]->size() + 1);
    }
    return n;
}

bool SuppressionPossible(const CoupleProfils& profils)
{
    return GardeAssez(profils.PointsE) && GardeAssez(profils.PointsS);
}

std::optional<MessageRefus> SupprimerSelection(CoupleProfils& profils)
{
    if (!SuppressionPossible(profils))
        return MessageRefus{TitreErreurSelection, TexteErreurSelection};
    for (int cote : {CoteE, CoteS}) {
        const std::vector<PointProfil>& points = profils.Points(cote);
        if (!UnPointA(points, EtatSelection))
            continue;
        std::vector<PointProfil> restants;
        restants.reserve(points.size());
        std::remove_copy_if(points.begin(), points.end(), std::back_inserter(restants), Selectionne);
        profils.Points(cote) = std::move(restants);
    }
    return std::nullopt;
}

int InsererMilieux(CoupleProfils& profils)
{
    int ajoutes = 0;
    for (int cote : {CoteE, CoteS})
        InsererMilieuxCote(profils.Points(cote), ajoutes);
    return ajoutes;
}

void CopierSelection(CoupleProfils& profils, PressePapiers& pp)
{
    pp.PointsE.clear();
    pp.PointsS.clear();
    for (int cote : {CoteE, CoteS}) {
        for (const PointProfil& p : profils.Points(cote))
            if (Selectionne(p))
                pp.Points(cote).push_back(p);
        if (!pp.CoupeEnCours && !pp.Points(cote).empty())
            for (PointProfil& p : profils.Points(cote).Modifier())
                OterEtat(p, EtatSelection);
    }
    pp.CoupeEnCours = false;
}

std::array<const std::vector<PointProfil>*, 2> ListesACollers(const PressePapiers& pp)
{
    const bool e = !pp.PointsE.empty();
    const bool s = !pp.PointsS.empty();
    if (e && s)
        return {&pp.PointsE, &pp.PointsS};
    if (e)
        return {&pp.PointsE, &pp.PointsE};
    if (s)
        return {&pp.PointsS, &pp.PointsS};
    return {nullptr, nullptr};
}

void CollerSurCote(std::vector<PointProfil>& points, const std::vector<PointProfil>& liste)
{
    if (liste.empty())
        return;
    const size_t cibles = size_t(std::count_if(points.begin(), points.end(), Selectionne));
    if (cibles == 0)
        return;
    const double x1 = liste.front().X;
    const double y1 = liste.front().Y;
    std::vector<PointProfil> resultat;
    resultat.reserve(points.size() + cibles * (liste.size() + 1));
    for (PointProfil p : points) {
        if (!Selectionne(p)) {
            resultat.push_back(p);
            continue;
        }
        OterEtat(p, EtatSelection);
        resultat.push_back(p);
        for (const PointProfil& c : liste)
            resultat.push_back({float(double(c.X) - x1 + double(p.X)), float(double(c.Y) - y1 + double(p.Y)),
                                EtatSelection});
        resultat.push_back(p);
    }
    points.swap(resultat);
}

void Coller(CoupleProfils& profils, const PressePapiers& pp)
{
    const auto listes = ListesACollers(pp);
    for (int cote : {CoteE, CoteS})
        if (listes[size_t(cote)])
            CollerSurCote(profils.Points(cote).Modifier(), *listes[size_t(cote)]);
}

bool CoteFerme(const std::vector<PointProfil>& points, float tolerance)
{
    if (points.size() < 2)
        return false;
    const PointProfil& a = points.front();
    const PointProfil& b = points.back();
    if (a.X == b.X && a.Y == b.Y)
        return true;
    const double dx = double(a.X) - double(b.X);
    const double dy = double(a.Y) - double(b.Y);
    return std::sqrt(dx * dx + dy * dy) < double(tolerance);
}

// The k cyclic passes are done at once: after them the i-th selected point holds the
// coordinates that the (i - k)-th held, indices taken round the run.
bool RenumeroterCote(std::vector<PointProfil>& points, int32_t& courant, float tolerance)
{
    const auto nbSel = std::count_if(points.begin(), points.end(), Selectionne);
    if (nbSel < 4 || courant == 1)
        return false;
    if (CoteFerme(points, tolerance)) {
        points.erase(points.begin());
        --courant;
    }
    std::vector<size_t> q;
    q.reserve(size_t(nbSel));
    for (size_t i = 0; i < points.size(); ++i)
        if (Selectionne(points[i]))
            q.push_back(i);
    if (q.empty())
        return true;
    const size_t m = q.size();
    const size_t k = size_t(std::count_if(q.begin(), q.end(), [&](size_t i) { return int64_t(i) + 1 >= courant; })) % m;
    std::vector<PointProfil> coordonnees(m);
    for (size_t i = 0; i < m; ++i)
        coordonnees[i] = points[q[i]];
    for (size_t i = 0; i < m; ++i) {
        const PointProfil& source = coordonnees[(i + m - k) % m];
        points[q[i]].X = source.X;
        points[q[i]].Y = source.Y;
    }
    const PointProfil& debut = points[q.front()];
    points.insert(points.begin() + std::ptrdiff_t(q.back() + 1), PointProfil{debut.X, debut.Y, EtatSelection});
    return true;
}

void Renumeroter(CoupleProfils& profils, EtatEdition& edition, float tolerance)
{
    for (int cote : {CoteE, CoteS})
        RenumeroterCote(profils.Points(cote).Modifier(), edition.PointCourant(cote), tolerance);
}

} // namespace galbix
