// Bounds that keep a pass quick and a click effective on hostile pages:
// ranges far from the origin, pages of a thousand figures, large pictures,
// pages that name files outside the course.
#include "platform/picture.h"
#include "platform/system.h"
#include "test_support.h"
#include "view/external_programs.h"

#include <QImage>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace test_support;

double CpuSeconds() {
    return std::chrono::duration<double>(ThreadCpuTime()).count();
}

class ReliabilityPageTest : public OnScratchScripts<> {};

// --- Ranges far from the origin ---------------------------------------------------

// The sample pages' surfaces (310, 311, 327, 342, 345) with every range field
// moved by 10^15, where a double's step is 1/8: each range still spans a
// dozen steps or more. A pass drew a stroke sample by sample, adding a step
// that no longer moved the sample, 20,000 times a stroke: minutes a pass.
// Now a click costs what a pass near the origin costs; the budget is wide
// (a pass near the origin takes well under 0.2 s).
constexpr double kFarPassCpuSeconds = 2.0;

TEST_F(ReliabilityPageTest, FarOffsetSurfacesAnswerTheirButtonQuickly) {
    const struct {
        const char* name;
        const char* script;
    } kPages[] = {
        {"Surf", "700Surf(0.8,6,36,10,1,0,0,999999999999998.4,1000000000000001.6,"
                 "999999999999998.4,1000000000000001.6,999999999999997.4,1000000000000002.6,1,-1,"
                 "0,0,0,0,1)\n"},
        {"TangentPlane", "700TangentPlane(0.8,6,36,10,1,0,0,999999999999998.5,1000000000000001.5,"
                         "999999999999998.5,1000000000000001.5,999999999999997.5,"
                         "1000000000000002.5,1,-1)\n"},
        {"AreaElement", "700AreaElement(0.7,6,36,10,1,1,0,999999999999998.5,1000000000000001.5,"
                        "999999999999998.5,1000000000000001.5,1000000000000000,1000000000000002.5,"
                        "1,1,0.3,0.3,0.6)\n"},
        {"Contour", "700Contour(0.8,6,36,10,1,0,0,999999999999998.5,1000000000000001.5,"
                    "999999999999998.5,1000000000000001.5,999999999999997.5,1000000000000002.5,1,"
                    "-1)\n"},
        {"Derivative2", "700Derivative2(0.8,6,36,10,1,0,0,999999999999998.5,1000000000000001.5,"
                        "999999999999998.5,1000000000000001.5,1000000000000000,1000000000000004,"
                        "1,1)\n"},
    };
    for (const auto& page : kPages) {
        SCOPED_TRACE(page.name);
        WriteScript("far", std::string("014x\n") + page.script);
        Open("far");
        const CPoint button = ControlCentre(view.get(), u8"↗");
        ASSERT_NE(button, CPoint(-1, -1));
        const double start = CpuSeconds();
        Click(button.x, button.y);
        EXPECT_LT(CpuSeconds() - start, kFarPassCpuSeconds * kTimeScale);
    }
}

// --- Figures past the bound of their own fields -----------------------------------

