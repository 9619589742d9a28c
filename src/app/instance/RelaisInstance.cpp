#include "app/instance/RelaisInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace galbix {

namespace {

/// Receipt written back by the running copy once the request is read.
constexpr char Accuse = '\n';

/// Pause between two connection attempts while the running copy is still starting.
constexpr int PauseEssaiMs = 50;

QString NomUtilisateur()
{
    QString nom = qEnvironmentVariable("USER");
    if (nom.isEmpty())
        nom = qEnvironmentVariable("USERNAME");
    return nom.isEmpty() ? QStringLiteral("utilisateur") : nom;
}

} // namespace

QString NomRelaisInstance(const QString& dossierReglages)
{
    const QByteArray chemin = QDir::cleanPath(QDir(dossierReglages).absolutePath()).toUtf8();
    const QByteArray empreinte = QCryptographicHash::hash(chemin, QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("galbix-%1-%2").arg(NomUtilisateur(), QString::fromLatin1(empreinte));
}

RelaisInstance::RelaisInstance(const QString& nom, QObject* parent) : QObject(parent), m_nom(nom) {}

RelaisInstance::~RelaisInstance() = default;

bool RelaisInstance::Ecouter()
{
    if (m_serveur)
        return m_serveur->isListening();
    m_serveur = new QLocalServer(this);
    m_serveur->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_serveur, &QLocalServer::newConnection, this, &RelaisInstance::Accepter);
    if (m_serveur->listen(m_nom))
        return true;
    // The caller holds the lock: a socket still there belongs to a copy that ended badly.
    QLocalServer::removeServer(m_nom);
    return m_serveur->listen(m_nom);
}

void RelaisInstance::Accepter()
{
    while (QLocalSocket* client = m_serveur->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            if (!client->canReadLine())
                return;
            const QString argument = QString::fromUtf8(client->readLine()).chopped(1);
            client->write(&Accuse, 1);
            client->flush();
            emit demande(argument);
        });
    }
}

bool RelaisInstance::Transmettre(const QString& argument, int delaiMs) const
{
    const QDeadlineTimer fin(delaiMs);
    QLocalSocket socket;
    // The running copy may hold the lock without listening yet: a few attempts.
    for (;;) {
        socket.connectToServer(m_nom);
        if (socket.waitForConnected(int(std::max<qint64>(1, fin.remainingTime()))))
            break;
        if (fin.hasExpired())
            return false;
        QThread::msleep(PauseEssaiMs);
    }
    QByteArray ligne = argument.toUtf8();
    ligne.replace('\n', ' ');
    ligne.append('\n');
    socket.write(ligne);
    if (!socket.waitForBytesWritten(int(std::max<qint64>(1, fin.remainingTime()))))
        return false;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(int(std::max<qint64>(1, fin.remainingTime()))))
            return false;
    return true;
}

} // namespace galbix
