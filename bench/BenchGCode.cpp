#include "BenchGCode.h"

#include "Bench.h"
#include "files/GCode.h"
#include "geomlib/EcritureAtomique.h"
#include "model/Extremes.h"

#include <QTemporaryDir>
#include <cmath>
#include <ctime>
#include <numbers>

namespace galbix::bench {

namespace {

// A spiral of `n` points, 100 turns from 10 to 150 mm around (cx, cy), scaled by `k`: some
// 50 m of path at 1 000 000 points, so that every move of the program is written.
std::vector<PointProfil> Spirale(size_t n, double k, double cx, double cy)
{
    std::vector<PointProfil> points(n);
    for (size_t i = 0; i < n; ++i) {
        const double u = double(i) / double(n - 1);
        const double a = 2.0 * std::numbers::pi * 100.0 * u, r = k * (10.0 + 140.0 * u);
        points[i] = {float(cx + r * std::cos(a)), float(cy + r * std::sin(a)), 0};
    }
    return points;
}

void Mesurer(size_t parCote)
{
    CoupleProfils p;
    p.PointsE = Spirale(parCote, 1.0, 200.0, 200.0);
    p.PointsS = Spirale(parCote, 0.7, 210.0, 205.0);
    p.EcartementZ = 600.0f;
    CalculerExtremes(p);
    MachineDecoupe m;
    m.EntreChariots = 1000.0;
    m.Emplanture = 200.0;
    m.Saignee = 1.2;
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("bench.ngc"));
    const InfosProgramme infos{QStringLiteral("bench"), QStringLiteral("bench"), {}};
    for (ModeAvance avance : {ModeAvance::TempsInverse, ModeAvance::ParMinute}) {
        m.Avance = avance;
        long long taille = 0;
        double processeur = 1e300; // CPU time of the process: what the machine's other work cannot inflate
        const double ecrit = MeilleurTempsMs(3, [&] {
            const std::clock_t debut = std::clock();
            const QByteArray texte = GenererGCode(p, m, infos).Texte;
            EcrireFichierAtomique(chemin, texte);
            processeur = std::min(processeur, double(std::clock() - debut) * 1000.0 / CLOCKS_PER_SEC);
            taille = texte.size();
        });
        char quoi[120];
        std::snprintf(quoi, sizeof quoi, "G-code %zu x 2 points, saignee, %s, %lld Mo ecrits", parCote,
                      avance == ModeAvance::TempsInverse ? "G93" : "G94", taille >> 20);
        Afficher(quoi, ecrit);
        std::snprintf(quoi, sizeof quoi, "  dont temps processeur");
        Afficher(quoi, processeur);
    }
}

} // namespace

void BenchGCode()
{
    Mesurer(1000000);
    Mesurer(2000000);
}

} // namespace galbix::bench
