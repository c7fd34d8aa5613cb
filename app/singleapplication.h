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
// The first copy holds a lock file named by a key derived from the
// program's path and the user, in the user's private runtime folder. A
// lock whose owner cannot be confirmed alive (a crashed copy, an empty or
// garbage file) is stale, so the next start takes over.
//
// The lock is taken at once, so whether another copy runs is known before
// anything is built. The first copy serves the later ones once
// listenForMessages() is called when it is up: on the session bus through
// the desktop module (AlmarikDesktop, Qt D-Bus, which the desktop's
// platform plug-in loads anyway) when there is one, else (no bus, or
// Windows) on a local socket in the same folder as the lock, through the
// instance module (AlmarikInstance, Qt Network). A later copy looks for
// either until its time is up, so it reaches a first copy that is still
// starting, whichever channel that copy serves.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    // instanceModule, desktopModule: the socket's and the bus's module
    // files; empty for the ones beside the program.
    SingleApplication(int &argc, char **argv, const QString &instanceModule = QString(),
                      const QString &desktopModule = QString());
    ~SingleApplication() override;

    // True when another copy already runs; this copy then serves nothing.
    bool isRunning() const { return m_running; }
    // Sends a message to the running copy; true when it was delivered
    // within timeout milliseconds. False, and logged, when no copy served
    // in time or the module of the channel it serves cannot be loaded.
    bool sendMessage(const QString &message, int timeout = 5000);
    // The copy that runs starts serving the later copies; true once it
    // serves. False in a later copy, and, logged, when neither the bus nor
    // the socket can be served (modules missing): the program then runs on
    // without hearing later copies. Calling it again does nothing.
    bool listenForMessages();
    bool isListening() const { return m_listening; }
    // True when this copy serves on the session bus rather than the socket.
    bool isListeningOnBus() const { return m_listening && m_served == m_busChannel.get(); }
    QString key() const { return m_key; }
    // The local socket's name: on Unix a path in the user's private
    // runtime folder.
    QString serverName() const { return m_serverName; }

    // The key for a program path and user name: equal inputs give equal keys.
    static QString keyFor(const QString &programPath, const QString &userName);

signals:
    void messageReceived(const QString &message);

private:
    // The channels, loading their modules on the first call; null when a
    // module cannot be loaded (and, for the bus, on Windows).
    InstanceChannel *socketChannel();
    InstanceChannel *busChannel();
    // True when a copy serves the socket now; on Windows, where a named
    // pipe cannot be looked at, always true.
    bool socketIsServed() const;

    QString m_key;
    QString m_serverName;
    QLockFile *m_lock = nullptr;
    ProgramModule m_module;
    ProgramModule m_desktopModule;
    std::unique_ptr<InstanceChannel> m_channel;
    std::unique_ptr<InstanceChannel> m_busChannel;
    InstanceChannel *m_served = nullptr;
    bool m_channelTried = false;
    bool m_busChannelTried = false;
    bool m_running = false;
    bool m_listenTried = false;
    bool m_listening = false;
};

#endif // SINGLEAPPLICATION_H
