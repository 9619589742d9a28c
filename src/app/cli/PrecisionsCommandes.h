#pragma once
// Descriptions and options of the subcommands whose entry in the table gives none, so that
// every subcommand has a help text and the known options are checked before it runs.

#include "app/cli/CommandesCli.h"

namespace galbix::cli {

struct PrecisionsCommande {
    const char* nom;
    const char* description;
    std::optional<OptionsCli> options = std::nullopt;
};

/// The description and options known for each subcommand by name.
const std::vector<PrecisionsCommande>& PrecisionsCommandes();

/// `commandes` with each entry's missing description and options taken from PrecisionsCommandes().
std::vector<Commande> CommandesCompletees(const std::vector<Commande>& commandes);

} // namespace galbix::cli
