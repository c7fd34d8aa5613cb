#include "dialogonlinesupport.h"

#include "core/applicationinformation.h"
#include "core/language.h"
#include "ui/controls/labelfactory.h"
#include "ui/controls/taborder.h"
#include "ui/controls/xgreenbutton.h"
#include "ui/controls/xpushbutton.h"
#include "core/logcategories.h"
#include "ui/picturestore.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTextEdit>

namespace {

const QString LineEditSheet = QStringLiteral(
    "QLineEdit { background: rgb(225, 225, 225); selection-background-color: rgb(85, 164, 193); }");
const QString TextEditSheet = QStringLiteral(
    "QTextEdit { background: rgb(225, 225, 225); selection-background-color: rgb(85, 164, 193); }");
// A marked field keeps its background and gets a red border.
const QString MarkedLineEditSheet = QStringLiteral(
    "QLineEdit { background: rgb(225, 225, 225); selection-background-color: rgb(85, 164, 193);"
    " border: 2px solid rgb(204, 0, 0); }");
const QString MarkedTextEditSheet = QStringLiteral(
    "QTextEdit { background: rgb(225, 225, 225); selection-background-color: rgb(85, 164, 193);"
    " border: 2px solid rgb(204, 0, 0); }");
const QString MarkedComboSheet = QStringLiteral(
    "QComboBox { background: rgb(225, 225, 225); border: 2px solid rgb(204, 0, 0); padding-left: 4px; }");

const char InvalidProperty[] = "invalid";

const QStringList EnquiryTypeKeys = {
    QStringLiteral("Enquiry.Choose"), QStringLiteral("Enquiry.Question"), QStringLiteral("Enquiry.Problem"),
    QStringLiteral("Enquiry.Suggestion"), QStringLiteral("Enquiry.TimetableError")};

const int DialogWidth = 550;
const int DialogHeight = 450;
const int Margin = 25;
const int PictureSize = 128;
const int FieldHeight = 24;
const int ButtonWidth = 100;
const int ButtonHeight = 40;
const int MinimumEnquiryHeight = 80;

// Line breaks of any kind become CRLF, the form mail bodies use.
QString withMailLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString encoded(const QString &text, const QByteArray &keep = QByteArray())
{
    // UTF-8, with everything but the unreserved characters percent-encoded,
    // so that "&", "=", "?", "#", "+" and "%" stay part of the value.
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

} // namespace

DialogOnlineSupport::DialogOnlineSupport(const UiContext &ctx, QWidget *parent)
    : DialogBase(parent)
    , m_ctx(ctx)
{
    buildForm();
    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &DialogOnlineSupport::slotUpdateLanguage);
    centre();
}

void DialogOnlineSupport::buildForm()
{
    resize(DialogWidth, DialogHeight);

    labelDescription = LabelFactory::label(this, QStringLiteral("labelDescription"), 9, Qt::black);
    labelDescription->setTextFormat(Qt::RichText);
    labelDescription->setWordWrap(true);
    labelDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    labelEmail = LabelFactory::label(this, QStringLiteral("labelEmail"), 9, Qt::black);
    editEmail = new QLineEdit(this);
    editEmail->setObjectName(QStringLiteral("editEmail"));
    editEmail->setFont(QFont(QStringLiteral("Arial"), 9));

    labelEnquiryType = LabelFactory::label(this, QStringLiteral("labelEnquiryType"), 9, Qt::black);
    comboEnquiryType = new QComboBox(this);
    comboEnquiryType->setObjectName(QStringLiteral("comboEnquiryType"));
    comboEnquiryType->setFont(QFont(QStringLiteral("Arial"), 9));
    // The entries' texts come from slotUpdateLanguage(); the first only
    // asks for a choice.
    for (int i = 0; i < EnquiryTypeKeys.size(); ++i)
        comboEnquiryType->addItem(QString());

    labelEnquiry = LabelFactory::label(this, QStringLiteral("labelEnquiry"), 9, Qt::black);
    editEnquiry = new QTextEdit(this);
    editEnquiry->setObjectName(QStringLiteral("editEnquiry"));
    editEnquiry->setFont(QFont(QStringLiteral("Arial"), 9));
    // The enquiry goes out as plain text; Tab moves on instead of typing.
    editEnquiry->setAcceptRichText(false);
    editEnquiry->setTabChangesFocus(true);

    setMarked(editEmail, false);
    setMarked(comboEnquiryType, false);
    setMarked(editEnquiry, false);

    labelPicture = new QLabel(this);
    labelPicture->setObjectName(QStringLiteral("labelPicture"));
    labelPicture->setPixmap(PictureStore::pixmap(nullptr, QStringLiteral(":/images/OnlineSupport.png")));
    labelPicture->resize(PictureSize, PictureSize);

    buttonSubmit = new XGreenButton(this);
    buttonSubmit->setObjectName(QStringLiteral("buttonSubmit"));
    buttonReset = new XGreenButton(this);
    buttonReset->setObjectName(QStringLiteral("buttonReset"));

    // Shown when no mail program took the form.
    labelMailProblem = LabelFactory::label(this, QStringLiteral("labelMailProblem"), 9, QColor(160, 0, 0));
    labelMailProblem->setWordWrap(true);
    labelMailProblem->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labelMailProblem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    labelMailProblem->hide();
    buttonCopy = new XGreenButton(this);
    buttonCopy->setObjectName(QStringLiteral("buttonCopy"));
    buttonCopy->hide();
    connect(buttonCopy, &XPanelButton::clicked, this, &DialogOnlineSupport::slotCopy);

    // Reading order: the fields, then the buttons under them from the left.
    TabOrder::chain({closeButton(), editEmail, comboEnquiryType, editEnquiry, buttonCopy, buttonSubmit, buttonReset});
    editEmail->setFocus();

    connect(buttonSubmit, &XPanelButton::clicked, this, &DialogOnlineSupport::slotSubmit);
    connect(buttonReset, &XPanelButton::clicked, this, &DialogOnlineSupport::slotReset);
    // Any change to a marked field takes its mark away; Submit checks again.
    connect(editEmail, &QLineEdit::textChanged, this, [this] { setMarked(editEmail, false); });
    connect(comboEnquiryType, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, [this] { setMarked(comboEnquiryType, false); });
    connect(editEnquiry, &QTextEdit::textChanged, this, [this] { setMarked(editEnquiry, false); });
}

