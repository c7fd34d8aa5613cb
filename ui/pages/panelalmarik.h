#ifndef PANELALMARIK_H
#define PANELALMARIK_H

#include <QList>
#include <QDate>
#include <QWidget>

#include "core/timeformat.h"

class QLabel;
struct DailyTimes;

// One month of prayer times as a grid of labels: a day-number column and
// the eight time columns. Today's day number is drawn in yellow bold on a
// dark bar. The home page tells the panel where its column headers stand.
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
    // y of the highlight bar; 0 when no row is highlighted.
    int highlightY() const;
    // The distance from one row's top to the next one's: every row starts
    // at a whole multiple of it and the panel is a whole number of rows
    // tall, so a view as tall as some rows shows them uncut.
    int rowPitch() const { return m_rowPitch; }

    QLabel *cellLabel(int row, int column) const;
    QLabel *highlightBar() const { return labelHighlight; }

private:
    QLabel *labelHighlight = nullptr;
    int m_rowPitch = 1;
    QLabel *m_labels[ColumnCount][RowCount] = {};
};

#endif // PANELALMARIK_H
