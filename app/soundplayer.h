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
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    bool play(const QString &path, int volume);
    bool stop();

    // The URL play() hands to the player for a path.
    static QUrl urlFor(const QString &path);
    QMediaPlayer *player() const { return m_player; }

private:
    QMediaPlayer *m_player;
};

#endif // SOUNDPLAYER_H
