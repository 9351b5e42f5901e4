// Pages at the window sizes lecturers use: bounds the captions state, and
// controls that keep their text apart.
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace test_support;

class LayoutSizes : public OnSampleCourse<> {};

// 317's caption says "泰勒公式n<6": its degree steps between 1 and 5.
TEST_F(LayoutSizes, TaylorDegreeOf317StaysInTheCaptionsRange) {
    const struct {
        const char* button;
        int presses, expected;
    } kRows[] = {
        {u8"n减少", 3, 1}, // from 1 down: stays 1
        {u8"n增加", 2, 3},
        {u8"n增加", 6, 5}, // up past the caption's bound: stays 5
        {u8"n减少", 1, 4},
    };
    Open("317", 887, 1266);
    for (const auto& r : kRows) {
        for (int i = 0; i < r.presses; ++i) ClickControl(r.button);
        EXPECT_EQ(view->m_nDemoStep, r.expected) << r.button << " x" << r.presses;
        const std::vector<std::string> shown = After(u8"级数项数n=");
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(std::atoi(shown.back().c_str()), r.expected);
    }
}

// A size step widens a label's cells (a byte takes its font's width): the
// value and the button after it start right of them (`value`: the button
// right of the value too).
TEST_F(LayoutSizes, LabelsKeepTheirRowAfterASizeStep) {
    const struct {
        const char *page, *label, *button; // no button: the value
        int w, h;
        bool value;
    } kRows[] = {{"306", u8"(△y-dy)/△x=", nullptr, 1266, 887, false},
                 {"315", u8"级数项数n=", nullptr, 1010, 695, false},
                 {"331", u8"步长h=", nullptr, 1366, 768, false},
                 {"201", u8"保留小数点", "A:", 1266, 887, false},
                 {"507", u8"P到F1和F2距离乘积:", u8"c减", 1266, 887, true}};
    const auto end = [](const TextRecorder::Piece& p) {
        return p.x + int(p.text.size()) * std::abs(p.font.lfWidth);
    };
    for (const auto& r : kRows) {
        Open(r.page, r.h, r.w);
        view->OnFontStep(2);
        Repaint();
        size_t i = 0;
        while (i + 1 < log.pieces.size() && log.pieces[i].text != Gbk(r.label)) ++i;
        ASSERT_LT(i + 1, log.pieces.size()) << r.page;
        const ControlLog controls = ControlsOfRepaint(view.get());
        const Control* button = r.button ? controls.Find(r.button) : nullptr;
        const int start = button ? button->box.left - button->frame : log.pieces[i + 1].x;
        EXPECT_GE(start, end(log.pieces[i + r.value])) << r.page << " at " << r.w;
    }
}

// Buttons laid out at fixed offsets from a figure's edge keep their boxes
// and 2-pixel frames inside the figure where a large window's font makes
// them wider than the offset.
TEST_F(LayoutSizes, ButtonsAtAFiguresEdgeStayInsideItInALargeWindow) {
    enum Edge { kLeft, kRight };
    const struct {
        const char* page;
        const char* button;
        Edge edge;
    } kRows[] = {
        {"201", u8"精度", kLeft},  {"203", u8"精度", kLeft},  {"331", u8"通解", kRight},
        {"331", u8"特解", kRight}, {"2100", u8"θ增", kRight}, {"2100", u8"θ减", kRight},
    };
    for (const auto& r : kRows) {
        Open(r.page, 1080, 1920);
        const ControlLog controls = ControlsOfRepaint(view.get());
        const Control* c = controls.Find(r.button);
        ASSERT_NE(c, nullptr) << r.page << " " << r.button;
        if (r.edge == kLeft)
            EXPECT_GE(c->box.left - 2, view->m_nFigureLeft) << r.page << " " << r.button;
        else
            EXPECT_LE(c->box.right + 2, view->m_nFigureRight) << r.page << " " << r.button;
    }
}

// 231's twelve coefficient buttons in an 800 x 600 window: rows apart from
// one another, the last ending above the plot's bottom edge, where the x
// axis's numbers stand.
TEST_F(LayoutSizes, CoefficientColumnEndsAboveTheAxisNumbersInASmallWindow) {
    Open("231", 600, 800);
    const ControlLog controls = ControlsOfRepaint(view.get());
    const char* const kColumn[] = {u8"a增", u8"a减", u8"b增", u8"b减", u8"c增", u8"c减",
                                   u8"d增", u8"d减", u8"e增", u8"e减", u8"f增", u8"f减"};
    int above = view->m_nFigureTop - 2;
    for (const char* label : kColumn) {
        const Control* c = controls.Find(label);
        ASSERT_NE(c, nullptr) << label;
        EXPECT_GT(c->box.top, above) << label;
        above = c->box.bottom;
    }
    EXPECT_LE(above, view->m_nPlotBottom);
}

// x min of the sine figure (505, 506: equal scales, y from -2.2 to 2.2)
// stepped down ten times squeezes the plot low: the y numbers left of it
// stand apart, no box over the next beyond its two blank rows.
TEST_F(LayoutSizes, YNumbersOfASqueezedPlotStandApart) {
    for (const char* page : {"505", "506"}) {
        Open(page, 887, 1266);
        for (int i = 0; i < 10; ++i) ClickControl(u8"←");
        const int left = view->m_nPlotLeft - view->m_nSidePanelWidth - 10;
        std::vector<std::pair<int, int>> boxes; // top, bottom
        QImage scratch(8, 8, QImage::Format_RGB32);
        CDC dc(&scratch);
        for (const auto& p : log.pieces)
            if (p.x == left) {
                CFontSelect font(&dc, p.font);
                boxes.push_back({p.y, p.y + int(dc.GetTextExtent(p.text).cy)});
            }
        ASSERT_GE(boxes.size(), 3u) << page;
        std::sort(boxes.begin(), boxes.end());
        for (size_t i = 1; i < boxes.size(); ++i)
            EXPECT_LE(boxes[i - 1].second - boxes[i].first, 2) << page << " number " << i;
    }
}

} // namespace
