#include "view/ui/DessinProfils.h"

#include "view/Couleurs.h"

#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>

namespace galbix {

namespace {

constexpr double PixelsParTwip = PixelsParUnite;
// Beyond the visible area, segments are cut at this distance (pixels) before painting, so
// that a huge zoom never hands the painter absurd coordinates.
constexpr double MargeSure = 20000.0;
// Markers whose centre lies farther than this outside the visible area are not painted.
constexpr double MargeMarques = 8.0;
// Largest drawing area side considered (pixels).
constexpr double TailleMaxPixels = 32768.0;
// Below this many points taken from runs no longer condensed (after a pan or drag by a part
// of a pixel), a reduction is kept; above it and a quarter of the side, it is built again.
constexpr size_t SeuilReconstruction = 4096;

enum CouleurTrait { Defaut = 0, Choisi = 1, Violet = 2 };

QPen Crayon(const QColor& couleur, int largeur = 1)
{
    QPen crayon(couleur);
    crayon.setWidth(largeur);
    crayon.setCosmetic(true);
    return crayon;
}

// Colour of the segment from a to b: selected in normal mode, reference in reference mode.
int CouleurSegment(const PointProfil& a, const PointProfil& b, int16_t mode)
{
    if (mode == EtatSelection && AEtat(a, EtatSelection) && AEtat(b, EtatSelection))
        return Choisi;
    if (mode == EtatReference && AEtat(a, EtatReference) && AEtat(b, EtatReference))
        return Violet;
    return Defaut;
}

// Liang-Barsky: cuts the segment to the rectangle; false when nothing is left (or NaN).
bool Couper(QPointF& a, QPointF& b, double xmin, double xmax, double ymin, double ymax)
{
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y()))
        return false;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - xmin, xmax - a.x(), a.y() - ymin, ymax - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    const QPointF debut(a.x() + t0 * dx, a.y() + t0 * dy);
    b = QPointF(a.x() + t1 * dx, a.y() + t1 * dy);
    a = debut;
    return true;
}

QPointF Pixel(const PointProfil& p)
{
    return {double(p.X) * PixelsParTwip, double(p.Y) * PixelsParTwip};
}

// The pixel a position falls in (only for positions within the safe area).
inline QPoint Arrondi(QPointF p)
{
    return {ArrondiPixel(p.x()), ArrondiPixel(p.y())};
}

// Half side in whole pixels of a square given in twips; 40, 50 and 70 twips stay distinct.
int DemiCote(float twips)
{
    return int(std::ceil(double(twips) * PixelsParTwip - 0.25));
}

QRect Carre(QPoint centre, int demiCote)
{
    return {centre.x() - demiCote, centre.y() - demiCote, 2 * demiCote, 2 * demiCote};
}

} // namespace

QColor VersQColor(const CouleurRvb& c)
{
    return QColor(c.r, c.g, c.b);
}

struct DessinateurProfils::Cadre {
    double largeur = 0.0, hauteur = 0.0; // pixels
    // An area of no size (or of an absurd one) draws nothing or is limited.
    Cadre(double l, double h) : largeur(Borner(l)), hauteur(Borner(h)) {}
    static double Borner(double v) { return v > 0.0 ? std::min(v, TailleMaxPixels) : 0.0; }
    bool Sur(QPointF p) const
    {
        return p.x() >= -MargeSure && p.x() <= largeur + MargeSure && p.y() >= -MargeSure
            && p.y() <= hauteur + MargeSure;
    }
    bool Visible(QPointF a, QPointF b) const
    {
        return std::max(a.x(), b.x()) >= -2.0 && std::min(a.x(), b.x()) <= largeur + 2.0
            && std::max(a.y(), b.y()) >= -2.0 && std::min(a.y(), b.y()) <= hauteur + 2.0;
    }
    bool MarqueVisible(QPointF c) const
    {
        return c.x() >= -MargeMarques && c.x() <= largeur + MargeMarques && c.y() >= -MargeMarques
            && c.y() <= hauteur + MargeMarques;
    }
    // Pixel grid of the markers' centres: the area and its margin.
    int Pas() const { return int(std::ceil(largeur)) + 2 * int(MargeMarques) + 2; }
    int Lignes() const { return int(std::ceil(hauteur)) + 2 * int(MargeMarques) + 2; }
};