// 1,000 LU figures of order 20 (page 203's figure, one under another), the
// page scrolled down to figure 950 a screen at a time in steps of 50
// figures, then "下一步" three times on figure 5 and on figure 950: each
// steps from 1 to 4, one step a press, however many figures were kept
// before it. The presses on figure 5 stay stored: a repaint at figure 950,
// far from that click, still draws (and reports) figure 950's buttons, and
// the view knows the figures there that a page step must not cut.
TEST_F(ReliabilityPageTest, EveryLuFigureOfAThousandTakesItsClicks) {
    constexpr int kFigures = 1000, kWidth = 1024, kHeight = 1100;
    std::string script = "014x\n", lines;
    for (int i = 0; i < 14; ++i) lines += "107\n"; // the figure's height, as on page 203
    for (int i = 0; i < kFigures; ++i) script += "700LU(0.4,5,38,10,20,0,0)\n" + lines;
    WriteScript("lu", script);
    Open("lu", kHeight, kWidth);
    // The first screen shows the first two figures: their "下一步" give
    // the pitch of the figures down the page.
    std::vector<int> tops;
    for (const Control& c : ControlsOfRepaint(view.get()).controls)
        if (c.label == Gbk(u8"下一步")) tops.push_back(c.box.top);
    ASSERT_GE(tops.size(), 2u);
    std::sort(tops.begin(), tops.end());
    const Control first = *ControlsOfRepaint(view.get()).Find(u8"下一步");
    const int pitch = tops[1] - tops[0];
    const auto buttonOf = [&](int figure) {
        return CPoint((first.box.left + first.box.right) / 2,
                      tops[0] + (figure - 1) * pitch + first.box.Height() / 2);
    };
    for (int figure : {5, 950}) {
        SCOPED_TRACE(figure);
        for (int shown = 1; shown <= figure; shown += 50) {
            view->ScrollToPosition(CPoint(0, std::max(0, buttonOf(shown).y - kHeight / 3)));
            view->RenderPending();
        }
        const CPoint p = buttonOf(figure);
        view->ScrollToPosition(CPoint(0, std::max(0, p.y - kHeight / 3)));
        view->RenderPending();
        ASSERT_EQ(ControlCentre(view.get(), u8"下一步").y, p.y);
        for (int press = 0; press < 3; ++press) ClickPage(*view, p.x, p.y);
        EXPECT_EQ(view->m_nDemoStep, 4);
        // The figures a page step must not cut are known here as well, not
        // only the first few hundred of the page.
        const int top = view->GetScrollPosition().y;
        const auto& bands = view->m_aScreenFigureBands;
        EXPECT_TRUE(std::any_of(bands.begin(), bands.end(), [&](const paging::Band& b) {
            return b.top < top + kHeight && b.bottom > top;
        }));
    }
}

// --- Pictures -----------------------------------------------------------------------

// A picture is kept at the size it is drawn: 2000 x 1500 drawn in a box of
// 200 x 150 keeps 200 * 150 * 4 = 120,000 bytes. Drawn whole in ten boxes
// (12 MB each, 120 MB together) the cache stays within its 64 MB.
TEST(PictureCache, KeepsScaledCopiesWithinItsBytes) {
    ClearPictureCache();
    ScratchDir dir("pictures");
    QImage big(2000, 1500, QImage::Format_RGB32);
    big.fill(QColor(0, 128, 255));
    ASSERT_TRUE(big.save("big.png", "PNG"));
    QImage surface(300, 300, QImage::Format_RGB32);
    surface.fill(Qt::black);
    CDC dc(&surface);
    ASSERT_TRUE(DrawPictureFile(&dc, "big.png", CRect(0, 0, 200, 150)));
    EXPECT_EQ(PictureCacheBytes(), size_t(120000));
    EXPECT_EQ(QColor(surface.pixel(100, 100)), QColor(0, 128, 255));
    EXPECT_EQ(QColor(surface.pixel(250, 250)), QColor(0, 0, 0));
    for (int k = 0; k < 10; ++k) {
        ASSERT_TRUE(DrawPictureFile(&dc, "big.png", CRect(0, 0, 2000 - k, 1500)));
        EXPECT_LE(PictureCacheBytes(), size_t(64) << 20);
    }
    EXPECT_GE(PictureCacheBytes(), size_t(2000 - 9) * 1500 * 4);
    ClearPictureCache();
}

// --- Html ---------------------------------------------------------------------------

// One file in many spellings opens once; a file outside the course opens
// never and the status bar says so; a page opens five files at most.
TEST_F(ReliabilityPageTest, HtmlOpensCourseFilesOncePerVisit) {
    std::vector<std::string> started, notes;
    SetProgramStarter([&](const std::string& line) { started.push_back(line); });
    SetStatusMessageSink([&](const std::string& text) { notes.push_back(text); });
    for (int i = 0; i < 8; ++i) WriteFile("data/p" + std::to_string(i) + ".htm", "<p>x</p>");
    std::string script = "014x\n";
    for (const char* name : {"p0.htm", ".\\p0.htm", ".\\\\.\\p0.htm", "..\\data\\p0.htm",
                             "..\\..\\..\\..\\..\\..\\..\\etc\\passwd", "P0.HTM"})
        script += std::string("700Html(") + name + ")\n";
    WriteScript("h", script);
    Open("h");
    Repaint();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_NE(started[0].find("p0.htm"), std::string::npos) << started[0];
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("passwd"), std::string::npos) << notes[0];

    started.clear();
    script = "014x\n";
    for (int i = 0; i < 8; ++i) script += "700Html(p" + std::to_string(i) + ".htm)\n";
    WriteScript("h8", script);
    Open("h8");
    EXPECT_EQ(started.size(), 5u);
    SetProgramStarter(nullptr);
    SetStatusMessageSink(nullptr);
}

} // namespace
