// The shipped language catalogues (read here with a parser of the test's
// own, independent of the program's loader) and the Language class that
// loads them.

#include <QtTest>

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include "core/appconfig.h"
#include "core/language.h"
#include "resources/resourceregistry.h"

// Resource registration helpers; Q_INIT_RESOURCE must be used outside any
// namespace. "brokencatalogue" (compiled into this test) carries an
// unparsable ":/languages/English.xml"; it is only ever registered while the
// real catalogues are not.
static void registerShippedCatalogues() { Q_INIT_RESOURCE(languages); }
static void unregisterShippedCatalogues() { Q_CLEANUP_RESOURCE(languages); }
static void registerBrokenCatalogue() { Q_INIT_RESOURCE(brokencatalogue); }
static void unregisterBrokenCatalogue() { Q_CLEANUP_RESOURCE(brokencatalogue); }

namespace {

const QString EnglishPath = QStringLiteral(":/languages/English.xml");
const QString MalayPath = QStringLiteral(":/languages/Malay.xml");
const QString IndonesianPath = QStringLiteral(":/languages/Indonesia.xml");

// Every key of a full catalogue, in document order.
const QStringList FullKeys = {
    QStringLiteral("UI.SelectFile"),
    QStringLiteral("About.Version"), QStringLiteral("About.ReleaseDate"),
    QStringLiteral("About.DataVersion"), QStringLiteral("About.Warning"),
    QStringLiteral("About.ThirdParty"), QStringLiteral("About.QT"),
    QStringLiteral("About.OpenSSL"),
    QStringLiteral("Interval.Everyday"), QStringLiteral("Interval.3Days"),
    QStringLiteral("Interval.Weekly"), QStringLiteral("Interval.2Weeks"),
    QStringLiteral("Interval.Monthly"),
    QStringLiteral("HourSystem.12Hours"), QStringLiteral("HourSystem.24Hours"),
    QStringLiteral("HijriAdjustment.None"), QStringLiteral("HijriAdjustment.MinusOneDay"),
    QStringLiteral("HijriAdjustment.MinusTwoDays"), QStringLiteral("HijriAdjustment.PlusOneDay"),
    QStringLiteral("HijriAdjustment.PlusTwoDays"),
    QStringLiteral("Update.Title"), QStringLiteral("Update.Description"),
    QStringLiteral("Update.LastUpdate"), QStringLiteral("Update.VentabisVersion"),
    QStringLiteral("Update.AlmarikVersion"), QStringLiteral("Update.MapVersion"),
    QStringLiteral("Update.UpdateNow"), QStringLiteral("Update.ProgressStatus"),
    QStringLiteral("Update.ResultSuccess"), QStringLiteral("Update.ResultNoUpdate"),
    QStringLiteral("Update.ResultNoInternet"),
    QStringLiteral("ToolTip.Minimize"), QStringLiteral("ToolTip.Hide"),
    QStringLiteral("ToolTip.Home"), QStringLiteral("ToolTip.Calendar"),
    QStringLiteral("ToolTip.Zone"), QStringLiteral("ToolTip.Map"),
    QStringLiteral("ToolTip.Update"), QStringLiteral("ToolTip.Config"),
    QStringLiteral("ToolTip.Facebook"), QStringLiteral("ToolTip.Help"),
    QStringLiteral("ToolTip.Email"), QStringLiteral("ToolTip.About"),
    QStringLiteral("Almarik.Source"), QStringLiteral("Almarik.Tafsir"),
    QStringLiteral("Almarik.Previous"), QStringLiteral("Almarik.Now"),
    QStringLiteral("Almarik.Next"),
    QStringLiteral("Prayer.Imsak"), QStringLiteral("Prayer.Subuh"),
    QStringLiteral("Prayer.Syuruk"), QStringLiteral("Prayer.Duha"),
    QStringLiteral("Prayer.Zohor"), QStringLiteral("Prayer.Asar"),
    QStringLiteral("Prayer.Maghrib"), QStringLiteral("Prayer.Isyak"),
    QStringLiteral("DateTime.January"), QStringLiteral("DateTime.February"),
    QStringLiteral("DateTime.March"), QStringLiteral("DateTime.April"),
    QStringLiteral("DateTime.May"), QStringLiteral("DateTime.June"),
    QStringLiteral("DateTime.July"), QStringLiteral("DateTime.August"),
    QStringLiteral("DateTime.September"), QStringLiteral("DateTime.October"),
    QStringLiteral("DateTime.November"), QStringLiteral("DateTime.December"),
    QStringLiteral("DateTime.Monday"), QStringLiteral("DateTime.Tuesday"),
    QStringLiteral("DateTime.Wednesday"), QStringLiteral("DateTime.Thursday"),
    QStringLiteral("DateTime.Friday"), QStringLiteral("DateTime.Saturday"),
    QStringLiteral("DateTime.Sunday"),
    QStringLiteral("DateTime.ShortMonday"), QStringLiteral("DateTime.ShortTuesday"),
    QStringLiteral("DateTime.ShortWednesday"), QStringLiteral("DateTime.ShortThursday"),
    QStringLiteral("DateTime.ShortFriday"), QStringLiteral("DateTime.ShortSaturday"),
    QStringLiteral("DateTime.ShortSunday"),
    QStringLiteral("Action.Email"), QStringLiteral("Action.OnlineSupport"),
    QStringLiteral("Action.WhatsApp"), QStringLiteral("Action.DownloadCenter"),
    QStringLiteral("Action.ShareApp"), QStringLiteral("Action.ShareEmail"),
    QStringLiteral("Action.ShareFacebook"), QStringLiteral("Action.ShareTwitter"),
    QStringLiteral("Action.FAQ"),
    QStringLiteral("Dialog.OnlineSupport"), QStringLiteral("Dialog.WhatsApp"),
    QStringLiteral("OnlineSupport.Description"), QStringLiteral("OnlineSupport.Email"),
    QStringLiteral("OnlineSupport.EnquiryType"), QStringLiteral("OnlineSupport.Enquiry"),
    QStringLiteral("OnlineSupport.Submit"), QStringLiteral("OnlineSupport.Reset"),
    QStringLiteral("WhatsApp.Description"), QStringLiteral("WhatsApp.RunWhatsApp"),
    QStringLiteral("Notification.Imsak"), QStringLiteral("Notification.Subuh"),
    QStringLiteral("Notification.Syuruk"), QStringLiteral("Notification.Duha"),
    QStringLiteral("Notification.Zohor"), QStringLiteral("Notification.Jumaat"),
    QStringLiteral("Notification.Asar"),
    QStringLiteral("Notification.Maghrib"), QStringLiteral("Notification.Isyak"),
    QStringLiteral("Notification.MsgOnTime"), QStringLiteral("Notification.MsgBeforeTime"),
    QStringLiteral("Notification.MsgOnTime.Imsak"),
    QStringLiteral("Notification.MsgOnTime.Syuruk"),
    QStringLiteral("Notification.MsgOnTime.Duha"),
    QStringLiteral("Notification.MsgBeforeTime.Imsak"),
    QStringLiteral("Notification.MsgBeforeTime.Syuruk"),
    QStringLiteral("Notification.MsgBeforeTime.Duha"),
    QStringLiteral("Prompt.ExitApp"), QStringLiteral("Prompt.NoData"),
    QStringLiteral("Prompt.NoLanguage"),
    QStringLiteral("ExitApp.Description"), QStringLiteral("ExitApp.BtnYes"),
    QStringLiteral("ExitApp.BtnCancel"),
    QStringLiteral("NoData.Description"), QStringLiteral("NoData.BtnClose"),
    QStringLiteral("NoLanguage.Description"), QStringLiteral("NoLanguage.BtnClose"),
    QStringLiteral("ConfMain.General"), QStringLiteral("ConfMain.Theme"),
    QStringLiteral("ConfMain.Update"), QStringLiteral("ConfMain.AlmarikData"),
    QStringLiteral("ConfMain.Imsak"), QStringLiteral("ConfMain.Subuh"),
    QStringLiteral("ConfMain.Syuruk"), QStringLiteral("ConfMain.Duha"),
    QStringLiteral("ConfMain.Zohor"), QStringLiteral("ConfMain.Asar"),
    QStringLiteral("ConfMain.Maghrib"), QStringLiteral("ConfMain.Isyak"),
    QStringLiteral("ConfMain.Developer"),
    QStringLiteral("ConfGeneral.Title"), QStringLiteral("ConfGeneral.AutoStart"),
    QStringLiteral("ConfGeneral.Splash"), QStringLiteral("ConfGeneral.Exit"),
    QStringLiteral("ConfGeneral.Language"),
    QStringLiteral("ConfUpdate.Title"), QStringLiteral("ConfUpdate.Enable"),
    QStringLiteral("ConfUpdate.Startup"), QStringLiteral("ConfUpdate.Notification"),
    QStringLiteral("ConfUpdate.Prompt"), QStringLiteral("ConfUpdate.Interval"),
    QStringLiteral("ConfAlmarikData.Title"), QStringLiteral("ConfAlmarikData.HourSystem"),
    QStringLiteral("ConfAlmarikData.Hijri"),
    QStringLiteral("ConfNotifier.TitleImsak"), QStringLiteral("ConfNotifier.TitleSubuh"),
    QStringLiteral("ConfNotifier.TitleSyuruk"), QStringLiteral("ConfNotifier.TitleDuha"),
    QStringLiteral("ConfNotifier.TitleZohor"), QStringLiteral("ConfNotifier.TitleAsar"),
    QStringLiteral("ConfNotifier.TitleMaghrib"), QStringLiteral("ConfNotifier.TitleIsyak"),
    QStringLiteral("ConfNotifier.Enable"), QStringLiteral("ConfNotifier.TextDuration"),
    QStringLiteral("ConfNotifier.Time"), QStringLiteral("ConfNotifier.Sound"),
    QStringLiteral("ConfNotifier.Muazin"), QStringLiteral("ConfNotifier.Path"),
    QStringLiteral("ConfNotifier.PathValue"), QStringLiteral("ConfNotifier.Volume"),
    QStringLiteral("ConfNotifier.VolumeLevel"), QStringLiteral("ConfNotifier.ReminderSound"),
    QStringLiteral("Time.Am"), QStringLiteral("Time.Pm"),
    QStringLiteral("ConfNotifier.Play"), QStringLiteral("ConfNotifier.NotAudio"),
    QStringLiteral("ConfTheme.Title"), QStringLiteral("ConfTheme.Description"),
    QStringLiteral("ConfDeveloper.Title"), QStringLiteral("ConfDeveloper.Description"),
    QStringLiteral("Prayer.Jumaat"),
    QStringLiteral("Countdown.In"),
    QStringLiteral("Countdown.Now"),
    QStringLiteral("Countdown.Minutes"),
    QStringLiteral("Countdown.Hours"),
    QStringLiteral("Countdown.HoursMinutes"),
    QStringLiteral("Ramadan.Imsak"),
    QStringLiteral("Ramadan.Maghrib"),
    QStringLiteral("Qibla.Title"),
    QStringLiteral("Qibla.Bearing"),
    QStringLiteral("Qibla.Distance"),
    QStringLiteral("Qibla.AtKaaba"),
    QStringLiteral("Qibla.ShadowTowards"),
    QStringLiteral("Qibla.ShadowAway"),
    QStringLiteral("Qibla.NoShadow"),
    QStringLiteral("Qibla.Overhead"),
    QStringLiteral("Export.Title"),
    QStringLiteral("Export.Calendar"),
    QStringLiteral("Export.Spreadsheet"),
    QStringLiteral("Export.Alarm"),
    QStringLiteral("Export.Exists"),
    QStringLiteral("Export.Written"),
    QStringLiteral("Export.Failed"),
    QStringLiteral("Export.EventDescription"),
    QStringLiteral("Export.Menu"),
    QStringLiteral("Export.Pdf"),
    QStringLiteral("Export.Print"),
    QStringLiteral("Export.Month"),
    QStringLiteral("Export.Year"),
    QStringLiteral("Export.WholeYear"),
    QStringLiteral("Export.Prayers"),
    QStringLiteral("Export.AlarmMinutes"),
    QStringLiteral("Export.Ok"),
    QStringLiteral("Export.Cancel"),
    QStringLiteral("Export.Replace"),
    QStringLiteral("Export.NoData"),
    QStringLiteral("Event.AwalMuharram"),
    QStringLiteral("Event.MaulidurRasul"),
    QStringLiteral("Event.IsrakMikraj"),
    QStringLiteral("Event.NisfuSyaaban"),
    QStringLiteral("Event.AwalRamadan"),
    QStringLiteral("Event.NuzulQuran"),
    QStringLiteral("Event.Aidilfitri"),
    QStringLiteral("Event.HariArafah"),
    QStringLiteral("Event.Aidiladha"),
    QStringLiteral("Print.Title"),
    QStringLiteral("Print.Date"),
    QStringLiteral("Print.Day"),
    QStringLiteral("Print.Hijri"),
    QStringLiteral("Print.Source"),
    QStringLiteral("Print.Events"), QStringLiteral("Print.Unavailable"),
    QStringLiteral("Data.SourcePublished"),
    QStringLiteral("Data.SourceComputed"),
    QStringLiteral("Data.SourceConvention"),
    QStringLiteral("Data.Convention.MWL"),
    QStringLiteral("Data.Convention.ISNA"),
    QStringLiteral("Data.Convention.EGYPT"),
    QStringLiteral("Data.Convention.UMMALQURA"),
    QStringLiteral("Data.Convention.QATAR"),
    QStringLiteral("Data.Convention.DIYANET"),
    QStringLiteral("Data.Convention.KEMENAG"),
    QStringLiteral("Data.Convention.MUIS"),
    QStringLiteral("Data.Convention.BRUNEI"),
    QStringLiteral("Data.Provenance"),
    QStringLiteral("Data.EndsSoonLine"),
    QStringLiteral("Data.EndsSoonNotice"),
    QStringLiteral("Data.EndedLine"),
    QStringLiteral("Data.EndedNotice"),
    QStringLiteral("Data.Convention.JAKIM"),
    QStringLiteral("Data.Convention.MSC"),
    QStringLiteral("Data.Convention.CUSTOM"),
    QStringLiteral("Data.Convention.UAE"),
    QStringLiteral("Data.Convention.KARACHI"),
    QStringLiteral("Data.Convention.RUSSIA"),
    QStringLiteral("Place.Other"),
    QStringLiteral("Place.Title"),
    QStringLiteral("Place.Search"),
    QStringLiteral("Place.SearchHint"),
    QStringLiteral("Place.Attribution"),
    QStringLiteral("Place.Name"),
    QStringLiteral("Place.Latitude"),
    QStringLiteral("Place.Longitude"),
    QStringLiteral("Place.TimeZone"),
    QStringLiteral("Place.ConventionCaption"),
    QStringLiteral("Place.Save"),
    QStringLiteral("Place.Cancel"),
    QStringLiteral("Place.NeedName"),
    QStringLiteral("Place.BadTimeZone"),
    QStringLiteral("Place.CannotCompute"),
    QStringLiteral("Place.Heading"),
    QStringLiteral("Place.Convention.JAKIM"),
    QStringLiteral("Place.Convention.KEMENAG"),
    QStringLiteral("Place.Convention.MUIS"),
    QStringLiteral("Place.Convention.BRUNEI"),
    QStringLiteral("Place.Convention.UMMALQURA"),
    QStringLiteral("Place.Convention.QATAR"),
    QStringLiteral("Place.Convention.DIYANET"),
    QStringLiteral("Place.Convention.EGYPT"),
    QStringLiteral("Place.Convention.ISNA"),
    QStringLiteral("Place.Convention.MWL"),
    QStringLiteral("Place.Convention.MSC"),
    QStringLiteral("Place.Convention.CUSTOM"),
    QStringLiteral("Place.Convention.UAE"),
    QStringLiteral("Place.Convention.KARACHI"),
    QStringLiteral("Place.Convention.RUSSIA"),
    QStringLiteral("ConfMain.Adjust"),
    QStringLiteral("ConfAdjust.Title"),
    QStringLiteral("ConfAdjust.Asar"),
    QStringLiteral("ConfAdjust.ByConvention"),
    QStringLiteral("ConfAdjust.AsarShafii"),
    QStringLiteral("ConfAdjust.AsarHanafi"),
    QStringLiteral("ConfAdjust.HighLatitude"),
    QStringLiteral("ConfAdjust.HighNone"),
    QStringLiteral("ConfAdjust.HighMiddle"),
    QStringLiteral("ConfAdjust.HighSeventh"),
    QStringLiteral("ConfAdjust.HighAngle"),
    QStringLiteral("ConfAdjust.Minutes"),
    QStringLiteral("ConfAdjust.MinuteUnit"),
    QStringLiteral("ConfAdjust.OwnNote"),
    QStringLiteral("ConfAdjust.FixedNote"),
    QStringLiteral("ConfAdjust.AbroadNote"),
    QStringLiteral("Status.OwnPlaceRefused"),
    QStringLiteral("Status.Title"), QStringLiteral("Status.SaveFailed"),
    QStringLiteral("Status.ConfigMovedAside"), QStringLiteral("Status.ZoneUnknown"),
    QStringLiteral("Status.LanguageUnknown"), QStringLiteral("Status.FirstRun"), QStringLiteral("ConfMain.SaveProblem"),
    QStringLiteral("Tray.ShowWindow"),
    QStringLiteral("Tray.StopAlarm"),
    QStringLiteral("Tray.About"),
    QStringLiteral("Tray.Exit"),
    QStringLiteral("Duration.Off"),
    QStringLiteral("Duration.5Seconds"),
    QStringLiteral("Duration.10Seconds"),
    QStringLiteral("Duration.15Seconds"),
    QStringLiteral("Duration.30Seconds"),
    QStringLiteral("Duration.1Minute"),
    QStringLiteral("Duration.Forever"),
    QStringLiteral("AlarmTime.OnTime"),
    QStringLiteral("AlarmTime.5Minutes"),
    QStringLiteral("AlarmTime.10Minutes"),
    QStringLiteral("AlarmTime.15Minutes"),
    QStringLiteral("AlarmTime.30Minutes"),
    QStringLiteral("Sound.Off"),
    QStringLiteral("Sound.Azan"),
    QStringLiteral("Sound.ShortAzan"),
    QStringLiteral("Sound.Iqamah"),
    QStringLiteral("Sound.ThreeBeep"),
    QStringLiteral("Sound.DingDong"),
    QStringLiteral("Sound.Ding"),
    QStringLiteral("Sound.Bird"),
    QStringLiteral("Sound.DoorBell"),
    QStringLiteral("Sound.Clock"),
    QStringLiteral("Sound.Drop"),
    QStringLiteral("Sound.Horn"),
    QStringLiteral("Sound.Custom"),
    QStringLiteral("Muazin.Orvan"),
    QStringLiteral("Muazin.Tessaly"),
    QStringLiteral("Muazin.Belunar"),
    QStringLiteral("Sound.FailedTitle"),
    QStringLiteral("Sound.Failed"),
    QStringLiteral("Zone.Other"),
    QStringLiteral("Enquiry.Choose"),
    QStringLiteral("Enquiry.Question"),
    QStringLiteral("Enquiry.Problem"),
    QStringLiteral("Enquiry.Suggestion"),
    QStringLiteral("Enquiry.TimetableError"),
    QStringLiteral("OnlineSupport.NoMailProgram"),
    QStringLiteral("OnlineSupport.Copy"),
    QStringLiteral("OnlineSupport.Copied"),
    QStringLiteral("Dialog.Close"),
    QStringLiteral("About.ProductName"),
    QStringLiteral("Share.Subject"),
    QStringLiteral("Share.Body"),
    QStringLiteral("ConfUpdate.Offline"),
    QStringLiteral("Map.Title"),
    QStringLiteral("Map.Description"),
    QStringLiteral("Help.Title"),
    QStringLiteral("Help.PagesTitle"),
    QStringLiteral("Help.Pages"),
    QStringLiteral("Help.TimesTitle"),
    QStringLiteral("Help.Times"),
    QStringLiteral("Help.SourceTitle"),
    QStringLiteral("Help.NoticesTitle"),
    QStringLiteral("Help.Notices"),
    QStringLiteral("Help.SettingsTitle"),
    QStringLiteral("Help.Settings"),
    QStringLiteral("Help.ReportTitle"),
    QStringLiteral("Help.Report"),
    QStringLiteral("DateTime.DateFormat"),
};

// The keys the Indonesian catalogue carries, in document order.
const QStringList IndonesianKeys = {
    QStringLiteral("UI.SelectFile"),
    QStringLiteral("About.ThirdParty"), QStringLiteral("About.QT"),
    QStringLiteral("About.OpenSSL"),
    QStringLiteral("Interval.Everyday"), QStringLiteral("Interval.3Days"),
    QStringLiteral("Interval.Weekly"), QStringLiteral("Interval.2Weeks"),
    QStringLiteral("Interval.Monthly"),
    QStringLiteral("Update.Title"), QStringLiteral("Update.Description"),
    QStringLiteral("Update.LastUpdate"), QStringLiteral("Update.VentabisVersion"),
    QStringLiteral("Update.AlmarikVersion"), QStringLiteral("Update.MapVersion"),
    QStringLiteral("Update.UpdateNow"), QStringLiteral("Update.ProgressStatus"),
    QStringLiteral("Update.ResultSuccess"), QStringLiteral("Update.ResultNoUpdate"),
    QStringLiteral("Update.ResultNoInternet"),
    QStringLiteral("Almarik.Source"), QStringLiteral("Almarik.Tafsir"),
    QStringLiteral("Prayer.Imsak"), QStringLiteral("Prayer.Subuh"),
    QStringLiteral("Prayer.Syuruk"), QStringLiteral("Prayer.Duha"),
    QStringLiteral("Prayer.Zohor"), QStringLiteral("Prayer.Asar"),
    QStringLiteral("Prayer.Maghrib"), QStringLiteral("Prayer.Isyak"),
    QStringLiteral("DateTime.January"), QStringLiteral("DateTime.February"),
    QStringLiteral("DateTime.March"), QStringLiteral("DateTime.April"),
    QStringLiteral("DateTime.May"), QStringLiteral("DateTime.June"),
    QStringLiteral("DateTime.July"), QStringLiteral("DateTime.August"),
    QStringLiteral("DateTime.September"), QStringLiteral("DateTime.October"),
    QStringLiteral("DateTime.November"), QStringLiteral("DateTime.December"),
    QStringLiteral("DateTime.Monday"), QStringLiteral("DateTime.Tuesday"),
    QStringLiteral("DateTime.Wednesday"), QStringLiteral("DateTime.Thursday"),
    QStringLiteral("DateTime.Friday"), QStringLiteral("DateTime.Saturday"),
    QStringLiteral("DateTime.Sunday"),
    QStringLiteral("Action.Email"), QStringLiteral("Action.OnlineSupport"),
    QStringLiteral("Action.WhatsApp"), QStringLiteral("Action.DownloadCenter"),
    QStringLiteral("Action.ShareApp"), QStringLiteral("Action.ShareEmail"),
    QStringLiteral("Action.ShareFacebook"), QStringLiteral("Action.ShareTwitter"),
    QStringLiteral("Action.FAQ"),
    QStringLiteral("Dialog.OnlineSupport"), QStringLiteral("Dialog.WhatsApp"),
    QStringLiteral("OnlineSupport.Description"), QStringLiteral("OnlineSupport.Email"),
    QStringLiteral("OnlineSupport.EnquiryType"), QStringLiteral("OnlineSupport.Enquiry"),
    QStringLiteral("OnlineSupport.Submit"), QStringLiteral("OnlineSupport.Reset"),
    QStringLiteral("WhatsApp.Description"), QStringLiteral("WhatsApp.RunWhatsApp"),
    QStringLiteral("Notification.Imsak"), QStringLiteral("Notification.Subuh"),
    QStringLiteral("Notification.Syuruk"), QStringLiteral("Notification.Duha"),
    QStringLiteral("Notification.Zohor"), QStringLiteral("Notification.Asar"),
    QStringLiteral("Notification.Maghrib"), QStringLiteral("Notification.Isyak"),
    QStringLiteral("Notification.MsgOnTime"), QStringLiteral("Notification.MsgBeforeTime"),
    QStringLiteral("Prompt.ExitApp"), QStringLiteral("Prompt.NoData"),
    QStringLiteral("ExitApp.Description"), QStringLiteral("ExitApp.BtnYes"),
    QStringLiteral("ExitApp.BtnCancel"),
    QStringLiteral("NoData.Description"), QStringLiteral("NoData.BtnClose"),
    QStringLiteral("ConfGeneral.Title"), QStringLiteral("ConfGeneral.AutoStart"),
    QStringLiteral("ConfGeneral.Splash"), QStringLiteral("ConfGeneral.Exit"),
    QStringLiteral("ConfGeneral.Language"),
};

const QStringList SlotNames = {
    QStringLiteral("Imsak"), QStringLiteral("Subuh"), QStringLiteral("Syuruk"),
    QStringLiteral("Duha"), QStringLiteral("Zohor"), QStringLiteral("Asar"),
    QStringLiteral("Maghrib"), QStringLiteral("Isyak"),
};

const QString MsgOnTime = QStringLiteral(
    "Telah masuk waktu solat %1 bagi kawasan %2 dan kawasan-kawasan yang sewaktu dengannya.");
const QString MsgBeforeTime = QStringLiteral(
    "Akan masuk waktu solat %1 bagi kawasan %2 dan kawasan-kawasan yang sewaktu dengannya "
    "dalam %3 minit lagi.");

// One catalogue file as the test reads it.
struct Catalogue
{
    QByteArray raw;
    QString error;          // empty when the document was read completely
    QString rootName;
    QString rootNameAttribute;
    bool nestedElements = false;
    QStringList keys;       // document order, duplicates kept
    QHash<QString, QString> texts;
};

Catalogue readCatalogue(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = QStringLiteral("cannot open ") + path;
        return catalogue;
    }
    catalogue.raw = file.readAll();

