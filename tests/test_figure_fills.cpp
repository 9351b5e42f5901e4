// Fills stay in their figures: sample pages in states a lecturer reaches,
// where a polygon's outline, a plane or a disc leaves its box. The press
// changes no pixel outside the figures' frames, so the page text, the
// other figures and the buttons beside the frame stay as they were.
#include "state_sweep.h"
#include "test_support.h"

#include <string>
#include <vector>

namespace {

using namespace test_support;

struct FillCase {
    const char* topic;
    int width, height;
    std::vector<const char*> before; // buttons pressed first, once each
    const char* press;               // then this one
    int times;
    const char* state;
};

const FillCase kCases[] = {
    {"2101", 1024, 768, {}, u8"↑", 1, "z-min up: the polygon leaves the box"},
    {"2101", 1920, 1080, {}, u8"↑", 1, "z-min up: the polygon leaves the box"},
    {"360", 1024, 768, {}, u8"打开投影", 1, "the projection drawn"},
    {"360", 1920, 1080, {}, u8"打开投影", 1, "the projection drawn"},
    {"2100", 1024, 2600, {}, u8"半径增", 10, "the disc past the figure"},
    {"2100", 1920, 5200, {}, u8"半径增", 10, "the disc past the figure"},
    {"603", 1024, 768, {u8"按x型"}, u8"前移", 11, "the plane past the front wall"},
    {"603", 1920, 1080, {u8"按x型"}, u8"后移", 10, "the plane past the back wall"},
    {"364", 1024, 768, {u8"平行坐标面", "y=c"}, u8"右移", 4, "the plane y = c moved right"},
    {"364", 1920, 1080, {u8"平行坐标面", "y=c"}, u8"右移", 4, "the plane y = c moved right"},
};

// A full repaint: the picture and the figures' frames.
QImage Repaint(CPemroView* v, std::vector<CRect>* frames) {
    sweep::PassLog log;
    v->m_pTextSink = &log;
    v->Invalidate();
    v->RenderPending();
    v->m_pTextSink = nullptr;
    frames->insert(frames->end(), log.figures.begin(), log.figures.end());
    return v->BackingImage().copy();
}

TEST(FigureFills, APressChangesNothingOutsideTheFigures) {
    InRunDir runDir;
    ASSERT_TRUE(runDir.Entered());
    for (const FillCase& c : kCases) {
        SCOPED_TRACE(std::string(c.topic) + " " + std::to_string(c.width) + ": " + c.state);
        auto v = std::make_unique<CPemroView>();
        v->ResetTopic(-1);
        v->m_strTopicCode = c.topic;
        v->ResizeClient(c.width, c.height);
        v->RenderPending();
        for (const char* label : c.before) PressControl(*v, label);
        std::vector<CRect> frames;
        const QImage before = Repaint(v.get(), &frames);
        for (int i = 0; i < c.times; ++i) PressControl(*v, c.press);
        const QImage after = Repaint(v.get(), &frames);
        ASSERT_EQ(before.size(), after.size());
        int outside = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x) {
                if (before.pixel(x, y) == after.pixel(x, y)) continue;
                const CPoint p(x + v->m_nClipLeft, y + v->m_nClipTop);
                bool inFrame = false;
                for (const CRect& f : frames) inFrame = inFrame || f.PtInRect(p);
                outside += !inFrame;
            }
        EXPECT_EQ(0, outside);
    }
}

} // namespace
