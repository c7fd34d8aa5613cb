#ifndef SOUNDPLAYER_H
#define SOUNDPLAYER_H

#include <QUrl>

#include "ui/main/abstractsoundplayer.h"

class QMediaPlayer;

// The program's one audio player on Qt Multimedia: plays a compiled-in
// sound ("qrc:/...") or a local file, cutting off whatever was playing. A
// sound that fails to play is logged (almarik.sound) with the player's
// reason. It lives in app/ so that only the application object links the
// multimedia back end; the windows see AbstractSoundPlayer.
class SoundPlayer : public AbstractSoundPlayer
{
public:
    SoundPlayer() = default;
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    bool play(const QString &path, int volume) override;
    bool stop() override;

    // The URL play() hands to the player for a path: a sound name
    // ("qrc:/sounds/AzanOrvan.mp3") becomes its recording's resource URL.
    static QUrl urlFor(const QString &path);
    // The media player, created on first use: starting the multimedia
    // back end costs up to a second, which start-up need not pay.
    QMediaPlayer *player();

private:
    QMediaPlayer *m_player = nullptr;
};

#endif // SOUNDPLAYER_H
