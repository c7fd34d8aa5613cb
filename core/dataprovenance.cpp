#include "core/dataprovenance.h"

#include "core/language.h"
#include "core/pluginbinder.h"
#include "plugin-api/almarikprovenance.h"

DataProvenance DataProvenance::fromText(const QString &text)
{
    DataProvenance result;
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const QString &statement = words.first();
        if (statement == QLatin1String("published")) {
            for (int i = 1; i < words.size(); ++i) {
                bool ok = false;
                const int year = words.at(i).toInt(&ok);
                if (ok && year > 0 && !result.m_published.contains(year)) {
                    result.m_published << year;
                    result.m_known = true;
                }
            }
            std::sort(result.m_published.begin(), result.m_published.end());
        } else if (statement == QLatin1String("carried") && words.size() == 2) {
            bool ok = false;
            const int year = words.at(1).toInt(&ok);
            if (ok && year > 0) {
                result.m_carried = year;
                result.m_known = true;
            }
        } else if (statement == QLatin1String("convention") && words.size() == 3) {
            result.m_conventions.insert(words.at(1), words.at(2));
            result.m_known = true;
        }
    }
    return result;
}

DataProvenance DataProvenance::fromPlugin(const QString &filePath)
{
    auto provenance = reinterpret_cast<AlmarikProvenanceFunction>(
            PluginBinder::resolve(filePath, ALMARIK_PROVENANCE_SYMBOL));
    if (!provenance)
        return DataProvenance();
    const char *text = provenance();
    return text ? fromText(QString::fromLatin1(text)) : DataProvenance();
}

DataProvenance::Source DataProvenance::sourceOf(const QString &zoneCode, const QDate &date) const
{
    Source source;
    if (!m_known || !date.isValid() || zoneCode.isEmpty())
        return source;
    const auto convention = m_conventions.constFind(zoneCode);
    if (convention != m_conventions.constEnd()) {
        source.kind = Convention;
        source.convention = convention.value();
    } else if (m_published.contains(date.year())) {
        source.kind = Published;
        source.year = date.year();
    } else if (m_carried > 0) {
        source.kind = Computed;
        source.year = m_carried;
        // A year between published ones is carried from the newest
        // published year before it, as the generator does.
        for (int year : m_published) {
            if (year < date.year())
                source.year = year;
        }
        if (date.year() < m_published.value(0, date.year()))
            source.year = m_published.first();
    }
    return source;
}

QString DataProvenance::conventionKey(const QString &code)
{
    return QStringLiteral("Data.Convention.") + code;
}

QString DataProvenance::textKey(const Source &source)
{
    switch (source.kind) {
    case Published:
        return QStringLiteral("Data.SourcePublished");
    case Computed:
        return QStringLiteral("Data.SourceComputed");
    case Convention:
        return QStringLiteral("Data.SourceConvention");
    case Unknown:
        break;
    }
    return QString();
}

QString DataProvenance::text(const Source &source, const Language &language)
{
    const QString key = textKey(source);
    if (key.isEmpty())
        return QString();
    const QString line = language.text(key);
    switch (source.kind) {
    case Published:
        return line;
    case Computed:
        return line.arg(source.year);
    case Convention: {
        const QString name = language.text(conventionKey(source.convention));
        return line.arg(name.isEmpty() ? source.convention : name);
    }
    case Unknown:
        break;
    }
    return QString();
}
