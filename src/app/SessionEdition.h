#pragma once
// The state of one editing session: the two profiles, the editing state, the view, the wing
// placing, the undo history and the few values that the window keeps between commands. The
// main window owns the only instance and hands it by reference to whatever works on it.

#include "editing/PressePapiers.h"
#include "editing/Queue.h"
#include "editing/Undo.h"
#include "model/Types.h"
#include "view/EtatVue.h"
#include "view/GeometrieAile.h"

#include <QString>

namespace galbix {

struct SessionEdition {
    CoupleProfils Profils;       ///< the model: both point lists and their metrics
    EtatEdition Edition;         ///< selection mode, undo guard, current points
    EtatVue Vue;                 ///< zoom, view angles, display options, drawing copies
    EtatGeometrie Geometrie;     ///< wing-placing switches and the values they keep
    HistoriqueUndo Historique;   ///< the undo history
    PressePapiers PressePapier;  ///< the points copied or cut last
    float ToleranceContour = 0;  ///< closing tolerance of the last drawing opened or cleaned
    bool ProjetOuvert = false;   ///< a profile, project or cutting-program project has been loaded
    QString DossierSauvegarde;   ///< last folder used for saving
    QString DossierOuverture;    ///< last folder used for opening

    /// What the editing commands work on.
    ContexteEdition Contexte() { return {Profils, Edition, Geometrie, Historique, Vue.Options}; }
};

} // namespace galbix
