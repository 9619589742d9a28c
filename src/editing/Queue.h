#pragma once
// The editing commands as the main window runs them, and the tail they all end with.
//
// Every command that changes points ends the same way (TerminerCommande): re-apply the wing
// placing, recompute the metrics, record an undo snapshot unless BlocageUndo is set, then
// clear BlocageUndo. Most commands also record a snapshot before the change. Each command
// here returns what the window must then do: which refresh, which message, which texts.
//
// A re-application of the wing placing is part of the command that caused it: it records
// no snapshot of its own, so one "Undo" goes back to the state before the whole command.

#include "model/Fonctions.h"
#include "editing/Selection.h"
#include "editing/Transformations.h"
#include "editing/Undo.h"
#include "model/Types.h"
#include "view/EtatVue.h"
#include "view/GeometrieAile.h"

#include <optional>

namespace galbix {

/// Everything a command works on. The window owns the objects.
struct ContexteEdition {
    CoupleProfils& Profils;
    EtatEdition& Edition;
    EtatGeometrie& Geometrie;
    HistoriqueUndo& Historique;
    OptionsAffichage& Affichage; ///< the four display check boxes are saved with each snapshot
};

/// The redraw a command asks for.
enum class MiseAJourVue {
    Aucune,
    Rafraichir, ///< RafraichirVue: selection and lists changed, positions did not
    Reprojeter, ///< ReprojeterVue: points moved or were reordered (keeps the zoom)
};

/// What the window does after a command, in this order: show the message (OK button,
/// critical icon; after a refused field value, select the field's whole text and stop);
/// set the controls; write the texts; redraw.
struct SuiteCommande {
    std::optional<MessageRefus> Message;
    bool Refuse = false;                   ///< the value was refused: nothing changed
    bool InterrupteursModifies = false;    ///< set the placing buttons from Geometrie.Interrupteurs
    bool ReglagesRestaures = false;        ///< undo/redo: set every switch, option and display check
                                           ///< box from the restored state with BlocageUndo raised (their
                                           ///< handlers then do nothing), then the list bounds
    bool RemettreChamps = false;           ///< write the command field(s) back: stretch 100, rotation
                                           ///< and translation 0 (FormaterChampRemis)
    std::optional<TextesGeometrie> Textes; ///< chord and wing-geometry fields and labels
    MiseAJourVue Vue = MiseAJourVue::Aucune;
};

/// Switch values of the current state, as a snapshot stores them.
ReglagesUndo ReglagesActuels(const ContexteEdition& ctx);
/// EnregistrerUndo: records the current state in the history.
void EnregistrerUndo(ContexteEdition& ctx);
/// Records the current state unless BlocageUndo is set.
void EnregistrerUndoSaufBlocage(ContexteEdition& ctx);

/// Whether the tail re-applies the wing placing.
enum class Replacement { Reappliquer, SansReapplication };

/// The tail of every editing command: (re-application,) CalculerExtremes, snapshot unless
/// BlocageUndo, BlocageUndo cleared; asks for the texts of every geometry field and a reprojection.
SuiteCommande TerminerCommande(ContexteEdition& ctx, Replacement replacement = Replacement::Reappliquer);

// Selection.
/// One of the five commands of side `cote`'s panel, with its ending and the re-alignment.
SuiteCommande CommandePanneau(ContexteEdition& ctx, int cote, CommandeCote commande);
/// Click on row `ligne` (0 to 4) of side `cote`'s list.
SuiteCommande CommandeLigne(ContexteEdition& ctx, int cote, int ligne);
/// After a selection gesture: with "Aligner" down in the reference mode, the alignment runs
/// again on the new reference points (it may be refused and "Aligner" pops up).
SuiteCommande CommandeRealigner(ContexteEdition& ctx);
/// "Inverser le sens".
SuiteCommande CommandeInverserSens(ContexteEdition& ctx);
/// Choice of the selection option `index` (0 to 2).
SuiteCommande CommandeModeSelection(ContexteEdition& ctx, int index);

// Transforms.
/// "Miroir vertical" / "Miroir horizontal".
SuiteCommande CommandeMiroir(ContexteEdition& ctx, SensMiroir sens);
/// Enter in a stretch field with the value `pourcent`.
SuiteCommande CommandeEtirer(ContexteEdition& ctx, SensEtirement sens, float pourcent);
/// Enter in the rotation field with the value `degres`.
SuiteCommande CommandeTourner(ContexteEdition& ctx, float degres);
/// Enter in a translation field with the value `mm` (no snapshot before the move).
SuiteCommande CommandeDeplacer(ContexteEdition& ctx, SensTranslation sens, float mm);

// Wing geometry.
/// Enter in the chord field of side `cote`.
SuiteCommande CommandeCorde(ContexteEdition& ctx, int cote, float corde);
/// Enter in the spacing field.
SuiteCommande CommandeEcartement(ContexteEdition& ctx, float ecartement);
/// Enter in the sweep field.
SuiteCommande CommandeFleche(ContexteEdition& ctx, float fleche);
/// Enter in the dihedral-height field.
SuiteCommande CommandeDiedreMm(ContexteEdition& ctx, float hauteur);
/// Enter in the dihedral-angle field.
SuiteCommande CommandeDiedreDeg(ContexteEdition& ctx, float degres);
/// Sweep button `index` goes down (`enfonce`) or up.
SuiteCommande CommandeBoutonFleche(ContexteEdition& ctx, int index, bool enfonce);
/// Dihedral button `index` goes down or up.
SuiteCommande CommandeBoutonDiedre(ContexteEdition& ctx, int index, bool enfonce);
/// "Aligner" goes down or up.
SuiteCommande CommandeAligner(ContexteEdition& ctx, bool enfonce);

// Undo.
/// "Undo": restores the previous state (the current one at the oldest entry).
SuiteCommande CommandeAnnuler(ContexteEdition& ctx);
/// "Redo": restores the next state (the current one at the newest entry).
SuiteCommande CommandeRetablir(ContexteEdition& ctx);
/// Puts `entree` back into the model and the switch values (used by "Undo" and "Redo").
SuiteCommande RestaurerUndo(ContexteEdition& ctx, const EtatUndo& entree);

} // namespace galbix
