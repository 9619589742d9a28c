#include "app/ChampNumerique.h"

#include "view/ui/Dialogues.h"
#include "model/Fonctions.h"
#include "model/NumericText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace galbix {

namespace {

bool EstEntree(int touche) { return touche == Qt::Key_Return || touche == Qt::Key_Enter; }

enum class Raccourci { Aucun, Annuler, Retablir };

// Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo.
Raccourci RaccourciAnnulation(const QKeyEvent& touche)
{
    const QKeyCombination combinaison = touche.keyCombination();
    const Qt::KeyboardModifiers mods = combinaison.keyboardModifiers() & ~Qt::KeypadModifier;
    const int code = combinaison.key();
    if (mods == Qt::ControlModifier && code == Qt::Key_Z)
        return Raccourci::Annuler;
    if ((mods == Qt::ControlModifier && code == Qt::Key_Y)
        || (mods == (Qt::ControlModifier | Qt::ShiftModifier) && code == Qt::Key_Z))
        return Raccourci::Retablir;
    return Raccourci::Aucun;
}

} // namespace

ChampNumerique::ChampNumerique(QLineEdit* champ, Dialogues& dialogues, SigneChamp signe, Application application,
                               Affichage affichage)
    : QObject(champ)
    , m_champ(champ)
    , m_dialogues(dialogues)
    , m_signe(signe)
    , m_application(std::move(application))
    , m_affichage(std::move(affichage))
{
    champ->installEventFilter(this);
}

void ChampNumerique::SelectionnerTout()
{
    m_champ->setSelection(0, int(m_champ->text().size()));
}

// A field without a command (the wing spacing, read when the wings are duplicated) ignores
// Enter altogether: no check, no message.
void ChampNumerique::Valider()
{
    if (!m_application)
        return;
    QString texte = m_champ->text(); // the check may complete a copy ("5." is checked as "5.0")
    if (!EstNombreDecimal(texte) || !ValeurSaisieFinie(texte)) {
        m_dialogues.Message(TitreErreurSaisie, TexteErreurSaisie, IconeMessage::Critique, BoutonsMessage::Ok);
        SelectionnerTout();
        return;
    }
    if (m_application) {
        m_application(ValeurSaisieReelle(m_champ->text()));
        m_champ->setModified(false); // confirmed: the undo keys are the model's again
    }
}

void ChampNumerique::Reafficher()
{
    if (m_affichage)
        m_champ->setText(m_affichage());
}

// Only keys that type a character are filtered; editing and navigation keys (arrows, Delete,
// Tab, Ctrl combinations such as copy and paste) keep their usual meaning.
bool ChampNumerique::ToucheRefusee(const QKeyEvent& touche) const
{
    int code = 0;
    if (touche.key() == Qt::Key_Backspace)
        code = ToucheRetourArriere;
    else if (EstEntree(touche.key()))
        code = ToucheEntree;
    else {
        if (touche.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))
            return false;
        const QString texte = touche.text();
        if (texte.size() != 1 || !texte.front().isPrint())
            return false;
        code = texte.front().unicode();
    }
    if (m_signe == SigneChamp::Signe)
        FiltreToucheNombreSigne(code);
    else
        FiltreToucheNombre(code);
    return code == 0;
}

bool ChampNumerique::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != m_champ || !m_champ->isEnabled())
        return false;
    switch (evenement->type()) {
    case QEvent::ShortcutOverride: {
        // Typing not yet confirmed with Enter is undone and redone in the field itself, as in
        // any text field; otherwise the window's shortcuts undo and redo the model.
        const Raccourci r = RaccourciAnnulation(*static_cast<QKeyEvent*>(evenement));
        if (r == Raccourci::Aucun)
            return false;
        // A redo is possible only after an undo of typing, which the field alone holds.
        const bool saisie = r == Raccourci::Annuler ? m_champ->isModified() && m_champ->isUndoAvailable()
                                                    : m_champ->isRedoAvailable();
        if (saisie)
            evenement->accept();
        return true;
    }
    case QEvent::KeyPress: {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if (EstEntree(touche->key()))
            m_entreeEnfoncee = true;
        return ToucheRefusee(*touche);
    }
    case QEvent::KeyRelease: {
        // Only an Enter pressed here counts: the release of the Enter that closed a message
        // box comes back to the field, and must not check the text again and reopen the box.
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if (EstEntree(touche->key()) && !touche->isAutoRepeat() && m_entreeEnfoncee) {
            m_entreeEnfoncee = false;
            Valider();
        }
        return false;
    }
    case QEvent::FocusIn:
        m_entreeEnfoncee = false;
        return false;
    case QEvent::FocusOut: {
        // A message box or another application taking the focus is no leaving of the field.
        const Qt::FocusReason raison = static_cast<QFocusEvent*>(evenement)->reason();
        if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason)
            Reafficher();
        return false;
    }
    default:
        return false;
    }
}

} // namespace galbix
