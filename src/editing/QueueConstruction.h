#pragma once
// The construction and cleaning commands as the main window and the command-line tool run
// them: intersection, offset, cleaning and smoothing, each with its snapshots and its tail.

#include "editing/Construction.h"
#include "editing/Queue.h"

#include <vector>

namespace galbix {

/// What the window does after a construction command: show the messages in order, then
/// (unless Suite.Refuse) the list bounds when the counts changed, the wire and surface
/// switches, the texts and the redraw of Suite.
struct SuiteConstruction {
    std::vector<AvisConstruction> Avis;
    SuiteCommande Suite;
    bool NombresModifies = false; ///< a side gained or lost points: list bounds again
    bool Ajuster = false;         ///< refit the view (AjusterVue) instead of keeping the zoom
    /// The first refusal among the messages, as the command-line tool reports it.
    std::optional<MessageRefus> PremierRefus() const;
};

/// "Créer l'intersection" on each side independently.
SuiteConstruction CommandeIntersection(ContexteEdition& ctx);
/// Enter in the offset field with `d` mm (the field is then written back to 0).
SuiteConstruction CommandeDecaler(ContexteEdition& ctx, float d);
/// "Nettoyer": the synchronous cleaning when `synchrone` (equal counts only), else the total
/// one, which sets `toleranceContour` (the closing tolerance) to the last side's tolerance.
SuiteConstruction CommandeNettoyer(ContexteEdition& ctx, bool synchrone, float& toleranceContour);
/// "Lisser (spline)".
SuiteConstruction CommandeLisser(ContexteEdition& ctx);

} // namespace galbix
