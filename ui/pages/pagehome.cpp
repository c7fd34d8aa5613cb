#include "ui/pages/pagehome.h"
#include "ui/picturestore.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>

#include "core/almarikmanager.h"
#include "core/configsaver.h"
#include "core/hijriadjustment.h"
#include "core/timeformat.h"
#include "core/appconfig.h"
#include "core/coveragenotice.h"
#include "core/dataprovenance.h"
#include "core/language.h"
#include "ui/controls/labelfactory.h"
#include "ui/controls/taborder.h"
#include "ui/controls/xurllabel.h"
#include "ui/dialogs/dialogplace.h"
#include "ui/dialogs/promptnodata.h"
#include "ui/pages/nextprayerwatch.h"
#include "ui/pages/panelalmarik.h"
#include "ui/pages/timetableexport.h"
#include "core/logcategories.h"

namespace {
const QColor DarkBand(17, 17, 17, 100);
const QColor ClearBackground(60, 137, 165, 0);
const QString MapTemplate = QStringLiteral("https://www.openstreetmap.org/?mlat=%1&mlon=%2#map=12/%1/%2");

const char *const ColumnNames[9] = {
    "No", "Imsak", "Subuh", "Syuruk", "Duha", "Zohor", "Asar", "Maghrib", "Isyak",
};

void placeLink(XUrlLabel *label, int x, int y)
{
    label->adjustSize();
    label->setAnchorPosition(x, y);
}
}

PageHome::PageHome(const UiContext &ctx, NextPrayerWatch *watch, QWidget *parent)
    : QWidget(parent)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("PageHome"));
    m_watch = watch;
    buildForm();
    createCountdown();
    createExportMenu();
    orderTabs();
    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &PageHome::slotUpdateLanguage);
    connect(m_ctx.almarikManager, &AlmarikManager::updated, this, &PageHome::slotUpdateAlmarik);
    followDisplaySettings();
    slotGoToToday();
    m_initialised = true;
}

PageHome::~PageHome() = default;

QString PageHome::mapUrl(double latitude, double longitude)
{
    return MapTemplate.arg(QString::number(latitude, 'g', 6), QString::number(longitude, 'g', 6));
}

