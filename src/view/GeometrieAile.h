#pragma once
// Wing geometry: the chord of each side, the spacing along the span, and the placing of the
// tip (side S) relative to the root (side E) by sweep, dihedral and alignment.
//
// The placing chosen last is remembered and re-applied after every command that changes the
// shape or position of a profile (ReappliquerGeometrie): the alignment when "Aligner" is down;
// otherwise the sweep button down or else the stored sweep, and the dihedral button down or
// else the stored dihedral height.
//
// These routines change the model only and leave its metrics valid. The undo snapshots, the
// redraw and the field texts around them are the command layer's (editing/Queue.h).
//
// Two choices of this module:
// - A chord entered while the side's chord is 0 is refused with a message; no point moves.
// - The dihedral angle moves the tip vertically by the amount that makes the angle of the
//   profiles' middles equal the angle typed, whatever the offset of the lower surfaces was
//   beforehand: (YmaxE + YminE)/2 - (YmaxS + YminS)/2 + EcartementZ x tan(a). DiedreDeg then
//   reads the angle typed; the dihedral height kept for later re-applications is the one
//   this move produced.

#include "model/Fonctions.h"
#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace galbix {

/// Sweep buttons (frame "Flèche").
enum BoutonFleche : int16_t {
    FlecheAlignerBA = 0,      ///< "Aligner les BA"
    FlecheAlignerMilieux = 1, ///< "Aligner les milieux"
    FlecheAlignerBF = 2,      ///< "Aligner les BF"
};
constexpr int NbBoutonsFleche = 3;

/// Dihedral buttons (frame "Dièdre").
enum BoutonDiedre : int16_t {
    DiedreAlignerExtrados = 0, ///< "Aligner les extrados"
    DiedreAlignerBA = 1,       ///< "Aligner Bords d'Attaques"
    DiedreAlignerMilieux = 2,  ///< "Aligner les milieux"
    DiedreAlignerBF = 3,       ///< "Aligner les Bords de Fuite"
    DiedreAlignerIntrados = 4, ///< "Aligner les intrados"
};
constexpr int NbBoutonsDiedre = 5;

/// Which placing buttons are down.
struct InterrupteursGeometrie {
    int16_t IndexFleche = -1; ///< sweep button down, -1 when none
    int16_t IndexDiedre = -1; ///< dihedral button down, -1 when none
    bool Aligner = false;     ///< "Aligner" down
    friend bool operator==(const InterrupteursGeometrie&, const InterrupteursGeometrie&) = default;
};

/// What the user does to the placing controls.
enum class ActionGeometrie {
    PresserFleche,   ///< a sweep button goes down
    PresserDiedre,   ///< a dihedral button goes down
    PresserAligner,  ///< "Aligner" goes down
    SaisirFleche,    ///< a sweep is entered
    SaisirDiedre,    ///< a dihedral height or angle is entered
    RelacherFleche,  ///< the sweep button goes up
    RelacherDiedre,  ///< the dihedral button goes up
    RelacherAligner, ///< "Aligner" goes up
};

/// The buttons after `action` (index: the button pressed): at most one button down per
/// group, and "Aligner" excludes both groups.
InterrupteursGeometrie AppliquerExclusions(InterrupteursGeometrie avant, ActionGeometrie action, int index = 0);

/// The placing state: buttons down and the values re-applied after shape changes.
struct EtatGeometrie {
    InterrupteursGeometrie Interrupteurs;
    float FlecheSaisie = 0.0f;   ///< sweep to keep: XminS - XminE
    float DiedreMmSaisi = 0.0f;  ///< dihedral height to keep: YminS - YminE
    float DiedreDegSaisi = 0.0f; ///< dihedral angle last entered or obtained
};

inline constexpr TexteTraduit TexteEcartementRefuse{QT_TRANSLATE_NOOP("galbix",
    "Il n'est pas possible d'entrer un écartement négatif ou nul.")};
