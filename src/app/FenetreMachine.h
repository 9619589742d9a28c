#pragma once
// The dialog "Machine de découpe": the values of the 4-axis machine (kept in the settings
// file, section "Machine") and the command that writes the G-code program of the wing.

#include "files/MachineDecoupe.h"

#include <QDialog>
#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace galbix {

class FenetrePrincipale;

class FenetreMachine : public QDialog {
    Q_OBJECT
public:
    /// The dialog over `fenetre`, filled from its settings file (the cut player's speed when
    /// none is stored).
    explicit FenetreMachine(FenetrePrincipale& fenetre);

    /// The values shown in the fields (as typed; not checked).
    MachineDecoupe Valeurs() const;
    /// Shows `machine` in the fields.
    void Afficher(const MachineDecoupe& machine);
    /// "Écrire le programme…": checks and keeps the values, builds the program, asks for the
    /// file and writes it. False when refused, cancelled or not written (each with its message
    /// but the cancel).
    bool EcrireProgramme();

private:
    std::optional<MachineDecoupe> LireChamps();
    void NommerCourses();
    QWidget* ConstruireChamps();

    FenetrePrincipale& m_fenetre;
    QLineEdit* m_entreChariots = nullptr;
    QLineEdit* m_emplanture = nullptr;
    std::array<QRadioButton*, 2> m_cote{};
    QComboBox* m_axes = nullptr;
    std::array<QLineEdit*, 4> m_courses{};
    std::array<QLabel*, 4> m_nomsCourses{};
    QLineEdit* m_vitesse = nullptr;
    std::array<QRadioButton*, 2> m_avance{};
    QLineEdit* m_saignee = nullptr;
    QLineEdit* m_entree = nullptr;
    QLineEdit* m_debut = nullptr;
    QLineEdit* m_fin = nullptr;
};

/// "Programme G-code…": runs the dialog modally over `fenetre`.
void OuvrirMachineDecoupe(FenetrePrincipale& fenetre);

} // namespace galbix
