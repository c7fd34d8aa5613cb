#include "ui/config/panelconfnotifier.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QSignalBlocker>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

#include "core/appconfig.h"
#include "core/language.h"
#include "core/prayernotifier.h"
#include "ui/main/abstractsoundplayer.h"
#include "ui/controls/xcheckbox.h"
#include "ui/controls/enterclicks.h"
#include "ui/controls/taborder.h"
#include "ui/controls/xpathlabel.h"
#include "ui/controls/xurllabel.h"

namespace {

// The entry index of each combo is the stored value; the notifier gives
// each value its meaning. The texts come from the catalogue.
const QStringList DurationKeys = {
    QStringLiteral("Duration.Off"), QStringLiteral("Duration.5Seconds"), QStringLiteral("Duration.10Seconds"),
    QStringLiteral("Duration.15Seconds"), QStringLiteral("Duration.30Seconds"), QStringLiteral("Duration.1Minute"),
    QStringLiteral("Duration.Forever")};

const QStringList AlarmTimeKeys = {
    QStringLiteral("AlarmTime.OnTime"), QStringLiteral("AlarmTime.5Minutes"), QStringLiteral("AlarmTime.10Minutes"),
    QStringLiteral("AlarmTime.15Minutes"), QStringLiteral("AlarmTime.30Minutes")};

const QStringList SoundKeys = {
    QStringLiteral("Sound.Off"), QStringLiteral("Sound.Azan"), QStringLiteral("Sound.ShortAzan"),
    QStringLiteral("Sound.Iqamah"), QStringLiteral("Sound.ThreeBeep"), QStringLiteral("Sound.DingDong"),
    QStringLiteral("Sound.Ding"), QStringLiteral("Sound.Bird"), QStringLiteral("Sound.DoorBell"),
    QStringLiteral("Sound.Clock"), QStringLiteral("Sound.Drop"), QStringLiteral("Sound.Horn"),
    QStringLiteral("Sound.Custom")};

const QStringList MuazinKeys = {
    QStringLiteral("Muazin.Orvan"), QStringLiteral("Muazin.Tessaly"), QStringLiteral("Muazin.Belunar")};

// Fills a combo with the texts of `keys`, or renames its entries in place,
// keeping the entry shown and emitting nothing.
void setEntryTexts(QComboBox *combo, const QStringList &keys, const Language &language)
{
    const QSignalBlocker blocker(combo);
    for (int i = 0; i < keys.size(); ++i) {
        const QString text = language.text(keys.at(i));
        if (i < combo->count())
            combo->setItemText(i, text);
        else
            combo->addItem(text);
    }
}

} // namespace

