// Text records and paragraphs: set-up by parameter, the line advance of
// each class, the order in which parts are read, continuation pieces,
// click-to-reveal and scripts that are wrong.
// Metrics: character 20 x 10, so H = 20, Q = 3, M = 10, W = 10; the record
// starts at Y = 100.
#include "typeset_fixture.h"

using namespace typeset_test;

namespace {
constexpr int Y = 100, H = 20, M = 10;
}

TEST_F(TypesetTest, PeekGivesDefaultsForNonDigits) {
    std::strcpy(v().m_szRecordHeader, "6b5");
    v().PeekRecordHeader();
    EXPECT_EQ(v().m_nNextRecClass, 6);
    EXPECT_EQ(v().m_nNextRecSubtype, 0);
    EXPECT_EQ(v().m_nNextRecParam, 5);
    std::strcpy(v().m_szRecordHeader, "x3c");
    v().PeekRecordHeader();
    EXPECT_EQ(v().m_nNextRecClass, -1);
    EXPECT_EQ(v().m_nNextRecSubtype, 3);
    EXPECT_EQ(v().m_nNextRecParam, -3);
    std::strcpy(v().m_szRecordHeader, "\n");
    v().PeekRecordHeader();
    EXPECT_EQ(v().m_nNextRecClass, -1);
    EXPECT_EQ(v().m_nNextRecSubtype, 0);
    EXPECT_EQ(v().m_nNextRecParam, 3);
}

TEST_F(TypesetTest, TitleAdvancesByItsScale) {
    Typeset(u8"004中\n");
    EXPECT_EQ(v().m_nNextLineY, Y + 33); // (int)(1.3 * 1.3 * 20)
    const Piece t = One(u8"中");
    EXPECT_EQ(t.font.lfHeight, 26);
    EXPECT_EQ(t.y, Y);
    EXPECT_EQ(t.x, M);
    v().m_nNextLineY = Y;
    Typeset(u8"094中\n");
    EXPECT_EQ(v().m_nNextLineY, Y + 80); // (int)(1.3 * 3.1 * 20)
}

TEST_F(TypesetTest, AnswerTextIsHiddenWithTheMainContentOnly) {
    v().m_bShowAllContent = 0;
    Typeset(u8"107中\n");
    EXPECT_TRUE(rec.pieces.empty());
    EXPECT_EQ(v().m_nNextLineY, Y); // no height
    EXPECT_EQ(v().m_bShowRecordText, 0);
    Typeset(u8"100中\n"); // stays hidden
    EXPECT_TRUE(rec.pieces.empty());
    Typeset(u8"106中\n"); // parameter 6 shows again
    EXPECT_EQ(Find(u8"中").size(), 1u);
    EXPECT_EQ(v().m_nNextLineY, Y + 28);
}

TEST_F(TypesetTest, AnswerTextFollowsItsAnswerBlock) {
    v().m_nAnswerBlock = 0;
    v().m_anAnswerState[0] = 1; // closed
    Typeset(u8"102中\n");
    EXPECT_TRUE(rec.pieces.empty());
    v().m_bShowRecordText = 1;
    v().m_anAnswerState[0] = 0; // opened by its button
    Typeset(u8"102中\n");
    EXPECT_EQ(Find(u8"中").size(), 1u);
}

TEST_F(TypesetTest, FormulaParameterEnlargesTheLine) {
    v().m_nFormulaFontStep = 4;
    Typeset(u8"103a\n");
    EXPECT_EQ(v().m_nNextLineY, Y + 33); // (int)(1.4 * 24)
    EXPECT_EQ(v().m_nFontStep, 4);       // the page driver restores it
    v().m_nFontStep = 0;
    v().m_nNextLineY = Y;
    Typeset(u8"104a\n");
    EXPECT_EQ(v().m_nNextLineY, Y + 28);
}

