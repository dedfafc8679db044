#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One running program per settings file: two windows would share the camera and both write
// Tesmora.ini. The first start holds a lock file and listens on a local socket, both in the
// user's runtime folder and named after the settings file; a later start asks the running one to
// come to the front and ends. The lock, not the socket, decides who runs: a program that died
// leaves a stale lock that the next start takes over.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& settingsFile, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process may run: it now holds the lock and listens. False only when
    // another process holds it; when the lock cannot be made at all, the program runs unguarded
    // rather than not at all.
    bool claim();
    // Asks the running program to show its window; false when it did not answer in time.
    bool askRunningToShow(int msecs = 5000);
    // Lets a new instance start while this one is still ending (a language change restarts).
    void release();

signals:
    // A second start asked for the window.
    void showRequested();

private:
    void readRequest();

    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