void PageHome::buildForm()
{
    resize(686, 496);

    labelZone = LabelFactory::label(this, QStringLiteral("labelZone"), 12, Qt::white, QFont::Bold);
    labelGps = LabelFactory::link(this, QStringLiteral("labelGps"), 10);
    connect(labelGps, &XUrlLabel::clicked, this, &PageHome::slotShowGpsMap);
    labelDate = LabelFactory::label(this, QStringLiteral("labelDate"), 10);
    labelHijri = LabelFactory::label(this, QStringLiteral("labelHijri"), 10);
    labelSource = LabelFactory::link(this, QStringLiteral("labelSource"), 9);
    labelCoverage = LabelFactory::label(this, QStringLiteral("labelCoverage"), 9, QColor(247, 255, 37), QFont::Bold);
    labelCoverage->setWordWrap(true);
    labelCoverage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labelCoverage->hide();
    labelNoTimes = LabelFactory::label(this, QStringLiteral("labelNoTimes"), 12, Qt::white, QFont::Bold);
    labelNoTimes->setWordWrap(true);
    labelNoTimes->setAlignment(Qt::AlignCenter);
    labelNoTimes->hide();

    labelLine1 = LabelFactory::label(this, QStringLiteral("labelLine1"), 10);
    labelLine2 = LabelFactory::label(this, QStringLiteral("labelLine2"), 10);
    labelLine3 = LabelFactory::label(this, QStringLiteral("labelLine3"), 10);
    for (QLabel *rule : {labelLine1, labelLine2, labelLine3})
        LabelFactory::makeBar(rule, Qt::white);

    labelHeader = LabelFactory::label(this, QStringLiteral("labelHeader"), 10);
    QPalette band = labelHeader->palette();
    band.setColor(QPalette::All, QPalette::Window, DarkBand);
    labelHeader->setPalette(band);
    labelHeader->setAutoFillBackground(true);

    // The column captions are the slot names themselves in every language.
    for (int column = 0; column < 9; ++column) {
        labelColumn[column] = LabelFactory::label(this, QStringLiteral("label") + QLatin1String(ColumnNames[column]), 10, Qt::white, QFont::Bold);
        labelColumn[column]->setText(column == 0 ? QStringLiteral("#") : prayerSlotName(column - 1));
        labelColumn[column]->adjustSize();
    }

    labelAyatQuran = new QLabel(this);
    labelAyatQuran->setObjectName(QStringLiteral("labelAyatQuran"));
    labelAyatQuran->setPixmap(PictureStore::pixmap(m_ctx.pictures, QStringLiteral(":/images/AyatQuran.png")));
    labelAyatQuran->adjustSize();
    labelTafsirQuran = LabelFactory::label(this, QStringLiteral("labelTafsirQuran"), 8);
    labelTafsirQuran->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labelTafsirQuran->setWordWrap(true);

    for (int k = 0; k < 12; ++k) {
        labelMonth[k] = LabelFactory::link(this, QStringLiteral("labelMonth%1").arg(k + 1), 9);
        connect(labelMonth[k], &XUrlLabel::clicked, this, [this, k] { showMonthOfThisYear(k + 1); });
    }

    frameNavigate = new QFrame(this);
    frameNavigate->setObjectName(QStringLiteral("frameNavigate"));
    frameNavigate->setFrameShape(QFrame::NoFrame);
    labelPrevious = LabelFactory::link(frameNavigate, QStringLiteral("labelPrevious"), 9);
    labelPrevious->setAnchorAlignment(Qt::AlignRight);
    labelNow = LabelFactory::link(frameNavigate, QStringLiteral("labelNow"), 9);
    labelNow->setAnchorAlignment(Qt::AlignCenter);
    labelNext = LabelFactory::link(frameNavigate, QStringLiteral("labelNext"), 9);
    labelSeparator1 = LabelFactory::label(frameNavigate, QStringLiteral("labelSeparator1"), 9);
    labelSeparator2 = LabelFactory::label(frameNavigate, QStringLiteral("labelSeparator2"), 9);
    for (QLabel *separator : {labelSeparator1, labelSeparator2}) {
        separator->setText(QStringLiteral("|"));
        separator->adjustSize();
    }
    connect(labelPrevious, &XUrlLabel::clicked, this, &PageHome::slotShowPrevious);
    connect(labelNow, &XUrlLabel::clicked, this, &PageHome::slotShowNow);
    connect(labelNext, &XUrlLabel::clicked, this, &PageHome::slotShowNext);

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The bar is hidden: the arrow and page keys scroll the focused grid.
    m_scrollArea->setFocusPolicy(Qt::StrongFocus);
    QPalette clear = m_scrollArea->palette();
    clear.setColor(QPalette::Window, ClearBackground);
    m_scrollArea->setPalette(clear);
    m_scrollArea->setAutoFillBackground(true);
    m_panel = new PanelAlmarik;
    m_scrollArea->setWidget(m_panel);
    // The grid moves by whole rows (wheel, keys, or a position set from
    // code), so that no row is cut at the top or the bottom edge.
    QScrollBar *bar = m_scrollArea->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
        const int pitch = m_panel->rowPitch();
        const int snapped = qMin(bar->maximum(), (value + pitch / 2) / pitch * pitch);
        if (snapped != value)
            bar->setValue(snapped);
    });
}

// Tab goes as the page reads: the map and source links of the heading, the
// grid (arrow keys scroll it), the months beside it, then the line under it.
void PageHome::orderTabs()
{
    QList<QWidget *> order{labelGps, labelSource, m_scrollArea};
    for (XUrlLabel *month : labelMonth)
        order.append(month);
    order << labelExport << labelPrevious << labelNow << labelNext;
    TabOrder::chain(order);
}

void PageHome::createCountdown()
{
    labelCountdown = LabelFactory::label(this, QStringLiteral("labelCountdown"), 9, QColor(247, 255, 37), QFont::Bold);
    if (!m_watch)
        m_watch = new NextPrayerWatch(m_ctx, this);
    connect(m_watch, &NextPrayerWatch::changed, this, &PageHome::showCountdown);
    showCountdown();
}

