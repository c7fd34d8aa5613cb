#include "app/soundplayer.h"

#include <QMediaPlayer>

#include "core/soundrecordings.h"

SoundPlayer::~SoundPlayer()
{
    delete m_player;
}

QUrl SoundPlayer::urlFor(const QString &path)
{
    if (path.left(5).compare(QLatin1String("qrc:/"), Qt::CaseInsensitive) == 0) {
        // A sound name stands for a recording that other names may share.
        const QString recording = SoundRecordings::recordingUrl(path);
        return QUrl(recording.isEmpty() ? path : recording);
    }
    return QUrl::fromLocalFile(path);
}

QMediaPlayer *SoundPlayer::player()
{
    if (!m_player)
        m_player = new QMediaPlayer;
    return m_player;
}

bool SoundPlayer::play(const QString &path, int volume)
{
    QMediaPlayer *mediaPlayer = player();
    mediaPlayer->stop();
    mediaPlayer->setMedia(urlFor(path));
    mediaPlayer->setVolume(volume);
    mediaPlayer->play();
    return true;
}

bool SoundPlayer::stop()
{
    // Nothing can be playing before the first sound.
    if (m_player)
        m_player->stop();
    return true;
}
