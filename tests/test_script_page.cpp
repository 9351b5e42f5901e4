// Whole pages: scripts in a scratch directory are drawn by a view on an
// in-memory surface; the tests look at the view's fields and pixels.
#include "test_support.h"
#include "view/external_programs.h"

#include <QColor>
#include <QImage>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using namespace test_support;

class ScriptPageTest : public ScratchPageTest {
protected:
    ScriptPageTest() : ScratchPageTest("page") {}

    // A script written in UTF-8 here, stored in GBK as the program reads it.
    static void Script(const std::string& rel, const std::string& utf8) { Bytes(rel, Gbk(utf8)); }
    static void Bytes(const std::string& rel, const std::string& bytes) { WriteFile(rel, bytes); }
};

// Gathers every piece of typeset text of the passes.
struct TextCollector : CPemroView::TextSink {
    std::string all;
    void OnText(int, int, const char* gbk, int count, const LOGFONT&, COLORREF) override {
        all.append(gbk, size_t(count)); // whole characters, in drawing order
    }
    bool Saw(const char* utf8) const { return all.find(Gbk(utf8)) != std::string::npos; }
};

} // namespace

// --- The paint driver ----------------------------------------------------------

TEST_F(ScriptPageTest, NewFileIsDrawnTwiceAndRemembered) {
    Script("data/t.txt", "016标题\n104  正文\n");
    auto v = View("t");
    v->ResizeClient(kWidth, kHeight);
    EXPECT_GE(v->RenderPending(), 2); // layout pass, then the drawing pass
    EXPECT_EQ(v->m_strLastDataPath, "data\\t.txt");
    EXPECT_EQ(v->m_nPrevClipBottom, kHeight);
    EXPECT_EQ(v->m_nBaseCharHeight, kWidth / 30);
    EXPECT_EQ(v->m_nBaseCharWidth, kWidth * 117 / 7200);
    EXPECT_FALSE(v->HasPendingPaint());
}

TEST_F(ScriptPageTest, MissingFileLeavesTheLastPathAndStops) {
    auto v = View("nothere");
    const CString last = v->m_strLastDataPath;
    Draw(v.get());
    EXPECT_EQ(v->m_strLastDataPath, last);
    EXPECT_FALSE(v->HasPendingPaint()); // no second pass
    EXPECT_EQ(v->m_strDataPath, "data\\nothere.txt");
}

TEST_F(ScriptPageTest, OpenFailureMessageInTheClientDcColours) {
    // A fresh client DC writes black text on an opaque white box.
    auto v = View("nothere");
    v->m_nBackgroundMode = 0;
    v->m_crBackground = RGB(0, 0, 128);
    v->m_nGridHidden = 1;
    Draw(v.get());
    int black = 0, white = 0;
    for (int y = 10; y < 50; ++y)
        for (int x = 10; x < 300; ++x) {
            const COLORREF c = Pixel(v.get(), x, y);
            black += c == RGB(0, 0, 0);
            white += c == RGB(255, 255, 255);
        }
    EXPECT_GT(black, 0);
    EXPECT_GT(white, 0);
    EXPECT_EQ(Pixel(v.get(), 600, 500), RGB(0, 0, 128));
}

TEST_F(ScriptPageTest, EmptyFileRunsTheEndOfFileStep) {
    Bytes("data/e.txt", "");
    auto v = Page("e");
    EXPECT_EQ(v->m_strLastDataPath, "data\\e.txt");
}

TEST_F(ScriptPageTest, FileNamesOfEveryFamilyLevelAndVariant) {
    auto v = std::make_unique<CPemroView>();
    v->m_strTopicCode = "012";
    struct Case {
        int family, level, variant;
        const char *file, *dir;
    };
    const Case cases[] = {
        {-1, 2, 3, "data\\012.txt", "data\\"},
        {0, 0, 0, "gsdata\\gs012.txt", "gsdata\\"},
        {0, 0, 1, "wgsdata\\gs012.txt", "wgsdata\\"},
        {0, 1, 0, "gsdata1\\gs012.txt", "gsdata1\\"},
        {0, 2, 1, "wgsdata2\\gs012.txt", "wgsdata2\\"},
        {1, 1, 1, "wxddata1\\xd012.txt", "wxddata1\\"},
        {2, 2, 0, "gldata2\\gl012.txt", "gldata2\\"},
        {3, 0, 1, "gszfxdata\\szfx012.txt", "gszfxdata\\"},
        {3, 1, 0, "szfxdata1\\szfx012.txt", "szfxdata1\\"},
        {4, 2, 0, "fxtdata\\012.txt", "fxtdata\\"},
        {4, 0, 3, "fxtdata3\\012.txt", "fxtdata3\\"},
        {1, 0, 3, "xddata\\xd012.txt", "xddata\\"}, // variant above 1: plain
    };
    for (const Case& c : cases) {
        v->m_nDataFamily = c.family;
        v->m_nDataLevel = c.level;
        v->m_nDataVariant = c.variant;
        v->BuildDataFileName();
        EXPECT_EQ(v->m_strDataFile, c.file);
        EXPECT_EQ(v->m_strDataDir, c.dir);
    }
}

