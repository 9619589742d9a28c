#include "geomlib/PointFichier.h"

namespace galbix {

namespace {
constexpr char Alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int TailleAlphabet = 62;
} // namespace

void PoserCodeContour(PointFichier& p, int numeroContour)
{
    // Past the last code the numbering starts again at the second one: the first contour's
    // code is never given again, so a file's last contour never reads as its first.
    constexpr int NombreCodes = TailleAlphabet * TailleAlphabet;
    const int n = numeroContour < NombreCodes ? numeroContour : 1 + (numeroContour - 1) % (NombreCodes - 1);
    p.CodeContour[0] = Alphabet[n / TailleAlphabet];
    p.CodeContour[1] = Alphabet[n % TailleAlphabet];
}

std::vector<int> DebutsContours(const std::vector<PointFichier>& points)
{
    std::vector<int> debuts;
    for (size_t i = 0; i < points.size(); ++i)
        if (i == 0 || !MemeContour(points[i], points[i - 1]))
            debuts.push_back(int(i));
    return debuts;
}

} // namespace galbix
