// The refresh of the main window around the three levels of recomputation, and the point lists.

#include "app/PiloteVue.h"

#include "app/FenetrePrincipale.h"
#include "app/PiloteDecoupe.h"
#include "app/PiloteEdition.h"
#include "editing/Queue.h"
#include "view/Rafraichissement.h"
#include "view/ui/VueProfils.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>

namespace galbix {

namespace {

const char* const ProprieteCote = "galbixCote";
const char* const ProprieteLigne = "galbixLigne";

void Colorer(QLabel* etiquette, const QColor& fond, const QColor& texte)
{
    QPalette palette = etiquette->palette();
    if (palette.color(QPalette::Window) == fond && palette.color(QPalette::WindowText) == texte)
        return;
    palette.setColor(QPalette::Window, fond);
    palette.setColor(QPalette::WindowText, texte);
    etiquette->setPalette(palette);
}

void Activer(const ControlesFenetre& c, const DisponibiliteCommandes& d)
{
    c.cmdInsererPoint->setEnabled(d.InsererPoint);
    c.cmdSupprimer->setEnabled(d.Supprimer);
    for (QToolButton* b : c.cmdSymetrie)
        b->setEnabled(d.Symetrie);
    c.cmdInverserSelection->setEnabled(d.InverserSelection);
    c.cmdIntersection->setEnabled(d.Intersection);
    c.cmdLisser->setEnabled(d.Lisser);
    for (QPushButton* b : {c.cmdCouper, c.cmdCopier, c.cmdColler})
        b->setEnabled(d.CouperCopierColler);
    for (QLineEdit* champ : c.txtDeplacer)
        champ->setEnabled(d.Deplacer);
    c.txtDecaler->setEnabled(d.Decaler);
    c.txtTourner->setEnabled(d.Tourner);
    c.cmdRenumeroter->setEnabled(d.Renumeroter);
    for (QLineEdit* champ : c.txtEtirer)
        champ->setEnabled(d.Etirer);
    c.chkInsertionProfils->setEnabled(d.InsertionProfils);
    // The sweep buttons are usable whenever the dihedral buttons are: both need the two
    // profiles, and nothing else ever enables them once the commands were disabled.
    for (QToolButton* b : c.chkFleche)
        b->setEnabled(c.chkDiedre[0]->isEnabled());
}

} // namespace

PiloteVue::PiloteVue(FenetrePrincipale& fenetre) : m_fenetre(fenetre) {}

void PiloteVue::Connecter()
{
    ConnecterListes();
    ConnecterZoomEtAngles();
    ConnecterAffichage();
    for (int cote : {CoteE, CoteS})
        connect(m_fenetre.Controles().cmdOuvrirProfil[cote], &QPushButton::clicked, this,
                [this, cote] { OuvrirProfil(cote); });
    for (int cote : {CoteE, CoteS})
        connect(m_fenetre.Controles().cmdNaca[cote], &QPushButton::clicked, this, [this, cote] { OuvrirNaca(cote); });
}

VueProfils& PiloteVue::Dessin()
{
    return *static_cast<VueProfils*>(m_fenetre.Controles().pctProfils);
}

void PiloteVue::AjusterVue() { Actualiser(Niveau::Ajuster); }
void PiloteVue::ReprojeterVue() { Actualiser(Niveau::Reprojeter); }
void PiloteVue::RecalculerEcran() { Actualiser(Niveau::Recalculer); }
void PiloteVue::RafraichirVue() { Actualiser(Niveau::Dessiner); }

// The availability is set before drawing, since the drawing reads whether "Surface" is
// enabled; the drawing is done at the level asked for, and only once.
void PiloteVue::Actualiser(Niveau niveau)
{
    SessionEdition& session = m_fenetre.Session();
    const ControlesFenetre& c = m_fenetre.Controles();
    const Rafraichissement r = CalculerRafraichissement(session.Profils, session.Edition, session.Vue,
                                                        c.chkInsertionProfils->isEnabled());
    for (QWidget* option : {static_cast<QWidget*>(c.chkFil), static_cast<QWidget*>(c.chkSurface),
                            static_cast<QWidget*>(c.chkProfilIntermediaire)})
        option->setEnabled(r.OptionsActives);
    Activer(c, r.Commandes);
    VueProfils& dessin = Dessin();
    switch (niveau) {
    case Niveau::Dessiner: dessin.DessinerProfils(); break;
    case Niveau::Recalculer: dessin.RecalculerEcran(); break;
    case Niveau::Reprojeter: dessin.ReprojeterVue(); break;
    case Niveau::Ajuster: dessin.AjusterVue(); break;
    }
    for (size_t i = 0; i < r.BarreEtat.size(); ++i)
        c.panneauxEtat[i]->setText(r.BarreEtat[i]);
    AppliquerListes(r);
    dessin.RafraichirSurcouche();
    m_fenetre.Decoupe().ApresRafraichissement();
}

void PiloteVue::AppliquerListes(const Rafraichissement& r)
{
    const ControlesFenetre& c = m_fenetre.Controles();
    const QColor faceBouton = QApplication::palette().color(QPalette::Button);
    for (int cote : {CoteE, CoteS}) {
        for (int rang = 0; rang < LignesListe; ++rang) {
            const LignePoint& ligne = r.Lignes[size_t(cote)][size_t(rang)];
            const QColor fond = ligne.FondSysteme ? faceBouton : VersQColor(ligne.Fond);
            const QColor texte = VersQColor(ligne.Texte);
            QLabel* etiquettes[3] = {c.lblNumPt[cote][rang], c.lblCoordPt[cote][rang], c.lblCoordPt[cote][rang + 5]};
            const QString* textes[3] = {&ligne.Numero, &ligne.X, &ligne.Y};
            for (int i = 0; i < 3; ++i) {
                Colorer(etiquettes[i], fond, texte);
                etiquettes[i]->setText(*textes[i]);
            }
        }
    }
}

void PiloteVue::BornesListes()
{
    SessionEdition& session = m_fenetre.Session();
    const ControlesFenetre& c = m_fenetre.Controles();
    const auto bornes = galbix::BornesListes(session.Profils, session.Edition, m_listes);
    for (int cote : {CoteE, CoteS}) {
        const BornesBarresListe& b = bornes[size_t(cote)];
        QScrollBar* unites = c.vscPoints[cote][0];
        QScrollBar* milliers = c.vscPoints[cote][1];
        const QSignalBlocker blocageUnites(unites);
        const QSignalBlocker blocageMilliers(milliers);
        unites->setRange(b.UnitesMin, b.UnitesMax);
        unites->setValue(b.Unites);
        milliers->setRange(0, b.MilliersMax);
        milliers->setValue(b.Milliers);
        milliers->setVisible(b.MilliersVisible);
        unites->setVisible(!session.Profils.Points(cote).empty());
    }
}

void PiloteVue::PlacerListe(int cote)
{
    SessionEdition& session = m_fenetre.Session();
    const ControlesFenetre& c = m_fenetre.Controles();
    const int32_t n = int32_t(session.Profils.Points(cote).size());
    const int32_t point = std::clamp<int32_t>(session.Edition.PointCourant(cote), 1, std::max<int32_t>(n, 1));
    QScrollBar* unites = c.vscPoints[cote][0];
    QScrollBar* milliers = c.vscPoints[cote][1];
    {
        const QSignalBlocker blocageUnites(unites);
        const QSignalBlocker blocageMilliers(milliers);
        if (n > PointsParMillier) {
            const int32_t m = (point - 1) / PointsParMillier;
            milliers->setValue(m);
            unites->setMaximum(MaxBarreUnites(n, m, milliers->maximum()));
            unites->setValue(point - PointsParMillier * m);
        } else {
            unites->setValue(point);
        }
    }
    // The bars were set from the current point: the change only records the side and the
    // start of the next Ctrl range.
    m_listes.BlocageListe = true;
    galbix::ChangerBarreListe(cote, milliers->value(), milliers->maximum(), unites->value(), false,
                              session.Profils, session.Edition, m_listes, session.Vue.CoteCourant);
}

void PiloteVue::ConnecterListes()
{
    const ControlesFenetre& c = m_fenetre.Controles();
    for (int cote : {CoteE, CoteS}) {
        for (QScrollBar* barre : c.vscPoints[cote]) {
            connect(barre, &QScrollBar::valueChanged, this, [this, cote] { ChangerBarreListe(cote); });
            // With Ctrl held a drag runs the change only once, where the thumb is let go.
            connect(barre, &QScrollBar::sliderReleased, this, [this, cote] {
                if (QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier))
                    ChangerBarreListe(cote);
            });
        }
        for (int rang = 0; rang < LignesListe; ++rang) {
            for (QLabel* etiquette : {c.lblNumPt[cote][rang], c.lblCoordPt[cote][rang], c.lblCoordPt[cote][rang + 5]}) {
                etiquette->setProperty(ProprieteCote, cote);
                etiquette->setProperty(ProprieteLigne, rang);
                etiquette->installEventFilter(this);
            }
        }
    }
}

