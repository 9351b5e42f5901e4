// A view with a placed figure on an in-memory surface, for the tests of the
// figure annotation commands: a command line is put in the view and its
// section run on the surface.
#pragma once

#include "platform/text_codec.h"
#include "view/view.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace annotation_test {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kDefaultPen = RGB(200, 200, 0);
constexpr COLORREF kDefaultFill = RGB(0, 200, 200);
constexpr COLORREF kButtons = RGB(250, 250, 250);
constexpr COLORREF kFirstDerivative = RGB(255, 0, 255);
constexpr COLORREF kSecondDerivative = RGB(0, 128, 255);
constexpr COLORREF kGround = RGB(0, 64, 128);

using Section = void (CPemroView::*)(CDC*);

// Every labelled number or string that goes through the typesetter.
struct TextRecorder : CPemroView::TextSink {
    struct Piece {
        int x, y;
        std::string text;
        COLORREF colour;
    };
    std::vector<Piece> pieces;
    void OnText(int x, int y, const char* gbk, int count, const LOGFONT&,
                COLORREF colour) override {
        pieces.push_back({x, y, std::string(gbk, size_t(count)), colour});
    }
    bool Saw(const char* utf8) const {
        const std::string gbk = Gbk(utf8);
        for (const Piece& p : pieces)
            if (p.text.find(gbk) != std::string::npos) return true;
        return false;
    }
};

class AnnotationTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<CPemroView>();
        image = QImage(400, 300, QImage::Format_RGB32);
        image.fill(Qt::black);
        dc = std::make_unique<CDC>(&image);
        CPemroView& v = *view;
        v.m_pTextSink = &text;
        v.m_nClipLeft = 0, v.m_nClipTop = 0, v.m_nClipRight = 400, v.m_nClipBottom = 300;
        v.m_bFigureVisible = 1, v.m_bPlaneCmdsEnabled = 1, v.m_bFigure3D = 0;
        v.m_nGraphLeft = v.m_nFigureLeft = 10, v.m_nGraphTop = v.m_nFigureTop = 10;
        v.m_nGraphRight = v.m_nFigureRight = 390, v.m_nGraphBottom = v.m_nFigureBottom = 290;
        // Plot 300 x 200 pixels for the world [0, 3] x [0, 2]: 100 pixels a
        // unit, pixel x = 50 + 100·x, pixel y = 250 − 100·y.
        v.m_nPlotLeft = 50, v.m_nPlotRight = 350, v.m_nPlotTop = 50, v.m_nPlotBottom = 250;
        v.m_nPlotWidth = 300, v.m_nPlotHeight = 200;
        v.m_dXMin = 0, v.m_dXMax = 3, v.m_dYMin = 0, v.m_dYMax = 2, v.m_dZMin = 0, v.m_dZMax = 1;
        v.m_dXSpan = 3, v.m_dYSpan = 2, v.m_dZSpan = 1;
        v.m_nPixelSize = 0, v.m_nRegionType = 0, v.m_nLineStyle = 0, v.m_nPlotOrientation = 0;
        v.m_bFullRepaint = 1, v.m_bZoom = 0, v.m_bPrintMode = 0, v.m_bShowSelectionBox = 1;
        v.m_ptClick = CPoint(-1000, -1000); // nowhere near the figure
        v.m_nBaseCharHeight = 18, v.m_nBaseCharWidth = 9, v.m_nFontStep = 0;
        v.m_nCharHeight = 18, v.m_nCharWidth = 9, v.m_nLabelZoom = 0;
        v.m_crGround = kGround, v.m_crCurveSetting = kButtons;
        v.m_crDefaultPen = kDefaultPen, v.m_crDefaultFill = kDefaultFill;
        v.m_crFirstDerivative = kFirstDerivative, v.m_crSecondDerivative = kSecondDerivative;
        // Oblique projection: y to the right and z upward 100 pixels a unit,
        // x receding 40 pixels down and 20 to the left, origin (100, 250).
        v.m_dRotationAngle = 0, v.m_nAxisArrangement = 1, v.m_dObliqueFactor = 0.5;
        v.m_nProjScaleX = 40, v.m_nProjScaleY = 100, v.m_nProjScaleZ = 100;
        v.m_nProjOriginX = 100, v.m_nProjOriginY = 250;
        // F = sin on an explicit page; no symmetry or period tricks.
        v.m_nPlotMode = 0, v.m_nFuncF = 3, v.m_nCombineMode = 0;
        v.m_nFuncFSymmetry = 2, v.m_bFuncFPeriodic = 0;
        v.m_dCursorX = 1, v.m_dCursorY = 0.5;
        v.m_dStepH = 0.1, v.m_dParamStep = 0.1;
        v.m_bLoadScriptSettings = 1;
        v.m_bCutZc = 0, v.m_nSectionPlane = 0;
        v.BeginPassClickState();
    }

    // Puts the line in the view and runs the section on the surface.
    void Run(Section section, const std::string& line) {
        std::memset(view->m_szCommandLine, 0, sizeof view->m_szCommandLine);
        std::strncpy(view->m_szCommandLine, line.c_str(), sizeof view->m_szCommandLine - 1);
        (view.get()->*section)(dc.get());
    }
    // A press at a client point, then the start of the pass that answers it.
    void Press(int x, int y) {
        view->m_ptClick = CPoint(x, y);
        ++view->m_nClickSerial;
        view->BeginPassClickState();
    }
    // A later pass with no new press.
    void Repaint() { view->BeginPassClickState(); }
    // A point inside the button laid out at (x, y) for the nominal height h
    // (2-D figures scale the offset below the plot top to the real height).
    CPoint ButtonPoint(int x, int y, int h) const {
        int by = y;
        if (!view->m_bFigure3D)
            by = int(view->m_nPlotTop +
                     std::int64_t(view->ButtonHeight()) * (y - view->m_nPlotTop) / h);
        return CPoint(x + 3, by + 3);
    }
    void PressButton(int x, int y, int h) {
        const CPoint p = ButtonPoint(x, y, h);
        Press(p.x, p.y);
    }

    COLORREF At(int x, int y) const {
        const QRgb p = image.pixel(x, y);
        return RGB(qRed(p), qGreen(p), qBlue(p));
    }
    int CountIn(COLORREF c, int l, int t, int r, int b) const {
        int n = 0;
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x) n += At(x, y) == c;
        return n;
    }
    int Count(COLORREF c) const { return CountIn(c, 0, 0, image.width(), image.height()); }
    bool Blank() const { return Count(kBlack) == image.width() * image.height(); }
    void Clear() { image.fill(Qt::black); }

    std::unique_ptr<CPemroView> view;
    QImage image;
    std::unique_ptr<CDC> dc;
    TextRecorder text;
};

} // namespace annotation_test
