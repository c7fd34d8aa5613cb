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
    // The data directory plus "/App.cnf". With create set, the directory
    // and its missing parents are created first; empty when that fails or
    // the platform gives no data directory.
    static QString configFilePath(bool create);

    // Reads the file into config. False, with config untouched, when the
    // file is missing, too large, unreadable, does not decipher or is not
    // XML.
    static bool load(AppConfig &config);

    // Replaces the file with the whole record, atomically: on any failure
    // the previous file stays as it was and the result is false. The
    // auto-start entry is brought in line only after a successful write.
    static bool save(const AppConfig &config);

    // Start-up: load, or write the defaults when there is nothing usable,
    // then apply the auto-start setting.
    static void initialise(AppConfig &config);

    // Creates or removes the auto-start entry for this program file.
    static void applyAutoStart(bool enabled);

    // The plain XML document for config (declaration, root "AppConfig",
    // "Timestamp" of now and every stored value), indented by 4.
    static QString documentText(const AppConfig &config);

    // A save time as written in "Timestamp": "2017/04/19 22:37:08".
    static QString timestampText(const QDateTime &time);

    // Parses a plain document into config. The root's name is not checked;
    // its child elements that carry a known key set the field (last one
    // wins), others are skipped. False, with config untouched, when the
    // text is not well-formed XML.
    static bool readDocument(const QString &text, AppConfig &config);
};

#endif // CONFIGSTORE_H