void DialogOnlineSupport::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    titleLabel()->setText(language->text(QStringLiteral("Dialog.OnlineSupport")));
    closeButton()->setToolTip(language->text(QStringLiteral("Dialog.Close")));
    titleLabel()->adjustSize();
    labelDescription->setText(language->text(QStringLiteral("OnlineSupport.Description")));
    labelEmail->setText(language->text(QStringLiteral("OnlineSupport.Email")));
    labelEnquiryType->setText(language->text(QStringLiteral("OnlineSupport.EnquiryType")));
    labelEnquiry->setText(language->text(QStringLiteral("OnlineSupport.Enquiry")));
    buttonSubmit->setText(language->text(QStringLiteral("OnlineSupport.Submit")));
    buttonReset->setText(language->text(QStringLiteral("OnlineSupport.Reset")));
    buttonCopy->setText(language->text(QStringLiteral("OnlineSupport.Copy")));
    for (int i = 0; i < EnquiryTypeKeys.size(); ++i)
        comboEnquiryType->setItemText(i, language->text(EnquiryTypeKeys.at(i)));
    if (!labelMailProblem->isHidden())
        showMailProblem(m_copied);
    else
        relayout();
}

void DialogOnlineSupport::relayout()
{
    // Description across the top, the picture on the left below it, and
    // the fields, each under its caption, to the right of the picture.
    // The captions have the fields' whole width, so a longer caption in
    // another language still fits; a longer description pushes the form
    // down and, when the enquiry box would get too small, makes the
    // dialog taller.
    const int textWidth = DialogWidth - 2 * Margin;
    labelDescription->setGeometry(Margin, 55, textWidth, labelDescription->heightForWidth(textWidth));

    const int top = labelDescription->geometry().bottom() + 1 + 15;
    labelPicture->move(Margin, top);

    const int fieldX = Margin + PictureSize + 20;
    const int fieldWidth = DialogWidth - Margin - fieldX;
    int y = top;
    const auto placeCaption = [&](QLabel *caption) {
        const int height = caption->sizeHint().height();
        caption->setGeometry(fieldX, y, fieldWidth, height);
        y += height + 3;
    };
    placeCaption(labelEmail);
    editEmail->setGeometry(fieldX, y, fieldWidth, FieldHeight);
    y += FieldHeight + 10;
    placeCaption(labelEnquiryType);
    comboEnquiryType->setGeometry(fieldX, y, fieldWidth, FieldHeight);
    y += FieldHeight + 10;
    placeCaption(labelEnquiry);

    int buttonY = DialogHeight - 20 - ButtonHeight;
    if (buttonY - 12 - y < MinimumEnquiryHeight)
        buttonY = y + MinimumEnquiryHeight + 12;
    editEnquiry->setGeometry(fieldX, y, fieldWidth, buttonY - 12 - y);

    // When no mail program answered: what went wrong, across the dialog
    // under the form, and the way out beside the form's buttons.
    if (!labelMailProblem->isHidden()) {
        const int noteHeight = labelMailProblem->heightForWidth(textWidth);
        labelMailProblem->setGeometry(Margin, buttonY, textWidth, noteHeight);
        buttonY += noteHeight + 10;
    }

    // Right-aligned under the fields, wide enough for their captions.
    const auto buttonWidth = [](XGreenButton *button) {
        return qMax(ButtonWidth, button->captionLabel()->sizeHint().width() + 24);
    };
    const int resetWidth = buttonWidth(buttonReset);
    const int submitWidth = buttonWidth(buttonSubmit);
    buttonReset->setGeometry(DialogWidth - Margin - resetWidth, buttonY, resetWidth, ButtonHeight);
    buttonSubmit->setGeometry(buttonReset->x() - 5 - submitWidth, buttonY, submitWidth, ButtonHeight);
    const int copyWidth = buttonWidth(buttonCopy);
    buttonCopy->setGeometry(Margin, buttonY, copyWidth, ButtonHeight);

    const QSize wanted(DialogWidth, buttonY + ButtonHeight + 20);
    if (size() != wanted) {
        resize(wanted);
        centre();
    }
}

