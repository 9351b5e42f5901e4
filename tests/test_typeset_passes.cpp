// The text writers and the three typesetting passes: where each character
// of a script line lands, in which font and colour, with the markup bytes.
// Metrics of every test: character 20 x 10, size step 0, so the line height
// E = 20, a one-byte cell w0 = 10 and a two-byte cell C = 20.
#include "platform/fonts.h"
#include "typeset_fixture.h"

using namespace typeset_test;

namespace {

constexpr int X = 100, Y = 200;
constexpr int kStyle0LetterY = Y + 20 / 8; // pass 2 of style 0: y + E/8
constexpr int kUprightY = Y + 20 / 10;     // pass 3: y + E/10

} // namespace

TEST_F(TypesetTest, TwoLettersAreDrawnAndTheLineEndNever) {
    v().DrawTextStyle0(dc.get(), X, Y, "ab\n", 1);
    ASSERT_EQ(rec.pieces.size(), 2u);
    EXPECT_EQ(One("a").x, 100);
    EXPECT_EQ(One("a").y, kStyle0LetterY);
    EXPECT_EQ(One("b").x, 110);
}

TEST_F(TypesetTest, EmptyAndOneByteLinesDrawNothing) {
    v().DrawTextStyle0(dc.get(), X, Y, "", 1);
    v().DrawTextStyle0(dc.get(), X, Y, "a", 1);
    v().DrawTextStyle0(dc.get(), X, Y, "\n", 1);
    EXPECT_TRUE(rec.pieces.empty());
}

TEST_F(TypesetTest, AmpersandMovesTheNextCharacterTwoFifthsLeft) {
    v().DrawTextStyle0(dc.get(), X, Y, "a&b\n", 1);
    EXPECT_EQ(One("b").x, 116); // plain place 120
    EXPECT_TRUE(Find("&").empty());
}

TEST_F(TypesetTest, AtAndDollarMoveTheNextCharacterTwoFifthsRight) {
    v().DrawTextStyle0(dc.get(), X, Y, "a@b\n", 1);
    EXPECT_EQ(One("b").x, 124);
    EXPECT_TRUE(Find("@").empty());
}

TEST_F(TypesetTest, DollarPullsEverythingAfterTheNextCharacter) {
    v().DrawTextStyle0(dc.get(), X, Y, "$ab\n", 1);
    EXPECT_EQ(One("a").x, 114);      // 10 + 4
    EXPECT_EQ(One("b").x, 120 - 23); // pulled by 7C/6 = 23
}

TEST_F(TypesetTest, DoubledMarkupPrintsOneMarkupCharacter) {
    v().DrawTextStyle0(dc.get(), X, Y, "&&x\n", 1);
    EXPECT_EQ(One("&").x, 106);
    rec.pieces.clear();
    v().DrawTextStyle0(dc.get(), X, Y, "@@x\n", 1);
    EXPECT_EQ(One("@").x, 114);
}

TEST_F(TypesetTest, HashPrintsNothingAndPullsByATwoByteCell) {
    v().DrawTextStyle0(dc.get(), X, Y, "a#b\n", 1);
    EXPECT_TRUE(Find("#").empty());
    EXPECT_EQ(One("b").x, 100);
}

TEST_F(TypesetTest, DoubleHashInStyle0PrintsOneHash) {
    v().DrawTextStyle0(dc.get(), X, Y, "a##b1\n", 1);
    EXPECT_EQ(One("#").x, 100);      // pass 2: the second '#' as a letter
    EXPECT_EQ(One("b").x, 130 - 20); // passes 1 and 2: pulled by C
    EXPECT_EQ(One("1").x, 140 - 25); // pass 3: by C + C/4
    EXPECT_EQ(One("1").y, kUprightY);
}

TEST_F(TypesetTest, DoubleHashInStyle1PullsByACellAndAQuarter) {
    v().DrawTextStyle1(dc.get(), X, Y, "a##b\n", 1);
    EXPECT_TRUE(Find("#").empty());
    const Piece b = One("b");
    EXPECT_EQ(b.x, 130 - 25);
    EXPECT_EQ(b.y, Y - 2 + 2);      // raised by H/10 for pass 2, lowered by E/10
    EXPECT_EQ(b.font.lfHeight, 12); // 3E/5
    EXPECT_EQ(b.font.lfWidth, 6);   // C/3
}

