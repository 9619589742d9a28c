#pragma once
// The dialogues of the benchmarks: every message answered OK, every file dialog cancelled.

#include "view/ui/Dialogues.h"

namespace galbix::bench {

class DialoguesMuets : public Dialogues {
public:
    ReponseMessage Message(const QString&, const QString&, IconeMessage, BoutonsMessage) override
    {
        return ReponseMessage::Ok;
    }
    ChoixFichier Ouvrir(const DemandeFichier&) override { return {}; }
    ChoixFichier Enregistrer(const DemandeFichier&) override { return {}; }
    bool OuvrirDocument(const QString&) override { return false; }
    bool LancerInformationsSysteme() override { return false; }
};

} // namespace galbix::bench
