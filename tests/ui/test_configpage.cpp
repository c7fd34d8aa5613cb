// The configuration page: its menu and panels, the general, update and
// timetable-data panels, and the eight notifier panels (storing every
// change at once, the file dialog, the volume slider, bad stored values,
// the refused language and the change of language).

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <iterator>

#include "app/appmain.h"
#include "support/privatehome.h"
#include "support/apptest.h"
#include "core/autostart.h"
#include "core/configsaver.h"
#include "core/configstore.h"
#include "ui/config/pageconfig.h"
#include "ui/config/panelconfgeneral.h"
#include "ui/config/panelconfnotifier.h"
#include "ui/controls/xcheckbox.h"
#include "ui/controls/xpathlabel.h"
#include "ui/controls/xpushbutton.h"
#include "ui/controls/xurllabel.h"
#include "ui/dialogs/promptnolanguage.h"
#include "ui/main/dialogmain.h"

namespace {

const char *const MenuLabels[] = {
    "labelGeneral", "labelTheme", "labelUpdate", "labelAlmarikData", "labelImsak",
    "labelSubuh", "labelSyuruk", "labelDuha", "labelZohor", "labelAsar", "labelMaghrib",
    "labelIsyak", "labelAdjust", "labelDeveloper"};
const char *const MenuKeys[] = {
    "ConfMain.General", "ConfMain.Theme", "ConfMain.Update", "ConfMain.AlmarikData",
    "ConfMain.Imsak", "ConfMain.Subuh", "ConfMain.Syuruk", "ConfMain.Duha", "ConfMain.Zohor",
    "ConfMain.Asar", "ConfMain.Maghrib", "ConfMain.Isyak", "ConfMain.Adjust", "ConfMain.Developer"};
const char *const PanelNames[] = {
    "panelGeneral", "panelTheme", "panelUpdate", "panelAlmarikData", "panelImsak",
    "panelSubuh", "panelSyuruk", "panelDuha", "panelZohor", "panelAsar", "panelMaghrib",
    "panelIsyak", "panelAdjust", "panelDeveloper"};

// The record as it is on disk now.
AppConfig savedRecord()
{
    appConfig().flush();   // a change is written within the delay; now
    AppConfig record;
    record.zone = QStringLiteral("not loaded");
    if (!ConfigStore::load(record))
        record.zone = QStringLiteral("load failed");
    return record;
}

bool sameSettings(const PrayerSettings &a, const PrayerSettings &b)
{
    return a.enable == b.enable && a.messageDuration == b.messageDuration
        && a.alarmTime == b.alarmTime && a.notificationSound == b.notificationSound
        && a.muazin == b.muazin && a.customSoundPath == b.customSoundPath
        && a.audioVolume == b.audioVolume;
}

bool sameRecord(const AppConfig &a, const AppConfig &b)
{
    bool same = a.zone == b.zone && a.autoStart == b.autoStart
        && a.showSplashScreen == b.showSplashScreen && a.askBeforeExit == b.askBeforeExit
        && a.language == b.language && a.autoUpdate == b.autoUpdate
        && a.updateOnStartup == b.updateOnStartup
        && a.notifyUpdateComplete == b.notifyUpdateComplete
        && a.promptNewVersion == b.promptNewVersion && a.updateInterval == b.updateInterval
        && a.hourSystem == b.hourSystem && a.hijriAdjustment == b.hijriAdjustment;
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        same = same && sameSettings(a.prayer[slot], b.prayer[slot]);
    return same;
}

template <typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

// Widgets of a panel that the user sees, with their geometry in the panel.
QList<QWidget *> visibleParts(QWidget *panel)
{
    QList<QWidget *> parts;
    for (QWidget *widget : panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!widget->isHidden() && !widget->geometry().isEmpty())
            parts.append(widget);
    }
    return parts;
}

// Describes the first overlap between two parts of a panel, or a part
// that reaches outside the panel; "" when the layout is clean.
QString layoutFault(QWidget *panel)
{
    const QList<QWidget *> parts = visibleParts(panel);
    const QRect inside(QPoint(0, 0), panel->size());
    for (int i = 0; i < parts.size(); ++i) {
        QWidget *a = parts.at(i);
        if (!inside.contains(a->geometry()))
            return QStringLiteral("%1 %2 reaches outside the panel").arg(panel->objectName(), a->objectName());
        for (int j = i + 1; j < parts.size(); ++j) {
            QWidget *b = parts.at(j);
            if (a->geometry().intersects(b->geometry()))
                return QStringLiteral("%1: %2 overlaps %3").arg(panel->objectName(), a->objectName(), b->objectName());
        }
        // A caption sized to its text shows the whole text.
        if (auto *label = qobject_cast<QLabel *>(a)) {
            if (!label->wordWrap() && label->textFormat() != Qt::RichText && !label->text().isEmpty()
                && label->fontMetrics().horizontalAdvance(label->text()) > label->width())
                return QStringLiteral("%1: %2 is clipped").arg(panel->objectName(), a->objectName());
        }
    }
    return QString();
}

} // namespace

class TestConfigPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Page and menu.
    void pageHasItsEntriesInMenuOrder();
    void menuEntriesShowTheirPanels();

    // Notifier panels.
    void combosShowStoredValues();
    void outOfRangeValuesKeepFirstEntry();
    void changesAreSavedAtOnce();
    void enableBoxSavesForItsSlotOnly();
    void volumeDragSavesEveryValue();
    void fileDialogFilterAndCancel();
    void customPathRoundTrip();
    void longPathIsShortenedInTheMiddle();
    void placeholderFollowsLanguage();

    // General, update and timetable-data panels.
    void generalPanelShowsAndSavesSwitches();
    void autoStartEntryFollowsCheckBox();
    void indonesianIsRefusedWithPrompt();
    void greyedCombosShowStoredValues();
    void outOfRangeGeneralValuesKeepFirstEntry();

    // Layout.
    void noOverlapsInEitherLanguage();

    // In the main window.
    void configButtonOpensGeneralPanel();
    void languageSwitchRelabelsAtOnce();
    void saveProblemLine();
    void volumeDragIsOneWrite();
    void quitWithSavePendingKeepsLastValue();

private:
    PageConfig *makePage();
    void switchLanguage(const QString &name);

    QPointer<PageConfig> m_page;
};

void TestConfigPage::init()
{
    appConfig() = AppConfig();
    appConfig().autoStart = false;
    QVERIFY(appConfig().save() && appConfig().flush());
    QVERIFY(appLanguage()->load(false));
}

void TestConfigPage::cleanup()
{
    delete m_page.data();
    // Back to English for the next case (the catalogue is not cleared by
    // a load, and English carries every key).
    appConfig().language = QStringLiteral("English");
    appLanguage()->load(false);
}

PageConfig *TestConfigPage::makePage()
{
    delete m_page.data();
    m_page = new PageConfig(appMain()->uiContext());
    m_page->resize(648, 375);
    m_page->show();
    return m_page;
}

void TestConfigPage::switchLanguage(const QString &name)
{
    appConfig().language = name;
    QVERIFY(appLanguage()->load(true));
}

void TestConfigPage::pageHasItsEntriesInMenuOrder()
{
    PageConfig *page = makePage();
    QCOMPARE(page->panels().size(), int(std::size(MenuLabels)));
    int previousBottom = 0;
    for (int i = 0; i < int(std::size(MenuLabels)); ++i) {
        auto *label = child<XUrlLabel>(page, MenuLabels[i]);
        QVERIFY(label);
        QCOMPARE(label->text(), appLanguage()->text(QString::fromLatin1(MenuKeys[i])));
        QVERIFY(!label->text().isEmpty());
        QCOMPARE(label->x(), 20);
        QVERIFY2(label->y() >= previousBottom, MenuLabels[i]);
        previousBottom = label->y() + label->height();
        QCOMPARE(page->panels().at(i)->objectName(), QString::fromLatin1(PanelNames[i]));
        QCOMPARE(page->panels().at(i)->parentWidget(), page);
    }
    QVERIFY(previousBottom <= page->height());
    // Each notifier panel is one of the family, in slot order.
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        auto *panel = qobject_cast<PanelConfNotifier *>(page->panels().at(4 + slot));
        QVERIFY(panel);
        QCOMPARE(int(panel->slot()), slot);
        QCOMPARE(child<QLabel>(panel, "labelTitle")->text(),
                 appLanguage()->text("ConfNotifier.Title" + prayerSlotName(slot)));
    }
    // The panels stand right of the rule and inside the page.
    auto *rule = child<QLabel>(page, "labelLine");
    QVERIFY(rule);
    for (QWidget *panel : page->panels()) {
        QVERIFY(panel->x() > rule->x() + rule->width() - 1);
        QVERIFY(page->rect().contains(panel->geometry()));
    }
    QCOMPARE(page->currentPanel(), page->panels().first());
}

void TestConfigPage::menuEntriesShowTheirPanels()
{
    PageConfig *page = makePage();
    for (int i = int(std::size(MenuLabels)) - 1; i >= 0; --i) {
        auto *label = child<XUrlLabel>(page, MenuLabels[i]);
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(page->currentPanel(), page->panels().at(i));
        int shown = 0;
        for (QWidget *panel : page->panels())
            shown += panel->isVisible() ? 1 : 0;
        QCOMPARE(shown, 1);
        page->showPanel(0);
        QCOMPARE(page->currentPanel(), page->panels().first());
    }
}

