// The intermediate-profile mode. While it is on the point counts cannot change: every
// editing command is disabled, the root's open button and the exchange import as well.

#include "app/PiloteIntermediaire.h"

#include "app/ChampNumerique.h"
#include "view/ui/Dialogues.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteFichiers.h"
#include "app/PiloteVue.h"
#include "files/ProfilIntermediaire.h"
#include "files/Sauvegarde.h"
#include "model/Fonctions.h"
#include "view/ui/VueProfils.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace galbix {

PiloteIntermediaire::PiloteIntermediaire(FenetrePrincipale& fenetre) : m_fenetre(fenetre) {}

void PiloteIntermediaire::Connecter()
{
    ControlesFenetre& c = m_fenetre.Controles();
    EtatVue& vue = m_fenetre.Session().Vue;
    m_fenetre.Vue().Dessin().DefinirProfilIntermediaire(&m_profil);
    connect(c.chkProfilIntermediaire, &QCheckBox::toggled, this, &PiloteIntermediaire::Basculer);
    new ChampNumerique(c.txtEcartementIntermediaire, m_fenetre.Dialogue(), SigneChamp::NonSigne,
                       [this](float distance) { AppliquerDistance(distance); },
                       [&vue] { return FormaterChamp(double(vue.EcartementIntermediaire)); });
    connect(c.cmdSauveProfil[sauvegarde::IndexIntermediaire], &QAbstractButton::clicked, this,
            [this] { m_fenetre.Fichiers().SauverProfil(sauvegarde::IndexIntermediaire); });
}

void PiloteIntermediaire::Basculer(bool coche)
{
    ControlesFenetre& c = m_fenetre.Controles();
    m_fenetre.Session().Vue.Options.ProfilIntermediaire = coche;
    if (coche) {
        // A profile computed before the mode was last left belongs to points that may have
        // changed since: it is neither drawn nor saved until a distance is entered again.
        m_profil = CoupleProfils{};
        m_distance = 0.0f;
        m_fenetre.DesactiverCommandes();
        c.cmdOuvrirProfil[CoteE]->setEnabled(false);
        c.cmdNaca[CoteE]->setEnabled(false);
        c.cmdImportKerfex->setEnabled(false);
        c.chkProfilIntermediaire->setEnabled(true);
        c.txtEcartementIntermediaire->setEnabled(true);
        return;
    }
    m_fenetre.ActiverCommandes();
    c.cmdOuvrirProfil[CoteE]->setEnabled(true);
    c.cmdNaca[CoteE]->setEnabled(true);
    c.cmdImportKerfex->setEnabled(true);
    c.cmdSauveProfil[sauvegarde::IndexIntermediaire]->setEnabled(false);
    c.txtEcartementIntermediaire->setEnabled(false);
    // The refresh redraws without the profile and enables the commands the selection allows.
    m_fenetre.Vue().RafraichirVue();
}

void PiloteIntermediaire::AppliquerDistance(float distance)
{
    SessionEdition& session = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    QLineEdit* champ = c.txtEcartementIntermediaire;
    session.Vue.EcartementIntermediaire = distance;
    champ->setText(FormaterChamp(double(distance)));
    if (!DistanceIntermediaireValide(distance, session.Profils.EcartementZ)) {
        m_fenetre.Dialogue().Message(intermediaire::TitreErreurDimension, intermediaire::TexteErreurDimension,
                                     IconeMessage::Critique, BoutonsMessage::Ok);
        session.Vue.EcartementIntermediaire = 0.0f;
        champ->setText(FormaterChamp(0.0));
        champ->setSelection(0, int(champ->text().size()));
        return;
    }
    CalculerProfilIntermediaire(session.Profils, distance, m_profil);
    m_distance = distance;
    // Projected and mapped with the user's zoom and centre.
    m_fenetre.Vue().Dessin().ReprojeterVue();
    c.cmdSauveProfil[sauvegarde::IndexIntermediaire]->setEnabled(true);
}

void PiloteIntermediaire::Sauver(const QString& chemin)
{
    const SessionEdition& session = m_fenetre.Session();
    const ControlesFenetre& c = m_fenetre.Controles();
    if (m_profil.PointsE.empty())
        return;
    const QString noms[2] = {c.lblNomFichier[CoteE]->text(), c.lblNomFichier[CoteS]->text()};
    // Failures end the command silently, as for every button of the save command.
    SauverProfilIntermediaire(chemin, session.Profils, m_profil, m_distance, noms);
}

} // namespace galbix
