#pragma once
// Colours of the drawing, the point lists and the overlay (red, green, blue).

#include <cstdint>

namespace galbix {

struct CouleurRvb {
    uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(const CouleurRvb&, const CouleurRvb&) = default;
};

namespace couleurs {
constexpr CouleurRvb Emplanture{255, 0, 0};          ///< root lines, outlines, start marker
constexpr CouleurRvb Saumon{0, 0, 255};              ///< tip lines, outlines, start marker
constexpr CouleurRvb Selection{0, 176, 10};          ///< selected segment or point (normal mode)
constexpr CouleurRvb Reference{240, 0, 225};         ///< reference segment or point
constexpr CouleurRvb Synchro{0, 207, 169};           ///< synchronisation point
constexpr CouleurRvb CentreRefSaumon{0, 169, 207};   ///< centre of the tip's reference points
constexpr CouleurRvb CentreRefEmplanture{112, 49, 255}; ///< centre of the root's reference points
constexpr CouleurRvb Intermediaire{0, 176, 10};      ///< intermediate profile
constexpr CouleurRvb Surface{255, 193, 113};         ///< rulings
constexpr CouleurRvb CourantEmplanture{144, 26, 0};  ///< current root point (overlay)
constexpr CouleurRvb CourantSaumon{0, 6, 112};       ///< current tip point (overlay)
constexpr CouleurRvb Fil{0, 0, 0};                   ///< wire (overlay)
constexpr CouleurRvb Blanc{255, 255, 255};
constexpr CouleurRvb Noir{0, 0, 0};
} // namespace couleurs

/// Marker sizes in drawing units.
namespace marques {
constexpr float DemiCote = 40.0f;         ///< outline of every point, reference point
constexpr float DemiCoteSelection = 50.0f; ///< selected point, centre of reference points
constexpr float DemiCoteSynchro = 70.0f;  ///< synchronisation point, current point (overlay)
constexpr float RayonDepart = 60.0f;      ///< circle of the start marker
constexpr float LongueurDepart = 500.0f;  ///< tick of the start marker
} // namespace marques

} // namespace galbix
