// `parcours`: the cut of a synchronised project as the machine will run it.
#include "app/cli/CommandesCli.h"

#include "app/cli/Json.h"
#include "files/Projet.h"
#include "view/Parcours.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <cstdio>

namespace galbix::cli {

namespace {

constexpr const char* UsageParcours = "parcours FICHIER.gbx [--vitesse MM_S]";

// The project path and the speed; false on a malformed argument.
bool Arguments(const QStringList& args, QString& chemin, double& vitesse)
{
    bool vitesseDonnee = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--vitesse")) {
            if (i + 1 >= args.size() || vitesseDonnee)
                return false;
            bool ok = false;
            vitesse = QLocale::c().toDouble(args[++i], &ok);
            if (!ok || !(vitesse > 0.0) || !std::isfinite(vitesse))
                return false;
            vitesseDonnee = true;
        } else if (args[i].startsWith(QLatin1String("--")) || !chemin.isEmpty()) {
            return false;
        } else {
            chemin = args[i];
        }
    }
    return !chemin.isEmpty();
}

} // namespace

int CommandeParcours(const QStringList& args)
{
    QString chemin;
    double vitesse = VitesseDecoupeDefaut;
    if (!Arguments(args, chemin, vitesse))
        return Usage(UsageParcours);
    DonneesProjet projet;
    const LectureProjet lecture = LireProjet(chemin, projet);
    if (!lecture.Reussie())
        return Erreur(lecture.Erreur);
    const CoupleProfils& p = projet.Profils;
    if (p.NbPointsE() != p.NbPointsS())
        return Erreur(QCoreApplication::translate("galbix-cli", "les deux profils n'ont pas le même nombre de points (%1 et %2)")
                          .arg(p.NbPointsE())
                          .arg(p.NbPointsS()));
    const AnalyseParcours analyse = AnalyserParcours(p);
    Json json;
    json.DebutObjet();
    json.Cle("nombre_points").Valeur(int(analyse.NombrePoints));
    json.Cle("vitesse").Valeur(vitesse);
    json.Cle("duree_s").Valeur(analyse.Duree(vitesse));
    json.Cle("longueur_e").Valeur(analyse.LongueurE);
    json.Cle("longueur_s").Valeur(analyse.LongueurS);
    json.Cle("ecart_max").Valeur(analyse.EcartMax);
    json.Cle("segments_a_verifier").DebutTableau();
    for (int32_t k : analyse.SegmentsAVerifier)
        json.Valeur(int(k));
    json.FinTableau();
    json.FinObjet();
    std::fwrite(json.Texte().data(), 1, json.Texte().size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}

} // namespace galbix::cli
