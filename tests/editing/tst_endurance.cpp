// Endurance: thousands of random sequences of the editing commands on random profiles
// (1 to 80 points a side, degenerate shapes included). After every step the model must keep
// its invariants: finite coordinates, no transient state bit left, metrics equal to what
// CalculerExtremes gives for the points, and "Undo" then "Redo" giving back the recorded
// state bit for bit.
//
// The sequences come from a seeded generator; the seed is printed and can be set with the
// environment variable GALBIX_GRAINE to replay a run. A failure names the sequence's seed,
// the step and the last commands.

#include "common/TestMain.h"
#include "app/SessionEdition.h"
#include "editing/Queue.h"
#include "editing/Synchronisation.h"
#include "model/Extremes.h"

#include <QStringList>
#include <QTest>

#include <bit>
#include <cmath>
#include <random>

using namespace galbix;

namespace {

constexpr int Sequences = 8000;
constexpr int Pas = 40;

using Hasard = std::mt19937_64;

int Entier(Hasard& h, int min, int max) { return std::uniform_int_distribution<int>(min, max)(h); }
double Reel(Hasard& h, double min, double max) { return std::uniform_real_distribution<double>(min, max)(h); }
bool Pile(Hasard& h, double probabilite) { return std::bernoulli_distribution(probabilite)(h); }

/// A value typed in a field: ordinary, or one of the values that make commands refuse or degenerate.
float Valeur(Hasard& h, double min, double max) {
    static constexpr float speciales[] = {0.0f, -1.0f, 1e-6f, 90.0f, -90.0f, 100.0f, 45.0f, 1000.0f};
    if (Pile(h, 0.25))
        return speciales[Entier(h, 0, int(std::size(speciales)) - 1)];
    return float(Reel(h, min, max));
}

/// A side: a closed profile-like loop, a cloud, a line, or every point at one place.
std::vector<PointProfil> Cote(Hasard& h) {
    const int n = Pile(h, 0.3) ? Entier(h, 1, 3) : Entier(h, 4, 80);
    const int forme = Entier(h, 0, 3);
    const double corde = Reel(h, 1.0, 400.0), x0 = Reel(h, -100, 100), y0 = Reel(h, -100, 100);
    std::vector<PointProfil> points(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = n > 1 ? double(i) / (n - 1) : 0.0;
        double x = x0, y = y0;
        switch (forme) {
        case 0: x += corde * (0.5 + 0.5 * std::cos(2 * M_PI * t)); y += 0.12 * corde * std::sin(2 * M_PI * t); break;
        case 1: x += Reel(h, 0, corde); y += Reel(h, -corde / 4, corde / 4); break;
        case 2: x += corde * t; break;
        default: break;
        }
        points[size_t(i)] = {float(x), float(y), int16_t(Entier(h, 0, 7))};
    }
    return points;
}

struct Session : SessionEdition {
    ContexteEdition Ctx = Contexte();
};

// Every metric of the model, for bitwise comparisons. The reference means and counts are
// left out: they follow the state bits, which selections change without recomputing them
// (a snapshot may hold them stale), and every command that uses them recomputes them first.
constexpr float CoupleProfils::*Reels[] = {
    &CoupleProfils::Xmin, &CoupleProfils::Xmax, &CoupleProfils::Ymin, &CoupleProfils::Ymax,
    &CoupleProfils::Largeur, &CoupleProfils::Hauteur, &CoupleProfils::XminE, &CoupleProfils::XmaxE,
    &CoupleProfils::YminE, &CoupleProfils::YmaxE, &CoupleProfils::LargeurE, &CoupleProfils::HauteurE,
    &CoupleProfils::XaYmaxE, &CoupleProfils::XaYminE, &CoupleProfils::YaXminE, &CoupleProfils::YaXmaxE,
    &CoupleProfils::XminS, &CoupleProfils::XmaxS, &CoupleProfils::YminS, &CoupleProfils::YmaxS,
    &CoupleProfils::LargeurS, &CoupleProfils::HauteurS, &CoupleProfils::XaYmaxS, &CoupleProfils::XaYminS,
    &CoupleProfils::YaXminS, &CoupleProfils::YaXmaxS, &CoupleProfils::EcartementZ, &CoupleProfils::FlecheBA,
    &CoupleProfils::FlecheBF, &CoupleProfils::DiedreMm, &CoupleProfils::DiedreDeg,
};
constexpr int32_t CoupleProfils::*Entiers[] = {
    &CoupleProfils::IndXminE, &CoupleProfils::IndXmaxE, &CoupleProfils::IndYminE, &CoupleProfils::IndYmaxE,
    &CoupleProfils::IndXminS, &CoupleProfils::IndXmaxS, &CoupleProfils::IndYminS, &CoupleProfils::IndYmaxS,
};

bool MemesBits(float a, float b) { return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b); }

