#include "app/cli/CommandesCli.h"

#include "app/cli/Json.h"
#include "app/cli/VerbesEditer.h"
#include "geomlib/Tranchex.h"
#include "model/Naca.h"

#include <QCoreApplication>
#include <cstdio>

namespace galbix::cli {

namespace {

void Imprimer(const Json& json)
{
    std::fwrite(json.Texte().data(), 1, json.Texte().size(), stdout);
    std::fputc('\n', stdout);
}

void Etendue(Json& json, const std::vector<PointFichier>& points, size_t debut, size_t fin)
{
    float xmin = points[debut].X, xmax = xmin, ymin = points[debut].Y, ymax = ymin;
    for (size_t i = debut; i < fin; ++i) {
        xmin = std::min(xmin, points[i].X);
        xmax = std::max(xmax, points[i].X);
        ymin = std::min(ymin, points[i].Y);
        ymax = std::max(ymax, points[i].Y);
    }
    json.Cle("xmin").Valeur(xmin).Cle("xmax").Valeur(xmax).Cle("ymin").Valeur(ymin).Cle("ymax").Valeur(ymax);
}

} // namespace

const std::vector<Commande>& Commandes()
{
    static const std::vector<Commande> commandes = {
        {"info", "info FICHIER", CommandeInfo},
        {"convertir", "convertir ENTREE SORTIE [--en-tete TEXTE]", CommandeConvertir},
        {"ouvrir", "ouvrir FICHIER", CommandeOuvrir},
        {"naca", "naca CODE SORTIE [--points N]", CommandeNaca},
        {"projet-info", "projet-info FICHIER.gbx", CommandeProjetInfo},
        {"exporter", "exporter FICHIER.gbx --dossier DOSSIER", CommandeExporter},
        {"importer", "importer --dossier DOSSIER SORTIE.gbx", CommandeImporter},
        {"demo", "demo SORTIE.gbx", CommandeDemo},
        {"synchro", "synchro RACINE SAUMON [--sortie-e FICHIER] [--sortie-s FICHIER]", CommandeSynchro},
        {"editer", "editer FICHIER.gbx SORTIE.gbx VERBE [ARGUMENTS] ...", CommandeEditer, nullptr, std::nullopt,
         &AideVerbesEditer},
        {"intermediaire", "intermediaire FICHIER.gbx DISTANCE SORTIE", CommandeIntermediaire},
        {"importer-kf", "importer-kf FICHIER.kf SORTIE.gbx", CommandeImportKf},
        {"assembler", "assembler FICHIER SORTIE --ordre LISTE", CommandeAssembler},
        {"parcours", "parcours FICHIER.gbx [--vitesse MM_S]", CommandeParcours},
        {"gcode",
         "gcode FICHIER.gbx SORTIE.ngc --entre-chariots L --emplanture D [--vitesse V] [--saignee K] "
         "[--axes XYUV|XYZA] [--avance g93|g94] [--entree E] [--emplanture-droite] [--courses X,Y,U,V]",
         CommandeGCode,
         QT_TRANSLATE_NOOP("galbix-cli", "Écrit le programme G-code d'un projet synchronisé pour une machine 4 axes : le fil prolongé jusqu'aux "
         "deux chariots, chaque mouvement à la vitesse de coupe du point de profil le plus rapide."),
         OptionsCli{{"--entre-chariots", "L", QT_TRANSLATE_NOOP("galbix-cli", "distance entre les deux chariots (mm, obligatoire)")},
                    {"--emplanture", "D", QT_TRANSLATE_NOOP("galbix-cli", "distance du chariot gauche à la face d'emplanture (mm, obligatoire)")},
                    {"--vitesse", "V", QT_TRANSLATE_NOOP("galbix-cli", "vitesse de coupe (3 mm/s par défaut)")},
                    {"--saignee", "K", QT_TRANSLATE_NOOP("galbix-cli", "largeur de la saignée du fil (0 par défaut)")},
                    {"--axes", "XYUV|XYZA", QT_TRANSLATE_NOOP("galbix-cli", "lettres des axes des chariots gauche et droit (XYUV par défaut)")},
                    {"--avance", "g93|g94", QT_TRANSLATE_NOOP("galbix-cli", "temps inverse (g93, par défaut) ou mm/min sur les quatre axes (g94)")},
                    {"--entree", "E", QT_TRANSLATE_NOOP("galbix-cli", "distance du point d'entrée avant la première paire (10 mm par défaut)")},
                    {"--emplanture-droite", nullptr, QT_TRANSLATE_NOOP("galbix-cli", "l'emplanture est du côté du chariot droit")},
                    {"--courses", "X,Y,U,V", QT_TRANSLATE_NOOP("galbix-cli", "course de chaque axe (1000,500,1000,500 par défaut)")}}},
    };
    return commandes;
}

int CommandeInfo(const QStringList& args)
{
    if (args.size() != 1)
        return Usage("info FICHIER");
    const LectureFichier lecture = LireFichierDetaille(args[0]);
    if (!lecture.ok)
        return Erreur(lecture.erreur);

    Json json;
    json.DebutObjet();
    json.Cle("format").Valeur(lecture.format);
    json.Cle("en_tete").Valeur(lecture.enTete);
    json.Cle("nombre_points").Valeur(int(lecture.points.size()));
    json.Cle("unites_declarees");
    if (lecture.unitesDeclarees)
        json.Valeur(*lecture.unitesDeclarees);
    else
        json.Nul();
    json.Cle("xmin").Valeur(lecture.Xmin).Cle("xmax").Valeur(lecture.Xmax);
    json.Cle("ymin").Valeur(lecture.Ymin).Cle("ymax").Valeur(lecture.Ymax);
    json.Cle("contours").DebutTableau();
    const std::vector<int> debuts = DebutsContours(lecture.points);
    for (size_t c = 0; c < debuts.size(); ++c) {
        const size_t debut = size_t(debuts[c]);
        const size_t fin = c + 1 < debuts.size() ? size_t(debuts[c + 1]) : lecture.points.size();
        const PointFichier& p = lecture.points[debut];
        json.DebutObjet();
        json.Cle("code").Valeur(QString::fromLatin1(p.CodeContour, 2));
        json.Cle("nombre_points").Valeur(int(fin - debut));
        Etendue(json, lecture.points, debut, fin);
        json.FinObjet();
    }
    json.FinTableau();
    json.FinObjet();
    Imprimer(json);
    return 0;
}

int CommandeConvertir(const QStringList& args)
{
    QStringList positionnels;
    std::optional<QString> enTete;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--en-tete")) {
            if (i + 1 >= args.size())
                return Usage("convertir ENTREE SORTIE [--en-tete TEXTE]");
            enTete = args[++i];
        } else {
            positionnels << args[i];
        }
    }
    if (positionnels.size() != 2)
        return Usage("convertir ENTREE SORTIE [--en-tete TEXTE]");
    const LectureFichier lecture = LireFichierDetaille(positionnels[0]);
    if (!lecture.ok)
        return Erreur(lecture.erreur);
    if (EcrireFichier(lecture.points, positionnels[1], enTete.value_or(lecture.enTete)) == 0)
        return Erreur(QCoreApplication::translate("galbix-cli", "écriture impossible : ") + positionnels[1]);
    return 0;
}

