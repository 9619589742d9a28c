#pragma once
// The kerf of the hot wire: the wire melts a groove of some width, so a part cut along its
// profiles comes out smaller by half that width on every face. Cutting along profiles offset
// outwards by half the kerf gives the part its drawn size. The offset is that of "Décaler",
// applied to a copy: the model itself never changes.

#include "model/Types.h"

#include <vector>

namespace galbix {

/// +1 when the outline (closed by its last-to-first segment) turns counter-clockwise, -1
/// when clockwise or of no area: the sign of an offset that moves the outline outwards.
int SensExterieur(const std::vector<PointProfil>& points);

/// Moves one side outwards by `demiSaignee` mm (corners rebuilt where the offset lines meet).
/// Points closer than the offset's segment limit to the previous one follow it, so that the
/// count and the order of the points never change. Nothing moves for a non-positive value or
/// fewer than two distinct points.
void DecalerExterieur(std::vector<PointProfil>& points, int cote, double demiSaignee);

/// Both sides of `profils` offset outwards by half of `saignee` (mm); the spacing and the
/// metrics are copied, the metrics recomputed.
CoupleProfils AppliquerSaignee(const CoupleProfils& profils, double saignee);

} // namespace galbix