TEST_F(ScriptPageTest, HeadingWordOfTheFamily) {
    struct Case {
        int family, variant;
        const char* word;
    };
    const Case cases[] = {{0, 0, u8"理科类"},
                          {1, 1, u8"文科类"},
                          {3, 1, u8"工科类"},
                          {4, 1, u8"数二"},
                          {4, 3, u8"数四"}};
    for (const Case& c : cases) {
        Script("gsdata/gsh.txt", "104x\n");
        Script("xddata/xdh.txt", "104x\n");
        Script("wxddata/xdh.txt", "104x\n");
        Script("gszfxdata/szfxh.txt", "104x\n");
        Script("fxtdata1/h.txt", "104x\n");
        Script("fxtdata3/h.txt", "104x\n");
        auto v = View("h", c.family);
        v->m_nDataVariant = c.variant;
        TextCollector text;
        v->m_pTextSink = &text;
        Draw(v.get());
        EXPECT_TRUE(text.Saw(c.word)) << c.word;
        v->m_pTextSink = nullptr;
    }
}

TEST_F(ScriptPageTest, HeadingWordsOfTheOtherVariants) {
    struct Case {
        int family, variant;
        const char* dir;
        const char* word;
    };
    const Case cases[] = {{2, 1, "wgldata/glh.txt", u8"文科类"},
                          {3, 0, "szfxdata/szfxh.txt", u8"理科类"},
                          {3, 2, "szfxdata/szfxh.txt", u8"理科类"}, // variant 2 reads as 0
                          {4, 0, "fxtdata/h.txt", u8"数一"},
                          {4, 2, "fxtdata2/h.txt", u8"数三"}};
    for (const Case& c : cases) {
        Script(c.dir, "104x\n");
        auto v = View("h", c.family);
        v->m_nDataVariant = c.variant;
        TextCollector text;
        v->m_pTextSink = &text;
        Draw(v.get());
        EXPECT_TRUE(text.Saw(c.word)) << c.family << " " << c.variant;
        v->m_pTextSink = nullptr;
    }
    // Family -1 has no heading.
    Script("data/h.txt", "104x\n");
    auto w = View("h");
    TextCollector text;
    w->m_pTextSink = &text;
    Draw(w.get());
    EXPECT_FALSE(text.Saw(u8"类"));
    w->m_pTextSink = nullptr;
}

TEST_F(ScriptPageTest, PatternBackgroundCellColour) {
    Bytes("data/p.txt", "");
    auto v = View("p");
    v->m_nBackgroundMode = -1;
    v->m_nBackgroundPattern = 1;
    v->m_crBackground = RGB(50, 70, 120);
    v->m_nBrightness = 100;
    v->m_nGridHidden = 1;
    Draw(v.get());
    // Cell x = 640: u = 642/1280; each component c*u + (1-u)*100, truncated
    // (hand calculation: 74.92, 84.95, 110.03).
    EXPECT_EQ(Pixel(v.get(), 641, 500), RGB(74, 84, 110));
    // A cell is 4 pixels wide.
    EXPECT_EQ(Pixel(v.get(), 643, 500), RGB(74, 84, 110));
}

TEST_F(ScriptPageTest, GridLinesFollowTheClipBox) {
    Bytes("data/g.txt", "");
    auto v = View("g");
    v->m_nBackgroundMode = -1;
    v->m_nBackgroundPattern = 1;
    v->m_crBackground = RGB(0, 0, 0);
    v->m_nBrightness = 200;
    v->m_nGridHidden = 0;
    v->m_nGridSize = 16;
    Draw(v.get());
    // Grid lines in the brightness grey at x = 0, 16, 32 ...; the cell beside
    // is 200 (1 - u) with u = 18/1280 (hand calculation: 197.2).
    EXPECT_EQ(Pixel(v.get(), 16, 9), RGB(200, 200, 200));
    EXPECT_EQ(Pixel(v.get(), 17, 9), RGB(197, 197, 197));
    EXPECT_EQ(Pixel(v.get(), 17, 16), RGB(200, 200, 200));
    v->m_nGridHidden = 1;
    v->m_nPrevClipBottom = 0;
    Draw(v.get());
    EXPECT_EQ(Pixel(v.get(), 16, 9), RGB(197, 197, 197));
}

TEST_F(ScriptPageTest, LowStripBelowAShortBoxGetsThePlainFillAbove) {
    Bytes("data/p.txt", "");
    auto v = View("p");
    v->m_nBackgroundMode = -1;
    v->m_nBackgroundPattern = 1;
    v->m_crBackground = RGB(50, 70, 120);
    v->m_nBrightness = 100;
    v->m_nGridHidden = 1;
    Draw(v.get());
    // A strip of 100 pixels below a box 20 high: the pattern fills the lowest
    // 20 rows, the plain background fill the rows above them.
    v->m_crBackground = RGB(10, 20, 30);
    v->m_nBoxHeight = 20;
    const CRect strip(0, kHeight - 100, kWidth, kHeight);
    v->InvalidateRect(&strip);
    v->RenderPending();
    EXPECT_EQ(v->m_nClipTop, kHeight - 20);
    EXPECT_EQ(Pixel(v.get(), 641, kHeight - 80), RGB(10, 20, 30));
    // Pattern cell at x = 640: u = 642/1280, c*u + 100(1 - u) (hand
    // calculation: 54.86, 59.88, 64.89).
    EXPECT_EQ(Pixel(v.get(), 641, kHeight - 10), RGB(54, 59, 64));
}

