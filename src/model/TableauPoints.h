#pragma once
// A side's point array, shared copy-on-write: copies of a TableauPoints (the undo history's
// entries, a command's working copy) share one array until one of them is written to. Reading
// never copies; the first write to an array held elsewhere too copies it once ("detaches").
//
// Writes go through Modifier(), which detaches and hands out the array itself, or through the
// few whole-array operations below. The reference Modifier() returns is valid until the next
// copy or assignment of this TableauPoints: take it once before a loop, never keep it across a
// snapshot. Sharing is read-only and may cross threads; one TableauPoints is not itself
// thread-safe.

#include "model/PointProfil.h"

#include <atomic>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <vector>

namespace galbix {

class TableauPoints {
public:
    using value_type = PointProfil;
    using size_type = size_t;
    using const_iterator = std::vector<PointProfil>::const_iterator;
    using iterator = const_iterator; ///< reading only: writes go through Modifier()

    /// An empty array (no allocation).
    TableauPoints() = default;
    /// Takes `points` over (moved in: no copy when given an rvalue).
    TableauPoints(std::vector<PointProfil> points) { Remplacer(std::move(points)); }
    /// An array of these points.
    TableauPoints(std::initializer_list<PointProfil> points) : TableauPoints(std::vector<PointProfil>(points)) {}
    /// Replaces the points by `points` (this array only; sharers keep theirs).
    TableauPoints& operator=(std::vector<PointProfil> points) { Remplacer(std::move(points)); return *this; }
    /// Same, from a list.
    TableauPoints& operator=(std::initializer_list<PointProfil> points) { Remplacer(std::vector<PointProfil>(points)); return *this; }

    /// The points, read-only (never copies).
    const std::vector<PointProfil>& Lire() const { return m_points ? *m_points : Vide(); }
    /// Same, for the functions that take a vector.
    operator const std::vector<PointProfil>&() const { return Lire(); }

    /// Number of points.
    size_t size() const { return m_points ? m_points->size() : 0; }
    /// True when there is no point.
    bool empty() const { return size() == 0; }
    /// Point at index `i` (0-based), read-only.
    const PointProfil& operator[](size_t i) const { return (*m_points)[i]; }
    /// First and last points, read-only (the array is not empty).
    const PointProfil& front() const { return m_points->front(); }
    const PointProfil& back() const { return m_points->back(); }
    /// Read-only iteration.
    const_iterator begin() const { return Lire().begin(); }
    const_iterator end() const { return Lire().end(); }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }
    /// The points as a C array, read-only.
    const PointProfil* data() const { return Lire().data(); }

    /// The array to write to, copied first when shared (see above).
    std::vector<PointProfil>& Modifier()
    {
        if (!m_points)
            m_points = std::make_shared<std::vector<PointProfil>>();
        else if (m_points.use_count() > 1)
            m_points = std::make_shared<std::vector<PointProfil>>(*m_points);
        else // the last other holder may have let go on another thread: see its reads done
            std::atomic_thread_fence(std::memory_order_acquire);
        return *m_points;
    }
    /// Empties this array (sharers keep theirs).
    void clear() { m_points.reset(); }
    /// Appends one point (detaches first).
    void push_back(const PointProfil& p) { Modifier().push_back(p); }
    /// Replaces the points by `n` copies of `p`.
    void assign(size_t n, const PointProfil& p) { Remplacer(std::vector<PointProfil>(n, p)); }
    /// Replaces the points by those of [debut, fin).
    template <typename It>
    void assign(It debut, It fin) { Remplacer(std::vector<PointProfil>(debut, fin)); }

    /// True when this array and `autre` are one and the same (shared, or both empty).
    bool Partage(const TableauPoints& autre) const { return m_points == autre.m_points || (empty() && autre.empty()); }

    friend bool operator==(const TableauPoints& a, const TableauPoints& b) { return a.Partage(b) || a.Lire() == b.Lire(); }
    friend bool operator==(const TableauPoints& a, const std::vector<PointProfil>& b) { return a.Lire() == b; }

private:
    void Remplacer(std::vector<PointProfil>&& points)
    {
        m_points = points.empty() ? nullptr : std::make_shared<std::vector<PointProfil>>(std::move(points));
    }
    static const std::vector<PointProfil>& Vide()
    {
        static const std::vector<PointProfil> vide;
        return vide;
    }

    std::shared_ptr<std::vector<PointProfil>> m_points; ///< null when empty
};

} // namespace galbix
