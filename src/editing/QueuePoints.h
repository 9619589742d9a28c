#pragma once
// The point-editing and duplication commands as the main window runs them: each with its undo
// snapshots and its ending (editing/Queue.h), on the clipboard of the session.
//
// Endings: "Supprimer" and "Insérer un point" re-apply the wing placing and reproject;
// "Copier" only redraws; "Coller" does not re-apply the placing and asks the window to fit the
// view (SuitePoints::Ajuster); "Renuméroter" moves no point the placing depends on and only
// reprojects. Every command that changes the counts asks for the list bounds. "Insérer un point",
// "Coller" and the duplication are refused, before anything is allocated, when a side would pass
// tol::PointsMaxParCote points.

#include "editing/Duplication.h"
#include "editing/EditionPoints.h"
#include "editing/PressePapiers.h"
#include "editing/Queue.h"

namespace galbix {

/// What the window does after a point command: the SuiteCommande, and besides it.
struct SuitePoints {
    SuiteCommande Suite;
    bool BornesListes = false; ///< the counts changed: recompute the list bounds first
    bool Ajuster = false;      ///< fit the view (AjusterVue) instead of the redraw Suite asks for
    bool CopieFaite = false;   ///< the clipboard was (re)filled: the window mirrors it as text
};

/// "Supprimer".
SuitePoints CommandeSupprimer(ContexteEdition& ctx);
/// "Insérer un point".
SuitePoints CommandeInsererPoint(ContexteEdition& ctx);
/// "Copier".
SuitePoints CommandeCopier(ContexteEdition& ctx, PressePapiers& pp);
/// "Couper": copy keeping the selection, then "Supprimer" with its refusal.
SuitePoints CommandeCouper(ContexteEdition& ctx, PressePapiers& pp);
/// "Coller".
SuitePoints CommandeColler(ContexteEdition& ctx, const PressePapiers& pp);
/// "Renuméroter", with the closing tolerance of the last drawing opened (0 before any).
SuitePoints CommandeRenumeroter(ContexteEdition& ctx, float toleranceContour);
/// "Deux ailes dans le bloc" button `variante` with the text of the gap field. A text that is
/// not a decimal number is refused (Suite.Refuse; the field's text is to be selected);
/// otherwise `texteChamp` receives the gap as the field shows it afterwards.
SuitePoints CommandeDupliquer(ContexteEdition& ctx, Duplication variante, const QString& texteEcart,
                              QString& texteChamp);

} // namespace galbix