    QXmlStreamReader xml(catalogue.raw);
    if (!xml.readNextStartElement()) {
        catalogue.error = QStringLiteral("no root element");
        return catalogue;
    }
    catalogue.rootName = xml.name().toString();
    catalogue.rootNameAttribute = xml.attributes().value(QStringLiteral("name")).toString();
    while (xml.readNextStartElement()) {
        const QString key = xml.name().toString();
        QString text;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isCharacters())
                text += xml.text();
            else if (xml.isStartElement())
                catalogue.nestedElements = true;
            else if (xml.isEndElement() && xml.name() == key)
                break;
        }
        catalogue.keys.append(key);
        catalogue.texts.insert(key, text);
    }
    if (xml.hasError())
        catalogue.error = xml.errorString();
    return catalogue;
}

// The numbered placeholders a text carries, e.g. {"%1", "%2"}.
QSet<QString> placeholders(const QString &text)
{
    QSet<QString> found;
    static const QRegularExpression pattern(QStringLiteral("%[0-9]+"));
    auto it = pattern.globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured());
    return found;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // The catalogue files themselves.
    void documentFormat_data();
    void documentFormat();
    void fullKeySets_data();
    void fullKeySets();
    void indonesianKeySubset();
    void noEmptyTexts_data();
    void noEmptyTexts();
    void placeholdersAgreeAcrossLanguages();
    void fixedTexts();
    void malayCalendarNames();
    void notices_data();
    void notices();

    // Mapping of configured names to catalogues.
    void resourcePaths_data();
    void resourcePaths();

    // Loading.
    void loadFillsTableAndNotifies_data();
    void loadFillsTableAndNotifies();
    void loadOverlaysPreviousCatalogue();
    void indonesianAloneLeavesMissingKeysEmpty();
    void unknownLanguageFallsBackToEnglish_data();
    void unknownLanguageFallsBackToEnglish();
    void hostileCatalogueRefused_data();
    void hostileCatalogueRefused();
    void unreadableCatalogueChangesNothing();
    void unparsableCatalogueChangesNothing();

    // Look-ups.
    void textOfMissingKey();
    void monthNames();
    void shortDates_data();
    void shortDates();