void PageHome::showCountdown()
{
    labelCountdown->setText(m_watch->summary());
    labelCountdown->setToolTip(m_watch->coverageLine());
    layoutCountdown();
}

void PageHome::createExportMenu()
{
    m_export = new TimetableExport(m_ctx, this);
    labelExport = LabelFactory::link(this, QStringLiteral("labelExport"), 9);
    m_exportMenu = new QMenu(this);
    m_exportMenu->setObjectName(QStringLiteral("menuExport"));
    const struct {
        const char *name;
        TimetableExport::Format format;
    } files[] = {
        {"actionExportCalendar", TimetableExport::Calendar},
        {"actionExportSpreadsheet", TimetableExport::Spreadsheet},
        {"actionExportPdf", TimetableExport::Pdf},
    };
    for (const auto &file : files) {
        QAction *action = m_exportMenu->addAction(QString());
        action->setObjectName(QLatin1String(file.name));
        const TimetableExport::Format format = file.format;
        connect(action, &QAction::triggered, this, [this, format] {
            const QDate shown = m_date.isValid() ? m_date : QDate::currentDate();
            m_export->run(format, shown.year(), shown.month());
        });
    }
    QAction *print = m_exportMenu->addAction(QString());
    print->setObjectName(QStringLiteral("actionExportPrint"));
    connect(print, &QAction::triggered, this, [this] {
        const QDate shown = m_date.isValid() ? m_date : QDate::currentDate();
        m_export->print(shown.year(), shown.month());
    });
    connect(labelExport, &XUrlLabel::clicked, this, [this] {
        m_exportMenu->popup(labelExport->mapToGlobal(QPoint(0, labelExport->height())));
    });
}

void PageHome::relabelExportMenu()
{
    const char *const keys[] = {"Export.Calendar", "Export.Spreadsheet", "Export.Pdf", "Export.Print"};
    const QList<QAction *> actions = m_exportMenu->actions();
    for (int k = 0; k < actions.size() && k < 4; ++k)
        actions.at(k)->setText(m_ctx.language->text(QLatin1String(keys[k])));
    labelExport->setText(m_ctx.language->text(QStringLiteral("Export.Menu")) + QStringLiteral(" \u25bc"));
    labelExport->adjustSize();
}

void PageHome::setIslamicDays(const QList<IslamicDays::Day> &days)
{
    m_islamicDays = days;
    layoutPage();
}

void PageHome::markIslamicDays()
{
    for (int row = 0; row < m_days.size(); ++row) {
        const DailyTimes &day = m_days.at(row);
        QStringList names;
        for (const IslamicDays::Day &kept : IslamicDays::on(m_islamicDays, QDate(day.year, day.month, day.day)))
            names << m_ctx.language->text(kept.nameKey);
        if (!names.isEmpty())
            m_panel->markRow(row, names.join(QLatin1Char('\n')));
    }
}

// The countdown sits right-aligned under the verse's meaning, above the
// first rule.
void PageHome::layoutCountdown()
{
    labelCountdown->adjustSize();
    // The line about the tables' end takes the meaning's place and may be
    // three lines long: the countdown then moves under the source line.
    if (labelCoverage && !labelCoverage->isHidden()) {
        labelCountdown->move(40, 109 - labelCountdown->height());
    } else {
        const int y = qMin(labelTafsirQuran->y() + labelTafsirQuran->height(), 109 - labelCountdown->height());
        labelCountdown->move(width() - 25 - labelCountdown->width(), y);
    }
    labelCountdown->raise();
}

void PageHome::slotUpdateLanguage()
{
    if (m_initialised)
        refreshHeader();
    for (int k = 0; k < 12; ++k) {
        labelMonth[k]->setText(m_ctx.language->monthName(k + 1));
        labelMonth[k]->adjustSize();
    }
    relabelExportMenu();
    labelPrevious->setText(m_ctx.language->text(QStringLiteral("Almarik.Previous")));
    labelNow->setText(m_ctx.language->text(QStringLiteral("Almarik.Now")));
    labelNext->setText(m_ctx.language->text(QStringLiteral("Almarik.Next")));
    for (XUrlLabel *link : {labelPrevious, labelNow, labelNext})
        link->adjustSize();
    layoutPage();
}

