// `gcode`: the G-code program of a synchronised project for a 4-axis hot-wire machine.
#include "app/cli/CommandesCli.h"

#include "app/cli/Json.h"
#include "files/GCode.h"
#include "files/Projet.h"
#include "geomlib/EcritureAtomique.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <cmath>
#include <cstdio>

#ifndef GALBIX_VERSION
#define GALBIX_VERSION "0.0.0"
#endif

namespace galbix::cli {

namespace {

constexpr const char* UsageGCode =
    "gcode FICHIER.gbx SORTIE.ngc --entre-chariots L --emplanture D [--vitesse V] [--saignee K] "
    "[--axes XYUV|XYZA] [--avance g93|g94] [--entree E] [--emplanture-droite] [--courses X,Y,U,V]";

bool Nombre(const QString& texte, double& valeur)
{
    bool ok = false;
    valeur = QLocale::c().toDouble(texte, &ok);
    return ok && std::isfinite(valeur);
}

bool Courses(const QString& texte, MachineDecoupe& m)
{
    const QStringList parties = texte.split(QLatin1Char(','));
    if (parties.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i)
        if (!Nombre(parties[i], m.Courses[size_t(i)]))
            return false;
    return true;
}

// One option with its value; false when the value is malformed.
bool Option(const QString& nom, const QString& valeur, MachineDecoupe& m)
{
    if (nom == QLatin1String("--entre-chariots"))
        return Nombre(valeur, m.EntreChariots);
    if (nom == QLatin1String("--emplanture"))
        return Nombre(valeur, m.Emplanture);
    if (nom == QLatin1String("--vitesse"))
        return Nombre(valeur, m.Vitesse);
    if (nom == QLatin1String("--saignee"))
        return Nombre(valeur, m.Saignee);
    if (nom == QLatin1String("--entree"))
        return Nombre(valeur, m.Entree);
    if (nom == QLatin1String("--courses"))
        return Courses(valeur, m);
    if (nom == QLatin1String("--axes")) {
        m.Axes = valeur.toUpper();
        return AxesPossibles.contains(m.Axes);
    }
    if (nom == QLatin1String("--avance")) {
        const QString v = valeur.toLower();
        m.Avance = v == QLatin1String("g94") ? ModeAvance::ParMinute : ModeAvance::TempsInverse;
        return v == QLatin1String("g93") || v == QLatin1String("g94");
    }
    return false;
}

// The two paths and the machine; false on a malformed command line.
bool Arguments(const QStringList& args, QStringList& chemins, MachineDecoupe& m)
{
    bool distance = false, emplanture = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--emplanture-droite")) {
            m.EmplantureADroite = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            if (i + 1 >= args.size() || !Option(a, args[++i], m))
                return false;
            distance = distance || a == QLatin1String("--entre-chariots");
            emplanture = emplanture || a == QLatin1String("--emplanture");
        } else {
            chemins << a;
        }
    }
    return chemins.size() == 2 && distance && emplanture;
}

void Etendue(Json& json, const char* cle, const EtendueChariot& e)
{
    json.Cle(cle).DebutObjet();
    json.Cle("xmin").Valeur(e.XMin).Cle("xmax").Valeur(e.XMax);
    json.Cle("ymin").Valeur(e.YMin).Cle("ymax").Valeur(e.YMax);
    json.FinObjet();
}

} // namespace

int CommandeGCode(const QStringList& args)
{
    QStringList chemins;
    MachineDecoupe machine;
    if (!Arguments(args, chemins, machine))
        return Usage(UsageGCode);
    DonneesProjet projet;
    const LectureProjet lecture = LireProjet(chemins[0], projet);
    if (!lecture.Reussie())
        return Erreur(lecture.Erreur);
    const InfosProgramme infos{QStringLiteral("galbix-cli " GALBIX_VERSION), QFileInfo(chemins[0]).fileName(),
                               QDateTime::currentDateTime()};
    const ProgrammeGCode programme = GenererGCode(projet.Profils, machine, infos);
    if (programme.Refus)
        return Erreur(programme.Refus->Texte);
    if (!EcrireFichierAtomique(chemins[1], programme.Texte))
        return Erreur(QCoreApplication::translate("galbix-cli", "écriture impossible : ") + chemins[1]);
    Json json;
    json.DebutObjet();
    json.Cle("lignes").Valeur(static_cast<long long>(programme.Lignes));
    json.Cle("duree_s").Valeur(programme.Duree);
    Etendue(json, "gauche", programme.Gauche);
    Etendue(json, "droite", programme.Droite);
    json.Cle("hors_course").DebutTableau();
    for (const DepassementCourse& d : programme.HorsCourse)
        json.Valeur(QString(d.Axe));
    json.FinTableau();
    json.FinObjet();
    std::fwrite(json.Texte().data(), 1, json.Texte().size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}

} // namespace galbix::cli
