#include "view/ListesPoints.h"

#include "model/NumericText.h"

#include <algorithm>

namespace galbix {

namespace {

QString Format(double valeur, QStringView motif)
{
    return PointDecimal(FormaterNombre(valeur, motif));
}

LignePoint Ligne(const std::vector<PointProfil>& points, int32_t n, int16_t mode)
{
    LignePoint ligne;
    if (n < 1 || n > int32_t(points.size()))
        return ligne;
    const PointProfil& p = points[size_t(n - 1)];
    ligne.Numero = Format(n, u"#####");
    ligne.X = Format(p.X, u"#####0.00");
    ligne.Y = Format(p.Y, u"#####0.00");
    if (mode == EtatSelection && AEtat(p, EtatSelection)) {
        ligne.FondSysteme = false;
        ligne.Fond = couleurs::Selection;
        ligne.Texte = couleurs::Blanc;
    } else if (mode == EtatReference && AEtat(p, EtatReference)) {
        ligne.FondSysteme = false;
        ligne.Fond = couleurs::Reference;
        ligne.Texte = couleurs::Blanc;
    } else if (mode == EtatSynchro && AEtat(p, EtatSynchro)) {
        ligne.FondSysteme = false;
        ligne.Fond = couleurs::Synchro;
        ligne.Texte = couleurs::Noir;
    }
    return ligne;
}

} // namespace

BornesBarresListe BornesBarres(int32_t nbPoints)
{
    BornesBarresListe b;
    if (nbPoints <= PointsParMillier) {
        b.UnitesMax = std::max<int32_t>(nbPoints, 1);
        return b;
    }
    b.UnitesMax = PointsParMillier;
    b.MilliersMax = (nbPoints - 1) / PointsParMillier;
    b.MilliersVisible = true;
    b.GaucheUnites = GaucheBarreUnitesDecalee;
    return b;
}

std::array<BornesBarresListe, 2> BornesListes(const CoupleProfils& profils, EtatEdition& edition, EtatListes& listes)
{
    edition.PointCourantE = edition.PointCourantS = 1;
    listes.PointPrecedentE = listes.PointPrecedentS = 1;
    return {BornesBarres(profils.NbPointsE()), BornesBarres(profils.NbPointsS())};
}

int32_t MaxBarreUnites(int32_t nbPoints, int32_t milliers, int32_t milliersMax)
{
    if (milliers >= milliersMax)
        return std::max<int32_t>(nbPoints - PointsParMillier * ((nbPoints - 1) / PointsParMillier), 1);
    return PointsParMillier;
}

std::array<LignePoint, LignesListe> LignesDeListe(const std::vector<PointProfil>& points, int32_t pointCourant,
                                                  int16_t mode)
{
    std::array<LignePoint, LignesListe> lignes;
    for (int k = -2; k <= 2; ++k)
        lignes[size_t(k + 2)] = Ligne(points, pointCourant + k, mode);
    return lignes;
}

ChangementListe ChangerBarreListe(int cote, int32_t milliers, int32_t milliersMax, int32_t unites, bool ctrl,
                                  CoupleProfils& profils, EtatEdition& edition, EtatListes& listes,
                                  QString& coteCourant)
{
    ChangementListe changement;
    const int32_t n = profils.NbPoints(cote);
    int32_t& courant = edition.PointCourant(cote);
    int32_t& precedent = listes.PointPrecedent(cote);
    if (listes.BlocageListe) {
        listes.BlocageListe = false;
    } else {
        changement.MaxUnites = MaxBarreUnites(n, milliers, milliersMax);
        courant = PointsParMillier * milliers + std::min(unites, changement.MaxUnites);
    }
    courant = std::clamp<int32_t>(courant, 1, std::max<int32_t>(n, 1));
    if (ctrl && n > 0) {
        const int32_t debut = std::clamp<int32_t>(precedent, 1, n);
        const int32_t pas = courant >= debut ? 1 : -1;
        std::vector<PointProfil>& points = profils.Points(cote).Modifier();
        for (int32_t i = debut;; i += pas) {
            PoserEtat(points[size_t(i - 1)], edition.ModeSelection);
            if (i == courant)
                break;
        }
        changement.SelectionEtendue = true;
    }
    precedent = courant;
    coteCourant = cote == CoteE ? QStringLiteral("E") : QStringLiteral("S");
    return changement;
}

} // namespace galbix
