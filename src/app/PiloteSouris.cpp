#include "app/PiloteSouris.h"

#include "view/ui/Dialogues.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteEdition.h"
#include "app/PiloteVue.h"
#include "model/Fonctions.h"
#include "model/Extremes.h"
#include "view/Souris.h"
#include "view/ui/VueProfils.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

namespace galbix {

namespace {

// Mouse positions are widget pixels; the gestures work in drawing units.
QPointF VersUnitesDessin(QPointF pixels)
{
    return pixels * double(TwipsParPixel);
}

// The drag rectangle between two drawing positions.
QRectF Rectangle(QPointF a, QPointF b)
{
    return QRectF(a, b).normalized();
}

constexpr Qt::KeyboardModifiers ToucheGeste = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// Wheel notches are clamped so that a runaway device cannot loop for long.
constexpr int CransMaximum = 20;

} // namespace

PiloteSouris::PiloteSouris(FenetrePrincipale& fenetre) : m_fenetre(fenetre) {}

void PiloteSouris::Connecter()
{
    ControlesFenetre& c = m_fenetre.Controles();
    if (c.pctProfils) {
        c.pctProfils->setMouseTracking(true);
        c.pctProfils->installEventFilter(this);
    }
    if (c.cmdSynchroOptimale)
        connect(c.cmdSynchroOptimale, &QAbstractButton::clicked, this, &PiloteSouris::SynchroniserOptimale);
}

VueProfils* PiloteSouris::Dessin() const
{
    return qobject_cast<VueProfils*>(m_fenetre.Controles().pctProfils);
}

bool PiloteSouris::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != m_fenetre.Controles().pctProfils)
        return QObject::eventFilter(objet, evenement);
    switch (evenement->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* souris = static_cast<QMouseEvent*>(evenement);
        Presser(souris->button(), souris->modifiers(), VersUnitesDessin(souris->position()));
        return true;
    }
    case QEvent::MouseMove: {
        const auto* souris = static_cast<QMouseEvent*>(evenement);
        if (m_mode == ModeSouris::Aucun)
            MontrerCurseur(souris->modifiers());
        Bouger(VersUnitesDessin(souris->position()));
        return true;
    }
    case QEvent::MouseButtonRelease:
        Relacher(VersUnitesDessin(static_cast<QMouseEvent*>(evenement)->position()));
        return true;
    case QEvent::Wheel:
        Tourner(*static_cast<QWheelEvent*>(evenement));
        return true;
    case QEvent::Enter:
        MontrerCurseur(QGuiApplication::queryKeyboardModifiers());
        return false;
    default:
        return QObject::eventFilter(objet, evenement);
    }
}

void PiloteSouris::Presser(Qt::MouseButton bouton, Qt::KeyboardModifiers touches, QPointF position)
{
    SessionEdition& s = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    m_mode = ModeSouris::Aucun;
    m_pointsCourantsAvant = {s.Edition.PointCourantE, s.Edition.PointCourantS};
    const Qt::KeyboardModifiers geste = touches & ToucheGeste;
    VueProfils* dessin = Dessin();
    if (geste == Qt::NoModifier) {
        m_mode = ModeSouris::Pointage;
        const bool zoomEnfonce = c.chkZoomSelection && c.chkZoomSelection->isChecked();
        if (bouton == Qt::RightButton || (bouton == Qt::LeftButton && zoomEnfonce)) {
            m_pointage = Pointage::Zoom;
            s.Vue.Rectangle.x1 = float(position.x());
            s.Vue.Rectangle.y1 = float(position.y());
            c.pctProfils->setCursor(Qt::SizeAllCursor);
        } else if (bouton == Qt::LeftButton) {
            m_pointage = Pointage::Selection;
            m_departSelection = position;
            c.pctProfils->setCursor(Qt::CrossCursor);
        } else {
            m_pointage = Pointage::Ajustement;
            if (bouton == Qt::MiddleButton)
                m_fenetre.Vue().AjusterVue();
        }
        if (dessin)
            dessin->DefinirRectangleSouris({});
    } else if (geste == Qt::ShiftModifier) {
        m_mode = ModeSouris::Panoramique;
        m_depart = m_precedent = position;
        c.pctProfils->setCursor(Qt::ClosedHandCursor);
    } else if (geste == Qt::ControlModifier) {
        if (EnVueDeCote(s.Vue)) {
            m_mode = ModeSouris::Deplacement;
            m_depart = m_precedent = position;
            c.pctProfils->setCursor(Qt::SizeAllCursor);
        } else {
            m_fenetre.Dialogue().Message(TitreDeplacementImpossible, TexteDeplacementImpossible,
                                         IconeMessage::Critique, BoutonsMessage::Ok);
        }
    }
}

