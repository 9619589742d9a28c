#include "view/Rafraichissement.h"

#include "view/BarreEtat.h"

namespace galbix {

namespace {

int32_t Compter(const std::vector<PointProfil>& points, int16_t bit)
{
    int32_t n = 0;
    for (const PointProfil& p : points)
        n += AEtat(p, bit) ? 1 : 0;
    return n;
}

} // namespace

Rafraichissement CalculerRafraichissement(const CoupleProfils& profils, const EtatEdition& edition, EtatVue& vue,
                                          bool insertionActive)
{
    Rafraichissement r;
    ++vue.Copies.Version; // states may have changed: drawings reduced to the pixels are rebuilt
    r.OptionsActives = profils.NbPointsE() == profils.NbPointsS();
    vue.Options.FilActif = vue.Options.SurfaceActive = vue.Options.IntermediaireActif = r.OptionsActives;
    vue.NbSelE = Compter(profils.PointsE, EtatSelection);
    vue.NbSelS = Compter(profils.PointsS, EtatSelection);
    r.Commandes = Disponibilites(vue.NbSelE, vue.NbSelS, insertionActive);
    r.BarreEtat = MettreAJourBarreEtat(profils, edition.ModeSelection, vue.NbSelE, vue.NbSelS);
    r.Lignes[CoteE] = LignesDeListe(profils.PointsE, edition.PointCourantE, edition.ModeSelection);
    r.Lignes[CoteS] = LignesDeListe(profils.PointsS, edition.PointCourantS, edition.ModeSelection);
    return r;
}

Surcouche CalculerSurcouche(const EtatEdition& edition, const EtatVue& vue)
{
    const OptionsAffichage& o = vue.Options;
    Surcouche s;
    s.CarreE = o.AfficherPoints[CoteE];
    s.CarreS = o.AfficherPoints[CoteS];
    s.PointE = edition.PointCourantE;
    s.PointS = edition.PointCourantS;
    if (o.FilActif && o.Fil && o.AfficherPoints[CoteE] && o.AfficherPoints[CoteS]) {
        if (vue.CoteCourant == QLatin1String("E")) {
            s.Fil = true;
            s.PointFil = edition.PointCourantE;
        } else if (vue.CoteCourant == QLatin1String("S")) {
            s.Fil = true;
            s.PointFil = edition.PointCourantS;
        }
    }
    return s;
}

} // namespace galbix
