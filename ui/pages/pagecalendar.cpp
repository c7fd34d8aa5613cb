#include "ui/pages/pagecalendar.h"

#include <QDate>
#include <QScrollArea>
#include <QScrollBar>

#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/configsaver.h"
#include "ui/pages/xcalendar.h"
#include "ui/pages/xtimepanel.h"

PageCalendar::PageCalendar(const AlmarikManager *manager, const Language *language, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PageCalendar"));
    resize(495, 517);

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A visible bar says that there is more than two months to see.
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette palette = m_scrollArea->palette();
    palette.setColor(QPalette::Window, QColor(60, 137, 165, 0));
    m_scrollArea->setPalette(palette);
    m_scrollArea->setAutoFillBackground(true);

    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("contentWidget"));
    m_content->setPalette(palette);
    m_content->setAutoFillBackground(true);
    m_timePanel = new XTimePanel(manager, language, this);

    int firstYear = 0;
    int firstMonth = 0;
    int lastYear = 0;
    int lastMonth = 0;
    int y = 10;
    if (manager->dateRange(firstYear, firstMonth, lastYear, lastMonth)
            && firstMonth >= 1 && firstMonth <= 12 && lastMonth >= 1 && lastMonth <= 12) {
        int year = firstYear;
        int month = firstMonth;
        int index = 0;
        int rowY = y;
        // A broken range must not build calendars without end.
        const int maxCalendars = 1200;
        while ((year < lastYear || (year == lastYear && month <= lastMonth)) && index < maxCalendars) {
            auto *calendar = new XCalendar(month, year, manager, language, m_timePanel, m_content);
            calendar->setObjectName(QStringLiteral("calendar%1_%2").arg(year).arg(month, 2, 10, QLatin1Char('0')));
            if (index % 2 == 0) {
                rowY = y;
                calendar->move(20, rowY);
                y += calendar->height() + 10;
            } else {
                calendar->move(calendar->width() + 35, rowY);
            }
            calendar->show();
            m_calendars.append(calendar);
            ++index;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
        m_content->resize(700, y + 10);
    } else {
        m_content->resize(700, 20);
    }
    m_scrollArea->setWidget(m_content);
}

void PageCalendar::setDisplaySettings(const AppConfig *config)
{
    m_config = config;
    m_timePanel->setDisplaySettings(config);
    for (XCalendar *calendar : qAsConst(m_calendars))
        calendar->setDisplaySettings(config);
    if (!config || !config->saver())
        return;
    m_shownAdjustment = config->hijriAdjustment;
    // The pop-up reads the clock each time it is filled; the Hijri days
    // are read when a calendar fills.
    connect(config->saver(), &ConfigSaver::changed, this, [this] {
        if (m_config->hijriAdjustment == m_shownAdjustment)
            return;
        m_shownAdjustment = m_config->hijriAdjustment;
        for (XCalendar *calendar : qAsConst(m_calendars))
            calendar->slotUpdateAlmarik();
    });
}

void PageCalendar::slotScrollToTop()
{
    // The page is about to be shown: a day that has passed since the
    // calendars were filled moves the green cell.
    slotRefreshToday();
    m_scrollArea->verticalScrollBar()->setSliderPosition(0);
    m_scrollArea->setFocus(Qt::OtherFocusReason);
}

void PageCalendar::slotScrollToToday()
{
    slotRefreshToday();
    scrollToMonth(QDate::currentDate());
    m_scrollArea->setFocus(Qt::OtherFocusReason);
}

void PageCalendar::scrollToMonth(const QDate &date)
{
    // The bar's range follows the content only once a hidden page is
    // shown, so it is set here from the sizes already laid out.
    QScrollBar *bar = m_scrollArea->verticalScrollBar();
    bar->setRange(0, qMax(0, m_content->height() - m_scrollArea->viewport()->height()));
    int top = 0;
    for (XCalendar *calendar : qAsConst(m_calendars)) {
        if (calendar->year() == date.year() && calendar->month() == date.month())
            top = qMax(0, calendar->y() - 10);
    }
    bar->setValue(top);
}

void PageCalendar::slotRefreshToday()
{
    const QDate today = QDate::currentDate();
    for (XCalendar *calendar : qAsConst(m_calendars))
        calendar->refreshIfStale(today);
}

void PageCalendar::slotHideTimePanel()
{
    for (XCalendar *calendar : qAsConst(m_calendars))
        calendar->hideTimePanel();
    m_timePanel->hide();
}

void PageCalendar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_scrollArea->setGeometry(0, 0, width(), height());
    m_content->resize(width() - 10, m_content->height());
}

void PageCalendar::setIslamicDays(const QList<IslamicDays::Day> &days)
{
    m_timePanel->setIslamicDays(days);
    for (XCalendar *calendar : qAsConst(m_calendars))
        calendar->update();
}
