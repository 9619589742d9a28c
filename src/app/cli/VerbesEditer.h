#pragma once
// The verbs of `galbix-cli editer FICHIER.gbx SORTIE.gbx VERBE [ARGUMENTS] ...`: each verb runs
// one command of the main window on the session read from the project, exactly as the window
// does (same snapshots, same tail, same refusals). The first refusal stops the run.

#include "app/SessionEdition.h"
#include "model/Fonctions.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace galbix::cli {

/// What one verb gives back: nothing when the command ran, or the refusal the window would
/// show (its title and text go to stderr, the run stops with exit 2 and writes nothing).
using ResultatVerbe = std::optional<MessageRefus>;

/// One verb: its name, how many arguments follow it, and what it runs. `erreurUsage` is set
/// when an argument is malformed (the run then stops with exit 1).
struct VerbeEditer {
    const char* nom;
    int nbArguments;
    std::function<ResultatVerbe(SessionEdition& session, const QStringList& arguments, QString& erreurUsage)> executer;
    const char* arguments = ""; ///< the arguments as `editer --help` shows them
    const char* aide = "";      ///< one line for `editer --help` (UTF-8)
};

/// After a command that asked the window for new list bounds, the current points go back to 1
/// on both sides, as the point lists put them.
inline void RemettreCourants(SessionEdition& session)
{
    session.Edition.PointCourantE = 1;
    session.Edition.PointCourantS = 1;
}

/// The point-editing verbs: selectionner, deselectionner, courant, supprimer, inserer, copier,
/// couper, coller, renumeroter, dupliquer.
const std::vector<VerbeEditer>& VerbesEditionPoints();
/// The construction and cleaning verbs: intersection, decaler, nettoyer, lisser.
const std::vector<VerbeEditer>& VerbesConstruction();
/// The lines `editer --help` adds: every verb with its arguments and what it does.
QString AideVerbesEditer();

} // namespace galbix::cli