void DessinateurProfils::NouveauLot(const Cadre& c)
{
    const size_t taille = size_t(c.Pas()) * size_t(c.Lignes());
    if (m_vus.size() != taille) {
        m_vus.assign(taille, 0);
        m_lot = 0;
    }
    if (++m_lot == 0) {
        std::fill(m_vus.begin(), m_vus.end(), uint8_t(0));
        m_lot = 1;
    }
}

bool DessinateurProfils::PremiereFois(const Cadre& c, QPoint centre)
{
    const int x = centre.x() + int(MargeMarques) + 1, y = centre.y() + int(MargeMarques) + 1;
    if (x < 0 || y < 0 || x >= c.Pas() || y >= c.Lignes())
        return true;
    uint8_t& vu = m_vus[size_t(y) * size_t(c.Pas()) + size_t(x)];
    if (vu == m_lot)
        return false;
    vu = m_lot;
    return true;
}

void DessinateurProfils::Segment(const Cadre& c, QPointF a, QPointF b)
{
    if (!(c.Sur(a) && c.Sur(b))
        && !Couper(a, b, -MargeSure, c.largeur + MargeSure, -MargeSure, c.hauteur + MargeSure))
        return;
    if (!c.Visible(a, b))
        return;
    const QLine ligne(Arrondi(a), Arrondi(b));
    if (m_lignes.empty() || m_lignes.back() != ligne)
        m_lignes.push_back(ligne);
}

void DessinateurProfils::VidangerTrace(QPainter& p)
{
    if (m_trace.size() >= 2)
        p.drawPolyline(m_trace.data(), int(m_trace.size()));
    else if (m_trace.size() == 1)
        p.drawPoint(m_trace.front()); // a run shorter than a pixel
    m_trace.clear();
}

void DessinateurProfils::VidangerLignes(QPainter& p)
{
    if (!m_lignes.empty())
        p.drawLines(m_lignes.data(), int(m_lignes.size()));
    m_lignes.clear();
}

// The points of a side to draw, in order (indices below `n`, the count of both arrays): every
// one, or those of the side's reduction to the pixels, built again when the copies changed.
const std::vector<uint32_t>& DessinateurProfils::AParcourir(int rang, const Cadre& c,
                                                            const std::vector<PointProfil>& ecran,
                                                            const std::vector<PointProfil>* etats, size_t n,
                                                            uint64_t version)
{
    n = std::min(n, ecran.size());
    if (etats != nullptr)
        n = std::min(n, etats->size());
    if (!m_reduire) {
        m_indices.resize(n);
        for (size_t i = 0; i < n; ++i)
            m_indices[i] = uint32_t(i);
        return m_indices;
    }
    ReductionPixels& r = m_reductions[size_t(rang)];
    const bool neuve = r.Actualiser(ecran, etats, n, c.largeur, c.hauteur, version);
    const size_t etendus = r.Indices(ecran, m_indices);
    if (!neuve && etendus > SeuilReconstruction && etendus > n / 4) {
        r.Reconstruire(ecran, etats, n, c.largeur, c.hauteur, version);
        r.Indices(ecran, m_indices);
    }
    return m_indices;
}

const ReductionPixels* DessinateurProfils::Reduction(int cote, const EtatVue& vue) const
{
    const std::vector<PointProfil>& ecran = vue.Copies.ProfilsEcran.Points(cote);
    const ReductionPixels& r = m_reductions[size_t(cote)];
    return m_reduire && r.Pour(ecran, ecran.size(), vue.Copies.Version) ? &r : nullptr;
}

