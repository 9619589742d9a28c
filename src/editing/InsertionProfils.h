#pragma once
// The profile-insertion mode: the profiles of the main work are set aside with their undo
// history while another profile is opened and edited; on leaving, that profile is spliced
// into each side of the saved work after its insertion point, and returns to it.

#include "editing/Undo.h"
#include "model/Types.h"
#include "view/GeometrieAile.h"
#include "model/TexteTraduit.h"

#include <QString>
#include <array>

namespace galbix {

inline constexpr TexteTraduit TitreSansPointInsertion{QT_TRANSLATE_NOOP("galbix", "Pas de sélection sur un profil")};
inline constexpr TexteTraduit TexteSansPointInsertion{QT_TRANSLATE_NOOP("galbix",
    "Si vous ne sélectionnez pas de point d'insertion sur un profil, l'insertion se fera sur le dernier point.")};
inline const QString LibelleModeInsertion = QStringLiteral(" MODE INSERTION DE PROFILS ");

/// What the mode keeps of the main work while it runs.
struct EtatInsertion {
    bool Actif = false;
    CoupleProfils ProfilsSauves;
    int32_t PointInsertionE = 0;      ///< insertion point of each side in ProfilsSauves (1-based)
    int32_t PointInsertionS = 0;
    HistoriqueUndo HistoriqueSauve;
    EtatEdition EditionSauvee;
    EtatGeometrie GeometrieSauvee;
    std::array<QString, 2> NomsFichiers; ///< file-name labels of the main work
    int32_t& PointInsertion(int cote) { return cote == CoteE ? PointInsertionE : PointInsertionS; }
};

/// Insertion point of a side: its last selected point, its last point when none is selected
/// (0 for an empty side).
int32_t PointInsertion(const std::vector<PointProfil>& points);
/// True when neither side has a selected point (the mode then warns before starting).
bool SansPointInsertion(const CoupleProfils& profils);

/// Sets the main work aside: profiles, insertion points, history (moved out, `historique`
/// left empty), editing state and placing. The model is emptied for the profile to insert.
void EntrerInsertion(EtatInsertion& etat, CoupleProfils& profils, HistoriqueUndo& historique,
                     const EtatEdition& edition, const EtatGeometrie& geometrie);

/// Splices `insere` into `sauve` after point `point` (1-based): the inserted points, then a
/// copy of the insertion point (state 0) so that the path returns where it left.
std::vector<PointProfil> Episser(const std::vector<PointProfil>& sauve, int32_t point,
                                 const std::vector<PointProfil>& insere);

/// Leaves the mode: with `profilOuvert`, each side of the model is spliced into its saved
/// side; otherwise the saved profiles come back as they were. The history, editing state and
/// placing of the main work are restored (current points kept within the new counts).
void QuitterInsertion(EtatInsertion& etat, bool profilOuvert, CoupleProfils& profils, HistoriqueUndo& historique,
                      EtatEdition& edition, EtatGeometrie& geometrie);

} // namespace galbix
