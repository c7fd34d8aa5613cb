// libFuzzer target: the language catalogue loader.

#include <QByteArray>
#include <QLoggingCategory>
#include <QHash>
#include <QString>

#include <cstddef>
#include <cstdint>

#include "core/language.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The readers log what they skip; at a million inputs that is noise.
    QLoggingCategory::setFilterRules(QStringLiteral("almarik.*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QString name;
    QHash<QString, QString> table;
    Language::parseCatalogue(bytes, &name, &table);
    return 0;
}
