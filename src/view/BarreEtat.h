#pragma once
// Texts of the status bar under the drawing: panel 1 root, panel 2 tip, panel 3 the offset
// between the two selections (panel 4, the cursor position, belongs to the mouse).

#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <QString>
#include <array>

namespace galbix {

/// Text of panel 3 when the two selections cannot be compared.
inline constexpr TexteTraduit TexteDistanceSelection{QT_TRANSLATE_NOOP("galbix", "Dist. Sel.")};

/// The box of the points carrying a state bit on one side.
struct BoiteEtat {
    int32_t Nombre = 0; ///< points carrying the bit
    float Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0; ///< meaningful when Nombre > 0
};

/// Box of the points of `points` whose state carries `bit`.
BoiteEtat BoiteDuBit(const std::vector<PointProfil>& points, int16_t bit);

/// Panels 1 to 3 for the points carrying the mode bit; stores their counts in nbSelE and nbSelS.
std::array<QString, 3> MettreAJourBarreEtat(const CoupleProfils& profils, int16_t modeSelection, int32_t& nbSelE,
                                            int32_t& nbSelS);

} // namespace galbix
