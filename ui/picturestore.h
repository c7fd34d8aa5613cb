#ifndef PICTURESTORE_H
#define PICTURESTORE_H

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QPixmap>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWaitCondition>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

// Pictures decoded ahead of their first use on a worker thread, so that a
// start inflates them while the application object reads its settings and
// binds its plug-ins. A picture asked for before the worker reached it
// waits for it; one never preloaded, or already handed out, is read at
// once, so code works the same with or without a store.
class PictureStore
{
public:
    PictureStore();
    ~PictureStore();
    PictureStore(const PictureStore &) = delete;
    PictureStore &operator=(const PictureStore &) = delete;

    // Starts the worker: first `before` (other warm-up work that may run
    // beside the start), then each picture in order, then `after` (work
    // the start needs later than the pictures). Once only, and typically
    // before the application object exists: the pictures wait for
    // applicationCreated() (or for the first picture asked for).
    void preload(const QStringList &paths, const std::function<void()> &before = {},
                 const std::function<void()> &after = {});
    // Lets the worker read its pictures: Qt's image reader asks the
    // application object for its plug-in folders, which a thread must not
    // do while the object is being built (it reads the folders' list as the
    // object replaces it). A picture asked for lets the worker go too.
    void applicationCreated();

    // The picture, handed out once from the store (it leaves the store),
    // or read now.
    QPixmap pixmap(const QString &path);
    // Its size, without taking it out of the store or waiting for it.
    QSize size(const QString &path);

    // Either store may be null: then the picture is read at once.
    static QPixmap pixmap(PictureStore *store, const QString &path);
    static QSize size(PictureStore *store, const QString &path);

    // A picture file read by the format its name ends with. Asked without
    // a format, Qt loads every image plug-in to ask each whether it reads
    // the file; the program's pictures need none of them.
    static QImage read(const QString &path);
    static QSize readSize(const QString &path);

private:
    void decodeAll(const QStringList &paths, const std::function<void()> &before,
                   const std::function<void()> &after);
    // Waits while path is still to be decoded; the mutex is held.
    void waitFor(const QString &path);

    // Lets the worker go; the mutex is held.
    void openGate();

    QMutex m_mutex;
    QWaitCondition m_decoded;
    QWaitCondition m_gateOpened;
    bool m_gateOpen = false;
    QHash<QString, QImage> m_images;
    QSet<QString> m_pending;
    std::atomic<bool> m_stop{false};
    std::unique_ptr<QThread> m_worker;
};

#endif // PICTURESTORE_H