PanelConfNotifier::PanelConfNotifier(const UiContext &ctx, PrayerSlot slot, QWidget *parent)
    : PanelConfBase(parent)
    , fileChooser([](QWidget *chooserParent, const QString &caption, const QString &folder,
                     const QString &filter) {
          return QFileDialog::getOpenFileName(chooserParent, caption, folder, filter);
      })
    , m_slot(slot)
    , m_ctx(ctx)
{
    labelEnable = makeCheckCaption(QStringLiteral("labelEnable"));
    checkEnable = makeCheckBox(labelEnable, QStringLiteral("checkEnable"));
    labelTextDuration = makeCaption(QStringLiteral("labelTextDuration"));
    comboTextDuration = makeCombo(QStringLiteral("comboTextDuration"));
    setEntryTexts(comboTextDuration, DurationKeys, *m_ctx.language);
    labelTime = makeCaption(QStringLiteral("labelTime"));
    comboTime = makeCombo(QStringLiteral("comboTime"));
    setEntryTexts(comboTime, AlarmTimeKeys, *m_ctx.language);
    labelSound = makeCaption(QStringLiteral("labelSound"));
    comboSound = makeCombo(QStringLiteral("comboSound"));
    setEntryTexts(comboSound, SoundKeys, *m_ctx.language);
    labelReminderSound = makeCaption(QStringLiteral("labelReminderSound"));
    comboReminderSound = makeCombo(QStringLiteral("comboReminderSound"));
    setEntryTexts(comboReminderSound, SoundKeys, *m_ctx.language);
    buttonPlaySound = makePlayButton(QStringLiteral("buttonPlaySound"));
    connect(buttonPlaySound, &QToolButton::clicked, this, &PanelConfNotifier::slotPlaySound);
    buttonPlayReminder = makePlayButton(QStringLiteral("buttonPlayReminder"));
    connect(buttonPlayReminder, &QToolButton::clicked, this, &PanelConfNotifier::slotPlayReminderSound);
    labelMuazin = makeCaption(QStringLiteral("labelMuazin"));
    comboMuazin = makeCombo(QStringLiteral("comboMuazin"));
    setEntryTexts(comboMuazin, MuazinKeys, *m_ctx.language);
    labelPath = makeCaption(QStringLiteral("labelPath"));
    labelPathValue = new XPathLabel(this);
    labelPathValue->setObjectName(QStringLiteral("labelPathValue"));
    labelPathValue->setTextFormat(Qt::PlainText);
    labelPathValue->setPalette(labelPath->palette());
    labelPathValue->setCursor(Qt::PointingHandCursor);
    labelPathProblem = makeCaption(QStringLiteral("labelPathProblem"));
    labelPathProblem->setTextFormat(Qt::PlainText);
    labelPathProblem->hide();
    labelVolume = makeCaption(QStringLiteral("labelVolume"));
    sliderVolume = new QSlider(Qt::Horizontal, this);
    sliderVolume->setObjectName(QStringLiteral("sliderVolume"));
    labelVolumeLevel = makeCaption(QStringLiteral("labelVolumeLevel"));
    labelVolumePercent = makeCaption(QStringLiteral("labelVolumePercent"));

    const PrayerSettings &stored = settings();
    // The stored values are shown without being written back; a value
    // outside a combo's range leaves the combo on its first entry.
    showIndex(comboTextDuration, stored.messageDuration);
    showIndex(comboTime, stored.alarmTime);
    showIndex(comboSound, stored.notificationSound);
    showIndex(comboReminderSound, stored.reminderSound);
    showIndex(comboMuazin, stored.muazin);
    connect(comboTextDuration, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &PanelConfNotifier::slotTextDurationChanged);
    connect(comboTime, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &PanelConfNotifier::slotAlarmTimeChanged);
    connect(comboSound, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &PanelConfNotifier::slotNotificationSoundChanged);
    connect(comboMuazin, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &PanelConfNotifier::slotMuazinChanged);
    connect(comboReminderSound, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &PanelConfNotifier::slotReminderSoundChanged);

    connect(labelPathValue, &XPathLabel::clicked, this, &PanelConfNotifier::slotPathLabelClicked);

    sliderVolume->setRange(0, 100);
    sliderVolume->setValue(qBound(0, stored.audioVolume, 100));
    connect(sliderVolume, &QSlider::valueChanged, this, &PanelConfNotifier::slotVolumeChanged);
    labelVolumePercent->setText(QStringLiteral("%1%").arg(sliderVolume->value()));

    checkEnable->setChecked(stored.enable);
    connect(checkEnable, &XCheckBox::stateChanged, this, &PanelConfNotifier::slotCheckEnable);

    // Tab follows the rows as relayout() places them, each play button
    // right after its sound.
    TabOrder::chain({checkEnable, comboTextDuration, comboSound, buttonPlaySound, comboTime, comboReminderSound,
                     buttonPlayReminder, comboMuazin, labelPathValue, sliderVolume});

    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &PanelConfNotifier::slotUpdateLanguage);
}

PrayerSettings &PanelConfNotifier::settings() const
{
    return m_ctx.config->prayer[m_slot];
}

