#pragma once
// The entities of a DXF drawing as read, before tessellation: model space, paper space and
// block definitions, with the header values the program uses.

#include "geomlib/Courbes.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace galbix::dxf {

using courbes::Pt2;

struct Pt3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

/// LINE: its two ends in world coordinates.
struct LigneDxf {
    Pt2 a, b;
};

/// ARC or CIRCLE, in the object coordinate system of its extrusion direction.
struct ArcDxf {
    Pt3 centre;
    double rayon = 0.0;
    double debut = 0.0, fin = 360.0; ///< degrees, counter-clockwise
    bool cercle = false;
    Pt3 normale{0.0, 0.0, 1.0};
};

/// ELLIPSE: centre and major axis end (relative to the centre) in world coordinates.
struct EllipseDxf {
    Pt3 centre, majeur;
    double ratio = 1.0;                ///< minor over major axis
    double debut = 0.0, fin = 6.283185307179586; ///< parameters, radians
    Pt3 normale{0.0, 0.0, 1.0};
};

/// A polyline vertex in the polyline's own coordinates; `bulge` bends the segment to the next.
struct SommetDxf {
    double x = 0.0, y = 0.0, bulge = 0.0;
};

/// LWPOLYLINE or POLYLINE: vertices [debut, debut + nombre) of Dessin::sommets.
struct PolyligneDxf {
    size_t debut = 0, nombre = 0;
    bool ferme = false;
    double elevation = 0.0;
    Pt3 normale{0.0, 0.0, 1.0};
};

/// SPLINE in world coordinates: knots, weights, control points and fit points are ranges of
/// the arrays of Dessin.
struct SplineDxf {
    int degre = 3;
    bool ferme = false;
    size_t noeuds = 0, nbNoeuds = 0;     ///< in Dessin::reels
    size_t poids = 0, nbPoids = 0;       ///< in Dessin::reels
    size_t controle = 0, nbControle = 0; ///< in Dessin::points
    size_t passage = 0, nbPassage = 0;   ///< in Dessin::points
    std::optional<Pt2> tangenteDebut, tangenteFin;
};

/// INSERT (MINSERT when it has several rows or columns) of block `bloc`.
struct InsertDxf {
    int bloc = -1;
    Pt3 point; ///< in the object coordinate system of the extrusion direction
    double echelleX = 1.0, echelleY = 1.0;
    double rotation = 0.0; ///< degrees
    int colonnes = 1, rangees = 1;
    double ecartColonnes = 0.0, ecartRangees = 0.0;
    Pt3 normale{0.0, 0.0, 1.0};
};

enum class TypeEntite : uint8_t { Ligne, Arc, Ellipse, Polyligne, Spline, Insert };

/// One entity: its type and its index in the array of that type in Dessin.
struct Entite {
    TypeEntite type = TypeEntite::Ligne;
    uint32_t indice = 0;
};

struct Bloc {
    std::string nom; ///< as written in the file
    Pt2 base;
    std::vector<Entite> entites;
};

struct Dessin {
    std::vector<Entite> modele; ///< entities of the ENTITIES section in model space
    std::vector<Entite> papier; ///< entities of the ENTITIES section in paper space (67 = 1)
    std::vector<Bloc> blocs;
    std::unordered_map<std::string, int> indexBlocs; ///< upper-case name -> index in blocs

    std::vector<LigneDxf> lignes;
    std::vector<ArcDxf> arcs;
    std::vector<EllipseDxf> ellipses;
    std::vector<PolyligneDxf> polylignes;
    std::vector<SplineDxf> splines;
    std::vector<InsertDxf> inserts;
    std::vector<SommetDxf> sommets;
    std::vector<double> reels;
    std::vector<Pt2> points;

    std::optional<long long> insunits;    ///< $INSUNITS
    std::optional<long long> measurement; ///< $MEASUREMENT
    std::optional<std::string_view> commentaire; ///< value of the first 999 group
};

/// Index of the block named `nom` (case-insensitive), added empty when unknown.
int IndexBloc(Dessin& dessin, std::string_view nom);

/// Reads DXF text into `dessin`; false with a one-line French reason on malformed text.
/// `dessin.commentaire` points into `texte`.
bool LireDessin(std::string_view texte, Dessin& dessin, QString& erreur);

} // namespace galbix::dxf
