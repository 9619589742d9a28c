#pragma once
// Contours and records built by hand for the sequence tests.

#include "geomlib/PointFichier.h"
#include "sequences/Sequence.h"

#include <initializer_list>
#include <utility>

namespace galbix::essai {

inline Sequence Contour(std::initializer_list<std::pair<double, double>> xy, int16_t selection = 0)
{
    Sequence s;
    for (const auto& [x, y] : xy)
        s.Points.push_back({float(x), float(y), 0});
    CalculerBornesSequence(s);
    s.Selectionnee = selection;
    return s;
}

/// Axis-aligned closed square (5 points) from (x, y) with side `c`, counter-clockwise.
inline Sequence Carre(double x, double y, double c, int16_t selection = 0)
{
    return Contour({{x, y}, {x + c, y}, {x + c, y + c}, {x, y + c}, {x, y}}, selection);
}

/// Records with one contour code per character of `codes` (equal characters, same code).
inline std::vector<PointFichier> Enregistrements(const char* codes)
{
    std::vector<PointFichier> r;
    for (int i = 0; codes[i] != 0; ++i) {
        PointFichier p;
        p.X = float(i);
        p.Y = float(i % 2);
        p.CodeContour[0] = codes[i];
        p.CodeContour[1] = '0';
        r.push_back(p);
    }
    return r;
}

} // namespace galbix::essai
