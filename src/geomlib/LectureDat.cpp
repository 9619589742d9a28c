// Airfoil coordinate files: Selig (name line, then "x y" from the trailing edge over the upper
// surface to the leading edge and back over the lower surface) and Lednicer (name line, a line
// with the point counts of both surfaces, then each surface from the leading edge to the
// trailing edge). Both come back as one path in Selig order.

#include "geomlib/Cp1252.h"
#include "geomlib/Formats.h"
#include "geomlib/Texte.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>

namespace galbix::formats {

namespace {

enum class Genre {
    Vide,         ///< blank or whitespace only
    Commentaire,  ///< starts with '#'
    Couple,       ///< exactly two numbers (separators and a trailing '#' comment allowed)
    Numerique,    ///< starts like a number but is not a clean pair: garbage inside data
    Texte         ///< anything else: name line, extra header line or footer
};

bool DebutNombre(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
}

Genre Classer(std::string_view ligne, double& x, double& y)
{
    const std::string_view s = texte::Rogner(ligne);
    if (s.empty())
        return Genre::Vide;
    if (s.front() == '#')
        return Genre::Commentaire;
    std::string_view reste = s;
    if (texte::LireReel(reste, x)) {
        texte::SauterSeparateurs(reste);
        if (texte::LireReel(reste, y)) {
            texte::SauterSeparateurs(reste);
            if (reste.empty() || reste.front() == '#')
                return Genre::Couple;
        }
    }
    return DebutNombre(s.front()) ? Genre::Numerique : Genre::Texte;
}

/// Name text: UTF-8 when the bytes are valid UTF-8, else Windows-1252 (what the writer produces).
QString DecoderNom(std::string_view octets)
{
    const QByteArrayView vue(octets.data(), qsizetype(octets.size()));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString nom = utf8(vue);
    if (utf8.hasError())
        nom = cp1252::Decoder(vue);
    return nom;
}

/// The text the parser works on: up to a DOS end-of-file byte, without a UTF-8 byte-order mark.
std::string_view TexteUtile(std::string_view texte)
{
    const size_t finDos = texte.find('\x1a');
    if (finDos != std::string_view::npos)
        texte = texte.substr(0, finDos);
    if (texte.substr(0, 3) == "\xEF\xBB\xBF")
        texte.remove_prefix(3);
    return texte;
}

/// What the line scan found: points in file order, the name line and the first pair as read.
struct Brut {
    std::vector<PointFichier> points;
    std::string_view nom;
    double premierX = 0.0;
    double premierY = 0.0;
};

QString Ligne(int numero, const char* quoi)
{
    return QCoreApplication::translate("galbix", "ligne %1 : %2")
        .arg(numero)
        .arg(QCoreApplication::translate("galbix", quoi));
}

/// Scans the lines; returns an empty text on success, the reason otherwise.
QString Balayer(std::string_view texte, Brut& brut)
{
    bool nomVu = false;
    bool piedDePage = false;
    texte::Lignes lignes(texte);
    std::string_view ligne;
    while (lignes.Suivante(ligne)) {
        double x = 0.0, y = 0.0;
        switch (Classer(ligne, x, y)) {
        case Genre::Vide:
        case Genre::Commentaire:
            break;
        case Genre::Couple: {
            if (piedDePage)
                return Ligne(lignes.Numero(), QT_TRANSLATE_NOOP("galbix", "coordonnées après le texte qui suit les données"));
            if (brut.points.empty()) {
                brut.premierX = x;
                brut.premierY = y;
            }
            PointFichier p;
            p.X = float(x);
            p.Y = float(y);
            PoserCodeContour(p, 0);
            brut.points.push_back(p);
            nomVu = true;
            break;
        }
        case Genre::Numerique:
            if (!nomVu) {
                brut.nom = texte::Rogner(ligne);
                nomVu = true;
            } else if (!piedDePage) {
                return Ligne(lignes.Numero(), QT_TRANSLATE_NOOP("galbix", "une paire de coordonnées est attendue"));
            }
            break;
        case Genre::Texte:
            if (!nomVu) {
                brut.nom = texte::Rogner(ligne);
                nomVu = true;
            } else if (!brut.points.empty()) {
                piedDePage = true;
            }
            break;
        }
    }
    return {};
}

/// Integral value above 1 that can be a point count.
bool EstCompte(double v)
{
    return v > 1.0 && v < 1e9 && v == std::floor(v);
}

/// Integral value below -1: what a count line with a sign error holds.
bool EstCompteNegatif(double v)
{
    return EstCompte(-v);
}

enum class Disposition { Selig, Lednicer, ComptesFaux };

/// Tells a Lednicer count line from an ordinary first point. Counts that do not add up to the
/// points that follow, or that carry a minus sign, are an error when both lie beyond every
/// coordinate that follows; a line within the drawing is its first point (a Selig file in
/// millimetres may start with "200 3").
Disposition Reconnaitre(const Brut& brut)
{
    if (brut.points.empty())
        return Disposition::Selig;
    const double cx = brut.premierX, cy = brut.premierY;
    const bool positifs = EstCompte(cx) && EstCompte(cy);
    if (!positifs && !((EstCompte(cx) || EstCompteNegatif(cx)) && (EstCompte(cy) || EstCompteNegatif(cy))))
        return Disposition::Selig;
    const size_t suivants = brut.points.size() - 1;
    if (positifs && size_t(cx) + size_t(cy) == suivants)
        return Disposition::Lednicer;
    double etendue = 0.0;
    for (size_t i = 1; i < brut.points.size(); ++i)
        etendue = std::max({etendue, std::fabs(double(brut.points[i].X)), std::fabs(double(brut.points[i].Y))});
    if (std::min(std::fabs(cx), std::fabs(cy)) > etendue)
        return Disposition::ComptesFaux;
    return Disposition::Selig;
}

/// Upper surface reversed (trailing edge to leading edge), then the lower surface from the
/// leading edge, whose first point is dropped when it repeats the upper one.
std::vector<PointFichier> OrdreSelig(const std::vector<PointFichier>& lu, size_t nExtrados)
{
    const auto debutExtrados = lu.begin() + 1;
    const auto debutIntrados = debutExtrados + std::ptrdiff_t(nExtrados);
    std::vector<PointFichier> chemin;
    chemin.reserve(lu.size());
    chemin.insert(chemin.end(), std::make_reverse_iterator(debutIntrados),
                  std::make_reverse_iterator(debutExtrados));
    auto intrados = debutIntrados;
    if (intrados != lu.end() && intrados->X == debutExtrados->X && intrados->Y == debutExtrados->Y)
        ++intrados;
    chemin.insert(chemin.end(), intrados, lu.end());
    return chemin;
}

LectureFichier Lire(std::string_view texte)
{
    LectureFichier lecture;
    if (std::memchr(texte.data(), '\0', texte.size()) != nullptr) {
        lecture.erreur = QCoreApplication::translate("galbix", "fichier binaire : octet nul dans le texte");
        return lecture;
    }
    Brut brut;
    lecture.erreur = Balayer(TexteUtile(texte), brut);
    if (!lecture.erreur.isEmpty())
        return lecture;
    lecture.enTete = DecoderNom(brut.nom);
    switch (Reconnaitre(brut)) {
    case Disposition::Selig:
        lecture.points = std::move(brut.points);
        break;
    case Disposition::Lednicer:
        lecture.points = OrdreSelig(brut.points, size_t(brut.premierX));
        break;
    case Disposition::ComptesFaux:
        lecture.erreur = QCoreApplication::translate("galbix", "format Lednicer : les nombres de points annoncés (%1 et %2) "
                                        "ne correspondent pas aux %3 points lus")
                             .arg(brut.premierX).arg(brut.premierY).arg(brut.points.size() - 1);
        break;
    }
    return lecture;
}

} // namespace

// Memory exhaustion is turned into a failed read by LireFichierDetaille.
LectureFichier LireDat(std::string_view texte)
{
    return Lire(texte);
}

} // namespace galbix::formats
