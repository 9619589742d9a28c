#pragma once
// Whole-point editing of both sides at once: delete, insert midpoints, copy, paste and
// renumber. Each routine works on the selected points (EtatSelection, whatever the selection
// mode), keeps the lists gap-free and runs in one linear pass per side.
//
// These routines change the points only; the snapshots and the common ending are the
// command layer's (editing/QueuePoints.h).

#include "editing/PressePapiers.h"
#include "model/Fonctions.h"
#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <array>
#include <optional>

namespace galbix {

inline constexpr TexteTraduit TitreErreurSelection{QT_TRANSLATE_NOOP("galbix", "Erreur de sélection")};
inline constexpr TexteTraduit TexteErreurSelection{QT_TRANSLATE_NOOP("galbix",
    "Il faut conserver au moins deux points non sélectionnés de chaque côté.")};

inline constexpr TexteTraduit TitreTropDePoints{QT_TRANSLATE_NOOP("galbix", "Trop de points")};

/// The refusal of a command whose result would hold more than tol::PointsMaxParCote points on
/// a side, given the counts it would leave; nothing when both counts fit.
std::optional<MessageRefus> RefusTropDePoints(long long nbE, long long nbS);
/// Number of points "Insérer un point" would leave on each side.
std::array<long long, 2> NombresApresInsertion(const CoupleProfils& profils);
/// Number of points "Coller" would leave on each side.
std::array<long long, 2> NombresApresCollage(const CoupleProfils& profils, const PressePapiers& pp);

/// Fewest unselected points a side keeps after a deletion.
constexpr int PointsConservesMin = 2;

/// True when both sides keep at least two unselected points.
bool SuppressionPossible(const CoupleProfils& profils);
/// "Supprimer": removes every selected point of both sides, the others keeping their order.
/// Refused (nothing removed) unless both sides keep two unselected points.
std::optional<MessageRefus> SupprimerSelection(CoupleProfils& profils);

/// "Insérer un point": one midpoint (Etat 0) between every two consecutive selected points.
/// Returns the number of points added over both sides.
int InsererMilieux(CoupleProfils& profils);

/// "Copier": the clipboard takes copies of the selected points of each side; unless a cut is
/// running, the copied points lose their selection bit in the model.
void CopierSelection(CoupleProfils& profils, PressePapiers& pp);

/// Which clipboard list each side receives: the only non-empty list goes to both sides, two
/// non-empty lists go to their own side. Null for a side that receives nothing.
std::array<const std::vector<PointProfil>*, 2> ListesACollers(const PressePapiers& pp);

/// Pastes `liste` on `points`: at each selected point P, P loses its selection, then come the
/// pasted points (selected) translated so that the first lies on P, then a copy of P, then the
/// rest of the list. The scan goes on after that copy and never reads pasted points, so every
/// selected point of the original list receives one paste.
void CollerSurCote(std::vector<PointProfil>& points, const std::vector<PointProfil>& liste);
/// "Coller": CollerSurCote on each side with the list ListesACollers gives it.
void Coller(CoupleProfils& profils, const PressePapiers& pp);

/// True when a side's first and last points coincide or lie closer than `tolerance`.
bool CoteFerme(const std::vector<PointProfil>& points, float tolerance);
/// "Renuméroter" on one side: makes the current point the start of the selected run (see
/// the command). Returns false, with nothing changed, for a side of fewer than 4 selected
/// points or whose current point is point 1. `courant` is updated.
bool RenumeroterCote(std::vector<PointProfil>& points, int32_t& courant, float tolerance);
/// "Renuméroter": RenumeroterCote on side E then side S with their current points.
void Renumeroter(CoupleProfils& profils, EtatEdition& edition, float tolerance);

} // namespace galbix
