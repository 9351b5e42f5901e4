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

} // namespace