TEST_F(TypesetTest, FontFollowsTheParameter) {
    for (int i = 0; i < 5; ++i) v().m_alfTextFont[i].lfWeight = 100 + i;
    v().m_lfCurrent.lfWeight = 999;
    const int expected[10] = {999, 999, 999, 103, 101, 101, 104, 102, 999, 999};
    for (int p = 0; p <= 9; ++p) {
        v().m_lfCurrent.lfWeight = 999;
        rec.pieces.clear();
        Typeset("10" + std::to_string(p) + u8"中\n");
        EXPECT_EQ(v().m_lfCurrent.lfWeight, expected[p]) << "parameter " << p;
    }
}

TEST_F(TypesetTest, PlacedPiecesMoveTheTextPosition) {
    Typeset(u8"600\n");
    EXPECT_EQ(v().m_nTextY, Y - 5); // up a quarter line
    EXPECT_EQ(v().m_nNextLineY, Y - 5);
    EXPECT_TRUE(rec.pieces.empty());
    v().m_nTextY = v().m_nNextLineY = Y;
    Typeset(u8"609\n");
    EXPECT_EQ(v().m_nTextY, Y + 25); // down five quarter lines
    v().m_nTextY = v().m_nNextLineY = Y;
    Typeset(u8"804\n");
    EXPECT_EQ(v().m_nTextY, Y + 10); // down half a line
}

TEST_F(TypesetTest, PlacedAndAngledPiecesTakeNoHeight) {
    for (const char* script : {u8"614中\n", u8"834中\n", u8"912中\n", u8"692中\n"}) {
        v().m_nTextY = v().m_nNextLineY = Y;
        rec.pieces.clear();
        Typeset(script);
        EXPECT_EQ(v().m_nNextLineY, Y) << script;
        EXPECT_EQ(Find(u8"中").size(), 1u) << script;
    }
}

TEST_F(TypesetTest, PlacedPieceIsInThePreviousColourAndItsOwnFont) {
    v().m_alfTextFont[4].lfWeight = 321;
    Typeset(u8"636中\n", 5); // class 6, subtype 3: style 1, parameter 6
    const Piece p = One(u8"中");
    EXPECT_EQ(p.colour, PaletteTestColour(5));
    EXPECT_EQ(p.font.lfWeight, 321);
    EXPECT_EQ(p.y, Y - (6 * H) / 3 + 1);
}

TEST_F(TypesetTest, AngledRecordUsesTheSubtypeAsAngle) {
    Typeset(u8"921中\n", 6);
    const Piece p = One(u8"中");
    EXPECT_EQ(p.font.lfEscapement, 1350);
    EXPECT_EQ(p.y, Y - (2 * H) / 2);
    EXPECT_EQ(p.colour, PaletteTestColour(6));
}

TEST_F(TypesetTest, NegativePreviousParameterUsesTheBodyColour) {
    Typeset(u8"614中\n", -3);
    EXPECT_EQ(One(u8"中").colour, PaletteTestColour(7));
}

TEST_F(TypesetTest, Class1Subtype0ReadsOneLine) {
    Typeset(u8"104中\n611上\n104下\n");
    EXPECT_EQ(Find(u8"中").size(), 1u);
    EXPECT_TRUE(Find(u8"上").empty());
    EXPECT_EQ(Rest(), u8"611上\n104下\n");
}

TEST_F(TypesetTest, Class1Subtype9ReadsItsPartsInOrder) {
    // D, a piece, A, a piece, main, a piece, B, C; nothing after B is a gap.
    Typeset(u8"194丁\n611甲\n   阿\n811乙\n   主\n611丙\n   贝\n105西\n115后\n");
    const int Q = H / 6;
    EXPECT_EQ(One(u8"丁").y, Y - H / 5);
    EXPECT_EQ(One(u8"阿").y, Y - (3 * Q) / 4);
    EXPECT_EQ(One(u8"主").y, Y);
    EXPECT_EQ(One(u8"贝").y, Y + (4 * H) / 7);
    EXPECT_EQ(One(u8"西").y, Y);
    // The pieces sit in the gaps: after D, after A, before B.
    EXPECT_EQ(One(u8"甲").y, Y - (3 * Q) / 4 - H / 4);
    EXPECT_EQ(One(u8"乙").y, Y - H / 4);
    EXPECT_EQ(One(u8"丙").y, Y + H / 2 - H / 4);
    EXPECT_EQ(v().m_nNextLineY, Y + 30);
    EXPECT_EQ(Rest(), u8"115后\n");
}