void PanelConfNotifier::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    labelTitle->setText(language->text(QStringLiteral("ConfNotifier.Title") + prayerSlotName(m_slot)));
    labelEnable->setText(language->text(QStringLiteral("ConfNotifier.Enable")));
    labelTextDuration->setText(language->text(QStringLiteral("ConfNotifier.TextDuration")));
    labelTime->setText(language->text(QStringLiteral("ConfNotifier.Time")));
    labelSound->setText(language->text(QStringLiteral("ConfNotifier.Sound")));
    labelReminderSound->setText(language->text(QStringLiteral("ConfNotifier.ReminderSound")));
    buttonPlaySound->setToolTip(language->text(QStringLiteral("ConfNotifier.Play")));
    buttonPlayReminder->setToolTip(language->text(QStringLiteral("ConfNotifier.Play")));
    labelMuazin->setText(language->text(QStringLiteral("ConfNotifier.Muazin")));
    labelPath->setText(language->text(QStringLiteral("ConfNotifier.Path")));
    labelVolume->setText(language->text(QStringLiteral("ConfNotifier.Volume")));
    labelVolumeLevel->setText(language->text(QStringLiteral("ConfNotifier.VolumeLevel")));
    setEntryTexts(comboTextDuration, DurationKeys, *language);
    setEntryTexts(comboTime, AlarmTimeKeys, *language);
    setEntryTexts(comboSound, SoundKeys, *language);
    setEntryTexts(comboReminderSound, SoundKeys, *language);
    setEntryTexts(comboMuazin, MuazinKeys, *language);
    relayout();
}

void PanelConfNotifier::slotCheckEnable(int state)
{
    settings().enable = state != 0;
    m_ctx.config->save();
}

void PanelConfNotifier::slotTextDurationChanged(int index)
{
    if (index < 0)
        return;
    settings().messageDuration = index;
    m_ctx.config->save();
}

void PanelConfNotifier::slotAlarmTimeChanged(int index)
{
    if (index < 0)
        return;
    settings().alarmTime = index;
    m_ctx.config->save();
}

void PanelConfNotifier::slotNotificationSoundChanged(int index)
{
    // Choosing "Custom sound" does not open the file dialog; only a click
    // on the path does.
    if (index < 0)
        return;
    settings().notificationSound = index;
    m_ctx.config->save();
}

void PanelConfNotifier::slotReminderSoundChanged(int index)
{
    if (index < 0)
        return;
    settings().reminderSound = index;
    m_ctx.config->save();
}

void PanelConfNotifier::slotMuazinChanged(int index)
{
    if (index < 0)
        return;
    settings().muazin = index;
    m_ctx.config->save();
}

void PanelConfNotifier::slotVolumeChanged(int value)
{
    // Saved for every value the slider passes, so the notifier always
    // plays at the volume last shown.
    settings().audioVolume = value;
    m_ctx.config->save();
    labelVolumePercent->setText(QStringLiteral("%1%").arg(value));
    placeVolumePercent();
}

void PanelConfNotifier::slotPathLabelClicked()
{
    if (!fileChooser)
        return;
    const QString path = fileChooser(this, QStringLiteral("Open Audio"), QDir::homePath(),
                                     QStringLiteral("Audio Files (*.mp3 *.ogg *.oga *.opus *.wav *.flac *.m4a)"));
    if (path.isEmpty())
        return;   // cancelled: the old path and its label stay
    // Any file the media back end plays is welcome; one that is not sound
    // at all (or not there) is refused with the reason.
    const QFileInfo file(path);
    const QString type = QMimeDatabase().mimeTypeForFile(file).name();
    const bool audio = file.isFile() && file.isReadable()
            && (type.startsWith(QLatin1String("audio/")) || type == QLatin1String("application/ogg"));
    labelPathProblem->setVisible(!audio);
    if (!audio) {
        labelPathProblem->setText(m_ctx.language->text(QStringLiteral("ConfNotifier.NotAudio"))
                                  .arg(file.fileName()));
        relayout();
        return;
    }
    settings().customSoundPath = path;
    m_ctx.config->save();
    showPath();
}

