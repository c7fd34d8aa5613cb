#include "ui/pages/xcalendar.h"

#include "core/islamicdays.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>

#include "core/almarikmanager.h"
#include "core/hijriadjustment.h"
#include "core/dailytimes.h"
#include "core/language.h"
#include "ui/pages/xtimepanel.h"

namespace {
const int CalendarWidth = 300;
const int HeaderHeight = 20;
const int CellHeight = 30;
const int Margin = 10;
// Seven columns in the width less the margins, neighbours sharing a line.
const int CellWidth = (CalendarWidth - 14) / 7;

const QColor TodayColour(48, 184, 65);
const QColor DayColour(17, 17, 17, 100);
const QColor HeaderColour(17, 17, 17, 150);
const QColor CellTextColour(97, 96, 95);
const QColor HijriColour(247, 255, 37);
const QColor KeptDayColour(247, 255, 37);

const char *const WeekdayKeys[7] = {
    "DateTime.ShortSunday", "DateTime.ShortMonday", "DateTime.ShortTuesday", "DateTime.ShortWednesday",
    "DateTime.ShortThursday", "DateTime.ShortFriday", "DateTime.ShortSaturday",
};

QFont arial(int pointSize, bool bold)
{
    return QFont(QStringLiteral("Arial"), pointSize, bold ? QFont::Bold : QFont::Normal);
}

// The size a label fitted to its text takes: the text's width, one line
// of the font high.
QSize textSize(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    return QSize(metrics.boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft | Qt::AlignVCenter, text).width(),
                 metrics.height());
}

// A one-pixel frame along the inside of rect, as qDrawPlainRect() draws
// it, as four solid fills: the raster engine's fastest path, where
// outlined rectangles take a general one.
void drawFrame(QPainter &painter, const QRect &rect, const QColor &colour)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.top() + 1, 1, rect.height() - 2), colour);
    painter.fillRect(QRect(rect.right(), rect.top() + 1, 1, rect.height() - 2), colour);
}

void drawText(QPainter &painter, const QRect &rect, int flags, const QFont &font, const QColor &colour,
              const QString &text)
{
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}

// Where a cell's number goes in one of its four fonts (day or Hijri day,
// plain or today's bold): the width a fitted label would take and the
// ascent, so that the numbers are drawn at their baselines without a text
// layout per cell. Only numbers are kept: fonts and strings must not
// outlive the application object.
struct NumberMetrics
{
    int ascent = 0;
    int height = 0;
    int widths[32] = {};

    explicit NumberMetrics(const QFont &font)
    {
        const QFontMetrics metrics(font);
        ascent = metrics.ascent();
        height = metrics.height();
        for (int n = 0; n < 32; ++n)
            widths[n] = textSize(font, QString::number(n)).width();
    }
};

QFont numberFont(bool hijri, bool today)
{
    return arial(hijri ? 8 : 10, today);
}

const NumberMetrics &numberMetrics(bool hijri, bool today)
{
    static const NumberMetrics metrics[2][2] = {
        {NumberMetrics(numberFont(false, false)), NumberMetrics(numberFont(false, true))},
        {NumberMetrics(numberFont(true, false)), NumberMetrics(numberFont(true, true))}};
    return metrics[hijri][today];
}
} // namespace

// The cells' numbers laid out once for all calendars: drawing a prepared
// text skips the shaping that every plain text drawing repeats. Shared by
// the calendars alive and gone with the last of them, so that no font
// outlives the application object.
struct XCalendarNumberTexts
{
    QStaticText texts[2][2][32];
    bool prepared[2][2][32] = {};

    const QStaticText &text(bool hijri, bool today, int number)
    {
        QStaticText &text = texts[hijri][today][number];
        if (!prepared[hijri][today][number]) {
            text.setTextFormat(Qt::PlainText);
            text.setText(QString::number(number));
            text.prepare(QTransform(), numberFont(hijri, today));
            prepared[hijri][today][number] = true;
        }
        return text;
    }

    static QSharedPointer<XCalendarNumberTexts> shared()
    {
        static QWeakPointer<XCalendarNumberTexts> current;
        QSharedPointer<XCalendarNumberTexts> texts = current.toStrongRef();
        if (!texts) {
            texts.reset(new XCalendarNumberTexts);
            current = texts;
        }
        return texts;
    }
};

