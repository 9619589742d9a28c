// The construction and cleaning verbs of `galbix-cli editer`: they run the window's commands
// on the session, the question of "Nettoyer" being answered by the verb's argument.
#include "app/cli/VerbesEditer.h"

#include "editing/QueueConstruction.h"
#include <cmath>

namespace galbix::cli {

namespace {

ResultatVerbe VerbeIntersection(SessionEdition& session, const QStringList&, QString&)
{
    ContexteEdition ctx = session.Contexte();
    return CommandeIntersection(ctx).PremierRefus();
}

ResultatVerbe VerbeDecaler(SessionEdition& session, const QStringList& arguments, QString& erreurUsage)
{
    bool ok = false;
    const double d = arguments.value(0).toDouble(&ok);
    if (!ok || !std::isfinite(d)) {
        erreurUsage = QStringLiteral("decaler : distance invalide « %1 »").arg(arguments.value(0));
        return std::nullopt;
    }
    ContexteEdition ctx = session.Contexte();
    return CommandeDecaler(ctx, float(d)).PremierRefus();
}

ResultatVerbe VerbeNettoyer(SessionEdition& session, const QStringList& arguments, QString& erreurUsage)
{
    const QString mode = arguments.value(0);
    if (mode != QLatin1String("total") && mode != QLatin1String("synchrone")) {
        erreurUsage = QStringLiteral("nettoyer : « total » ou « synchrone » attendu, pas « %1 »").arg(mode);
        return std::nullopt;
    }
    ContexteEdition ctx = session.Contexte();
    return CommandeNettoyer(ctx, mode == QLatin1String("synchrone"), session.ToleranceContour).PremierRefus();
}

ResultatVerbe VerbeLisser(SessionEdition& session, const QStringList&, QString&)
{
    ContexteEdition ctx = session.Contexte();
    return CommandeLisser(ctx).PremierRefus();
}

} // namespace

const std::vector<VerbeEditer>& VerbesConstruction()
{
    static const std::vector<VerbeEditer> verbes = {
        {"intersection", 0, VerbeIntersection},
        {"decaler", 1, VerbeDecaler},
        {"nettoyer", 1, VerbeNettoyer},
        {"lisser", 0, VerbeLisser},
    };
    return verbes;
}

} // namespace galbix::cli
