#include "editing/Synchronisation.h"

#include "model/Extremes.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace galbix {

namespace {

using Points = std::vector<PointProfil>;

// One stretch between consecutive synchronisation points, on both sides (0-based indices:
// a opens the stretch, b closes it; L is the arc length from a to b).
struct Troncon {
    std::array<int32_t, 2> a{};
    std::array<int32_t, 2> b{};
    std::array<double, 2> L{};
};

double Distance(const PointProfil& p, const PointProfil& q)
{
    const double dx = double(p.X) - double(q.X);
    const double dy = double(p.Y) - double(q.Y);
    return std::sqrt(dx * dx + dy * dy);
}

// The point at fraction f of the way from `depuis` to `vers`; a created point has Etat 0.
PointProfil Interpoler(const PointProfil& depuis, const PointProfil& vers, double f)
{
    PointProfil p;
    p.X = float(double(depuis.X) + (double(vers.X) - double(depuis.X)) * f);
    p.Y = float(double(depuis.Y) + (double(vers.Y) - double(depuis.Y)) * f);
    return p;
}

// Walks from the point after `a` up to the next synchronisation point, summing the edges
// into `longueur`. A side that runs out of marks ends at its last point; a side with no
// point after `a` gives back `a` itself and a length of 0.
int32_t FinDeTroncon(const Points& points, int32_t a, double& longueur)
{
    longueur = 0.0;
    const int32_t n = int32_t(points.size());
    for (int32_t i = a + 1; i < n; ++i) {
        longueur += Distance(points[size_t(i)], points[size_t(i - 1)]);
        if (AEtat(points[size_t(i)], EtatSynchro))
            return i;
    }
    return std::max(a, n - 1);
}

// Cuts both sides into `nbTroncons` stretches; stops at the first one that cannot be walked.
std::optional<SegmentNul> Decouper(const CoupleProfils& profils, int32_t nbTroncons, std::vector<Troncon>& troncons)
{
    const int32_t plusLong = std::max(profils.NbPointsE(), profils.NbPointsS());
    troncons.reserve(size_t(std::clamp(nbTroncons, 0, plusLong)));
    std::array<int32_t, 2> debut{0, 0};
    for (int32_t s = 0; s < nbTroncons; ++s) {
        Troncon t;
        for (int cote : {CoteE, CoteS}) {
            t.a[cote] = debut[cote];
            t.b[cote] = FinDeTroncon(profils.Points(cote), debut[cote], t.L[cote]);
        }
        // The tip's length scales the walk and must not be 0. A root stretch of no length is
        // walked as it is: every step is then a coincidence and the points pair as they stand.
        const auto nul = [&t](int cote) {
            return SegmentNul{cote, t.a[cote] + 1, std::max(t.a[cote] + 1, t.b[cote] + 1)};
        };
        if (!(t.L[CoteS] > 0.0) || !std::isfinite(t.L[CoteS]))
            return nul(CoteS);
        if (t.b[CoteE] == t.a[CoteE] || !std::isfinite(t.L[CoteE]))
            return nul(CoteE);
        troncons.push_back(t);
        debut = t.b;
    }
    return std::nullopt;
}

// Pairing vertices that are within the coincidence tolerance lets one side run slightly
// ahead of the other. When the side ahead comes to its closing synchronisation point while
// the other still has vertices [debut, fin) before its own, each of those is kept and gets a
// created partner at the closing point `arret`; the two closing points then end the stretch
// together, so that a closing point is never placed twice nor the walk carried past it.
void Garer(const Points& points, int32_t debut, int32_t fin, const PointProfil& arret, Points& sortie,
           Points& sortieAutre)
{
    for (int32_t i = debut; i < fin; ++i) {
        sortie.push_back(points[size_t(i)]);
        sortieAutre.push_back(PointProfil{arret.X, arret.Y, 0});
    }
}

// The walk over one stretch. dE is the length still to run on E up to vertex k, dS the one
// on S up to vertex m, in E's units; the side whose next vertex comes first keeps it and the
// other side gets a point at the same distance.
void SynchroniserTroncon(const Troncon& t, const Points& E, const Points& S, Points& RE, Points& RS)
{
    const double echelle = t.L[CoteE] / t.L[CoteS];
    const int32_t bE = t.b[CoteE], bS = t.b[CoteS];
    int32_t k = t.a[CoteE] + 1, m = t.a[CoteS] + 1;
    double dE = Distance(E[size_t(k)], E[size_t(k - 1)]);
    double dS = Distance(S[size_t(m)], S[size_t(m - 1)]) * echelle;
    for (;;) {
        // Which next vertex comes first: S's (its partner is created on E), E's (the other
        // way round), or both together when their distances differ by less than the tolerance.
        const bool distincts = std::fabs(float(dE - dS)) >= CoincidenceSynchro;
        const bool placerS = !distincts || dE >= dS;
        const bool placerE = !distincts || dE < dS;
        if ((placerS && m == bS) || (placerE && k == bE)) {
            if (m == bS)
                Garer(E, k, bE, S[size_t(bS)], RE, RS);
            else
                Garer(S, m, bS, E[size_t(bE)], RS, RE);
            break;
        }
        if (placerE && placerS) {
            RE.push_back(E[size_t(k)]);
            RS.push_back(S[size_t(m)]);
        } else if (placerS) {
            RE.push_back(Interpoler(RE.back(), E[size_t(k)], dS / dE));
            RS.push_back(S[size_t(m)]);
            dE -= dS;
        } else {
            RE.push_back(E[size_t(k)]);
            RS.push_back(Interpoler(RS.back(), S[size_t(m)], dE / dS));
            dS -= dE;
        }
        if (placerE) {
            ++k;
            dE = Distance(E[size_t(k)], E[size_t(k - 1)]);
        }
        if (placerS) {
            ++m;
            dS = Distance(S[size_t(m)], S[size_t(m - 1)]) * echelle;
        }
    }
    // The synchronisation points close the stretch as a pair.
    RE.push_back(E[size_t(bE)]);
    RS.push_back(S[size_t(bS)]);
}

int32_t CompterSynchro(const Points& points)
{
    return int32_t(std::count_if(points.begin(), points.end(),
                                 [](const PointProfil& p) { return AEtat(p, EtatSynchro); }));
}

} // namespace

