#include "ui/pages/timetableexport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPushButton>
#include <QTextDocument>

#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/exportfile.h"
#include "core/islamicdays.h"
#include "core/language.h"
#include "core/logcategories.h"
#include "core/programmodule.h"
#include "core/timetablecsv.h"
#include "core/timetabledocument.h"
#include "core/timetableics.h"
#include "core/zonetimezone.h"
#include "ui/controls/clockformat.h"
#include "ui/dialogs/exportoptionsdialog.h"

namespace {
const char *const Suffixes[] = {"ics", "csv", "pdf"};
// The resolution of a high-resolution printer, as the PDF always had.
constexpr int PdfResolution = 1200;

using PrintDocument = bool (*)(QTextDocument *, QWidget *);
}

TimetableExport::TimetableExport(const UiContext &ctx, QWidget *window)
    : QObject(window)
    , m_ctx(ctx)
    , m_window(window)
{
    m_hooks = defaultHooks();
}

TimetableExport::~TimetableExport() = default;

TimetableExport::Hooks TimetableExport::defaultHooks()
{
    Hooks hooks;
    hooks.choose = [this](Format format, Choice *choice) {
        ExportOptionsDialog dialog(*m_ctx.language, choice->year, format == Pdf ? choice->month : 0,
                                   format == Calendar, m_window);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        choice->year = dialog.year();
        choice->month = dialog.month();
        if (format == Calendar) {
            choice->prayerSlots = dialog.prayerSlots();
            choice->alarmMinutes = dialog.alarmMinutes();
        }
        return true;
    };
    hooks.savePath = [this](Format format, const QString &suggested) {
        const QString filter = QStringLiteral("*.") + QLatin1String(Suffixes[format]);
        return QFileDialog::getSaveFileName(m_window, m_ctx.language->text(QStringLiteral("Export.Title")),
                                            suggested, filter, nullptr, QFileDialog::DontConfirmOverwrite);
    };
    hooks.confirmReplace = [this](const QString &path) {
        QMessageBox box(QMessageBox::Question, m_ctx.language->text(QStringLiteral("Export.Title")),
                        m_ctx.language->text(QStringLiteral("Export.Exists")).arg(QDir::toNativeSeparators(path)),
                        QMessageBox::NoButton, m_window);
        QPushButton *replace = box.addButton(m_ctx.language->text(QStringLiteral("Export.Replace")), QMessageBox::AcceptRole);
        box.addButton(m_ctx.language->text(QStringLiteral("Export.Cancel")), QMessageBox::RejectRole);
        box.exec();
        return box.clickedButton() == replace;
    };
    hooks.report = [this](const QString &message, bool failed) {
        QMessageBox box(failed ? QMessageBox::Warning : QMessageBox::Information,
                        m_ctx.language->text(QStringLiteral("Export.Title")), message, QMessageBox::Ok, m_window);
        box.exec();
    };
    return hooks;
}

QList<DailyTimes> TimetableExport::days(const Choice &choice) const
{
    QList<DailyTimes> all;
    const int first = choice.month == 0 ? 1 : choice.month;
    const int last = choice.month == 0 ? 12 : choice.month;
    for (int month = first; month <= last; ++month) {
        QList<DailyTimes> found;
        if (m_ctx.almarikManager->timesOfMonth(month, choice.year, found))
            all << found;
    }
    return all;
}

QString TimetableExport::monthHtml(int year, int month) const
{
    const AlmarikManager &manager = *m_ctx.almarikManager;
    Choice choice;
    choice.year = year;
    choice.month = month;
    TimetableDocument::Options options;
    options.placeName = manager.zoneDisplayName().simplified();
    options.source = manager.zoneSource();
    options.hijriTitle = manager.hijriMonthTitle(year, month);
    options.islamicDays = IslamicDays::resolve(
            manager, IslamicDays::adjustmentFromSetting(m_ctx.config->hijriAdjustment));
    options.timeFormat = ClockFormat::of(*m_ctx.config);
    return TimetableDocument::monthHtml(days(choice), options, *m_ctx.language);
}

