#include "ui/pages/pageqibla.h"

#include <QLabel>

#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/language.h"
#include "core/qibla.h"
#include "core/qiblareport.h"
#include "core/zonetimezone.h"
#include "ui/controls/clockformat.h"
#include "ui/controls/labelfactory.h"
#include "ui/controls/xurllabel.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/qiblacompass.h"

PageQibla::PageQibla(const UiContext &ctx, QWidget *parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_day(QDate::currentDate())
{
    setObjectName(QStringLiteral("PageQibla"));
    resize(618, 326);
    createLabels();
    connect(m_ctx.language, &Language::updated, this, &PageQibla::refresh);
    connect(m_ctx.almarikManager, &AlmarikManager::updated, this, &PageQibla::refresh);
    refresh();
}

PageQibla::~PageQibla() = default;

void PageQibla::createLabels()
{
    m_compass = new QiblaCompass(this);
    m_title = LabelFactory::label(this, QStringLiteral("labelTitle"), 12, Qt::white, QFont::Bold);
    m_bearing = LabelFactory::label(this, QStringLiteral("labelBearing"), 10, Qt::white, QFont::Bold);
    m_distance = LabelFactory::label(this, QStringLiteral("labelDistance"), 10);
    m_coordinates = LabelFactory::link(this, QStringLiteral("labelCoordinates"), 10);
    m_shadow = LabelFactory::label(this, QStringLiteral("labelShadow"), 9);
    m_overhead = LabelFactory::label(this, QStringLiteral("labelOverhead"), 9);
    for (QLabel *text : {m_shadow, m_overhead}) {
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void PageQibla::setDay(const QDate &day)
{
    m_day = day;
    m_dayFixed = true;
    refresh();
}

void PageQibla::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A page left open past midnight shows the new day's shadow times.
    if (!m_dayFixed && m_day != QDate::currentDate()) {
        m_day = QDate::currentDate();
        refresh();
    }
}

void PageQibla::refresh()
{
    const Language &language = *m_ctx.language;
    const AlmarikManager &manager = *m_ctx.almarikManager;
    const QString place = manager.zoneDisplayName().simplified();
    m_title->setText(language.text(QStringLiteral("Qibla.Title"))
                     + (place.isEmpty() ? QString() : QStringLiteral(" - ") + place));

    // 0/0 stands for an unknown position (and for no zone at all).
    const bool known = manager.latitude() != 0.0 || manager.longitude() != 0.0;
    m_coordinates->setText(manager.coordinatesText());
    m_coordinates->setUrl(known ? PageHome::mapUrl(manager.latitude(), manager.longitude()) : QString());
    if (!known) {
        m_compass->clearBearing();
        for (QLabel *text : {m_bearing, m_distance, m_shadow, m_overhead})
            text->clear();
        layoutPage();
        return;
    }

    const Qibla qibla(manager.latitude(), manager.longitude());
    const QTimeZone zone = ZoneTimeZone::orSystem(manager.zoneCode());
    const QiblaReport report(qibla, zone, language, ClockFormat::of(*m_ctx.config));
    if (qibla.hasBearing())
        m_compass->setBearing(qibla.bearing());
    else
        m_compass->clearBearing();
    m_bearing->setText(report.bearingText());
    m_distance->setText(report.distanceText());
    m_shadow->setText(report.shadowTexts(m_day).join(QLatin1Char('\n')));
    m_overhead->setText(report.overheadTexts(m_day.year()).join(QLatin1Char('\n')));
    layoutPage();
}

void PageQibla::layoutPage()
{
    const int margin = 20;
    const int side = qMin(220, height() - 2 * margin);
    m_compass->setGeometry(margin, (height() - side) / 2, side, side);

    const int x = m_compass->x() + side + 20;
    const int textWidth = width() - x - margin;
    int y = margin;
    for (QLabel *line : {static_cast<QLabel *>(m_title), m_bearing, m_distance}) {
        line->adjustSize();
        line->move(x, y);
        y += line->height() + 4;
    }
    m_coordinates->adjustSize();
    m_coordinates->setAnchorPosition(x, y);
    y += m_coordinates->height() + 10;
    for (QLabel *block : {m_shadow, m_overhead}) {
        block->setFixedWidth(textWidth);
        block->setFixedHeight(block->heightForWidth(textWidth));
        block->move(x, y);
        y += block->height() + 10;
    }
}
