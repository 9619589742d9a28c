#include "app/cli/PrecisionsCommandes.h"

#include <cstring>

namespace galbix::cli {

const std::vector<PrecisionsCommande>& PrecisionsCommandes()
{
    static const std::vector<PrecisionsCommande> precisions = {
        {"info", QT_TRANSLATE_NOOP("galbix-cli", "Format, en-tête, nombre de points, unités déclarées, étendue et contours d'un fichier de profil."),
         OptionsCli{}},
        {"convertir", QT_TRANSLATE_NOOP("galbix-cli", "Lit un fichier de profil et l'écrit au format de l'extension de SORTIE (.dat ou .dxf)."),
         OptionsCli{{"--en-tete", "TEXTE", QT_TRANSLATE_NOOP("galbix-cli", "en-tête du fichier écrit (par défaut celui du fichier lu)")}}},
        {"ouvrir", QT_TRANSLATE_NOOP("galbix-cli", "Charge un fichier comme le bouton d'ouverture de l'emplanture (allègement des contours "
                   "dessinés, mise à 100 mm de corde des .dat)."),
         OptionsCli{}},
        {"naca", QT_TRANSLATE_NOOP("galbix-cli", "Écrit un profil NACA calculé par sa formule (corde 100 mm) : quatre chiffres (2412), "
                 "cinq chiffres (23012, 23112 à double courbure) ou quatre chiffres modifiés (0012-64)."),
         OptionsCli{{"--points", "N", QT_TRANSLATE_NOOP("galbix-cli", "points par surface (61 par défaut, au moins 2)")}}},
        {"projet-info", QT_TRANSLATE_NOOP("galbix-cli", "Lit un projet comme le programme : points, écartement, options, vue et commentaire."),
         OptionsCli{}},
        {"exporter", QT_TRANSLATE_NOOP("galbix-cli", "Écrit la paire d'échange TempE.dat / TempS.dat du projet dans DOSSIER."),
         OptionsCli{{"--dossier", "DOSSIER", QT_TRANSLATE_NOOP("galbix-cli", "dossier où écrire TempE.dat et TempS.dat")}}},
        {"importer", QT_TRANSLATE_NOOP("galbix-cli", "Lit la paire d'échange TempE.dat / TempS.dat de DOSSIER et l'enregistre comme projet."),
         OptionsCli{{"--dossier", "DOSSIER", QT_TRANSLATE_NOOP("galbix-cli", "dossier où lire TempE.dat et TempS.dat")}}},
        {"demo", QT_TRANSLATE_NOOP("galbix-cli", "Écrit le projet de démonstration (emplanture NACA 2412, saumon NACA 0012)."), OptionsCli{}},
        {"synchro", QT_TRANSLATE_NOOP("galbix-cli", "Charge les deux profils, les synchronise entre leurs extrémités et écrit chaque côté demandé."),
         OptionsCli{{"--sortie-e", "FICHIER", QT_TRANSLATE_NOOP("galbix-cli", "profil d'emplanture synchronisé")},
                    {"--sortie-s", "FICHIER", QT_TRANSLATE_NOOP("galbix-cli", "profil de saumon synchronisé")}}},
        {"editer", QT_TRANSLATE_NOOP("galbix-cli", "Applique à un projet une suite de commandes d'édition (selectionner, deselectionner, "
                   "courant, supprimer, inserer, copier, couper, coller, renumeroter, dupliquer, intersection, "
                   "decaler, nettoyer, lisser) et enregistre le résultat. Les arguments des verbes "
                   "sont des valeurs, jamais des options : « -,5 » est un nombre.")},
        {"intermediaire", QT_TRANSLATE_NOOP("galbix-cli", "Écrit le profil intermédiaire situé à DISTANCE mm de l'emplanture et son rapport "
                          "de caractéristiques."),
         OptionsCli{}},
        {"importer-kf", QT_TRANSLATE_NOOP("galbix-cli", "Lit un projet Kerfex (.kf) et l'enregistre comme projet Galbix."), OptionsCli{}},
        {"assembler", QT_TRANSLATE_NOOP("galbix-cli", "Assemble les contours d'un dessin en un seul parcours de découpe, dans l'ordre donné."),
         OptionsCli{{"--ordre", "LISTE", QT_TRANSLATE_NOOP("galbix-cli", "contours à assembler, numérotés à partir de 1 (« 3,1r,2 » : r = inversé)")}}},
        {"parcours", QT_TRANSLATE_NOOP("galbix-cli", "Décrit la découpe d'un projet synchronisé : durée à la vitesse donnée, longueurs des deux "
                     "parcours, écart maximal de rapport et segments à vérifier."),
         OptionsCli{{"--vitesse", "MM_S", QT_TRANSLATE_NOOP("galbix-cli", "vitesse de coupe du chariot le plus rapide (3 mm/s par défaut)")}}},
    };
    return precisions;
}

std::vector<Commande> CommandesCompletees(const std::vector<Commande>& commandes)
{
    std::vector<Commande> resultat = commandes;
    for (Commande& commande : resultat)
        for (const PrecisionsCommande& p : PrecisionsCommandes()) {
            if (std::strcmp(p.nom, commande.nom) != 0)
                continue;
            if (!commande.description)
                commande.description = p.description;
            if (!commande.options)
                commande.options = p.options;
        }
    return resultat;
}

} // namespace galbix::cli
