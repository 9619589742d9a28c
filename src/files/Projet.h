#pragma once
// Project files (".gbx"): both point lists with the state of every point, the spacing, the
// wing-geometry switches, the view and the comment, as INI text in four sections. The file
// is loaded once, changed key by key in memory and saved once, atomically.
//
// The routines work on a plain record: the window fills it from its controls before a save
// and, after a read, replays the switches as clicks, sets the angle bars and the zoom, and
// shows the comment.

#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <QString>

namespace galbix {

/// Names and texts of the project file.
namespace projet {
inline const QString SectionEmplanture = QStringLiteral("Emplanture");
inline const QString SectionSaumon = QStringLiteral("Saumon");
inline const QString SectionPosition = QStringLiteral("Position");
inline const QString SectionAffichage = QStringLiteral("Affichage");
inline const QString CleNomFichier = QStringLiteral("NomFichier");
inline const QString CleNombrePoints = QStringLiteral("NombrePoints");
inline const QString CleEcartement = QStringLiteral("Ecartement");
inline const QString CleBoutonFleche = QStringLiteral("BoutonFleche");
inline const QString CleBoutonDiedre = QStringLiteral("BoutonDiedre");
inline const QString CleBoutonAligner = QStringLiteral("BoutonAligner");
inline const QString CleCoeffZoom = QStringLiteral("CoeffZoom");
inline const QString CleXCentreZoom = QStringLiteral("XCentreZoom");
inline const QString CleYCentreZoom = QStringLiteral("YCentreZoom");
inline const QString CleOmega = QStringLiteral("Omega");
inline const QString CleAlpha = QStringLiteral("Alpha");
inline const QString CleCommentaire = QStringLiteral("Commentaire");
/// Pattern of every real number in the file.
inline const QString MotifReel = QStringLiteral("#####0.000000");
/// Start of the window caption while a project file is open.
inline constexpr TexteTraduit DebutTitre{QT_TRANSLATE_NOOP("galbix", "Profils Galbix - ")};
constexpr int AucunBouton = -1;   ///< no switch of the group is ticked
constexpr int NbBoutonsFleche = 3;
constexpr int NbBoutonsDiedre = 5;
constexpr int PositionAngleMin = 1;   ///< range of the angle bars
constexpr int PositionAngleMax = 359;
} // namespace projet

/// Everything a project file holds.
struct DonneesProjet {
    CoupleProfils Profils;        ///< both point lists with their states, and EcartementZ
    QString NomFichier[2];        ///< captions of the file-name labels (root, tip)
    int BoutonFleche = projet::AucunBouton; ///< ticked sweep switch: 0 leading edges, 1 middles, 2 trailing edges
    int BoutonDiedre = projet::AucunBouton; ///< ticked dihedral switch, 0 upper surfaces ... 4 lower surfaces
    bool Aligner = false;         ///< alignment switch ticked
    float CoeffZoom = 1.0f;       ///< drawing units per millimetre
    float XCentreZoom = 0.0f;
    float YCentreZoom = 0.0f;
    float Omega = 120.0f;         ///< position of the angle bar hscOmega (a whole number)
    float Alpha = 143.0f;         ///< position of the angle bar hscAlpha (a whole number)
    /// Text of the comment box, lines separated by CR LF (a lone LF or CR also separates
    /// lines when writing). After a read, empty means the file holds no comment and the
    /// box keeps its text.
    QString Commentaire;
};

/// Where a project reading stopped. The steps come in the order of the file.
enum class EtapeProjet {
    Fichier,    ///< the file is missing or cannot be read: nothing was read
    Emplanture, ///< root section: bad point count, or a point missing or with fewer than 3 pieces
    Saumon,     ///< tip section: the same
    Omega,      ///< "Omega" does not round to a bar position (1 to 359); a missing key counts
    Alpha,      ///< "Alpha" likewise
    Complete,   ///< everything was read
};

/// Outcome of LireProjet.
struct LectureProjet {
    EtapeProjet Arret = EtapeProjet::Fichier; ///< Complete on success, else the step that failed
    QString Erreur;                           ///< one French line naming the fault
    bool Reussie() const { return Arret == EtapeProjet::Complete; }
};

/// Caption of the main window for the project file at `chemin`.
QString TitreFenetreProjet(const QString& chemin);

/// A real number as the project file holds it ("12.500000", "." whatever the locale).
QString TexteReelProjet(double valeur);

/// The comment box's text as one value: its lines joined with ";".
QString CommentaireVersValeur(const QString& texte);
/// A stored comment back as the box's text: each ";" becomes CR LF.
QString ValeurVersCommentaire(const QString& valeur);

/// Writes `projet` into the file at `chemin`: runs CalculerExtremes, empties the four project
/// sections (other sections of an existing file are kept) and writes every key, then replaces
/// the file atomically. False, with any existing file left intact, when the file cannot be
/// read or written, or when a number to write is not finite (never written as 0).
bool EcrireProjet(const QString& chemin, DonneesProjet& projet);

/// Reads the project file at `chemin` into `projet`, key by key in the order of the file.
/// Missing keys read as 0 or the empty text. On success CalculerExtremes has run. When the
/// reading stops, the steps before `Arret` are in `projet`; a failed side holds its file name
/// and the points read before the faulty key; later fields keep the values `projet` had.
LectureProjet LireProjet(const QString& chemin, DonneesProjet& projet);

} // namespace galbix