// Lines of a side (or of the intermediate profile when `modele` is null) through the points
// `indices`: one polyline per run of visible segments of the same colour; segments reaching
// far outside the area are cut and painted apart.
void DessinateurProfils::Profil(QPainter& p, const Cadre& c, const std::vector<PointProfil>* modele,
                                const std::vector<PointProfil>& ecran, const std::vector<uint32_t>& indices,
                                int16_t mode, const QColor& couleur)
{
    const QPen crayons[3] = {Crayon(couleur), Crayon(VersQColor(couleurs::Selection)),
                             Crayon(VersQColor(couleurs::Reference))};
    m_trace.clear();
    m_lignes.clear();
    int enCours = Defaut;
    p.setPen(crayons[Defaut]);
    QPointF b = indices.empty() ? QPointF() : Pixel(ecran[indices[0]]);
    for (size_t j = 0; j + 1 < indices.size(); ++j) {
        const size_t i = indices[j], k = indices[j + 1];
        const int teinte = modele == nullptr ? Defaut : CouleurSegment((*modele)[i], (*modele)[k], mode);
        const QPointF a = b;
        b = Pixel(ecran[k]);
        const bool direct = c.Sur(a) && c.Sur(b);
        const bool visible = direct && c.Visible(a, b);
        if (!visible || teinte != enCours)
            VidangerTrace(p);
        if (teinte != enCours && (visible || !direct)) {
            p.setPen(crayons[teinte]);
            enCours = teinte;
        }
        if (!direct) {
            Segment(c, a, b);
            VidangerLignes(p);
        } else if (visible) {
            if (m_trace.empty())
                m_trace.push_back(Arrondi(a));
            const QPoint fin = Arrondi(b);
            if (fin != m_trace.back())
                m_trace.push_back(fin);
        }
    }
    VidangerTrace(p);
}

void DessinateurProfils::Depart(QPainter& p, const Cadre& c, const std::vector<PointProfil>& ecran,
                                const QColor& couleur)
{
    if (ecran.size() < 2 || (ecran[1].X == ecran[0].X && ecran[1].Y == ecran[0].Y))
        return;
    const double dx = double(ecran[1].X) - ecran[0].X, dy = double(ecran[1].Y) - ecran[0].Y;
    const double longueur = std::sqrt(dx * dx + dy * dy);
    if (!(longueur > 0.0) || !std::isfinite(longueur))
        return;
    const QPointF a = Pixel(ecran[0]);
    const double l = double(marques::LongueurDepart) * PixelsParTwip / longueur;
    p.setPen(Crayon(couleur, 2));
    p.setBrush(Qt::NoBrush);
    if (c.MarqueVisible(a)) {
        const double r = double(marques::RayonDepart) * PixelsParTwip;
        p.drawEllipse(QPointF(Arrondi(a)), r, r);
    }
    m_lignes.clear();
    Segment(c, a, QPointF(a.x() + dx * l, a.y() + dy * l));
    VidangerLignes(p);
}

// Squares of a side: the filled square of the mode's state, then the outline of every point.
void DessinateurProfils::Points(QPainter& p, const Cadre& c, const std::vector<PointProfil>& modele,
                                const std::vector<PointProfil>& ecran, const std::vector<uint32_t>& indices,
                                int16_t mode, const QColor& couleur)
{
    CouleurRvb plein = couleurs::Selection;
    int demiPlein = DemiCote(marques::DemiCoteSelection);
    if (mode == EtatReference) {
        plein = couleurs::Reference;
        demiPlein = DemiCote(marques::DemiCote);
    } else if (mode == EtatSynchro) {
        plein = couleurs::Synchro;
        demiPlein = DemiCote(marques::DemiCoteSynchro);
    }
    // Consecutive points mostly share their pixel at large counts: the pixel last looked up
    // is skipped at once (it is marked, or off the grid and already in the batch).
    constexpr QPoint Aucun(INT_MIN, INT_MIN);
    m_pleins.clear();
    NouveauLot(c);
    QPoint dernier = Aucun;
    for (const uint32_t i : indices) {
        if (!AEtat(modele[i], mode))
            continue;
        const QPointF centre = Pixel(ecran[i]);
        if (!c.MarqueVisible(centre))
            continue;
        const QPoint pixel = Arrondi(centre);
        if (pixel != dernier && PremiereFois(c, pixel))
            m_pleins.push_back(Carre(pixel, demiPlein));
        dernier = pixel;
    }
    if (!m_pleins.empty()) {
        p.setPen(Crayon(VersQColor(plein)));
        p.setBrush(VersQColor(plein));
        p.drawRects(m_pleins.data(), int(m_pleins.size()));
    }
    const int demi = DemiCote(marques::DemiCote);
    m_carres.clear();
    NouveauLot(c);
    dernier = Aucun;
    for (const uint32_t i : indices) {
        const QPointF centre = Pixel(ecran[i]);
        if (!c.MarqueVisible(centre))
            continue;
        const QPoint pixel = Arrondi(centre);
        if (pixel != dernier && PremiereFois(c, pixel))
            m_carres.push_back(Carre(pixel, demi));
        dernier = pixel;
    }
    p.setPen(Crayon(couleur));
    p.setBrush(Qt::NoBrush);
    if (!m_carres.empty())
        p.drawRects(m_carres.data(), int(m_carres.size()));
}

