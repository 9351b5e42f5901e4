// The print preview: page boxes and placement, the bar's buttons, paging,
// zoom and the go-to-page box, and the printed pages it shows.
#include "platform/system.h"
#include "preview/pre_view.h"
#include "preview/preview_pages.h"
#include "test_support.h"

#include <string>
#include <vector>

using namespace test_support;

namespace {

// A view whose print has a given number of pages and draws nothing.
class CPagesView : public CScrollView {
public:
    explicit CPagesView(UINT pages) : m_nPages(pages) {}
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override {
        pInfo->SetMaxPage(m_nPages);
        return TRUE;
    }
    UINT m_nPages;
};

// A4 at 600 dpi, printed whole; small page images keep the tests fast.
CPreviewPaper A4() {
    CPreviewPaper paper;
    paper.printerPPI = CSize(600, 600);
    paper.paper = paper.printable = CSize(4960, 7016);
    return paper;
}

// A preview of a document of `pages` pages in a 1000 x 700 window.
struct Preview {
    explicit Preview(UINT pages, UINT perScreen = 1) : doc(pages) {
        EXPECT_TRUE(view.SetPrintView(&doc, A4(), CSize(62, 88), perScreen));
        view.ResizeClient(1000, 700);
        view.OnSize(1000, 700, 0);
        view.RenderPending();
    }
    bool Enabled(UINT id) {
        CCmdUI ui;
        ui.m_nID = id;
        EXPECT_TRUE(view.OnUpdateCommand(&ui));
        return ui.m_bEnabled;
    }
    CPagesView doc;
    CPreView view;
};

// Messages the preview shows, instead of boxes.
struct Messages {
    Messages() {
        SetMessageBoxSink([this](const std::string& text) { shown.push_back(text); });
    }
    ~Messages() { SetMessageBoxSink(nullptr); }
    std::vector<std::string> shown;
};

} // namespace

// Boxes of one, two, three and ten pages in a 1000 x 700 window, by hand:
// width (1000 - 8 (n + 1)) / n, columns (1000 - 8) / n apart; ten pages in
// two rows of five, (700 - 8) / 2 apart and (700 - 24) / 2 high.
TEST(PreviewLayout, PageBoxesOfAThousandBySevenHundredWindow) {
    struct Case {
        UINT pages;
        int sb, boxW, boxH, column, row;
    } cases[] = {
        {1, 0, 984, 684, 992, 0},    {2, 0, 488, 684, 496, 0},     {3, 0, 322, 684, 330, 0},
        {10, 0, 182, 338, 198, 346}, {10, 17, 179, 338, 195, 346}, // a page bar 17 wide
    };
    for (const Case& c : cases) {
        const CPageDisplay d = CalcPageDisplaySize(CSize(1000, 700), c.pages, c.sb);
        EXPECT_EQ(d.box, CSize(c.boxW, c.boxH)) << c.pages;
        EXPECT_EQ(d.secondPageOffset, c.column) << c.pages;
        EXPECT_EQ(d.secondRowOffset, c.row) << c.pages;
    }
    // Narrower than its margins: boxes of a pixel, nothing wraps round.
    EXPECT_EQ(CalcPageDisplaySize(CSize(50, 10), 10, 17).box, CSize(1, 1));
}

// Moves of the zoomed-out page bar in a document of pages 1 to 50: a page
// step is (50 - 1 + 9) / 10 = 5 pages; tracking the thumb moves nothing.
TEST(PreviewLayout, PageBarMovesStayInTheDocument) {
    struct Case {
        UINT code, thumb, current, expected;
    } cases[] = {
        {SB_LINEUP, 0, 1, 1},     {SB_LINEDOWN, 0, 50, 50},      {SB_PAGEUP, 0, 2, 1},
        {SB_PAGEDOWN, 0, 48, 50}, {SB_PAGEDOWN, 0, 10, 15},      {SB_TOP, 0, 30, 1},
        {SB_BOTTOM, 0, 3, 50},    {SB_THUMBPOSITION, 17, 3, 17}, {SB_THUMBTRACK, 17, 3, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageAfterScroll(c.code, c.thumb, c.current, 1, 50), c.expected) << c.code;
    // Sheet sizes round to the nearest pixel, halves away from zero.
    EXPECT_EQ(MulDiv(4960, 96, 600), 794); // 793.6
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(5, 3, 0), 0);
}