void TestConfigPage::combosShowStoredValues()
{
    // Different values in every slot, so that a panel reading another
    // slot's block shows.
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        PrayerSettings &p = appConfig().prayer[slot];
        p.messageDuration = (slot + 1) % 7;
        p.alarmTime = (slot + 2) % 5;
        p.notificationSound = (slot * 3 + 1) % 13;
        p.muazin = slot % 3;
        p.audioVolume = 10 + slot * 7;
        p.enable = slot % 2 == 0;
    }
    PageConfig *page = makePage();
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        QWidget *panel = page->panels().at(4 + slot);
        const PrayerSettings &p = appConfig().prayer[slot];
        auto *duration = child<QComboBox>(panel, "comboTextDuration");
        auto *time = child<QComboBox>(panel, "comboTime");
        auto *sound = child<QComboBox>(panel, "comboSound");
        auto *muazin = child<QComboBox>(panel, "comboMuazin");
        auto *slider = child<QSlider>(panel, "sliderVolume");
        auto *percent = child<QLabel>(panel, "labelVolumePercent");
        auto *check = child<XCheckBox>(panel, "checkEnable");
        QVERIFY(duration && time && sound && muazin && slider && percent && check);
        QCOMPARE(duration->count(), 7);
        QCOMPARE(time->count(), 5);
        QCOMPARE(sound->count(), 13);
        QCOMPARE(muazin->count(), 3);
        QCOMPARE(duration->currentIndex(), p.messageDuration);
        QCOMPARE(time->currentIndex(), p.alarmTime);
        QCOMPARE(sound->currentIndex(), p.notificationSound);
        QCOMPARE(muazin->currentIndex(), p.muazin);
        // Shown greyed: the user cannot change them here.
        QVERIFY(!duration->isEnabled());
        QVERIFY(!time->isEnabled());
        QVERIFY(sound->isEnabled());
        QVERIFY(muazin->isEnabled());
        QCOMPARE(slider->value(), p.audioVolume);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 100);
        QCOMPARE(percent->text(), QString::number(p.audioVolume) + '%');
        QCOMPARE(check->isChecked(), p.enable);
    }
}

void TestConfigPage::outOfRangeValuesKeepFirstEntry()
{
    const int bad[][4] = {{7, 5, 13, 3}, {-1, -1, -1, -1}, {99999, 42, 1000, 12}};
    for (const auto &values : bad) {
        for (int slot = 0; slot < PrayerSlotCount; ++slot) {
            PrayerSettings &p = appConfig().prayer[slot];
            p.messageDuration = values[0];
            p.alarmTime = values[1];
            p.notificationSound = values[2];
            p.muazin = values[3];
        }
        QVERIFY(appConfig().save() && appConfig().flush());
        const AppConfig before = appConfig();
        PageConfig *page = makePage();
        for (int slot = 0; slot < PrayerSlotCount; ++slot) {
            QWidget *panel = page->panels().at(4 + slot);
            for (const char *name : {"comboTextDuration", "comboTime", "comboSound", "comboMuazin"}) {
                auto *combo = child<QComboBox>(panel, name);
                QVERIFY(combo);
                QCOMPARE(combo->currentIndex(), 0);
            }
        }
        // Showing is not storing: the values stay as they were, in memory
        // and on disk.
        QVERIFY(sameRecord(appConfig(), before));
        QVERIFY(sameRecord(savedRecord(), before));
    }
}

void TestConfigPage::changesAreSavedAtOnce()
{
    PageConfig *page = makePage();
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        QWidget *panel = page->panels().at(4 + slot);
        auto *sound = child<QComboBox>(panel, "comboSound");
        auto *muazin = child<QComboBox>(panel, "comboMuazin");
        QVERIFY(sound && muazin);
        const int newSound = (slot + 5) % 13;
        const int newMuazin = (slot + 1) % 3;
        sound->setCurrentIndex(newSound);
        QCOMPARE(appConfig().prayer[slot].notificationSound, newSound);
        QCOMPARE(savedRecord().prayer[slot].notificationSound, newSound);
        muazin->setCurrentIndex(newMuazin);
        QCOMPARE(appConfig().prayer[slot].muazin, newMuazin);
        QCOMPARE(savedRecord().prayer[slot].muazin, newMuazin);
    }
    // The greyed combos still store what they are set to (by the program).
    auto *duration = child<QComboBox>(page->panels().at(4 + Zohor), "comboTextDuration");
    auto *time = child<QComboBox>(page->panels().at(4 + Zohor), "comboTime");
    QVERIFY(duration && time);
    duration->setCurrentIndex(6);
    time->setCurrentIndex(2);
    const AppConfig saved = savedRecord();
    QCOMPARE(saved.prayer[Zohor].messageDuration, 6);
    QCOMPARE(saved.prayer[Zohor].alarmTime, 2);
    QVERIFY(sameRecord(saved, appConfig()));
}

