// Icons of the wing-geometry commands: sweep and dihedral alignments, reference-point
// alignment, two wings in one block, offset, and the view buttons.

#include "app/Icones.h"
#include "app/IconesDessin.h"

#include <QPainter>
#include <QTransform>
#include <tuple>

namespace galbix {

namespace {

using namespace icones;

// Planform seen from above: root chord at the bottom, tip chord at the top, placed so that
// the edges named by `alignement` (0 leading edges, 1 middles, 2 trailing edges) line up.
void DessinerFleche(QPainter& p, int alignement)
{
    const double gaucheSaumon = 3.0 + alignement * 4.0;
    const QPointF emplanture[2] = {QPointF(3, 19), QPointF(21, 19)};
    const QPointF saumon[2] = {QPointF(gaucheSaumon, 5), QPointF(gaucheSaumon + 10, 5)};
    p.setPen(Crayon(Trait, 1.0));
    p.setBrush(QColor(225, 230, 238));
    p.drawPolygon(QPolygonF({emplanture[0], emplanture[1], saumon[1], saumon[0]}));
    const double xGuide = alignement == 0 ? 3.0 : alignement == 1 ? 12.0 : 21.0;
    p.setPen(CrayonGuide());
    p.drawLine(QPointF(xGuide, 2), QPointF(xGuide, 22));
    p.setPen(Crayon(Emplanture, 2.2));
    p.drawLine(emplanture[0], emplanture[1]);
    p.setPen(Crayon(Saumon, 2.2));
    p.drawLine(saumon[0], saumon[1]);
}

struct ProfilPlace {
    QPainterPath contour;
    QPointF bordAttaque;
    QPointF bordFuite;
};

// A profile whose chord runs from `gauche` over `corde`, chord line at y = 0, turned by
// `calage` degrees (nose up for positive values) about its middle.
ProfilPlace ProfilCale(double gauche, double corde, double calage)
{
    QTransform t;
    t.translate(gauche + corde / 2, 0);
    t.rotate(-calage);
    t.translate(-(gauche + corde / 2), 0);
    const QRectF ligne(gauche, 0, corde, 0);
    return {t.map(Profil(ligne, 3.2)), t.map(QPointF(gauche, 0)), t.map(QPointF(gauche + corde, 0))};
}

// Height used to level a profile for dihedral alignment `mode` (0 upper surfaces, 1 leading
// edges, 2 middles, 3 trailing edges, 4 lower surfaces).
double HauteurRepere(const ProfilPlace& pr, int mode)
{
    const QRectF boite = pr.contour.boundingRect();
    switch (mode) {
    case 0: return boite.top();
    case 1: return pr.bordAttaque.y();
    case 2: return boite.center().y();
    case 3: return pr.bordFuite.y();
    default: return boite.bottom();
    }
}

void DessinerDiedre(QPainter& p, int mode)
{
    const double guide = mode == 0 ? 7.0 : mode == 4 ? 17.0 : 12.0;
    ProfilPlace profils[2] = {ProfilCale(0.8, 12.5, 0.0), ProfilCale(14.2, 9.0, 16.0)};
    QPen pointille = Crayon(Trait, 1.0);
    pointille.setDashPattern({2.0, 1.5});
    p.setPen(pointille);
    p.drawLine(QPointF(0.5, guide), QPointF(23.5, guide));
    const QColor couleurs[2] = {Emplanture, Saumon};
    for (int i = 0; i < 2; ++i) {
        const double dy = guide - HauteurRepere(profils[i], mode);
        QTransform t;
        t.translate(0, dy);
        profils[i] = {t.map(profils[i].contour), t.map(profils[i].bordAttaque), t.map(profils[i].bordFuite)};
        p.setPen(Crayon(couleurs[i], 1.4));
        p.setBrush(couleurs[i].lighter(185));
        p.drawPath(profils[i].contour);
    }
    if (mode == 1 || mode == 3) {
        p.setPen(Qt::NoPen);
        p.setBrush(Selection);
        for (const ProfilPlace& pr : profils)
            p.drawEllipse(mode == 1 ? pr.bordAttaque : pr.bordFuite, 1.6, 1.6);
    }
}

void DessinerReference(QPainter& p, const QPointF& c, const QColor& anneau)
{
    p.setPen(Crayon(anneau, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Reference);
    p.drawRect(QRectF(c.x() - 1.8, c.y() - 1.8, 3.6, 3.6));
}

void DessinerAligner(QPainter& p)
{
    DessinerReference(p, QPointF(7, 16.5), Emplanture);
    DessinerReference(p, QPointF(17.5, 6.5), Saumon);
    p.setPen(Crayon(Trait, 1.6));
    p.drawLine(QPointF(14.5, 9.3), QPointF(10.3, 13.3));
    p.setBrush(Trait);
    p.drawPolygon(QPolygonF({QPointF(9.3, 14.3), QPointF(10, 10.6), QPointF(12.9, 13.4)}));
}

void DessinerDeuxAiles(QPainter& p, bool liees)
{
    const QRectF haut(3, 8.5, 16, 0);
    const QRectF bas(3, 15.5, 16, 0);
    p.setPen(Crayon(Emplanture, 1.3));
    p.setBrush(Emplanture.lighter(185));
    p.drawPath(Profil(haut, 1.8));
    p.drawPath(ProfilRetourne(bas, 1.8));
    if (liees) {
        p.setPen(Crayon(Selection, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(19, 8.5), QPointF(22, 8.5), QPointF(22, 15.5), QPointF(19, 15.5)}));
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(1.5, 8.5), QPointF(1.5, 5)}));
    }
}

