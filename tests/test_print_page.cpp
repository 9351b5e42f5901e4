// Printed pages: the print colours, and a sample page drawn through the
// printing hooks on page images as the print and the preview draw them.
#include "platform/print.h"
#include "test_support.h"
#include "view/print_colours.h"

#include <filesystem>
#include <fstream>
#include <vector>

using namespace test_support;

namespace {

int Luma(COLORREF c) {
    return (299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c)) / 1000;
}

// Colours of the default screen and of the presets, as they print.
TEST(PrintColours, LightColoursDarkenToReadOnWhite) {
    const COLORREF cases[][2] = {
        {RGB(255, 255, 255), RGB(0, 0, 0)},       // white text prints black
        {RGB(216, 216, 216), RGB(100, 100, 100)}, // a light grey stays grey
        {RGB(0, 255, 255), RGB(0, 143, 143)},     // luma 178: x 100/178
        {RGB(255, 255, 0), RGB(113, 113, 0)},     // luma 225, not grey
        {RGB(150, 0, 0), RGB(150, 0, 0)},         // luma 44: dark enough
    };
    for (const auto& c : cases) EXPECT_EQ(PrintableColour(c[0]), c[1]) << std::hex << c[0];
    for (int v = 0; v < 256 * 256 * 256; v += 4099) EXPECT_LE(Luma(PrintableColour(v)), 100);
}

// Sheets of A4 at 150 dpi less the printer's margins.
const QSize kA4Sheet(1170, 1654);

// Printed as File > 打印 prints: the sheets counted for the paper, every
// sheet kept. A sheet is blank when nothing but the page number (in its
// lowest tenth) is dark on it.
std::vector<QImage> PrintSheets(CPemroView* view) {
    CPrintInfo info;
    std::vector<QImage> sheets;
    if (!PreparePrintInfo(view, &info, kA4Sheet)) return sheets;
    DrawPrintPages(view, &info, info.m_nMinPage, info.m_nMaxPage, kA4Sheet,
                   [&](const QImage& sheet) {
                       sheets.push_back(sheet.copy());
                       return true;
                   });
    return sheets;
}

bool IsBlankSheet(const QImage& sheet) {
    for (int y = 0; y < sheet.height() * 9 / 10; ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if (qGray(sheet.pixel(x, y)) < 160) return false;
    return true;
}

// A page that ends within the window prints on one sheet, whatever the
// window's height; a longer page prints no blank sheet at its end.
TEST(PrintedSheets, AsManyAsThePageFillsAndNoBlankOne) {
    InRunDir run;
    const struct {
        const char* topic;
        int width, height;
        size_t sheets; // 0: more than one
    } cases[] = {
        {"203", 1266, 780, 1}, {"203", 1010, 600, 1},  {"203", 1266, 400, 1},
        {"363", 1586, 820, 1}, {"2100", 1266, 780, 0}, {"202", 1266, 780, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.topic) + " at " + std::to_string(c.height));
        auto view = MakeView();
        view->ResetTopic(-1);
        view->m_strTopicCode = c.topic;
        view->ResizeClient(c.width, c.height);
        while (view->HasPendingPaint()) view->RenderPending();
        const std::vector<QImage> sheets = PrintSheets(view.get());
        ASSERT_FALSE(sheets.empty());
        if (c.sheets)
            EXPECT_EQ(sheets.size(), c.sheets);
        else
            EXPECT_GT(sheets.size(), 1u);
        EXPECT_FALSE(IsBlankSheet(sheets.back()));
    }
}

// A figure that the 17/18 slicing would cut at the first sheet's bottom and
// start above the second sheet's top (so that neither showed it whole)
// prints whole on the second sheet: the ε-δ picture's blue box shows.
TEST(PrintedSheets, AFigureAtASheetEdgePrintsWholeOnTheNext) {
    ScratchDir scratch("sheet-edge");
    std::filesystem::create_directories("data");
    std::string text = "014T\n";
    for (int i = 0; i < 26; ++i) text += "107  line\n"; // the figure starts 0.87 sheets down
    text += "700Limit(0.3,3,34,9,29,0,0,-8,8,-0.5,1.3,-8,8)\n";
    for (int i = 0; i < 11; ++i) text += "107\n";
    std::ofstream("data/t.txt", std::ios::binary) << Gbk(text + "107  end\n");
    auto view = MakeView();
    view->ResetTopic(-1);
    view->m_strTopicCode = "t";
    view->ResizeClient(1266, 780);
    while (view->HasPendingPaint()) view->RenderPending();
    const std::vector<QImage> sheets = PrintSheets(view.get());
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(CountColour(sheets[0], RGB(0, 0, 250)), 0);
    EXPECT_GT(CountColour(sheets[1], RGB(0, 0, 250)), 1000);
}

// The function-menu page (text, then a graph) shown in 方式1, white text on
// black, at 1280 x 960, then printed.
class PrintedPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        view->ResetTopic(-1);
        view->m_strTopicCode = "233";
        view->ResizeClient(kPageWidth, kPageHeight);
        view->OnCommand(33783); // 显示 > 方式1
        view->Invalidate();
        while (view->HasPendingPaint()) view->RenderPending();
    }
    UINT PageCount() {
        CPrintInfo info;
        view->OnPreparePrinting(&info);
        return info.GetMaxPage();
    }
    // Pages [from, to] on images of `size`; the text and the print offset
    // of each page are kept.
    void Print(const QSize& size, UINT from, UINT to) {
        pages.clear(), offsets.clear(), text.pieces.clear();
        CPrintInfo info;
        view->OnPreparePrinting(&info);
        view->m_pTextSink = &text;
        ASSERT_TRUE(DrawPrintPages(view.get(), &info, from, to, size, [this](const QImage& p) {
            pages.push_back(p.copy());
            offsets.push_back(view->m_nPrintOffsetY);
            return true;
        }));
        view->m_pTextSink = nullptr;
    }

    InRunDir run;
    std::unique_ptr<CPemroView> view = MakeView();
    TextRecorder text;
    std::vector<QImage> pages;
    std::vector<int> offsets;
};

