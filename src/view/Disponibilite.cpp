#include "view/Disponibilite.h"

namespace galbix {

char RegleDisponibilite(int32_t nbSelE, int32_t nbSelS)
{
    char regle = 'A';
    if ((nbSelE == 1 && nbSelS == 0) || (nbSelE == 0 && nbSelS == 1))
        regle = 'B';
    if (nbSelE == 1 && nbSelS == 1)
        regle = 'C';
    if (nbSelE == 2 || nbSelE == 3 || nbSelS == 2 || nbSelS == 3)
        regle = 'D';
    if (nbSelE >= 4 || nbSelS >= 4)
        regle = 'E';
    return regle;
}

DisponibiliteCommandes Disponibilites(int32_t nbSelE, int32_t nbSelS, bool insertionActive)
{
    const char regle = RegleDisponibilite(nbSelE, nbSelS);
    const bool unPoint = regle != 'A';                 // B to E
    const bool plusieurs = regle == 'D' || regle == 'E';
    DisponibiliteCommandes d;
    d.Supprimer = unPoint;
    d.CouperCopierColler = unPoint;
    d.Deplacer = unPoint;
    d.InsererPoint = plusieurs;
    d.Symetrie = plusieurs;
    d.InverserSelection = plusieurs;
    d.Intersection = plusieurs;
    d.Lisser = plusieurs;
    d.Decaler = plusieurs;
    d.Tourner = plusieurs;
    d.Etirer = plusieurs;
    d.Renumeroter = regle == 'E';
    d.InsertionProfils = regle == 'C' || insertionActive;
    return d;
}

} // namespace galbix
