#ifndef PANELCONFTHEME_H
#define PANELCONFTHEME_H

#include "ui/config/panelconfbase.h"
#include "ui/uicontext.h"

class QLabel;

// Theme: a title and a note, centred in the panel. The program has one
// look for now.
class PanelConfTheme : public PanelConfBase
{
    Q_OBJECT
public:
    explicit PanelConfTheme(const UiContext &ctx, QWidget *parent = nullptr);

    void relayout() override;

public slots:
    void slotUpdateLanguage();

private:
    QLabel *labelDescription;
    UiContext m_ctx;
};

#endif // PANELCONFTHEME_H
