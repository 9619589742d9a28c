// Writers: .dat profiles (unit chord, relative to the smallest X and Y) and ASCII DXF R12
// drawings (one profile, or the whole wing in 3D). Lines end with CR LF, the convention of the
// Windows programs these files are made for; the readers here accept both line ends. Header text
// is Windows-1252, UTF-8 when that code page cannot hold it.

#include "geomlib/Cp1252.h"
#include "geomlib/EnTeteDat.h"
#include "geomlib/Formats.h"
#include "geomlib/Texte.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <optional>

namespace galbix::formats {

namespace {

constexpr char FinDeLigne[] = "\r\n";

/// The header on one line: line breaks would split it in the file.
QByteArray UneLigne(const QString& texte)
{
    QByteArray octets = cp1252::EncoderFichier(texte);
    octets.replace('\r', ' ');
    octets.replace('\n', ' ');
    return octets;
}

/// Appends `v` with exactly `decimales` decimals and '.' as separator.
void AjouterFixe(QByteArray& sortie, double v, int decimales)
{
    char tampon[400];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed, decimales);
    sortie.append(tampon, r.ec == std::errc() ? qsizetype(r.ptr - tampon) : 0);
}

/// Appends the shortest plain decimal text that reads back as the same float.
void AjouterCourt(QByteArray& sortie, float v)
{
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed);
    sortie.append(tampon, r.ec == std::errc() ? qsizetype(r.ptr - tampon) : 0);
}

/// The first number written in the header, if any.
std::optional<double> PremierNombre(const QByteArray& enTete)
{
    const std::string_view texte(enTete.constData(), size_t(enTete.size()));
    for (size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+'))
            continue;
        std::string_view reste = texte.substr(i);
        double v = 0.0;
        if (texte::LireReel(reste, v))
            return v;
    }
    return std::nullopt;
}

// DXF: one group (code, value) per two lines.
void Groupe(QByteArray& sortie, int code, const QByteArray& valeur)
{
    char tampon[8];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, code);
    sortie.append(3 - std::min<qsizetype>(3, r.ptr - tampon), ' ');
    sortie.append(tampon, qsizetype(r.ptr - tampon)).append(FinDeLigne);
    sortie.append(valeur).append(FinDeLigne);
}

void Groupe(QByteArray& sortie, int code, float valeur)
{
    QByteArray texte;
    AjouterCourt(texte, valeur);
    Groupe(sortie, code, texte);
}

void Groupe(QByteArray& sortie, int code, int valeur)
{
    Groupe(sortie, code, QByteArray::number(valeur));
}

void DebutDxf(QByteArray& sortie, const QByteArray& commentaire)
{
    if (!commentaire.isEmpty())
        Groupe(sortie, 999, commentaire);
    Groupe(sortie, 0, "SECTION");
    Groupe(sortie, 2, "HEADER");
    Groupe(sortie, 9, "$ACADVER");
    Groupe(sortie, 1, "AC1009");
    Groupe(sortie, 0, "ENDSEC");
    Groupe(sortie, 0, "SECTION");
    Groupe(sortie, 2, "ENTITIES");
}

void FinDxf(QByteArray& sortie)
{
    Groupe(sortie, 0, "ENDSEC");
    Groupe(sortie, 0, "EOF");
}

/// One POLYLINE with its VERTEX entities and SEQEND. In 3D the polyline is a 3D polyline
/// (flag 8, vertex flag 32) at height z; in 2D it is a plain open polyline at elevation 0.
void Polyligne(QByteArray& sortie, const std::vector<PointFichier>& points, const QByteArray& calque,
               bool en3D, float z)
{
    Groupe(sortie, 0, "POLYLINE");
    Groupe(sortie, 8, calque);
    Groupe(sortie, 66, 1);
    Groupe(sortie, 10, 0.0f);
    Groupe(sortie, 20, 0.0f);
    Groupe(sortie, 30, 0.0f);
    Groupe(sortie, 70, en3D ? 8 : 0);
    for (const PointFichier& p : points) {
        Groupe(sortie, 0, "VERTEX");
        Groupe(sortie, 8, calque);
        Groupe(sortie, 10, p.X);
        Groupe(sortie, 20, p.Y);
        Groupe(sortie, 30, z);
        if (en3D)
            Groupe(sortie, 70, 32);
    }
    Groupe(sortie, 0, "SEQEND");
    Groupe(sortie, 8, calque);
}

