#include "editing/Construction.h"
#include "model/TexteTraduit.h"

#include "model/Intersection.h"

#include <QCoreApplication>
#include <cmath>

namespace galbix {

namespace {

constexpr TexteTraduit TexteQuatrePoints{QT_TRANSLATE_NOOP("galbix",
    "Il faut sélectionner quatre points consécutifs deux à deux.")};
constexpr TexteTraduit TexteSegmentConfondu{QT_TRANSLATE_NOOP("galbix",
    "Deux points consécutifs sont confondus, impossible de définir un des deux segments.")};
constexpr TexteTraduit TexteOffsetConfondu{QT_TRANSLATE_NOOP("galbix",
    "Deux points consécutifs sont confondus, impossible de définir un des segments.")};
constexpr TexteTraduit TexteSuperpose{QT_TRANSLATE_NOOP("galbix",
    "Attention, vous venez de créer un point superposé à un point existant")};

struct Vec {
    double x = 0.0, y = 0.0;
};

bool Selectionne(const PointProfil& p) { return AEtat(p, EtatSelection); }

bool Degenere(double dx, double dy) { return std::fabs(dx) < EcartSegmentMin && std::fabs(dy) < EcartSegmentMin; }

bool Degenere(const PointProfil& a, const PointProfil& b)
{
    return Degenere(double(b.X) - double(a.X), double(b.Y) - double(a.Y));
}

AvisConstruction Refus(const QString& titre, const QString& texte) { return {titre, texte, false}; }

// One offset segment, from `a` to `b`.
struct Segment {
    Vec a, b;
};

// Where the lines of two consecutive offset segments meet; the start of the second when
// they are parallel.
Vec Jonction(const Segment& avant, const Segment& apres)
{
    const Intersection i =
        IntersectionSegments(avant.a.x, avant.a.y, avant.b.x, avant.b.y, apres.a.x, apres.a.y, apres.b.x, apres.b.y);
    if (i.Code == CodeIntersection::Paralleles)
        return apres.a;
    return {i.X, i.Y};
}

// A run of selected points, indices debut < fin (0-based, inclusive), with its offset segments.
struct Troncon {
    size_t debut = 0, fin = 0;
    std::vector<Segment> segments;
};

} // namespace

QString TitreErreurSelectionCote(int cote)
{
    return cote == CoteE ? QCoreApplication::translate("galbix", "Erreur de sélection à l'emplanture")
                         : QCoreApplication::translate("galbix", "Erreur de sélection au saumon");
}

std::optional<AvisConstruction> IntersecterCote(std::vector<PointProfil>& points, int cote)
{
    std::vector<size_t> sel;
    for (size_t i = 0; i < points.size(); ++i)
        if (Selectionne(points[i]))
            sel.push_back(i);
    if (sel.empty())
        return std::nullopt;
    const QString titre = TitreErreurSelectionCote(cote);
    if (sel.size() != 4 || sel[1] != sel[0] + 1 || sel[3] != sel[2] + 1)
        return Refus(titre, TexteQuatrePoints);
    const PointProfil &a1 = points[sel[0]], &a2 = points[sel[1]], &b1 = points[sel[2]], &b2 = points[sel[3]];
    if (Degenere(a1, a2) || Degenere(b1, b2))
        return Refus(titre, TexteSegmentConfondu);

    const bool e = cote == CoteE;
    const QString titreAucune = e ? QCoreApplication::translate("galbix", "Pas d'intersection à l'emplanture")
                                  : QCoreApplication::translate("galbix", "Pas d'intersection au saumon");
    const Intersection i = IntersectionSegments(a1.X, a1.Y, a2.X, a2.Y, b1.X, b1.Y, b2.X, b2.Y);
    switch (i.Code) {
    case CodeIntersection::Paralleles:
        return Refus(titreAucune, e ? QCoreApplication::translate("galbix", "Les deux segments de l'emplanture sont parallèles.")
                                    : QCoreApplication::translate("galbix", "Les deux segments du saumon sont parallèles."));
    case CodeIntersection::Exterieure:
        return Refus(titreAucune, e ? QCoreApplication::translate("galbix", "Les deux segments de l'emplanture ne se touchent pas.")
                                    : QCoreApplication::translate("galbix", "Les deux segments du saumon ne se touchent pas."));
    default:
        break;
    }
    const bool surB = i.Code == CodeIntersection::DebutB || i.Code == CodeIntersection::FinB;
    const size_t position = surB ? sel[1] : sel[3];
    points.insert(points.begin() + std::ptrdiff_t(position), PointProfil{float(i.X), float(i.Y), 0});
    if (i.Code == CodeIntersection::Interieure)
        return std::nullopt;
    return AvisConstruction{e ? QCoreApplication::translate("galbix", "Intersection en bout de segment à l'emplanture")
                              : QCoreApplication::translate("galbix", "Intersection en bout de segment au saumon"),
                            TexteSuperpose, true};
}

std::optional<MessageRefus> DecalerCote(std::vector<PointProfil>& points, int cote, double d)
{
    const size_t n = points.size();
    if (n < 2)
        return std::nullopt;
    const bool ferme = n >= 3 && Selectionne(points[0]) && Selectionne(points[1]) && Selectionne(points[n - 2])
        && Selectionne(points[n - 1]) && points[0].X == points[n - 1].X && points[0].Y == points[n - 1].Y;

    // Every run and its offset segments first: a degenerate segment leaves the side as it was.
    std::vector<Troncon> troncons;
    for (size_t i = 0; i + 1 < n;) {
        if (!Selectionne(points[i]) || !Selectionne(points[i + 1])) {
            ++i;
            continue;
        }
        Troncon t;
        t.debut = i;
        t.fin = i + 1;
        while (t.fin + 1 < n && Selectionne(points[t.fin + 1]))
            ++t.fin;
        t.segments.reserve(t.fin - t.debut);
        for (size_t k = t.debut; k < t.fin; ++k) {
            const double x0 = points[k].X, y0 = points[k].Y, x1 = points[k + 1].X, y1 = points[k + 1].Y;
            const double dx = x1 - x0, dy = y1 - y0;
            if (Degenere(dx, dy))
                return MessageRefus{TitreErreurSelectionCote(cote), TexteOffsetConfondu};
            const double l = std::sqrt(dx * dx + dy * dy);
            const Vec decalage{d * dy / l, -d * dx / l};
            t.segments.push_back({{x0 + decalage.x, y0 + decalage.y}, {x1 + decalage.x, y1 + decalage.y}});
        }
        troncons.push_back(std::move(t));
        i = troncons.back().fin + 1;
    }

    const auto placer = [&points](size_t k, Vec v) {
        points[k].X = float(v.x);
        points[k].Y = float(v.y);
    };
    for (const Troncon& t : troncons) {
        placer(t.debut, t.segments.front().a);
        placer(t.fin, t.segments.back().b);
        for (size_t k = t.debut + 1; k < t.fin; ++k)
            placer(k, Jonction(t.segments[k - t.debut - 1], t.segments[k - t.debut]));
    }
    // A closed outline: the shared first and last point is a corner like the others.
    if (ferme && !troncons.empty()) {
        const Vec coin = Jonction(troncons.back().segments.back(), troncons.front().segments.front());
        placer(0, coin);
        placer(n - 1, coin);
    }
    return std::nullopt;
}

} // namespace galbix
