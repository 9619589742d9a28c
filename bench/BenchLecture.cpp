// Reading throughput of the three file formats on generated 1 000 000-point files.
#include "Bench.h"
#include "geomlib/Tranchex.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <string>

namespace galbix::bench {

namespace {

constexpr int NombrePoints = 1000000;

// A wavy closed contour, so that coordinates use all their digits.
void Point(int i, double& x, double& y)
{
    const double t = 2.0 * M_PI * double(i) / NombrePoints;
    x = 500.0 * std::cos(t) + 3.0 * std::sin(37.0 * t);
    y = 200.0 * std::sin(t) + 2.0 * std::cos(53.0 * t);
}

std::string TexteDat()
{
    std::string s = "BENCH PROFILE\n";
    char ligne[64];
    for (int i = 0; i < NombrePoints; ++i) {
        double x, y;
        Point(i, x, y);
        s.append(ligne, size_t(std::snprintf(ligne, sizeof ligne, " %.6f  %.6f\n", x / 1000.0, y / 1000.0)));
    }
    return s;
}

std::string TextePlt()
{
    std::string s = "IN;SP1;";
    char ligne[64];
    for (int i = 0; i < NombrePoints; ++i) {
        double x, y;
        Point(i, x, y);
        s.append(ligne, size_t(std::snprintf(ligne, sizeof ligne, "%s%d,%d;\n", i == 0 ? "PU" : "PD",
                                             int(std::lround(x * 40.0)), int(std::lround(y * 40.0)))));
    }
    return s + "PU;SP0;\n";
}

std::string TexteDxf()
{
    std::string s = "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\n0\n90\n";
    s += std::to_string(NombrePoints) + "\n70\n1\n";
    char ligne[80];
    for (int i = 0; i < NombrePoints; ++i) {
        double x, y;
        Point(i, x, y);
        s.append(ligne, size_t(std::snprintf(ligne, sizeof ligne, "10\n%.6f\n20\n%.6f\n", x, y)));
    }
    return s + "0\nENDSEC\n0\nEOF\n";
}

void Mesurer(const QTemporaryDir& dossier, const char* nom, const std::string& texte)
{
    const QString chemin = dossier.filePath(QString::fromLatin1(nom));
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(texte.data(), qint64(texte.size())) != qint64(texte.size()))
        return;
    f.close();
    size_t points = 0;
    const double ms = MeilleurTempsMs(3, [&] { points = LireFichierDetaille(chemin).points.size(); });
    char quoi[96];
    std::snprintf(quoi, sizeof quoi, "LireFichier %s (%zu points, %.1f MB)", nom, points,
                  double(texte.size()) / 1e6);
    Afficher(quoi, ms, double(texte.size()) / 1e6);
}

} // namespace

void BenchLecture()
{
    QTemporaryDir dossier;
    Mesurer(dossier, "bench.dat", TexteDat());
    Mesurer(dossier, "bench.plt", TextePlt());
    Mesurer(dossier, "bench.dxf", TexteDxf());
}

} // namespace galbix::bench
