#include "files/Projet.h"

#include "files/Ini.h"
#include "model/Extremes.h"
#include "model/NumericText.h"

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

void EcrireCote(FichierIni& ini, const QString& section, const QString& nom,
                const std::vector<PointProfil>& points)
{
    ini.Ecrire(section, CleNomFichier, nom);
    ini.Ecrire(section, CleNombrePoints, QString::number(points.size()));
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

// One point value "X:Y:Etat" (further pieces are ignored); false with fewer than three
// pieces, a coordinate beyond the float range or a state beyond 16 bits.
bool LirePoint(QStringView valeur, PointProfil& p)
{
    const qsizetype d1 = valeur.indexOf(u':');
    const qsizetype d2 = d1 < 0 ? -1 : valeur.indexOf(u':', d1 + 1);
    if (d2 < 0)
        return false;
    qsizetype d3 = valeur.indexOf(u':', d2 + 1);
    if (d3 < 0)
        d3 = valeur.size();
    const double x = Nombre(valeur.mid(0, d1));
    const double y = Nombre(valeur.mid(d1 + 1, d2 - d1 - 1));
    int etat = 0;
    if (!EntierDans(Nombre(valeur.mid(d2 + 1, d3 - d2 - 1)), INT16_MIN, INT16_MAX, etat))
        return false;
    p.X = float(x);
    p.Y = float(y);
    p.Etat = int16_t(etat);
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

// One side: file name, count and points. On failure `nom` is set and `points` holds the
// points read before the faulty key.
bool LireCote(const FichierIni& ini, const QString& section, QString& nom, std::vector<PointProfil>& points,
              QString& erreur)
{
    nom = ini.Lire(section, CleNomFichier, QString());
    points.clear();
    int n = 0;
    if (!EntierDans(Nombre(ini.Lire(section, CleNombrePoints, QString())), 1, INT32_MAX, n)) {
        erreur = QStringLiteral("section %1 : nombre de points absent ou incorrect").arg(section);
        return false;
    }
    points.reserve(std::min(size_t(n), ReserveMaxPoints));
    for (int i = 1; i <= n; ++i) {
        PointProfil p;
        if (!LirePoint(ini.Lire(section, QString::number(i), QString()), p)) {
            erreur = QStringLiteral("section %1 : point %2 absent ou illisible").arg(section).arg(i);
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
        erreur = QStringLiteral("%1 absent ou hors de la plage 1 à 359").arg(cle);
        return false;
    }
    angle = float(position);
    return true;
}

LectureProjet Arret(EtapeProjet etape, const QString& erreur)
{
    return {etape, erreur};
}

LectureProjet LireDocument(const FichierIni& ini, DonneesProjet& projet)
{
    QString erreur;
    CoupleProfils& profils = projet.Profils;
    if (!LireCote(ini, SectionEmplanture, projet.NomFichier[CoteE], profils.PointsE, erreur))
        return Arret(EtapeProjet::Emplanture, erreur);
    if (!LireCote(ini, SectionSaumon, projet.NomFichier[CoteS], profils.PointsS, erreur))
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
        FichierIni ini = FichierIni::Charger(chemin, &lu);
        if (!lu)
            return false;
        for (const QString& section : {SectionEmplanture, SectionSaumon, SectionPosition, SectionAffichage})
            ini.ViderSection(section);
        EcrireCote(ini, SectionEmplanture, projet.NomFichier[CoteE], projet.Profils.PointsE);
        EcrireCote(ini, SectionSaumon, projet.NomFichier[CoteS], projet.Profils.PointsS);
        EcrireRestant(ini, projet);
        return ini.Enregistrer(chemin);
    } catch (const std::exception&) {
        return false;
    }
}

LectureProjet LireProjet(const QString& chemin, DonneesProjet& projet)
{
    try {
        const QFileInfo info(chemin);
        bool lu = false;
        const FichierIni ini = FichierIni::Charger(chemin, &lu);
        if (!info.isFile() || !lu)
            return Arret(EtapeProjet::Fichier, QStringLiteral("fichier absent ou illisible : ") + chemin);
        return LireDocument(ini, projet);
    } catch (const std::exception&) {
        return Arret(EtapeProjet::Fichier, QStringLiteral("mémoire insuffisante pour lire ") + chemin);
    }
}

} // namespace galbix
