// The drawing caches change no pixel: text in every style, place and clip,
// every sample page and every pattern background, drawn with the caches and
// along the plain path.
#include "test_support.h"

#include <QColor>
#include <QImage>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

using namespace test_support;

namespace {

// Everything drawn while the object lives takes the plain path.
class PlainDrawing {
public:
    PlainDrawing() { SetDrawingCachesEnabled(false); }
    ~PlainDrawing() { SetDrawingCachesEnabled(true); }
    PlainDrawing(const PlainDrawing&) = delete;
    PlainDrawing& operator=(const PlainDrawing&) = delete;
};

// Row by row, pixel by pixel only in rows that differ: the pages compared
// are large and mostly alike.
int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        if (std::equal(p, p + x.width(), q)) continue;
        for (int i = 0; i < x.width(); ++i) n += ((p[i] ^ q[i]) & RGB_MASK) != 0;
    }
    return n;
}

struct TextCase {
    const char* name;
    int height, width, weight, italic, underline, strikeout;
    int bkMode;
    int x, y;
    const char* utf8;
};

// A background with a different colour in every pixel, so that an opaque
// cell or a missing pixel shows.
QImage Backdrop(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, 90));
    return image;
}

QImage DrawText(const TextCase& c, bool twice) {
    QImage image = Backdrop(240, 120);
    CDC dc(&image);
    dc.SetClipRect(CRect(10, 8, 230, 110)); // text near the edges is cut
    dc.SetViewportOrg(3, -2);
    LOGFONT font;
    font.lfHeight = c.height, font.lfWidth = c.width, font.lfWeight = c.weight;
    font.lfItalic = BYTE(c.italic), font.lfUnderline = BYTE(c.underline);
    font.lfStrikeOut = BYTE(c.strikeout);
    font.SetFaceName(Gbk(u8"宋体").c_str());
    dc.SelectObject(font);
    dc.SetBkMode(c.bkMode);
    dc.SetBkColor(RGB(20, 200, 40));
    dc.SetTextColor(RGB(250, 240, 10));
    const std::string text = Gbk(c.utf8);
    for (int i = 0; i < (twice ? 2 : 1); ++i) dc.TextOut(c.x, c.y, text);
    return image;
}

// A sample page's first screen after two full passes (the second one draws
// from what the first kept), on the given pattern background.
QImage DrawPage(const std::string& code, int family, int pattern) {
    auto view = MakeView();
    view->ResetTopic(family);
    view->m_strTopicCode = code;
    view->m_nBackgroundMode = -1;
    view->m_nBackgroundPattern = pattern;
    view->ResizeClient(kPageWidth, kPageHeight);
    view->RenderPending();
    view->Invalidate();
    view->RenderPending();
    // A low strip: the box keeps its height, the pattern its cells.
    const CRect strip(0, kPageHeight - 90, kPageWidth, kPageHeight);
    view->InvalidateRect(&strip);
    view->RenderPending();
    return view->BackingImage().copy();
}

} // namespace

