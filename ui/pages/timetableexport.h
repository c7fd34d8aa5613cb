#ifndef TIMETABLEEXPORT_H
#define TIMETABLEEXPORT_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

#include "core/dailytimes.h"
#include "ui/uicontext.h"

class QWidget;

// Exports the selected zone's timetable from the home page: a calendar
// file (ICS, with reminders), a spreadsheet (CSV, as almarik-tables
// writes it), or the month as an A4 PDF or on a printer. It asks what to
// export and where, never replaces a file without asking, and tells where
// it wrote. The questions go through Hooks, which a test replaces.
class TimetableExport : public QObject
{
    Q_OBJECT
public:
    enum Format { Calendar, Spreadsheet, Pdf };

    struct Choice
    {
        int year = 0;
        int month = 0;  // 1-12; 0 for the whole year
        QList<int> prayerSlots;
        int alarmMinutes = -1;
    };

    struct Hooks
    {
        // Fills in what to export (month and year set to the shown ones);
        // false when the user cancels.
        std::function<bool(Format, Choice *)> choose;
        // The file to write, from a suggested path; "" when cancelled.
        std::function<QString(Format, const QString &suggested)> savePath;
        // Whether to replace an existing file.
        std::function<bool(const QString &path)> confirmReplace;
        // Tells the user the outcome.
        std::function<void(const QString &message, bool failed)> report;
    };

    TimetableExport(const UiContext &ctx, QWidget *window);
    ~TimetableExport() override;

    void setHooks(const Hooks &hooks) { m_hooks = hooks; }

    // The chosen month's or year's days of the selected zone.
    QList<DailyTimes> days(const Choice &choice) const;
    // The file's bytes for a calendar file or a spreadsheet; a PDF of the
    // month for Pdf. Empty when there is nothing to write.
    QByteArray data(Format format, const Choice &choice) const;
    // The month's printable document.
    QString monthHtml(int year, int month) const;

    // The path last written, "" before.
    QString lastPath() const { return m_lastPath; }

public slots:
    // Asks, writes and reports; true when a file was written.
    bool run(Format format, int shownYear, int shownMonth);
    // The month on a printer the user chooses.
    void print(int year, int month);

private:
    bool write(const QString &path, const QByteArray &bytes);
    QByteArray pdf(int year, int month) const;
    Hooks defaultHooks();

    UiContext m_ctx;
    QWidget *m_window;
    Hooks m_hooks;
    QString m_lastPath;
};

#endif // TIMETABLEEXPORT_H
