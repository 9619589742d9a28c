#pragma once
// The NACA dialog of a side: a code, the points per surface and a preview of the shape;
// accepted only while the code is one the generator knows.

#include "model/Naca.h"

#include <QDialog>
#include <QWidget>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace galbix {

/// The outline of a unit-chord profile fitted in the widget (an empty outline draws nothing).
class ApercuNaca : public QWidget {
    Q_OBJECT
public:
    explicit ApercuNaca(QWidget* parent = nullptr);
    /// Replaces the outline drawn.
    void DefinirPoints(std::vector<QPointF> points);
    /// The outline drawn.
    const std::vector<QPointF>& Points() const { return m_points; }

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    std::vector<QPointF> m_points;
};

class DialogueNaca : public QDialog {
    Q_OBJECT
public:
    /// The dialog of side `cote` (0 root, 1 tip), filled with `code` and `parSurface`.
    DialogueNaca(int cote, const QString& code, int parSurface, QWidget* parent = nullptr);
    /// The profile of the code and point count shown (empty points with the reason when refused).
    const ProfilNacaCalcule& Profil() const { return m_profil; }
    /// The code field ("txtCodeNaca").
    QLineEdit* ChampCode() const { return m_code; }
    /// The points-per-surface field ("txtPointsNaca").
    QSpinBox* ChampPoints() const { return m_points; }
    /// The line under the preview: the profile's name and point count, or the reason of a refusal.
    QLabel* Etat() const { return m_etat; }

private:
    void Recalculer();

    QLineEdit* m_code = nullptr;
    QSpinBox* m_points = nullptr;
    ApercuNaca* m_apercu = nullptr;
    QLabel* m_etat = nullptr;
    QDialogButtonBox* m_boutons = nullptr;
    ProfilNacaCalcule m_profil;
};

} // namespace galbix
