// The scrolling view base and its window: when passes run, what they are
// clipped to, what persists between them, scrolling and the client DC.
#include "platform/scroll_view.h"
#include "platform/view_widget.h"
#include "test_support.h"
#include "view/math/page_step.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Records every pass; can invalidate or resize from inside a pass.
class CTestView : public CScrollView {
public:
    void OnDraw(CDC* pDC) override {
        CRect box;
        pDC->GetClipBox(&box);
        clipBoxes.push_back(box);
        deviceClips.push_back(pDC->GetClipRect());
        origins.push_back(pDC->GetViewportOrg());
        if (fill) pDC->FillSolidRect(box, colour);
        if (invalidateInPass > 0) {
            --invalidateInPass;
            Invalidate();
        }
        if (alwaysInvalidate) InvalidateRect(&alwaysRect);
        if (resizeInPass.cx > 0) {
            imageDuringPass = &BackingImage();
            ResizeClient(resizeInPass.cx, resizeInPass.cy);
            resizeInPass = CSize();
            sameImageAfterResize =
                imageDuringPass == &BackingImage() && BackingImage().width() == widthAtStart;
        }
        if (updateInPass) {
            updateInPass = false;
            Invalidate();
            UpdateWindow(); // must not start a pass inside this one
            nestedPassesSeen = int(clipBoxes.size());
        }
    }
    void OnLButtonDown(UINT flags, CPoint p) override {
        downFlags = flags;
        downPoint = p;
    }

    int Passes() const { return int(clipBoxes.size()); }

    std::vector<CRect> clipBoxes;
    std::vector<CRect> deviceClips;
    std::vector<CPoint> origins;
    bool fill = true;
    COLORREF colour = RGB(255, 0, 0);
    int invalidateInPass = 0;
    bool alwaysInvalidate = false;
    CRect alwaysRect = CRect(0, 0, 5, 5);
    CSize resizeInPass;
    const QImage* imageDuringPass = nullptr;
    int widthAtStart = 0;
    bool sameImageAfterResize = false;
    bool updateInPass = false;
    int nestedPassesSeen = 0;
    UINT downFlags = 0;
    CPoint downPoint;
};

// A window side that only counts what the view asks of it.
class CCountingHost : public CViewHost {
public:
    void ScheduleRender() override { ++schedules; }
    void ScrollSizesChanged() override { ++sizeChanges; }
    void PresentAndWait(int) override { ++presents; }
    void SetMouseCapture(bool on) override { capture = on; }
    void SetTitle(const std::string&) override {}
    void RefreshScreen() override { ++refreshes; }
    int schedules = 0, sizeChanges = 0, presents = 0, refreshes = 0;
    bool capture = false;
};

COLORREF PixelAt(const CScrollView& view, int x, int y) {
    return test_support::ColourAt(view.BackingImage(), x, y);
}

// A view of 200 x 100 whose first full pass has run.
void Prepare(CTestView& view, int cx = 200, int cy = 100) {
    view.ResizeClient(cx, cy);
    ASSERT_EQ(view.RenderPending(), 1);
    view.clipBoxes.clear();
    view.deviceClips.clear();
    view.origins.clear();
}

} // namespace

TEST(ScrollView, ResizeInvalidatesTheWholeClient) {
    CTestView view;
    view.ResizeClient(200, 100);
    EXPECT_TRUE(view.HasPendingPaint());
    EXPECT_EQ(view.RenderPending(), 1);
    EXPECT_EQ(view.clipBoxes[0], CRect(0, 0, 200, 100));
    EXPECT_EQ(view.BackingImage().format(), QImage::Format_RGB32);
    EXPECT_FALSE(view.HasPendingPaint());
    EXPECT_EQ(view.RenderPending(), 0); // nothing invalid: no pass
}

TEST(ScrollView, TwoInvalidationsMakeOnePassOverTheirUnion) {
    CTestView view;
    Prepare(view);
    CRect a(10, 10, 20, 20), b(50, 40, 60, 70);
    view.InvalidateRect(&a);
    view.InvalidateRect(&b);
    EXPECT_EQ(view.RenderPending(), 1);
    EXPECT_EQ(view.clipBoxes[0], CRect(10, 10, 60, 70));
}

