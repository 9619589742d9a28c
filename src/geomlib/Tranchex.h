#pragma once
// The geometry library: reads and writes profile files (.dat, .dxf, .plt), writes the 3D
// drawing of a wing, smooths a run of points. The format follows the file's extension,
// in its exact lower-case or upper-case form.

#include "geomlib/PointFichier.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace galbix {

/// Everything a read gives back, or the reason it failed.
struct LectureFichier {
    bool ok = false;
    QString erreur;                  ///< one line, French, when !ok
    QString format;                  ///< "dat", "dxf" or "plt"
    std::vector<PointFichier> points;
    float Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;
    QString enTete;                  ///< name line (.dat), first 999 comment (.dxf), empty (.plt)
    std::optional<QString> unitesDeclarees; ///< units the DXF declares, as text
};

/// Reads a profile file with every detail; never throws.
LectureFichier LireFichierDetaille(const QString& nomFichier);

/// Reads a profile file: fills `points` (0-based) and the extents, returns the point count.
/// On failure returns -1 and leaves every argument untouched.
int32_t LireFichier(std::vector<PointFichier>& points, const QString& nomFichier,
                    float& Xmin, float& Xmax, float& Ymin, float& Ymax, QString& enTete);

/// Writes `points` (0-based, X and Y set) as .dat or .dxf by the extension; 1 on success, 0 on failure.
/// The file is replaced atomically.
int32_t EcrireFichier(const std::vector<PointFichier>& points, const QString& nomFichier,
                      const QString& enTete);

/// One profile file to write: points (0-based, X and Y set), file name, header.
struct ProfilAEcrire {
    std::vector<PointFichier> points;
    QString nomFichier;
    QString enTete;
};

/// Writes several profiles as EcrireFichier does, all or nothing as far as the disk allows:
/// every file is first written in full under a temporary name, then each is put in place, so
/// that an interruption leaves each file with its old or its new content. 1 on success, 0
/// when a file could not be written (no file replaced) or put in place.
int32_t EcrireFichiers(const std::vector<ProfilAEcrire>& profils);

/// Writes the 3D drawing of a wing (.dxf): root at z = 0, tip at z = ecartementZ, ruled surface
/// between them. Both arrays must have the same size. 1 on success, 0 on failure.
int32_t EcrireFichier3D(const std::vector<PointFichier>& racine, const std::vector<PointFichier>& saumon,
                        const QString& nomFichier, float ecartementZ);

/// Smooths the run in `points` in place: each point keeps its place along the curve, the ends
/// and the count are kept, a clean run is left as it is; returns the count.
int32_t LissageSequence(std::vector<PointFichier>& points);

/// Version number of the library (0.0.N is shown as "0.0." + N).
int32_t Version();

} // namespace galbix
