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
// binds its plug-ins. A picture asked for before the worker reached it is
// decoded by the caller, one the worker is decoding is waited for, and one
// never preloaded, or already handed out, is read at once, so code works
// the same with or without a store.
class PictureStore
{
public:
    PictureStore();
    ~PictureStore();
    PictureStore(const PictureStore &) = delete;
    PictureStore &operator=(const PictureStore &) = delete;

    // Starts the worker: first `warmUp` (work that may run beside the
    // start, such as reading the font configuration), then the pictures
    // from the last one back, while a caller that helps takes them from
    // the first one on: the largest belong at the end. Once only, and
    // typically before the application object exists: the pictures wait
    // for applicationCreated() (or for the caller to ask for one).
    void preload(const QStringList &paths, const std::function<void()> &warmUp = {});
    // Lets the worker read its pictures: Qt's image reader asks the
    // application object for its plug-in folders, which a thread must not
    // do while the object is being built (it reads the folders' list as the
    // object replaces it). A picture asked for lets the worker go too.
    void applicationCreated();
    // Returns once the worker's warm-up is done. Meanwhile the caller
    // decodes the pictures the worker has not reached, in order and all
    // but the last, so the wait does work the start needs anyway. Call
    // with the application object built.
    void waitForWarmUp();

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
    void work(const std::function<void()> &warmUp);
    // Decodes the first (or last) picture still queued, on the calling
    // thread, and keeps it; false when none is queued. The lock is held on
    // entry and on return, and let go while decoding.
    bool decodeNext(QMutexLocker &lock, bool last);
    // Read in the form a pixmap keeps on a raster screen, so that taking
    // the picture is only a copy.
    static QImage readForScreen(const QString &path);

    // Lets the worker go; the mutex is held.
    void openGate();

    QMutex m_mutex;
    QWaitCondition m_changed;
    bool m_gateOpen = false;
    bool m_warmedUp = false;
    // Not yet begun, in order; being decoded; decoded and not handed out.
    QStringList m_queue;
    QSet<QString> m_decoding;
    QHash<QString, QImage> m_images;
    std::atomic<bool> m_stop{false};
    std::unique_ptr<QThread> m_worker;
};

#endif // PICTURESTORE_H
