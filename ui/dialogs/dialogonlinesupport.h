#ifndef DIALOGONLINESUPPORT_H
#define DIALOGONLINESUPPORT_H

#include "ui/dialogs/dialogbase.h"

#include <QString>
#include <QUrl>
#include "ui/uicontext.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTextEdit;
class XGreenButton;

// The support form: the user's e-mail address, an enquiry type and the
// enquiry. The program has no server of its own, so Submit hands the form
// to the user's mail program as a "mailto:" link addressed to the support
// team; the dialog closes once the mail program has it. When no mail
// program answers, the dialog stays open with the form as typed, says so,
// and offers to copy the message and the address. A form with a
// missing or malformed field is not handed on: the offending fields get a
// red border (and the dynamic property "invalid" set to true) until the
// user edits them or resets the form.
class DialogOnlineSupport : public DialogBase
{
    Q_OBJECT
public:
    explicit DialogOnlineSupport(const UiContext &ctx, QWidget *parent = nullptr);

    // A plain check of an address the team can reply to: exactly one "@"
    // with text on both sides, a domain of two or more non-empty dotted
    // parts, and no white space or control characters. Surrounding white
    // space is ignored.
    static bool isValidEmailAddress(const QString &address);

    QLabel *descriptionLabel() const { return labelDescription; }
    QLineEdit *emailEdit() const { return editEmail; }
    QComboBox *enquiryTypeCombo() const { return comboEnquiryType; }
    QTextEdit *enquiryEdit() const { return editEnquiry; }
    XGreenButton *submitButton() const { return buttonSubmit; }
    XGreenButton *resetButton() const { return buttonReset; }
    XGreenButton *copyButton() const { return buttonCopy; }
    QLabel *mailProblemLabel() const { return labelMailProblem; }
    // The message as the clipboard gets it: address, subject and body.
    QString mailText() const;

public slots:
    void slotSubmit();
    void slotReset();
    void slotCopy();
    void slotUpdateLanguage();

private:
    void buildForm();
    void relayout();
    void setMarked(QWidget *field, bool marked);
    QUrl mailUrl() const;
    QString mailSubject() const;
    QString mailBody() const;
    void showMailProblem(bool copied);

    QLabel *labelDescription;
    QLabel *labelEmail;
    QLineEdit *editEmail;
    QLabel *labelEnquiryType;
    QComboBox *comboEnquiryType;
    QLabel *labelEnquiry;
    QTextEdit *editEnquiry;
    QLabel *labelPicture;
    XGreenButton *buttonSubmit;
    XGreenButton *buttonReset;
    QLabel *labelMailProblem;
    XGreenButton *buttonCopy;
    bool m_copied = false;
    UiContext m_ctx;
};

#endif // DIALOGONLINESUPPORT_H
