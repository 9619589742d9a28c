#pragma once
// Drawings of several contours written as DXF text for the tests: each contour one POLYLINE.
// The usual one is a wing rib: a NACA outline with round lightening holes.

#include "model/Naca.h"

#include <QByteArray>
#include <QFile>
#include <QPointF>
#include <QString>
#include <cmath>
#include <numbers>
#include <vector>

namespace galbix::tests {

using ContourDxf = std::vector<QPointF>;

/// The closed square of side `c` from (x, y), anticlockwise.
inline ContourDxf CarreDxf(double x, double y, double c) { return {{x, y}, {x + c, y}, {x + c, y + c}, {x, y + c}, {x, y}}; }

/// A DXF (R12 entities only) with one polyline per contour, on layer "0".
inline QByteArray TexteDxf(const std::vector<ContourDxf>& contours)
{
    QByteArray t = "0\nSECTION\n2\nENTITIES\n";
    for (const ContourDxf& c : contours) {
        t += "0\nPOLYLINE\n8\n0\n66\n1\n70\n0\n";
        for (const QPointF& p : c)
            t += "0\nVERTEX\n8\n0\n10\n" + QByteArray::number(p.x(), 'f', 6) + "\n20\n"
                 + QByteArray::number(p.y(), 'f', 6) + "\n";
        t += "0\nSEQEND\n8\n0\n";
    }
    t += "0\nENDSEC\n0\nEOF\n";
    return t;
}

inline bool EcrireDxf(const QString& chemin, const std::vector<ContourDxf>& contours)
{ QFile f(chemin); return f.open(QIODevice::WriteOnly) && f.write(TexteDxf(contours)) >= 0; }

/// A closed circle of `n` points plus the closing one, counter-clockwise from angle 0.
inline ContourDxf CercleDxf(double cx, double cy, double r, int n)
{
    ContourDxf c;
    for (int i = 0; i <= n; ++i) {
        const double a = 2.0 * std::numbers::pi * double(i % n) / n;
        c.emplace_back(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    return c;
}

/// A NACA 2412 rib of chord `corde` from x = 0, closed, and `trous` round holes along the chord.
inline std::vector<ContourDxf> Nervure(double corde = 200.0, int trous = 2, int pointsParSurface = 60)
{
    std::vector<ContourDxf> contours;
    ContourDxf profil;
    for (const QPointF& p : ProfilNaca4(QStringLiteral("2412"), pointsParSurface))
        profil.emplace_back(p.x() * corde, p.y() * corde);
    if (profil.front() != profil.back()) profil.push_back(profil.front());
    contours.push_back(profil);
    for (int k = 0; k < trous; ++k)
        contours.push_back(CercleDxf(corde * (0.25 + 0.3 * k), corde * 0.02, corde * 0.035, 24));
    return contours;
}

} // namespace galbix::tests
