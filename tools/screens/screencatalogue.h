#ifndef SCREENCATALOGUE_H
#define SCREENCATALOGUE_H

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// What almarik-screens renders. Each entry has a file name stem and a
// function that builds the widget; host is a hidden stand-in for the main
// window (650 x 574) that pages and panels can take as their parent. The
// tool owns the widget it gets back and deletes it after the picture.
struct ScreenEntry {
    QString name;
    std::function<QWidget *(QWidget *host)> create;
};

class ScreenCatalogue
{
public:
    static const QList<ScreenEntry> &entries();
};

#endif // SCREENCATALOGUE_H
