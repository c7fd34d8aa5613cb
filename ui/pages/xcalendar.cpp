#include "ui/pages/xcalendar.h"

#include <QDate>
#include <QLabel>

#include "core/almarikmanager.h"
#include "core/language.h"
#include "core/dailytimes.h"
#include "ui/pages/xdateframe.h"
#include "ui/pages/xtimepanel.h"

namespace {
const int CalendarWidth = 300;
const int HeaderHeight = 20;
const int CellHeight = 30;

const QColor TodayColour(48, 184, 65);
const QColor DayColour(17, 17, 17, 100);
const QColor HeaderColour(17, 17, 17, 150);
const QColor CellTextColour(97, 96, 95);
const QColor HijriColour(247, 255, 37);

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

const char *const WeekdayKeys[7] = {
    "DateTime.ShortSunday", "DateTime.ShortMonday", "DateTime.ShortTuesday", "DateTime.ShortWednesday",
    "DateTime.ShortThursday", "DateTime.ShortFriday", "DateTime.ShortSaturday",
};
}

XCalendar::XCalendar(const UiContext &ctx, int month, int year, QWidget *parent)
    : QFrame(parent)
    , m_ctx(ctx)
{
    m_timePanel = new XTimePanel(m_ctx, this);
    m_month = month;
    m_year = year;
    resize(CalendarWidth, 300);
    setFrameShape(QFrame::NoFrame);
    connect(m_ctx.almarikManager, &AlmarikManager::updated, this, &XCalendar::slotUpdateAlmarik);
    buildGrid();
    fill(QDate::currentDate());
    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &XCalendar::slotUpdateLanguage);
}

XDateFrame *XCalendar::cell(int index) const
{
    return index >= 0 && index < CellCount ? m_cells[index] : nullptr;
}

QLabel *XCalendar::weekdayLabel(int column) const
{
    return column >= 0 && column < 7 ? labelWeekday[column] : nullptr;
}

void XCalendar::buildGrid()
{
    const int cw = (width() - 14) / 7;

    labelTitle = new QLabel(this);
    labelTitle->setObjectName(QStringLiteral("labelTitle"));
    labelTitle->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    setTextColour(labelTitle, Qt::black);
    labelTitle->setText(QStringLiteral(" "));
    labelTitle->adjustSize();
    labelTitle->move(width() / 2 - labelTitle->width() / 2, 5);

    labelHijri = new QLabel(this);
    labelHijri->setObjectName(QStringLiteral("labelHijri"));
    labelHijri->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Normal));
    setTextColour(labelHijri, Qt::black);
    labelHijri->setText(QStringLiteral(" "));
    labelHijri->adjustSize();
    labelHijri->move(width() / 2 - labelHijri->width() / 2, labelTitle->y() + labelTitle->height());

    const int headerY = labelHijri->y() + labelHijri->height() + 4;
    for (int k = 0; k < 7; ++k) {
        QLabel *header = new QLabel(this);
        header->setObjectName(QStringLiteral("labelWeekday%1").arg(k));
        header->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Normal));
        header->setAlignment(Qt::AlignCenter);
        header->setFrameShape(QFrame::Box);
        setTextColour(header, Qt::white);
        setBackground(header, HeaderColour);
        header->setGeometry(10 + k * (cw - 1), headerY, cw, HeaderHeight);
        labelWeekday[k] = header;
    }

    const int firstRowY = headerY + HeaderHeight - 1;
    for (int index = 0; index < CellCount; ++index) {
        const int row = index / 7;
        const int column = index % 7;
        auto *cell = new XDateFrame(this);
        cell->setObjectName(QStringLiteral("cell%1").arg(index));
        cell->setFrameShape(QFrame::Box);
        setTextColour(cell, CellTextColour);
        cell->setGeometry(10 + column * (cw - 1), firstRowY + row * (CellHeight - 1), cw, CellHeight);
        m_cells[index] = cell;
    }
    resize(width(), firstRowY + 6 * (CellHeight - 1) + 10);
}

void XCalendar::slotUpdateLanguage()
{
    labelTitle->setText(QStringLiteral("%1 %2").arg(m_ctx.language->monthName(m_month)).arg(m_year));
    labelTitle->adjustSize();
    labelTitle->move(width() / 2 - labelTitle->width() / 2, labelTitle->y());
    for (int k = 0; k < 7; ++k)
        labelWeekday[k]->setText(m_ctx.language->text(QLatin1String(WeekdayKeys[k])));
}

