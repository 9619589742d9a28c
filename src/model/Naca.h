#pragma once
// NACA profiles computed from their formula: four-digit, five-digit (standard and reflexed
// mean lines) and modified four-digit series, for the NACA dialog, the command line, test
// data, benchmarks and the demo project.

#include <QPointF>
#include <QString>
#include <vector>

namespace galbix {

/// A profile computed from its code, or the reason of a refusal.
struct ProfilNacaCalcule {
    std::vector<QPointF> points; ///< empty when the code was refused
    QString nom;                 ///< "NACA 23012"
    QString erreur;              ///< French reason of a refusal
};

/// Points of a NACA four-digit profile ("2412", "0012") of unit chord, in the order of
/// airfoil files: trailing edge, upper surface, leading edge, lower surface, trailing edge.
/// `nParSurface` points per surface (cosine spacing); the leading edge appears once.
/// The trailing edge is closed (both ends at (1, 0)). Empty for an invalid code.
std::vector<QPointF> ProfilNaca4(const QString& code, int nParSurface);

/// Any code the generator knows ("2412", "23012", "23112", "0012-64", "NACA 23012"), with the
/// conventions of ProfilNaca4; a refusal names the code and the reason.
ProfilNacaCalcule ProfilNaca(const QString& code, int nParSurface);

} // namespace galbix
