#include "app/soundplayer.h"

#include "core/logcategories.h"

namespace {
using CreatePlayer = AbstractSoundPlayer *(*)();
}

SoundPlayer::SoundPlayer(const QString &modulePath)
    : m_module("AlmarikSound", modulePath)
{
}

SoundPlayer::~SoundPlayer()
{
    // The player's code lives in the module: it goes first. The module
    // stays mapped until the process ends, as Qt's own plug-ins do.
    m_backEnd.reset();
}

AbstractSoundPlayer *SoundPlayer::backEnd()
{
    if (m_tried)
        return m_backEnd.get();
    m_tried = true;
    auto create = m_module.entry<CreatePlayer>("almarikCreateSoundPlayer");
    if (!create)
        return nullptr;
    m_backEnd.reset(create());
    m_backEnd->setFailureHandler(this, [this](const QString &reason) { reportFailure(reason); });
    return m_backEnd.get();
}

bool SoundPlayer::play(const QString &path, int volume)
{
    AbstractSoundPlayer *player = backEnd();
    if (!player) {
        qCWarning(lcSound).noquote() << "Cannot play" << path << "- no sound module";
        reportFailure(m_module.errorString());
        return false;
    }
    return player->play(path, volume);
}

bool SoundPlayer::stop()
{
    // Nothing can be playing before the first sound.
    return m_backEnd ? m_backEnd->stop() : true;
}

QString SoundPlayer::source() const
{
    return m_backEnd ? m_backEnd->source() : QString();
}

int SoundPlayer::volume() const
{
    return m_backEnd ? m_backEnd->volume() : 0;
}

bool SoundPlayer::isPlaying() const
{
    return m_backEnd && m_backEnd->isPlaying();
}
