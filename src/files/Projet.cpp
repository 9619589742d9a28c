#include "files/Projet.h"

#include "files/Ini.h"
#include "files/ProjetPoints.h"
#include "geomlib/EcritureAtomique.h"
#include "model/Extremes.h"
#include "model/NumericText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <exception>
#include <string>

namespace galbix {

namespace {

using namespace projet;

// Points reserved up front: a bogus count in a damaged file must not allocate gigabytes
// before its first missing key stops the reading.
constexpr size_t ReserveMaxPoints = 1u << 20;

// ---------------------------------------------------------------- reading values

// Leading number of a value: blanks are skipped wherever they stand, "." is the separator,
// reading stops at the first character that cannot continue a number, 0 when there is none.
double Nombre(QStringView texte)
{
    std::string ascii;
    ascii.reserve(size_t(texte.size()));
    for (QChar c : texte) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t')
            continue;
        if (u >= 128)
            break;
        ascii += char(u);
    }
    return LireNombreDebut(std::string_view(ascii));
}

// Nearest whole number, halves to the even neighbour.
double ArrondiPair(double v)
{
    if (std::fabs(v - std::trunc(v)) == 0.5)
        return 2.0 * std::round(v / 2.0);
    return std::round(v);
}

// The value rounded to a whole number within [min, max]; false when it falls outside.
bool EntierDans(double v, double min, double max, int& resultat)
{
    const double r = ArrondiPair(v);
    if (!(r >= min && r <= max))
        return false;
    resultat = int(r);
    return true;
}

// A 32-bit float from a value read; beyond the float range it saturates.
float Reel(double v)
{
    return float(std::clamp(v, double(-FLT_MAX), double(FLT_MAX)));
}

// ---------------------------------------------------------------- writing

QString TextePoint(const PointProfil& p)
{
    QString s = TexteReelProjet(p.X);
    s += u':';
    s += TexteReelProjet(p.Y);
    s += u':';
    s += QString::number(p.Etat);
    return s;
}

// With `marque`, key "1" holds the side's marker and the point lines are put in its place in
// the bytes afterwards (RemplacerMarques).
void EcrireCote(FichierIni& ini, const QString& section, const QString& nom,
                const std::vector<PointProfil>& points, int marque = -1)
{
    ini.Ecrire(section, CleNomFichier, nom);
    ini.Ecrire(section, CleNombrePoints, QString::number(points.size()));
    if (marque >= 0 && !points.empty()) {
        ini.Ecrire(section, QStringLiteral("1"), MarquePoints(marque));
        return;
    }
    for (size_t i = 0; i < points.size(); ++i)
        ini.Ecrire(section, QString::number(i + 1), TextePoint(points[i]));
}

// Index of the ticked switch as stored: the index when it exists, else -1.
int BoutonStocke(int bouton, int nombre)
{
    return bouton >= 0 && bouton < nombre ? bouton : AucunBouton;
}

void EcrireRestant(FichierIni& ini, const DonneesProjet& projet)
{
    ini.Ecrire(SectionPosition, CleEcartement, TexteReelProjet(projet.Profils.EcartementZ));
    ini.Ecrire(SectionPosition, CleBoutonFleche, QString::number(BoutonStocke(projet.BoutonFleche, NbBoutonsFleche)));
    ini.Ecrire(SectionPosition, CleBoutonDiedre, QString::number(BoutonStocke(projet.BoutonDiedre, NbBoutonsDiedre)));
    ini.Ecrire(SectionPosition, CleBoutonAligner, QString::number(projet.Aligner ? 1 : -1));
    ini.Ecrire(SectionAffichage, CleCoeffZoom, TexteReelProjet(projet.CoeffZoom));
    ini.Ecrire(SectionAffichage, CleXCentreZoom, TexteReelProjet(projet.XCentreZoom));
    ini.Ecrire(SectionAffichage, CleYCentreZoom, TexteReelProjet(projet.YCentreZoom));
    ini.Ecrire(SectionAffichage, CleOmega, TexteReelProjet(projet.Omega));
    ini.Ecrire(SectionAffichage, CleAlpha, TexteReelProjet(projet.Alpha));
    ini.Ecrire(SectionAffichage, CleCommentaire, CommentaireVersValeur(projet.Commentaire));
}

// Every number the file receives is finite: a file never holds a made-up 0 in place of an
// infinity or a NaN.
bool NombresFinis(const DonneesProjet& projet)
{
    const auto finis = [](const std::vector<PointProfil>& points) {
        return std::all_of(points.begin(), points.end(),
                           [](const PointProfil& p) { return std::isfinite(p.X) && std::isfinite(p.Y); });
    };
    for (double v : {double(projet.Profils.EcartementZ), double(projet.CoeffZoom), double(projet.XCentreZoom),
                     double(projet.YCentreZoom), double(projet.Omega), double(projet.Alpha)})
        if (!std::isfinite(v))
            return false;
    return finis(projet.Profils.PointsE) && finis(projet.Profils.PointsS);
}

// ---------------------------------------------------------------- reading

// One point value "X:Y:Etat" (see LireValeurPoint); characters beyond ASCII end a number.
bool LirePoint(QStringView valeur, PointProfil& p)
{
    std::string octets(size_t(valeur.size()), '\x80');
    for (qsizetype i = 0; i < valeur.size(); ++i)
        if (valeur[i].unicode() < 128)
            octets[size_t(i)] = char(valeur[i].unicode());
    return LireValeurPoint(octets, p);
}

// One side: file name, count and points, the points from `enFlux` when the file was read
// in one pass. On failure `nom` is set and `points` holds the points read before the faulty key.
bool LireCote(const FichierIni& ini, const QString& section, std::vector<PointProfil>* enFlux, QString& nom,
              std::vector<PointProfil>& points, QString& erreur)
{
    nom = ini.Lire(section, CleNomFichier, QString());
    points.clear();
    int n = 0;
    if (!EntierDans(Nombre(ini.Lire(section, CleNombrePoints, QString())), 1, INT32_MAX, n)) {
        erreur = QCoreApplication::translate("galbix", "section %1 : nombre de points absent ou incorrect").arg(section);
        return false;
    }
    if (enFlux) {
        points = std::move(*enFlux);
        if (points.size() >= size_t(n)) {
            points.resize(size_t(n));
            return true;
        }
        erreur = QCoreApplication::translate("galbix", "section %1 : point %2 absent ou illisible").arg(section).arg(points.size() + 1);
        return false;
    }
    points.reserve(std::min(size_t(n), ReserveMaxPoints));
    for (int i = 1; i <= n; ++i) {
        PointProfil p;
        if (!LirePoint(ini.Lire(section, QString::number(i), QString()), p)) {
            erreur = QCoreApplication::translate("galbix", "section %1 : point %2 absent ou illisible").arg(section).arg(i);
            return false;
        }
        points.push_back(p);
    }
    return true;
}

// A stored switch index: the index when it names a switch of the group, else none.
int BoutonLu(const FichierIni& ini, const QString& cle, int nombre)
{
    int bouton = AucunBouton;
    if (!EntierDans(Nombre(ini.Lire(SectionPosition, cle, QString())), 0, nombre - 1, bouton))
        return AucunBouton;
    return bouton;
}

void LirePosition(const FichierIni& ini, DonneesProjet& projet)
{
    projet.Profils.EcartementZ = Reel(Nombre(ini.Lire(SectionPosition, CleEcartement, QString())));
    projet.BoutonFleche = BoutonLu(ini, CleBoutonFleche, NbBoutonsFleche);
    projet.BoutonDiedre = BoutonLu(ini, CleBoutonDiedre, NbBoutonsDiedre);
    int aligner = 0;
    projet.Aligner = EntierDans(Nombre(ini.Lire(SectionPosition, CleBoutonAligner, QString())), 1, 1, aligner);
}

// A bar position: "Omega" or "Alpha" rounded, within the bar's range.
bool LireAngle(const FichierIni& ini, const QString& cle, float& angle, QString& erreur)
{
    int position = 0;
    if (!EntierDans(Nombre(ini.Lire(SectionAffichage, cle, QString())), PositionAngleMin, PositionAngleMax,
                    position)) {
        erreur = QCoreApplication::translate("galbix", "%1 absent ou hors de la plage 1 à 359").arg(cle);
        return false;
    }
    angle = float(position);
    return true;
}

// The file at `chemin` as an INI document without the point lines of its two sides, which a
// save replaces anyway (the general reader takes the whole file when its point keys are
// out of order). `lu` false when the file exists but cannot be read.
FichierIni ChargerSansPoints(const QString& chemin, bool& lu)
{
    bool separe = false;
    PointsEnFlux flux;
    QByteArray octets;
    ChargerEnFlux(chemin, lu, separe, flux, octets, false);
    if (!lu)
        return FichierIni::DepuisOctets({});
    return FichierIni::DepuisOctets(separe ? flux.Reste : octets);
}

LectureProjet Arret(EtapeProjet etape, const QString& erreur)
{
    return {etape, erreur};
}

LectureProjet LireDocument(const FichierIni& ini, PointsEnFlux* flux, DonneesProjet& projet)
{
    QString erreur;
    CoupleProfils& profils = projet.Profils;
    if (!LireCote(ini, SectionEmplanture, flux ? &flux->Points[CoteE] : nullptr, projet.NomFichier[CoteE],
                  profils.PointsE.Modifier(), erreur))
        return Arret(EtapeProjet::Emplanture, erreur);
    if (!LireCote(ini, SectionSaumon, flux ? &flux->Points[CoteS] : nullptr, projet.NomFichier[CoteS],
                  profils.PointsS.Modifier(), erreur))
        return Arret(EtapeProjet::Saumon, erreur);
    LirePosition(ini, projet);
    if (!LireAngle(ini, CleOmega, projet.Omega, erreur))
        return Arret(EtapeProjet::Omega, erreur);
    if (!LireAngle(ini, CleAlpha, projet.Alpha, erreur))
        return Arret(EtapeProjet::Alpha, erreur);
    projet.CoeffZoom = Reel(Nombre(ini.Lire(SectionAffichage, CleCoeffZoom, QString())));
    projet.XCentreZoom = Reel(Nombre(ini.Lire(SectionAffichage, CleXCentreZoom, QString())));
    projet.YCentreZoom = Reel(Nombre(ini.Lire(SectionAffichage, CleYCentreZoom, QString())));
    projet.Commentaire = ValeurVersCommentaire(ini.Lire(SectionAffichage, CleCommentaire, QString()));
    CalculerExtremes(profils);
    return Arret(EtapeProjet::Complete, QString());
}

} // namespace