// An A4 sheet (794 x 1123 screen pixels at 96 dpi) placed by hand: one page
// fits the height at 684/1123; ten pages fit the width at 182/794, slot 6
// standing in the second column of the second row.
TEST(PreviewLayout, SheetsArePlacedInTheirSlots) {
    Preview one(12, 1);
    EXPECT_EQ(one.view.m_aPageLayout[0].sizePage, CSize(794, 1123));
    EXPECT_EQ(one.view.m_aPageLayout[0].sizeScale, CSize(684, 1123));
    EXPECT_EQ(one.view.m_aPageLayout[0].rcScreen, CRect(255, 6, 742, 693));
    Preview ten(12, 10);
    ten.view.OnSize(1000, 700, 0); // as if the page bar took no room
    ten.view.RenderPending();
    EXPECT_EQ(ten.view.m_aPageLayout[6].sizeScale, CSize(182, 794));
    EXPECT_EQ(ten.view.m_aPageLayout[6].rcScreen, CRect(204, 392, 389, 652));
    EXPECT_EQ(ten.view.m_strStatus, u8"第 1-10 页");
}

// The bar's buttons for documents of 2 and of 12 pages.
TEST(PreviewCommands, ButtonsFollowThePagesShown) {
    const UINT ids[] = {ID_PREVIEW_NUMPAGE,   ID_PREVIEW_NEXT,    ID_PREVIEW_PREV,
                        ID_PREVIEW_THREEPAGE, ID_PREVIEW_TENPAGE, ID_PREVIEW_ZOOMIN,
                        ID_PREVIEW_ZOOMOUT};
    auto states = [&](Preview& p) {
        std::string s;
        for (UINT id : ids) s += p.Enabled(id) ? '1' : '0';
        return s;
    };
    Preview two(2);
    EXPECT_EQ(states(two), "1100010");
    EXPECT_STREQ(two.view.NumPageText(), "Two Page");
    two.view.OnNumPageChange(); // both pages shown
    EXPECT_EQ(states(two), "1000010");
    EXPECT_STREQ(two.view.NumPageText(), "One Page");
    two.view.OnThreePage(); // shown already: the button stays usable
    EXPECT_EQ(states(two), "1001010");

    Preview twelve(12);
    EXPECT_EQ(states(twelve), "1101110");
    twelve.view.SetCurrentPage(3, TRUE);
    twelve.view.OnTenPage(); // pages 3 to 12: nothing further
    EXPECT_EQ(states(twelve), "1011110");
    twelve.view.OnZoomIn();
    EXPECT_EQ(states(twelve), "0110011");
    twelve.view.OnZoomIn();
    EXPECT_EQ(states(twelve), "0110001");
}

// The go-to-page box and the page-count commands.
TEST(PreviewCommands, GoToPageSevenOfTwelve) {
    Messages messages;
    Preview p(12, 3);
    for (const char* bad : {"0", "-3", "", "13", "abc"}) {
        p.view.OnFindPage(bad);
        EXPECT_EQ(p.view.m_nPages, 3u) << bad;
        EXPECT_EQ(p.view.m_nCurrentPage, 1u) << bad;
    }
    EXPECT_EQ(messages.shown, std::vector<std::string>(5, "Page Parameter Error!"));
    p.view.OnFindPage(" 7th");
    EXPECT_EQ(p.view.m_nPages, 1u);
    EXPECT_EQ(p.view.m_nOverviewPages, 1u);
    EXPECT_EQ(p.view.m_nCurrentPage, 7u);
    p.view.RenderPending();
    EXPECT_EQ(p.view.m_strStatus, u8"第 7 页");
    // "One Page" from ten pages shows one; again, two.
    p.view.OnTenPage();
    p.view.OnNumPageChange();
    EXPECT_EQ(p.view.m_nPages, 1u);
    p.view.OnNumPageChange();
    EXPECT_EQ(p.view.m_nPages, 2u);
}

// Paging by the bar, and the zoom cycle of clicks and commands.
TEST(PreviewCommands, PageBarAndZoomCycle) {
    Preview fifty(50);
    fifty.view.SetCurrentPage(2, TRUE);
    fifty.view.OnVScroll(SB_PAGEUP, 0); // (50 - 1 + 9) / 10 = 5 back: page 1
    EXPECT_EQ(fifty.view.m_nCurrentPage, 1u);
    fifty.view.OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(fifty.view.m_nCurrentPage, 6u);
    fifty.view.OnVScroll(SB_BOTTOM, 0);
    EXPECT_EQ(fifty.view.m_nCurrentPage, 50u);

    Preview p(12, 2);
    const CRect second = p.view.m_aPageLayout[1].rcScreen;
    const CPoint onSecond((second.left + second.right) / 2, (second.top + second.bottom) / 2);
    p.view.OnLButtonDown(MK_LBUTTON, onSecond);
    EXPECT_EQ(p.view.m_nZoomState, UINT(ZOOM_MIDDLE));
    EXPECT_EQ(p.view.m_nPages, 1u);
    EXPECT_EQ(p.view.m_nCurrentPage, 2u); // the clicked page
    p.view.RenderPending();
    p.view.OnLButtonDown(MK_LBUTTON, CPoint(500, 350));
    EXPECT_EQ(p.view.m_nZoomState, UINT(ZOOM_IN));
    EXPECT_EQ(p.view.m_aPageLayout[0].sizeScale, CSize(1, 1)); // the sheet at full size
    p.view.OnZoomIn();                                         // stops at the end
    EXPECT_EQ(p.view.m_nZoomState, UINT(ZOOM_IN));
    p.view.RenderPending();
    p.view.OnLButtonDown(MK_LBUTTON, CPoint(500, 350));
    EXPECT_EQ(p.view.m_nZoomState, UINT(ZOOM_OUT));
    EXPECT_EQ(p.view.m_nPages, 2u);
    p.view.OnZoomOut();
    EXPECT_EQ(p.view.m_nZoomState, UINT(ZOOM_OUT));
}