void TestConfigPage::enableBoxSavesForItsSlotOnly()
{
    PageConfig *page = makePage();
    auto *check = child<XCheckBox>(page->panels().at(4 + Asar), "checkEnable");
    auto *caption = child<XUrlLabel>(page->panels().at(4 + Asar), "labelEnable");
    QVERIFY(check && caption);
    QVERIFY(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!appConfig().prayer[Asar].enable);
    AppConfig saved = savedRecord();
    QVERIFY(!saved.prayer[Asar].enable);
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        if (slot != Asar)
            QVERIFY(saved.prayer[slot].enable);
    }
    // A click on the caption toggles the box back.
    QTest::mouseClick(caption, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QVERIFY(check->isChecked());
    QVERIFY(savedRecord().prayer[Asar].enable);
}

void TestConfigPage::volumeDragSavesEveryValue()
{
    PageConfig *page = makePage();
    page->showPanel(PageConfig::FirstPrayerPanel + Maghrib);
    QWidget *panel = page->panels().at(4 + Maghrib);
    auto *slider = child<QSlider>(panel, "sliderVolume");
    auto *percent = child<QLabel>(panel, "labelVolumePercent");
    QVERIFY(slider && percent);
    QCOMPARE(slider->value(), 80);
    // A drag: the slider is held down and passes through every value.
    slider->setSliderDown(true);
    for (int value = 79; value >= 60; --value) {
        slider->setSliderPosition(value);
        QCOMPARE(appConfig().prayer[Maghrib].audioVolume, value);
        QCOMPARE(savedRecord().prayer[Maghrib].audioVolume, value);
        QCOMPARE(percent->text(), QString::number(value) + '%');
        // The percentage stays right-aligned under the slider.
        QCOMPARE(percent->x() + percent->width(), slider->x() + slider->width());
        QCOMPARE(percent->y(), slider->y() + slider->height() + 2);
    }
    slider->setSliderDown(false);
    // Keyboard steps to the ends.
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(savedRecord().prayer[Maghrib].audioVolume, 100);
    QTest::keyClick(slider, Qt::Key_Home);
    QCOMPARE(savedRecord().prayer[Maghrib].audioVolume, 0);
    QCOMPARE(percent->text(), QStringLiteral("0%"));
    // The file loads back to the very record in memory.
    QVERIFY(sameRecord(savedRecord(), appConfig()));
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        if (slot != Maghrib)
            QCOMPARE(appConfig().prayer[slot].audioVolume, 80);
    }
}

void TestConfigPage::fileDialogFilterAndCancel()
{
    appConfig().prayer[Subuh].customSoundPath = QStringLiteral("/music/old.mp3");
    QVERIFY(appConfig().save() && appConfig().flush());
    PageConfig *page = makePage();
    page->showPanel(PageConfig::FirstPrayerPanel + Subuh);
    auto *panel = qobject_cast<PanelConfNotifier *>(page->panels().at(4 + Subuh));
    QVERIFY(panel);
    auto *pathLabel = child<XPathLabel>(panel, "labelPathValue");
    QVERIFY(pathLabel);
    QCOMPARE(pathLabel->text(), QStringLiteral("/music/old.mp3"));

    int calls = 0;
    QWidget *askedParent = nullptr;
    QString askedCaption, askedFolder, askedFilter;
    panel->fileChooser = [&](QWidget *parent, const QString &caption, const QString &folder,
                             const QString &filter) {
        ++calls;
        askedParent = parent;
        askedCaption = caption;
        askedFolder = folder;
        askedFilter = filter;
        return QString();   // cancelled
    };
    // Choosing "Custom sound" does not open the dialog; a click on the path
    // does.
    auto *sound = child<QComboBox>(panel, "comboSound");
    QVERIFY(sound);
    sound->setCurrentIndex(sound->count() - 1);
    QCOMPARE(calls, 0);
    QCOMPARE(savedRecord().prayer[Subuh].notificationSound, 12);
    const QByteArray fileBefore = [] {
        QFile file(ConfigStore::configFilePath(false));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QTest::mouseClick(pathLabel, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(calls, 1);
    QCOMPARE(askedParent, panel);
    QCOMPARE(askedCaption, QStringLiteral("Open Audio"));
    QCOMPARE(askedFolder, QDir::homePath());
    QCOMPARE(askedFilter, QStringLiteral("Audio Files (*.mp3)"));
    // Nothing changed: path, label and file.
    QCOMPARE(appConfig().prayer[Subuh].customSoundPath, QStringLiteral("/music/old.mp3"));
    QCOMPARE(pathLabel->text(), QStringLiteral("/music/old.mp3"));
    QFile file(ConfigStore::configFilePath(false));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), fileBefore);
}

