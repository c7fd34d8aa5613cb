#ifndef DATAPROVENANCE_H
#define DATAPROVENANCE_H

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class Language;

// Where the timetable plug-in's times come from, as its optional
// provenance entry point states it (plugin-api/almarikprovenance.h): the
// years of JAKIM's published tables, the published year the other years
// are computed from, and the convention of each place abroad.
class DataProvenance
{
public:
    enum Kind {
        Unknown,     // the plug-in does not say, or the day is not covered
        Published,   // JAKIM's published table for that year
        Computed,    // JAKIM's method, carried from the published year `year`
        Convention   // a place abroad, computed by `convention`
    };
    struct Source
    {
        Kind kind = Unknown;
        int year = 0;          // Published: the day's year; Computed: the base year
        QString convention;    // Convention: its code (MWL, ISNA, ...)
    };

    // Parses the plug-in's statements; unknown lines are skipped.
    static DataProvenance fromText(const QString &text);
    // Asks the plug-in library at `filePath`; empty when it has no such
    // entry point.
    static DataProvenance fromPlugin(const QString &filePath);

    bool isKnown() const { return m_known; }
    const QList<int> &publishedYears() const { return m_published; }
    int carriedFrom() const { return m_carried; }
    // The convention of a zone abroad; "" for JAKIM's zones.
    QString convention(const QString &zoneCode) const { return m_conventions.value(zoneCode); }

    // Where a zone's times of `date` come from.
    Source sourceOf(const QString &zoneCode, const QDate &date) const;

    // The catalogue key of a source's line and its argument (the year, or
    // the convention's catalogue name); an empty key for Unknown.
    static QString textKey(const Source &source);
    // Catalogue key naming a convention, "Data.Convention.<CODE>".
    static QString conventionKey(const QString &code);
    // The line itself in the catalogue's language, e.g. "Sumber: e-Solat
    // JAKIM"; "" for Unknown. A convention the catalogue does not name is
    // shown by its code.
    static QString text(const Source &source, const Language &language);

private:
    bool m_known = false;
    QList<int> m_published;
    int m_carried = 0;
    QHash<QString, QString> m_conventions;
};

#endif // DATAPROVENANCE_H
