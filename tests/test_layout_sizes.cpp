// Pages at the window sizes lecturers use: bounds the captions state, and
// controls that keep their text apart.
#include "test_support.h"

#include <gtest/gtest.h>

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

} // namespace
