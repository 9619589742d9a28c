#pragma once
// The undo history: a bounded list of whole states. Each entry holds the points of the model
// and the values of the switches and check boxes the user sees, so that "Undo" and "Redo"
// give back exactly the screen of that moment. Commands record entries themselves.
//
// Positions are 1-based: entry 1 is the oldest, Position() the current state, the entries
// above it the states "Redo" can bring back. At start-up the history is empty (position 0).
//
// A snapshot equal to the current state in what the user sees (same points with their
// selection and other state bits, spacing, switches and options) is not recorded, so that every
// "Undo" changes something visible; the current points of the lists do not count, as the lists
// go back to point 1 after a command that changes the counts. The check compares sizes first.
//
// A new snapshot first drops the redo states above the position and goes right after it; when
// the 40 entries are then all in use, the oldest is dropped to make room. So "Redo" after a new
// snapshot never brings back a state of the abandoned branch, whether the history is full or not.
//
// The point arrays of an entry are shared copy-on-write (TableauPoints) with the model they were
// taken from and with the entry recorded before it when they are equal: recording and restoring
// copy no point, and a command on one side copies that side only, at its first write.

#include "model/Types.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace galbix {

/// Switch and check-box values saved with each snapshot.
struct ReglagesUndo {
    int16_t IndexFleche = -1;     ///< sweep button down (0 to 2), -1 when none
    int16_t IndexDiedre = -1;     ///< dihedral button down (0 to 4), -1 when none
    bool Aligner = false;         ///< "Aligner" down
    int32_t PointCourantE = 1;    ///< current points of the point lists
    int32_t PointCourantS = 1;
    int16_t IndexSelection = 0;   ///< selection option chosen (0 to 2)
    bool AfficherProfilE = true;  ///< display check boxes
    bool AfficherProfilS = true;
    bool AfficherPointsE = true;
    bool AfficherPointsS = true;
    friend bool operator==(const ReglagesUndo&, const ReglagesUndo&) = default;
};

/// One history entry: the model and the switch values.
struct EtatUndo {
    /// Root and tip points, shared with the model and between entries while equal.
    TableauPoints Points[2];
    float EcartementZ = 0;    ///< the spacing (the metrics are recomputed from the points)
    /// The sweep and dihedral read-outs, which the metrics do not give back.
    float FlecheBA = 0, FlecheBF = 0, DiedreMm = 0, DiedreDeg = 0;
    ReglagesUndo Reglages;

    /// Gives `profils` the points (shared, not copied), spacing, sweep and dihedral of this
    /// state; its metrics are left to the caller to recompute (CalculerExtremes).
    void CopierVers(CoupleProfils& profils) const;
    /// The model of this state, metrics computed.
    CoupleProfils Modele() const;
};

/// The history, at most TailleMax entries.
class HistoriqueUndo {
public:
    static constexpr int TailleMax = 40;

    /// Records a snapshot of `profils` and `reglages` after the current position (see above),
    /// unless it equals the current state; out of memory, nothing is recorded.
    void Enregistrer(const CoupleProfils& profils, const ReglagesUndo& reglages);
    /// Takes over the entries of `brouillon` (a command's own history), each recorded as by
    /// Enregistrer but moved rather than copied; `brouillon` is left empty.
    void Reprendre(HistoriqueUndo& brouillon);
    /// "Undo": steps back unless at the oldest entry; the entry to restore, null when empty.
    const EtatUndo* Annuler();
    /// "Redo": steps forward unless at the newest entry; the entry to restore, null when empty.
    const EtatUndo* Retablir();

    /// Position of the current state, 1-based; 0 when the history is empty.
    int Position() const { return m_position; }
    /// Number of entries held.
    int Taille() const { return int(m_entrees.size()); }
    /// Entry `numero` (1 to Taille()).
    const EtatUndo& Entree(int numero) const { return m_entrees[size_t(numero - 1)]; }
    /// Empties the history (position 0).
    void Vider();

private:
    EtatUndo& EntreeSuivante();

    std::vector<EtatUndo> m_entrees;
    int m_position = 0;
};

} // namespace galbix