private:
    Catalogue m_english;
    Catalogue m_malay;
    Catalogue m_indonesian;

    const Catalogue &catalogueFor(const QString &path) const;
};

void TestLanguage::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // The broken catalogue registers itself at start-up; keep it out of the
    // way until the test that needs it.
    unregisterBrokenCatalogue();
    registerAlmarikResources();

    m_english = readCatalogue(EnglishPath);
    m_malay = readCatalogue(MalayPath);
    m_indonesian = readCatalogue(IndonesianPath);
    QVERIFY2(m_english.error.isEmpty(), qPrintable(m_english.error));
    QVERIFY2(m_malay.error.isEmpty(), qPrintable(m_malay.error));
    QVERIFY2(m_indonesian.error.isEmpty(), qPrintable(m_indonesian.error));
}

const Catalogue &TestLanguage::catalogueFor(const QString &path) const
{
    if (path == MalayPath)
        return m_malay;
    if (path == IndonesianPath)
        return m_indonesian;
    return m_english;
}

void TestLanguage::documentFormat_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("English") << EnglishPath;
    QTest::newRow("Malay") << MalayPath;
    QTest::newRow("Indonesian") << IndonesianPath;
}

void TestLanguage::documentFormat()
{
    QFETCH(QString, path);
    const Catalogue &catalogue = catalogueFor(path);

    QVERIFY(catalogue.raw.startsWith("<?xml version='1.0' encoding='UTF-8'?>"));
    QCOMPARE(catalogue.rootName, QStringLiteral("Language"));
    QCOMPARE(catalogue.rootNameAttribute, QStringLiteral("English"));
    QVERIFY(!catalogue.nestedElements);

    // One element per line, indented by exactly four spaces.
    const QList<QByteArray> lines = catalogue.raw.split('\n');
    int elementLines = 0;
    for (const QByteArray &line : lines) {
        if (line.isEmpty() || line.startsWith("<?xml") || line.startsWith("<Language")
            || line == "</Language>")
            continue;
        QVERIFY2(line.startsWith("    <") && !line.startsWith("     "), line.constData());
        QVERIFY2(line.endsWith('>'), line.constData());
        ++elementLines;
    }
    QCOMPARE(elementLines, catalogue.keys.size());

    // No key appears twice.
    QCOMPARE(catalogue.texts.size(), catalogue.keys.size());
}

