// Commands of the main window itself: the editing commands switched as a whole, closing a
// contour, help and about; the hooks by which the editing commands reach the view, the point
// lists and the undo history.

#include "view/ui/Dialogues.h"
#include "app/FenetreAPropos.h"
#include "view/ui/FenetreAide.h"
#include "app/FenetrePrincipale.h"

#include "app/PiloteEdition.h"
#include "app/PiloteEditionPoints.h"
#include "app/PiloteFichiers.h"
#include "app/PiloteVue.h"

#include "model/Extremes.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>

namespace galbix {

void FenetrePrincipale::ConnecterCommandes()
{
    for (int cote : {CoteE, CoteS})
        connect(m_c.cmdFermerProfil[cote], &QPushButton::clicked, this, [this, cote] { FermerProfil(cote); });
    connect(m_c.cmdAide, &QToolButton::clicked, this, [this] {
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &f1);
    });
    connect(m_c.cmdAPropos, &QToolButton::clicked, this, &FenetrePrincipale::AfficherAPropos);
    connect(m_c.chkVoirCommentaires, &QCheckBox::toggled, this, &FenetrePrincipale::VoirCommentaires);
    // Ctrl+O opens the root, Ctrl+S saves the project: the buttons' own commands, while enabled.
    const auto raccourci = [this](const QKeySequence& touches, QAbstractButton* bouton) {
        connect(new QShortcut(touches, this), &QShortcut::activated, bouton, [bouton] {
            if (bouton->isEnabled())
                bouton->click();
        });
    };
    raccourci(QKeySequence(Qt::CTRL | Qt::Key_O), m_c.cmdOuvrirProfil[CoteE]);
    raccourci(QKeySequence(Qt::CTRL | Qt::Key_S), m_c.cmdSauveProfil[2]);
}

std::vector<QWidget*> FenetrePrincipale::CommandesBasculees() const
{
    std::vector<QWidget*> w;
    for (int cote : {CoteE, CoteS}) {
        w.insert(w.end(), m_c.vscPoints[cote].begin(), m_c.vscPoints[cote].end());
        w.insert(w.end(), {m_c.txtCorde[cote], m_c.chkAfficherProfil[cote], m_c.chkAfficherPoints[cote],
                           m_c.txtDeplacer[cote], m_c.cmdRAZSelection[cote], m_c.frmPoints[cote],
                           m_c.cmdSelectAll[cote], m_c.cmdSelectionAngle[cote], m_c.cmdUndo[cote],
                           m_c.cmdFermerProfil[cote], m_c.cmdDupliquer[cote]});
    }
    w.insert(w.end(), {m_c.cmdSauveProfil[0], m_c.cmdSauveProfil[1], m_c.cmdSauveProfil[2]});
    w.insert(w.end(), {m_c.chkImageFond, m_c.cmdRenumeroter, m_c.chkProfilIntermediaire});
    w.insert(w.end(), m_c.optSelection.begin(), m_c.optSelection.end());
    w.insert(w.end(), {m_c.pctProfils, m_c.txtTourner, m_c.chkFil, m_c.chkSurface, m_c.chkAligner, m_c.hscOmega,
                       m_c.hscAlpha, m_c.cmdRAZPerspective, m_c.cmdRAZVueCote, m_c.cmdZoom, m_c.lblZoom, m_c.hscZoom});
    w.insert(w.end(), m_c.txtEtirer.begin(), m_c.txtEtirer.end());
    w.insert(w.end(), m_c.cmdSelectionAuto.begin(), m_c.cmdSelectionAuto.end());
    w.insert(w.end(), {m_c.chkZoomSelection, m_c.txtFleche, m_c.txtEcartementZ});
    w.insert(w.end(), m_c.chkDiedre.begin(), m_c.chkDiedre.end());
    w.insert(w.end(), {m_c.txtDiedreMm, m_c.txtDiedreDeg, m_c.txtEcartementAiles, m_c.txtDecaler,
                       m_c.cmdOuvrirProfil[CoteS], m_c.cmdNaca[CoteS], m_c.frmOuvrir[CoteS], m_c.cmdSynchroOptimale, m_c.cmdNettoyage,
                       m_c.txtCommentaire, m_c.txtTitreCommentaire, m_c.chkVoirCommentaires, m_c.cmdAide,
                       m_c.cmdTransfertKerfex});
    return w;
}

