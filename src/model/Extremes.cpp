#include "model/Extremes.h"

#include <cmath>

namespace galbix {

namespace {

// The angle constant is kept as the program has always written it, so that a dihedral
// angle computed here matches the one stored in older projects to the last bit.
constexpr double Pi = 3.14159265358979;

// Extremes and reference sums of one side. Values are stored as 32-bit floats like the
// model fields; every sum or difference is formed in double and rounded once.
struct MesuresCote {
    float xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    int32_t indXmin = 0, indXmax = 0, indYmin = 0, indYmax = 0;
    float yaXmin = 0, yaXmax = 0, xaYmin = 0, xaYmax = 0;
    float xref = 0, yref = 0;
    int32_t nbRef = 0;
};

// One pass over the points of a side (at least one point). The comparisons are
// non-strict: on ties the point with the highest number wins.
MesuresCote MesurerCote(const std::vector<PointProfil>& points)
{
    MesuresCote m;
    m.xmin = m.xmax = points.front().X;
    m.ymin = m.ymax = points.front().Y;
    const int32_t n = int32_t(points.size());
    for (int32_t i = 1; i <= n; ++i) {
        const PointProfil& p = points[size_t(i - 1)];
        if (AEtat(p, EtatReference)) {
            ++m.nbRef;
            m.xref = float(double(m.xref) + double(p.X));
            m.yref = float(double(m.yref) + double(p.Y));
        }
        if (p.X <= m.xmin) { m.xmin = p.X; m.indXmin = i; m.yaXmin = p.Y; }
        if (p.X >= m.xmax) { m.xmax = p.X; m.indXmax = i; m.yaXmax = p.Y; }
        if (p.Y <= m.ymin) { m.ymin = p.Y; m.indYmin = i; m.xaYmin = p.X; }
        if (p.Y >= m.ymax) { m.ymax = p.Y; m.indYmax = i; m.xaYmax = p.X; }
    }
    return m;
}

float Difference(float a, float b) { return float(double(a) - double(b)); }

void RangerCoteE(CoupleProfils& c, const MesuresCote& m)
{
    c.XminE = m.xmin; c.IndXminE = m.indXmin;
    c.XmaxE = m.xmax; c.IndXmaxE = m.indXmax;
    c.YminE = m.ymin; c.IndYminE = m.indYmin;
    c.YmaxE = m.ymax; c.IndYmaxE = m.indYmax;
    c.YaXminE = m.yaXmin; c.YaXmaxE = m.yaXmax;
    c.XaYminE = m.xaYmin; c.XaYmaxE = m.xaYmax;
    c.LargeurE = Difference(m.xmax, m.xmin);
    c.HauteurE = Difference(m.ymax, m.ymin);
}

void RangerCoteS(CoupleProfils& c, const MesuresCote& m)
{
    c.XminS = m.xmin; c.IndXminS = m.indXmin;
    c.XmaxS = m.xmax; c.IndXmaxS = m.indXmax;
    c.YminS = m.ymin; c.IndYminS = m.indYmin;
    c.YmaxS = m.ymax; c.IndYmaxS = m.indYmax;
    c.YaXminS = m.yaXmin; c.YaXmaxS = m.yaXmax;
    c.XaYminS = m.xaYmin; c.XaYmaxS = m.xaYmax;
    c.LargeurS = Difference(m.xmax, m.xmin);
    c.HauteurS = Difference(m.ymax, m.ymin);
}

// Reference means: divided only when both sides have reference points; otherwise the
// raw sums stay (nobody reads them then).
void RangerReferences(CoupleProfils& c, const MesuresCote& e, const MesuresCote& s)
{
    c.NbRefE = e.nbRef;
    c.NbRefS = s.nbRef;
    c.XrefE = e.xref; c.YrefE = e.yref;
    c.XrefS = s.xref; c.YrefS = s.yref;
    if (e.nbRef != 0 && s.nbRef != 0) {
        c.XrefE = float(double(e.xref) / e.nbRef);
        c.YrefE = float(double(e.yref) / e.nbRef);
        c.XrefS = float(double(s.xref) / s.nbRef);
        c.YrefS = float(double(s.yref) / s.nbRef);
    }
}

} // namespace

// Callers run this only while both sides are loaded (at least one point each); with an
// empty side the record is left exactly as it was.
void CalculerExtremes(CoupleProfils& c)
{
    if (c.PointsE.empty() || c.PointsS.empty())
        return;
    const MesuresCote e = MesurerCote(c.PointsE);
    const MesuresCote s = MesurerCote(c.PointsS);
    RangerCoteE(c, e);
    RangerCoteS(c, s);
    RangerReferences(c, e, s);

    c.Xmin = c.XminE <= c.XminS ? c.XminE : c.XminS;
    c.Xmax = c.XmaxE >= c.XmaxS ? c.XmaxE : c.XmaxS;
    c.Ymin = c.YminE <= c.YminS ? c.YminE : c.YminS;
    c.Ymax = c.YmaxE < c.YmaxS ? c.YmaxS : c.YmaxE;
    c.Largeur = Difference(c.Xmax, c.Xmin);
    c.Hauteur = Difference(c.Ymax, c.Ymin);

    c.DiedreMm = Difference(c.YminS, c.YminE);
    if (c.EcartementZ != 0) {
        const double milieuS = (double(c.YminS) + double(c.YmaxS)) / 2.0;
        const double milieuE = (double(c.YminE) + double(c.YmaxE)) / 2.0;
        c.DiedreDeg = float(std::atan((milieuS - milieuE) / double(c.EcartementZ)) * 180.0 / Pi);
    }
    c.FlecheBA = Difference(c.XminS, c.XminE);
    c.FlecheBF = Difference(c.XmaxE, c.XmaxS);
}

} // namespace galbix
