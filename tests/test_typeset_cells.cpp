// Formula letters in their cells: a line is set one byte per cell, so every
// face that draws a piece must advance it exactly its cells, or letters run
// into each other and leave gaps. The cell of a font is its lfWidth (half a
// Chinese character); the sizes are those of the pages at the three window
// widths of the state sweep (character 33 x 16, 42 x 20, 52 x 25).
#include "platform/fonts.h"
#include "typeset_fixture.h"

using namespace typeset_test;

namespace {

constexpr int X = 100, Y = 200;

struct PageSize {
    int charHeight, charWidth;
};
constexpr PageSize kPageSizes[] = {{33, 16}, {42, 20}, {52, 25}};

// Pixels a piece inks when drawn alone, as (x, y) keys.
std::set<std::pair<int, int>> InkOf(const Piece& p) {
    QImage img(800, 600, QImage::Format_RGB32);
    img.fill(Qt::black);
    {
        CDC dc(&img);
        CFontSelect font(&dc, p.font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(255, 255, 255));
        dc.TextOut(p.x, p.y, p.text);
    }
    std::set<std::pair<int, int>> ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(0, 0, 0)) ink.insert({x, y});
    return ink;
}

int Advance(const Piece& p) {
    QImage img(8, 8, QImage::Format_RGB32);
    CDC dc(&img);
    CFontSelect font(&dc, p.font);
    return dc.GetTextExtent(p.text).cx;
}

class TypesetCellsTest : public TypesetTest {
protected:
    void SetUp() override {
        TypesetTest::SetUp();
        if (LatinCellFamily().isEmpty()) GTEST_SKIP() << "no fixed-pitch Latin font installed";
        v().m_bLettersItalic = 1;
        // The formula font: 宋体, bold, as the pages set it.
        LOGFONT lf = v().m_lfCurrent;
        lf.lfWeight = 1000;
        lf.SetFaceName(Gbk(u8"宋体").c_str());
        v().m_lfCurrent = lf;
    }
    void Size(const PageSize& s) {
        v().m_nCharHeight = v().m_nBaseCharHeight = s.charHeight;
        v().m_nCharWidth = v().m_nBaseCharWidth = s.charWidth;
        rec.pieces.clear();
    }
};

} // namespace

// Every printable single-byte character, italic or upright, in each face
// the pages use, advances one cell; a Chinese character two.
TEST(Fonts, EveryCharacterAdvancesItsCells) {
    if (LatinCellFamily().isEmpty()) GTEST_SKIP() << "no fixed-pitch Latin font installed";
    struct Row {
        const char* face;
        int height, width;
    };
    const Row rows[] = {{u8"宋体", 28, 16}, {u8"宋体", 47, 25}, {u8"黑体", 30, 16},
                        {u8"黑体", 44, 25}, {u8"隶书", 36, 20}, {u8"宋体", 19, 10}};
    QImage img(8, 8, QImage::Format_RGB32);
    CDC dc(&img);
    for (const Row& r : rows)
        for (BYTE italic : {0, 1}) {
            LOGFONT lf{};
            lf.lfHeight = r.height, lf.lfWidth = r.width, lf.lfWeight = 1000;
            lf.lfItalic = italic;
            lf.SetFaceName(Gbk(r.face).c_str());
            CFontSelect font(&dc, lf);
            for (char c = 0x21; c < 0x7F; ++c)
                EXPECT_EQ(dc.GetTextExtent(CString(1, c)).cx, r.width)
                    << r.face << " " << r.height << (italic ? " italic '" : " '") << c << "'";
            for (const char* wide : {u8"中", u8"×", u8"±", u8"°", u8"·", u8"α", u8"∑"})
                EXPECT_NEAR(dc.GetTextExtent(Gbk(wide)).cx, 2 * r.width, 1)
                    << r.face << " " << wide;
        }
}

// A two-byte sign that the face draws narrower than its two cells stands in
// their middle: "5×5" reads evenly, with no gap after the sign.
TEST(Fonts, NarrowTwoByteSignsAreCentredInTheirCells) {
    for (const int width : {16, 25}) {
        LOGFONT lf{};
        lf.lfHeight = 2 * width - 2, lf.lfWidth = width, lf.lfWeight = 1000;
        lf.SetFaceName(Gbk(u8"宋体").c_str());
        QImage img(200, 100, QImage::Format_RGB32);
        img.fill(Qt::black);
        CDC dc(&img);
        CFontSelect font(&dc, lf);
        dc.SetTextColor(RGB(255, 255, 255));
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(50, 20, Gbk(u8"×"));
        int left = img.width(), right = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != qRgb(0, 0, 0))
                    left = std::min(left, x), right = std::max(right, x);
        ASSERT_GE(right, left);
        // The middle of the ink is the middle of the two cells, 50 + width.
        EXPECT_NEAR((left + right + 1) / 2.0, 50 + width, 2) << width;
    }
}

// An italic word is set letter by letter, each advancing its cell: the end
// of one letter is the start of the next, as in "DisDistribution", whose
// "Di" drew on top of each other with gaps after.
TEST_F(TypesetCellsTest, ItalicWordTilesItsCells) {
    for (const PageSize& s : kPageSizes) {
        Size(s);
        const std::string word = "DisDistribution";
        v().DrawTextStyle0(dc.get(), X, Y, (word + "\n").c_str(), 4);
        ASSERT_EQ(rec.pieces.size(), word.size());
        const int w0 = s.charWidth; // the one-byte cell (size step 0)
        for (size_t i = 0; i < word.size(); ++i) {
            const Piece& p = rec.pieces[i];
            EXPECT_EQ(p.x, X + int(i) * w0) << word[i];
            EXPECT_EQ(Advance(p), w0) << word[i] << " at " << s.charHeight;
            EXPECT_EQ(p.font.lfItalic, 1);
        }
    }
}

// Glyphs that fill their cells may touch at a corner: the state sweep counts
// more than this many shared pixels as an overlap.
constexpr int kTouching = 2;

// The pieces of a formula neither overlap: upright signs and italic letters
// each keep to their cells ("0<x<l", whose "<" ran into x and l).
TEST_F(TypesetCellsTest, FormulaPiecesKeepApart) {
    for (const PageSize& s : kPageSizes)
        for (const char* line : {"0<x<l", "u(l,t)=0", "f(x)=a*a", "A=LU", "Ly=b"}) {
            Size(s);
            v().DrawTextStyle0(dc.get(), X, Y, (std::string(line) + "\n").c_str(), 4);
            ASSERT_EQ(rec.pieces.size(), std::strlen(line)) << line;
            std::vector<std::set<std::pair<int, int>>> ink;
            for (const Piece& p : rec.pieces) ink.push_back(InkOf(p));
            for (size_t a = 0; a < ink.size(); ++a) {
                EXPECT_FALSE(ink[a].empty()) << line;
                for (size_t b = a + 1; b < ink.size(); ++b) {
                    int shared = 0;
                    for (const auto& px : ink[a]) shared += int(ink[b].count(px));
                    EXPECT_LE(shared, kTouching) << line << ": " << rec.pieces[a].text << " and "
                                                 << rec.pieces[b].text << " at " << s.charHeight;
                }
            }
        }
}