void PiloteVue::ChangerBarreListe(int cote)
{
    SessionEdition& session = m_fenetre.Session();
    const ControlesFenetre& c = m_fenetre.Controles();
    QScrollBar* unites = c.vscPoints[cote][0];
    QScrollBar* milliers = c.vscPoints[cote][1];
    const bool ctrl = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
    if (ctrl && (unites->isSliderDown() || milliers->isSliderDown()))
        return;
    const ChangementListe changement =
        galbix::ChangerBarreListe(cote, milliers->value(), milliers->maximum(), unites->value(), ctrl,
                                  session.Profils, session.Edition, m_listes, session.Vue.CoteCourant);
    if (changement.MaxUnites >= 0 && unites->maximum() != changement.MaxUnites) {
        const QSignalBlocker blocage(unites);
        unites->setMaximum(changement.MaxUnites);
    }
    if (changement.SelectionEtendue) {
        if (c.chkAligner->isChecked() && session.Edition.ModeSelection == EtatReference) {
            c.chkAligner->click();
            c.chkAligner->click();
        }
        if (!session.Edition.BlocageUndo)
            m_fenetre.Edition().EnregistrerUndo();
        session.Edition.BlocageUndo = false;
    }
    RafraichirVue();
}

void PiloteVue::CliquerLigne(int cote, int ligne)
{
    ContexteEdition ctx = m_fenetre.Session().Contexte();
    const SuiteCommande suite = CommandeLigne(ctx, cote, ligne);
    m_fenetre.Edition().Appliquer(suite);
}

bool PiloteVue::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::MouseButtonRelease) {
        const auto* souris = static_cast<QMouseEvent*>(evenement);
        const QVariant cote = objet->property(ProprieteCote);
        const auto* etiquette = qobject_cast<QLabel*>(objet);
        if (souris->button() == Qt::LeftButton && cote.isValid() && etiquette &&
            etiquette->rect().contains(souris->position().toPoint()))
            CliquerLigne(cote.toInt(), objet->property(ProprieteLigne).toInt());
    }
    return QObject::eventFilter(objet, evenement);
}

} // namespace galbix
