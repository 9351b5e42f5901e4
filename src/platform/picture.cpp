#include "platform/picture.h"

#include "platform/file.h"
#include "platform/vector_state.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <list>

namespace {

// Pages redraw their pictures on every pass; decoding a JPEG each time would
// dominate a pass. A few pictures are on screen at once.
constexpr size_t kCachedPictures = 8;

struct CachedPicture {
    std::string path;
    qint64 size = 0;
    QDateTime modified;
    QImage image;
};

// Most recently used first.
std::list<CachedPicture>& Cache() {
    static std::list<CachedPicture> cache;
    return cache;
}

// The decoded picture at `path` (first frame of an animation); null when it
// cannot be read.
QImage LoadPicture(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.isFile()) return QImage();
    auto& cache = Cache();
    for (auto it = cache.begin(); it != cache.end(); ++it) {
        if (it->path != path) continue;
        if (it->size == info.size() && it->modified == info.lastModified()) {
            cache.splice(cache.begin(), cache, it);
            return it->image;
        }
        cache.erase(it); // changed on disk
        break;
    }
    QImageReader reader(info.filePath());
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) return image;
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    cache.push_front(CachedPicture{path, info.size(), info.lastModified(), image});
    if (cache.size() > kCachedPictures) cache.pop_back();
    return image;
}

} // namespace

bool DrawPictureFile(CDC* pDC, const std::string& gbkPath, const CRect& dest) {
    if (gbkPath.empty()) return false;
    const CUpperVectorStateScope cleanVectors; // decoding and conversion are Qt's
    const QImage image = LoadPicture(ResolveProgramPath(gbkPath));
    if (image.isNull()) return false;
    // A negative width or height mirrors the picture into the box on the
    // other side of the corner.
    const bool flipX = dest.right < dest.left, flipY = dest.bottom < dest.top;
    if (flipX || flipY) {
        const CRect box(std::min(dest.left, dest.right), std::min(dest.top, dest.bottom),
                        std::max(dest.left, dest.right), std::max(dest.top, dest.bottom));
        if (!box.IsRectEmpty()) pDC->DrawImage(box, image.mirrored(flipX, flipY));
    } else if (!dest.IsRectEmpty()) {
        pDC->DrawImage(dest, image);
    }
    return true;
}

bool IsPictureFile(const std::string& gbkPath) {
    if (gbkPath.empty()) return false;
    QImageReader reader(QString::fromStdString(ResolveProgramPath(gbkPath)));
    return reader.canRead();
}

void ClearPictureCache() {
    Cache().clear();
}
