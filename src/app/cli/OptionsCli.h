#pragma once
// The options a subcommand of galbix-cli declares, so that --help can list them and an
// unknown option is refused before the subcommand runs.

#include <vector>

namespace galbix::cli {

/// One option of a subcommand: "--points" with its value "N", or a switch without value.
struct OptionCli {
    const char* nom;               ///< long form with its dashes, e.g. "--points"
    const char* valeur = nullptr;  ///< name of the value shown in the help ("N"); nullptr for a switch
    const char* aide = "";         ///< one line for the help text
};

using OptionsCli = std::vector<OptionCli>;

} // namespace galbix::cli
