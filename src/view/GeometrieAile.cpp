#include "view/GeometrieAile.h"

#include "model/Extremes.h"

#include <bit>
#include <cmath>

namespace galbix {

namespace {

bool MemesBits(const PointProfil& a, const PointProfil& b)
{
    return std::bit_cast<uint32_t>(a.X) == std::bit_cast<uint32_t>(b.X)
        && std::bit_cast<uint32_t>(a.Y) == std::bit_cast<uint32_t>(b.Y) && a.Etat == b.Etat;
}

// Applies `f` to every point of a side, writing the side (and so copying it when the undo
// history shares it) only from the first point `f` changes: a placement that moves nothing,
// as after most commands, leaves the side shared.
template <typename F>
void Transformer(TableauPoints& cote, F&& f)
{
    const std::vector<PointProfil>& lus = cote;
    size_t i = 0;
    for (PointProfil p; i < lus.size(); ++i) {
        p = lus[i];
        f(p);
        if (!MemesBits(p, lus[i]))
            break;
    }
    if (i == lus.size())
        return;
    std::vector<PointProfil>& points = cote.Modifier();
    for (; i < points.size(); ++i)
        f(points[i]);
}

bool DeuxCotes(const CoupleProfils& p)
{
    return !p.PointsE.empty() && !p.PointsS.empty();
}

float Ecart(float a, float b)
{
    return float(double(a) - double(b));
}

// Tip moved so that its leading edge lies `fleche` behind the root's (metrics current on entry).
void PlacerFleche(CoupleProfils& p, float fleche)
{
    const double xminS = p.XminS, xminE = p.XminE;
    Transformer(p.PointsS, [&](PointProfil& pt) { pt.X = float(double(pt.X) - xminS + xminE + double(fleche)); });
    CalculerExtremes(p);
}

// Tip moved so that its lowest point lies `hauteur` above the root's (metrics current on entry).
void PlacerDiedre(CoupleProfils& p, EtatGeometrie& geo, float hauteur)
{
    const double yminS = p.YminS, yminE = p.YminE;
    Transformer(p.PointsS, [&](PointProfil& pt) { pt.Y = float(double(pt.Y) - yminS + yminE + double(hauteur)); });
    CalculerExtremes(p);
    geo.DiedreDegSaisi = p.DiedreDeg;
}

void DeplacerSaumon(CoupleProfils& p, double dx, double dy)
{
    Transformer(p.PointsS, [&](PointProfil& pt) {
        pt.X = float(double(pt.X) + dx);
        pt.Y = float(double(pt.Y) + dy);
    });
    CalculerExtremes(p);
}

} // namespace

InterrupteursGeometrie AppliquerExclusions(InterrupteursGeometrie i, ActionGeometrie action, int index)
{
    switch (action) {
    case ActionGeometrie::PresserFleche:
        i.IndexFleche = int16_t(index);
        i.Aligner = false;
        break;
    case ActionGeometrie::PresserDiedre:
        i.IndexDiedre = int16_t(index);
        i.Aligner = false;
        break;
    case ActionGeometrie::PresserAligner:
        i = InterrupteursGeometrie{-1, -1, true};
        break;
    case ActionGeometrie::SaisirFleche:
    case ActionGeometrie::RelacherFleche:
        i.IndexFleche = -1;
        if (action == ActionGeometrie::SaisirFleche)
            i.Aligner = false;
        break;
    case ActionGeometrie::SaisirDiedre:
    case ActionGeometrie::RelacherDiedre:
        i.IndexDiedre = -1;
        if (action == ActionGeometrie::SaisirDiedre)
            i.Aligner = false;
        break;
    case ActionGeometrie::RelacherAligner:
        i.Aligner = false;
        break;
    }
    return i;
}

// The scaling is about the coordinate origin, not about the leading edge.
std::optional<MessageRefus> ChangerCorde(CoupleProfils& p, int cote, float corde)
{
    if (!DeuxCotes(p))
        return std::nullopt;
    CalculerExtremes(p);
    const float largeur = cote == CoteE ? p.LargeurE : p.LargeurS;
    if (largeur == 0.0f)
        return MessageRefus{TitreErreurSaisie, TexteCordeNulle};
    for (PointProfil& pt : p.Points(cote).Modifier()) {
        pt.X = float(double(pt.X) / double(largeur) * double(corde));
        pt.Y = float(double(pt.Y) / double(largeur) * double(corde));
    }
    CalculerExtremes(p);
    return std::nullopt;
}

std::optional<MessageRefus> ChangerEcartement(CoupleProfils& p, EtatGeometrie& geo, float ecartement)
{
    if (!(ecartement > 0.0f))
        return MessageRefus{TitreErreurSaisie, TexteEcartementRefuse};
    p.EcartementZ = ecartement;
    CalculerExtremes(p);
    geo.DiedreDegSaisi = p.DiedreDeg;
    return std::nullopt;
}

float ValeurBoutonFleche(const CoupleProfils& p, int index)
{
    switch (index) {
    case FlecheAlignerMilieux: return float((double(p.LargeurE) - double(p.LargeurS)) / 2.0);
    case FlecheAlignerBF: return Ecart(p.LargeurE, p.LargeurS);
    default: return 0.0f;
    }
}

float ValeurBoutonDiedre(const CoupleProfils& p, int index)
{
    switch (index) {
    case DiedreAlignerExtrados: return Ecart(p.HauteurE, p.HauteurS);
    case DiedreAlignerBA:
        return float((double(p.YaXminE) - double(p.YminE)) - (double(p.YaXminS) - double(p.YminS)));
    case DiedreAlignerMilieux: return float((double(p.HauteurE) - double(p.HauteurS)) / 2.0);
    case DiedreAlignerBF:
        return float((double(p.YaXmaxE) - double(p.YminE)) - (double(p.YaXmaxS) - double(p.YminS)));
    default: return 0.0f;
    }
}

double DeplacementDiedreDeg(const CoupleProfils& p, double degres)
{
    const double t = std::tan(degres * PiEdition / 180.0);
    const double milieuE = (double(p.YmaxE) + double(p.YminE)) / 2.0;
    const double milieuS = (double(p.YmaxS) + double(p.YminS)) / 2.0;
    return milieuE - milieuS + double(p.EcartementZ) * t;
}

void SaisirFleche(CoupleProfils& p, EtatGeometrie& geo, float fleche)
{
    geo.Interrupteurs = AppliquerExclusions(geo.Interrupteurs, ActionGeometrie::SaisirFleche);
    geo.FlecheSaisie = fleche;
    if (!DeuxCotes(p))
        return;
    CalculerExtremes(p);
    PlacerFleche(p, fleche);
}

void PresserBoutonFleche(CoupleProfils& p, EtatGeometrie& geo, int index)
{
    if (index < 0 || index >= NbBoutonsFleche || !DeuxCotes(p))
        return;
    CalculerExtremes(p);
    geo.Interrupteurs = AppliquerExclusions(geo.Interrupteurs, ActionGeometrie::PresserFleche, index);
    geo.FlecheSaisie = ValeurBoutonFleche(p, index);
    PlacerFleche(p, geo.FlecheSaisie);
}

void SaisirDiedreMm(CoupleProfils& p, EtatGeometrie& geo, float hauteur)
{
    geo.Interrupteurs = AppliquerExclusions(geo.Interrupteurs, ActionGeometrie::SaisirDiedre);
    geo.DiedreMmSaisi = hauteur;
    if (!DeuxCotes(p))
        return;
    CalculerExtremes(p);
    PlacerDiedre(p, geo, hauteur);
}

void PresserBoutonDiedre(CoupleProfils& p, EtatGeometrie& geo, int index)
{
    if (index < 0 || index >= NbBoutonsDiedre || !DeuxCotes(p))
        return;
    CalculerExtremes(p);
    geo.Interrupteurs = AppliquerExclusions(geo.Interrupteurs, ActionGeometrie::PresserDiedre, index);
    geo.DiedreMmSaisi = ValeurBoutonDiedre(p, index);
    PlacerDiedre(p, geo, geo.DiedreMmSaisi);
}

void SaisirDiedreDeg(CoupleProfils& p, EtatGeometrie& geo, float degres)
{
    geo.Interrupteurs = AppliquerExclusions(geo.Interrupteurs, ActionGeometrie::SaisirDiedre);
    geo.DiedreDegSaisi = degres;
    if (!DeuxCotes(p))
        return;
    CalculerExtremes(p);
    DeplacerSaumon(p, 0.0, DeplacementDiedreDeg(p, double(degres)));
    geo.DiedreMmSaisi = p.DiedreMm;
    geo.DiedreDegSaisi = p.DiedreDeg;
}

bool AlignementPossible(CoupleProfils& p)
{
    if (!DeuxCotes(p))
        return false;
    CalculerExtremes(p);
    return p.NbRefE != 0 && p.NbRefS != 0;
}

std::optional<MessageRefus> PresserAligner(CoupleProfils& p, EtatGeometrie& geo)
{
    if (!AlignementPossible(p)) {
        geo.Interrupteurs = AppliquerExclusions(geo.Interrupteurs, ActionGeometrie::RelacherAligner);
        return MessageRefus{TitreSansReference, TexteSansReference};
    }
    geo.Interrupteurs = AppliquerExclusions(geo.Interrupteurs, ActionGeometrie::PresserAligner);
    DeplacerSaumon(p, double(p.XrefE) - double(p.XrefS), double(p.YrefE) - double(p.YrefS));
    geo.DiedreMmSaisi = p.DiedreMm;
    geo.DiedreDegSaisi = p.DiedreDeg;
    geo.FlecheSaisie = p.FlecheBA;
    return std::nullopt;
}

// Sweep moves X only and dihedral Y only, each from its own extents, so the order of the two
// placings does not matter.
Reapplication ReappliquerGeometrie(CoupleProfils& p, EtatGeometrie& geo)
{
    Reapplication r;
    if (!DeuxCotes(p))
        return r;
    const InterrupteursGeometrie i = geo.Interrupteurs;
    if (i.Aligner) {
        r.AlignementReapplique = true;
        r.Message = PresserAligner(p, geo);
        return r;
    }
    if (i.IndexFleche >= 0 && i.IndexFleche < NbBoutonsFleche) {
        r.FlecheReappliquee = true;
        PresserBoutonFleche(p, geo, i.IndexFleche);
    } else {
        SaisirFleche(p, geo, geo.FlecheSaisie);
    }
    if (i.IndexDiedre >= 0 && i.IndexDiedre < NbBoutonsDiedre) {
        r.DiedreReapplique = true;
        PresserBoutonDiedre(p, geo, i.IndexDiedre);
    } else {
        SaisirDiedreMm(p, geo, geo.DiedreMmSaisi);
    }
    return r;
}

TextesGeometrie CalculerTextesGeometrie(const CoupleProfils& p, const EtatGeometrie& geo)
{
    TextesGeometrie t;
    t.Corde[CoteE] = FormaterChamp(p.LargeurE);
    t.Corde[CoteS] = FormaterChamp(p.LargeurS);
    t.EcartementZ = FormaterChamp(p.EcartementZ);
    t.Fleche = FormaterChamp(geo.FlecheSaisie);
    t.LabelFleche = FormaterChamp(Ecart(p.XmaxE, p.XmaxS));
    t.DiedreMm = FormaterChamp(geo.DiedreMmSaisi);
    t.DiedreDeg = FormaterChamp(geo.DiedreDegSaisi);
    t.LabelDiedre = FormaterChamp(Ecart(p.YmaxE, p.YmaxS));
    return t;
}

} // namespace galbix
