// `intermediaire FICHIER.gbx DISTANCE SORTIE`: the intermediate profile of a project at a
// distance from the root, written with its report as the save command of the window does.
#include "app/cli/CommandesCli.h"

#include "files/ProfilIntermediaire.h"
#include "files/Projet.h"
#include "model/Fonctions.h"
#include "model/NumericText.h"

#include <QCoreApplication>
#include <cstdio>

namespace galbix::cli {

namespace {

constexpr const char* UsageIntermediaire = "intermediaire FICHIER.gbx DISTANCE SORTIE";

int Refus(const QString& titre, const QString& texte)
{
    return Erreur(titre + QStringLiteral(" : ") + texte);
}

} // namespace

int CommandeIntermediaire(const QStringList& args)
{
    if (args.size() != 3 || args[0].startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: galbix-cli %s\n", UsageIntermediaire);
        return 1;
    }
    DonneesProjet projet;
    const LectureProjet lecture = LireProjet(args[0], projet);
    if (!lecture.Reussie())
        return Erreur(lecture.Erreur);
    const CoupleProfils& profils = projet.Profils;
    // The window offers the intermediate profile only while both sides have the same count.
    if (profils.NbPointsE() != profils.NbPointsS())
        return Refus(intermediaire::TitreNombresDifferents, intermediaire::TexteNombresDifferents);
    // The distance is read as the field reads what is typed into it.
    QString texte = args[1];
    if (!EstNombreDecimal(texte))
        return Refus(TitreErreurSaisie, TexteErreurSaisie);
    const float distance = ValeurSaisieReelle(args[1]);
    if (!DistanceIntermediaireValide(distance, profils.EcartementZ))
        return Refus(intermediaire::TitreErreurDimension, intermediaire::TexteErreurDimension);
    CoupleProfils profil;
    CalculerProfilIntermediaire(profils, distance, profil);
    const SauvegardeIntermediaire ecrit =
        SauverProfilIntermediaire(args[2], profils, profil, distance, projet.NomFichier);
    if (!ecrit.ProfilEcrit)
        return Erreur(QCoreApplication::translate("galbix-cli", "écriture impossible : ") + args[2]);
    if (!ecrit.RapportEcrit)
        return Erreur(QCoreApplication::translate("galbix-cli", "écriture impossible : ") + CheminRapportIntermediaire(args[2]));
    return 0;
}

} // namespace galbix::cli
