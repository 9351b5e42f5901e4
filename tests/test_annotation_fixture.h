// A view with a placed figure on an in-memory surface, for the tests of the
// figure annotation commands: a command line is put in the view and its
// section run on the surface.
#pragma once

#include "test_support.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace annotation_test {

using namespace test_support;

constexpr COLORREF kDefaultPen = RGB(200, 200, 0);
constexpr COLORREF kDefaultFill = RGB(0, 200, 200);
constexpr COLORREF kButtons = RGB(250, 250, 250);
constexpr COLORREF kFirstDerivative = RGB(255, 0, 255);
constexpr COLORREF kSecondDerivative = RGB(0, 128, 255);
constexpr COLORREF kGround = RGB(0, 64, 128);

using Section = void (CPemroView::*)(CDC*);

class AnnotationTest : public FigureSurfaceTest {
protected:
    void SetUp() override {
        FigureSurfaceTest::SetUp();
        CPemroView& v = *view;
        v.m_pTextSink = &text;
        v.m_bPlaneCmdsEnabled = 1;
        v.m_nFigureLeft = 10, v.m_nFigureTop = 10, v.m_nFigureRight = 390, v.m_nFigureBottom = 290;
        // The world [0, 3] x [0, 2] on the plot: 100 pixels a unit, pixel
        // x = 50 + 100·x, pixel y = 250 − 100·y.
        SetWorld(0, 3, 0, 2);
        v.m_nPlotOrientation = 0, v.m_bShowSelectionBox = 1;
        v.m_ptClick = CPoint(-1000, -1000); // nowhere near the figure
        v.m_nBaseCharWidth = 9, v.m_nFontStep = 0;
        v.m_nCharHeight = 18, v.m_nCharWidth = 9, v.m_nLabelZoom = 0;
        v.m_crGround = kGround, v.m_crCurveSetting = kButtons;
        v.m_crDefaultPen = kDefaultPen, v.m_crDefaultFill = kDefaultFill;
        v.m_crFirstDerivative = kFirstDerivative, v.m_crSecondDerivative = kSecondDerivative;
        // Oblique projection: y to the right and z upward 100 pixels a unit,
        // x receding 40 pixels down and 20 to the left, origin (100, 250).
        v.m_nProjScaleY = 100, v.m_nProjScaleZ = 100;
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

    TextRecorder text;
};

} // namespace annotation_test