TEST_F(TypesetTest, TwoEqualsSignsMakeOneLongSign) {
    v().DrawTextStyle0(dc.get(), X, Y, "a==b\n", 1);
    const auto eq = Find("=");
    ASSERT_EQ(eq.size(), 3u);
    EXPECT_EQ(eq[0].x, 110);
    EXPECT_EQ(eq[1].x, 117); // 3 pixels left of its place
    EXPECT_EQ(eq[2].x, 120);
    for (const Piece& p : eq) EXPECT_EQ(p.y, kUprightY);
}

TEST_F(TypesetTest, EqualsBeforeGreaterIsTheBarOfADoubleArrow) {
    v().DrawTextStyle0(dc.get(), X, Y, "a=>b\n", 1);
    const auto eq = Find("=");
    ASSERT_EQ(eq.size(), 2u);
    EXPECT_EQ(eq[0].x, 107);
    EXPECT_EQ(eq[1].x, 116); // three fifths of a pitch right
    EXPECT_EQ(One(">").x, 120);
}

TEST_F(TypesetTest, EqualsAfterLessIsTheBarOfADoubleArrow) {
    v().DrawTextStyle0(dc.get(), X, Y, "a<=b\n", 1);
    EXPECT_EQ(One("<").x, 110);
    const auto eq = Find("=");
    ASSERT_EQ(eq.size(), 2u);
    EXPECT_EQ(eq[0].x, 120);
    EXPECT_EQ(eq[1].x, 115); // half a pitch left
}

TEST_F(TypesetTest, MinusBeforeArrowBecomesADash) {
    v().DrawTextStyle0(dc.get(), X, Y, Gbk(u8"a-→\n").c_str(), 1);
    EXPECT_TRUE(Find("-").empty());
    EXPECT_EQ(One(u8"—").x, 110);
    EXPECT_EQ(One(u8"—").y, kUprightY);
    EXPECT_EQ(One(u8"→").x, 120);
}

TEST_F(TypesetTest, DashMinusArrowJoinsInStyle0) {
    v().DrawTextStyle0(dc.get(), X, Y, Gbk(u8"—-→\n").c_str(), 1);
    const auto dashes = Find(u8"—");
    ASSERT_EQ(dashes.size(), 4u);
    EXPECT_EQ(dashes[0].x, 99); // the dash itself, twice
    EXPECT_EQ(dashes[1].x, 101);
    EXPECT_EQ(dashes[2].x, 120); // at the minus
    EXPECT_EQ(dashes[3].x, 110); // one cell back
    for (const Piece& p : dashes) EXPECT_EQ(p.y, kUprightY);
    EXPECT_EQ(One(u8"→").x, 130);
}

TEST_F(TypesetTest, DashMinusArrowSitsHigherInSmallStyles) {
    v().DrawTextStyle1(dc.get(), X, Y, Gbk(u8"—-→\n").c_str(), 1);
    // E/6 + clip width / 800 = 3 + 1 above the pass-3 line.
    int joined = 0;
    for (const Piece& p : Find(u8"—"))
        if (p.x == 110 || p.x == 120) {
            EXPECT_EQ(p.y, kUprightY - 4);
            ++joined;
        }
    EXPECT_EQ(joined, 2);
    // The arrow is the style-5 symbol layer: raised E/4, half a pitch right.
    const Piece arrow = One(u8"→");
    EXPECT_EQ(arrow.x, 100 + 14 * 10 / 5 + 5);
    EXPECT_EQ(arrow.y, Y - 5);
    EXPECT_EQ(arrow.font.lfHeight, 16);
}

TEST_F(TypesetTest, PartialSignIsTheGlyphNotTheCharacter) {
    v().DrawTextStyle0(dc.get(), X, Y, Gbk(u8"aэ\n").c_str(), 2);
    EXPECT_TRUE(Find(u8"э").empty());
    // Glyph 0 over the cell at 110 + w0/2: its row 2 (columns 9..12) lands
    // on pixels 121..123 of line 202.
    const QRgb ink = qRgb(GetRValue(PaletteTestColour(2)), GetGValue(PaletteTestColour(2)),
                          GetBValue(PaletteTestColour(2)));
    EXPECT_NE(image.pixel(120, 202), ink);
    EXPECT_EQ(image.pixel(121, 202), ink);
    EXPECT_EQ(image.pixel(123, 202), ink);
    EXPECT_NE(image.pixel(124, 202), ink);
}