inline constexpr TexteTraduit TexteCordeNulle{QT_TRANSLATE_NOOP("galbix",
    "La corde de ce profil est nulle : il n'est pas possible de la changer.")};
inline constexpr TexteTraduit TitreSansReference{QT_TRANSLATE_NOOP("galbix", "Pas de sélection violette")};
inline constexpr TexteTraduit TexteSansReference{QT_TRANSLATE_NOOP("galbix",
    "Pas de point de référence défini à l'emplanture ou au saumon, alignement impossible")};

/// Scales side `cote` about the origin to the chord `corde`; refused (points unchanged)
/// while the side's chord is 0. Both sides must be loaded.
std::optional<MessageRefus> ChangerCorde(CoupleProfils& profils, int cote, float corde);
/// Sets the spacing (refused when <= 0) and takes the dihedral angle it gives. No point moves.
std::optional<MessageRefus> ChangerEcartement(CoupleProfils& profils, EtatGeometrie& geo, float ecartement);

/// Sweep to apply for a sweep button: 0, half the chord difference, the chord difference.
float ValeurBoutonFleche(const CoupleProfils& profils, int index);
/// Dihedral height to apply for a dihedral button (metrics must be current).
float ValeurBoutonDiedre(const CoupleProfils& profils, int index);
/// Vertical move of the tip for a dihedral angle of `degres` (metrics must be current).
double DeplacementDiedreDeg(const CoupleProfils& profils, double degres);

/// Sweep field: releases the sweep buttons and "Aligner", keeps `fleche`, moves the tip.
void SaisirFleche(CoupleProfils& profils, EtatGeometrie& geo, float fleche);
/// Sweep button `index` goes down: its value is kept and the tip moves.
void PresserBoutonFleche(CoupleProfils& profils, EtatGeometrie& geo, int index);
/// Dihedral-height field: releases the dihedral buttons and "Aligner", keeps `hauteur`, moves the tip.
void SaisirDiedreMm(CoupleProfils& profils, EtatGeometrie& geo, float hauteur);
/// Dihedral button `index` goes down: its height is kept and the tip moves.
void PresserBoutonDiedre(CoupleProfils& profils, EtatGeometrie& geo, int index);
/// Dihedral-angle field: releases the dihedral buttons and "Aligner" and moves the tip (see above).
void SaisirDiedreDeg(CoupleProfils& profils, EtatGeometrie& geo, float degres);
/// True when both sides have reference points (recomputes the metrics first).
bool AlignementPossible(CoupleProfils& profils);
/// "Aligner" goes down: the mean of the tip's reference points moves onto the root's. Refused,
/// with "Aligner" released and nothing else changed, unless both sides have reference points.
std::optional<MessageRefus> PresserAligner(CoupleProfils& profils, EtatGeometrie& geo);

/// What a re-application did.
struct Reapplication {
    bool AlignementReapplique = false;   ///< the alignment ran (or was refused)
    bool FlecheReappliquee = false;      ///< a sweep button was re-applied (else the stored sweep)
    bool DiedreReapplique = false;       ///< a dihedral button was re-applied (else the stored height)
    std::optional<MessageRefus> Message; ///< the alignment's refusal
};

/// Places the tip again as the buttons down and the stored values say. Nothing happens
/// while a side has no point.
Reapplication ReappliquerGeometrie(CoupleProfils& profils, EtatGeometrie& geo);

/// Texts of the wing-geometry fields and labels.
struct TextesGeometrie {
    std::array<QString, 2> Corde; ///< LargeurE, LargeurS
    QString EcartementZ;
    QString Fleche;               ///< FlecheSaisie
    QString LabelFleche;          ///< XmaxE - XmaxS
    QString DiedreMm;             ///< DiedreMmSaisi
    QString DiedreDeg;            ///< DiedreDegSaisi
    QString LabelDiedre;          ///< YmaxE - YmaxS
};

/// The texts of every wing-geometry field from the model's metrics and the stored values.
TextesGeometrie CalculerTextesGeometrie(const CoupleProfils& profils, const EtatGeometrie& geo);

} // namespace galbix
