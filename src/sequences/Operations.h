#pragma once
// The commands of the sequence window on its two lists: the source contours read from the
// file and the assembly. Every command acts on the selected contours only.

#include "sequences/Sequence.h"

namespace galbix {

/// Sets (true) or clears (false) the selection of every contour.
void SelectionnerTout(ListeSequences& liste, bool selectionner);

/// Reverses the point order of every selected contour; the number of contours reversed.
int InverserSens(ListeSequences& liste);

/// Turns a contour by `theta` radians about the centre of its extents (recomputed before and after).
void TournerSequence(Sequence& sequence, double theta);

/// Quarter turn (+90°) of every selected contour about the centre of its extents.
void TournerQuartDeTour(ListeSequences& liste);

/// Left-right mirror of every selected contour within its own extents.
void SymetrieSequences(ListeSequences& liste);

/// Appends every selected source contour, in order, to the assembly and clears its selection.
void PrendreQuelques(ListeSequences& source, ListeSequences& assemblage);

/// Inserts every selected source contour after (index 0) or before (index 1) the first selected
/// assembly contour, placed right to left with a tenth of a width between neighbours and the
/// wire level across the join; the contours on the far side follow in X. The inserted contour
/// becomes the selected one, so that several are chained. False when nothing could be inserted.
bool InsererSequences(ListeSequences& source, ListeSequences& assemblage, int index);

/// Inserts a copy of `k` into the assembly as InsererSequences does, next to its selected
/// contour `choisie` (0-based; ignored when the assembly is empty), with the same placing;
/// the copy becomes the selected contour. Returns its position, or -1 when nothing was
/// inserted (an empty contour, or no selected contour in a non-empty assembly).
int InsererSequence(const Sequence& k, ListeSequences& assemblage, int index, int choisie);

} // namespace galbix
