#include "xgreenbutton.h"

XGreenButton::XGreenButton(QWidget *parent)
    : XPanelButton(parent)
{
    setLookStyleSheets(backgroundSheet(QColor(65, 205, 82)), backgroundSheet(QColor(48, 184, 65)));
    applyNormalLook();
}

QString XGreenButton::backgroundSheet(const QColor &colour)
{
    return QStringLiteral("background-color:#%1%2%3;")
        .arg(colour.red(), 2, 16, QLatin1Char('0'))
        .arg(colour.green(), 2, 16, QLatin1Char('0'))
        .arg(colour.blue(), 2, 16, QLatin1Char('0'));
}
