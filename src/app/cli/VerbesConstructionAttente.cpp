// Placeholder for the construction verbs until they are built on this branch.
#include "app/cli/VerbesEditer.h"

namespace galbix::cli {

const std::vector<VerbeEditer>& VerbesConstruction()
{
    static const std::vector<VerbeEditer> verbes;
    return verbes;
}

} // namespace galbix::cli
