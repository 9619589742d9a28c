// The commands of the sequence window: its own open command and help, the commands of the
// source list and those of the assembly, with the assembly's undo stack.

#include "sequences/ui/FenetreSequences.h"

#include "view/ui/Dialogues.h"
#include "view/ui/FenetreAide.h"
#include "files/Reglages.h"
#include "sequences/Assemblage.h"
#include "sequences/Decoupage.h"
#include "sequences/Operations.h"

#include <QFileInfo>
#include <QScrollBar>

namespace galbix {

void FenetreSequences::OuvrirFichier()
{
    DemandeFichier demande;
    demande.titre = ouverture::TitreDialogue;
    demande.filtre = sequences::FiltreOuverture;
    demande.indexFiltre = sequences::FiltrePreselectionne;
    demande.dossierInitial = LireDossierOuverture(m_fichierIni, m_dossierProgramme);
    const ChoixFichier choix = m_dialogues.Ouvrir(demande);
    if (choix.annule || choix.chemin.isEmpty())
        return;
    RetenirDossierOuverture(choix.chemin, m_fichierIni);
    TamponLecture lu;
    QString erreur;
    if (!LireTampon(choix.chemin, lu, erreur))
        return; // an unreadable file ends the command without a message
    m_tampon = std::move(lu);
    m_sequences = DecouperSequences(m_tampon.Points);
    m_blocageBarre = true;
    m_c.vscSequences->setRange(1, std::max(1, int(m_sequences.size())));
    m_c.vscSequences->setPageStep(m_sequences.size() >= 6 ? 5 : 1);
    m_c.vscSequences->setValue(1);
    m_blocageBarre = false;
    AjusterHaut();
    RafraichirHaut();
    RafraichirBas();
}

void FenetreSequences::Aide()
{
    OuvrirAide(this, SectionAideContexte(this, SectionAideSequences));
}

void FenetreSequences::EmpilerUndo()
{
    m_undo.Empiler(m_finales, m_c.vscSequencesFinal->value());
}

void FenetreSequences::SelectionnerSource(int index)
{
    SelectionnerTout(m_sequences, index == 0);
    RafraichirHaut();
}

void FenetreSequences::SelectionnerFinale(int index)
{
    SelectionnerTout(m_finales, index == 0);
    RafraichirBas();
}

void FenetreSequences::InverserSource()
{
    InverserSens(m_sequences);
    InverserSens(m_sequencesEcran);
    DessinerHaut();
}

void FenetreSequences::TournerQuart()
{
    TournerQuartDeTour(m_sequences);
    MapperHaut();
    RafraichirHaut();
}

void FenetreSequences::Miroir()
{
    SymetrieSequences(m_sequences);
    MapperHaut();
    RafraichirHaut();
}

void FenetreSequences::Prendre()
{
    PrendreQuelques(m_sequences, m_finales);
    ToucherAssemblage(true);
    EmpilerUndo();
    RafraichirBas();
    RafraichirHaut();
}

void FenetreSequences::Inserer(int index)
{
    if (!InsererSequences(m_sequences, m_finales, index)) {
        RafraichirHaut();
        return;
    }
    RegleBarreFinale();
    // The list shows the contour just inserted.
    const int choisie = PremiereSelectionnee(m_finales);
    if (choisie >= 0) {
        m_blocageBarre = true;
        m_c.vscSequencesFinal->setValue(choisie + 1);
        m_blocageBarre = false;
    }
    ToucherAssemblage(true);
    EmpilerUndo();
    RafraichirBas();
    RafraichirHaut();
}

void FenetreSequences::Ordre(int index)
{
    if (m_finales.empty())
        return;
    const RefusOrdre refus = ChangerOrdre(m_finales, index);
    if (refus != RefusOrdre::Aucun) {
        m_dialogues.Message(sequences::TitreImpossible,
                            refus == RefusOrdre::DerniereSelectionnee ? sequences::TexteRefusFin
                                                                      : sequences::TexteRefusDebut,
                            IconeMessage::Critique, BoutonsMessage::Ok);
        return;
    }
    ToucherAssemblage(false);
    EmpilerUndo();
    RafraichirBas();
}

void FenetreSequences::Tourner(int index)
{
    if (!TournerDixDegres(m_finales, index))
        return;
    ToucherAssemblage(false);
    EmpilerUndo();
    RafraichirBas();
}

void FenetreSequences::Taille(int index)
{
    if (!Redimensionner(m_finales, index))
        return;
    ToucherAssemblage(false);
    EmpilerUndo();
    RafraichirBas();
}

void FenetreSequences::PasEcartement(int index)
{
    if (!Ecarter(m_finales, index))
        return;
    ToucherAssemblage(false);
    EmpilerUndo();
    RafraichirBas();
}

void FenetreSequences::PasEntree(int index)
{
    if (!DeplacerPointEntree(m_finales, index))
        return;
    ToucherAssemblage(false);
    EmpilerUndo();
    RafraichirBas();
}

void FenetreSequences::Effacer()
{
    if (!EffacerSequences(m_finales))
        return;
    ToucherAssemblage(!m_finales.empty());
    EmpilerUndo();
    RafraichirBas();
}

void FenetreSequences::InverserFinale()
{
    if (m_finales.empty())
        return;
    InverserSens(m_finales);
    InverserSens(m_finalesEcran);
    EmpilerUndo();
    RafraichirBas();
}

void FenetreSequences::InsererPoint()
{
    if (!InsererPointEntreSequences(m_finales))
        return;
    ToucherAssemblage(true);
    EmpilerUndo();
    RafraichirBas();
}

void FenetreSequences::Annuler()
{
    EtatAssemblage etat;
    if (!m_undo.Annuler(etat))
        return;
    m_finales = std::move(etat.Assemblage);
    RegleBarreFinale();
    if (!m_finales.empty()) {
        const int derniere = DerniereSelectionnee(m_finales);
        m_blocageBarre = true;
        m_c.vscSequencesFinal->setValue(derniere >= 0 ? derniere + 1 : etat.PositionListe);
        m_blocageBarre = false;
    }
    ToucherAssemblage(true);
    RafraichirBas();
}

} // namespace galbix
