#include "app/mediasoundplayer.h"

#include <QMediaPlayer>

#include "core/logcategories.h"
#include "core/soundrecordings.h"

MediaSoundPlayer::~MediaSoundPlayer()
{
    delete m_player;
}

QUrl MediaSoundPlayer::urlFor(const QString &path)
{
    if (path.left(5).compare(QLatin1String("qrc:/"), Qt::CaseInsensitive) == 0) {
        // A sound name stands for a recording that other names may share.
        const QString recording = SoundRecordings::recordingUrl(path);
        return QUrl(recording.isEmpty() ? path : recording);
    }
    return QUrl::fromLocalFile(path);
}

QMediaPlayer *MediaSoundPlayer::player()
{
    if (!m_player) {
        m_player = new QMediaPlayer;
        // Errors arrive later than play() returns: a missing file, a format
        // the back end cannot decode, no audio device.
        QObject::connect(m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), m_player,
                         [this, player = m_player](QMediaPlayer::Error error) {
                             qCWarning(lcSound).noquote()
                                     << "Cannot play" << player->media().request().url().toString()
                                     << "- error" << int(error) << player->errorString();
                             reportFailure(player->errorString());
                         });
    }
    return m_player;
}

bool MediaSoundPlayer::play(const QString &path, int volume)
{
    QMediaPlayer *mediaPlayer = player();
    mediaPlayer->stop();
    mediaPlayer->setMedia(urlFor(path));
    mediaPlayer->setVolume(volume);
    mediaPlayer->play();
    if (mediaPlayer->error() != QMediaPlayer::NoError) {
        qCWarning(lcSound).noquote() << "Cannot play" << path << '-' << mediaPlayer->errorString();
        reportFailure(mediaPlayer->errorString());
        return false;
    }
    qCDebug(lcSound).noquote() << "Playing" << path << "at volume" << volume;
    return true;
}

bool MediaSoundPlayer::stop()
{
    // Nothing can be playing before the first sound.
    if (m_player)
        m_player->stop();
    return true;
}

QString MediaSoundPlayer::source() const
{
    return m_player ? m_player->media().request().url().toString() : QString();
}

int MediaSoundPlayer::volume() const
{
    return m_player ? m_player->volume() : 0;
}

bool MediaSoundPlayer::isPlaying() const
{
    return m_player && m_player->state() == QMediaPlayer::PlayingState;
}

// The module's one entry point, resolved by SoundPlayer.
extern "C" Q_DECL_EXPORT AbstractSoundPlayer *almarikCreateSoundPlayer()
{
    return new MediaSoundPlayer;
}
