#include "app/Icones.h"

#include "app/IconesDessin.h"
#include "model/Naca.h"

#include <QFont>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace galbix {

namespace icones {

QPen Crayon(const QColor& couleur, double largeur)
{
    QPen crayon(couleur, largeur);
    crayon.setCapStyle(Qt::RoundCap);
    crayon.setJoinStyle(Qt::RoundJoin);
    return crayon;
}

QPen CrayonGuide()
{
    QPen crayon(Guide, 1.0);
    crayon.setDashPattern({2.0, 2.0});
    return crayon;
}

QPainterPath Profil(const QRectF& corde, double epaisseur)
{
    static const std::vector<QPointF> points = ProfilNaca4(QStringLiteral("4412"), 14);
    QPainterPath chemin;
    for (size_t i = 0; i < points.size(); ++i) {
        const QPointF q(corde.left() + points[i].x() * corde.width(),
                        corde.center().y() - points[i].y() * corde.width() * epaisseur);
        if (i == 0)
            chemin.moveTo(q);
        else
            chemin.lineTo(q);
    }
    chemin.closeSubpath();
    return chemin;
}

QPainterPath ProfilRetourne(const QRectF& corde, double epaisseur)
{
    QTransform miroir;
    miroir.translate(0, corde.center().y());
    miroir.scale(1, -1);
    miroir.translate(0, -corde.center().y());
    return miroir.map(Profil(corde, epaisseur));
}

} // namespace icones

namespace {

using namespace icones;

void DessinerApplication(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(36, 82, 150));
    p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
    p.setPen(Crayon(QColor(255, 255, 255, 150), 1.0));
    p.drawLine(QPointF(5.5, 17), QPointF(12, 7.5));
    p.drawLine(QPointF(18.5, 16.5), QPointF(20, 7.8));
    p.setBrush(QColor(255, 120, 100));
    p.setPen(Crayon(Qt::white, 1.0));
    p.drawPath(Profil(QRectF(3, 17, 16, 0), 1.8));
    p.setBrush(QColor(150, 190, 255));
    p.drawPath(Profil(QRectF(11.5, 8, 9, 0), 1.8));
}

void DessinerOuvrir(QPainter& p)
{
    p.setPen(Crayon(QColor(150, 110, 20), 1.2));
    p.setBrush(QColor(240, 196, 90));
    QPainterPath dos;
    dos.moveTo(2.5, 19.5);
    dos.lineTo(2.5, 5.5);
    dos.lineTo(8.5, 5.5);
    dos.lineTo(10.5, 7.5);
    dos.lineTo(19.5, 7.5);
    dos.lineTo(19.5, 19.5);
    dos.closeSubpath();
    p.drawPath(dos);
    p.setBrush(QColor(250, 215, 120));
    QPainterPath rabat;
    rabat.moveTo(2.5, 19.5);
    rabat.lineTo(6, 11);
    rabat.lineTo(22.5, 11);
    rabat.lineTo(19.5, 19.5);
    rabat.closeSubpath();
    p.drawPath(rabat);
}

void DessinerDisquette(QPainter& p, const QColor& pastille)
{
    p.setPen(Crayon(Trait, 1.2));
    p.setBrush(QColor(92, 110, 138));
    QPainterPath corps;
    corps.moveTo(3, 3);
    corps.lineTo(17.5, 3);
    corps.lineTo(21, 6.5);
    corps.lineTo(21, 21);
    corps.lineTo(3, 21);
    corps.closeSubpath();
    p.drawPath(corps);
    p.setBrush(QColor(235, 238, 243));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(6, 3.6, 10, 6));
    p.setBrush(QColor(92, 110, 138));
    p.drawRect(QRectF(12.5, 4.6, 2.2, 4));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(5.5, 12.5, 13, 7.5), 1, 1);
    if (pastille.isValid()) {
        p.setPen(Crayon(Qt::white, 1.0));
        p.setBrush(pastille);
        p.drawEllipse(QPointF(17.5, 17.5), 4.5, 4.5);
    }
}

void DessinerFlecheCourbe(QPainter& p, bool versLaGauche)
{
    p.save();
    if (!versLaGauche) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    p.setPen(Crayon(Trait, 2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(6, 10);
    arc.cubicTo(10, 5.5, 19, 6, 19.5, 13);
    arc.cubicTo(19.8, 17, 16.5, 19.5, 12.5, 19.5);
    p.drawPath(arc);
    p.setPen(Crayon(Trait, 1.0));
    p.setBrush(Trait);
    QPainterPath pointe;
    pointe.moveTo(3, 6.5);
    pointe.lineTo(9.5, 6.5);
    pointe.lineTo(4, 12.5);
    pointe.closeSubpath();
    p.drawPath(pointe);
    p.restore();
}

void DessinerToutDeselectionner(QPainter& p)
{
    p.setPen(CrayonGuide());
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 4.5, 19, 15));
    p.setPen(Crayon(Trait, 1.2));
    p.setBrush(Qt::white);
    for (const QPointF& c : {QPointF(7, 14.5), QPointF(12, 9.5), QPointF(17, 14)})
        p.drawRect(QRectF(c.x() - 2, c.y() - 2, 4, 4));
    p.setPen(Crayon(Emplanture, 2.0));
    p.drawLine(QPointF(15.5, 2.5), QPointF(21.5, 8.5));
    p.drawLine(QPointF(21.5, 2.5), QPointF(15.5, 8.5));
}

