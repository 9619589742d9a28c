// Reading of ASCII DXF drawings: entities are read, tessellated within the chord error and
// chained into contours; coordinates are taken as millimetres as they stand.
#include "geomlib/Chainage.h"
#include "geomlib/Cp1252.h"
#include "geomlib/DxfDessin.h"
#include "geomlib/DxfGeometrie.h"
#include "geomlib/Formats.h"
#include "geomlib/Tolerances.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <array>
#include <new>

namespace galbix::formats {

namespace {

/// Units named by the $INSUNITS codes 1 to 24.
constexpr std::array<const char*, 25> NomsUnites = {
    "",
    QT_TRANSLATE_NOOP("galbix", "pouces"),
    QT_TRANSLATE_NOOP("galbix", "pieds"),
    QT_TRANSLATE_NOOP("galbix", "milles"),
    QT_TRANSLATE_NOOP("galbix", "millimètres"),
    QT_TRANSLATE_NOOP("galbix", "centimètres"),
    QT_TRANSLATE_NOOP("galbix", "mètres"),
    QT_TRANSLATE_NOOP("galbix", "kilomètres"),
    QT_TRANSLATE_NOOP("galbix", "micropouces"),
    QT_TRANSLATE_NOOP("galbix", "millièmes de pouce"),
    QT_TRANSLATE_NOOP("galbix", "yards"),
    QT_TRANSLATE_NOOP("galbix", "angströms"),
    QT_TRANSLATE_NOOP("galbix", "nanomètres"),
    QT_TRANSLATE_NOOP("galbix", "micromètres"),
    QT_TRANSLATE_NOOP("galbix", "décimètres"),
    QT_TRANSLATE_NOOP("galbix", "décamètres"),
    QT_TRANSLATE_NOOP("galbix", "hectomètres"),
    QT_TRANSLATE_NOOP("galbix", "gigamètres"),
    QT_TRANSLATE_NOOP("galbix", "unités astronomiques"),
    QT_TRANSLATE_NOOP("galbix", "années-lumière"),
    QT_TRANSLATE_NOOP("galbix", "parsecs"),
    QT_TRANSLATE_NOOP("galbix", "pieds US"),
    QT_TRANSLATE_NOOP("galbix", "pouces US"),
    QT_TRANSLATE_NOOP("galbix", "yards US"),
    QT_TRANSLATE_NOOP("galbix", "milles US"),
};

/// The units the drawing declares: $INSUNITS when set and known, else $MEASUREMENT.
std::optional<QString> UnitesDeclarees(const dxf::Dessin& dessin)
{
    if (dessin.insunits && *dessin.insunits > 0 && *dessin.insunits < static_cast<long long>(NomsUnites.size()))
        return QCoreApplication::translate("galbix", NomsUnites[size_t(*dessin.insunits)]);
    if (dessin.measurement == 0)
        return QCoreApplication::translate("galbix", "impériales");
    if (dessin.measurement == 1)
        return QCoreApplication::translate("galbix", "métriques");
    return std::nullopt;
}

/// Comment text: UTF-8 when it is valid UTF-8, else Windows-1252 (older drawings use that code page).
QString Texte(std::string_view octets)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = utf8(QByteArrayView(octets.data(), qsizetype(octets.size())));
    if (!utf8.hasError())
        return texte;
    return cp1252::Decoder(QByteArrayView(octets.data(), qsizetype(octets.size())));
}

LectureFichier Lire(std::string_view texte)
{
    LectureFichier lecture;
    dxf::Dessin dessin;
    if (!dxf::LireDessin(texte, dessin, lecture.erreur))
        return lecture;
    if (dessin.commentaire)
        lecture.enTete = Texte(*dessin.commentaire);
    lecture.unitesDeclarees = UnitesDeclarees(dessin);
    dxf::Traces traces;
    if (!dxf::Tesseler(dessin, traces, lecture.erreur))
        return lecture;
    lecture.points = chainage::Chainer(traces.points, traces.traces, tol::Chainage);
    if (lecture.points.empty())
        lecture.erreur = QCoreApplication::translate("galbix", "aucune entité géométrique lisible dans le fichier DXF");
    return lecture;
}

} // namespace

LectureFichier LireDxf(std::string_view texte)
{
    try {
        return Lire(texte);
    } catch (const std::bad_alloc&) {
        LectureFichier lecture;
        lecture.erreur = QCoreApplication::translate("galbix", "mémoire insuffisante pour lire le fichier DXF");
        return lecture;
    } catch (const std::exception& e) {
        LectureFichier lecture;
        lecture.erreur = QStringLiteral("lecture DXF impossible : ") + QString::fromLocal8Bit(e.what());
        return lecture;
    }
}

} // namespace galbix::formats
