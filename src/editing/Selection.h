#pragma once
// Selection: the commands of each side panel, the row toggle of the point lists, the
// selection of sharp corners and the reversal of selected runs.
//
// What a selection gesture sets or clears is always the bit of the current selection mode
// (EtatSelection, EtatReference or EtatSynchro); no other bit is touched. These routines
// change the points only; the undo snapshots, the refresh and the re-alignment that follow
// each command are carried out by the command layer (editing/Queue.h).

#include "model/Types.h"

#include <cstdint>
#include <vector>

namespace galbix {

/// The five commands of each side panel.
enum class CommandeCote {
    ToutSelectionner,   ///< "Tout sélectionner"
    ToutDeselectionner, ///< "Tout déselectionner"
    XminXmax,           ///< "Sélection Xmin Xmax"
    YminYmax,           ///< "Sélection Ymin Ymax"
    Angles,             ///< "Sélection >30"
};

/// Smallest turn (degrees) that "Sélection >30" selects; turns above 360 minus it count as
/// the same turn the other way round.
constexpr float AngleCoinMin = 30.0f;

/// Runs a panel command on side `cote` with the bit `mode`. The extreme selections run
/// CalculerExtremes first; the others leave the metrics alone.
void ExecuterCommandeCote(CoupleProfils& profils, int cote, int16_t mode, CommandeCote commande);

/// Adds `mode` to every point whose turn from the segment before it to the segment after it
/// is at least 30 degrees; the first and last points are never selected.
void SelectionnerAngles(std::vector<PointProfil>& points, int16_t mode);

/// Number of the point shown on row `ligne` (0 to 4) of a list whose current point is `pointCourant`.
int32_t PointDeLigne(int32_t pointCourant, int ligne);
/// Row of a coordinate label of a list: labels 0 to 4 are the X column, 5 to 9 the Y column.
int LigneDuLibelle(int indexLibelle);

/// Toggles the mode bit of the point on row `ligne` of side `cote`; false (nothing changed)
/// when the row shows no point.
bool BasculerLigne(CoupleProfils& profils, const EtatEdition& edition, int cote, int ligne);

/// Reverses the order of the points inside every run of consecutive selected points
/// (EtatSelection, whatever the mode); the points keep all their bits.
void InverserRuns(std::vector<PointProfil>& points);
/// "Inverser le sens": InverserRuns on side E, then on side S.
void InverserSens(CoupleProfils& profils);

/// Selection mode of the option at `index` (0, 1, 2 give 1, 2, 4); EtatSelection for any other index.
int16_t ModeDeIndex(int index);
/// Index of the option of a selection mode (1, 2, 4 give 0, 1, 2); 0 for any other value.
int IndexDeMode(int16_t mode);

} // namespace galbix
