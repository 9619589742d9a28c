#pragma once
// The shared set-up of window tests: the main window on a temporary program folder with
// scripted dialogs, profiles computed from the NACA formula or given point by point, and
// controls found by their control name.

#include "common/DialoguesScript.h"
#include "common/DossierProgrammeTemporaire.h"

#include "app/FenetrePrincipale.h"
#include "model/Extremes.h"
#include "model/Naca.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QList>
#include <QPointF>
#include <QTest>
#include <memory>
#include <vector>

namespace galbix::tests {

/// A NACA four-digit profile of `parSurface` points per surface, scaled to `corde` and
/// shifted by (dx, dy).
inline std::vector<PointProfil> Naca(const char* code, int parSurface, double corde, double dx = 0, double dy = 0)
{
    std::vector<PointProfil> points;
    for (const QPointF& p : ProfilNaca4(QString::fromLatin1(code), parSurface))
        points.push_back({float(p.x() * corde + dx), float(p.y() * corde + dy), 0});
    return points;
}

/// Points from coordinates, with the given states (0 for the points beyond them).
inline std::vector<PointProfil> Points(const QList<QPointF>& liste, const QList<int>& etats = {})
{
    std::vector<PointProfil> points;
    for (qsizetype i = 0; i < liste.size(); ++i)
        points.push_back({float(liste[i].x()), float(liste[i].y()), int16_t(i < etats.size() ? etats[i] : 0)});
    return points;
}

/// The states of a point list.
inline QList<int> Etats(const std::vector<PointProfil>& points)
{
    QList<int> etats;
    for (const PointProfil& p : points)
        etats.push_back(p.Etat);
    return etats;
}

/// A main window on its own temporary program folder, answering from a script.
struct BancFenetre {
    DossierProgrammeTemporaire dossier;
    DialoguesScript dialogues;
    std::unique_ptr<FenetrePrincipale> m_fenetre = std::make_unique<FenetrePrincipale>(dialogues);
    FenetrePrincipale& fenetre = *m_fenetre;

    /// Runs the load sequence unless `charger` is false (the test then writes the settings
    /// file or the project first and calls Charger itself).
    explicit BancFenetre(bool charger = true)
    {
        if (charger)
            fenetre.Charger(QString());
    }
    BancFenetre(const BancFenetre&) = delete;
    BancFenetre& operator=(const BancFenetre&) = delete;

    SessionEdition& S() { return fenetre.Session(); }
    CoupleProfils& Profils() { return fenetre.Session().Profils; }
    ControlesFenetre& C() { return fenetre.Controles(); }
    /// A file of the program folder.
    QString Fichier(const QString& nom) const { return dossier.filePath(nom); }

    /// Shows the window and waits until it is on screen.
    bool Montrer()
    {
        fenetre.show();
        return QTest::qWaitForWindowExposed(&fenetre);
    }
    /// Puts both sides in the model as a load would, and enables the commands.
    void Charger(std::vector<PointProfil> e, std::vector<PointProfil> s, float ecartement = 500.0f)
    {
        CoupleProfils& p = Profils();
        p.PointsE = std::move(e);
        p.PointsS = std::move(s);
        p.EcartementZ = ecartement;
        CalculerExtremes(p);
        S().ProjetOuvert = true;
        fenetre.ActiverCommandes();
    }
    /// The control named `nom` ("chkFleche_2", "txtCorde_0", ...).
    template <class T = QWidget>
    T* Controle(const QString& nom)
    {
        return fenetre.findChild<T*>(nom);
    }
    QLineEdit* Champ(const QString& nom) { return Controle<QLineEdit>(nom); }
    QAbstractButton* Bouton(const QString& nom) { return Controle<QAbstractButton>(nom); }
    /// Types `texte` in the field and confirms it with Enter.
    void Entrer(const QString& nom, const QString& texte)
    {
        QLineEdit* champ = Champ(nom);
        champ->setEnabled(true);
        champ->setText(texte);
        QTest::keyClick(champ, Qt::Key_Return);
    }
    /// Clicks the button, enabled first: which commands a state enables is tested elsewhere.
    void Cliquer(const QString& nom)
    {
        Bouton(nom)->setEnabled(true);
        Bouton(nom)->click();
    }
};

} // namespace galbix::tests
