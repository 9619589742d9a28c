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
    if (m_verrou->isLocked())
        return true;
    return m_verrou->tryLock(0);
}

} // namespace galbix
