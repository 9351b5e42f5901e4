// Font mapping of the formulas and the interface, and Qt's own texts in
// Chinese.
#include "app/pemro_app.h"
#include "platform/dc.h"
#include "platform/fonts.h"
#include "platform/text_codec.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>
#include <QTextLayout>
#include <QTranslator>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QStringList kSimplifiedChinese = {"WenQuanYi Micro Hei", "AR PL UMing CN", "AR PL UKai CN",
                                        "Noto Sans CJK SC"};

// The family that draws the first character of `text` in `font`.
QString DrawingFamily(const QFont& font, const char* utf8) {
    QTextLayout layout(QString::fromUtf8(utf8), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns(0, 1);
    return runs.isEmpty() ? QString() : runs.first().rawFont().familyName();
}

// Inked pixels of one character drawn as a formula letter, a 36 x 18 cell.
std::vector<bool> Glyph(const LOGFONT& lf, const char* ch) {
    QImage img(40, 48, QImage::Format_RGB32);
    img.fill(Qt::white);
    CDC dc(&img);
    dc.SelectObject(lf);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(8, 4, ch);
    std::vector<bool> ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) ink.push_back(img.pixel(x, y) != qRgb(255, 255, 255));
    return ink;
}

// Italic letters in a Chinese face (the formula letters) come from an
// installed fixed-pitch face with an italic design, in which l, 1 and I
// differ in at least half the ink of the lighter one; two-byte text stays in
// the Chinese face, upright text in the Ming face keeps its own letters, and
// Latin faces keep their face.
TEST(Fonts, FormulaLettersInAFixedPitchItalic) {
    const std::string latin = LatinCellFamily().toStdString();
    if (latin.empty()) GTEST_SKIP() << "no fixed-pitch Latin font installed";
    EXPECT_TRUE(latin == "Liberation Mono" || latin == "DejaVu Sans Mono") << latin;
    LOGFONT lf{};
    lf.lfHeight = 36, lf.lfWidth = 18, lf.lfWeight = 500, lf.lfItalic = 1;
    lf.SetFaceName(Gbk(u8"宋体").c_str());
    EXPECT_EQ(DrawingFamily(FontFromLogFont(lf, FontText::SingleByte), "l").toStdString(), latin);
    EXPECT_TRUE(kSimplifiedChinese.contains(DrawingFamily(FontFromLogFont(lf), u8"绍")));
    EXPECT_TRUE(kSimplifiedChinese.contains(DrawingFamily(FontFromLogFont(lf), u8"α")));
    const std::vector<bool> glyphs[] = {Glyph(lf, "l"), Glyph(lf, "1"), Glyph(lf, "I")};
    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 3; ++b) {
            int inkA = 0, inkB = 0, differ = 0;
            for (size_t i = 0; i < glyphs[a].size(); ++i) {
                inkA += glyphs[a][i], inkB += glyphs[b][i];
                differ += glyphs[a][i] != glyphs[b][i];
            }
            EXPECT_GE(2 * differ, std::min(inkA, inkB)) << "l1I"[a] << " "
                                                        << "l1I"[b];
        }
    lf.lfItalic = 0;
    EXPECT_EQ(FontFromLogFont(lf, FontText::SingleByte).families().value(0).toStdString(),
              "AR PL UMing CN");
    lf.lfItalic = 1;
    lf.SetFaceName("DejaVu Sans");
    EXPECT_EQ(FontFromLogFont(lf, FontText::SingleByte).families().value(0).toStdString(),
              "DejaVu Sans");
}

// The interface draws Chinese in installed simplified-Chinese faces, never
// in a traditional-style variant, at the platform font's size; Qt's own
// buttons and dialogs read in Chinese.
TEST(Fonts, InterfaceInSimplifiedChinese) {
    const QFont f = InterfaceFont(QFont(QStringLiteral("Sans Serif"), 11));
    EXPECT_EQ(f.pointSize(), 11);
    ASSERT_FALSE(f.families().isEmpty());
    for (const QString& family : f.families())
        EXPECT_TRUE(kSimplifiedChinese.contains(family) &&
                    QFontDatabase::families().contains(family))
            << family.toStdString();
    for (const char* text : {u8"软件介绍", u8"绍", u8"确定"})
        EXPECT_TRUE(kSimplifiedChinese.contains(DrawingFamily(f, text))) << text;

    const std::unique_ptr<QTranslator> qt = LoadQtTranslations();
    if (!qt) GTEST_SKIP() << "Qt's translations not installed";
    EXPECT_EQ(qt->translate("QPlatformTheme", "Cancel"), QString::fromUtf8(u8"取消"));
    EXPECT_EQ(qt->translate("QPrintPreviewDialog", "Print Preview"),
              QString::fromUtf8(u8"打印预览"));
}

} // namespace

namespace {

// Inked pixels of a title drawn in 黑体 at a cell height, bold or not.
int TitleInk(int height, bool bold) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = height / 2;
    lf.lfWeight = bold ? 1000 : 400;
    lf.SetFaceName(Gbk(u8"黑体").c_str());
    QImage img(6 * height, 2 * height, QImage::Format_RGB32);
    img.fill(Qt::white);
    CDC dc(&img);
    dc.SelectObject(lf);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(height / 2, height / 2, Gbk(u8"欢迎使用").c_str());
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

} // namespace

// A page title stays bold when a wider window makes it large: bold adds as
// much ink, relative to regular text, at large sizes as at small ones.
TEST(Fonts, BoldTitleKeepsItsWeightWhenLarge) {
    const double small = double(TitleInk(48, true)) / TitleInk(48, false);
    ASSERT_GT(small, 1.15);
    for (int height : {80, 120, 200}) {
        const double large = double(TitleInk(height, true)) / TitleInk(height, false);
        EXPECT_NEAR(large, small, 0.2 * (small - 1)) << "height " << height;
    }
}
