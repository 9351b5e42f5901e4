// LOGFONT to QFont, face-name substitutions and the font cache.
#include "platform/fonts.h"

#include "platform/text_codec.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Chinese faces the pages name, with the family drawn instead here.
struct FaceSubstitution {
    const char* pszFace; // UTF-8
    const char* pszFamily;
};
constexpr const char* kMing = "AR PL UMing CN";
constexpr const char* kKai = "AR PL UKai CN";
constexpr const char* kHei = "WenQuanYi Micro Hei";
constexpr FaceSubstitution kFaces[] = {
    {"宋体", kMing},    {"SimSun", kMing},         {"新宋体", kMing},      {"NSimSun", kMing},
    {"仿宋", kMing},    {"FangSong", kMing},       {"仿宋_GB2312", kMing}, {"楷体", kKai},
    {"KaiTi", kKai},    {"楷体_GB2312", kKai},     {"隶书", kKai},         {"LiSu", kKai},
    {"黑体", kHei},     {"SimHei", kHei},          {"幼圆", kHei},         {"YouYuan", kHei},
    {"微软雅黑", kHei}, {"Microsoft YaHei", kHei},
};
// Further fallbacks of every substitution, and the faces a name that is not
// installed falls back to (the original's font mapper gave the GB2312
// default face, 宋体, for unknown names).
constexpr const char* kFallbacks[] = {kMing, kHei, "Noto Sans CJK SC", kKai};
// The menus, dialogs and status bar: simplified-Chinese faces, so that no
// character falls back to a traditional-style variant.
constexpr const char* kInterfaceFaces[] = {kHei, kMing, "Noto Sans CJK SC"};
// The Chinese faces slant their Latin letters without an italic design, and
// a slanted l reads as 1: italic text takes its Latin letters from a serif
// italic whose l, 1 and I differ.
constexpr const char* kItalicSerifs[] = {"Liberation Serif", "DejaVu Serif"};

// Larger text would only exhaust memory in the glyph cache.
constexpr int kMaxPixelSize = 2000;
constexpr int kDefaultPixelSize = 16;
constexpr std::size_t kFontCacheSize = 64;
constexpr int kFitSteps = 12;

// Installed families by lower-case name (substitutes come back lower-cased).
const QHash<QString, QString>& InstalledFamilies() {
    static const QHash<QString, QString> families = [] {
        QHash<QString, QString> map;
        for (const QString& f : QFontDatabase::families()) map.insert(f.toLower(), f);
        return map;
    }();
    return families;
}

// The installed family's own spelling, or an empty string.
QString Installed(const QString& family) {
    return InstalledFamilies().value(family.toLower());
}

bool IsInstalled(const QString& family) {
    return !family.isEmpty() && !Installed(family).isEmpty();
}

// The first installed family of the list, or an empty string.
template <std::size_t N> QString FirstInstalled(const char* const (&families)[N]) {
    for (const char* f : families)
        if (IsInstalled(QString::fromUtf8(f))) return Installed(QString::fromUtf8(f));
    return QString();
}

QStringList FallbackList(const QString& first) {
    QStringList list;
    if (!first.isEmpty()) list << first;
    for (const char* f : kFallbacks) {
        const QString name = QString::fromUtf8(f);
        if (!list.contains(name) && IsInstalled(name)) list << name;
    }
    return list;
}

bool IsChineseFace(const QString& family) {
    for (const char* f : kFallbacks)
        if (family.compare(QString::fromUtf8(f), Qt::CaseInsensitive) == 0) return true;
    return false;
}

struct FontKey {
    int nHeight, nWidth, nWeight;
    BYTE bItalic, bUnderline, bStrikeOut;
    char szFace[LF_FACESIZE];
    explicit FontKey(const LOGFONT& lf)
        : nHeight(lf.lfHeight), nWidth(lf.lfWidth), nWeight(lf.lfWeight), bItalic(lf.lfItalic),
          bUnderline(lf.lfUnderline), bStrikeOut(lf.lfStrikeOut), szFace() {
        std::memcpy(szFace, lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE - 1));
    }
    bool operator==(const FontKey& o) const {
        return nHeight == o.nHeight && nWidth == o.nWidth && nWeight == o.nWeight &&
               bItalic == o.bItalic && bUnderline == o.bUnderline && bStrikeOut == o.bStrikeOut &&
               std::memcmp(szFace, o.szFace, LF_FACESIZE) == 0;
    }
};

struct CacheEntry {
    FontKey key;
    DcFont font;
};

// Never destroyed: fonts must not outlive the application's font database
// at exit.
std::vector<std::unique_ptr<CacheEntry>>& FontCache() {
    static auto* cache = new std::vector<std::unique_ptr<CacheEntry>>();
    return *cache;
}

int CellHeight(const QFont& f) {
    const QFontMetrics m(f);
    return m.ascent() + m.descent();
}

// Stretches `f` so that a half-width cell is `width` pixels: half a Chinese
// character where the face has one, else the average character width.
void ApplyWidth(QFont& f, int width) {
    if (width == 0) return;
    const QFontMetricsF m(f);
    const QChar han(0x4E2D); // 中
    const double half = m.inFont(han) ? m.horizontalAdvance(han) / 2.0 : m.averageCharWidth();
    if (half <= 0) return;
    const double stretch = std::round(100.0 * double(std::llabs((long long)width)) / half);
    f.setStretch(int(std::max(1.0, std::min(4000.0, stretch))));
}

