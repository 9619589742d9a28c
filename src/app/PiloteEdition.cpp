#include "app/PiloteEdition.h"

#include "app/FenetrePrincipale.h"

namespace galbix {

PiloteEdition::PiloteEdition(FenetrePrincipale& fenetre) : m_fenetre(fenetre) {}

void PiloteEdition::Connecter() {}

void PiloteEdition::EnregistrerUndo()
{
    ContexteEdition ctx = m_fenetre.Session().Contexte();
    galbix::EnregistrerUndo(ctx);
}

void PiloteEdition::Appliquer(const SuiteCommande&) {}
void PiloteEdition::TerminerCommande() {}
void PiloteEdition::MontrerInterrupteurs() {}

} // namespace galbix
