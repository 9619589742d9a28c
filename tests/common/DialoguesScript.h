#pragma once
// A Dialogues implementation for window tests: it answers from queues prepared by the test
// and records every message, file dialog and desktop request, so that tests can assert titles,
// texts, icons and buttons.

#include "view/ui/Dialogues.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace galbix {

class DialoguesScript : public Dialogues {
public:
    struct MessageAffiche {
        QString titre;
        QString texte;
        IconeMessage icone = IconeMessage::Aucune;
        BoutonsMessage boutons = BoutonsMessage::Ok;
    };

    /// Answers given to the next message boxes, in order. When the queue is empty a box is
    /// answered with its cautious button (OK, Non, or Annuler when offered) and counted in
    /// questionsSansReponse.
    std::deque<ReponseMessage> reponses;
    /// Answers given to the next open or save dialogs; cancelled when the queue is empty.
    std::deque<ChoixFichier> fichiers;
    /// Result of LancerInformationsSysteme.
    bool informationsSystemeDisponibles = true;

    std::vector<MessageAffiche> messages;
    std::vector<DemandeFichier> demandesOuverture;
    std::vector<DemandeFichier> demandesEnregistrement;
    std::vector<QString> documentsOuverts;
    int lancementsInformationsSysteme = 0;
    int questionsSansReponse = 0;

    ReponseMessage Message(const QString& titre, const QString& texte, IconeMessage icone,
                           BoutonsMessage boutons) override;
    ChoixFichier Ouvrir(const DemandeFichier& demande) override;
    ChoixFichier Enregistrer(const DemandeFichier& demande) override;
    bool OuvrirDocument(const QString& chemin) override;
    bool LancerInformationsSysteme() override;

    /// The messages shown, one line each: "titre (Icône)", or "titre (Icône, Boutons)" when the
    /// box offers more than OK.
    QStringList Vus() const;
    /// The titles of the message boxes shown, in order.
    QStringList Titres() const;

private:
    ChoixFichier ChoixSuivant();
};

} // namespace galbix