// The largest pixel size whose cell (ascent + descent, after stretching) fits
// `cell`. Sizes are searched downwards from an estimate: embedded bitmap
// strikes make the cell height jump between neighbouring sizes.
QFont FitCell(const QFont& base, int cell, int width) {
    QFont probe = base;
    probe.setPixelSize(cell);
    const int natural = CellHeight(probe);
    int size = natural > 0 ? int(std::lround(double(cell) * cell / natural)) + 1 : cell;
    size = std::max(1, std::min(size, cell));
    for (int guard = 0; guard < kFitSteps; ++guard) {
        QFont f = base;
        f.setPixelSize(size);
        ApplyWidth(f, width);
        if (size == 1 || CellHeight(f) <= cell) return f;
        --size;
    }
    QFont f = base;
    f.setPixelSize(size);
    ApplyWidth(f, width);
    return f;
}

} // namespace

void InstallFaceSubstitutions() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    for (const FaceSubstitution& s : kFaces) {
        const QString face = QString::fromUtf8(s.pszFace);
        QFont::removeSubstitutions(face);
        QFont::insertSubstitutions(face, FallbackList(QString::fromUtf8(s.pszFamily)));
    }
}

QString ResolveFaceName(const char* gbkFace) {
    InstallFaceSubstitutions();
    const std::size_t len = gbkFace ? strnlen(gbkFace, LF_FACESIZE) : 0;
    const QString face = QString::fromStdString(GbkToUtf8(gbkFace ? gbkFace : "", int(len)));
    if (IsInstalled(face)) return Installed(face);
    for (const QString& sub : QFont::substitutes(face))
        if (IsInstalled(sub)) return Installed(sub);
    for (const char* f : kFallbacks)
        if (IsInstalled(QString::fromUtf8(f))) return QString::fromUtf8(f);
    return face;
}

QString ItalicLatinFamily() {
    return FirstInstalled(kItalicSerifs);
}

QFont InterfaceFont(const QFont& base) {
    QFont f = base;
    QStringList families;
    for (const char* face : kInterfaceFaces)
        if (IsInstalled(QString::fromUtf8(face))) families << Installed(QString::fromUtf8(face));
    if (!families.isEmpty()) f.setFamilies(families);
    return f;
}

// The font of the LOGFONT in the Chinese face and its fallbacks, sized and
// stretched.
QFont ChineseFontFromLogFont(const LOGFONT& lf, const QString& family) {
    QFont f(family);
    f.setFamilies(FallbackList(family));
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    f.setKerning(false);
    f.setBold(lf.lfWeight >= 600);
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    // std::abs(INT_MIN) is undefined: clamp in 64 bits.
    const int h = int(std::min<long long>(std::llabs((long long)lf.lfHeight), kMaxPixelSize));
    if (lf.lfHeight > 0) return FitCell(f, h, lf.lfWidth);
    f.setPixelSize(lf.lfHeight < 0 ? std::max(h, 1) : kDefaultPixelSize);
    ApplyWidth(f, lf.lfWidth);
    return f;
}

QFont FontFromLogFont(const LOGFONT& lf) {
    const QString family = ResolveFaceName(lf.lfFaceName);
    QFont f = ChineseFontFromLogFont(lf, family);
    // The serif goes in front of the Chinese faces only (a Latin face asked
    // for by name keeps its own italic), at the size and stretch fitted for
    // the Chinese face, so the letters keep their cells.
    const QString serif = ItalicLatinFamily();
    if (lf.lfItalic && !serif.isEmpty() && IsChineseFace(family)) {
        QStringList families = f.families();
        families.prepend(serif);
        f.setFamilies(families);
    }
    return f;
}

bool NeedsOutlineBold(const QFont& f) {
    // Qt's raster engine caches glyphs up to this pixel size.
    constexpr int kLargestCachedGlyph = 64;
    if (!f.bold() || f.pixelSize() <= kLargestCachedGlyph) return false;
    const QString family = QFontInfo(f).family();
    for (const QString& style : QFontDatabase::styles(family))
        if (QFontDatabase::weight(family, style) >= QFont::DemiBold) return false;
    return true;
}

const DcFont& CachedFont(const LOGFONT& lf) {
    auto& cache = FontCache();
    const FontKey key(lf);
    for (std::size_t i = 0; i < cache.size(); ++i) {
        if (!(cache[i]->key == key)) continue;
        if (i > 0) std::rotate(cache.begin(), cache.begin() + long(i), cache.begin() + long(i) + 1);
        return cache.front()->font;
    }
    if (cache.size() >= kFontCacheSize) cache.pop_back();
    std::unique_ptr<CacheEntry> entry(new CacheEntry{key, DcFont(FontFromLogFont(lf))});
    // A cell height asked for is the cell height drawn: the room the face
    // leaves goes above the characters, like the original's internal leading.
    DcFont& font = entry->font;
    const int cell = font.nAscent + font.nDescent;
    if (lf.lfHeight > 0 && lf.lfHeight <= kMaxPixelSize && cell < lf.lfHeight)
        font.nAscent += lf.lfHeight - cell;
    cache.insert(cache.begin(), std::move(entry));
    return cache.front()->font;
}
