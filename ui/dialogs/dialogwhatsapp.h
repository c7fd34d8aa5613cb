#ifndef DIALOGWHATSAPP_H
#define DIALOGWHATSAPP_H

#include "ui/dialogs/dialogbase.h"

#include <QString>
#include "ui/uicontext.h"

class QLabel;
class XGreenButton;

// Tells the user how to reach the support team through the messaging
// service and opens the service's web page; the dialog stays open.
class DialogWhatsApp : public DialogBase
{
    Q_OBJECT
public:
    explicit DialogWhatsApp(const UiContext &ctx, QWidget *parent = nullptr);

    // Opens the link with the desktop's URL handler (parsed tolerantly).
    // An empty or blank link opens nothing; returns whether a handler took
    // the link.
    static bool openLink(const QString &link);

    QLabel *descriptionLabel() const { return labelDescription; }
    XGreenButton *runButton() const { return buttonRunWhatsApp; }

public slots:
    void slotRunWhatsApp();
    void slotUpdateLanguage();

private:
    void relayout();

    QLabel *labelDescription;
    QLabel *labelPicture;
    XGreenButton *buttonRunWhatsApp;
    UiContext m_ctx;
};

#endif // DIALOGWHATSAPP_H
