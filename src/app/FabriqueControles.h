#pragma once
// Small factories that create the main window's controls with their control name, caption,
// hint and the common look (field widths, picture-button size).

#include "app/Icones.h"

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace galbix::fabrique {

/// Control name of element `index` of a control array: "nom_index".
QString NomIndexe(const QString& nom, int index);

/// A frame with its caption.
QGroupBox* Cadre(const QString& nom, const QString& titre);
/// A text button.
QPushButton* Bouton(const QString& nom, const QString& texte, const QString& bulle = {});
/// A picture button; `bascule` makes it a two-state button.
QToolButton* BoutonImage(const QString& nom, IconeGalbix icone, const QString& bulle, bool bascule = false);
/// A check box.
QCheckBox* Case(const QString& nom, const QString& texte, const QString& bulle = {});
/// A one-line numeric field, right-aligned, sized for about eight characters.
QLineEdit* ChampNombre(const QString& nom, const QString& bulle = {});
/// A read-only value shown in a sunken box, sized like a numeric field.
QLabel* Valeur(const QString& nom, const QString& bulle = {});
/// A caption label (no control name); with a companion it greys out with it.
QLabel* Legende(const QString& texte, QWidget* compagnon = nullptr);

} // namespace galbix::fabrique
