#include "app/PiloteEditionPoints.h"

#include "view/ui/Dialogues.h"
#include "app/FenetrePrincipale.h"
#include "app/PiloteEdition.h"
#include "app/PiloteVue.h"

#include "editing/Transaction.h"
#include "model/Extremes.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QToolButton>
#include <new>

namespace galbix {

namespace {

// A field the user types text into: the editing keys belong to it, even when it is read-only.
bool EstChampTexte(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

} // namespace

PiloteEditionPoints::PiloteEditionPoints(FenetrePrincipale& fenetre) : m_fenetre(fenetre) {}

void PiloteEditionPoints::Connecter()
{
    ControlesFenetre& c = m_fenetre.Controles();
    connect(c.cmdSupprimer, &QAbstractButton::clicked, this, &PiloteEditionPoints::Supprimer);
    connect(c.cmdInsererPoint, &QAbstractButton::clicked, this, &PiloteEditionPoints::InsererPoint);
    connect(c.cmdCopier, &QAbstractButton::clicked, this, &PiloteEditionPoints::Copier);
    connect(c.cmdCouper, &QAbstractButton::clicked, this, &PiloteEditionPoints::Couper);
    connect(c.cmdColler, &QAbstractButton::clicked, this, &PiloteEditionPoints::Coller);
    connect(c.cmdRenumeroter, &QAbstractButton::clicked, this, &PiloteEditionPoints::Renumeroter);
    for (int i = 0; i < int(c.cmdDupliquer.size()); ++i)
        connect(c.cmdDupliquer[size_t(i)], &QAbstractButton::clicked, this, [this, i] { Dupliquer(i); });
    connect(c.chkInsertionProfils, &QCheckBox::toggled, this, &PiloteEditionPoints::InsertionCochee);
    if (const QClipboard* systeme = QGuiApplication::clipboard())
        connect(systeme, &QClipboard::dataChanged, this, [this] { m_copieRemplacee = true; });
    ConnecterRaccourcis();
}

void PiloteEditionPoints::Executer(const std::function<SuitePoints(ContexteEdition&)>& commande,
                                   const QString& titreLimites)
{
    ContexteEdition ctx = m_fenetre.Session().Contexte();
    Appliquer(ExecuterEntier(ctx, commande, titreLimites));
}

// Out of memory while the window follows the command, the model stays as the command left it.
void PiloteEditionPoints::Appliquer(const SuitePoints& suite)
{
    try {
        AppliquerSuite(suite);
    } catch (const std::bad_alloc&) {
        m_fenetre.Dialogue().Message(TitreMemoireInsuffisante, TexteMemoireInsuffisante, IconeMessage::Critique,
                                     BoutonsMessage::Ok);
    }
}

void PiloteEditionPoints::AppliquerSuite(const SuitePoints& suite)
{
    if (suite.CopieFaite)
        if (QClipboard* systeme = QGuiApplication::clipboard()) {
            m_texteCopie = TexteDuPressePapiers(m_fenetre.Session().PressePapier);
            systeme->setText(m_texteCopie);
            m_copieRemplacee = false;
        }
    if (suite.BornesListes && !suite.Suite.Refuse)
        m_fenetre.Vue().BornesListes();
    if (!suite.Ajuster) {
        m_fenetre.Edition().Appliquer(suite.Suite);
        return;
    }
    SuiteCommande sansDessin = suite.Suite;
    sansDessin.Vue = MiseAJourVue::Aucune;
    m_fenetre.Edition().Appliquer(sansDessin);
    if (!suite.Suite.Refuse)
        m_fenetre.Vue().AjusterVue();
}

void PiloteEditionPoints::Supprimer()
{
    Executer([](ContexteEdition& ctx) { return CommandeSupprimer(ctx); });
}

void PiloteEditionPoints::InsererPoint()
{
    Executer([](ContexteEdition& ctx) { return CommandeInsererPoint(ctx); });
}

void PiloteEditionPoints::Copier()
{
    PressePapiers& pp = m_fenetre.Session().PressePapier;
    Executer([&pp](ContexteEdition& ctx) { return CommandeCopier(ctx, pp); });
}

void PiloteEditionPoints::Couper()
{
    PressePapiers& pp = m_fenetre.Session().PressePapier;
    Executer([&pp](ContexteEdition& ctx) { return CommandeCouper(ctx, pp); });
}

void PiloteEditionPoints::Coller()
{
    std::optional<PressePapiers> texte;
    if (!LirePressePapiersSysteme(texte))
        return;
    const PressePapiers& pp = texte ? *texte : m_fenetre.Session().PressePapier;
    Executer([&pp](ContexteEdition& ctx) { return CommandeColler(ctx, pp); });
}

// Text another program put on the system clipboard after this window's last copy wins over
// the session's clipboard; so does any text while the session's clipboard is empty. False
// (with a message) when that text cannot be pasted.
bool PiloteEditionPoints::LirePressePapiersSysteme(std::optional<PressePapiers>& texte)
{
    const QClipboard* systeme = QGuiApplication::clipboard();
    const QString brut = systeme ? systeme->text() : QString();
    const bool externe = m_copieRemplacee && brut != m_texteCopie;
    if (brut.trimmed().isEmpty() || (!m_fenetre.Session().PressePapier.Vide() && !externe))
        return true;
    bool horsLimites = false;
    int ligne = 0;
    texte = LireTextePoints(brut, &horsLimites, &ligne);
    if (texte)
        return true;
    if (horsLimites) {
        m_fenetre.Dialogue().Message(TitreErreurSaisie, TexteErreurSaisie, IconeMessage::Critique, BoutonsMessage::Ok);
        return false;
    }
    QString message;
    if (ligne > 0) {
        const QString contenu = brut.split(brut.contains(u'\n') ? u'\n' : u'\r').value(ligne - 1).trimmed();
        message = tr("La ligne %1 du presse-papiers ne se lit pas comme deux nombres :\n%2\n\n"
                     "Rien n'a été collé.").arg(ligne).arg(contenu.left(80));
    } else {
        message = tr("Le texte du presse-papiers ne contient aucun point (deux nombres par ligne).\n\n"
                     "Rien n'a été collé.");
    }
    m_fenetre.Dialogue().Message(tr("Collage impossible"), message, IconeMessage::Critique, BoutonsMessage::Ok);
    return false;
}

void PiloteEditionPoints::Renumeroter()
{
    const float tolerance = m_fenetre.Session().ToleranceContour;
    Executer([tolerance](ContexteEdition& ctx) { return CommandeRenumeroter(ctx, tolerance); });
}

void PiloteEditionPoints::Dupliquer(int index)
{
    QLineEdit* champ = m_fenetre.Controles().txtEcartementAiles;
    QString texteChamp;
    ContexteEdition ctx = m_fenetre.Session().Contexte();
    const SuitePoints suite = ExecuterEntier(
        ctx, [&](ContexteEdition& c) { return CommandeDupliquer(c, Duplication(index), champ->text(), texteChamp); },
        TitreErreurEcartementAiles);
    if (suite.Suite.Refuse) {
        m_fenetre.Edition().Appliquer(suite.Suite, champ);
        return;
    }
    champ->setText(texteChamp);
    Appliquer(suite);
}

// The keys act like the buttons, only while those are enabled, wherever the focus lies in the
// window except in a text field, where they keep their meaning for the text.
void PiloteEditionPoints::ConnecterRaccourcis()
{
    ControlesFenetre& c = m_fenetre.Controles();
    c.pctProfils->setFocusPolicy(Qt::ClickFocus);
    for (QGroupBox* liste : c.frmPoints)
        liste->setFocusPolicy(Qt::ClickFocus);
    const auto raccourci = [this](const QKeySequence& touches, QAbstractButton* bouton,
                                  void (PiloteEditionPoints::*action)()) {
        auto* s = new QShortcut(touches, &m_fenetre);
        connect(s, &QShortcut::activated, this, [this, bouton, action] {
            if (bouton->isEnabled() && !EstChampTexte(QApplication::focusWidget()))
                (this->*action)();
        });
    };
    raccourci(QKeySequence(QKeySequence::Copy), c.cmdCopier, &PiloteEditionPoints::Copier);
    raccourci(QKeySequence(QKeySequence::Cut), c.cmdCouper, &PiloteEditionPoints::Couper);
    raccourci(QKeySequence(QKeySequence::Paste), c.cmdColler, &PiloteEditionPoints::Coller);
    raccourci(QKeySequence(Qt::Key_Delete), c.cmdSupprimer, &PiloteEditionPoints::Supprimer);
}

void PiloteEditionPoints::InsertionCochee(bool coche)
{
    if (coche && !m_insertion.Actif)
        EntrerInsertion();
    else if (!coche && m_insertion.Actif)
        QuitterInsertion();
}

// The window starts again as at start-up (its settings are not re-read while the box is
// ticked) with an empty model; the box stays usable so that the mode can be left at once.
void PiloteEditionPoints::EntrerInsertion()
{
    SessionEdition& session = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    if (SansPointInsertion(session.Profils))
        m_fenetre.Dialogue().Message(TitreSansPointInsertion, TexteSansPointInsertion, IconeMessage::Critique,
                                     BoutonsMessage::Ok);
    galbix::EntrerInsertion(m_insertion, session.Profils, session.Historique, session.Edition, session.Geometrie);
    for (int cote : {CoteE, CoteS})
        m_insertion.NomsFichiers[size_t(cote)] = c.lblNomFichier[cote]->text();
    m_fenetreSauvee = {m_fenetre.windowTitle(), c.txtCommentaire->toPlainText(), c.chkVoirCommentaires->isChecked()};
    const GeometrieFenetre geometrie = m_fenetre.GeometrieActuelle();
    EcrireGeometrie(m_fenetre.FichierReglages(), geometrie, geometrie.WindowState == EtatFenetreNormal);
    c.lblInsertionProfils->setText(LibelleModeInsertion);
    m_fenetre.Initialiser();
    c.chkInsertionProfils->setEnabled(true);
    m_fenetre.Vue().BornesListes();
    m_fenetre.Vue().ReprojeterVue();
}

void PiloteEditionPoints::QuitterInsertion()
{
    SessionEdition& session = m_fenetre.Session();
    ControlesFenetre& c = m_fenetre.Controles();
    const bool profilOuvert = session.ProjetOuvert;
    galbix::QuitterInsertion(m_insertion, profilOuvert, session.Profils, session.Historique, session.Edition,
                             session.Geometrie);
    for (int cote : {CoteE, CoteS})
        c.lblNomFichier[cote]->setText(m_insertion.NomsFichiers[size_t(cote)]);
    m_fenetre.setWindowTitle(m_fenetreSauvee.Titre);
    c.txtCommentaire->setPlainText(m_fenetreSauvee.Commentaire);
    c.chkVoirCommentaires->setChecked(m_fenetreSauvee.VoirCommentaires);
    session.ProjetOuvert = true;
    m_fenetre.ActiverCommandes();
    c.lblInsertionProfils->hide();
    if (profilOuvert) {
        ContexteEdition ctx = session.Contexte();
        galbix::EnregistrerUndo(ctx);
    }
    CalculerExtremes(session.Profils);
    SuiteCommande suite;
    suite.ReglagesRestaures = true;
    suite.Textes = CalculerTextesGeometrie(session.Profils, session.Geometrie);
    m_fenetre.Edition().Appliquer(suite);
    m_fenetre.Vue().BornesListes();
    m_fenetre.Vue().AjusterVue();
}

} // namespace galbix
