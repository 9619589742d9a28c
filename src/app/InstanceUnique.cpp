#include "app/InstanceUnique.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace galbix {

InstanceUnique::InstanceUnique(const QString& nom, const QString& dossier)
{
    QString lieu = dossier;
    if (lieu.isEmpty())
        lieu = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (lieu.isEmpty())
        lieu = QDir::tempPath();
    QDir().mkpath(lieu);
    m_verrou = std::make_unique<QLockFile>(QDir(lieu).filePath(nom));
    // A running copy keeps its lock however long it runs; only a dead owner makes it stale.
    m_verrou->setStaleLockTime(0);
}

InstanceUnique::~InstanceUnique() = default;

bool InstanceUnique::Verrouiller()
{
    if (m_verrou->isLocked() || m_verrou->tryLock(0))
        return true;
    if (m_verrou->error() == QLockFile::LockFailedError)
        return false;
    // The lock cannot be taken (full disk, missing rights...): better two copies than none.
    qWarning("galbix : verrou %s impossible à poser, démarrage sans contrôle d'instance unique",
             qPrintable(QDir::toNativeSeparators(m_verrou->fileName())));
    return true;
}

} // namespace galbix