QString TexteSegmentNul(const SegmentNul& segment)
{
    const QString cote = segment.Cote == CoteE ? QCoreApplication::translate("galbix", "de l'emplanture") : QCoreApplication::translate("galbix", "du saumon");
    return QCoreApplication::translate("galbix", "Le profil %1 a une longueur nulle entre les points de synchronisation n° %2 et n° %3.")
        .arg(cote)
        .arg(segment.Debut)
        .arg(segment.Fin);
}

std::optional<SegmentNul> SynchroOptimale(const CoupleProfils& profils, int32_t nbSynchroE,
                                          CoupleProfils& profilsSynchro)
{
    const Points& E = profils.PointsE;
    const Points& S = profils.PointsS;
    if (E.empty() || S.empty()) {
        profilsSynchro.PointsE.clear();
        profilsSynchro.PointsS.clear();
        return std::nullopt;
    }
    std::vector<Troncon> troncons;
    if (std::optional<SegmentNul> nul = Decouper(profils, nbSynchroE - 1, troncons))
        return nul;

    // Every step of a walk places at least one input vertex, so neither list can outgrow
    // the two inputs together.
    Points RE, RS;
    RE.reserve(E.size() + S.size());
    RS.reserve(E.size() + S.size());
    RE.push_back(E.front());
    RS.push_back(S.front());
    for (const Troncon& t : troncons)
        SynchroniserTroncon(t, E, S, RE, RS);
    profilsSynchro.PointsE = std::move(RE);
    profilsSynchro.PointsS = std::move(RS);
    return std::nullopt;
}

ResultatSynchro ExecuterSynchroOptimale(CoupleProfils& profils, EtatEdition& edition)
{
    ResultatSynchro r;
    edition.ModeSelection = EtatSynchro;

    // The ends of both sides are always synchronisation points; remember which marks are
    // new, so that a refused segment can leave the model exactly as it was. A side already
    // marked is not written to (its points stay shared with the history).
    std::vector<PointProfil*> marques;
    for (int cote : {CoteE, CoteS}) {
        const Points& lus = profils.Points(cote);
        if (lus.empty() || (AEtat(lus.front(), EtatSynchro) && AEtat(lus.back(), EtatSynchro)))
            continue;
        Points& points = profils.Points(cote).Modifier();
        for (PointProfil* p : {&points.front(), &points.back()}) {
            if (!AEtat(*p, EtatSynchro)) {
                PoserEtat(*p, EtatSynchro);
                marques.push_back(p);
            }
        }
    }
    r.MarquesAjoutees = !marques.empty();
    r.NbSynchroE = CompterSynchro(profils.PointsE);
    r.NbSynchroS = CompterSynchro(profils.PointsS);
    if (r.NbSynchroE != r.NbSynchroS) {
        r.Issue = IssueSynchro::NombresDifferents;
        r.Refus = {TitreSynchroImpossible, TexteNombresSynchroDifferents};
        return r;
    }

    CoupleProfils profilsSynchro;
    if (std::optional<SegmentNul> nul = SynchroOptimale(profils, r.NbSynchroE, profilsSynchro)) {
        for (PointProfil* p : marques)
            OterEtat(*p, EtatSynchro);
        r.MarquesAjoutees = false;
        r.Issue = IssueSynchro::SegmentNul;
        r.Refus = {TitreSynchroImpossible, TexteSegmentNul(*nul)};
        return r;
    }
    profils.PointsE = std::move(profilsSynchro.PointsE);
    profils.PointsS = std::move(profilsSynchro.PointsS);
    CalculerExtremes(profils);
    return r;
}

} // namespace galbix
