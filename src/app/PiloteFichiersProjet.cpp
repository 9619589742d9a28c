// Opening a project file in the window: the model, the switches replayed as clicks, the
// view, the comment and the fields, in the order of the file. A file that cannot be read
// to its end changes nothing in the window.

#include "app/PiloteFichiers.h"

#include "app/BoiteCommentaire.h"
#include "view/ui/Dialogues.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteEdition.h"
#include "app/PiloteVue.h"

#include "model/Extremes.h"
#include "model/NumericText.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

namespace galbix {

namespace {

// A stored angle as a bar position (halves to the even neighbour); nothing when out of range.
std::optional<int16_t> PositionAngle(float valeur)
{
    const double position = std::nearbyint(double(valeur));
    if (!(position >= projet::PositionAngleMin && position <= projet::PositionAngleMax))
        return std::nullopt;
    return int16_t(position);
}

} // namespace

bool PiloteFichiers::OuvrirProjet(const QString& chemin)
{
    // The file is read aside: the window changes only once the whole file has been read.
    DonneesProjet projet;
    const LectureProjet lecture = LireProjet(chemin, projet);
    if (!lecture.Reussie())
        return false;
    AppliquerProjet(projet, lecture.Arret, chemin);
    return true;
}

bool PiloteFichiers::OuvrirProjetDemarrage(const QString& chemin)
{
    DonneesProjet projet;
    const LectureProjet lecture = LireProjet(chemin, projet);
    if (!lecture.Reussie()) {
        // Nothing of the file reaches the window: it stays as the load sequence left it.
        m_fenetre.Initialiser();
        return false;
    }
    AppliquerProjet(projet, lecture.Arret, chemin);
    return true;
}

void PiloteFichiers::AppliquerProjet(DonneesProjet& projet, EtapeProjet arret, const QString& chemin)
{
    SessionEdition& session = m_fenetre.Session();
    m_fenetre.ActiverCommandes();
    AppliquerCote(CoteE, projet);
    if (arret > EtapeProjet::Emplanture)
        AppliquerCote(CoteS, projet);
    if (arret > EtapeProjet::Saumon) {
        session.Profils.EcartementZ = projet.Profils.EcartementZ;
        m_fenetre.Vue().BornesListes();
        RejouerInterrupteurs(projet);
    }
    if (arret <= EtapeProjet::Saumon || !AppliquerAngles(projet, arret)) {
        // The reading stopped here: what came before stays, drawn as it now is.
        m_fenetre.Vue().BornesListes();
        m_fenetre.Vue().ReprojeterVue();
        return;
    }
    if (!projet.Commentaire.isEmpty()) {
        m_commentaire->DefinirTexte(projet.Commentaire);
        m_fenetre.Controles().chkVoirCommentaires->setChecked(true);
    }
    session.ProjetOuvert = true;
    m_fenetre.setWindowTitle(TitreFenetreProjet(chemin));
    CalculerExtremes(session.Profils);
    AppliquerChampsProjet();
    if (session.Profils.NbPointsE() != session.Profils.NbPointsS()) {
        m_fenetre.Controles().chkFil->setEnabled(false);
        m_fenetre.Controles().chkSurface->setEnabled(false);
    }
    m_fenetre.Vue().ReprojeterVue();
}

void PiloteFichiers::AppliquerCote(int cote, DonneesProjet& projet)
{
    SessionEdition& session = m_fenetre.Session();
    m_fenetre.Controles().lblNomFichier[cote]->setText(projet.NomFichier[cote]);
    session.Profils.Points(cote) = std::move(projet.Profils.Points(cote));
    BornerPointsCourants();
}

// The current points stay within the new counts.
void PiloteFichiers::BornerPointsCourants()
{
    SessionEdition& session = m_fenetre.Session();
    for (int cote : {CoteE, CoteS}) {
        int32_t& courant = session.Edition.PointCourant(cote);
        courant = std::clamp<int32_t>(courant, 1, std::max<int32_t>(1, session.Profils.NbPoints(cote)));
    }
}

// Every switch goes up, then "Aligner", the sweep switch and the dihedral switch go down as
// the file says, each running its own placing as a click would; the history is not touched.
void PiloteFichiers::RejouerInterrupteurs(const DonneesProjet& projet)
{
    SessionEdition& session = m_fenetre.Session();
    session.Geometrie.Interrupteurs = InterrupteursGeometrie{};
    std::vector<SuiteCommande> suites;
    auto presser = [&](auto&& commande) {
        session.Edition.BlocageUndo = true;
        ContexteEdition ctx = session.Contexte();
        suites.push_back(commande(ctx));
    };
    if (projet.Aligner)
        presser([](ContexteEdition& ctx) { return CommandeAligner(ctx, true); });
    if (projet.BoutonFleche >= 0 && projet.BoutonFleche < projet::NbBoutonsFleche)
        presser([&](ContexteEdition& ctx) { return CommandeBoutonFleche(ctx, projet.BoutonFleche, true); });
    if (projet.BoutonDiedre >= 0 && projet.BoutonDiedre < projet::NbBoutonsDiedre)
        presser([&](ContexteEdition& ctx) { return CommandeBoutonDiedre(ctx, projet.BoutonDiedre, true); });
    session.Edition.BlocageUndo = false;
    m_fenetre.Edition().MontrerInterrupteurs();
    for (const SuiteCommande& suite : suites)
        if (suite.Message)
            m_fenetre.Dialogue().Message(suite.Message->Titre, suite.Message->Texte, IconeMessage::Critique,
                                         BoutonsMessage::Ok);
}

// The angle bars take their positions without running their own redraw (the view is drawn
// once at the end with the restored scale and centre). False when a stored angle does not
// fit its bar: Omega is then applied or not as the reading got that far.
bool PiloteFichiers::AppliquerAngles(const DonneesProjet& projet, EtapeProjet arret)
{
    EtatVue& vue = m_fenetre.Session().Vue;
    ControlesFenetre& c = m_fenetre.Controles();
    const std::optional<int16_t> omega = PositionAngle(projet.Omega);
    if (arret == EtapeProjet::Omega || !omega)
        return false;
    {
        const QSignalBlocker blocage(c.hscOmega);
        c.hscOmega->setValue(*omega);
    }
    vue.Omega = *omega;
    const std::optional<int16_t> alpha = PositionAngle(projet.Alpha);
    if (arret == EtapeProjet::Alpha || !alpha)
        return false;
    {
        const QSignalBlocker blocage(c.hscAlpha);
        c.hscAlpha->setValue(*alpha);
    }
    vue.Alpha = *alpha;
    vue.CoeffZoom = projet.CoeffZoom;
    vue.XCentreZoom = projet.XCentreZoom;
    vue.YCentreZoom = projet.YCentreZoom;
    return true;
}

QString PiloteFichiers::TexteNombre(double valeur) const
{
    return PointDecimal(FormaterNombre(valeur, u"#####0.0#"));
}

void PiloteFichiers::AppliquerChampsProjet()
{
    SessionEdition& session = m_fenetre.Session();
    const CoupleProfils& p = session.Profils;
    ControlesFenetre& c = m_fenetre.Controles();
    c.txtCorde[CoteE]->setText(TexteNombre(p.LargeurE));
    c.txtCorde[CoteS]->setText(TexteNombre(p.LargeurS));
    c.txtDiedreMm->setText(TexteNombre(p.DiedreMm));
    c.txtDiedreDeg->setText(TexteNombre(p.DiedreDeg));
    c.lblDiedre->setText(TexteNombre(double(p.YmaxE) - double(p.YmaxS)));
    c.txtFleche->setText(TexteNombre(p.FlecheBA));
    c.lblFleche->setText(TexteNombre(double(p.XmaxE) - double(p.XmaxS)));
    c.txtEcartementZ->setText(TexteNombre(p.EcartementZ));
    session.Geometrie.FlecheSaisie = p.FlecheBA;
    session.Geometrie.DiedreMmSaisi = p.DiedreMm;
    session.Geometrie.DiedreDegSaisi = p.DiedreDeg;
}

} // namespace galbix
