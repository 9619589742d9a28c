#pragma once
// What the mouse gestures on the drawing do to the model and the view, without widgets:
// picking points by click or rectangle, the zoom rectangle, the pan, the move of the
// selection, the wheel zoom and the cursor read-out. Positions are drawing units (twips,
// y downwards), as in the drawing copies of the view state.

#include "model/Types.h"
#include "view/EtatVue.h"
#include "view/Projection.h"

#include <QString>
#include <array>

namespace galbix {

/// Half-size (drawing units) of the square around a click in which points are picked.
constexpr float TolerancePointage = 60.0f;

/// True in side view (Omega 90, Alpha 180): drawing positions then map back to profile points.
bool EnVueDeCote(const EtatVue& vue);

/// Projected model position (mm) drawn at the drawing position (u, v).
PointVue VersModele(const EtatVue& vue, float u, float v);

/// Text of the fourth status panel for the drawing position (u, v): "X:…mm  Y:…mm".
QString TexteCurseur(const EtatVue& vue, float u, float v);

/// A finished selection gesture: press at (x1, y1), release at (x2, y2).
struct GestePointage {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    /// Press and release at exactly the same place.
    bool EstClic() const { return x1 == x2 && y1 == y2; }
};

/// What a selection gesture reached.
struct ResultatPointage {
    bool SelectionModifiee = false;        ///< some point's bit was toggled
    std::array<bool, 2> Atteint{};         ///< side E / S had a reached point (its current point moved)
};

/// Toggles the `ModeSelection` bit of every point reached by the gesture on the sides whose
/// points are shown (a click: strictly within TolerancePointage on both axes; a rectangle:
/// borders included); each side's current point becomes its highest reached number.
ResultatPointage Pointer(CoupleProfils& profils, EtatEdition& edition, const EtatVue& vue,
                         const GestePointage& geste);

/// Zoom-rectangle end: the corners (x1, y1) of vue.Rectangle and (x2, y2) become model
/// positions, the centre goes to their middle and the scale fits the rectangle. False when
/// the rectangle has no width or no height: the centre has moved, the scale is unchanged.
bool ZoomerRectangle(EtatVue& vue, float x2, float y2);

/// Pan end: a drag of (dx, dy) drawing units moves the view centre the opposite way.
void FinirPanoramique(EtatVue& vue, float dx, float dy);

/// Move end: every selected point of both sides moves by (dx, -dy) / CoeffZoom millimetres.
void DeplacerSelectionSouris(CoupleProfils& profils, const EtatVue& vue, float dx, float dy);

/// During a pan (`selectionSeule` false) or a move, shifts the drawing copies by (dx, dy):
/// every point, or only the points of `modele` carrying the selection bit. The model is not touched.
void DecalerCopieDessin(EtatVue& vue, const CoupleProfils& modele, float dx, float dy, bool selectionSeule);

/// Wheel zoom by `crans` notches (the zoom bar's steps) keeping the model position under
/// the drawing position (u, v) where it is. False, view unchanged, for 0 notches.
bool ZoomerMolette(EtatVue& vue, float u, float v, int crans);

} // namespace galbix
