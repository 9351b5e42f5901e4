// Pages of the graph tests: scripts in a scratch directory drawn by a view on
// a 1280 x 960 surface, clicks at page points, and the typeset text of the
// passes. Shared by tests/test_graph*.cpp.
#pragma once

#include "platform/system.h"
#include "platform/text_codec.h"
#include "view/view.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace graph_test {

namespace fs = std::filesystem;

constexpr int kWidth = 1280;
constexpr int kHeight = 960;

// Every piece of typeset text of the passes, in drawing order.
struct TextCollector : CPemroView::TextSink {
    std::vector<std::string> pieces;
    void OnText(int, int, const char* gbk, int count, const LOGFONT&, COLORREF) override {
        pieces.emplace_back(gbk, size_t(count));
    }
    bool Saw(const std::string& utf8) const {
        const std::string g = Gbk(utf8);
        for (const std::string& p : pieces)
            if (p.find(g) != std::string::npos) return true;
        return false;
    }
    int Count(const std::string& text) const {
        int n = 0;
        for (const std::string& p : pieces) n += p == text;
        return n;
    }
    // The piece written right after the first piece that holds `label`.
    std::string After(const std::string& utf8Label) const {
        const std::string g = Gbk(utf8Label);
        for (size_t i = 0; i + 1 < pieces.size(); ++i)
            if (pieces[i].find(g) != std::string::npos) return pieces[i + 1];
        return {};
    }
};

class GraphPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        old = fs::current_path();
        dir = fs::temp_directory_path() /
              ("pemro_graph_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir / "data");
        fs::current_path(dir);
        SetMessageBoxSink([](const std::string&) {});
    }
    void TearDown() override {
        SetMessageBoxSink(nullptr);
        fs::current_path(old);
        fs::remove_all(dir);
    }
    // A topic script written in UTF-8 here, stored in GBK.
    static void Script(const std::string& code, const std::string& utf8) {
        std::ofstream("data/" + code + ".txt", std::ios::binary) << Gbk(utf8);
    }
    static std::unique_ptr<CPemroView> View(const std::string& code) {
        auto v = std::make_unique<CPemroView>();
        v->ResetTopic(-1);
        v->m_strTopicCode = code;
        return v;
    }
    static void Draw(CPemroView* v) {
        if (v->BackingImage().width() != kWidth) v->ResizeClient(kWidth, kHeight);
        v->Invalidate();
        v->RenderPending();
    }
    static std::unique_ptr<CPemroView> Page(const std::string& code) {
        auto v = View(code);
        Draw(v.get());
        return v;
    }
    // A press at a page point (the page is not scrolled), then its passes.
    static void ClickAt(CPemroView* v, int x, int y) {
        v->m_ptClick = CPoint(x - v->m_nClipLeft, y - v->m_nClipTop);
        ++v->m_nClickSerial;
        v->Invalidate();
        v->RenderPending();
    }
    // The page point of a world point of the current plane figure.
    static CPoint PagePoint(const CPemroView* v, double x, double y) {
        const double px = v->m_nPlotLeft + (x - v->m_dXMin) / (v->m_dXMax - v->m_dXMin) *
                                               (v->m_nPlotRight - v->m_nPlotLeft);
        const double py = v->m_nPlotBottom - (y - v->m_dYMin) / (v->m_dYMax - v->m_dYMin) *
                                                 (v->m_nPlotBottom - v->m_nPlotTop);
        return CPoint(int(px + 0.5), int(py + 0.5));
    }
    // Clicks a text button of a plane figure placed at nominal (x, y).
    static void ClickButton(CPemroView* v, int x, int y) { ClickAt(v, x + 3, ButtonTop(v, y) + 3); }
    // Where a plane figure's button given at nominal y stands.
    static int ButtonTop(const CPemroView* v, int y) {
        return v->m_nPlotTop + v->ButtonHeight() * (y - v->m_nPlotTop) / 20;
    }
    static COLORREF Pixel(const CPemroView* v, int x, int y) {
        const QRgb c = v->BackingImage().pixel(x, y);
        return RGB(qRed(c), qGreen(c), qBlue(c));
    }
    // Pixels of the colour inside the plot rectangle.
    static int CountInPlot(const CPemroView* v, COLORREF colour) {
        int n = 0;
        for (int y = v->m_nPlotTop + 1; y < v->m_nPlotBottom; ++y)
            for (int x = v->m_nPlotLeft + 1; x < v->m_nPlotRight; ++x)
                n += Pixel(v, x, y) == colour;
        return n;
    }

    fs::path old, dir;
};

} // namespace graph_test
