// The editing commands with two 100 000-point profiles: each must stay well under 50 ms,
// snapshots included, and a full history must not copy more than it stores.
#include "BenchEdition.h"

#include "Bench.h"
#include "editing/Queue.h"
#include "model/Naca.h"

#include <cstdio>

namespace galbix::bench {

namespace {

constexpr int PointsParSurface = 50000; // 99 999 points per profile

std::vector<PointProfil> Profil(const char* code, double corde, double y)
{
    std::vector<PointProfil> p;
    for (const QPointF& q : ProfilNaca4(QString::fromLatin1(code), PointsParSurface))
        p.push_back({float(q.x() * corde), float(q.y() * corde + y), EtatSelection});
    return p;
}

struct Session {
    CoupleProfils Profils;
    EtatEdition Edition;
    EtatGeometrie Geometrie;
    HistoriqueUndo Historique;
    OptionsAffichage Affichage;
    ContexteEdition Ctx{Profils, Edition, Geometrie, Historique, Affichage};
};

} // namespace

void BenchEdition()
{
    Session s;
    s.Profils.PointsE = Profil("2412", 200, 0);
    s.Profils.PointsS = Profil("0012", 150, 10);
    s.Profils.EcartementZ = 500;
    s.Geometrie.Interrupteurs.IndexFleche = FlecheAlignerBF;
    TerminerCommande(s.Ctx);

    // The history grows to 40 entries first; from then on each snapshot reuses a dropped entry.
    Afficher("EnregistrerUndo x 40 (history filling up)", MeilleurTempsMs(1, [&] {
        for (int i = 0; i < HistoriqueUndo::TailleMax; ++i)
            EnregistrerUndo(s.Ctx);
    }));
    Afficher("EnregistrerUndo, history full", MeilleurTempsMs(20, [&] { EnregistrerUndo(s.Ctx); }));
    Afficher("Rotation + re-application + 2 snapshots", MeilleurTempsMs(20, [&] { CommandeTourner(s.Ctx, 1.0f); }));
    Afficher("Mirror + re-application + 2 snapshots", MeilleurTempsMs(20, [&] { CommandeMiroir(s.Ctx, SensMiroir::Vertical); }));
    Afficher("Stretch + re-application + 2 snapshots",
          MeilleurTempsMs(20, [&] { CommandeEtirer(s.Ctx, SensEtirement::Proportionnel, 101.0f); }));
    Afficher("Dihedral button + 2 snapshots",
          MeilleurTempsMs(20, [&] { CommandeBoutonDiedre(s.Ctx, DiedreAlignerMilieux, true); }));
    Afficher("Undo (restore)", MeilleurTempsMs(20, [&] { CommandeAnnuler(s.Ctx); }));
    Afficher("Sélection >30 + snapshot",
          MeilleurTempsMs(20, [&] { CommandePanneau(s.Ctx, CoteE, CommandeCote::Angles); }));
    Afficher("Inverser le sens + 2 snapshots", MeilleurTempsMs(20, [&] { CommandeInverserSens(s.Ctx); }));
    Afficher("EnregistrerUndo x 45, history full", MeilleurTempsMs(3, [&] {
        for (int i = 0; i < 45; ++i)
            EnregistrerUndo(s.Ctx);
    }));
    std::printf("history: %d entries of %zu + %zu points\n", s.Historique.Taille(), s.Profils.PointsE.size(),
                s.Profils.PointsS.size());
}

} // namespace galbix::bench
