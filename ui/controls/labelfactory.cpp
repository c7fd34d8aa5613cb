#include "ui/controls/labelfactory.h"

#include <QLabel>

#include "ui/controls/xurllabel.h"

QPalette LabelFactory::textPalette(const QPalette &base, const QColor &colour)
{
    QPalette palette = base;
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    return palette;
}

void LabelFactory::makeBar(QLabel *label, const QColor &colour)
{
    label->setText(QString());
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

QLabel *LabelFactory::label(QWidget *parent, const QString &name, int pointSize,
                            const QColor &colour, int weight)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(QFont(QStringLiteral("Arial"), pointSize, weight));
    label->setPalette(textPalette(label->palette(), colour));
    return label;
}

XUrlLabel *LabelFactory::link(QWidget *parent, const QString &name, int pointSize,
                              const QColor &colour)
{
    auto *label = new XUrlLabel(parent);
    label->setObjectName(name);
    label->setNormalPalette(textPalette(label->palette(), colour));
    label->setHoverPalette(textPalette(label->palette(), colour));
    label->setNormalFont(QFont(QStringLiteral("Arial"), pointSize, QFont::Normal));
    label->setHoverFont(QFont(QStringLiteral("Arial"), pointSize, QFont::Bold));
    return label;
}
