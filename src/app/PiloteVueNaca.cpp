// The NACA command of both sides: the refusal of a tip before any root, the dialog, then the
// computed profile loaded as the open command loads a .dat file, with the same fields,
// labels, caption, comment and common end (lists, wing placing, fit, undo snapshot).

#include "app/DialogueNaca.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteVue.h"
#include "files/OuvertureNaca.h"
#include "view/ui/Dialogues.h"

#include <QLineEdit>

namespace galbix {

namespace {

constexpr int PointsParSurfaceProposes = 61; // as the command line's naca command

} // namespace

void PiloteVue::OuvrirNaca(int cote)
{
    SessionEdition& session = m_fenetre.Session();
    if (cote == CoteS && !session.ProjetOuvert) {
        m_fenetre.Dialogue().Message(ouverture::TitreRefusSaumon, ouverture::TexteRefusSaumon, IconeMessage::Critique,
                                     BoutonsMessage::Ok);
        return;
    }
    DialogueNaca dialogue(cote, m_codeNaca, m_pointsNaca > 0 ? m_pointsNaca : PointsParSurfaceProposes, &m_fenetre);
    if (m_fenetre.ExecuterNaca)
        m_fenetre.ExecuterNaca(dialogue);
    else
        dialogue.exec();
    if (dialogue.result() != QDialog::Accepted)
        return;
    m_codeNaca = dialogue.ChampCode()->text();
    m_pointsNaca = int(dialogue.Profil().points.size() + 1) / 2;
    const ResultatOuverture r = galbix::OuvrirNaca(cote, dialogue.Profil(), session.ProjetOuvert, session.Profils);
    if (r.Issue != IssueOuverture::Charge)
        return;
    AppliquerOuverture(r);
    TerminerOuverture();
}

} // namespace galbix
