// The controls around the drawing: the zoom bar and its timer, the zoom reset, the angle bars
// with their two presets, and the display check boxes.

#include "view/ui/Dialogues.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteVue.h"
#include "view/ui/VueProfils.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QToolButton>

namespace galbix {

void PiloteVue::ConnecterZoomEtAngles()
{
    const ControlesFenetre& c = m_fenetre.Controles();
    m_minuterieZoom.setInterval(zoom::DelaiRecentrageMs);
    connect(&m_minuterieZoom, &QTimer::timeout, this, &PiloteVue::RecentrerZoom);
    // A drag emits sliderMoved before the change of value, so the refusal has already made
    // the recorded position follow the thumb when the change arrives: the scale stays.
    connect(c.hscZoom, &QScrollBar::sliderMoved, this, &PiloteVue::ZoomGlisse);
    connect(c.hscZoom, &QScrollBar::valueChanged, this, &PiloteVue::ZoomChange);
    connect(c.hscZoom, &QScrollBar::sliderPressed, this, [this] { m_glissementSignale = false; });
    connect(c.cmdZoom, &QToolButton::clicked, this, [this] {
        m_fenetre.Session().Vue.ReinitialiserRectangleZoom();
        AjusterVue();
    });
    connect(c.hscOmega, &QScrollBar::valueChanged, this, &PiloteVue::AngleChange);
    connect(c.hscAlpha, &QScrollBar::valueChanged, this, &PiloteVue::AngleChange);
    connect(c.cmdRAZPerspective, &QToolButton::clicked, this,
            [this] { Prereglage(VuePerspective.Omega, VuePerspective.Alpha); });
    connect(c.cmdRAZVueCote, &QToolButton::clicked, this, [this] { Prereglage(VueDeCote.Omega, VueDeCote.Alpha); });
}

void PiloteVue::ConnecterAffichage()
{
    const ControlesFenetre& c = m_fenetre.Controles();
    OptionsAffichage& options = m_fenetre.Session().Vue.Options;
    for (int cote : {CoteE, CoteS}) {
        connect(c.chkAfficherProfil[cote], &QCheckBox::toggled, this, [this, &options, cote](bool coche) {
            options.AfficherProfil[cote] = coche;
            RafraichirVue();
        });
        connect(c.chkAfficherPoints[cote], &QCheckBox::toggled, this, [this, &options, cote](bool coche) {
            options.AfficherPoints[cote] = coche;
            RafraichirVue();
        });
    }
    connect(c.chkFil, &QCheckBox::toggled, this, [this, &options](bool coche) {
        options.Fil = coche;
        if (!m_fenetre.Session().Vue.BlocageDessin)
            RafraichirVue();
    });
    connect(c.chkSurface, &QCheckBox::toggled, this, [this, &options](bool coche) {
        options.Surface = coche;
        if (!m_fenetre.Session().Vue.BlocageDessin)
            RafraichirVue();
    });
    connect(&Dessin(), &VueProfils::surfaceDecochee, this, [this] {
        EtatVue& vue = m_fenetre.Session().Vue;
        vue.BlocageDessin = true;
        m_fenetre.Controles().chkSurface->setChecked(false);
        vue.BlocageDessin = false;
    });
    connect(c.chkImageFond, &QToolButton::toggled, this, [this](bool coche) {
        const QClipboard* pressePapiers = QGuiApplication::clipboard();
        Dessin().ChangerImageFond(coche, coche && pressePapiers ? pressePapiers->image() : QImage());
    });
}

void PiloteVue::ZoomChange(int position)
{
    const ActionZoom action = galbix::ZoomBarre(m_barreZoom, m_fenetre.Session().Vue, position);
    if (action.ArreterMinuterie)
        m_minuterieZoom.stop();
    if (action.RecalculerEcran)
        RecalculerEcran();
    else if (action.Rafraichir)
        RafraichirVue();
    if (action.DemarrerMinuterie)
        m_minuterieZoom.start();
}

void PiloteVue::ZoomGlisse(int position)
{
    // Shown once per drag: the box takes the mouse, so the drag ends with it.
    if (!m_glissementSignale) {
        m_glissementSignale = true;
        m_fenetre.Dialogue().Message(zoom::TitreGlissement, zoom::TexteGlissement, IconeMessage::Critique,
                                     BoutonsMessage::Ok);
    }
    galbix::ZoomGlisse(m_barreZoom, position);
}

void PiloteVue::RecentrerZoom()
{
    QScrollBar* barre = m_fenetre.Controles().hscZoom;
    m_barreZoom.RecentrageZoom = true;
    barre->setValue(zoom::Milieu);
    m_barreZoom.PositionZoom = barre->value();
    m_barreZoom.RecentrageZoom = false;
    m_minuterieZoom.stop();
}

void PiloteVue::AngleChange()
{
    EtatVue& vue = m_fenetre.Session().Vue;
    vue.Omega = int16_t(m_fenetre.Controles().hscOmega->value());
    vue.Alpha = int16_t(m_fenetre.Controles().hscAlpha->value());
    ReprojeterVue();
}

// Each bar whose value changes re-projects with the old zoom through its own handler; then
// the view is fitted.
void PiloteVue::Prereglage(int16_t omega, int16_t alpha)
{
    m_fenetre.Controles().hscOmega->setValue(omega);
    m_fenetre.Controles().hscAlpha->setValue(alpha);
    AjusterVue();
}

} // namespace galbix