QString TitreFenetreProjet(const QString& chemin)
{
    return DebutTitre + chemin;
}

QString TexteReelProjet(double valeur)
{
    return PointDecimal(FormaterNombre(valeur, MotifReel));
}

QString CommentaireVersValeur(const QString& texte)
{
    QString valeur;
    valeur.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c == u'\r' && i + 1 < texte.size() && texte[i + 1] == u'\n')
            ++i;
        valeur += c == u'\r' || c == u'\n' ? QChar(u';') : c;
    }
    return valeur;
}

QString ValeurVersCommentaire(const QString& valeur)
{
    QString texte = valeur;
    texte.replace(u';', QStringLiteral("\r\n"));
    return texte;
}

bool EcrireProjet(const QString& chemin, DonneesProjet& projet)
{
    try {
        if (!NombresFinis(projet))
            return false;
        CalculerExtremes(projet.Profils);
        bool lu = false;
        FichierIni ini = ChargerSansPoints(chemin, lu);
        if (!lu)
            return false;
        for (const QString& section : {SectionEmplanture, SectionSaumon, SectionPosition, SectionAffichage})
            ini.ViderSection(section);
        const CoupleProfils& profils = projet.Profils;
        EcrireCote(ini, SectionEmplanture, projet.NomFichier[CoteE], profils.PointsE, CoteE);
        EcrireCote(ini, SectionSaumon, projet.NomFichier[CoteS], profils.PointsS, CoteS);
        EcrireRestant(ini, projet);
        // The point lines go into one buffer in place of the markers; when that cannot be done
        // (a marker's text already in the file, a coordinate that is not a number) key by key.
        const std::vector<PointProfil>* cotes[2] = {&profils.PointsE.Lire(), &profils.PointsS.Lire()};
        QByteArray octets;
        if (RemplacerMarques(ini.VersOctets(), cotes, octets))
            return EcrireFichierAtomique(chemin, octets);
        EcrireCote(ini, SectionEmplanture, projet.NomFichier[CoteE], profils.PointsE);
        EcrireCote(ini, SectionSaumon, projet.NomFichier[CoteS], profils.PointsS);
        return ini.Enregistrer(chemin);
    } catch (const std::exception&) {
        return false;
    }
}

LectureProjet LireProjet(const QString& chemin, DonneesProjet& projet)
{
    try {
        const QFileInfo info(chemin);
        bool lu = false, separe = false;
        PointsEnFlux flux;
        QByteArray octets;
        ChargerEnFlux(chemin, lu, separe, flux, octets);
        if (!info.isFile() || !lu)
            return Arret(EtapeProjet::Fichier, QCoreApplication::translate("galbix", "fichier absent ou illisible : ") + chemin);
        const FichierIni ini = FichierIni::DepuisOctets(separe ? flux.Reste : octets);
        octets.clear();
        flux.Reste.clear();
        return LireDocument(ini, separe ? &flux : nullptr, projet);
    } catch (const std::exception&) {
        return Arret(EtapeProjet::Fichier, QCoreApplication::translate("galbix", "mémoire insuffisante pour lire ") + chemin);
    }
}

} // namespace galbix
