#pragma once
// The main window's editing commands: numeric fields, selection, transforms, wing placing,
// undo and redo. Runs the commands on the session and applies what each asks for.

#include "editing/Queue.h"

#include <QObject>

namespace galbix {

class FenetrePrincipale;

class PiloteEdition : public QObject {
    Q_OBJECT
public:
    explicit PiloteEdition(FenetrePrincipale& fenetre);
    /// Connects the controls it drives (called once the window is built).
    void Connecter();

    /// Records the current state in the undo history.
    void EnregistrerUndo();
    /// Applies what a command asks for: message, controls, texts, redraw.
    void Appliquer(const SuiteCommande& suite);
    /// Runs the tail of an editing command (placing, metrics, snapshot) and applies it.
    void TerminerCommande();
    /// Sets every wing-placing switch from the session with BlocageUndo raised.
    void MontrerInterrupteurs();

private:
    FenetrePrincipale& m_fenetre;
};

} // namespace galbix
