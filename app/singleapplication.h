#ifndef SINGLEAPPLICATION_H
#define SINGLEAPPLICATION_H

#include <QApplication>
#include <QString>

#include <memory>

#include "core/programmodule.h"

class InstanceChannel;
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
//
// The lock is taken at once, so whether another copy runs is known before
// anything is built. The socket's channel lives in the instance module
// (AlmarikInstance, Qt Network), loaded by the first copy when
// listenForMessages() is called once it is up, and by a later copy when it
// sends its message; a later copy keeps trying while the first one is
// still starting.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    // instanceModule: the instance module's file; empty for the one
    // beside the program.
    SingleApplication(int &argc, char **argv, const QString &instanceModule = QString());
    ~SingleApplication() override;

    // True when another copy already runs; this copy then serves nothing.
    bool isRunning() const { return m_running; }
    // Sends a message to the running copy; true when it was delivered
    // within timeout milliseconds. False, and logged, when the instance
    // module cannot be loaded.
    bool sendMessage(const QString &message, int timeout = 5000);
    // The copy that runs starts serving the later copies; true once it
    // serves. False in a later copy, and, logged, when the module cannot
    // be loaded or the socket cannot be served: the program then runs on
    // without hearing later copies. Calling it again does nothing.
    bool listenForMessages();
    bool isListening() const { return m_listening; }
    QString key() const { return m_key; }
    // The local socket's name: on Unix a path in the user's private
    // runtime folder.
    QString serverName() const { return m_serverName; }

    // The key for a program path and user name: equal inputs give equal keys.
    static QString keyFor(const QString &programPath, const QString &userName);

signals:
    void messageReceived(const QString &message);

private:
    // The channel, loading the module on the first call; null when it
    // cannot be loaded.
    InstanceChannel *channel();

    QString m_key;
    QString m_serverName;
    QLockFile *m_lock = nullptr;
    ProgramModule m_module;
    std::unique_ptr<InstanceChannel> m_channel;
    bool m_channelTried = false;
    bool m_running = false;
    bool m_listenTried = false;
    bool m_listening = false;
};

#endif // SINGLEAPPLICATION_H
