#pragma once
// The refresh after any change of selection, display option or points, without widgets:
// what the window switches, shows in its status bar and point lists, and which overlay
// (current points and wire) the drawing shows. The widget does the drawing itself.
//
// The window's refresh, in order: CalculerRafraichissement; apply the enabled states of
// "Fil", "Surface", "Profil intermédiaire" and of the commands; DessinerProfils; status
// panels; list rows; the overlay from CalculerSurcouche.

#include "view/Disponibilite.h"
#include "view/EtatVue.h"
#include "view/ListesPoints.h"

#include <array>

namespace galbix {

/// Everything the refresh changes outside the drawing.
struct Rafraichissement {
    bool OptionsActives = false;               ///< "Fil", "Surface", "Profil intermédiaire" enabled
    DisponibiliteCommandes Commandes;
    std::array<QString, 3> BarreEtat;          ///< status panels 1 to 3
    std::array<std::array<LignePoint, LignesListe>, 2> Lignes; ///< list rows of sides E and S
};

/// Computes the refresh. Sets the enabled states of the options in `vue.Options` and leaves
/// in `vue.NbSelE`, `vue.NbSelS` the counts of the mode bit (the status bar's).
Rafraichissement CalculerRafraichissement(const CoupleProfils& profils, const EtatEdition& edition, EtatVue& vue,
                                          bool insertionActive);

/// The overlay shown above the drawing: outlines around the current points and the wire.
struct Surcouche {
    bool CarreE = false;    ///< outline around root point PointE
    bool CarreS = false;    ///< outline around tip point PointS
    int32_t PointE = 0;     ///< 1-based
    int32_t PointS = 0;
    bool Fil = false;       ///< wire from tip point PointFil to root point PointFil
    int32_t PointFil = 0;
    friend bool operator==(const Surcouche&, const Surcouche&) = default;
};

/// The overlay for the current points, options and last list side.
Surcouche CalculerSurcouche(const EtatEdition& edition, const EtatVue& vue);

} // namespace galbix
