#pragma once
// Opening a profile file on the root side (E) or the tip side (S), without any window:
// read into the reading buffer, thin drawn contours, scale .dat profiles to a chord of 100,
// then replace the model's points. The window shows the dialog, asks first (ProjetOuvert)
// and applies the returned field texts; the command line uses the same routines.
//
// A load happens in a scratch copy of the model that replaces the model only when
// everything succeeded: a failed read leaves the model as it was.

#include "geomlib/PointFichier.h"
#include "geomlib/Tranchex.h"
#include "model/Types.h"
#include "model/TexteTraduit.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace galbix {

/// Texts of the open command (dialog, refusal, caption).
namespace ouverture {
inline constexpr TexteTraduit TitreDialogue{QT_TRANSLATE_NOOP("galbix",
    "Choisissez un fichier profil (.dat, .dxf, .plt)")};
inline constexpr TexteTraduit FiltreEmplanture{QT_TRANSLATE_NOOP("galbix",
    "DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat|Plotter (*.plt)|*.plt|Projet Galbix (*.gbx)|*.gbx|"
    "Projet Kerfex (*.kf)|*.kf|Tous les fichiers connus|*.dxf;*.dat;*.plt;*.gbx;*.kf")};
inline constexpr TexteTraduit FiltreSaumon{QT_TRANSLATE_NOOP("galbix",
    "DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat|Plotter (*.plt)|*.plt|Tous les fichiers saumon|*.dxf;*.dat;*.plt")};
constexpr int FiltrePreselectionneEmplanture = 6; ///< 1-based entry of the filter list
constexpr int FiltrePreselectionneSaumon = 4;
inline constexpr TexteTraduit TitreRefusSaumon{QT_TRANSLATE_NOOP("galbix", "Action impossible")};
inline constexpr TexteTraduit TexteRefusSaumon{QT_TRANSLATE_NOOP("galbix",
    "Il faut d'abord charger un profil d'emplanture.")};
inline constexpr TexteTraduit TitreNouveauProjet{QT_TRANSLATE_NOOP("galbix", "Profils Galbix - Nouveau projet")};
inline const QString DebutCommentaire = QStringLiteral("Commentaire profil: ");
} // namespace ouverture

/// The reading buffer: the records of the last file read (0-based), their extents and the header.
struct TamponLecture {
    std::vector<PointFichier> Points;
    float XminFichier = 0, XmaxFichier = 0, YminFichier = 0, YmaxFichier = 0;
    QString EnTete; ///< trimmed of leading and trailing spaces
};

/// How an open command ended.
enum class IssueOuverture {
    Charge,       ///< the points were loaded
    Echec,        ///< nothing changed (unreadable file, empty file, unusable numbers)
    Refus,        ///< tip before any root: show the refusal message
    Projet,       ///< a root ".gbx": the project reader takes over
    ProjetKerfex, ///< a root ".kf": the import of the cutting program's project takes over
};

/// What a load changes besides the model: the window copies these into its controls.
struct ResultatOuverture {
    IssueOuverture Issue = IssueOuverture::Echec;
    QString Erreur;                        ///< one-line reason of an Echec
    int Cote = CoteE;
    std::optional<float> ToleranceContour; ///< set when the contour was thinned
    std::optional<QString> Corde[2];       ///< new texts of the chord fields (E, S)
    std::optional<QString> EcartementZ;    ///< new text of the spacing field (root load)
    std::optional<QString> Diedre;         ///< label under the dihedral fields (root load)
    std::optional<QString> Fleche;         ///< label under the sweep field (root load)
    QString NomFichier;                    ///< for the file-name label(s) of the side(s) loaded
    std::optional<QString> LigneCommentaire; ///< "Commentaire profil: " + header + CR LF
    bool RemplacerCommentaire = false;     ///< root .dat: the line replaces the comment (else appended)
    bool VoirCommentaires = false;         ///< root .dat: tick the comment check box
    bool NouveauProjet = false;            ///< root: ActiverCommandes, ProjetOuvert, caption TitreNouveauProjet
};

/// A header as the window shows it: without leading and trailing spaces (tabs stay).
QString SansEspacesAuxBouts(const QString& texte);

/// True when the first and the last record carry different contour codes (several contours).
bool PlusieursContours(const std::vector<PointFichier>& points);

/// The reading buffer filled from a successful library read: its records, file extents and
/// trimmed header (the records are moved out of `lecture`).
TamponLecture TamponDepuisLecture(LectureFichier&& lecture);

/// Reads a profile file into `tampon` (header trimmed); false, with `erreur` set and
/// `tampon` untouched, when the file cannot be read or holds no point.
bool LireTampon(const QString& chemin, TamponLecture& tampon, QString& erreur);

/// Span spacing proposed from the root chord: 5 below 6, 10 below 11, 50 below 51, else 100.
float EcartementZDepuisCorde(float largeurE);

/// A number in the fields' display format "#####0.0#" with "." as separator.
QString TexteChamp(float valeur);

/// How a load treats the points read: a drawing is thinned and keeps its size, a .dat
/// profile is scaled to a chord of 100; any other file is taken as it is.
enum class GenreProfil { Dessin, Dat, Autre };

/// The kind of a file by its extension, compared case-exactly (.dxf/.DXF, .plt/.PLT, .dat/.DAT).
GenreProfil GenreDuFichier(const QString& chemin);

/// Puts the buffer's points into `profils` for side `cote` as the open command does once
/// the file is read (thinning of .dxf/.plt, .dat scaling, spacing, metrics). `tampon` is
/// thinned in place. On Echec `profils` is untouched.
ResultatOuverture AppliquerTampon(int cote, const QString& chemin, TamponLecture& tampon,
                                  CoupleProfils& profils);

/// AppliquerTampon for points of a known kind; `nomFichier` is the name the labels show.
ResultatOuverture AppliquerTamponGenre(int cote, GenreProfil genre, const QString& nomFichier,
                                       TamponLecture& tampon, CoupleProfils& profils);

/// The whole open command after the dialog: refusal of a tip before any root, dispatch of
/// root ".gbx"/".kf" files, read, several contours taken as one path in file order, then
/// AppliquerTampon.
ResultatOuverture OuvrirProfil(int cote, const QString& chemin, bool projetOuvert, CoupleProfils& profils);

/// A result for `cote`; refused with its message when a tip is opened before any root.
ResultatOuverture DebutOuverture(int cote, bool projetOuvert);

/// Remembers the folder of `chemin` as the last open folder in the settings file at once; returns it.
QString RetenirDossierOuverture(const QString& chemin, const QString& fichierIni);

/// A filter list written as "description|patterns|..." as a file dialog's filters
/// ("Tous les fichiers connus (*.dxf *.dat ...)" where the description names no pattern).
QStringList FiltresDialogue(const QString& filtre);

} // namespace galbix
