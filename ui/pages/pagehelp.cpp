#include "ui/pages/pagehelp.h"

#include "core/configstore.h"
#include "core/language.h"
#include "ui/controls/labelfactory.h"

#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Heading and text keys of the sections, in order. The source of the
// times is the text the home page's provenance line also draws on.
const struct {
    const char *heading;
    const char *text;
} Sections[] = {
    {"Help.PagesTitle", "Help.Pages"},
    {"Help.TimesTitle", "Help.Times"},
    {"Help.SourceTitle", "Data.Provenance"},
    {"Help.NoticesTitle", "Help.Notices"},
    {"Help.SettingsTitle", "Help.Settings"},
    {"Help.ReportTitle", "Help.Report"},
};

} // namespace

PageHelp::PageHelp(const Language &language, QWidget *parent)
    : QWidget(parent)
    , m_language(language)
    , m_label(LabelFactory::label(this, QStringLiteral("label"), 12, Qt::white, QFont::Bold))
    , m_scrollArea(new QScrollArea(this))
{
    setObjectName(QStringLiteral("PageHelp"));
    resize(716, 347);

    m_scrollArea->setObjectName(QStringLiteral("scrollArea"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The page's background shows through.
    m_scrollArea->viewport()->setAutoFillBackground(false);

    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("helpContent"));
    content->setAutoFillBackground(false);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 12, 8);
    column->setSpacing(4);
    int index = 0;
    for (const auto &section : Sections) {
        Q_UNUSED(section)
        QLabel *heading = LabelFactory::label(content, QStringLiteral("labelHeading%1").arg(index), 10,
                                              Qt::white, QFont::Bold);
        QLabel *text = LabelFactory::label(content, QStringLiteral("labelText%1").arg(index), 9);
        text->setWordWrap(true);
        text->setTextFormat(Qt::RichText);
        if (index > 0)
            column->addSpacing(8);
        column->addWidget(heading);
        column->addWidget(text);
        m_sections << heading << text;
        ++index;
    }
    column->addStretch(1);
    m_scrollArea->setWidget(content);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 15, 20, 10);
    layout->setSpacing(10);
    layout->addWidget(m_label);
    layout->addWidget(m_scrollArea, 1);

    slotUpdateLanguage();
    connect(&m_language, &Language::updated, this, &PageHelp::slotUpdateLanguage);
}

PageHelp::~PageHelp() = default;

void PageHelp::slotUpdateLanguage()
{
    m_label->setText(m_language.text(QStringLiteral("Help.Title")));
    const QString folder = QFileInfo(ConfigStore::configFilePath(false)).absolutePath();
    int index = 0;
    for (const auto &section : Sections) {
        m_sections.at(index)->setText(m_language.text(QLatin1String(section.heading)));
        QString text = m_language.text(QLatin1String(section.text));
        if (text.contains(QLatin1String("%1")))
            text = text.arg(folder.toHtmlEscaped());
        m_sections.at(index + 1)->setText(text);
        index += 2;
    }
}
