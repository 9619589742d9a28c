#include "BenchConstruction.h"

#include "Bench.h"

#include "app/SessionEdition.h"
#include "editing/Nettoyage.h"
#include "editing/QueueConstruction.h"
#include "model/Naca.h"

#include <cmath>
#include <numbers>

namespace galbix::bench {

namespace {

// A dense NACA 2412 of 200 mm: a million points, curved everywhere.
std::vector<PointProfil> ProfilDense(int n)
{
    std::vector<PointProfil> p;
    p.reserve(size_t(n));
    for (const QPointF& q : ProfilNaca4(QStringLiteral("2412"), n / 2))
        p.push_back({float(q.x() * 200.0), float(q.y() * 200.0), 0});
    p.resize(size_t(n), p.back());
    return p;
}

// A 300 x 40 mm box outline with its points spread along straight edges: the long windows
// of the thinning.
std::vector<PointProfil> Caisson(int n)
{
    std::vector<PointProfil> p(static_cast<size_t>(n));
    const double perimetre = 680.0;
    for (int i = 0; i < n; ++i) {
        double s = perimetre * i / (n - 1);
        float x, y;
        if (s < 300) { x = float(s); y = 0; }
        else if ((s -= 300) < 40) { x = 300; y = float(s); }
        else if ((s -= 40) < 300) { x = float(300 - s); y = 40; }
        else { x = 0; y = float(40 - (s - 300)); }
        p[size_t(i)] = {x, y, 0};
    }
    return p;
}

} // namespace

void BenchConstruction()
{
    constexpr int N = 1000000;
    const std::vector<PointProfil> dense = ProfilDense(N), caisson = Caisson(N);

    const double total = MeilleurTempsMs(3, [&] {
        std::vector<PointProfil> e = dense, s = caisson;
        NettoyerCote(e);
        NettoyerCote(s);
    });
    Afficher("total cleaning, 2 sides x 1 000 000 points (copies included)", total);

    const double synchrone = MeilleurTempsMs(3, [&] {
        CoupleProfils c;
        c.PointsE = dense;
        c.PointsS = caisson;
        NettoyerSynchrone(c);
    });
    Afficher("synchronous cleaning, 2 sides x 1 000 000 points (copies included)", synchrone);

    const double commande = MeilleurTempsMs(3, [&] {
        SessionEdition session;
        session.Profils.PointsE = dense;
        session.Profils.PointsS = caisson;
        ContexteEdition ctx = session.Contexte();
        CommandeNettoyer(ctx, true, session.ToleranceContour);
    });
    Afficher("\"Nettoyer\" synchronous command with its two snapshots", commande);

    constexpr int M = 100000;
    std::vector<PointProfil> cercle(static_cast<size_t>(M));
    for (int i = 0; i < M; ++i) {
        const double a = -2.0 * std::numbers::pi * i / (M - 1);
        cercle[size_t(i)] = {float(2000.0 * std::cos(a)), float(2000.0 * std::sin(a)), EtatSelection};
    }
    cercle.back() = cercle.front();
    const double decalage = MeilleurTempsMs(5, [&] {
        std::vector<PointProfil> p = cercle;
        DecalerCote(p, CoteE, 2.0);
    });
    Afficher("offset of a closed 100 000-point outline (copy included)", decalage);

    // Two selected runs of a million points each, a circle with a digitising noise of 0.05 mm:
    // the noise is measured and the whole run smoothed.
    constexpr int L = 1000000;
    std::vector<PointProfil> bruite(static_cast<size_t>(L));
    for (int i = 0; i < L; ++i) {
        const double a = 2.0 * std::numbers::pi * i / L, r = 20000.0 + 0.05 * std::sin(12345.678 * i * i);
        bruite[size_t(i)] = {float(r * std::cos(a)), float(r * std::sin(a)), EtatSelection};
    }
    bruite.front().Etat = bruite.back().Etat = 0;
    const double lissage = MeilleurTempsMs(3, [&] {
        CoupleProfils c;
        c.PointsE = bruite;
        c.PointsS = bruite;
        LisserProfils(c);
    });
    Afficher("smoothing of two 1 000 000-point runs (copies included)", lissage);
}

} // namespace galbix::bench
