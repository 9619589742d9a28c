#pragma once
// Commands that change the number of points of a profile without the user placing them:
// cleaning ("Nettoyer"), total or keeping the point-to-point correspondence, and spline
// smoothing of selected stretches ("Lisser (spline)").

#include "model/Fonctions.h"
#include "model/Types.h"

#include <optional>
#include <vector>

namespace galbix {

/// Tolerance (mm) of the cleaning that keeps the correspondence between the sides.
constexpr float ToleranceNettoyageSynchrone = 0.025f;

/// MarquerPointsUtiles: adds EtatAConserver to every point that the greedy thinning at
/// `tolerance` keeps (always the first and the last); nothing moves.
void MarquerPointsUtiles(std::vector<PointProfil>& points, float tolerance);

/// Total cleaning of one side at its own tolerance (its larger extent / DiviseurTolerance):
/// the kept points lose every state bit. Returns the tolerance used.
float NettoyerCote(std::vector<PointProfil>& points);

/// Synchronous cleaning: keeps pair i when the point i of either side is needed at
/// ToleranceNettoyageSynchrone; other state bits survive. Refused ("Choix impossible") when
/// the counts differ.
std::optional<MessageRefus> NettoyerSynchrone(CoupleProfils& profils);

/// The refusal of the smoothing when the first or the last segment of a side is selected.
std::optional<MessageRefus> RefusLissage(const CoupleProfils& profils);

/// Spline smoothing of every stretch of selected points of both sides, each from the
/// unselected point before it to the unselected point after it. Refused, nothing changed,
/// when the first or the last segment of a side is selected.
std::optional<MessageRefus> LisserProfils(CoupleProfils& profils);

} // namespace galbix
