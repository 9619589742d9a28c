#pragma once
// The open command of the main window once a file is chosen: a drawing of several contours
// goes through the sequence window first, which hands back one assembled path.

#include "files/Ouverture.h"

namespace galbix {

class FenetrePrincipale;

/// As OuvrirProfil, except that a file whose first and last records carry different contour
/// codes opens the sequence window (modal, through the window's ExecuterSequences); nothing
/// is loaded (Echec) when it closes with an empty assembly.
ResultatOuverture OuvrirProfilFenetre(FenetrePrincipale& fenetre, int cote, const QString& chemin);

} // namespace galbix
