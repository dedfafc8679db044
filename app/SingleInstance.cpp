#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace {

const QByteArray kShowRequest = "show\n";

}  // namespace

SingleInstance::SingleInstance(const QString& settingsFile, QObject* parent) : QObject(parent) {
    // Keyed by the settings file, so two installations (or a test's private folder) run side by
    // side; the hash keeps the socket path short whatever the folder's name.
    const QString canonical = QFileInfo(settingsFile).absoluteFilePath();
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QString base = folder + QStringLiteral("/miravelo-") + key;
    m_lockPath = base + QStringLiteral(".lock");
    m_socketPath = base + QStringLiteral(".sock");
}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::claim() {
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Held for the whole run: the lock only goes stale with its process.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        const bool taken = m_lock->error() == QLockFile::LockFailedError;
        m_lock.reset();
        return !taken;
    }
    // A socket file left by a program that died would make listening fail.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readRequest);
    m_server->listen(m_socketPath);
    return true;
}

void SingleInstance::readRequest() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(kShowRequest.trimmed()))
                emit showRequested();
            socket->disconnectFromServer();
        });
    }
}

bool SingleInstance::askRunningToShow(int msecs) {
    QLocalSocket socket;
    QElapsedTimer waited;
    waited.start();
    // The running one may hold the lock a moment before it listens.
    for (;;) {
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(msecs))
            break;
        if (waited.elapsed() >= msecs)
            return false;
        QThread::msleep(50);
    }
    socket.write(kShowRequest);
    const bool sent = socket.waitForBytesWritten(msecs);
    socket.disconnectFromServer();
    return sent;
}

void SingleInstance::release() {
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_lock) {
        m_lock->unlock();
        m_lock.reset();
    }
}
