#include "app/ui/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace app::ui {

namespace {
constexpr char kActivate[] = "activate\n";
}

QString SingleInstance::defaultKey()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    if (user.isEmpty())
        user = QStringLiteral("user");
    return QStringLiteral("baibao-suanxia-%1").arg(user);
}

SingleInstance::SingleInstance(QString key) : m_key(std::move(key)) {}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

bool SingleInstance::acquire()
{
    m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(m_key + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0); // stale only when its process is gone
    if (!m_lock->tryLock(100)) {
        // tryLock clears a lock whose process no longer runs; one more try covers the race
        // with a program that is just ending.
        if (!(m_lock->removeStaleLockFile() && m_lock->tryLock(0)))
            return false;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        QLocalServer::removeServer(m_key); // a socket left by a crashed run
        m_server->listen(m_key);
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().startsWith("activate"))
                    emit activationRequested();
                s->disconnectFromServer();
            });
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    return true;
}

bool SingleInstance::activateRunning(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kActivate);
    const bool ok = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return ok;
}

} // namespace app::ui
