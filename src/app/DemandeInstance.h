#pragma once
// What the running window does with the request of a later start of the program.

#include <QString>

namespace galbix {

class FenetrePrincipale;

/// Brings `fenetre` to the front; when `argument` names a project (as the command line
/// would), asks the exit's save question about the project in hand and, unless cancelled
/// or the save failed, opens the named project.
void RecevoirDemandeInstance(FenetrePrincipale& fenetre, const QString& argument);

} // namespace galbix
