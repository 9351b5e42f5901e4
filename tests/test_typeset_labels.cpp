// Labelled strings and numbers in figures: number texts by decimals, where
// label and value go, their fonts, and when they are drawn at all.
// Figure: plot rectangle (100, 100)-(500, 500) for the world box [0, 10]^2,
// base character 20 x 10.
#include "render/number_text.h"
#include "render/text_typeset.h"
#include "typeset_fixture.h"

using namespace typeset_test;

namespace {

class LabelTest : public TypesetTest {
protected:
    void SetUp() override {
        TypesetTest::SetUp();
        CPemroView& w = v();
        w.m_bFigureVisible = 1;
        w.m_nGraphTop = 100;
        w.m_nGraphBottom = 500;
        w.m_nPlotLeft = w.m_nPlotTop = 100;
        w.m_nPlotRight = w.m_nPlotBottom = 500;
        w.m_nPlotWidth = w.m_nPlotHeight = 400;
        w.m_dXMin = w.m_dYMin = w.m_dZMin = 0;
        w.m_dXMax = w.m_dYMax = w.m_dZMax = 10;
        w.m_dXSpan = w.m_dYSpan = w.m_dZSpan = 10;
        w.m_nLabelZoom = 0;
        w.m_bFigure3D = 0;
        w.m_crGround = RGB(0, 64, 128);
    }
};

QRgb Rgb(COLORREF c) {
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace

TEST(TypesetNumberText, DecimalsZeroToSixThenSix) {
    const double pi = 3.14159265;
    const char* expected[] = {"3", "3.1", "3.14", "3.142", "3.1416", "3.14159", "3.141593"};
    for (int d = 0; d <= 6; ++d) EXPECT_EQ(typeset::FormatDecimals(d, pi), expected[d]) << d;
    EXPECT_EQ(typeset::FormatDecimals(7, pi), "3.141593");
    EXPECT_EQ(typeset::FormatDecimals(9, 3.14159), "3.141590");
    EXPECT_EQ(typeset::FormatDecimals(2, -0.125), "-0.12");
    EXPECT_EQ(typeset::FormatDecimals(-1, pi), "");
    EXPECT_FALSE(typeset::FormatDecimals(6, 1e300).empty()); // long, but fits
}

// A number that rounds to zero carries no sign, wherever it is written.
TEST(TypesetNumberText, ZeroIsWrittenWithoutASign) {
    const struct {
        int decimals;
        double value;
        const char* text;
    } cases[] = {
        {4, -0.0, "0.0000"},      {4, -0.00004, "0.0000"},  {4, -0.0001, "-0.0001"},
        {0, -0.4, "0"},           {1, -1e-17, "0.0"},       {2, 0.0, "0.00"},
        {6, -2.5e-7, "0.000000"}, {3, -12.0004, "-12.000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typeset::FormatDecimals(c.decimals, c.value), c.text) << c.value;
    // Inside a text: only the signs of zeros go; hyphens and other numbers stay.
    char text[] = "[-0.000,-1.500] A-ε x0-δ f(-0.00)=-0";
    DropSignOfZero(text);
    EXPECT_STREQ(text, "[0.000,-1.500] A-ε x0-δ f(0.00)=0");
}

TEST_F(LabelTest, LabelValueWritesLabelGapAndNumber) {
    v().DrawLabelValue(dc.get(), 5, 5, "a=", 2, 3.14159, RGB(1, 2, 3));
    const Piece label = One("a=");
    EXPECT_EQ(label.x, 300);
    EXPECT_EQ(label.y, 300);
    EXPECT_EQ(label.font.lfHeight, 13); // (Z+2)(S+B)/3
    EXPECT_EQ(label.font.lfWidth, 6);
    EXPECT_EQ(label.colour, RGB(1, 2, 3));
    EXPECT_EQ(One("3.14").x, 300 + 6 * 3); // one label character of gap
    EXPECT_EQ(v().m_lfCurrent.lfHeight, 20);
    EXPECT_EQ(v().m_lfCurrent.lfWidth, 10);
}

TEST_F(LabelTest, NegativeDecimalsDrawTheLabelAlone) {
    v().DrawLabelValue(dc.get(), 5, 5, "L", -1, 3.0, RGB(1, 2, 3));
    v().DrawLabelValueSmall(dc.get(), 5, 5, "S", -1, 3.0, RGB(1, 2, 3));
    ASSERT_EQ(rec.pieces.size(), 2u);
    EXPECT_EQ(rec.pieces[0].text, "L");
    EXPECT_EQ(rec.pieces[1].text, "S");
}

TEST_F(LabelTest, SmallValueHasNoGap) {
    v().DrawLabelValueSmall(dc.get(), 5, 5, "ab", 1, 2.26, 0);
    EXPECT_EQ(One("ab").font.lfHeight, 10); // (Z+2)(S+B)/4
    EXPECT_EQ(One("2.3").x, 300 + 5 * 2);
}

TEST_F(LabelTest, ValueWithUnit) {
    v().DrawLabelValueUnit(dc.get(), 5, 5, "v=", 1, 2.5, "m/s", 0);
    EXPECT_EQ(One("2.5").x, 300 + 6 * 3);
    EXPECT_EQ(One("m/s").x, 300 + 6 * 3 + 6 * 4);
}

TEST_F(LabelTest, LabelZoomOneIsAThirdLarger) {
    v().m_nLabelZoom = 1;
    v().DrawLabelValue(dc.get(), 5, 5, "a", 0, 1, 0);
    EXPECT_EQ(One("a").font.lfHeight, 20);
    EXPECT_EQ(One("a").font.lfWidth, 10);
}

TEST_F(LabelTest, NothingWithoutAPlacedFigure) {
    v().m_bFigureVisible = 0;
    v().m_lfCurrent.lfHeight = 77;
    v().DrawLabelValue(dc.get(), 5, 5, "a", 2, 1.0, 0);
    v().DrawLabelValueSmall(dc.get(), 5, 5, "a", 2, 1.0, 0);
    v().DrawLabelValue3D(dc.get(), 5, 5, 5, "a", 2, 1.0, 0);
    EXPECT_EQ(v().m_lfCurrent.lfHeight, 77); // untouched
    v().DrawNumber(dc.get(), 10, 10, 2, 1.0, 0);
    v().DrawLabelNumber(dc.get(), 0, 5, 5, "a", 2, 1.0, 0);
    EXPECT_TRUE(rec.pieces.empty());
    EXPECT_EQ(v().m_lfCurrent.lfHeight, 20);
}

TEST_F(LabelTest, FigureFarOffScreenHasNoNumbersButValues) {
    v().m_nGraphTop = -200; // more than 150 above the clip top
    v().DrawNumber(dc.get(), 10, 10, 2, 1.0, 0);
    EXPECT_TRUE(rec.pieces.empty());
    v().DrawLabelValue(dc.get(), 5, 5, "a", 2, 1.0, 0);
    EXPECT_EQ(Find("1.00").size(), 1u);
}

TEST_F(LabelTest, NumberIsSixTenthsOfTheLineOnAGreyBox) {
    v().DrawNumber(dc.get(), 50, 600, 2, 1.5, RGB(255, 255, 255));
    const Piece n = One("1.50");
    EXPECT_EQ(n.font.lfHeight, 12);
    EXPECT_EQ(n.font.lfWidth, 6);
    EXPECT_EQ(image.pixel(50, 600), qRgb(100, 100, 100));
    EXPECT_EQ(v().m_lfCurrent.lfHeight, 20);
}

TEST_F(LabelTest, TypesetTextHasNoBackground) {
    v().DrawTextStyle0(dc.get(), 50, 600, "a\n", 1);
    v().DrawLabelValue(dc.get(), 5, 5, "a", 0, 1, RGB(255, 255, 255));
    EXPECT_EQ(image.pixel(50, 600), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(300, 300), qRgb(100, 100, 100));
}

TEST_F(LabelTest, LabelNumberTakesPaletteColoursBelowTen) {
    v().DrawLabelNumber(dc.get(), 3, 5, 5, "ab", 1, 2.26, 2);
    const Piece n = One("2.3");
    EXPECT_EQ(n.colour, PaletteTestColour(2));
    EXPECT_EQ(n.x, 300 + 10 * 2 * 2 / 3);
    EXPECT_EQ(n.y, 300 + 4 + 3);
    rec.pieces.clear();
    v().DrawLabelNumber(dc.get(), 0, 5, 5, "ab", 1, 2.26, RGB(0, 200, 0));
    EXPECT_EQ(One("2.3").colour, RGB(0, 200, 0));
}

TEST_F(LabelTest, BoxedNumberBoxWidthByLabelDecimalsAndDigits) {
    const int y = 700;
    v().DrawLabelNumberBoxed(dc.get(), 100, y, "abcd", 3, 5.0, 0);
    // Seven cells of 10 pixels: label 4, decimals 3.
    EXPECT_EQ(image.pixel(169, y + 1), Rgb(v().m_crGround));
    EXPECT_NE(image.pixel(171, y + 1), Rgb(v().m_crGround));
    v().DrawLabelNumberBoxed(dc.get(), 100, y + 50, "abcd", 3, 1234.5, 0);
    EXPECT_EQ(image.pixel(199, y + 51), Rgb(v().m_crGround)); // three cells more
    EXPECT_NE(image.pixel(201, y + 51), Rgb(v().m_crGround));
}

TEST_F(LabelTest, ValueAtAProjectedPoint) {
    CPemroView& w = v();
    w.m_nProjOriginX = w.m_nProjOriginY = 400;
    w.m_nProjScaleX = w.m_nProjScaleY = w.m_nProjScaleZ = 100;
    w.m_dObliqueFactor = 0.5;
    w.m_nAxisArrangement = 1;
    w.DrawLabelValue3D(dc.get(), 2, 4, 6, "P", 1, 2.0, 0);
    // x = 400 + (40 - 10), y = 400 + (20 - 60); number 3 n wb / 5 further.
    EXPECT_EQ(One("P").x, 430);
    EXPECT_EQ(One("P").y, 360);
    EXPECT_EQ(One("P").font.lfHeight, 12);
    EXPECT_EQ(One("2.0").x, 430 + 3 * 1 * 10 / 5);
    rec.pieces.clear();
    w.m_nAxisArrangement = 2; // (x, y, z) read as (y, z, x)
    w.DrawLabelValue3D(dc.get(), 6, 2, 4, "P", 1, 2.0, 0);
    EXPECT_EQ(One("P").x, 430);
    EXPECT_EQ(One("P").y, 360);
}

TEST_F(LabelTest, ZeroSpanDrawsNothing) {
    v().m_dXSpan = 0;
    v().DrawLabelValue(dc.get(), 5, 5, "a", 1, 1.0, 0);
    v().m_dXSpan = 10;
    v().m_dXMax = v().m_dXMin;
    v().DrawLabelNumber(dc.get(), 0, 5, 5, "a", 1, 1.0, 0);
    EXPECT_TRUE(rec.pieces.empty());
}