/// The ruled face between points i and i + 1 of both sides.
void Facette(QByteArray& sortie, const PointFichier& r0, const PointFichier& r1, const PointFichier& s1,
             const PointFichier& s0, float z)
{
    Groupe(sortie, 0, "3DFACE");
    Groupe(sortie, 8, "SURFACE");
    const PointFichier* coins[4] = {&r0, &r1, &s1, &s0};
    for (int k = 0; k < 4; ++k) {
        Groupe(sortie, 10 + k, coins[k]->X);
        Groupe(sortie, 20 + k, coins[k]->Y);
        Groupe(sortie, 30 + k, k < 2 ? 0.0f : z);
    }
}

QByteArray Dat(const std::vector<PointFichier>& points, const QString& enTete)
{
    const QByteArray ligneEnTete = LigneEnTeteDat(UneLigne(enTete));
    QByteArray sortie;
    sortie.reserve(ligneEnTete.size() + 2 + qsizetype(points.size()) * 22);
    sortie.append(ligneEnTete).append(FinDeLigne);
    if (points.empty())
        return sortie;

    double xmin = points[0].X, xmax = xmin, ymin = points[0].Y;
    for (const PointFichier& p : points) {
        xmin = std::min(xmin, double(p.X));
        xmax = std::max(xmax, double(p.X));
        ymin = std::min(ymin, double(p.Y));
    }
    double corde = xmax - xmin;
    const std::optional<double> annonce = PremierNombre(ligneEnTete);
    if (annonce && *annonce > 0.0 && std::isfinite(*annonce))
        corde = *annonce;
    else if (!(corde > 0.0))
        corde = 1.0;

    for (const PointFichier& p : points) {
        AjouterFixe(sortie, (double(p.X) - xmin) / corde, 6);
        sortie.append(' ');
        AjouterFixe(sortie, (double(p.Y) - ymin) / corde, 6);
        sortie.append(FinDeLigne);
    }
    return sortie;
}

QByteArray Dxf(const std::vector<PointFichier>& points, const QString& enTete)
{
    QByteArray sortie;
    sortie.reserve(200 + qsizetype(points.size()) * 80);
    DebutDxf(sortie, UneLigne(enTete));
    Polyligne(sortie, points, "0", false, 0.0f);
    FinDxf(sortie);
    return sortie;
}

QByteArray Dxf3D(const std::vector<PointFichier>& racine, const std::vector<PointFichier>& saumon, float ecartementZ)
{
    QByteArray sortie;
    sortie.reserve(200 + qsizetype(racine.size() + saumon.size()) * 100 + qsizetype(racine.size()) * 200);
    DebutDxf(sortie, {});
    Polyligne(sortie, racine, "EMPLANTURE", true, 0.0f);
    Polyligne(sortie, saumon, "SAUMON", true, ecartementZ);
    const size_t n = std::min(racine.size(), saumon.size());
    for (size_t i = 0; i + 1 < n; ++i)
        Facette(sortie, racine[i], racine[i + 1], saumon[i + 1], saumon[i], ecartementZ);
    FinDxf(sortie);
    return sortie;
}

/// Runs a writer; an empty text (never a valid result) when memory runs out.
template <typename Ecrivain>
QByteArray Garde(Ecrivain ecrire)
{
    try {
        return ecrire();
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

QByteArray EcrireDat(const std::vector<PointFichier>& points, const QString& enTete)
{
    return Garde([&] { return Dat(points, enTete); });
}

QByteArray EcrireDxf(const std::vector<PointFichier>& points, const QString& enTete)
{
    return Garde([&] { return Dxf(points, enTete); });
}

QByteArray EcrireDxf3D(const std::vector<PointFichier>& racine, const std::vector<PointFichier>& saumon,
                       float ecartementZ)
{
    return Garde([&] { return Dxf3D(racine, saumon, ecartementZ); });
}

} // namespace galbix::formats
