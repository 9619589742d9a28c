#pragma once
// Every editing command runs as a whole or not at all. The command works on a copy of the
// session's state with a history of its own; its result replaces the state, and its snapshots
// join the history, only when it ran to its end and left every number of the model within
// the range of a 32-bit float. Out of memory, or with a coordinate beyond that range, the
// state stays as it was and the command ends with a refusal the window shows (and the command
// line prints, exit 2).

#include "editing/Queue.h"
#include "editing/QueuePoints.h"
#include "editing/QueueConstruction.h"
#include "model/TexteTraduit.h"

#include <new>
#include <optional>
#include <type_traits>

namespace galbix {

inline constexpr TexteTraduit TitreMemoireInsuffisante{QT_TRANSLATE_NOOP("galbix", "Mémoire insuffisante")};
inline constexpr TexteTraduit TexteMemoireInsuffisante{QT_TRANSLATE_NOOP("galbix",
    "La mémoire manque pour cette commande : les profils restent tels qu'ils étaient.")};
/// Text of the refusal of a value whose result leaves the float range (title: the field's).
inline constexpr TexteTraduit TexteHorsLimites{QT_TRANSLATE_NOOP("galbix",
    "Cette valeur placerait des points hors des limites des nombres réels.")};

/// True when every coordinate and the spacing are finite 32-bit floats.
bool ModeleFini(const CoupleProfils& profils);

/// A copy of what a command changes, to work on, and the history its snapshots go to.
class EssaiCommande {
public:
    /// Copies the state of `ctx` (may throw std::bad_alloc: nothing has changed then).
    explicit EssaiCommande(const ContexteEdition& ctx);
    /// The context on the copy.
    ContexteEdition Contexte() { return {m_profils, m_edition, m_geometrie, m_historique, m_affichage}; }
    /// Puts the copy in place of `ctx`'s state and appends its snapshots to `ctx`'s history;
    /// refused (nothing changed) when the copy's model is not finite.
    std::optional<MessageRefus> Valider(ContexteEdition& ctx, const QString& titreLimites);

private:
    CoupleProfils m_profils;
    EtatEdition m_edition;
    EtatGeometrie m_geometrie;
    OptionsAffichage m_affichage;
    HistoriqueUndo m_historique;
};

/// Marks `suite` as refused with `refus` (nothing changed).
void Refuser(SuiteCommande& suite, const MessageRefus& refus);
/// Same for a point command.
void Refuser(SuitePoints& suite, const MessageRefus& refus);
/// Same for a construction command.
void Refuser(SuiteConstruction& suite, const MessageRefus& refus);

/// Runs `commande(ContexteEdition&)` as a whole or not at all (see above); `titreLimites` is the
/// title of the refusal of a result beyond the float range (the field's "Erreur de saisie").
template <typename F>
auto ExecuterEntier(ContexteEdition& ctx, F&& commande, const QString& titreLimites = TitreErreurSaisie)
{
    using Suite = std::decay_t<decltype(commande(ctx))>;
    Suite suite{};
    try {
        EssaiCommande essai(ctx);
        ContexteEdition copie = essai.Contexte();
        suite = commande(copie);
        if (const std::optional<MessageRefus> refus = essai.Valider(ctx, titreLimites)) {
            suite = Suite{};
            Refuser(suite, *refus);
        }
    } catch (const std::bad_alloc&) {
        suite = Suite{};
        Refuser(suite, {TitreMemoireInsuffisante, TexteMemoireInsuffisante});
    }
    return suite;
}

} // namespace galbix