void PiloteSouris::Bouger(QPointF position)
{
    SessionEdition& s = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    const float x = float(position.x()), y = float(position.y());
    if (EnVueDeCote(s.Vue) && c.panneauxEtat[3])
        c.panneauxEtat[3]->setText(TexteCurseur(s.Vue, x, y));
    VueProfils* dessin = Dessin();
    switch (m_mode) {
    case ModeSouris::Pointage:
        if (!dessin)
            break;
        if (m_pointage == Pointage::Zoom)
            dessin->DefinirRectangleSouris(Rectangle({s.Vue.Rectangle.x1, s.Vue.Rectangle.y1}, position), Qt::DotLine);
        else if (m_pointage == Pointage::Selection)
            dessin->DefinirRectangleSouris(Rectangle(m_departSelection, position), Qt::DashLine);
        break;
    case ModeSouris::Panoramique:
    case ModeSouris::Deplacement: {
        const bool selection = m_mode == ModeSouris::Deplacement;
        if (selection && !EnVueDeCote(s.Vue))
            break;
        const QPointF ecart = position - m_precedent;
        DecalerCopieDessin(s.Vue, s.Profils, float(ecart.x()), float(ecart.y()), selection);
        // A pan moves everything alike: the picture already drawn is shown shifted.
        if (dessin && selection)
            dessin->DessinerProfils();
        else if (dessin)
            dessin->DecalerBase(ecart / TwipsParPixel);
        m_precedent = position;
        break;
    }
    case ModeSouris::Aucun:
        break;
    }
}

void PiloteSouris::Relacher(QPointF position)
{
    SessionEdition& s = m_fenetre.Session();
    switch (m_mode) {
    case ModeSouris::Pointage:
        if (m_pointage == Pointage::Zoom) {
            FinirZoom(position);
            if (m_mode == ModeSouris::Aucun) {
                // A rectangle without width or height stops the release here.
                MontrerCurseur(QGuiApplication::queryKeyboardModifiers());
                return;
            }
        } else if (m_pointage == Pointage::Selection) {
            FinirSelection(position);
        }
        break;
    case ModeSouris::Panoramique: {
        const QPointF ecart = position - m_depart;
        FinirPanoramique(s.Vue, float(ecart.x()), float(ecart.y()));
        break;
    }
    case ModeSouris::Deplacement:
        FinirDeplacement(position);
        break;
    case ModeSouris::Aucun:
        break;
    }
    TerminerRelachement();
}

void PiloteSouris::FinirZoom(QPointF position)
{
    ControlesFenetre& c = m_fenetre.Controles();
    if (VueProfils* dessin = Dessin())
        dessin->DefinirRectangleSouris({});
    c.pctProfils->unsetCursor();
    if (!ZoomerRectangle(m_fenetre.Session().Vue, float(position.x()), float(position.y()))) {
        m_mode = ModeSouris::Aucun;
        return;
    }
    m_fenetre.Vue().RecalculerEcran();
    if (c.chkZoomSelection)
        c.chkZoomSelection->setChecked(false);
}

