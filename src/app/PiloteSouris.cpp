#include "app/PiloteSouris.h"

#include "app/FenetrePrincipale.h"

namespace galbix {

PiloteSouris::PiloteSouris(FenetrePrincipale& fenetre) : m_fenetre(fenetre) {}

void PiloteSouris::Connecter() {}

} // namespace galbix