void DessinateurProfils::CentreReferences(QPainter& p, const Cadre& c, const std::vector<PointProfil>& modele,
                                          const std::vector<PointProfil>& ecran, const QColor& couleur)
{
    double sx = 0.0, sy = 0.0;
    size_t nb = 0;
    const size_t n = std::min(modele.size(), ecran.size());
    for (size_t i = 0; i < n; ++i) {
        if (AEtat(modele[i], EtatReference)) {
            sx += ecran[i].X;
            sy += ecran[i].Y;
            ++nb;
        }
    }
    if (nb == 0)
        return;
    const QPointF centre(sx / double(nb) * PixelsParTwip, sy / double(nb) * PixelsParTwip);
    if (!c.MarqueVisible(centre))
        return;
    p.setPen(Crayon(couleur));
    p.setBrush(couleur);
    p.drawRect(Carre(Arrondi(centre), DemiCote(marques::DemiCoteSelection)));
}

void DessinateurProfils::Generatrices(QPainter& p, const Cadre& c, const std::vector<PointProfil>& e,
                                      const std::vector<PointProfil>& s)
{
    m_lignes.clear();
    const size_t n = std::min(e.size(), s.size());
    for (size_t i = 0; i < n; ++i)
        Segment(c, Pixel(e[i]), Pixel(s[i]));
    p.setPen(Crayon(VersQColor(couleurs::Surface)));
    VidangerLignes(p);
}

void DessinateurProfils::FondEtEffacement(QPainter& p, const Cadre& c, const EtatVue& vue, const QImage& imageFond)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(0.0, 0.0, c.largeur, c.hauteur), Qt::white);
    if (!vue.Options.ImageFond || !vue.ImageFondPresente || imageFond.isNull())
        return;
    const double l = double(vue.LargeurImage) * vue.EchelleImage, h = double(vue.HauteurImage) * vue.EchelleImage;
    const QRectF cible((vue.LargeurDessin / 2.0 - l / 2.0) * PixelsParTwip,
                       (vue.HauteurDessin / 2.0 - h / 2.0) * PixelsParTwip, l * PixelsParTwip, h * PixelsParTwip);
    p.drawImage(cible, imageFond);
}

