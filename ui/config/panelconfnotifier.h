#ifndef PANELCONFNOTIFIER_H
#define PANELCONFNOTIFIER_H

#include <functional>

#include "core/prayerslot.h"
#include "ui/config/panelconfbase.h"
#include "ui/uicontext.h"

class QComboBox;
class QLabel;
class QSlider;
class QToolButton;
struct PrayerSettings;
class XCheckBox;
class XPathLabel;
class XUrlLabel;

// How the notifier treats one prayer slot: on or off, how long the notice
// stays up, the sound, a reminder before the time and its own sound, the
// muazzin, a sound file of the user's own and the volume.
// Every change is stored and saved at once. The eight panels of the
// configuration page are this one panel, each made for its own slot.
class PanelConfNotifier : public PanelConfBase
{
    Q_OBJECT
public:
    // Opens the file dialog: (parent, caption, start folder, filter) ->
    // the chosen path, or "" when the user cancelled.
    using FileChooser = std::function<QString(QWidget *, const QString &, const QString &,
                                              const QString &)>;

    PanelConfNotifier(const UiContext &ctx, PrayerSlot slot, QWidget *parent = nullptr);

    PrayerSlot slot() const { return m_slot; }

    // The platform's file-open dialog unless replaced (the tests do).
    FileChooser fileChooser;

    void relayout() override;

public slots:
    void slotUpdateLanguage();
    void slotCheckEnable(int state);
    void slotTextDurationChanged(int index);
    void slotAlarmTimeChanged(int index);
    void slotNotificationSoundChanged(int index);
    void slotReminderSoundChanged(int index);
    void slotMuazinChanged(int index);
    void slotVolumeChanged(int value);
    void slotPathLabelClicked();
    // Plays the chosen sound (or the reminder's) at the chosen volume.
    void slotPlaySound();
    void slotPlayReminderSound();

private:
    PrayerSettings &settings() const;
    // Shows the custom path, or the placeholder when there is none. Long
    // paths are shortened in the middle to fit the panel; the tool tip
    // always holds the whole path.
    void showPath();
    void placeVolumePercent();
    QToolButton *makePlayButton(const QString &objectName);
    void placePlayButton(QToolButton *button, const QComboBox *combo);
    void playChoice(int soundIndex);

    const PrayerSlot m_slot;

    XUrlLabel *labelEnable;
    XCheckBox *checkEnable;
    QLabel *labelTextDuration;
    QComboBox *comboTextDuration;
    QLabel *labelTime;
    QComboBox *comboTime;
    QLabel *labelSound;
    QComboBox *comboSound;
    QLabel *labelReminderSound;
    QComboBox *comboReminderSound;
    QToolButton *buttonPlaySound;
    QToolButton *buttonPlayReminder;
    QLabel *labelPathProblem;
    QLabel *labelMuazin;
    QComboBox *comboMuazin;
    QLabel *labelPath;
    XPathLabel *labelPathValue;
    QLabel *labelVolume;
    QSlider *sliderVolume;
    QLabel *labelVolumeLevel;
    QLabel *labelVolumePercent;
    UiContext m_ctx;
};

#endif // PANELCONFNOTIFIER_H
