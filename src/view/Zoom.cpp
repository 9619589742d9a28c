#include "view/Zoom.h"

namespace galbix {

float CoeffApresPas(float coeff, int32_t ecart)
{
    if (ecart > 0)
        return float(double(coeff) * 1.1 * double(ecart));
    if (ecart < 0)
        return float(double(coeff) * 0.9 * double(-ecart));
    return coeff;
}

ActionZoom ZoomBarre(EtatBarreZoom& barre, EtatVue& vue, int32_t position)
{
    ActionZoom action;
    if (barre.RecentrageZoom) {
        barre.PositionZoom = position;
        return action;
    }
    action.ArreterMinuterie = true;
    vue.ReinitialiserRectangleZoom();
    const int32_t ecart = position - barre.PositionZoom;
    if (ecart != 0) {
        vue.CoeffZoom = CoeffApresPas(vue.CoeffZoom, ecart);
        action.RecalculerEcran = true;
    }
    action.Rafraichir = true;
    barre.PositionZoom = position;
    action.DemarrerMinuterie = true;
    return action;
}

void ZoomGlisse(EtatBarreZoom& barre, int32_t position)
{
    barre.PositionZoom = position;
}

} // namespace galbix
