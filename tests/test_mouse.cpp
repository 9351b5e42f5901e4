// The mouse and the cursor point: presses, drags, releases, the read-out of
// world coordinates, the zoom toggle, the cursor steps and the line-by-line
// display step a press triggers.
#include "platform/dc.h"
#include "platform/view_widget.h"
#include "test_support.h"
#include "view/menu_tables.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

using namespace test_support;

using V = CPemroView;

// A 2-D figure box 100..500 x 50..450 at scroll position (0, 0).
void Place2D(V* v) {
    v->m_bFigure3D = 0;
    v->m_nFigureLeft = 100;
    v->m_nFigureRight = 500;
    v->m_nFigureTop = 50;
    v->m_nFigureBottom = 450;
    v->m_nClipLeft = 0;
    v->m_nClipTop = 0;
    v->m_nClipRight = 800;
}

// Text metrics that give a line pitch of int(1.4 * 18) = 25 pixels, with
// the revealed text ending at y = 100.
void PlaceText(V* v, int mode, int count) {
    v->m_nCharHeight = 18;
    v->m_nFontStep = 0;
    v->m_dLineSpacing = 0;
    v->m_nClipLeft = 0;
    v->m_nClipTop = 0;
    v->m_nClipRight = 800;
    v->m_nRevealedTextBottom = 100;
    v->m_nTextRevealMode = mode;
    v->m_nRevealedCount = count;
}

void Settle(V* v) {
    v->ResizeClient(640, 520);
    v->RenderPending();
    ASSERT_FALSE(v->HasPendingPaint());
}

// --- Presses -----------------------------------------------------------------------------

TEST(MousePress, ExactlyOnTheLeftEdgeDoesNotDragButStepsTheText) {
    auto v = MakeView();
    Place2D(v.get());
    PlaceText(v.get(), 1, 2);
    Place2D(v.get());
    v->OnLButtonDown(MK_LBUTTON, CPoint(100, 200));
    EXPECT_EQ(v->m_bDragging, 0);
    EXPECT_EQ(v->m_nRevealedCount, 3);
    EXPECT_EQ(v->m_ptClick, CPoint(100, 200));

    v->OnLButtonDown(MK_LBUTTON, CPoint(101, 200));
    EXPECT_EQ(v->m_bDragging, 1);
    EXPECT_EQ(v->m_nRevealedCount, 3); // a press in the figure reveals nothing
}

TEST(MousePress, TheDragAreaLeavesOutTheRightAndTopStrips) {
    auto v = MakeView();
    Place2D(v.get());
    struct Case {
        CPoint p;
        bool drags;
    };
    const Case cases[] = {
        {{469, 200}, true}, {{470, 200}, false}, {{300, 71}, true},
        {{300, 70}, false}, {{300, 449}, true},  {{300, 450}, false},
    };
    for (const Case& c : cases) {
        v->m_bDragging = 0;
        v->OnLButtonDown(MK_LBUTTON, c.p);
        EXPECT_EQ(v->m_bDragging, c.drags ? 1 : 0) << c.p.x << "," << c.p.y;
    }
    // Page coordinates: the client point plus the scroll offset.
    v->m_bDragging = 0;
    v->m_nClipTop = 100;
    v->OnLButtonDown(MK_LBUTTON, CPoint(300, 0)); // page y 100
    EXPECT_EQ(v->m_bDragging, 1);
    EXPECT_EQ(v->m_ptClick, CPoint(300, 0)); // stored in client coordinates
}

TEST(MousePress, ThreeDimensionalFigureDragsOnTheBase) {
    auto v = MakeView();
    v->m_bFigure3D = 1;
    v->m_nFigureLeft = 0;
    v->m_nFigureRight = 600;
    v->m_nFigureBottom = 500;
    v->m_nProjScaleX = 100;
    v->OnLButtonDown(MK_LBUTTON, CPoint(300, 400)); // on the base's top edge
    EXPECT_EQ(v->m_bDragging, 0);
    v->OnLButtonDown(MK_LBUTTON, CPoint(300, 401));
    EXPECT_EQ(v->m_bDragging, 1);
}

