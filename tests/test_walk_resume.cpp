// Printed sheets and screen passes that start their walk at a resume point
// an earlier pass kept show what the same passes read from the top show,
// pixel for pixel; a point kept before a change of layout, settings or page
// is not used after it.
#include "platform/print.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace test_support;

namespace {

// Matrix figures below a line of text each, as the long pages of the
// budget tests; `lines` lines of text between them.
std::string FigurePage(int figures, int lines) {
    std::string page = "014x\n";
    for (int i = 0; i < figures; ++i) {
        page += "107  第" + std::to_string(i) + "个\n700LU(0.4,5,38,10,3,0,0)\n";
        for (int j = 0; j < 12; ++j) page += "107\n";
        for (int j = 0; j < lines; ++j) page += "107  文字" + std::to_string(j) + "\n";
    }
    return page;
}

// What a view shows: each printed sheet, or the window at each of a few
// scroll positions, painted and painted again; with the record each
// picture's pass started at.
struct Pictures {
    std::vector<QImage> images;
    std::vector<int> resumedAt;
    void Add(CPemroView* view, const QImage& image) {
        images.push_back(image.copy());
        resumedAt.push_back(view->m_nWalkResumedAt);
    }
};

void Settle(CPemroView* view) {
    while (view->HasPendingPaint()) view->RenderPending();
}

void Show(CPemroView* view, const QSize& sheet, Pictures* out) {
    if (sheet.isValid()) {
        CPrintInfo info;
        ASSERT_TRUE(PreparePrintInfo(view, &info, sheet));
        DrawPrintPages(view, &info, info.m_nMinPage, info.m_nMaxPage, sheet,
                       [&](const QImage& image) {
                           out->Add(view, image);
                           return true;
                       });
        return;
    }
    const int length = view->GetTotalSize().cy;
    for (int step = 0; step < 8; ++step) {
        view->ScrollToPosition(CPoint(0, length * step / 8));
        for (int paint = 0; paint < 2; ++paint) {
            view->Invalidate();
            Settle(view);
            out->Add(view, view->BackingImage());
        }
    }
}

class WalkResumeScope {
public:
    explicit WalkResumeScope(bool on) : m_was(CPemroView::WalkResumeEnabled()) {
        CPemroView::SetWalkResumeEnabled(on);
    }
    ~WalkResumeScope() { CPemroView::SetWalkResumeEnabled(m_was); }

private:
    bool m_was;
};

// Two views of a page go through the same steps, one reading every pass
// from the top, the other starting at resume points: printed sheets or the
// window, then a change, then the same again. They show the same pictures;
// a point kept before the change is not used after it.
TEST(WalkResume, PassesFromAResumePointShowWhatPassesFromTheTopShow) {
    const QSize a4(1170, 1654), small(420, 600), screen;
    const std::function<void(CPemroView*)> none;
    const auto largerFont = [](CPemroView* v) { v->m_nFontStep += 6; };
    const auto otherScript = [](CPemroView*) {
        std::ofstream("data/g.txt", std::ios::binary) << Gbk(FigurePage(40, 3));
    };
    const auto otherCoefficients = [](CPemroView* v) { v->m_adCoefF[0] += 1.5; };
    const auto click = [](CPemroView* v) {
        ClickPage(*v, v->m_nClipLeft + 420, v->m_nClipTop + 330);
    };
    const struct {
        const char* topic;
        std::string script; // written for topic "g" when not empty
        QSize sheet;        // invalid: the screen
        std::function<void(CPemroView*)> change;
        bool resumes; // some pass starts at a point
    } cases[] = {
        {"203", "", a4, none, false},
        {"465", "", small, otherCoefficients, true},
        {"g", FigurePage(60, 0), small, none, true},
        {"g", FigurePage(30, 8), small, largerFont, true},
        {"g", FigurePage(30, 8), small, otherScript, true},
        {"2100", "", screen, click, true},
        {"g", FigurePage(40, 2), screen, largerFont, true},
        {"g", FigurePage(40, 2), screen, otherScript, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.topic) + (c.sheet.isValid() ? " printed" : " on screen"));
        std::unique_ptr<CurrentDir> runDir;
        std::unique_ptr<ScratchDir> scratch;
        if (c.script.empty())
            runDir = std::make_unique<InRunDir>();
        else
            scratch = std::make_unique<ScratchDir>("walk-resume");
        Pictures pictures[2];
        for (bool on : {false, true}) {
            if (scratch) {
                std::filesystem::create_directories("data");
                std::ofstream("data/g.txt", std::ios::binary) << Gbk(c.script);
            }
            WalkResumeScope resume(on);
            auto view = MakeView();
            view->ResetTopic(-1);
            view->m_strTopicCode = c.topic;
            view->ResizeClient(1266, 780);
            Settle(view.get());
            Show(view.get(), c.sheet, &pictures[on]);
            if (c.change) c.change(view.get());
            view->Invalidate();
            Settle(view.get());
            Show(view.get(), c.sheet, &pictures[on]);
        }
        const Pictures &top = pictures[0], &resumed = pictures[1];
        ASSERT_EQ(resumed.images.size(), top.images.size());
        bool anyResumed = false;
        for (size_t i = 0; i < top.images.size(); ++i) {
            EXPECT_EQ(top.resumedAt[i], -1);
            anyResumed = anyResumed || resumed.resumedAt[i] > 0;
            EXPECT_TRUE(resumed.images[i] == top.images[i])
                << "picture " << i << " started at record " << resumed.resumedAt[i];
        }
        EXPECT_EQ(anyResumed, c.resumes) << top.images.size() << " pictures";
    }
}

} // namespace

