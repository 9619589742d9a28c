#include "model/Fonctions.h"

#include "model/NumericText.h"

#include <algorithm>
#include <cmath>

namespace galbix {

// The differences and their quotient are single-precision values, as in the rest of the
// program's angle code; only the arc tangent and the quadrant fix-up run in double.
double AngleSegment(float x1, float y1, float x2, float y2)
{
    const float dx = float(double(x2) - double(x1));
    const float dy = float(double(y2) - double(y1));
    if (dx == 0.0f)
        return dy < 0.0f ? DeuxPiEdition - PiEdition / 2.0 : PiEdition / 2.0;
    double a = std::atan(double(dy / dx));
    if (dx < 0.0f)
        a = dy < 0.0f ? a - PiEdition : a + PiEdition;
    if (a < 0.0)
        a += DeuxPiEdition;
    return a;
}

namespace {

BoiteCote BoiteDe(const std::vector<PointProfil>& points, int16_t bit)
{
    BoiteCote b;
    for (const PointProfil& p : points) {
        if (!AEtat(p, bit))
            continue;
        if (!b.Presente) {
            b.Presente = true;
            b.Xmin = b.Xmax = p.X;
            b.Ymin = b.Ymax = p.Y;
        }
        b.Xmin = std::min(b.Xmin, p.X);
        b.Xmax = std::max(b.Xmax, p.X);
        b.Ymin = std::min(b.Ymin, p.Y);
        b.Ymax = std::max(b.Ymax, p.Y);
        ++b.NbSel;
    }
    return b;
}

} // namespace

BoitesSelection BornesSelection(const CoupleProfils& profils, int16_t bit)
{
    BoitesSelection boites;
    boites.Cotes[CoteE] = BoiteDe(profils.PointsE, bit);
    boites.Cotes[CoteS] = BoiteDe(profils.PointsS, bit);
    return boites;
}

QString FormaterChamp(double valeur)
{
    return PointDecimal(FormaterNombre(valeur, u"#####0.0#"));
}

QString FormaterChampRemis(double valeur)
{
    return PointDecimal(FormaterNombre(valeur, u"#####0.0##"));
}

} // namespace galbix
