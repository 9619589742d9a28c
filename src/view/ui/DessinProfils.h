#pragma once
// Painting of the view: the base layer (background image, profiles, points, markers,
// rulings, intermediate profile) from the drawing-unit copies, and the overlay (current
// points and wire). Coordinates are drawing units (twips), painted at 15 twips per pixel
// and snapped to whole pixels. Everything is batched: one polyline per run of equal colour,
// one call per kind of marker, with buffers kept from one drawing to the next. What would
// paint the same pixels twice in a batch (a point, segment or marker equal to the previous
// one once snapped, a marker already drawn at that pixel) is painted once.

#include "view/EtatVue.h"
#include "view/Rafraichissement.h"
#include "view/ReductionPixels.h"

#include <QImage>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <vector>

class QPainter;

namespace galbix {

class DessinateurProfils {
public:
    /// Draws the base layer on `peintre` (device of LargeurDessin x HauteurDessin twips).
    /// Unticks "Surface" in `vue.Options` when the point counts differ and "Fil" or
    /// "Surface" is ticked; returns true when it did.
    bool Dessiner(QPainter& peintre, const CoupleProfils& modele, const EtatEdition& edition, EtatVue& vue,
                  const QImage& imageFond);

    /// Draws the overlay on `peintre`.
    void DessinerSurcouche(QPainter& peintre, const EtatVue& vue, const Surcouche& surcouche) const;

    /// With `oui` (the default) the profiles and their markers are drawn from copies reduced
    /// to what the pixels show, which paints the same pixels; without, from every point.
    void ReduireAuxPixels(bool oui) { m_reduire = oui; }
    /// The reduction of side `cote`'s screen copy when it is up to date with `vue`, else null.
    const ReductionPixels* Reduction(int cote, const EtatVue& vue) const;

private:
    struct Cadre; // the visible area and the wider area where coordinates are safe to paint

    const std::vector<uint32_t>& AParcourir(int rang, const Cadre& c, const std::vector<PointProfil>& ecran,
                                            const std::vector<PointProfil>* etats, size_t n, uint64_t version);
    void Profil(QPainter& p, const Cadre& c, const std::vector<PointProfil>* modele,
                const std::vector<PointProfil>& ecran, const std::vector<uint32_t>& indices, int16_t mode,
                const QColor& couleur);
    void Points(QPainter& p, const Cadre& c, const std::vector<PointProfil>& modele,
                const std::vector<PointProfil>& ecran, const std::vector<uint32_t>& indices, int16_t mode,
                const QColor& couleur);
    void Depart(QPainter& p, const Cadre& c, const std::vector<PointProfil>& ecran, const QColor& couleur);
    void CentreReferences(QPainter& p, const Cadre& c, const std::vector<PointProfil>& modele,
                          const std::vector<PointProfil>& ecran, const QColor& couleur);
    void Generatrices(QPainter& p, const Cadre& c, const std::vector<PointProfil>& e,
                      const std::vector<PointProfil>& s);
    void Segment(const Cadre& c, QPointF a, QPointF b);
    void VidangerTrace(QPainter& p);
    void VidangerLignes(QPainter& p);
    void FondEtEffacement(QPainter& p, const Cadre& c, const EtatVue& vue, const QImage& imageFond);
    void NouveauLot(const Cadre& c);           // starts a batch of markers drawn at most once per pixel
    bool PremiereFois(const Cadre& c, QPoint centre); // first marker of the batch at this pixel

    std::vector<QPoint> m_trace;   // current run of a polyline
    std::vector<QLine> m_lignes;   // separate segments
    std::vector<QRect> m_carres;   // outlines
    std::vector<QRect> m_pleins;   // filled squares
    std::vector<uint8_t> m_vus;    // per pixel: the last batch that drew a marker there
    uint8_t m_lot = 0;             // number of the current batch
    bool m_reduire = true;
    ReductionPixels m_reductions[3]; // sides E and S, intermediate profile
    std::vector<uint32_t> m_indices; // points of the side being drawn
};

/// A colour of the drawing as a QColor.
QColor VersQColor(const CouleurRvb& c);

} // namespace galbix
