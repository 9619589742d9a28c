// `ouvrir FICHIER`: loads a profile as the root's open button does and prints the result.
#include "app/cli/CommandesCli.h"

#include "app/cli/Json.h"
#include "files/Ouverture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace galbix::cli {

int CommandeOuvrir(const QStringList& args)
{
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: galbix-cli ouvrir FICHIER\n");
        return 1;
    }
    // The extension is taken from the file name after the last folder separator: a bare
    // name is made a full path first.
    const QString chemin = QFileInfo(args[0]).absoluteFilePath();
    CoupleProfils profils;
    const ResultatOuverture r = OuvrirProfil(CoteE, chemin, false, profils);
    if (r.Issue != IssueOuverture::Charge) {
        const QString raison = r.Issue == IssueOuverture::Echec
            ? r.Erreur
            : QCoreApplication::translate("galbix-cli", "fichier de projet : aucun profil chargé par cette commande");
        std::fprintf(stderr, "galbix-cli: %s\n", raison.toLocal8Bit().constData());
        return 2;
    }
    Json json;
    json.DebutObjet();
    json.Cle("nombre_points").Valeur(int(profils.PointsE.size()));
    json.Cle("points").DebutTableau();
    for (const PointProfil& p : profils.PointsE)
        json.DebutTableau().Valeur(p.X).Valeur(p.Y).FinTableau();
    json.FinTableau();
    json.Cle("corde").Valeur(profils.LargeurE);
    json.Cle("ecartement_z").Valeur(profils.EcartementZ);
    json.Cle("tolerance").Valeur(r.ToleranceContour.value_or(0.0f));
    json.FinObjet();
    std::fwrite(json.Texte().data(), 1, json.Texte().size(), stdout);
    std::fputc('\n', stdout);
    return 0;
}

} // namespace galbix::cli
