#ifndef CONFIGSTORE_H
#define CONFIGSTORE_H

#include <QString>

class AppConfig;
class QDateTime;

// Persists AppConfig as "App.cnf" in the per-user application data
// directory: an XML document, enciphered by ConfigCipher and written as
// one line of hex digits. Also keeps the auto-start entry in step with
// AppConfig::autoStart.
class ConfigStore
{
public:
    enum class LoadStatus {
        Loaded,      // the file was read (unknown parts ignored, missing ones kept)
        Missing,     // there is no file
        Unreadable   // there is a file, but nothing in it can be read
    };

    // What start-up found and did, for the user to be told.
    struct StartReport
    {
        LoadStatus status = LoadStatus::Missing;
        QString movedAsidePath;   // where an unreadable file went; "" if none
        bool saved = true;        // false: the file could not be written
        QString saveError;        // why, when saved is false
    };

    // How many unreadable files moved aside are kept.
    static constexpr int KeptBadFiles = 3;

    // The data directory plus "/App.cnf". With create set, the directory
    // and its missing parents are created first (the directory private to
    // the user); empty when that fails or the platform gives no data
    // directory.
    static QString configFilePath(bool create);

    // Reads the file into config; see LoadStatus. On anything but Loaded
    // the record is untouched.
    static LoadStatus loadFile(AppConfig &config);
    // True when loadFile() gives Loaded.
    static bool load(AppConfig &config);

    // Replaces the file with the whole record, atomically and readable by
    // the user alone: on any failure the previous file stays as it was, the
    // result is false and error (when given) says why. The auto-start
    // entry is brought in line after a successful write, when its setting
    // or the program's path differs from what was last applied.
    static bool save(const AppConfig &config, QString *error = nullptr);

    // Start-up: mends the modes of the folder and file, removes temporary
    // files left by an interrupted save, loads; an unreadable file is moved
    // aside (see moveAside()) and the defaults are written, as they are
    // when there is no file. Then the auto-start setting is applied.
    static StartReport initialise(AppConfig &config);

    // Renames the file to "App.cnf.bad-YYYYMMDD-HHMMSS" beside it, keeping
    // only the newest KeptBadFiles of those; the new path, "" on failure.
    static QString moveAside(const QString &path, const QDateTime &when);

    // Removes "App.cnf.XXXXXX" temporaries older than a few seconds and
    // makes the folder 0700 and the file 0600.
    static void tidyDirectory();

    // Creates or removes the auto-start entry for this program file (or
    // its launcher in bindir when the program runs installed), when
    // the setting or the path differs from what this process last applied
    // (force: always).
    static void applyAutoStart(bool enabled, bool force = false);

    // The plain XML document for config (declaration, root "AppConfig",
    // "Timestamp" of now and every stored value), indented by 4. A text that XML
    // cannot hold as it is (control characters, U+FFFE, only white space)
    // is written as its UTF-16 code units in base64, with the attribute
    // encoding="utf16-base64".
    static QString documentText(const AppConfig &config);

    // A save time as written in "Timestamp": "2017/04/19 22:37:08".
    static QString timestampText(const QDateTime &time);

    // Parses a plain document into config. The root's name is not checked;
    // its child elements that carry a known key set the field (last one
    // wins), others are skipped. A document that breaks off or goes wrong
    // after its root began keeps the values of the elements completed
    // before. False, with config untouched, when no root element could be
    // read at all.
    static bool readDocument(const QString &text, AppConfig &config);
};

#endif // CONFIGSTORE_H