TEST(ScrollView, InvalidationOutsideTheClientIsClippedOrIgnored) {
    CTestView view;
    Prepare(view);
    CRect outside(300, 300, 400, 400);
    view.InvalidateRect(&outside);
    EXPECT_FALSE(view.HasPendingPaint());
    CRect across(150, 80, 260, 140);
    view.InvalidateRect(&across);
    EXPECT_EQ(view.RenderPending(), 1);
    EXPECT_EQ(view.clipBoxes[0], CRect(150, 80, 200, 100));
}

TEST(ScrollView, InvalidateInsideAPassRunsASecondPass) {
    CTestView view;
    Prepare(view);
    view.invalidateInPass = 1;
    view.Invalidate();
    EXPECT_EQ(view.RenderPending(), 2);
    EXPECT_FALSE(view.HasPendingPaint());
}

TEST(ScrollView, PassesPerCallAreCappedAndTheRestIsScheduled) {
    CTestView view;
    CCountingHost host;
    view.SetHost(&host);
    Prepare(view);
    view.alwaysInvalidate = true;
    view.Invalidate();
    const int schedulesBefore = host.schedules;
    EXPECT_EQ(view.RenderPending(), 4);
    EXPECT_TRUE(view.HasPendingPaint());
    EXPECT_GT(host.schedules, schedulesBefore); // the rest runs on a later turn
    EXPECT_EQ(view.clipBoxes.back(), CRect(0, 0, 5, 5));
    view.SetHost(nullptr);
}

TEST(ScrollView, InvalidateAsksTheHostAndAPassRefreshesTheScreen) {
    CTestView view;
    CCountingHost host;
    view.SetHost(&host);
    view.ResizeClient(100, 50);
    EXPECT_GE(host.schedules, 1);
    EXPECT_EQ(host.refreshes, 0); // nothing drawn yet
    view.RenderPending();
    EXPECT_EQ(host.refreshes, 1);
    view.SetHost(nullptr);
}

TEST(ScrollView, ScrollPositionIsClampedToThePage) {
    CTestView view;
    Prepare(view);
    view.SetScrollSizes(MM_TEXT, CSize(1000, 3000));
    view.ScrollToPosition(CPoint(-5, 5000));
    EXPECT_EQ(view.GetScrollPosition(), CPoint(0, 2900));
    view.ScrollToPosition(CPoint(50, 100));
    EXPECT_EQ(view.GetScrollPosition(), CPoint(50, 100));
    view.ScrollToPosition(CPoint(900, 0));
    EXPECT_EQ(view.GetScrollPosition(), CPoint(800, 0));
    // A page shorter than the window does not scroll.
    view.SetScrollSizes(MM_TEXT, CSize(150, 80));
    EXPECT_EQ(view.GetScrollPosition(), CPoint(0, 0));
    view.ScrollToPosition(CPoint(10, 10));
    EXPECT_EQ(view.GetScrollPosition(), CPoint(0, 0));
}

TEST(ScrollView, NegativeTotalSizeCountsAsEmpty) {
    CTestView view;
    Prepare(view);
    view.SetScrollSizes(MM_TEXT, CSize(-10, -2000));
    EXPECT_EQ(view.GetTotalSize(), CSize(0, 0));
    view.ScrollToPosition(CPoint(5, 5));
    EXPECT_EQ(view.GetScrollPosition(), CPoint(0, 0));
}

TEST(ScrollView, ScrollingRepaintsTheWholeClientInPageCoordinates) {
    CTestView view;
    Prepare(view);
    view.SetScrollSizes(MM_TEXT, CSize(200, 1000));
    EXPECT_FALSE(view.HasPendingPaint()); // position unchanged
    view.ScrollToPosition(CPoint(0, 300));
    EXPECT_EQ(view.RenderPending(), 1);
    EXPECT_EQ(view.clipBoxes[0], CRect(0, 300, 200, 400));
    EXPECT_EQ(view.deviceClips[0], CRect(0, 0, 200, 100));
    EXPECT_EQ(view.origins[0], CPoint(0, -300));
    // A smaller invalidation after scrolling: its clip box is in the page.
    CRect r(10, 10, 20, 20);
    view.InvalidateRect(&r);
    view.RenderPending();
    EXPECT_EQ(view.clipBoxes[1], CRect(10, 310, 20, 320));
    // Scrolling to the same place changes nothing.
    view.ScrollToPosition(CPoint(0, 300));
    EXPECT_FALSE(view.HasPendingPaint());
}

