// The vector state after drawing: no call into Qt's drawing leaves the upper
// halves of the vector registers marked in use, which would make all plain
// SSE arithmetic after it slow on many Intel processors.
#include "platform/picture.h"
#include "platform/vector_state.h"
#include "state_sweep.h"
#include "test_support.h"

#include <functional>

using namespace test_support;

namespace {

struct DrawingCase {
    const char* name;
    std::function<void()> draw;
};

void DrawPage(const char* topic, int width, int height) {
    auto view = MakeView();
    view->ResetTopic(-1);
    view->m_strTopicCode = topic;
    view->ResizeClient(width, height);
    view->RenderPending();
    view->Invalidate();
    view->RenderPending();
}

} // namespace

TEST(VectorState, UpperHalvesAreUnusedAfterEveryDrawingPath) {
    if (UpperVectorStateInUse() < 0) GTEST_SKIP() << "the processor cannot report XINUSE";
    InRunDir runDir;
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(Qt::black);
    CDC dc(&image);
    const DrawingCase cases[] = {
        // QImage::fill reaches Qt's AVX2 fill directly.
        {"a resized view", [] { MakeView()->ResizeClient(640, 480); }},
        {"opaque text",
         [&] {
             LOGFONT font;
             font.lfHeight = 27;
             dc.SelectObject(font);
             dc.SetBkMode(OPAQUE);
             dc.TextOut(5, 5, Gbk(u8"曲率圆 r = 1.25"));
         }},
        {"a picture", [&] { DrawPictureFile(&dc, "bmp\\MYfig1.jpg", CRect(0, 0, 300, 180)); }},
        {"the plane figures page", [] { DrawPage("2100", 1280, 960); }},
        {"the curvature page", [] { DrawPage("369", 1280, 2000); }},
        {"the conventions page", [] { DrawPage("230", 1280, 960); }},
        // The sweep's log measures ink inside the pass it times; a text the
        // platform has stamped before is drawn with no Qt call of its own.
        {"the sweep's log of a text piece",
         [&] {
             LOGFONT font;
             font.lfHeight = 31;
             dc.SelectObject(font);
             const std::string text = Gbk(u8"环量 ∮ 31");
             dc.TextOut(5, 5, text);
             sweep::PassLog log;
             log.OnTextPiece(0, 0, text.data(), int(text.size()), font, RGB(255, 255, 255), false);
         }},
    };
    for (const DrawingCase& c : cases) {
        ClearUpperVectorState();
        ASSERT_EQ(UpperVectorStateInUse(), 0);
        c.draw();
        EXPECT_EQ(UpperVectorStateInUse(), 0) << c.name;
    }
    ClearPictureCache();
}
