// The groups of each entity kind read by the DXF reader.
#include "geomlib/DxfAnalyseur.h"

#include <algorithm>

namespace galbix::dxf::analyse {

bool Analyseur::ValeurCourbe(const Groupe& g)
{
    const int c = g.code;
    if (m_courante == Courante::Arc) {
        if (EstCoordonnee(c, 10))
            return Reel(g, Composante(m_arc.centre, c, 10));
        if (EstCoordonnee(c, 210))
            return Reel(g, Composante(m_arc.normale, c, 210));
        if (c == 40)
            return Reel(g, m_arc.rayon);
        if (c == 50 || c == 51)
            return Reel(g, c == 50 ? m_arc.debut : m_arc.fin);
        return true;
    }
    if (EstCoordonnee(c, 10))
        return Reel(g, Composante(m_ellipse.centre, c, 10));
    if (c == 11 || c == 21 || c == 31)
        return Reel(g, Composante(m_ellipse.majeur, c, 11));
    if (EstCoordonnee(c, 210))
        return Reel(g, Composante(m_ellipse.normale, c, 210));
    if (c == 40)
        return Reel(g, m_ellipse.ratio);
    if (c == 41 || c == 42)
        return Reel(g, c == 41 ? m_ellipse.debut : m_ellipse.fin);
    return true;
}

bool Analyseur::ValeurPolyligne(const Groupe& g)
{
    const int c = g.code;
    if (m_courante == Courante::Sommet) {
        if (c == 10 || c == 20)
            return Reel(g, c == 10 ? m_sommet.x : m_sommet.y);
        return c == 42 ? Reel(g, m_sommet.bulge) : true;
    }
    if (EstCoordonnee(c, 210))
        return Reel(g, Composante(m_poly.normale, c, 210));
    if (m_courante == Courante::Polyligne)
        return c == 30 ? Reel(g, m_poly.elevation) : true;
    if (c == 38)
        return Reel(g, m_poly.elevation);
    // LWPOLYLINE: each 10 starts a vertex; 20 and 42 complete the last one.
    if (c == 10) {
        m_d.sommets.emplace_back();
        return Reel(g, m_d.sommets.back().x);
    }
    if ((c == 20 || c == 42) && m_d.sommets.size() > m_poly.debut)
        return Reel(g, c == 20 ? m_d.sommets.back().y : m_d.sommets.back().bulge);
    return true;
}

bool Analyseur::ValeurSpline(const Groupe& g)
{
    const int c = g.code;
    double v = 0.0;
    switch (c) {
    case 71: {
        long long degre = 0;
        if (!Entier(g, degre))
            return false;
        m_spline.degre = int(std::clamp(degre, -1LL, 1000LL));
        return true;
    }
    case 40:
    case 41:
        if (!Reel(g, v))
            return false;
        (c == 40 ? m_noeuds : m_poids).push_back(v);
        return true;
    case 10:
    case 11:
        if (!Reel(g, v))
            return false;
        (c == 10 ? m_controle : m_passage).push_back({v, 0.0});
        return true;
    case 20:
    case 21: {
        std::vector<Pt2>& points = c == 20 ? m_controle : m_passage;
        return points.empty() || Reel(g, points.back().y);
    }
    case 12:
    case 13:
        if (!Reel(g, v))
            return false;
        (c == 12 ? m_spline.tangenteDebut : m_spline.tangenteFin) = Pt2{v, 0.0};
        return true;
    case 22:
    case 23: {
        std::optional<Pt2>& t = c == 22 ? m_spline.tangenteDebut : m_spline.tangenteFin;
        return !t || Reel(g, t->y);
    }
    default:
        return true;
    }
}

bool Analyseur::ValeurInsert(const Groupe& g)
{
    const int c = g.code;
    InsertDxf& i = m_insert;
    if (c == 2) {
        m_nom = g.valeur;
        return true;
    }
    if (EstCoordonnee(c, 10))
        return Reel(g, Composante(i.point, c, 10));
    if (EstCoordonnee(c, 210))
        return Reel(g, Composante(i.normale, c, 210));
    if (c == 41 || c == 42)
        return Reel(g, c == 41 ? i.echelleX : i.echelleY);
    if (c == 50)
        return Reel(g, i.rotation);
    if (c == 44 || c == 45)
        return Reel(g, c == 44 ? i.ecartColonnes : i.ecartRangees);
    if (c == 70 || c == 71) {
        long long n = 1;
        if (!Entier(g, n))
            return false;
        (c == 70 ? i.colonnes : i.rangees) = int(std::clamp(n, 1LL, 32767LL));
    }
    return true;
}

void Analyseur::TerminerSpline()
{
    SplineDxf& s = m_spline;
    s.ferme = (m_drapeaux & 1) != 0;
    s.noeuds = m_d.reels.size();
    s.nbNoeuds = m_noeuds.size();
    m_d.reels.insert(m_d.reels.end(), m_noeuds.begin(), m_noeuds.end());
    s.poids = m_d.reels.size();
    s.nbPoids = m_poids.size();
    m_d.reels.insert(m_d.reels.end(), m_poids.begin(), m_poids.end());
    s.controle = m_d.points.size();
    s.nbControle = m_controle.size();
    m_d.points.insert(m_d.points.end(), m_controle.begin(), m_controle.end());
    s.passage = m_d.points.size();
    s.nbPassage = m_passage.size();
    m_d.points.insert(m_d.points.end(), m_passage.begin(), m_passage.end());
    m_d.splines.push_back(s);
    Ranger(TypeEntite::Spline, m_d.splines.size() - 1, m_papier);
}

void Analyseur::TerminerPolyligne()
{
    m_polyOuverte = false;
    if (m_polyDrapeaux & PolyMaillages)
        return;
    // A spline-fit polyline keeps its fitted vertices, not the frame of its control points.
    const bool sansCadre = (m_polyDrapeaux & PolyLissageSpline)
        && std::any_of(m_drapeauxSommets.begin(), m_drapeauxSommets.end(),
                       [](long long d) { return (d & SommetDeSpline) != 0; });
    const bool troisD = (m_polyDrapeaux & Poly3D) != 0;
    m_poly.debut = m_d.sommets.size();
    for (size_t k = 0; k < m_sommets.size(); ++k) {
        if (sansCadre && (m_drapeauxSommets[k] & SommetDeCadre))
            continue;
        m_d.sommets.push_back(m_sommets[k]);
        if (troisD)
            m_d.sommets.back().bulge = 0.0;
    }
    if (troisD) {
        m_poly.normale = {0.0, 0.0, 1.0};
        m_poly.elevation = 0.0;
    }
    m_poly.nombre = m_d.sommets.size() - m_poly.debut;
    m_poly.ferme = (m_polyDrapeaux & PolyFermee) != 0;
    m_d.polylignes.push_back(m_poly);
    Ranger(TypeEntite::Polyligne, m_d.polylignes.size() - 1, m_polyPapier);
}

} // namespace galbix::dxf::analyse