void PiloteSouris::FinirSelection(QPointF position)
{
    SessionEdition& s = m_fenetre.Session();
    if (VueProfils* dessin = Dessin())
        dessin->DefinirRectangleSouris({});
    const GestePointage geste{float(m_departSelection.x()), float(m_departSelection.y()), float(position.x()),
                              float(position.y())};
    const ResultatPointage resultat = Pointer(s.Profils, s.Edition, s.Vue, geste);
    if (resultat.SelectionModifiee && !s.Edition.BlocageUndo)
        m_fenetre.Edition().EnregistrerUndo();
    s.Edition.BlocageUndo = false;
}

void PiloteSouris::FinirDeplacement(QPointF position)
{
    SessionEdition& s = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    if (!EnVueDeCote(s.Vue))
        return;
    const QPointF ecart = position - m_depart;
    DeplacerSelectionSouris(s.Profils, s.Vue, float(ecart.x()), float(ecart.y()));
    CalculerExtremes(s.Profils);
    s.Geometrie.Interrupteurs = {};
    m_fenetre.Edition().MontrerInterrupteurs();
    if (c.txtCorde[CoteE])
        c.txtCorde[CoteE]->setText(FormaterChamp(s.Profils.LargeurE));
    if (c.txtCorde[CoteS])
        c.txtCorde[CoteS]->setText(FormaterChamp(s.Profils.LargeurS));
    m_fenetre.Vue().ReprojeterVue();
    if (!s.Edition.BlocageUndo)
        m_fenetre.Edition().EnregistrerUndo();
    s.Edition.BlocageUndo = false;
}

void PiloteSouris::TerminerRelachement()
{
    SessionEdition& s = m_fenetre.Session();
    {
        ContexteEdition ctx = s.Contexte();
        m_fenetre.Edition().Appliquer(CommandeRealigner(ctx));
    }
    for (int cote : {CoteE, CoteS})
        if (s.Edition.PointCourant(cote) != m_pointsCourantsAvant[size_t(cote)])
            m_fenetre.Vue().PlacerListe(cote);
    m_fenetre.Vue().RecalculerEcran();
    m_fenetre.Vue().RafraichirVue();
    m_mode = ModeSouris::Aucun;
    MontrerCurseur(QGuiApplication::queryKeyboardModifiers());
}

void PiloteSouris::Tourner(const QWheelEvent& evenement)
{
    if (m_mode != ModeSouris::Aucun)
        return;
    // Fine-grained wheels send fractions of a notch: they add up, and what is left over a
    // whole number of notches waits for the next turn.
    const int64_t tour = int64_t(m_resteMolette) + evenement.angleDelta().y();
    const int64_t entiers = tour / QWheelEvent::DefaultDeltasPerStep;
    m_resteMolette = int(tour - entiers * QWheelEvent::DefaultDeltasPerStep);
    const int crans = int(std::clamp<int64_t>(entiers, -CransMaximum, CransMaximum));
    const QPointF position = VersUnitesDessin(evenement.position());
    if (!ZoomerMolette(m_fenetre.Session().Vue, float(position.x()), float(position.y()), crans))
        return;
    m_fenetre.Vue().RecalculerEcran();
    m_fenetre.Vue().RafraichirVue();
}

// Hovering shows what a press would start: the zoom cross while the zoom-rectangle button
// is down, an open hand with Shift, the move arrows with Ctrl in side view (a barred
// cursor elsewhere, where the move is refused), else the arrow.
void PiloteSouris::MontrerCurseur(Qt::KeyboardModifiers touches)
{
    ControlesFenetre& c = m_fenetre.Controles();
    if (!c.pctProfils)
        return;
    const Qt::KeyboardModifiers geste = touches & ToucheGeste;
    Qt::CursorShape forme = Qt::ArrowCursor;
    if (geste == Qt::ShiftModifier)
        forme = Qt::OpenHandCursor;
    else if (geste == Qt::ControlModifier)
        forme = EnVueDeCote(m_fenetre.Session().Vue) ? Qt::DragMoveCursor : Qt::ForbiddenCursor;
    else if (geste == Qt::NoModifier && c.chkZoomSelection && c.chkZoomSelection->isChecked())
        forme = Qt::CrossCursor;
    if (c.pctProfils->cursor().shape() != forme)
        c.pctProfils->setCursor(forme);
}

} // namespace galbix
