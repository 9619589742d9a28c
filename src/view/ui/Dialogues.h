#pragma once
// Everything the program asks of the user or of the desktop goes through this interface:
// message boxes, the open and save file dialogs, opening a document with its default
// application and starting the system-information tool. The window code never calls a
// toolkit dialog directly, so that window tests can answer from a script.

#include <QString>

namespace galbix {

/// Icon of a message box.
enum class IconeMessage { Aucune, Critique, Question, Exclamation, Information };

/// Buttons of a message box.
enum class BoutonsMessage { Ok, OkAnnuler, OuiNon, OuiNonAnnuler };

/// Button the user pressed; a box closed without a button gives Annuler (or Ok for an OK box,
/// Non for a Yes/No box).
enum class ReponseMessage { Ok, Annuler, Oui, Non };

/// Settings of an open or save dialog.
struct DemandeFichier {
    QString titre;
    /// Pairs of a description and its patterns, all joined with '|'; patterns separated by ';'.
    /// Example: "Profil (*.dat)|*.dat|Tous les fichiers (*.*)|*.*".
    QString filtre;
    int indexFiltre = 1;               ///< preselected filter, 1-based
    QString nomPropose;                ///< file name put in the name field (may be empty)
    QString dossierInitial;
    bool confirmerEcrasement = false;  ///< save dialog: ask before replacing an existing file
};

/// The user's answer to a file dialog.
struct ChoixFichier {
    bool annule = true;   ///< true when the dialog was cancelled; the other fields are then empty
    QString chemin;       ///< full path of the chosen file
    int indexFiltre = 0;  ///< filter selected when the dialog closed, 1-based (0 when unknown)
};

/// Message boxes, file dialogs and desktop services.
class Dialogues {
public:
    virtual ~Dialogues() = default;

    /// Shows a modal message box and returns the button pressed.
    virtual ReponseMessage Message(const QString& titre, const QString& texte, IconeMessage icone,
                                   BoutonsMessage boutons) = 0;
    /// Shows the open dialog.
    virtual ChoixFichier Ouvrir(const DemandeFichier& demande) = 0;
    /// Shows the save dialog; the answer carries the filter selected when it closed.
    virtual ChoixFichier Enregistrer(const DemandeFichier& demande) = 0;
    /// Opens a document with the desktop's default application; false when that failed.
    virtual bool OuvrirDocument(const QString& chemin) = 0;
    /// Starts the platform's system-information tool; false when none can be found or started.
    virtual bool LancerInformationsSysteme() = 0;
};

} // namespace galbix
