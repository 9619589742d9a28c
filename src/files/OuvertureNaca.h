#pragma once
// A NACA profile loaded on one side as the open command loads the same profile from a .dat
// file of unit chord: no thinning, chords scaled to 100 mm, the name as the header's comment
// line; the file-name label shows "NACA 23012".

#include "files/Ouverture.h"
#include "model/Naca.h"

namespace galbix {

/// The reading buffer a .dat file of the computed profile would give (unit chord, header the
/// profile's name).
TamponLecture TamponNaca(const ProfilNacaCalcule& profil);

/// Loads the computed profile on side `cote` as OuvrirProfil loads a .dat file (the refusal
/// of a tip before any root included); `profils` is untouched unless the issue is Charge.
ResultatOuverture OuvrirNaca(int cote, const ProfilNacaCalcule& profil, bool projetOuvert, CoupleProfils& profils);

} // namespace galbix
