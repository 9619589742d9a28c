#pragma once
// The zoom bar and the angle bars around the drawing. A click on an arrow of the zoom bar
// multiplies the scale by 1.1 (right) or 0.9 (left) about the view centre; 800 ms after the
// last step a timer puts the thumb back to the middle so that the next click again moves it
// by one position. Dragging the thumb is refused.

#include "view/EtatVue.h"
#include "model/TexteTraduit.h"

#include <QString>
#include <cstdint>

namespace galbix {

namespace zoom {
constexpr int32_t Minimum = 0;
constexpr int32_t Maximum = 20000;
constexpr int32_t Milieu = 10000;
constexpr int DelaiRecentrageMs = 800;
constexpr int16_t AngleMinimum = 1;
constexpr int16_t AngleMaximum = 359;
constexpr int16_t PasAngle = 1;
constexpr int16_t GrandPasAngle = 10;
inline constexpr TexteTraduit TitreGlissement{QT_TRANSLATE_NOOP("galbix", "Opération impossible")};
inline constexpr TexteTraduit TexteGlissement{QT_TRANSLATE_NOOP("galbix",
    "Zoom + et - uniquement par clic sur les flèches.")};
} // namespace zoom

/// State of the zoom bar.
struct EtatBarreZoom {
    int32_t PositionZoom = zoom::Milieu; ///< bar position after the last handled change
    bool RecentrageZoom = false;         ///< the timer is putting the bar back to the middle
};

/// What the window does after a change of the zoom bar, in this order.
struct ActionZoom {
    bool ArreterMinuterie = false;
    bool RecalculerEcran = false;  ///< the scale changed: remap and draw
    bool Rafraichir = false;       ///< RafraichirVue
    bool DemarrerMinuterie = false; ///< (re)start the 800 ms timer
};

/// Scale after a move of the bar by `ecart` positions: x 1.1 x ecart when positive,
/// x 0.9 x (-ecart) when negative, unchanged at 0.
float CoeffApresPas(float coeff, int32_t ecart);

/// The change handler of the zoom bar at `position`.
ActionZoom ZoomBarre(EtatBarreZoom& barre, EtatVue& vue, int32_t position);

/// After the refusal of a thumb drag: the position follows the thumb, the scale does not change.
void ZoomGlisse(EtatBarreZoom& barre, int32_t position);

} // namespace galbix
