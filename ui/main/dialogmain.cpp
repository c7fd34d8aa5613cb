#include "ui/main/dialogmain.h"

#include <QDebug>

#include "app/appmain.h"

DialogMain::DialogMain(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(ApplicationInformation::shortName());
    setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    setFixedSize(650, 574);
    appAlmarikManager()->setZone(appConfig().zone, true);
    appSystemUtilities()->centerOnDesktop(this);
}

void DialogMain::slotSingleApp(const QString &message)
{
    qDebug().noquote() << "DialogMain::slotSingleApp()" << message;
    showNormal();
    raise();
    activateWindow();
}
