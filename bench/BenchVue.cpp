// Benchmarks of opening and viewing: thinning a large drawn contour, and fitting and
// drawing two large profiles. Needs the widget library (QImage, QPainter).
#include "Bench.h"
#include "files/Simplification.h"
#include "model/Extremes.h"
#include "model/Naca.h"
#include "view/Projection.h"
#include "view/ui/DessinProfils.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace galbix::bench {

namespace {

// A drawing of `n` records: long straight runs finely divided, alternating with arcs.
std::vector<galbix::PointFichier> ContourDessin(int n)
{
    std::vector<galbix::PointFichier> points;
    points.reserve(size_t(n));
    double x = 0.0, y = 0.0, cap = 0.0;
    int troncon = 0;
    while (int(points.size()) < n) {
        const bool droit = troncon % 2 == 0;
        const int longueur = droit ? 20000 + (troncon * 7919) % 30000 : 2000 + (troncon * 104729) % 6000;
        const double pas = droit ? 0.01 : 0.005;
        const double courbure = droit ? 0.0 : (troncon % 4 == 1 ? 1.0 : -0.7) * 2.0 * std::numbers::pi / longueur;
        for (int i = 0; i < longueur && int(points.size()) < n; ++i) {
            cap += courbure;
            x += pas * std::cos(cap);
            y += pas * std::sin(cap);
            galbix::PointFichier p;
            p.X = float(x);
            p.Y = float(y);
            points.push_back(p);
        }
        ++troncon;
    }
    return points;
}

std::vector<galbix::PointProfil> Profil(int nParSurface, double corde, double dx, double dy)
{
    std::vector<galbix::PointProfil> points;
    for (const QPointF& p : galbix::ProfilNaca4(QStringLiteral("2412"), nParSurface))
        points.push_back({float(p.x() * corde + dx), float(p.y() * corde + dy), 0});
    return points;
}

double Millisecondes(const QElapsedTimer& chrono)
{
    return double(chrono.nsecsElapsed()) / 1e6;
}

void BenchSimplification()
{
    std::vector<galbix::PointFichier> tampon = ContourDessin(1000000);
    float xmin = tampon[0].X, xmax = xmin, ymin = tampon[0].Y, ymax = ymin;
    for (const auto& p : tampon) {
        xmin = std::min(xmin, p.X);
        xmax = std::max(xmax, p.X);
        ymin = std::min(ymin, p.Y);
        ymax = std::max(ymax, p.Y);
    }
    const float tolerance = galbix::ToleranceDeContour(xmin, xmax, ymin, ymax);
    QElapsedTimer chrono;
    chrono.start();
    const int32_t n = galbix::SimplifierContour(tampon, tolerance);
    std::printf("SimplifierContour, 1000000 records (straight runs and arcs), tolerance %.4f: %.1f ms, %d kept\n",
                double(tolerance), Millisecondes(chrono), n);
}

void BenchDessin(bool surface, const char* libelle)
{
    galbix::CoupleProfils modele;
    modele.PointsE = Profil(50000, 300.0, 0.0, 0.0);
    modele.PointsS = Profil(50000, 180.0, 60.0, 15.0);
    modele.EcartementZ = 600.0f;
    galbix::CalculerExtremes(modele);
    galbix::EtatEdition edition;
    galbix::EtatVue vue;
    vue.DefinirTailleDessin(1200.0f * galbix::TwipsParPixel, 800.0f * galbix::TwipsParPixel);
    vue.Options.Surface = surface;
    QImage image(1200, 800, QImage::Format_ARGB32_Premultiplied);
    galbix::DessinateurProfils dessinateur;

    const int tours = 10;
    double ajuster = 0.0, dessiner = 0.0;
    for (int t = 0; t <= tours; ++t) {
        QElapsedTimer chrono;
        chrono.start();
        galbix::AjusterVue(modele, vue, nullptr);
        const double a = Millisecondes(chrono);
        chrono.restart();
        {
            QPainter peintre(&image);
            dessinateur.Dessiner(peintre, modele, edition, vue, QImage());
        }
        const double d = Millisecondes(chrono);
        if (t > 0) { // the first round warms the buffers
            ajuster += a;
            dessiner += d;
        }
    }
    std::printf("AjusterVue + DessinerProfils, 2 x %d points, 1200x800, %s: %.1f ms + %.1f ms\n",
                int(modele.PointsE.size()), libelle, ajuster / tours, dessiner / tours);
}

} // namespace

void BenchVue()
{
    BenchSimplification();
    BenchDessin(false, "default options");
    BenchDessin(true, "with rulings");
}

} // namespace galbix::bench
