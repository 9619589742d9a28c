#pragma once
// Mouse gestures on the drawing area (selection by click and rectangle, zoom rectangle,
// fit, pan, move of the selection, cursor read-out) and the "Synchronisation optimale" command.

#include <QObject>

namespace galbix {

class FenetrePrincipale;

class PiloteSouris : public QObject {
    Q_OBJECT
public:
    explicit PiloteSouris(FenetrePrincipale& fenetre);
    /// Connects the controls it drives (called once the window is built).
    void Connecter();

private:
    FenetrePrincipale& m_fenetre;
};

} // namespace galbix
