#include "app/DemandeInstance.h"

#include "app/FenetrePrincipale.h"
#include "app/LigneCommande.h"
#include "app/PiloteFichiers.h"
#include "view/ui/Dialogues.h"

#include <QCoreApplication>
#include <QApplication>

namespace galbix {

namespace {

void MettreAuPremierPlan(FenetrePrincipale& fenetre)
{
    if (fenetre.isMinimized())
        fenetre.setWindowState((fenetre.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    fenetre.show();
    fenetre.raise();
    fenetre.activateWindow();
}

} // namespace

void RecevoirDemandeInstance(FenetrePrincipale& fenetre, const QString& argument)
{
    MettreAuPremierPlan(fenetre);
    const auto projet = ProjetDeLaLigneDeCommande(argument);
    if (!projet)
        return;
    // A modal box is up (a question, a dialog, the sequence window): the request waits for
    // nothing and opens nothing, so that no command runs under another one.
    if (QWidget* modale = QApplication::activeModalWidget(); modale && modale != &fenetre) {
        modale->raise();
        modale->activateWindow();
        return;
    }
    if (fenetre.Session().ProjetOuvert) {
        const ReponseMessage reponse = fenetre.Dialogue().Message(
            QCoreApplication::translate("galbix", "Ouverture d'un projet"),
            QCoreApplication::translate("galbix", "Voulez-vous effectuer une sauvegarde du projet en cours?"), IconeMessage::Exclamation,
            BoutonsMessage::OuiNonAnnuler);
        if (reponse == ReponseMessage::Annuler)
            return;
        if (reponse == ReponseMessage::Oui && !fenetre.Fichiers().SauverProfil(2))
            return;
    }
    fenetre.Fichiers().OuvrirProjet(*projet);
}

} // namespace galbix
