#include "sequences/UndoSequences.h"

namespace galbix {

void PileUndoSequences::Empiler(const ListeSequences& assemblage, int positionListe)
{
    if (!m_etats.empty() && m_etats.back().Assemblage == assemblage)
        return; // nothing changed since the newest state
    if (int(m_etats.size()) >= Capacite)
        m_etats.pop_front();
    m_etats.push_back({assemblage, positionListe});
}

bool PileUndoSequences::Annuler(EtatAssemblage& restaure)
{
    if (!PeutAnnuler())
        return false;
    m_etats.pop_back();
    restaure = m_etats.back();
    return true;
}

} // namespace galbix
