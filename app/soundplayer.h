#ifndef SOUNDPLAYER_H
#define SOUNDPLAYER_H

#include <QString>
#include <QUrl>

class QMediaPlayer;

// The program's one audio player: plays a compiled-in sound ("qrc:/...")
// or a local file, cutting off whatever was playing.
class SoundPlayer
{
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    bool play(const QString &path, int volume);
    bool stop();

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
