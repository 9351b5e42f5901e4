// The right button's zoom: the figure in view fills the window with its
// frame inside it, and a 3-D label's value follows its label at the label's
// zoomed size.
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace test_support;

class ZoomLayout : public OnSampleCourse<> {
protected:
    void Zoom() {
        view->OnRButtonDown(MK_RBUTTON, CPoint(view->m_nClipRight / 2, view->m_nClipBottom / 2));
        Repaint();
    }
};

struct ZoomCase {
    const char* topic;
    int width, height;
    bool scene; // a 3-D scene or frame, else a plane graph
};
const ZoomCase kZoomCases[] = {
    {"317", 1024, 768, true},  {"317", 1920, 1080, true},  {"343", 1010, 695, true},
    {"324", 1024, 768, false}, {"324", 1920, 1080, false},
};

TEST_F(ZoomLayout, TheFigureInViewFillsTheWindowWithItsFrameInside) {
    for (const ZoomCase& c : kZoomCases) {
        Open(c.topic, c.height, c.width);
        const int before = view->m_nFigureRight - view->m_nFigureLeft;
        Zoom();
        const CPemroView& v = *view;
        const int h = v.m_nBaseCharHeight;
        if (c.scene) {
            // The frame reaches 7/4 of a line left, a line above, two lines
            // right and below the box; it stands 4 pixels inside the window.
            EXPECT_EQ(v.m_nFigureLeft, 4 + 7 * h / 4) << c.topic << " " << c.width;
            EXPECT_EQ(v.m_nFigureTop, 4 + h) << c.topic << " " << c.width;
            EXPECT_EQ(v.m_nFigureRight, c.width - 4 - 2 * h) << c.topic << " " << c.width;
            EXPECT_EQ(v.m_nFigureBottom, c.height - 4 - 2 * h) << c.topic << " " << c.width;
        } else {
            // The frame: 16 and the number column left of the plot, a line
            // over it, 20 right of it, 4/3 of the text height below it.
            const int band = (h + v.m_nFontStep) * 4 / 3;
            EXPECT_GE(v.m_nPlotLeft - 16 - v.m_nSidePanelWidth, 0) << c.topic << " " << c.width;
            EXPECT_GE(v.m_nPlotTop - h - 1, 0) << c.topic << " " << c.width;
            EXPECT_LE(v.m_nPlotRight + 20, c.width) << c.topic << " " << c.width;
            EXPECT_LE(v.m_nPlotBottom + band, c.height) << c.topic << " " << c.width;
        }
        EXPECT_GT(v.m_nFigureRight - v.m_nFigureLeft, before) << c.topic << " " << c.width;
    }
}

TEST_F(ZoomLayout, AValueFollowsItsLabelByTheLabelsOwnCells) {
    for (const ZoomCase& c : kZoomCases) {
        if (std::string(c.topic) != "317") continue;
        Open(c.topic, c.height, c.width);
        Zoom();
        const std::string label = Gbk(u8"级数项数n=");
        bool seen = false;
        for (size_t i = 0; i + 1 < log.pieces.size(); ++i) {
            const auto& p = log.pieces[i];
            if (p.text != label) continue;
            seen = true;
            // One byte is one cell of the label's font.
            EXPECT_GE(log.pieces[i + 1].x - p.x, int(label.size()) * p.font.lfWidth) << c.width;
            EXPECT_EQ(log.pieces[i + 1].text, "1") << c.width;
        }
        EXPECT_TRUE(seen) << c.width;
    }
}

} // namespace
