#pragma once
// The main window's whole-point commands: delete, insert, copy, cut, paste, renumber, the two
// "Deux ailes dans le bloc" buttons and the profile-insertion mode; their keyboard shortcuts
// and the mirror of the clipboard on the system clipboard.

#include "editing/InsertionProfils.h"
#include "editing/QueuePoints.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace galbix {

class FenetrePrincipale;

class PiloteEditionPoints : public QObject {
    Q_OBJECT
public:
    explicit PiloteEditionPoints(FenetrePrincipale& fenetre);
    /// Connects the buttons and shortcuts (called once the window is built).
    void Connecter();

    /// "Supprimer".
    void Supprimer();
    /// "Insérer un point".
    void InsererPoint();
    /// "Copier": the clipboard also goes to the system clipboard as text.
    void Copier();
    /// "Couper".
    void Couper();
    /// "Coller": the points of the system clipboard's text when that text was put there after
    /// this window's last copy (or when the session's clipboard is empty), else the session's
    /// clipboard. A text with a line that does not read as two numbers is refused with a message.
    void Coller();
    /// "Renuméroter".
    void Renumeroter();
    /// "Deux ailes dans le bloc", button `index`.
    void Dupliquer(int index);
    /// The profile-insertion mode is running.
    bool InsertionActive() const { return m_insertion.Actif; }

private:
    void Executer(const std::function<SuitePoints(ContexteEdition&)>& commande,
                  const QString& titreLimites = TitreErreurSaisie);
    void Appliquer(const SuitePoints& suite);
    void AppliquerSuite(const SuitePoints& suite);
    void ConnecterRaccourcis();
    bool LirePressePapiersSysteme(std::optional<PressePapiers>& texte);
    void InsertionCochee(bool coche);
    void EntrerInsertion();
    void QuitterInsertion();

    FenetrePrincipale& m_fenetre;
    EtatInsertion m_insertion;
    QString m_texteCopie;          ///< the text this window last put on the system clipboard
    bool m_copieRemplacee = false; ///< the system clipboard changed after that copy
    struct FenetreSauvee {
        QString Titre;
        QString Commentaire;
        bool VoirCommentaires = false;
    } m_fenetreSauvee; ///< what opening the profile to insert changes besides the model
};

} // namespace galbix