bool DessinateurProfils::Dessiner(QPainter& p, const CoupleProfils& modele, const EtatEdition& edition,
                                  EtatVue& vue, const QImage& imageFond)
{
    const Cadre c(double(vue.LargeurDessin) * PixelsParTwip, double(vue.HauteurDessin) * PixelsParTwip);
    FondEtEffacement(p, c, vue, imageFond);
    OptionsAffichage& o = vue.Options;
    bool surfaceDecochee = false;
    if ((o.Fil || o.Surface) && modele.NbPointsE() != modele.NbPointsS()) {
        vue.BlocageDessin = true;
        surfaceDecochee = o.Surface;
        o.Surface = false;
        vue.BlocageDessin = false;
    }

    const CopiesDessin& copies = vue.Copies;
    const int16_t mode = edition.ModeSelection;
    const QColor rouge = VersQColor(couleurs::Emplanture), bleu = VersQColor(couleurs::Saumon);
    const std::vector<PointProfil>& ecranE = copies.ProfilsEcran.PointsE;
    const std::vector<PointProfil>& ecranS = copies.ProfilsEcran.PointsS;
    const std::vector<uint32_t>& indicesS =
        AParcourir(CoteS, c, ecranS, &modele.PointsS.Lire(), modele.PointsS.size(), copies.Version);
    if (o.AfficherProfil[CoteS])
        Profil(p, c, &modele.PointsS.Lire(), ecranS, indicesS, mode, bleu);
    if (o.AfficherPoints[CoteS]) {
        Depart(p, c, ecranS, bleu);
        Points(p, c, modele.PointsS, ecranS, indicesS, mode, bleu);
        if (mode == EtatReference)
            CentreReferences(p, c, modele.PointsS, ecranS, VersQColor(couleurs::CentreRefSaumon));
    }
    if (o.ProfilIntermediaire) {
        const std::vector<PointProfil>& ecranI = copies.IntermediaireEcran.PointsE;
        Profil(p, c, nullptr, ecranI,
               AParcourir(2, c, ecranI, nullptr, modele.PointsE.size(), copies.Version), mode,
               VersQColor(couleurs::Intermediaire));
    }
    if (o.SurfaceActive && o.Surface)
        Generatrices(p, c, ecranE, ecranS);
    const std::vector<uint32_t>& indicesE =
        AParcourir(CoteE, c, ecranE, &modele.PointsE.Lire(), modele.PointsE.size(), copies.Version);
    if (o.AfficherProfil[CoteE])
        Profil(p, c, &modele.PointsE.Lire(), ecranE, indicesE, mode, rouge);
    if (o.AfficherPoints[CoteE]) {
        Depart(p, c, ecranE, rouge);
        Points(p, c, modele.PointsE, ecranE, indicesE, mode, rouge);
    }
    if (mode == EtatReference && o.AfficherProfil[CoteE])
        CentreReferences(p, c, modele.PointsE, ecranE, VersQColor(couleurs::CentreRefEmplanture));
    return surfaceDecochee;
}

void DessinateurProfils::DessinerSurcouche(QPainter& p, const EtatVue& vue, const Surcouche& s) const
{
    const std::vector<PointProfil>& e = vue.Copies.ProfilsEcran.PointsE;
    const std::vector<PointProfil>& t = vue.Copies.ProfilsEcran.PointsS;
    const Cadre c(double(vue.LargeurDessin) * PixelsParTwip, double(vue.HauteurDessin) * PixelsParTwip);
    auto existe = [](const std::vector<PointProfil>& v, int32_t k) { return k >= 1 && size_t(k) <= v.size(); };
    auto carre = [&](const PointProfil& point, const CouleurRvb& couleur) {
        const QPointF centre = Pixel(point);
        if (!c.MarqueVisible(centre))
            return;
        p.setPen(Crayon(VersQColor(couleur)));
        p.drawRect(Carre(Arrondi(centre), DemiCote(marques::DemiCoteSynchro)));
    };
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    if (s.CarreE && existe(e, s.PointE))
        carre(e[size_t(s.PointE - 1)], couleurs::CourantEmplanture);
    if (s.CarreS && existe(t, s.PointS))
        carre(t[size_t(s.PointS - 1)], couleurs::CourantSaumon);
    if (s.Fil && existe(e, s.PointFil) && existe(t, s.PointFil)) {
        QPointF a = Pixel(t[size_t(s.PointFil - 1)]), b = Pixel(e[size_t(s.PointFil - 1)]);
        if (Couper(a, b, -MargeSure, c.largeur + MargeSure, -MargeSure, c.hauteur + MargeSure)) {
            p.setPen(Crayon(VersQColor(couleurs::Fil)));
            p.drawLine(Arrondi(a), Arrondi(b));
        }
    }
}

} // namespace galbix