QToolButton *PanelConfNotifier::makePlayButton(const QString &objectName)
{
    auto *button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    button->setFocusPolicy(Qt::StrongFocus);
    EnterClicks::install(button);
    button->setAutoRaise(false);
    return button;
}

void PanelConfNotifier::placePlayButton(QToolButton *button, const QComboBox *combo)
{
    button->resize(combo->height(), combo->height());
    button->move(combo->x() + combo->width() + 6, combo->y());
}

void PanelConfNotifier::playChoice(int soundIndex)
{
    if (!m_ctx.soundPlayer)
        return;
    const PrayerSettings &chosen = settings();
    const QString url = PrayerNotifier::soundUrl(soundIndex, chosen.muazin, m_slot == Subuh,
                                                 chosen.customSoundPath);
    if (url.isEmpty())
        m_ctx.soundPlayer->stop();
    else
        m_ctx.soundPlayer->play(url, qBound(0, chosen.audioVolume, 100));
}

void PanelConfNotifier::slotPlaySound()
{
    playChoice(settings().notificationSound);
}

void PanelConfNotifier::slotPlayReminderSound()
{
    playChoice(settings().reminderSound);
}

void PanelConfNotifier::showPath()
{
    const QString path = settings().customSoundPath;
    if (path.isEmpty()) {
        labelPathValue->setText(m_ctx.language->text(QStringLiteral("ConfNotifier.PathValue")));
        labelPathValue->setToolTip(QString());
    } else {
        const int room = qMax(50, width() - 30 - 10);
        labelPathValue->setText(labelPathValue->fontMetrics().elidedText(path, Qt::ElideMiddle, room));
        labelPathValue->setToolTip(path);
    }
    labelPathValue->adjustSize();
}

void PanelConfNotifier::placeVolumePercent()
{
    labelVolumePercent->adjustSize();
    labelVolumeLevel->adjustSize();
    labelVolumePercent->move(sliderVolume->x() + sliderVolume->width() - labelVolumePercent->width(),
                             sliderVolume->y() + sliderVolume->height() + 2);
    labelVolumeLevel->move(labelVolumePercent->x() - 4 - labelVolumeLevel->width(),
                           labelVolumePercent->y());
}

void PanelConfNotifier::relayout()
{
    // Seven rows share the panel's height with the path and the volume.
    const int RowGap = 9;
    int y = layoutTitle() + 15;
    y = placeCheckBox(checkEnable, labelEnable, 30, y) + RowGap;
    y = placeRow(labelTextDuration, comboTextDuration, 30, y) + RowGap;
    y = placeRow(labelSound, comboSound, 30, y) + RowGap;
    placePlayButton(buttonPlaySound, comboSound);
    y = placeRow(labelTime, comboTime, 30, y) + RowGap;
    y = placeRow(labelReminderSound, comboReminderSound, 30, y) + RowGap;
    placePlayButton(buttonPlayReminder, comboReminderSound);
    y = placeRow(labelMuazin, comboMuazin, 30, y) + RowGap;

    labelPath->adjustSize();
    labelPath->move(30, y);
    showPath();
    labelPathValue->move(30, labelPath->y() + labelPath->height() + 5);
    y = labelPathValue->y() + labelPathValue->height() + RowGap;
    if (!labelPathProblem->isHidden()) {
        labelPathProblem->adjustSize();
        labelPathProblem->move(30, labelPathValue->y() + labelPathValue->height() + 2);
        y = labelPathProblem->y() + labelPathProblem->height() + RowGap;
    }

    labelVolume->adjustSize();
    labelVolume->move(30, y);
    sliderVolume->resize(qBound(100, width() - 60, 300), sliderVolume->sizeHint().height());
    sliderVolume->move(30, labelVolume->y() + labelVolume->height() + 5);
    placeVolumePercent();
}
