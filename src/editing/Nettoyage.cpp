#include "editing/Nettoyage.h"

#include "files/Simplification.h"
#include "geomlib/Tranchex.h"

#include <QCoreApplication>
#include <algorithm>

namespace galbix {

namespace {

bool Selectionne(const PointProfil& p) { return AEtat(p, EtatSelection); }

// The thinning's test of the middle point of three against the chord of the other two.
bool DansTolerance(const PointProfil& a, const PointProfil& b, const PointProfil& k, double t2)
{
    const double dx = double(b.X) - a.X, dy = double(b.Y) - a.Y;
    const double l2 = dx * dx + dy * dy;
    const double u = l2 <= t2 ? 0.0 : std::clamp(((double(k.X) - a.X) * dx + (double(k.Y) - a.Y) * dy) / l2, 0.0, 1.0);
    const double ex = a.X + u * dx - k.X, ey = a.Y + u * dy - k.Y;
    return ex * ex + ey * ey <= t2;
}

// Smooths the run points[debut .. fin] and appends it to `sortie` without its last point
// (which the caller writes next). Each inner point keeps its state (selection, synchronisation,
// reference); a point the smoothing would add comes back selected.
void AjouterRunLisse(const std::vector<PointProfil>& points, size_t debut, size_t fin, std::vector<PointProfil>& sortie)
{
    std::vector<PointFichier> run(fin - debut + 1);
    for (size_t k = debut; k <= fin; ++k) {
        run[k - debut].X = points[k].X;
        run[k - debut].Y = points[k].Y;
    }
    const int32_t m = LissageSequence(run);
    sortie.push_back(points[debut]);
    for (int32_t k = 1; k + 1 < m; ++k) {
        const size_t i = debut + size_t(k);
        sortie.push_back(PointProfil{run[size_t(k)].X, run[size_t(k)].Y, i < fin ? points[i].Etat : EtatSelection});
    }
}

bool BoutsSelectionnes(const std::vector<PointProfil>& p)
{
    const size_t n = p.size();
    return n >= 2 && ((Selectionne(p[0]) && Selectionne(p[1])) || (Selectionne(p[n - 2]) && Selectionne(p[n - 1])));
}

void LisserCote(std::vector<PointProfil>& points)
{
    const size_t n = points.size();
    std::vector<PointProfil> sortie;
    sortie.reserve(n);
    size_t suivant = 0; // first point not yet written
    for (size_t i = 0; i + 3 < n;) {
        if (!Selectionne(points[i + 1]) || !Selectionne(points[i + 2])) {
            ++i;
            continue;
        }
        size_t fin = i + 1;
        while (fin < n && Selectionne(points[fin]))
            ++fin;
        if (fin >= n)
            break; // cannot happen once the ends are refused
        sortie.insert(sortie.end(), points.begin() + std::ptrdiff_t(suivant), points.begin() + std::ptrdiff_t(i));
        AjouterRunLisse(points, i, fin, sortie);
        suivant = fin;
        i = fin;
    }
    if (suivant == 0)
        return;
    sortie.insert(sortie.end(), points.begin() + std::ptrdiff_t(suivant), points.end());
    points = std::move(sortie);
}

} // namespace

void MarquerPointsUtiles(std::vector<PointProfil>& points, float tolerance)
{
    const size_t n = points.size();
    if (n == 0)
        return;
    if (n >= 4) {
        for (int32_t i : IndicesConserves(points, tolerance))
            PoserEtat(points[size_t(i)], EtatAConserver);
        return;
    }
    PoserEtat(points.front(), EtatAConserver);
    PoserEtat(points.back(), EtatAConserver);
    const double t2 = double(float(tolerance * tolerance));
    if (n == 3 && !DansTolerance(points[0], points[2], points[1], t2))
        PoserEtat(points[1], EtatAConserver);
}

float NettoyerCote(std::vector<PointProfil>& points)
{
    if (points.empty())
        return 0.0f;
    const auto [xmin, xmax] = std::minmax_element(points.begin(), points.end(),
                                                  [](const PointProfil& a, const PointProfil& b) { return a.X < b.X; });
    const auto [ymin, ymax] = std::minmax_element(points.begin(), points.end(),
                                                  [](const PointProfil& a, const PointProfil& b) { return a.Y < b.Y; });
    const float tolerance = ToleranceDeContour(xmin->X, xmax->X, ymin->Y, ymax->Y);
    const std::vector<int32_t> garde = IndicesConserves(points, tolerance);
    // Kept indices only grow: an in-place forward copy.
    for (size_t j = 0; j < garde.size(); ++j)
        points[j] = PointProfil{points[size_t(garde[j])].X, points[size_t(garde[j])].Y, 0};
    points.resize(garde.size());
    return tolerance;
}

std::optional<MessageRefus> NettoyerSynchrone(CoupleProfils& profils)
{
    if (profils.NbPointsE() != profils.NbPointsS())
        return MessageRefus{QCoreApplication::translate("galbix", "Choix impossible"),
                            QCoreApplication::translate("galbix", "Les profils n'ont pas le même nombre de points, le nettoyage "
                                           "synchrone est impossible.")};
    std::vector<PointProfil>& e = profils.PointsE.Modifier();
    std::vector<PointProfil>& s = profils.PointsS.Modifier();
    MarquerPointsUtiles(e, ToleranceNettoyageSynchrone);
    MarquerPointsUtiles(s, ToleranceNettoyageSynchrone);
    size_t w = 0;
    for (size_t i = 0; i < e.size(); ++i) {
        if (!AEtat(e[i], EtatAConserver) && !AEtat(s[i], EtatAConserver))
            continue;
        e[w] = e[i];
        s[w] = s[i];
        OterEtat(e[w], EtatAConserver);
        OterEtat(s[w], EtatAConserver);
        ++w;
    }
    e.resize(w);
    s.resize(w);
    return std::nullopt;
}

std::optional<MessageRefus> RefusLissage(const CoupleProfils& profils)
{
    if (BoutsSelectionnes(profils.PointsE) || BoutsSelectionnes(profils.PointsS))
        return MessageRefus{QCoreApplication::translate("galbix", "Erreur de sélection"),
                            QCoreApplication::translate("galbix", "Le premier et le dernier segment ne peuvent pas être lissés. Pour les "
                                           "traiter, il faut renuméroter le profil")};
    return std::nullopt;
}

std::optional<MessageRefus> LisserProfils(CoupleProfils& profils)
{
    if (std::optional<MessageRefus> refus = RefusLissage(profils))
        return refus;
    LisserCote(profils.PointsE.Modifier());
    LisserCote(profils.PointsS.Modifier());
    return std::nullopt;
}

} // namespace galbix
