#pragma once
// User-unit scaling of HPGL plots: the SC rectangle mapped onto the scaling points P1 and P2.

namespace galbix::hpgl {

/// Plotter coordinates from user coordinates: x = ax * u + bx, y = ay * v + by.
struct Transformation {
    double ax = 1.0, bx = 0.0;
    double ay = 1.0, by = 0.0;
};

/// Scaling state of a plot: P1 and P2 (IP) and the user rectangle (SC).
class Echelle {
public:
    /// SC with its parameters: none turns scaling off; 4 give the anisotropic form; a fifth
    /// selects 0 anisotropic, 1 isotropic (then left and bottom placement, in %), 2 point factor.
    /// Any other form is ignored, like a plotter ignores an instruction in error.
    void Echelonner(const double* p, int n);
    /// IP with its parameters: none restores the default points, 2 move P1 and P2 with it, 4 set both.
    void PointsP1P2(const double* p, int n);
    /// Scaling off (P1 and P2 kept).
    void ArreterEchelle();
    /// The current mapping from user to plotter units (identity when scaling is off).
    const hpgl::Transformation& Courante() const { return m_t; }

private:
    void Recalculer();

    // Without IP, P1 and P2 are the corners of a landscape A4 sheet in plotter units.
    double m_p1x = 0.0, m_p1y = 0.0, m_p2x = 11880.0, m_p2y = 8400.0;
    bool m_actif = false;
    int m_type = 0;
    double m_sc[4] = {0.0, 1.0, 0.0, 1.0};
    double m_gauche = 0.5, m_bas = 0.5;
    hpgl::Transformation m_t;
};

} // namespace galbix::hpgl
