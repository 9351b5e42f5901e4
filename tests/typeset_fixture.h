// A view on an in-memory page with a recorder of every piece of typeset
// text, for the typesetting tests.
#pragma once

#include "platform/file.h"
#include "test_support.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace typeset_test {

using namespace test_support;

using Recorder = TextRecorder;
using Piece = TextRecorder::Piece;

// Palette colours that tell the numbers apart.
inline COLORREF PaletteTestColour(int i) {
    return RGB(10 * i + 5, 200 - 5 * i, 3 * i + 1);
}

class TypesetTest : public ViewSurfaceTest {
protected:
    static constexpr int kWidth = 800, kHeight = 1200;

    void SetUp() override {
        MakeSurface(kWidth, kHeight);
        CPemroView& v = *view;
        v.m_pTextSink = &rec;
        // One visible screen of a page that is drawn for the second time.
        v.m_strDataPath = v.m_strLastDataPath = "data\\test.txt";
        v.m_nTextRevealMode = -1;
        v.m_bPrintMode = 0;
        v.m_nPrintOffsetY = 0;
        v.m_nTextY = v.m_nNextLineY = 100;
        v.m_nCharHeight = v.m_nBaseCharHeight = 20;
        v.m_nCharWidth = v.m_nBaseCharWidth = 10;
        v.m_nFontStep = 0;
        v.m_nFormulaFontStep = 0;
        v.m_dLetterSize = 1.0;
        v.m_dLineSpacing = 0.0;
        v.m_bLettersItalic = 0;
        v.m_nNonChineseColorMode = 0;
        v.m_bShowRecordText = 1;
        v.m_bBeforeFigure = 1;
        v.m_bShowAllContent = 1;
        v.m_nAnswerBlock = -1;
        v.m_ptClick = CPoint(0, 0);
        for (int i = 0; i < CPemroView::kPaletteSize; ++i) v.m_acrPalette[i] = PaletteTestColour(i);
        for (LOGFONT& lf : v.m_alfTextFont) lf.lfItalic = 0;
        v.m_lfCurrent.lfItalic = 0;
    }

    CPemroView& v() { return *view; }

    // Pieces whose text equals `utf8` (converted to GBK).
    std::vector<Piece> Find(const char* utf8) const {
        const std::string gbk = Gbk(utf8);
        std::vector<Piece> out;
        for (const Piece& p : rec.pieces)
            if (p.text == gbk) out.push_back(p);
        return out;
    }
    // The one piece with this text (fails the test when there is not one).
    Piece One(const char* utf8) const {
        const auto found = Find(utf8);
        EXPECT_EQ(found.size(), 1u) << "text " << utf8;
        return found.empty() ? Piece{-1, -1, "", LOGFONT(), 0} : found[0];
    }

    // Writes a script (UTF-8, stored as GBK) and opens it positioned after
    // the first record's three header bytes, with the header parsed.
    CStdioFile* OpenRecord(const std::string& utf8Script) {
        const std::string gbk = Gbk(utf8Script);
        path = UniqueTempPath("typeset", ".txt");
        std::ofstream(path, std::ios::binary) << gbk;
        file = std::make_unique<CStdioFile>();
        if (!file->Open(path.string())) return nullptr;
        file->ReadString(v().m_szRecordHeader, 4);
        v().ParseRecordHeader();
        return file.get();
    }
    // Typesets the first record of a script.
    void Typeset(const std::string& utf8Script, int prevParam = 3) {
        CStdioFile* f = OpenRecord(utf8Script);
        ASSERT_NE(f, nullptr);
        v().TypesetTextRecord(dc.get(), f, prevParam);
    }
    // The rest of the file after the record.
    std::string Rest() {
        std::string out;
        char buffer[256];
        while (file && file->ReadString(buffer, sizeof buffer)) out += buffer;
        return GbkToUtf8(out);
    }

    void TearDown() override {
        file.reset();
        if (!path.empty()) std::filesystem::remove(path);
    }

    Recorder rec;
    std::filesystem::path path;
    std::unique_ptr<CStdioFile> file;
};

} // namespace typeset_test
