#pragma once
// Profiles for tests: NACA four-digit sections computed from their formula, point lists given
// by coordinates, and comparisons of point lists.

#include "geomlib/Formats.h"
#include "geomlib/Tranchex.h"
#include "model/Types.h"
#include "model/Naca.h"

#include <QList>
#include <QPointF>
#include <cmath>
#include <vector>

namespace galbix::tests {

/// A NACA four-digit profile of `parSurface` points per surface, scaled to `corde` and
/// shifted by (dx, dy).
inline std::vector<PointProfil> Naca(const char* code, int parSurface, double corde, double dx = 0, double dy = 0)
{
    std::vector<PointProfil> points;
    for (const QPointF& p : ProfilNaca4(QString::fromLatin1(code), parSurface))
        points.push_back({float(p.x() * corde + dx), float(p.y() * corde + dy), 0});
    return points;
}

/// The same NACA profile as file points (X and Y only).
inline std::vector<PointFichier> NacaFichier(const char* code, int parSurface, double corde, double dx = 0, double dy = 0)
{
    std::vector<PointFichier> points;
    for (const PointProfil& p : Naca(code, parSurface, corde, dx, dy))
        points.push_back({p.X, p.Y});
    return points;
}

/// Writes a NACA profile of `parSurface` points per surface and chord `corde` as a .dat file.
inline bool EcrireNaca(const QString& chemin, const char* code, int parSurface, double corde = 1.0)
{ return EcrireFichier(NacaFichier(code, parSurface, corde), chemin, QStringLiteral("NACA ") + QString::fromLatin1(code)) == 1; }

/// `texte` read by `lecteur` (formats::LireDat, LirePlt, LireDxf) and finalised as a file read is.
inline LectureFichier LireTexte(const QByteArray& texte, LectureFichier (*lecteur)(std::string_view))
{
    LectureFichier l = lecteur(std::string_view(texte.constData(), size_t(texte.size())));
    formats::Finaliser(l);
    return l;
}

/// Points from coordinates, with the given states (0 for the points beyond them).
inline std::vector<PointProfil> Points(const QList<QPointF>& liste, const QList<int>& etats = {})
{
    std::vector<PointProfil> points;
    for (qsizetype i = 0; i < liste.size(); ++i)
        points.push_back({float(liste[i].x()), float(liste[i].y()), int16_t(i < etats.size() ? etats[i] : 0)});
    return points;
}

/// The states of a point list.
inline QList<int> Etats(const std::vector<PointProfil>& points)
{
    QList<int> etats;
    for (const PointProfil& p : points) etats.push_back(p.Etat);
    return etats;
}

/// `a` and `b` within `tolerance`.
inline bool Proche(double a, double b, double tolerance = 1e-3) { return std::abs(a - b) <= tolerance; }

/// Same points within `tolerance`, states compared when `etats` is true.
inline bool MemesPoints(const std::vector<PointProfil>& a, const std::vector<PointProfil>& b,
                        float tolerance = 1e-4f, bool etats = true)
{
    for (size_t i = 0; i < a.size() && a.size() == b.size(); ++i)
        if (std::abs(a[i].X - b[i].X) > tolerance || std::abs(a[i].Y - b[i].Y) > tolerance
            || (etats && a[i].Etat != b[i].Etat))
            return false;
    return a.size() == b.size();
}

} // namespace galbix::tests
