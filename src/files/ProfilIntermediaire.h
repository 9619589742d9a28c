#pragma once
// The intermediate profile: the section of the wing panel at a chosen distance from the root
// along the span, for cutting the panel in two. Point i is the root's point i moved towards
// the tip's point i by the fraction distance / EcartementZ, so both sides must have the same
// number of points. Saving writes the profile and a 17-line report of the chords, sweeps and
// lower-surface dihedrals of the two panels it cuts the wing into.

#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace galbix {

/// Texts of the intermediate profile.
namespace intermediaire {
inline constexpr TexteTraduit TitreErreurDimension{QT_TRANSLATE_NOOP("galbix", "Erreur de dimension")};
inline constexpr TexteTraduit TexteErreurDimension{QT_TRANSLATE_NOOP("galbix",
    "Le profil intermediaire doit être placé entre l'emplanture et le saumon")};
inline const QString EnTeteProfil =
    QStringLiteral("ProfilIntermédiare - Caractéristiques dans le fichier datas.txt créé en même temps");
inline constexpr TexteTraduit TitreNombresDifferents{QT_TRANSLATE_NOOP("galbix", "Profil intermédiaire impossible")};
inline constexpr TexteTraduit TexteNombresDifferents{QT_TRANSLATE_NOOP("galbix",
    "L'emplanture et le saumon doivent avoir le même nombre de points.")};
inline const QString SuffixeRapport = QStringLiteral("_datas.txt");
constexpr int NbLignesRapport = 17;
} // namespace intermediaire

/// True when `distance` lies strictly between the root (0) and the tip (`ecartementZ`).
bool DistanceIntermediaireValide(float distance, float ecartementZ);

/// The intermediate profile at `distance` from the root: its PointsE (and PointsS, a scratch
/// copy) hold NbPointsE interpolated points with Etat 0. The model's sides must have the same
/// count and `ecartementZ` must not be 0.
void CalculerProfilIntermediaire(const CoupleProfils& modele, float distance, CoupleProfils& intermediaire);

/// Path of the report written next to the profile saved at `chemin`.
QString CheminRapportIntermediaire(const QString& chemin);

/// A number of the report: a 32-bit float with up to seven significant digits, no trailing
/// zeros, "." as separator (exponent form "1E-05" for very small or large values).
QString NombreRapport(float valeur);

/// The 17 lines of the report for the profile saved at `chemin`; `noms` are the captions of
/// the root's and tip's file-name labels.
QStringList LignesRapportIntermediaire(const CoupleProfils& modele, const CoupleProfils& intermediaire,
                                       float distance, const QString& chemin, const QString (&noms)[2]);

/// The report's bytes: the lines joined with CR LF and one final CR LF, UTF-8.
QByteArray OctetsRapport(const QStringList& lignes);

/// What a save wrote.
struct SauvegardeIntermediaire {
    bool ProfilEcrit = false;  ///< the profile file
    bool RapportEcrit = false; ///< the report, replaced atomically (a failure keeps the old one)
};

/// Writes the intermediate profile at `chemin` (.dat or .dxf by its extension) with its fixed
/// header, then its report at CheminRapportIntermediaire(chemin). A report is written even
/// when the profile could not be.
SauvegardeIntermediaire SauverProfilIntermediaire(const QString& chemin, const CoupleProfils& modele,
                                                  const CoupleProfils& intermediaire, float distance,
                                                  const QString (&noms)[2]);

} // namespace galbix
