#include "ui/pages/panelalmarik.h"

#include <QDate>
#include <QLabel>

#include "core/dailytimes.h"

namespace {
const QColor NormalText(255, 255, 255, 255);
const QColor TodayText(247, 255, 37, 255);

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    label->setPalette(palette);
}
}

PanelAlmarik::PanelAlmarik(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PanelAlmarik"));
    resize(627, 252);

    labelHighlight = new QLabel(this);
    labelHighlight->setObjectName(QStringLiteral("labelHighlight"));
    QPalette barPalette = labelHighlight->palette();
    barPalette.setColor(QPalette::All, QPalette::Window, QColor(17, 17, 17, 100));
    labelHighlight->setPalette(barPalette);
    labelHighlight->setAutoFillBackground(true);
    labelHighlight->hide();

    const QFont font(QStringLiteral("Arial"), 10, QFont::Normal);
    // Placeholders until the first fill; the day numbers stand at x = 18
    // and the time columns follow at an even pitch.
    const int pitch = (width() - 40) / 8;
    for (int row = 0; row < RowCount; ++row) {
        int y = 0;
        for (int column = 0; column < ColumnCount; ++column) {
            auto *label = new QLabel(this);
            label->setObjectName(QStringLiteral("labelCell%1_%2").arg(row).arg(column));
            label->setFont(font);
            setTextColour(label, NormalText);
            label->setText(column == 0 ? QString::number(row + 1) : QStringLiteral("05:45"));
            label->adjustSize();
            if (column == 0) {
                m_rowPitch = label->height() + 1;
                y = row * m_rowPitch;
                label->move(18, y);
            } else {
                label->move(40 + (column - 1) * pitch + pitch / 2 - label->width() / 2, y);
            }
            m_labels[column][row] = label;
        }
    }
}

QLabel *PanelAlmarik::cellLabel(int row, int column) const
{
    if (row < 0 || row >= RowCount || column < 0 || column >= ColumnCount)
        return nullptr;
    return m_labels[column][row];
}

int PanelAlmarik::highlightY() const
{
    return labelHighlight->isHidden() ? 0 : labelHighlight->y();
}

void PanelAlmarik::fill(int width, const int *centres, int count, const QList<DailyTimes> &days,
                        const TimeFormat &format, const QDate &today)
{
    const QFont normalFont(QStringLiteral("Arial"), 10, QFont::Normal);
    const QFont todayFont(QStringLiteral("Arial"), 10, QFont::Bold);
    const int columns = qBound(0, count, int(ColumnCount));

    // Another month than today's has no row to mark; a bar left over from
    // another month would sit over the wrong day.
    labelHighlight->hide();

    // Texts and fonts first: the tallest label of the month sets the pitch
    // at which the rows then stand.
    const int shown = qMin(int(days.size()), int(RowCount));
    int tallest = 0;
    int todayRow = -1;
    for (int row = 0; row < RowCount; ++row) {
        if (row >= shown) {
            for (int column = 0; column < ColumnCount; ++column)
                m_labels[column][row]->hide();
            continue;
        }
        const DailyTimes *day = &days.at(row);
        const bool isToday = day->year == today.year() && day->month == today.month()
                && day->day == today.day();
        m_labels[0][row]->setText(QString::number(row + 1));
        for (int slot = 0; slot < PrayerSlotCount; ++slot)
            m_labels[slot + 1][row]->setText(format.text(*day, slot));
        for (int column = 0; column < ColumnCount; ++column) {
            QLabel *label = m_labels[column][row];
            label->setFont(isToday ? todayFont : normalFont);
            label->setToolTip(QString());
            setTextColour(label, isToday ? TodayText : NormalText);
            label->adjustSize();
            tallest = qMax(tallest, label->height());
        }
        if (isToday)
            todayRow = row;
    }
    if (tallest > 0)
        m_rowPitch = tallest + 1;

    for (int row = 0; row < shown; ++row) {
        const int y = row * m_rowPitch;
        for (int column = 0; column < ColumnCount; ++column) {
            QLabel *label = m_labels[column][row];
            label->move(column < columns ? centres[column] - label->width() / 2 : label->x(), y);
            label->show();
        }
        if (row == todayRow) {
            labelHighlight->setGeometry(0, y, width, m_rowPitch - 1);
            labelHighlight->show();
            labelHighlight->lower();
        }
    }
    resize(width, shown * m_rowPitch);
}

void PanelAlmarik::markRow(int row, const QString &names)
{
    if (row < 0 || row >= RowCount)
        return;
    QFont marked = m_labels[0][row]->font();
    marked.setUnderline(true);
    m_labels[0][row]->setFont(marked);
    for (int column = 0; column < ColumnCount; ++column)
        m_labels[column][row]->setToolTip(names);
}

bool PanelAlmarik::isRowMarked(int row) const
{
    return row >= 0 && row < RowCount && m_labels[0][row]->font().underline();
}
