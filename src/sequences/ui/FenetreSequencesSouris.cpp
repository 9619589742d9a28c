// The mouse on the two views of the sequence window: rectangle or click selection in both,
// and in the lower view the drag of the selected contours (Ctrl), the marking (Alt hover) and
// the move (Alt click) of one point; the wheel zooms either view about the pointer.

#include "sequences/ui/FenetreSequences.h"

#include "geomlib/Tolerances.h"

#include "view/ui/Dialogues.h"
#include "sequences/ui/VueSequences.h"

#include <QWheelEvent>

namespace galbix {

namespace {

constexpr Qt::KeyboardModifiers Gestes = Qt::ControlModifier | Qt::AltModifier;
constexpr int CransMaximum = 20;

} // namespace

void FenetreSequences::AppuiHaut(double u, double v, Qt::KeyboardModifiers, Qt::MouseButton bouton)
{
    if (bouton != Qt::LeftButton)
        return;
    m_gesteHaut = Geste::Rectangle;
    m_u0 = u;
    m_v0 = v;
}

void FenetreSequences::MouvementHaut(double u, double v, Qt::MouseButtons boutons)
{
    if (m_gesteHaut != Geste::Rectangle || !(boutons & Qt::LeftButton))
        return;
    m_c.pctSequences->DefinirRectangle(RectangleEcran::Depuis(m_u0, m_v0, u, v));
}

void FenetreSequences::RelacheHaut(double u, double v, Qt::MouseButton bouton)
{
    if (bouton != Qt::LeftButton || m_gesteHaut != Geste::Rectangle)
        return;
    m_gesteHaut = Geste::Aucun;
    m_c.pctSequences->EffacerSurcouche();
    BasculerParRectangle(m_sequences, m_sequencesEcran, RectangleEcran::Depuis(m_u0, m_v0, u, v), tol::PinceeTrait);
    RafraichirHaut();
}

void FenetreSequences::AppuiBas(double u, double v, Qt::KeyboardModifiers touches, Qt::MouseButton bouton)
{
    if (bouton != Qt::LeftButton || m_finales.empty())
        return;
    m_u0 = u;
    m_v0 = v;
    const Qt::KeyboardModifiers geste = touches & Gestes;
    if (geste == Qt::ControlModifier) {
        if (m_finales.size() < 2 || NombreSelectionnees(m_finales) == 0)
            return;
        m_gesteBas = Geste::Glissement;
        m_c.pctSequencesFinal->CommencerGlissement();
    } else if (geste == Qt::AltModifier) {
        if (!m_pointMarque) {
            m_dialogues.Message(sequences::TitreImpossible, sequences::TextePasDePoint, IconeMessage::Critique,
                                BoutonsMessage::Ok);
            return;
        }
        m_gesteBas = Geste::Point;
    } else if (geste == Qt::NoModifier) {
        m_gesteBas = Geste::Rectangle;
    }
}

void FenetreSequences::MouvementBas(double u, double v, Qt::KeyboardModifiers touches, Qt::MouseButtons boutons)
{
    VueSequences* vue = m_c.pctSequencesFinal;
    switch (m_gesteBas) {
    case Geste::Rectangle:
        if (boutons & Qt::LeftButton)
            vue->DefinirRectangle(RectangleEcran::Depuis(m_u0, m_v0, u, v));
        return;
    case Geste::Glissement:
        vue->DefinirGlissement(u - m_u0, v - m_v0);
        return;
    case Geste::Point:
        if (m_pointMarque)
            vue->DefinirMarque(PointSequence{float(m_finalesEcran[size_t(m_pointMarque->Contour)]
                                                       .Points[size_t(m_pointMarque->Point)].X + (u - m_u0)),
                                             float(m_finalesEcran[size_t(m_pointMarque->Contour)]
                                                       .Points[size_t(m_pointMarque->Point)].Y + (v - m_v0)),
                                             0});
        return;
    case Geste::Aucun:
        break;
    }
    if (boutons != Qt::NoButton)
        return;
    // Alt while hovering marks the assembly point under the pointer.
    if ((touches & Gestes) == Qt::AltModifier) {
        m_pointMarque = PointSousCurseur(m_finalesEcran, u, v);
        vue->DefinirMarque(m_pointMarque ? std::optional<PointSequence>(
                                               m_finalesEcran[size_t(m_pointMarque->Contour)]
                                                   .Points[size_t(m_pointMarque->Point)])
                                         : std::nullopt);
    } else if (m_pointMarque) {
        m_pointMarque.reset();
        vue->DefinirMarque(std::nullopt);
    }
}

void FenetreSequences::RelacheBas(double u, double v, Qt::MouseButton bouton)
{
    if (bouton != Qt::LeftButton)
        return;
    const Geste geste = m_gesteBas;
    m_gesteBas = Geste::Aucun;
    VueSequences* vue = m_c.pctSequencesFinal;
    switch (geste) {
    case Geste::Rectangle:
        vue->EffacerSurcouche();
        BasculerParRectangle(m_finales, m_finalesEcran,
                             RectangleEcran::Depuis(m_u0, m_v0, u, v).Agrandi(cadrage::AgrandissementClic),
                             tol::PinceeTrait + cadrage::AgrandissementClic);
        RafraichirBas();
        return;
    case Geste::Glissement:
        DeplacerSelection(m_finales, u - m_u0, v - m_v0, m_cadrageBas.Echelle);
        AjusterBas();
        RafraichirBas();
        return;
    case Geste::Point:
        if (m_pointMarque)
            DeplacerPoint(m_finales, *m_pointMarque, u - m_u0, v - m_v0, m_cadrageBas.Echelle);
        m_pointMarque.reset();
        vue->EffacerSurcouche();
        MapperOuAjusterBas();
        RafraichirBas();
        return;
    case Geste::Aucun:
        return;
    }
}

// Fine-grained wheels send fractions of a notch: they add up until a whole notch is reached.
void FenetreSequences::Molette(bool bas, double u, double v, int huitiemes)
{
    int& reste = m_resteMolette[bas ? 1 : 0];
    const int64_t tour = int64_t(reste) + huitiemes;
    const int64_t entiers = tour / QWheelEvent::DefaultDeltasPerStep;
    reste = int(tour - entiers * QWheelEvent::DefaultDeltasPerStep);
    const int crans = int(std::clamp<int64_t>(entiers, -CransMaximum, CransMaximum));
    if (!ZoomerCadrage(bas ? m_cadrageBas : m_cadrageHaut, u, v, crans))
        return;
    if (bas) {
        MapperBas();
        DessinerBas();
    } else {
        MapperHaut();
        DessinerHaut();
    }
}

} // namespace galbix
