#include "files/OuvertureNaca.h"

#include <algorithm>

namespace galbix {

TamponLecture TamponNaca(const ProfilNacaCalcule& profil)
{
    TamponLecture tampon;
    tampon.EnTete = profil.nom;
    if (profil.points.empty())
        return tampon;
    tampon.Points.resize(profil.points.size());
    for (size_t i = 0; i < profil.points.size(); ++i) {
        tampon.Points[i].X = float(profil.points[i].x());
        tampon.Points[i].Y = float(profil.points[i].y());
    }
    const auto parX = [](const PointFichier& a, const PointFichier& b) { return a.X < b.X; };
    const auto parY = [](const PointFichier& a, const PointFichier& b) { return a.Y < b.Y; };
    const auto [xmin, xmax] = std::minmax_element(tampon.Points.begin(), tampon.Points.end(), parX);
    const auto [ymin, ymax] = std::minmax_element(tampon.Points.begin(), tampon.Points.end(), parY);
    tampon.XminFichier = xmin->X;
    tampon.XmaxFichier = xmax->X;
    tampon.YminFichier = ymin->Y;
    tampon.YmaxFichier = ymax->Y;
    return tampon;
}

ResultatOuverture OuvrirNaca(int cote, const ProfilNacaCalcule& profil, bool projetOuvert, CoupleProfils& profils)
{
    ResultatOuverture r = DebutOuverture(cote, projetOuvert);
    if (r.Issue == IssueOuverture::Refus)
        return r;
    if (profil.points.empty()) {
        r.Erreur = profil.erreur;
        return r;
    }
    TamponLecture tampon = TamponNaca(profil);
    return AppliquerTamponGenre(cote, GenreProfil::Dat, profil.nom, tampon, profils);
}

} // namespace galbix
