// libFuzzer target: the settings decoder. Every input is read twice: as
// the file on disk (hex, deciphered, then parsed) and as the plain
// document, so that the parser sees well-formed-looking text as well.

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

#include <cstddef>
#include <cstdint>

#include "core/appconfig.h"
#include "core/configcipher.h"
#include "core/configstore.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The readers log what they skip; at a million inputs that is noise.
    QLoggingCategory::setFilterRules(QStringLiteral("almarik.*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    AppConfig fromFile;
    const QString text = ConfigCipher::decipherText(QString::fromUtf8(bytes));
    if (!text.isEmpty())
        ConfigStore::readDocument(text, fromFile);

    AppConfig fromDocument;
    if (ConfigStore::readDocument(QString::fromUtf8(bytes), fromDocument)) {
        // What was read must survive a write and a read unchanged.
        AppConfig again;
        if (!ConfigStore::readDocument(ConfigStore::documentText(fromDocument), again)
            || again.zone != fromDocument.zone
            || again.prayer[0].customSoundPath != fromDocument.prayer[0].customSoundPath)
            __builtin_trap();
    }
    return 0;
}
