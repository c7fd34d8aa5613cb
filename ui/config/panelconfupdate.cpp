#include "ui/config/panelconfupdate.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "core/appconfig.h"
#include "core/language.h"
#include "ui/controls/xcheckbox.h"
#include "ui/controls/xurllabel.h"

PanelConfUpdate::PanelConfUpdate(const UiContext &ctx, QWidget *parent)
    : PanelConfBase(parent)
    , m_ctx(ctx)
{
    labelEnable = makeCheckCaption(QStringLiteral("labelEnable"));
    labelStartup = makeCheckCaption(QStringLiteral("labelStartup"));
    labelNotification = makeCheckCaption(QStringLiteral("labelNotification"));
    labelPrompt = makeCheckCaption(QStringLiteral("labelPrompt"));
    checkEnable = makeCheckBox(labelEnable, QStringLiteral("checkEnable"));
    checkStartup = makeCheckBox(labelStartup, QStringLiteral("checkStartup"));
    checkNotification = makeCheckBox(labelNotification, QStringLiteral("checkNotification"));
    checkPrompt = makeCheckBox(labelPrompt, QStringLiteral("checkPrompt"));
    labelInterval = makeCaption(QStringLiteral("labelInterval"));
    comboInterval = makeCombo(QStringLiteral("comboInterval"));

    const AppConfig &config = *m_ctx.config;
    checkEnable->setChecked(config.autoUpdate);
    checkStartup->setChecked(config.updateOnStartup);
    checkNotification->setChecked(config.notifyUpdateComplete);
    checkPrompt->setChecked(config.promptNewVersion);
    connect(checkEnable, &XCheckBox::stateChanged, this, &PanelConfUpdate::slotCheckEnable);
    connect(checkStartup, &XCheckBox::stateChanged, this, &PanelConfUpdate::slotCheckStartup);
    connect(checkNotification, &XCheckBox::stateChanged, this, &PanelConfUpdate::slotCheckNotification);
    connect(checkPrompt, &XCheckBox::stateChanged, this, &PanelConfUpdate::slotCheckPrompt);

    connect(comboInterval, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &PanelConfUpdate::slotUpdateIntervalChanged);
    comboInterval->setEnabled(false);

    // The program never goes online, so no switch here can act: they are
    // shown disabled, with the reason under them. The stored values stay
    // as they are, for an updater to honour some day.
    labelOffline = makeCaption(QStringLiteral("labelOffline"));
    labelOffline->setWordWrap(true);
    for (XCheckBox *check : {checkEnable, checkStartup, checkNotification, checkPrompt})
        check->setEnabled(false);
    for (XUrlLabel *caption : {labelEnable, labelStartup, labelNotification, labelPrompt})
        caption->setEnabled(false);

    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &PanelConfUpdate::slotUpdateLanguage);
}

void PanelConfUpdate::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    labelTitle->setText(language->text(QStringLiteral("ConfUpdate.Title")));
    labelEnable->setText(language->text(QStringLiteral("ConfUpdate.Enable")));
    labelStartup->setText(language->text(QStringLiteral("ConfUpdate.Startup")));
    labelNotification->setText(language->text(QStringLiteral("ConfUpdate.Notification")));
    labelPrompt->setText(language->text(QStringLiteral("ConfUpdate.Prompt")));
    labelInterval->setText(language->text(QStringLiteral("ConfUpdate.Interval")));
    labelOffline->setText(language->text(QStringLiteral("ConfUpdate.Offline")));

    {
        // Refilling the combo is not a choice of the user.
        const QSignalBlocker blocker(comboInterval);
        comboInterval->clear();
        for (const char *key : {"Interval.Everyday", "Interval.3Days", "Interval.Weekly",
                                "Interval.2Weeks", "Interval.Monthly"})
            comboInterval->addItem(language->text(QString::fromLatin1(key)));
    }
    showIndex(comboInterval, m_ctx.config->updateInterval);
    relayout();
}

void PanelConfUpdate::slotCheckEnable(int state)
{
    m_ctx.config->autoUpdate = state != 0;
    m_ctx.config->save();
}

void PanelConfUpdate::slotCheckStartup(int state)
{
    m_ctx.config->updateOnStartup = state != 0;
    m_ctx.config->save();
}

void PanelConfUpdate::slotCheckNotification(int state)
{
    m_ctx.config->notifyUpdateComplete = state != 0;
    m_ctx.config->save();
}

void PanelConfUpdate::slotCheckPrompt(int state)
{
    m_ctx.config->promptNewVersion = state != 0;
    m_ctx.config->save();
}

void PanelConfUpdate::slotUpdateIntervalChanged(int index)
{
    // The interval is shown, not chosen here: the combo stays disabled
    // until the program has an updater that honours it.
    Q_UNUSED(index)
}

void PanelConfUpdate::relayout()
{
    int y = layoutTitle() + 20;
    y = placeCheckBox(checkEnable, labelEnable, 30, y) + 5;
    y = placeCheckBox(checkStartup, labelStartup, 30, y) + 5;
    y = placeCheckBox(checkNotification, labelNotification, 30, y) + 5;
    y = placeCheckBox(checkPrompt, labelPrompt, 30, y);
    y = placeRow(labelInterval, comboInterval, 30, y + 20);
    const int width = qMax(200, this->width() - 60);
    labelOffline->setGeometry(30, y + 20, width, labelOffline->heightForWidth(width));
}
