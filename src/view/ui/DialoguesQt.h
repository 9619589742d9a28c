#pragma once
// The toolkit's own message boxes and file dialogs behind the Dialogues interface.

#include "view/ui/Dialogues.h"

#include <QStringList>

namespace galbix {

/// Name filters in the toolkit's form ("Profil (*.dat)") from a '|'-separated filter list;
/// a trailing description without its pattern is dropped.
QStringList FiltresQt(const QString& filtre);

/// Dialogues shown with QMessageBox and QFileDialog over the active window.
class DialoguesQt : public Dialogues {
public:
    /// Shows a QMessageBox; CR LF in the text become line breaks.
    ReponseMessage Message(const QString& titre, const QString& texte, IconeMessage icone,
                           BoutonsMessage boutons) override;
    /// Shows a QFileDialog in open mode.
    ChoixFichier Ouvrir(const DemandeFichier& demande) override;
    /// Shows a QFileDialog in save mode.
    ChoixFichier Enregistrer(const DemandeFichier& demande) override;
    /// Opens the document through QDesktopServices.
    bool OuvrirDocument(const QString& chemin) override;
    /// Starts the first system-information tool found on this platform.
    bool LancerInformationsSysteme() override;

private:
    ChoixFichier Executer(const DemandeFichier& demande, bool enregistrer);
};

} // namespace galbix
