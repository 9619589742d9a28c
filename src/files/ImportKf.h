#pragma once
// Projects of the cutting program (".kf"): both point lists and the placement the cutting
// program applies to them, read from "key=value" lines. A line starts with a side letter
// ("E" root, any other letter tip) followed by the key; "Commentaire" lines belong to no
// side. A key that is a number is a point "x;y", appended in file order; named keys carry the
// placement (height factor, mirrors, twist, span, sweep, dihedral offset, file names); the
// key "in" (the line "Fin") ends the reading. Numbers use "." whatever the locale.
//
// The reading fills a plain record and changes nothing else: a file that cannot be read or a
// value that is not a number where one is expected leaves the caller's model untouched. The
// placement is then replayed as a list of steps, each one a value typed into a field of the
// main window (or a button pressed) with one side selected, exactly as a user would.
//
// Choices of this reader:
// - Every line is read, the last one included, whether or not the file ends with a line end.
// - A side without "xHauteur" is not stretched (as with a factor of 1).
// - "MiroirVertical" and "MiroirHorizontal" accept "true" in any case; both press "Miroir
//   vertical" (Y flipped), the horizontal ones after the vertical ones.
// - Interleaved root and tip point lines each go to the end of their own side.
// - A side with a single point line gets a second point at (0, 0), a side without any one
//   point at (0, 0), as the model needs at least one point per side.
// - Text is UTF-8 when it is valid UTF-8, else Windows Latin-1.

#include "model/Types.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace galbix {

/// Keys of the cutting program's projects.
namespace kerfex {
inline const QString CleCommentaire = QStringLiteral("Commentaire");
inline const QString CleHauteur = QStringLiteral("xHauteur");
inline const QString CleMiroirVertical = QStringLiteral("MiroirVertical");
inline const QString CleMiroirHorizontal = QStringLiteral("MiroirHorizontal");
inline const QString CleVrillage = QStringLiteral("Vrillage");
inline const QString CleEnvergure = QStringLiteral("Envergure");
inline const QString CleFlecheBA = QStringLiteral("FlecheBA");
inline const QString CleDecalage = QStringLiteral("Decalage");
inline const QString CleMDessous = QStringLiteral("MDessous");
inline const QString CleFichier = QStringLiteral("Fichier");
inline const QString CleFin = QStringLiteral("in");
} // namespace kerfex

/// Everything a cutting-program project holds that this program uses.
struct ProjetKerfex {
    std::vector<PointProfil> Points[2];      ///< root and tip points (Etat 0), at least one each
    std::optional<float> Hauteur[2];         ///< "xHauteur" factor of each side
    bool MiroirVertical[2] = {false, false};
    bool MiroirHorizontal[2] = {false, false};
    float Vrillage[2] = {0.0f, 0.0f};        ///< twist, degrees
    std::optional<float> Envergure;          ///< span spacing (the last line wins)
    double FlecheBA = 0.0;                   ///< tip's leading-edge sweep (a root value is ignored)
    bool DecalagePresent = false;            ///< a "Decalage" key was seen on either side
    double Decalage = 0.0;                   ///< tip's dihedral offset
    double MDessous[2] = {0.0, 0.0};         ///< lower-surface heights, used without "Decalage"
    std::optional<QString> Fichier[2];       ///< source file names
    QString Commentaire;                     ///< "Commentaire" lines joined with CR LF
    bool Termine = false;                    ///< the reading stopped at the key "in"
};

/// Outcome of a reading.
struct LectureKerfex {
    bool Reussie = false;
    int Ligne = 0;  ///< 1-based line of the fault (0 when the file could not be read)
    QString Erreur; ///< one French line naming the fault
};

/// Reads the project text `contenu` into `projet` (reset first).
LectureKerfex AnalyserProjetKerfex(const QByteArray& contenu, ProjetKerfex& projet);
/// Reads the project file at `chemin` into `projet`.
LectureKerfex LireProjetKerfex(const QString& chemin, ProjetKerfex& projet);

/// A value of the file as a number: optional sign, digits with an optional "." and exponent,
/// blanks around; nothing when it is not one or lies beyond the 32-bit float range.
std::optional<double> NombreKerfex(QStringView texte);

/// What a placement step does once its side is selected.
enum class ActionKerfex {
    EtirerY,        ///< Enter in "Etirer suivant Y" with the percentage typed
    MiroirVertical, ///< press "Miroir vertical"
    Tourner,        ///< Enter in the rotation field with the angle typed
    Fleche,         ///< Enter in the sweep field (no side selected)
    DiedreMm,       ///< Enter in the dihedral-height field (no side selected)
};

/// One placement step: the side selected during it (none for the wing fields) and the text typed.
struct EtapeKerfex {
    ActionKerfex Action = ActionKerfex::Fleche;
    std::optional<int> Cote;
    QString Texte; ///< empty for the mirror
    friend bool operator==(const EtapeKerfex&, const EtapeKerfex&) = default;
};

/// The steps that place the imported wing, in order: root then tip height, vertical mirrors,
/// horizontal mirrors, twists, then the sweep and the dihedral height (always typed).
std::vector<EtapeKerfex> EtapesPlacementKerfex(const ProjetKerfex& projet);

/// A value as the import types it into a field: the 32-bit float with up to seven significant
/// digits, plain decimal text with "." (never an exponent).
QString TexteSaisieKerfex(double valeur);

} // namespace galbix
