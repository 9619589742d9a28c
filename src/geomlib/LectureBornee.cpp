#include "geomlib/LectureBornee.h"

#include "geomlib/Tolerances.h"

#include <QFile>
#include <algorithm>
#include <new>

namespace galbix {

namespace {

// Chunk read at a time when the size is unknown or wrong (devices, pipes).
constexpr qint64 Morceau = qint64(1) << 20;

} // namespace

ContenuFichier LireFichierBorne(const QString& chemin)
{
    return LireFichierBorne(chemin, tol::TailleMaxFichier);
}

ContenuFichier LireFichierBorne(const QString& chemin, long long cap)
{
    ContenuFichier c;
    const qint64 limite = qint64(std::clamp(cap, 0LL, tol::TailleMaxFichier));
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return c;
    try {
        // The reported size is only a hint: it is 0 for devices and may change while reading.
        const qint64 annonce = fichier.isSequential() ? 0 : fichier.size();
        if (annonce > limite) {
            c.tropVolumineux = true;
            return c;
        }
        c.octets.reserve(qsizetype(std::max<qint64>(annonce, 0)) + 1);
        for (;;) {
            const qint64 deja = c.octets.size();
            // One byte beyond the cap tells a file of exactly the cap from a longer one. While
            // the room reserved from the reported size lasts, reads stay within it: the end of
            // the file then costs no growth (a copy of everything read, twice the memory).
            const qint64 place = qint64(c.octets.capacity()) - deja;
            const qint64 voulu = std::min({Morceau, limite + 1 - deja, place > 0 ? place : Morceau});
            if (voulu <= 0) {
                c.tropVolumineux = true;
                c.octets.clear();
                return c;
            }
            if (c.octets.capacity() < deja + voulu)
                c.octets.reserve(qsizetype(std::min(std::max(deja + voulu, 2 * deja), limite + 1)));
            c.octets.resize(qsizetype(deja + voulu));
            const qint64 lu = fichier.read(c.octets.data() + deja, voulu);
            if (lu < 0) {
                c.octets.clear();
                return c;
            }
            c.octets.resize(qsizetype(deja + lu));
            if (lu == 0)
                break;
        }
    } catch (const std::bad_alloc&) {
        c.octets.clear();
        return c;
    }
    c.ok = true;
    return c;
}

} // namespace galbix