TEST(MousePress, EveryPressIsANewClickAndNothingRepaints) {
    auto v = MakeView();
    Settle(v.get());
    const int serial = v->m_nClickSerial;
    v->OnLButtonDown(MK_LBUTTON, CPoint(10, 10));
    v->OnLButtonDown(MK_LBUTTON, CPoint(10, 10));
    EXPECT_EQ(v->m_nClickSerial, serial + 2);
    EXPECT_FALSE(v->HasPendingPaint());
}

TEST(MousePress, TheTextStepActsOnThisPress) {
    auto v = MakeView();
    PlaceText(v.get(), 1, 4);
    v->m_nFigureLeft = v->m_nFigureRight = 0; // no figure on the page
    // The stored point of an earlier press lies in the left strip above the
    // text; stepping on it would hide lines instead.
    v->m_ptClick = CPoint(0, 0);
    v->OnLButtonDown(MK_LBUTTON, CPoint(300, 200));
    EXPECT_EQ(v->m_nRevealedCount, 5);
}

TEST(MousePress, TheCursorIsACrossWhileTheButtonIsDown) {
    auto owned = MakeView();
    V* v = owned.get();
    CViewWidget widget(std::move(owned));
    widget.resize(400, 300);
    widget.show();
    QApplication::processEvents();
    const QPointF at(30, 30);
    QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget.viewport(), &press);
    EXPECT_EQ(v->m_ptClick, CPoint(30, 30));
    const QCursor* cursor = QGuiApplication::overrideCursor();
    EXPECT_TRUE(cursor && cursor->shape() == Qt::CrossCursor);
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget.viewport(), &release);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// --- Releases ------------------------------------------------------------------------------

void PlaceRange(V* v) {
    v->m_dXMin = -1;
    v->m_dXMax = 1;
    v->m_dYMin = 0;
    v->m_dYMax = 10;
    v->m_dYSpan = 10;
    v->m_dCursorX = 0;
    v->m_dCursorY = 5;
}

TEST(MouseRelease, TheTopFifthLeavesTheCursorPoint) {
    auto v = MakeView();
    Settle(v.get());
    PlaceRange(v.get());
    v->m_bDragging = 1;
    v->m_adMousePoint[0] = 0.5;
    v->m_adMousePoint[1] = 9;
    v->OnLButtonUp(0, CPoint());
    EXPECT_DOUBLE_EQ(v->m_dCursorX, 0);
    EXPECT_DOUBLE_EQ(v->m_dCursorY, 5);
    EXPECT_EQ(v->m_bDragging, 0);
    EXPECT_TRUE(v->HasPendingPaint());

    v->m_bDragging = 1;
    v->m_adMousePoint[1] = 8; // the edge of the top fifth is excluded
    v->OnLButtonUp(0, CPoint());
    EXPECT_DOUBLE_EQ(v->m_dCursorY, 5);

    v->m_bDragging = 1;
    v->m_adMousePoint[1] = 7.9;
    v->OnLButtonUp(0, CPoint());
    EXPECT_DOUBLE_EQ(v->m_dCursorX, 0.5);
    EXPECT_DOUBLE_EQ(v->m_dCursorY, 7.9);
}

TEST(MouseRelease, KeepsTheCursorInsideTheRange) {
    auto v = MakeView();
    PlaceRange(v.get());
    v->m_dCursorX = 0.3;
    v->m_dCursorY = 20;
    v->OnLButtonUp(0, CPoint()); // no drag
    EXPECT_DOUBLE_EQ(v->m_dCursorX, 0.3);
    EXPECT_DOUBLE_EQ(v->m_dCursorY, 5);
    v->m_dCursorX = -1; // the ends belong to the range
    v->OnLButtonUp(0, CPoint());
    EXPECT_DOUBLE_EQ(v->m_dCursorX, -1);
}

