#include "sequences/ui/VueSequences.h"

#include "view/EtatVue.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <cmath>

namespace galbix {

namespace {

const QColor Vert(0, 176, 10);
const QColor Magenta(255, 0, 255);
constexpr double Unite = 1.0 / TwipsParPixel; // pixels per drawing unit
constexpr double RayonPointSeul = 3.0;          // pixels

QPointF Pixel(const PointSequence& p) { return {p.X * Unite, p.Y * Unite}; }

} // namespace

VueSequences::VueSequences(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 120);
}

double VueSequences::LargeurUnites() const { return double(width()) * TwipsParPixel; }
double VueSequences::HauteurUnites() const { return double(height()) * TwipsParPixel; }

// Each contour is one polyline: far cheaper than a segment at a time for large drawings,
// and the same picture.
void VueSequences::DessinerListe(QPainter& p, bool selectionnees, bool autres) const
{
    if (!m_ecran)
        return;
    QPolygonF ligne;
    for (size_t k = 0; k < m_ecran->size(); ++k) {
        const Sequence& s = (*m_ecran)[k];
        const bool choisi = s.EstSelectionnee();
        if ((choisi && !selectionnees) || (!choisi && !autres))
            continue;
        p.setPen(QPen(choisi ? Vert : m_couleur, 1));
        ligne.resize(qsizetype(s.Points.size()));
        for (size_t i = 0; i < s.Points.size(); ++i)
            ligne[qsizetype(i)] = Pixel(s.Points[i]);
        if (ligne.size() == 1) {
            // A one-point link: a dot large enough to be seen and clicked.
            p.setBrush(p.pen().color());
            p.drawEllipse(ligne[0], RayonPointSeul, RayonPointSeul);
            p.setBrush(Qt::NoBrush);
        } else {
            p.drawPolyline(ligne);
            // Width 2 as two one-pixel lines side by side: the same look, without the
            // stroker's cost on drawings of a million points.
            if (choisi) {
                ligne.translate(1, 0);
                p.drawPolyline(ligne);
                ligne.translate(-1, 1);
                p.drawPolyline(ligne);
            }
        }
        if (m_sens && !s.Points.empty()) {
            p.setPen(QPen(m_couleur, 2));
            const QPointF a = Pixel(s.Points[0]);
            p.drawEllipse(a, cadrage::RayonSens * Unite, cadrage::RayonSens * Unite);
            if (s.Points.size() > 1) {
                const QPointF d = Pixel(s.Points[1]) - a;
                const double l = std::hypot(d.x(), d.y());
                if (l > 0)
                    p.drawLine(a, a + d / l * (cadrage::LongueurSens * Unite));
            }
        }
    }
}

void VueSequences::Dessiner(const ListeSequences& ecran, const QColor& couleurCote, bool sens, int courante,
                            bool basse)
{
    m_ecran = &ecran;
    m_couleur = couleurCote;
    m_sens = sens;
    m_courante = courante;
    m_basse = basse;
    m_glissement = false;
    m_glisses = QImage();
    m_base = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_base.fill(Qt::white);
    QPainter p(&m_base);
    DessinerListe(p, true, true);
    if (courante >= 0 && size_t(courante) < ecran.size() && !ecran[size_t(courante)].Points.empty()) {
        const Sequence& s = ecran[size_t(courante)];
        const double marge = basse && s.NbPoints() == 1 ? cadrage::MargeCadrePoint : cadrage::MargeCadre;
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(QPointF((s.Xmin - marge) * Unite, (s.Ymin - marge) * Unite),
                          QPointF((s.Xmax + marge) * Unite, (s.Ymax + marge) * Unite)));
    }
    update();
}

void VueSequences::CommencerGlissement()
{
    if (!m_ecran)
        return;
    m_base.fill(Qt::white);
    {
        QPainter p(&m_base);
        DessinerListe(p, false, true);
    }
    m_glisses = QImage(m_base.size(), QImage::Format_ARGB32_Premultiplied);
    m_glisses.fill(Qt::transparent);
    QPainter p(&m_glisses);
    DessinerListe(p, true, false);
    m_glissement = true;
    m_du = m_dv = 0;
    update();
}

void VueSequences::DefinirGlissement(double du, double dv)
{
    m_du = du;
    m_dv = dv;
    update();
}

void VueSequences::EffacerSurcouche()
{
    m_rectangle.reset();
    m_marque.reset();
    update();
}

void VueSequences::DefinirRectangle(const std::optional<RectangleEcran>& rectangle)
{
    m_rectangle = rectangle;
    update();
}

void VueSequences::DefinirMarque(const std::optional<PointSequence>& point)
{
    m_marque = point;
    update();
}

void VueSequences::Peindre(QPainter& p) const
{
    p.drawImage(0, 0, m_base);
    if (m_glissement)
        p.drawImage(QPointF(m_du * Unite, m_dv * Unite), m_glisses);
    if (m_rectangle) {
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(QPointF(m_rectangle->Gauche * Unite, m_rectangle->Haut * Unite),
                          QPointF(m_rectangle->Droite * Unite, m_rectangle->Bas * Unite)));
    }
    if (m_marque) {
        p.setPen(Qt::NoPen);
        p.setBrush(Magenta);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(Pixel(*m_marque), cadrage::RayonMarque * Unite, cadrage::RayonMarque * Unite);
    }
}

QImage VueSequences::Capture() const
{
    QImage image = m_base.isNull() ? QImage(size(), QImage::Format_RGB32) : m_base.copy();
    if (m_base.isNull())
        image.fill(Qt::white);
    QPainter p(&image);
    Peindre(p);
    return image;
}

void VueSequences::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_base.isNull())
        p.fillRect(rect(), Qt::white);
    else
        Peindre(p);
}

void VueSequences::resizeEvent(QResizeEvent* evenement)
{
    QWidget::resizeEvent(evenement);
    emit redimensionnee();
}

void VueSequences::mousePressEvent(QMouseEvent* e)
{
    emit appui(e->position().x() * TwipsParPixel, e->position().y() * TwipsParPixel, e->modifiers(), e->button());
}

void VueSequences::mouseMoveEvent(QMouseEvent* e)
{
    emit mouvement(e->position().x() * TwipsParPixel, e->position().y() * TwipsParPixel, e->modifiers(),
                   e->buttons());
}

void VueSequences::mouseReleaseEvent(QMouseEvent* e)
{
    emit relache(e->position().x() * TwipsParPixel, e->position().y() * TwipsParPixel, e->button());
}

void VueSequences::wheelEvent(QWheelEvent* e)
{
    emit molette(e->position().x() * TwipsParPixel, e->position().y() * TwipsParPixel, e->angleDelta().y());
    e->accept();
}

} // namespace galbix
