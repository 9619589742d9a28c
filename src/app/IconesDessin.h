#pragma once
// Colours and shapes shared by the icon drawings.

#include <QColor>
#include <QPainterPath>
#include <QPen>
#include <QRectF>

namespace galbix::icones {

inline const QColor Trait(59, 67, 80);        // outlines and neutral strokes
inline const QColor Emplanture(200, 50, 43);  // the root profile, as drawn in the view
inline const QColor Saumon(47, 95, 196);      // the tip profile
inline const QColor Selection(19, 154, 42);   // selected points
inline const QColor Reference(176, 42, 168);  // reference points
inline const QColor Guide(120, 128, 140);     // alignment guides

/// A pen of `largeur` grid units with round caps and joins.
QPen Crayon(const QColor& couleur, double largeur = 1.6);
/// A dashed guide line pen.
QPen CrayonGuide();
/// Closed outline of a cambered profile whose chord spans `corde` (left = leading edge),
/// thickness exaggerated by `epaisseur` (1 = true shape), chord line at corde.center().y().
QPainterPath Profil(const QRectF& corde, double epaisseur = 2.0);
/// The same profile mirrored about its chord line.
QPainterPath ProfilRetourne(const QRectF& corde, double epaisseur = 2.0);

} // namespace galbix::icones
