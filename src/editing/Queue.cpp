#include "editing/Queue.h"

#include "model/Extremes.h"

#include <new>

namespace galbix {

namespace {

MiseAJourVue Plus(MiseAJourVue a, MiseAJourVue b)
{
    return int(a) >= int(b) ? a : b;
}

// Adds what a second command asked for to the suite of the first.
void Fusionner(SuiteCommande& s, const SuiteCommande& suite)
{
    if (suite.Message)
        s.Message = suite.Message;
    s.InterrupteursModifies = s.InterrupteursModifies || suite.InterrupteursModifies;
    if (suite.Textes)
        s.Textes = suite.Textes;
    s.Vue = Plus(s.Vue, suite.Vue);
}

// After a selection in the reference mode with "Aligner" down, the alignment runs again with
// the new reference points (it may then be refused and "Aligner" pops up).
void Realigner(ContexteEdition& ctx, SuiteCommande& s)
{
    if (ctx.Geometrie.Interrupteurs.Aligner && ctx.Edition.ModeSelection == EtatReference)
        Fusionner(s, CommandeAligner(ctx, true));
}

// Snapshot unless BlocageUndo, which is then cleared.
void EnregistrerEtDebloquer(ContexteEdition& ctx)
{
    EnregistrerUndoSaufBlocage(ctx);
    ctx.Edition.BlocageUndo = false;
}

} // namespace

ReglagesUndo ReglagesActuels(const ContexteEdition& ctx)
{
    ReglagesUndo r;
    r.IndexFleche = ctx.Geometrie.Interrupteurs.IndexFleche;
    r.IndexDiedre = ctx.Geometrie.Interrupteurs.IndexDiedre;
    r.Aligner = ctx.Geometrie.Interrupteurs.Aligner;
    r.PointCourantE = ctx.Edition.PointCourantE;
    r.PointCourantS = ctx.Edition.PointCourantS;
    r.IndexSelection = int16_t(IndexDeMode(ctx.Edition.ModeSelection));
    r.AfficherProfilE = ctx.Affichage.AfficherProfil[CoteE];
    r.AfficherProfilS = ctx.Affichage.AfficherProfil[CoteS];
    r.AfficherPointsE = ctx.Affichage.AfficherPoints[CoteE];
    r.AfficherPointsS = ctx.Affichage.AfficherPoints[CoteS];
    return r;
}

void EnregistrerUndo(ContexteEdition& ctx)
{
    ctx.Historique.Enregistrer(ctx.Profils, ReglagesActuels(ctx));
}

void EnregistrerUndoSaufBlocage(ContexteEdition& ctx)
{
    if (!ctx.Edition.BlocageUndo)
        EnregistrerUndo(ctx);
}

SuiteCommande TerminerCommande(ContexteEdition& ctx, Replacement replacement)
{
    SuiteCommande s;
    CalculerExtremes(ctx.Profils);
    if (replacement == Replacement::Reappliquer) {
        const InterrupteursGeometrie avant = ctx.Geometrie.Interrupteurs;
        Reapplication r = ReappliquerGeometrie(ctx.Profils, ctx.Geometrie);
        s.Message = std::move(r.Message);
        s.InterrupteursModifies = !(avant == ctx.Geometrie.Interrupteurs);
        CalculerExtremes(ctx.Profils);
    }
    s.Textes = CalculerTextesGeometrie(ctx.Profils, ctx.Geometrie);
    s.Vue = MiseAJourVue::Reprojeter;
    EnregistrerEtDebloquer(ctx);
    return s;
}

SuiteCommande CommandeRealigner(ContexteEdition& ctx)
{
    SuiteCommande s;
    Realigner(ctx, s);
    return s;
}

SuiteCommande CommandePanneau(ContexteEdition& ctx, int cote, CommandeCote commande)
{
    SuiteCommande s;
    ExecuterCommandeCote(ctx.Profils, cote, ctx.Edition.ModeSelection, commande);
    switch (commande) {
    case CommandeCote::ToutSelectionner:
    case CommandeCote::ToutDeselectionner:
        s.Vue = MiseAJourVue::Rafraichir;
        break;
    case CommandeCote::XminXmax:
    case CommandeCote::YminYmax:
        s.Vue = MiseAJourVue::Reprojeter;
        EnregistrerEtDebloquer(ctx);
        break;
    case CommandeCote::Angles:
        s.Vue = MiseAJourVue::Rafraichir;
        EnregistrerEtDebloquer(ctx);
        break;
    }
    Realigner(ctx, s);
    return s;
}

SuiteCommande CommandeLigne(ContexteEdition& ctx, int cote, int ligne)
{
    SuiteCommande s;
    if (!BasculerLigne(ctx.Profils, ctx.Edition, cote, ligne))
        return s;
    s.Vue = MiseAJourVue::Rafraichir;
    EnregistrerEtDebloquer(ctx);
    Realigner(ctx, s);
    return s;
}

// Reordering moves no point, so the placing is not re-applied; the extreme indices change.
SuiteCommande CommandeInverserSens(ContexteEdition& ctx)
{
    SuiteCommande s;
    EnregistrerUndoSaufBlocage(ctx);
    InverserSens(ctx.Profils);
    CalculerExtremes(ctx.Profils);
    s.Vue = MiseAJourVue::Reprojeter;
    EnregistrerEtDebloquer(ctx);
    return s;
}

SuiteCommande CommandeModeSelection(ContexteEdition& ctx, int index)
{
    SuiteCommande s;
    ctx.Edition.ModeSelection = ModeDeIndex(index);
    s.Vue = MiseAJourVue::Rafraichir;
    return s;
}

SuiteCommande CommandeAnnuler(ContexteEdition& ctx)
{
    const EtatUndo* entree = ctx.Historique.Annuler();
    return entree ? RestaurerUndo(ctx, *entree) : SuiteCommande{};
}

SuiteCommande CommandeRetablir(ContexteEdition& ctx)
{
    const EtatUndo* entree = ctx.Historique.Retablir();
    return entree ? RestaurerUndo(ctx, *entree) : SuiteCommande{};
}

// The stored placing values are taken from the restored metrics, so that the next
// re-application keeps the tip where the restored state shows it, as its fields read.
SuiteCommande RestaurerUndo(ContexteEdition& ctx, const EtatUndo& entree)
{
    try {
        entree.CopierVers(ctx.Profils);
    } catch (const std::bad_alloc&) {
        return {}; // out of memory: the model stays as it was
    }
    const ReglagesUndo& r = entree.Reglages;
    ctx.Geometrie.Interrupteurs = InterrupteursGeometrie{r.IndexFleche, r.IndexDiedre, r.Aligner};
    ctx.Edition.ModeSelection = ModeDeIndex(r.IndexSelection);
    ctx.Edition.PointCourantE = r.PointCourantE;
    ctx.Edition.PointCourantS = r.PointCourantS;
    ctx.Affichage.AfficherProfil[CoteE] = r.AfficherProfilE;
    ctx.Affichage.AfficherProfil[CoteS] = r.AfficherProfilS;
    ctx.Affichage.AfficherPoints[CoteE] = r.AfficherPointsE;
    ctx.Affichage.AfficherPoints[CoteS] = r.AfficherPointsS;
    CalculerExtremes(ctx.Profils);
    ctx.Geometrie.FlecheSaisie = ctx.Profils.FlecheBA;
    ctx.Geometrie.DiedreMmSaisi = ctx.Profils.DiedreMm;
    ctx.Geometrie.DiedreDegSaisi = ctx.Profils.DiedreDeg;
    ctx.Edition.BlocageUndo = false;

    SuiteCommande s;
    s.ReglagesRestaures = true;
    s.InterrupteursModifies = true;
    s.Textes = CalculerTextesGeometrie(ctx.Profils, ctx.Geometrie);
    s.Vue = MiseAJourVue::Reprojeter;
    return s;
}

} // namespace galbix
