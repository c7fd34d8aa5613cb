#include "ui/config/panelconfgeneral.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "core/appconfig.h"
#include "core/language.h"
#include "ui/controls/xcheckbox.h"
#include "ui/controls/xurllabel.h"
#include "ui/dialogs/promptnolanguage.h"

namespace {

// The language entries are the catalogues' display names, stored as they
// stand in the configuration. Indonesian is listed but refused.
const int IndonesianIndex = 1;

QStringList languageNames()
{
    return {QStringLiteral("Bahasa Malaysia"), QStringLiteral("Bahasa Indonesia"),
            QStringLiteral("English")};
}

} // namespace

PanelConfGeneral::PanelConfGeneral(const UiContext &ctx, QWidget *parent)
    : PanelConfBase(parent)
    , m_ctx(ctx)
{
    labelAutoStart = makeCheckCaption(QStringLiteral("labelAutoStart"));
    labelSplash = makeCheckCaption(QStringLiteral("labelSplash"));
    labelExit = makeCheckCaption(QStringLiteral("labelExit"));
    checkAutoStart = makeCheckBox(labelAutoStart, QStringLiteral("checkAutoStart"));
    checkSplash = makeCheckBox(labelSplash, QStringLiteral("checkSplash"));
    checkExit = makeCheckBox(labelExit, QStringLiteral("checkExit"));
    labelLanguage = makeCaption(QStringLiteral("labelLanguage"));
    comboLanguage = makeCombo(QStringLiteral("comboLanguage"));
    comboLanguage->addItems(languageNames());

    const AppConfig &config = *m_ctx.config;
    checkAutoStart->setChecked(config.autoStart);
    checkSplash->setChecked(config.showSplashScreen);
    checkExit->setChecked(config.askBeforeExit);
    connect(checkAutoStart, &XCheckBox::stateChanged, this, &PanelConfGeneral::slotCheckAutoStart);
    connect(checkSplash, &XCheckBox::stateChanged, this, &PanelConfGeneral::slotCheckSplash);
    connect(checkExit, &XCheckBox::stateChanged, this, &PanelConfGeneral::slotCheckExit);

    showIndex(comboLanguage, configuredLanguageIndex());
    connect(comboLanguage, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &PanelConfGeneral::slotLanguageChanged);

    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &PanelConfGeneral::slotUpdateLanguage);
}

int PanelConfGeneral::configuredLanguageIndex() const
{
    return qMax(0, comboLanguage->findText(m_ctx.config->language, Qt::MatchExactly));
}

void PanelConfGeneral::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    labelTitle->setText(language->text(QStringLiteral("ConfGeneral.Title")));
    labelAutoStart->setText(language->text(QStringLiteral("ConfGeneral.AutoStart")));
    labelSplash->setText(language->text(QStringLiteral("ConfGeneral.Splash")));
    labelExit->setText(language->text(QStringLiteral("ConfGeneral.Exit")));
    labelLanguage->setText(language->text(QStringLiteral("ConfGeneral.Language")));
    relayout();
}

void PanelConfGeneral::slotCheckAutoStart(int state)
{
    // Saving also creates or removes the auto-start entry.
    m_ctx.config->autoStart = state != 0;
    m_ctx.config->save();
}

void PanelConfGeneral::slotCheckSplash(int state)
{
    m_ctx.config->showSplashScreen = state != 0;
    m_ctx.config->save();
}

void PanelConfGeneral::slotCheckExit(int state)
{
    m_ctx.config->askBeforeExit = state != 0;
    m_ctx.config->save();
}

void PanelConfGeneral::slotLanguageChanged(int index)
{
    if (index < 0)
        return;
    if (index == IndonesianIndex) {
        // The Indonesian catalogue is incomplete: go back to the language
        // in force (quietly, so that nothing is stored or reloaded) and say
        // why.
        {
            const QSignalBlocker blocker(comboLanguage);
            comboLanguage->setCurrentIndex(configuredLanguageIndex());
        }
        PromptNoLanguage prompt(*m_ctx.language, this);
        prompt.exec();
        return;
    }
    m_ctx.config->language = comboLanguage->itemText(index);
    m_ctx.config->save();
    // Every page, panel and the main window re-read their texts.
    m_ctx.language->load(true);
}

void PanelConfGeneral::relayout()
{
    int y = layoutTitle() + 20;
    y = placeCheckBox(checkAutoStart, labelAutoStart, 30, y) + 5;
    y = placeCheckBox(checkSplash, labelSplash, 30, y) + 5;
    y = placeCheckBox(checkExit, labelExit, 30, y);
    placeRow(labelLanguage, comboLanguage, 30, y + 20);
}
