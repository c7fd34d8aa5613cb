#ifndef XDATEFRAME_H
#define XDATEFRAME_H

#include <QFrame>

struct DailyTimes;

// One day cell of a month calendar. It points at the day's record in the
// timetable manager (not owned) and reports the pointer entering and
// leaving it.
class XDateFrame : public QFrame
{
    Q_OBJECT
public:
    explicit XDateFrame(QWidget *parent = nullptr);

    DailyTimes *record() const { return m_record; }
    void setRecord(DailyTimes *record) { m_record = record; }

signals:
    void showTime(XDateFrame *frame);
    void hideTime(XDateFrame *frame);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    DailyTimes *m_record = nullptr;
};

#endif // XDATEFRAME_H