// The function-menu page in three pages to a screen: each page is the
// printed page, numbered under its text ("- 1 -", "- 2 -" ...), and the
// screen shows them on white paper in their outlines.
TEST(PreviewPages, EachPageShowsItsNumber) {
    InRunDir run;
    auto page = MakeView();
    page->ResetTopic(-1);
    page->m_strTopicCode = "2100"; // four A4 sheets long
    page->ResizeClient(1000, 300);
    page->Invalidate();
    while (page->HasPendingPaint()) page->RenderPending();

    // The page images: the label of each stands a little right of the
    // middle, a 21st of the page above its bottom, and differs by its digit.
    CPrintInfo info;
    page->OnPreparePrinting(&info);
    ASSERT_GE(info.GetMaxPage(), 3u);
    const QSize size(620, 877);
    CPreviewPages pages(page.get(), &info, size);
    pages.Render(1, 3);
    const QRect label(4 * 620 / 9 - 5, 877 - 877 / 21 - 5, 150, 877 / 21 + 5);
    std::vector<QImage> labels;
    for (UINT p = 1; p <= 3; ++p) {
        const QImage* image = pages.Scaled(p, size);
        ASSERT_NE(image, nullptr);
        labels.push_back(image->copy(label));
        int dark = 0;
        for (int y = 0; y < label.height(); ++y)
            for (int x = 0; x < label.width(); ++x) dark += qGray(labels.back().pixel(x, y)) < 60;
        EXPECT_GT(dark, 10) << p;
    }
    EXPECT_NE(labels[0], labels[1]);
    EXPECT_NE(labels[1], labels[2]);

    CPreView preview;
    ASSERT_TRUE(preview.SetPrintView(page.get(), A4(), CSize(413, 585), 3));
    preview.ResizeClient(1000, 700);
    preview.OnSize(1000, 700, 0);
    preview.RenderPending();
    EXPECT_EQ(preview.m_strStatus, u8"第 1-3 页");
    const QImage& screen = preview.BackingImage();
    const CRect rc = preview.m_aPageLayout[2].rcScreen;
    EXPECT_EQ(ColourAt(screen, 2, 2), RGB(128, 128, 128));
    EXPECT_EQ(ColourAt(screen, rc.left + 3, rc.top + 3), kWhite);
    int dark = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left + 2; x < rc.right - 2; ++x) dark += qGray(screen.pixel(x, y)) < 100;
    EXPECT_GT(dark, 100);
    // The screen page comes back in its own colours afterwards.
    EXPECT_EQ(page->m_crBackground, RGB(50, 70, 120));
}

// A click zooms so that the point of the sheet under it comes to the middle
// of the window: the middle of the second page of two, in the middle state.
TEST(PreviewCommands, ZoomCentresTheClickedPoint) {
    Preview p(12, 2);
    const CRect second = p.view.m_aPageLayout[1].rcScreen;
    p.view.OnLButtonDown(
        MK_LBUTTON, CPoint((second.left + second.right) / 2, (second.top + second.bottom) / 2));
    p.view.RenderPending();
    const CRect& rc = p.view.m_aPageLayout[0].rcScreen;
    const CPoint scroll = p.view.GetScrollPosition();
    // The sheet is narrower than the window and stands in its middle; it is
    // taller, and scrolled so that its middle is the window's.
    const int x = (1000 - p.view.GetTotalSize().cx) / 2 + (rc.left + rc.right) / 2;
    const int y = (rc.top + rc.bottom) / 2 - scroll.y;
    EXPECT_NEAR(x, 500, 2);
    EXPECT_NEAR(y, 350, 2);
    EXPECT_GT(scroll.y, 0);
}
