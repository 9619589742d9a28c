#include "editing/Undo.h"

#include "model/Extremes.h"

#include <algorithm>
#include <bit>
#include <new>

namespace galbix {

namespace {

// Same points bit for bit: the sizes first, then every coordinate and state.
bool MemesPoints(const TableauPoints& a, const TableauPoints& b)
{
    if (a.Partage(b))
        return true;
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::bit_cast<uint32_t>(a[i].X) != std::bit_cast<uint32_t>(b[i].X)
            || std::bit_cast<uint32_t>(a[i].Y) != std::bit_cast<uint32_t>(b[i].Y) || a[i].Etat != b[i].Etat)
            return false;
    return true;
}

// Switches and options, the current points aside.
bool MemesReglages(ReglagesUndo a, const ReglagesUndo& b)
{
    a.PointCourantE = b.PointCourantE;
    a.PointCourantS = b.PointCourantS;
    return a == b;
}

// What a restore shows: the points, the spacing and the switches. The metrics are recomputed
// by every restore, so they do not tell two states apart. `memes` tells, per side, whether
// the points are the entry's.
bool MemeEtat(const EtatUndo& entree, float ecartement, const ReglagesUndo& reglages, const bool memes[2])
{
    return MemesReglages(entree.Reglages, reglages)
        && std::bit_cast<uint32_t>(entree.EcartementZ) == std::bit_cast<uint32_t>(ecartement)
        && memes[CoteE] && memes[CoteS];
}

} // namespace

// The entry that receives the next snapshot, placed right after the position: a redo state at
// that place, or the oldest entry when the history is full, is overwritten.
EtatUndo& HistoriqueUndo::EntreeSuivante()
{
    const size_t position = size_t(m_position);
    if (m_entrees.size() > position) {
        m_entrees.resize(position + 1);
        ++m_position;
        return m_entrees.back();
    }
    if (m_entrees.size() >= size_t(TailleMax)) {
        std::rotate(m_entrees.begin(), m_entrees.begin() + 1, m_entrees.end());
        return m_entrees.back();
    }
    m_entrees.emplace_back();
    ++m_position;
    return m_entrees.back();
}

// The entry takes references to the arrays (of the model, or of the current entry when equal):
// no point is copied. Out of memory, the snapshot is not kept: the entry that was to receive it
// is removed and the previous state is current again.
void HistoriqueUndo::Enregistrer(const CoupleProfils& profils, const ReglagesUndo& reglages)
{
    const EtatUndo* courant = m_position >= 1 ? &m_entrees[size_t(m_position - 1)] : nullptr;
    bool memes[2] = {false, false};
    TableauPoints points[2];
    for (int cote : {CoteE, CoteS}) {
        memes[cote] = courant != nullptr && MemesPoints(courant->Points[cote], profils.Points(cote));
        points[cote] = memes[cote] ? courant->Points[cote] : profils.Points(cote);
    }
    // A snapshot equal to the current state would make one "Undo" show no change.
    if (courant != nullptr && MemeEtat(*courant, profils.EcartementZ, reglages, memes))
        return;
    bool place = false;
    try {
        EtatUndo& entree = EntreeSuivante();
        place = true;
        entree.Points[CoteE] = std::move(points[CoteE]);
        entree.Points[CoteS] = std::move(points[CoteS]);
        entree.EcartementZ = profils.EcartementZ;
        entree.FlecheBA = profils.FlecheBA;
        entree.FlecheBF = profils.FlecheBF;
        entree.DiedreMm = profils.DiedreMm;
        entree.DiedreDeg = profils.DiedreDeg;
        entree.Reglages = reglages;
    } catch (const std::bad_alloc&) {
        if (place) {
            m_entrees.erase(m_entrees.begin() + (m_position - 1));
            --m_position;
        }
    }
}

// The room is made first, so that nothing below can fail halfway. A side equal to the
// previous entry's shares that entry's points.
void HistoriqueUndo::Reprendre(HistoriqueUndo& brouillon)
{
    m_entrees.reserve(size_t(TailleMax));
    for (EtatUndo& etat : brouillon.m_entrees) {
        if (m_position >= 1) {
            const EtatUndo& courant = m_entrees[size_t(m_position - 1)];
            bool memes[2] = {false, false};
            for (int cote : {CoteE, CoteS}) {
                memes[cote] = MemesPoints(courant.Points[cote], etat.Points[cote]);
                if (memes[cote])
                    etat.Points[cote] = courant.Points[cote];
            }
            if (MemeEtat(courant, etat.EcartementZ, etat.Reglages, memes))
                continue;
        }
        EntreeSuivante() = std::move(etat);
    }
    brouillon.Vider();
}

void EtatUndo::CopierVers(CoupleProfils& profils) const
{
    profils.PointsE = Points[CoteE];
    profils.PointsS = Points[CoteS];
    profils.EcartementZ = EcartementZ;
    profils.FlecheBA = FlecheBA;
    profils.FlecheBF = FlecheBF;
    profils.DiedreMm = DiedreMm;
    profils.DiedreDeg = DiedreDeg;
}

CoupleProfils EtatUndo::Modele() const
{
    CoupleProfils profils;
    CopierVers(profils);
    CalculerExtremes(profils);
    return profils;
}

const EtatUndo* HistoriqueUndo::Annuler()
{
    if (m_entrees.empty())
        return nullptr;
    if (m_position >= 2)
        --m_position;
    return &m_entrees[size_t(m_position - 1)];
}

const EtatUndo* HistoriqueUndo::Retablir()
{
    if (m_entrees.empty())
        return nullptr;
    if (m_position < Taille())
        ++m_position;
    return &m_entrees[size_t(m_position - 1)];
}

void HistoriqueUndo::Vider()
{
    m_entrees.clear();
    m_position = 0;
}

} // namespace galbix
