#include "view/ui/DessinDecoupe.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace galbix {

namespace {

constexpr double PixelsParTwipDecoupe = 1.0 / TwipsParPixel;
constexpr double RayonChariot = 4.5;  // pixels
constexpr double LimitePixels = 1e6;  // farther than this, a point is not painted

QPointF PixelDecoupe(const PointProfil& p)
{
    return {double(p.X) * PixelsParTwipDecoupe, double(p.Y) * PixelsParTwipDecoupe};
}

QPointF Interpoler(const std::vector<PointProfil>& v, int32_t k, double f)
{
    const QPointF a = PixelDecoupe(v[size_t(k)]);
    if (size_t(k) + 1 >= v.size())
        return a;
    return a + (PixelDecoupe(v[size_t(k) + 1]) - a) * f;
}

bool Raisonnable(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y()) && std::abs(p.x()) < LimitePixels &&
           std::abs(p.y()) < LimitePixels;
}

// Appends `p` unless it falls on the same pixel as the last vertex.
void Ajouter(QPolygonF& poly, QPointF p)
{
    if (!Raisonnable(p))
        return;
    if (!poly.isEmpty() && std::lround(poly.last().x()) == std::lround(p.x()) &&
        std::lround(poly.last().y()) == std::lround(p.y()))
        return;
    poly << p;
}

void SegmentsAVerifier(QPainter& p, const std::vector<PointProfil>& v, const std::vector<uint8_t>& marques)
{
    const size_t n = std::min(marques.size(), v.size() > 0 ? v.size() - 1 : 0);
    for (size_t k = 0; k < n; ++k) {
        if (!marques[k])
            continue;
        const QPointF a = PixelDecoupe(v[k]), b = PixelDecoupe(v[k + 1]);
        if (Raisonnable(a) && Raisonnable(b))
            p.drawLine(a, b);
    }
}

// A carriage path mapped to pixels with the current zoom.
QPolygonF CheminPixels(const EtatVue& vue, const std::vector<PointVue>& chemin)
{
    QPolygonF poly;
    for (const PointVue& p : chemin) {
        const PointVue d = VersDessin(vue, p.x, p.y);
        Ajouter(poly, QPointF(double(d.x) * PixelsParTwipDecoupe, double(d.y) * PixelsParTwipDecoupe));
    }
    return poly;
}

QPointF InterpolerChemin(const EtatVue& vue, const std::vector<PointVue>& chemin, int32_t k, double f)
{
    const PointVue a = chemin[size_t(k)];
    const PointVue b = size_t(k) + 1 < chemin.size() ? chemin[size_t(k) + 1] : a;
    const PointVue d = VersDessin(vue, float(a.x + (b.x - a.x) * f), float(a.y + (b.y - a.y) * f));
    return {double(d.x) * PixelsParTwipDecoupe, double(d.y) * PixelsParTwipDecoupe};
}

void Chariots(QPainter& p, QPointF gauche, QPointF droit)
{
    if (!Raisonnable(gauche) || !Raisonnable(droit))
        return;
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(gauche, droit);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(gauche, RayonChariot, RayonChariot);
    p.setBrush(QColor(0, 0, 255));
    p.drawEllipse(droit, RayonChariot, RayonChariot);
}

} // namespace

QColor CouleurAVerifier()
{
    return QColor(255, 140, 0);
}

QPolygonF ContourDejaCoupe(const EtatVue& vue, int32_t segment, double fraction)
{
    const auto& e = vue.Copies.ProfilsEcran.PointsE;
    const auto& s = vue.Copies.ProfilsEcran.PointsS;
    QPolygonF poly;
    if (e.empty() || e.size() != s.size() || segment < 0 || size_t(segment) >= e.size())
        return poly;
    for (int32_t k = 0; k <= segment; ++k)
        Ajouter(poly, PixelDecoupe(e[size_t(k)]));
    Ajouter(poly, Interpoler(e, segment, fraction));
    Ajouter(poly, Interpoler(s, segment, fraction));
    for (int32_t k = segment; k >= 0; --k)
        Ajouter(poly, PixelDecoupe(s[size_t(k)]));
    return poly;
}

void DessinerDecoupe(QPainter& p, const EtatVue& vue, const DecoupeDessin& d)
{
    const auto& e = vue.Copies.ProfilsEcran.PointsE;
    const auto& s = vue.Copies.ProfilsEcran.PointsS;
    if (!d.Active || e.empty() || e.size() != s.size() || d.Segment < 0 || size_t(d.Segment) >= e.size())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (d.Ombrer) {
        QColor ombre(120, 120, 120, 70);
        p.setPen(Qt::NoPen);
        p.setBrush(ombre);
        p.setRenderHint(QPainter::Antialiasing, false);
        const QPolygonF poly = ContourDejaCoupe(vue, d.Segment, d.Fraction);
        p.drawPolygon(poly, Qt::WindingFill);
        p.setRenderHint(QPainter::Antialiasing, true);
    }
    if (d.AVerifier) {
        p.setPen(QPen(CouleurAVerifier(), 3.0, Qt::SolidLine, Qt::RoundCap));
        SegmentsAVerifier(p, e, *d.AVerifier);
        SegmentsAVerifier(p, s, *d.AVerifier);
    }
    const bool chemins = d.CheminGauche && d.CheminDroit && d.CheminGauche->size() == e.size() &&
                         d.CheminDroit->size() == e.size();
    if (chemins) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(160, 0, 0), 1.0, Qt::DashLine));
        p.drawPolyline(CheminPixels(vue, *d.CheminGauche));
        p.setPen(QPen(QColor(0, 0, 160), 1.0, Qt::DashLine));
        p.drawPolyline(CheminPixels(vue, *d.CheminDroit));
        Chariots(p, InterpolerChemin(vue, *d.CheminGauche, d.Segment, d.Fraction),
                 InterpolerChemin(vue, *d.CheminDroit, d.Segment, d.Fraction));
    } else {
        Chariots(p, Interpoler(e, d.Segment, d.Fraction), Interpoler(s, d.Segment, d.Fraction));
    }
    p.restore();
}

} // namespace galbix