TEST(DrawingCaches, TextIsPixelIdenticalInEveryStyleAndClip) {
    const TextCase cases[] = {
        {"small body text", -12, 0, FW_NORMAL, 0, 0, 0, TRANSPARENT, 20, 20, u8"函数 f(x)=sin x"},
        {"cell height, opaque", 24, 0, FW_NORMAL, 0, 0, 0, OPAQUE, 20, 30, u8"积分∫与极限"},
        {"bold", 20, 0, 700, 0, 0, 0, OPAQUE, 15, 40, u8"定理 1.2"},
        {"italic", -22, 0, FW_NORMAL, 1, 0, 0, TRANSPARENT, 30, 40, u8"ABCxyz"},
        {"underline and strikeout", 18, 0, FW_NORMAL, 0, 1, 1, OPAQUE, 20, 50, u8"下划线 text"},
        {"stretched", 20, 14, FW_NORMAL, 0, 0, 0, TRANSPARENT, 12, 60, u8"宽字 ab"},
        {"large glyphs", -90, 0, FW_NORMAL, 0, 0, 0, OPAQUE, 40, 10, u8"大g"},
        {"cut at the left and top", 26, 0, FW_NORMAL, 0, 0, 0, OPAQUE, -4, -2, u8"边缘"},
        {"cut at the right and bottom", 26, 0, FW_NORMAL, 0, 0, 0, OPAQUE, 200, 100, u8"边缘"},
        {"wholly outside", 16, 0, FW_NORMAL, 0, 0, 0, OPAQUE, 400, 400, u8"看不见"},
        {"spaces only", 16, 0, FW_NORMAL, 0, 0, 0, OPAQUE, 50, 70, "   "},
    };
    for (const TextCase& c : cases) {
        QImage plain;
        {
            PlainDrawing off;
            plain = DrawText(c, true);
        }
        EXPECT_EQ(DifferingPixels(plain, DrawText(c, false)), 0) << c.name << ", first draw";
        EXPECT_EQ(DifferingPixels(plain, DrawText(c, true)), 0) << c.name << ", from the stamp";
        const bool visible = c.x < 240;
        EXPECT_EQ(DifferingPixels(plain, Backdrop(240, 120)) != 0, visible) << c.name;
    }
}

TEST(DrawingCaches, EverySamplePageIsPixelIdentical) {
    InRunDir runDir;
    struct Page {
        std::string code;
        int family;
    };
    std::vector<Page> pages;
    namespace fs = std::filesystem;
    for (const auto& e : fs::directory_iterator("data"))
        if (e.path().extension() == ".txt") pages.push_back({e.path().stem().string(), -1});
    for (const auto& e : fs::directory_iterator("gsdata"))
        if (e.path().extension() == ".txt")
            pages.push_back({e.path().stem().string().substr(2), 0});
    ASSERT_GE(pages.size(), 20u);
    std::sort(pages.begin(), pages.end(), [](const Page& a, const Page& b) {
        return std::tie(a.family, a.code) < std::tie(b.family, b.code);
    });
    for (size_t i = 0; i < pages.size(); ++i) {
        if (!CaseRuns(i)) continue;
        const Page& p = pages[i];
        QImage plain;
        {
            PlainDrawing off;
            plain = DrawPage(p.code, p.family, 1);
        }
        EXPECT_EQ(DifferingPixels(plain, DrawPage(p.code, p.family, 1)), 0) << p.code;
    }
}

TEST(DrawingCaches, EveryPatternBackgroundIsPixelIdentical) {
    InRunDir runDir;
    for (int pattern = 1; pattern <= 6; ++pattern) {
        QImage plain;
        {
            PlainDrawing off;
            plain = DrawPage("230", -1, pattern);
        }
        EXPECT_EQ(DifferingPixels(plain, DrawPage("230", -1, pattern)), 0) << pattern;
    }
}

