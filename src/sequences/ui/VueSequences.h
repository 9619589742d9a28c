#pragma once
// A drawing area of the sequence window: draws a list's display copy (drawing units, twips)
// into a base image, with an overlay for the selection rectangle, the marked point and the
// contours being dragged. It reports the mouse in drawing units; the window decides.

#include "sequences/Cadrage.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <optional>

namespace galbix {

class VueSequences : public QWidget {
    Q_OBJECT
public:
    explicit VueSequences(QWidget* parent = nullptr);

    /// Draws `ecran` (kept by reference until the next call) into the base layer.
    void Dessiner(const ListeSequences& ecran, const QColor& couleurCote, bool sens, int courante, bool basse);
    /// Clears every overlay mark.
    void EffacerSurcouche();
    /// Dashed selection rectangle (drawing units), or none.
    void DefinirRectangle(const std::optional<RectangleEcran>& rectangle);
    /// Magenta mark at a display point, or none.
    void DefinirMarque(const std::optional<PointSequence>& point);
    /// Starts dragging the selected contours of the last list drawn: they leave the base
    /// layer and follow DefinirGlissement until Dessiner is called again.
    void CommencerGlissement();
    /// Travel of the dragged contours, drawing units.
    void DefinirGlissement(double du, double dv);

    /// Drawing-area size in drawing units.
    double LargeurUnites() const;
    double HauteurUnites() const;
    /// Base layer and overlay, as on screen.
    QImage Capture() const;
    const std::optional<PointSequence>& Marque() const { return m_marque; }

signals:
    void appui(double u, double v, Qt::KeyboardModifiers touches, Qt::MouseButton bouton);
    void mouvement(double u, double v, Qt::KeyboardModifiers touches, Qt::MouseButtons boutons);
    void relache(double u, double v, Qt::MouseButton bouton);
    void molette(double u, double v, int huitiemes);
    void redimensionnee();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void wheelEvent(QWheelEvent* evenement) override;

private:
    void DessinerListe(QPainter& p, bool selectionnees, bool autres) const;
    void Peindre(QPainter& p) const;

    const ListeSequences* m_ecran = nullptr;
    QColor m_couleur = Qt::red;
    bool m_sens = false;
    bool m_basse = false;
    int m_courante = -1;
    QImage m_base;
    QImage m_glisses; ///< the dragged contours alone, transparent elsewhere
    bool m_glissement = false;
    double m_du = 0, m_dv = 0;
    std::optional<RectangleEcran> m_rectangle;
    std::optional<PointSequence> m_marque;
};

} // namespace galbix
