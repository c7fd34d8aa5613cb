#include "ui/pages/xtimepanel.h"

#include <QLabel>

#include "core/almarikmanager.h"
#include "core/dailytimes.h"
#include "core/language.h"
#include "core/timeformat.h"
#include "core/nextprayer.h"

namespace {
const int HideDelay = 50;

QLabel *makeLabel(QWidget *parent, const char *name, int pointSize)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(QFont(QStringLiteral("Arial"), pointSize, QFont::Normal));
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QString colourSheet(const QColor &colour)
{
    return QStringLiteral("background-color:#%1%2%3;")
            .arg(colour.red(), 2, 16, QLatin1Char('0'))
            .arg(colour.green(), 2, 16, QLatin1Char('0'))
            .arg(colour.blue(), 2, 16, QLatin1Char('0'));
}
}

XTimePanel::XTimePanel(const AlmarikManager *manager, const Language *language, QWidget *parent)
    : QWidget(parent)
    , m_manager(manager)
    , m_language(language)
{
    setObjectName(QStringLiteral("XTimePanel"));
    setWindowFlags(Qt::ToolTip);
    resize(150, 200);
    hide();
    setStyleSheet(colourSheet(QColor(48, 184, 65)));
    connect(&m_timer, &QTimer::timeout, this, &XTimePanel::slotTimer);

    const QString frameSheet = QStringLiteral("QLabel { background-color : #708090; color : #708090; }");
    labelBorderTop = new QLabel(this);
    labelBorderBottom = new QLabel(this);
    labelBorderLeft = new QLabel(this);
    labelBorderRight = new QLabel(this);
    labelBorderTop->setObjectName(QStringLiteral("labelBorderTop"));
    labelBorderBottom->setObjectName(QStringLiteral("labelBorderBottom"));
    labelBorderLeft->setObjectName(QStringLiteral("labelBorderLeft"));
    labelBorderRight->setObjectName(QStringLiteral("labelBorderRight"));
    for (QLabel *border : {labelBorderTop, labelBorderBottom, labelBorderLeft, labelBorderRight})
        border->setStyleSheet(frameSheet);

    labelZone = makeLabel(this, "labelZone", 9);
    labelZone->setAlignment(Qt::AlignCenter);
    labelDate = makeLabel(this, "labelDate", 9);
    labelHijri = makeLabel(this, "labelHijri", 9);
    for (QLabel *heading : {labelZone, labelDate, labelHijri}) {
        heading->setText(QString());
        heading->adjustSize();
    }
    labelEvent = makeLabel(this, "labelEvent", 9);
    labelEvent->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    labelEvent->setStyleSheet(QStringLiteral("QLabel { color : #f7ff25; }"));
    labelEvent->setAlignment(Qt::AlignCenter);
    labelEvent->hide();

    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        labelName[slot] = makeLabel(this, "labelName", 10);
        labelName[slot]->setObjectName(QStringLiteral("labelName") + prayerSlotName(slot));
        labelName[slot]->setText(m_language->text(QStringLiteral("Prayer.") + prayerSlotName(slot)));
        labelName[slot]->adjustSize();
        labelTime[slot] = makeLabel(this, "labelTime", 10);
        labelTime[slot]->setObjectName(QStringLiteral("labelTime") + prayerSlotName(slot));
        labelTime[slot]->setText(QStringLiteral("00:00"));
        labelTime[slot]->adjustSize();
    }
    layoutPanel();
}

void XTimePanel::setDay(const DailyTimes &day)
{
    labelZone->setText(m_manager->zoneDisplayName());
    labelDate->setText(m_language->dateText(m_language->monthName(day.month), day.day, day.year));
    labelHijri->setText(m_language->dateText(day.hijriMonthName, day.hijriDay, day.hijriYear));
    const QStringList events = islamicDayNames(QDate(day.year, day.month, day.day));
    labelEvent->setText(events.join(QLatin1Char('\n')));
    labelEvent->setVisible(!events.isEmpty());
    labelEvent->adjustSize();
    const TimeFormat format = m_config ? TimeFormat::fromConfig(*m_config, *m_language) : TimeFormat();
    // The panel lives as long as its page: the names follow the language.
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        labelName[slot]->setText(m_language->text(NextPrayer::nameKey(slot, QDate(day.year, day.month, day.day))));
        labelTime[slot]->setText(format.text(day, slot));
    }

    for (QLabel *heading : {labelZone, labelDate, labelHijri})
        heading->adjustSize();
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        labelName[slot]->adjustSize();
        labelTime[slot]->adjustSize();
    }
    layoutPanel();
}

QStringList XTimePanel::islamicDayNames(const QDate &date) const
{
    QStringList names;
    for (const IslamicDays::Day &kept : IslamicDays::on(m_islamicDays, date))
        names << m_language->text(kept.nameKey);
    return names;
}

void XTimePanel::startHiding()
{
    m_keepVisible = false;
    m_timer.start(HideDelay);
}

void XTimePanel::showKept()
{
    m_keepVisible = true;
    QWidget::show();
}

void XTimePanel::slotTimer()
{
    m_timer.stop();
    if (!m_keepVisible)
        hide();
}

void XTimePanel::layoutPanel()
{
    // 150 wide as a rule; a long Hijri date or a wide font widens the panel
    // rather than clipping the text.
    int needed = 150;
    for (const QLabel *heading : {labelZone, labelDate, labelHijri})
        needed = qMax(needed, heading->width() + 20);
    if (!labelEvent->isHidden())
        needed = qMax(needed, labelEvent->width() + 20);
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        needed = qMax(needed, 25 + labelName[slot]->width() + 10 + labelTime[slot]->width() + 25);
    const int w = needed;
    labelZone->move(w / 2 - labelZone->width() / 2, 15);
    labelDate->move(w / 2 - labelDate->width() / 2, labelZone->height() + 16);
    labelHijri->move(w / 2 - labelHijri->width() / 2, labelDate->y() + labelDate->height() + 1);

    int y = labelHijri->y() + labelHijri->height() + 5;
    if (!labelEvent->isHidden()) {
        labelEvent->move(w / 2 - labelEvent->width() / 2, labelHijri->y() + labelHijri->height() + 2);
        y = labelEvent->y() + labelEvent->height() + 5;
    }
    int lastBottom = y;
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        labelName[slot]->move(25, y);
        labelTime[slot]->move(w - 25 - labelTime[slot]->width(), y);
        const int rowHeight = qMax(labelName[slot]->height(), labelTime[slot]->height());
        lastBottom = y + rowHeight;
        y += rowHeight + 1;
    }

    const int h = lastBottom + 15;
    resize(w, h);
    labelBorderTop->setGeometry(0, 0, w, 1);
    labelBorderBottom->setGeometry(0, h - 1, w, 1);
    labelBorderLeft->setGeometry(0, 0, 1, h);
    labelBorderRight->setGeometry(w - 1, 0, 1, h);
    for (QLabel *border : {labelBorderTop, labelBorderBottom, labelBorderLeft, labelBorderRight})
        border->raise();
}
