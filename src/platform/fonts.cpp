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
// installed falls back to (scripts written for GB2312 desktops expect the
// default face, 宋体, for a name that is unknown).
constexpr const char* kFallbacks[] = {kMing, kHei, "Noto Sans CJK SC", kKai};
// The menus, dialogs and status bar: simplified-Chinese faces, so that no
// character falls back to a traditional-style variant.
constexpr const char* kInterfaceFaces[] = {kHei, kMing, "Noto Sans CJK SC"};
// Text is set one character per half-width cell (two for a two-byte one),
// as the Ming and Kai faces draw their own Latin letters. Where a Chinese
// face's letters do not fit that (the Hei face's are proportional, and the
// Chinese faces slant them without an italic design, so that a slanted l
// reads as 1), single-byte text takes them from a fixed-pitch face fitted to
// the cell, with an italic design whose l, 1 and I differ: every letter
// fills its cell, none runs into its neighbour and none leaves a gap.
constexpr const char* kLatinCellFaces[] = {"Liberation Mono", "DejaVu Sans Mono"};

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
    FontText text;
    char szFace[LF_FACESIZE];
    FontKey(const LOGFONT& lf, FontText kind)
        : nHeight(lf.lfHeight), nWidth(lf.lfWidth), nWeight(lf.lfWeight), bItalic(lf.lfItalic),
          bUnderline(lf.lfUnderline), bStrikeOut(lf.lfStrikeOut), text(kind), szFace() {
        std::memcpy(szFace, lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE - 1));
    }
    bool operator==(const FontKey& o) const {
        return nHeight == o.nHeight && nWidth == o.nWidth && nWeight == o.nWeight &&
               bItalic == o.bItalic && bUnderline == o.bUnderline && bStrikeOut == o.bStrikeOut &&
               text == o.text && std::memcmp(szFace, o.szFace, LF_FACESIZE) == 0;
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

QString LatinCellFamily() {
    static const QString family = FirstInstalled(kLatinCellFaces);
    return family;
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

namespace {

// Whether the face's own Latin letters advance one half-width cell each,
// measured once per family.
bool HasCellLatin(const QString& family) {
    static QHash<QString, bool> known;
    const auto found = known.constFind(family);
    if (found != known.constEnd()) return *found;
    QFont f(family);
    f.setPixelSize(64);
    f.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetricsF m(f);
    const double half = m.horizontalAdvance(QChar(0x4E2D)) / 2.0; // 中
    bool cells = half > 0;
    for (const QChar c : QStringLiteral("ilmW0(="))
        cells = cells && std::fabs(m.horizontalAdvance(c) - half) < 0.5;
    known.insert(family, cells);
    return cells;
}

// Whether single-byte text in a LOGFONT is drawn in the Latin cell face:
// in a Chinese face (a Latin face asked for by name keeps its letters),
// italic, or upright where the face's own letters do not fit the cells.
bool TakesLatinCellFace(const LOGFONT& lf, const QString& family) {
    return IsChineseFace(family) && !LatinCellFamily().isEmpty() &&
           (lf.lfItalic || !HasCellLatin(family));
}

// The same, remembered by face name and italic flag (asked for every text).
bool TakesLatinCellFace(const LOGFONT& lf) {
    static QHash<QByteArray, bool> known;
    QByteArray key(lf.lfFaceName, int(strnlen(lf.lfFaceName, LF_FACESIZE)));
    key.append(char(lf.lfItalic ? 1 : 0));
    const auto found = known.constFind(key);
    if (found != known.constEnd()) return *found;
    const bool takes = TakesLatinCellFace(lf, ResolveFaceName(lf.lfFaceName));
    known.insert(key, takes);
    return takes;
}

// The Latin cell face at the Chinese font's pixel size, stretched so that a
// letter advances one half-width cell of the Chinese font.
QFont LatinCellFont(const QFont& chinese, int width) {
    const QFontMetricsF cm(chinese);
    const QChar han(0x4E2D); // 中
    const double half = width != 0       ? std::fabs(double(width))
                        : cm.inFont(han) ? cm.horizontalAdvance(han) / 2.0
                                         : cm.averageCharWidth();
    QFont f = chinese;
    QStringList families = chinese.families();
    families.prepend(LatinCellFamily());
    f.setFamilies(families);
    f.setStretch(100);
    const double advance = QFontMetricsF(f).horizontalAdvance(QLatin1Char('x'));
    if (advance > 0 && half > 0)
        f.setStretch(int(std::max(1.0, std::min(4000.0, std::round(100.0 * half / advance)))));
    return f;
}

} // namespace

bool IsShearedItalic(const LOGFONT& lf) {
    // With the Latin cell face installed, every italic Chinese face takes it.
    return lf.lfItalic && LatinCellFamily().isEmpty() &&
           IsChineseFace(ResolveFaceName(lf.lfFaceName));
}

QFont FontFromLogFont(const LOGFONT& lf, FontText text) {
    const QString family = ResolveFaceName(lf.lfFaceName);
    const QFont f = ChineseFontFromLogFont(lf, family);
    // Two-byte text stays in the Chinese face, whose letters and symbols
    // fill their two cells; slanted, they need no Latin face.
    return text == FontText::SingleByte && TakesLatinCellFace(lf, family)
               ? LatinCellFont(f, lf.lfWidth)
               : f;
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

const DcFont& CachedFont(const LOGFONT& lf, FontText text) {
    auto& cache = FontCache();
    // Single-byte text that keeps the face's letters shares its font.
    if (text == FontText::SingleByte && !TakesLatinCellFace(lf)) text = FontText::Any;
    const FontKey key(lf, text);
    for (std::size_t i = 0; i < cache.size(); ++i) {
        if (!(cache[i]->key == key)) continue;
        if (i > 0) std::rotate(cache.begin(), cache.begin() + long(i), cache.begin() + long(i) + 1);
        return cache.front()->font;
    }
    if (cache.size() >= kFontCacheSize) cache.pop_back();
    std::unique_ptr<CacheEntry> entry(new CacheEntry{key, DcFont(FontFromLogFont(lf, text))});
    DcFont& font = entry->font;
    if (text == FontText::SingleByte) {
        // The letters keep their own baseline (the Chinese face's lies lower,
        // below its characters' Latin) in the Chinese face's cell.
        const QFontMetrics chinese(FontFromLogFont(lf));
        const int cellHeight = chinese.ascent() + chinese.descent();
        font.nAscent = std::min(font.nAscent, cellHeight);
        font.nDescent = cellHeight - font.nAscent;
    }
    // A cell height asked for is the cell height drawn: the room the face
    // leaves goes above the characters as internal leading, so lines of text
    // keep the spacing the scripts were laid out for.
    const int cell = font.nAscent + font.nDescent;
    if (lf.lfHeight > 0 && lf.lfHeight <= kMaxPixelSize && cell < lf.lfHeight)
        font.nAscent += lf.lfHeight - cell;
    cache.insert(cache.begin(), std::move(entry));
    return cache.front()->font;
}
