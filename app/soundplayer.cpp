#include "app/soundplayer.h"

#include <QCoreApplication>
#include <QDir>

#include "core/logcategories.h"

namespace {
const char ModuleName[] = "AlmarikSound";
using CreatePlayer = AbstractSoundPlayer *(*)();
}

SoundPlayer::SoundPlayer(const QString &modulePath)
{
    // Relative to the program, not to the library search path: the module
    // is the program's own, installed beside it.
    m_module.setFileName(modulePath.isEmpty()
                                 ? QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(ModuleName))
                                 : modulePath);
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
    auto create = reinterpret_cast<CreatePlayer>(m_module.resolve("almarikCreateSoundPlayer"));
    if (!create) {
        m_loadError = m_module.errorString();
        qCWarning(lcSound).noquote() << "The sound module could not be loaded:" << m_loadError;
        return nullptr;
    }
    m_backEnd.reset(create());
    m_backEnd->setFailureHandler(this, [this](const QString &reason) { reportFailure(reason); });
    return m_backEnd.get();
}

bool SoundPlayer::play(const QString &path, int volume)
{
    AbstractSoundPlayer *player = backEnd();
    if (!player) {
        qCWarning(lcSound).noquote() << "Cannot play" << path << "- no sound module";
        reportFailure(m_loadError);
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