// Letters of an italic design stand in their cells; letters that are only
// sheared into a slant lean right and move E/9 left to make up for it.
TEST_F(TypesetTest, ItalicLettersMoveLeftOnlyWhenSheared) {
    v().m_bLettersItalic = 1;
    v().DrawTextStyle0(dc.get(), X, Y, Gbk(u8"ab ｘ\n").c_str(), 1);
    EXPECT_EQ(One("a").x, LatinCellFamily().isEmpty() ? 100 - 20 / 9 : 100);
    EXPECT_EQ(One("a").font.lfItalic, 1);
    // A full-width letter moves one fifth of a pitch.
    EXPECT_EQ(One(u8"ｘ").x, 100 + (5 * 3 - 1) * 10 / 5);
    EXPECT_EQ(One(u8"ｘ").y, kStyle0LetterY);
    EXPECT_EQ(v().m_lfCurrent.lfItalic, 0); // put back
}

TEST_F(TypesetTest, UprightLettersSitOnTheirPitch) {
    v().DrawTextStyle0(dc.get(), X, Y, Gbk(u8"ab ｘ\n").c_str(), 1);
    EXPECT_EQ(One("a").x, 100);
    EXPECT_EQ(One(u8"ｘ").x, 130);
}

TEST_F(TypesetTest, CondensedStylePullsEachCharacterOfAWord) {
    v().DrawTextStyle13(dc.get(), X, Y, "abc d\n", 1);
    EXPECT_EQ(One("a").x, 100);
    EXPECT_EQ(One("b").x, 110 - 3); // kern C/6 per preceding character
    EXPECT_EQ(One("c").x, 120 - 6);
    EXPECT_EQ(One("d").x, 140); // a blank starts a new word
}

TEST_F(TypesetTest, ChineseTextIsPass1InTheLineFontAndColour) {
    v().DrawTextStyle0(dc.get(), X, Y, Gbk(u8"中a\n").c_str(), 4);
    const Piece zh = One(u8"中");
    EXPECT_EQ(zh.x, 100);
    EXPECT_EQ(zh.y, Y);
    EXPECT_EQ(zh.font.lfHeight, 20);
    EXPECT_EQ(zh.colour, PaletteTestColour(4));
    EXPECT_EQ(One("a").x, 120);
}

TEST_F(TypesetTest, NonChineseColourModeMixesWithTheExpressionColour) {
    v().m_acrPalette[1] = RGB(255, 0, 0);
    v().m_acrPalette[3] = RGB(0, 0, 255);
    v().m_nNonChineseColorMode = 1;
    v().DrawTextStyle0(dc.get(), X, Y, Gbk(u8"中a1\n").c_str(), 1);
    EXPECT_EQ(One(u8"中").colour, RGB(255, 0, 0));
    EXPECT_EQ(One("a").colour, RGB(127, 0, 127));
    EXPECT_EQ(One("1").colour, RGB(127, 0, 127));
    rec.pieces.clear();
    v().m_nNonChineseColorMode = 2;
    v().DrawTextStyle0(dc.get(), X, Y, "a\n", 1);
    EXPECT_EQ(One("a").colour, RGB(0, 0, 255));
}

TEST_F(TypesetTest, IntegralIsRaisedInTheSymbolLayer) {
    v().DrawTextStyle0(dc.get(), X, Y, Gbk(u8"∫x\n").c_str(), 1);
    const Piece s = One(u8"∫"); // only the style-4 layer draws it
    EXPECT_EQ(s.x, 100 + (-1 * 10) / 5);
    EXPECT_EQ(s.y, Y - 20 / 5);
    EXPECT_EQ(s.font.lfHeight, 28); // 7E/5
}