TEST(MouseRelease, ThreeDimensionalDragSetsTheSpacePoint) {
    auto v = MakeView();
    PlaceRange(v.get());
    v->m_bFigure3D = 1;
    v->m_bDragging = 1;
    v->m_adMousePoint3D[0] = 0.25;
    v->m_adMousePoint3D[1] = 9.5; // the top fifth counts in 3-D
    v->OnLButtonUp(0, CPoint());
    EXPECT_DOUBLE_EQ(v->m_adCursorPoint3D[0], 0.25);
    EXPECT_DOUBLE_EQ(v->m_adCursorPoint3D[1], 9.5);
}

// --- Moving -----------------------------------------------------------------------------------

void PlacePlot(V* v) {
    v->m_bFigure3D = 0;
    v->m_nPlotLeft = 100;
    v->m_nPlotRight = 500;
    v->m_nPlotTop = 50;
    v->m_nPlotBottom = 450;
    v->m_dXMin = 0;
    v->m_dXMax = 4;
    v->m_dYMin = 0;
    v->m_dYMax = 4;
    v->m_nClipLeft = 0;
    v->m_nClipTop = 100;
    v->m_bQuantileMode = 0;
}

TEST(MouseMove, MapsThePlotToWorldCoordinates) {
    auto v = MakeView();
    PlacePlot(v.get());
    v->m_bShowMouseCoords = 0;
    v->OnMouseMove(0, CPoint(300, 150)); // page (300, 250)
    EXPECT_DOUBLE_EQ(v->m_adMousePoint[0], 2.0);
    EXPECT_DOUBLE_EQ(v->m_adMousePoint[1], 2.0);
    v->OnMouseMove(0, CPoint(470, 150)); // the button strip: no change
    EXPECT_DOUBLE_EQ(v->m_adMousePoint[0], 2.0);
}

TEST(MouseMove, ShowsTheReadoutOnlyWhenAsked) {
    auto v = MakeView();
    v->ResizeClient(640, 520);
    PlacePlot(v.get());
    v->BackingImageRef().fill(Qt::white);
    const QImage blank = v->BackingImage().copy();
    v->m_bShowMouseCoords = 0;
    v->OnMouseMove(0, CPoint(300, 150));
    EXPECT_EQ(v->BackingImage(), blank);
    v->m_bShowMouseCoords = 1;
    v->OnMouseMove(0, CPoint(300, 150));
    EXPECT_NE(v->BackingImage(), blank);
}

TEST(MouseMove, QuantileReadoutStopsAtOne) {
    auto v = MakeView();
    v->ResizeClient(640, 520);
    PlacePlot(v.get());
    v->m_dYMax = 2;
    v->m_bQuantileMode = 1;
    v->m_nDemoOption = 2;
    v->OnMouseMove(0, CPoint(300, -20)); // page y 80: y = 1.85
    EXPECT_DOUBLE_EQ(v->m_adMousePoint[1], 1.0);
}

TEST(MouseMove, OverTheBaseOfASolidTheCursorFollows) {
    auto v = MakeView();
    v->m_bFigure3D = 1;
    v->m_nFigureLeft = 0;
    v->m_nFigureRight = 600;
    v->m_nFigureBottom = 500;
    v->m_nProjScaleX = 100;
    v->m_nProjScaleY = 200;
    v->m_nProjOriginX = 200;
    v->m_dObliqueFactor = 0.5;
    v->m_dXMin = -2;
    v->m_dXMax = 2;
    v->m_dXSpan = 4;
    v->m_dYMin = -1;
    v->m_dYSpan = 2;
    v->m_nClipLeft = v->m_nClipTop = 0;
    v->m_bShowMouseCoords = 0;
    v->OnMouseMove(0, CPoint(300, 450));
    // x = 2 - 50 * 4 / 100 = 0; y = ((0 + 2) * 0.5 * 100 / 4 + 100) * 2 / 200 - 1.
    EXPECT_DOUBLE_EQ(v->m_dCursorX, 0.0);
    EXPECT_DOUBLE_EQ(v->m_dCursorY, 0.25);
    EXPECT_DOUBLE_EQ(v->m_adMousePoint3D[1], 0.25);
    EXPECT_EQ(v->m_bDragging, 0);
}

