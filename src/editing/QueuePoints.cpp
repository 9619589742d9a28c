#include "editing/QueuePoints.h"

#include "model/Extremes.h"
#include "model/NumericText.h"

#include <algorithm>

namespace galbix {

namespace {

// Snapshot unless BlocageUndo, which is then cleared.
void EnregistrerEtDebloquer(ContexteEdition& ctx)
{
    EnregistrerUndoSaufBlocage(ctx);
    ctx.Edition.BlocageUndo = false;
}

// The current points stay within the counts.
void BornerCourants(ContexteEdition& ctx)
{
    for (int cote : {CoteE, CoteS}) {
        int32_t& courant = ctx.Edition.PointCourant(cote);
        courant = std::clamp<int32_t>(courant, 1, std::max<int32_t>(1, ctx.Profils.NbPoints(cote)));
    }
}

SuitePoints Refus(MessageRefus message)
{
    SuitePoints s;
    s.Suite.Message = std::move(message);
    s.Suite.Refuse = true;
    return s;
}

std::optional<MessageRefus> RefusTropDePoints(const std::array<long long, 2>& nombres)
{
    return galbix::RefusTropDePoints(nombres[CoteE], nombres[CoteS]);
}

SuitePoints Terminer(ContexteEdition& ctx, Replacement replacement)
{
    BornerCourants(ctx);
    SuitePoints s;
    s.BornesListes = true;
    s.Suite = TerminerCommande(ctx, replacement);
    return s;
}

} // namespace

SuitePoints CommandeSupprimer(ContexteEdition& ctx)
{
    EnregistrerUndoSaufBlocage(ctx);
    if (auto refus = SupprimerSelection(ctx.Profils)) {
        SuitePoints s;
        s.Suite.Message = std::move(refus);
        s.Suite.Refuse = true;
        ctx.Edition.BlocageUndo = false;
        return s;
    }
    return Terminer(ctx, Replacement::Reappliquer);
}

SuitePoints CommandeInsererPoint(ContexteEdition& ctx)
{
    if (auto refus = RefusTropDePoints(NombresApresInsertion(ctx.Profils)))
        return Refus(std::move(*refus));
    EnregistrerUndoSaufBlocage(ctx);
    InsererMilieux(ctx.Profils);
    return Terminer(ctx, Replacement::Reappliquer);
}

SuitePoints CommandeCopier(ContexteEdition& ctx, PressePapiers& pp)
{
    CopierSelection(ctx.Profils, pp);
    SuitePoints s;
    s.Suite.Vue = MiseAJourVue::Rafraichir;
    s.CopieFaite = true;
    return s;
}

SuitePoints CommandeCouper(ContexteEdition& ctx, PressePapiers& pp)
{
    pp.CoupeEnCours = true;
    CommandeCopier(ctx, pp);
    SuitePoints s = CommandeSupprimer(ctx);
    s.CopieFaite = true;
    if (s.Suite.Refuse)
        s.Suite.Vue = MiseAJourVue::Rafraichir;
    return s;
}

SuitePoints CommandeColler(ContexteEdition& ctx, const PressePapiers& pp)
{
    if (auto refus = RefusTropDePoints(NombresApresCollage(ctx.Profils, pp)))
        return Refus(std::move(*refus));
    EnregistrerUndoSaufBlocage(ctx);
    Coller(ctx.Profils, pp);
    SuitePoints s = Terminer(ctx, Replacement::SansReapplication);
    s.Ajuster = true;
    return s;
}

SuitePoints CommandeRenumeroter(ContexteEdition& ctx, float toleranceContour)
{
    EnregistrerUndoSaufBlocage(ctx);
    Renumeroter(ctx.Profils, ctx.Edition, toleranceContour);
    BornerCourants(ctx);
    CalculerExtremes(ctx.Profils);
    SuitePoints s;
    s.BornesListes = true;
    s.Suite.Vue = MiseAJourVue::Reprojeter;
    EnregistrerEtDebloquer(ctx);
    return s;
}

// The new dihedral height is entered as if typed, so that the placing keeps the block as built
// (a dihedral button down would otherwise pull the tip onto the copy's edges).
SuitePoints CommandeDupliquer(ContexteEdition& ctx, Duplication variante, const QString& texteEcart,
                              QString& texteChamp)
{
    QString texte = texteEcart;
    if (!EstNombreDecimal(texte) || !ValeurSaisieFinie(texte))
        return Refus({TitreErreurEcartementAiles, TexteErreurSaisie});
    const auto apres = [variante](int32_t n) { return 2LL * n + (variante == Duplication::Reliee ? 5 : 0); };
    if (auto refus = galbix::RefusTropDePoints(apres(ctx.Profils.NbPointsE()), apres(ctx.Profils.NbPointsS())))
        return Refus(std::move(*refus));
    EnregistrerUndoSaufBlocage(ctx);
    const double ecart = *ValeurSaisieFinie(texte);
    texteChamp = FormaterChampRemis(ecart);
    CalculerExtremes(ctx.Profils);
    DupliquerAiles(ctx.Profils, variante, ecart);
    CalculerExtremes(ctx.Profils);
    const InterrupteursGeometrie avant = ctx.Geometrie.Interrupteurs;
    SaisirDiedreMm(ctx.Profils, ctx.Geometrie, ctx.Profils.DiedreMm);
    SuitePoints s = Terminer(ctx, Replacement::SansReapplication);
    s.Suite.InterrupteursModifies = s.Suite.InterrupteursModifies || !(avant == ctx.Geometrie.Interrupteurs);
    return s;
}

} // namespace galbix
