#include "core/soundrecordings.h"

namespace {

struct Entry {
    const char *sound;
    const char *recording;
};

// Only one freely licensed azan exists for us so far (monajat, GPL-2.0 or
// later): all three muazzins and their Subuh variants use it, the short
// azans use its opening takbir, and the iqamah is a labelled stand-in tone.
// Origins and licences: resources/sounds/LICENSES.md.
const Entry Table[] = {
    {"AzanOrvan", "azan-monajat-1.mp3"},
    {"AzanOrvanSubuh", "azan-monajat-1.mp3"},
    {"AzanTessaly", "azan-monajat-1.mp3"},
    {"AzanTessalySubuh", "azan-monajat-1.mp3"},
    {"AzanBelunar", "azan-monajat-1.mp3"},
    {"AzanBelunarSubuh", "azan-monajat-1.mp3"},
    {"ShortAzanOrvan", "azan-monajat-1-short.mp3"},
    {"ShortAzanTessaly", "azan-monajat-1-short.mp3"},
    {"ShortAzanBelunar", "azan-monajat-1-short.mp3"},
    {"Iqamat", "placeholder-iqamah.mp3"},
    {"NotifyThreeBeep", "chime-three-beeps.mp3"},
    {"NotifyDingDong", "chime-ding-dong.mp3"},
    {"NotifyDing", "chime-ding.mp3"},
    {"NotifyBird", "chime-bird.mp3"},
    {"NotifyDoorBell", "chime-door-bell.mp3"},
    {"NotifyClock", "chime-clock.mp3"},
    {"NotifyDrop", "chime-drop.mp3"},
    {"NotifyHon", "chime-horn.mp3"},
};

const QLatin1String SoundPrefix("qrc:/sounds/");
const QLatin1String Extension(".mp3");

} // namespace

QString SoundRecordings::recordingUrl(const QString &soundUrl)
{
    if (!soundUrl.startsWith(SoundPrefix, Qt::CaseInsensitive) || !soundUrl.endsWith(Extension, Qt::CaseInsensitive))
        return QString();
    const QStringRef name = soundUrl.midRef(SoundPrefix.size(), soundUrl.size() - SoundPrefix.size() - Extension.size());
    for (const Entry &entry : Table) {
        if (name == QLatin1String(entry.sound))
            return QStringLiteral("qrc:/recordings/") + QLatin1String(entry.recording);
    }
    return QString();
}

QStringList SoundRecordings::soundNames()
{
    QStringList names;
    for (const Entry &entry : Table)
        names.append(QLatin1String(entry.sound));
    return names;
}