TEST_F(ScriptPageTest, StepDisplaySkipsRecordsPastTheRevealedCount) {
    Script("data/s.txt", "104a\n104b\n104c\n700Font(7)\n");
    auto v = View("s");
    v->m_nTextRevealMode = 1;
    v->m_nRevealedCount = 1;
    Draw(v.get());
    EXPECT_EQ(v->m_nCharHeight, v->m_nBaseCharHeight); // Font came after record 2
    EXPECT_EQ(v->m_nRecordIndex, 2);

    Script("data/s2.txt", "104a\n700Font(7)\n104b\n104c\n");
    auto w = View("s2");
    w->m_nTextRevealMode = 1;
    w->m_nRevealedCount = 1;
    Draw(w.get());
    EXPECT_EQ(w->m_nCharHeight, w->m_nBaseCharHeight * 19 / 12);
}

TEST_F(ScriptPageTest, LabelLinesByParameterAndFirstLetter) {
    // Commands beginning with C, R or D name two axes; the text record after
    // the labels proves the file stands where it should.
    auto v = ScriptPage("l", "701Curve(1)\nxx\nyy\n104x\n");
    EXPECT_EQ(v->m_astrCommandLabel[0], "xx");
    EXPECT_EQ(v->m_astrCommandLabel[1], "yy");
    EXPECT_EQ(v->m_astrCommandLabel[2], " ");
    EXPECT_EQ(v->m_astrCommandLabel[3], " ");
    EXPECT_EQ(v->m_nRecordIndex, 1);

    // A header of the digit 7 alone: the command is the next line, and its
    // default parameter 7 takes two label lines (four for C, R, D).
    auto w = ScriptPage("l2", "7\nText2(1)\nfirst\nthird\n104x\n");
    EXPECT_EQ(w->m_astrCommandLabel[0], "first");
    EXPECT_EQ(w->m_astrCommandLabel[1], "y");
    EXPECT_EQ(w->m_astrCommandLabel[2], "third");
    EXPECT_EQ(w->m_astrCommandLabel[3], " ");
    EXPECT_EQ(w->m_nRecordIndex, 1);

    auto z = ScriptPage("l3", "7\nRegion(1)\nA\nB\nC\nD\n104x\n");
    EXPECT_EQ(z->m_astrCommandLabel[2], "C");
    EXPECT_EQ(z->m_astrCommandLabel[3], "D");
    EXPECT_EQ(z->m_nRecordIndex, 1);

    // Every command record resets labels 1 and 2; parameter 0 takes no line
    // and keeps labels 3 and 4.
    auto u = ScriptPage("l4", "7\nRegion(1)\nA\nB\nC\nD\n700Font(-7)\n");
    EXPECT_EQ(u->m_astrCommandLabel[0], "x");
    EXPECT_EQ(u->m_astrCommandLabel[1], "y");
    EXPECT_EQ(u->m_astrCommandLabel[2], "C");
    EXPECT_EQ(u->m_nCharHeight, u->m_nBaseCharHeight * 5 / 12);
}

// --- Text size -------------------------------------------------------------------

TEST_F(ScriptPageTest, FontScalesTheCharacterSizeWithinSevenSteps) {
    auto v = ScriptPage("f", "700Font(7)\n");
    EXPECT_EQ(v->m_nCharHeight, v->m_nBaseCharHeight * 19 / 12);
    EXPECT_EQ(v->m_nCharWidth, v->m_nBaseCharWidth * 19 / 12);
    auto w = ScriptPage("f8", "700Font(7)\n700Font(8)\n700Font(-8)\n");
    EXPECT_EQ(w->m_nCharHeight, w->m_nBaseCharHeight * 19 / 12);
    auto z = ScriptPage("f0", "700Font(-2)\n700Font(0)\n");
    EXPECT_EQ(z->m_nCharHeight, z->m_nBaseCharHeight);
}

// --- Answer blocks ------------------------------------------------------------------

namespace {

const char* const kFoldPage = "016习题\n"
                              "104  题目\n"
                              "700Answer(0,0,40,1,0,0,0)\n"
                              "107  答案的文字\n"
                              "700DATA1(0,9,8,7,6,5,4,3,2,1,1,1,)\n"
                              "700CloseAnswer\n"
                              "104  后面的文字\n";

} // namespace

