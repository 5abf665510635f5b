#pragma once
// One running copy per user: a lock file marks the running program and a local socket
// lets a second start ask it to come forward.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace app::ui {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The key names the lock file and the socket (both in the temporary directory).
    explicit SingleInstance(QString key = defaultKey());
    ~SingleInstance() override;

    // True when this process is now the running program. A lock left by a run that
    // crashed is taken over.
    bool acquire();
    // Asks the running program to bring its main window forward; false when it could
    // not be reached.
    bool activateRunning(int timeoutMs = 1000);

    static QString defaultKey();

signals:
    void activationRequested();

private:
    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

} // namespace app::ui
