#ifndef XDATEFRAME_H
#define XDATEFRAME_H

#include <QFrame>

#include "core/dailytimes.h"

// One day cell of a month calendar. It holds a copy of the day's record
// and reports the pointer entering and leaving it.
class XDateFrame : public QFrame
{
    Q_OBJECT
public:
    explicit XDateFrame(QWidget *parent = nullptr);

    // The cell's day, held as a copy; null for a cell without a day.
    const DailyTimes *record() const { return m_hasRecord ? &m_record : nullptr; }
    void setRecord(const DailyTimes *record)
    {
        m_hasRecord = record != nullptr;
        m_record = record ? *record : DailyTimes();
    }

signals:
    void showTime(XDateFrame *frame);
    void hideTime(XDateFrame *frame);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    DailyTimes m_record;
    bool m_hasRecord = false;
};

#endif // XDATEFRAME_H