QByteArray TimetableExport::pdf(int year, int month) const
{
    const QString html = monthHtml(year, month);
    if (html.isEmpty())
        return QByteArray();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(PdfResolution);
        writer.setCreator(m_ctx.language->text(QStringLiteral("Print.Title")));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        QTextDocument document;
        document.setHtml(html);
        document.print(&writer);
    }
    return buffer.data();
}

QByteArray TimetableExport::data(Format format, const Choice &choice) const
{
    const AlmarikManager &manager = *m_ctx.almarikManager;
    const QString code = manager.zoneCode();
    switch (format) {
    case Calendar: {
        TimetableIcs::Options options;
        options.zoneCode = code;
        options.placeName = manager.zoneDisplayName().simplified();
        options.source = manager.zoneSource();
        options.timeZone = ZoneTimeZone::orSystem(code);
        if (!choice.prayerSlots.isEmpty())
            options.prayerSlots = choice.prayerSlots;
        options.alarmMinutes = choice.alarmMinutes;
        return TimetableIcs::build(days(choice), options, m_ctx.language);
    }
    case Spreadsheet: {
        const QList<DailyTimes> found = days(choice);
        return found.isEmpty() ? QByteArray() : TimetableCsv::text(found, &manager.provenance(), code).toUtf8();
    }
    case Pdf:
        return pdf(choice.year, choice.month);
    }
    return QByteArray();
}

bool TimetableExport::run(Format format, int shownYear, int shownMonth)
{
    Choice choice;
    choice.year = shownYear;
    choice.month = shownMonth;
    if (!m_hooks.choose(format, &choice))
        return false;
    if (format == Pdf && choice.month == 0)
        choice.month = shownMonth;

    const QByteArray bytes = data(format, choice);
    if (bytes.isEmpty()) {
        m_hooks.report(m_ctx.language->text(QStringLiteral("Export.NoData")), true);
        return false;
    }
    const QString name = QStringLiteral("%1-%2.%3")
                                 .arg(m_ctx.almarikManager->zoneCode().isEmpty() ? QStringLiteral("timetable")
                                                                                 : m_ctx.almarikManager->zoneCode())
                                 .arg(choice.month == 0 ? QString::number(choice.year)
                                                        : QStringLiteral("%1-%2").arg(choice.year).arg(choice.month, 2, 10, QLatin1Char('0')))
                                 .arg(QLatin1String(Suffixes[format]));
    const QString path = m_hooks.savePath(format, QDir::home().filePath(name));
    if (path.isEmpty())
        return false;
    return write(path, bytes);
}

bool TimetableExport::write(const QString &path, const QByteArray &bytes)
{
    QString error;
    ExportFile::Result result = ExportFile::write(path, bytes, false, &error);
    if (result == ExportFile::Exists) {
        if (!m_hooks.confirmReplace(path))
            return false;
        result = ExportFile::write(path, bytes, true, &error);
    }
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (result != ExportFile::Written) {
        qCWarning(lcUi).noquote() << "export to" << path << "failed:" << error;
        m_hooks.report(m_ctx.language->text(QStringLiteral("Export.Failed")).arg(shown), true);
        return false;
    }
    m_lastPath = path;
    m_hooks.report(m_ctx.language->text(QStringLiteral("Export.Written")).arg(shown), false);
    return true;
}

void TimetableExport::print(int year, int month)
{
    const QString html = monthHtml(year, month);
    if (html.isEmpty()) {
        m_hooks.report(m_ctx.language->text(QStringLiteral("Export.NoData")), true);
        return;
    }
    static ProgramModule module("AlmarikPrint");
    auto printDocument = module.entry<PrintDocument>("almarikPrintDocument");
    if (!printDocument) {
        m_hooks.report(m_ctx.language->text(QStringLiteral("Print.Unavailable")), true);
        return;
    }
    QTextDocument document;
    document.setHtml(html);
    printDocument(&document, m_window);
}