TEST_F(ScriptPageTest, FoldButtonOpensAndClosesOncePerClick) {
    auto v = ScriptPage("a", kFoldPage);
    ASSERT_EQ(v->m_anAnswerState[0], 1);
    EXPECT_EQ(v->m_nAnswerBlock, 1); // Answer, then CloseAnswer
    EXPECT_NE(v->m_adCoefF[0], 9.0); // closed block: the chain stops at the gate
    const int top = v->m_nPictureTop;
    EXPECT_EQ(v->m_nPictureRight - v->m_nPictureLeft, 40 * v->m_nBaseCharWidth);

    Click(v.get(), 100, top + 20);
    EXPECT_EQ(v->m_anAnswerState[0], 0);
    EXPECT_FALSE(v->HasPendingPaint());
    EXPECT_EQ(v->m_nPrevClipBottom, kHeight); // the pass after the click ran to the end
    EXPECT_DOUBLE_EQ(v->m_adCoefF[0], 9.0);   // the open block's commands act

    // Repaints without a new click change nothing.
    Draw(v.get());
    Draw(v.get());
    EXPECT_EQ(v->m_anAnswerState[0], 0);

    Click(v.get(), 100, top + 20);
    EXPECT_EQ(v->m_anAnswerState[0], 1);
    // A click outside the button changes nothing.
    Click(v.get(), 1000, top + 20);
    EXPECT_EQ(v->m_anAnswerState[0], 1);
}

TEST_F(ScriptPageTest, FoldedAnswerTextShowsOnlyWhenOpen) {
    auto v = ScriptPage("a", kFoldPage);
    TextCollector text;
    v->m_pTextSink = &text;
    Draw(v.get());
    EXPECT_TRUE(text.Saw(u8"题"));
    EXPECT_FALSE(text.Saw(u8"案"));
    EXPECT_TRUE(text.Saw(u8"后")); // CloseAnswer shows the rest again
    text.all.clear();
    Click(v.get(), 100, v->m_nPictureTop + 20);
    EXPECT_TRUE(text.Saw(u8"案"));
    v->m_pTextSink = nullptr;
}

TEST_F(ScriptPageTest, TwoBlocksOpenIndependently) {
    auto v = ScriptPage("b", "700Answer(0,0,40,1,0,0,0)\n700Answer(2,0,40,1,1,0,0)\n");
    const int secondTop = v->m_nPictureTop;
    EXPECT_EQ(v->m_nAnswerBlock, 1);
    Click(v.get(), 100, secondTop + 20);
    EXPECT_EQ(v->m_anAnswerState[0], 1);
    EXPECT_EQ(v->m_anAnswerState[1], 0);
}

TEST_F(ScriptPageTest, ChoiceQuestionVerdictStaysUntilAnotherChoice) {
    // Kind 4: choices A..D, C is right; a fifth choice is not drawn.
    auto v = ScriptPage("c", "700Answer(0,0,40,1,4,0,0,1,0)\n107  解答\n");
    const int T = v->m_nPictureTop, L = v->m_nPictureLeft;
    const int W = v->m_nPictureRight - L;
    EXPECT_EQ(v->m_nAnswerVerdictBlock, -1);

    Click(v.get(), L + 9 * W / 20 + 2 + W / 24, T + 20); // "C"
    EXPECT_EQ(v->m_nAnswerVerdictBlock, 0);
    EXPECT_TRUE(v->m_bAnswerVerdictRight);
    Draw(v.get());
    EXPECT_EQ(v->m_nAnswerVerdictBlock, 0);
    EXPECT_TRUE(v->m_bAnswerVerdictRight);

    Click(v.get(), L + W / 4 + 2 + W / 24, T + 20); // "A"
    EXPECT_FALSE(v->m_bAnswerVerdictRight);
    Click(v.get(), L + 13 * W / 20 + 2 + W / 24, T + 20); // where "E" would be
    EXPECT_FALSE(v->m_bAnswerVerdictRight);

    // "查看解答" opens the block; the verdict stays.
    Click(v.get(), v->m_nPictureRight - W / 8, T + 20);
    EXPECT_EQ(v->m_anAnswerState[0], 0);
    EXPECT_EQ(v->m_nAnswerVerdictBlock, 0);
    Click(v.get(), v->m_nPictureRight - W / 8, T + 20);
    EXPECT_EQ(v->m_anAnswerState[0], 1);
}

TEST_F(ScriptPageTest, NegativeKindOpensItsBlockOnEveryPass) {
    auto v = ScriptPage("n", "700Answer(0,0,40,1,-1,0,0)\n700DATA1(0,5,,)\n");
    EXPECT_EQ(v->m_anAnswerState[0], 0);
    EXPECT_DOUBLE_EQ(v->m_adCoefF[0], 5.0);
}

TEST_F(ScriptPageTest, ProblemsClosedSkipAnswerButCountCloseAnswer) {
    Script("data/pc.txt", "700Answer(0,0,40,1,0,0,0)\n700CloseAnswer\n700Answer(0,0,40,1,0,0,0)\n");
    auto v = View("pc");
    v->m_bProblemOpen = 0;
    Draw(v.get());
    EXPECT_EQ(v->m_nAnswerBlock, 0);
}