void TestLanguage::fullKeySets_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("English") << EnglishPath;
    QTest::newRow("Malay") << MalayPath;
}

void TestLanguage::fullKeySets()
{
    QFETCH(QString, path);
    QCOMPARE(FullKeys.size(), 374);
    QCOMPARE(catalogueFor(path).keys, FullKeys);
}

void TestLanguage::indonesianKeySubset()
{
    QCOMPARE(IndonesianKeys.size(), 90);
    QCOMPARE(m_indonesian.keys, IndonesianKeys);
    // Families that the Indonesian catalogue leaves out entirely.
    for (const QString &key : m_indonesian.keys) {
        QVERIFY2(!key.startsWith(QLatin1String("ConfNotifier.")), qPrintable(key));
        QVERIFY2(!key.startsWith(QLatin1String("DateTime.Short")), qPrintable(key));
        QVERIFY2(key != QLatin1String("NoLanguage.Description"), qPrintable(key));
    }
}

void TestLanguage::noEmptyTexts_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("English") << EnglishPath;
    QTest::newRow("Malay") << MalayPath;
    QTest::newRow("Indonesian") << IndonesianPath;
}

void TestLanguage::noEmptyTexts()
{
    QFETCH(QString, path);
    const Catalogue &catalogue = catalogueFor(path);
    for (const QString &key : catalogue.keys)
        QVERIFY2(!catalogue.texts.value(key).trimmed().isEmpty(), qPrintable(key));
}

