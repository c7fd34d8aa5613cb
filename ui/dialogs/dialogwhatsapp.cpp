#include "dialogwhatsapp.h"

#include "core/applicationinformation.h"
#include "core/language.h"
#include "ui/controls/labelfactory.h"
#include "ui/controls/xgreenbutton.h"
#include "ui/controls/xpushbutton.h"
#include "core/logcategories.h"
#include "ui/picturestore.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPixmap>
#include <QUrl>

namespace {

const int DialogWidth = 425;
const int DialogHeight = 240;
const int Margin = 25;
const int PictureSize = 96;
const int ButtonWidth = 130;
const int ButtonHeight = 40;

} // namespace

DialogWhatsApp::DialogWhatsApp(const UiContext &ctx, QWidget *parent)
    : DialogBase(parent)
    , m_ctx(ctx)
{
    resize(DialogWidth, DialogHeight);

    labelDescription = LabelFactory::label(this, QStringLiteral("labelDescription"), 9, Qt::black);
    labelDescription->setTextFormat(Qt::RichText);
    labelDescription->setWordWrap(true);
    labelDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    labelPicture = new QLabel(this);
    labelPicture->setObjectName(QStringLiteral("labelPicture"));
    labelPicture->setPixmap(PictureStore::pixmap(nullptr, QStringLiteral(":/images/WhatsApp.png")));
    labelPicture->resize(PictureSize, PictureSize);

    buttonRunWhatsApp = new XGreenButton(this);
    buttonRunWhatsApp->setObjectName(QStringLiteral("buttonRunWhatsApp"));
    connect(buttonRunWhatsApp, &XPanelButton::clicked, this, &DialogWhatsApp::slotRunWhatsApp);
    buttonRunWhatsApp->setFocus();

    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &DialogWhatsApp::slotUpdateLanguage);
    centre();
}

void DialogWhatsApp::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    titleLabel()->setText(language->text(QStringLiteral("Dialog.WhatsApp")));
    closeButton()->setToolTip(language->text(QStringLiteral("Dialog.Close")));
    titleLabel()->adjustSize();
    labelDescription->setText(language->text(QStringLiteral("WhatsApp.Description")));
    buttonRunWhatsApp->setText(language->text(QStringLiteral("WhatsApp.RunWhatsApp")));
    relayout();
}

void DialogWhatsApp::relayout()
{
    // The picture on the left, the description beside it and the button
    // at the bottom right; a description that needs more lines than there
    // is room for makes the dialog taller rather than being cut off.
    const int top = 55;
    labelPicture->move(Margin, top + 5);
    const int textX = Margin + PictureSize + 15;
    const int textWidth = DialogWidth - Margin - textX;
    labelDescription->setGeometry(textX, top, textWidth, labelDescription->heightForWidth(textWidth));

    const int contentBottom = qMax(labelDescription->geometry().bottom(), labelPicture->geometry().bottom()) + 1;
    const int buttonY = qMax(DialogHeight - 20 - ButtonHeight, contentBottom + 15);
    const int width = qMax(ButtonWidth, buttonRunWhatsApp->captionLabel()->sizeHint().width() + 24);
    buttonRunWhatsApp->setGeometry(DialogWidth - Margin - width, buttonY, width, ButtonHeight);

    const QSize wanted(DialogWidth, buttonY + ButtonHeight + 20);
    if (size() != wanted) {
        resize(wanted);
        centre();
    }
}

bool DialogWhatsApp::openLink(const QString &link)
{
    // An empty link would still reach the desktop as a URL without a
    // scheme; there is nothing to open.
    if (link.trimmed().isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl(link.trimmed(), QUrl::TolerantMode));
}

void DialogWhatsApp::slotRunWhatsApp()
{
    qCDebug(lcUi) << "Opening the messaging service";
    openLink(m_ctx.details->whatsAppUrl());
}
