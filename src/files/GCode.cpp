#include "files/GCode.h"

#include "editing/Saignee.h"
#include "view/Parcours.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace galbix {

namespace {

constexpr double MilliemesParMm = 1000.0;   // coordinates are written with three decimals
constexpr int ChiffresAvance = 10;          // significant digits of F: durations to 1e-9
constexpr int DecimalesAvanceMax = 12;
constexpr double AvanceMax = 1e15;          // beyond any machine; keeps the digits within 64 bits
constexpr double PositionMax = 1e12;        // mm; a farther carriage position is refused

MessageRefus Refus(const QString& texte)
{
    return {TitreRefusGCode, texte};
}

// A comment line: ASCII only (accents dropped), no parenthesis inside.
QString Commentaire(const QString& texte)
{
    QString r;
    for (QChar c : texte.normalized(QString::NormalizationForm_D)) {
        if (c.unicode() < 32 || c.unicode() > 126)
            continue;
        r += c == QLatin1Char('(') ? QLatin1Char('[') : c == QLatin1Char(')') ? QLatin1Char(']') : c;
    }
    return QLatin1Char('(') + r + QStringLiteral(")\n");
}

QString Mm(double v)
{
    return QString::number(v, 'f', 3);
}

char* EcrireEntier(char* c, long long n)
{
    return std::to_chars(c, c + 24, n).ptr;
}

// `n` thousandths as "-12.345".
char* EcrireMilliemes(char* c, long long n)
{
    if (n < 0) {
        *c++ = '-';
        n = -n;
    }
    c = EcrireEntier(c, n / 1000);
    const int f = int(n % 1000);
    *c++ = '.';
    *c++ = char('0' + f / 100);
    *c++ = char('0' + f / 10 % 10);
    *c++ = char('0' + f % 10);
    return c;
}

// A positive value with ChiffresAvance significant digits, fixed notation (G-code has no exponent).
char* EcrireAvance(char* c, double v)
{
    v = std::min(v, AvanceMax);
    int chiffresEntiers = 1; // digits before the point (1 for values below 10)
    for (double p = 10.0; v >= p; p *= 10.0)
        ++chiffresEntiers;
    int decimales = ChiffresAvance - chiffresEntiers;
    for (double p = 0.1; v < p && decimales < DecimalesAvanceMax; p /= 10.0)
        ++decimales; // leading zeros after the point do not count
    decimales = std::clamp(decimales, 0, DecimalesAvanceMax);
    long long echelle = 1;
    for (int i = 0; i < decimales; ++i)
        echelle *= 10;
    const long long n = std::max(1LL, static_cast<long long>(std::nearbyint(v * double(echelle))));
    c = EcrireEntier(c, n / echelle);
    if (decimales == 0)
        return c;
    *c++ = '.';
    char fraction[24];
    const char* fin = std::to_chars(fraction, fraction + sizeof fraction, n % echelle).ptr;
    for (long long zeros = decimales - (fin - fraction); zeros > 0; --zeros)
        *c++ = '0';
    for (const char* f = fraction; f < fin; ++f)
        *c++ = *f;
    return c;
}

// The moves of the program: where the carriages go, the feeds, the extents and the time. It
// runs twice over the same moves: first without text (for the header), then writing them.
class Redacteur {
public:
    /// Writes to `texte` when given; only measures otherwise.
    Redacteur(const MachineDecoupe& m, QByteArray* texte) : m_machine(m), m_texte(texte)
    {
        for (int i = 0; i < 4; ++i)
            m_lettres[size_t(i)] = char(m.Axes.at(i).toLatin1());
    }

    void Ligne(const QString& texte)
    {
        if (m_texte)
            *m_texte += texte.toUtf8() + '\n';
        ++m_lignes;
    }
    /// "G0" to `p` (rapid, no feed).
    void Rapide(const PositionChariots& p)
    {
        if (!Placer(p))
            return;
        ++m_lignes;
        if (!m_texte)
            return;
        char ligne[160] = {'G', '0'};
        char* c = Axes(ligne + 2);
        *c++ = '\n';
        m_texte->append(ligne, c - ligne);
    }
    /// "G1" to `p` lasting `duree` seconds (with the time of the moves left out before it).
    void Coupe(const PositionChariots& p, double duree)
    {
        const std::array<long long, 4> avant = m_position;
        m_enAttente += duree;
        if (!Placer(p))
            return;
        const double temps = m_enAttente;
        m_enAttente = 0.0;
        m_duree += temps;
        ++m_lignes;
        if (!m_texte)
            return;
        double avance = 60.0 / temps;
        if (m_machine.Avance == ModeAvance::ParMinute) {
            double carre = 0.0;
            for (size_t i = 0; i < 4; ++i) {
                const double d = double(m_position[i] - avant[i]) / MilliemesParMm;
                carre += d * d;
            }
            avance *= std::sqrt(carre);
        }
        char ligne[160] = {'G', '1'};
        char* c = Axes(ligne + 2);
        *c++ = ' ';
        *c++ = 'F';
        c = EcrireAvance(c, avance);
        *c++ = '\n';
        m_texte->append(ligne, c - ligne);
    }

