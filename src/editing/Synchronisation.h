#pragma once
// "Synchronisation optimale": rebuilds both point lists so that they have the same number of
// points and, between each pair of corresponding synchronisation points (the k-th marked
// point of side E with the k-th of side S), every vertex of one side gets a partner on the
// other side at the same fraction of the segment's arc length.
//
// Vertices taken over from the input keep their whole record (state bits included); every
// point the walk creates has Etat 0. Each input vertex of the segments walked appears once,
// the two closing synchronisation points of a segment always as one pair. The work is
// linear in the total number of points.
//
// The window shows the messages returned here and does the view work that follows a
// successful run (screen copies, list bounds, re-projection, undo snapshot, "Fil" and
// "Surface" boxes).

#include "model/Fonctions.h"
#include "geomlib/Tolerances.h"
#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace galbix {

/// Two vertices closer than this in arc length are paired as they stand instead of creating a point.
constexpr double CoincidenceSynchro = tol::CoincidenceSynchro;

/// Title of both refusals of the command.
inline constexpr TexteTraduit TitreSynchroImpossible{QT_TRANSLATE_NOOP("galbix", "Synchronisation impossible")};
/// Refusal when the two sides carry different numbers of synchronisation points.
inline constexpr TexteTraduit TexteNombresSynchroDifferents{QT_TRANSLATE_NOOP("galbix",
    "Il n'y a pas le même nombre de points de synchronisation à l'emplanture et au saumon.")};
/// Title of the notice shown after a successful run (information icon).
inline constexpr TexteTraduit TitreSynchroEffectuee{QT_TRANSLATE_NOOP("galbix", "Synchronisation effectuée")};
/// Text of that notice: three lines joined by CR LF.
inline constexpr TexteTraduit TexteSynchroEffectuee{QT_TRANSLATE_NOOP("galbix",
    "Veuillez contrôler que la synchronisation s'est faite avec des profils qui tournaient dans le bon sens\r\n"
    "et dont le premier point était bien placé. Pour cela il suffit de faire bouger le fil avec un ascenseur "
    "d'une\r\n"
    "des listes de points.")};

/// A stretch between two consecutive synchronisation points that cannot be walked: on the tip,
/// a length of 0 (or not a finite number), which leaves the scale between the sides
/// undefined; on the root, a stretch without any point after its opening one.
struct SegmentNul {
    int Cote = CoteE;
    int32_t Debut = 1; ///< number (1-based) of the synchronisation point that opens the stretch
    int32_t Fin = 1;   ///< number of the one that closes it
    friend bool operator==(const SegmentNul&, const SegmentNul&) = default;
};

/// Text of the refusal for a zero-length stretch, naming its side and its two point numbers.
QString TexteSegmentNul(const SegmentNul& segment);

/// Builds in `profilsSynchro` (point lists only, always of equal length) the synchronised
/// lists of `profils` over its first `nbSynchroE` - 1 segments. Returns the first segment
/// that cannot be walked instead, leaving `profilsSynchro` untouched. An empty side gives
/// two empty lists.
std::optional<SegmentNul> SynchroOptimale(const CoupleProfils& profils, int32_t nbSynchroE,
                                          CoupleProfils& profilsSynchro);

/// How the command ended.
enum class IssueSynchro {
    Effectuee,          ///< both lists rebuilt; show the notice
    NombresDifferents,  ///< refused: the synchronisation marks of the ends stay added
    SegmentNul,         ///< refused: the model is exactly as it was
};

/// What the command did and the message the window shows.
struct ResultatSynchro {
    IssueSynchro Issue = IssueSynchro::Effectuee;
    int32_t NbSynchroE = 0;       ///< synchronisation points counted on side E
    int32_t NbSynchroS = 0;       ///< and on side S
    bool MarquesAjoutees = false; ///< the model keeps marks added to end points (never on SegmentNul)
    MessageRefus Refus;           ///< title and text of a refusal (critical icon); empty on success
};

/// The command "Synchronisation optimale" on the model: switches the selection mode to the
/// synchronisation bit, marks the first and last points of both sides, counts the marks,
/// refuses on different counts or a zero-length segment, else replaces both lists with the
/// synchronised ones and recomputes the metrics.
ResultatSynchro ExecuterSynchroOptimale(CoupleProfils& profils, EtatEdition& edition);

} // namespace galbix