void TestLanguage::placeholdersAgreeAcrossLanguages()
{
    for (const QString &key : FullKeys) {
        const QSet<QString> english = placeholders(m_english.texts.value(key));
        QVERIFY2(placeholders(m_malay.texts.value(key)) == english, qPrintable(key));
        if (m_indonesian.texts.contains(key))
            QVERIFY2(placeholders(m_indonesian.texts.value(key)) == english, qPrintable(key));
    }
    const QSet<QString> threeFields = {QStringLiteral("%1"), QStringLiteral("%2"),
                                       QStringLiteral("%3")};
    QCOMPARE(placeholders(m_english.texts.value(QStringLiteral("Notification.MsgBeforeTime"))),
             threeFields);
}

void TestLanguage::fixedTexts()
{
    // Prayer names are the slot names in every catalogue. The notices are
    // in the catalogue's own language: Malay in the Malay and Indonesian
    // ones, English in the English one.
    for (const Catalogue *catalogue : {&m_english, &m_malay, &m_indonesian}) {
        for (const QString &slot : SlotNames)
            QCOMPARE(catalogue->texts.value(QStringLiteral("Prayer.") + slot), slot);
    }
    for (const Catalogue *catalogue : {&m_malay, &m_indonesian}) {
        for (const QString &slot : SlotNames)
            QCOMPARE(catalogue->texts.value(QStringLiteral("Notification.") + slot),
                     QStringLiteral("Waktu ") + slot);
        QCOMPARE(catalogue->texts.value(QStringLiteral("Notification.MsgOnTime")), MsgOnTime);
        QCOMPARE(catalogue->texts.value(QStringLiteral("Notification.MsgBeforeTime")),
                 MsgBeforeTime);
    }
    for (const QString &key : FullKeys) {
        if (key.startsWith(QLatin1String("Notification.")) && key != QLatin1String("Notification.Imsak"))
            QVERIFY2(m_english.texts.value(key) != m_malay.texts.value(key), qPrintable(key));
    }

    QCOMPARE(m_english.texts.value(QStringLiteral("UI.SelectFile")),
             QStringLiteral("<click to select filename>"));
    QCOMPARE(m_english.texts.value(QStringLiteral("DateTime.January")),
             QStringLiteral("January"));
    QCOMPARE(m_english.texts.value(QStringLiteral("DateTime.ShortMonday")),
             QStringLiteral("Mon"));
    QCOMPARE(m_english.texts.value(QStringLiteral("NoLanguage.Description")),
             QStringLiteral("Indonesian translation is still in the making. For now, only "
                            "Bahasa Malaysia and English are available."));
    QCOMPARE(m_english.texts.value(QStringLiteral("ToolTip.Map")),
             QStringLiteral("Map & Qiblah"));
    QCOMPARE(m_english.texts.value(QStringLiteral("About.QT")),
             QStringLiteral("Qt 5.15 - the cross-platform application framework"));
    QVERIFY(m_english.texts.value(QStringLiteral("About.OpenSSL"))
                .startsWith(QLatin1String("OpenSSL - ")));
}

