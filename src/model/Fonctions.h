#pragma once
// Geometry helpers shared by the editing commands: the angle of a segment, the bounding box
// of the selected points of each side, and the number texts written back into the fields.

#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <QString>
#include <array>
#include <cstdint>

namespace galbix {

/// The value of pi the editing commands compute their angles with.
constexpr double PiEdition = 3.14159265358979;
/// Twice that value, as the angle routines write it.
constexpr double DeuxPiEdition = 6.28318530717958;

/// Angle of the segment from (x1, y1) to (x2, y2), radians in [0, 2 pi). A vertical segment
/// gives pi/2 upwards and 3 pi/2 downwards; a zero-length segment counts as pi/2.
double AngleSegment(float x1, float y1, float x2, float y2);

/// Bounding box of the points of one side that carry a given state bit.
struct BoiteCote {
    bool Presente = false;  ///< the side has at least one such point; the box is undefined otherwise
    float Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;
    int32_t NbSel = 0;      ///< number of such points (0 when none)
    /// Centre of the box, X.
    double CentreX() const { return (double(Xmin) + double(Xmax)) / 2.0; }
    /// Centre of the box, Y.
    double CentreY() const { return (double(Ymin) + double(Ymax)) / 2.0; }
};

/// The boxes of sides E and S.
struct BoitesSelection {
    std::array<BoiteCote, 2> Cotes;
    /// True when neither side has such a point.
    bool Vide() const { return !Cotes[CoteE].Presente && !Cotes[CoteS].Presente; }
};

/// One pass over each side: box and count of the points whose state has `bit`.
BoitesSelection BornesSelection(const CoupleProfils& profils, int16_t bit);

/// A refusal or input-error message, shown with the OK button and the critical icon.
struct MessageRefus {
    QString Titre;
    QString Texte;
    friend bool operator==(const MessageRefus&, const MessageRefus&) = default;
};

/// Title and text of the message for a text that is not a decimal number.
inline constexpr TexteTraduit TitreErreurSaisie{QT_TRANSLATE_NOOP("galbix", "Erreur de saisie")};
inline constexpr TexteTraduit TexteErreurSaisie{QT_TRANSLATE_NOOP("galbix", "Veuillez entrer un nombre décimal.")};

/// A value as the numeric fields show it: pattern "#####0.0#", "." as separator.
QString FormaterChamp(double valeur);
/// A value written back into a command field once it has been applied: pattern "#####0.0##".
QString FormaterChampRemis(double valeur);

} // namespace galbix
