#include "view/ui/DessinDecoupe.h"

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <iterator>
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

namespace {

// Root vertices from the first point up to `segment`, through the runs of `r` when given.
void Aller(QPolygonF& poly, const std::vector<PointProfil>& v, int32_t segment, const ReductionPixels* r)
{
    const uint32_t dernier = uint32_t(segment);
    if (r == nullptr) {
        for (uint32_t k = 0; k <= dernier; ++k)
            Ajouter(poly, PixelDecoupe(v[k]));
        return;
    }
    for (const PlagePixels& plage : r->Plages()) {
        if (plage.Debut > dernier)
            break;
        const uint32_t fin = std::min(plage.Fin, dernier);
        if (r->Condensee(plage, v)) {
            Ajouter(poly, PixelDecoupe(v[plage.Debut]));
            Ajouter(poly, PixelDecoupe(v[fin]));
        } else {
            for (uint32_t k = plage.Debut; k <= fin; ++k)
                Ajouter(poly, PixelDecoupe(v[k]));
        }
    }
}

// Tip vertices from `segment` back to the first point, through the runs of `r` when given.
void Retour(QPolygonF& poly, const std::vector<PointProfil>& v, int32_t segment, const ReductionPixels* r)
{
    const uint32_t dernier = uint32_t(segment);
    if (r == nullptr) {
        for (uint32_t k = dernier + 1; k-- > 0;)
            Ajouter(poly, PixelDecoupe(v[k]));
        return;
    }
    const std::vector<PlagePixels>& plages = r->Plages();
    auto apres = std::upper_bound(plages.begin(), plages.end(), dernier,
                                  [](uint32_t k, const PlagePixels& p) { return k < p.Debut; });
    for (auto it = std::make_reverse_iterator(apres); it != plages.rend(); ++it) {
        const uint32_t fin = std::min(it->Fin, dernier);
        if (r->Condensee(*it, v)) {
            Ajouter(poly, PixelDecoupe(v[fin]));
            Ajouter(poly, PixelDecoupe(v[it->Debut]));
        } else {
            for (uint32_t k = fin + 1; k-- > it->Debut;)
                Ajouter(poly, PixelDecoupe(v[k]));
        }
    }
}

} // namespace

QPolygonF ContourDejaCoupe(const EtatVue& vue, int32_t segment, double fraction, ReductionsDecoupe reductions)
{
    const auto& e = vue.Copies.ProfilsEcran.PointsE;
    const auto& s = vue.Copies.ProfilsEcran.PointsS;
    QPolygonF poly;
    if (e.empty() || e.size() != s.size() || segment < 0 || size_t(segment) >= e.size())
        return poly;
    const uint64_t version = vue.Copies.Version;
    auto aJour = [version](const ReductionPixels* r, const std::vector<PointProfil>& v) {
        return r != nullptr && r->Pour(v, v.size(), version) ? r : nullptr;
    };
    Aller(poly, e, segment, aJour(reductions.E, e));
    Ajouter(poly, Interpoler(e, segment, fraction));
    Ajouter(poly, Interpoler(s, segment, fraction));
    Retour(poly, s, segment, aJour(reductions.S, s));
    return poly;
}

void DessinerDecoupe(QPainter& p, const EtatVue& vue, const DecoupeDessin& d, ReductionsDecoupe reductions)
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
        const QPolygonF poly = ContourDejaCoupe(vue, d.Segment, d.Fraction, reductions);
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
