#include "files/ProjetPoints.h"

#include "files/Projet.h"
#include "geomlib/EcritureAtomique.h"
#include "geomlib/LectureBornee.h"
#include "geomlib/Texte.h"
#include "model/NumericText.h"

#include <QFileInfo>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace galbix::projet {

namespace {

// The INI reader's cap on a settings or project file (bytes).
constexpr qint64 TailleMaxProjet = qint64(256) << 20;
// Longest value the INI reader returns (characters; point values are ASCII).
constexpr size_t LongueurMaxValeur = 254;
// Room for one point line: a 10-digit key, two floats of up to 39 integer digits, a state.
constexpr size_t TailleMaxLigne = 10 + 1 + 2 * 48 + 2 + 6 + 2;
// Points reserved ahead from a side's count: at least this many bytes of file per point.
constexpr qsizetype OctetsMinParPoint = 8;

bool EstBlancIni(char c) { return c == ' ' || c == '\t'; }

std::string_view Rogner(std::string_view s)
{
    while (!s.empty() && EstBlancIni(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && EstBlancIni(s.back()))
        s.remove_suffix(1);
    return s;
}

bool Ascii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return (unsigned char)c < 128; });
}

// The side a "[name]" header opens (CoteE, CoteS), -1 for another section, -2 for no header.
int CoteEnTete(std::string_view ligne)
{
    const std::string_view r = Rogner(ligne);
    if (r.empty() || r.front() != '[')
        return -2;
    const size_t fin = r.find(']');
    if (fin == std::string_view::npos)
        return -2;
    const std::string_view nom = Rogner(r.substr(1, fin - 1));
    auto egal = [&](const QString& section) {
        return qsizetype(nom.size()) == section.size()
            && QByteArrayView(nom.data(), qsizetype(nom.size())).compare(section.toLatin1(), Qt::CaseInsensitive) == 0;
    };
    return egal(SectionEmplanture) ? CoteE : egal(SectionSaumon) ? CoteS : -1;
}

// Key and value of a "key=value" line as the INI reader sees them; false for other lines.
bool CleValeur(std::string_view ligne, std::string_view& cle, std::string_view& valeur)
{
    const std::string_view r = Rogner(ligne);
    if (r.empty() || r.front() == ';')
        return false;
    const size_t egal = r.find('=');
    if (egal == std::string_view::npos)
        return false;
    cle = Rogner(r.substr(0, egal));
    valeur = Rogner(r.substr(egal + 1));
    valeur = valeur.substr(0, std::min(valeur.find('\0'), LongueurMaxValeur));
    return !cle.empty();
}

// A key that names a point: decimal digits without a leading zero. 0 for any other key.
uint64_t NumeroCle(std::string_view cle)
{
    if (cle.size() > 12 || cle.front() < '1' || cle.front() > '9')
        return 0;
    uint64_t n = 0;
    for (char c : cle) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + uint64_t(c - '0');
    }
    return n;
}

// Leading number of one piece of a value: blanks anywhere are skipped, a byte from 128 up ends it.
double Nombre(std::string_view piece)
{
    const auto fin = std::find_if(piece.begin(), piece.end(), [](char c) { return (unsigned char)c >= 128; });
    piece = piece.substr(0, size_t(fin - piece.begin()));
    if (piece.find_first_of(" \t") == std::string_view::npos)
        return LireNombreDebut(piece);
    std::string propre;
    for (char c : piece)
        if (!EstBlancIni(c))
            propre += c;
    return LireNombreDebut(std::string_view(propre));
}

// Nearest whole number, halves to the even neighbour.
double ArrondiPair(double v)
{
    if (std::fabs(v - std::trunc(v)) == 0.5)
        return 2.0 * std::round(v / 2.0);
    return std::round(v);
}

// One side's state while its section is scanned.
struct CoteEnCours {
    bool vu = false;       // its section was met
    uint64_t cles = 0;     // point keys taken so far
    bool lisible = true;   // every value taken so far read
};

// The section's last line stays in the rest whatever it is (a save keeps a closing blank
// line), so the point line last taken is held back until the next line of the section.
void Ajouter(QByteArray& reste, std::string_view ligne)
{
    reste.append(ligne.data(), qsizetype(ligne.size()));
    reste.append('\n');
}

