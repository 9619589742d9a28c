#include "editing/Undo.h"

#include <algorithm>
#include <bit>
#include <new>
#include <utility>

namespace galbix {

namespace {

// Same points bit for bit: the sizes first, then every coordinate and state.
bool MemesPoints(const std::vector<PointProfil>& a, const std::vector<PointProfil>& b)
{
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
// by every restore, so they do not tell two states apart.
bool MemeEtat(const EtatUndo& entree, const CoupleProfils& profils, const ReglagesUndo& reglages)
{
    return MemesReglages(entree.Reglages, reglages)
        && std::bit_cast<uint32_t>(entree.Profils.EcartementZ) == std::bit_cast<uint32_t>(profils.EcartementZ)
        && MemesPoints(entree.Profils.PointsE, profils.PointsE) && MemesPoints(entree.Profils.PointsS, profils.PointsS);
}

} // namespace

// The entry that receives the next snapshot, placed right after the position. A redo state
// at that place, or the oldest entry when the history is full, lends its storage: the
// copy-assignment of the model then reuses the point arrays already allocated.
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

// Out of memory, the snapshot is not kept: the entry that was to receive it is removed and the
// previous state is current again.
void HistoriqueUndo::Enregistrer(const CoupleProfils& profils, const ReglagesUndo& reglages)
{
    // A snapshot equal to the current state would make one "Undo" show no change.
    if (m_position >= 1 && MemeEtat(m_entrees[size_t(m_position - 1)], profils, reglages))
        return;
    bool place = false;
    try {
        EtatUndo& entree = EntreeSuivante();
        place = true;
        entree.Profils = profils;
        entree.Reglages = reglages;
    } catch (const std::bad_alloc&) {
        if (place) {
            m_entrees.erase(m_entrees.begin() + (m_position - 1));
            --m_position;
        }
    }
}

// The room is made first, so that nothing below can fail halfway.
void HistoriqueUndo::Reprendre(HistoriqueUndo& brouillon)
{
    m_entrees.reserve(size_t(TailleMax));
    for (EtatUndo& etat : brouillon.m_entrees) {
        if (m_position >= 1 && MemeEtat(m_entrees[size_t(m_position - 1)], etat.Profils, etat.Reglages))
            continue;
        EntreeSuivante() = std::move(etat);
    }
    brouillon.Vider();
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