// A print draws what the print before it drew, and leaves the screen as it
// was: a figure that shades its meshes in the curve's colour for a while
// puts the meshes' own colours back, not the print's darkened ones. The
// plane's mesh stands above the surface that does so. The fonts a print
// sized for paper do not name the screen's axes ("Xn" on 368). A click on a
// figure leaves the figures below it on paper as they were: the spring of
// 381 keeps its axis under a click on the rolling ball above it. A click on
// the second of two rolling balls runs that ball on paper too, where the
// figures lie elsewhere than on the screen (the first where the screen has
// the second), and leaves the first as it was.
TEST(WalkResume, APrintLeavesNothingForTheNextPass) {
    std::string page = "014x\n700PLANE(0.7,5,29,10,1,0,0,0,3,0,3,0,3,2,0)\n";
    for (int j = 0; j < 70; ++j) page += "107\n";
    page += "700Surf(0.65,6,36,8.5,8,0,3,-2.2,2.2,-2.2,2.2,-2.2,2.2,2,3,0,0,0,1,1)\n";
    for (int j = 0; j < 14; ++j) page += "107\n";
    std::string balls = "014x\n";
    for (int i = 0; i < 2; ++i) {
        balls += "107  小球沿曲线滚动，单击图的左半部，小球运动到时刻 t "
                 "。\n700DATA1(0,0.25,0,0,0,0,0,)\n"
                 "700SphereCurveMove(0.3,3,34,9,39,-1,0,-3,3,-0.5,2.5,-3,3,0,0,-2.5,0.1,1)\n";
        for (int j = 0; j < 12; ++j) balls += "107\n";
    }
    const QSize a4(1170, 1654), a4At300Dpi(2340, 3308), screen;
    const struct {
        const char* steps;
        const char* topic;   // "g": the page above
        QSize first, second; // invalid: the screen
        std::vector<QSize> between;
        QPoint click = QPoint(-1, -1); // on the page, before the second
        int keptFrom = 0;              // rows of the pictures that must agree
        int scroll = 0;                // of the window, for the click
        int clickedFigure = -1;        // on paper: its rows differ, all others agree
    } cases[] = {
        {"print, print", "g", a4, a4, {}},
        {"print, screen, print", "g", a4, a4, {screen}},
        {"screen, print, screen", "g", screen, screen, {a4}},
        {"preview, print", "g", QSize(620, 877), QSize(620, 877), {a4}},
        {"screen, print, screen", "368", screen, screen, {a4}},
        {"print, click, print", "381", a4, a4, {}, QPoint(300, 420), 800},
        {"print, click on the second, print",
         "b",
         a4At300Dpi,
         a4At300Dpi,
         {},
         QPoint(250, 1000),
         0,
         800,
         1},
    };
    WalkResumeScope resume(false);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.topic) + ": " + c.steps);
        std::unique_ptr<CurrentDir> runDir;
        std::unique_ptr<ScratchDir> scratch;
        if (std::string(c.topic) == "g" || std::string(c.topic) == "b") {
            scratch = std::make_unique<ScratchDir>("print-twice");
            std::filesystem::create_directories("data");
            std::ofstream("data/g.txt", std::ios::binary) << Gbk(page);
            std::ofstream("data/b.txt", std::ios::binary) << Gbk(balls);
        } else {
            runDir = std::make_unique<InRunDir>();
        }
        auto view = MakeView();
        view->ResetTopic(-1);
        view->m_strTopicCode = c.topic;
        view->ResizeClient(1266, 780);
        Settle(view.get());
        Pictures first, between, second;
        Show(view.get(), c.first, &first);
        for (const QSize& size : c.between) Show(view.get(), size, &between);
        if (c.click.x() >= 0) {
            view->ScrollToPosition(CPoint(0, c.scroll));
            Settle(view.get());
            ClickPage(*view, c.click.x(), c.click.y());
            view->Invalidate();
            Settle(view.get());
        }
        Show(view.get(), c.second, &second);
        ASSERT_EQ(second.images.size(), first.images.size());
        ASSERT_FALSE(first.images.empty());
        for (size_t i = 0; i < first.images.size(); ++i) {
            const QImage& a = first.images[i];
            const QRect kept(0, c.keptFrom, a.width(), a.height() - c.keptFrom);
            if (c.clickedFigure < 0) {
                EXPECT_TRUE(second.images[i].copy(kept) == a.copy(kept)) << "picture " << i;
                continue;
            }
            // The paper's own rows of the clicked figure on the first sheet.
            ASSERT_GT(view->m_nPrintFigureCount, c.clickedFigure);
            const int top = view->m_anPrintFigureTop[c.clickedFigure] - view->m_anPrintSheetTop[0];
            const int bottom =
                view->m_anPrintFigureBottom[c.clickedFigure] - view->m_anPrintSheetTop[0];
            const QRect above(0, 0, a.width(), top), figure(0, top, a.width(), bottom - top);
            const QRect below(0, bottom, a.width(), a.height() - bottom);
            EXPECT_TRUE(second.images[i].copy(above) == a.copy(above)) << "picture " << i;
            EXPECT_TRUE(second.images[i].copy(below) == a.copy(below)) << "picture " << i;
            EXPECT_EQ(i == 0, second.images[i].copy(figure) != a.copy(figure)) << "picture " << i;
        }
    }
}