TEST_F(ScriptPageTest, MoreThanOneHundredBlocksStayInTheArray) {
    std::string page;
    for (int i = 0; i < 101; ++i) page += "700Answer(0,0,40,1,0,0,0)\n";
    for (int i = 0; i < 105; ++i) page += "700CloseAnswer\n";
    auto v = ScriptPage("m", page);
    // A pass reads down to a window's height below what it shows: at the
    // page's end it passes every block.
    v->ScrollToPosition(CPoint(0, 1 << 30));
    Draw(v.get());
    EXPECT_EQ(v->m_nAnswerBlock, 99);
    EXPECT_EQ(v->m_anAnswerState[99], 0);
    Click(v.get(), 100, v->m_nPictureTop - v->m_nClipTop + 20);
    Draw(v.get());
    EXPECT_EQ(v->m_nAnswerBlock, 99);
}

// --- The gate ---------------------------------------------------------------------------

TEST_F(ScriptPageTest, MainContentOnlyRunsTheFirstFiveTests) {
    Script("data/mc.txt", "700Font(7)\n700DATA1(0,9,,)\n");
    auto v = View("mc");
    v->m_bShowAllContent = 0;
    const double before = v->m_adCoefF[0];
    Draw(v.get());
    EXPECT_EQ(v->m_nCharHeight, v->m_nBaseCharHeight * 19 / 12);
    EXPECT_EQ(v->m_adCoefF[0], before);
}

TEST_F(ScriptPageTest, GateResetsTheLimitStateBeforeEachCommand) {
    Script("data/lr.txt", "700Dots(1)\n");
    auto v = View("lr");
    Draw(v.get());
    v->m_nPendingSubDemo = 5;
    v->m_nRegionType = 2;
    Draw(v.get());
    EXPECT_EQ(v->m_nPendingSubDemo, -1);
    EXPECT_EQ(v->m_nRegionType, 0);
    v->m_nPendingSubDemo = 20; // keeps it
    v->m_nRegionType = 2;
    Draw(v.get());
    EXPECT_EQ(v->m_nPendingSubDemo, 20);
    EXPECT_EQ(v->m_nRegionType, 2);
}

// --- Data commands ---------------------------------------------------------------------------

TEST_F(ScriptPageTest, DataListsAndTheTableOfF) {
    auto v = ScriptPage("d", "700DATAs(0,1.5,2.5,3.5)\n"
                             "700DATAs(1,4,5)\n"
                             "700DATAs(3,7,8,9,10)\n");
    EXPECT_EQ(v->m_nDataCountX, 3);
    EXPECT_DOUBLE_EQ(v->m_adDataX[2], 3.5);
    EXPECT_DOUBLE_EQ(v->m_adDataY[1], 5.0);
    EXPECT_DOUBLE_EQ(v->m_adDataZ[3], 10.0);

    auto w = ScriptPage("d2", "700DATAs(2,1,4,0,1)\n");
    EXPECT_EQ(w->m_nDataCountX, 5);
    EXPECT_DOUBLE_EQ(w->m_adDataX[0], 0.0);
    EXPECT_DOUBLE_EQ(w->m_adDataX[4], 1.0);
}

TEST_F(ScriptPageTest, DataTableWithBadCountsEnds) {
    // n = 0: the step (b - a)/n is infinite, so x = a is the only entry.
    auto z = ScriptPage("dz", "700DATAs(2,1,0,0,1)\n");
    EXPECT_EQ(z->m_nDataCountX, 1);
    EXPECT_DOUBLE_EQ(z->m_adDataX[0], 0.0);
    // A negative step would never reach b: the table ends after x = a.
    Script("data/dn.txt", "700DATAs(2,1,-5,0,1)\n");
    EXPECT_EQ(Page("dn")->m_nDataCountX, 1);
    // a > b: no entry at all.
    Script("data/dr.txt", "700DATAs(2,1,4,1,0)\n");
    EXPECT_EQ(Page("dr")->m_nDataCountX, 0);
    auto v = ScriptPage("db", "700DATAs(2,1,1000,0,1)\n");
    EXPECT_EQ(v->m_nDataCountX, 100);
    EXPECT_NEAR(v->m_adDataX[99], 0.099, 1e-9);
    Script("data/de.txt", "700DATAs(2,1,4,1,1)\n"); // a = b: no step, one entry
    auto e = Page("de");
    EXPECT_EQ(e->m_nDataCountX, 1);
    EXPECT_DOUBLE_EQ(e->m_adDataX[0], 1.0);
}

TEST_F(ScriptPageTest, DataCommandsNeedTheScriptSettingsFlag) {
    Script("data/df.txt", "700DATAs(0,1,2)\n700DATA1(0,9,,)\n700Disconnection(1,0,2.5,3.5)\n"
                          "700Disconnection(1,2,7,8)\n");
    auto v = View("df");
    Draw(v.get());
    v->m_bLoadScriptSettings = 0;
    v->m_nDataCountX = 42;
    v->m_adCoefF[0] = 1.25;
    v->m_dX0 = -1;
    v->m_dBreakF0 = 0;
    Draw(v.get());
    EXPECT_EQ(v->m_nDataCountX, 42);
    EXPECT_DOUBLE_EQ(v->m_adCoefF[0], 1.25);
    EXPECT_DOUBLE_EQ(v->m_dX0, -1.0);
    EXPECT_DOUBLE_EQ(v->m_dBreakF0, 2.5); // breakpoints are taken anyway
    EXPECT_EQ(v->m_nFuncFBreak, 1);
}

