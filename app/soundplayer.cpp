#include "app/soundplayer.h"

#include <QMediaPlayer>

SoundPlayer::SoundPlayer()
    : m_player(new QMediaPlayer)
{
}

SoundPlayer::~SoundPlayer()
{
    delete m_player;
}

QUrl SoundPlayer::urlFor(const QString &path)
{
    if (path.left(5).compare(QLatin1String("qrc:/"), Qt::CaseInsensitive) == 0)
        return QUrl(path);
    return QUrl::fromLocalFile(path);
}

bool SoundPlayer::play(const QString &path, int volume)
{
    m_player->stop();
    m_player->setMedia(urlFor(path));
    m_player->setVolume(volume);
    m_player->play();
    return true;
}

bool SoundPlayer::stop()
{
    m_player->stop();
    return true;
}