// --- Right button and cursor steps --------------------------------------------------------------

TEST(MouseRight, TwoPressesReturnTheZoomToZeroAndEachRepaintsInFull) {
    auto v = MakeView();
    Settle(v.get());
    v->m_bZoom = 0;
    v->m_nLabelZoom = 0;
    for (int expected : {1, 0}) {
        v->m_nPrevClipBottom = 300;
        v->OnRButtonDown(MK_RBUTTON, CPoint(5, 5));
        EXPECT_EQ(v->m_bZoom, expected);
        EXPECT_EQ(v->m_nLabelZoom, expected);
        EXPECT_EQ(v->m_nPrevClipBottom, 0);
        EXPECT_TRUE(v->HasPendingPaint());
        v->RenderPending();
    }
}

TEST(CursorSteps, StepATwentiethFromInsideOrFromTheMiddle) {
    auto v = MakeView();
    PlaceRange(v.get());
    v->OnCommand(ID_CURSOR_LEFT);
    EXPECT_DOUBLE_EQ(v->m_dCursorX, -0.1);
    v->m_dCursorX = 5;
    v->OnCommand(ID_CURSOR_RIGHT);
    EXPECT_DOUBLE_EQ(v->m_dCursorX, 0.1);
    v->m_dCursorY = -3;
    v->OnCommand(ID_CURSOR_DOWN);
    EXPECT_DOUBLE_EQ(v->m_dCursorY, 4.5);
    v->OnCommand(ID_CURSOR_UP);
    EXPECT_DOUBLE_EQ(v->m_dCursorY, 5.0);
}

// --- Quick clicks and the zoom through the window, on a page with buttons ------------------------

// The travelling-wave figure with its "t增" button at the plot's top right.
class MouseOnAPage : public ScratchPageTest {
protected:
    MouseOnAPage() : ScratchPageTest("mouse") {}

    void SetUp() override {
        ScratchPageTest::SetUp();
        std::ofstream("data/w.txt", std::ios::binary)
            << Gbk(u8"014波\n700DAlembert(0.3,3,40,10,42,39,0,-10,10,-0.4,1.2,1,1)\n");
        auto owned = View("w");
        v = owned.get();
        widget = std::make_unique<CViewWidget>(std::move(owned));
        widget->resize(900, 700);
        widget->show();
        QApplication::processEvents();
    }

    // Sends one mouse event to the window, then lets the passes it asks for
    // run, unless the next event comes before they can.
    void Send(QEvent::Type type, Qt::MouseButton button, const QPointF& at, bool settle = true) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, at, at, button, held, Qt::NoModifier);
        QApplication::sendEvent(widget->viewport(), &event);
        if (settle) QApplication::processEvents();
    }
    QPointF OnTheTimeButton() const {
        return QPointF(v->m_nPlotRight + 5 - v->m_nClipLeft, v->m_nPlotTop + 5 - v->m_nClipTop);
    }

    V* v = nullptr;
    std::unique_ptr<CViewWidget> widget;
};

TEST_F(MouseOnAPage, APressAndADoubleClickStepAButtonTwice) {
    ASSERT_GT(v->m_nPlotRight, 0);
    const QPointF at = OnTheTimeButton();
    // Two quick clicks arrive as press, release, double click, release.
    Send(QEvent::MouseButtonPress, Qt::LeftButton, at);
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, at);
    Send(QEvent::MouseButtonDblClick, Qt::LeftButton, at);
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, at);
    EXPECT_DOUBLE_EQ(v->m_dTimeT, 0.2); // two steps of 0.1
    // A later repaint repeats neither click.
    v->Invalidate();
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(v->m_dTimeT, 0.2);

    // Still two steps when the second click comes before the pass of the first.
    Send(QEvent::MouseButtonPress, Qt::LeftButton, at, false);
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, at, false);
    Send(QEvent::MouseButtonDblClick, Qt::LeftButton, at, false);
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, at);
    EXPECT_NEAR(v->m_dTimeT, 0.4, 1e-12);
}

