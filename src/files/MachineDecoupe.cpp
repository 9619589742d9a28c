#include "files/MachineDecoupe.h"

#include "files/Ini.h"
#include "model/NumericText.h"

#include <QCoreApplication>
#include <cmath>

namespace galbix {

namespace {

const QString CleEntreChariots = QStringLiteral("EntreChariots");
const QString CleEmplanture = QStringLiteral("Emplanture");
const QString CleCote = QStringLiteral("CoteEmplanture");
const QString CleAxes = QStringLiteral("Axes");
const QString CleCourses[4] = {QStringLiteral("CourseGaucheH"), QStringLiteral("CourseGaucheV"),
                               QStringLiteral("CourseDroiteH"), QStringLiteral("CourseDroiteV")};
const QString CleVitesse = QStringLiteral("Vitesse");
const QString CleAvance = QStringLiteral("Avance");
const QString CleSaignee = QStringLiteral("Saignee");
const QString CleEntree = QStringLiteral("Entree");
const QString CleDebut = QStringLiteral("LignesDebut");
const QString CleFin = QStringLiteral("LignesFin");
const QString Droite = QStringLiteral("Droite");
const QString Gauche = QStringLiteral("Gauche");
const QString G94 = QStringLiteral("G94");
const QString G93 = QStringLiteral("G93");

double LireValeur(const FichierIni& ini, const QString& cle, double defaut)
{
    if (!ini.Contient(SectionMachine, cle))
        return defaut;
    const double v = LireNombreDebut(ini.Lire(SectionMachine, cle, QString()));
    return std::isfinite(v) ? v : defaut;
}

QString Texte(double v)
{
    return QString::number(v, 'g', 15);
}

MessageRefus Refus(const QString& texte)
{
    return {TitreErreurSaisie, texte};
}

} // namespace

MachineDecoupe LireMachine(const QString& fichier, double vitesseDefaut)
{
    const FichierIni ini = FichierIni::Charger(fichier);
    MachineDecoupe m;
    m.EntreChariots = LireValeur(ini, CleEntreChariots, m.EntreChariots);
    m.Emplanture = LireValeur(ini, CleEmplanture, m.Emplanture);
    m.EmplantureADroite = ini.Lire(SectionMachine, CleCote, Gauche).compare(Droite, Qt::CaseInsensitive) == 0;
    const QString axes = ini.Lire(SectionMachine, CleAxes, m.Axes).toUpper();
    if (AxesPossibles.contains(axes))
        m.Axes = axes;
    for (int i = 0; i < 4; ++i)
        m.Courses[size_t(i)] = LireValeur(ini, CleCourses[i], m.Courses[size_t(i)]);
    m.Vitesse = LireValeur(ini, CleVitesse, vitesseDefaut);
    m.Avance = ini.Lire(SectionMachine, CleAvance, G93).compare(G94, Qt::CaseInsensitive) == 0
                   ? ModeAvance::ParMinute
                   : ModeAvance::TempsInverse;
    m.Saignee = LireValeur(ini, CleSaignee, m.Saignee);
    m.Entree = LireValeur(ini, CleEntree, m.Entree);
    m.LignesDebut = ini.Lire(SectionMachine, CleDebut, m.LignesDebut);
    m.LignesFin = ini.Lire(SectionMachine, CleFin, m.LignesFin);
    return m;
}

bool EcrireMachine(const QString& fichier, const MachineDecoupe& m)
{
    std::vector<CleIni> cles = {
        {SectionMachine, CleEntreChariots, Texte(m.EntreChariots)},
        {SectionMachine, CleEmplanture, Texte(m.Emplanture)},
        {SectionMachine, CleCote, m.EmplantureADroite ? Droite : Gauche},
        {SectionMachine, CleAxes, m.Axes},
    };
    for (int i = 0; i < 4; ++i)
        cles.push_back({SectionMachine, CleCourses[i], Texte(m.Courses[size_t(i)])});
    cles.push_back({SectionMachine, CleVitesse, Texte(m.Vitesse)});
    cles.push_back({SectionMachine, CleAvance, m.Avance == ModeAvance::ParMinute ? G94 : G93});
    cles.push_back({SectionMachine, CleSaignee, Texte(m.Saignee)});
    cles.push_back({SectionMachine, CleEntree, Texte(m.Entree)});
    cles.push_back({SectionMachine, CleDebut, m.LignesDebut});
    cles.push_back({SectionMachine, CleFin, m.LignesFin});
    return EcrireClesIni(cles, fichier);
}

std::optional<MessageRefus> VerifierMachine(const MachineDecoupe& m)
{
    const auto fini = [](double v) { return std::isfinite(v); };
    if (!fini(m.EntreChariots) || !(m.EntreChariots > 0.0))
        return Refus(QCoreApplication::translate("galbix", "La distance entre les chariots doit être supérieure à 0 mm."));
    if (!fini(m.Emplanture))
        return Refus(QCoreApplication::translate("galbix", "La distance du chariot gauche à l'emplanture n'est pas un nombre."));
    for (double c : m.Courses)
        if (!fini(c) || !(c > 0.0))
            return Refus(QCoreApplication::translate("galbix", "La course de chaque axe doit être supérieure à 0 mm."));
    if (!fini(m.Vitesse) || !(m.Vitesse > 0.0))
        return Refus(QCoreApplication::translate("galbix", "La vitesse de coupe doit être supérieure à 0 mm/s."));
    if (!fini(m.Saignee) || m.Saignee < 0.0)
        return Refus(QCoreApplication::translate("galbix", "La saignée ne peut pas être négative."));
    if (!fini(m.Entree) || m.Entree < 0.0)
        return Refus(QCoreApplication::translate("galbix", "La distance d'entrée ne peut pas être négative."));
    if (!AxesPossibles.contains(m.Axes))
        return Refus(QCoreApplication::translate("galbix", "Les axes doivent être XYUV ou XYZA."));
    return std::nullopt;
}

QStringList LignesSeparees(const QString& texte)
{
    QStringList lignes;
    for (const QString& l : texte.split(QLatin1Char('|'))) {
        const QString t = l.trimmed();
        if (!t.isEmpty())
            lignes << t;
    }
    return lignes;
}

} // namespace galbix
