#include "view/ui/VueProfils.h"

#include "view/Projection.h"

#include <QPainter>
#include <QPen>
#include <QResizeEvent>

namespace galbix {

VueProfils::VueProfils(const CoupleProfils& modele, const EtatEdition& edition, EtatVue& vue, QWidget* parent)
    : QWidget(parent), m_modele(modele), m_edition(edition), m_vue(vue)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VueProfils::DefinirProfilIntermediaire(const CoupleProfils* profil)
{
    m_intermediaire = profil;
}

void VueProfils::AjusterVue()
{
    galbix::AjusterVue(m_modele, m_vue, m_intermediaire);
    DessinerProfils();
}

void VueProfils::RecalculerEcran()
{
    galbix::RecalculerEcran(m_vue);
    DessinerProfils();
}

void VueProfils::ReprojeterVue()
{
    galbix::ReprojeterVue(m_modele, m_vue, m_intermediaire);
    DessinerProfils();
}

void VueProfils::DessinerProfils()
{
    const qreal ratio = devicePixelRatioF();
    const QSize taille = size() * ratio;
    if (m_base.size() != taille) {
        m_base = QImage(taille, QImage::Format_ARGB32_Premultiplied);
        m_base.setDevicePixelRatio(ratio);
    }
    if (m_base.isNull())
        return;
    bool decochee = false;
    {
        QPainter peintre(&m_base);
        decochee = m_dessinateur.Dessiner(peintre, m_modele, m_edition, m_vue, m_imageFond);
    }
    update();
    if (decochee)
        emit surfaceDecochee();
}

void VueProfils::RafraichirSurcouche()
{
    m_surcouche = CalculerSurcouche(m_edition, m_vue);
    update();
}

void VueProfils::ChangerImageFond(bool coche, const QImage& image)
{
    m_vue.ImageFondPresente = false;
    m_vue.Options.ImageFond = coche;
    m_imageFond = QImage();
    if (coche && !image.isNull()) {
        m_imageFond = image;
        m_vue.ImageFondPresente = true;
        m_vue.LargeurImage = float(image.width() * TwipsParPixel);
        m_vue.HauteurImage = float(image.height() * TwipsParPixel);
        m_vue.EchelleImage =
            EchelleImageFond(m_vue.LargeurImage, m_vue.HauteurImage, m_vue.LargeurDessin, m_vue.HauteurDessin);
    }
    DessinerProfils();
}

void VueProfils::DefinirRectangleSouris(const QRectF& rectangle, Qt::PenStyle style)
{
    if (rectangle == m_rectangleSouris && style == m_styleRectangle)
        return;
    m_rectangleSouris = rectangle;
    m_styleRectangle = style;
    update();
}

void VueProfils::DessinerRectangleSouris(QPainter& peintre) const
{
    if (m_rectangleSouris.isNull())
        return;
    const QRectF pixels(m_rectangleSouris.topLeft() / TwipsParPixel, m_rectangleSouris.bottomRight() / TwipsParPixel);
    QPen stylo(Qt::black, 0, m_styleRectangle);
    peintre.save();
    peintre.setPen(stylo);
    peintre.setBrush(Qt::NoBrush);
    peintre.drawRect(pixels.normalized());
    peintre.restore();
}

QImage VueProfils::Capture() const
{
    QImage image = m_base.copy();
    if (image.isNull())
        return image;
    QPainter peintre(&image);
    m_dessinateur.DessinerSurcouche(peintre, m_vue, m_surcouche);
    DessinerRectangleSouris(peintre);
    return image;
}

void VueProfils::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    if (m_base.isNull())
        peintre.fillRect(rect(), Qt::white);
    else
        peintre.drawImage(QPoint(0, 0), m_base);
    m_dessinateur.DessinerSurcouche(peintre, m_vue, m_surcouche);
    DessinerRectangleSouris(peintre);
}

void VueProfils::resizeEvent(QResizeEvent* evenement)
{
    QWidget::resizeEvent(evenement);
    m_vue.DefinirTailleDessin(float(width() * TwipsParPixel), float(height() * TwipsParPixel));
    // The projected centre stays in the middle of the area: map again at the same scale.
    RecalculerEcran();
}

} // namespace galbix