XCalendar::XCalendar(int month, int year, const AlmarikManager *manager, const Language *language,
                     XTimePanel *timePanel, QWidget *parent)
    : QWidget(parent)
    , m_manager(manager)
    , m_language(language)
    , m_timePanel(timePanel)
    , m_month(month)
    , m_year(year)
    , m_today(QDate::currentDate())
    , m_numberTexts(XCalendarNumberTexts::shared())
{
    if (!m_timePanel) {
        m_timePanel = new XTimePanel(manager, language, this);
        m_ownsTimePanel = true;
    }
    setMouseTracking(true);
    layoutGrid();
    connect(m_manager, &AlmarikManager::updated, this, &XCalendar::slotUpdateAlmarik);
    connect(m_language, &Language::updated, this, &XCalendar::slotUpdateLanguage);
}

void XCalendar::layoutGrid()
{
    m_titleHeight = textSize(arial(11, true), QStringLiteral(" ")).height();
    m_hijriHeight = textSize(arial(11, false), QStringLiteral(" ")).height();
    m_headerY = 5 + m_titleHeight + m_hijriHeight + 4;
    m_firstRowY = m_headerY + HeaderHeight - 1;
    resize(CalendarWidth, m_firstRowY + 6 * (CellHeight - 1) + Margin);
}

QRect XCalendar::cellRect(int index) const
{
    if (index < 0 || index >= CellCount)
        return QRect();
    const int row = index / 7;
    const int column = index % 7;
    return QRect(Margin + column * (CellWidth - 1), m_firstRowY + row * (CellHeight - 1), CellWidth, CellHeight);
}

int XCalendar::cellAt(const QPoint &pos) const
{
    for (int index = CellCount - 1; index >= 0; --index) {
        if (cellRect(index).contains(pos))
            return index;
    }
    return -1;
}

const DailyTimes *XCalendar::day(int index) const
{
    ensureFilled();
    return index >= 0 && index < CellCount ? m_cells[index].record : nullptr;
}

int XCalendar::dayNumber(int index) const
{
    ensureFilled();
    return index >= 0 && index < CellCount ? m_cells[index].day : 0;
}

int XCalendar::hijriDayNumber(int index) const
{
    ensureFilled();
    return index >= 0 && index < CellCount ? m_cells[index].hijriDay : 0;
}

int XCalendar::todayCell() const
{
    ensureFilled();
    if (m_today.year() != m_year || m_today.month() != m_month)
        return -1;
    for (int index = 0; index < CellCount; ++index) {
        if (m_cells[index].day == m_today.day())
            return index;
    }
    return -1;
}

QString XCalendar::titleText() const
{
    return QStringLiteral("%1 %2").arg(m_language->monthName(m_month)).arg(m_year);
}

QString XCalendar::hijriText() const
{
    ensureFilled();
    return m_hijriText;
}

QString XCalendar::weekdayText(int column) const
{
    return column >= 0 && column < 7 ? m_language->text(QLatin1String(WeekdayKeys[column])) : QString();
}

QRect XCalendar::titleRect() const
{
    const QSize size = textSize(arial(11, true), titleText());
    return QRect(QPoint(width() / 2 - size.width() / 2, 5), size);
}

QRect XCalendar::hijriRect() const
{
    const QSize size = textSize(arial(11, false), hijriText());
    return QRect(QPoint(width() / 2 - size.width() / 2, 5 + m_titleHeight), size);
}

QDate XCalendar::filledOn() const
{
    ensureFilled();
    return m_hasTable ? m_today : QDate();
}

void XCalendar::refreshIfStale(const QDate &today)
{
    if (m_today != today) {
        m_today = today;
        update();
    }
}

void XCalendar::setDisplaySettings(const AppConfig *config)
{
    m_config = config;
    if (m_ownsTimePanel)
        m_timePanel->setDisplaySettings(config);
}

void XCalendar::slotUpdateLanguage()
{
    update();
}

void XCalendar::slotUpdateAlmarik()
{
    // The previous zone's records are gone: nothing may point at them until
    // the month is read again, on the next paint or question.
    for (Cell &cell : m_cells)
        cell.record = nullptr;
    m_fillPending = true;
    if (m_hover >= 0) {
        m_hover = -1;
        hideTimePanel();
    }
    update();
}

void XCalendar::hideTimePanel()
{
    m_hover = -1;
    if (m_timePanel->isVisible())
        m_timePanel->hide();
}

void XCalendar::ensureFilled() const
{
    if (m_fillPending)
        const_cast<XCalendar *>(this)->fill();
}

