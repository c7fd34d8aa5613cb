#include "ui/config/panelconfgeneral.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "app/appmain.h"
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

PanelConfGeneral::PanelConfGeneral(QWidget *parent)
    : PanelConfBase(parent)
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

    const AppConfig &config = appConfig();
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
    connect(appLanguage(), &Language::updated, this, &PanelConfGeneral::slotUpdateLanguage);
}

int PanelConfGeneral::configuredLanguageIndex() const
{
    return qMax(0, comboLanguage->findText(appConfig().language, Qt::MatchExactly));
}

void PanelConfGeneral::slotUpdateLanguage()
{
    const Language *language = appLanguage();
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
    appConfig().autoStart = state != 0;
    appConfig().save();
}

void PanelConfGeneral::slotCheckSplash(int state)
{
    appConfig().showSplashScreen = state != 0;
    appConfig().save();
}

void PanelConfGeneral::slotCheckExit(int state)
{
    appConfig().askBeforeExit = state != 0;
    appConfig().save();
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
        PromptNoLanguage prompt(this);
        prompt.exec();
        return;
    }
    appConfig().language = comboLanguage->itemText(index);
    appConfig().save();
    // Every page, panel and the main window re-read their texts.
    appLanguage()->load(true);
}

void PanelConfGeneral::relayout()
{
    int y = layoutTitle() + 20;
    y = placeCheckBox(checkAutoStart, labelAutoStart, 30, y) + 5;
    y = placeCheckBox(checkSplash, labelSplash, 30, y) + 5;
    y = placeCheckBox(checkExit, labelExit, 30, y);
    placeRow(labelLanguage, comboLanguage, 30, y + 20);
}
