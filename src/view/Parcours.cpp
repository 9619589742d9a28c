#include "view/Parcours.h"

#include <algorithm>
#include <cmath>

namespace galbix {

namespace {

double Longueur(const PointProfil& a, const PointProfil& b)
{
    return std::hypot(double(b.X) - double(a.X), double(b.Y) - double(a.Y));
}

// Marks the segments whose ratio departs too far from the paths' ratio, and the largest
// departure among the segments that have both lengths.
void ChercherSegmentsAVerifier(AnalyseParcours& a, const std::vector<double>& le, const std::vector<double>& ls)
{
    const bool ratioDefini = a.LongueurE > 0.0 && a.LongueurS > 0.0;
    const double ratio = ratioDefini ? a.LongueurS / a.LongueurE : 0.0;
    a.AVerifier.assign(le.size(), 0);
    for (size_t k = 0; k < le.size(); ++k) {
        const bool nulE = le[k] == 0.0, nulS = ls[k] == 0.0;
        bool mauvais = nulE != nulS; // one carriage stands still while the other moves
        if (!nulE && !nulS && ratioDefini) {
            const double r = ls[k] / le[k];
            const double ecart = std::max(r / ratio, ratio / r);
            a.EcartMax = std::max(a.EcartMax, ecart);
            mauvais = ecart > FacteurSegmentAVerifier;
        }
        if (mauvais) {
            a.AVerifier[k] = 1;
            a.SegmentsAVerifier.push_back(int32_t(k + 1));
        }
    }
}

} // namespace

double AnalyseParcours::Duree(double vitesse) const
{
    if (!(vitesse > 0.0) || Cumul.empty())
        return 0.0;
    return Cumul.back() / vitesse;
}

AnalyseParcours AnalyserParcours(const CoupleProfils& profils)
{
    AnalyseParcours a;
    const auto& e = profils.PointsE;
    const auto& s = profils.PointsS;
    if (e.empty() || e.size() != s.size())
        return a;
    a.NombrePoints = int32_t(e.size());
    const size_t segments = e.size() - 1;
    std::vector<double> le(segments), ls(segments);
    a.Cumul.resize(e.size());
    a.Cumul[0] = 0.0;
    for (size_t k = 0; k < segments; ++k) {
        le[k] = Longueur(e[k], e[k + 1]);
        ls[k] = Longueur(s[k], s[k + 1]);
        a.LongueurE += le[k];
        a.LongueurS += ls[k];
        a.Cumul[k + 1] = a.Cumul[k] + std::max(le[k], ls[k]);
    }
    ChercherSegmentsAVerifier(a, le, ls);
    return a;
}

double TempsDeLaPaire(const AnalyseParcours& analyse, int32_t paire, double vitesse)
{
    if (analyse.Cumul.empty() || !(vitesse > 0.0))
        return 0.0;
    const int32_t k = std::clamp(paire, int32_t(1), analyse.NombrePoints);
    return analyse.Cumul[size_t(k - 1)] / vitesse;
}

PositionParcours PositionAuTemps(const CoupleProfils& profils, const AnalyseParcours& analyse, double temps,
                                 double vitesse)
{
    PositionParcours p;
    if (analyse.NombrePoints == 0 || profils.NbPointsE() != analyse.NombrePoints ||
        profils.NbPointsS() != analyse.NombrePoints || !(vitesse > 0.0))
        return p;
    const auto& e = profils.PointsE;
    const auto& s = profils.PointsS;
    const double duree = analyse.Duree(vitesse);
    const double t = std::isfinite(temps) ? std::clamp(temps, 0.0, duree) : 0.0;
    const double distance = t * vitesse;
    p.Ecoule = t;
    p.Restant = duree - t;
    if (analyse.NombrePoints == 1) {
        p.XE = e[0].X, p.YE = e[0].Y, p.XS = s[0].X, p.YS = s[0].Y;
        return p;
    }
    // The segment whose span of distance holds `distance`; segments of no length are passed.
    const auto debut = analyse.Cumul.begin();
    auto it = std::upper_bound(debut, analyse.Cumul.end(), distance);
    size_t k = it == debut ? 0 : size_t(it - debut) - 1;
    k = std::min(k, analyse.Cumul.size() - 2);
    const double longueur = analyse.Cumul[k + 1] - analyse.Cumul[k];
    p.Segment = int32_t(k);
    p.Paire = int32_t(k + 1);
    p.Fraction = longueur > 0.0 ? std::clamp((distance - analyse.Cumul[k]) / longueur, 0.0, 1.0) : 1.0;
    if (p.Fraction >= 1.0 && k + 2 == analyse.Cumul.size())
        p.Paire = analyse.NombrePoints;
    const double f = p.Fraction;
    p.XE = e[k].X + (double(e[k + 1].X) - e[k].X) * f;
    p.YE = e[k].Y + (double(e[k + 1].Y) - e[k].Y) * f;
    p.XS = s[k].X + (double(s[k + 1].X) - s[k].X) * f;
    p.YS = s[k].Y + (double(s[k + 1].Y) - s[k].Y) * f;
    if (longueur > 0.0) {
        p.VitesseE = Longueur(e[k], e[k + 1]) / longueur * vitesse;
        p.VitesseS = Longueur(s[k], s[k + 1]) / longueur * vitesse;
    }
    return p;
}

} // namespace galbix
