// Saving and reading a project (one INI key per point): 100 000 points per side unless a
// count per side is given; a .gbx path keeps the file written.
#include "Bench.h"
#include "files/Projet.h"
#include "model/Naca.h"

#include <QTemporaryDir>

namespace galbix::bench {

namespace {

std::vector<PointProfil> Profil(int nParSurface, double corde)
{
    std::vector<PointProfil> points;
    for (const QPointF& p : ProfilNaca4(QStringLiteral("2412"), nParSurface))
        points.push_back({float(p.x() * corde), float(p.y() * corde), int16_t(points.size() % 8)});
    return points;
}

} // namespace

void BenchProjet(const Arguments& arguments)
{
    const long long parCote = arguments.Nombre(0, 100000);
    QTemporaryDir dossier;
    const QString chemin =
        arguments.Chemin.isEmpty() ? dossier.filePath(QStringLiteral("grand.gbx")) : arguments.Chemin;
    DonneesProjet projet;
    projet.Profils.PointsE = Profil(int(parCote / 2), 220.0);
    projet.Profils.PointsS = Profil(int(parCote / 2), 160.0);
    projet.Profils.EcartementZ = 600.0f;
    const size_t n = projet.Profils.PointsE.size();
    char ligne[120];
    std::snprintf(ligne, sizeof ligne, "EcrireProjet, 2 x %zu points (CPU)", n);
    Afficher(ligne, MeilleurTempsCpuMs(3, [&] { EcrireProjet(chemin, projet); }));
    std::snprintf(ligne, sizeof ligne, "LireProjet, 2 x %zu points (CPU)", n);
    Afficher(ligne, MeilleurTempsCpuMs(3, [&] {
                 DonneesProjet lu;
                 LireProjet(chemin, lu);
             }));
}

} // namespace galbix::bench