void TestLanguage::malayCalendarNames()
{
    const QStringList monthKeys = FullKeys.mid(FullKeys.indexOf(QStringLiteral("DateTime.January")), 12);
    const QStringList months = {
        QStringLiteral("Januari"), QStringLiteral("Februari"), QStringLiteral("Mac"),
        QStringLiteral("April"), QStringLiteral("Mei"), QStringLiteral("Jun"),
        QStringLiteral("Julai"), QStringLiteral("Ogos"), QStringLiteral("September"),
        QStringLiteral("Oktober"), QStringLiteral("November"), QStringLiteral("Disember"),
    };
    for (int i = 0; i < 12; ++i)
        QCOMPARE(m_malay.texts.value(monthKeys.at(i)), months.at(i));

    const QStringList dayKeys = FullKeys.mid(FullKeys.indexOf(QStringLiteral("DateTime.Monday")), 7);
    const QStringList days = {
        QStringLiteral("Isnin"), QStringLiteral("Selasa"), QStringLiteral("Rabu"),
        QStringLiteral("Khamis"), QStringLiteral("Jumaat"), QStringLiteral("Sabtu"),
        QStringLiteral("Ahad"),
    };
    for (int i = 0; i < 7; ++i)
        QCOMPARE(m_malay.texts.value(dayKeys.at(i)), days.at(i));
}

void TestLanguage::notices_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("English") << EnglishPath;
    QTest::newRow("Malay") << MalayPath;
}

void TestLanguage::notices()
{
    QFETCH(QString, path);
    const Catalogue &catalogue = catalogueFor(path);

    // The legal notice carries the licence and every credit the data and
    // the recordings require.
    const QString warning = catalogue.texts.value(QStringLiteral("About.Warning"));
    for (const char *needle : {"GPL-3.0-or-later", "JAKIM",
                               "abualif120, Malaysia Waktu Solat Dataset, compiled from JAKIM e-Solat",
                               "CC BY 4.0", "monajat", "GPL-2.0-or-later"})
        QVERIFY2(warning.contains(QLatin1String(needle)), needle);

    QVERIFY(catalogue.texts.value(QStringLiteral("Almarik.Tafsir")).contains(QLatin1String("4:103")));
    QVERIFY(catalogue.texts.value(QStringLiteral("About.QT")).startsWith(QLatin1String("Qt 5.15")));
}

void TestLanguage::resourcePaths_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("path");
    QTest::newRow("English") << "English" << EnglishPath;
    QTest::newRow("Malay") << "Bahasa Malaysia" << MalayPath;
    QTest::newRow("Indonesian") << "Bahasa Indonesia" << IndonesianPath;
    QTest::newRow("lower case") << "english" << QString();
    QTest::newRow("mixed case") << "Bahasa malaysia" << QString();
    QTest::newRow("trailing blank") << "English " << QString();
    QTest::newRow("file name") << "Malay" << QString();
    QTest::newRow("empty") << "" << QString();
}

