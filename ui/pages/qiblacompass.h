#ifndef QIBLACOMPASS_H
#define QIBLACOMPASS_H

#include <QPixmap>
#include <QWidget>

// The compass rose with the Qibla needle turned to a bearing (degrees
// clockwise from true north); the rose alone when there is no bearing.
class QiblaCompass : public QWidget
{
    Q_OBJECT
public:
    explicit QiblaCompass(QWidget *parent = nullptr);

    void setBearing(double degrees);
    void clearBearing();
    bool hasBearing() const { return m_hasBearing; }
    double bearing() const { return m_bearing; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_bearing = 0.0;
    bool m_hasBearing = false;
    QPixmap m_rose;
    QPixmap m_needle;
};

#endif // QIBLACOMPASS_H
