// Where the function panels and the trace buttons of the 3-D pages stand:
// clear of the page's text and of the scene's own buttons, inside the window,
// each coefficient written once.
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using test_support::ControlLog;
using test_support::InRunDir;
using test_support::TextRecorder;

struct PanelCase {
    UINT command; // 概念与应用 > 直线与平面 item, which opens the panel
    const char* title;
    int width, height;
    int lowerRow; // d=, e=, f= written: only where π2 is a plane of its own
};

// The title is the page's only text above the figure; the panel's "结束"
// stands 4 pixels below the panel's top. Counts by the panel's rows: a..c
// always, d..f with the second plane.
TEST(PlanePanelPlace, BelowTheTitleInsideTheWindowEachValueOnce) {
    InRunDir dir;
    const PanelCase cases[] = {
        {33756, u8"平面与平面的关系", 1010, 695, 1},  {33756, u8"平面与平面的关系", 1366, 768, 1},
        {33756, u8"平面与平面的关系", 1920, 1080, 1}, {33758, u8"直线与平面的关系", 1024, 768, 0},
        {33758, u8"直线与平面的关系", 1366, 768, 0},  {33758, u8"直线与平面的关系", 1586, 927, 0},
    };
    for (const PanelCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.command) + " at " + std::to_string(c.width));
        CPemroView v;
        v.ResizeClient(c.width, c.height);
        v.OnCommand(c.command);
        v.RenderPending();
        TextRecorder text;
        v.m_pTextSink = &text;
        const ControlLog log = test_support::ControlsOfRepaint(&v);
        v.m_pTextSink = nullptr;
        const test_support::Control* close = log.Find(u8"结束");
        ASSERT_NE(close, nullptr);
        EXPECT_GE(close->box.top - 4, 0);
        EXPECT_LE(close->box.right, c.width);
        // The title is the first line: its pieces are the top ones.
        ASSERT_FALSE(text.pieces.empty());
        int titleTop = text.pieces.front().y, titleBottom = -1;
        for (const auto& p : text.pieces) titleTop = std::min(titleTop, p.y);
        for (const auto& p : text.pieces)
            if (p.y == titleTop) {
                EXPECT_NE(Gbk(c.title).find(p.text), std::string::npos) << p.text;
                titleBottom = std::max(titleBottom, p.y + std::abs(p.font.lfHeight));
            }
        EXPECT_LE(titleBottom, close->box.top - 4);
        for (const char* label : {"a=", "b=", "c="}) EXPECT_EQ(text.Count(label), 1) << label;
        for (const char* label : {"d=", "e=", "f="})
            EXPECT_EQ(text.Count(label), c.lowerRow) << label;
    }
}

// The trace caption and its buttons follow the mesh density pair on the same
// row, never over it, at every width.
TEST(TraceButtonsPlace, RightOfTheMeshDensityPair) {
    InRunDir dir;
    const int widths[][2] = {{800, 600}, {1266, 887}, {1920, 1080}, {2560, 1440}};
    for (const auto& w : widths) {
        SCOPED_TRACE(w[0]);
        auto v = test_support::OpenTopic("364", nullptr, w[0], w[1]);
        const ControlLog log = test_support::ControlsOfRepaint(v.get());
        const test_support::Control* fewer = log.Find(u8"减少");
        const test_support::Control* caption = log.Find(u8"截痕:");
        ASSERT_NE(fewer, nullptr);
        ASSERT_NE(caption, nullptr);
        EXPECT_GE(caption->box.left, fewer->box.right + fewer->frame);
    }
}

} // namespace
