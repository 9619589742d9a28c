#pragma once
// One point of a profile and its state bits.

#include <cstdint>

namespace galbix {

/// Point state bits; a point may carry several at once.
constexpr int16_t EtatSelection = 1;   ///< selected
constexpr int16_t EtatReference = 2;   ///< reference point (alignment)
constexpr int16_t EtatSynchro = 4;     ///< synchronisation point
constexpr int16_t EtatAConserver = 128; ///< transient mark of the synchronous cleaning

/// Side index: 0 = root (E), 1 = tip (S).
constexpr int CoteE = 0;
constexpr int CoteS = 1;

struct PointProfil {
    float X = 0.0f;
    float Y = 0.0f;
    int16_t Etat = 0;
    friend bool operator==(const PointProfil&, const PointProfil&) = default;
};

/// True when every bit of `bit` is set in the point's state.
inline bool AEtat(const PointProfil& p, int16_t bit) { return (p.Etat & bit) == bit; }
/// Sets `bit` in the point's state (never twice).
inline void PoserEtat(PointProfil& p, int16_t bit) { if (!AEtat(p, bit)) p.Etat = int16_t(p.Etat + bit); }
/// Clears `bit` from the point's state (only when set).
inline void OterEtat(PointProfil& p, int16_t bit) { if (AEtat(p, bit)) p.Etat = int16_t(p.Etat - bit); }

} // namespace galbix
