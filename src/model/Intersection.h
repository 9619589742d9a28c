#pragma once
// Where two segments meet: the helper behind "Créer l'intersection" and the corners of the
// parallel offset.

namespace galbix {

/// How two segments A = (x1, y1)-(x2, y2) and B = (x3, y3)-(x4, y4) meet.
enum class CodeIntersection {
    Paralleles = 0,  ///< parallel (zero determinant): no point
    Interieure = 1,  ///< the segments cross inside both
    Exterieure = 2,  ///< the lines cross outside at least one segment
    DebutA = 3,      ///< the crossing is the start of A
    FinA = 4,        ///< the crossing is the end of A
    DebutB = 5,      ///< the crossing is the start of B
    FinB = 6,        ///< the crossing is the end of B
};

/// The code and the point where two segments meet (undefined for Paralleles).
struct Intersection {
    CodeIntersection Code = CodeIntersection::Paralleles;
    double X = 0.0;
    double Y = 0.0;
};

/// IntersectionSegments: code and crossing point of segments A and B; the determinant and
/// both parameters are rounded to 32-bit floats before they are tested.
Intersection IntersectionSegments(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                                  double y4);

} // namespace galbix
