#include "ui/pages/qiblacompass.h"

#include "ui/picturestore.h"

#include <QPainter>

QiblaCompass::QiblaCompass(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("qiblaCompass"));
    setAttribute(Qt::WA_TranslucentBackground);
}

void QiblaCompass::setBearing(double degrees)
{
    m_bearing = degrees;
    m_hasBearing = true;
    update();
}

void QiblaCompass::clearBearing()
{
    m_hasBearing = false;
    update();
}

QSize QiblaCompass::sizeHint() const
{
    return QSize(200, 200);
}

void QiblaCompass::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Read at the first paint and kept: a page never shown reads neither.
    if (m_rose.isNull()) {
        m_rose = PictureStore::pixmap(nullptr, QStringLiteral(":/images/CompassRose.png"));
        m_needle = PictureStore::pixmap(nullptr, QStringLiteral(":/images/QiblaNeedle.png"));
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height());
    const QRectF square(-side / 2.0, -side / 2.0, side, side);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.drawPixmap(square, m_rose, QRectF(0, 0, 240, 240));
    if (!m_hasBearing)
        return;
    // The needle's picture points to the top (north); turned clockwise by
    // the bearing it points to the Kaaba.
    painter.rotate(m_bearing);
    painter.drawPixmap(square, m_needle, QRectF(0, 0, 240, 240));
}
