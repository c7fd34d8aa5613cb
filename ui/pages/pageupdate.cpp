#include "ui/pages/pageupdate.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "core/almarikmanager.h"
#include "core/applicationinformation.h"
#include "core/language.h"
#include "core/mapmanager.h"
#include "ui/controls/labelfactory.h"
#include "ui/controls/xgreenbutton.h"

namespace {
const QColor WhiteText(255, 255, 255);
const QColor HighlightText(247, 255, 37);

// Left edge of the page's text, and the gap between a caption and its value.
constexpr int Margin = 30;
constexpr int CaptionGap = 12;
constexpr int RowGap = 6;
// The button, the progress and the outcome sit in a column of their own.
constexpr int RightColumnX = 350;

// Word-wrapped label of a fixed width, as tall as its text needs.
void placeWrapped(QLabel *label, int x, int y, int width)
{
    label->setGeometry(x, y, width, qMax(0, label->heightForWidth(width)));
}
}

PageUpdate::PageUpdate(const UiContext &ctx, QWidget *parent)
    : QWidget(parent)
    , m_timer(new QTimer(this))
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("PageUpdate"));
    buildForm();
    connect(m_timer, &QTimer::timeout, this, &PageUpdate::slotTimer);
    connect(m_panelUpdate, &XPanelButton::clicked, this, &PageUpdate::slotUpdateNow);
    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &PageUpdate::slotUpdateLanguage);
}

PageUpdate::~PageUpdate() = default;

void PageUpdate::buildForm()
{
    resize(648, 375);

    m_labelTitle = LabelFactory::label(this, QStringLiteral("labelTitle"), 12, WhiteText, QFont::Bold);
    m_labelLine = LabelFactory::label(this, QStringLiteral("labelLine"), 9, WhiteText);
    LabelFactory::makeBar(m_labelLine, Qt::white);
    m_labelText = LabelFactory::label(this, QStringLiteral("labelText"), 9, WhiteText);
    m_labelText->setTextFormat(Qt::RichText);
    m_labelText->setWordWrap(true);
    m_labelText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_labelLastUpdate = LabelFactory::label(this, QStringLiteral("labelLastUpdate"), 9, WhiteText);
    m_labelLastUpdateValue = LabelFactory::label(this, QStringLiteral("labelLastUpdateValue"), 9, HighlightText);
    m_labelVentabisVersion = LabelFactory::label(this, QStringLiteral("labelVentabisVersion"), 9, WhiteText);
    m_labelVentabisVersionValue = LabelFactory::label(this, QStringLiteral("labelVentabisVersionValue"), 9, HighlightText);
    m_labelAlmarikVersion = LabelFactory::label(this, QStringLiteral("labelAlmarikVersion"), 9, WhiteText);
    m_labelAlmarikVersionData = LabelFactory::label(this, QStringLiteral("labelAlmarikVersionData"), 9, HighlightText);
    m_labelMapVersion = LabelFactory::label(this, QStringLiteral("labelMapVersion"), 9, WhiteText);
    m_labelMapVersionValue = LabelFactory::label(this, QStringLiteral("labelMapVersionValue"), 9, HighlightText);

    m_panelUpdate = new XGreenButton(this);
    m_panelUpdate->setObjectName(QStringLiteral("panelUpdate"));
    m_panelUpdate->setGeometry(RightColumnX, 60, 161, 41);

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setGeometry(RightColumnX, 160, 118, 23);
    m_progressBar->hide();

    m_labelProgress = LabelFactory::label(this, QStringLiteral("labelProgress"), 9, WhiteText);
    m_labelProgress->setWordWrap(true);
    m_labelProgress->move(RightColumnX, 130);
    m_labelProgress->hide();

    m_labelResult = LabelFactory::label(this, QStringLiteral("labelResult"), 9, HighlightText);
    m_labelResult->setWordWrap(true);
    m_labelResult->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_labelResult->move(RightColumnX, 200);
    m_labelResult->hide();
}

void PageUpdate::slotUpdateNow()
{
    m_progress = 0;
    m_progressBar->setValue(0);
    m_resultShown = false;
    m_panelUpdate->hide();
    m_labelResult->hide();
    m_labelProgress->show();
    m_progressBar->show();
    m_timer->start(TickInterval);
}