TEST_F(ScriptPageTest, DisconnectionClosedAfterTheKindKeepsTheBreakpoints) {
    Script("data/dc.txt", "700Disconnection(3,0)\n700Disconnection(0,1,4.5)\n"
                          "700Disconnection(-1,2,0.5,0.25)\n");
    auto v = View("dc");
    v->m_dBreakF0 = 11;
    v->m_dBreakF1 = 12;
    v->m_dBreakG1 = 13;
    Draw(v.get());
    EXPECT_DOUBLE_EQ(v->m_dBreakF0, 11.0);
    EXPECT_DOUBLE_EQ(v->m_dBreakF1, 12.0);
    EXPECT_DOUBLE_EQ(v->m_dBreakG0, 4.5);
    EXPECT_DOUBLE_EQ(v->m_dSavedBreakG0, 4.5);
    EXPECT_DOUBLE_EQ(v->m_dBreakG1, 13.0);
    EXPECT_DOUBLE_EQ(v->m_dX0, 0.5);
    EXPECT_DOUBLE_EQ(v->m_dY0, 0.25);
    EXPECT_EQ(v->m_nFuncFBreak, -1);
}

TEST_F(ScriptPageTest, CoefficientListsOfTheCatalogues) {
    auto v = ScriptPage("c1", "700DATA1(3,1,2,3,4,5,6,7,8,9,10,11,)\n"
                              "700DATA1(1,-1,-2,-3,-4,-5,-6,-7,-8,-9,-10,-11,)\n"
                              "700DATA2(0,1,2,3,4,5,6,7,8,9,10,)\n"
                              "700DATA2(1,11,12,13,14,15,16,17,18,19,20,)\n");
    // Kinds 2..5 give the modes 1..4 (f/g, f*g, f+g, f-g): kind 3 is f*g.
    EXPECT_EQ(v->m_nCombineMode, 2);
    EXPECT_DOUBLE_EQ(v->m_adCoefF[5], 6.0);
    EXPECT_DOUBLE_EQ(v->m_dAlphaF, 7.0);
    EXPECT_DOUBLE_EQ(v->m_dOdeP, 7.0);
    EXPECT_DOUBLE_EQ(v->m_dBetaF, 8.0);
    EXPECT_DOUBLE_EQ(v->m_dOdeQ, 8.0);
    EXPECT_DOUBLE_EQ(v->m_adCoefFExtra[2], 11.0);
    EXPECT_DOUBLE_EQ(v->m_adCoefG[0], -1.0);
    EXPECT_DOUBLE_EQ(v->m_dBetaG, -8.0);
    EXPECT_DOUBLE_EQ(v->m_adCoefGExtra[0], -9.0);
    EXPECT_DOUBLE_EQ(v->m_adCoefSurfF[6], 8.0);
    EXPECT_DOUBLE_EQ(v->m_dAlphaSurfF, 7.0);
    EXPECT_DOUBLE_EQ(v->m_adCoefSurfFExtra[1], 10.0);
    EXPECT_DOUBLE_EQ(v->m_adCoefSurfG[8], 20.0);
    EXPECT_DOUBLE_EQ(v->m_dAlphaSurfG, 17.0);

    // A short list: the rest keep what the point list held.
    auto w = ScriptPage("c2", "700DATA1(0,1,2,3,4,5,6,7,8,9,10,11,)\n700DATA1(0,20,21,)\n");
    EXPECT_DOUBLE_EQ(w->m_adCoefF[0], 20.0);
    EXPECT_DOUBLE_EQ(w->m_adCoefF[2], 3.0);
    EXPECT_EQ(w->m_nCombineMode, 0);
    // More than twenty numbers, and a list closed by ')' alone.
    auto z =
        ScriptPage("c3", "700DATA1(0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,)\n"
                         "700DATA2(1,5,6,7)\n");
    EXPECT_DOUBLE_EQ(z->m_adCoefF[0], 1.0);
    EXPECT_DOUBLE_EQ(z->m_adCoefSurfG[2], 7.0);
}

// --- Pictures and pages ------------------------------------------------------------------------

namespace {

void WriteRedPicture(const char* path) {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    ASSERT_TRUE(image.save(QString::fromUtf8(path), "PNG"));
}

} // namespace

TEST_F(ScriptPageTest, LoadBmpDrawsAndMovesTheTextBelow) {
    WriteRedPicture("data/red.png");
    auto v = ScriptPage("pic", "700LoadBmp(1,2,10,3,red.png,1)\n");
    const int height = v->m_nPictureBottom - v->m_nPictureTop;
    EXPECT_GT(height, 0);
    EXPECT_EQ(v->m_nTextY, 10 + height);
    EXPECT_EQ(v->m_nNextLineY, 10 + height);
    EXPECT_EQ(Pixel(v.get(), v->m_nPictureLeft + 5, v->m_nPictureTop + 5), RGB(255, 0, 0));
    EXPECT_TRUE(messages.empty());

    auto w = ScriptPage("pic0", "700LoadBmp(1,2,10,3,red.png)\n");
    EXPECT_EQ(w->m_nTextY, 10); // placement 0: the text flows over it
    EXPECT_EQ(Pixel(w.get(), w->m_nPictureLeft + 5, w->m_nPictureTop + 5), RGB(255, 0, 0));
}

