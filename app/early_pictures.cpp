#include "app/early_pictures.h"

#include "platform/jpeg_decoder.h"
#include "resources/resources.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

struct TEarlyPictures {
    std::mutex mutex;
    std::condition_variable decodedOne;
    // Still being decoded, in order.
    QStringList pending;
    QHash<QString, QImage> decoded;
    std::thread worker;

    ~TEarlyPictures()
    {
        if (worker.joinable())
            worker.join();
    }
};

TEarlyPictures &Early()
{
    static TEarlyPictures early;
    return early;
}

void DecodeAll(TEarlyPictures &early, const QStringList &resources)
{
    for (const QString &resource : resources) {
        QImage picture;
        try {
            picture = DecodePicture(resource);
        } catch (...) {
            // Its asker decodes it again and meets the error itself.
        }
        const std::lock_guard<std::mutex> lock(early.mutex);
        if (!picture.isNull())
            early.decoded.insert(resource, std::move(picture));
        early.pending.removeOne(resource);
        early.decodedOne.notify_all();
    }
}

} // namespace

QImage DecodePicture(const QString &resource)
{
    if (resource.endsWith(QLatin1String(".jpg")))
        return DecodeJpeg(resources::Bytes(resource));
    // Read as the format its name gives: no image plugin is loaded only to be
    // asked whether it knows the file.
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

void StartDecodingPictures(const QStringList &resources)
{
    TEarlyPictures &early = Early();
    const std::lock_guard<std::mutex> lock(early.mutex);
    if (early.worker.joinable())
        return;
    early.pending = resources;
    early.worker = std::thread(DecodeAll, std::ref(early), resources);
}

QImage TakePicture(const QString &resource)
{
    TEarlyPictures &early = Early();
    {
        std::unique_lock<std::mutex> lock(early.mutex);
        early.decodedOne.wait(lock, [&] { return !early.pending.contains(resource); });
        // Handed over whole, so that its one holder may pass its pixels on without a copy.
        if (early.decoded.contains(resource))
            return early.decoded.take(resource);
    }
    return DecodePicture(resource);
}