void TestLanguage::resourcePaths()
{
    QFETCH(QString, language);
    QFETCH(QString, path);
    QCOMPARE(Language::resourcePath(language), path);
}

void TestLanguage::loadFillsTableAndNotifies_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("notify");
    QTest::newRow("English, quiet") << "English" << EnglishPath << false;
    QTest::newRow("English, notifying") << "English" << EnglishPath << true;
    QTest::newRow("Malay, notifying") << "Bahasa Malaysia" << MalayPath << true;
}

void TestLanguage::loadFillsTableAndNotifies()
{
    QFETCH(QString, language);
    QFETCH(QString, path);
    QFETCH(bool, notify);

    AppConfig config;
    config.language = language;
    Language catalogue(config);
    QSignalSpy spy(&catalogue, &Language::updated);

    QCOMPARE(catalogue.text(QStringLiteral("Prayer.Imsak")), QString());
    QVERIFY(catalogue.load(notify));
    QCOMPARE(spy.count(), notify ? 1 : 0);
    QCOMPARE(catalogue.name(), QStringLiteral("English"));

    const Catalogue &expected = catalogueFor(path);
    for (const QString &key : FullKeys)
        QCOMPARE(catalogue.text(key), expected.texts.value(key));
}

void TestLanguage::loadOverlaysPreviousCatalogue()
{
    AppConfig config;
    config.language = QStringLiteral("English");
    Language catalogue(config);
    QVERIFY(catalogue.load(false));

    // Switching to Indonesian replaces the keys it carries and leaves the
    // English text of every other key in force.
    config.language = QStringLiteral("Bahasa Indonesia");
    QSignalSpy spy(&catalogue, &Language::updated);
    QVERIFY(catalogue.load(true));
    QCOMPARE(spy.count(), 1);
    for (const QString &key : FullKeys) {
        const QString expected = m_indonesian.texts.contains(key) ? m_indonesian.texts.value(key)
                                                                   : m_english.texts.value(key);
        QCOMPARE(catalogue.text(key), expected);
    }
    QCOMPARE(catalogue.text(QStringLiteral("ConfNotifier.Enable")),
             m_english.texts.value(QStringLiteral("ConfNotifier.Enable")));
    QVERIFY(catalogue.text(QStringLiteral("DateTime.March"))
            != m_english.texts.value(QStringLiteral("DateTime.March")));

    // Malay after that replaces everything, as it carries every key.
    config.language = QStringLiteral("Bahasa Malaysia");
    QVERIFY(catalogue.load(true));
    QCOMPARE(spy.count(), 2);
    for (const QString &key : FullKeys)
        QCOMPARE(catalogue.text(key), m_malay.texts.value(key));

    // And back to English.
    config.language = QStringLiteral("English");
    QVERIFY(catalogue.load(false));
    QCOMPARE(spy.count(), 2);
    for (const QString &key : FullKeys)
        QCOMPARE(catalogue.text(key), m_english.texts.value(key));
}

void TestLanguage::indonesianAloneLeavesMissingKeysEmpty()
{
    AppConfig config;
    config.language = QStringLiteral("Bahasa Indonesia");
    Language catalogue(config);
    QVERIFY(catalogue.load(false));

    for (const QString &key : FullKeys)
        QCOMPARE(catalogue.text(key), m_indonesian.texts.value(key));
    QCOMPARE(catalogue.text(QStringLiteral("ConfNotifier.Volume")), QString());
    QCOMPARE(catalogue.text(QStringLiteral("DateTime.ShortSunday")), QString());
    QCOMPARE(catalogue.monthName(8), QStringLiteral("Agustus"));
}

void TestLanguage::unknownLanguageFallsBackToEnglish_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("lower case") << "english";
    QTest::newRow("unknown") << "Klingon";
    QTest::newRow("empty") << "";
    QTest::newRow("leading blank") << " Bahasa Malaysia";
}

void TestLanguage::unknownLanguageFallsBackToEnglish()
{
    QFETCH(QString, language);

    AppConfig config;
    config.language = language;
    Language catalogue(config);
    QSignalSpy spy(&catalogue, &Language::updated);

    // From the empty start: English, not a blank interface, and the
    // catalogue says it fell back and from what.
    QVERIFY(catalogue.load(true));
    QCOMPARE(spy.count(), 1);
    QVERIFY(catalogue.fellBack());
    QCOMPARE(catalogue.requestedLanguage(), language);
    for (const QString &key : FullKeys)
        QCOMPARE(catalogue.text(key), m_english.texts.value(key));

    // Over a loaded catalogue.
    config.language = QStringLiteral("Bahasa Malaysia");
    QVERIFY(catalogue.load(false));
    QVERIFY(!catalogue.fellBack());
    config.language = language;
    QVERIFY(catalogue.load(true));
    QVERIFY(catalogue.fellBack());
    for (const QString &key : FullKeys)
        QCOMPARE(catalogue.text(key), m_english.texts.value(key));
}

void TestLanguage::hostileCatalogueRefused_data()
{
    QTest::addColumn<QByteArray>("document");
    const QByteArray head = "<?xml version='1.0' encoding='UTF-8'?>\n";
    QTest::newRow("30000 levels deep")
        << head + "<Language name=\"x\"><Prayer.Imsak>" + QByteArray("<a>").repeated(30000) + "</Prayer.Imsak></Language>";
    QByteArray entities = head + "<!DOCTYPE Language [<!ENTITY e0 \"ha\">";
    for (int i = 1; i < 30; ++i)
        entities += "<!ENTITY e" + QByteArray::number(i) + " \"&e" + QByteArray::number(i - 1) + ";&e"
                  + QByteArray::number(i - 1) + ";\">";
    entities += "]><Language name=\"x\"><Prayer.Imsak>&e29;</Prayer.Imsak></Language>";
    QTest::newRow("entity blow-up") << entities;
    QTest::newRow("internal subset alone")
        << head + "<!DOCTYPE Language []><Language name=\"x\"><Prayer.Imsak>Imsak</Prayer.Imsak></Language>";
    QTest::newRow("larger than the cap")
        << head + "<Language name=\"x\"><Prayer.Imsak>" + QByteArray(Language::MaxCatalogueBytes, 'a')
           + "</Prayer.Imsak></Language>";
    QTest::newRow("two roots")
        << head + "<Language name=\"x\"/><Language name=\"y\"><Prayer.Imsak>Imsak</Prayer.Imsak></Language>";
}

