#include "editing/QueueConstruction.h"

#include "editing/Nettoyage.h"
#include "model/Extremes.h"

namespace galbix {

namespace {

SuiteConstruction Refus(const MessageRefus& message)
{
    SuiteConstruction s;
    s.Avis.push_back({message.Titre, message.Texte, false});
    s.Suite.Refuse = true;
    return s;
}

bool MemesNombres(const CoupleProfils& a, int32_t nbE, int32_t nbS)
{
    return a.NbPointsE() == nbE && a.NbPointsS() == nbS;
}

} // namespace

std::optional<MessageRefus> SuiteConstruction::PremierRefus() const
{
    for (const AvisConstruction& a : Avis)
        if (!a.Information)
            return MessageRefus{a.Titre, a.Texte};
    return std::nullopt;
}

SuiteConstruction CommandeIntersection(ContexteEdition& ctx)
{
    SuiteConstruction s;
    EnregistrerUndoSaufBlocage(ctx);
    const int32_t nbE = ctx.Profils.NbPointsE(), nbS = ctx.Profils.NbPointsS();
    for (int cote : {CoteE, CoteS})
        if (std::optional<AvisConstruction> avis = IntersecterCote(ctx.Profils.Points(cote).Modifier(), cote))
            s.Avis.push_back(std::move(*avis));
    s.NombresModifies = !MemesNombres(ctx.Profils, nbE, nbS);
    s.Suite = TerminerCommande(ctx);
    return s;
}

// A degenerate segment stops the command: the side concerned stays as it was, a side
// already offset keeps its new points and the tail records them.
SuiteConstruction CommandeDecaler(ContexteEdition& ctx, float d)
{
    SuiteConstruction s;
    EnregistrerUndoSaufBlocage(ctx);
    for (int cote : {CoteE, CoteS}) {
        if (std::optional<MessageRefus> refus = DecalerCote(ctx.Profils.Points(cote).Modifier(), cote, double(d))) {
            s.Avis.push_back({refus->Titre, refus->Texte, false});
            break;
        }
    }
    s.Suite = TerminerCommande(ctx);
    s.Suite.RemettreChamps = true;
    return s;
}

SuiteConstruction CommandeNettoyer(ContexteEdition& ctx, bool synchrone, float& toleranceContour)
{
    if (synchrone && ctx.Profils.NbPointsE() != ctx.Profils.NbPointsS())
        return Refus(*NettoyerSynchrone(ctx.Profils));
    SuiteConstruction s;
    EnregistrerUndoSaufBlocage(ctx);
    CalculerExtremes(ctx.Profils);
    if (synchrone) {
        NettoyerSynchrone(ctx.Profils);
    } else {
        NettoyerCote(ctx.Profils.PointsE.Modifier());
        toleranceContour = NettoyerCote(ctx.Profils.PointsS.Modifier());
    }
    s.NombresModifies = true;
    s.Ajuster = true;
    s.Suite = TerminerCommande(ctx);
    return s;
}

SuiteConstruction CommandeLisser(ContexteEdition& ctx)
{
    if (std::optional<MessageRefus> refus = RefusLissage(ctx.Profils))
        return Refus(*refus);
    SuiteConstruction s;
    EnregistrerUndoSaufBlocage(ctx);
    const int32_t nbE = ctx.Profils.NbPointsE(), nbS = ctx.Profils.NbPointsS();
    LisserProfils(ctx.Profils);
    s.NombresModifies = !MemesNombres(ctx.Profils, nbE, nbS);
    s.Suite = TerminerCommande(ctx);
    return s;
}

} // namespace galbix
