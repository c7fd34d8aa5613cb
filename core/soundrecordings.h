#ifndef SOUNDRECORDINGS_H
#define SOUNDRECORDINGS_H

#include <QString>
#include <QStringList>

// The one table from the sound names the program hands out
// ("qrc:/sounds/AzanOrvan.mp3") to the recordings compiled in: several names
// share a recording, and each recording is stored once, under
// ":/recordings/<file>". A real recording replaces a stand-in by pointing
// its names at the new file here and listing the file in sounds.qrc.
class SoundRecordings
{
public:
    // The resource URL of the recording behind a sound URL
    // ("qrc:/recordings/azan-monajat-1.mp3"); the scheme and folder are
    // matched without regard to case. An empty string for a URL that names
    // no known sound.
    static QString recordingUrl(const QString &soundUrl);
    // Every sound name in the table, without folder or extension.
    static QStringList soundNames();
};

#endif // SOUNDRECORDINGS_H
