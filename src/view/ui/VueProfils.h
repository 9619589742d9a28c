#pragma once
// The drawing area of the main window. It draws the model and the view state it is given
// (it owns neither): a base layer kept in an image and redrawn only when asked, and an
// overlay (current points and wire) painted above it at every repaint.
//
// Three levels of recomputation: AjusterVue (project, fit, map, draw) after loading,
// the view buttons and the zoom reset; ReprojeterVue (project with the zoom kept, map,
// draw) after a change of points or of an angle, followed by the window's refresh;
// RecalculerEcran (map, draw) after a change of scale or centre. DessinerProfils only
// redraws the base layer.

#include "view/EtatVue.h"
#include "view/Rafraichissement.h"
#include "view/ui/DessinDecoupe.h"
#include "view/ui/DessinProfils.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QTimer>
#include <QWidget>

namespace galbix {

class VueProfils : public QWidget {
    Q_OBJECT
public:
    /// A view of `modele` drawn with `vue`; both must outlive the widget.
    VueProfils(const CoupleProfils& modele, const EtatEdition& edition, EtatVue& vue, QWidget* parent = nullptr);

    /// The intermediate profile to draw (its PointsE), or none.
    void DefinirProfilIntermediaire(const CoupleProfils* profil);

    /// Projects, fits the view to the sides shown, maps and draws.
    void AjusterVue();
    /// Maps with the current zoom and centre, and draws.
    void RecalculerEcran();
    /// Projects again keeping the zoom and centre, maps and draws.
    void ReprojeterVue();
    /// Redraws the base layer from the drawing-unit copies.
    void DessinerProfils();
    /// Takes the overlay of the current points and options (last step of the refresh).
    void RafraichirSurcouche();

    /// The background image check box was clicked: with `coche` and a non-null image (the
    /// clipboard's bitmap) the image is shown centred at its scale; otherwise none. Redraws.
    void ChangerImageFond(bool coche, const QImage& image);

    /// Shows the outline of the rectangle being dragged (drawing units) in black with `style`
    /// above everything else; an empty rectangle (null) removes it.
    void DefinirRectangleSouris(const QRectF& rectangle, Qt::PenStyle style = Qt::DashLine);
    /// The outline being dragged (null when none), drawing units.
    QRectF RectangleSouris() const { return m_rectangleSouris; }

    /// During a pan: the screen copies were shifted by `pixels`; the base layer as last drawn is
    /// shown shifted by as much instead of being redrawn, until the mouse rests or DessinerProfils.
    void DecalerBase(QPointF pixels);
    /// Offset of the base layer shown (pixels), zero when it is up to date.
    QPointF DecalageBase() const { return m_decalage; }

    /// The cut being played, painted above the overlay (inactive: nothing).
    void DefinirDecoupe(const DecoupeDessin& decoupe);

    /// The base layer as last drawn.
    const QImage& Base() const { return m_base; }
    /// Base layer and overlay together, as on screen.
    QImage Capture() const;

signals:
    /// The drawing unticked "Surface" (point counts differ): the window unticks its check
    /// box with BlocageDessin set.
    void surfaceDecochee();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    const CoupleProfils& m_modele;
    const EtatEdition& m_edition;
    EtatVue& m_vue;
    const CoupleProfils* m_intermediaire = nullptr;
    DessinateurProfils m_dessinateur;
    QImage m_base;
    QImage m_imageFond;
    Surcouche m_surcouche;
    QRectF m_rectangleSouris;
    Qt::PenStyle m_styleRectangle = Qt::DashLine;
    QPointF m_decalage;          // pan not yet redrawn (pixels)
    QTimer m_repos;              // redraws once the pan rests
    DecoupeDessin m_decoupe;

    void PeindreBase(QPainter& peintre) const;

    void DessinerRectangleSouris(QPainter& peintre) const;
};

} // namespace galbix
