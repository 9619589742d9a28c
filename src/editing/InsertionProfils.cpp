#include "editing/InsertionProfils.h"

#include <algorithm>

namespace galbix {

int32_t PointInsertion(const std::vector<PointProfil>& points)
{
    for (size_t i = points.size(); i-- > 0;)
        if (AEtat(points[i], EtatSelection))
            return int32_t(i + 1);
    return int32_t(points.size());
}

bool SansPointInsertion(const CoupleProfils& profils)
{
    return !UnPointA(profils.PointsE, EtatSelection) && !UnPointA(profils.PointsS, EtatSelection);
}

void EntrerInsertion(EtatInsertion& etat, CoupleProfils& profils, HistoriqueUndo& historique,
                     const EtatEdition& edition, const EtatGeometrie& geometrie)
{
    etat.Actif = true;
    for (int cote : {CoteE, CoteS})
        etat.PointInsertion(cote) = PointInsertion(profils.Points(cote));
    etat.ProfilsSauves = std::move(profils);
    profils = CoupleProfils{};
    profils.EcartementZ = etat.ProfilsSauves.EcartementZ;
    etat.HistoriqueSauve = std::move(historique);
    historique = HistoriqueUndo{};
    etat.EditionSauvee = edition;
    etat.GeometrieSauvee = geometrie;
}

std::vector<PointProfil> Episser(const std::vector<PointProfil>& sauve, int32_t point,
                                 const std::vector<PointProfil>& insere)
{
    const size_t apres = size_t(std::clamp<int32_t>(point, 0, int32_t(sauve.size())));
    std::vector<PointProfil> resultat;
    resultat.reserve(sauve.size() + insere.size() + 1);
    resultat.insert(resultat.end(), sauve.begin(), sauve.begin() + std::ptrdiff_t(apres));
    resultat.insert(resultat.end(), insere.begin(), insere.end());
    if (apres > 0)
        resultat.push_back({sauve[apres - 1].X, sauve[apres - 1].Y, 0});
    resultat.insert(resultat.end(), sauve.begin() + std::ptrdiff_t(apres), sauve.end());
    return resultat;
}

void QuitterInsertion(EtatInsertion& etat, bool profilOuvert, CoupleProfils& profils, HistoriqueUndo& historique,
                      EtatEdition& edition, EtatGeometrie& geometrie)
{
    if (profilOuvert) {
        for (int cote : {CoteE, CoteS})
            etat.ProfilsSauves.Points(cote) =
                Episser(etat.ProfilsSauves.Points(cote), etat.PointInsertion(cote), profils.Points(cote));
    }
    profils = std::move(etat.ProfilsSauves);
    etat.ProfilsSauves = CoupleProfils{};
    historique = std::move(etat.HistoriqueSauve);
    etat.HistoriqueSauve = HistoriqueUndo{};
    edition = etat.EditionSauvee;
    for (int cote : {CoteE, CoteS})
        edition.PointCourant(cote) =
            std::clamp<int32_t>(edition.PointCourant(cote), 1, std::max<int32_t>(1, profils.NbPoints(cote)));
    geometrie = etat.GeometrieSauvee;
    etat.Actif = false;
}

} // namespace galbix