void PageHome::followDisplaySettings()
{
    // The clock and the Hijri adjustment are read when the month is shown:
    // a change of either shows it again.
    ConfigSaver *saver = m_ctx.config->saver();
    if (!saver)
        return;
    m_shownDisplay = qMakePair(m_ctx.config->hourSystem, m_ctx.config->hijriAdjustment);
    connect(saver, &ConfigSaver::changed, this, [this] {
        const QPair<int, int> now(m_ctx.config->hourSystem, m_ctx.config->hijriAdjustment);
        if (now == m_shownDisplay)
            return;
        m_shownDisplay = now;
        slotUpdateAlmarik();
    });
}

void PageHome::slotShowGpsMap()
{
    qCDebug(lcUi) << "Map of the zone asked for";
}

bool PageHome::loadMonth(int month, int year, QList<DailyTimes> &days) const
{
    QList<DailyTimes> found;
    if (!m_ctx.almarikManager->timesOfMonth(month, year, found))
        return false;
    HijriAdjustment::apply(*m_ctx.almarikManager, found, HijriAdjustment::days(*m_ctx.config));
    days = found;
    return true;
}

bool PageHome::showMonth(const QDate &date)
{
    // A failed query leaves the shown month, its days and the panel as
    // they were.
    QList<DailyTimes> days;
    if (!date.isValid() || !loadMonth(date.month(), date.year(), days)) {
        showNoDataPrompt();
        return false;
    }
    m_date = date;
    m_days = days;
    refreshHeader();
    layoutPage();
    return true;
}

void PageHome::slotShowPrevious()
{
    showMonth(m_date.addMonths(-1));
}

void PageHome::slotShowNext()
{
    showMonth(m_date.addMonths(1));
}

void PageHome::slotShowNow()
{
    showMonth(today());
}

QDate PageHome::today() const
{
    return m_today.isValid() ? m_today : QDate::currentDate();
}

void PageHome::setToday(const QDate &today)
{
    if (today == m_today)
        return;
    m_today = today;
    refreshCoverage();
    layoutPage();
}

void PageHome::showMonthOfThisYear(int month)
{
    const int year = today().year();
    // The shown day is carried over, but never past the chosen month's end
    // (the 31st in a 30-day month would make the date invalid).
    const int day = qMin(m_date.isValid() ? m_date.day() : 1, QDate(year, month, 1).daysInMonth());
    showMonth(QDate(year, month, day));
}

void PageHome::slotUpdateAlmarik()
{
    QList<DailyTimes> days;
    if (!loadMonth(m_date.month(), m_date.year(), days))
        return;
    m_days = days;
    refreshHeader();
    layoutPage();
}

void PageHome::slotGoToToday()
{
    m_date = today();
    QList<DailyTimes> days;
    loadMonth(m_date.month(), m_date.year(), days);
    m_days = days;
    refreshHeader();
    layoutPage();

    // The scroll bar's range follows the panel's size only once a hidden
    // page is shown, so it is set here from the sizes just laid out.
    QScrollBar *bar = m_scrollArea->verticalScrollBar();
    bar->setRange(0, qMax(0, m_panel->height() - m_scrollArea->height()));
    // The day before today stays in sight above it.
    bar->setSliderPosition(qMax(0, m_panel->highlightY() - m_panel->rowPitch()));
    m_scrollArea->setFocus(Qt::OtherFocusReason);
}

void PageHome::showNoDataPrompt()
{
    PromptNoData prompt(*m_ctx.language, this);
    prompt.exec();
}

QString PageHome::placeHeading() const
{
    const AlmarikManager *manager = m_ctx.almarikManager;
    if (!manager->isCustomPlace())
        return manager->zoneDisplayName();
    return m_ctx.language->text(QStringLiteral("Place.Heading"))
        .arg(manager->zoneDisplayName(), DialogPlace::conventionTitle(*m_ctx.language, manager->customConvention()));
}

// Where the times of the shown day come from; the timetable's own source
// line when the data does not say.
QString PageHome::sourceLine() const
{
    if (m_days.isEmpty())
        return QString();
    const QString line = DataProvenance::text(m_ctx.almarikManager->sourceOf(m_date), *m_ctx.language);
    if (!line.isEmpty())
        return line;
    return m_ctx.language->text(QStringLiteral("Almarik.Source")) + QStringLiteral(": ")
        + m_ctx.almarikManager->zoneSource();
}

