#pragma once
// Replacing files without ever losing them. The new content goes to a temporary file in the
// target's folder; every write is checked, the file is flushed, synced to the disk and
// closed, and only then renamed over the target. Until the rename the target keeps its old
// content, after it the new one: a full disk, a write error or the process being killed at
// any moment never leaves it empty or cut off.
//
// The target is what the path finally names: every symbolic link of a chain is followed and
// stays a link. A character device (such as /dev/null) is written to directly, since it
// cannot be replaced; any other target that is not a regular file (folder, pipe, socket,
// block device) is refused.
//
// A save killed before its rename leaves its temporary file behind. The next save of the
// same target removes such leftovers when they are stale: unchanged for a minute, and (on
// systems with file locks) not locked, since a save holds a lock on its temporary file from
// its creation until its rename.

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace galbix {

/// Creates the temporary file `cheminTemporaire` (new, empty, opened for writing) and returns
/// the device its bytes go to; nullptr when it cannot be created.
using OuvrirTemporaire = std::function<std::unique_ptr<QFileDevice>(const QString& cheminTemporaire)>;

/// The usual way: a QFile created new (never an existing file) and opened write-only.
std::unique_ptr<QFileDevice> OuvrirFichierTemporaire(const QString& cheminTemporaire);

/// One replacement in two steps, so that several files can be written in full before any of
/// them is put in place. The temporary file is removed unless Remplacer succeeded.
class RemplacementFichier {
public:
    explicit RemplacementFichier(const QString& cible, OuvrirTemporaire ouvrir = OuvrirFichierTemporaire);
    ~RemplacementFichier();
    RemplacementFichier(const RemplacementFichier&) = delete;
    RemplacementFichier& operator=(const RemplacementFichier&) = delete;

    /// Writes `contenu` to a new temporary file, flushes, syncs and closes it; false (and
    /// the temporary file removed) when any step fails.
    bool Preparer(const QByteArray& contenu);
    /// Renames the prepared file over the target and syncs the folder; false when the
    /// rename fails (the target is then unchanged).
    bool Remplacer();

private:
    void Abandonner();

    QString m_cible;          // the file replaced, links followed; empty for a loop of links
    QString m_temporaire;     // empty when there is no temporary file
    OuvrirTemporaire m_ouvrir;
    bool m_prepare = false;
    QByteArray m_direct;      // content for a character device, written by Remplacer
    bool m_peripherique = false;
    int m_verrou = -1;        // descriptor holding the lock on the temporary file
};

/// True when `chemin`, links followed, names a character device.
bool EstPeripheriqueCaractere(const QString& chemin);

/// Removes the temporary files that killed saves of `chemin` left in its folder, when they
/// are stale (see above); the number removed.
int SupprimerTemporairesAbandonnes(const QString& chemin);

/// Replaces `chemin` with `contenu`; false, with the previous file intact, on any failure.
bool EcrireFichierAtomique(const QString& chemin, const QByteArray& contenu);

/// The same, with the temporary file opened by `ouvrir`.
bool EcrireFichierAtomique(const QString& chemin, const QByteArray& contenu, const OuvrirTemporaire& ouvrir);

/// Replaces several files: all of them are written and synced under temporary names first,
/// then renamed one after the other. False when a write fails (no target touched) or a
/// rename fails (the files renamed before it hold their new content).
bool EcrireFichiersAtomiques(const std::vector<std::pair<QString, QByteArray>>& fichiers,
                             const OuvrirTemporaire& ouvrir = OuvrirFichierTemporaire);

} // namespace galbix
