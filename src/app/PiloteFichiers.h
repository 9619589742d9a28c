#pragma once
// The main window's project file, save command, exchange with the cutting program and comment box.

#include "files/Projet.h"

#include <QObject>
#include <QString>
#include <memory>

namespace galbix {

class BoiteCommentaire;
class FenetrePrincipale;

class PiloteFichiers : public QObject {
    Q_OBJECT
public:
    explicit PiloteFichiers(FenetrePrincipale& fenetre);
    ~PiloteFichiers() override;
    /// Connects the controls it drives (called once the window is built).
    void Connecter();

    /// Opens a project file (open command on a root ".gbx", or the command line). A file
    /// that stops the reading ends the command silently and leaves the window as it was;
    /// false in that case.
    bool OuvrirProjet(const QString& chemin);
    /// Opens the project named on the command line; when it cannot be read completely the
    /// window is put back in its start-up state. False in that case.
    bool OuvrirProjetDemarrage(const QString& chemin);
    /// The save command with its index (0 root, 1 tip, 2 project or 3D drawing, 3 intermediate);
    /// false when nothing was written (dialog cancelled, refusal, failed write).
    bool SauverProfil(int index);
    /// "Exporter le projet": the exchange pair in the program's folder.
    void Exporter();
    /// "Importer un projet": the exchange pair of the program's folder replaces the model.
    void Importer();

    /// The current window state as a project file holds it.
    DonneesProjet ProjetActuel() const;
    /// The comment box's text, lines separated by CR LF.
    QString Commentaire() const;

private:
    void AppliquerProjet(DonneesProjet& projet, EtapeProjet arret, const QString& chemin);
    void AppliquerCote(int cote, DonneesProjet& projet);
    void RejouerInterrupteurs(const DonneesProjet& projet);
    bool AppliquerAngles(const DonneesProjet& projet, EtapeProjet arret);
    void AppliquerChampsProjet();
    void AppliquerChampsImport();
    void BornerPointsCourants();
    QString TexteNombre(double valeur) const;
    bool SauverProjetOu3D(const QString& chemin, int indexFiltre);
    void AbandonnerImport();

    FenetrePrincipale& m_fenetre;
    std::unique_ptr<BoiteCommentaire> m_commentaire;
};

} // namespace galbix
