#pragma once
// One running copy of the program at a time: a lock file in the user's runtime folder.

#include <QString>
#include <memory>

class QLockFile;

namespace galbix {

class InstanceUnique {
public:
    /// Lock named `nom` in `dossier` (the user's runtime folder when empty).
    explicit InstanceUnique(const QString& nom = QStringLiteral("galbix.lock"), const QString& dossier = {});
    ~InstanceUnique();
    InstanceUnique(const InstanceUnique&) = delete;
    InstanceUnique& operator=(const InstanceUnique&) = delete;

    /// Takes the lock; false only when another running copy holds it. A lock left by a copy
    /// that ended without releasing it is taken over; a lock that cannot be written (full
    /// folder, no rights) lets the program start, with a warning on the error output.
    bool Verrouiller();

private:
    std::unique_ptr<QLockFile> m_verrou;
};

} // namespace galbix
