#pragma once
// The state of one editing session: the two profiles, the editing state and the few values
// that the window keeps between commands. The main window owns the only instance and hands
// it by reference to whatever works on it.

#include "model/Types.h"

#include <QString>

namespace galbix {

struct SessionEdition {
    CoupleProfils Profils;       ///< the model: both point lists and their metrics
    EtatEdition Edition;         ///< selection mode, undo guard, current points
    bool ProjetOuvert = false;   ///< a profile, project or cutting-program project has been loaded
    QString DossierSauvegarde;   ///< last folder used for saving
    QString DossierOuverture;    ///< last folder used for opening
};

} // namespace galbix
