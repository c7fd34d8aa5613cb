#ifndef TEXTFLOOR_H
#define TEXTFLOOR_H

// A floor between the empty window and the program: the program's visible
// windows with only the texts of their labels, each in its own font, size
// and place, in plain QLabels, and nothing else (no pictures, settings,
// plug-ins or data; text a widget paints itself, such as the times table,
// is left out, its fonts being among the labels'). What fonts and text
// cost a start by themselves, measured the same way as the empty window.
//
// The program's child writes its visible windows' texts to a file
// (writeVisibleTexts); the empty window's executable builds the floor's
// windows from that file (buildTextWindows).

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSaveFile>
#include <QWidget>

#include <memory>
#include <vector>

namespace {

// Every visible top-level window, the main one marked, with the visible
// labels that show text. False when the file could not be written.
inline bool writeVisibleTexts(const QString &path, const QWidget *mainWindow)
{
    QJsonArray windows;
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (const QWidget *window : topLevels) {
        if (!window->isVisible())
            continue;
        QJsonArray labels;
        const QList<QLabel *> children = window->findChildren<QLabel *>();
        for (const QLabel *label : children) {
            // A child window (the splash) is a window of its own.
            if (label->window() != window || label->text().isEmpty() || !label->isVisibleTo(window))
                continue;
            const QPoint at = label->mapTo(window, QPoint(0, 0));
            labels.append(QJsonObject{{QStringLiteral("x"), at.x()},
                                      {QStringLiteral("y"), at.y()},
                                      {QStringLiteral("width"), label->width()},
                                      {QStringLiteral("height"), label->height()},
                                      {QStringLiteral("font"), label->font().toString()},
                                      {QStringLiteral("format"), int(label->textFormat())},
                                      {QStringLiteral("wrap"), label->wordWrap()},
                                      {QStringLiteral("text"), label->text()}});
        }
        windows.append(QJsonObject{{QStringLiteral("main"), window == mainWindow},
                                   {QStringLiteral("width"), window->width()},
                                   {QStringLiteral("height"), window->height()},
                                   {QStringLiteral("opacity"), window->windowOpacity()},
                                   {QStringLiteral("labels"), labels}});
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(windows).toJson(QJsonDocument::Compact));
    return file.commit();
}

inline void addLabels(QWidget &window, const QJsonArray &labels)
{
    for (const QJsonValue &value : labels) {
        const QJsonObject entry = value.toObject();
        auto *label = new QLabel(&window);
        QFont font;
        font.fromString(entry.value(QStringLiteral("font")).toString());
        label->setFont(font);
        label->setTextFormat(Qt::TextFormat(entry.value(QStringLiteral("format")).toInt()));
        label->setWordWrap(entry.value(QStringLiteral("wrap")).toBool());
        label->setText(entry.value(QStringLiteral("text")).toString());
        // Sized to its text, as the program sizes its labels before they
        // are shown (their fonts are loaded and the text laid out then).
        label->sizeHint();
        label->setGeometry(entry.value(QStringLiteral("x")).toInt(), entry.value(QStringLiteral("y")).toInt(),
                           entry.value(QStringLiteral("width")).toInt(),
                           entry.value(QStringLiteral("height")).toInt());
    }
}

// The main window (already made empty) gets the main window's labels;
// every other window of the file is made, frameless, with its labels, and
// shown, as the program shows its splash before the main window. False
// when the file cannot be read.
inline bool buildTextWindows(const QString &path, QWidget &mainWindow, std::vector<std::unique_ptr<QWidget>> &others)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isArray())
        return false;
    for (const QJsonValue &value : document.array()) {
        const QJsonObject window = value.toObject();
        const QJsonArray labels = window.value(QStringLiteral("labels")).toArray();
        if (window.value(QStringLiteral("main")).toBool()) {
            addLabels(mainWindow, labels);
            continue;
        }
        others.emplace_back(new QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint));
        QWidget &other = *others.back();
        other.resize(window.value(QStringLiteral("width")).toInt(), window.value(QStringLiteral("height")).toInt());
        other.setWindowOpacity(window.value(QStringLiteral("opacity")).toDouble(1.0));
        addLabels(other, labels);
        other.show();
    }
    return true;
}

} // namespace

#endif // TEXTFLOOR_H
