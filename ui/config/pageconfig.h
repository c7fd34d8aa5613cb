#ifndef PAGECONFIG_H
#define PAGECONFIG_H

#include <QList>
#include <QWidget>

#include "ui/uicontext.h"

class QLabel;
class XUrlLabel;

// The settings page of the main window: a menu of thirteen entries on the
// left and, right of a thin white rule, the panel of the chosen entry. The
// entries and their panels come from one table in pageconfig.cpp: general,
// theme, update, timetable, the eight prayer slots, developer.
class PageConfig : public QWidget
{
    Q_OBJECT
public:
    // Menu position of the first prayer slot's panel; slot s is at
    // FirstPrayerPanel + s.
    static constexpr int FirstPrayerPanel = 4;

    explicit PageConfig(const UiContext &ctx, QWidget *parent = nullptr);

    // The panels in menu order.
    const QList<QWidget *> &panels() const { return m_panels; }
    // The panel on show.
    QWidget *currentPanel() const;
    // Shows the panel at a menu position; a position outside the menu
    // changes nothing.
    void showPanel(int index);

    // A line under the menu saying that settings are not being saved,
    // with the reason as its tool tip; empty hides it.
    void setSaveProblem(const QString &text, const QString &reason = QString());

public slots:
    void slotUpdateLanguage();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    XUrlLabel *makeMenuLabel(const QString &objectName, int index);
    void relayout();

    QList<XUrlLabel *> m_menu;   // in menu order, parallel to m_panels
    QLabel *labelLine;
    QLabel *labelSaveProblem;
    QList<QWidget *> m_panels;

    UiContext m_ctx;
};

#endif // PAGECONFIG_H
