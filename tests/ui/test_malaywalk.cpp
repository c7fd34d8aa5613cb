// Every page and dialog built once in English and once in Malay: no text
// a user can see in Malay is its English counterpart, unless it is a
// proper name, a number or a word the two languages share.

#include "app/appmain.h"
#include "support/apptest.h"
#include "core/almarikmanager.h"
#include "ui/config/pageconfig.h"
#include "ui/dialogs/dialogonlinesupport.h"
#include "ui/dialogs/dialogwhatsapp.h"
#include "ui/dialogs/promptexit.h"
#include "ui/dialogs/promptnodata.h"
#include "ui/dialogs/promptnolanguage.h"
#include "ui/dialogs/splashscreen.h"
#include "ui/controls/xbuttonmenu.h"
#include "ui/main/dialogmain.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>

#include <functional>

// Builds one window to walk; the objects put in `skip` are left out.
using WindowBuilder = std::function<QWidget *(QSet<QObject *> &skip)>;
Q_DECLARE_METATYPE(WindowBuilder)

namespace {

// Words the two languages write alike: the names of the times, the Hijri
// months, three Gregorian months, services and the program, and the
// sounds' own names. Longer names first, so that they go before their
// parts.
const QStringList SharedWords = {
    QStringLiteral("Almarik Zenhar"), QStringLiteral("Rabiul Awal"), QStringLiteral("Rabiul Akhir"),
    QStringLiteral("Jamadil Awal"), QStringLiteral("Jamadil Akhir"),
    QStringLiteral("Imsak"), QStringLiteral("Subuh"), QStringLiteral("Syuruk"), QStringLiteral("Duha"),
    QStringLiteral("Zohor"), QStringLiteral("Asar"), QStringLiteral("Maghrib"), QStringLiteral("Isyak"),
    QStringLiteral("Jumaat"), QStringLiteral("Muharram"), QStringLiteral("Safar"), QStringLiteral("Rejab"),
    QStringLiteral("Syaaban"), QStringLiteral("Ramadan"), QStringLiteral("Syawal"),
    QStringLiteral("Zulkaedah"), QStringLiteral("Zulhijjah"), QStringLiteral("April"),
    QStringLiteral("September"), QStringLiteral("November"), QStringLiteral("Azan"),
    QStringLiteral("Iqamah"), QStringLiteral("Ding"), QStringLiteral("Facebook"), QStringLiteral("WhatsApp"),
};

// A text with no words: numbers, times, dates in digits, signs.
bool hasNoWords(const QString &text)
{
    static const QRegularExpression words(QStringLiteral("[A-Za-z]{2,}"));
    return !words.match(text).hasMatch();
}

// Proper names of the data: the place shown.
QStringList placeNames()
{
    return {appAlmarikManager()->zoneName(), appAlmarikManager()->zoneDisplayName()};
}

bool isShared(const QString &text)
{
    QString plain = QString(text).remove(QLatin1Char('&')).trimmed();
    for (const QString &name : placeNames() + SharedWords) {
        if (!name.isEmpty())
            plain.remove(name);
    }
    if (hasNoWords(plain))
        return true;
    // Addresses and versions.
    return plain.contains(QLatin1String("://")) || plain.contains(QLatin1Char('@'))
            || plain.startsWith(QLatin1String("www.")) || plain.contains(QLatin1String(".my"));
}

// What a user can read on a widget tree, by the place of each widget in
// the tree: texts, combo entries, tool tips, menu entries.
QList<QPair<QString, QString>> textsOf(QWidget *root, const QSet<QObject *> &skip = {})
{
    QList<QPair<QString, QString>> texts;
    std::function<void(QObject *, const QString &)> walk = [&](QObject *object, const QString &path) {
        if (skip.contains(object))
            return;
        if (auto *widget = qobject_cast<QWidget *>(object)) {
            if (!widget->toolTip().isEmpty())
                texts.append({path + QStringLiteral("#tip"), widget->toolTip()});
            if (auto *label = qobject_cast<QLabel *>(widget))
                texts.append({path, label->text()});
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                texts.append({path, button->text()});
            else if (auto *edit = qobject_cast<QLineEdit *>(widget))
                texts.append({path + QStringLiteral("#placeholder"), edit->placeholderText()});
            else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
                for (int i = 0; i < combo->count(); ++i)
                    texts.append({path + QStringLiteral("#%1").arg(i), combo->itemText(i)});
            } else if (auto *menu = qobject_cast<QMenu *>(widget)) {
                const QList<QAction *> actions = menu->actions();
                for (int i = 0; i < actions.size(); ++i) {
                    if (!skip.contains(actions.at(i)))
                        texts.append({path + QStringLiteral("#action%1").arg(i), actions.at(i)->text()});
                }
            }
        }
        const QObjectList children = object->children();
        for (int i = 0; i < children.size(); ++i) {
            QObject *child = children.at(i);
            walk(child, path + QLatin1Char('/') + QString::fromLatin1(child->metaObject()->className())
                                + QLatin1Char(':') + child->objectName() + QLatin1Char(':') + QString::number(i));
        }
    };
    walk(root, QString::fromLatin1(root->metaObject()->className()));
    return texts;
}

