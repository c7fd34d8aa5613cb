#ifndef PAGECONFIG_H
#define PAGECONFIG_H

#include <QList>
#include <QWidget>

class QLabel;
class XUrlLabel;
class PanelConfGeneral;
class PanelConfTheme;
class PanelConfUpdate;
class PanelConfAlmarikData;
class PanelConfImsak;
class PanelConfSubuh;
class PanelConfSyuruk;
class PanelConfDuha;
class PanelConfZohor;
class PanelConfAsar;
class PanelConfMaghrib;
class PanelConfIsyak;
class PanelConfDeveloper;

// The settings page of the main window: a menu of thirteen entries on the
// left and, right of a thin white rule, the panel of the chosen entry.
class PageConfig : public QWidget
{
    Q_OBJECT
public:
    explicit PageConfig(QWidget *parent = nullptr);

    // The panels in menu order.
    const QList<QWidget *> &panels() const { return m_panels; }
    // The panel on show.
    QWidget *currentPanel() const;

    // A line under the menu saying that settings are not being saved,
    // with the reason as its tool tip; empty hides it.
    void setSaveProblem(const QString &text, const QString &reason = QString());

public slots:
    void slotUpdateLanguage();
    void slotPanelGeneral();
    void slotPanelTheme();
    void slotPanelUpdate();
    void slotPanelAlmarikData();
    void slotPanelImsak();
    void slotPanelSubuh();
    void slotPanelSyuruk();
    void slotPanelDuha();
    void slotPanelZohor();
    void slotPanelAsar();
    void slotPanelMaghrib();
    void slotPanelIsyak();
    void slotPanelDeveloper();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    XUrlLabel *makeMenuLabel(const QString &objectName, void (PageConfig::*slot)());
    void showPanel(QWidget *panel);
    void relayout();

    QList<XUrlLabel *> m_menu;   // in menu order, parallel to m_panels
    QLabel *labelLine;
    QLabel *labelSaveProblem;
    QList<QWidget *> m_panels;

    PanelConfGeneral *panelGeneral;
    PanelConfTheme *panelTheme;
    PanelConfUpdate *panelUpdate;
    PanelConfAlmarikData *panelAlmarikData;
    PanelConfImsak *panelImsak;
    PanelConfSubuh *panelSubuh;
    PanelConfSyuruk *panelSyuruk;
    PanelConfDuha *panelDuha;
    PanelConfZohor *panelZohor;
    PanelConfAsar *panelAsar;
    PanelConfMaghrib *panelMaghrib;
    PanelConfIsyak *panelIsyak;
    PanelConfDeveloper *panelDeveloper;
};

#endif // PAGECONFIG_H
