#pragma once
// Test classes register themselves with the test program of their folder; that program runs
// the class named on its command line (or every class) with the C locale pinned, so that number
// formatting never depends on the machine.

#include "model/TexteTraduit.h"
#include "model/Types.h"

#include <QTest>

namespace galbix {

/// A translated constant enters a test table as the QString it stands for.
inline QTestData& operator<<(QTestData& donnees, const TexteTraduit& texte)
{
    return donnees << texte.Texte();
}

} // namespace galbix

namespace galbix::tests {

using LanceurClasse = int (*)(int argc, char** argv);

/// Records the test class of source file `fichier` (its base name names it); always true.
bool InscrireClasse(const char* fichier, LanceurClasse lanceur, bool graphique);

} // namespace galbix::tests

// Point lists as table columns, declared once for every test file of a program.
Q_DECLARE_METATYPE(std::vector<galbix::PointProfil>)

#define GALBIX_INSCRIRE_TEST(TestClass, graphique)                                       \
    namespace {                                                                         \
    int LancerClasse##TestClass(int argc, char** argv)                                  \
    {                                                                                   \
        TestClass test;                                                                 \
        return QTest::qExec(&test, argc, argv);                                         \
    }                                                                                   \
    [[maybe_unused]] const bool Inscrite##TestClass =                                   \
        galbix::tests::InscrireClasse(__FILE__, &LancerClasse##TestClass, graphique);   \
    }

#define GALBIX_TEST_MAIN(TestClass) GALBIX_INSCRIRE_TEST(TestClass, false)
#define GALBIX_GUI_TEST_MAIN(TestClass) GALBIX_INSCRIRE_TEST(TestClass, true)
