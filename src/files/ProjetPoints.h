#pragma once
// The point keys of a project file in one pass over its bytes. Every file the program writes
// holds the keys "1=", "2=", ... of each side in order: reading takes them straight into the
// point lists and leaves the few other lines to the general INI reader; writing formats them
// into one buffer. A file whose point keys are out of order (written by hand) goes through
// the general reader instead, which gives the same result more slowly.

#include "model/Types.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <string_view>
#include <vector>

namespace galbix::projet {

/// Both sides' points as read in order, and what is left of the file for the INI reader.
struct PointsEnFlux {
    /// The file without the point lines taken (section headers, other keys, comments).
    QByteArray Reste;
    /// Per side (CoteE, CoteS): the points of keys 1, 2, ... up to the first key missing or
    /// whose value does not read.
    std::vector<PointProfil> Points[2];
};

/// Splits a project file's bytes into points and the rest; false when a point key of either
/// side is out of order, a section of points appears twice or a point line holds bytes
/// beyond ASCII: the file is then for the general reader. Without `valeurs` the point lines
/// are only set aside (a save replaces them), and `Points` stays empty.
bool SeparerPoints(QByteArrayView octets, PointsEnFlux& flux, bool valeurs = true);

/// Reads the project file at `chemin` the streaming way. `lu` becomes false when the file is
/// missing, unreadable or too large; `separe` false when it must go through the general reader
/// (`flux` is then empty, and `octets` holds the file). A missing file reads as empty.
void ChargerEnFlux(const QString& chemin, bool& lu, bool& separe, PointsEnFlux& flux, QByteArray& octets,
                   bool valeurs = true);

/// One point value "X:Y:Etat" (further pieces ignored); false with fewer than three pieces, a
/// coordinate beyond the float range or a state beyond 16 bits. Bytes from 128 up end a number.
bool LireValeurPoint(std::string_view valeur, PointProfil& p);

/// Appends "1=X:Y:Etat" CR LF ... for every point, numbers as the project file writes them;
/// false (nothing appended) when a coordinate is not finite.
bool AjouterLignesPoints(QByteArray& sortie, const std::vector<PointProfil>& points);

/// Value written as key "1" in place of a side's point lines, replaced by them afterwards.
QString MarquePoints(int cote);

/// Replaces each side's marker line "1=<marker>" in `base` by its point lines; false when a
/// marker is not found exactly once or a coordinate is not finite.
bool RemplacerMarques(const QByteArray& base, const std::vector<PointProfil>* cotes[2], QByteArray& sortie);

} // namespace galbix::projet