TEST_F(TypesetTest, Class1PartCTakesTheParameterOfItsHeader) {
    Typeset(u8"174上\n   主\n   下\n105西\n");
    EXPECT_EQ(One(u8"西").colour, PaletteTestColour(5));
    EXPECT_EQ(One(u8"主").colour, PaletteTestColour(4));
    EXPECT_EQ(v().m_nRecParam, 5);
}

TEST_F(TypesetTest, Class1PartEWritesTurnedColumnEntries) {
    Typeset(u8"164主\n030甲040乙000\n");
    const Piece a = One(u8"甲");
    EXPECT_EQ(a.x, M + 10 * 3);
    EXPECT_EQ(a.y, Y + H);
    EXPECT_EQ(a.font.lfEscapement, 900);
    EXPECT_EQ(One(u8"乙").x, M + 10 * 4);
    EXPECT_EQ(Rest(), "\n");
}

TEST_F(TypesetTest, Class2DrawsUpperAndLowerLines) {
    Typeset(u8"204上\n   下\n");
    EXPECT_EQ(One(u8"上").y, Y);
    EXPECT_EQ(One(u8"下").y, Y + (2 * H) / 3);
    EXPECT_EQ(One(u8"下").font.lfHeight, 6 * 20 / 7); // style 2
    EXPECT_EQ(v().m_nNextLineY, Y + 44);              // (int)(2.2 * 20)
}

TEST_F(TypesetTest, HiddenClass2StillDrawsItsRings) {
    v().m_bShowAllContent = 0;
    // Subtype 2: C, D (rings), E (column list).
    Typeset(u8"227上\n   下\n   小\n030\n   \n050中000\n");
    EXPECT_TRUE(rec.pieces.empty());
    EXPECT_EQ(v().m_nNextLineY, Y);
    // A ring around the byte at column 2, centred at height Y + H/2 (O2 = 0):
    // its right and left points, W = 10 from the centre M + 2.5 W.
    const COLORREF c = PaletteTestColour(0);
    const QRgb ink = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
    EXPECT_EQ(image.pixel(M + 35, Y + H / 2), ink);
    EXPECT_EQ(image.pixel(M + 15, Y + H / 2), ink);
    EXPECT_NE(image.pixel(M + 25, Y + H / 2), ink);
}

TEST_F(TypesetTest, Class3Subtype8MovesOnHalfALineAlsoHidden) {
    v().m_bShowAllContent = 0;
    Typeset(u8"387a\n   b\n   c\n   d\n   e\n   f\n   g\n   h\n");
    EXPECT_EQ(v().m_nNextLineY, Y + H / 2);
    EXPECT_TRUE(rec.pieces.empty());
}

TEST_F(TypesetTest, Class3WidensMinusUnderMarkedColumns) {
    Typeset("304 a+b\n   ----\n    c\n");
    // The minus under 'a' (column 1) is drawn twice, the one under '+' once.
    int underA = 0, underPlus = 0;
    for (const Piece& p : Find("-")) {
        if (p.x == M + (5 * 1 - 1) * 10 / 5 || p.x == M + (6 * 1 + 1) * 10 / 6) ++underA;
        if (p.x == M + 20) ++underPlus;
    }
    EXPECT_EQ(underA, 2);
    EXPECT_EQ(underPlus, 1);
}

// The mask knows only the first 52 full-width letters: Ｘ is the 52nd, Ｙ
// the 53rd, so only a minus under Ｘ is widened.
TEST_F(TypesetTest, Class3MaskKnowsTheFirst52WideLetters) {
    Typeset(u8"300 Ｘ\n   ---\n   c\n");
    EXPECT_EQ(Find("-").size(), 5u); // columns 1 and 2 twice, column 0 once
}

TEST_F(TypesetTest, Class3MaskLeavesLaterWideLettersUnmarked) {
    Typeset(u8"300 Ｙ\n   ---\n   c\n");
    EXPECT_EQ(Find("-").size(), 3u);
}

