#pragma once
// The undo stack of the assembly: at most ten states, the oldest dropped first.

#include "sequences/Sequence.h"

#include <deque>

namespace galbix {

/// One remembered assembly and the first entry its list showed (1-based).
struct EtatAssemblage {
    ListeSequences Assemblage;
    int PositionListe = 1;
};

class PileUndoSequences {
public:
    static constexpr int Capacite = 10;

    /// Stores the current assembly as the newest state (dropping the oldest when ten are held),
    /// unless it equals the newest state.
    void Empiler(const ListeSequences& assemblage, int positionListe);
    /// True when at least two states are held.
    bool PeutAnnuler() const { return m_etats.size() >= 2; }
    /// Drops the newest state and returns the one before it; nothing with fewer than two states.
    bool Annuler(EtatAssemblage& restaure);
    int Nombre() const { return int(m_etats.size()); }
    void Vider() { m_etats.clear(); }

private:
    std::deque<EtatAssemblage> m_etats;
};

} // namespace galbix
