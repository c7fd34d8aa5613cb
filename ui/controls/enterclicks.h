#ifndef ENTERCLICKS_H
#define ENTERCLICKS_H

#include <QObject>

class QAbstractButton;

// Lets Enter and Return click a focused Qt button that only answers Space
// (a QToolButton), as the program's own controls do. It lives as long as
// the button.
class EnterClicks : public QObject
{
    Q_OBJECT
public:
    static void install(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit EnterClicks(QAbstractButton *button);
};

#endif // ENTERCLICKS_H
