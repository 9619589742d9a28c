// Saving and reading a project of 100 000 points per side (one INI key per point).
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

void BenchProjet()
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("grand.gbx"));
    DonneesProjet projet;
    projet.Profils.PointsE = Profil(50000, 220.0);
    projet.Profils.PointsS = Profil(50000, 160.0);
    projet.Profils.EcartementZ = 600.0f;
    Afficher("EcrireProjet, 2 x 99999 points", MeilleurTempsMs(3, [&] { EcrireProjet(chemin, projet); }));
    Afficher("LireProjet, 2 x 99999 points", MeilleurTempsMs(3, [&] {
                 DonneesProjet lu;
                 LireProjet(chemin, lu);
             }));
}

} // namespace galbix::bench