int CommandeNaca(const QStringList& args)
{
    constexpr const char* usage = "naca CODE SORTIE [--points N]";
    QStringList positionnels;
    int parSurface = 61;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--points")) {
            bool ok = false;
            parSurface = i + 1 < args.size() ? args[++i].toInt(&ok) : 0;
            if (!ok || parSurface < 2)
                return Usage(usage);
        } else {
            positionnels << args[i];
        }
    }
    if (positionnels.size() != 2)
        return Usage(usage);
    const ProfilNacaCalcule calcul = ProfilNaca(positionnels[0], parSurface);
    if (calcul.points.empty())
        return Erreur(calcul.erreur);
    const std::vector<QPointF>& profil = calcul.points;
    // Written like a saved root profile: chord in mm first in the header, so that the
    // .dat writer stores unit-chord coordinates.
    constexpr double corde = 100.0;
    std::vector<PointFichier> points(profil.size());
    for (size_t i = 0; i < profil.size(); ++i) {
        points[i].X = float(profil[i].x() * corde);
        points[i].Y = float(profil[i].y() * corde);
    }
    const QString enTete = QStringLiteral("Corde: 100.000 ") + calcul.nom;
    if (EcrireFichier(points, positionnels[1], enTete) == 0)
        return Erreur(QCoreApplication::translate("galbix-cli", "écriture impossible : ") + positionnels[1]);
    return 0;
}

} // namespace galbix::cli