TEST_F(TypesetTest, AtMost94BytesAreDrawn) {
    std::string line(100, 'a');
    line += '\n';
    v().DrawTextStyle0(dc.get(), X, Y, line.c_str(), 1);
    EXPECT_EQ(Find("a").size(), 94u);
    rec.pieces.clear();
    line = std::string(93, 'a') + Gbk(u8"中") + "bbbb\n";
    v().DrawTextStyle0(dc.get(), X, Y, line.c_str(), 1);
    EXPECT_EQ(One(u8"中").x, 100 + 930);
    EXPECT_TRUE(Find("b").empty());
}

TEST_F(TypesetTest, HiddenOrAfterFigureDrawsNothingAndKeepsTheFont) {
    v().m_lfCurrent.lfHeight = 33;
    v().m_bShowRecordText = 0;
    v().DrawTextStyle0(dc.get(), X, Y, "ab\n", 1);
    v().m_bShowRecordText = 1;
    v().m_bBeforeFigure = 0;
    v().DrawTextStyle0(dc.get(), X, Y, "ab\n", 1);
    EXPECT_TRUE(rec.pieces.empty());
    EXPECT_EQ(v().m_lfCurrent.lfHeight, 33);
}

TEST_F(TypesetTest, PassesLeaveTheBaseSizes) {
    v().m_nFontStep = 4;
    v().DrawTextStyle2(dc.get(), X, Y, "ab\n", 1);
    EXPECT_EQ(v().m_lfCurrent.lfHeight, 20);
    EXPECT_EQ(v().m_lfCurrent.lfWidth, 10);
}

TEST_F(TypesetTest, LoneLeadByteAtTheLineEndIsNotDrawn) {
    const char line[] = {'a', 'b', char(0xD6), '\n', 0};
    v().DrawTextStyle0(dc.get(), X, Y, line, 1);
    ASSERT_EQ(rec.pieces.size(), 2u);
    const char end[] = {'a', char(0xD6), 0};
    v().DrawTextAtAngle(dc.get(), 1, X, Y, end, 1);
    v().DrawPlainTextLine(dc.get(), X, Y, 1.0, 1.0, end, 1);
    EXPECT_EQ(rec.pieces.size(), 4u);
}

TEST_F(TypesetTest, Style11And12AreOnePixelBesideStyle7And9) {
    v().DrawTextStyle7(dc.get(), X, Y, "a\n", 1);
    v().DrawTextStyle11(dc.get(), X, Y, "a\n", 1);
    v().DrawTextStyle9(dc.get(), X, Y, "b\n", 1);
    v().DrawTextStyle12(dc.get(), X, Y, "b\n", 1);
    const auto a = Find("a");
    const auto b = Find("b");
    ASSERT_EQ(a.size(), 2u);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(a[1].x, a[0].x - 1);
    EXPECT_EQ(b[1].x, b[0].x + 1);
}

TEST_F(TypesetTest, PrintOffsetMovesEveryWriterUp) {
    v().m_nPrintOffsetY = 50;
    v().DrawTextStyle0(dc.get(), X, Y, "a\n", 1);
    v().DrawTextRotated(dc.get(), X, Y, "b\n", 1, 90, 0);
    v().DrawTextAtAngle(dc.get(), 0, X, Y, "c\n", 1);
    EXPECT_EQ(One("a").y, kStyle0LetterY - 50);
    EXPECT_EQ(One("b").y, kStyle0LetterY - 50);
    EXPECT_EQ(One("c").y, Y - 50);
}

TEST_F(TypesetTest, RotatedTextTurnsTheFontAndPutsItBack) {
    v().DrawTextRotated(dc.get(), X, Y, Gbk(u8"中\n").c_str(), 1, 90, 0);
    EXPECT_EQ(One(u8"中").font.lfEscapement, 900);
    EXPECT_EQ(v().m_lfCurrent.lfEscapement, 0);
}

TEST_F(TypesetTest, AngledTextSizesByCode) {
    v().m_dLetterSize = 1.5;
    v().m_lfCurrent.lfHeight = 77;
    v().DrawTextAtAngle(dc.get(), 1, X, Y, "ab\n", 1);
    EXPECT_EQ(One("a").font.lfEscapement, 900);
    EXPECT_EQ(One("a").font.lfHeight, 20);
    EXPECT_EQ(One("b").x, 110); // at its column of the unturned line
    EXPECT_EQ(v().m_lfCurrent.lfHeight, 20);
    EXPECT_EQ(v().m_lfCurrent.lfWidth, 10);
    EXPECT_EQ(v().m_lfCurrent.lfEscapement, 0);
    rec.pieces.clear();
    v().DrawTextAtAngle(dc.get(), 6, X, Y, "a\n", 1);
    EXPECT_EQ(One("a").font.lfEscapement, 900);
    EXPECT_EQ(One("a").font.lfHeight, 18); // 3E/5 * 1.5
    EXPECT_EQ(One("a").font.lfWidth, 9);   // C/3 * 1.5
}

