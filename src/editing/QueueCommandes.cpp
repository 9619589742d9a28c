// The transform and wing-geometry commands with their snapshots and endings.
#include "editing/Queue.h"

#include "model/Extremes.h"

namespace galbix {

namespace {

SuiteCommande Refus(MessageRefus message)
{
    SuiteCommande s;
    s.Message = std::move(message);
    s.Refuse = true;
    return s;
}

// The frame of the placing commands: snapshot before, the change, then the tail without a
// second re-application (the change is the placing itself).
template <typename F>
SuiteCommande CadrePlacement(ContexteEdition& ctx, F&& changement)
{
    const InterrupteursGeometrie avant = ctx.Geometrie.Interrupteurs;
    EnregistrerUndoSaufBlocage(ctx);
    changement();
    SuiteCommande s = TerminerCommande(ctx, Replacement::SansReapplication);
    s.InterrupteursModifies = !(avant == ctx.Geometrie.Interrupteurs);
    return s;
}

} // namespace

SuiteCommande CommandeMiroir(ContexteEdition& ctx, SensMiroir sens)
{
    EnregistrerUndoSaufBlocage(ctx);
    Miroir(ctx.Profils, sens);
    return TerminerCommande(ctx);
}

SuiteCommande CommandeEtirer(ContexteEdition& ctx, SensEtirement sens, float pourcent)
{
    EnregistrerUndoSaufBlocage(ctx);
    const bool fait = Etirer(ctx.Profils, sens, double(pourcent));
    SuiteCommande s = TerminerCommande(ctx);
    s.RemettreChamps = fait;
    return s;
}

SuiteCommande CommandeTourner(ContexteEdition& ctx, float degres)
{
    EnregistrerUndoSaufBlocage(ctx);
    const bool fait = Tourner(ctx.Profils, double(degres));
    SuiteCommande s = TerminerCommande(ctx);
    s.RemettreChamps = fait;
    return s;
}

SuiteCommande CommandeDeplacer(ContexteEdition& ctx, SensTranslation sens, float mm)
{
    Deplacer(ctx.Profils, sens, double(mm));
    SuiteCommande s = TerminerCommande(ctx);
    s.RemettreChamps = true;
    return s;
}

// A side whose chord is 0 cannot be scaled to another chord: refused before any snapshot.
SuiteCommande CommandeCorde(ContexteEdition& ctx, int cote, float corde)
{
    CalculerExtremes(ctx.Profils);
    if ((cote == CoteE ? ctx.Profils.LargeurE : ctx.Profils.LargeurS) == 0.0f)
        return Refus({TitreErreurSaisie, TexteCordeNulle});
    EnregistrerUndoSaufBlocage(ctx);
    ChangerCorde(ctx.Profils, cote, corde);
    return TerminerCommande(ctx);
}

SuiteCommande CommandeEcartement(ContexteEdition& ctx, float ecartement)
{
    if (!(ecartement > 0.0f))
        return Refus({TitreErreurSaisie, TexteEcartementRefuse});
    return CadrePlacement(ctx, [&] { ChangerEcartement(ctx.Profils, ctx.Geometrie, ecartement); });
}

SuiteCommande CommandeFleche(ContexteEdition& ctx, float fleche)
{
    return CadrePlacement(ctx, [&] { SaisirFleche(ctx.Profils, ctx.Geometrie, fleche); });
}

SuiteCommande CommandeDiedreMm(ContexteEdition& ctx, float hauteur)
{
    return CadrePlacement(ctx, [&] { SaisirDiedreMm(ctx.Profils, ctx.Geometrie, hauteur); });
}

SuiteCommande CommandeDiedreDeg(ContexteEdition& ctx, float degres)
{
    return CadrePlacement(ctx, [&] { SaisirDiedreDeg(ctx.Profils, ctx.Geometrie, degres); });
}

// Releasing a button leaves the tip where it is and records nothing.
SuiteCommande CommandeBoutonFleche(ContexteEdition& ctx, int index, bool enfonce)
{
    if (!enfonce) {
        ctx.Geometrie.Interrupteurs = AppliquerExclusions(ctx.Geometrie.Interrupteurs, ActionGeometrie::RelacherFleche);
        SuiteCommande s;
        s.InterrupteursModifies = true;
        return s;
    }
    return CadrePlacement(ctx, [&] { PresserBoutonFleche(ctx.Profils, ctx.Geometrie, index); });
}

SuiteCommande CommandeBoutonDiedre(ContexteEdition& ctx, int index, bool enfonce)
{
    if (!enfonce) {
        ctx.Geometrie.Interrupteurs = AppliquerExclusions(ctx.Geometrie.Interrupteurs, ActionGeometrie::RelacherDiedre);
        SuiteCommande s;
        s.InterrupteursModifies = true;
        return s;
    }
    return CadrePlacement(ctx, [&] { PresserBoutonDiedre(ctx.Profils, ctx.Geometrie, index); });
}

// Without reference points on both sides the alignment is refused before any snapshot and
// "Aligner" pops back up.
SuiteCommande CommandeAligner(ContexteEdition& ctx, bool enfonce)
{
    SuiteCommande s;
    s.InterrupteursModifies = true;
    if (!enfonce) {
        ctx.Geometrie.Interrupteurs = AppliquerExclusions(ctx.Geometrie.Interrupteurs, ActionGeometrie::RelacherAligner);
        return s;
    }
    if (!AlignementPossible(ctx.Profils)) {
        s.Message = PresserAligner(ctx.Profils, ctx.Geometrie);
        return s;
    }
    s = CadrePlacement(ctx, [&] { PresserAligner(ctx.Profils, ctx.Geometrie); });
    s.InterrupteursModifies = true; // the button itself went down
    return s;
}

} // namespace galbix
