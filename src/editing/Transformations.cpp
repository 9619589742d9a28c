#include "editing/Transformations.h"

#include "model/Fonctions.h"

#include <cmath>

namespace galbix {

namespace {

// Applies `f(point, box)` to every selected point of each side that has a selection.
template <typename F>
void PourChaqueSelection(CoupleProfils& profils, const BoitesSelection& boites, F&& f)
{
    for (const int cote : {CoteE, CoteS}) {
        const BoiteCote& boite = boites.Cotes[size_t(cote)];
        if (!boite.Presente)
            continue;
        for (PointProfil& p : profils.Points(cote).Modifier())
            if (AEtat(p, EtatSelection))
                f(p, boite);
    }
}

} // namespace

void Miroir(CoupleProfils& profils, SensMiroir sens)
{
    const BoitesSelection boites = BornesSelection(profils, EtatSelection);
    if (sens == SensMiroir::Vertical)
        PourChaqueSelection(profils, boites, [](PointProfil& p, const BoiteCote& b) {
            p.Y = float(double(b.Ymin) + double(b.Ymax) - double(p.Y));
        });
    else
        PourChaqueSelection(profils, boites, [](PointProfil& p, const BoiteCote& b) {
            p.X = float(double(b.Xmin) + double(b.Xmax) - double(p.X));
        });
}

bool Etirer(CoupleProfils& profils, SensEtirement sens, double pourcent)
{
    const BoitesSelection boites = BornesSelection(profils, EtatSelection);
    if (boites.Vide())
        return false;
    const double f = pourcent / 100.0;
    const bool x = sens != SensEtirement::Y;
    const bool y = sens != SensEtirement::X;
    PourChaqueSelection(profils, boites, [=](PointProfil& p, const BoiteCote& b) {
        if (x)
            p.X = float((double(p.X) - b.CentreX()) * f + b.CentreX());
        if (y)
            p.Y = float((double(p.Y) - b.CentreY()) * f + b.CentreY());
    });
    return true;
}

bool Tourner(CoupleProfils& profils, double degres)
{
    const BoitesSelection boites = BornesSelection(profils, EtatSelection);
    if (boites.Vide())
        return false;
    const double theta = degres * PiEdition / 180.0;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    PourChaqueSelection(profils, boites, [=](PointProfil& p, const BoiteCote& b) {
        const double dx = double(p.X) - b.CentreX();
        const double dy = double(p.Y) - b.CentreY();
        p.X = float(dx * c + b.CentreX() - dy * s);
        p.Y = float(dx * s + b.CentreY() + dy * c);
    });
    return true;
}

void Deplacer(CoupleProfils& profils, SensTranslation sens, double mm)
{
    const BoitesSelection boites = BornesSelection(profils, EtatSelection);
    PourChaqueSelection(profils, boites, [=](PointProfil& p, const BoiteCote&) {
        if (sens == SensTranslation::X)
            p.X = float(double(p.X) + mm);
        else
            p.Y = float(double(p.Y) + mm);
    });
}

} // namespace galbix
