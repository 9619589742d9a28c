#include "app/PiloteVue.h"

#include "app/FenetrePrincipale.h"

namespace galbix {

PiloteVue::PiloteVue(FenetrePrincipale& fenetre) : m_fenetre(fenetre) {}

void PiloteVue::Connecter() {}
void PiloteVue::AjusterVue() {}
void PiloteVue::ReprojeterVue() {}
void PiloteVue::RecalculerEcran() {}
void PiloteVue::RafraichirVue() {}
void PiloteVue::BornesListes() {}
void PiloteVue::OuvrirProfil(int) {}

} // namespace galbix
