#include "editing/Selection.h"

#include "model/Fonctions.h"
#include "model/Extremes.h"

#include <algorithm>
#include <cmath>

namespace galbix {

namespace {

void PoserSurTous(std::vector<PointProfil>& points, int16_t mode)
{
    for (PointProfil& p : points)
        PoserEtat(p, mode);
}

void OterDeTous(std::vector<PointProfil>& points, int16_t mode)
{
    for (PointProfil& p : points)
        OterEtat(p, mode);
}

// Adds the bit to the points numbered `a` and `b` (1-based; numbers outside the side are ignored).
void PoserSurDeux(std::vector<PointProfil>& points, int32_t a, int32_t b, int16_t mode)
{
    for (const int32_t n : {a, b})
        if (n >= 1 && n <= int32_t(points.size()))
            PoserEtat(points[size_t(n - 1)], mode);
}

double AngleDegres(const PointProfil& a, const PointProfil& b)
{
    return AngleSegment(a.X, a.Y, b.X, b.Y) * 180.0 / PiEdition;
}

} // namespace

void ExecuterCommandeCote(CoupleProfils& profils, int cote, int16_t mode, CommandeCote commande)
{
    std::vector<PointProfil>& points = profils.Points(cote).Modifier();
    if (points.empty())
        return;
    const bool e = cote == CoteE;
    switch (commande) {
    case CommandeCote::ToutSelectionner:
        PoserSurTous(points, mode);
        break;
    case CommandeCote::ToutDeselectionner:
        OterDeTous(points, mode);
        break;
    case CommandeCote::XminXmax:
        CalculerExtremes(profils);
        PoserSurDeux(points, e ? profils.IndXminE : profils.IndXminS, e ? profils.IndXmaxE : profils.IndXmaxS, mode);
        break;
    case CommandeCote::YminYmax:
        CalculerExtremes(profils);
        PoserSurDeux(points, e ? profils.IndYminE : profils.IndYminS, e ? profils.IndYmaxE : profils.IndYmaxS, mode);
        break;
    case CommandeCote::Angles:
        SelectionnerAngles(points, mode);
        break;
    }
}

// Each segment's angle is computed once: the second angle of one corner is the first of the next.
void SelectionnerAngles(std::vector<PointProfil>& points, int16_t mode)
{
    const size_t n = points.size();
    if (n < 3)
        return;
    double a1 = AngleDegres(points[0], points[1]);
    for (size_t i = 0; i + 2 < n; ++i) {
        const double a2 = AngleDegres(points[i + 1], points[i + 2]);
        const float d = float(std::fabs(a2 - a1));
        if (d >= AngleCoinMin && d <= 360.0f - AngleCoinMin)
            PoserEtat(points[i + 1], mode);
        a1 = a2;
    }
}

int32_t PointDeLigne(int32_t pointCourant, int ligne)
{
    return pointCourant + ligne - 2;
}

int LigneDuLibelle(int indexLibelle)
{
    return indexLibelle % 5;
}

bool BasculerLigne(CoupleProfils& profils, const EtatEdition& edition, int cote, int ligne)
{
    const int32_t courant = cote == CoteE ? edition.PointCourantE : edition.PointCourantS;
    const int32_t numero = PointDeLigne(courant, ligne);
    if (ligne < 0 || ligne > 4 || numero < 1 || numero > profils.NbPoints(cote))
        return false;
    PointProfil& p = profils.Points(cote).Modifier()[size_t(numero - 1)];
    if (AEtat(p, edition.ModeSelection))
        OterEtat(p, edition.ModeSelection);
    else
        PoserEtat(p, edition.ModeSelection);
    return true;
}

void InverserRuns(std::vector<PointProfil>& points)
{
    auto debut = points.begin();
    while (debut != points.end()) {
        debut = std::find_if(debut, points.end(), [](const PointProfil& p) { return AEtat(p, EtatSelection); });
        const auto fin = std::find_if(debut, points.end(), [](const PointProfil& p) { return !AEtat(p, EtatSelection); });
        std::reverse(debut, fin);
        debut = fin;
    }
}

void InverserSens(CoupleProfils& profils)
{
    for (int cote : {CoteE, CoteS})
        if (UnPointA(profils.Points(cote), EtatSelection))
            InverserRuns(profils.Points(cote).Modifier());
}

int16_t ModeDeIndex(int index)
{
    switch (index) {
    case 1: return EtatReference;
    case 2: return EtatSynchro;
    default: return EtatSelection;
    }
}

int IndexDeMode(int16_t mode)
{
    switch (mode) {
    case EtatReference: return 1;
    case EtatSynchro: return 2;
    default: return 0;
    }
}

} // namespace galbix
