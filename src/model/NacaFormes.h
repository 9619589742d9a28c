#pragma once
// The NACA families behind the profile generator: mean lines of the four-digit and five-digit
// series (standard and reflexed), thickness laws of the four-digit and modified four-digit
// series, and the reading of a code into a mean line and a thickness law.
// All lengths are fractions of the chord.

#include <QString>
#include <optional>

namespace galbix::naca {

/// Ordinate and slope dy/dx of a mean line at one chord station.
struct PointMoyen {
    double y = 0.0;
    double pente = 0.0;
};

/// A mean line. Four-digit: maximum camber `m` at `p`. Five-digit: the cubic of the
/// standard line (junction `m`, factor `k1`) or of the reflexed line (with `k2k1` = k2/k1).
struct LigneMoyenne {
    enum class Genre { Plate, QuatreChiffres, CinqChiffres, CinqChiffresDoubleCourbure };
    Genre genre = Genre::Plate;
    double m = 0.0;
    double p = 0.0;
    double k1 = 0.0;
    double k2k1 = 0.0;

    /// Ordinate and slope at station x (0 ≤ x ≤ 1).
    PointMoyen En(double x) const;
};

/// A half-thickness law of maximum thickness `t`. Four-digit: the classic polynomial with
/// its last coefficient changed to close the trailing edge. Modified: a0·√x + a1·x + a2·x² +
/// a3·x³ ahead of `xMax`, d0 + d1·(1−x) + d2·(1−x)² + d3·(1−x)³ behind it (coefficients for a
/// thickness of 0.20, scaled by t/0.20).
struct LoiEpaisseur {
    double t = 0.0;
    bool modifiee = false;
    double a[4] = {0, 0, 0, 0};
    double d[4] = {0, 0, 0, 0};
    double xMax = 0.3;

    /// Half-thickness at station x (0 ≤ x ≤ 1).
    double En(double x) const;
};

/// A code read: its mean line, its thickness law and its name ("NACA 23012").
struct FormeNaca {
    LigneMoyenne ligne;
    LoiEpaisseur epaisseur;
    QString nom;
};

/// The four-digit mean line of maximum camber m at p (a flat line when either is 0).
LigneMoyenne LigneQuatreChiffres(double m, double p);

/// The five-digit mean line of design lift digit L (Cl = 0.15·L), camber position digit P
/// (maximum at 0.05·P) and reflex digit Q; empty for a line that is not tabulated.
std::optional<LigneMoyenne> LigneCinqChiffres(int L, int P, int Q);

/// The four-digit thickness law of maximum thickness t, trailing edge closed.
LoiEpaisseur EpaisseurQuatreChiffres(double t);

/// The modified four-digit thickness law: leading-edge radius index I (0 to 9), maximum
/// thickness at T tenths of the chord (2 to 6), trailing edge closed.
LoiEpaisseur EpaisseurModifiee(double t, int I, int T);

/// Reads "2412", "23012", "0012-64", "23012-64" (a leading "NACA" and spaces are allowed);
/// empty, with the French reason in `raison`, for a code it does not know.
std::optional<FormeNaca> LireCodeNaca(const QString& code, QString& raison);

} // namespace galbix::naca
