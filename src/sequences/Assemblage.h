#pragma once
// The commands of the assembly list: turn, resize, order, entry point, spacing, delete and
// the one-point link between contours. Each returns whether it changed the assembly (the
// window then pushes an undo state).

#include "sequences/Sequence.h"

namespace galbix {

/// Why an order command was refused.
enum class RefusOrdre { Aucun, DerniereSelectionnee, PremiereSelectionnee };

/// Turns every selected contour by -10° (index 0) or +10° (index 1) about the centre of its extents.
bool TournerDixDegres(ListeSequences& assemblage, int index);

/// Scales every selected contour by 1.1 (index 0) or 1 / 1.1 (index 1) about its first point.
bool Redimensionner(ListeSequences& assemblage, int index);

/// Moves every selected contour one place towards the end (index 0) or the start (index 1).
/// Refused with fewer than two contours, or when the last (index 0) / first (index 1) is selected.
RefusOrdre ChangerOrdre(ListeSequences& assemblage, int index);

/// True when the first and last points differ by at most 0.001 in X and in Y.
bool EstFerme(const Sequence& sequence);

/// Advances (index 0) or moves back (index 1) the entry point of every selected closed contour
/// by one point; the contour stays closed with the same number of points. False when none moved.
bool DeplacerPointEntree(ListeSequences& assemblage, int index);

/// Between each pair of consecutive selected contours, moves the contours up to the first of
/// the pair by a tenth of their gap in X: away (index 0) or closer (index 1). Needs 3 contours;
/// false when no point moved (no two consecutive contours selected, or no gap).
bool Ecarter(ListeSequences& assemblage, int index);

/// Removes the selected contours (all of them empties the assembly).
bool EffacerSequences(ListeSequences& assemblage);

/// Between each pair of consecutive selected contours, inserts a one-point contour at the
/// midpoint from the end of the first to the start of the second. Needs 2 contours.
bool InsererPointEntreSequences(ListeSequences& assemblage);

} // namespace galbix