void TestConfigPage::customPathRoundTrip()
{
    PageConfig *page = makePage();
    page->showPanel(PageConfig::FirstPrayerPanel + Isyak);
    auto *panel = qobject_cast<PanelConfNotifier *>(page->panels().at(4 + Isyak));
    QVERIFY(panel);
    auto *pathLabel = child<XPathLabel>(panel, "labelPathValue");
    QVERIFY(pathLabel);
    const QString path =
        QStringLiteral("/m/\u00c9t\u00e9 <b>\u0645\u0624\u0630\u0646</b> \U0001F54C \u2013 Azan.mp3");
    panel->fileChooser = [&](QWidget *, const QString &, const QString &, const QString &) {
        return path;
    };
    QTest::mouseClick(pathLabel, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(appConfig().prayer[Isyak].customSoundPath, path);
    QCOMPARE(savedRecord().prayer[Isyak].customSoundPath, path);
    QCOMPARE(savedRecord().prayer[Maghrib].customSoundPath, QString());
    // Shown as it stands (not as markup), whole, and sized to it.
    QCOMPARE(pathLabel->text(), path);
    QCOMPARE(pathLabel->textFormat(), Qt::PlainText);
    QVERIFY(pathLabel->width() >= pathLabel->fontMetrics().horizontalAdvance(path));

    // A new page built from the saved file shows the same path.
    QVERIFY(appConfig().load());
    PageConfig *again = makePage();
    auto *againLabel = child<XPathLabel>(again->panels().at(4 + Isyak), "labelPathValue");
    QVERIFY(againLabel);
    QCOMPARE(againLabel->text(), path);
}

void TestConfigPage::longPathIsShortenedInTheMiddle()
{
    QString path = QStringLiteral("/home/pengguna");
    for (int i = 0; i < 20; ++i)
        path += QStringLiteral("/folder\u00e9%1").arg(i);
    path += QStringLiteral("/Azan Subuh.mp3");
    appConfig().prayer[Syuruk].customSoundPath = path;
    PageConfig *page = makePage();
    page->showPanel(PageConfig::FirstPrayerPanel + Syuruk);
    QWidget *panel = page->panels().at(4 + Syuruk);
    auto *pathLabel = child<XPathLabel>(panel, "labelPathValue");
    QVERIFY(pathLabel);
    // The whole path in the tip; the label keeps both ends and stays in
    // the panel.
    QCOMPARE(pathLabel->toolTip(), path);
    QVERIFY(pathLabel->text() != path);
    QVERIFY(pathLabel->text().startsWith(QStringLiteral("/home/")));
    QVERIFY(pathLabel->text().endsWith(QStringLiteral("Azan Subuh.mp3")));
    QVERIFY(pathLabel->x() + pathLabel->width() <= panel->width());
    // Nothing was stored by showing it.
    QCOMPARE(appConfig().prayer[Syuruk].customSoundPath, path);
}

void TestConfigPage::placeholderFollowsLanguage()
{
    appConfig().prayer[Zohor].customSoundPath = QStringLiteral("/sounds/zohor.mp3");
    PageConfig *page = makePage();
    auto *empty = child<XPathLabel>(page->panels().at(4 + Asar), "labelPathValue");
    auto *stored = child<XPathLabel>(page->panels().at(4 + Zohor), "labelPathValue");
    QVERIFY(empty && stored);
    const QString englishPlaceholder = appLanguage()->text("ConfNotifier.PathValue");
    QVERIFY(!englishPlaceholder.isEmpty());
    QCOMPARE(empty->text(), englishPlaceholder);
    QCOMPARE(stored->text(), QStringLiteral("/sounds/zohor.mp3"));

    switchLanguage(QStringLiteral("Bahasa Malaysia"));
    const QString malayPlaceholder = appLanguage()->text("ConfNotifier.PathValue");
    QVERIFY(malayPlaceholder != englishPlaceholder);
    QCOMPARE(empty->text(), malayPlaceholder);
    QCOMPARE(stored->text(), QStringLiteral("/sounds/zohor.mp3"));
    // The label is sized to the new text.
    QVERIFY(empty->width() >= empty->fontMetrics().horizontalAdvance(malayPlaceholder));
}

void TestConfigPage::generalPanelShowsAndSavesSwitches()
{
    appConfig().showSplashScreen = false;
    appConfig().askBeforeExit = true;
    PageConfig *page = makePage();
    QWidget *panel = page->panels().first();
    auto *autoStart = child<XCheckBox>(panel, "checkAutoStart");
    auto *splash = child<XCheckBox>(panel, "checkSplash");
    auto *exit = child<XCheckBox>(panel, "checkExit");
    auto *language = child<QComboBox>(panel, "comboLanguage");
    QVERIFY(autoStart && splash && exit && language);
    QVERIFY(!autoStart->isChecked());
    QVERIFY(!splash->isChecked());
    QVERIFY(exit->isChecked());
    QCOMPARE(language->currentText(), QStringLiteral("English"));
    QCOMPARE(language->count(), 3);

    QTest::mouseClick(splash, Qt::LeftButton);
    QVERIFY(savedRecord().showSplashScreen);
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!savedRecord().askBeforeExit);
    QVERIFY(sameRecord(savedRecord(), appConfig()));

    // The update panel's switches, the same way.
    QWidget *update = page->panels().at(2);
    const char *const boxes[] = {"checkEnable", "checkStartup", "checkNotification", "checkPrompt"};
    for (int i = 0; i < 4; ++i) {
        auto *box = child<XCheckBox>(update, boxes[i]);
        QVERIFY(box);
        QVERIFY(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
        const AppConfig saved = savedRecord();
        const bool values[] = {saved.autoUpdate, saved.updateOnStartup,
                               saved.notifyUpdateComplete, saved.promptNewVersion};
        for (int j = 0; j < 4; ++j)
            QCOMPARE(values[j], j > i);
    }
}

void TestConfigPage::autoStartEntryFollowsCheckBox()
{
    const QString entry = AutoStart::desktopEntryPath();
    QVERIFY(entry.startsWith(QDir::homePath() + '/'));
    QVERIFY(!QFileInfo::exists(entry));
    PageConfig *page = makePage();
    auto *box = child<XCheckBox>(page->panels().first(), "checkAutoStart");
    auto *caption = child<XUrlLabel>(page->panels().first(), "labelAutoStart");
    QVERIFY(box && caption);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(appConfig().autoStart);
    QVERIFY(QFileInfo::exists(entry));
    QVERIFY(savedRecord().autoStart);
    QTest::mouseClick(caption, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QVERIFY(!appConfig().autoStart);
    QVERIFY(!QFileInfo::exists(entry));
    QVERIFY(!savedRecord().autoStart);
}

void TestConfigPage::indonesianIsRefusedWithPrompt()
{
    for (const QString &start : {QStringLiteral("English"), QStringLiteral("Bahasa Malaysia")}) {
        switchLanguage(start);
        QVERIFY(appConfig().save() && appConfig().flush());
        PageConfig *page = makePage();
        auto *combo = child<QComboBox>(page->panels().first(), "comboLanguage");
        QVERIFY(combo);
        QCOMPARE(combo->currentText(), start);
        const QString menuText = child<XUrlLabel>(page, "labelGeneral")->text();
        QSignalSpy updates(appLanguage(), &Language::updated);

        QString promptClass;
        QString promptText;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            promptClass = QString::fromLatin1(modal->metaObject()->className());
            for (QLabel *label : modal->findChildren<QLabel *>())
                promptText += label->text() + '\n';
            modal->close();
        });
        combo->setCurrentIndex(combo->findText(QStringLiteral("Bahasa Indonesia")));
        QCOMPARE(promptClass, QStringLiteral("PromptNoLanguage"));
        QVERIFY(promptText.contains(appLanguage()->text("NoLanguage.Description")));
        QCOMPARE(combo->currentText(), start);
        QCOMPARE(appConfig().language, start);
        QCOMPARE(savedRecord().language, start);
        QCOMPARE(updates.count(), 0);
        QCOMPARE(child<XUrlLabel>(page, "labelGeneral")->text(), menuText);
    }
}


