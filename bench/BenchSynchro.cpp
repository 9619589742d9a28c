// "Synchronisation optimale" on two profiles of 100 000 points each, 20 synchronisation
// points per side (the ends included), spaced differently on the two sides.
#include "BenchSynchro.h"

#include "Bench.h"
#include "editing/Synchronisation.h"
#include "model/Naca.h"

#include <cmath>

namespace galbix::bench {

namespace {

constexpr int NombrePoints = 100000;
constexpr int NombreSynchro = 20;

// A NACA profile of `corde` mm with NombrePoints points; the k-th synchronisation point sits
// at fraction (k / 19)^puissance of the list, so that both sides cut their segments apart.
std::vector<PointProfil> Profil(const QString& code, double corde, double puissance)
{
    const std::vector<QPointF> xy = ProfilNaca4(code, NombrePoints / 2 + 1);
    std::vector<PointProfil> points;
    points.reserve(NombrePoints);
    for (size_t i = 0; i < xy.size() && points.size() < size_t(NombrePoints); ++i)
        points.push_back({float(xy[i].x() * corde), float(xy[i].y() * corde), 0});
    for (int k = 0; k < NombreSynchro; ++k) {
        const double f = std::pow(double(k) / (NombreSynchro - 1), puissance);
        PoserEtat(points[size_t(std::lround(f * double(points.size() - 1)))], EtatSynchro);
    }
    return points;
}

} // namespace

void BenchSynchro()
{
    CoupleProfils profils;
    profils.PointsE = Profil(QStringLiteral("2412"), 300.0, 1.0);
    profils.PointsS = Profil(QStringLiteral("0009"), 180.0, 1.2);
    CoupleProfils sortie;
    size_t longueur = 0;
    const double ms = MeilleurTempsMs(7, [&] {
        SynchroOptimale(profils, NombreSynchro, sortie);
        longueur = sortie.PointsE.size();
    });
    char quoi[96];
    std::snprintf(quoi, sizeof quoi, "Synchronisation 2 x %d points, %d synchro -> %zu", NombrePoints, NombreSynchro,
                  longueur);
    Afficher(quoi, ms);
}

} // namespace galbix::bench
