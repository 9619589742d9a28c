// The whole-point commands on two 100 000-point profiles of which 50 000 points are selected
// (one run in the middle), each with its undo snapshots on a full history, the core of the
// window's refresh (view reprojection, counts, lists, status bar) and, for the copy, the text
// for the system clipboard. Each must stay well under 50 ms.
#include "Bench.h"

#include "editing/QueuePoints.h"
#include "model/Extremes.h"
#include "view/Projection.h"
#include "view/Rafraichissement.h"

#include <QElapsedTimer>
#include <cmath>
#include <functional>

namespace galbix::bench {

namespace {

constexpr int NbPoints = 100000;
constexpr int DebutSelection = 25000; // 0-based: points 25 001 to 75 000 are selected
constexpr int NbSelection = 50000;

std::vector<PointProfil> Profil(float dy)
{
    std::vector<PointProfil> p(NbPoints);
    for (int i = 0; i < NbPoints; ++i) {
        const double t = 6.283185307179586 * i / NbPoints;
        p[size_t(i)] = {float(100 * std::cos(t)), float(20 * std::sin(t) + dy),
                        int16_t(i >= DebutSelection && i < DebutSelection + NbSelection ? EtatSelection : 0)};
    }
    return p;
}

struct Banc {
    CoupleProfils Profils;
    EtatEdition Edition;
    EtatGeometrie Geometrie;
    HistoriqueUndo Historique;
    EtatVue Vue;
    PressePapiers Pp;
    ContexteEdition Ctx{Profils, Edition, Geometrie, Historique, Vue.Options};
    CoupleProfils Depart;

    Banc()
    {
        Depart.PointsE = Profil(0);
        Depart.PointsS = Profil(5);
        Depart.EcartementZ = 500;
        Profils = Depart;
        Edition.PointCourantE = Edition.PointCourantS = 50000;
        Geometrie.Interrupteurs.IndexFleche = FlecheAlignerBF;
        Vue.DefinirTailleDessin(7700, 8100);
        CalculerExtremes(Profils);
        for (int i = 0; i < HistoriqueUndo::TailleMax; ++i)
            EnregistrerUndo(Ctx);
    }
    void Refaire()
    {
        Profils.PointsE = Depart.PointsE;
        Profils.PointsS = Depart.PointsS;
        Edition.PointCourantE = Edition.PointCourantS = 50000;
    }
    void Rafraichir()
    {
        ReprojeterVue(Profils, Vue, nullptr);
        CalculerRafraichissement(Profils, Edition, Vue, false);
    }
};

// Best of `repetitions` timed runs of `commande` plus the refresh, each from the start state.
void Mesurer(Banc& b, const char* quoi, const std::function<void()>& commande, int repetitions = 5)
{
    double meilleur = 1e300;
    for (int i = 0; i < repetitions; ++i) {
        b.Refaire();
        QElapsedTimer chrono;
        chrono.start();
        commande();
        b.Rafraichir();
        meilleur = std::min(meilleur, double(chrono.nsecsElapsed()) / 1e6);
    }
    Afficher(quoi, meilleur);
}

} // namespace

void BenchPoints()
{
    Banc b;
    Mesurer(b, "Supprimer 50 000 of 100 000 + 2 snapshots", [&] { CommandeSupprimer(b.Ctx); });
    Mesurer(b, "Insérer un point (49 999 midpoints) + 2 snapshots", [&] { CommandeInsererPoint(b.Ctx); });
    Mesurer(b, "Copier 2 x 50 000 + clipboard text", [&] {
        CommandeCopier(b.Ctx, b.Pp);
        TexteDuPressePapiers(b.Pp);
    });
    Mesurer(b, "Couper 2 x 50 000 + clipboard text + 2 snapshots", [&] {
        CommandeCouper(b.Ctx, b.Pp);
        TexteDuPressePapiers(b.Pp);
    });
    b.Pp.PointsE = {{0, 0, 1}, {1, 1, 1}, {2, 0, 1}};
    b.Pp.PointsS.clear();
    Mesurer(b, "Coller 3 points at 50 000 points + 2 snapshots", [&] { CommandeColler(b.Ctx, b.Pp); });
    b.Pp.PointsE.assign(b.Depart.PointsE.begin() + DebutSelection,
                        b.Depart.PointsE.begin() + DebutSelection + NbSelection);
    Mesurer(b, "Coller 50 000 points at 1 point + 2 snapshots", [&] {
        for (int cote : {CoteE, CoteS})
            for (PointProfil& p : b.Profils.Points(cote).Modifier())
                p.Etat = 0;
        b.Profils.PointsE.Modifier()[10].Etat = b.Profils.PointsS.Modifier()[10].Etat = EtatSelection;
        CommandeColler(b.Ctx, b.Pp);
    });
    Mesurer(b, "Renuméroter 2 x 50 000 + 2 snapshots", [&] { CommandeRenumeroter(b.Ctx, 0.0f); });
    QString champ;
    Mesurer(b, "Deux ailes dans le bloc (mirror) + 2 snapshots",
            [&] { CommandeDupliquer(b.Ctx, Duplication::Miroir, QStringLiteral("10"), champ); });
    Mesurer(b, "Deux ailes dans le bloc (joined) + 2 snapshots",
            [&] { CommandeDupliquer(b.Ctx, Duplication::Reliee, QStringLiteral("10"), champ); });
    const QString texte = TexteDuPressePapiers(b.Pp);
    Afficher("Reading 50 000 points of clipboard text",
             MeilleurTempsMs(5, [&] { LireTextePoints(texte); }));
}

} // namespace galbix::bench
