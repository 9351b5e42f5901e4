// Font mapping of the pages and the interface, and Qt's own texts in
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

const QStringList kSerifs = {"Liberation Serif", "DejaVu Serif"};
const QStringList kSimplifiedChinese = {"WenQuanYi Micro Hei", "AR PL UMing CN", "AR PL UKai CN",
                                        "Noto Sans CJK SC"};

// A formula letter's font as the text passes make it: 宋体 with a cell of
// 36 x 18 pixels.
LOGFONT FormulaFont(const char* utf8Face, BYTE italic) {
    LOGFONT lf{};
    lf.lfHeight = 36;
    lf.lfWidth = 18;
    lf.lfWeight = 500;
    lf.lfItalic = italic;
    lf.SetFaceName(Gbk(utf8Face).c_str());
    return lf;
}

// The ink of one character, black on white.
QImage Glyph(const LOGFONT& lf, const char* ch) {
    QImage img(40, 48, QImage::Format_RGB32);
    img.fill(Qt::white);
    CDC dc(&img);
    dc.SelectObject(lf);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(8, 4, ch);
    return img;
}

int Ink(const QImage& a) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

// Pixels inked in one image and not in the other.
int Differ(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) != qRgb(255, 255, 255)) != (b.pixel(x, y) != qRgb(255, 255, 255));
    return n;
}

// The family that draws the first character of `text` in `font`.
QString DrawingFamily(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns(0, 1);
    return runs.isEmpty() ? QString() : runs.first().rawFont().familyName();
}

// Italic formula letters in a Chinese face take their Latin letters from an
// installed serif italic; upright ones and Latin faces stay as they are.
TEST(Fonts, ItalicFormulaLettersUseASerif) {
    const QString serif = ItalicLatinFamily();
    if (serif.isEmpty()) GTEST_SKIP() << "no serif font installed";
    EXPECT_TRUE(kSerifs.contains(serif)) << serif.toStdString();
    EXPECT_TRUE(QFontDatabase::families().contains(serif));

    const QFont italic = FontFromLogFont(FormulaFont(u8"宋体", 1));
    EXPECT_EQ(italic.families().value(0).toStdString(), serif.toStdString());
    EXPECT_EQ(DrawingFamily(italic, "l").toStdString(), serif.toStdString());
    EXPECT_TRUE(kSimplifiedChinese.contains(DrawingFamily(italic, QString::fromUtf8(u8"绍"))));
    EXPECT_EQ(FontFromLogFont(FormulaFont(u8"宋体", 0)).families().value(0).toStdString(),
              "AR PL UMing CN");
    EXPECT_EQ(FontFromLogFont(FormulaFont("DejaVu Sans", 1)).families().value(0).toStdString(),
              "DejaVu Sans");
}

// In the formula font the italic l, the digit 1 and the capital I are told
// apart: each pair differs in at least half the ink of the lighter one.
TEST(Fonts, ItalicLOneAndCapitalIDiffer) {
    if (ItalicLatinFamily().isEmpty()) GTEST_SKIP() << "no serif font installed";
    const LOGFONT lf = FormulaFont(u8"宋体", 1);
    const QImage l = Glyph(lf, "l"), one = Glyph(lf, "1"), capital = Glyph(lf, "I");
    const struct {
        const QImage *a, *b;
        const char* pair;
    } pairs[] = {{&l, &one, "l 1"}, {&l, &capital, "l I"}, {&one, &capital, "1 I"}};
    for (const auto& p : pairs) {
        const int ink = std::min(Ink(*p.a), Ink(*p.b));
        ASSERT_GT(ink, 20) << p.pair;
        EXPECT_GE(2 * Differ(*p.a, *p.b), ink) << p.pair;
    }
}

// The interface draws Chinese in simplified-Chinese faces, never in a
// traditional-style variant, at the size of the platform's font.
TEST(Fonts, InterfaceUsesSimplifiedChineseFaces) {
    const QFont base(QStringLiteral("Sans Serif"), 11);
    const QFont f = InterfaceFont(base);
    ASSERT_FALSE(f.families().isEmpty());
    for (const QString& family : f.families()) {
        EXPECT_TRUE(kSimplifiedChinese.contains(family)) << family.toStdString();
        EXPECT_TRUE(QFontDatabase::families().contains(family)) << family.toStdString();
    }
    EXPECT_EQ(f.pointSize(), 11);
    for (const char* text : {u8"软件介绍", u8"绍", u8"确定"})
        EXPECT_TRUE(kSimplifiedChinese.contains(DrawingFamily(f, QString::fromUtf8(text)))) << text;
}

// Qt's standard buttons and its print preview read in Chinese.
TEST(Fonts, QtTextsInChinese) {
    const std::unique_ptr<QTranslator> qt = LoadQtTranslations();
    if (!qt) GTEST_SKIP() << "Qt's translations not installed";
    EXPECT_EQ(qt->translate("QPlatformTheme", "OK"), QString::fromUtf8(u8"确定"));
    EXPECT_EQ(qt->translate("QPlatformTheme", "Cancel"), QString::fromUtf8(u8"取消"));
    EXPECT_EQ(qt->translate("QPrintPreviewDialog", "Print Preview"),
              QString::fromUtf8(u8"打印预览"));
}

} // namespace
