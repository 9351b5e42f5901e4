// Printed pages: the print colours, and sample pages drawn through the
// printing hooks on page images as the print and the preview draw them.
#include "platform/print.h"
#include "platform/scroll_view.h"
#include "test_support.h"
#include "view/print_colours.h"

#include <QImage>

#include <vector>

using namespace test_support;

namespace {

constexpr UINT kPreset1 = 33783; // 显示 > 方式1: white text on black

int Luma(COLORREF c) {
    return (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000;
}

// Colours of the default screen and of the presets, as they print.
TEST(PrintColours, LightColoursDarkenToReadOnWhite) {
    struct Case {
        COLORREF screen, paper;
    } cases[] = {
        {RGB(255, 255, 255), RGB(0, 0, 0)},       // white text prints black
        {RGB(230, 230, 230), RGB(0, 0, 0)},       // near-white too
        {RGB(216, 216, 216), RGB(100, 100, 100)}, // a light grey stays grey
        {RGB(0, 255, 255), RGB(0, 143, 143)},     // luma 178: x 100/178
        {RGB(0, 255, 0), RGB(0, 171, 0)},         // luma 149
        {RGB(255, 255, 0), RGB(113, 113, 0)},     // luma 225, not grey
        {RGB(0, 0, 125), RGB(0, 0, 125)},         // dark enough already
        {RGB(150, 0, 0), RGB(150, 0, 0)},         // luma 44
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintableColour(c.screen), c.paper) << std::hex << c.screen;
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15)
                EXPECT_LE(Luma(PrintableColour(RGB(r, g, b))), kMaxPrintLuma);
}

// A sample page with a figure shown in 方式1 at 1280 x 960, printed on page
// images of `pageSize`; each page image goes to `pages`.
class PrintedPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        view->ResetTopic(-1);
        view->m_strTopicCode = "233"; // text, then the 函数 menu's graph
        view->ResizeClient(kPageWidth, kPageHeight);
        view->OnCommand(kPreset1);
        Render();
    }
    void Render() {
        view->Invalidate();
        while (view->HasPendingPaint()) view->RenderPending();
    }
    UINT PageCount() {
        CPrintInfo info;
        view->OnPreparePrinting(&info);
        return info.GetMaxPage();
    }
    // Prints pages [from, to]; the print offset of each page is kept.
    void Print(const QSize& pageSize, UINT from, UINT to) {
        pages.clear();
        offsets.clear();
        CPrintInfo info;
        view->OnPreparePrinting(&info);
        view->m_pTextSink = &text;
        ASSERT_TRUE(DrawPrintPages(view.get(), &info, from, to, pageSize, [this](const QImage& p) {
            pages.push_back(p.copy());
            offsets.push_back(view->m_nPrintOffsetY);
            return true;
        }));
        view->m_pTextSink = nullptr;
    }
    // Pixels darker than the print colours allow, in a band of a page.
    static int DarkPixels(const QImage& page, int top, int bottom) {
        int n = 0;
        for (int y = std::max(top, 0); y < std::min(bottom, page.height()); ++y)
            for (int x = 0; x < page.width(); ++x) n += Luma(ColourAt(page, x, y)) < 60;
        return n;
    }
    // The typeset text in writing order (it is written a character at a
    // time).
    std::string Written() const {
        std::string all;
        for (const TextRecorder::Piece& p : text.pieces) all += p.text;
        return all;
    }
    // The longest run of one colour along a row of the page.
    static int LongestRowRun(const QImage& page, COLORREF c) {
        int best = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0, run = 0; x < page.width(); ++x) {
                run = ColourAt(page, x, y) == c ? run + 1 : 0;
                best = std::max(best, run);
            }
        return best;
    }

    InRunDir run;
    std::unique_ptr<CPemroView> view = MakeView();
    TextRecorder text;
    std::vector<QImage> pages;
    std::vector<int> offsets;
};

// The print shows the lecture text in dark colours, the curve and the axes.
TEST_F(PrintedPageTest, TextCurveAndAxesShowOnWhitePaper) {
    const COLORREF curve = PrintableColour(RGB(0, 255, 255)); // default curve colour
    const COLORREF axes = PrintableColour(RGB(0, 255, 0));    // default axes colour
    Print(QSize(620, 877), 1, 1);                             // A4 at 75 dpi
    ASSERT_EQ(pages.size(), 1u);
    const QImage& page = pages[0];

    ASSERT_NE(Written().find(Gbk(u8"函数菜单的使用说明")), std::string::npos);
    ASSERT_NE(Written().find(Gbk(u8"下图是")), std::string::npos);
    for (const TextRecorder::Piece& p : text.pieces) EXPECT_LE(Luma(p.colour), kMaxPrintLuma);
    // The title and four lines of text stand above the figure, about a fifth
    // of the page.
    EXPECT_GT(DarkPixels(page, 0, page.height() / 6), 2000);
    EXPECT_GT(CountColour(page, curve), 300);
    EXPECT_GT(LongestRowRun(page, axes), page.width() / 3); // the x axis
    EXPECT_EQ(CountColour(page, kWhite, 0, 0, page.width(), 5), page.width() * 5);
}

// The count of pages comes from the last screen paint, for the preview and
// for the print after it alike; every printed page advances 17/18 of a
// page, also when the print starts after page 1.
TEST_F(PrintedPageTest, PagesSliceThePageInSeventeenEighteenths) {
    const UINT count = PageCount();
    EXPECT_EQ(count, UINT(view->m_sizeScrollTotal.cy / kPageHeight));
    Print(QSize(600, 900), 1, 3);
    EXPECT_EQ(offsets, std::vector<int>({0, 850, 1700}));
    EXPECT_EQ(PageCount(), count);
    Print(QSize(600, 900), 2, 3);
    EXPECT_EQ(offsets, std::vector<int>({850, 1700}));
}

// The figure belongs to page 1: the next slice does not draw it again.
TEST_F(PrintedPageTest, LaterPagesDoNotRepeatTheFigure) {
    const COLORREF curve = PrintableColour(RGB(0, 255, 255));
    Print(QSize(620, 877), 1, 2);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_GT(CountColour(pages[0], curve), 300);
    EXPECT_EQ(CountColour(pages[1], curve), 0);
}

// After printing the screen colours of the preset come back; the page
// background takes the default of the printing hooks.
TEST_F(PrintedPageTest, ScreenColoursReturnAfterPrinting) {
    Print(QSize(300, 424), 1, 1);
    EXPECT_EQ(view->m_acrPalette[4], kWhite); // chapter colour of 方式1
    EXPECT_EQ(view->m_acrPalette[7], kWhite);
    EXPECT_EQ(view->m_crCurve, RGB(0, 255, 255));
    EXPECT_EQ(view->m_crBackground, RGB(50, 70, 120));
    EXPECT_EQ(view->m_nBackgroundMode, 1);
    EXPECT_TRUE(view->HasPendingPaint());
}

// 打印原色 prints what the screen shows.
TEST_F(PrintedPageTest, OriginalColoursPrintAsShown) {
    view->OnCommand(34304);
    Print(QSize(300, 424), 1, 1);
    ASSERT_FALSE(text.pieces.empty());
    EXPECT_EQ(text.pieces.front().text, Gbk(u8"函")); // the title
    EXPECT_EQ(text.pieces.front().colour, kWhite);
    EXPECT_EQ(ColourAt(pages[0], 2, 2), kBlack);
}

} // namespace
