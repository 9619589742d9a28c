#pragma once
// Runs galbix-cli as a script would and collects what it gives back.

#include "common/Emplacements.h"
#include "common/Octets.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

namespace galbix::tests {

struct ResultatCli {
    int statut = -1; ///< exit status, -1 when the program crashed or hung
    QByteArray sortie;
    QByteArray erreurs;
    /// The JSON object printed on stdout (empty when there is none).
    QJsonObject Json() const { return QJsonDocument::fromJson(sortie).object(); }
};

/// Runs galbix-cli with `args` in the working folder `dossier` (the current one when empty)
/// and waits for it (one minute at most).
inline ResultatCli LancerCli(const QStringList& args, const QString& dossier = QString())
{
    QProcess p;
    if (!dossier.isEmpty())
        p.setWorkingDirectory(dossier);
    p.start(ProgrammeCli(), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace galbix::tests
