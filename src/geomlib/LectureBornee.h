#pragma once
// Whole-file reads with a hard cap: every file the program reads goes through here, so that a
// device or an endless file can never make it grow memory without limit.

#include <QByteArray>
#include <QString>

namespace galbix {

/// What a bounded read gives back.
struct ContenuFichier {
    bool ok = false;
    bool tropVolumineux = false; ///< more than the cap was there to read
    QByteArray octets;
};

/// Reads the whole file at `chemin`, never more than tol::TailleMaxFichier bytes whatever size
/// the system reports (devices, pipes and growing files included); refuses past the cap.
ContenuFichier LireFichierBorne(const QString& chemin);

/// Same with a smaller cap (bytes); a cap above tol::TailleMaxFichier counts as that one.
ContenuFichier LireFichierBorne(const QString& chemin, long long cap);

} // namespace galbix
