#pragma once
// Where the tests find the source tree, the shared corpus and the command-line tool. The paths
// are compiled into one file only, so that the other test objects do not depend on the checkout.

#include <QString>

namespace galbix::tests {

/// The root of the source tree.
QString DossierSources();
/// The folder of real-world files beside the checkout (it may not exist).
QString DossierCorpus();
/// The galbix-cli program built with the tests.
QString ProgrammeCli();
/// Qt's lupdate, which extracts the texts to translate from the sources.
QString ProgrammeLupdate();

} // namespace galbix::tests
