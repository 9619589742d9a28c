#pragma once
// One contour of a drawing ("séquence") as the sequence window handles it, and the texts
// the window shows. Lists are 0-based vectors; the numbers shown to the user are 1-based.

#include "model/TexteTraduit.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace galbix {

/// A point of a contour; Reserve is always 0.
struct PointSequence {
    float X = 0.0f;
    float Y = 0.0f;
    int32_t Reserve = 0;
    friend bool operator==(const PointSequence&, const PointSequence&) = default;
};

/// One contour with its extents and selection mark.
struct Sequence {
    std::vector<PointSequence> Points;
    float Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;
    float Largeur = 0, Hauteur = 0;
    int16_t Selectionnee = 0; ///< 1 when selected

    int32_t NbPoints() const { return int32_t(Points.size()); }
    bool EstSelectionnee() const { return Selectionnee == 1; }
    friend bool operator==(const Sequence&, const Sequence&) = default;
};

using ListeSequences = std::vector<Sequence>;

namespace sequences {
inline constexpr TexteTraduit TitreFenetre{QT_TRANSLATE_NOOP("galbix", "Choix de séquences")};
inline constexpr TexteTraduit TitreImpossible{QT_TRANSLATE_NOOP("galbix", "Opération impossible")};
inline constexpr TexteTraduit TexteRefusFin{QT_TRANSLATE_NOOP("galbix",
    "Il faut au moins deux séquences et la dernière séquence ne doit pas être sélectionnée pour pouvoir "
    "utiliser cet outil")};
inline constexpr TexteTraduit TexteRefusDebut{QT_TRANSLATE_NOOP("galbix",
    "Il faut au moins deux séquences et la première séquence ne doit pas être sélectionnée pour pouvoir "
    "utiliser cet outil")};
inline constexpr TexteTraduit TextePasDePoint{QT_TRANSLATE_NOOP("galbix", "Pas de point sélectionné sur la figure")};
inline constexpr TexteTraduit FiltreOuverture{QT_TRANSLATE_NOOP("galbix",
    "DAO (*.dxf)|*.dxf|Profil (*.dat)|*.dat|Plotter (*.plt)|*.plt|Projet Galbix (*.gbx)|*.gbx|"
    "Tous les fichiers connus|*.dxf;*.dat;*.plt;*.gbx")};
constexpr int FiltrePreselectionne = 5;
/// Lines of the help label, joined by CR LF.
inline constexpr TexteTraduit TexteAide{QT_TRANSLATE_NOOP("galbix",
    "Clic gauche en haut et en bas = Sélection d'une séquence par clic simple ou rectangle\r\n"
    "Ctrl + clic gauche en bas = saisir les séquences sélectionnées pour les déplacer\r\n"
    "Alt + déplacement en bas = afficher le point sous le curseur\r\n"
    "Alt + clic en bas = déplacer le point affiché sous le curseur")};
} // namespace sequences

/// Recomputes Xmin, Xmax, Ymin, Ymax, Largeur and Hauteur from the points (all 0 when empty).
void CalculerBornesSequence(Sequence& sequence);

/// Number of selected contours of a list.
int NombreSelectionnees(const ListeSequences& liste);

/// Index of the first selected contour, -1 when none.
int PremiereSelectionnee(const ListeSequences& liste);

/// Index of the last selected contour, -1 when none.
int DerniereSelectionnee(const ListeSequences& liste);

/// Total number of points of a list.
int64_t NombrePoints(const ListeSequences& liste);

} // namespace galbix
