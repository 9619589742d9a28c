#pragma once
// Geometric transforms of the selected points (EtatSelection, whatever the selection mode) of
// both sides at once. Each side turns, stretches or mirrors about the centre of the box of its
// own selected points, so the root and tip selections each keep their place. Unselected points
// never move. Values are computed in double and stored as floats.
//
// These routines change the points only; the snapshots and the common ending are the
// command layer's (editing/Queue.h).

#include "model/Types.h"

namespace galbix {

/// The two mirror buttons.
enum class SensMiroir {
    Vertical = 0,   ///< "Miroir vertical": Y flipped within each side's box
    Horizontal = 1, ///< "Miroir horizontal": X flipped within each side's box
};

/// The three stretch fields.
enum class SensEtirement {
    X = 0,              ///< "Etirer suivant X"
    Y = 1,              ///< "Etirer suivant Y"
    Proportionnel = 2,  ///< "Etirer proportionnellement"
};

/// The two translation fields.
enum class SensTranslation {
    X = 0, ///< "Translation suivant X"
    Y = 1, ///< "Translation suivant Y"
};

/// Mirrors the selection of each side within its own box.
void Miroir(CoupleProfils& profils, SensMiroir sens);
/// Stretches the selection of each side by `pourcent` about its own centre; false, with
/// nothing changed, when neither side has selected points.
bool Etirer(CoupleProfils& profils, SensEtirement sens, double pourcent);
/// Turns the selection of each side by `degres` about its own centre (positive from +X
/// towards +Y); false, with nothing changed, when neither side has selected points.
bool Tourner(CoupleProfils& profils, double degres);
/// Moves the selected points of both sides by `mm` along X or Y.
void Deplacer(CoupleProfils& profils, SensTranslation sens, double mm);

} // namespace galbix