void DessinerInverserSens(QPainter& p)
{
    p.setPen(Crayon(Trait, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(4, 8), QPointF(19, 8));
    p.drawPolyline(QPolygonF({QPointF(15.5, 4.5), QPointF(19.5, 8), QPointF(15.5, 11.5)}));
    p.setPen(Crayon(Selection, 1.8));
    p.drawLine(QPointF(20, 16), QPointF(5, 16));
    p.drawPolyline(QPolygonF({QPointF(8.5, 12.5), QPointF(4.5, 16), QPointF(8.5, 19.5)}));
}

void DessinerMiroir(QPainter& p, bool vertical)
{
    p.save();
    if (!vertical) {
        p.translate(12, 12);
        p.rotate(-90);
        p.translate(-12, -12);
    }
    p.setPen(CrayonGuide());
    p.drawLine(QPointF(2, 12), QPointF(22, 12));
    p.setPen(Crayon(Trait, 1.3));
    p.setBrush(Selection);
    p.drawPolygon(QPolygonF({QPointF(5, 10), QPointF(19, 10), QPointF(9, 3)}));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(5, 14), QPointF(19, 14), QPointF(9, 21)}));
    p.restore();
}

void DessinerImageFond(QPainter& p)
{
    p.setPen(Crayon(Trait, 1.2));
    p.setBrush(QColor(214, 233, 250));
    p.drawRoundedRect(QRectF(2.5, 4.5, 19, 15), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 190, 60));
    p.drawEllipse(QPointF(16.5, 9), 2, 2);
    p.setBrush(QColor(84, 150, 90));
    p.drawPolygon(QPolygonF({QPointF(3.2, 18.8), QPointF(9, 10.5), QPointF(13, 15.5), QPointF(15.5, 13),
                             QPointF(20.8, 18.8)}));
}

void DessinerCercleTexte(QPainter& p, const QString& texte, const QColor& fond)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    QFont police;
    police.setBold(true);
    police.setPixelSize(14);
    p.setFont(police);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, texte);
}

bool DessinerIconeGenerale(QPainter& p, IconeGalbix id)
{
    switch (id) {
    case IconeGalbix::Application: DessinerApplication(p); return true;
    case IconeGalbix::Ouvrir: DessinerOuvrir(p); return true;
    case IconeGalbix::SauverEmplanture: DessinerDisquette(p, Emplanture); return true;
    case IconeGalbix::SauverSaumon: DessinerDisquette(p, Saumon); return true;
    case IconeGalbix::SauverProjet: DessinerDisquette(p, QColor()); return true;
    case IconeGalbix::SauverIntermediaire: DessinerDisquette(p, Selection); return true;
    case IconeGalbix::Annuler: DessinerFlecheCourbe(p, true); return true;
    case IconeGalbix::Retablir: DessinerFlecheCourbe(p, false); return true;
    case IconeGalbix::ToutDeselectionner: DessinerToutDeselectionner(p); return true;
    case IconeGalbix::InverserSens: DessinerInverserSens(p); return true;
    case IconeGalbix::MiroirVertical: DessinerMiroir(p, true); return true;
    case IconeGalbix::MiroirHorizontal: DessinerMiroir(p, false); return true;
    case IconeGalbix::ImageFond: DessinerImageFond(p); return true;
    case IconeGalbix::Aide: DessinerCercleTexte(p, QStringLiteral("?"), QColor(36, 110, 200)); return true;
    case IconeGalbix::APropos: DessinerCercleTexte(p, QStringLiteral("i"), QColor(90, 100, 116)); return true;
    default: return false;
    }
}

// Paints one icon at any size; the disabled form is the normal drawing in faded grey.
class MoteurIcone : public QIconEngine {
public:
    explicit MoteurIcone(IconeGalbix id) : m_id(id) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal echelle = p->device() ? p->device()->devicePixelRatioF() : 1.0;
        QPixmap image = pixmap(rect.size() * echelle, mode, state);
        image.setDevicePixelRatio(echelle);
        p->drawPixmap(rect.topLeft(), image);
    }

    QPixmap pixmap(const QSize& taille, QIcon::Mode mode, QIcon::State) override
    {
        QImage image(taille.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            const double cote = std::min(image.width(), image.height());
            p.translate((image.width() - cote) / 2.0, (image.height() - cote) / 2.0);
            p.scale(cote / 24.0, cote / 24.0);
            DessinerIcone(p, m_id);
        }
        if (mode == QIcon::Disabled)
            Estomper(image);
        return QPixmap::fromImage(image);
    }

    QIconEngine* clone() const override { return new MoteurIcone(m_id); }

private:
    static void Estomper(QImage& image)
    {
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int gris = 110 + qGray(ligne[x]) / 2;
                ligne[x] = qRgba(gris, gris, gris, qAlpha(ligne[x]) * 45 / 100);
            }
        }
    }

    IconeGalbix m_id;
};

} // namespace

void DessinerIcone(QPainter& p, IconeGalbix id)
{
    if (!DessinerIconeGenerale(p, id))
        DessinerIconeAile(p, id);
}

QIcon Icone(IconeGalbix id)
{
    return QIcon(new MoteurIcone(id));
}

} // namespace galbix