TEST_F(TypesetTest, PlainLineSkipsAmpersandAndBlanks) {
    v().DrawPlainTextLine(dc.get(), X, Y, 3.0, 0.5, "a&b c\n", 1);
    ASSERT_EQ(rec.pieces.size(), 3u);
    EXPECT_EQ(One("a").x, 100);
    EXPECT_EQ(One("b").x, 120); // column 1 stays empty
    EXPECT_EQ(One("c").x, 140);
    EXPECT_EQ(One("a").font.lfWidth, 30);
    EXPECT_EQ(One("a").font.lfHeight, 10);
}

TEST_F(TypesetTest, GlyphCoversOneCell) {
    v().m_nCharHeight = 18;
    v().m_nCharWidth = 9;
    v().DrawGlyphBitmap(dc.get(), 0, 300, 300, RGB(255, 255, 255));
    int inked = 0, outside = 0;
    for (int y = 280; y < 340; ++y)
        for (int x = 280; x < 330; ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255)) {
                ++inked;
                if (x < 300 || x >= 309 || y < 300 || y >= 318) ++outside;
            }
    EXPECT_GT(inked, 20);
    EXPECT_EQ(outside, 0);
    // Row 2 of the bitmap (columns 9..12) covers rows 2 and 3 of the cell.
    EXPECT_EQ(image.pixel(305, 302), qRgb(255, 255, 255));
    EXPECT_NE(image.pixel(305, 301), qRgb(255, 255, 255));
}

TEST_F(TypesetTest, TextDrawnTwiceDoesNotGetBolder) {
    v().m_pTextSink = nullptr;
    const std::string line = Gbk(u8"中文 f(x)=ａx+1 ∫\n");
    v().DrawTextStyle0(dc.get(), X, Y, line.c_str(), 1);
    const QImage once = image.copy();
    v().DrawTextStyle0(dc.get(), X, Y, line.c_str(), 1);
    EXPECT_EQ(image, once);
    int inked = 0;
    for (int y = 150; y < 250; ++y)
        for (int x = 90; x < 400; ++x) inked += once.pixel(x, y) != qRgb(0, 0, 0);
    EXPECT_GT(inked, 50);
}

// A slanted letter after an opening bracket or a Chinese character puts its
// ink no further left than its cell, where the character before ends (the
// tail of y, the left leg of A); after another letter it is pulled back by a
// ninth of the line height where the face is slanted by shearing (E = 20: 2).
TEST_F(TypesetTest, SlantedLettersStartClearOfBracketsAndChineseCharacters) {
    const struct {
        const char* line;
        const char* letter;
        int cell; // X plus the cells before: 10 a byte
        bool pulled;
    } kRows[] = {
        {"(y\n", "y", 110, false},    {"[y\n", "y", 110, false}, {"{A\n", "A", 110, false},
        {u8"求A\n", "A", 120, false}, {"ay\n", "y", 110, true},  {"xA\n", "A", 110, true},
    };
    v().m_bLettersItalic = 1;
    for (const auto& r : kRows) {
        rec.pieces.clear();
        v().DrawTextStyle0(dc.get(), X, Y, Gbk(r.line).c_str(), 1);
        const Piece p = One(r.letter);
        CFontSelect font(dc.get(), p.font);
        const int inkLeft = dc->GetTextInk(std::string(r.letter)).left;
        if (r.pulled) {
            EXPECT_EQ(p.x, r.cell - (dc->IsShearedItalic() ? 2 : 0)) << r.line;
        } else {
            EXPECT_GE(p.x + inkLeft, r.cell) << r.line;
            EXPECT_LE(p.x, r.cell + std::max(0, -inkLeft)) << r.line;
        }
    }
}
