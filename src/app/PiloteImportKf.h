#pragma once
// The import of a cutting-program project (".kf") chosen with the root's open button: the
// file is read whole first, then both point lists are replaced and the placement is typed
// into the window's own fields side by side, each followed by Enter, as a user would.

#include <QObject>
#include <QString>

namespace galbix {

class FenetrePrincipale;
struct ProjetKerfex;
struct EtapeKerfex;

class PiloteImportKf : public QObject {
    Q_OBJECT
public:
    explicit PiloteImportKf(FenetrePrincipale& fenetre);

    /// Imports the project at `chemin`. A file that cannot be read, or a value that is not a
    /// number, ends the command without a message and leaves the window as it was: false then.
    bool Importer(const QString& chemin);

private:
    void Charger(const ProjetKerfex& projet, const QString& chemin);
    void EcrireChamps();
    void Executer(const EtapeKerfex& etape);
    void MontrerCommentaire(const QString& commentaire);

    FenetrePrincipale& m_fenetre;
};

} // namespace galbix
