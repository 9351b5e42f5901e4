// Numbers of the sample pages against values worked by hand: the volume of
// the double-integral lesson through its buttons, and tables that never
// write a signed zero.
#include "test_support.h"

#include <regex>
#include <string>
#include <vector>

namespace {

using test_support::ControlLog;
using test_support::ControlsOfRepaint;
using test_support::PressControl;

class PageNumbersTest : public test_support::SampleTopicTest {
protected:
    // The value written after the piece that is exactly the label.
    std::string Value(const char* label) {
        const std::vector<std::string> values = text.ValuesAfter(label);
        return values.empty() ? std::string() : values.front();
    }
    void Press(CPemroView& v, const char* label) {
        text.pieces.clear();
        PressControl(v, label);
        v.Invalidate();
        v.RenderPending();
    }
};

// z = 4 - x²/2 - y²/4 over -1.5 < x, y < 1.5: 36 - 3.375 - 1.6875 = 30.9375
// by hand. The inset toggle shows or hides the projection only.
TEST_F(PageNumbersTest, DoubleIntegralVolumeStaysThroughTheButtons) {
    auto v = Open("321");
    EXPECT_EQ(Value(u8"立体的体积: "), "30.9375");
    Press(*v, u8"关闭投影");
    EXPECT_EQ(Value(u8"立体的体积: "), "30.9375");
    Press(*v, u8"打开投影");
    EXPECT_EQ(Value(u8"立体的体积: "), "30.9375");
    // The volume of the scene and the Gauss sum, to three decimals.
    Press(*v, u8"近似和");
    EXPECT_EQ(Value(u8"体积:"), "30.938");
    Press(*v, u8"高斯和");
    EXPECT_EQ(Value(u8"高斯积分:"), "30.938");
}

// 3 - 0.3x² - 0.3y² over the square of side 3: 27 - 0.3·2·(9·2.25) = 22.95
// by hand, whatever the inset shows.
TEST_F(PageNumbersTest, MeanValueVolumeStaysThroughTheToggle) {
    auto v = Open("337");
    EXPECT_EQ(Value(u8"体积: "), "22.950");
    Press(*v, u8"关闭投影");
    EXPECT_EQ(Value(u8"体积: "), "22.950");
}

// The matrix, Jacobi and Romberg tables after every one of their buttons,
// pressed three times: no number is written as a signed zero.
TEST_F(PageNumbersTest, TablesWriteNoSignedZero) {
    const std::regex signedZero("(^|[^0-9A-Za-z.])-0(\\.0+)?($|[^0-9.])");
    for (const char* topic : {"201", "204", "367"}) {
        SCOPED_TRACE(topic);
        auto v = Open(topic, 4000);
        const ControlLog controls = ControlsOfRepaint(v.get());
        for (const auto& c : controls.controls) {
            const CPoint p((c.box.left + c.box.right) / 2, (c.box.top + c.box.bottom) / 2);
            for (int i = 0; i < 3; ++i) {
                text.pieces.clear();
                test_support::ClickPage(*v, p.x, p.y);
                for (const auto& piece : text.pieces)
                    EXPECT_FALSE(std::regex_search(piece.text, signedZero)) << piece.text;
            }
        }
    }
}

} // namespace
