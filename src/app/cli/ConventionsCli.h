#pragma once
// What every galbix-cli subcommand shares: --help for the tool and for each subcommand (on
// stdout, status 0), --version, refusal of unknown options with one line on stderr and
// status 1, "--option=valeur" spelled as two arguments. The subcommand itself only sees its
// arguments once they passed these checks.

#include "app/cli/CommandesCli.h"

#include <QString>
#include <QStringList>

namespace galbix::cli {

/// What the tool prints and returns for one command line.
struct IssueCli {
    int statut = 0;
    QString sortie;  ///< text for stdout
    QString erreur;  ///< text for stderr
    /// The subcommand to run with `arguments` when the conventions let it through.
    const Commande* commande = nullptr;
    QStringList arguments;
};

/// Checks `arguments` (without the program name) against the tool's conventions and the
/// `commandes` table: either a finished answer (help, version, refusal) or the subcommand to run.
IssueCli AnalyserLigneCli(const QStringList& arguments, const std::vector<Commande>& commandes,
                          const QString& version);

/// The tool's help text: usage, every subcommand with its description, the common options.
QString AideOutil(const std::vector<Commande>& commandes);
/// The SUBCOMMANDS section of the tool's manual page (roff), made from the same table as the
/// help text so that both list the same subcommands; `galbix-cli --page-man` prints it.
QString PageManSousCommandes(const std::vector<Commande>& commandes);
/// The help text of one subcommand: its usage, description and options.
QString AideSousCommande(const Commande& commande);

/// Runs the command line: prints what AnalyserLigneCli answers or runs the subcommand.
int ExecuterLigneCli(const QStringList& arguments, const std::vector<Commande>& commandes, const QString& version);

} // namespace galbix::cli
