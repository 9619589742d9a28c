#pragma once
// A temporary program folder for window tests: GALBIX_DOSSIER points at it while it lives.

#include "app/DossierProgramme.h"

#include <QByteArray>
#include <QTemporaryDir>

namespace galbix::tests {

class DossierProgrammeTemporaire {
public:
    DossierProgrammeTemporaire() : m_avant(qgetenv(VariableDossierProgramme))
    { qputenv(VariableDossierProgramme, m_dossier.path().toLocal8Bit()); }
    ~DossierProgrammeTemporaire() { qputenv(VariableDossierProgramme, m_avant); }
    DossierProgrammeTemporaire(const DossierProgrammeTemporaire&) = delete;
    DossierProgrammeTemporaire& operator=(const DossierProgrammeTemporaire&) = delete;

    /// The folder's path.
    QString path() const { return m_dossier.path(); }
    /// A file of the folder.
    QString filePath(const QString& nom) const { return m_dossier.filePath(nom); }

private:
    QByteArray m_avant;
    QTemporaryDir m_dossier;
};

} // namespace galbix::tests
