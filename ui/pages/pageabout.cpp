#include "ui/pages/pageabout.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

#include "core/applicationinformation.h"
#include "core/language.h"
#include "ui/controls/labelfactory.h"
#include "ui/controls/xurllabel.h"
#include "core/logcategories.h"

namespace {

constexpr int Margin = 30;
constexpr int RowGap = 2;
constexpr int BlockGap = 10;

// Names of the libraries, shown for a link that has no host name.
const QString QtName = QStringLiteral("Qt");
const QString OpenSslName = QStringLiteral("OpenSSL");

// A library link in parentheses, drawn in black. The link and its text are
// escaped, so a quote or an angle bracket in a link cannot break the notice.
QString libraryAnchor(const QString &link, const QString &libraryName)
{
    const QString host = QUrl(link, QUrl::TolerantMode).host();
    const QString shown = host.isEmpty() ? libraryName : host;
    return QStringLiteral(" (<a href=\"%1\" style=\"color: black\">%2</a>)")
        .arg(link.toHtmlEscaped(), shown.toHtmlEscaped());
}

// Word-wrapped label of a fixed width, as tall as its text needs.
void placeWrapped(QLabel *label, int x, int y, int width)
{
    label->setGeometry(x, y, width, qMax(0, label->heightForWidth(width)));
}

int bottomOf(const QWidget *widget)
{
    return widget->y() + widget->height();
}
}

PageAbout::PageAbout(const UiContext &ctx, QWidget *parent)
    : QWidget(parent)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("PageAbout"));
    buildForm();
    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &PageAbout::slotUpdateLanguage);
}

PageAbout::~PageAbout() = default;

void PageAbout::buildForm()
{
    resize(648, 375);

    m_labelAppName = LabelFactory::label(this, QStringLiteral("labelAppName"), 14, Qt::white, QFont::Bold);
    m_labelVersion = LabelFactory::label(this, QStringLiteral("labelVersion"), 9);
    m_labelReleaseDate = LabelFactory::label(this, QStringLiteral("labelReleaseDate"), 9);
    m_labelDataVersion = LabelFactory::label(this, QStringLiteral("labelDataVersion"), 9);

    m_labelLine = LabelFactory::label(this, QStringLiteral("labelLine"), 9);
    LabelFactory::makeBar(m_labelLine, Qt::white);

    m_labelWarning = LabelFactory::label(this, QStringLiteral("labelWarning"), 9);
    m_labelWarning->setTextFormat(Qt::PlainText);
    m_labelWarning->setWordWrap(true);
    m_labelWarning->setAlignment(Qt::AlignJustify | Qt::AlignTop);

    // Where the prayer times come from, said once.
    m_labelProvenance = LabelFactory::label(this, QStringLiteral("labelProvenance"), 9);
    m_labelProvenance->setTextFormat(Qt::PlainText);
    m_labelProvenance->setWordWrap(true);
    m_labelProvenance->setAlignment(Qt::AlignJustify | Qt::AlignTop);

    m_labelCompanyUrl = LabelFactory::link(this, QStringLiteral("labelCompanyUrl"), 9);
    m_labelCompanyUrl->setAnchorAlignment(Qt::AlignRight);

    m_labelTermName = LabelFactory::label(this, QStringLiteral("labelTermName"), 9);
    m_labelTermLink = LabelFactory::link(this, QStringLiteral("labelTermLink"), 9);
    connect(m_labelTermLink, &XUrlLabel::clicked, this, &PageAbout::slotTermsOfService);
    // Empty until there are terms to link to: no stop for Tab meanwhile.
    m_labelTermLink->setTakesFocus(false);
    m_labelUserAgreement = LabelFactory::label(this, QStringLiteral("labelUserAgreement"), 9);

    m_labelThirdParty = LabelFactory::label(this, QStringLiteral("labelThirdParty"), 9);
    m_labelThirdParty->setTextFormat(Qt::RichText);
    m_labelThirdParty->setWordWrap(true);
    m_labelThirdParty->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Every link goes through slotOpenUrl, which opens it at once and
    // leaves an empty one alone.
    m_labelThirdParty->setOpenExternalLinks(false);
    m_labelThirdParty->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(m_labelThirdParty, &QLabel::linkActivated, this, &PageAbout::slotOpenUrl);
}

QString PageAbout::releaseDateText(const Language &language, const QString &version)
{
    return language.shortDate(ApplicationInformation::releaseDateOf(version));
}

