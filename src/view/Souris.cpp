#include "view/Souris.h"

#include "model/Fonctions.h"
#include "model/NumericText.h"
#include "view/Zoom.h"

#include <algorithm>
#include <cmath>

namespace galbix {

bool EnVueDeCote(const EtatVue& vue)
{
    return vue.Omega == VueDeCote.Omega && vue.Alpha == VueDeCote.Alpha;
}

PointVue VersModele(const EtatVue& vue, float u, float v)
{
    const double k = vue.CoeffZoom;
    return {float((double(u) - vue.XCentreDessin) / k + vue.XCentreZoom),
            float((double(vue.HauteurDessin) - v - vue.YCentreDessin) / k + vue.YCentreZoom)};
}

QString TexteCurseur(const EtatVue& vue, float u, float v)
{
    const PointVue p = VersModele(vue, u, v);
    return QStringLiteral("X:") + FormaterChamp(p.x) + QStringLiteral("mm  Y:") + FormaterChamp(p.y) +
           QStringLiteral("mm");
}

namespace {

// Toggles the mode bit of the reached points of one side; true when one was reached.
// The side is written to (copied when shared) only when the gesture reaches one of its points.
bool PointerCote(TableauPoints& points, const std::vector<PointProfil>& ecran, int16_t mode,
                 const GestePointage& g, int32_t& pointCourant)
{
    std::vector<PointProfil>* ecriture = nullptr;
    const bool clic = g.EstClic();
    const float xmin = std::min(g.x1, g.x2), xmax = std::max(g.x1, g.x2);
    const float ymin = std::min(g.y1, g.y2), ymax = std::max(g.y1, g.y2);
    bool atteint = false;
    const size_t n = std::min(points.size(), ecran.size());
    for (size_t i = 0; i < n; ++i) {
        const float px = ecran[i].X, py = ecran[i].Y;
        const bool dedans = clic ? std::fabs(px - g.x2) < TolerancePointage && std::fabs(py - g.y2) < TolerancePointage
                                 : xmin <= px && px <= xmax && ymin <= py && py <= ymax;
        if (!dedans)
            continue;
        if (ecriture == nullptr)
            ecriture = &points.Modifier();
        (*ecriture)[i].Etat = int16_t((*ecriture)[i].Etat ^ mode);
        pointCourant = int32_t(i + 1);
        atteint = true;
    }
    return atteint;
}

} // namespace

ResultatPointage Pointer(CoupleProfils& profils, EtatEdition& edition, const EtatVue& vue, const GestePointage& geste)
{
    ResultatPointage r;
    for (int cote : {CoteE, CoteS}) {
        if (!vue.Options.AfficherPoints[cote])
            continue;
        r.Atteint[size_t(cote)] = PointerCote(profils.Points(cote), vue.Copies.ProfilsEcran.Points(cote),
                                              edition.ModeSelection, geste, edition.PointCourant(cote));
        r.SelectionModifiee = r.SelectionModifiee || r.Atteint[size_t(cote)];
    }
    return r;
}

bool ZoomerRectangle(EtatVue& vue, float x2, float y2)
{
    const PointVue a = VersModele(vue, vue.Rectangle.x1, vue.Rectangle.y1);
    const PointVue b = VersModele(vue, x2, y2);
    vue.Rectangle = {a.x, a.y, b.x, b.y};
    vue.XCentreZoom = float((double(a.x) + b.x) / 2.0);
    vue.YCentreZoom = float((double(a.y) + b.y) / 2.0);
    const double largeur = std::fabs(double(a.x) - b.x), hauteur = std::fabs(double(a.y) - b.y);
    if (!(largeur > 0.0) || !(hauteur > 0.0) || !std::isfinite(largeur) || !std::isfinite(hauteur))
        return false;
    const float ca = float((double(vue.LargeurDessin) - 2.0 * vue.MargeDessin) / largeur);
    const float cb = float((double(vue.HauteurDessin) - 2.0 * vue.MargeDessin) / hauteur);
    if (!std::isfinite(ca) || !std::isfinite(cb) || !(ca > 0.0f) || !(cb > 0.0f))
        return false;
    vue.CoeffZoom = cb <= ca ? cb : ca;
    return true;
}

void FinirPanoramique(EtatVue& vue, float dx, float dy)
{
    vue.XCentreZoom = float(vue.XCentreZoom - double(dx) / vue.CoeffZoom);
    vue.YCentreZoom = float(vue.YCentreZoom + double(dy) / vue.CoeffZoom);
}

void DeplacerSelectionSouris(CoupleProfils& profils, const EtatVue& vue, float dx, float dy)
{
    const float mx = float(double(dx) / vue.CoeffZoom), my = float(double(dy) / vue.CoeffZoom);
    for (int cote : {CoteE, CoteS}) {
        if (!UnPointA(profils.Points(cote), EtatSelection))
            continue;
        for (PointProfil& p : profils.Points(cote).Modifier())
            if (AEtat(p, EtatSelection)) {
                p.X += mx;
                p.Y -= my;
            }
    }
}

void DecalerCopieDessin(EtatVue& vue, const CoupleProfils& modele, float dx, float dy, bool selectionSeule)
{
    auto decaler = [&](std::vector<PointProfil>& ecran, const std::vector<PointProfil>* points) {
        const size_t n = points ? std::min(ecran.size(), points->size()) : ecran.size();
        for (size_t i = 0; i < n; ++i)
            if (!points || AEtat((*points)[i], EtatSelection)) {
                ecran[i].X += dx;
                ecran[i].Y += dy;
            }
    };
    for (int cote : {CoteE, CoteS})
        decaler(vue.Copies.ProfilsEcran.Points(cote).Modifier(),
                selectionSeule ? &modele.Points(cote).Lire() : nullptr);
    if (!selectionSeule && vue.Options.ProfilIntermediaire)
        decaler(vue.Copies.IntermediaireEcran.PointsE.Modifier(), nullptr);
}

bool ZoomerMolette(EtatVue& vue, float u, float v, int crans)
{
    if (crans == 0)
        return false;
    const PointVue sous = VersModele(vue, u, v);
    float coeff = vue.CoeffZoom;
    for (int i = 0; i < std::abs(crans); ++i)
        coeff = CoeffApresPas(coeff, crans > 0 ? 1 : -1);
    if (!std::isfinite(coeff) || !(coeff > 0.0f))
        return false;
    vue.CoeffZoom = coeff;
    vue.XCentreZoom = float(sous.x - (double(u) - vue.XCentreDessin) / coeff);
    vue.YCentreZoom = float(sous.y - (double(vue.HauteurDessin) - v - vue.YCentreDessin) / coeff);
    return true;
}

} // namespace galbix
