#pragma once
// The main window's project file, save command, exchange with the cutting program and comment box.

#include <QObject>
#include <QString>

namespace galbix {

class FenetrePrincipale;

class PiloteFichiers : public QObject {
    Q_OBJECT
public:
    explicit PiloteFichiers(FenetrePrincipale& fenetre);
    /// Connects the controls it drives (called once the window is built).
    void Connecter();

    /// Opens a project file (open command on a root ".gbx", or the command line).
    void OuvrirProjet(const QString& chemin);
    /// The save command with its index (0 root, 1 tip, 2 project or 3D drawing, 3 intermediate).
    void SauverProfil(int index);

private:
    FenetrePrincipale& m_fenetre;
};

} // namespace galbix
