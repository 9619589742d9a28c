#pragma once
// The behaviour shared by every numeric field of the main window: only the keys of a number
// are typed, the value is checked and applied when Enter is released, and the field shows
// the model's value again when the focus leaves it (unconfirmed typing is discarded).
// Each field only supplies what Enter applies and what it shows on leaving.

#include <QObject>
#include <QString>
#include <functional>

class QKeyEvent;
class QLineEdit;

namespace galbix {

class Dialogues;

/// Which key filter a field uses.
enum class SigneChamp { NonSigne, Signe };

class ChampNumerique : public QObject {
    Q_OBJECT
public:
    /// What Enter applies, with the value typed (already checked and read).
    using Application = std::function<void(float)>;
    /// The text shown once the focus leaves the field; an empty function leaves the text alone.
    using Affichage = std::function<QString()>;

    /// Attaches the pattern to `champ` (which becomes the parent of this object).
    ChampNumerique(QLineEdit* champ, Dialogues& dialogues, SigneChamp signe, Application application,
                   Affichage affichage);

    /// The field.
    QLineEdit* Champ() const { return m_champ; }
    /// Selects the whole text so that the user can type over it.
    void SelectionnerTout();
    /// What Enter does: checks the text, then applies the value or refuses it with a message
    /// (nothing at all in a field without a command).
    void Valider();
    /// What leaving the field does: the field shows the model's value again.
    void Reafficher();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool ToucheRefusee(const QKeyEvent& touche) const;

    QLineEdit* m_champ;
    Dialogues& m_dialogues;
    SigneChamp m_signe;
    Application m_application;
    Affichage m_affichage;
    bool m_entreeEnfoncee = false; ///< Enter went down in this field and is not yet released
};

} // namespace galbix
