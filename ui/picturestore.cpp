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

void PictureStore::preload(const QStringList &paths, const std::function<void()> &before,
                           const std::function<void()> &after)
{
    if (m_worker)
        return;
    {
        QMutexLocker lock(&m_mutex);
        for (const QString &path : paths)
            m_pending.insert(path);
    }
    m_worker.reset(QThread::create([this, paths, before, after] { decodeAll(paths, before, after); }));
    m_worker->setObjectName(QStringLiteral("PictureStore"));
    m_worker->start(QThread::LowPriority);
}

void PictureStore::decodeAll(const QStringList &paths, const std::function<void()> &before,
                             const std::function<void()> &after)
{
    if (before)
        before();
    {
        QMutexLocker lock(&m_mutex);
        while (!m_gateOpen)
            m_gateOpened.wait(&m_mutex);
    }
    for (const QString &path : paths) {
        QImage image;
        if (!m_stop) {
            image = read(path);
            // The form a pixmap keeps on a raster screen, so that taking
            // the picture is only a copy.
            if (image.hasAlphaChannel())
                image = std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        QMutexLocker lock(&m_mutex);
        if (!image.isNull())
            m_images.insert(path, image);
        m_pending.remove(path);
        m_decoded.wakeAll();
    }
    if (after && !m_stop)
        after();
}

void PictureStore::applicationCreated()
{
    QMutexLocker lock(&m_mutex);
    openGate();
}

void PictureStore::openGate()
{
    m_gateOpen = true;
    m_gateOpened.wakeAll();
}

void PictureStore::waitFor(const QString &path)
{
    // Whoever asks for a picture has its application object.
    if (m_pending.contains(path))
        openGate();
    while (m_pending.contains(path))
        m_decoded.wait(&m_mutex);
}

QPixmap PictureStore::pixmap(const QString &path)
{
    QImage image;
    {
        QMutexLocker lock(&m_mutex);
        waitFor(path);
        image = m_images.take(path);
    }
    if (image.isNull())
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
