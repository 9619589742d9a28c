#include "common/DialoguesScript.h"

namespace galbix {

ReponseMessage DialoguesScript::Message(const QString& titre, const QString& texte, IconeMessage icone,
                                        BoutonsMessage boutons)
{
    messages.push_back({titre, texte, icone, boutons});
    if (!reponses.empty()) {
        const ReponseMessage reponse = reponses.front();
        reponses.pop_front();
        return reponse;
    }
    if (boutons == BoutonsMessage::Ok)
        return ReponseMessage::Ok;
    ++questionsSansReponse;
    return boutons == BoutonsMessage::OuiNon ? ReponseMessage::Non : ReponseMessage::Annuler;
}

ChoixFichier DialoguesScript::ChoixSuivant()
{
    if (fichiers.empty())
        return {};
    ChoixFichier choix = fichiers.front();
    fichiers.pop_front();
    return choix;
}

ChoixFichier DialoguesScript::Ouvrir(const DemandeFichier& demande)
{ demandesOuverture.push_back(demande); return ChoixSuivant(); }

ChoixFichier DialoguesScript::Enregistrer(const DemandeFichier& demande)
{ demandesEnregistrement.push_back(demande); return ChoixSuivant(); }

bool DialoguesScript::OuvrirDocument(const QString& chemin) { documentsOuverts.push_back(chemin); return true; }

bool DialoguesScript::LancerInformationsSysteme()
{ ++lancementsInformationsSysteme; return informationsSystemeDisponibles; }

QStringList DialoguesScript::Titres() const
{
    QStringList titres;
    for (const MessageAffiche& m : messages) titres << m.titre;
    return titres;
}

QStringList DialoguesScript::Vus() const
{
    static const char* const icones[] = {"Aucune", "Critique", "Question", "Exclamation", "Information"};
    static const char* const boutons[] = {"Ok", "OkAnnuler", "OuiNon", "OuiNonAnnuler"};
    QStringList vus;
    for (const MessageAffiche& m : messages)
        vus << m.titre + QStringLiteral(" (") + QLatin1String(icones[int(m.icone)])
                   + (m.boutons == BoutonsMessage::Ok ? QString() : QStringLiteral(", ") + QLatin1String(boutons[int(m.boutons)]))
                   + u')';
    return vus;
}

} // namespace galbix
