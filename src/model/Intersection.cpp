#include "model/Intersection.h"

namespace galbix {

Intersection IntersectionSegments(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                                  double y4)
{
    Intersection r;
    const double dxA = x2 - x1, dyA = y2 - y1;
    const float det = float(dxA * (y3 - y4) - dyA * (x3 - x4));
    if (det == 0.0f)
        return r;
    const float t = float(((x3 - x1) * (y3 - y4) - (y3 - y1) * (x3 - x4)) / double(det));
    const float u = float((dxA * (y3 - y1) - (x3 - x1) * dyA) / double(det));
    if (t >= 0.0f && t <= 1.0f && u >= 0.0f && u <= 1.0f) {
        if (t == 0.0f)
            return {CodeIntersection::DebutA, x1, y1};
        if (t == 1.0f)
            return {CodeIntersection::FinA, x2, y2};
        if (u == 0.0f)
            return {CodeIntersection::DebutB, x3, y3};
        if (u == 1.0f)
            return {CodeIntersection::FinB, x4, y4};
        r.Code = CodeIntersection::Interieure;
    } else {
        r.Code = CodeIntersection::Exterieure;
    }
    r.X = x1 + dxA * double(t);
    r.Y = y1 + dyA * double(t);
    return r;
}

} // namespace galbix
