#ifndef PANELCONFGENERAL_H
#define PANELCONFGENERAL_H

#include "ui/config/panelconfbase.h"
#include "ui/uicontext.h"

class QComboBox;
class QLabel;
class XCheckBox;
class XUrlLabel;

// General settings: start at log-on, splash screen, confirmation before
// exit, and the language of the program.
class PanelConfGeneral : public PanelConfBase
{
    Q_OBJECT
public:
    explicit PanelConfGeneral(const UiContext &ctx, QWidget *parent = nullptr);

    void relayout() override;

public slots:
    void slotUpdateLanguage();
    void slotCheckAutoStart(int state);
    void slotCheckSplash(int state);
    void slotCheckExit(int state);
    void slotLanguageChanged(int index);

private:
    // The combo entry of the configured language; the first entry when the
    // configured name is none of them.
    int configuredLanguageIndex() const;

    XUrlLabel *labelAutoStart;
    XUrlLabel *labelSplash;
    XUrlLabel *labelExit;
    XCheckBox *checkAutoStart;
    XCheckBox *checkSplash;
    XCheckBox *checkExit;
    QLabel *labelLanguage;
    QComboBox *comboLanguage;
    UiContext m_ctx;
};

#endif // PANELCONFGENERAL_H
