#include "geomlib/DxfGeometrie.h"

#include "geomlib/Tolerances.h"

#include <QCoreApplication>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <numbers>

namespace galbix::dxf {

namespace {

using courbes::Affine2;

constexpr double DeuxPi = 2.0 * std::numbers::pi;

double Radians(double degres) { return degres * std::numbers::pi / 180.0; }

Pt3 Vectoriel(Pt3 a, Pt3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

double Norme(Pt3 a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

Pt3 Unitaire(Pt3 a)
{
    const double l = Norme(a);
    return l > 0.0 ? Pt3{a.x / l, a.y / l, a.z / l} : Pt3{0.0, 0.0, 1.0};
}

/// Extrusion direction made unit; the Z axis when it has no length.
Pt3 Normale(Pt3 n) { return Norme(n) > 0.0 ? Unitaire(n) : Pt3{0.0, 0.0, 1.0}; }

/// Object coordinates of extrusion direction `n` at `elevation` to world X and Y (arbitrary axis
/// algorithm: the object X axis is Wy x n when n is close to the Z axis, else Wz x n).
Affine2 Ocs(Pt3 normale, double elevation)
{
    const Pt3 n = Normale(normale);
    if (n.x == 0.0 && n.y == 0.0 && n.z > 0.0)
        return {};
    const double limite = 1.0 / 64.0;
    const Pt3 ax = Unitaire(std::abs(n.x) < limite && std::abs(n.y) < limite ? Vectoriel({0.0, 1.0, 0.0}, n)
                                                                             : Vectoriel({0.0, 0.0, 1.0}, n));
    const Pt3 ay = Unitaire(Vectoriel(n, ax));
    return {ax.x, ay.x, ax.y, ay.y, n.x * elevation, n.y * elevation};
}

class Emetteur {
public:
    Emetteur(const Dessin& dessin, Traces& sortie, courbes::Finesse finesse)
        : m_d(dessin), m_t(sortie), m_finesse(finesse)
    {
    }

    /// Tessellates the entities mapped by `T`; false when the drawing is too large.
    bool Liste(const std::vector<Entite>& entites, const Affine2& T, int profondeur)
    {
        for (const Entite& e : entites)
            if (!Une(e, T, profondeur))
                return false;
        return true;
    }

    QString Erreur() const { return m_erreur; }

private:
    bool Une(const Entite& e, const Affine2& T, int profondeur)
    {
        if (++m_entites > EntitesMaxDessin)
            return Trop(QCoreApplication::translate("galbix", "trop d'entités dans le dessin (blocs imbriqués)"));
        switch (e.type) {
        case TypeEntite::Ligne: Ligne(m_d.lignes[e.indice], T); break;
        case TypeEntite::Arc: Arc(m_d.arcs[e.indice], T); break;
        case TypeEntite::Ellipse: Ellipse(m_d.ellipses[e.indice], T); break;
        case TypeEntite::Polyligne: Polyligne(m_d.polylignes[e.indice], T); break;
        case TypeEntite::Spline: Spline(m_d.splines[e.indice], T); break;
        case TypeEntite::Insert: return Insert(m_d.inserts[e.indice], T, profondeur);
        }
        if (m_t.points.size() > PointsMaxDessin)
            return Trop(QCoreApplication::translate("galbix", "dessin trop volumineux (plus de %1 points)").arg(PointsMaxDessin));
        return true;
    }

    bool Trop(const QString& raison)
    {
        m_erreur = raison;
        return false;
    }

    void Ligne(const LigneDxf& l, const Affine2& T)
    {
        Commencer();
        m_t.points.push_back(T(l.a));
        m_t.points.push_back(T(l.b));
        Finir(false);
    }

    void Arc(const ArcDxf& a, const Affine2& T)
    {
        if (!(a.rayon > 0.0))
            return;
        double debut = 0.0, balayage = DeuxPi;
        if (!a.cercle) {
            double degres = std::fmod(a.fin - a.debut, 360.0);
            if (degres <= 0.0)
                degres += 360.0;
            debut = Radians(a.debut);
            balayage = Radians(degres);
        }
        Commencer();
        courbes::AjouterEllipse(m_t.points, T.Apres(Ocs(a.normale, a.centre.z)), {a.centre.x, a.centre.y},
                                {a.rayon, 0.0}, {0.0, a.rayon}, debut, balayage, m_finesse);
        Finir(balayage >= DeuxPi);
    }

    void Ellipse(const EllipseDxf& e, const Affine2& T)
    {
        const double grand = Norme(e.majeur);
        if (!(grand > 0.0))
            return;
        const Pt3 direction = Unitaire(Vectoriel(Normale(e.normale), e.majeur));
        const double petit = std::abs(e.ratio) * grand;
        double balayage = std::fmod(e.fin - e.debut, DeuxPi);
        if (balayage <= 1e-12)
            balayage += DeuxPi;
        Commencer();
        courbes::AjouterEllipse(m_t.points, T, {e.centre.x, e.centre.y}, {e.majeur.x, e.majeur.y},
                                {direction.x * petit, direction.y * petit}, e.debut, balayage, m_finesse);
        Finir(balayage >= DeuxPi - 1e-9);
    }

    void Polyligne(const PolyligneDxf& p, const Affine2& T)
    {
        if (p.nombre < 2)
            return;
        const Affine2 L = T.Apres(Ocs(p.normale, p.elevation));
        const SommetDxf* s = m_d.sommets.data() + p.debut;
        Commencer();
        m_t.points.push_back(L({s[0].x, s[0].y}));
        for (size_t i = 0; i + 1 < p.nombre; ++i)
            courbes::AjouterBulge(m_t.points, L, {s[i].x, s[i].y}, {s[i + 1].x, s[i + 1].y}, s[i].bulge,
                                  m_finesse);
        const SommetDxf& dernier = s[p.nombre - 1];
        if (p.ferme && courbes::Distance(m_t.points.back(), m_t.points[m_debut]) > tol::Chainage)
            courbes::AjouterBulge(m_t.points, L, {dernier.x, dernier.y}, {s[0].x, s[0].y}, dernier.bulge,
                                  m_finesse);
        Finir(p.ferme);
    }

    void Spline(const SplineDxf& s, const Affine2& T)
    {
        const auto points = std::span<const Pt2>(m_d.points);
        Commencer();
        if (s.nbControle >= 2) {
            const courbes::Nurbs nurbs{s.degre, std::span<const double>(m_d.reels).subspan(s.noeuds, s.nbNoeuds),
                                       points.subspan(s.controle, s.nbControle),
                                       std::span<const double>(m_d.reels).subspan(s.poids, s.nbPoids)};
            courbes::AjouterNurbs(m_t.points, T, nurbs, m_finesse);
        } else if (s.nbPassage >= 2) {
            std::vector<Pt2> passage(points.begin() + std::ptrdiff_t(s.passage),
                                     points.begin() + std::ptrdiff_t(s.passage + s.nbPassage));
            if (s.ferme && courbes::Distance(passage.front(), passage.back()) > 0.0)
                passage.push_back(passage.front());
            courbes::AjouterSplinePassage(m_t.points, T, passage, s.tangenteDebut, s.tangenteFin,
                                          m_finesse);
        }
        Finir(false);
    }

    bool Insert(const InsertDxf& i, const Affine2& T, int profondeur)
    {
        if (i.bloc < 0 || profondeur >= ProfondeurMaxInserts)
            return true;
        const Bloc& bloc = m_d.blocs[size_t(i.bloc)];
        if (bloc.entites.empty())
            return true;
        const long long places
            = static_cast<long long>(i.rangees) * i.colonnes * static_cast<long long>(bloc.entites.size());
        if (places > EntitesMaxDessin - m_entites)
            return Trop(QCoreApplication::translate("galbix", "trop d'entités dans le dessin (blocs imbriqués)"));
        const Affine2 ocs = T.Apres(Ocs(i.normale, i.point.z));
        const Affine2 rotation = Affine2::Rotation(Radians(i.rotation));
        const Affine2 local = rotation.Apres(Affine2::Echelle(i.echelleX, i.echelleY))
                                  .Apres(Affine2::Translation(-bloc.base.x, -bloc.base.y));
        for (int r = 0; r < i.rangees; ++r) {
            for (int c = 0; c < i.colonnes; ++c) {
                const Pt2 d = rotation({c * i.ecartColonnes, r * i.ecartRangees});
                const Affine2 place = ocs.Apres(Affine2::Translation(i.point.x + d.x, i.point.y + d.y)).Apres(local);
                if (!Liste(bloc.entites, place, profondeur + 1))
                    return false;
            }
        }
        return true;
    }

    void Commencer() { m_debut = m_t.points.size(); }

    // Closes the piece started by Commencer: drops a single point or a line of no length, closes
    // the piece on its first point when asked or when its ends meet.
    void Finir(bool ferme)
    {
        std::vector<Pt2>& p = m_t.points;
        const size_t n = p.size() - m_debut;
        if (n < 2 || (n == 2 && p[m_debut].x == p[m_debut + 1].x && p[m_debut].y == p[m_debut + 1].y)) {
            p.resize(m_debut);
            return;
        }
        const Pt2 premier = p[m_debut];
        const bool bouts = courbes::Distance(premier, p.back()) <= tol::Chainage;
        if (ferme && !bouts)
            p.push_back(premier);
        else if (ferme || (n >= 3 && bouts))
            p.back() = premier;
        m_t.traces.push_back({m_debut, p.size() - m_debut, ferme || (n >= 3 && bouts)});
    }

    const Dessin& m_d;
    Traces& m_t;
    courbes::Finesse m_finesse;
    QString m_erreur;
    size_t m_debut = 0;
    long long m_entites = 0;
};

const Bloc* BlocNomme(const Dessin& dessin, const std::string& nomMajuscules)
{
    const auto it = dessin.indexBlocs.find(nomMajuscules);
    return it == dessin.indexBlocs.end() ? nullptr : &dessin.blocs[size_t(it->second)];
}

/// Paper-space layouts are the blocks named *Paper_Space, *Paper_Space0, ... in any case.
bool EstBlocPapier(const std::string& nom)
{
    constexpr std::string_view prefixe = "*PAPER_SPACE";
    if (nom.size() < prefixe.size())
        return false;
    for (size_t i = 0; i < prefixe.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(nom[i])) != prefixe[i])
            return false;
    return true;
}

// One tessellation of the model space, else of the paper space, at `finesse`.
bool TesselerAvec(const Dessin& dessin, Traces& sortie, courbes::Finesse finesse, QString& erreur)
{
    Emetteur emetteur(dessin, sortie, finesse);
    const Affine2 identite;
    bool ok = emetteur.Liste(dessin.modele, identite, 0);
    if (ok && sortie.traces.empty())
        if (const Bloc* modele = BlocNomme(dessin, "*MODEL_SPACE"))
            ok = emetteur.Liste(modele->entites, identite, 0);
    if (ok && sortie.traces.empty()) {
        sortie.points.clear();
        ok = emetteur.Liste(dessin.papier, identite, 0);
        for (const Bloc& bloc : dessin.blocs)
            if (ok && EstBlocPapier(bloc.nom))
                ok = emetteur.Liste(bloc.entites, identite, 0);
    }
    if (!ok)
        erreur = emetteur.Erreur();
    return ok;
}

// Larger side of the box around the points (0 without points).
double Etendue(const std::vector<Pt2>& points)
{
    if (points.empty())
        return 0.0;
    double xmin = points[0].x, xmax = xmin, ymin = points[0].y, ymax = ymin;
    for (const Pt2& p : points) {
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
        ymin = std::min(ymin, p.y);
        ymax = std::max(ymax, p.y);
    }
    return std::max(xmax - xmin, ymax - ymin);
}

} // namespace

// The extents come from a first, coarsest cut (no chord error, so one chord per eighth of a
// turn, per knot span and per fit point), which sets the chord error of the real one.
bool Tesseler(const Dessin& dessin, Traces& sortie, QString& erreur)
{
    Traces esquisse;
    if (!TesselerAvec(dessin, esquisse, {std::numeric_limits<double>::infinity(), 0}, erreur))
        return false;
    const double etendue = Etendue(esquisse.points);
    esquisse = {};
    return TesselerAvec(dessin, sortie, {courbes::ErreurCordeDessin(etendue), tol::PointsMaxCourbesFichier}, erreur);
}

} // namespace galbix::dxf