// Cells and prisms hidden behind the next column, prism strokes repeating
// the one before, mesh runs drawn again later, a trail's balls drawn again
// at the same place later and curve segments repeating their curve's last
// one are left out, and the secant's nearest point, the
// plane's trace and the evolute's centres kept from an earlier pass, only
// with the caches on: the pages after their clicks, at three widths and line
// widths, and figures further down their page scrolled into view, equal the
// plain drawing.
TEST(DrawingCaches, HiddenWallsAndRepeatedRunsLeaveThePixels) {
    InRunDir runDir;
    struct State {
        const char* code;
        std::vector<const char*> buttons; // pressed once each, in order
        int pixelSize;                    // of the lines, set before the buttons
        int top;                          // the page line brought to the window's top
        std::vector<CSize> sizes;
    };
    const std::vector<CSize> widths = {{1010, 695}, {1280, 960}, {1600, 927}};
    const State states[] = {{"321", {u8"高斯和"}, 0, 0, widths},
                            {"321", {u8"近似和"}, 0, 0, widths},
                            {"321", {u8"近似和"}, 2, 0, widths},
                            {"321", {u8"近似和", u8"增加", u8"增加"}, 0, 0, widths},
                            {"321", {u8"近似和", u8"减少"}, 1, 0, widths},
                            {"321", {u8"高斯和", u8"近似和", u8"↗"}, 0, 0, widths},
                            {"321", {u8"近似和", u8"→", u8"↓"}, 0, 0, widths},
                            {"321", {u8"分割"}, 0, 0, widths},
                            {"321", {u8"分割", u8"增加", u8"增加"}, 2, 0, widths},
                            {"321", {u8"关闭投影", u8"分割", u8"减少", u8"↑"}, 1, 0, widths},
                            // Cells wholly outside the region's rectangle.
                            {"321", {u8"增加", u8"分割"}, 0, 0, {{2560, 1440}, {800, 600}}},
                            {"321", {u8"增加", u8"高斯和"}, 0, 0, {{2560, 1440}}},
                            // The shells' rims kept from the pass before.
                            {"326", {u8"dx增", u8"dx增", u8"dx减"}, 0, 2150, {{2560, 1440}}},
                            {"378", {}, 0, 0, widths},
                            {"378", {u8"增加"}, 0, 0, widths},
                            {"379", {}, 0, 0, widths},
                            {"379", {u8"θ_z型", u8"增加"}, 0, 0, widths},
                            {"366", {u8"水位时间曲线"}, 0, 0, widths},
                            {"366", {u8"水位时间曲线"}, 2, 0, widths},
                            {"309", {u8"参数t", u8"切线", u8"→"}, 0, 0, widths},
                            {"359", {u8"方式1", u8"λ增"}, 0, 0, widths},
                            // A kept run of mesh grids is read only with the
                            // coefficients it was computed from.
                            {"360", {u8"m增"}, 0, 0, widths},
                            // A y range narrowed by the arrows: most cells lie
                            // off the window and are left out.
                            {"318", std::vector<const char*>(30, u8"↙"), 0, 0, widths},
                            {"317", std::vector<const char*>(20, u8"↙"), 2, 0, widths},
                            {"364", {u8"平行坐标面", u8"z=c", u8"上移"}, 0, 0, widths},
                            {"364", {u8"坐标面", u8"平行坐标面", u8"z=c", u8"增加"}, 0, 0, widths},
                            // The ball's run at its longest: at rest for most frames.
                            {"382", std::vector<const char*>(6, u8"t增"), 0, 0, widths},
                            // Curves of the derivative pages gathered as strokes: an
                            // implicit curve's traces from nearby seeds, a parametric
                            // and a polar one sampled many times a pixel.
                            {"371", {u8"←"}, 0, 0, widths},
                            {"372", {u8"↓"}, 2, 0, widths},
                            {"380", {u8"↑"}, 1, 0, widths},
                            {"369", {u8"←", u8"←", u8"←", u8"←", u8"←"}, 0, 1808, {{1920, 1080}}},
                            {"369", {u8"→", u8"→", u8"→"}, 0, 999, {{1024, 768}}}};
    for (size_t i = 0; i < std::size(states); ++i)
        for (size_t j = 0; j < states[i].sizes.size(); ++j) {
            if (!CaseRuns(i, j)) continue;
            const State& s = states[i];
            const CSize size = s.sizes[j];
            const auto draw = [&] {
                auto v = OpenTopic(s.code, nullptr, size.cx, size.cy);
                v->OnPixelSize(s.pixelSize);
                if (s.top > 0) {
                    v->ScrollToPosition(CPoint(0, s.top));
                    v->RenderPending();
                }
                for (const char* button : s.buttons) PressControl(*v, button);
                v->Invalidate();
                v->RenderPending();
                return v->BackingImage().copy();
            };
            QImage plain;
            {
                PlainDrawing off;
                plain = draw();
            }
            EXPECT_EQ(DifferingPixels(plain, draw()), 0)
                << s.code << " after " << s.buttons.size() << " buttons at " << size.cx;
        }
}
