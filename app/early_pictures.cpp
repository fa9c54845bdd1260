#include "app/early_pictures.h"

#include "platform/jpeg_decoder.h"
#include "resources/resources.h"

#include <QHash>

#include <future>
#include <mutex>

namespace {

using TPictures = QHash<QString, QImage>;

struct TEarlyPictures {
    std::mutex mutex;
    std::future<TPictures> decoding;
    TPictures decoded;
};

TEarlyPictures &Early()
{
    static TEarlyPictures early;
    return early;
}

} // namespace

QImage DecodePicture(const QString &resource)
{
    if (resource.endsWith(QLatin1String(".jpg")))
        return DecodeJpeg(resources::Bytes(resource));
    return QImage(resource);
}

void StartDecodingPictures(const QStringList &resources)
{
    TEarlyPictures &early = Early();
    const std::lock_guard<std::mutex> lock(early.mutex);
    early.decoding = std::async(std::launch::async, [resources] {
        TPictures pictures;
        for (const QString &resource : resources)
            pictures.insert(resource, DecodePicture(resource));
        return pictures;
    });
}

QImage TakePicture(const QString &resource)
{
    TEarlyPictures &early = Early();
    {
        const std::lock_guard<std::mutex> lock(early.mutex);
        if (early.decoding.valid())
            early.decoded = early.decoding.get();
        // Handed over whole, so that its one holder may pass its pixels on without a copy.
        if (early.decoded.contains(resource))
            return early.decoded.take(resource);
    }
    return DecodePicture(resource);
}