    qint64 Lignes() const { return m_lignes; }
    double Duree() const { return m_duree; }
    bool Fini() const { return m_fini; }
    EtendueChariot Etendue(int h) const
    {
        return {double(m_min[size_t(h)]) / MilliemesParMm, double(m_max[size_t(h)]) / MilliemesParMm,
                double(m_min[size_t(h + 1)]) / MilliemesParMm, double(m_max[size_t(h + 1)]) / MilliemesParMm};
    }

private:
    // Takes `p` as the new position; false when its written values are those of the last one.
    bool Placer(const PositionChariots& p)
    {
        const double v[4] = {p.XG, p.YG, p.XD, p.YD};
        std::array<long long, 4> q{};
        for (size_t i = 0; i < 4; ++i) {
            if (!std::isfinite(v[i]) || std::fabs(v[i]) > PositionMax) {
                m_fini = false;
                return false;
            }
            q[i] = static_cast<long long>(std::nearbyint(v[i] * MilliemesParMm));
        }
        if (m_place && q == m_position)
            return false;
        for (size_t i = 0; i < 4; ++i) {
            m_min[i] = m_place ? std::min(m_min[i], q[i]) : q[i];
            m_max[i] = m_place ? std::max(m_max[i], q[i]) : q[i];
        }
        m_position = q;
        m_place = true;
        return true;
    }
    char* Axes(char* c) const
    {
        for (size_t i = 0; i < 4; ++i) {
            *c++ = ' ';
            *c++ = m_lettres[i];
            c = EcrireMilliemes(c, m_position[i]);
        }
        return c;
    }

