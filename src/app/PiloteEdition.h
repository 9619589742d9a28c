#pragma once
// The main window's editing commands: numeric fields, selection, transforms, wing placing,
// undo and redo. Runs the commands on the session and applies what each asks for.

#include "editing/Queue.h"

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

namespace galbix {

class FenetrePrincipale;

class PiloteEdition : public QObject {
    Q_OBJECT
public:
    explicit PiloteEdition(FenetrePrincipale& fenetre);
    /// Connects the controls it drives (called once the window is built).
    void Connecter();

    /// Records the current state in the undo history.
    void EnregistrerUndo();
    /// Applies what a command asks for: message, controls, texts, redraw.
    void Appliquer(const SuiteCommande& suite);
    /// Same for a command entered in the numeric field `champ` (refusal selects its text).
    void Appliquer(const SuiteCommande& suite, QLineEdit* champ);
    /// Runs the tail of an editing command (placing, metrics, snapshot) and applies it.
    void TerminerCommande();
    /// Sets every wing-placing switch from the session with BlocageUndo raised.
    void MontrerInterrupteurs();
    /// "Undo".
    void Annuler();
    /// "Redo".
    void Retablir();
    /// "Tout sélectionner" on the side whose point list was used last (side E by default).
    void ToutSelectionnerCoteCourant();

private:
    ContexteEdition Contexte();
    void ConnecterChamps();
    void ConnecterChampsPlacement();
    void ConnecterChampsTransformation();
    void ConnecterSelection();
    void ConnecterPlacement();
    void ConnecterUndo();
    void ConnecterRaccourcis();
    void AttacherChamp(QLineEdit* champ, bool signe, std::function<SuiteCommande(ContexteEdition&, float)> commande,
                       std::function<QString()> affichage);
    void Executer(const std::function<SuiteCommande(ContexteEdition&)>& commande);
    void AppliquerSuite(const SuiteCommande& suite, QLineEdit* champ);
    void ExecuterHistorique(SuiteCommande (*commande)(ContexteEdition&));
    void MontrerReglages();
    void EcrireTextes(const TextesGeometrie& textes);
    void RemettreChamps(QLineEdit* champ);

    FenetrePrincipale& m_fenetre;
};

} // namespace galbix
