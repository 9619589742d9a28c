#include "files/Reglages.h"

#include "files/Ini.h"
#include "model/NumericText.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>

namespace galbix {

namespace {

const QString CleLeft = QStringLiteral("Left");
const QString CleTop = QStringLiteral("Top");
const QString CleWidth = QStringLiteral("Width");
const QString CleHeight = QStringLiteral("Height");
const QString CleWindowState = QStringLiteral("WindowState");
const QString CleSauvegarde = QStringLiteral("Sauvegarde");
const QString CleOuverture = QStringLiteral("Ouverture");
const QString CleLangue = QStringLiteral("Langue");

float LireReel(const QString& fichier, const QString& cle, float defaut)
{
    const double v = LireNombreDebut(LireIni(SectionFenetre, cle, fichier, TexteReel(defaut)));
    if (!std::isfinite(v) || std::fabs(v) > double(std::numeric_limits<float>::max()))
        return defaut;
    return float(v);
}

// "Left", "Top", "Width", "Height" when `avecPosition`, then "WindowState".
std::vector<CleIni> ClesGeometrie(const GeometrieFenetre& g, bool avecPosition)
{
    std::vector<CleIni> cles;
    if (avecPosition) {
        cles.push_back({SectionFenetre, CleLeft, TexteReel(g.Left)});
        cles.push_back({SectionFenetre, CleTop, TexteReel(g.Top)});
        cles.push_back({SectionFenetre, CleWidth, TexteReel(g.Width)});
        cles.push_back({SectionFenetre, CleHeight, TexteReel(g.Height)});
    }
    cles.push_back({SectionFenetre, CleWindowState, QString::number(g.WindowState)});
    return cles;
}

void AjouterDossiers(std::vector<CleIni>& cles, const QString& sauvegarde, const QString& ouverture)
{
    cles.push_back({SectionFichiers, CleSauvegarde, sauvegarde});
    cles.push_back({SectionFichiers, CleOuverture, ouverture});
}

} // namespace

int TwipsVersPixels(double twips, double pointsParPouce)
{
    const double pixels = twips * pointsParPouce / 1440.0;
    if (!std::isfinite(pixels))
        return 0;
    constexpr double limite = 1 << 24;  // far beyond any screen, and safe for QRect arithmetic
    return int(std::lround(std::clamp(pixels, -limite, limite)));
}

float PixelsVersTwips(double pixels, double pointsParPouce)
{
    if (pointsParPouce <= 0)
        return 0.0f;
    return float(pixels * 1440.0 / pointsParPouce);
}

QString TexteReel(float valeur)
{
    return QString::number(valeur, 'g', 7);
}

int16_t LireEtatFenetre(const QString& texte)
{
    const double v = LireNombreDebut(texte);
    if (!std::isfinite(v))
        return EtatFenetreNormal;
    const double borne = std::clamp(v, double(std::numeric_limits<int16_t>::min()),
                                    double(std::numeric_limits<int16_t>::max()));
    return int16_t(std::nearbyint(borne));  // default rounding mode: halves to even
}

GeometrieFenetre GeometrieDansZone(const GeometrieFenetre& geometrie, const QRectF& zone)
{
    GeometrieFenetre g = geometrie;
    g.Width = std::min(g.Width, float(zone.width()));
    g.Height = std::min(g.Height, float(zone.height()));
    g.Left = std::clamp(g.Left, float(zone.left()), float(zone.left() + zone.width()) - g.Width);
    g.Top = std::clamp(g.Top, float(zone.top()), float(zone.top() + zone.height()) - g.Height);
    return g;
}

void CreerReglagesSiAbsents(const QString& fichier, const QString& dossierProgramme)
{
    if (QFileInfo::exists(fichier))
        return;
    // The keys in their order, in one write: the file appears whole or not at all.
    const GeometrieFenetre defaut;
    std::vector<CleIni> cles = ClesGeometrie(defaut, true);
    AjouterDossiers(cles, dossierProgramme, dossierProgramme);
    EcrireClesIni(cles, fichier);
}

GeometrieFenetre LireGeometrie(const QString& fichier)
{
    GeometrieFenetre g;
    g.WindowState = LireEtatFenetre(LireIni(SectionFenetre, CleWindowState, fichier, QStringLiteral("0")));
    g.Left = LireReel(fichier, CleLeft, g.Left);
    g.Top = LireReel(fichier, CleTop, g.Top);
    g.Width = LireReel(fichier, CleWidth, g.Width);
    g.Height = LireReel(fichier, CleHeight, g.Height);
    return g;
}

void EcrireGeometrie(const QString& fichier, const GeometrieFenetre& g, bool avecPosition)
{
    EcrireClesIni(ClesGeometrie(g, avecPosition), fichier);
}

QString LireDossierSauvegarde(const QString& fichier, const QString& dossierProgramme)
{
    return LireIni(SectionFichiers, CleSauvegarde, fichier, dossierProgramme);
}

Langue LireLangue(const QString& fichier)
{
    return LangueDuCode(LireIni(SectionFenetre, CleLangue, fichier, QString())).value_or(Langue::Francais);
}

QString LireDossierOuverture(const QString& fichier, const QString& dossierProgramme)
{
    return LireIni(SectionFichiers, CleOuverture, fichier, dossierProgramme);
}

void EcrireDossiers(const QString& fichier, const QString& sauvegarde, const QString& ouverture)
{
    std::vector<CleIni> cles;
    AjouterDossiers(cles, sauvegarde, ouverture);
    EcrireClesIni(cles, fichier);
}

bool EcrireReglagesSortie(const QString& fichier, const GeometrieFenetre& geometrie, bool avecPosition,
                          const QString& sauvegarde, const QString& ouverture)
{
    std::vector<CleIni> cles = ClesGeometrie(geometrie, avecPosition);
    AjouterDossiers(cles, sauvegarde, ouverture);
    return EcrireClesIni(cles, fichier);
}

} // namespace galbix