TEST_F(ScriptPageTest, LoadBmpPlacementTwoNeedsAllContent) {
    WriteRedPicture("data/red.png");
    Script("data/p2.txt", "700LoadBmp(1,2,10,3,red.png,3)\n");
    auto v = View("p2");
    v->m_bShowAllContent = 0;
    v->m_nBackgroundMode = 0;
    Draw(v.get());
    EXPECT_EQ(v->m_nTextY, 10);
    EXPECT_NE(Pixel(v.get(), v->m_nPictureLeft + 5, v->m_nPictureTop + 5), RGB(255, 0, 0));
    // Placement 2 with all content: drawn, and the text stays beside it.
    auto w = ScriptPage("p2w", "700LoadBmp(1,2,10,3,red.png,2)\n");
    EXPECT_EQ(w->m_nTextY, 10);
    EXPECT_EQ(Pixel(w.get(), w->m_nPictureLeft + 5, w->m_nPictureTop + 5), RGB(255, 0, 0));
}

TEST_F(ScriptPageTest, MissingPictureIsSilentBrokenPictureReportedOnce) {
    auto v = ScriptPage("mp", "700LoadBmp(1,2,10,3,none.jpg,1)\n");
    EXPECT_TRUE(messages.empty());
    EXPECT_GT(v->m_nTextY, 10); // the flow still moves
    // An empty file and a file that is no picture draw nothing, silently.
    Bytes("data/empty.jpg", "");
    Bytes("data/bad.jpg", "this is no picture");
    auto w = ScriptPage("bp", "700LoadBmp(1,2,10,3,empty.jpg)\n700LoadBmp(1,2,10,3,bad.jpg)\n");
    Draw(w.get());
    EXPECT_TRUE(messages.empty());
    // A JPEG whose data cannot be decoded is a render failure, told once.
    Bytes("data/broken.jpg", std::string("\xFF\xD8\xFF\xE0", 4) + std::string(64, 'x'));
    auto u = ScriptPage("bj", "700LoadBmp(1,2,10,3,broken.jpg)\n");
    Draw(u.get());
    Draw(u.get());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], u8"渲染图像失败！");
}

TEST_F(ScriptPageTest, NegativePictureHeightDrawsItUpsideDown) {
    // Red over blue; drawn with a negative height it lies above y, blue on top.
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    for (int y = 10; y < 20; ++y)
        for (int x = 0; x < 40; ++x) image.setPixel(x, y, qRgb(0, 0, 255));
    ASSERT_TRUE(image.save(QStringLiteral("data/rb.png"), "PNG"));
    auto v = View("x");
    QImage surface(200, 100, QImage::Format_RGB32);
    surface.fill(QColor(255, 255, 255));
    CDC dc(&surface);
    v->DrawPicture(&dc, "data\\rb.png", 10, 60, 40, -40);
    EXPECT_EQ(surface.pixel(20, 25), qRgb(0, 0, 255));
    EXPECT_EQ(surface.pixel(20, 55), qRgb(255, 0, 0));
    EXPECT_EQ(surface.pixel(20, 65), qRgb(255, 255, 255));
    EXPECT_EQ(surface.pixel(20, 15), qRgb(255, 255, 255));
    EXPECT_TRUE(messages.empty());
}

// Below the window a picture is not drawn, but the text still moves below
// it: the page's length counts it, so the pictures after it can be reached.
TEST_F(ScriptPageTest, LoadBmpBelowTheVisibleAreaMovesTheText) {
    WriteRedPicture("data/red.png");
    std::string text;
    for (int i = 0; i < 60; ++i) text += "104x\n";
    Script("data/lo.txt", text + "700LoadBmp(0,2,10,3,red.png,1)\n");
    Script("data/ln.txt", text);
    auto v = Page("lo");
    auto w = Page("ln");
    ASSERT_GT(w->m_nTextY, kHeight);
    EXPECT_EQ(v->m_nTextY, w->m_nTextY + v->m_nPictureBottom - v->m_nPictureTop);
}

TEST_F(ScriptPageTest, LoadBmpInsideAClosedAnswerBlockIsDrawn) {
    WriteRedPicture("data/red.png");
    auto v = ScriptPage("la", "700Answer(0,0,40,1,0,0,0)\n700LoadBmp(2,2,10,3,red.png)\n");
    ASSERT_EQ(v->m_anAnswerState[0], 1);
    EXPECT_EQ(Pixel(v.get(), v->m_nPictureLeft + 5, v->m_nPictureTop + 5), RGB(255, 0, 0));
}

