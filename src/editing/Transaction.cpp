#include "editing/Transaction.h"

#include <cmath>
#include <utility>

namespace galbix {

namespace {

bool Finis(const std::vector<PointProfil>& points)
{
    for (const PointProfil& p : points)
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            return false;
    return true;
}

} // namespace

bool ModeleFini(const CoupleProfils& profils)
{
    return std::isfinite(profils.EcartementZ) && Finis(profils.PointsE) && Finis(profils.PointsS);
}

EssaiCommande::EssaiCommande(const ContexteEdition& ctx)
    : m_profils(ctx.Profils), m_edition(ctx.Edition), m_geometrie(ctx.Geometrie), m_affichage(ctx.Affichage)
{
}

// The swaps cannot fail; taking the snapshots over moves them.
std::optional<MessageRefus> EssaiCommande::Valider(ContexteEdition& ctx, const QString& titreLimites)
{
    if (!ModeleFini(m_profils))
        return MessageRefus{titreLimites, TexteHorsLimites};
    ctx.Historique.Reprendre(m_historique);
    std::swap(ctx.Profils, m_profils);
    ctx.Edition = m_edition;
    std::swap(ctx.Geometrie, m_geometrie);
    ctx.Affichage = m_affichage;
    return std::nullopt;
}

void Refuser(SuiteCommande& suite, const MessageRefus& refus)
{
    suite.Message = refus;
    suite.Refuse = true;
}

void Refuser(SuitePoints& suite, const MessageRefus& refus) { Refuser(suite.Suite, refus); }

void Refuser(SuiteConstruction& suite, const MessageRefus& refus)
{
    suite.Avis.push_back({refus.Titre, refus.Texte, false});
    suite.Suite.Refuse = true;
}

} // namespace galbix