    const MachineDecoupe& m_machine;
    QByteArray* m_texte;
    std::array<char, 4> m_lettres{};
    std::array<long long, 4> m_position{}, m_min{}, m_max{};
    bool m_place = false;
    bool m_fini = true;
    double m_enAttente = 0.0;
    double m_duree = 0.0;
    qint64 m_lignes = 0;
};

// Unit direction of the first segment of non-zero length, or none.
std::optional<std::array<double, 2>> DirectionEntree(const std::vector<PointProfil>& p)
{
    for (size_t k = 0; k + 1 < p.size(); ++k) {
        const double dx = double(p[k + 1].X) - p[k].X, dy = double(p[k + 1].Y) - p[k].Y;
        const double l = std::hypot(dx, dy);
        if (l > 0.0)
            return std::array<double, 2>{dx / l, dy / l};
    }
    return std::nullopt;
}

// The face points of a move: root (xe, ye), tip (xs, ys).
struct PointsFaces {
    double xe = 0, ye = 0, xs = 0, ys = 0;
};

PointsFaces Paire(const CoupleProfils& p, size_t k)
{
    return {p.PointsE[k].X, p.PointsE[k].Y, p.PointsS[k].X, p.PointsS[k].Y};
}

// The safe point: `distance` before the first pair along each side's entry direction (a side
// that never moves takes the other's); none when neither side moves or the distance is 0.
std::optional<PointsFaces> PointSur(const CoupleProfils& p, double distance)
{
    auto de = DirectionEntree(p.PointsE), ds = DirectionEntree(p.PointsS);
    if (!(distance > 0.0) || (!de && !ds))
        return std::nullopt;
    if (!de)
        de = ds;
    if (!ds)
        ds = de;
    const PointsFaces premier = Paire(p, 0);
    return PointsFaces{premier.xe - distance * (*de)[0], premier.ye - distance * (*de)[1],
                       premier.xs - distance * (*ds)[0], premier.ys - distance * (*ds)[1]};
}

double DureeEntre(const PointsFaces& a, const PointsFaces& b, double vitesse)
{
    return std::max(std::hypot(b.xe - a.xe, b.ye - a.ye), std::hypot(b.xs - a.xs, b.ys - a.ys)) / vitesse;
}

std::optional<MessageRefus> VerifierPaires(const CoupleProfils& p)
{
    if (p.NbPointsE() != p.NbPointsS())
        return Refus(QCoreApplication::translate("galbix", "Les deux profils n'ont pas le même nombre de points (%1 à l'emplanture, "
                                    "%2 au saumon) : synchronisez-les avant d'écrire le programme.")
                         .arg(p.NbPointsE())
                         .arg(p.NbPointsS()));
    if (p.NbPointsE() < 2)
        return Refus(QCoreApplication::translate("galbix", "Il faut deux profils d'au moins deux points pour écrire un programme."));
    return std::nullopt;
}

QString EnTete(const ProgrammeGCode& g, const MachineDecoupe& m, const InfosProgramme& infos,
               const PlacementBloc& bloc, int32_t paires)
{
    const QString a = m.Axes;
    QString t = Commentaire(QStringLiteral("Programme de découpe au fil chaud 4 axes écrit par ") + infos.Programme);
    t += Commentaire(QStringLiteral("Projet : ") + infos.Projet);
    t += Commentaire(QStringLiteral("Date : ") + infos.Date.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    t += Commentaire(QStringLiteral("Machine : L = %1 mm entre les chariots, emplanture à D = %2 mm du chariot "
                                    "gauche, côté %3")
                         .arg(Mm(m.EntreChariots), Mm(m.Emplanture),
                              m.EmplantureADroite ? QStringLiteral("droit") : QStringLiteral("gauche")));
    t += Commentaire(QStringLiteral("Bloc : face d'emplanture à z = %1 mm, face de saumon à z = %2 mm")
                         .arg(Mm(bloc.ZEmplanture), Mm(bloc.ZSaumon)));
    t += Commentaire(QStringLiteral("Axes : chariot gauche %1 %2, chariot droit %3 %4 ; courses %1 %5, %2 %6, "
                                    "%3 %7, %4 %8 mm")
                         .arg(QString(a[0]), QString(a[1]), QString(a[2]), QString(a[3]))
                         .arg(Mm(m.Courses[0]), Mm(m.Courses[1]), Mm(m.Courses[2]), Mm(m.Courses[3])));
    t += Commentaire(QStringLiteral("Vitesse de coupe %1 mm/s, avance %2, saignée %3 mm, entrée %4 mm, %5 paires")
                         .arg(Mm(m.Vitesse),
                              m.Avance == ModeAvance::TempsInverse ? QStringLiteral("G93 (temps inverse)")
                                                                  : QStringLiteral("G94 (mm/min sur les 4 axes)"),
                              Mm(m.Saignee), Mm(m.Entree))
                         .arg(paires));
    t += Commentaire(QStringLiteral("Durée estimée : %1 s").arg(QString::number(g.Duree, 'f', 1)));
    const auto etendue = [&](const QString& nom, const EtendueChariot& e, QChar h, QChar v) {
        return Commentaire(QStringLiteral("Chariot %1 : %2 de %3 à %4, %5 de %6 à %7")
                               .arg(nom, QString(h), Mm(e.XMin), Mm(e.XMax), QString(v), Mm(e.YMin), Mm(e.YMax)));
    };
    t += etendue(QStringLiteral("gauche"), g.Gauche, a[0], a[1]);
    t += etendue(QStringLiteral("droit"), g.Droite, a[2], a[3]);
    for (const DepassementCourse& d : g.HorsCourse)
        t += Commentaire(QStringLiteral("Attention : l'axe %1 sort de sa course de %2 mm").arg(d.Axe).arg(Mm(d.Exces)));
    return t;
}

std::vector<DepassementCourse> Depassements(const ProgrammeGCode& g, const MachineDecoupe& m)
{
    const double bas[4] = {g.Gauche.XMin, g.Gauche.YMin, g.Droite.XMin, g.Droite.YMin};
    const double haut[4] = {g.Gauche.XMax, g.Gauche.YMax, g.Droite.XMax, g.Droite.YMax};
    std::vector<DepassementCourse> d;
    for (int i = 0; i < 4; ++i) {
        const double exces = std::max(-bas[i], haut[i] - m.Courses[size_t(i)]);
        if (exces > 0.0)
            d.push_back({m.Axes.at(i), exces});
    }
    return d;
}

// The whole body: units and feed mode, rapid to the safe point, start lines, lead-in, the
// pairs, return, end lines.
void EcrireCorps(Redacteur& r, const CoupleProfils& p, const AnalyseParcours& analyse, const MachineDecoupe& m,
                 const PlacementBloc& bloc)
{
    const auto position = [&](const PointsFaces& f) {
        return ProlongerFil(f.xe, f.ye, f.xs, f.ys, bloc, m.EntreChariots);
    };
    const std::optional<PointsFaces> sur = PointSur(p, m.Entree);
    const size_t n = p.PointsE.size();
    r.Ligne(QStringLiteral("G21 G90 G17"));
    r.Ligne(m.Avance == ModeAvance::TempsInverse ? QStringLiteral("G93") : QStringLiteral("G94"));
    r.Rapide(position(sur ? *sur : Paire(p, 0)));
    for (const QString& l : LignesSeparees(m.LignesDebut))
        r.Ligne(l);
    r.Coupe(position(Paire(p, 0)), sur ? DureeEntre(*sur, Paire(p, 0), m.Vitesse) : 0.0);
    for (size_t k = 1; k < n; ++k)
        r.Coupe(position(Paire(p, k)), (analyse.Cumul[k] - analyse.Cumul[k - 1]) / m.Vitesse);
    if (sur)
        r.Coupe(position(*sur), DureeEntre(Paire(p, n - 1), *sur, m.Vitesse));
    for (const QString& l : LignesSeparees(m.LignesFin))
        r.Ligne(l);
    r.Ligne(QStringLiteral("M2"));
}

} // namespace

std::optional<MessageRefus> PlacerBloc(double ecartement, const MachineDecoupe& m, PlacementBloc& bloc)
{
    if (!(ecartement > 0.0))
        return Refus(QCoreApplication::translate("galbix", "L'écartement entre l'emplanture et le saumon est nul : le fil ne peut pas "
                                    "être placé."));
    bloc.ZEmplanture = m.Emplanture;
    bloc.ZSaumon = m.EmplantureADroite ? m.Emplanture - ecartement : m.Emplanture + ecartement;
    const double z0 = std::min(bloc.ZEmplanture, bloc.ZSaumon), z1 = std::max(bloc.ZEmplanture, bloc.ZSaumon);
    if (z0 < 0.0 || z1 > m.EntreChariots)
        return Refus(QCoreApplication::translate("galbix", "Le bloc sort des chariots : ses faces sont à z = %1 et z = %2 mm du chariot "
                                    "gauche, les chariots à 0 et %3 mm.")
                         .arg(Mm(z0), Mm(z1), Mm(m.EntreChariots)));
    return std::nullopt;
}

PositionChariots ProlongerFil(double xe, double ye, double xs, double ys, const PlacementBloc& bloc,
                              double entreChariots)
{
    const double ecart = bloc.ZSaumon - bloc.ZEmplanture;
    const double g = (0.0 - bloc.ZEmplanture) / ecart, d = (entreChariots - bloc.ZEmplanture) / ecart;
    return {xe + (xs - xe) * g, ye + (ys - ye) * g, xe + (xs - xe) * d, ye + (ys - ye) * d};
}

std::vector<PositionChariots> CheminsChariots(const CoupleProfils& profils, const MachineDecoupe& machine)
{
    PlacementBloc bloc;
    if (VerifierPaires(profils) || VerifierMachine(machine) || PlacerBloc(profils.EcartementZ, machine, bloc))
        return {};
    const CoupleProfils p = AppliquerSaignee(profils, machine.Saignee);
    std::vector<PositionChariots> chemins(p.PointsE.size());
    for (size_t k = 0; k < chemins.size(); ++k)
        chemins[k] = ProlongerFil(p.PointsE[k].X, p.PointsE[k].Y, p.PointsS[k].X, p.PointsS[k].Y, bloc,
                                  machine.EntreChariots);
    return chemins;
}

ProgrammeGCode GenererGCode(const CoupleProfils& profils, const MachineDecoupe& m, const InfosProgramme& infos)
{
    ProgrammeGCode g;
    PlacementBloc bloc;
    g.Refus = VerifierMachine(m);
    if (!g.Refus)
        g.Refus = VerifierPaires(profils);
    if (!g.Refus)
        g.Refus = PlacerBloc(profils.EcartementZ, m, bloc);
    if (g.Refus)
        return g;
    const CoupleProfils p = AppliquerSaignee(profils, m.Saignee);
    const AnalyseParcours analyse = AnalyserParcours(p);
    Redacteur mesure(m, nullptr);
    EcrireCorps(mesure, p, analyse, m, bloc);
    if (!mesure.Fini()) {
        g.Refus = Refus(QCoreApplication::translate("galbix", "Une position des chariots n'est pas calculable : vérifiez les profils."));
        return g;
    }
    g.Duree = mesure.Duree();
    g.Gauche = mesure.Etendue(AxeGaucheH);
    g.Droite = mesure.Etendue(AxeDroitH);
    g.HorsCourse = Depassements(g, m);
    g.Texte = EnTete(g, m, infos, bloc, p.NbPointsE()).toLatin1();
    const qint64 lignesEnTete = g.Texte.count('\n');
    g.Texte.reserve(g.Texte.size() + qsizetype(mesure.Lignes()) * 64);
    Redacteur r(m, &g.Texte);
    EcrireCorps(r, p, analyse, m, bloc);
    g.Lignes = lignesEnTete + r.Lignes();
    return g;
}

QString TexteHorsCourse(const std::vector<DepassementCourse>& depassements)
{
    QStringList lignes;
    for (const DepassementCourse& d : depassements)
        lignes << QCoreApplication::translate("galbix", "L'axe %1 sort de sa course de %2 mm.").arg(d.Axe).arg(Mm(d.Exces));
    return lignes.join(QLatin1Char('\n'));
}

} // namespace galbix
