#include "geomlib/HpglEchelle.h"

#include <algorithm>
#include <cmath>

namespace galbix::hpgl {

namespace {

bool Finis(const double* p, int n)
{
    return std::all_of(p, p + n, [](double v) { return std::isfinite(v); });
}

/// One axis: user range [umin, umax] on the plotter range [p1, p2] with the scale `a`
/// (its own for the anisotropic form, the common one for the isotropic form); `part` of the
/// unused plotter length goes before the user range.
void Axe(double umin, double umax, double p1, double p2, double a, double part, double& ax, double& bx)
{
    const double reste = (p2 - p1) - a * (umax - umin);
    ax = a;
    bx = p1 + part * reste - a * umin;
}

} // namespace

void Echelle::Echelonner(const double* p, int n)
{
    if (n == 0) {
        ArreterEchelle();
        return;
    }
    if (n < 4 || !Finis(p, n))
        return;
    // The type is tested as a real first: a huge value has no integer to become.
    const double typeLu = n >= 5 ? p[4] : 0.0;
    if (!(typeLu > -1.0 && typeLu < 3.0))
        return;
    const int type = int(typeLu);
    if (type == 2 ? (p[1] == 0.0 || p[3] == 0.0) : (p[0] == p[1] || p[2] == p[3]))
        return;
    std::copy(p, p + 4, m_sc);
    m_type = type;
    m_gauche = type == 1 && n >= 6 ? std::clamp(p[5], 0.0, 100.0) / 100.0 : 0.5;
    m_bas = type == 1 && n >= 7 ? std::clamp(p[6], 0.0, 100.0) / 100.0 : 0.5;
    m_actif = true;
    Recalculer();
}

void Echelle::PointsP1P2(const double* p, int n)
{
    if (!Finis(p, n))
        return;
    if (n == 0) {
        m_p1x = 0.0, m_p1y = 0.0, m_p2x = 11880.0, m_p2y = 8400.0;
    } else if (n == 2) {
        m_p2x += p[0] - m_p1x;
        m_p2y += p[1] - m_p1y;
        m_p1x = p[0];
        m_p1y = p[1];
    } else if (n == 4) {
        m_p1x = p[0], m_p1y = p[1], m_p2x = p[2], m_p2y = p[3];
    } else {
        return;
    }
    Recalculer();
}

void Echelle::ArreterEchelle()
{
    m_actif = false;
    Recalculer();
}

void Echelle::Recalculer()
{
    m_t = hpgl::Transformation();
    if (!m_actif)
        return;
    if (m_type == 2) {
        m_t.ax = m_sc[1];
        m_t.bx = m_p1x - m_sc[0] * m_sc[1];
        m_t.ay = m_sc[3];
        m_t.by = m_p1y - m_sc[2] * m_sc[3];
        return;
    }
    double ax = (m_p2x - m_p1x) / (m_sc[1] - m_sc[0]);
    double ay = (m_p2y - m_p1y) / (m_sc[3] - m_sc[2]);
    if (m_type == 1) {
        // Isotropic: one scale for both axes, the smaller one, each axis keeping its direction.
        const double a = std::min(std::fabs(ax), std::fabs(ay));
        ax = std::copysign(a, ax);
        ay = std::copysign(a, ay);
    }
    Axe(m_sc[0], m_sc[1], m_p1x, m_p2x, ax, m_gauche, m_t.ax, m_t.bx);
    Axe(m_sc[2], m_sc[3], m_p1y, m_p2y, ay, m_bas, m_t.ay, m_t.by);
}

} // namespace galbix::hpgl
