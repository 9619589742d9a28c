#pragma once
// The shared set-up of window tests: the main window on a temporary program folder with
// scripted dialogs, profiles put in the model or written to files, projects opened, and
// controls found by their control name. It brings what every window test file uses: the table
// columns, the byte helpers, the test registration and the widget classes of the controls.

#include "common/Colonnes.h"
#include "common/DialoguesScript.h"
#include "common/DossierProgrammeTemporaire.h"
#include "common/Octets.h"
#include "common/Profils.h"
#include "common/TestMain.h"

#include "app/FenetrePrincipale.h"
#include "app/PiloteEdition.h"
#include "app/PiloteFichiers.h"
#include "app/PiloteVue.h"
#include "files/Projet.h"
#include "model/Extremes.h"

#include <QCheckBox>
#include <QClipboard>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace galbix::tests {

/// A main window on a temporary program folder, answering from a script. Several windows in
/// turn share one folder when the later ones are given the first one's folder.
struct BancFenetre {
    std::shared_ptr<DossierProgrammeTemporaire> dossier;
    DialoguesScript dialogues;
    std::unique_ptr<FenetrePrincipale> m_fenetre = std::make_unique<FenetrePrincipale>(dialogues);
    FenetrePrincipale& fenetre = *m_fenetre;

    /// Runs the load sequence with `argument` as command line unless `charger` is false (the
    /// test then writes the settings file or the project first and calls Charger itself).
    explicit BancFenetre(bool charger = true, const QString& argument = QString(),
                         std::shared_ptr<DossierProgrammeTemporaire> partage = {})
        : dossier(partage ? std::move(partage) : std::make_shared<DossierProgrammeTemporaire>())
    { if (charger) fenetre.Charger(argument); }
    BancFenetre(const BancFenetre&) = delete;
    BancFenetre& operator=(const BancFenetre&) = delete;

    SessionEdition& S() { return fenetre.Session(); }
    CoupleProfils& Profils() { return fenetre.Session().Profils; }
    ControlesFenetre& C() { return fenetre.Controles(); }
    /// A file of the program folder.
    QString Fichier(const QString& nom) const { return dossier->filePath(nom); }
    /// The program folder as the dialogs and the settings file name it.
    QString Dossier() const { return QDir::toNativeSeparators(dossier->path()); }

    /// Shows the window (resized first when a size is given) and lets it settle.
    bool Montrer(QSize taille = {})
    {
        if (taille.isValid()) fenetre.resize(taille);
        fenetre.show();
        if (!QTest::qWaitForWindowExposed(&fenetre)) return false;
        QTest::qWait(20);
        return true;
    }
    /// Shows the window and makes it the active one, for keyboard tests.
    bool Activer()
    { fenetre.show(); fenetre.activateWindow(); return QTest::qWaitForWindowActive(&fenetre); }
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
    /// Enables every control and records the first undo snapshot: which commands a state
    /// enables is tested elsewhere.
    void ToutActiver()
    {
        for (QWidget* w : fenetre.findChildren<QWidget*>()) w->setEnabled(true);
        fenetre.Edition().EnregistrerUndo();
    }
    /// Writes the project as `nom` in the program folder and opens it as the open command does.
    bool OuvrirProjet(DonneesProjet projet, const QString& nom = QStringLiteral("source.gbx"))
    {
        return EcrireProjet(Fichier(nom), projet) && fenetre.Fichiers().OuvrirProjet(Fichier(nom));
    }
    /// Opens the file `nom` of the program folder on side `cote` through the open dialog.
    void OuvrirProfil(int cote, const QString& nom, int filtre = 1)
    {
        dialogues.fichiers.push_back(ChoixFichier{false, Fichier(nom), filtre});
        fenetre.Vue().OuvrirProfil(cote);
    }
    /// The control named `nom` ("chkFleche_2", "txtCorde_0", ...).
    template <class T = QWidget> T* Controle(const QString& nom) { return fenetre.findChild<T*>(nom); }
    QLineEdit* Champ(const QString& nom) { return Controle<QLineEdit>(nom); }
    QAbstractButton* Bouton(const QString& nom) { return Controle<QAbstractButton>(nom); }
    /// Types `texte` in the field and confirms it with Enter.
    void Entrer(const QString& nom, const QString& texte)
    {
        Champ(nom)->setEnabled(true);
        Champ(nom)->setText(texte);
        QTest::keyClick(Champ(nom), Qt::Key_Return);
    }
    /// Clicks the button, enabled first: which commands a state enables is tested elsewhere.
    void Cliquer(const QString& nom) { Bouton(nom)->setEnabled(true); Bouton(nom)->click(); }
    /// Sends a focus-out event to `w`, as a click elsewhere does.
    static void Quitter(QWidget* w, Qt::FocusReason raison = Qt::TabFocusReason)
    { QFocusEvent sortie(QEvent::FocusOut, raison); QCoreApplication::sendEvent(w, &sortie); }
};

/// Point i at (i, i / 10 + dy), selected where `motif` holds '1'.
inline std::vector<PointProfil> RangeePoints(const QString& motif, float dy = 0)
{
    std::vector<PointProfil> p;
    for (qsizetype i = 0; i < motif.size(); ++i)
        p.push_back({float(i + 1), float(i + 1) / 10.0f + dy, int16_t(motif[i] == u'1' ? EtatSelection : 0)});
    return p;
}

/// A loaded window with every control enabled: 10 points a side, points 2 to 4 of E and 5 of S
/// selected, one snapshot in the history, an empty system clipboard.
struct BancRangees : BancFenetre {
    BancRangees()
    {
        QGuiApplication::clipboard()->clear();
        Charger(RangeePoints(QStringLiteral("0111000000")), RangeePoints(QStringLiteral("0000100000"), 1.0f));
        fenetre.Vue().BornesListes();
        fenetre.Vue().AjusterVue();
        ToutActiver();
    }
};

} // namespace galbix::tests

Q_DECLARE_METATYPE(galbix::ReponseMessage) // message answers as table columns
