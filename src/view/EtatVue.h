#pragma once
// The view of both profiles as a wing panel: root in the plane z = 0, tip in the plane
// z = EcartementZ, turned by two angles, projected, scaled and moved into the drawing area.
// Drawing units are twips (1/1440 inch), x to the right and y downwards.

#include "model/Types.h"

#include <QString>
#include <cstdint>

namespace galbix {

/// The value of pi the view angles are computed with.
constexpr double PiVue = 3.14159265358979;
/// Twips per screen pixel (96 dots per inch).
constexpr int TwipsParPixel = 15;

/// Positions of the two angle bars.
struct AnglesVue {
    int16_t Omega;
    int16_t Alpha;
};
constexpr AnglesVue VuePerspective{120, 143}; ///< default perspective (also the start-up angles)
constexpr AnglesVue VueDeCote{90, 180};       ///< side view: the projection is the identity

/// The comment box over the drawing's lower left corner as laid out at the designed size (its
/// margin included), drawing units: what a project framed without a window keeps clear.
constexpr float LargeurCommentaireNominale = 5700.0f;
constexpr float HauteurCommentaireNominale = 1800.0f;

/// Display options, as the check boxes of the main window show them.
struct OptionsAffichage {
    bool AfficherProfil[2] = {true, true}; ///< "Afficher Emplanture", "Afficher Saumon"
    bool AfficherPoints[2] = {true, true}; ///< "Points Emplanture", "Points Saumon"
    bool Fil = false;                      ///< "Fil": the wire between the current points
    bool Surface = false;                  ///< "Surface": rulings between points of equal number
    bool ProfilIntermediaire = false;      ///< "Profil intermédiaire"
    bool ImageFond = false;                ///< background image check box
    bool FilActif = true;                  ///< "Fil" enabled (equal point counts)
    bool SurfaceActive = true;             ///< "Surface" enabled
    bool IntermediaireActif = true;        ///< "Profil intermédiaire" enabled
    /// A side counts as shown when its profile or its points are drawn.
    bool CoteAffiche(int cote) const { return AfficherProfil[cote] || AfficherPoints[cote]; }
};

/// The display-only copies of the model, kept parallel to its point lists.
struct CopiesDessin {
    CoupleProfils ProfilsProjetes;      ///< projected positions (mm) and their extents
    CoupleProfils ProfilsEcran;         ///< drawing-unit positions (X, Y only)
    CoupleProfils IntermediaireProjete; ///< PointsE: projected intermediate profile
    CoupleProfils IntermediaireEcran;   ///< PointsE: its drawing-unit positions
    /// Changes whenever the copies are mapped or resized and at every refresh of the window
    /// (the model's states may have changed); not when a pan or a drag shifts them.
    uint64_t Version = 0;
};

/// Zoom rectangle in drawing units.
struct RectangleZoom {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

/// The view state: one instance, owned by the main window.
struct EtatVue {
    int16_t Omega = VuePerspective.Omega; ///< position of the bar hscOmega, 1 ... 359
    int16_t Alpha = VuePerspective.Alpha; ///< position of the bar hscAlpha, 1 ... 359
    float CoeffZoom = 1.0f;               ///< drawing units per millimetre
    float XCentreZoom = 0.0f;             ///< projected point drawn at the centre of the area
    float YCentreZoom = 0.0f;
    float LargeurDessin = 0.0f, HauteurDessin = 0.0f; ///< drawing area, drawing units
    float XCentreDessin = 0.0f, YCentreDessin = 0.0f;
    float MargeDessin = 180.0f;           ///< free border kept on each side by a fit
    /// The lower left corner that a fit keeps clear (the comment box while it is shown), drawing
    /// units; none when either is 0.
    float ReserveLargeur = 0.0f, ReserveHauteur = 0.0f;
    RectangleZoom Rectangle;
    int32_t NbSelE = 0, NbSelS = 0;       ///< selected counts (see the refresh)
    QString CoteCourant;                  ///< "E" or "S": side of the last list movement
    bool BlocageDessin = false;           ///< the drawing itself is unticking "Surface"
    bool ImageFondPresente = false;
    float LargeurImage = 0.0f, HauteurImage = 0.0f; ///< background image, drawing units
    float EchelleImage = 1.0f;
    float EcartementIntermediaire = 0.0f; ///< span position of the intermediate profile
    OptionsAffichage Options;
    CopiesDessin Copies;

    /// Sets the drawing area's size (drawing units) and its centre.
    void DefinirTailleDessin(float largeur, float hauteur)
    {
        LargeurDessin = largeur;
        HauteurDessin = hauteur;
        XCentreDessin = largeur / 2.0f;
        YCentreDessin = hauteur / 2.0f;
    }
    /// The zoom rectangle covering the whole drawing area.
    void ReinitialiserRectangleZoom() { Rectangle = {0.0f, 0.0f, LargeurDessin, HauteurDessin}; }
};

} // namespace galbix
