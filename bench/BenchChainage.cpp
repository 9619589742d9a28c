// Reading a drawing of many shuffled LINE entities, step by step, against a loop that only
// scans the groups and reads the coordinates: what the entities, the tessellation and the
// chaining cost on top of the parse.
#include "Bench.h"

#include "geomlib/Chainage.h"
#include "geomlib/DxfDessin.h"
#include "geomlib/DxfGeometrie.h"
#include "geomlib/DxfGroupes.h"
#include "geomlib/Formats.h"
#include "geomlib/Tolerances.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace galbix::bench {

namespace {

// `n` LINE entities forming closed polygons of 100 sides, in a shuffled order, each drawn in
// a random direction.
std::string LignesMelangees(long long n)
{
    struct Segment {
        double x1, y1, x2, y2;
    };
    std::vector<Segment> segments;
    segments.reserve(size_t(n));
    std::mt19937 alea(7);
    for (long long i = 0; i < n; ++i) {
        const long long polygone = i / 100, cote = i % 100;
        const double cx = double(polygone % 100) * 250.0, cy = double(polygone / 100) * 250.0;
        const double a1 = 2.0 * M_PI * double(cote) / 100.0, a2 = 2.0 * M_PI * double(cote + 1) / 100.0;
        Segment s{cx + 100.0 * std::cos(a1), cy + 100.0 * std::sin(a1), cx + 100.0 * std::cos(a2),
                  cy + 100.0 * std::sin(a2)};
        if (cote == 99) // close exactly on the first corner
            s.x2 = cx + 100.0, s.y2 = cy;
        if (alea() & 1)
            s = {s.x2, s.y2, s.x1, s.y1};
        segments.push_back(s);
    }
    std::shuffle(segments.begin(), segments.end(), alea);
    std::string texte = "0\nSECTION\n2\nENTITIES\n";
    texte.reserve(size_t(n) * 140);
    char ligne[200];
    for (const Segment& s : segments)
        texte.append(ligne, size_t(std::snprintf(ligne, sizeof ligne,
                                                 "0\nLINE\n8\nContours\n10\n%.6f\n20\n%.6f\n30\n0.0\n11\n%.6f\n"
                                                 "21\n%.6f\n31\n0.0\n",
                                                 s.x1, s.y1, s.x2, s.y2)));
    return texte + "0\nENDSEC\n0\nEOF\n";
}

// The floor of any reader: every group scanned, every coordinate read as a number.
double Analyser(const std::string& texte)
{
    dxf::LecteurGroupes lecteur(texte);
    dxf::Groupe g;
    double somme = 0.0;
    while (lecteur.Suivant(g)) {
        double v = 0.0;
        if (g.code >= 10 && g.code < 40 && dxf::LireReelDxf(g.valeur, v))
            somme += v;
    }
    return somme;
}

} // namespace

void BenchChainage(const Arguments& arguments)
{
    const long long n = arguments.Nombre(0, 100000);
    const std::string texte = LignesMelangees(n);
    char quoi[120];
    double somme = 0.0;
    const double analyse = MeilleurTempsCpuMs(3, [&] { somme += Analyser(texte); });
    std::snprintf(quoi, sizeof quoi, "lignes mélangées (%lld, %.1f MB) : analyse seule", n, double(texte.size()) / 1e6);
    Afficher(quoi, analyse, double(texte.size()) / 1e6);

    dxf::Dessin dessin;
    dxf::Traces traces;
    QString erreur;
    const double entites = MeilleurTempsCpuMs(3, [&] {
        dessin = dxf::Dessin();
        dxf::LireDessin(texte, dessin, erreur);
    });
    Afficher("  entités lues", entites);
    const double tesselation = MeilleurTempsCpuMs(3, [&] {
        traces = dxf::Traces();
        dxf::Tesseler(dessin, traces, erreur);
    });
    Afficher("  tracés", tesselation);
    size_t points = 0;
    const double chainage = MeilleurTempsCpuMs(
        3, [&] { points = chainage::Chainer(traces.points, traces.traces, tol::Chainage).size(); });
    std::snprintf(quoi, sizeof quoi, "  chaînage (%zu points)", points);
    Afficher(quoi, chainage);
    const double total = MeilleurTempsCpuMs(3, [&] { points = formats::LireDxf(texte).points.size(); });
    std::snprintf(quoi, sizeof quoi, "  LireDxf complet (%.2f × l'analyse seule)", total / analyse);
    Afficher(quoi, total, double(texte.size()) / 1e6);
    if (somme == 42.0)
        std::printf("\n");
}

} // namespace galbix::bench
