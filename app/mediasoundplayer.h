#ifndef MEDIASOUNDPLAYER_H
#define MEDIASOUNDPLAYER_H

#include <QUrl>

#include "ui/main/abstractsoundplayer.h"

class QMediaPlayer;

// The audio player on Qt Multimedia: plays a compiled-in sound ("qrc:/...")
// or a local file, cutting off whatever was playing. A sound that fails to
// play is logged (almarik.sound) with the player's reason. It is built into
// the sound module (AlmarikSound), which SoundPlayer loads at the first
// sound, so that a start neither loads nor maps the multimedia libraries.
class MediaSoundPlayer : public AbstractSoundPlayer
{
public:
    MediaSoundPlayer() = default;
    ~MediaSoundPlayer() override;
    MediaSoundPlayer(const MediaSoundPlayer &) = delete;
    MediaSoundPlayer &operator=(const MediaSoundPlayer &) = delete;

    bool play(const QString &path, int volume) override;
    bool stop() override;
    QString source() const override;
    int volume() const override;
    bool isPlaying() const override;

    // The URL play() hands to the player for a path: a sound name
    // ("qrc:/sounds/AzanOrvan.mp3") becomes its recording's resource URL.
    static QUrl urlFor(const QString &path);
    // The media player, created on first use.
    QMediaPlayer *player();

private:
    QMediaPlayer *m_player = nullptr;
};

#endif // MEDIASOUNDPLAYER_H
