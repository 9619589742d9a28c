#include "geomlib/PointFichier.h"

namespace galbix {

namespace {
constexpr char Alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int TailleAlphabet = 62;
} // namespace

void PoserCodeContour(PointFichier& p, int numeroContour)
{
    const int n = numeroContour % (TailleAlphabet * TailleAlphabet);
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