// A real number with six decimals, as the project file writes it: nearest, exact binary
// halves away from zero (the general formatter handles those), "-" only before a non-zero.
char* EcrireReel(char* p, char* fin, double v)
{
    const double a = std::fabs(v);
    const double t = std::ldexp(a, 7);
    if (t == std::floor(t) && std::fmod(t, 2.0) == 1.0) {
        const QByteArray s = TexteReelProjet(v).toLatin1();
        std::memcpy(p, s.constData(), size_t(s.size()));
        return p + s.size();
    }
    char* debut = p;
    if (v < 0)
        *p++ = '-';
    char* chiffres = p;
    p = std::to_chars(p, fin, a, std::chars_format::fixed, 6).ptr;
    if (v < 0 && std::none_of(chiffres, p, [](char c) { return c >= '1' && c <= '9'; })) {
        std::memmove(debut, chiffres, size_t(p - chiffres));
        --p;
    }
    return p;
}

// Bytes of the point lines: the longest coordinate sets the width of every number, so the
// estimate is exact for most profiles and never short by more than the sign and key digits.
qsizetype TailleEstimee(const std::vector<PointProfil>& points)
{
    float plusGrand = 0.0f;
    for (const PointProfil& p : points)
        plusGrand = std::max({plusGrand, std::fabs(p.X), std::fabs(p.Y)});
    const size_t entiers = size_t(std::log10(std::max(1.0f, plusGrand))) + 1;
    const size_t cle = std::to_string(points.size()).size();
    const size_t parLigne = cle + 1 + 2 * (1 + entiers + 7) + 1 + 1 + 1 + 2;
    return qsizetype(parLigne * points.size());
}

} // namespace

