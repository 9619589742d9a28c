#pragma once
#include <cstdint>
#include <cstring>
#include <vector>

namespace galbix {

/// The 16-byte record exchanged with the geometry library.
struct PointFichier {
    float X = 0.0f;
    float Y = 0.0f;
    char Reserve[4] = {0, 0, 0, 0};   ///< neither read nor set by the program
    char CodeContour[2] = {0, 0};     ///< consecutive records with the same code form one contour
    char Alignement[2] = {0, 0};      ///< padding to 16 bytes
};
static_assert(sizeof(PointFichier) == 16, "PointFichier is a 16-byte record");

/// True when both records carry the same contour code.
inline bool MemeContour(const PointFichier& a, const PointFichier& b)
{
    return a.CodeContour[0] == b.CodeContour[0] && a.CodeContour[1] == b.CodeContour[1];
}

/// Sets the contour code of the n-th contour (0-based): codes of consecutive contours always differ,
/// the first 3844 contours get distinct codes ("00", "01", ... "zz" over 0-9A-Za-z), and only
/// contour 0 gets "00" (later contours cycle over the other 3843).
void PoserCodeContour(PointFichier& p, int numeroContour);

/// Start index of each contour (runs of equal codes) of a record array, in order.
std::vector<int> DebutsContours(const std::vector<PointFichier>& points);

} // namespace galbix