void TestConfigPage::greyedCombosShowStoredValues()
{
    appConfig().updateInterval = 3;
    appConfig().hourSystem = 0;
    appConfig().hijriAdjustment = 4;
    PageConfig *page = makePage();
    auto *interval = child<QComboBox>(page->panels().at(2), "comboInterval");
    auto *hours = child<QComboBox>(page->panels().at(3), "comboHourSystem");
    auto *hijri = child<QComboBox>(page->panels().at(3), "comboHijri");
    QVERIFY(interval && hours && hijri);
    QCOMPARE(interval->count(), 5);
    QCOMPARE(hours->count(), 2);
    QCOMPARE(hijri->count(), 5);
    QCOMPARE(interval->currentText(), appLanguage()->text("Interval.2Weeks"));
    QCOMPARE(hours->currentText(), appLanguage()->text("HourSystem.12Hours"));
    QCOMPARE(hijri->currentText(), appLanguage()->text("HijriAdjustment.PlusTwoDays"));
    QVERIFY(!interval->isEnabled());
    QVERIFY(!hours->isEnabled());
    QVERIFY(!hijri->isEnabled());
    // Still the stored entries after the texts are refilled in Malay.
    switchLanguage(QStringLiteral("Bahasa Malaysia"));
    QCOMPARE(interval->currentIndex(), 3);
    QCOMPARE(hours->currentIndex(), 0);
    QCOMPARE(hijri->currentIndex(), 4);
    QCOMPARE(hijri->currentText(), appLanguage()->text("HijriAdjustment.PlusTwoDays"));
    QCOMPARE(appConfig().updateInterval, 3);
}

void TestConfigPage::outOfRangeGeneralValuesKeepFirstEntry()
{
    appConfig().updateInterval = 5;
    appConfig().hourSystem = -1;
    appConfig().hijriAdjustment = 77;
    appConfig().language = QStringLiteral("english");   // not a catalogue name
    PageConfig *page = makePage();
    QCOMPARE(child<QComboBox>(page->panels().at(2), "comboInterval")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(page->panels().at(3), "comboHourSystem")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(page->panels().at(3), "comboHijri")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(page->panels().first(), "comboLanguage")->currentIndex(), 0);
    QCOMPARE(appConfig().updateInterval, 5);
    QCOMPARE(appConfig().hourSystem, -1);
    QCOMPARE(appConfig().hijriAdjustment, 77);
    QCOMPARE(appConfig().language, QStringLiteral("english"));
}

