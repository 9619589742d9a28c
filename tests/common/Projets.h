#pragma once
// Projects for the tests that open or run them: two point lists a spacing apart, their
// extremes computed as a load computes them.

#include "common/Profils.h"

#include "files/Projet.h"
#include "model/Extremes.h"

namespace galbix::tests {

/// A project of the root `e` and the tip `s`, `ecartement` apart.
inline DonneesProjet ProjetDe(std::vector<PointProfil> e, std::vector<PointProfil> s, float ecartement = 500.0f)
{
    DonneesProjet projet;
    projet.Profils.PointsE = std::move(e);
    projet.Profils.PointsS = std::move(s);
    projet.Profils.EcartementZ = ecartement;
    CalculerExtremes(projet.Profils);
    return projet;
}

/// A NACA 2412 root of chord 200 and a NACA 0012 tip of chord 150 shifted by (dx, dy),
/// `parSurface` points per surface on the root and `parSurfaceS` on the tip.
inline DonneesProjet AileNaca(int parSurface = 25, float ecartement = 500.0f, double dx = 0, double dy = 0,
                              int parSurfaceS = -1)
{
    return ProjetDe(Naca("2412", parSurface, 200.0), Naca("0012", parSurfaceS < 0 ? parSurface : parSurfaceS, 150.0, dx, dy),
                    ecartement);
}

/// Writes `projet` to `chemin`: `chemin` when written, empty otherwise.
inline QString EcrireProjetTest(const QString& chemin, DonneesProjet projet)
{ return EcrireProjet(chemin, projet) ? chemin : QString(); }

} // namespace galbix::tests
