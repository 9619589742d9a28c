// `importer-kf FICHIER.kf SORTIE.gbx`: a project of the cutting program imported as the root's
// open button does (points replaced, placement typed side by side) and saved as a project.
#include "app/cli/CommandesCli.h"

#include "app/SessionEdition.h"
#include "editing/PlacementKerfex.h"
#include "files/ImportKf.h"
#include "files/Projet.h"
#include "view/Projection.h"

#include <QCoreApplication>
#include <cstdio>

namespace galbix::cli {

namespace {

constexpr const char* UsageImportKf = "importer-kf FICHIER.kf SORTIE.gbx";

constexpr int LongueurCommentaire = 256;

} // namespace

int CommandeImportKf(const QStringList& args)
{
    if (args.size() != 2 || args[0].startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: galbix-cli %s\n", UsageImportKf);
        return 1;
    }
    ProjetKerfex kf;
    const LectureKerfex lecture = LireProjetKerfex(args[0], kf);
    if (!lecture.Reussie)
        return Erreur(lecture.Erreur);
    SessionEdition session;
    ContexteEdition ctx = session.Contexte();
    if (const std::optional<MessageRefus> refus = ImporterProjetKerfex(ctx, kf))
        return Erreur(refus->Titre + QStringLiteral(" : ") + refus->Texte);

    DonneesProjet projet;
    projet.Profils = session.Profils;
    for (int cote : {CoteE, CoteS})
        projet.NomFichier[cote] = kf.Fichier[cote].value_or(QString());
    const InterrupteursGeometrie& i = session.Geometrie.Interrupteurs;
    projet.BoutonFleche = i.IndexFleche;
    projet.BoutonDiedre = i.IndexDiedre;
    projet.Aligner = i.Aligner;
    // The import ends on the side view, fitted.
    CadrerProjet(projet, VueDeCote);
    projet.Commentaire = kf.Commentaire.left(LongueurCommentaire);
    if (!EcrireProjet(args[1], projet))
        return Erreur(QCoreApplication::translate("galbix-cli", "écriture impossible : ") + args[1]);
    return 0;
}

} // namespace galbix::cli
