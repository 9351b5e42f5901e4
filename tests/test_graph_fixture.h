// Pages of the graph tests: scripts in a scratch directory drawn by a view on
// a 1280 x 960 surface, clicks at page points, and the typeset text of the
// passes. Shared by tests/test_graph*.cpp.
#pragma once

#include "test_support.h"

#include <fstream>
#include <string>

namespace graph_test {

using namespace test_support;

using TextCollector = TextRecorder;

class GraphPageTest : public ScratchPageTest {
protected:
    GraphPageTest() : ScratchPageTest("graph") {}

    // A topic script written in UTF-8 here, stored in GBK.
    static void Script(const std::string& code, const std::string& utf8) {
        WriteScript(code, utf8);
    }
    // A press at a page point (the page is not scrolled), then its passes.
    static void ClickAt(CPemroView* v, int x, int y) { ClickPage(*v, x, y); }
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
    // Pixels of the colour inside the plot rectangle.
    static int CountInPlot(const CPemroView* v, COLORREF colour) {
        return CountColour(v->BackingImage(), colour, v->m_nPlotLeft + 1, v->m_nPlotTop + 1,
                           v->m_nPlotRight, v->m_nPlotBottom);
    }
};

} // namespace graph_test
