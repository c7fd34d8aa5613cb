#ifndef DIALOGMAIN_H
#define DIALOGMAIN_H

#include <QDialog>

// The program's one top-level window.
class DialogMain : public QDialog
{
    Q_OBJECT
public:
    explicit DialogMain(QWidget *parent = nullptr);

public slots:
    void slotSingleApp(const QString &message);
};

#endif // DIALOGMAIN_H
