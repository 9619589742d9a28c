#pragma once
// Exchange with the cutting program: the root and the tip as "TempE.dat" and "TempS.dat" in
// the program's folder. A header of ";"-separated fields carries the wing geometry:
//   TempE.dat  "E;" chord ";00000.000;00000.000;00000.000;" root file name
//   TempS.dat  "S;" chord ";" sweep ";" dihedral height ";" spacing ";" tip file name
// The .dat writer stores each side relative to its own smallest X and Y and divided by the
// chord of its header; the import multiplies by that chord and moves the tip by the sweep
// and the dihedral height. An exported wing therefore imports back to the same wing, moved
// so that the root's smallest X and Y are 0.
//
// The import works on a scratch copy: when a file cannot be read or its header cannot be
// split, the model is left as it was and the window shows "Importation impossible" with
// the text of the result, which names the file.

#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <QString>
#include <optional>

namespace galbix {

/// Names and texts of the exchange.
namespace echange {
inline const QString NomFichierE = QStringLiteral("TempE.dat");
inline const QString NomFichierS = QStringLiteral("TempS.dat");
inline const QString ChampVide = QStringLiteral("00000.000"); ///< root header: no sweep, height, spacing
inline constexpr TexteTraduit TitreQuestion{QT_TRANSLATE_NOOP("galbix", "Demande d'importation")};
inline constexpr TexteTraduit TexteQuestion{QT_TRANSLATE_NOOP("galbix",
    "Voulez-vous importer un projet qui effacera le projet en cours?")};
inline constexpr TexteTraduit TitreIntrouvables{QT_TRANSLATE_NOOP("galbix",
    "TempE.dat ou/et TempS.dat introuvable(s)")};
inline constexpr TexteTraduit TexteIntrouvables{QT_TRANSLATE_NOOP("galbix",
    "Les fichiers d'importation n'ont pas été trouvés")};
inline constexpr TexteTraduit TitreImpossible{QT_TRANSLATE_NOOP("galbix", "Importation impossible")};
inline constexpr TexteTraduit TitreExportImpossible{QT_TRANSLATE_NOOP("galbix", "Exportation impossible")};
/// Text of the refused export; %1 is the program's folder.
inline constexpr TexteTraduit TexteExportImpossible{QT_TRANSLATE_NOOP("galbix",
    "Les fichiers TempE.dat et TempS.dat n'ont pas pu être écrits dans %1 : les fichiers "
    "précédents sont restés tels quels.")};
} // namespace echange

/// Full path of the exchange file of side `cote` in `dossier`.
QString CheminEchange(const QString& dossier, int cote);

/// Header of the exchange file of side `cote`, from the metrics as they stand and the
/// caption of the side's file-name label.
QString EnTeteEchange(int cote, const CoupleProfils& profils, const QString& nomFichier);

/// Numbers of an exchange header (the root's gives its chord only).
struct ChampsEchange {
    float Corde = 0.0f;
    float Fleche = 0.0f;     ///< sweep: tip X offset
    float DiedreMm = 0.0f;   ///< dihedral height: tip Y offset
    float Ecartement = 0.0f; ///< spacing root - tip
};

/// Splits a header: its first two characters are skipped unchecked, then each field runs up
/// to the next ";" and reads as a number (0 when not numeric). The root needs its chord
/// followed by ";", the tip its four numbers each followed by ";"; nothing otherwise.
std::optional<ChampsEchange> LireEnTeteEchange(const QString& enTete, int cote);

/// Writes the root and the tip into `dossier` with their headers (CalculerExtremes runs
/// before each header), replacing the previous pair; `nomsFichiers` are the captions of the
/// two file-name labels. Both new files are complete on disk before either replaces its old
/// version. False when a file could not be written; the previous pair is then kept.
bool ExporterEchange(const QString& dossier, CoupleProfils& profils, const QString (&nomsFichiers)[2]);

/// How an import ended.
enum class IssueImport {
    Importe,      ///< the model holds the imported wing
    Introuvables, ///< a file is missing: show TitreIntrouvables / TexteIntrouvables
    Impossible,   ///< unreadable file or header: show TitreImpossible with Message
};

/// Outcome of an import.
struct ResultatImport {
    IssueImport Issue = IssueImport::Impossible;
    /// For Impossible: one sentence naming the file, "Le fichier F n'a pas pu être lu (raison)."
    /// or "L'en-tête du fichier F ne peut pas être découpé : ..." (what must be followed by ";").
    QString Message;
    ChampsEchange EnTeteE; ///< root header (chord)
    ChampsEchange EnTeteS; ///< tip header: chord, and the values held for the sweep and
                           ///< dihedral-height fields and the spacing
};

/// Reads the exchange pair of `dossier` into `profils`: points scaled by their side's chord,
/// the tip moved by the sweep and the dihedral height, every state 0, EcartementZ from the
/// tip header, then CalculerExtremes. Unless Importe, `profils` is untouched.
ResultatImport ImporterEchange(const QString& dossier, CoupleProfils& profils);

} // namespace galbix
