#pragma once
// "Deux ailes dans le bloc": a second, upside-down copy of the wing below the first one in
// the same block, so that both are cut in one pass.
//
// The mirror line lies half the gap below the lowest point of the root profile; the same line
// serves for both sides. The copy follows the first wing in reverse order, so that the wire
// goes on from the last point of the first wing into the mirrored one.
//
// The joined variant adds connecting points that keep the wire outside both wings:
//   - a new point 1, 4 mm beyond the old first point in X, at its Y (the wire comes in there);
//   - after the last point P(n): J1 = (X(n) + 4, Y(n)); J2 = (Xd, m) on the mirror line m,
//     where Xd = 4 mm beyond the largest X of the side (and of J1); J3 = the mirror of J1;
//   - the mirrored wing, from the mirror of P(n) down to the mirror of P(1), and last the
//     mirror of the new point 1, so that the wire leaves the block the way it came in.
// From J1 to J3 the wire goes round the trailing edges outside both wings: it never comes
// nearer to the side's points than J1 and J3 are (4 mm beyond the last point in X) unless the
// profile itself reaches beyond its last point. A side of n points becomes 2n + 5 points.

#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <QString>

namespace galbix {

/// Gap in X of the connecting points.
constexpr float DecalageConnexion = 4.0f;

inline constexpr TexteTraduit TitreErreurEcartementAiles{QT_TRANSLATE_NOOP("galbix",
    "Erreur de saisie de l'écartement")};

/// The two "Deux ailes dans le bloc" buttons.
enum class Duplication { Miroir = 0, Reliee = 1 };

/// Ordinate of the mirror line for a gap `ecart`: YminE - ecart / 2 (metrics must be current).
double LigneMiroir(const CoupleProfils& profils, double ecart);
/// Doubles both sides for a gap `ecart` between the first wing's lowest point and the copy's
/// highest one. Metrics must be current; the caller recomputes them afterwards.
void DupliquerAiles(CoupleProfils& profils, Duplication variante, double ecart);

} // namespace galbix