// The print holds the lecture text in dark colours, the curve and the x
// axis, on white; the next page does not repeat the figure.
TEST_F(PrintedPageTest, TextCurveAndAxesShowOnWhitePaperOnce) {
    const COLORREF curve = RGB(0, 143, 143), axes = RGB(0, 171, 0); // cyan, green printed
    Print(QSize(620, 877), 1, 2);                                   // A4 at 75 dpi
    ASSERT_EQ(pages.size(), 2u);
    std::string written;
    for (const TextRecorder::Piece& p : text.pieces) {
        written += p.text;
        EXPECT_LE(Luma(p.colour), 100);
    }
    EXPECT_NE(written.find(Gbk(u8"函数菜单的使用说明下图是")), std::string::npos);
    int dark = 0, longestAxisRun = 0;
    for (int y = 0; y < pages[0].height(); ++y)
        for (int x = 0, run = 0; x < pages[0].width(); ++x) {
            const COLORREF c = ColourAt(pages[0], x, y);
            dark += y < pages[0].height() / 6 && Luma(c) < 60; // title and text lines
            run = c == axes ? run + 1 : 0;
            longestAxisRun = std::max(longestAxisRun, run);
        }
    EXPECT_GT(dark, 2000);
    EXPECT_GT(longestAxisRun, pages[0].width() / 3);
    EXPECT_GT(CountColour(pages[0], curve), 300);
    EXPECT_EQ(CountColour(pages[0], kWhite, 0, 0, pages[0].width(), 5), pages[0].width() * 5);
    EXPECT_EQ(CountColour(pages[1], curve), 0);
}

// Pages are counted the same before and after a print; each advances 17/18 of a printed page, also
// in a print that starts after page 1. The screen colours come back afterwards.
TEST_F(PrintedPageTest, PagesSliceTheTextAndTheScreenComesBack) {
    const UINT count = PageCount();
    const COLORREF screenBackground = view->m_crBackground;
    EXPECT_GE(count, 2u); // longer than the screen
    Print(QSize(600, 900), 1, 3);
    EXPECT_EQ(offsets, std::vector<int>({0, 850, 1700}));
    EXPECT_EQ(PageCount(), count);
    Print(QSize(600, 900), 2, 3);
    EXPECT_EQ(offsets, std::vector<int>({850, 1700}));
    EXPECT_EQ(view->m_acrPalette[4], kWhite); // chapter colour of 方式1
    EXPECT_EQ(view->m_crCurve, RGB(0, 255, 255));
    EXPECT_EQ(view->m_crBackground, screenBackground);
    EXPECT_TRUE(view->HasPendingPaint());
}

} // namespace

namespace {

// A printed page has no buttons: the captions of the mesh buttons stay off
// the paper, while the figure's own labels print (317, the Taylor solid).
TEST(PrintedSheets, ButtonCaptionsStayOffThePaper) {
    InRunDir run;
    TextRecorder text;
    auto view = MakeView();
    view->ResetTopic(-1);
    view->m_strTopicCode = "317";
    view->ResizeClient(1266, 887);
    while (view->HasPendingPaint()) view->RenderPending();
    ASSERT_TRUE(text.pieces.empty());
    view->m_pTextSink = &text;
    ASSERT_FALSE(PrintSheets(view.get()).empty());
    view->m_pTextSink = nullptr;
    EXPECT_TRUE(text.Saw("0.75")); // a tick label of the printed figure
    EXPECT_FALSE(text.Saw("Meshx:"));
    EXPECT_FALSE(text.Saw("Meshy:"));
}

} // namespace

namespace {

// The page number prints in a band of its own at each sheet's foot: ink in
// its rows (from a 21st of the sheet up) only in the number's columns (from
// 4/9 of the width), so 212's normal-distribution figure moves on whole.
TEST(PrintedSheets, ThePageNumberHasItsBandToItself) {
    InRunDir run;
    for (const QSize window : {QSize(1266, 887), QSize(1024, 768), QSize(1920, 1080)}) {
        auto view = OpenTopic("212", nullptr, window.width(), window.height());
        while (view->HasPendingPaint()) view->RenderPending();
        const std::vector<QImage> sheets = PrintSheets(view.get());
        for (size_t s = 0; s < sheets.size(); ++s) {
            const int W = sheets[s].width(), H = sheets[s].height();
            int stray = 0, number = 0;
            for (int y = H - H / 21 - 4; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    if (qGray(sheets[s].pixel(x, y)) <= 240)
                        ++(x >= 4 * W / 9 && x < 4 * W / 9 + W / 8 ? number : stray);
            EXPECT_EQ(stray, 0) << window.width() << " sheet " << s + 1;
            EXPECT_GT(number, 20) << window.width() << " sheet " << s + 1;
        }
    }
}

} // namespace