void XCalendar::fill()
{
    m_fillPending = false;
    QList<DailyTimes> days;
    if (!m_manager->timesOfMonth(m_month, m_year, days) || days.isEmpty()) {
        // The look stays as it was; the records were dropped with the zone.
        m_hasTable = false;
        return;
    }
    m_hasTable = true;
    for (Cell &cell : m_cells)
        cell = Cell();
    // The cells point into the calendar's own copy of the month, which
    // stays as it is until the next fill.
    m_days = days;
    if (m_config)
        HijriAdjustment::apply(*m_manager, m_days, HijriAdjustment::days(*m_config));
    const int first = m_days.first().dayOfWeek;
    for (int i = 0; i < m_days.size(); ++i) {
        const int index = first + i;
        if (index < 0 || index >= CellCount)
            continue;
        const DailyTimes *record = &m_days.at(i);
        m_cells[index] = Cell{record, record->day, record->hijriDay};
    }
    m_hijriText = HijriAdjustment::monthTitle(m_days);
}

void XCalendar::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    ensureFilled();
    QPainter painter(this);

    drawText(painter, titleRect(), Qt::AlignLeft | Qt::AlignVCenter, arial(11, true), Qt::black, titleText());
    drawText(painter, hijriRect(), Qt::AlignLeft | Qt::AlignVCenter, arial(11, false), Qt::black, m_hijriText);

    const QFont weekdayFont = arial(10, false);
    for (int column = 0; column < 7; ++column) {
        const QRect rect(Margin + column * (CellWidth - 1), m_headerY, CellWidth, HeaderHeight);
        painter.fillRect(rect, HeaderColour);
        drawText(painter, rect.adjusted(1, 1, -1, -1), Qt::AlignCenter, weekdayFont, Qt::white, weekdayText(column));
        drawFrame(painter, rect, Qt::white);
    }

    const int today = todayCell();
    // In cell order: a cell's fill and frame lie over the shared line of
    // the cell before it, as the later of two overlapping cells.
    for (int index = 0; index < CellCount; ++index) {
        const QRect rect = cellRect(index);
        const Cell &cell = m_cells[index];
        const bool isToday = index == today;
        if (cell.day > 0)
            painter.fillRect(rect, isToday ? TodayColour : DayColour);
        drawFrame(painter, rect, CellTextColour);
        if (cell.day <= 0 || cell.day > 31 || cell.hijriDay < 0 || cell.hijriDay > 31)
            continue;
        const NumberMetrics &dayMetrics = numberMetrics(false, isToday);
        painter.setFont(numberFont(false, isToday));
        painter.setPen(isToday ? QColor(Qt::black) : QColor(Qt::white));
        painter.drawStaticText(QPoint(rect.x() + 3, rect.bottom() + 1 - 3 - dayMetrics.height),
                               m_numberTexts->text(false, isToday, cell.day));
        const NumberMetrics &hijriMetrics = numberMetrics(true, isToday);
        painter.setFont(numberFont(true, isToday));
        painter.setPen(isToday ? QColor(Qt::black) : HijriColour);
        painter.drawStaticText(QPoint(rect.right() + 1 - hijriMetrics.widths[cell.hijriDay] - 3, rect.y() + 3),
                               m_numberTexts->text(true, isToday, cell.hijriDay));
        if (isMarked(index)) {
            // A corner in the lower right: the day is one the Islamic
            // year keeps; its name is in the pop-up.
            const int side = qMax(5, rect.height() / 4);
            const QPoint corner(rect.right(), rect.bottom());
            const QPolygon mark({corner, corner - QPoint(side, 0), corner - QPoint(0, side)});
            painter.setPen(Qt::NoPen);
            painter.setBrush(isToday ? QColor(Qt::black) : KeptDayColour);
            painter.drawPolygon(mark);
            painter.setBrush(Qt::NoBrush);
        }
    }
}

bool XCalendar::isMarked(int index) const
{
    ensureFilled();
    if (index < 0 || index >= CellCount || m_cells[index].day <= 0 || !m_timePanel)
        return false;
    const QDate date(m_year, m_month, m_cells[index].day);
    return !IslamicDays::on(m_timePanel->islamicDays(), date).isEmpty();
}

void XCalendar::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    hover(cellAt(event->pos()));
}

void XCalendar::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    hover(-1);
}

void XCalendar::hideEvent(QHideEvent *event)
{
    // A hidden calendar takes its pop-up along, as the pointer leaving it.
    QWidget::hideEvent(event);
    hover(-1);
}

void XCalendar::hover(int index)
{
    if (index == m_hover)
        return;
    if (m_hover >= 0 && m_cells[m_hover].record)
        m_timePanel->startHiding();
    m_hover = index;
    const DailyTimes *record = day(index);
    if (!record)
        return;
    const QRect rect = cellRect(index);
    m_timePanel->setDay(*record);
    m_timePanel->move(mapToGlobal(QPoint(rect.x() + rect.width(), rect.y())));
    m_timePanel->showKept();
}