void PageUpdate::slotTimer()
{
    if (m_resultShown) {
        m_labelResult->hide();
        m_timer->stop();
        return;
    }
    if (m_progress < 100) {
        m_progress = qMin(100, m_progress + ProgressStep);
        m_progressBar->setValue(m_progress);
        return;
    }

    m_timer->stop();
    m_progressBar->setValue(100);
    m_labelProgress->hide();
    m_progressBar->hide();
    m_panelUpdate->show();
    // The run reads the installed versions again: a plug-in bound since
    // the page was built shows its version now.
    refreshVersions();
    // There is no update service behind the button: the outcome says so
    // rather than claiming an update or a lost connection.
    m_labelResult->setText(m_ctx.language->text(QStringLiteral("Update.ResultNoUpdate")));
    layoutPage();
    m_labelResult->show();
    m_resultShown = true;
    m_timer->start(ResultInterval);
}

void PageUpdate::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    m_labelTitle->setText(language->text(QStringLiteral("Update.Title")));
    m_labelText->setText(language->text(QStringLiteral("Update.Description")));
    m_labelLastUpdate->setText(language->text(QStringLiteral("Update.LastUpdate")));
    m_labelVentabisVersion->setText(language->text(QStringLiteral("Update.VentabisVersion")));
    m_labelAlmarikVersion->setText(language->text(QStringLiteral("Update.AlmarikVersion")));
    m_labelMapVersion->setText(language->text(QStringLiteral("Update.MapVersion")));
    m_panelUpdate->setText(language->text(QStringLiteral("Update.UpdateNow")));
    m_labelProgress->setText(language->text(QStringLiteral("Update.ProgressStatus")));
    m_labelResult->setText(language->text(QStringLiteral("Update.ResultNoUpdate")));
    refreshVersions();
    layoutPage();
}

void PageUpdate::refreshVersions()
{
    m_labelLastUpdateValue->setText(m_ctx.details->buildTime());
    m_labelVentabisVersionValue->setText(m_ctx.details->ventabisVersion());
    m_labelAlmarikVersionData->setText(m_ctx.almarikManager->version());
    m_labelMapVersionValue->setText(m_ctx.mapManager->version());
}

void PageUpdate::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutPage();
}

void PageUpdate::layoutPage()
{
    QLabel *const captions[] = {m_labelLastUpdate, m_labelVentabisVersion, m_labelAlmarikVersion, m_labelMapVersion};
    QLabel *const values[] = {m_labelLastUpdateValue, m_labelVentabisVersionValue, m_labelAlmarikVersionData,
                              m_labelMapVersionValue};

    // The values start after the widest caption, so a longer caption in
    // another language pushes the column over rather than under its value.
    int captionWidth = 0;
    int valueWidth = 0;
    for (int row = 0; row < 4; ++row) {
        captions[row]->adjustSize();
        values[row]->adjustSize();
        captionWidth = qMax(captionWidth, captions[row]->width());
        valueWidth = qMax(valueWidth, values[row]->width());
    }
    const int valueX = Margin + captionWidth + CaptionGap;
    // The button column keeps its place unless the rows would reach it,
    // and never moves so far that the button leaves the page.
    const int rightX = qMax(RightColumnX, qMin(valueX + valueWidth + 20, width() - Margin - m_panelUpdate->width()));
    const int rightWidth = qMax(0, width() - Margin - rightX);

    m_labelTitle->adjustSize();
    m_labelTitle->move(Margin, 15);
    m_labelLine->setGeometry(Margin, m_labelTitle->y() + m_labelTitle->height() + 8, qMax(0, width() - 2 * Margin), 1);
    placeWrapped(m_labelText, Margin, m_labelLine->y() + 12, rightX - 20 - Margin);

    int y = m_labelText->y() + m_labelText->height() + 15;
    for (int row = 0; row < 4; ++row) {
        const int rowHeight = qMax(captions[row]->height(), values[row]->height());
        captions[row]->move(Margin, y);
        values[row]->move(valueX, y);
        y += rowHeight + RowGap;
    }

    m_panelUpdate->move(rightX, 60);
    placeWrapped(m_labelProgress, rightX, 130, rightWidth);
    m_progressBar->move(rightX, 160);
    placeWrapped(m_labelResult, rightX, 200, rightWidth);
}
