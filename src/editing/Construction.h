#pragma once
// Constructions on the selected segments of one side: the point where two segments meet
// ("Créer l'intersection") and the parallel offset of selected stretches ("Décaler").

#include "model/Fonctions.h"
#include "model/Types.h"

#include <optional>
#include <vector>

namespace galbix {

/// A message of a construction command: a refusal (critical icon) or a notice (information icon).
struct AvisConstruction {
    QString Titre;
    QString Texte;
    bool Information = false;
    friend bool operator==(const AvisConstruction&, const AvisConstruction&) = default;
};

/// Below this (mm) in both X and Y, two consecutive points do not define a segment.
constexpr double EcartSegmentMin = 0.01;

/// Title of the selection refusals of side `cote`.
QString TitreErreurSelectionCote(int cote);

/// "Créer l'intersection" on one side: with exactly four selected points in two consecutive
/// pairs a1, a2, b1, b2, inserts the point where segments a1-a2 and b1-b2 meet (between b1
/// and b2, or between a1 and a2 when it is an end of b1-b2). Nothing when no point is
/// selected; otherwise the refusal (side unchanged) or the notice of a point on a segment end.
std::optional<AvisConstruction> IntersecterCote(std::vector<PointProfil>& points, int cote);

/// Moves every run of selected points of one side by `d` mm to the right of its direction
/// of travel, corners rebuilt where the offset lines cross. Refused, side unchanged, when a
/// segment of a run is degenerate.
std::optional<MessageRefus> DecalerCote(std::vector<PointProfil>& points, int cote, double d);

} // namespace galbix
