#pragma once
// Readers and writers of each file format, on text in memory (no file access).

#include "geomlib/Tranchex.h"

#include <QByteArray>
#include <string_view>

namespace galbix::formats {

/// Selig or Lednicer airfoil text.
LectureFichier LireDat(std::string_view texte);
/// ASCII DXF (R12 to 2018).
LectureFichier LireDxf(std::string_view texte);
/// HPGL / HP-GL/2 plot.
LectureFichier LirePlt(std::string_view texte);

/// .dat text: the header line, then "x y" per point relative to the smallest X and Y and
/// divided by the first positive number of the header (else the X extent, 1 when 0).
QByteArray EcrireDat(const std::vector<PointFichier>& points, const QString& enTete);
/// DXF R12 text: the header as a 999 comment and the points as one POLYLINE.
QByteArray EcrireDxf(const std::vector<PointFichier>& points, const QString& enTete);
/// DXF R12 text of a wing: root and tip polylines and the ruled surface as 3DFACE entities.
QByteArray EcrireDxf3D(const std::vector<PointFichier>& racine, const std::vector<PointFichier>& saumon,
                       float ecartementZ);

/// Fills ok, the extents and the checks shared by every reader (no point, non-finite values).
void Finaliser(LectureFichier& lecture);

} // namespace galbix::formats