void TestConfigPage::noOverlapsInEitherLanguage()
{
    PageConfig *page = makePage();
    for (const QString &name : {QStringLiteral("English"), QStringLiteral("Bahasa Malaysia"),
                                QStringLiteral("English")}) {
        switchLanguage(name);
        for (int i = 0; i < page->panels().size(); ++i) {
            QWidget *panel = page->panels().at(i);
            // Show each panel, so that it lays out at its final size.
            QTest::mouseClick(child<XUrlLabel>(page, MenuLabels[i]), Qt::LeftButton,
                              Qt::NoModifier, QPoint(2, 2));
            QVERIFY(panel->isVisible());
            const QString fault = layoutFault(panel);
            QVERIFY2(fault.isEmpty(), qPrintable(name + ": " + fault));
        }
        const QString menuFault = layoutFault(page);
        QVERIFY2(menuFault.isEmpty(), qPrintable(name + ": " + menuFault));
    }

    // Panels on their own re-lay themselves out after a change of
    // language, without the page's help.
    QWidget parent;
    parent.resize(469, 355);
    const QList<QWidget *> panels = {new PanelConfGeneral(appMain()->uiContext(), &parent), new PanelConfNotifier(appMain()->uiContext(), Zohor, &parent)};
    parent.show();
    for (const QString &name : {QStringLiteral("Bahasa Malaysia"), QStringLiteral("English")}) {
        for (QWidget *panel : panels) {
            panel->setGeometry(0, 0, 469, 355);
            panel->show();
        }
        switchLanguage(name);
        for (QWidget *panel : panels) {
            const QString fault = layoutFault(panel);
            QVERIFY2(fault.isEmpty(), qPrintable(name + ": " + fault));
        }
    }
}

namespace {

PageConfig *configPageOf(DialogMain &window)
{
    for (QWidget *page : window.pages()) {
        if (auto *config = qobject_cast<PageConfig *>(page))
            return config;
    }
    return nullptr;
}

} // namespace

void TestConfigPage::configButtonOpensGeneralPanel()
{
    DialogMain window(appMain()->uiContext());
    window.show();
    PageConfig *page = configPageOf(window);
    QVERIFY(page);
    QCOMPARE(page->parentWidget(), &window);
    auto *button = window.findChild<XPushButton *>(QStringLiteral("buttonConfig"));
    QVERIFY(button);
    button->click();
    QCOMPARE(window.currentPage(), page);
    QCOMPARE(page->currentPanel(), page->panels().first());
    // Leave it on another panel and page, come back through the button.
    page->showPanel(PageConfig::FirstPrayerPanel + Isyak);
    QCOMPARE(page->currentPanel(), page->panels().at(4 + Isyak));
    window.slotButtonHome();
    QVERIFY(window.currentPage() != page);
    button->click();
    QCOMPARE(window.currentPage(), page);
    QVERIFY(page->isVisible());
    QCOMPARE(page->currentPanel(), page->panels().first());
    QVERIFY(page->panels().first()->isVisible());
}

