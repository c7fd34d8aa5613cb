#ifndef PANELALMARIK_H
#define PANELALMARIK_H

#include <QDate>
#include <QFont>
#include <QList>
#include <QString>
#include <QVector>
#include <QWidget>

#include "core/timeformat.h"

struct DailyTimes;

// One month of prayer times as a grid painted by the panel itself: a
// day-number column and the eight time columns. Today's row is drawn in
// yellow bold on a dark bar. The home page tells the panel where its
// column headers stand.
class PanelAlmarik : public QWidget
{
    Q_OBJECT
public:
    static const int RowCount = 31;
    static const int ColumnCount = 9;

    explicit PanelAlmarik(QWidget *parent = nullptr);

    // Fills and lays out the grid from the month's records; centres holds
    // the horizontal centre of each of the count columns (day number first).
    // The panel becomes width wide and as tall as its shown rows. Times are
    // written by `format`; today's row is marked only when the records are
    // today's month.
    void fill(int width, const int *centres, int count, const QList<DailyTimes> &days,
              const TimeFormat &format = TimeFormat(), const QDate &today = QDate::currentDate());
    // Marks a filled row as a kept day of the Islamic year: its day number
    // underlined, the names as the row's tooltip. fill() clears the marks.
    void markRow(int row, const QString &names);
    bool isRowMarked(int row) const;
    QString rowToolTip(int row) const;

    // The rows shown, their pitch (row height and the one-pixel gap) and
    // what a cell shows, where, and in which font and colour.
    int rowCount() const { return m_rows.size(); }
    int rowPitch() const;
    int rowTop(int row) const { return row * rowPitch(); }
    int rowHeight() const { return rowPitch() - 1; }
    int rowAt(int y) const;
    QString cellText(int row, int column) const;
    QRect cellRect(int row, int column) const;
    QFont cellFont(int row, int column) const;
    QColor cellColour(int row) const;

    // Today's row, or -1 when the shown month has none; y of the highlight
    // bar, 0 when no row is highlighted.
    int todayRow() const { return m_todayRow; }
    int highlightY() const;
    QRect highlightRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    struct Row
    {
        QString cells[ColumnCount];
        QString marks; // the kept days' names, empty when unmarked
    };

    QVector<Row> m_rows;
    int m_centres[ColumnCount] = {};
    int m_columns = 0;
    int m_todayRow = -1;
    QFont m_normalFont;
    QFont m_todayFont;
};

#endif // PANELALMARIK_H
