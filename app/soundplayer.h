#ifndef SOUNDPLAYER_H
#define SOUNDPLAYER_H

#include <QString>

#include <memory>

#include "core/programmodule.h"
#include "ui/main/abstractsoundplayer.h"

// The program's one audio output. The player itself (Qt Multimedia and
// its audio back end, some 4 MiB mapped and a few milliseconds to load)
// lives in the sound module beside the program, AlmarikSound, loaded at
// the first sound: most starts play nothing for minutes or hours. When the
// module cannot be loaded the sound fails like any other, with the loader's
// reason, and is logged.
class SoundPlayer : public AbstractSoundPlayer
{
public:
    // modulePath: the module's file; empty for the one beside the program.
    explicit SoundPlayer(const QString &modulePath = QString());
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    bool play(const QString &path, int volume) override;
    bool stop() override;
    QString source() const override;
    int volume() const override;
    bool isPlaying() const override;

    // The loaded player, loading the module on the first call; null when
    // it cannot be loaded (the reason in loadError()).
    AbstractSoundPlayer *backEnd();
    bool isLoaded() const { return bool(m_backEnd); }
    QString loadError() const { return m_module.errorString(); }

private:
    ProgramModule m_module;
    std::unique_ptr<AbstractSoundPlayer> m_backEnd;
    bool m_tried = false;
};

#endif // SOUNDPLAYER_H
