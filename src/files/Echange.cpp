#include "files/Echange.h"
#include "files/Ouverture.h"

#include "geomlib/Tranchex.h"
#include "model/Extremes.h"
#include "model/NumericText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <exception>

namespace galbix {

namespace {

using namespace echange;

// A header number: at least one integer digit, exactly three decimals, "." as separator.
QString Nombre3(float valeur)
{
    return PointDecimal(FormaterNombre(valeur, u"#####0.000"));
}

QString Natif(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}


// The side's points as the geometry library takes them, with its header; CalculerExtremes
// runs first so that the header holds the metrics as they stand.
ProfilAEcrire Profil(const QString& dossier, int cote, CoupleProfils& profils, const QString& nomFichier)
{
    const std::vector<PointProfil>& source = profils.Points(cote);
    ProfilAEcrire profil;
    profil.points.resize(source.size());
    for (size_t i = 0; i < source.size(); ++i) {
        profil.points[i].X = source[i].X;
        profil.points[i].Y = source[i].Y;
    }
    CalculerExtremes(profils);
    profil.nomFichier = CheminEchange(dossier, cote);
    profil.enTete = EnTeteEchange(cote, profils, nomFichier);
    return profil;
}

// One side read, split and placed; false with `message` set when anything fails.
bool LireCote(const QString& dossier, int cote, std::vector<PointProfil>& points, ChampsEchange& champs,
              QString& message)
{
    const QString chemin = CheminEchange(dossier, cote);
    const LectureFichier lecture = LireFichierDetaille(chemin);
    if (!lecture.ok) {
        message = QCoreApplication::translate("galbix", "Le fichier %1 n'a pas pu être lu (%2).").arg(Natif(chemin), lecture.erreur);
        return false;
    }
    const std::optional<ChampsEchange> lus = LireEnTeteEchange(SansEspacesAuxBouts(lecture.enTete), cote);
    if (!lus) {
        message = cote == CoteE
            ? QCoreApplication::translate("galbix", "L'en-tête du fichier %1 ne peut pas être découpé : la corde doit y être "
                             "suivie d'un « ; ».").arg(Natif(chemin))
            : QCoreApplication::translate("galbix", "L'en-tête du fichier %1 ne peut pas être découpé : la corde, la flèche, la "
                             "cale dièdre et l'écartement doivent y être suivis chacun d'un « ; ».").arg(Natif(chemin));
        return false;
    }
    champs = *lus;
    const double dx = cote == CoteS ? double(champs.Fleche) : 0.0;
    const double dy = cote == CoteS ? double(champs.DiedreMm) : 0.0;
    points.assign(lecture.points.size(), PointProfil{});
    for (size_t i = 0; i < points.size(); ++i) {
        points[i].X = float(double(lecture.points[i].X) * double(champs.Corde) + dx);
        points[i].Y = float(double(lecture.points[i].Y) * double(champs.Corde) + dy);
        if (!std::isfinite(points[i].X) || !std::isfinite(points[i].Y)) {
            message = QCoreApplication::translate("galbix", "Les points du fichier %1 sortent des limites une fois mis à l'échelle "
                                     "de la corde %2.").arg(Natif(chemin), std::isinf(champs.Corde) ? QStringLiteral("infinie") : Nombre3(champs.Corde));
            return false;
        }
    }
    return true;
}

} // namespace

QString CheminEchange(const QString& dossier, int cote)
{
    return QDir(dossier).filePath(cote == CoteE ? NomFichierE : NomFichierS);
}

QString EnTeteEchange(int cote, const CoupleProfils& profils, const QString& nomFichier)
{
    const QChar pv = u';';
    if (cote == CoteE)
        return QStringLiteral("E;") + Nombre3(profils.LargeurE) + pv + ChampVide + pv + ChampVide + pv + ChampVide
            + pv + nomFichier;
    return QStringLiteral("S;") + Nombre3(profils.LargeurS) + pv + Nombre3(profils.FlecheBA) + pv
        + Nombre3(profils.DiedreMm) + pv + Nombre3(profils.EcartementZ) + pv + nomFichier;
}

std::optional<ChampsEchange> LireEnTeteEchange(const QString& enTete, int cote)
{
    const int nombreChamps = cote == CoteE ? 1 : 4;
    double valeurs[4] = {0.0, 0.0, 0.0, 0.0};
    qsizetype debut = 2;
    for (int k = 0; k < nombreChamps; ++k) {
        const qsizetype fin = debut <= enTete.size() ? enTete.indexOf(u';', debut) : -1;
        if (fin < 0)
            return std::nullopt;
        valeurs[k] = LireNombreDebut(QStringView(enTete).mid(debut, fin - debut));
        debut = fin + 1;
    }
    ChampsEchange champs;
    champs.Corde = float(valeurs[0]);
    champs.Fleche = float(valeurs[1]);
    champs.DiedreMm = float(valeurs[2]);
    champs.Ecartement = float(valeurs[3]);
    return champs;
}

// Both files are written in full under temporary names before either replaces its old
// version: an interrupted export leaves each file whole, old or new, and a failed one
// leaves the previous pair as it was.
bool ExporterEchange(const QString& dossier, CoupleProfils& profils, const QString (&nomsFichiers)[2])
{
    try {
        const std::vector<ProfilAEcrire> paire = {Profil(dossier, CoteE, profils, nomsFichiers[CoteE]),
                                                  Profil(dossier, CoteS, profils, nomsFichiers[CoteS])};
        return EcrireFichiers(paire) != 0;
    } catch (const std::exception&) {
        return false;
    }
}

ResultatImport ImporterEchange(const QString& dossier, CoupleProfils& profils)
{
    ResultatImport r;
    try {
        if (!QFileInfo::exists(CheminEchange(dossier, CoteE)) || !QFileInfo::exists(CheminEchange(dossier, CoteS))) {
            r.Issue = IssueImport::Introuvables;
            return r;
        }
        CoupleProfils essai;
        if (!LireCote(dossier, CoteE, essai.PointsE.Modifier(), r.EnTeteE, r.Message)
            || !LireCote(dossier, CoteS, essai.PointsS.Modifier(), r.EnTeteS, r.Message))
            return r;
        essai.EcartementZ = r.EnTeteS.Ecartement;
        CalculerExtremes(essai);
        profils = std::move(essai);
        r.Issue = IssueImport::Importe;
    } catch (const std::exception&) {
        r.Issue = IssueImport::Impossible;
        r.Message = QCoreApplication::translate("galbix", "Mémoire insuffisante pour importer les fichiers de %1.").arg(Natif(dossier));
    }
    return r;
}

} // namespace galbix