QString PageAbout::thirdPartyText(const Language &language, const QString &qtLink, const QString &openSslLink)
{
    return QStringLiteral("<DIV align='justify'><p>")
        + language.text(QStringLiteral("About.ThirdParty")) + QStringLiteral("<br>")
        + language.text(QStringLiteral("About.QT")) + libraryAnchor(qtLink, QtName) + QStringLiteral("<br>")
        + language.text(QStringLiteral("About.OpenSSL")) + libraryAnchor(openSslLink, OpenSslName)
        + QStringLiteral("</p></DIV>");
}

void PageAbout::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    ApplicationInformation *details = m_ctx.details;

    m_labelAppName->setText(language->text(QStringLiteral("About.ProductName"))
                                    .arg(ApplicationInformation::platformName()));
    m_labelVersion->setText(language->text(QStringLiteral("About.Version")) + QLatin1Char(' ') + details->appVersion());
    m_labelReleaseDate->setText(language->text(QStringLiteral("About.ReleaseDate")) + QLatin1Char(' ')
                                + releaseDateText(*language, details->appVersion()));
    m_labelDataVersion->setText(language->text(QStringLiteral("About.DataVersion")) + QLatin1Char(' ')
                                + details->dataVersion());

    m_labelCompanyUrl->setText(details->website());
    m_labelCompanyUrl->setUrl(details->website());
    m_labelWarning->setText(language->text(QStringLiteral("About.Warning")));
    m_labelProvenance->setText(language->text(QStringLiteral("Data.Provenance")));

    // The licence terms are the warning above; there is no separate terms
    // document or end-user agreement, so these captions stay empty.
    m_labelTermName->clear();
    m_labelTermLink->clear();
    m_labelUserAgreement->clear();

    m_labelThirdParty->setText(thirdPartyText(*language, details->qtUrl(), details->openSslUrl()));
    layoutPage();
}

void PageAbout::slotTermsOfService()
{
}

void PageAbout::slotUserAgreement()
{
}

void PageAbout::slotOpenUrl(const QString &link)
{
    qCDebug(lcUi) << "Opening a link of the about page";
    const QString trimmed = link.trimmed();
    if (trimmed.isEmpty())
        return;
    const QUrl url(trimmed, QUrl::TolerantMode);
    if (!url.isValid())
        return;
    QDesktopServices::openUrl(url);
}

void PageAbout::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutPage();
}

void PageAbout::layoutPage()
{
    const int textWidth = qMax(0, width() - 2 * Margin);

    m_labelAppName->adjustSize();
    m_labelAppName->move(Margin, 12);

    // The maker's link at the top right, level with the name.
    m_labelCompanyUrl->adjustSize();
    m_labelCompanyUrl->setAnchorPosition(width() - Margin - m_labelCompanyUrl->width(),
                                         m_labelAppName->y() + (m_labelAppName->height() - m_labelCompanyUrl->height()) / 2);

    int y = bottomOf(m_labelAppName) + 4;
    for (QLabel *row : {m_labelVersion, m_labelReleaseDate, m_labelDataVersion}) {
        row->adjustSize();
        row->move(Margin, y);
        y += row->height() + RowGap;
    }

    m_labelLine->setGeometry(Margin, y + BlockGap - RowGap, textWidth, 1);
    placeWrapped(m_labelWarning, Margin, bottomOf(m_labelLine) + BlockGap, textWidth);
    placeWrapped(m_labelProvenance, Margin, bottomOf(m_labelWarning) + BlockGap, textWidth);
    placeWrapped(m_labelThirdParty, Margin, bottomOf(m_labelProvenance) + BlockGap, textWidth);

    // The terms and the user agreement at the right, under the maker's
    // link, where the short version rows leave room.
    y = bottomOf(m_labelCompanyUrl) + 4;
    m_labelTermName->adjustSize();
    m_labelTermLink->adjustSize();
    const int gap = m_labelTermName->text().isEmpty() ? 0 : 6;
    const int termX = width() - Margin - m_labelTermName->width() - gap - m_labelTermLink->width();
    m_labelTermName->move(termX, y);
    m_labelTermLink->setAnchorPosition(termX + m_labelTermName->width() + gap,
                                       y + (m_labelTermName->height() - m_labelTermLink->height()) / 2);
    y += qMax(m_labelTermName->height(), m_labelTermLink->height()) + RowGap;
    m_labelUserAgreement->adjustSize();
    m_labelUserAgreement->move(width() - Margin - m_labelUserAgreement->width(), y);
}
