#include "files/Sauvegarde.h"

#include "geomlib/Chemins.h"
#include "files/Ini.h"
#include "geomlib/Tranchex.h"
#include "model/Extremes.h"
#include "model/NumericText.h"

#include <exception>

namespace galbix {

namespace {

using namespace sauvegarde;

// A header number: at least one integer digit, exactly three decimals, "." as separator.
QString Nombre3(float valeur)
{
    return PointDecimal(FormaterNombre(valeur, u"#####0.000"));
}

std::vector<PointFichier> Enregistrements(const std::vector<PointProfil>& points)
{
    std::vector<PointFichier> tableau(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        tableau[i].X = points[i].X;
        tableau[i].Y = points[i].Y;
    }
    return tableau;
}

bool Sauver3D(const QString& chemin, CoupleProfils& profils)
{
    const std::vector<PointFichier> racine = Enregistrements(profils.PointsE);
    const std::vector<PointFichier> saumon = Enregistrements(profils.PointsS);
    CalculerExtremes(profils);
    return EcrireFichier3D(racine, saumon, chemin, profils.EcartementZ) != 0;
}

} // namespace

QString NomProposeProfil(const QString& nomFichier)
{
    return SansExtension(nomFichier);
}

int FiltreProposeProfil(const QString& nomFichier)
{
    const QString extension = nomFichier.mid(nomFichier.lastIndexOf(u'.') + 1);
    return extension.toLower() == QLatin1String("dat") ? FiltreDat : FiltreDxf;
}

DialogueSauvegarde DialoguePourSauvegarde(int index, const QString (&nomsFichiers)[2])
{
    DialogueSauvegarde d;
    switch (index) {
    case IndexEmplanture:
    case IndexSaumon:
        d.Titre = index == IndexEmplanture ? TitreEmplanture : TitreSaumon;
        d.Filtres = FiltresProfil;
        d.NomPropose = NomProposeProfil(nomsFichiers[index]);
        d.IndexFiltre = FiltreProposeProfil(nomsFichiers[index]);
        break;
    case IndexProjet:
        d.Titre = TitreProjet;
        d.Filtres = FiltresProjet;
        d.IndexFiltre = FiltreProjetGalbix;
        break;
    case IndexIntermediaire:
        d.Titre = TitreIntermediaire;
        d.Filtres = FiltresProfil;
        break;
    default:
        break;
    }
    return d;
}

QString EnTeteProfil(int cote, const CoupleProfils& profils)
{
    if (cote == CoteE)
        return QStringLiteral("Corde: ") + Nombre3(profils.LargeurE);
    return QStringLiteral("Corde: ") + Nombre3(profils.LargeurS) + QStringLiteral(" Flèche: ")
        + Nombre3(profils.FlecheBA) + QStringLiteral(" Cale dièdre: ") + Nombre3(profils.DiedreMm);
}

bool SauverProfil(int cote, const QString& chemin, CoupleProfils& profils)
{
    try {
        const std::vector<PointFichier> tableau = Enregistrements(profils.Points(cote));
        CalculerExtremes(profils);
        return EcrireFichier(tableau, chemin, EnTeteProfil(cote, profils)) != 0;
    } catch (const std::exception&) {
        return false;
    }
}

IssueSauvegarde SauverProjetOu3D(const QString& chemin, int indexFiltre, DonneesProjet& projet)
{
    try {
        switch (indexFiltre) {
        case FiltreProjetGalbix:
            return EcrireProjet(chemin, projet) ? IssueSauvegarde::Ecrit : IssueSauvegarde::EchecEcriture;
        case FiltreDao3D:
            if (projet.Profils.NbPointsE() != projet.Profils.NbPointsS())
                return IssueSauvegarde::Refus3D;
            return Sauver3D(chemin, projet.Profils) ? IssueSauvegarde::Ecrit : IssueSauvegarde::EchecEcriture;
        default:
            return IssueSauvegarde::RienAEcrire;
        }
    } catch (const std::exception&) {
        return IssueSauvegarde::EchecEcriture;
    }
}

QString RetenirDossierSauvegarde(const QString& chemin, const QString& fichierReglages)
{
    const QString dossier = DossierDuChemin(chemin);
    EcrireIni(SectionReglages, CleReglages, dossier, fichierReglages);
    return dossier;
}

} // namespace galbix