void TestConfigPage::languageSwitchRelabelsAtOnce()
{
    DialogMain window(appMain()->uiContext());
    window.show();
    PageConfig *page = configPageOf(window);
    QVERIFY(page);
    auto *button = window.findChild<XPushButton *>(QStringLiteral("buttonConfig"));
    QVERIFY(button);
    const QString englishTip = button->toolTip();
    QCOMPARE(englishTip, appLanguage()->text("ToolTip.Config"));
    auto *combo = child<QComboBox>(page->panels().first(), "comboLanguage");
    QVERIFY(combo);
    QSignalSpy updates(appLanguage(), &Language::updated);

    // Texts of a few captions in English, to see them change.
    auto texts = [&] {
        QStringList all;
        for (const char *name : MenuLabels)
            all << child<QLabel>(page, name)->text();
        for (QWidget *panel : page->panels()) {
            for (QLabel *label : panel->findChildren<QLabel *>()) {
                if (!label->objectName().startsWith("labelVolumePercent"))
                    all << label->text();
            }
        }
        return all;
    };
    const QStringList english = texts();

    combo->setCurrentIndex(combo->findText(QStringLiteral("Bahasa Malaysia")));
    QCOMPARE(updates.count(), 1);
    QCOMPARE(appConfig().language, QStringLiteral("Bahasa Malaysia"));
    QCOMPARE(savedRecord().language, QStringLiteral("Bahasa Malaysia"));
    // The main window's tool tips, the menu, the panels, at once.
    QCOMPARE(button->toolTip(), appLanguage()->text("ToolTip.Config"));
    QVERIFY(button->toolTip() != englishTip);
    for (int i = 0; i < int(std::size(MenuLabels)); ++i)
        QCOMPARE(child<QLabel>(page, MenuLabels[i])->text(), appLanguage()->text(MenuKeys[i]));
    QCOMPARE(child<QLabel>(page->panels().first(), "labelTitle")->text(),
             appLanguage()->text("ConfGeneral.Title"));
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        QWidget *panel = page->panels().at(4 + slot);
        QCOMPARE(child<QLabel>(panel, "labelTitle")->text(),
                 appLanguage()->text("ConfNotifier.Title" + prayerSlotName(slot)));
        QCOMPARE(child<QLabel>(panel, "labelSound")->text(), appLanguage()->text("ConfNotifier.Sound"));
        QCOMPARE(child<QLabel>(panel, "labelEnable")->text(), appLanguage()->text("ConfNotifier.Enable"));
    }
    QCOMPARE(child<QComboBox>(page->panels().at(2), "comboInterval")->itemText(0),
             appLanguage()->text("Interval.Everyday"));
    QCOMPARE(child<QComboBox>(page->panels().at(3), "comboHijri")->itemText(1),
             appLanguage()->text("HijriAdjustment.MinusOneDay"));
    const QStringList malay = texts();
    QCOMPARE(malay.size(), english.size());
    QVERIFY(malay != english);

    combo->setCurrentIndex(combo->findText(QStringLiteral("English")));
    QCOMPARE(updates.count(), 2);
    QCOMPARE(savedRecord().language, QStringLiteral("English"));
    QCOMPARE(texts(), english);
    QCOMPARE(button->toolTip(), englishTip);
}

void TestConfigPage::saveProblemLine()
{
    // The line saying that settings are not saved sits under the menu,
    // inside the page, clear of every menu entry; it goes when cleared.
    PageConfig *page = makePage();
    auto *line = child<QLabel>(page, "labelSaveProblem");
    QVERIFY(line);
    QVERIFY(line->isHidden());
    const QString text = appLanguage()->text(QStringLiteral("ConfMain.SaveProblem"));
    QVERIFY(!text.isEmpty());
    page->setSaveProblem(text, QStringLiteral("No space left on device"));
    QVERIFY(!line->isHidden());
    QCOMPARE(line->text(), text);
    QCOMPARE(line->toolTip(), QStringLiteral("No space left on device"));
    QVERIFY(QRect(QPoint(0, 0), page->size()).contains(line->geometry()));
    for (const char *name : MenuLabels) {
        auto *entry = child<XUrlLabel>(page, name);
        QVERIFY(entry);
        QVERIFY2(!entry->geometry().intersects(line->geometry()), name);
    }
    page->setSaveProblem(QString());
    QVERIFY(line->isHidden());
}

void TestConfigPage::volumeDragIsOneWrite()
{
    PageConfig *page = makePage();
    auto *slider = child<QSlider>(page->panels().at(4 + Asar), "sliderVolume");
    QVERIFY(slider);
    ConfigSaver *saver = appConfig().saver();
    QVERIFY(saver);
    QVERIFY(appConfig().flush());
    const QString path = ConfigStore::configFilePath(false);
    auto fileBytes = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = fileBytes();
    QVERIFY(!before.isEmpty());
    QSignalSpy saved(saver, &ConfigSaver::saved);

    // A drag through 50 values: the panel and the record follow every
    // value, the file none of them yet.
    slider->setSliderDown(true);
    for (int step = 0; step < 50; ++step) {
        slider->setSliderPosition(2 * step + 1);
        QCOMPARE(appConfig().prayer[Asar].audioVolume, 2 * step + 1);
    }
    slider->setSliderDown(false);
    QCOMPARE(fileBytes(), before);

    // One write after the delay, holding the last value; then no more.
    QVERIFY(saved.wait(20 * ConfigSaver::DelayMs));
    QTest::qWait(2 * ConfigSaver::DelayMs);
    QCOMPARE(saved.count(), 1);
    AppConfig onDisk;
    QVERIFY(ConfigStore::load(onDisk));
    QCOMPARE(onDisk.prayer[Asar].audioVolume, 99);
}

void TestConfigPage::quitWithSavePendingKeepsLastValue()
{
    // Run last: it ends an event loop with quit().
    PageConfig *page = makePage();
    auto *slider = child<QSlider>(page->panels().at(4 + Zohor), "sliderVolume");
    QVERIFY(slider);
    QVERIFY(appConfig().flush());
    for (int value = 10; value <= 60; ++value)
        slider->setValue(value);
    QVERIFY(appConfig().saver()->isPending());
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    AppConfig onDisk;
    QVERIFY(ConfigStore::load(onDisk));
    QCOMPARE(onDisk.prayer[Zohor].audioVolume, 60);
}

int main(int argc, char *argv[])
{
    return runOnApplication<TestConfigPage>(argc, argv);
}

#include "test_configpage.moc"