void useLanguage(const QString &name)
{
    appConfig().language = name;
    QVERIFY(appLanguage()->load(true));
}

} // namespace

class TestMalayWalk : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { useLanguage(QStringLiteral("English")); }
    void noEnglishLeft_data();
    void noEnglishLeft();
    void zoneMenuOtherInMalay();
};

void TestMalayWalk::noEnglishLeft_data()
{
    using Build = WindowBuilder;
    QTest::addColumn<Build>("build");
    const UiContext ctx = appMain()->uiContext();
    QTest::newRow("main window, its pages, panels and menus") << Build([ctx](QSet<QObject *> &skip) {
        auto *window = new DialogMain(ctx);
        window->timer()->stop();
        window->show();
        // The menus built on first use.
        window->slotButtonZone();
        window->zoneMenu()->hide();
        window->slotButtonEmail();
        window->contactMenu()->hide();
        // The places in the zone menu are proper names; its groups are not.
        // Its places and countries are proper names, and the language
        // chooser names each language in itself. The zone menu's own word,
        // its group of other places, is checked on its own.
        skip.insert(window->zoneMenu());
        skip.insert(window->findChild<QComboBox *>(QStringLiteral("comboLanguage")));
        return window;
    });
    QTest::newRow("support form") << Build([ctx](QSet<QObject *> &) { return new DialogOnlineSupport(ctx); });
    QTest::newRow("messaging") << Build([ctx](QSet<QObject *> &) { return new DialogWhatsApp(ctx); });
    QTest::newRow("exit prompt") << Build([ctx](QSet<QObject *> &) { return new PromptExit(*ctx.language); });
    QTest::newRow("no data prompt") << Build([ctx](QSet<QObject *> &) { return new PromptNoData(*ctx.language); });
    QTest::newRow("no language prompt")
            << Build([ctx](QSet<QObject *> &) { return new PromptNoLanguage(*ctx.language); });
    QTest::newRow("splash") << Build([ctx](QSet<QObject *> &) {
        auto *host = new QWidget;
        new SplashScreen(ctx, host);
        return host;
    });
}

void TestMalayWalk::noEnglishLeft()
{
    using Build = WindowBuilder;
    QFETCH(Build, build);

    QHash<QString, QString> english;
    {
        useLanguage(QStringLiteral("English"));
        QSet<QObject *> skip;
        QScopedPointer<QWidget> root(build(skip));
        for (const auto &entry : textsOf(root.data(), skip))
            english.insert(entry.first, entry.second);
    }
    useLanguage(QStringLiteral("Bahasa Malaysia"));
    QSet<QObject *> skip;
    QScopedPointer<QWidget> root(build(skip));
    const QList<QPair<QString, QString>> malay = textsOf(root.data(), skip);
    useLanguage(QStringLiteral("English"));

    QVERIFY(malay.size() >= 5);
    int compared = 0;
    QStringList englishLeft;
    for (const auto &entry : malay) {
        if (!english.contains(entry.first))
            continue;
        ++compared;
        if (entry.second == english.value(entry.first) && !isShared(entry.second))
            englishLeft << entry.first + QStringLiteral(": ") + entry.second;
    }
    QVERIFY(compared >= malay.size() / 2);
    for (const QString &left : englishLeft)
        qWarning().noquote() << "English left:" << left;
    QVERIFY2(englishLeft.isEmpty(), qPrintable(englishLeft.join(QLatin1Char('\n'))));
}

void TestMalayWalk::zoneMenuOtherInMalay()
{
    useLanguage(QStringLiteral("Bahasa Malaysia"));
    DialogMain window(appMain()->uiContext());
    window.timer()->stop();
    window.slotButtonZone();
    QVERIFY(window.zoneMenu());
    window.zoneMenu()->hide();
    useLanguage(QStringLiteral("English"));
    QStringList groups;
    for (QAction *action : window.zoneMenu()->actions())
        groups << action->text();
    QVERIFY2(groups.contains(QStringLiteral("Lain-lain")), qPrintable(groups.join(QLatin1Char(','))));
    QVERIFY(!groups.contains(QStringLiteral("Other")));
}

int main(int argc, char *argv[])
{
    return runOnApplication<TestMalayWalk>(argc, argv);
}

#include "test_malaywalk.moc"
