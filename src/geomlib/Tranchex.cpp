#include "geomlib/Tranchex.h"

#include "geomlib/Chemins.h"
#include "geomlib/EcritureAtomique.h"
#include "geomlib/Formats.h"
#include "geomlib/LectureBornee.h"
#include "geomlib/Tolerances.h"

#include <QCoreApplication>
#include <cmath>

namespace galbix {

namespace {

enum class Format { Inconnu, Dat, Dxf, Plt };

// Extension of the file name, also for a bare name without any folder.
QString ExtensionDuNom(const QString& nomFichier)
{
    const qsizetype separateur = std::max(nomFichier.lastIndexOf(u'/'), nomFichier.lastIndexOf(u'\\'));
    const QString nom = nomFichier.mid(separateur + 1);
    const qsizetype point = nom.lastIndexOf(u'.');
    return point < 0 ? QString() : nom.mid(point + 1);
}

Format FormatDuNom(const QString& nomFichier)
{
    // The format is recognised whatever the case of the extension ("aile.Dat" is a .dat).
    const QString ext = ExtensionDuNom(nomFichier).toLower();
    if (EstExtension(ext, QStringLiteral("dat")) || EstExtension(ext, QStringLiteral("txt")))
        return Format::Dat;
    if (EstExtension(ext, QStringLiteral("dxf")))
        return Format::Dxf;
    if (EstExtension(ext, QStringLiteral("plt")) || EstExtension(ext, QStringLiteral("hpgl"))
        || EstExtension(ext, QStringLiteral("hgl")))
        return Format::Plt;
    return Format::Inconnu;
}

LectureFichier Echec(const QString& raison)
{
    LectureFichier l;
    l.erreur = raison;
    return l;
}

} // namespace

namespace formats {

void Finaliser(LectureFichier& lecture)
{
    if (!lecture.erreur.isEmpty()) {
        lecture.ok = false;
        lecture.points.clear();
        return;
    }
    if (lecture.points.empty()) {
        lecture.ok = false;
        lecture.erreur = QCoreApplication::translate("galbix", "aucun point dans le fichier");
        return;
    }
    float xmin = lecture.points[0].X, xmax = xmin;
    float ymin = lecture.points[0].Y, ymax = ymin;
    for (const PointFichier& p : lecture.points) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) {
            lecture.ok = false;
            lecture.points.clear();
            lecture.erreur = QCoreApplication::translate("galbix", "coordonnée non finie dans le fichier");
            return;
        }
        xmin = std::min(xmin, p.X);
        xmax = std::max(xmax, p.X);
        ymin = std::min(ymin, p.Y);
        ymax = std::max(ymax, p.Y);
    }
    lecture.Xmin = xmin;
    lecture.Xmax = xmax;
    lecture.Ymin = ymin;
    lecture.Ymax = ymax;
    lecture.ok = true;
}

} // namespace formats

LectureFichier LireFichierDetaille(const QString& nomFichier)
{
    const Format format = FormatDuNom(nomFichier);
    if (format == Format::Inconnu)
        return Echec(QCoreApplication::translate("galbix", "extension de fichier non reconnue : ") + nomFichier);

    const ContenuFichier contenu = LireFichierBorne(nomFichier);
    if (contenu.tropVolumineux)
        return Echec(QCoreApplication::translate("galbix", "fichier trop volumineux : ") + nomFichier);
    if (!contenu.ok)
        return Echec(QCoreApplication::translate("galbix", "impossible de lire le fichier ") + nomFichier);
    const QByteArray& octets = contenu.octets;
    if (octets.isEmpty())
        return Echec(QCoreApplication::translate("galbix", "fichier vide : ") + nomFichier);

    const std::string_view texte(octets.constData(), size_t(octets.size()));
    LectureFichier lecture;
    try {
        switch (format) {
        case Format::Dat: lecture = formats::LireDat(texte); lecture.format = QStringLiteral("dat"); break;
        case Format::Dxf: lecture = formats::LireDxf(texte); lecture.format = QStringLiteral("dxf"); break;
        case Format::Plt: lecture = formats::LirePlt(texte); lecture.format = QStringLiteral("plt"); break;
        case Format::Inconnu: break;
        }
    } catch (const std::exception& e) {
        return Echec(QCoreApplication::translate("galbix", "lecture impossible : ") + QString::fromLocal8Bit(e.what()));
    }
    formats::Finaliser(lecture);
    return lecture;
}

int32_t LireFichier(std::vector<PointFichier>& points, const QString& nomFichier,
                    float& Xmin, float& Xmax, float& Ymin, float& Ymax, QString& enTete)
{
    LectureFichier lecture = LireFichierDetaille(nomFichier);
    if (!lecture.ok)
        return -1;
    points = std::move(lecture.points);
    Xmin = lecture.Xmin;
    Xmax = lecture.Xmax;
    Ymin = lecture.Ymin;
    Ymax = lecture.Ymax;
    enTete = lecture.enTete;
    return int32_t(points.size());
}

namespace {

// The text of a profile file by its extension; empty for an unknown extension or when the
// writer ran out of memory.
QByteArray ContenuProfil(const std::vector<PointFichier>& points, const QString& nomFichier, const QString& enTete)
{
    switch (FormatDuNom(nomFichier)) {
    case Format::Dat: return formats::EcrireDat(points, enTete);
    case Format::Dxf: return formats::EcrireDxf(points, enTete);
    default: return {};
    }
}

} // namespace

int32_t EcrireFichier(const std::vector<PointFichier>& points, const QString& nomFichier,
                      const QString& enTete)
{
    const QByteArray contenu = ContenuProfil(points, nomFichier, enTete);
    // An empty text means nothing to write: keep the old file.
    return !contenu.isEmpty() && EcrireFichierAtomique(nomFichier, contenu) ? 1 : 0;
}

int32_t EcrireFichiers(const std::vector<ProfilAEcrire>& profils)
{
    std::vector<std::pair<QString, QByteArray>> fichiers;
    for (const ProfilAEcrire& p : profils) {
        fichiers.emplace_back(p.nomFichier, ContenuProfil(p.points, p.nomFichier, p.enTete));
        if (fichiers.back().second.isEmpty())
            return 0;
    }
    return EcrireFichiersAtomiques(fichiers) ? 1 : 0;
}

int32_t EcrireFichier3D(const std::vector<PointFichier>& racine, const std::vector<PointFichier>& saumon,
                        const QString& nomFichier, float ecartementZ)
{
    if (racine.size() != saumon.size() || FormatDuNom(nomFichier) != Format::Dxf)
        return 0;
    const QByteArray contenu = formats::EcrireDxf3D(racine, saumon, ecartementZ);
    return !contenu.isEmpty() && EcrireFichierAtomique(nomFichier, contenu) ? 1 : 0;
}

int32_t Version()
{
    return 31;
}

} // namespace galbix
