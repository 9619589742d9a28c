#include "view/BarreEtat.h"

#include "model/NumericText.h"

#include <QCoreApplication>
#include <cmath>

namespace galbix {

namespace {

QString Mm(float valeur)
{
    return PointDecimal(FormaterNombre(double(valeur), u"#####0.0#"));
}

float Ecart(float a, float b)
{
    return float(double(a) - double(b));
}

float Norme(float dx, float dy)
{
    return float(std::sqrt(double(dx) * double(dx) + double(dy) * double(dy)));
}

QString PanneauCote(int32_t nbPoints, const BoiteEtat& boite)
{
    float dx = 0, dy = 0;
    if (boite.Nombre > 0) {
        dx = Ecart(boite.Xmax, boite.Xmin);
        dy = Ecart(boite.Ymax, boite.Ymin);
    }
    return QStringLiteral(": ") + QString::number(nbPoints) + QCoreApplication::translate("galbix", " points     Sél.: ")
        + QString::number(boite.Nombre) + QStringLiteral(" pts") + QStringLiteral("    X:") + Mm(dx)
        + QStringLiteral("mm   Y:") + Mm(dy) + QStringLiteral("mm  D:") + Mm(Norme(dx, dy)) + QStringLiteral("mm");
}

float Milieu(float a, float b)
{
    return float((double(a) + double(b)) / 2.0);
}

} // namespace

BoiteEtat BoiteDuBit(const std::vector<PointProfil>& points, int16_t bit)
{
    BoiteEtat boite;
    for (const PointProfil& p : points) {
        if (!AEtat(p, bit))
            continue;
        if (boite.Nombre == 0) {
            boite.Xmin = boite.Xmax = p.X;
            boite.Ymin = boite.Ymax = p.Y;
        } else {
            boite.Xmin = std::fmin(boite.Xmin, p.X);
            boite.Xmax = std::fmax(boite.Xmax, p.X);
            boite.Ymin = std::fmin(boite.Ymin, p.Y);
            boite.Ymax = std::fmax(boite.Ymax, p.Y);
        }
        ++boite.Nombre;
    }
    return boite;
}

std::array<QString, 3> MettreAJourBarreEtat(const CoupleProfils& profils, int16_t modeSelection, int32_t& nbSelE,
                                            int32_t& nbSelS)
{
    const BoiteEtat e = BoiteDuBit(profils.PointsE, modeSelection);
    const BoiteEtat s = BoiteDuBit(profils.PointsS, modeSelection);
    nbSelE = e.Nombre;
    nbSelS = s.Nombre;
    std::array<QString, 3> panneaux{PanneauCote(profils.NbPointsE(), e), PanneauCote(profils.NbPointsS(), s),
                                    TexteDistanceSelection};
    if (e.Nombre == 1 && s.Nombre == 1) {
        const float ex = Ecart(Milieu(s.Xmin, s.Xmax), Milieu(e.Xmin, e.Xmax));
        const float ey = Ecart(Milieu(s.Ymin, s.Ymax), Milieu(e.Ymin, e.Ymax));
        panneaux[2] = QStringLiteral(" X:") + Mm(ex) + QStringLiteral("mm  Y:") + Mm(ey) + QStringLiteral("mm   D:")
            + Mm(Norme(ex, ey)) + QStringLiteral("mm");
    }
    return panneaux;
}

} // namespace galbix
