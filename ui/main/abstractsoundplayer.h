#ifndef ABSTRACTSOUNDPLAYER_H
#define ABSTRACTSOUNDPLAYER_H

#include <QString>

// The program's one audio output as the windows see it: plays a
// compiled-in sound ("qrc:/...") or a local file at a volume (0-100),
// cutting off whatever was playing. The application object supplies the
// real player; tests supply a recorder.
class AbstractSoundPlayer
{
public:
    virtual ~AbstractSoundPlayer() = default;

    // False when the sound cannot be started.
    virtual bool play(const QString &path, int volume) = 0;
    virtual bool stop() = 0;
};

#endif // ABSTRACTSOUNDPLAYER_H
