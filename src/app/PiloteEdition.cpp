#include "app/PiloteEdition.h"

#include "view/ui/Dialogues.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteVue.h"

#include "editing/Transaction.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>
#include <new>

namespace galbix {

namespace {

// Sets a two-state control without running its handler.
void Cocher(QAbstractButton* bouton, bool coche)
{
    const QSignalBlocker blocage(bouton);
    bouton->setChecked(coche);
}

} // namespace

PiloteEdition::PiloteEdition(FenetrePrincipale& fenetre) : m_fenetre(fenetre) {}

ContexteEdition PiloteEdition::Contexte() { return m_fenetre.Session().Contexte(); }

void PiloteEdition::Connecter()
{
    ConnecterChamps();
    ConnecterSelection();
    ConnecterPlacement();
    ConnecterUndo();
    ConnecterRaccourcis();
}

void PiloteEdition::EnregistrerUndo()
{
    ContexteEdition ctx = Contexte();
    galbix::EnregistrerUndo(ctx);
}

void PiloteEdition::Executer(const std::function<SuiteCommande(ContexteEdition&)>& commande)
{
    ContexteEdition ctx = Contexte();
    Appliquer(ExecuterEntier(ctx, commande));
}

// "Undo" and "Redo" work on the history itself: out of memory, the model copied back may be
// incomplete, and the entry is restored again by the next press.
void PiloteEdition::ExecuterHistorique(SuiteCommande (*commande)(ContexteEdition&))
{
    SuiteCommande suite;
    try {
        ContexteEdition ctx = Contexte();
        suite = commande(ctx);
    } catch (const std::bad_alloc&) {
        suite = SuiteCommande{};
        Refuser(suite, {TitreMemoireInsuffisante, TexteMemoireInsuffisante});
    }
    Appliquer(suite);
}

void PiloteEdition::Appliquer(const SuiteCommande& suite) { Appliquer(suite, nullptr); }

// Out of memory while the window follows a command, the model stays as the command left it
// and the user is told.
void PiloteEdition::Appliquer(const SuiteCommande& suite, QLineEdit* champ)
{
    try {
        AppliquerSuite(suite, champ);
    } catch (const std::bad_alloc&) {
        m_fenetre.Dialogue().Message(TitreMemoireInsuffisante, TexteMemoireInsuffisante, IconeMessage::Critique,
                                     BoutonsMessage::Ok);
    }
}

void PiloteEdition::AppliquerSuite(const SuiteCommande& suite, QLineEdit* champ)
{
    if (suite.Message)
        m_fenetre.Dialogue().Message(suite.Message->Titre, suite.Message->Texte, IconeMessage::Critique,
                                     BoutonsMessage::Ok);
    if (suite.Refuse) {
        if (champ)
            champ->setSelection(0, int(champ->text().size()));
        return;
    }
    if (suite.ReglagesRestaures) {
        MontrerReglages();
        m_fenetre.Vue().BornesListes();
    } else if (suite.InterrupteursModifies) {
        MontrerInterrupteurs();
    }
    if (suite.RemettreChamps && champ)
        RemettreChamps(champ);
    if (suite.Textes)
        EcrireTextes(*suite.Textes);
    if (suite.Vue == MiseAJourVue::Reprojeter)
        m_fenetre.Vue().ReprojeterVue();
    else if (suite.Vue == MiseAJourVue::Rafraichir)
        m_fenetre.Vue().RafraichirVue();
}

void PiloteEdition::TerminerCommande()
{
    ContexteEdition ctx = Contexte();
    Appliquer(galbix::TerminerCommande(ctx));
}

void PiloteEdition::MontrerInterrupteurs()
{
    SessionEdition& session = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    const bool blocageAvant = session.Edition.BlocageUndo;
    session.Edition.BlocageUndo = true;
    const InterrupteursGeometrie& inter = session.Geometrie.Interrupteurs;
    for (int i = 0; i < int(c.chkFleche.size()); ++i)
        Cocher(c.chkFleche[size_t(i)], inter.IndexFleche == i);
    for (int i = 0; i < int(c.chkDiedre.size()); ++i)
        Cocher(c.chkDiedre[size_t(i)], inter.IndexDiedre == i);
    Cocher(c.chkAligner, inter.Aligner);
    session.Edition.BlocageUndo = blocageAvant;
}

// After "Undo" or "Redo": the selection option and the display check boxes as well.
void PiloteEdition::MontrerReglages()
{
    SessionEdition& session = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    MontrerInterrupteurs();
    const bool blocageAvant = session.Edition.BlocageUndo;
    session.Edition.BlocageUndo = true;
    Cocher(c.optSelection[size_t(IndexDeMode(session.Edition.ModeSelection))], true);
    for (int cote : {CoteE, CoteS}) {
        Cocher(c.chkAfficherProfil[size_t(cote)], session.Vue.Options.AfficherProfil[cote]);
        Cocher(c.chkAfficherPoints[size_t(cote)], session.Vue.Options.AfficherPoints[cote]);
    }
    session.Edition.BlocageUndo = blocageAvant;
}

void PiloteEdition::EcrireTextes(const TextesGeometrie& textes)
{
    ControlesFenetre& c = m_fenetre.Controles();
    for (int cote : {CoteE, CoteS})
        c.txtCorde[size_t(cote)]->setText(textes.Corde[size_t(cote)]);
    c.txtEcartementZ->setText(textes.EcartementZ);
    c.txtFleche->setText(textes.Fleche);
    c.lblFleche->setText(textes.LabelFleche);
    c.txtDiedreMm->setText(textes.DiedreMm);
    c.txtDiedreDeg->setText(textes.DiedreDeg);
    c.lblDiedre->setText(textes.LabelDiedre);
}

// A stretch writes 100 back into the three stretch fields; a rotation or a translation
// writes 0 back into its own field.
void PiloteEdition::RemettreChamps(QLineEdit* champ)
{
    const auto& etirer = m_fenetre.Controles().txtEtirer;
    if (std::find(etirer.begin(), etirer.end(), champ) != etirer.end()) {
        for (QLineEdit* ligne : etirer)
            ligne->setText(FormaterChampRemis(100.0));
    } else {
        champ->setText(FormaterChampRemis(0.0));
    }
}

void PiloteEdition::ConnecterSelection()
{
    ControlesFenetre& c = m_fenetre.Controles();
    const auto panneau = [this](QAbstractButton* bouton, int cote, CommandeCote commande) {
        connect(bouton, &QAbstractButton::clicked, this, [this, cote, commande] {
            Executer([&](ContexteEdition& ctx) { return CommandePanneau(ctx, cote, commande); });
        });
    };
    for (int cote : {CoteE, CoteS}) {
        panneau(c.cmdSelectAll[size_t(cote)], cote, CommandeCote::ToutSelectionner);
        panneau(c.cmdRAZSelection[size_t(cote)], cote, CommandeCote::ToutDeselectionner);
        panneau(c.cmdSelectionAngle[size_t(cote)], cote, CommandeCote::Angles);
        panneau(c.cmdSelectionAuto[size_t(2 * cote)], cote, CommandeCote::XminXmax);
        panneau(c.cmdSelectionAuto[size_t(2 * cote + 1)], cote, CommandeCote::YminYmax);
    }
    connect(c.cmdInverserSelection, &QAbstractButton::clicked, this,
            [this] { Executer([](ContexteEdition& ctx) { return CommandeInverserSens(ctx); }); });
    for (int i = 0; i < int(c.optSelection.size()); ++i)
        connect(c.optSelection[size_t(i)], &QRadioButton::toggled, this, [this, i](bool coche) {
            if (coche)
                Executer([i](ContexteEdition& ctx) { return CommandeModeSelection(ctx, i); });
        });
    for (int i = 0; i < int(c.cmdSymetrie.size()); ++i)
        connect(c.cmdSymetrie[size_t(i)], &QAbstractButton::clicked, this,
                [this, i] { Executer([i](ContexteEdition& ctx) { return CommandeMiroir(ctx, SensMiroir(i)); }); });
}

// The placing buttons act on the user's click only: setting them from the program
// (MontrerInterrupteurs) runs nothing.
void PiloteEdition::ConnecterPlacement()
{
    ControlesFenetre& c = m_fenetre.Controles();
    for (int i = 0; i < int(c.chkFleche.size()); ++i)
        connect(c.chkFleche[size_t(i)], &QAbstractButton::clicked, this, [this, i](bool enfonce) {
            Executer([i, enfonce](ContexteEdition& ctx) { return CommandeBoutonFleche(ctx, i, enfonce); });
        });
    for (int i = 0; i < int(c.chkDiedre.size()); ++i)
        connect(c.chkDiedre[size_t(i)], &QAbstractButton::clicked, this, [this, i](bool enfonce) {
            Executer([i, enfonce](ContexteEdition& ctx) { return CommandeBoutonDiedre(ctx, i, enfonce); });
        });
    connect(c.chkAligner, &QAbstractButton::clicked, this, [this](bool enfonce) {
        Executer([enfonce](ContexteEdition& ctx) { return CommandeAligner(ctx, enfonce); });
    });
}

void PiloteEdition::Annuler() { ExecuterHistorique(&CommandeAnnuler); }

void PiloteEdition::Retablir() { ExecuterHistorique(&CommandeRetablir); }

void PiloteEdition::ConnecterUndo()
{
    ControlesFenetre& c = m_fenetre.Controles();
    connect(c.cmdUndo[0], &QAbstractButton::clicked, this, &PiloteEdition::Annuler);
    connect(c.cmdUndo[1], &QAbstractButton::clicked, this, &PiloteEdition::Retablir);
}

void PiloteEdition::ToutSelectionnerCoteCourant()
{
    const int cote = m_fenetre.Session().Vue.CoteCourant == QLatin1String("S") ? CoteS : CoteE;
    if (!m_fenetre.Controles().cmdSelectAll[size_t(cote)]->isEnabled())
        return;
    Executer([cote](ContexteEdition& ctx) { return CommandePanneau(ctx, cote, CommandeCote::ToutSelectionner); });
}

// The keys act like the buttons they stand for, and only while those buttons are enabled.
void PiloteEdition::ConnecterRaccourcis()
{
    ControlesFenetre& c = m_fenetre.Controles();
    const auto raccourci = [this](const QKeySequence& touches, QWidget* bouton, void (PiloteEdition::*action)()) {
        auto* s = new QShortcut(touches, &m_fenetre);
        connect(s, &QShortcut::activated, this, [this, bouton, action] {
            if (!bouton || bouton->isEnabled())
                (this->*action)();
        });
    };
    raccourci(QKeySequence(Qt::CTRL | Qt::Key_Z), c.cmdUndo[0], &PiloteEdition::Annuler);
    raccourci(QKeySequence(Qt::CTRL | Qt::Key_Y), c.cmdUndo[1], &PiloteEdition::Retablir);
    raccourci(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), c.cmdUndo[1], &PiloteEdition::Retablir);
    raccourci(QKeySequence(Qt::CTRL | Qt::Key_A), nullptr, &PiloteEdition::ToutSelectionnerCoteCourant);
}

} // namespace galbix
