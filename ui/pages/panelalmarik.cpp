#include "ui/pages/panelalmarik.h"

#include <QDate>
#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QToolTip>

#include "core/dailytimes.h"

namespace {
const QColor NormalText(255, 255, 255, 255);
const QColor TodayText(247, 255, 37, 255);
const QColor TodayBar(17, 17, 17, 100);
}

PanelAlmarik::PanelAlmarik(QWidget *parent)
    : QWidget(parent)
    , m_normalFont(QStringLiteral("Arial"), 10, QFont::Normal)
    , m_todayFont(QStringLiteral("Arial"), 10, QFont::Bold)
{
    setObjectName(QStringLiteral("PanelAlmarik"));
    resize(627, 252);
}

int PanelAlmarik::rowPitch() const
{
    return qMax(QFontMetrics(m_normalFont).height(), QFontMetrics(m_todayFont).height()) + 1;
}

int PanelAlmarik::rowAt(int y) const
{
    if (y < 0)
        return -1;
    const int row = y / rowPitch();
    return row < m_rows.size() ? row : -1;
}

QString PanelAlmarik::cellText(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= ColumnCount)
        return QString();
    return m_rows.at(row).cells[column];
}

QRect PanelAlmarik::cellRect(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns)
        return QRect();
    const int textWidth = QFontMetrics(cellFont(row, column)).horizontalAdvance(cellText(row, column));
    return QRect(m_centres[column] - textWidth / 2, rowTop(row), textWidth, rowHeight());
}

QFont PanelAlmarik::cellFont(int row, int column) const
{
    QFont font = row == m_todayRow ? m_todayFont : m_normalFont;
    if (column == 0 && isRowMarked(row))
        font.setUnderline(true);
    return font;
}

QColor PanelAlmarik::cellColour(int row) const
{
    return row == m_todayRow ? TodayText : NormalText;
}

int PanelAlmarik::highlightY() const
{
    return m_todayRow < 0 ? 0 : rowTop(m_todayRow);
}

QRect PanelAlmarik::highlightRect() const
{
    return m_todayRow < 0 ? QRect() : QRect(0, rowTop(m_todayRow), width(), rowHeight());
}

void PanelAlmarik::fill(int width, const int *centres, int count, const QList<DailyTimes> &days,
                        const TimeFormat &format, const QDate &today)
{
    m_columns = qBound(0, count, int(ColumnCount));
    for (int column = 0; column < m_columns; ++column)
        m_centres[column] = centres[column];

    const int rows = qMin(int(days.size()), int(RowCount));
    m_rows.resize(rows);
    // Another month than today's has no row to mark.
    m_todayRow = -1;
    for (int row = 0; row < rows; ++row) {
        const DailyTimes &day = days.at(row);
        Row &cells = m_rows[row];
        cells.marks.clear();
        cells.cells[0] = QString::number(row + 1);
        for (int slot = 0; slot < PrayerSlotCount; ++slot)
            cells.cells[slot + 1] = format.text(day, slot);
        if (day.year == today.year() && day.month == today.month() && day.day == today.day())
            m_todayRow = row;
    }
    resize(width, rows * rowPitch());
    update();
}

void PanelAlmarik::markRow(int row, const QString &names)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row].marks = names;
    update(0, rowTop(row), width(), rowPitch());
}

bool PanelAlmarik::isRowMarked(int row) const
{
    return row >= 0 && row < m_rows.size() && !m_rows.at(row).marks.isEmpty();
}

QString PanelAlmarik::rowToolTip(int row) const
{
    return isRowMarked(row) ? m_rows.at(row).marks : QString();
}

void PanelAlmarik::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const int pitch = rowPitch();
    const int first = qMax(0, event->rect().top() / pitch);
    const int last = qMin(int(m_rows.size()) - 1, event->rect().bottom() / pitch);
    if (m_todayRow >= first && m_todayRow <= last)
        painter.fillRect(highlightRect(), TodayBar);
    for (int row = first; row <= last; ++row) {
        painter.setPen(cellColour(row));
        for (int column = 0; column < m_columns; ++column) {
            painter.setFont(cellFont(row, column));
            const QRect cell(m_centres[column] - width(), rowTop(row), 2 * width(), rowHeight());
            painter.drawText(cell, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, m_rows.at(row).cells[column]);
        }
    }
}

bool PanelAlmarik::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = rowToolTip(rowAt(help->pos().y()));
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this, QRect(0, rowTop(rowAt(help->pos().y())), width(), rowPitch()));
        }
        return true;
    }
    return QWidget::event(event);
}
