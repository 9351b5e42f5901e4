// The page view's window side: scroll sizes and the printing hooks.
#include "test_support.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Runs a test in the sample course's run directory, as the program does.
class RunDirTest : public ::testing::Test {
protected:
    test_support::InRunDir runDir;
};

int CountNearBlack(const QImage& img, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < 60) ++n;
    return n;
}

} // namespace

TEST(ViewScrollSizes, PageHeightFollowsTheTypesetText) {
    auto view = std::make_unique<CPemroView>();
    view->m_nTextY = 900; // text ends above 1000: the page is 1000 high
    view->OnInitialUpdate();
    EXPECT_EQ(view->m_sizeScrollTotal.cy, 1000);
    view->m_nTextY = 1500; // below: 800 more than the text
    view->OnInitialUpdate();
    EXPECT_EQ(view->m_sizeScrollTotal.cy, 2300);
    // Until the next pass measures it, the page is assumed 600 lines long.
    const int h = view->m_nBaseCharHeight + view->m_nFontStep + view->m_nFormulaFontStep;
    EXPECT_EQ(view->m_nTextY, view->m_nInitialPageLines * h);
}

TEST(ViewPrinting, PageOffsetsAndPageCount) {
    auto view = std::make_unique<CPemroView>();
    view->m_nClipTop = 0;
    view->m_nClipBottom = 900;
    // Sheets of 900 start every 850 and write text down to 850 (900 - 900/18):
    // content ending at 850 takes one, at 1700 two, one pixel more three.
    // The scroll height, with its room below the text, does not count.
    view->m_sizeScrollTotal.cy = 2300;
    const struct {
        int contentEnd;
        UINT pages;
    } cases[] = {{10, 1}, {850, 1}, {851, 2}, {1700, 2}, {1701, 3}};
    for (const auto& c : cases) {
        view->m_nContentEnd = c.contentEnd;
        CPrintInfo info;
        view->OnPreparePrinting(&info);
        EXPECT_EQ(info.GetMaxPage(), c.pages) << c.contentEnd;
    }
    // Before any paint the box is empty: still one page, no division by 0.
    view->m_nClipBottom = 0;
    CPrintInfo info;
    view->OnPreparePrinting(&info);
    EXPECT_EQ(info.GetMaxPage(), 1u);
}

TEST_F(RunDirTest, PrintedPageStartsSeventeenEighteenthsDownAndIsNumbered) {
    auto view = std::make_unique<CPemroView>();
    QImage page(1000, 900, QImage::Format_RGB32);
    page.fill(Qt::white);
    CDC dc(&page);
    dc.SetPrinting(TRUE);
    CPrintInfo info;
    info.m_nCurPage = 3;
    view->OnBeginPrinting(&dc, &info);
    EXPECT_EQ(view->m_crBackground, RGB(255, 255, 255));
    EXPECT_EQ(view->m_acrPalette[7], RGB(0, 0, 0));
    // The printed page is 900 high: page 3 starts 2 * 17/18 * 900 down, also
    // when it is the first page printed after a screen box of another height.
    view->m_nClipTop = 0;
    view->m_nClipBottom = 600;
    view->OnPrint(&dc, &info);
    EXPECT_EQ(view->m_nPrintPage, 3);
    EXPECT_EQ(view->m_nPrintOffsetY, 1700);
    // The label "- 3 -" stands a little right of the middle near the bottom.
    const int x = (5 * 0 + 4 * 1000) / 9;
    const int y = 900 - 900 / 21;
    EXPECT_GT(CountNearBlack(page, QRect(x - 5, y - 5, 150, 900 - (y - 5))), 10);
    view->OnEndPrinting(&dc, &info);
    EXPECT_EQ(view->m_bPrintMode, 0);
    EXPECT_EQ(view->m_nPrintOffsetY, 0);
    // The screen shows what it showed before: the pattern on the default colour.
    EXPECT_EQ(view->m_crBackground, RGB(50, 70, 120));
    EXPECT_EQ(view->m_nBackgroundMode, -1);
}

TEST(ViewPrinting, TheScreenLooksAsBeforeAfterAPrint) {
    // 方式2 is black text on white; the default print colours put back
    // afterwards were black text on the dark picture.
    auto view = std::make_unique<CPemroView>();
    QImage page(100, 100, QImage::Format_RGB32);
    CDC dc(&page);
    CPrintInfo info;
    for (BOOL original : {FALSE, TRUE}) {
        view->OnCommand(33784); // 方式2
        view->m_bPrintOriginalColors = original;
        view->OnBeginPrinting(&dc, &info);
        EXPECT_EQ(view->m_bShowSelectionBox, 0);
        view->OnEndPrinting(&dc, &info);
        EXPECT_EQ(view->m_crBackground, RGB(255, 255, 255)) << original;
        EXPECT_EQ(view->m_nBackgroundMode, 0);
        EXPECT_EQ(view->m_crGround, RGB(0, 64, 128));
        EXPECT_EQ(view->m_acrPalette[4], RGB(0, 0, 0));
        EXPECT_EQ(view->m_acrPalette[7], RGB(0, 0, 0));
        EXPECT_EQ(view->m_bShowSelectionBox, 1);
    }
    // An end without a beginning changes nothing.
    view->OnEndPrinting(&dc, &info);
    EXPECT_EQ(view->m_crBackground, RGB(255, 255, 255));
}

TEST(ViewPrinting, OriginalColoursAreKeptWhenChosen) {
    auto view = std::make_unique<CPemroView>();
    view->m_bPrintOriginalColors = 1;
    view->m_crBackground = RGB(1, 2, 3);
    QImage page(100, 100, QImage::Format_RGB32);
    CDC dc(&page);
    CPrintInfo info;
    view->OnBeginPrinting(&dc, &info);
    EXPECT_EQ(view->m_crBackground, RGB(1, 2, 3));
    view->OnEndPrinting(&dc, &info);
    EXPECT_EQ(view->m_crBackground, RGB(1, 2, 3));
}
