#pragma once
// The main window "formGalbix": both profile panels, the editing commands, the drawing area
// with its zoom and view controls, and the status bar. It owns the editing session.

#include "app/Controles.h"
#include "files/Reglages.h"
#include "app/SessionEdition.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QGroupBox;
class QHBoxLayout;
class QScrollArea;

namespace galbix {

class DialogueNaca;
class Dialogues;
class FenetreSequences;
class PiloteDecoupe;
class PiloteEdition;
class PiloteEditionPoints;
class PiloteFichiers;
class PiloteImportKf;
class PiloteIntermediaire;
class PiloteSouris;
class PiloteVue;

class FenetrePrincipale : public QMainWindow {
    Q_OBJECT
    friend class PiloteEditionPoints; // writes the window geometry when the insertion mode starts

public:
    /// Builds the window and every control; nothing is read or shown yet.
    explicit FenetrePrincipale(Dialogues& dialogues, QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    /// The load sequence: settings file, start values, commands disabled, check of the geometry
    /// library, then the project named by the program's argument string (may be empty).
    void Charger(const QString& argumentLigneCommande);
    /// Puts the window back in its start-up state (everything of the load sequence except the
    /// command line).
    void Initialiser();
    /// Enables the editing commands as a whole.
    void ActiverCommandes();
    /// Disables the editing commands as a whole.
    void DesactiverCommandes();

    /// The demo project the empty window offers to open (none when empty).
    void DefinirProjetDemo(const QString& chemin);

    /// The editing session the window works on.
    SessionEdition& Session() { return m_session; }
    /// The window's controls.
    const ControlesFenetre& Controles() const { return m_c; }
    /// The window's controls, for the parts of the window that drive them.
    ControlesFenetre& Controles() { return m_c; }
    /// Message boxes and file dialogs.
    Dialogues& Dialogue() { return m_dialogues; }
    /// The program's folder (settings, exchange files).
    const QString& DossierProgrammeFenetre() const { return m_dossierProgramme; }

    /// Drawing, view controls, point lists, status bar and the open command.
    PiloteVue& Vue() { return *m_pilotes.vue; }
    /// Editing commands, wing placing, undo.
    PiloteEdition& Edition() { return *m_pilotes.edition; }
    /// Whole-point commands, wing duplication, profile-insertion mode.
    PiloteEditionPoints& EditionPoints() { return *m_pilotes.editionPoints; }
    /// Mouse gestures on the drawing and the synchronisation command.
    PiloteSouris& Souris() { return *m_pilotes.souris; }
    /// Project file, saving, exchange, comment box.
    PiloteFichiers& Fichiers() { return *m_pilotes.fichiers; }
    /// The intermediate-profile mode.
    PiloteIntermediaire& Intermediaire() { return *m_pilotes.intermediaire; }
    /// The import of the cutting program's projects.
    PiloteImportKf& ImportKf() { return *m_pilotes.importKf; }
    /// The cut player.
    PiloteDecoupe& Decoupe() { return *m_pilotes.decoupe; }
    /// Full path of the settings file.
    const QString& FichierReglages() const { return m_fichierReglages; }
    /// Runs the sequence window of the open command until it closes (exec() when empty);
    /// window tests set it to drive that window without a modal loop.
    std::function<void(FenetreSequences&)> ExecuterSequences;
    /// Runs the NACA dialog until it closes (exec() when empty); window tests set it to fill
    /// the dialog without a modal loop.
    std::function<void(DialogueNaca&)> ExecuterNaca;

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    // Construction of the controls (FenetrePanneaux.cpp, FenetreCadres.cpp, FenetreVue.cpp).
    void Construire();
    QWidget* ConstruireColonneGauche();
    QGroupBox* ConstruirePanneauCote(int cote);
    QHBoxLayout* ConstruireLigneFichier(int cote);
    QWidget* ConstruireBoutonsSelectionCote(int cote);
    QGroupBox* ConstruireListePoints(int cote);
    QGroupBox* ConstruireCadreSelection();
    QGroupBox* ConstruireModeSelection();
    QWidget* ConstruireBandeau();
    QGroupBox* ConstruireCadreEtirer();
    QGroupBox* ConstruireCadresTourner();
    QGroupBox* ConstruireCadreDecaler();
    QGroupBox* ConstruireCadreFleche();
    QWidget* ConstruireColonneDroite();
    QGroupBox* ConstruireCadreDiedre();
    QWidget* ConstruireCadresProjet();
    QWidget* ConstruireZoneDessin();
    QWidget* CreerZoneDessin();
    QWidget* ConstruireBarreVue();
    void ConstruireBarreEtat();
    void ConnecterCommandes();

    // Start-up and exit (FenetreDemarrage.cpp).
    void AppliquerReglages();
    void AppliquerGeometrie(const GeometrieFenetre& geometrie);
    GeometrieFenetre GeometrieActuelle() const;
    void RemplirValeursInitiales();
    void VerifierVersionBibliotheque();
    void EnregistrerReglagesSortie();
    void AjusterTailleConception();
    void CorrigerTailleExterieure();
    QSize DecorFenetre() const;

    // Commands of this window (FenetreCommandes.cpp).
    std::vector<QWidget*> CommandesBasculees() const;
    std::vector<QWidget*> CommandesDesactiveesSeulement() const;
    void FermerProfil(int cote);
    void AfficherAide();
    void AfficherAPropos();
    bool SauverProfil(int index);
    void OuvrirProjet(const QString& chemin);
    void VoirCommentaires(bool visibles);

    // Steps that the view, the point lists and the undo history carry out.
    void EnregistrerUndo();
    void BornesListes();
    void ReprojeterVue();

    Dialogues& m_dialogues;
    SessionEdition m_session;
    ControlesFenetre m_c;
    QScrollArea* m_defilement = nullptr;
    QWidget* m_contenu = nullptr;
    QString m_dossierProgramme;
    QString m_fichierReglages;
    QString m_projetDemo;
    std::optional<QSize> m_tailleExterieureDemandee;
    int m_essaisCadre = 0;
    struct Pilotes {
        std::unique_ptr<PiloteVue> vue;
        std::unique_ptr<PiloteEdition> edition;
        std::unique_ptr<PiloteSouris> souris;
        std::unique_ptr<PiloteFichiers> fichiers;
        std::unique_ptr<PiloteEditionPoints> editionPoints;
        std::unique_ptr<PiloteIntermediaire> intermediaire;
        std::unique_ptr<PiloteImportKf> importKf;
        std::unique_ptr<PiloteDecoupe> decoupe;
    } m_pilotes;
};

} // namespace galbix