// From the warning window on, a line under the verse says when the times
// end; once they have ended and the month shown has none, the page says so
// where the grid would be.
void PageHome::refreshCoverage()
{
    const CoverageNotice notice(today(), m_ctx.almarikManager->lastCoveredDay());
    const QString line = notice.line(*m_ctx.language);
    const bool noTimes = notice.state() == CoverageNotice::Ended && m_days.isEmpty();
    // Said once: in the grid's place when there is no grid.
    labelCoverage->setText(line);
    labelCoverage->setVisible(!line.isEmpty() && !noTimes);
    labelTafsirQuran->setVisible(!labelCoverage->isVisible());
    labelNoTimes->setText(noTimes ? line : QString());
    labelNoTimes->setVisible(noTimes);
}

QString PageHome::headingText() const
{
    return labelZone->text();
}

QString PageHome::sourceText() const
{
    return labelSource->text();
}

QString PageHome::coverageText() const
{
    return labelCoverage->isHidden() ? QString() : labelCoverage->text();
}

QString PageHome::noTimesText() const
{
    return labelNoTimes->isHidden() ? QString() : labelNoTimes->text();
}

void PageHome::refreshHeader()
{
    AlmarikManager *manager = m_ctx.almarikManager;
    const QString zone = placeHeading();
    labelZone->setFont(QFont(QStringLiteral("Arial"), zone.contains(QLatin1Char('\n')) ? 10 : 12, QFont::Bold));
    labelZone->setText(zone);

    labelGps->setText(manager->coordinatesText());
    // 0/0 stands for an unknown position (and for no zone at all): no link
    // then, rather than one to a point in the sea off West Africa.
    const bool known = manager->latitude() != 0.0 || manager->longitude() != 0.0;
    labelGps->setUrl(known ? mapUrl(manager->latitude(), manager->longitude()) : QString());

    labelDate->setText(QStringLiteral("%1 %2").arg(m_ctx.language->monthName(m_date.month())).arg(m_date.year()));
    labelHijri->setText(HijriAdjustment::monthTitle(*manager, m_date.year(), m_date.month(),
                                                    HijriAdjustment::days(*m_ctx.config)));

    labelSource->setText(sourceLine());
    labelSource->setUrl(manager->zoneSourceUrl());

    labelTafsirQuran->setText(m_ctx.language->text(QStringLiteral("Almarik.Tafsir")));
    refreshCoverage();
}

void PageHome::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutPage();
}

// The grid's view shrinks from the room layoutPage() gave it to the whole
// rows that fit there, and one step of the scroll bar is one row: with the
// snapping set up in buildForm(), every row shown is shown whole.
void PageHome::fitGridToWholeRows()
{
    const int pitch = m_panel->rowPitch();
    const int room = m_scrollArea->height();
    const int rows = room / pitch;
    m_scrollArea->resize(m_scrollArea->width(), rows > 0 ? rows * pitch : room);
    QScrollBar *bar = m_scrollArea->verticalScrollBar();
    bar->setSingleStep(pitch);
    bar->setRange(0, qMax(0, m_panel->height() - m_scrollArea->height()));
}

