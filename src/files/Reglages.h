#pragma once
// The settings file "Galbix.ini": window geometry in twips, the last folders used and the
// language of the interface.

#include "files/Langue.h"

#include <QRectF>
#include <QString>
#include <cstdint>

namespace galbix {

inline const QString NomFichierReglages = QStringLiteral("Galbix.ini");
inline const QString SectionFenetre = QStringLiteral("Fenêtre");
inline const QString SectionFichiers = QStringLiteral("Fichiers");

/// Designed outer size of the main window, in twips.
constexpr float LargeurConception = 15525.0f;
constexpr float HauteurConception = 10965.0f;

/// Window state as stored in the file.
constexpr int16_t EtatFenetreNormal = 0;
constexpr int16_t EtatFenetreReduit = 1;
constexpr int16_t EtatFenetreAgrandi = 2;

/// Outer geometry of the main window in twips, and its state.
struct GeometrieFenetre {
    float Left = 0.0f;
    float Top = 0.0f;
    float Width = LargeurConception;
    float Height = HauteurConception;
    int16_t WindowState = EtatFenetreNormal;
};

/// Pixels for a length in twips at `pointsParPouce` dots per inch (15 twips per pixel at 96).
int TwipsVersPixels(double twips, double pointsParPouce);
/// Twips for a length in pixels at `pointsParPouce` dots per inch.
float PixelsVersTwips(double pixels, double pointsParPouce);

/// Text of a 32-bit float as the settings file holds it (shortest form, "." separator).
QString TexteReel(float valeur);
/// A stored window state: the leading number rounded to a 16-bit integer (halves to even).
int16_t LireEtatFenetre(const QString& texte);

/// `geometrie` moved and shrunk as little as needed to lie within `zone` (twips); the state
/// is kept.
GeometrieFenetre GeometrieDansZone(const GeometrieFenetre& geometrie, const QRectF& zone);

/// Creates `fichier` with the default keys, one by one, when it does not exist.
void CreerReglagesSiAbsents(const QString& fichier, const QString& dossierProgramme);
/// The stored state, and the stored geometry (defaults for missing keys).
GeometrieFenetre LireGeometrie(const QString& fichier);
/// Writes "Left", "Top", "Width", "Height" when `avecPosition`, then "WindowState".
void EcrireGeometrie(const QString& fichier, const GeometrieFenetre& geometrie, bool avecPosition);

/// Last folder used for saving (default: the program folder).
QString LireDossierSauvegarde(const QString& fichier, const QString& dossierProgramme);
/// Last folder used for opening (default: the program folder).
QString LireDossierOuverture(const QString& fichier, const QString& dossierProgramme);
/// The language of key "Langue" in section "Fenêtre" ("en" or "fr"); French when the key is
/// missing or holds any other value.
Langue LireLangue(const QString& fichier);
/// Writes "Sauvegarde" and "Ouverture".
void EcrireDossiers(const QString& fichier, const QString& sauvegarde, const QString& ouverture);
/// What the exit writes, in one replacement of the file: the geometry keys as
/// EcrireGeometrie, then "Sauvegarde" and "Ouverture". False (file unchanged) on failure.
bool EcrireReglagesSortie(const QString& fichier, const GeometrieFenetre& geometrie, bool avecPosition,
                          const QString& sauvegarde, const QString& ouverture);

} // namespace galbix
