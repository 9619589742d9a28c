// The construction and cleaning verbs of `galbix-cli editer`: they run the window's commands
// on the session, the question of "Nettoyer" being answered by the verb's argument.
#include "app/cli/VerbesEditer.h"

#include "editing/QueueConstruction.h"
#include "editing/Transaction.h"
#include "model/NumericText.h"

#include <cstdio>

namespace galbix::cli {

namespace {

// Runs a command whole or not at all; its notices go to stderr, as the window shows them
// before going on; the first refusal is handed back.
template <typename F>
ResultatVerbe Executer(SessionEdition& session, F&& commande)
{
    ContexteEdition ctx = session.Contexte();
    const SuiteConstruction s = ExecuterEntier(ctx, commande);
    for (const AvisConstruction& avis : s.Avis)
        if (avis.Information)
            std::fprintf(stderr, "galbix-cli: %s\n",
                         (avis.Titre + QStringLiteral(" : ") + avis.Texte).toLocal8Bit().constData());
    if (s.NombresModifies && !s.Suite.Refuse)
        RemettreCourants(session);
    return s.PremierRefus();
}

ResultatVerbe VerbeIntersection(SessionEdition& session, const QStringList&, QString&)
{
    return Executer(session, &CommandeIntersection);
}

// The distance goes through the field's check: what the field refuses is refused here.
ResultatVerbe VerbeDecaler(SessionEdition& session, const QStringList& arguments, QString&)
{
    QString texte = arguments.value(0);
    if (!EstNombreDecimal(texte) || !ValeurSaisieFinie(texte))
        return MessageRefus{TitreErreurSaisie, TexteErreurSaisie};
    const float d = ValeurSaisieReelle(arguments.value(0));
    return Executer(session, [d](ContexteEdition& ctx) { return CommandeDecaler(ctx, d); });
}

ResultatVerbe VerbeNettoyer(SessionEdition& session, const QStringList& arguments, QString& erreurUsage)
{
    const QString mode = arguments.value(0);
    if (mode != QLatin1String("total") && mode != QLatin1String("synchrone")) {
        erreurUsage = QStringLiteral("nettoyer : « total » ou « synchrone » attendu, pas « %1 »").arg(mode);
        return std::nullopt;
    }
    const bool synchrone = mode == QLatin1String("synchrone");
    float& tolerance = session.ToleranceContour;
    return Executer(session, [synchrone, &tolerance](ContexteEdition& ctx) {
        return CommandeNettoyer(ctx, synchrone, tolerance);
    });
}

ResultatVerbe VerbeLisser(SessionEdition& session, const QStringList&, QString&)
{
    return Executer(session, &CommandeLisser);
}

} // namespace

const std::vector<VerbeEditer>& VerbesConstruction()
{
    static const std::vector<VerbeEditer> verbes = {
        {"intersection", 0, VerbeIntersection, "", QT_TRANSLATE_NOOP("galbix-cli", "« Créer l'intersection » (avis sur la sortie d'erreur)")},
        {"decaler", 1, VerbeDecaler, "DISTANCE", QT_TRANSLATE_NOOP("galbix-cli", "décale les profils de DISTANCE mm (nombre comme dans le champ)")},
        {"nettoyer", 1, VerbeNettoyer, "total|synchrone", QT_TRANSLATE_NOOP("galbix-cli", "« Nettoyer », avec ou sans les points synchrones")},
        {"lisser", 0, VerbeLisser, "", "« Lisser (spline) »"},
    };
    return verbes;
}

} // namespace galbix::cli