/// The first difference between two models (points bit for bit, then the metrics), or empty.
QString Difference(const CoupleProfils& a, const CoupleProfils& b) {
    for (int cote : {CoteE, CoteS}) {
        const auto &pa = a.Points(cote), &pb = b.Points(cote);
        if (pa.size() != pb.size())
            return QStringLiteral("side %1: %2 points instead of %3").arg(cote).arg(pa.size()).arg(pb.size());
        for (size_t i = 0; i < pa.size(); ++i)
            if (!MemesBits(pa[i].X, pb[i].X) || !MemesBits(pa[i].Y, pb[i].Y) || pa[i].Etat != pb[i].Etat)
                return QStringLiteral("side %1 point %2: (%3, %4, %5) instead of (%6, %7, %8)")
                    .arg(cote).arg(i + 1).arg(pa[i].X).arg(pa[i].Y).arg(pa[i].Etat).arg(pb[i].X).arg(pb[i].Y)
                    .arg(pb[i].Etat);
    }
    for (size_t k = 0; k < std::size(Reels); ++k)
        if (!MemesBits(a.*Reels[k], b.*Reels[k]))
            return QStringLiteral("metric %1: %2 instead of %3").arg(k).arg(a.*Reels[k], 0, 'g', 9).arg(b.*Reels[k], 0, 'g', 9);
    for (size_t k = 0; k < std::size(Entiers); ++k)
        if (a.*Entiers[k] != b.*Entiers[k])
            return QStringLiteral("index %1: %2 instead of %3").arg(k).arg(a.*Entiers[k]).arg(b.*Entiers[k]);
    return {};
}

/// The window's work after a successful "Synchronisation optimale".
void Synchroniser(Session& s) {
    if (ExecuterSynchroOptimale(s.Profils, s.Edition).Issue != IssueSynchro::Effectuee)
        return;
    for (int cote : {CoteE, CoteS})
        s.Edition.PointCourant(cote) = std::clamp(s.Edition.PointCourant(cote), 1, std::max(1, s.Profils.NbPoints(cote)));
    EnregistrerUndoSaufBlocage(s.Ctx);
    s.Edition.BlocageUndo = false;
}

/// Runs one random command; returns its name for the failure report.
QString Commande(Session& s, Hasard& h) {
    ContexteEdition& c = s.Ctx;
    const int cote = Entier(h, 0, 1);
    const int choix = Entier(h, 0, 23);
    switch (choix) {
    case 0: { const int k = Entier(h, 0, 4); CommandePanneau(c, cote, CommandeCote(k)); return QStringLiteral("panneau %1 %2").arg(cote).arg(k); }
    case 1: { const int l = Entier(h, 0, 4); CommandeLigne(c, cote, l); return QStringLiteral("ligne %1 %2").arg(cote).arg(l); }
    case 2: CommandeInverserSens(c); return QStringLiteral("inverser");
    case 3: { const int m = Entier(h, 0, 2); CommandeModeSelection(c, m); return QStringLiteral("mode %1").arg(m); }
    case 4: { const int m = Entier(h, 0, 1); CommandeMiroir(c, SensMiroir(m)); return QStringLiteral("miroir %1").arg(m); }
    case 5: { const int m = Entier(h, 0, 2); const float v = Valeur(h, -50, 300); CommandeEtirer(c, SensEtirement(m), v); return QStringLiteral("etirer %1 %2").arg(m).arg(v); }
    case 6: { const float v = Valeur(h, -360, 360); CommandeTourner(c, v); return QStringLiteral("tourner %1").arg(v); }
    case 7: { const int m = Entier(h, 0, 1); const float v = Valeur(h, -100, 100); CommandeDeplacer(c, SensTranslation(m), v); return QStringLiteral("deplacer %1 %2").arg(m).arg(v); }
    case 8: { const float v = Valeur(h, 1, 400); CommandeCorde(c, cote, v); return QStringLiteral("corde %1 %2").arg(cote).arg(v); }
    case 9: { const float v = Valeur(h, -10, 1000); CommandeEcartement(c, v); return QStringLiteral("ecartement %1").arg(v); }
    case 10: { const float v = Valeur(h, -100, 100); CommandeFleche(c, v); return QStringLiteral("fleche %1").arg(v); }
    case 11: { const float v = Valeur(h, -50, 50); CommandeDiedreMm(c, v); return QStringLiteral("diedre mm %1").arg(v); }
    case 12: { const float v = Valeur(h, -30, 30); CommandeDiedreDeg(c, v); return QStringLiteral("diedre deg %1").arg(v); }
    case 13: { const int k = Entier(h, 0, 2); const bool b = Pile(h, 0.7); CommandeBoutonFleche(c, k, b); return QStringLiteral("bouton fleche %1 %2").arg(k).arg(b); }
    case 14: { const int k = Entier(h, 0, 4); const bool b = Pile(h, 0.7); CommandeBoutonDiedre(c, k, b); return QStringLiteral("bouton diedre %1 %2").arg(k).arg(b); }
    case 15: { const bool b = Pile(h, 0.7); CommandeAligner(c, b); return QStringLiteral("aligner %1").arg(b); }
    case 16: Synchroniser(s); return QStringLiteral("synchro");
    case 17: {
        const int p = Entier(h, 1, std::max(1, s.Profils.NbPoints(cote)));
        s.Edition.PointCourant(cote) = p;
        return QStringLiteral("point courant %1 %2").arg(cote).arg(p);
    }
    case 18: case 19: case 20: CommandeAnnuler(c); return QStringLiteral("undo");
    default: CommandeRetablir(c); return QStringLiteral("redo");
    }
}

} // namespace