TEST(ScrollView, ShrinkingTheTotalMovesThePositionAndRepaints) {
    CTestView view;
    CCountingHost host;
    view.SetHost(&host);
    Prepare(view);
    view.SetScrollSizes(MM_TEXT, CSize(200, 1000));
    view.ScrollToPosition(CPoint(0, 800));
    view.RenderPending();
    const int changes = host.sizeChanges;
    view.SetScrollSizes(MM_TEXT, CSize(200, 500));
    EXPECT_EQ(view.GetScrollPosition(), CPoint(0, 400));
    EXPECT_TRUE(view.HasPendingPaint());
    EXPECT_GT(host.sizeChanges, changes);
    view.SetHost(nullptr);
}

TEST(ScrollView, WhatAPassDoesNotRepaintPersists) {
    CTestView view;
    Prepare(view); // filled red
    view.colour = RGB(0, 0, 255);
    CRect r(0, 0, 10, 10);
    view.InvalidateRect(&r);
    view.RenderPending();
    EXPECT_EQ(PixelAt(view, 5, 5), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(view, 9, 9), RGB(0, 0, 255));
    EXPECT_EQ(PixelAt(view, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(view, 150, 50), RGB(255, 0, 0));
}

TEST(ScrollView, ResizeKeepsTheOldPictureAndBlackensTheNewArea) {
    CTestView view;
    Prepare(view); // 200 x 100 red
    view.ResizeClient(300, 150);
    EXPECT_EQ(view.BackingImage().size(), QSize(300, 150));
    EXPECT_EQ(PixelAt(view, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(view, 199, 99), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(view, 250, 20), RGB(0, 0, 0));
    EXPECT_EQ(PixelAt(view, 20, 120), RGB(0, 0, 0));
    EXPECT_EQ(view.RenderPending(), 1);
    EXPECT_EQ(view.clipBoxes[0], CRect(0, 0, 300, 150));
}

TEST(ScrollView, AnEmptyClientRunsNoPass) {
    CTestView view;
    view.Invalidate();
    EXPECT_EQ(view.RenderPending(), 0);
    view.ResizeClient(0, 50);
    EXPECT_EQ(view.RenderPending(), 0);
    view.ResizeClient(-20, -20);
    EXPECT_TRUE(view.BackingImage().isNull());
    EXPECT_EQ(view.RenderPending(), 0);
}

TEST(ScrollView, AResizeDuringAPassWaitsForThePassToEnd) {
    CTestView view;
    Prepare(view);
    view.widthAtStart = 200;
    view.resizeInPass = CSize(120, 60);
    view.Invalidate();
    view.RenderPending();
    EXPECT_TRUE(view.sameImageAfterResize);
    EXPECT_EQ(view.BackingImage().size(), QSize(120, 60));
    // The resize invalidated the new client; its pass ran in the same call.
    EXPECT_EQ(view.Passes(), 2);
    EXPECT_EQ(view.clipBoxes[1], CRect(0, 0, 120, 60));
}

TEST(ScrollView, UpdateWindowInsideAPassStartsNoNestedPass) {
    CTestView view;
    Prepare(view);
    view.updateInPass = true;
    view.Invalidate();
    EXPECT_EQ(view.RenderPending(), 2);
    EXPECT_EQ(view.nestedPassesSeen, 1); // still in the first pass
}

TEST(ScrollView, UpdateWindowRendersAtOnce) {
    CTestView view;
    Prepare(view);
    view.Invalidate();
    view.UpdateWindow();
    EXPECT_EQ(view.Passes(), 1);
    EXPECT_FALSE(view.HasPendingPaint());
}

TEST(ScrollView, ClientDcDrawsInClientCoordinatesOnTheWholeImage) {
    CTestView view;
    CCountingHost host;
    view.SetHost(&host);
    Prepare(view);
    view.SetScrollSizes(MM_TEXT, CSize(200, 1000));
    view.ScrollToPosition(CPoint(0, 300));
    view.RenderPending();
    const int refreshes = host.refreshes;
    {
        CClientDC dc(&view);
        CRect box;
        dc.GetClipBox(&box);
        EXPECT_EQ(box, CRect(0, 0, 200, 100));
        EXPECT_EQ(dc.GetViewportOrg(), CPoint(0, 0));
        dc.FillSolidRect(CRect(0, 0, 5, 5), RGB(0, 255, 0));
    }
    EXPECT_EQ(PixelAt(view, 2, 2), RGB(0, 255, 0));
    EXPECT_EQ(PixelAt(view, 6, 6), RGB(255, 0, 0));
    EXPECT_EQ(host.refreshes, refreshes + 1);
    view.SetHost(nullptr);
}

TEST(ScrollView, CaptureAndPausesGoToTheHostAndAreHarmlessWithout) {
    CTestView view;
    view.SetCapture();
    view.ShowAndWait(1000); // headless: returns at once
    view.ReleaseCapture();
    CCountingHost host;
    view.SetHost(&host);
    view.SetCapture();
    EXPECT_TRUE(host.capture);
    view.ReleaseCapture();
    EXPECT_FALSE(host.capture);
    view.ShowAndWait(10);
    EXPECT_EQ(host.presents, 1);
    view.SetHost(nullptr);
}

// --- The window ---------------------------------------------------------------

TEST(ViewWidget, PassesRunFromTheEventLoopAndPaintsOnlyCopy) {
    auto owned = std::make_unique<CTestView>();
    CTestView* view = owned.get();
    CViewWidget widget(std::move(owned));
    widget.resize(300, 200);
    widget.show();
    QApplication::processEvents();
    ASSERT_GE(view->Passes(), 1);
    const QSize client = widget.viewport()->size();
    EXPECT_EQ(view->BackingImage().size(), client);

    const int passes = view->Passes();
    view->Invalidate();
    EXPECT_EQ(view->Passes(), passes); // not inside the caller
    QApplication::processEvents();
    EXPECT_EQ(view->Passes(), passes + 1);

    widget.viewport()->repaint(); // an uncovered window: no pass
    QApplication::processEvents();
    EXPECT_EQ(view->Passes(), passes + 1);
}

TEST(ViewWidget, ScrollBarsFollowTheViewAndMoveIt) {
    auto owned = std::make_unique<CTestView>();
    CTestView* view = owned.get();
    CViewWidget widget(std::move(owned));
    widget.resize(300, 200);
    widget.show();
    QApplication::processEvents();
    view->SetScrollSizes(MM_TEXT, CSize(100, 2000));
    QApplication::processEvents();
    const int clientHeight = widget.viewport()->height();
    EXPECT_EQ(widget.verticalScrollBar()->maximum(), 2000 - clientHeight);
    widget.verticalScrollBar()->setValue(500);
    EXPECT_EQ(view->GetScrollPosition(), CPoint(0, 500));
    QApplication::processEvents();
    EXPECT_EQ(view->clipBoxes.back().top, 500);
    view->ScrollToPosition(CPoint(0, 100));
    EXPECT_EQ(widget.verticalScrollBar()->value(), 100);
}

TEST(ViewWidget, MousePressReachesTheViewInClientCoordinates) {
    auto owned = std::make_unique<CTestView>();
    CTestView* view = owned.get();
    CViewWidget widget(std::move(owned));
    widget.resize(300, 200);
    widget.show();
    QApplication::processEvents();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(40, 30), QPointF(40, 30), Qt::LeftButton,
                      Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(widget.viewport(), &press);
    EXPECT_EQ(view->downPoint, CPoint(40, 30));
    EXPECT_EQ(view->downFlags, MK_LBUTTON | MK_SHIFT);
}

TEST(ViewWidget, PresentAndWaitShowsTheImageWithoutAPass) {
    auto owned = std::make_unique<CTestView>();
    CTestView* view = owned.get();
    CViewWidget widget(std::move(owned));
    widget.resize(300, 200);
    widget.show();
    QApplication::processEvents();
    const int passes = view->Passes();
    view->Invalidate(); // queued; the wait must not run it inside a pass
    view->SetInPass(true);
    widget.PresentAndWait(1);
    view->SetInPass(false);
    EXPECT_EQ(view->Passes(), passes);
    EXPECT_TRUE(view->HasPendingPaint());
    view->RenderPending();
    EXPECT_EQ(view->Passes(), passes + 1);
}

// --- Page steps ----------------------------------------------------------------

// A page step goes a whole window unless that cuts a figure that fits in
// it; then it stops where none is cut, never past a whole window. Expected
// tops by hand: window [t, t + 768), figures as [top, bottom).
struct PageStepCase {
    int from, direction, maxTop, contentEnd;
    std::vector<paging::Band> figures;
    int expected;
    const char* source;
};

const PageStepCase kPageSteps[] = {
    {0, 1, 232, 1000, {}, 232, "no figure: to the page's end"},
    {0, 1, 5000, 5000, {{100, 400}}, 768, "a figure above the new window: whole step"},
    {0, 1, 232, 600, {{220, 577}}, 220, "232 cuts [220,577): it stands at the top"},
    {220, 1, 232, 600, {{220, 577}}, 220, "at the end, all shown: stays"},
    {220, 1, 232, 995, {{220, 577}}, 232, "text below the window: cut as before"},
    {0, 1, 5000, 5000, {{1000, 1600}}, 232, "1536 cuts it: the window ends at its top"},
    {0, 1, 5000, 5000, {{159, 601}, {1156, 1598}}, 159, "388 cuts the first: 159 shows it on top"},
    {159, 1, 5000, 5000, {{159, 601}, {1156, 1598}}, 927, "927 shows the second whole"},
    {0, 1, 5000, 5000, {{500, 1400}}, 768, "taller than the window: cut as before"},
    {927, -1, 5000, 5000, {{159, 601}, {1156, 1598}}, 159, "159 cuts none"},
    {1000, -1, 5000, 5000, {{100, 400}}, 400, "232 cuts [100,400): the window starts below it"},
    {1500, -1, 5000, 5000, {{1000, 1600}}, 832, "732 cuts it: it stands at the bottom"},
    {300, -1, 5000, 5000, {{100, 400}}, 0, "to the page's top"},
};

TEST(PageStep, StopsWhereNoFigureIsCut) {
    for (const PageStepCase& c : kPageSteps) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(paging::PageStepTop(c.from, c.direction, 768, c.maxTop, c.contentEnd, c.figures),
                  c.expected);
    }
}

// A view that stops every page step 37 rows on.
class CShortStepView : public CTestView {
public:
    int PageStepTop(int from, int direction) const override {
        if (HasPendingPaint()) ++stepsOnAStalePicture;
        return from + 37 * direction;
    }
    mutable int stepsOnAStalePicture = 0;
};

TEST(ViewWidget, PageStepsByKeyAndBarGoWhereTheViewSays) {
    auto owned = std::make_unique<CShortStepView>();
    CShortStepView* view = owned.get();
    CViewWidget widget(std::move(owned));
    widget.resize(300, 200);
    widget.show();
    QApplication::processEvents();
    view->SetScrollSizes(MM_TEXT, CSize(100, 2000));
    QKeyEvent down(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QApplication::sendEvent(&widget, &down);
    EXPECT_EQ(view->GetScrollPosition().y, 37);
    widget.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(view->GetScrollPosition().y, 74);
    widget.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(view->GetScrollPosition().y, 37);
    // Held down, the key's steps come before the event loop runs: each is
    // still taken on the picture of the step before.
    for (int i = 0; i < 3; ++i) QApplication::sendEvent(&widget, &down);
    EXPECT_EQ(view->GetScrollPosition().y, 148);
    EXPECT_EQ(view->stepsOnAStalePicture, 0);
    // End and Home: the last screen (2000 - 200 rows high) and the top.
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QApplication::sendEvent(&widget, &end);
    EXPECT_EQ(view->GetScrollPosition().y, 2000 - widget.viewport()->height());
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::ControlModifier);
    QApplication::sendEvent(&widget, &home);
    EXPECT_EQ(view->GetScrollPosition().y, 0);
}
