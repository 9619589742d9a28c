#include "sequences/ui/IconesSequences.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace galbix {

namespace {

const QColor Trait(59, 67, 80);
const QColor Vert(19, 154, 42);
const QColor Rouge(200, 50, 43);
const QColor Bleu(47, 95, 196);

QPen Crayon(const QColor& c, double l = 1.6)
{
    QPen p(c, l);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

void Fleche(QPainter& p, QPointF a, QPointF b, const QColor& c)
{
    p.setPen(Crayon(c));
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double l = std::hypot(d.x(), d.y());
    if (l <= 0)
        return;
    const QPointF u = d / l, n(-u.y(), u.x());
    p.drawLine(b, b - u * 4 + n * 3);
    p.drawLine(b, b - u * 4 - n * 3);
}

void Arc(QPainter& p, bool direct, const QColor& c)
{
    p.setPen(Crayon(c));
    p.drawArc(QRectF(5, 5, 14, 14), 90 * 16, direct ? 270 * 16 : -270 * 16);
    const QPointF bout = direct ? QPointF(19, 12) : QPointF(5, 12);
    p.drawLine(bout, bout + QPointF(-3, -3));
    p.drawLine(bout, bout + QPointF(3, -3));
}

void Forme(QPainter& p, const QRectF& r, const QColor& c, bool plein = false)
{
    p.setPen(Crayon(c));
    p.setBrush(plein ? QBrush(c.lighter(170)) : Qt::NoBrush);
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(Qt::NoBrush);
}

/// The buttons that select or deselect every contour of one side.
void DessinerSelection(QPainter& p, IconeSequence id)
{
    const bool tout = id == IconeSequence::ToutSelectionnerE || id == IconeSequence::ToutSelectionnerS;
    const QColor cote = id == IconeSequence::ToutSelectionnerE || id == IconeSequence::RienSelectionnerE ? Rouge : Bleu;
    for (int i = 0; i < 3; ++i)
        Forme(p, QRectF(2 + 7 * i, 7 + (i % 2) * 3, 6, 8), tout ? Vert : cote, tout);
    if (!tout) {
        p.setPen(Crayon(Trait, 1.2));
        p.drawLine(QPointF(3, 21), QPointF(21, 3));
    }
}

/// The buttons that turn, mirror, scale or reverse the selected contours.
void DessinerTransformation(QPainter& p, IconeSequence id)
{
    switch (id) {
    case IconeSequence::Sens:
        Fleche(p, {4, 15}, {20, 15}, Trait);
        Fleche(p, {20, 9}, {4, 9}, Vert);
        break;
    case IconeSequence::QuartDeTour:
        Forme(p, QRectF(8, 9, 8, 6), Trait);
        Arc(p, true, Vert);
        break;
    case IconeSequence::Miroir:
        p.setPen(Crayon(Trait, 1.0));
        p.drawLine(QPointF(12, 3), QPointF(12, 21));
        p.setPen(Crayon(Trait));
        p.drawPolygon(QPolygonF({{10, 6}, {10, 18}, {3, 18}}));
        p.setPen(Crayon(Vert));
        p.drawPolygon(QPolygonF({{14, 6}, {14, 18}, {21, 18}}));
        break;
    case IconeSequence::TournerMoins:
    case IconeSequence::TournerPlus:
        Arc(p, id == IconeSequence::TournerPlus, Trait);
        break;
    case IconeSequence::Agrandir:
        Forme(p, QRectF(4, 8, 12, 12), Trait);
        Fleche(p, {13, 11}, {21, 3}, Vert);
        break;
    default: // IconeSequence::Retrecir
        Forme(p, QRectF(4, 12, 8, 8), Trait);
        Fleche(p, {21, 3}, {14, 10}, Vert);
        break;
    }
}

/// The buttons that build the assembly: take, insert, move, space, delete, validate.
void DessinerAssemblage(QPainter& p, IconeSequence id)
{
    switch (id) {
    case IconeSequence::Prendre:
        Forme(p, QRectF(3, 3, 7, 6), Vert, true);
        Forme(p, QRectF(14, 3, 7, 6), Vert, true);
        Fleche(p, {12, 10}, {12, 20}, Trait);
        break;
    case IconeSequence::InsererApres:
    case IconeSequence::InsererAvant: {
        const bool apres = id == IconeSequence::InsererApres;
        // The assembly runs right to left: "after" is on the left.
        Forme(p, QRectF(apres ? 14 : 3, 9, 7, 8), Trait);
        Forme(p, QRectF(apres ? 3 : 14, 9, 7, 8), Vert, true);
        Fleche(p, {apres ? 6.5 : 17.5, 2}, {apres ? 6.5 : 17.5, 8}, Vert);
        break;
    }
    case IconeSequence::VersLaFin:
        Fleche(p, {20, 12}, {4, 12}, Trait);
        break;
    case IconeSequence::VersLeDebut:
        Fleche(p, {4, 12}, {20, 12}, Trait);
        break;
    case IconeSequence::Ecarter:
        Fleche(p, {10, 12}, {3, 12}, Trait);
        Fleche(p, {14, 12}, {21, 12}, Trait);
        break;
    case IconeSequence::Rapprocher:
        Fleche(p, {2, 12}, {9, 12}, Trait);
        Fleche(p, {22, 12}, {15, 12}, Trait);
        break;
    case IconeSequence::Supprimer:
        p.setPen(Crayon(Rouge, 2.2));
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
        break;
    default: // IconeSequence::Valider
        p.setPen(Crayon(Vert, 2.4));
        p.drawPolyline(QPolygonF({{4, 13}, {10, 19}, {20, 5}}));
        break;
    }
}

/// The buttons that move the entry point of a contour, or put it between two contours.
void DessinerEntree(QPainter& p, IconeSequence id)
{
    if (id == IconeSequence::PointEntre) {
        Forme(p, QRectF(2, 8, 6, 8), Trait);
        Forme(p, QRectF(16, 8, 6, 8), Trait);
        p.setPen(Crayon(Trait, 1.0));
        p.drawLine(QPointF(8, 12), QPointF(16, 12));
        p.setBrush(Vert);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
        return;
    }
    const bool avant = id == IconeSequence::EntreeAvant;
    p.setPen(Crayon(Trait));
    p.drawEllipse(QRectF(4, 4, 16, 16));
    p.setBrush(Vert);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(avant ? 20 : 4, 12), 2.5, 2.5);
    Fleche(p, avant ? QPointF(12, 4) : QPointF(12, 20), avant ? QPointF(18, 7) : QPointF(6, 17), Vert);
}

void Dessiner(QPainter& p, IconeSequence id)
{
    switch (id) {
    case IconeSequence::ToutSelectionnerE:
    case IconeSequence::ToutSelectionnerS:
    case IconeSequence::RienSelectionnerE:
    case IconeSequence::RienSelectionnerS:
        DessinerSelection(p, id);
        break;
    case IconeSequence::Sens:
    case IconeSequence::QuartDeTour:
    case IconeSequence::Miroir:
    case IconeSequence::TournerMoins:
    case IconeSequence::TournerPlus:
    case IconeSequence::Agrandir:
    case IconeSequence::Retrecir:
        DessinerTransformation(p, id);
        break;
    case IconeSequence::EntreeAvant:
    case IconeSequence::EntreeArriere:
    case IconeSequence::PointEntre:
        DessinerEntree(p, id);
        break;
    default:
        DessinerAssemblage(p, id);
        break;
    }
}

QPixmap Image(IconeSequence id, int taille)
{
    QPixmap image(taille, taille);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(taille / 24.0, taille / 24.0);
    Dessiner(p, id);
    return image;
}

} // namespace

QIcon IconeSequences(IconeSequence id)
{
    QIcon icone;
    for (int taille : {16, 24, 32, 48})
        icone.addPixmap(Image(id, taille));
    return icone;
}

} // namespace galbix
