#pragma once
// The program's own icons, drawn with vector strokes on a 24 x 24 grid, so that they stay
// crisp at every size and screen scale. Disabled icons are drawn in faded grey.

#include <QIcon>

class QPainter;

namespace galbix {

enum class IconeGalbix {
    Application,
    Ouvrir,
    SauverEmplanture,
    SauverSaumon,
    SauverProjet,
    SauverIntermediaire,
    Annuler,
    Retablir,
    ToutDeselectionner,
    InverserSens,
    MiroirVertical,
    MiroirHorizontal,
    FlecheBA,
    FlecheMilieux,
    FlecheBF,
    DiedreExtrados,
    DiedreBA,
    DiedreMilieux,
    DiedreBF,
    DiedreIntrados,
    Aligner,
    ImageFond,
    DeuxAiles,
    DeuxAilesLiees,
    Decaler,
    Aide,
    APropos,
    ZoomAjuster,
    ZoomRectangle,
    VueCote,
    Perspective,
};

/// The icon `id`, at any size.
QIcon Icone(IconeGalbix id);

/// Draws icon `id` on a 24 x 24 grid with the painter's current transform.
void DessinerIcone(QPainter& p, IconeGalbix id);

/// Draws the wing-geometry icons (sweep, dihedral, alignment, duplication, offset, views);
/// false when `id` is not one of them.
bool DessinerIconeAile(QPainter& p, IconeGalbix id);

} // namespace galbix