TEST_F(ScriptPageTest, HtmlOpensEachNamedPageOnce) {
    Bytes("data/one.htm", "<html></html>");
    Bytes("data/two.htm", "<html></html>");
    Script("data/h.txt", "700Html(one.htm)\n");
    ::testing::internal::CaptureStderr();
    auto v = Page("h");
    Draw(v.get());
    Draw(v.get());
    std::string out = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(v->m_strLastHtmlPage, "data\\one.htm");
    size_t opened = 0;
    for (size_t p = out.find("one.htm"); p != std::string::npos; p = out.find("one.htm", p + 1))
        ++opened;
    EXPECT_EQ(opened, 1u);

    // A command without a name opens nothing (not the directory).
    Script("data/h0.txt", "700Html()\n700Html(\n");
    ::testing::internal::CaptureStderr();
    auto u = Page("h0");
    EXPECT_EQ(::testing::internal::GetCapturedStderr().find("Pemro: page"), std::string::npos);
}

TEST_F(ScriptPageTest, SeveralHtmlPagesOpenOncePerVisitOfTheTopic) {
    std::vector<std::string> lines;
    SetProgramStarter([&lines](const std::string& line) { lines.push_back(line); });
    std::string script;
    for (int i = 0; i < 50; ++i) script += "700Html(a.htm)\n700Html(b.htm)\n";
    auto v = ScriptPage("h2", script);
    for (int pass = 0; pass < 4; ++pass) Draw(v.get());
    EXPECT_EQ(lines.size(), 2u);
    const std::string dir = v->m_strProgramDir + "data\\";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "IEXPLORE.EXE " + dir + "a.htm"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "IEXPLORE.EXE " + dir + "b.htm"), 1);

    // Choosing the topic again is a new visit.
    v->ResetTopic(-1);
    v->m_strTopicCode = "h2";
    Draw(v.get());
    Draw(v.get());
    SetProgramStarter({});
    EXPECT_EQ(lines.size(), 4u);
}

TEST_F(ScriptPageTest, HtmlStartsTheBrowserThroughTheProgramStart) {
    std::vector<std::string> lines;
    SetProgramStarter([&lines](const std::string& line) { lines.push_back(line); });
    auto v = ScriptPage("hs", "700Html(one.htm)\n");
    Draw(v.get());
    SetProgramStarter({});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "IEXPLORE.EXE " + v->m_strProgramDir + "data\\one.htm");
}

// --- Bad input: nothing crashes, hangs or writes outside an array -------------------------------

TEST_F(ScriptPageTest, CrLfLineEndsReadLikeLineFeeds) {
    Bytes("data/crlf.txt", "700Font(7)\r\n700DATA1(0,4,5,)\r\n701Curve(1)\r\nxlabel\r\nylabel\r\n");
    auto v = Page("crlf");
    EXPECT_EQ(v->m_nCharHeight, v->m_nBaseCharHeight * 19 / 12);
    EXPECT_DOUBLE_EQ(v->m_adCoefF[1], 5.0);
    EXPECT_EQ(v->m_astrCommandLabel[0], "xlabel");
    EXPECT_EQ(v->m_astrCommandLabel[1], "ylabel");
}

TEST_F(ScriptPageTest, HeadersWithLettersLongLinesAndBinaryBytes) {
    std::string page = "XYZ some text\n7ab\nFont(3)\n";
    page += "700DATAs(0," + std::string(600, '9') + ")\n"; // longer than the reader takes
    page += "104" + std::string(400, 'x') + "\n";
    page += std::string(300, '\xFF') + "\n"; // not GBK
    page += std::string("\x00\x01\x02\x80\x81\n", 6);
    page += "700Answer(\n700DATAs(0,1,2\n700DATAs(2,1,1/0,0,1)\n700DATA1(0\n";
    page += "700LoadBmp(\n700Html(\n700Disconnection(\n700Font(1/0)\n700Font(--3)\n";
    page += "104\xA1";
    Bytes("data/bad.txt", page);
    auto v = Page("bad");
    Draw(v.get());
    Click(v.get(), 100, 30);
    EXPECT_EQ(v->m_strLastDataPath, "data\\bad.txt");
    EXPECT_EQ(v->m_nCharHeight, v->m_nBaseCharHeight * 9 / 12); // Font(--3) reads -3
    EXPECT_LE(v->m_nDataCountX, 100);
}

TEST_F(ScriptPageTest, ManyPassesOverAPageWithEveryKeyword) {
    // Every keyword with odd arguments: sections not built yet do nothing,
    // the built ones read what they can.
    const char* const kKeywords[] = {"Region(", "Curve(", "Answer(", "Gauss(", "LU(",
                                     "B^2_AC(", "DATAs(", "Html(",   "Text2(", "Cube("};
    std::string page;
    for (const char* k : kKeywords) {
        page += std::string("701") + k + "1,-2,3.5/0,,;;)\nlabel\nlabel\n";
        page += std::string("700") + k + "\n";
    }
    auto v = ScriptPage("k", page);
    for (int i = 0; i < 3; ++i) Click(v.get(), 50 + 100 * i, 60 + 40 * i);
    EXPECT_EQ(v->m_strLastDataPath, "data\\k.txt");
}
