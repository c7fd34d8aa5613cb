#ifndef URLRECORDER_H
#define URLRECORDER_H

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's browser and mail program: every URL of the
// schemes it is registered for is recorded instead of opened.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;

    void catchSchemes(std::initializer_list<const char *> schemes)
    {
        for (const char *scheme : schemes)
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

#endif // URLRECORDER_H
