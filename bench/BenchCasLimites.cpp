// Worst cases of the readers: inputs made to defeat the thinning and the chaining, timed
// through the open command, with the opening throughput of each generated file.
#include "Bench.h"

#include "files/Ouverture.h"
#include "files/Simplification.h"
#include "geomlib/Chainage.h"
#include "model/Types.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <string>

namespace galbix::bench {

namespace {

std::string Lire(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray o = f.readAll();
    return std::string(o.constData(), size_t(o.size()));
}

// Times the root open command on `texte` written as `nom`; prints time and throughput.
void Ouvrir(const QTemporaryDir& dossier, const char* nom, const std::string& texte, const char* quoi)
{
    const QString chemin = dossier.filePath(QString::fromLatin1(nom));
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(texte.data(), qint64(texte.size())) != qint64(texte.size()))
        return;
    f.close();
    size_t points = 0;
    bool charge = false;
    const double ms = MeilleurTempsMs(2, [&] {
        CoupleProfils profils;
        charge = OuvrirProfil(CoteE, chemin, false, profils).Issue == IssueOuverture::Charge;
        points = profils.PointsE.size();
    });
    char ligne[160];
    std::snprintf(ligne, sizeof ligne, "ouvrir %s (%.2f MB, %s, %zu points)", quoi, double(texte.size()) / 1e6,
                  charge ? "chargé" : "refusé", points);
    Afficher(ligne, ms, double(texte.size()) / 1e6);
}

// `n` lines from one point, as DXF LINE entities.
std::string Etoile(int n)
{
    std::string s = "0\nSECTION\n2\nENTITIES\n";
    char ligne[160];
    for (int i = 0; i < n; ++i) {
        const double a = 2.0 * M_PI * i / n;
        s.append(ligne, size_t(std::snprintf(ligne, sizeof ligne, "0\nLINE\n8\n0\n10\n5\n20\n5\n11\n%.6f\n21\n%.6f\n",
                                             5 + 100 * std::cos(a), 5 + 100 * std::sin(a))));
    }
    return s + "0\nENDSEC\n0\nEOF\n";
}

// One polyline going back and forth along a line, within the tolerance, then far away once:
// every window of the thinning turns back on itself.
std::string AllersRetours(int n)
{
    std::string s = "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\n0\n90\n" + std::to_string(n + 1) + "\n70\n0\n";
    char ligne[80];
    for (int i = 0; i < n; ++i)
        s.append(ligne, size_t(std::snprintf(ligne, sizeof ligne, "10\n%.4f\n20\n%.4f\n", (i % 1000) * 0.1 * ((i / 1000) % 2 ? -1 : 1) + 200, 0.001 * (i % 7))));
    s += "10\n100000\n20\n50000\n";
    return s + "0\nENDSEC\n0\nEOF\n";
}

// A plot whose pen wanders in a small ball around one point, then goes far once: the
// records bunch within the tolerance of the anchor.
std::string Pelote(int n)
{
    std::string s = "IN;SP1;PU0,0;PD";
    char ligne[64];
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / n;
        s.append(ligne, size_t(std::snprintf(ligne, sizeof ligne, "%d,%d,", int(std::lround(2000 + 140 * std::cos(400 * t))),
                                             int(std::lround(2000 + 140 * std::sin(370 * t))))));
    }
    return s + "4000000,2000000;PU;\n";
}

// About 1 MB of curves that each need many chords: circles of radius 100 (`genre` 0), cubic
// NURBS zigzagging 200 mm high every 0.01 mm (1), splines through such zigzags (2).
std::string CourbesDenses(int genre)
{
    std::string s = "0\nSECTION\n2\nENTITIES\n";
    char ligne[96];
    const auto ajouter = [&](const char* format, double a, double b) {
        s.append(ligne, size_t(std::snprintf(ligne, sizeof ligne, format, a, b)));
    };
    while (s.size() < 1000000) {
        if (genre == 0) {
            ajouter("0\nCIRCLE\n8\n0\n10\n%.3f\n20\n%.3f\n40\n100\n", double(s.size() % 7), 0.0);
            continue;
        }
        const int n = 1000;
        s += genre == 1 ? "0\nSPLINE\n70\n8\n71\n3\n" : "0\nSPLINE\n70\n8\n71\n3\n74\n1000\n";
        for (int i = 0; genre == 1 && i < n + 4; ++i)
            ajouter("40\n%.0f\n", double(std::clamp(i - 3, 0, n - 3)), 0.0);
        for (int i = 0; i < n; ++i)
            ajouter(genre == 1 ? "10\n%.2f\n20\n%.0f\n" : "11\n%.2f\n21\n%.0f\n", i * 0.01, (i % 2) * 200.0);
    }
    return s + "0\nENDSEC\n0\nEOF\n";
}

} // namespace

void BenchCasLimites()
{
    // Thinning of one straight run of a million records.
    std::vector<PointFichier> droite(1000000);
    const double msDroite = MeilleurTempsMs(3, [&] {
        for (size_t i = 0; i < droite.size(); ++i)
            droite[i].X = float(i) * 0.01f, droite[i].Y = float(i) * 0.004f;
        std::vector<PointFichier> copie = droite;
        SimplifierContour(copie, 0.01f);
    });
    Afficher("SimplifierContour droite (1 000 000 records)", msDroite);

    // Chaining alone: 200 000 lines meeting at one point.
    std::vector<courbes::Pt2> points;
    std::vector<chainage::Trace> traces;
    for (int i = 0; i < 200000; ++i) {
        const double a = 2.0 * M_PI * i / 200000;
        traces.push_back({points.size(), 2, false});
        points.push_back({5, 5});
        points.push_back({5 + 100 * std::cos(a), 5 + 100 * std::sin(a)});
    }
    Afficher("Chainer étoile (200 000 lignes en un point)",
             MeilleurTempsMs(3, [&] { chainage::Chainer(points, traces, 0.001); }));

    QTemporaryDir dossier;
    const std::string repro = Lire(QStringLiteral(GALBIX_SOURCES "/fuzz/regression/dxf/repro_thinning_hang.dxf"));
    if (!repro.empty()) {
        Ouvrir(dossier, "repro.dxf", repro, "dessin de 529 octets, 100 010 points en une tolérance");
        // The same entities 90 times in one section (about 40 KB).
        const std::string debut = "0\nSECTION\n2\nENTITIES\n", fin = "0\nEOF";
        if (repro.starts_with(debut) && repro.ends_with(fin)) {
            std::string copies = debut;
            for (int i = 0; i < 90; ++i)
                copies += repro.substr(debut.size(), repro.size() - debut.size() - fin.size());
            Ouvrir(dossier, "copies.dxf", copies + fin + "\n", "90 copies de ses entités");
        }
    }
    Ouvrir(dossier, "cercles.dxf", CourbesDenses(0), "cercles de rayon 100");
    Ouvrir(dossier, "nurbs.dxf", CourbesDenses(1), "NURBS en zigzag");
    Ouvrir(dossier, "passages.dxf", CourbesDenses(2), "splines en zigzag par points de passage");
    Ouvrir(dossier, "etoile.dxf", Etoile(200000), "étoile de 200 000 lignes");
    Ouvrir(dossier, "allers.dxf", AllersRetours(1000000), "polyligne en allers-retours");
    Ouvrir(dossier, "pelote.plt", Pelote(1000000), "tracé en pelote");
}

} // namespace galbix::bench