void DessinerDecaler(QPainter& p)
{
    const QRectF corde(5, 13, 14, 0);
    QPainterPath contour = Profil(corde, 2.2);
    QTransform agrandi;
    agrandi.translate(12, 12);
    agrandi.scale(1.28, 1.75);
    agrandi.translate(-12, -12);
    QPen pointille = Crayon(Selection, 1.3);
    pointille.setDashPattern({2.0, 1.6});
    p.setPen(pointille);
    p.setBrush(Qt::NoBrush);
    p.drawPath(agrandi.map(contour));
    p.setPen(Crayon(Emplanture, 1.4));
    p.setBrush(Emplanture.lighter(185));
    p.drawPath(contour);
}

void DessinerCoins(QPainter& p)
{
    p.setPen(Crayon(Trait, 1.8));
    p.setBrush(Qt::NoBrush);
    for (const auto& [x, y, sx, sy] : {std::tuple{3.0, 3.0, 1, 1}, std::tuple{21.0, 3.0, -1, 1},
                                       std::tuple{3.0, 21.0, 1, -1}, std::tuple{21.0, 21.0, -1, -1}})
        p.drawPolyline(QPolygonF({QPointF(x, y + sy * 5), QPointF(x, y), QPointF(x + sx * 5, y)}));
}

void DessinerZoomAjuster(QPainter& p)
{
    DessinerCoins(p);
    p.setPen(Crayon(Emplanture, 1.3));
    p.setBrush(Emplanture.lighter(185));
    p.drawPath(Profil(QRectF(5.5, 13, 13, 0), 2.0));
}

void DessinerZoomRectangle(QPainter& p)
{
    p.setPen(CrayonGuide());
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 2.5, 13, 10));
    p.setPen(Crayon(Trait, 1.6));
    p.setBrush(QColor(214, 233, 250));
    p.drawEllipse(QPointF(13.5, 13.5), 5, 5);
    p.setPen(Crayon(Trait, 3.0));
    p.drawLine(QPointF(17.3, 17.3), QPointF(21.5, 21.5));
}

void DessinerVueCote(QPainter& p)
{
    p.setPen(Crayon(Guide, 1.0));
    p.drawLine(QPointF(2, 20), QPointF(22, 20));
    p.drawLine(QPointF(2, 20), QPointF(2, 3));
    p.setBrush(Qt::NoBrush);
    p.setPen(Crayon(Saumon, 1.4));
    p.drawPath(Profil(QRectF(7, 12.5, 12, 0), 2.0));
    p.setPen(Crayon(Emplanture, 1.4));
    p.drawPath(Profil(QRectF(4.5, 14, 17, 0), 2.0));
}

void DessinerPerspective(QPainter& p)
{
    p.setPen(Crayon(Guide, 1.0));
    p.drawLine(QPointF(2.5, 18), QPointF(11, 8));
    p.drawLine(QPointF(17.5, 18), QPointF(21, 8));
    p.setPen(Crayon(Emplanture, 1.4));
    p.setBrush(Emplanture.lighter(185));
    p.drawPath(Profil(QRectF(2.5, 18, 15, 0), 1.8));
    p.setPen(Crayon(Saumon, 1.4));
    p.setBrush(Saumon.lighter(185));
    p.drawPath(Profil(QRectF(11, 8, 10, 0), 1.8));
}

} // namespace

bool DessinerIconeAile(QPainter& p, IconeGalbix id)
{
    switch (id) {
    case IconeGalbix::FlecheBA: DessinerFleche(p, 0); return true;
    case IconeGalbix::FlecheMilieux: DessinerFleche(p, 1); return true;
    case IconeGalbix::FlecheBF: DessinerFleche(p, 2); return true;
    case IconeGalbix::DiedreExtrados: DessinerDiedre(p, 0); return true;
    case IconeGalbix::DiedreBA: DessinerDiedre(p, 1); return true;
    case IconeGalbix::DiedreMilieux: DessinerDiedre(p, 2); return true;
    case IconeGalbix::DiedreBF: DessinerDiedre(p, 3); return true;
    case IconeGalbix::DiedreIntrados: DessinerDiedre(p, 4); return true;
    case IconeGalbix::Aligner: DessinerAligner(p); return true;
    case IconeGalbix::DeuxAiles: DessinerDeuxAiles(p, false); return true;
    case IconeGalbix::DeuxAilesLiees: DessinerDeuxAiles(p, true); return true;
    case IconeGalbix::Decaler: DessinerDecaler(p); return true;
    case IconeGalbix::ZoomAjuster: DessinerZoomAjuster(p); return true;
    case IconeGalbix::ZoomRectangle: DessinerZoomRectangle(p); return true;
    case IconeGalbix::VueCote: DessinerVueCote(p); return true;
    case IconeGalbix::Perspective: DessinerPerspective(p); return true;
    default: return false;
    }
}

} // namespace galbix
