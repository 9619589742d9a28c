#pragma once
// Which selection-dependent commands are available, from the selected counts of both sides.

#include <cstdint>

namespace galbix {

/// Availability of the commands that depend on the selection.
struct DisponibiliteCommandes {
    bool InsererPoint = false;       ///< "Insérer un point"
    bool Supprimer = false;          ///< "Supprimer"
    bool Symetrie = false;           ///< "Miroir vertical", "Miroir horizontal"
    bool InverserSelection = false;  ///< "Inverser le sens"
    bool Intersection = false;       ///< "Créer l'intersection"
    bool Lisser = false;             ///< "Lisser (spline)"
    bool CouperCopierColler = false; ///< "Couper", "Copier", "Coller"
    bool Deplacer = false;           ///< both fields of "Déplacer"
    bool Decaler = false;            ///< "Décaler"
    bool Tourner = false;            ///< "Tourner"
    bool Renumeroter = false;        ///< "Renuméroter"
    bool Etirer = false;             ///< the three fields of "Etirer"
    bool InsertionProfils = false;   ///< "Insérer un profil"
    friend bool operator==(const DisponibiliteCommandes&, const DisponibiliteCommandes&) = default;
};

/// The rule that decides, 'A' to 'E', the last matching one in that order:
/// A none selected, B one point on one side only, C one point on each side,
/// D two or three on a side, E four or more on a side.
char RegleDisponibilite(int32_t nbSelE, int32_t nbSelS);

/// The availability for the selected counts. "Insérer un profil" is switched on by rule C and
/// otherwise keeps `insertionActive`: no change of selection switches it off, so that the mode
/// can be entered without a selection (the insertion then goes after the last point).
DisponibiliteCommandes Disponibilites(int32_t nbSelE, int32_t nbSelS, bool insertionActive);

} // namespace galbix
