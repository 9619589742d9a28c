#pragma once
// Projection, fit and mapping of both profiles, in three levels of recomputation:
// AjusterVue (project, fit, map), RecalculerEcran (map with the current zoom) and
// ReprojeterVue (project again, keep the zoom). The widget draws after each of them.

#include "view/EtatVue.h"

namespace galbix {

/// A point of the view plane (mm).
struct PointVue {
    float x = 0.0f;
    float y = 0.0f;
};

/// The rotation of the view for one pair of bar positions.
class Projecteur {
public:
    /// Angles from the bar positions: (position - 180) degrees.
    Projecteur(int16_t omega, int16_t alpha);
    /// Projection of the model point (X, Y) lying at span position z (0 for the root).
    PointVue Projeter(float X, float Y, float z) const;

private:
    double m_sinOmega, m_cosOmega, m_sinAlpha, m_cosAlpha;
};

/// Resizes the drawing copies to the model's point counts (and the intermediate profile's
/// when given); an array whose count already matches is left alone.
void DimensionnerCopies(EtatVue& vue, const CoupleProfils& modele, const CoupleProfils* intermediaire);

/// Projects every model point into ProfilsProjetes (and the intermediate profile when shown)
/// and computes the projected extents.
void ProjeterProfils(const CoupleProfils& modele, EtatVue& vue, const CoupleProfils* intermediaire);

/// Fits CoeffZoom and the view centre to the projected extents of the sides shown;
/// false, view unchanged, when no side is shown or nothing is projected.
bool CadrerVue(EtatVue& vue);

/// Maps the projected points to drawing units with the current zoom and centre (ProfilsEcran,
/// and IntermediaireEcran when the intermediate profile is shown).
void RecalculerEcran(EtatVue& vue);

/// Projects, fits and maps (the widget's AjusterVue then draws).
void AjusterVue(const CoupleProfils& modele, EtatVue& vue, const CoupleProfils* intermediaire);

/// Projects again and maps with the zoom and centre unchanged (after a change of the model
/// or of an angle).
void ReprojeterVue(const CoupleProfils& modele, EtatVue& vue, const CoupleProfils* intermediaire);

/// Drawing-unit position of a projected point with the current zoom.
PointVue VersDessin(const EtatVue& vue, float x, float y);

/// Scale at which a background image of the given size (drawing units) is drawn: fitted to
/// the width when it exceeds both sides of the area, else to the tighter side.
float EchelleImageFond(float largeurImage, float hauteurImage, float largeurDessin, float hauteurDessin);

} // namespace galbix
