// `galbix-cli editer FICHIER.gbx SORTIE.gbx VERBE [ARGUMENTS] ...`: reads a project as the
// window opens it, runs the verbs one after the other as the window's commands, and saves the
// result as a project. The first refusal stops the run with nothing written.
#include "app/cli/CommandesCli.h"
#include "app/cli/VerbesEditer.h"

#include "files/Projet.h"
#include "model/Extremes.h"

#include <QCoreApplication>
#include <cstdio>

namespace galbix::cli {

namespace {

constexpr const char* UsageEditer = "editer FICHIER.gbx SORTIE.gbx VERBE [ARGUMENTS] ...";

int RefusEditer(const QString& detail)
{
    Usage(UsageEditer);
    if (!detail.isEmpty())
        std::fprintf(stderr, "galbix-cli: %s\n", detail.toLocal8Bit().constData());
    return 1;
}

const VerbeEditer* TrouverVerbe(const QString& nom)
{
    for (const auto* table : {&VerbesEditionPoints(), &VerbesConstruction()})
        for (const VerbeEditer& verbe : *table)
            if (nom == QLatin1String(verbe.nom))
                return &verbe;
    return nullptr;
}

// The session as the window leaves it after opening the project: points, spacing, the
// switches pressed as clicks (recording nothing), the placing values from the metrics.
void OuvrirSession(SessionEdition& session, const DonneesProjet& projet)
{
    session.Profils = projet.Profils;
    session.ProjetOuvert = true;
    ContexteEdition ctx = session.Contexte();
    const auto presser = [&](auto&& commande) {
        session.Edition.BlocageUndo = true;
        commande();
    };
    if (projet.Aligner)
        presser([&] { CommandeAligner(ctx, true); });
    if (projet.BoutonFleche >= 0 && projet.BoutonFleche < projet::NbBoutonsFleche)
        presser([&] { CommandeBoutonFleche(ctx, projet.BoutonFleche, true); });
    if (projet.BoutonDiedre >= 0 && projet.BoutonDiedre < projet::NbBoutonsDiedre)
        presser([&] { CommandeBoutonDiedre(ctx, projet.BoutonDiedre, true); });
    session.Edition.BlocageUndo = false;
    CalculerExtremes(session.Profils);
    session.Geometrie.FlecheSaisie = session.Profils.FlecheBA;
    session.Geometrie.DiedreMmSaisi = session.Profils.DiedreMm;
    session.Geometrie.DiedreDegSaisi = session.Profils.DiedreDeg;
}

} // namespace

QString AideVerbesEditer()
{
    QString texte = QCoreApplication::translate("galbix-cli", "\nVerbes :\n");
    for (const auto* table : {&VerbesEditionPoints(), &VerbesConstruction()})
        for (const VerbeEditer& verbe : *table) {
            const QString gauche = (QLatin1String(verbe.nom) + u' ' + QLatin1String(verbe.arguments)).trimmed();
            texte += QStringLiteral("  ") + gauche.leftJustified(28) + u' ' + QCoreApplication::translate("galbix-cli", verbe.aide) + u'\n';
        }
    return texte;
}

int CommandeEditer(const QStringList& args)
{
    if (args.size() < 2 || args[0].startsWith(QLatin1String("--")) || args[1].startsWith(QLatin1String("--")))
        return RefusEditer({});
    DonneesProjet projet;
    const LectureProjet lecture = LireProjet(args[0], projet);
    if (!lecture.Reussie())
        return Erreur(lecture.Erreur);
    if (projet.Profils.PointsE.empty() || projet.Profils.PointsS.empty())
        return Erreur(QCoreApplication::translate("galbix-cli", "le projet n'a pas de profil à éditer : ") + args[0]);
    SessionEdition session;
    OuvrirSession(session, projet);

    for (int i = 2; i < args.size();) {
        const VerbeEditer* verbe = TrouverVerbe(args[i]);
        if (!verbe)
            return RefusEditer(QCoreApplication::translate("galbix-cli", "verbe inconnu : ") + args[i]);
        if (verbe->nbArguments > args.size() - i - 1)
            return RefusEditer(QCoreApplication::translate("galbix-cli", "arguments manquants après ") + args[i]);
        const QStringList arguments = args.mid(i + 1, verbe->nbArguments);
        QString erreurUsage;
        const ResultatVerbe refus = verbe->executer(session, arguments, erreurUsage);
        if (!erreurUsage.isEmpty())
            return RefusEditer(erreurUsage);
        if (refus)
            return Erreur(refus->Titre + QStringLiteral(" : ") + refus->Texte);
        i += 1 + verbe->nbArguments;
    }

    projet.Profils = session.Profils;
    const InterrupteursGeometrie& inter = session.Geometrie.Interrupteurs;
    projet.BoutonFleche = inter.IndexFleche;
    projet.BoutonDiedre = inter.IndexDiedre;
    projet.Aligner = inter.Aligner;
    if (!EcrireProjet(args[1], projet))
        return Erreur(QCoreApplication::translate("galbix-cli", "écriture impossible : ") + args[1]);
    return 0;
}

} // namespace galbix::cli
