#include "files/ProfilIntermediaire.h"

#include "geomlib/EcritureAtomique.h"
#include "geomlib/Tranchex.h"
#include "model/Extremes.h"
#include "model/NumericText.h"

#include <QLocale>
#include <exception>

namespace galbix {

namespace {

using namespace intermediaire;

const QString Tirets = QStringLiteral("-----------------------------------------");

// A spacing of the report: at least one integer digit, one or two decimals.
QString Ecartement(double valeur)
{
    return PointDecimal(FormaterNombre(valeur, u"####0.0#"));
}

float Interpoler(float racine, float saumon, double fraction)
{
    return float((double(saumon) - double(racine)) * fraction + double(racine));
}

// The metrics of one panel: `debut` on the root side of the pair, `fin` on the tip side.
CoupleProfils Panneau(const std::vector<PointProfil>& debut, const std::vector<PointProfil>& fin, float ecartement)
{
    CoupleProfils p;
    p.PointsE = debut;
    p.PointsS = fin;
    p.EcartementZ = ecartement;
    CalculerExtremes(p);
    return p;
}

} // namespace

bool DistanceIntermediaireValide(float distance, float ecartementZ)
{
    return distance > 0.0f && distance < ecartementZ;
}

void CalculerProfilIntermediaire(const CoupleProfils& modele, float distance, CoupleProfils& intermediaire)
{
    const size_t n = size_t(modele.NbPointsE());
    const double fraction = double(distance) / double(modele.EcartementZ);
    std::vector<PointProfil> milieu(n);
    for (size_t i = 0; i < n && i < modele.PointsS.size(); ++i) {
        const PointProfil& e = modele.PointsE[i];
        const PointProfil& s = modele.PointsS[i];
        milieu[i].X = Interpoler(e.X, s.X, fraction);
        milieu[i].Y = Interpoler(e.Y, s.Y, fraction);
    }
    intermediaire.PointsE = std::move(milieu);
    intermediaire.PointsS = intermediaire.PointsE;
}

QString CheminRapportIntermediaire(const QString& chemin)
{
    return chemin + SuffixeRapport;
}

QString NombreRapport(float valeur)
{
    if (valeur == 0.0f)
        return QStringLiteral("0"); // never "-0"
    QString texte = QLocale::c().toString(double(valeur), 'G', 7);
    return texte;
}

QStringList LignesRapportIntermediaire(const CoupleProfils& modele, const CoupleProfils& intermediaire,
                                       float distance, const QString& chemin, const QString (&noms)[2])
{
    const std::vector<PointProfil>& milieu = intermediaire.PointsE;
    // Root -> intermediate, then intermediate -> tip: in each pair E is the side nearer the root.
    const CoupleProfils a = Panneau(modele.PointsE, milieu, distance);
    const CoupleProfils b = Panneau(milieu, modele.PointsS, float(double(modele.EcartementZ) - double(distance)));
    QStringList l;
    l << QStringLiteral("Caractéristiques du profil intermédiaire ") + chemin;
    l << Tirets;
    l << QStringLiteral("Profil initial à l'emplanture : ") + noms[CoteE];
    l << QStringLiteral("Corde emplanture (mm) : ") + NombreRapport(a.LargeurE);
    l << QStringLiteral("Ecartement entre l'emplanture et le profil intermédiaire (mm) :") + Ecartement(distance);
    l << QStringLiteral("Corde profil intermédiaire (mm) : ") + NombreRapport(a.LargeurS);
    l << QStringLiteral("Flèche BA du profil intermédiaire par rapport à l'emplanture (mm) : ")
            + NombreRapport(a.FlecheBA);
    l << QStringLiteral("Flèche BF du profil intermédiaire par rapport à l'emplanture (mm) : ")
            + NombreRapport(a.FlecheBF);
    l << QStringLiteral("Dièdre intrados du profil intermédiaire par rapport à l'emplanture (mm) : ")
            + NombreRapport(a.DiedreMm);
    l << Tirets;
    l << QStringLiteral("Profil initial au saumon : ") + noms[CoteS];
    l << QStringLiteral("Corde saumon (mm) : ") + NombreRapport(b.LargeurS);
    l << QStringLiteral("Ecartement entre le profil intermédiaire et le saumon (mm) :")
            + Ecartement(double(modele.EcartementZ) - double(distance));
    l << QStringLiteral("Corde profil intermédiaire (mm) : ") + NombreRapport(b.LargeurE);
    l << QStringLiteral("Flèche BA du profil saumon par rapport au profil intermédiaire (mm) : ")
            + NombreRapport(b.FlecheBA);
    l << QStringLiteral("Flèche BF du profil saumon par rapport au profil intermédiaire (mm) : ")
            + NombreRapport(b.FlecheBF);
    l << QStringLiteral("Dièdre intrados du profil saumon par rapport au profil intermédiaire (mm) : ")
            + NombreRapport(b.DiedreMm);
    return l;
}

QByteArray OctetsRapport(const QStringList& lignes)
{
    return (lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

SauvegardeIntermediaire SauverProfilIntermediaire(const QString& chemin, const CoupleProfils& modele,
                                                  const CoupleProfils& intermediaire, float distance,
                                                  const QString (&noms)[2])
{
    SauvegardeIntermediaire r;
    try {
        std::vector<PointFichier> tableau(intermediaire.PointsE.size());
        for (size_t i = 0; i < tableau.size(); ++i) {
            tableau[i].X = intermediaire.PointsE[i].X;
            tableau[i].Y = intermediaire.PointsE[i].Y;
        }
        r.ProfilEcrit = EcrireFichier(tableau, chemin, EnTeteProfil) != 0;
    } catch (const std::exception&) {
        r.ProfilEcrit = false;
    }
    try {
        const QStringList lignes = LignesRapportIntermediaire(modele, intermediaire, distance, chemin, noms);
        r.RapportEcrit = EcrireFichierAtomique(CheminRapportIntermediaire(chemin), OctetsRapport(lignes));
    } catch (const std::exception&) {
        r.RapportEcrit = false;
    }
    return r;
}

} // namespace galbix
