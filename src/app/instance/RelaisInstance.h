#pragma once
// The hand-over between two starts of the program: the running copy listens on a local
// socket named after the user and the settings folder; a later start sends it its argument
// string instead of opening a second window.

#include <QObject>
#include <QString>

class QLocalServer;

namespace galbix {

/// Name of the local socket of the copy that uses the settings folder `dossierReglages`,
/// for the current user.
QString NomRelaisInstance(const QString& dossierReglages);

class RelaisInstance : public QObject {
    Q_OBJECT

public:
    /// A relay on the local socket `nom`; nothing is opened yet.
    explicit RelaisInstance(const QString& nom, QObject* parent = nullptr);
    ~RelaisInstance() override;

    /// Listens for later starts (a socket left by a copy that died is replaced); false when
    /// the socket cannot be opened. Only the copy that holds the single-instance lock listens.
    bool Ecouter();
    /// Sends `argument` to the running copy and waits for its receipt, at most `delaiMs`
    /// milliseconds in all; false when no copy answered.
    bool Transmettre(const QString& argument, int delaiMs) const;

signals:
    /// A later start sent its argument string (possibly empty).
    void demande(const QString& argument);

private:
    void Accepter();

    QString m_nom;
    QLocalServer* m_serveur = nullptr;
};

} // namespace galbix
