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
// dominate a pass. The cache keeps each picture at the size it is drawn (a
// camera picture shown in a box of the page is a small fraction of its
// pixels), bounded in bytes, most recently used first.
constexpr size_t kMaxCachedPictureBytes = size_t(64) << 20;
constexpr size_t kMaxCachedPictures = 64;
// A picture this many times larger than its box in each direction is decoded
// straight to a smaller size (JPEG decoders scale cheaply as they decode).
constexpr int kDecodeScaledFactor = 4;

struct CachedPicture {
    std::string path;
    QSize drawn; // the box it was scaled to
    qint64 size = 0;
    QDateTime modified;
    QImage image;
};

struct PictureCache {
    std::list<CachedPicture> entries;
    size_t bytes = 0;
};

PictureCache& Cache() {
    static PictureCache cache;
    return cache;
}

size_t BytesOf(const QImage& image) {
    return size_t(image.sizeInBytes());
}

// The picture scaled to w x h, each pixel the source pixel its top-left
// corner falls in (as CDC::DrawImage samples, so a kept copy draws the same
// pixels as the whole picture would).
QImage ScaledAsDrawn(const QImage& src, int w, int h) {
    if (src.width() == w && src.height() == h) return src;
    QImage out(w, h, src.format());
    if (out.isNull()) return out;
    const long long sw = src.width(), sh = src.height();
    for (int y = 0; y < h; ++y) {
        const auto* s = reinterpret_cast<const quint32*>(src.constScanLine(int(y * sh / h)));
        auto* d = reinterpret_cast<quint32*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) d[x] = s[x * sw / w];
    }
    return out;
}

// The picture at `path` (first frame of an animation) decoded for a box of
// `box` pixels: the box's size where it is smaller than the picture, else
// the picture's own. Null when it cannot be read.
QImage Decode(const QString& path, QSize box) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize full = reader.size();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90) full.transpose();
    if (full.isValid() && full.width() >= kDecodeScaledFactor * box.width() &&
        full.height() >= kDecodeScaledFactor * box.height()) {
        QSize scaled = box;
        if (reader.transformation() & QImageIOHandler::TransformationRotate90) scaled.transpose();
        reader.setScaledSize(scaled);
    }
    QImage image = reader.read();
    if (image.isNull()) return image;
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    return ScaledAsDrawn(image, std::min(box.width(), image.width()),
                         std::min(box.height(), image.height()));
}

void Trim(PictureCache& cache) {
    while (!cache.entries.empty() &&
           (cache.bytes > kMaxCachedPictureBytes || cache.entries.size() > kMaxCachedPictures)) {
        cache.bytes -= BytesOf(cache.entries.back().image);
        cache.entries.pop_back();
    }
}

// The picture at `path` for a box of `box` pixels, from the cache when it is
// there and unchanged on disk.
QImage LoadPicture(const std::string& path, QSize box) {
    const QFileInfo info(QString::fromStdString(path));
    if (!info.isFile()) return QImage();
    PictureCache& cache = Cache();
    for (auto it = cache.entries.begin(); it != cache.entries.end(); ++it) {
        if (it->path != path || it->drawn != box) continue;
        if (it->size == info.size() && it->modified == info.lastModified()) {
            cache.entries.splice(cache.entries.begin(), cache.entries, it);
            return it->image;
        }
        cache.bytes -= BytesOf(it->image); // changed on disk
        cache.entries.erase(it);
        break;
    }
    QImage image = Decode(info.filePath(), box);
    if (image.isNull() || BytesOf(image) > kMaxCachedPictureBytes) return image;
    cache.entries.push_front(CachedPicture{path, box, info.size(), info.lastModified(), image});
    cache.bytes += BytesOf(image);
    Trim(cache);
    return image;
}

} // namespace

bool DrawPictureFile(CDC* pDC, const std::string& gbkPath, const CRect& dest) {
    if (gbkPath.empty()) return false;
    const CUpperVectorStateScope cleanVectors; // decoding and conversion are Qt's
    // A negative width or height mirrors the picture into the box on the
    // other side of the corner.
    const bool flipX = dest.right < dest.left, flipY = dest.bottom < dest.top;
    const CRect box(std::min(dest.left, dest.right), std::min(dest.top, dest.bottom),
                    std::max(dest.left, dest.right), std::max(dest.top, dest.bottom));
    // The box in pixels, at least one (a file that cannot be read still
    // reports so for an empty box).
    const auto side = [](long long n) { return int(std::clamp<long long>(n, 1, 1 << 20)); };
    const QSize pixels(side((long long)box.right - box.left),
                       side((long long)box.bottom - box.top));
    const QImage image = LoadPicture(ResolveProgramPath(gbkPath), pixels);
    if (image.isNull()) return false;
    if (box.IsRectEmpty()) return true;
    pDC->DrawImage(box, flipX || flipY ? image.mirrored(flipX, flipY) : image);
    return true;
}

size_t PictureCacheBytes() {
    return Cache().bytes;
}

bool IsPictureFile(const std::string& gbkPath) {
    if (gbkPath.empty()) return false;
    QImageReader reader(QString::fromStdString(ResolveProgramPath(gbkPath)));
    return reader.canRead();
}

void ClearPictureCache() {
    Cache().entries.clear();
    Cache().bytes = 0;
}
