#pragma once
// The main window's drawing, view controls, point lists and status bar, and the open command:
// wires those controls to the view state and runs the three levels of recomputation and the refresh.

#include <QObject>

namespace galbix {

class FenetrePrincipale;
class VueProfils;

class PiloteVue : public QObject {
    Q_OBJECT
public:
    explicit PiloteVue(FenetrePrincipale& fenetre);
    /// Connects the controls it drives (called once the window is built).
    void Connecter();

    /// Projects, fits the view to the sides shown, maps, draws and refreshes.
    void AjusterVue();
    /// Projects again keeping the zoom, maps, draws and refreshes.
    void ReprojeterVue();
    /// Maps with the current zoom and centre, draws and refreshes.
    void RecalculerEcran();
    /// Recounts the selection, switches the selection-dependent commands, updates the point
    /// lists, the status bar and the overlay.
    void RafraichirVue();
    /// Bounds and positions of the point-list scroll bars after a change of counts.
    void BornesListes();
    /// The open command of side `cote` (0 = root, 1 = tip).
    void OuvrirProfil(int cote);

private:
    FenetrePrincipale& m_fenetre;
};

} // namespace galbix
