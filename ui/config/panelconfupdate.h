#ifndef PANELCONFUPDATE_H
#define PANELCONFUPDATE_H

#include "ui/config/panelconfbase.h"
#include "ui/uicontext.h"

class QComboBox;
class QLabel;
class XCheckBox;
class XUrlLabel;

// Software-update switches. The program stores them but nothing acts on
// them yet; the interval is shown greyed with its stored value.
class PanelConfUpdate : public PanelConfBase
{
    Q_OBJECT
public:
    explicit PanelConfUpdate(const UiContext &ctx, QWidget *parent = nullptr);

    void relayout() override;

public slots:
    void slotUpdateLanguage();
    void slotCheckEnable(int state);
    void slotCheckStartup(int state);
    void slotCheckNotification(int state);
    void slotCheckPrompt(int state);
    void slotUpdateIntervalChanged(int index);

private:
    XUrlLabel *labelEnable;
    XUrlLabel *labelStartup;
    XUrlLabel *labelNotification;
    XUrlLabel *labelPrompt;
    XCheckBox *checkEnable;
    XCheckBox *checkStartup;
    XCheckBox *checkNotification;
    XCheckBox *checkPrompt;
    QLabel *labelInterval;
    QComboBox *comboInterval;
    QLabel *labelOffline;
    UiContext m_ctx;
};

#endif // PANELCONFUPDATE_H
