// The command "Synchronisation optimale" of the frame "Synchro".

#include "view/ui/Dialogues.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteEdition.h"
#include "app/PiloteSouris.h"
#include "app/PiloteVue.h"
#include "editing/Synchronisation.h"

#include <QCheckBox>
#include <QRadioButton>

namespace galbix {

void PiloteSouris::SynchroniserOptimale()
{
    SessionEdition& s = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    const ResultatSynchro resultat = ExecuterSynchroOptimale(s.Profils, s.Edition);
    if (c.optSelection[2])
        c.optSelection[2]->setChecked(true);
    if (resultat.Issue != IssueSynchro::Effectuee) {
        m_fenetre.Dialogue().Message(resultat.Refus.Titre, resultat.Refus.Texte, IconeMessage::Critique,
                                     BoutonsMessage::Ok);
        if (resultat.MarquesAjoutees)
            m_fenetre.Vue().RafraichirVue();
        return;
    }
    m_fenetre.Vue().BornesListes();
    AppliquerFilSurface();
    m_fenetre.Vue().ReprojeterVue();
    if (!s.Edition.BlocageUndo)
        m_fenetre.Edition().EnregistrerUndo();
    s.Edition.BlocageUndo = false;
    m_fenetre.Dialogue().Message(TitreSynchroEffectuee, TexteSynchroEffectuee, IconeMessage::Information,
                                 BoutonsMessage::Ok);
}

// "Fil" and "Surface" need equal point counts; once both can be used they are both ticked.
void PiloteSouris::AppliquerFilSurface()
{
    SessionEdition& s = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    if (!c.chkFil || !c.chkSurface)
        return;
    const bool egaux = s.Profils.NbPointsE() == s.Profils.NbPointsS();
    c.chkFil->setEnabled(egaux);
    c.chkSurface->setEnabled(egaux);
    s.Vue.Options.FilActif = s.Vue.Options.SurfaceActive = egaux;
    if (c.chkFil->isEnabled() && c.chkSurface->isEnabled()) {
        c.chkFil->setChecked(true);
        c.chkSurface->setChecked(true);
        s.Vue.Options.Fil = s.Vue.Options.Surface = true;
    }
}

} // namespace galbix
