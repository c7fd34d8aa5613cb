#ifndef ABSTRACTSOUNDPLAYER_H
#define ABSTRACTSOUNDPLAYER_H

#include <QString>

#include <functional>

// The program's one audio output as the windows see it: plays a
// compiled-in sound ("qrc:/...") or a local file at a volume (0-100),
// cutting off whatever was playing. The application object supplies the
// real player; tests supply a recorder.
//
// A sound that cannot be played (no audio device, a file the back end
// cannot decode) is reported to the failure handler with the reason, at
// once or when the back end finds out; one window listens.
class AbstractSoundPlayer
{
public:
    using FailureHandler = std::function<void(const QString &reason)>;

    virtual ~AbstractSoundPlayer() = default;

    // False when the sound cannot be started.
    virtual bool play(const QString &path, int volume) = 0;
    virtual bool stop() = 0;

    // What plays or last played (its URL), at which volume, and whether it
    // still plays.
    virtual QString source() const { return QString(); }
    virtual int volume() const { return 0; }
    virtual bool isPlaying() const { return false; }

    // Sets the one handler, on behalf of `owner`; an empty handler removes
    // it. clearFailureHandler() removes it only if `owner` set it.
    void setFailureHandler(const void *owner, FailureHandler handler)
    {
        m_failureOwner = handler ? owner : nullptr;
        m_failureHandler = std::move(handler);
    }
    void clearFailureHandler(const void *owner)
    {
        if (owner == m_failureOwner)
            setFailureHandler(nullptr, {});
    }

protected:
    void reportFailure(const QString &reason) const
    {
        if (m_failureHandler)
            m_failureHandler(reason);
    }

private:
    const void *m_failureOwner = nullptr;
    FailureHandler m_failureHandler;
};

#endif // ABSTRACTSOUNDPLAYER_H