TEST_F(TypesetTest, Class4RowsAndTallSign) {
    Typeset(u8"404甲\n   乙\n   丙\n   ｛\n");
    EXPECT_EQ(One(u8"甲").y, Y);
    EXPECT_EQ(One(u8"乙").y, Y + (7 * H) / 6);
    EXPECT_EQ(One(u8"丙").y, Y + (5 * H) / 2);
    EXPECT_EQ(One(u8"｛").font.lfHeight, 80); // scaled 4.0
    EXPECT_EQ(v().m_nNextLineY, Y + 79);      // (int)(3.4 * 7 * 20 / 6)
}

TEST_F(TypesetTest, Class4Subtype6HasSevenRows) {
    Typeset(u8"464一\n   二\n   三\n   四\n   五\n   六\n   七\n   ｛\n");
    EXPECT_EQ(One(u8"七").y, Y + (43 * H) / 6);
    EXPECT_EQ(One(u8"｛").font.lfHeight, 192); // scaled 9.6
}

TEST_F(TypesetTest, Class5RowsRingAndColumnEntry) {
    Typeset(u8"504一\n   二\n   三\n   ｜\n030\n   \n050中000\n");
    EXPECT_EQ(One(u8"一").y, Y + H / 2);
    EXPECT_EQ(One(u8"二").y, Y + 2 * H);
    EXPECT_EQ(One(u8"三").y, Y + (7 * H) / 2);
    EXPECT_EQ(One(u8"｜").y, Y + H / 2);
    const Piece c = One(u8"中");
    EXPECT_EQ(c.x, M + 10 * 5);
    EXPECT_EQ(c.y, Y + 2 * H);
    EXPECT_EQ(v().m_nNextLineY, Y + 96); // (int)(4.8 * 20)
    EXPECT_EQ(Rest(), "\n");
}

TEST_F(TypesetTest, ContinuationPiecesMoveAndPlace) {
    CDC* d = dc.get();
    const int u = 20; // B + S
    v().DrawContinuationRecord(d, "x\n", 6, 0, 2, Y, 4);
    EXPECT_EQ(v().m_nNextLineY, Y - (3 * u) / 4);
    v().m_nNextLineY = v().m_nTextY = Y;
    v().DrawContinuationRecord(d, "x\n", 6, 0, 7, Y, 4);
    EXPECT_EQ(v().m_nNextLineY, Y + (3 * u) / 4);
    v().m_nNextLineY = v().m_nTextY = Y;
    v().DrawContinuationRecord(d, "x\n", 8, 0, 4, Y, 4);
    EXPECT_EQ(v().m_nTextY, Y + u / 2);
    EXPECT_TRUE(rec.pieces.empty());

    v().DrawContinuationRecord(d, "a\n", 6, 2, 3, Y, 4);
    v().DrawContinuationRecord(d, "b\n", 6, 1, 3, Y, 4);
    v().DrawContinuationRecord(d, "c\n", 8, 5, -2, Y, 7);
    // Style 7 writes letters at the pass-2 y + E/10 (2); style 14 like 2.
    EXPECT_EQ(One("a").y, Y - (13 * u) / 4 + 2);
    EXPECT_EQ(One("a").x, 2 * 20 / 5);
    EXPECT_EQ(One("b").y, Y - (3 * u) / 4 + 2);
    EXPECT_EQ(One("c").y, Y + (2 * u) / 4);
    EXPECT_EQ(One("c").colour, PaletteTestColour(3)); // colour 7 draws as 3
    EXPECT_EQ(One("a").colour, PaletteTestColour(4));
}

TEST_F(TypesetTest, WidePiecesScaleTheFont) {
    v().DrawContinuationRecord(dc.get(), "a\n", 0, 3, 0, Y, 4);
    v().DrawContinuationRecord(dc.get(), "b\n", 0, 8, 0, Y, 4);
    EXPECT_EQ(One("a").font.lfWidth, 30);  // three times as wide
    EXPECT_EQ(One("a").font.lfHeight, 10); // half height
    EXPECT_EQ(One("b").font.lfWidth, 30);
    EXPECT_EQ(One("b").font.lfHeight, 20);
}

