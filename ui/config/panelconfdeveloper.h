#ifndef PANELCONFDEVELOPER_H
#define PANELCONFDEVELOPER_H

#include "ui/config/panelconfbase.h"
#include "ui/uicontext.h"

class QLabel;

// Developer options: a title and a note; there are no options yet.
class PanelConfDeveloper : public PanelConfBase
{
    Q_OBJECT
public:
    explicit PanelConfDeveloper(const UiContext &ctx, QWidget *parent = nullptr);

    void relayout() override;

public slots:
    void slotUpdateLanguage();

private:
    QLabel *labelDescription;
    UiContext m_ctx;
};

#endif // PANELCONFDEVELOPER_H