TEST_F(MouseOnAPage, ARightClickShowsTheZoomAtOnce) {
    const int width = v->m_nFigureRight - v->m_nFigureLeft;
    ASSERT_GT(width, 0);
    const QImage before = v->BackingImage().copy();
    Send(QEvent::MouseButtonPress, Qt::RightButton, QPointF(300, 300));
    EXPECT_FALSE(v->HasPendingPaint());
    EXPECT_GT(v->m_nFigureRight - v->m_nFigureLeft, width); // the figure fills the window
    EXPECT_NE(v->BackingImage(), before);
    // A quick second right click is a press too: the zoom goes off again.
    Send(QEvent::MouseButtonDblClick, Qt::RightButton, QPointF(300, 300));
    EXPECT_EQ(v->m_bZoom, 0);
    EXPECT_EQ(v->m_nFigureRight - v->m_nFigureLeft, width);
    EXPECT_DOUBLE_EQ(v->m_dTimeT, 0.0); // and no button acted
}

// --- The line-by-line step ----------------------------------------------------------------------

TEST(NextLine, PositionModeRevealsWholePitchesDownToTheClick) {
    auto v = MakeView();
    PlaceText(v.get(), 0, 5);
    v->m_ptClick = CPoint(300, 187); // 3.5 pitches below the text
    v->OnCommand(32773);
    EXPECT_EQ(v->m_nRevealedCount, 8);
}

TEST(NextLine, RecordModeRevealsOneAnywhereBelow) {
    auto v = MakeView();
    PlaceText(v.get(), 1, 5);
    v->m_ptClick = CPoint(300, 500);
    v->OnNextLine();
    EXPECT_EQ(v->m_nRevealedCount, 6);
}

TEST(NextLine, TheLeftStripGoesBackInBothModes) {
    for (int mode : {0, 1}) {
        auto v = MakeView();
        PlaceText(v.get(), mode, 5);
        v->m_ptClick = CPoint(5, 50); // 2 pitches above the end
        v->OnNextLine();
        EXPECT_EQ(v->m_nRevealedCount, 3) << mode;
    }
}

TEST(NextLine, ScrollModeAndTheRightStripDoNothing) {
    auto v = MakeView();
    PlaceText(v.get(), -1, 5);
    v->m_ptClick = CPoint(300, 400);
    v->OnNextLine();
    EXPECT_EQ(v->m_nRevealedCount, 5);
    PlaceText(v.get(), 1, 5);
    v->m_ptClick = CPoint(790, 400);
    v->OnNextLine();
    EXPECT_EQ(v->m_nRevealedCount, 5);
}

TEST(NextLine, ScrolledPageAndDegeneratePitch) {
    auto v = MakeView();
    PlaceText(v.get(), 0, 5);
    v->m_nClipTop = 100;
    v->m_ptClick = CPoint(300, 50); // page y 150: 2 pitches below
    v->OnNextLine();
    EXPECT_EQ(v->m_nRevealedCount, 7);

    PlaceText(v.get(), 0, 5);
    v->m_dLineSpacing = -1.4; // a pitch of 0 is taken as one pixel
    v->m_ptClick = CPoint(300, 187);
    v->OnNextLine();
    EXPECT_EQ(v->m_nRevealedCount, 5 + 87);

    PlaceText(v.get(), 0, 1);
    v->m_nRevealedTextBottom = 1000;
    v->m_ptClick = CPoint(5, 0);
    v->OnNextLine();
    EXPECT_EQ(v->m_nRevealedCount, 0); // not below the empty page
}

} // namespace