void TestLanguage::hostileCatalogueRefused()
{
    QFETCH(QByteArray, document);
    QString name = QStringLiteral("untouched");
    QHash<QString, QString> table{{QStringLiteral("kept"), QStringLiteral("yes")}};
    QVERIFY(!Language::parseCatalogue(document, &name, &table));
    QCOMPARE(name, QStringLiteral("untouched"));
    QCOMPARE(table.size(), 1);

    // The shipped catalogue passes the same checks.
    QFile english(EnglishPath);
    QVERIFY(english.open(QIODevice::ReadOnly));
    QVERIFY(Language::parseCatalogue(english.readAll(), &name, &table));
    QCOMPARE(table.value(QStringLiteral("Prayer.Imsak")), QStringLiteral("Imsak"));
}

void TestLanguage::unreadableCatalogueChangesNothing()
{
    AppConfig config;
    config.language = QStringLiteral("Bahasa Malaysia");
    Language catalogue(config);
    QVERIFY(catalogue.load(false));
    QSignalSpy spy(&catalogue, &Language::updated);

    config.language = QStringLiteral("English");
    unregisterShippedCatalogues();
    QVERIFY(!QFile::exists(EnglishPath));
    const bool loaded = catalogue.load(true);
    registerShippedCatalogues();

    QVERIFY(QFile::exists(EnglishPath));
    QVERIFY(!loaded);
    QCOMPARE(spy.count(), 0);
    for (const QString &key : FullKeys)
        QCOMPARE(catalogue.text(key), m_malay.texts.value(key));
}

void TestLanguage::unparsableCatalogueChangesNothing()
{
    AppConfig config;
    config.language = QStringLiteral("Bahasa Malaysia");
    Language catalogue(config);
    QVERIFY(catalogue.load(false));
    QSignalSpy spy(&catalogue, &Language::updated);

    config.language = QStringLiteral("English");
    unregisterShippedCatalogues();
    registerBrokenCatalogue();
    const bool readable = QFile::exists(EnglishPath);
    const bool loaded = catalogue.load(true);
    unregisterBrokenCatalogue();
    registerShippedCatalogues();

    QVERIFY(readable);
    QVERIFY(!loaded);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(catalogue.name(), QStringLiteral("English"));
    // The broken document's well-formed first element must not have been
    // taken over either.
    QCOMPARE(catalogue.text(QStringLiteral("Prayer.Imsak")), QStringLiteral("Imsak"));
    for (const QString &key : FullKeys)
        QCOMPARE(catalogue.text(key), m_malay.texts.value(key));

    // The shipped catalogue is back in place and loads again.
    QVERIFY(catalogue.load(false));
    QCOMPARE(catalogue.text(QStringLiteral("DateTime.March")), QStringLiteral("March"));
}

void TestLanguage::textOfMissingKey()
{
    AppConfig config;
    config.language = QStringLiteral("English");
    Language catalogue(config);
    const Language &reader = catalogue;   // look-ups work on a read-only catalogue

    QCOMPARE(reader.text(QStringLiteral("Prayer.Imsak")), QString());
    QVERIFY(catalogue.load(false));
    QCOMPARE(reader.text(QStringLiteral("No.SuchKey")), QString());
    QCOMPARE(reader.text(QString()), QString());
    QCOMPARE(reader.text(QStringLiteral("prayer.imsak")), QString());

    // A later catalogue still leaves the looked-up key absent, and the
    // look-up did not disturb the loaded texts.
    config.language = QStringLiteral("Bahasa Indonesia");
    QVERIFY(catalogue.load(false));
    QCOMPARE(reader.text(QStringLiteral("No.SuchKey")), QString());
    QCOMPARE(reader.text(QStringLiteral("ConfTheme.Title")),
             m_english.texts.value(QStringLiteral("ConfTheme.Title")));
}

void TestLanguage::monthNames()
{
    AppConfig config;
    config.language = QStringLiteral("English");
    Language catalogue(config);
    QCOMPARE(catalogue.monthName(1), QString());   // nothing loaded yet
    QVERIFY(catalogue.load(false));

    const int first = FullKeys.indexOf(QStringLiteral("DateTime.January"));
    for (int month = 1; month <= 12; ++month)
        QCOMPARE(catalogue.monthName(month), m_english.texts.value(FullKeys.at(first + month - 1)));
    QCOMPARE(catalogue.monthName(1), QStringLiteral("January"));
    QCOMPARE(catalogue.monthName(12), QStringLiteral("December"));
    QCOMPARE(catalogue.monthName(0), QString());
    QCOMPARE(catalogue.monthName(13), QString());
    QCOMPARE(catalogue.monthName(-1), QString());

    config.language = QStringLiteral("Bahasa Malaysia");
    QVERIFY(catalogue.load(false));
    QCOMPARE(catalogue.monthName(3), QStringLiteral("Mac"));
    QCOMPARE(catalogue.monthName(13), QString());
}

void TestLanguage::shortDates_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    QTest::newRow("day not padded") << "English" << QDate(2017, 1, 5) << "January 5, 2017";
    QTest::newRow("two-digit day") << "English" << QDate(2017, 4, 19) << "April 19, 2017";
    QTest::newRow("end of year") << "English" << QDate(2016, 12, 31) << "December 31, 2016";
    QTest::newRow("Malay order") << "Bahasa Malaysia" << QDate(2026, 12, 7) << "7 Disember 2026";
    QTest::newRow("Indonesian, no order of its own") << "Bahasa Indonesia" << QDate(2017, 8, 1) << "Agustus 1, 2017";
    QTest::newRow("invalid date") << "English" << QDate() << "";
    QTest::newRow("impossible date") << "English" << QDate(2017, 2, 30) << "";
}

void TestLanguage::shortDates()
{
    QFETCH(QString, language);
    QFETCH(QDate, date);
    QFETCH(QString, expected);

    AppConfig config;
    config.language = language;
    Language catalogue(config);
    QVERIFY(catalogue.load(false));
    QCOMPARE(catalogue.shortDate(date), expected);
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