bool DialogOnlineSupport::isValidEmailAddress(const QString &address)
{
    const QString trimmed = address.trimmed();
    for (const QChar c : trimmed) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return false;
    }
    if (trimmed.count(QLatin1Char('@')) != 1)
        return false;
    const int at = trimmed.indexOf(QLatin1Char('@'));
    if (at == 0)
        return false;
    const QStringList parts = trimmed.mid(at + 1).split(QLatin1Char('.'));
    if (parts.size() < 2)
        return false;
    for (const QString &part : parts) {
        if (part.isEmpty())
            return false;
    }
    return true;
}

void DialogOnlineSupport::setMarked(QWidget *field, bool marked)
{
    const QVariant before = field->property(InvalidProperty);
    if (before.isValid() && before.toBool() == marked)
        return;
    field->setProperty(InvalidProperty, marked);
    if (field == editEmail)
        field->setStyleSheet(marked ? MarkedLineEditSheet : LineEditSheet);
    else if (field == editEnquiry)
        field->setStyleSheet(marked ? MarkedTextEditSheet : TextEditSheet);
    else
        field->setStyleSheet(marked ? MarkedComboSheet : QString());
}

QString DialogOnlineSupport::mailSubject() const
{
    return ApplicationInformation::shortName() + QStringLiteral(": ") + comboEnquiryType->currentText();
}

QString DialogOnlineSupport::mailBody() const
{
    // The enquiry, then the address to reply to and the version the user
    // runs, which the team needs and the mail's sender may not show.
    const Language *language = m_ctx.language;
    return withMailLineBreaks(editEnquiry->toPlainText())
            + QStringLiteral("\r\n\r\n")
            + language->text(QStringLiteral("OnlineSupport.Email")) + QLatin1Char(' ')
            + editEmail->text().trimmed() + QStringLiteral("\r\n")
            + language->text(QStringLiteral("About.Version")) + QLatin1Char(' ')
            + m_ctx.details->appVersion();
}

QUrl DialogOnlineSupport::mailUrl() const
{
    const QString subject = mailSubject();
    const QString body = mailBody();
    const QString link = QStringLiteral("mailto:") + encoded(m_ctx.details->supportEmail(), "@")
            + QStringLiteral("?subject=") + encoded(subject)
            + QStringLiteral("&body=") + encoded(body);
    return QUrl(link, QUrl::StrictMode);
}

void DialogOnlineSupport::slotSubmit()
{
    qCDebug(lcUi) << "Support form submitted";

    const bool emailGood = isValidEmailAddress(editEmail->text());
    // The first entry only asks for a choice.
    const bool typeGood = comboEnquiryType->currentIndex() > 0;
    const bool enquiryGood = !editEnquiry->toPlainText().trimmed().isEmpty();
    setMarked(editEmail, !emailGood);
    setMarked(comboEnquiryType, !typeGood);
    setMarked(editEnquiry, !enquiryGood);
    if (!emailGood) {
        editEmail->setFocus();
        return;
    }
    if (!typeGood) {
        comboEnquiryType->setFocus();
        return;
    }
    if (!enquiryGood) {
        editEnquiry->setFocus();
        return;
    }

    // Closed only when the mail program has the form; otherwise the user
    // keeps what was typed.
    if (QDesktopServices::openUrl(mailUrl())) {
        accept();
        return;
    }
    qCWarning(lcUi) << "No mail program took the support form";
    showMailProblem(false);
}

void DialogOnlineSupport::showMailProblem(bool copied)
{
    m_copied = copied;
    const Language *language = m_ctx.language;
    QString text = language->text(QStringLiteral("OnlineSupport.NoMailProgram"))
            .arg(m_ctx.details->supportEmail());
    if (copied)
        text += QLatin1Char(' ') + language->text(QStringLiteral("OnlineSupport.Copied"));
    labelMailProblem->setText(text);
    labelMailProblem->show();
    buttonCopy->show();
    relayout();
}

QString DialogOnlineSupport::mailText() const
{
    return QStringLiteral("To: ") + m_ctx.details->supportEmail() + QLatin1Char('\n')
            + QStringLiteral("Subject: ") + mailSubject() + QStringLiteral("\n\n")
            + QString(mailBody()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void DialogOnlineSupport::slotCopy()
{
    QGuiApplication::clipboard()->setText(mailText());
    showMailProblem(true);
}

void DialogOnlineSupport::slotReset()
{
    qCDebug(lcUi) << "Support form reset";
    editEmail->clear();
    comboEnquiryType->setCurrentIndex(0);
    editEnquiry->clear();
    setMarked(editEmail, false);
    setMarked(comboEnquiryType, false);
    setMarked(editEnquiry, false);
}
