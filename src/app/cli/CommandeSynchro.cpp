// `synchro RACINE SAUMON [--sortie-e E.dat] [--sortie-s S.dat]`: loads the root and the tip as
// the two open buttons do, synchronises them between their first and last points, writes
// each side where asked and prints both point lists.
#include "app/cli/CommandesCli.h"

#include "app/cli/Json.h"
#include "editing/Synchronisation.h"
#include "files/Ouverture.h"
#include "geomlib/Tranchex.h"
#include "model/Extremes.h"
#include "model/NumericText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace galbix::cli {

namespace {

constexpr const char* UsageSynchro = "synchro RACINE SAUMON [--sortie-e FICHIER] [--sortie-s FICHIER]";

struct ArgumentsSynchro {
    QString racine, saumon;
    std::optional<QString> sortie[2];
};

std::optional<ArgumentsSynchro> LireArguments(const QStringList& args)
{
    ArgumentsSynchro a;
    QStringList positionnels;
    for (int i = 0; i < args.size(); ++i) {
        const bool optionE = args[i] == QLatin1String("--sortie-e");
        if (optionE || args[i] == QLatin1String("--sortie-s")) {
            if (i + 1 >= args.size())
                return std::nullopt;
            a.sortie[optionE ? CoteE : CoteS] = args[++i];
        } else {
            positionnels << args[i];
        }
    }
    if (positionnels.size() != 2)
        return std::nullopt;
    a.racine = positionnels[0];
    a.saumon = positionnels[1];
    return a;
}

int Echec(const QString& message)
{
    std::fprintf(stderr, "galbix-cli: %s\n", message.toLocal8Bit().constData());
    return 2;
}

// One side loaded as its open button does; an empty text when it went well.
QString Charger(int cote, const QString& chemin, CoupleProfils& profils)
{
    // The extension is taken after the last folder separator: a bare name becomes a full path.
    const ResultatOuverture r = OuvrirProfil(cote, QFileInfo(chemin).absoluteFilePath(), cote == CoteS, profils);
    if (r.Issue == IssueOuverture::Charge)
        return {};
    if (r.Issue == IssueOuverture::Echec)
        return chemin + QStringLiteral(" : ") + r.Erreur;
    return chemin + QCoreApplication::translate("galbix-cli", " : fichier de projet, aucun profil chargé par cette commande");
}

QString Nombre(float valeur)
{
    return PointDecimal(FormaterNombre(double(valeur), u"#####0.000"));
}

// The header the save command gives each side: the chord, and for the tip the sweep and
// the dihedral height as well.
QString EnTete(int cote, const CoupleProfils& profils)
{
    if (cote == CoteE)
        return QStringLiteral("Corde: ") + Nombre(profils.LargeurE);
    return QStringLiteral("Corde: ") + Nombre(profils.LargeurS) + QStringLiteral(" Flèche: ")
        + Nombre(profils.FlecheBA) + QStringLiteral(" Cale dièdre: ") + Nombre(profils.DiedreMm);
}

bool Ecrire(int cote, const QString& chemin, const CoupleProfils& profils)
{
    const std::vector<PointProfil>& points = profils.Points(cote);
    std::vector<PointFichier> enregistrements(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        enregistrements[i].X = points[i].X;
        enregistrements[i].Y = points[i].Y;
    }
    return EcrireFichier(enregistrements, chemin, EnTete(cote, profils)) != 0;
}

void ImprimerPoints(Json& json, const char* cle, const std::vector<PointProfil>& points)
{
    json.Cle(cle).DebutTableau();
    for (const PointProfil& p : points)
        json.DebutTableau().Valeur(p.X).Valeur(p.Y).Valeur(int(p.Etat)).FinTableau();
    json.FinTableau();
}

} // namespace

int CommandeSynchro(const QStringList& args)
{
    const std::optional<ArgumentsSynchro> a = LireArguments(args);
    if (!a) {
        std::fprintf(stderr, "usage: galbix-cli %s\n", UsageSynchro);
        return 1;
    }
    CoupleProfils profils;
    for (const auto& [cote, chemin] : {std::pair{CoteE, a->racine}, std::pair{CoteS, a->saumon}}) {
        const QString erreur = Charger(cote, chemin, profils);
        if (!erreur.isEmpty())
            return Echec(erreur);
    }
    EtatEdition edition;
    const ResultatSynchro r = ExecuterSynchroOptimale(profils, edition);
    if (r.Issue != IssueSynchro::Effectuee)
        return Echec(r.Refus.Texte);
    for (int cote : {CoteE, CoteS})
        if (a->sortie[cote] && !Ecrire(cote, *a->sortie[cote], profils))
            return Echec(QCoreApplication::translate("galbix-cli", "écriture impossible : ") + *a->sortie[cote]);

    Json json;
    json.DebutObjet();
    json.Cle("nombre_points").Valeur(int(profils.PointsE.size()));
    ImprimerPoints(json, "points_e", profils.PointsE);
    ImprimerPoints(json, "points_s", profils.PointsS);
    json.FinObjet();
    std::fwrite(json.Texte().data(), 1, json.Texte().size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}

} // namespace galbix::cli