class TestEndurance : public QObject {
    Q_OBJECT
private slots:
    void sequences() {
        const QByteArray graine = qgetenv("GALBIX_GRAINE");
        const quint64 base = graine.isEmpty() ? quint64(std::random_device{}()) : graine.toULongLong();
        qInfo("seed %llu (set GALBIX_GRAINE to replay)", static_cast<unsigned long long>(base));
        for (int sequence = 0; sequence < Sequences; ++sequence) {
            Hasard h(base + quint64(sequence));
            Session s;
            s.Profils.PointsE = Cote(h);
            s.Profils.PointsS = Cote(h);
            s.Profils.EcartementZ = Pile(h, 0.8) ? float(Reel(h, 1, 1000)) : 0.0f;
            TerminerCommande(s.Ctx);
            QStringList faites;
            for (int pas = 0; pas < Pas; ++pas) {
                s.Edition.BlocageUndo = Pile(h, 0.05);
                faites << Commande(s, h);
                if (const QString erreur = Verifier(s); !erreur.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("seed %1 (sequence %2), step %3: %4\nlast commands: %5")
                                         .arg(base + quint64(sequence)).arg(sequence).arg(pas).arg(erreur)
                                         .arg(faites.mid(std::max<qsizetype>(0, faites.size() - 12)).join(QStringLiteral(", ")))));
            }
        }
    }

private:
    // The first invariant broken, empty when all hold; "Undo" then "Redo" is tried when the
    // current state is the recorded one.
    QString Verifier(Session& s) {
        for (int cote : {CoteE, CoteS})
            for (const PointProfil& p : s.Profils.Points(cote))
                if (!std::isfinite(p.X) || !std::isfinite(p.Y) || p.Etat < 0 || p.Etat > 7)
                    return QStringLiteral("side %1: point (%2, %3, %4)").arg(cote).arg(p.X).arg(p.Y).arg(p.Etat);
        CoupleProfils recalcule = s.Profils;
        CalculerExtremes(recalcule);
        if (const QString e = Difference(s.Profils, recalcule); !e.isEmpty())
            return QStringLiteral("metrics not those of CalculerExtremes: ") + e;
        const HistoriqueUndo& hist = s.Historique;
        if (hist.Position() < 2 || !Difference(s.Profils, hist.Entree(hist.Position()).Modele()).isEmpty()
            || !(ReglagesActuels(s.Ctx) == hist.Entree(hist.Position()).Reglages))
            return {};
        const CoupleProfils avant = s.Profils;
        const ReglagesUndo reglages = ReglagesActuels(s.Ctx);
        const int position = hist.Position();
        CommandeAnnuler(s.Ctx);
        if (const QString e = Difference(s.Profils, hist.Entree(position - 1).Modele()); !e.isEmpty())
            return QStringLiteral("undo does not give the previous entry: ") + e;
        CommandeRetablir(s.Ctx);
        const QString e = Difference(s.Profils, avant);
        if (!e.isEmpty() || !(ReglagesActuels(s.Ctx) == reglages))
            return QStringLiteral("undo then redo changed the state: ") + (e.isEmpty() ? QStringLiteral("switches") : e);
        return {};
    }
};

GALBIX_TEST_MAIN(TestEndurance)
#include "tst_endurance.moc"
