#include "view/Projection.h"

#include "model/Extremes.h"

#include <algorithm>
#include <cmath>

namespace galbix {

namespace {

// View angle in radians, kept as a 32-bit float like the bar's value.
float AngleRadians(int16_t position)
{
    return float(double(position - 180) * PiVue / 180.0);
}

void Dimensionner(std::vector<PointProfil>& points, size_t n)
{
    if (points.size() != n)
        points.resize(n);
}

void ProjeterCote(const Projecteur& projecteur, const std::vector<PointProfil>& source, size_t n, float z,
                  std::vector<PointProfil>& cible)
{
    for (size_t i = 0; i < n; ++i) {
        const PointVue p = projecteur.Projeter(source[i].X, source[i].Y, z);
        cible[i].X = p.x;
        cible[i].Y = p.y;
    }
}

void VersDessinCote(const EtatVue& vue, const std::vector<PointProfil>& projetes, std::vector<PointProfil>& ecran)
{
    const double k = vue.CoeffZoom, xc = vue.XCentreZoom, yc = vue.YCentreZoom;
    const double xd = vue.XCentreDessin, yd = vue.YCentreDessin, h = vue.HauteurDessin;
    const size_t n = std::min(projetes.size(), ecran.size());
    for (size_t i = 0; i < n; ++i) {
        ecran[i].X = float((double(projetes[i].X) - xc) * k + xd);
        ecran[i].Y = float(h - ((double(projetes[i].Y) - yc) * k + yd));
    }
}

size_t NbIntermediaire(const CoupleProfils& modele, const CoupleProfils* intermediaire)
{
    if (intermediaire == nullptr)
        return 0;
    return size_t(std::min(modele.NbPointsE(), intermediaire->NbPointsE()));
}

// Drawing units per millimetre that fit an extent of w by h into utileX by utileY.
float EchelleCadrage(float w, float h, double utileX, double utileY)
{
    if (w == 0.0f && h == 0.0f)
        return 1.0f;
    if (w == 0.0f)
        return float(utileY / double(h));
    if (h == 0.0f)
        return float(utileX / double(w));
    const float a = float(utileX / double(w));
    const float b = float(utileY / double(h));
    return b <= a ? b : a;
}

// The fit just made keeps clear of the reserved lower left corner: the profiles go either
// above it or to its right, whichever draws them larger, centred in that part of the area.
void EviterReserve(EtatVue& vue, float w, float h, double utileX, double utileY)
{
    const double rl = vue.ReserveLargeur, rh = vue.ReserveHauteur, m = vue.MargeDessin;
    const double dessus = utileY - rh, droite = utileX - rl;
    const float kDessus = dessus > 0.0 ? EchelleCadrage(w, h, utileX, dessus) : 0.0f;
    const float kDroite = droite > 0.0 ? EchelleCadrage(w, h, droite, utileY) : 0.0f;
    if (!(std::max(kDessus, kDroite) > 0.0f))
        return;
    // Centre of the usable part, drawing units (y downwards).
    double ux = m + utileX / 2.0, uy = m + utileY / 2.0;
    if (kDessus >= kDroite) {
        vue.CoeffZoom = std::min(vue.CoeffZoom, kDessus);
        uy = m + dessus / 2.0;
    } else {
        vue.CoeffZoom = std::min(vue.CoeffZoom, kDroite);
        ux = m + rl + droite / 2.0;
    }
    const double k = vue.CoeffZoom;
    vue.XCentreZoom = float(double(vue.XCentreZoom) - (ux - double(vue.XCentreDessin)) / k);
    vue.YCentreZoom =
        float(double(vue.YCentreZoom) - (double(vue.HauteurDessin) - double(vue.YCentreDessin) - uy) / k);
}

} // namespace

Projecteur::Projecteur(int16_t omega, int16_t alpha)
{
    const double w = AngleRadians(omega), a = AngleRadians(alpha);
    m_sinOmega = std::sin(w);
    m_cosOmega = std::cos(w);
    m_sinAlpha = std::sin(a);
    m_cosAlpha = std::cos(a);
}

PointVue Projecteur::Projeter(float X, float Y, float z) const
{
    const double x = X, y = Y, zz = z;
    return {float(-x * m_sinOmega - zz * m_cosOmega),
            float(-x * m_cosOmega * m_sinAlpha + y * m_cosAlpha + zz * m_sinOmega * m_sinAlpha)};
}

void DimensionnerCopies(EtatVue& vue, const CoupleProfils& modele, const CoupleProfils* intermediaire)
{
    CopiesDessin& c = vue.Copies;
    ++c.Version;
    Dimensionner(c.ProfilsProjetes.PointsE.Modifier(), modele.PointsE.size());
    Dimensionner(c.ProfilsProjetes.PointsS.Modifier(), modele.PointsS.size());
    Dimensionner(c.ProfilsEcran.PointsE.Modifier(), modele.PointsE.size());
    Dimensionner(c.ProfilsEcran.PointsS.Modifier(), modele.PointsS.size());
    if (intermediaire != nullptr) {
        const size_t n = NbIntermediaire(modele, intermediaire);
        Dimensionner(c.IntermediaireProjete.PointsE.Modifier(), n);
        Dimensionner(c.IntermediaireEcran.PointsE.Modifier(), n);
    }
}

void ProjeterProfils(const CoupleProfils& modele, EtatVue& vue, const CoupleProfils* intermediaire)
{
    DimensionnerCopies(vue, modele, intermediaire);
    const Projecteur projecteur(vue.Omega, vue.Alpha);
    CoupleProfils& projetes = vue.Copies.ProfilsProjetes;
    ProjeterCote(projecteur, modele.PointsE, modele.PointsE.size(), 0.0f, projetes.PointsE.Modifier());
    ProjeterCote(projecteur, modele.PointsS, modele.PointsS.size(), modele.EcartementZ, projetes.PointsS.Modifier());
    if (vue.Options.ProfilIntermediaire && intermediaire != nullptr)
        ProjeterCote(projecteur, intermediaire->PointsE, NbIntermediaire(modele, intermediaire),
                     vue.EcartementIntermediaire, vue.Copies.IntermediaireProjete.PointsE.Modifier());
    if (!projetes.PointsE.empty() && !projetes.PointsS.empty())
        CalculerExtremes(projetes);
}

bool CadrerVue(EtatVue& vue)
{
    const CoupleProfils& p = vue.Copies.ProfilsProjetes;
    const bool e = vue.Options.CoteAffiche(CoteE), s = vue.Options.CoteAffiche(CoteS);
    if ((!e && !s) || p.PointsE.empty() || p.PointsS.empty())
        return false;
    float xmin = p.Xmin, xmax = p.Xmax, ymin = p.Ymin, ymax = p.Ymax, w = p.Largeur, h = p.Hauteur;
    if (e && !s) {
        xmin = p.XminE, xmax = p.XmaxE, ymin = p.YminE, ymax = p.YmaxE, w = p.LargeurE, h = p.HauteurE;
    } else if (s && !e) {
        xmin = p.XminS, xmax = p.XmaxS, ymin = p.YminS, ymax = p.YmaxS, w = p.LargeurS, h = p.HauteurS;
    }
    vue.XCentreZoom = float((double(xmin) + double(xmax)) / 2.0);
    vue.YCentreZoom = float((double(ymin) + double(ymax)) / 2.0);
    const double utileX = double(vue.LargeurDessin) - 2.0 * double(vue.MargeDessin);
    const double utileY = double(vue.HauteurDessin) - 2.0 * double(vue.MargeDessin);
    vue.CoeffZoom = EchelleCadrage(w, h, utileX, utileY);
    if (vue.ReserveLargeur > 0.0f && vue.ReserveHauteur > 0.0f)
        EviterReserve(vue, w, h, utileX, utileY);
    return true;
}

void RecalculerEcran(EtatVue& vue)
{
    CopiesDessin& c = vue.Copies;
    ++c.Version;
    VersDessinCote(vue, c.ProfilsProjetes.PointsE, c.ProfilsEcran.PointsE.Modifier());
    VersDessinCote(vue, c.ProfilsProjetes.PointsS, c.ProfilsEcran.PointsS.Modifier());
    if (vue.Options.ProfilIntermediaire)
        VersDessinCote(vue, c.IntermediaireProjete.PointsE, c.IntermediaireEcran.PointsE.Modifier());
}

void AjusterVue(const CoupleProfils& modele, EtatVue& vue, const CoupleProfils* intermediaire)
{
    ProjeterProfils(modele, vue, intermediaire);
    CadrerVue(vue);
    RecalculerEcran(vue);
}

void ReprojeterVue(const CoupleProfils& modele, EtatVue& vue, const CoupleProfils* intermediaire)
{
    // A fit followed by the restoring of the zoom and centre it changed: only the projection
    // and the mapping remain.
    ProjeterProfils(modele, vue, intermediaire);
    RecalculerEcran(vue);
}

PointVue VersDessin(const EtatVue& vue, float x, float y)
{
    const double k = vue.CoeffZoom;
    return {float((double(x) - vue.XCentreZoom) * k + vue.XCentreDessin),
            float(double(vue.HauteurDessin) - ((double(y) - vue.YCentreZoom) * k + vue.YCentreDessin))};
}

float EchelleImageFond(float largeurImage, float hauteurImage, float largeurDessin, float hauteurDessin)
{
    if (!(largeurImage > 0.0f) || !(hauteurImage > 0.0f))
        return 1.0f;
    const float parLargeur = largeurDessin / largeurImage;
    if (hauteurImage > hauteurDessin && largeurImage > largeurDessin)
        return parLargeur;
    return std::min(parLargeur, hauteurDessin / hauteurImage);
}

} // namespace galbix