void XCalendar::slotShowTime(XDateFrame *frame)
{
    if (!frame || !frame->record())
        return;
    m_timePanel->setDay(*frame->record());
    m_timePanel->move(frame->mapToGlobal(QPoint(frame->width(), 0)));
    m_timePanel->showKept();
}

void XCalendar::slotHideTime(XDateFrame *frame)
{
    Q_UNUSED(frame)
    m_timePanel->startHiding();
}

void XCalendar::slotUpdateAlmarik()
{
    fill(QDate::currentDate());
}

void XCalendar::refreshIfStale(const QDate &today)
{
    if (m_filledOn.isValid() && m_filledOn != today)
        fill(today);
}

void XCalendar::hideTimePanel()
{
    if (m_timePanel->isVisible())
        m_timePanel->hide();
}

void XCalendar::clearCell(XDateFrame *cell)
{
    // A refill builds the labels and connections anew; the old ones go
    // first so that nothing piles up over repeated zone changes.
    disconnect(cell, nullptr, this, nullptr);
    const QList<QLabel *> labels = cell->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    qDeleteAll(labels);
    cell->setRecord(nullptr);
    cell->setAutoFillBackground(false);
}

void XCalendar::fill(const QDate &today)
{
    QList<DailyTimes> days;
    if (!m_ctx.almarikManager->timesOfMonth(m_month, m_year, days)) {
        // The look stays as it was, but the records of the previous zone
        // no longer apply: no cell may show them any more.
        for (XDateFrame *cell : m_cells)
            cell->setRecord(nullptr);
        hideTimePanel();
        return;
    }

    for (XDateFrame *cell : m_cells)
        clearCell(cell);

    m_filledOn = today;
    const int first = days.first().dayOfWeek;
    for (int i = 0; i < days.size(); ++i) {
        const int index = first + i;
        if (index < 0 || index >= CellCount)
            continue;
        const DailyTimes *day = &days.at(i);
        XDateFrame *cell = m_cells[index];
        const bool isToday = day->day == today.day() && day->month == today.month() && day->year == today.year();
        setBackground(cell, isToday ? TodayColour : DayColour);
        cell->setRecord(day);
        connect(cell, &XDateFrame::showTime, this, &XCalendar::slotShowTime);
        connect(cell, &XDateFrame::hideTime, this, &XCalendar::slotHideTime);

        auto *labelDay = new QLabel(cell);
        labelDay->setObjectName(QStringLiteral("labelDay"));
        labelDay->setAttribute(Qt::WA_TransparentForMouseEvents);
        labelDay->setFont(QFont(QStringLiteral("Arial"), 10, isToday ? QFont::Bold : QFont::Normal));
        setTextColour(labelDay, isToday ? QColor(Qt::black) : QColor(Qt::white));
        labelDay->setText(QStringLiteral("%1").arg(day->day));
        labelDay->adjustSize();
        labelDay->move(3, cell->height() - labelDay->height() - 3);
        labelDay->show();

        auto *labelHijriDay = new QLabel(cell);
        labelHijriDay->setObjectName(QStringLiteral("labelHijriDay"));
        labelHijriDay->setAttribute(Qt::WA_TransparentForMouseEvents);
        labelHijriDay->setFont(QFont(QStringLiteral("Arial"), 8, isToday ? QFont::Bold : QFont::Normal));
        setTextColour(labelHijriDay, isToday ? QColor(Qt::black) : HijriColour);
        labelHijriDay->setText(QStringLiteral("%1").arg(day->hijriDay));
        labelHijriDay->adjustSize();
        labelHijriDay->move(cell->width() - labelHijriDay->width() - 3, 3);
        labelHijriDay->show();
    }

    const DailyTimes *firstDay = &days.first();
    const DailyTimes *lastDay = &days.last();
    if (firstDay->hijriMonthName == lastDay->hijriMonthName)
        labelHijri->setText(QStringLiteral("%1 %2").arg(lastDay->hijriMonthName).arg(lastDay->hijriYear));
    else
        labelHijri->setText(QStringLiteral("%1 - %2 %3")
                                    .arg(firstDay->hijriMonthName, lastDay->hijriMonthName)
                                    .arg(lastDay->hijriYear));
    labelHijri->adjustSize();
    labelHijri->move(width() / 2 - labelHijri->width() / 2, labelHijri->y());
}