bool LireValeurPoint(std::string_view valeur, PointProfil& p)
{
    const size_t d1 = valeur.find(':');
    const size_t d2 = d1 == std::string_view::npos ? d1 : valeur.find(':', d1 + 1);
    if (d2 == std::string_view::npos)
        return false;
    const size_t d3 = std::min(valeur.find(':', d2 + 1), valeur.size());
    const double x = Nombre(valeur.substr(0, d1));
    const double y = Nombre(valeur.substr(d1 + 1, d2 - d1 - 1));
    const double etat = ArrondiPair(Nombre(valeur.substr(d2 + 1, d3 - d2 - 1)));
    if (!(etat >= INT16_MIN && etat <= INT16_MAX))
        return false;
    p.X = float(x);
    p.Y = float(y);
    p.Etat = int16_t(etat);
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

bool SeparerPoints(QByteArrayView octets, PointsEnFlux& flux, bool valeurs)
{
    flux = {};
    if (octets.isEmpty())
        return true;
    if (octets.startsWith("\xEF\xBB\xBF")) {
        flux.Reste.append(octets.first(3));
        octets = octets.sliced(3);
    }
    flux.Reste.reserve(qsizetype(std::min<qsizetype>(octets.size(), 1 << 16)));
    texte::Lignes lignes(std::string_view(octets.data(), size_t(octets.size())));
    CoteEnCours cotes[2];
    int cote = -1;                 // side of the section being read, -1 for none
    std::string_view retenue;      // the point line last taken, while it may close its section
    bool enRetenue = false;
    std::string_view ligne, cle, valeur;
    while (lignes.Suivante(ligne)) {
        const int entete = CoteEnTete(ligne);
        if (entete != -2 || cote < 0) {
            if (enRetenue)
                Ajouter(flux.Reste, retenue);
            enRetenue = false;
            if (entete >= 0 && cotes[entete].vu)
                return false; // a second section of points
            if (entete != -2) {
                cote = entete;
                if (cote >= 0)
                    cotes[cote].vu = true;
            }
            Ajouter(flux.Reste, ligne);
            continue;
        }
        enRetenue = false;
        CoteEnCours& c = cotes[cote];
        const uint64_t numero = CleValeur(ligne, cle, valeur) ? NumeroCle(cle) : 0;
        if (numero == 0 || numero <= c.cles) { // another key, or a repeated one (the first counts)
            if (numero == 0 && cle == "NombrePoints") {
                const double n = Nombre(valeur);
                if (n > 0 && n < double(octets.size() / OctetsMinParPoint))
                    flux.Points[cote].reserve(size_t(n));
            }
            Ajouter(flux.Reste, ligne);
            continue;
        }
        if (numero != c.cles + 1 || !Ascii(ligne))
            return false;
        ++c.cles;
        PointProfil p;
        c.lisible = c.lisible && valeurs && LireValeurPoint(valeur, p);
        if (c.lisible)
            flux.Points[cote].push_back(p);
        retenue = ligne;
        enRetenue = true;
    }
    if (enRetenue)
        Ajouter(flux.Reste, retenue);
    return true;
}

void ChargerEnFlux(const QString& chemin, bool& lu, bool& separe, PointsEnFlux& flux, QByteArray& octets,
                   bool valeurs)
{
    flux = {};
    octets.clear();
    separe = false;
    const QFileInfo info(chemin);
    lu = true;
    if (!info.exists())
        return;
    // Opening a pipe would wait for a writer; a folder, socket or block device holds no
    // project. A character device is read within the cap (/dev/null reads as empty).
    lu = info.size() <= TailleMaxProjet && (info.isFile() || EstPeripheriqueCaractere(chemin));
    if (!lu)
        return;
    ContenuFichier c = LireFichierBorne(chemin, TailleMaxProjet);
    lu = c.ok;
    if (!lu)
        return;
    separe = SeparerPoints(c.octets, flux, valeurs);
    if (!separe) {
        flux = {};
        octets = std::move(c.octets);
    }
}

bool AjouterLignesPoints(QByteArray& sortie, const std::vector<PointProfil>& points)
{
    for (const PointProfil& p : points)
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            return false;
    sortie.reserve(sortie.size() + TailleEstimee(points));
    char ligne[TailleMaxLigne];
    char* const fin = ligne + sizeof ligne;
    for (size_t i = 0; i < points.size(); ++i) {
        char* p = std::to_chars(ligne, fin, i + 1).ptr;
        *p++ = '=';
        p = EcrireReel(p, fin, points[i].X);
        *p++ = ':';
        p = EcrireReel(p, fin, points[i].Y);
        *p++ = ':';
        p = std::to_chars(p, fin, int(points[i].Etat)).ptr;
        sortie.append(ligne, qsizetype(p - ligne));
        sortie.append("\r\n", 2);
    }
    return true;
}

QString MarquePoints(int cote)
{
    return cote == CoteE ? QStringLiteral("\x01points de l'emplanture\x01")
                         : QStringLiteral("\x01points du saumon\x01");
}

bool RemplacerMarques(const QByteArray& base, const std::vector<PointProfil>* cotes[2], QByteArray& sortie)
{
    qsizetype positions[2] = {-1, -1};
    qsizetype longueurs[2] = {0, 0};
    for (int c : {CoteE, CoteS}) {
        if (!cotes[c] || cotes[c]->empty())
            continue;
        const QByteArray ligne = "\n1=" + MarquePoints(c).toLatin1() + "\r\n";
        const qsizetype i = base.indexOf(ligne);
        if (i < 0 || base.indexOf(ligne, i + 1) >= 0)
            return false;
        positions[c] = i + 1;
        longueurs[c] = ligne.size() - 1;
    }
    if (positions[CoteE] >= 0 && positions[CoteS] >= 0 && positions[CoteS] < positions[CoteE])
        return false;
    sortie.clear();
    qsizetype total = base.size();
    for (int c : {CoteE, CoteS})
        if (positions[c] >= 0)
            total += TailleEstimee(*cotes[c]);
    sortie.reserve(total);
    qsizetype debut = 0;
    for (int c : {CoteE, CoteS}) {
        if (positions[c] < 0)
            continue;
        sortie.append(base.constData() + debut, positions[c] - debut);
        if (!AjouterLignesPoints(sortie, *cotes[c]))
            return false;
        debut = positions[c] + longueurs[c];
    }
    sortie.append(base.constData() + debut, base.size() - debut);
    return true;
}

} // namespace galbix::projet
