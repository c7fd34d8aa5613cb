#include "ui/picturestore.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMutexLocker>
#include <QThread>

namespace {

void readByName(QImageReader &reader, const QString &path)
{
    reader.setFileName(path);
    reader.setFormat(QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
}

} // namespace

PictureStore::PictureStore() = default;

PictureStore::~PictureStore()
{
    if (m_worker) {
        m_stop = true;
        {
            QMutexLocker lock(&m_mutex);
            openGate();
        }
        m_worker->wait();
    }
}

void PictureStore::preload(const QStringList &paths, const std::function<void()> &warmUp)
{
    if (m_worker)
        return;
    {
        QMutexLocker lock(&m_mutex);
        m_queue = paths;
    }
    m_worker.reset(QThread::create([this, warmUp] { work(warmUp); }));
    m_worker->setObjectName(QStringLiteral("PictureStore"));
    m_worker->start(QThread::LowPriority);
}

void PictureStore::work(const std::function<void()> &warmUp)
{
    if (warmUp)
        warmUp();
    QMutexLocker lock(&m_mutex);
    m_warmedUp = true;
    m_changed.wakeAll();
    while (!m_gateOpen)
        m_changed.wait(&m_mutex);
    // From the back: the caller, who may help, needs the first ones first.
    while (!m_stop && decodeNext(lock, true)) {
    }
}

bool PictureStore::decodeNext(QMutexLocker &lock, bool last)
{
    if (m_queue.isEmpty())
        return false;
    const QString path = last ? m_queue.takeLast() : m_queue.takeFirst();
    m_decoding.insert(path);
    lock.unlock();
    QImage image = readForScreen(path);
    lock.relock();
    if (!image.isNull())
        m_images.insert(path, image);
    m_decoding.remove(path);
    m_changed.wakeAll();
    return true;
}

QImage PictureStore::readForScreen(const QString &path)
{
    QImage image = read(path);
    if (image.hasAlphaChannel())
        image = std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

void PictureStore::applicationCreated()
{
    QMutexLocker lock(&m_mutex);
    openGate();
}

void PictureStore::openGate()
{
    m_gateOpen = true;
    m_changed.wakeAll();
}

void PictureStore::waitForWarmUp()
{
    QMutexLocker lock(&m_mutex);
    if (!m_worker)
        return;
    openGate();
    // The last picture is left for the worker, which takes it first once
    // warm: the caller would otherwise be busy with it while the worker
    // idles.
    while (!m_warmedUp) {
        if (m_queue.size() > 1)
            decodeNext(lock, false);
        else
            m_changed.wait(&m_mutex);
    }
}

QPixmap PictureStore::pixmap(const QString &path)
{
    QImage image;
    bool decoded = false;
    {
        QMutexLocker lock(&m_mutex);
        // Whoever asks for a picture has its application object.
        if (m_worker)
            openGate();
        if (m_queue.removeOne(path)) {
            // Not begun: decoding it here is sooner than waiting.
            lock.unlock();
            image = readForScreen(path);
            decoded = true;
        } else {
            while (m_decoding.contains(path))
                m_changed.wait(&m_mutex);
            image = m_images.take(path);
        }
    }
    if (image.isNull() && !decoded)
        image = read(path);
    return QPixmap::fromImage(std::move(image));
}

QSize PictureStore::size(const QString &path)
{
    {
        // A picture still to come is not waited for: its header is enough.
        QMutexLocker lock(&m_mutex);
        const auto found = m_images.constFind(path);
        if (found != m_images.constEnd())
            return found->size();
    }
    return readSize(path);
}

QPixmap PictureStore::pixmap(PictureStore *store, const QString &path)
{
    return store ? store->pixmap(path) : QPixmap::fromImage(read(path));
}

QSize PictureStore::size(PictureStore *store, const QString &path)
{
    return store ? store->size(path) : readSize(path);
}

QImage PictureStore::read(const QString &path)
{
    QImageReader reader;
    readByName(reader, path);
    return reader.read();
}

QSize PictureStore::readSize(const QString &path)
{
    QImageReader reader;
    readByName(reader, path);
    return reader.size();
}
