// One libFuzzer target: GALBIX_CIBLE names its entry point among Cibles().
#include "Entrees.h"

#include <cstdlib>
#include <cstring>

namespace {

galbix::fuzz::Cible Trouver()
{
    size_t nombre = 0;
    const galbix::fuzz::Cible* cibles = galbix::fuzz::Cibles(nombre);
    for (size_t i = 0; i < nombre; ++i)
        if (std::strcmp(cibles[i].nom, GALBIX_CIBLE) == 0)
            return cibles[i];
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    static const galbix::fuzz::Cible cible = Trouver();
    return cible.entree(donnees, taille);
}
