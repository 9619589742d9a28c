// Memory and CPU of the heavy moments at a given size (points per side, 1 000 000 unless
// given): the editor opening a project, and the whole-profile insertion and duplication with
// their undo snapshots. Peak memory is read from the kernel (VmHWM, reset before each step).
#include "Bench.h"
#include "DialoguesMuets.h"

#include "app/DossierProgramme.h"
#include "app/FenetrePrincipale.h"
#include "editing/QueuePoints.h"
#include "files/Projet.h"
#include "model/Extremes.h"
#include "model/Naca.h"
#include "view/ui/Dialogues.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

namespace galbix::bench {

namespace {

/// A "VmRSS:" or "VmHWM:" figure of this process, in MiB.
double MemoireMiB(const char* champ)
{
    std::ifstream statut("/proc/self/status");
    std::string ligne;
    while (std::getline(statut, ligne))
        if (ligne.rfind(champ, 0) == 0)
            return std::stod(ligne.substr(std::string(champ).size())) / 1024.0;
    return 0.0;
}

/// Runs `travail` once; prints its CPU time, how far the peak memory rose above the memory in
/// use before it, in MiB and as a multiple of `modeleMiB`, and how much of the rise stays after it.
template <typename F>
void MesurerPic(const char* quoi, double modeleMiB, F&& travail)
{
    std::ofstream("/proc/self/clear_refs") << "5"; // resets VmHWM to the current size
    const double avant = MemoireMiB("VmRSS:");
    const double ms = MeilleurTempsCpuMs(1, travail);
    const double pic = MemoireMiB("VmHWM:");
    std::printf("%-60s %10.2f ms  pic %.0f MiB, +%.0f MiB (%.2f x le modèle), après +%.0f MiB\n", quoi, ms, pic,
                pic - avant, (pic - avant) / modeleMiB, MemoireMiB("VmRSS:") - avant);
    std::fflush(stdout);
}

std::vector<PointProfil> ProfilNaca(long long n, double corde, bool selectionne)
{
    std::vector<PointProfil> points;
    points.reserve(size_t(n) + 1);
    for (const QPointF& p : ProfilNaca4(QStringLiteral("2412"), int(n / 2)))
        points.push_back({float(p.x() * corde), float(p.y() * corde), int16_t(selectionne ? EtatSelection : 0)});
    return points;
}

} // namespace

void BenchMemoire(const Arguments& arguments)
{
    const long long n = arguments.Nombre(0, 1000000);
    const double modeleMiB = double(2 * n) * double(sizeof(PointProfil)) / (1024.0 * 1024.0);
    std::printf("modèle : 2 x %lld points, %.1f MiB\n", n, modeleMiB);

    QTemporaryDir dossier;
    const QString chemin =
        arguments.Chemin.isEmpty() ? dossier.filePath(QStringLiteral("grand.gbx")) : arguments.Chemin;
    if (!QFile::exists(chemin)) {
        DonneesProjet projet;
        projet.Profils.PointsE = ProfilNaca(n, 220.0, false);
        projet.Profils.PointsS = ProfilNaca(n, 160.0, false);
        projet.Profils.EcartementZ = 600.0f;
        EcrireProjet(chemin, projet);
    }
    qputenv(VariableDossierProgramme, dossier.path().toLocal8Bit());
    {
        DialoguesMuets dialogues;
        FenetrePrincipale fenetre(dialogues);
        MesurerPic("éditeur : ouvrir le projet et le dessiner", modeleMiB, [&] {
            fenetre.Charger(u'"' + chemin + u'"');
            fenetre.show();
            QApplication::processEvents();
        });
    }

    CoupleProfils profils;
    EtatEdition edition;
    EtatGeometrie geometrie;
    HistoriqueUndo historique;
    EtatVue vue;
    ContexteEdition ctx{profils, edition, geometrie, historique, vue.Options};
    profils.PointsE = ProfilNaca(n, 220.0, true);
    profils.PointsS = ProfilNaca(n, 160.0, true);
    profils.EcartementZ = 500;
    CalculerExtremes(profils);
    EnregistrerUndo(ctx); // as the previous command would have left it
    MesurerPic("inserer : un point entre chaque paire (tout sélectionné)", modeleMiB,
               [&] { CommandeInsererPoint(ctx); });
    QString champ;
    MesurerPic("dupliquer : deux ailes reliées", modeleMiB,
               [&] { CommandeDupliquer(ctx, Duplication::Reliee, QStringLiteral("10"), champ); });
}

} // namespace galbix::bench
