#pragma once
// The main window's construction and cleaning commands: "Créer l'intersection", the offset
// field "Décaler", "Nettoyer" and "Lisser (spline)".

#include "editing/QueueConstruction.h"

#include <QObject>

class QLineEdit;

namespace galbix {

class FenetrePrincipale;

class PiloteConstruction : public QObject {
    Q_OBJECT
public:
    /// Child of the window, which deletes it.
    explicit PiloteConstruction(FenetrePrincipale& fenetre);
    /// Connects the three buttons and the offset field.
    void Connecter();

    /// "Créer l'intersection".
    void Intersection();
    /// "Nettoyer": asks whether to keep the correspondence when the counts are equal.
    void Nettoyer();
    /// "Lisser (spline)".
    void Lisser();

private:
    void Appliquer(const SuiteConstruction& suite, QLineEdit* champ = nullptr);
    void AppliquerSuite(const SuiteConstruction& suite, QLineEdit* champ);

    FenetrePrincipale& m_fenetre;
};

} // namespace galbix
