#include "view/ui/VueProfils.h"

#include "view/Projection.h"

#include <QPainter>
#include <QPen>
#include <QResizeEvent>

namespace galbix {

namespace {
// A pan shows the shifted base layer while the mouse moves; once it rests this long (ms) the
// layer is redrawn, filling the strips uncovered by the shift.
constexpr int DelaiReposPanoramique = 150;
} // namespace

VueProfils::VueProfils(const CoupleProfils& modele, const EtatEdition& edition, EtatVue& vue, QWidget* parent)
    : QWidget(parent), m_modele(modele), m_edition(edition), m_vue(vue)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_repos.setSingleShot(true);
    m_repos.setInterval(DelaiReposPanoramique);
    connect(&m_repos, &QTimer::timeout, this, [this] { DessinerProfils(); });
}

void VueProfils::DecalerBase(QPointF pixels)
{
    m_decalage += pixels;
    m_repos.start();
    update();
}

void VueProfils::DefinirDecoupe(const DecoupeDessin& decoupe)
{
    m_decoupe = decoupe;
    update();
}

void VueProfils::PeindreBase(QPainter& peintre) const
{
    if (m_base.isNull()) {
        peintre.fillRect(QRect(QPoint(0, 0), size()), Qt::white);
        return;
    }
    if (!m_decalage.isNull())
        peintre.fillRect(QRect(QPoint(0, 0), size()), Qt::white);
    peintre.drawImage(m_decalage.toPoint(), m_base);
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
    m_repos.stop();
    m_decalage = {};
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
    if (m_base.isNull())
        return {};
    QImage image(m_base.size(), m_base.format());
    image.setDevicePixelRatio(m_base.devicePixelRatio());
    QPainter peintre(&image);
    PeindreBase(peintre);
    m_dessinateur.DessinerSurcouche(peintre, m_vue, m_surcouche);
    DessinerDecoupe(peintre, m_vue, m_decoupe,
                    {m_dessinateur.Reduction(CoteE, m_vue), m_dessinateur.Reduction(CoteS, m_vue)});
    DessinerRectangleSouris(peintre);
    return image;
}

void VueProfils::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    PeindreBase(peintre);
    m_dessinateur.DessinerSurcouche(peintre, m_vue, m_surcouche);
    DessinerDecoupe(peintre, m_vue, m_decoupe,
                    {m_dessinateur.Reduction(CoteE, m_vue), m_dessinateur.Reduction(CoteS, m_vue)});
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
