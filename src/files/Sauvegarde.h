#pragma once
// The save command without its dialog: what the dialog shows for each button, the headers
// of saved profiles, and the writes chosen by the button and by the filter selected when
// the dialog closed. Every file is replaced atomically: a failed save leaves the previous
// file as it was.

#include "files/Projet.h"
#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <QString>

namespace galbix {

/// Texts and filter numbers of the save dialogs.
namespace sauvegarde {
inline constexpr TexteTraduit TitreEmplanture{QT_TRANSLATE_NOOP("galbix",
    "Enregistrer le profil emplanture en .dxf ou en .dat...")};
inline constexpr TexteTraduit TitreSaumon{QT_TRANSLATE_NOOP("galbix",
    "Enregistrer le profil saumon en .dxf ou en .dat...")};
inline constexpr TexteTraduit TitreProjet{QT_TRANSLATE_NOOP("galbix", "Enregistrer le projet ou l'image 3D...")};
inline constexpr TexteTraduit TitreIntermediaire{QT_TRANSLATE_NOOP("galbix",
    "Enregistrer le profil intermédiaire en .dxf ou en .dat...")};
inline constexpr TexteTraduit FiltresProfil{QT_TRANSLATE_NOOP("galbix",
    "DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat|Tous les fichiers (*.*)|*.*")};
inline constexpr TexteTraduit FiltresProjet{QT_TRANSLATE_NOOP("galbix",
    "Projet Galbix(*.gbx)|*.gbx|DAO 3D (*.dxf)|*.dxf|Tous les fichiers (*.*)|*.*")};
constexpr int FiltreDxf = 1;          ///< profile filters, 1-based
constexpr int FiltreDat = 2;
constexpr int FiltreProjetGalbix = 1; ///< project filters, 1-based
constexpr int FiltreDao3D = 2;
constexpr int FiltreTous = 3;
constexpr int IndexEmplanture = 0;    ///< buttons of the save command
constexpr int IndexSaumon = 1;
constexpr int IndexProjet = 2;
constexpr int IndexIntermediaire = 3;
inline constexpr TexteTraduit TitreRefus3D{QT_TRANSLATE_NOOP("galbix", "Sauvegarde en .dxf 3D impossible")};
inline constexpr TexteTraduit TexteRefus3D{QT_TRANSLATE_NOOP("galbix",
    "Pour le .dxf 3D, l'emplanture et le saumon doivent avoir le même nombre de points.")};
inline const QString SectionReglages = QStringLiteral("Fichiers"); ///< settings file: last save folder
inline const QString CleReglages = QStringLiteral("Sauvegarde");
} // namespace sauvegarde

/// What the save dialog shows.
struct DialogueSauvegarde {
    QString Titre;
    QString Filtres;     ///< description and pattern pairs joined with '|'
    QString NomPropose;
    int IndexFiltre = 1; ///< preselected filter, 1-based
};

/// Name proposed for saving a profile whose file-name label reads `nomFichier`: the label
/// without its extension.
QString NomProposeProfil(const QString& nomFichier);
/// Filter preselected for that profile: .dat when the label's text after its last "." (the
/// whole label when it has none) is "dat" in any case, else .dxf.
int FiltreProposeProfil(const QString& nomFichier);

/// The dialog of button `index` (0 root, 1 tip, 2 project or 3D); `nomsFichiers` are the
/// captions of the two file-name labels. Button 3 gets its title and filters only (its name
/// and filter come from the intermediate profile); other indices give an empty title.
DialogueSauvegarde DialoguePourSauvegarde(int index, const QString (&nomsFichiers)[2]);

/// Header of a saved profile, with the metrics as they stand: "Corde: 200.000" for the
/// root, "Corde: 180.000 Flèche: 12.500 Cale dièdre: 0.000" for the tip.
QString EnTeteProfil(int cote, const CoupleProfils& profils);

/// Saves side `cote` at `chemin` (.dat or .dxf by its extension), coordinates as they stand,
/// after CalculerExtremes; false when nothing was written.
bool SauverProfil(int cote, const QString& chemin, CoupleProfils& profils);

/// How the project-or-3D save ended.
enum class IssueSauvegarde {
    Ecrit,          ///< the file was written
    EchecEcriture,  ///< the write failed (nothing is said to the user), previous file intact
    Refus3D,        ///< unequal point counts: show TitreRefus3D / TexteRefus3D
    RienAEcrire,    ///< "Tous les fichiers" (or an unknown filter): nothing is written
};

/// Button 2 after the dialog, by the filter selected when it closed (not by the extension
/// typed): the project file, or the 3D drawing of the wing.
IssueSauvegarde SauverProjetOu3D(const QString& chemin, int indexFiltre, DonneesProjet& projet);

/// Writes the folder of `chemin` at once as the last save folder of the settings file
/// `fichierReglages`, and returns it.
QString RetenirDossierSauvegarde(const QString& chemin, const QString& fichierReglages);

} // namespace galbix
