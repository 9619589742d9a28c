#pragma once
// The mapping of a list of contours onto a drawing area: fit with a margin, the display copy
// in drawing units (twips, y downwards), the wheel zoom about the pointer, and the picking
// helpers of the mouse gestures.

#include "sequences/Sequence.h"

#include <optional>

namespace galbix {

namespace cadrage {
constexpr double MargeHaut = 250.0;        ///< margin of the upper view (drawing units)
constexpr double MargeBas = 400.0;         ///< margin of the lower view
constexpr double AgrandissementClic = 50.0; ///< lower view: the selection rectangle grows by this
constexpr double DistancePointe = 50.0;    ///< Alt: pick distance in X and in Y
constexpr double RayonMarque = 60.0;       ///< Alt: radius of the marked point
constexpr double RayonSens = 60.0;         ///< direction marker: circle around point 1
constexpr double LongueurSens = 200.0;     ///< direction marker: segment towards point 2
constexpr double MargeCadre = 50.0;        ///< frame around the current contour
constexpr double MargeCadrePoint = 100.0;  ///< the same around a one-point contour (lower view)
} // namespace cadrage

/// Size of a drawing area, its margin, and the current scale and model centre.
struct CadrageVue {
    double W = 0, H = 0;   ///< drawing area, drawing units
    double Marge = 0;
    double Echelle = 1;    ///< drawing units per millimetre
    double Cx = 0, Cy = 0; ///< model point shown at the centre
};

/// A rectangle in drawing units, normalised so that left <= right and top <= bottom.
struct RectangleEcran {
    double Gauche = 0, Haut = 0, Droite = 0, Bas = 0;
    static RectangleEcran Depuis(double x1, double y1, double x2, double y2);
    RectangleEcran Agrandi(double marge) const;
};

/// A point of a list: contour and point index (0-based).
struct RepereSequence {
    int Contour = -1;
    int Point = -1;
};

/// Fits the scale and centre to every point of the list (scale 1 when all points coincide,
/// one axis alone when the other is flat).
void AjusterCadrage(CadrageVue& cadrage, const ListeSequences& liste);

/// The display copy: every point mapped to drawing units, extents recomputed, selection kept.
ListeSequences MapperListe(const CadrageVue& cadrage, const ListeSequences& liste);

/// The model point under drawing position (u, v).
PointSequence VersModeleSequence(const CadrageVue& cadrage, double u, double v);

/// Wheel zoom by `crans` notches (x1.1 or x0.9 each) keeping the model point under (u, v) in
/// place. False when the scale would stop being finite and positive.
bool ZoomerCadrage(CadrageVue& cadrage, double u, double v, int crans);

/// Toggles the selection of every contour whose display extents the rectangle strictly
/// encloses or lies strictly inside; the number of contours toggled. For the "inside" test an
/// extent thinner than twice `pincee` along an axis is widened by `pincee` on both sides, so
/// that a straight-line contour can be clicked.
int BasculerParRectangle(ListeSequences& liste, const ListeSequences& ecran, const RectangleEcran& r,
                         double pincee = 0.0);

/// Whether a contour of the display copy reaches outside the drawing area.
bool HorsVue(const CadrageVue& cadrage, const ListeSequences& ecran);

/// The display point nearest to (u, v) within `distance` in both X and Y, if any.
std::optional<RepereSequence> PointSousCurseur(const ListeSequences& ecran, double u, double v,
                                                double distance = cadrage::DistancePointe);

/// Moves every selected contour by a travel (du, dv) of the pointer (y downwards on screen).
void DeplacerSelection(ListeSequences& liste, double du, double dv, double echelle);

/// Moves one point by a travel (du, dv) of the pointer and recomputes its contour's extents.
void DeplacerPoint(ListeSequences& liste, const RepereSequence& repere, double du, double dv, double echelle);

/// The 1-based entry shown by label k (0..4) of a list at scroll position p, or 0 when none.
int EntreeEtiquette(int position, int k, int nombre);

} // namespace galbix