void PageHome::layoutPage()
{
    const int p = width();

    // Header block, stacked upwards from the source line.
    placeLink(labelSource, 40, 75);
    QWidget *below = labelSource;
    for (QWidget *above : std::initializer_list<QWidget *>{labelHijri, labelDate, labelGps, labelZone}) {
        above->adjustSize();
        const int y = below->y() - above->height();
        if (above == labelGps)
            placeLink(labelGps, 40, y);
        else
            above->move(40, y);
        below = above;
    }

    // Verse picture and its meaning at the top right, the meaning as tall
    // as its text so that the countdown fits under it.
    labelAyatQuran->adjustSize();
    labelAyatQuran->move(p - 25 - labelAyatQuran->width(), 0);
    const int tafsirWidth = labelAyatQuran->width();
    labelTafsirQuran->setGeometry(p - 25 - tafsirWidth, labelAyatQuran->y() + labelAyatQuran->height() - 5,
                                  tafsirWidth, qMax(0, labelTafsirQuran->heightForWidth(tafsirWidth)));
    labelCoverage->setGeometry(labelTafsirQuran->x() - 30, labelTafsirQuran->y(), labelTafsirQuran->width() + 30,
                               qMax(40, labelCoverage->heightForWidth(labelTafsirQuran->width() + 30)));

    // Rules and the dark band behind the column captions.
    const int ruleWidth = p - 50;
    const int ruleX = p / 2 - ruleWidth / 2;
    labelLine1->setGeometry(ruleX, 110, ruleWidth, 1);
    labelLine2->setGeometry(ruleX, 133, ruleWidth, 1);
    labelLine3->setGeometry(ruleX, 345, ruleWidth, 1);
    const int bandTop = labelLine1->y() + labelLine1->height();
    labelHeader->setGeometry(ruleX, bandTop, ruleWidth, labelLine2->y() - bandTop);

    // The timetable, and the month links in a column beside it.
    const int areaTop = labelLine2->y() + labelLine2->height() + 4;
    m_scrollArea->setGeometry(ruleX, areaTop, ruleWidth - 80, qMax(0, labelLine3->y() - 9 - areaTop));
    const int monthTop = labelLine2->y() + labelLine2->height() + 5;
    const int monthX = m_scrollArea->x() + m_scrollArea->width() + 8;
    int monthPitch = 0;
    for (XUrlLabel *link : labelMonth) {
        link->adjustSize();
        monthPitch = qMax(monthPitch, link->height() + 1);
    }
    // A font taller than the page was drawn for would push the last months
    // over the bottom rule: the column then closes up to fit.
    const int monthRoom = labelLine3->y() - 1 - monthTop;
    if (monthPitch * 12 - 1 > monthRoom)
        monthPitch = (monthRoom + 1) / 12;
    for (int k = 0; k < 12; ++k)
        placeLink(labelMonth[k], monthX, monthTop + k * monthPitch);

    // Navigation bar under the last rule; the Malay captions are longer.
    const bool english = m_ctx.config->language == QLatin1String("English");
    const int frameWidth = english ? 251 : 265;
    const int linkHeight = qMax(labelNow->height(), labelSeparator1->height());
    frameNavigate->setGeometry(p / 2 - frameWidth / 2, labelLine3->y() + (english ? 6 : 5), frameWidth, linkHeight + 4);
    const int linkY = (frameNavigate->height() - linkHeight) / 2;
    placeLink(labelNow, frameWidth / 2 - labelNow->width() / 2, linkY);
    const int gap = 6;
    labelSeparator1->move(labelNow->x() - gap - labelSeparator1->width(), linkY);
    labelSeparator2->move(labelNow->x() + labelNow->width() + gap, linkY);
    placeLink(labelPrevious, labelSeparator1->x() - gap - labelPrevious->width(), linkY);
    placeLink(labelNext, labelSeparator2->x() + labelSeparator2->width() + gap, linkY);
    placeLink(labelExport, ruleX, frameNavigate->y() + linkY);

    // Column captions midway between the first two rules.
    const int w = labelLine1->width();
    const int x = labelLine1->x();
    const int pitch = (w - 120) / 8;
    int centres[9];
    centres[0] = 40 / 2 + 2;
    for (int k = 0; k < 8; ++k)
        centres[k + 1] = 40 + 2 + k * pitch + pitch / 2;
    for (int column = 0; column < 9; ++column) {
        QLabel *caption = labelColumn[column];
        caption->adjustSize();
        caption->move(x + centres[column] - caption->width() / 2,
                      labelHeader->y() + (labelHeader->height() - caption->height()) / 2);
        caption->raise();
    }

    m_panel->fill(w - 80, centres, 9, m_days, TimeFormat::fromConfig(*m_ctx.config, *m_ctx.language));
    fitGridToWholeRows();
    labelNoTimes->setGeometry(m_scrollArea->geometry().adjusted(20, 0, -20, 0));
    labelNoTimes->raise();
    markIslamicDays();
    if (labelCountdown)
        layoutCountdown();
}
