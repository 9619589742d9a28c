#pragma once
// Mouse gestures on the drawing area (selection by click and rectangle, zoom rectangle,
// fit, pan, move of the selection, wheel zoom, cursor read-out and cursor shapes) and the
// "Synchronisation optimale" command.

#include "model/TexteTraduit.h"

#include <QObject>
#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>

class QMouseEvent;
class QWheelEvent;

namespace galbix {

class FenetrePrincipale;
class VueProfils;

/// Gesture in progress on the drawing.
enum class ModeSouris : int16_t {
    Aucun = 0,      ///< none
    Pointage = 1,   ///< click or rectangle (selection or zoom), or the middle-button fit
    Panoramique = 2, ///< Shift drag: pan
    Deplacement = 3, ///< Ctrl drag: move the selection (side view only)
};

/// Title and text of the refusal of a Ctrl drag outside side view.
inline constexpr TexteTraduit TitreDeplacementImpossible{QT_TRANSLATE_NOOP("galbix", "Action impossible")};
inline constexpr TexteTraduit TexteDeplacementImpossible{QT_TRANSLATE_NOOP("galbix",
    "Le déplacement de la sélection par appui sur la touche Ctrl ne peut se faire qu'en vue de côté.\n"
    "Appuyez sur le bouton 'Vue de côté' pour avoir accès à cette fonction")};

class PiloteSouris : public QObject {
    Q_OBJECT
public:
    explicit PiloteSouris(FenetrePrincipale& fenetre);
    /// Connects the controls it drives (called once the window is built).
    void Connecter();

    /// The command "Synchronisation optimale".
    void SynchroniserOptimale();
    /// The gesture in progress.
    ModeSouris Mode() const { return m_mode; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    /// What a button press of ModeSouris::Pointage started.
    enum class Pointage { Selection, Zoom, Ajustement };

    void Presser(Qt::MouseButton bouton, Qt::KeyboardModifiers touches, QPointF position);
    void Bouger(QPointF position);
    void Relacher(QPointF position);
    void Tourner(const QWheelEvent& evenement);
    void FinirZoom(QPointF position);
    void FinirSelection(QPointF position);
    void FinirDeplacement(QPointF position);
    void TerminerRelachement();
    void MontrerCurseur(Qt::KeyboardModifiers touches);
    void AppliquerFilSurface();
    VueProfils* Dessin() const;

    FenetrePrincipale& m_fenetre;
    ModeSouris m_mode = ModeSouris::Aucun;
    Pointage m_pointage = Pointage::Selection;
    QPointF m_departSelection;  ///< where a selection rectangle started (drawing units)
    QPointF m_depart;           ///< where a pan or a move started
    QPointF m_precedent;        ///< position at the previous move of a pan or a move
    std::array<int32_t, 2> m_pointsCourantsAvant{1, 1};
    int m_resteMolette = 0;     ///< wheel turn not yet amounting to a notch (eighths of a degree)
};

} // namespace galbix
