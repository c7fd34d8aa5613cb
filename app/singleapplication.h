#ifndef SINGLEAPPLICATION_H
#define SINGLEAPPLICATION_H

#include <QApplication>
#include <QString>

class QLocalServer;
class QLockFile;

// A QApplication that knows whether another copy of the same program file
// runs for the same user, can hand that copy a message, and receives the
// messages of copies started later.
//
// The first copy holds a lock file and serves a local socket, both named
// by a key derived from the program's path and the user, both in the
// user's private runtime folder. A lock whose owner cannot be confirmed
// alive (a crashed copy, an empty or garbage file) is stale, so the next
// start takes over.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    SingleApplication(int &argc, char **argv);
    ~SingleApplication() override;

    // True when another copy already runs; this copy then serves nothing.
    bool isRunning() const { return m_running; }
    // Sends a message to the running copy; true when it was delivered
    // within timeout milliseconds.
    bool sendMessage(const QString &message, int timeout = 5000);
    QString key() const { return m_key; }
    // The local socket's name: on Unix a path in the user's private
    // runtime folder.
    QString serverName() const { return m_serverName; }

    // The key for a program path and user name: equal inputs give equal keys.
    static QString keyFor(const QString &programPath, const QString &userName);

signals:
    void messageReceived(const QString &message);

private:
    void startServer();
    void readConnection();

    QString m_key;
    QString m_serverName;
    QLockFile *m_lock = nullptr;
    QLocalServer *m_server = nullptr;
    bool m_running = false;
};

#endif // SINGLEAPPLICATION_H
