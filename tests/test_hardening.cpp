// Hostile input that once overflowed or aborted: pages longer than the page
// bound, dialog commands without a desktop, clicks anywhere in the int range.
// Run in the sanitizer build too, where an overflow stops the test.
#include "dialogs/my_dialog_base.h"
#include "test_support.h"
#include "view/catalog_menu_tables.h"

#include <QProcess>
#include <QStringList>

#include <climits>
#include <fstream>
#include <string>

namespace {

using namespace test_support;

std::string Repeat(const std::string& s, int n) {
    std::string out;
    out.reserve(s.size() * size_t(n));
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// Exit status of render-page with the arguments; -1 when it crashed.
int RenderPage(const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QString(test_paths::kRenderPage), args);
    if (!p.waitForFinished(60000)) return -2;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QStringList WelcomePage(const QString& out) {
    return {"--root", test_paths::kRunDir, "--topic", "232", "--size", "1280x960", "--out", out};
}

class LongPageTest : public ScratchPageTest {
protected:
    LongPageTest() : ScratchPageTest("longpage") {}
};

// --- Page positions -----------------------------------------------------------------

// The first three pages run far past 2^31 pixels (399000 lines a picture
// box, or the text under 64 of them): the page keeps what lies above the
// bound, says on one line below it that it is cut, and the scroll size ends
// just below that line. 30,000 matrix figures (a 2.7 MB page, far past
// 2^24 pixels) are not cut: the scroll size ends 800 below the last line.
TEST_F(LongPageTest, PagesLongerThanTheBoundAreCutThere) {
    const std::string answer = "700Answer(399000,0,1,399000)\n";
    std::string figures = "014x\n";
    for (int i = 0; i < 30000; ++i)
        figures += "107\n700LU(0.4,5,38,10,20,0,0)\n" + Repeat("107\n", 12);
    const struct {
        const char* name;
        std::string script;
        bool cut;
    } pages[] = {
        {"65 answers", Repeat(answer, 65), true},
        {"64 answers, then text", Repeat(answer, 64) + Repeat("093\n093\n", 7500), true},
        {"answers between text", Repeat("100\nabc\n" + answer, 70), true},
        {"30,000 figures", figures, false},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.name);
        std::ofstream("data/t.txt", std::ios::binary) << page.script;
        auto v = Page("t");
        const int length = v->GetTotalSize().cy;
        EXPECT_EQ(v->m_sizeScrollTotal.cy, length);
        EXPECT_EQ(length, page.cut ? v->PageCutEnd() : v->m_nTextY + 800);
        if (!page.cut) {
            EXPECT_GT(v->m_nTextY, 1 << 24);
            EXPECT_LT(v->m_nTextY, kPageLimit);
        }
        EXPECT_FALSE(v->HasPendingPaint());
        // The notice, in the body text's colour, only on a cut page.
        v->ScrollToPosition(CPoint(0, length));
        Draw(v.get());
        const QImage& image = v->BackingImage();
        const int top = v->PageCutNoticeTop() - v->GetScrollPosition().y;
        int ink = 0;
        for (int y = std::max(0, top); y < std::min(image.height(), top + 20); ++y)
            for (int x = 0; x < image.width(); ++x) ink += ColourAt(image, x, y) == v->m_crBodyText;
        EXPECT_EQ(ink > 50, page.cut) << ink;
        // Printed in pages of the last screen box, 33554432 / 906 of them,
        // but a print stops at 999 sheets.
        CPrintInfo info;
        v->OnPreparePrinting(&info);
        EXPECT_EQ(info.GetMaxPage(), 999u);
    }
}

// Past the bound every record stacks at it: a pass at the page's end reads
// the 65 answers (the 65th reaches the bound) and stops, not the 15,000
// records of text after them.
TEST_F(LongPageTest, APassAtTheBoundReadsNoRecordsPastIt) {
    std::ofstream("data/t.txt", std::ios::binary)
        << Repeat("700Answer(399000,0,1,399000)\n", 65) + Repeat("093\n093\n", 7500);
    auto v = Page("t");
    v->ScrollToPosition(CPoint(0, kPageLimit));
    v->Invalidate();
    v->RenderPending();
    EXPECT_LE(v->m_nPassRecords, 66);
}

// Text alone, in the tallest title font: 140000 title records of 265 pixels
// each (1.3 x 3.1 x 66 on a 1280 wide page) make 37 million, past the bound.
TEST_F(LongPageTest, TextAlonePastTheBoundEndsAtIt) {
    std::ofstream("data/t.txt", std::ios::binary) << "700Font(7)\n" + Repeat("093\n093\n", 70000);
    auto v = Page("t");
    EXPECT_EQ(v->GetTotalSize().cy, v->PageCutEnd());
}

// --- Dialog commands without a desktop -----------------------------------------------

// The tool has no widget application: every parameter dialog answers Cancel
// without being built, and the page is still written.
TEST(HeadlessDialogs, RenderPageAnswersEveryParameterDialogWithCancel) {
    const ScratchDir scratch("dialogs");
    QStringList args = {"--root", test_paths::kRunDir, "--topic", "233", "--out", "p.png"};
    for (UINT id = ID_DIALOG_ONE_VARIABLE; id <= ID_DIALOG_LINEAR_SYSTEM; ++id)
        args << "--command" << QString::number(id);
    EXPECT_EQ(RenderPage(args), 0);
}

// In a widget application on the offscreen platform nobody could answer
// either: without a test hook every dialog command changes what Cancel
// changes, nothing of the values it shows.
TEST(HeadlessDialogs, WithoutAHookEveryParameterDialogIsCancelled) {
    const InRunDir run;
    EXPECT_FALSE(ParamDialog::CanRun());
    SetParamDialogHook([](QDialog& d) { d.reject(); });
    EXPECT_TRUE(ParamDialog::CanRun());
    SetParamDialogHook(nullptr);

    auto v = MakeView();
    v->m_adSavedCoefF[0] = 1.25;
    v->m_dSavedAlphaF = -2.5;
    for (UINT id = ID_DIALOG_ONE_VARIABLE; id <= ID_DIALOG_LINEAR_SYSTEM; ++id)
        EXPECT_TRUE(v->OnCommand(id)) << id;
    EXPECT_FALSE(v->m_bSelectionPending);
    EXPECT_EQ(v->m_adSavedCoefF[0], 1.25);
    EXPECT_EQ(v->m_dSavedAlphaF, -2.5);
}

// --- Clicks -------------------------------------------------------------------------

TEST(ClickBounds, RenderPageTakesOnlyPointsOfTheSurface) {
    const ScratchDir scratch("clicks");
    const struct {
        const char* click;
        int status;
    } cases[] = {
        {"0,2147483647", 1}, {"-2147483648,-2147483648", 1},
        {"-1,0", 1},         {"0,-1", 1},
        {"1280,0", 1},       {"0,960", 1},
        {"0,2147483648", 1}, {"99999999999,5", 1},
        {"1279,959", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.click);
        EXPECT_EQ(RenderPage(WelcomePage("p.png") << "--click" << c.click), c.status);
    }
}

TEST(ClickBounds, TheClickOnThePageSaturatesAtTheBound) {
    const struct {
        CPoint click, clipOrigin, page;
    } cases[] = {
        {{5, 7}, {100, 200}, {105, 207}},
        {{INT_MAX, INT_MAX}, {0, 0}, {kPageLimit, kPageLimit}},
        {{INT_MIN, INT_MIN}, {0, 0}, {-kPageLimit, -kPageLimit}},
        {{INT_MAX, -1}, {-300, kPageLimit}, {kPageLimit, kPageLimit - 1}},
        {{-kPageLimit + 200, 10}, {-1000, -20}, {-kPageLimit, -10}},
    };
    auto v = MakeView();
    for (const auto& c : cases) {
        v->m_ptClick = c.click;
        v->m_nClipLeft = c.clipOrigin.x;
        v->m_nClipTop = c.clipOrigin.y;
        EXPECT_EQ(v->ClickPagePoint(), c.page);
    }
}

// Presses at the ends of the int range in both line-by-line modes: every
// pass returns, and the revealed count stays between the empty page and the
// bound.
TEST(ClickBounds, LineByLineDisplayTakesAnyPoint) {
    const InRunDir run;
    const CPoint points[] = {{0, INT_MAX},       {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX},
                             {INT_MIN, INT_MAX}, {5, INT_MIN},       {INT_MAX, 0}};
    for (int mode : {CPemroView::kRevealToPosition, CPemroView::kRevealFromStart}) {
        auto v = MakeView();
        v->ResizeClient(kPageWidth, kPageHeight);
        v->RenderPending();
        v->OnRevealMode(mode);
        for (const CPoint& p : points) {
            v->OnLButtonDown(MK_LBUTTON, p);
            v->OnLButtonUp(0, p);
            v->RenderPending();
            EXPECT_GE(v->m_nRevealedCount, 0);
            EXPECT_LE(v->m_nRevealedCount, kPageLimit);
        }
    }
}

// Far below the page every press reveals down to the bound and no further,
// however often it comes.
TEST(ClickBounds, RepeatedPressesBelowThePageStopAtTheBound) {
    const InRunDir run;
    auto v = MakeView();
    v->ResizeClient(kPageWidth, kPageHeight);
    v->RenderPending();
    v->OnRevealMode(CPemroView::kRevealToPosition);
    for (int i = 0; i < 10000; ++i) v->OnLButtonDown(MK_LBUTTON, CPoint(0, INT_MAX));
    EXPECT_EQ(v->m_nRevealedCount, kPageLimit);
}

} // namespace
