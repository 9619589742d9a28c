#pragma once
// A cutting-program project put into the model and placed with the editing commands, as the
// user would: one side selected, the value typed into its field, Enter. The main window runs
// the same steps through its own fields; the command line runs them here without widgets.

#include "editing/Queue.h"
#include "files/ImportKf.h"

namespace galbix {

/// Selects side `cote` alone: every point of the side gets Etat = EtatSelection.
void SelectionnerCoteSeul(CoupleProfils& profils, int cote);
/// Clears side `cote`: every point of the side gets Etat = 0.
void EffacerCote(CoupleProfils& profils, int cote);

/// Replaces both point lists with the project's (the spacing too when it has one), releases
/// every placing button and keeps the imported sweep and dihedral as the values re-applied
/// after later commands; metrics recomputed, current points back to 1. No snapshot.
void ChargerProjetKerfex(ContexteEdition& ctx, const ProjetKerfex& projet);

/// The command a step's Enter runs with the value `valeur` already read from its text (the
/// side must already be selected).
SuiteCommande CommandeEtapeKerfex(ContexteEdition& ctx, ActionKerfex action, float valeur);

/// One step as typed: its side selected, its text checked and read as Enter does (a text that
/// is not a decimal number, or a result beyond the float range, gives the input-error message
/// and changes nothing), its command, its side cleared.
SuiteCommande ExecuterEtapeKerfex(ContexteEdition& ctx, const EtapeKerfex& etape);

/// ChargerProjetKerfex, then every placement step in order; the first refusal met, if any.
std::optional<MessageRefus> ImporterProjetKerfex(ContexteEdition& ctx, const ProjetKerfex& projet);

} // namespace galbix
