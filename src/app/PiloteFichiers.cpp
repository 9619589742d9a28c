#include "app/PiloteFichiers.h"

#include "app/FenetrePrincipale.h"

namespace galbix {

PiloteFichiers::PiloteFichiers(FenetrePrincipale& fenetre) : m_fenetre(fenetre) {}

void PiloteFichiers::Connecter() {}
void PiloteFichiers::OuvrirProjet(const QString&) {}
void PiloteFichiers::SauverProfil(int) {}

} // namespace galbix