std::vector<QWidget*> FenetrePrincipale::CommandesDesactiveesSeulement() const
{
    std::vector<QWidget*> w = {m_c.cmdCopier, m_c.cmdCouper, m_c.cmdColler, m_c.cmdSupprimer, m_c.cmdInsererPoint,
                               m_c.cmdIntersection, m_c.cmdInverserSelection, m_c.cmdLisser,
                               m_c.cmdSymetrie[0], m_c.cmdSymetrie[1]};
    w.insert(w.end(), m_c.chkFleche.begin(), m_c.chkFleche.end());
    w.insert(w.end(), {m_c.chkInsertionProfils, m_c.txtEcartementIntermediaire, m_c.cmdSauveProfil[3]});
    return w;
}

void FenetrePrincipale::DesactiverCommandes()
{
    for (QWidget* w : CommandesBasculees())
        w->setEnabled(false);
    for (QWidget* w : CommandesDesactiveesSeulement())
        w->setEnabled(false);
    // The profile-insertion mode empties the window too, but then waits for its own profile.
    m_c.lblAccueil->setVisible(!m_pilotes.editionPoints || !m_pilotes.editionPoints->InsertionActive());
}

void FenetrePrincipale::ActiverCommandes()
{
    for (QWidget* w : CommandesBasculees())
        w->setEnabled(true);
    m_c.frmSynchroniser->setEnabled(true);
    m_c.lblAccueil->hide();
}

void FenetrePrincipale::FermerProfil(int cote)
{
    CoupleProfils& profils = m_session.Profils;
    EtatEdition& edition = m_session.Edition;
    // Read-only until the snapshot has shared the points: the write after it copies the side.
    const TableauPoints& points = profils.Points(cote);
    if (points.empty())
        return;
    const PointProfil premier = points.front();
    if (premier.X == points.back().X && premier.Y == points.back().Y) {
        m_dialogues.Message(tr("Opération impossible"),
                            cote == CoteE ? tr("Le profil d'emplanture est déjà fermé")
                                          : tr("Le profil de saumon est déjà fermé"),
                            IconeMessage::Information, BoutonsMessage::Ok);
    } else {
        if (!edition.BlocageUndo)
            EnregistrerUndo();
        profils.Points(cote).push_back(premier);
    }
    if (profils.NbPointsE() != profils.NbPointsS()) {
        m_c.chkFil->setEnabled(false);
        m_c.chkSurface->setEnabled(false);
    }
    if (profils.NbPointsE() > 0 && profils.NbPointsS() > 0)
        CalculerExtremes(profils);
    BornesListes();
    ReprojeterVue();
    if (!edition.BlocageUndo)
        EnregistrerUndo();
    edition.BlocageUndo = false;
}

void FenetrePrincipale::AfficherAide()
{
    // Over the drawing (or with the focus in it) F1 opens the section on the view and zoom.
    const bool dessin = m_c.pctProfils->underMouse() || m_c.pctProfils->hasFocus();
    OuvrirAide(this, dessin ? SectionAideFenetrePrincipale + QStringLiteral("#frmProfils")
                            : SectionAideContexte(this, SectionAideFenetrePrincipale));
}

void FenetrePrincipale::AfficherAPropos()
{
    FenetreAPropos apropos(m_dialogues, this);
    apropos.exec();
}

void FenetrePrincipale::VoirCommentaires(bool visibles)
{
    m_c.txtTitreCommentaire->setVisible(visibles);
    m_c.txtCommentaire->setVisible(visibles);
    // The next fits keep the drawing clear of the box: its size, its margin and a gap as large.
    EtatVue& vue = m_session.Vue;
    const int marge = 2 * 6;
    vue.ReserveLargeur = visibles ? float((m_c.txtCommentaire->width() + marge) * TwipsParPixel) : 0.0f;
    vue.ReserveHauteur = visibles ? float((m_c.txtCommentaire->height() + m_c.txtTitreCommentaire->sizeHint().height() +
                                           marge) * TwipsParPixel)
                                  : 0.0f;
}

bool FenetrePrincipale::SauverProfil(int index) { return m_pilotes.fichiers->SauverProfil(index); }

void FenetrePrincipale::OuvrirProjet(const QString& chemin) { m_pilotes.fichiers->OuvrirProjetDemarrage(chemin); }

void FenetrePrincipale::EnregistrerUndo() { m_pilotes.edition->EnregistrerUndo(); }

void FenetrePrincipale::BornesListes() { m_pilotes.vue->BornesListes(); }

void FenetrePrincipale::ReprojeterVue() { m_pilotes.vue->ReprojeterVue(); }

} // namespace galbix
