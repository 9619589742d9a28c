// The point-editing verbs of `galbix-cli editer`: selection and current point as the point
// lists set them, then the commands of the "Selection" and "Ailes" frames.
#include "app/cli/VerbesEditer.h"

#include "editing/QueuePoints.h"
#include "editing/Transaction.h"

namespace galbix::cli {

namespace {

// "E", "S" or "ES": the sides named; empty when the text names none.
std::vector<int> Cotes(const QString& texte)
{
    if (texte == QLatin1String("E"))
        return {CoteE};
    if (texte == QLatin1String("S"))
        return {CoteS};
    if (texte == QLatin1String("ES"))
        return {CoteE, CoteS};
    return {};
}

// The refusal of a point number beyond the side's last point, the side named "E" or "S".
MessageRefus RefusPointAbsent(int cote, int32_t nbPoints)
{
    return {QCoreApplication::translate("galbix-cli", "Point absent"), QCoreApplication::translate("galbix-cli", "le côté %1 n'a que %2 points")
                                                .arg(cote == CoteE ? QStringLiteral("E") : QStringLiteral("S"))
                                                .arg(nbPoints)};
}

// "a" or "a-b", 1-based and a <= b.
bool Intervalle(const QString& texte, int32_t& debut, int32_t& fin)
{
    const QStringList morceaux = texte.split(u'-');
    if (morceaux.size() > 2)
        return false;
    bool ok1 = false, ok2 = true;
    debut = morceaux[0].toInt(&ok1);
    fin = morceaux.size() == 2 ? morceaux[1].toInt(&ok2) : debut;
    return ok1 && ok2 && debut >= 1 && fin >= debut;
}

ResultatVerbe Selectionner(SessionEdition& session, const QStringList& args, QString& erreur)
{
    const std::vector<int> cotes = Cotes(args[0]);
    int32_t debut = 0, fin = 0;
    if (cotes.empty() || !Intervalle(args[1], debut, fin)) {
        erreur = QStringLiteral("selectionner E|S|ES a-b");
        return std::nullopt;
    }
    for (int cote : cotes)
        if (fin > session.Profils.NbPoints(cote))
            return RefusPointAbsent(cote, session.Profils.NbPoints(cote));
    for (int cote : cotes) {
        std::vector<PointProfil>& points = session.Profils.Points(cote).Modifier();
        for (int32_t i = debut; i <= fin; ++i)
            PoserEtat(points[size_t(i - 1)], EtatSelection);
    }
    // One snapshot, as the last of the row clicks leaves it.
    ContexteEdition ctx = session.Contexte();
    EnregistrerUndoSaufBlocage(ctx);
    session.Edition.BlocageUndo = false;
    return std::nullopt;
}

ResultatVerbe Deselectionner(SessionEdition& session, const QStringList&, QString&)
{
    for (int cote : {CoteE, CoteS})
        for (PointProfil& p : session.Profils.Points(cote).Modifier())
            OterEtat(p, EtatSelection);
    return std::nullopt;
}

ResultatVerbe Courant(SessionEdition& session, const QStringList& args, QString& erreur)
{
    const std::vector<int> cotes = Cotes(args[0]);
    bool ok = false;
    const int32_t n = args[1].toInt(&ok);
    if (cotes.empty() || !ok || n < 1) {
        erreur = QStringLiteral("courant E|S|ES n");
        return std::nullopt;
    }
    for (int cote : cotes)
        if (n > session.Profils.NbPoints(cote))
            return RefusPointAbsent(cote, session.Profils.NbPoints(cote));
    for (int cote : cotes)
        session.Edition.PointCourant(cote) = n;
    return std::nullopt;
}

// Runs a command whole or not at all on the session's context and hands back its refusal.
template <typename F>
ResultatVerbe Executer(SessionEdition& session, F&& commande, const QString& titreLimites = TitreErreurSaisie)
{
    ContexteEdition ctx = session.Contexte();
    const SuitePoints s = ExecuterEntier(ctx, commande, titreLimites);
    if (s.Suite.Refuse)
        return s.Suite.Message;
    if (s.BornesListes)
        RemettreCourants(session);
    return std::nullopt;
}

ResultatVerbe Dupliquer(SessionEdition& session, const QStringList& args, QString& erreur)
{
    if (args[0] != QLatin1String("0") && args[0] != QLatin1String("1")) {
        erreur = QStringLiteral("dupliquer 0|1 ECART");
        return std::nullopt;
    }
    const Duplication variante = args[0] == QLatin1String("0") ? Duplication::Miroir : Duplication::Reliee;
    QString champ;
    return Executer(
        session, [&](ContexteEdition& ctx) { return CommandeDupliquer(ctx, variante, args[1], champ); },
        TitreErreurEcartementAiles);
}

} // namespace

const std::vector<VerbeEditer>& VerbesEditionPoints()
{
    static const std::vector<VerbeEditer> verbes = {
        {"selectionner", 2, Selectionner, "E|S|ES A[-B]", QT_TRANSLATE_NOOP("galbix-cli", "sélectionne les points A à B du ou des côtés")},
        {"deselectionner", 0, Deselectionner, "", QT_TRANSLATE_NOOP("galbix-cli", "désélectionne tous les points")},
        {"courant", 2, Courant, "E|S|ES N", QT_TRANSLATE_NOOP("galbix-cli", "fait du point N le point courant")},
        {"supprimer", 0,
         [](SessionEdition& s, const QStringList&, QString&) { return Executer(s, CommandeSupprimer); }, "",
         "« Supprimer »"},
        {"inserer", 0,
         [](SessionEdition& s, const QStringList&, QString&) { return Executer(s, CommandeInsererPoint); }, "",
         QT_TRANSLATE_NOOP("galbix-cli", "« Insérer un point »")},
        {"copier", 0,
         [](SessionEdition& s, const QStringList&, QString&) {
             return Executer(s, [&](ContexteEdition& ctx) { return CommandeCopier(ctx, s.PressePapier); });
         },
         "", "« Copier »"},
        {"couper", 0,
         [](SessionEdition& s, const QStringList&, QString&) {
             return Executer(s, [&](ContexteEdition& ctx) { return CommandeCouper(ctx, s.PressePapier); });
         },
         "", "« Couper »"},
        {"coller", 0,
         [](SessionEdition& s, const QStringList&, QString&) {
             return Executer(s, [&](ContexteEdition& ctx) { return CommandeColler(ctx, s.PressePapier); });
         },
         "", "« Coller »"},
        {"renumeroter", 0,
         [](SessionEdition& s, const QStringList&, QString&) {
             return Executer(s, [&](ContexteEdition& ctx) { return CommandeRenumeroter(ctx, s.ToleranceContour); });
         },
         "", QT_TRANSLATE_NOOP("galbix-cli", "« Renuméroter » depuis le point courant")},
        {"dupliquer", 2, Dupliquer, "0|1 ECART", QT_TRANSLATE_NOOP("galbix-cli", "« Deux ailes dans le bloc » (0 miroir, 1 reliées), écart en mm")},
    };
    return verbes;
}

} // namespace galbix::cli