TEST_F(TypesetTest, RevealLineByLineCutsAtTheClick) {
    v().m_nCharHeight = 18;
    v().m_nTextRevealMode = 1;
    v().m_nRecordIndex = v().m_nRevealedCount = 3;
    v().m_ptClick = CPoint(90, 5);
    std::string line = std::string(10, 'a') + Gbk(u8"中") + "bbbb\n";
    std::strcpy(v().m_szTextLine, line.c_str());
    v().HideLineTailBeyondClick(dc.get(), Y, 0);
    EXPECT_EQ(std::string(v().m_szTextLine), std::string(10, 'a') + "      \n");
    // Byte 10 is the last shown when the line starts with a single byte.
    std::strcpy(v().m_szTextLine, (std::string(12, 'a') + "\n").c_str());
    v().HideLineTailBeyondClick(dc.get(), Y, 0);
    EXPECT_EQ(std::string(v().m_szTextLine), std::string(11, 'a') + " \n");
}

TEST_F(TypesetTest, RevealDownToTheClickHidesLinesBelowIt) {
    v().m_nTextRevealMode = 0;
    v().m_ptClick = CPoint(400, 50);
    v().m_nTextY = 60;
    std::strcpy(v().m_szTextLine, "abc\n");
    v().HideLineTailBeyondClick(dc.get(), 60, 0);
    EXPECT_STREQ(v().m_szTextLine, "a  \n");
    std::strcpy(v().m_szTextLine, Gbk(u8"中文\n").c_str());
    v().HideLineTailBeyondClick(dc.get(), 60, 0);
    EXPECT_STREQ(v().m_szTextLine, "    \n");
    // A line above the click stays whole.
    std::strcpy(v().m_szTextLine, "abc\n");
    v().HideLineTailBeyondClick(dc.get(), 40, 0);
    EXPECT_STREQ(v().m_szTextLine, "abc\n");
}

TEST_F(TypesetTest, DisplayAllNeverCuts) {
    v().m_nTextRevealMode = -1;
    v().m_ptClick = CPoint(1, 1);
    v().m_nTextY = 500;
    std::strcpy(v().m_szTextLine, "abcdef\n");
    v().HideLineTailBeyondClick(dc.get(), 500, 0);
    EXPECT_STREQ(v().m_szTextLine, "abcdef\n");
}

TEST_F(TypesetTest, RevealedRecordsOnlyAreTypeset) {
    v().m_nTextRevealMode = 1;
    v().m_nRecordIndex = 4;
    v().m_nRevealedCount = 3;
    Typeset(u8"104中\n");
    EXPECT_TRUE(rec.pieces.empty());
    EXPECT_EQ(v().m_nNextLineY, Y);
}

// --- Scripts that are wrong ---------------------------------------------------

TEST_F(TypesetTest, ColumnListThatNeverEndsStops) {
    std::string script = u8"164主\n";
    for (int i = 0; i < 1000; ++i) script += u8"01x中";
    Typeset(script);
    EXPECT_EQ(Find(u8"中").size(), 200u);
}

TEST_F(TypesetTest, ParagraphCutShortByTheEndOfTheFile) {
    Typeset(u8"194丁\n611甲");
    EXPECT_EQ(One(u8"甲").y, Y - (3 * (H / 6)) / 4 - H / 4); // last line without line end
    Typeset(u8"594a");
    Typeset(u8"374");
    Typeset(u8"");
    SUCCEED();
}

TEST_F(TypesetTest, ColumnFarBeyondTheLine) {
    Typeset(u8"164主\n990中000\n");
    EXPECT_EQ(One(u8"中").x, M + 10 * 99);
}

TEST_F(TypesetTest, NegativePaletteNumbersDrawInTheBodyColour) {
    Typeset(u8"1a4主\n");
    v().DrawContinuationRecord(dc.get(), u8"x\n", 6, 9, 0, Y, -4);
    EXPECT_EQ(One("x").colour, PaletteTestColour(7));
    // A ring in a negative palette number.
    Typeset(u8"504一\n   二\n   三\n   ｜\n03c\n   \n000\n");
    SUCCEED();
}

TEST_F(TypesetTest, LastLineWithoutLineEndIsDrawnWhole) {
    Typeset("104ab");
    EXPECT_EQ(One("b").x, M + 10);
}
