#pragma once
// Contours and records built by hand for the sequence tests.

#include "files/Ouverture.h"
#include "geomlib/PointFichier.h"
#include "sequences/Sequence.h"

#include <QString>
#include <initializer_list>
#include <utility>

namespace galbix::essai {

inline Sequence Contour(std::initializer_list<std::pair<double, double>> xy, int16_t selection = 0) {
    Sequence s;
    for (const auto& [x, y] : xy)
        s.Points.push_back({float(x), float(y), 0});
    CalculerBornesSequence(s);
    s.Selectionnee = selection;
    return s;
}

/// Axis-aligned closed square (5 points) from (x, y) with side `c`, counter-clockwise.
inline Sequence Carre(double x, double y, double c, int16_t selection = 0) {
    return Contour({{x, y}, {x + c, y}, {x + c, y + c}, {x, y + c}, {x, y}}, selection);
}

/// Records with one contour code per character of `codes` (equal characters, same code).
inline std::vector<PointFichier> Enregistrements(const char* codes) {
    std::vector<PointFichier> r;
    for (int i = 0; codes[i] != 0; ++i) {
        r.emplace_back().X = float(i);
        r.back().Y = float(i % 2);
        r.back().CodeContour[0] = codes[i];
        r.back().CodeContour[1] = '0';
    }
    return r;
}

/// The records of `contours` as a file read gives them, one contour code each.
inline TamponLecture Tampon(const ListeSequences& contours) {
    TamponLecture t;
    for (size_t k = 0; k < contours.size(); ++k)
        for (const PointSequence& p : contours[k].Points) {
            t.Points.emplace_back().X = p.X;
            t.Points.back().Y = p.Y;
            PoserCodeContour(t.Points.back(), int(k));
        }
    return t;
}

/// The selection flag of each contour, one digit each.
inline QString Choix(const ListeSequences& l) {
    QString s;
    for (const Sequence& q : l)
        s += QString::number(q.Selectionnee);
    return s;
}

/// Unit squares at x = 0, 1, 2...; those whose character of `selection` is '1' selected.
inline ListeSequences Rangee(const QString& selection) {
    ListeSequences a;
    for (int i = 0; i < selection.size(); ++i)
        a.push_back(Carre(i, 0, 1, selection[i] == u'1' ? 1 : 0));
    return a;
}

/// The whole part of each contour's Xmin, one digit each: a row's order.
inline QString Ordre(const ListeSequences& a) {
    QString ordre;
    for (const Sequence& s : a)
        ordre += QString::number(int(s.Xmin));
    return ordre;
}

} // namespace galbix::essai
